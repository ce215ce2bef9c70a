#pragma once

#include "CinelogError.h"
#include "ErrorLog.h"
#include "ErrorReporter.h"
#include "IniFile.h"
#include "Prompts.h"
#include "Services.h"

#include <QCoreApplication>
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
    // otherwise "Cinelog" in the user's configuration folder ($XDG_CONFIG_HOME/Cinelog).
    static QString defaultSettingsFolder(const QString &programFolder);
    // Earlier builds wrote the settings file and the error log one folder too deep
    // (Cinelog/Cinelog). Moves each of them that is there, and not yet in settingsFolder, up into
    // settingsFolder unchanged; removes the doubled folder when nothing else is left in it.
    // Returns the names of the files moved.
    static QStringList moveDoubledSettings(const QString &settingsFolder);

    QString INIPath;
    QString VersionText = QCoreApplication::translate("AppContext", "Version %1").arg(QStringLiteral("2.0"));
    QString CurrentUser;
    int CoverPagesLimit = 50;
    QString programFolder;
    // The product's web address (from the build); empty when there is none, and then no window or
    // report shows a link to it.
    QString WebAddress;

    IniFile &ini() { return m_ini; }
    const IniFile &ini() const { return m_ini; }
    // Untyped access, for the settings file's own tests; program code reads and writes through a
    // Setting declared beside its use (Setting.h, ProgramSettings.h).
    QString ReadINI(const QString &section, const QString &key) const { return m_ini.read(section, key); }
    void WriteINI(const QString &section, const QString &key, const QString &value) { m_ini.write(section, key, value); }

    ErrorLog &errorLog() { return m_log; }
    void LogError(const QString &description, qint64 number, const QString &label, bool showMessage = true) noexcept
    {
        m_log.LogError(description, number, label, showMessage);
    }
    // The log gets the English description, the message the translated one.
    void LogError(const CinelogError &e, const QString &label, bool showMessage = true) noexcept
    {
        m_log.LogError(e.description(), e.number(), label, showMessage, e.shownDescription());
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
    void reportTranslatedError(const QString &label, qint64 number, const QString &description, const QString &shownDescription,
                               bool showMessage) noexcept override
    {
        m_log.LogError(description, number, label, showMessage, shownDescription);
    }

private:
    Services m_services;
    NullProgress m_nullProgress;
    std::function<void(const QString &)> m_status;
    IniFile m_ini;
    ErrorLog m_log;
};

// The product's web address set when the program was built; empty when none was set.
QString productWebAddress();

// Where a file dialog starts for a folder from the settings: that folder while it exists, else the
// user's home folder (never a missing folder, whose name the dialog would take for a file name).
QString existingFolderOrHome(const QString &folder);

// Writes the first-run settings.
void DoDefaults(AppContext &ctx);

// The recent-catalogue list kept under "DBLists" as "db1" (most recent) to "db5".
namespace RecentList {
QStringList read(const AppContext &ctx); // five entries, empty text where unset
void WriteDBList(AppContext &ctx, const QString &theDB);
}
