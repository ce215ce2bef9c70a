#include "ErrorLog.h"

#include "Prompts.h"
#include "Services.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

ErrorLog::ErrorLog(QString path, const QString *user, const Clock *clock, Prompts *prompts)
    : m_path(std::move(path)), m_user(user), m_clock(clock), m_prompts(prompts)
{
}

QString ErrorLog::formatLine(const QDateTime &when, const QString &user, const QString &label,
                             const QString &description, qint64 number)
{
    // English month names and AM/PM whatever the user's locale, so the log reads the same everywhere.
    const QLocale c(QLocale::C);
    const QString stamp = c.toString(when, QStringLiteral("MMM dd, yyyy | hh:mm AP"));
    return stamp + QStringLiteral(" User: ") + user + QStringLiteral(" | ") + label + QStringLiteral(": ")
        + description + QStringLiteral(", Err.Number: ") + QString::number(number);
}

void ErrorLog::LogError(const QString &description, qint64 number, const QString &label, bool showMessage,
                        const QString &shownDescription) noexcept
{
    try {
        if (m_beforeMessage)
            m_beforeMessage();
    } catch (...) {
    }
    try {
        const QDateTime now = m_clock ? m_clock->now() : QDateTime::currentDateTime();
        QString line = formatLine(now, m_user ? *m_user : QString(), label, description, number);
        line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        QFile f(m_path);
        if (!m_path.isEmpty() && f.open(QIODevice::WriteOnly | QIODevice::Append)) {
            f.write(line.toUtf8() + "\r\n");
            f.close();
        }
    } catch (...) {
        // A log that cannot be written must not turn one failure into two.
    }
    if (!showMessage || !m_prompts)
        return;
    try {
        // The label names the routine for support and stays as it is.
        const QString shown = shownDescription.isEmpty() ? description : shownDescription;
        m_prompts->message(QCoreApplication::translate("ErrorLog", "%1\rThis error has been logged.").arg(shown),
                           QCoreApplication::translate("ErrorLog", "Error %1 %2").arg(number).arg(label),
                           Prompts::Icon::Information);
    } catch (...) {
    }
}
