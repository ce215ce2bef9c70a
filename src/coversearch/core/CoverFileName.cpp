#include "CoverFileName.h"

QString coverFileName(const QString &title)
{
    QString name = title;
    name.remove(QLatin1Char(':'));
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    for (const QChar c : QStringLiteral(".,\\/<>?*|&"))
        name.remove(c);
    name.replace(QLatin1Char('"'), QLatin1Char('\''));
    return name + QStringLiteral(".jpg");
}
