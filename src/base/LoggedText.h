#pragma once

#include <QCoreApplication>
#include <QString>

// A text both written to the error log and shown to the user. The log keeps the English (support
// reads it, whatever the user's language); the user reads the translation.
//
//   throw CinelogError(53, logged("CatalogueFile", "Could not find file '%1'.").arg(path));
//
// lupdate reads logged("Context", "text") as a text to translate in Context.
struct LoggedText {
    QString english;
    QString shown;

    template <typename... T>
    LoggedText arg(const T &...values) const
    {
        return {english.arg(values...), shown.arg(values...)};
    }
    LoggedText arg(const LoggedText &inner) const { return {english.arg(inner.english), shown.arg(inner.shown)}; }
    LoggedText arg(const QString &first, const LoggedText &inner) const
    {
        return {english.arg(first, inner.english), shown.arg(first, inner.shown)};
    }
};

inline LoggedText logged(const char *context, const char *source)
{
    return {QString::fromUtf8(source), QCoreApplication::translate(context, source)};
}
