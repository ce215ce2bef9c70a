#pragma once

// Text that trips up statement building, LIKE patterns, encodings or length limits: one table shared
// by every hostile-input test, so each store is tried with the same cases.

#include <QChar>
#include <QList>
#include <QString>

struct Hostile {
    const char *name;
    QString text;
};

inline const QList<Hostile> &hostileTexts()
{
    static const QList<Hostile> texts = {
        {"single quote", QStringLiteral("Ocean's Eleven")},
        {"double quotes", QStringLiteral("The \"Real\" Thing")},
        {"percent", QStringLiteral("100% Love")},
        {"underscore", QStringLiteral("my_movie")},
        {"backslash", QStringLiteral("C:\\Movies\\new")},
        {"semicolon", QStringLiteral("first; second")},
        {"comment dashes", QStringLiteral("-- not a comment")},
        {"statement", QStringLiteral("x'); DROP TABLE Movies; --")},
        {"right-to-left", QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD8\xB3\xD9\x84\xD8\xA7\xD9\x85")},
        {"combining accent", QString::fromUtf8("Ame\xCC\x81lie")},
        {"outside the basic plane", QString::fromUtf8("\xF0\x9F\x8E\xAC Reel")},
        {"NUL inside", QStringLiteral("before") + QChar(0) + QStringLiteral("after")},
        {"255 characters", QString(255, QLatin1Char('w'))},
        {"spaces only", QStringLiteral("   ")},
    };
    return texts;
}

// Text one character over the 255 a text column holds, in two forms: plain, and with a NUL near the
// start (SQLite's length() stops counting at a NUL, so a length check in the table alone lets it by).
inline const QList<Hostile> &overLongTexts()
{
    static const QList<Hostile> texts = {
        {"256 characters", QString(256, QLatin1Char('x'))},
        {"256 characters after a NUL", QStringLiteral("x") + QChar(0) + QString(254, QLatin1Char('y'))},
    };
    return texts;
}

// A name that the hostile text would match if it were used as a LIKE pattern ('%' and '_' read as
// wildcards), or empty text when it holds neither.
inline QString patternLookalike(const QString &text)
{
    if (!text.contains(QLatin1Char('%')) && !text.contains(QLatin1Char('_')))
        return QString();
    QString out = text;
    out.replace(QLatin1Char('%'), QStringLiteral("% and more"));
    out.replace(QLatin1Char('_'), QLatin1Char('X'));
    return out;
}
