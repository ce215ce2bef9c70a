#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class Clock;
class Prompts;

// Appends one line per failure to the error log and tells the user the error has been logged.
class ErrorLog
{
public:
    ErrorLog(QString path, const QString *user, const Clock *clock, Prompts *prompts);

    const QString &path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

    // Called before the message box is shown, so windows that stay on top get out of its way.
    void setBeforeMessage(std::function<void()> hook) { m_beforeMessage = std::move(hook); }

    // Never throws: it is called from inside other routines' error handling. The log line is
    // written with description (English, for support); the message shows shownDescription when
    // given (the user's language), else description.
    void LogError(const QString &description, qint64 number, const QString &label, bool showMessage,
                  const QString &shownDescription = QString()) noexcept;

    // "Dec 09, 2025 | 03:42 PM User: alice | label: description, Err.Number: 424"
    static QString formatLine(const QDateTime &when, const QString &user, const QString &label,
                              const QString &description, qint64 number);

private:
    QString m_path;
    const QString *m_user;
    const Clock *m_clock;
    Prompts *m_prompts;
    std::function<void()> m_beforeMessage;
};
