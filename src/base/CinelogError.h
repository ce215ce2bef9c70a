#pragma once

#include "LoggedText.h"

#include <QString>
#include <exception>
#include <string>

// The one exception type of the program. It carries an error number and a description, as the
// error log records them; database failures carry the engine's own code and text.
class CinelogError : public std::exception
{
public:
    CinelogError(qint64 number, QString description)
        : m_number(number), m_description(std::move(description)), m_utf8(m_description.toStdString())
    {
    }
    // A description the log keeps in English and the user reads translated.
    CinelogError(qint64 number, const LoggedText &description)
        : m_number(number), m_description(description.english), m_shown(description.shown), m_utf8(m_description.toStdString())
    {
    }

    qint64 number() const { return m_number; }
    // As the error log records it.
    const QString &description() const { return m_description; }
    // As the user reads it: the translation where there is one.
    const QString &shownDescription() const { return m_shown.isEmpty() ? m_description : m_shown; }
    // Both, for a description that goes into another one.
    LoggedText text() const { return {m_description, shownDescription()}; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    qint64 m_number;
    QString m_description;
    QString m_shown;
    std::string m_utf8;
};

// Error numbers the program raises itself (the same numbers a user would see for these failures).
namespace ErrorNumber {
constexpr qint64 TypeMismatch = 13;
constexpr qint64 FileNotFound = 53;
constexpr qint64 FileAlreadyExists = 58;
constexpr qint64 PathNotFound = 76;
constexpr qint64 PermissionDenied = 70;
constexpr qint64 ObjectNotSet = 91;
constexpr qint64 InvalidProcedureCall = 5;
constexpr qint64 Overflow = 6;
constexpr qint64 InvalidPicture = 481;
constexpr qint64 Database = 3000; // used when the engine gives no numeric code of its own
}
