#include "PersonName.h"

#include <QStringList>

namespace PersonName {

namespace {

bool isParticle(const QString &word)
{
    static const QStringList particles = {
        QStringLiteral("van"), QStringLiteral("von"), QStringLiteral("de"), QStringLiteral("da"), QStringLiteral("di"),
        QStringLiteral("del"), QStringLiteral("della"), QStringLiteral("der"), QStringLiteral("den"), QStringLiteral("des"),
        QStringLiteral("du"), QStringLiteral("dos"), QStringLiteral("das"), QStringLiteral("do"), QStringLiteral("la"),
        QStringLiteral("le"), QStringLiteral("ter"), QStringLiteral("ten"), QStringLiteral("zu"), QStringLiteral("bin"),
        QStringLiteral("ibn"), QStringLiteral("al"), QStringLiteral("el")};
    return particles.contains(word, Qt::CaseInsensitive);
}

bool isSuffix(const QString &word)
{
    static const QStringList suffixes = {QStringLiteral("jr."), QStringLiteral("jr"), QStringLiteral("sr."), QStringLiteral("sr"),
                                         QStringLiteral("ii"), QStringLiteral("iii"), QStringLiteral("iv"), QStringLiteral("v"),
                                         QStringLiteral("vi")};
    return suffixes.contains(word, Qt::CaseInsensitive);
}

// Whether every letter is written in the Latin script (accented letters included).
bool isLatin(const QString &name)
{
    for (QChar c : name)
        if (c.isLetter() && c.script() != QChar::Script_Latin)
            return false;
    return true;
}

} // namespace

QString toCatalogueForm(const QString &given)
{
    const QString name = given.simplified();
    if (name.contains(QLatin1Char(',')) || !isLatin(name))
        return name;
    QStringList words = name.split(QLatin1Char(' '));
    QString suffix;
    if (words.size() > 2 && isSuffix(words.last()))
        suffix = words.takeLast();
    if (words.size() < 2)
        return name;
    // The last name starts at the first particle after the first name, else it is the last word.
    qsizetype start = words.size() - 1;
    for (qsizetype i = 1; i < words.size() - 1; ++i)
        if (isParticle(words[i])) {
            start = i;
            break;
        }
    const QString last = words.mid(start).join(QLatin1Char(' '));
    const QString first = words.mid(0, start).join(QLatin1Char(' '));
    QString out = last + QStringLiteral(", ") + first;
    if (!suffix.isEmpty())
        out += QStringLiteral(", ") + suffix;
    return out;
}

} // namespace PersonName
