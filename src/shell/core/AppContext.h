#pragma once

#include "CinelogError.h"
#include "ErrorLog.h"
#include "ErrorReporter.h"
#include "IniFile.h"
#include "Prompts.h"
#include "Services.h"

#include <QString>
#include <functional>
#include <memory>

// Program-wide state and services, passed to every window and core object that needs them, so a
// test can build any of them on a temporary settings folder with scripted prompts and a fixed clock.
class AppContext : public ErrorReporter
{
public:
    struct Services {
        Prompts *prompts = nullptr;
        Clock *clock = nullptr;
        UrlOpener *urlOpener = nullptr;
        ProgressSink *progress = nullptr;
    };

    // settingsFolder holds reelbase.ini and examErr.log; programFolder is where the program lives.
    AppContext(const QString &settingsFolder, const QString &programFolder, Services services);

    // Where settings live: beside the executable when a reelbase.ini is there (portable mode),
    // otherwise in the user's configuration folder.
    static QString defaultSettingsFolder(const QString &programFolder);

    QString INIPath;
    QString VersionText = QStringLiteral("Version 2.0");
    QString CurrentUser;
    int CoverPagesLimit = 50;
    QString programFolder;

    IniFile &ini() { return m_ini; }
    QString ReadINI(const QString &section, const QString &key) const { return m_ini.read(section, key); }
    void WriteINI(const QString &section, const QString &key, const QString &value) { m_ini.write(section, key, value); }

    ErrorLog &errorLog() { return m_log; }
    void LogError(const QString &description, qint64 number, const QString &label, bool showMessage = true) noexcept
    {
        m_log.LogError(description, number, label, showMessage);
    }

    Prompts &prompts() { return *m_services.prompts; }
    const Clock &clock() const { return *m_services.clock; }
    UrlOpener &urlOpener() { return *m_services.urlOpener; }
    ProgressSink &progress() { return *m_services.progress; }
    void setProgress(ProgressSink *p) { m_services.progress = p ? p : &m_nullProgress; }

    // Start-up step texts (shown on the splash while it is up).
    void setStatusHook(std::function<void(const QString &)> hook) { m_status = std::move(hook); }
    void showStatus(const QString &text)
    {
        if (m_status)
            m_status(text);
    }

    // Reads the login name, lower-cased, into CurrentUser.
    void GetUser();

    // Runs f; an error it throws is logged under label (with the message box unless told otherwise).
    // Returns false when f failed.
    bool guard(const QString &label, const std::function<void()> &f, bool showMessage = true) noexcept
    {
        return guarded(*this, label, f, showMessage);
    }
    void reportError(const QString &label, qint64 number, const QString &description, bool showMessage) noexcept override
    {
        LogError(description, number, label, showMessage);
    }

private:
    Services m_services;
    NullProgress m_nullProgress;
    std::function<void(const QString &)> m_status;
    IniFile m_ini;
    ErrorLog m_log;
};

// Writes the first-run settings.
void DoDefaults(AppContext &ctx);

// The recent-catalogue list kept under "DBLists" as "db1" (most recent) to "db5".
namespace RecentList {
QStringList read(const AppContext &ctx); // five entries, empty text where unset
void WriteDBList(AppContext &ctx, const QString &theDB);
}
