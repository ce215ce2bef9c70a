#include "TitleWords.h"

namespace TitleWords {

QString normalise(const QString &title)
{
    static const char *const removals[] = {
        "the", "The", "'", "and", "III", "II", "IV", "on", "a ", "i ", "in ", "vs", "&", ":", "it ", "its ",
        "of", ",", "!", ".", "?", "-", "to", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
        "    ", "   ", "  "};
    QString t = title;
    for (const char *r : removals)
        t.remove(QLatin1String(r), Qt::CaseSensitive);
    return t;
}

QStringList words(const QString &title)
{
    const QString t = normalise(title);
    if (t.isEmpty())
        return {};
    return t.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

}
