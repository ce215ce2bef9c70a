#include "PersonName.h"

#include <QStringList>

namespace {

// Words that belong to the family name when they stand before its last word. Compared ignoring case:
// "Jean-Claude Van Damme" and "Vincent van Gogh" both keep theirs.
bool isParticle(const QString &word)
{
    static const QStringList particles = {
        QStringLiteral("van"), QStringLiteral("von"), QStringLiteral("vom"), QStringLiteral("zu"),
        QStringLiteral("de"),  QStringLiteral("da"),  QStringLiteral("di"),  QStringLiteral("del"),
        QStringLiteral("della"), QStringLiteral("dello"), QStringLiteral("der"), QStringLiteral("den"),
        QStringLiteral("des"), QStringLiteral("du"),  QStringLiteral("dos"), QStringLiteral("das"),
        QStringLiteral("do"),  QStringLiteral("la"),  QStringLiteral("le"),  QStringLiteral("ter"),
        QStringLiteral("ten"), QStringLiteral("bin"), QStringLiteral("ibn"), QStringLiteral("st."),
    };
    return particles.contains(word, Qt::CaseInsensitive);
}

bool isSuffix(QString word)
{
    static const QStringList suffixes = {
        QStringLiteral("jr"), QStringLiteral("sr"), QStringLiteral("jnr"), QStringLiteral("snr"),
        QStringLiteral("ii"), QStringLiteral("iii"), QStringLiteral("iv"),
    };
    if (word.endsWith(QLatin1Char('.')))
        word.chop(1);
    return suffixes.contains(word, Qt::CaseInsensitive);
}

// Other scripts have their own name order (family name first in Chinese, Japanese, Korean and
// Hungarian written natively, patronymics in Cyrillic); guessing there would do more harm than good.
bool hasNonLatinLetters(const QString &name)
{
    for (const char32_t cp : name.toUcs4()) {
        if (!QChar::isLetter(cp))
            continue;
        const QChar::Script s = QChar::script(cp);
        if (s != QChar::Script_Latin && s != QChar::Script_Common && s != QChar::Script_Inherited)
            return true;
    }
    return false;
}

// Trims, collapses blanks and writes every comma as ", ".
QString tidy(const QString &name)
{
    const QString simple = name.simplified();
    if (!simple.contains(QLatin1Char(',')))
        return simple;
    QStringList parts = simple.split(QLatin1Char(','));
    for (QString &p : parts)
        p = p.trimmed();
    return parts.join(QStringLiteral(", ")).trimmed();
}

} // namespace

namespace PersonName {

QString toLastFirst(const QString &name)
{
    QString text = tidy(name);
    if (text.isEmpty() || hasNonLatinLetters(text))
        return text;

    if (text.contains(QLatin1Char(','))) {
        // "Sammy Davis, Jr." is "First Last" with the suffix set off by a comma; any other comma means
        // the name is already in the catalogue's form.
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        const QString head = text.left(comma);
        const QString tail = text.mid(comma + 1).trimmed();
        if (text.count(QLatin1Char(',')) != 1 || !isSuffix(tail) || !head.contains(QLatin1Char(' ')))
            return text;
        text = head + QLatin1Char(' ') + tail;
    }

    QStringList words = text.split(QLatin1Char(' '));
    QString suffix;
    if (isSuffix(words.last())) {
        if (words.size() < 3)
            return text;
        suffix = words.takeLast();
    }
    if (words.size() < 2)
        return text;

    // The first word is always a given name: "Van Morrison" is Morrison, Van.
    qsizetype start = words.size() - 1;
    while (start > 1 && isParticle(words.at(start - 1)))
        --start;
    QStringList family = words.mid(start);
    if (!suffix.isEmpty())
        family << suffix;
    return family.join(QLatin1Char(' ')) + QStringLiteral(", ") + words.mid(0, start).join(QLatin1Char(' '));
}

QString matchKey(const QString &name)
{
    return toLastFirst(name).toCaseFolded();
}

bool sameName(const QString &name, const QString &stored)
{
    return matchKey(name) == matchKey(stored);
}

} // namespace PersonName
