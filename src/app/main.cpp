#include "AppWiring.h"
#include "CommandLine.h"
#include "Program.h"
#include "ProgramSettings.h"
#include "QtPrompts.h"
#include "SingleInstance.h"
#include "Translations.h"
#include "frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

namespace {

bool platformGiven(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

// Prints what the command line asked to print; returns the exit code, or -1 to go on and run.
int answerCommandLine(const CommandLine &cl)
{
    switch (cl.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::fputs(cl.text.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fputs(QCoreApplication::translate("main", "Cinelog: %1\nTry 'cinelog --help'.\n").arg(cl.text).toLocal8Bit().constData(),
                   stderr);
        return 1;
    case CommandLine::Action::Run:
        break;
    }
    return -1;
}

// The language chosen in Options (or the system's), before the first text is made.
void installLanguage()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const IniFile ini(QDir(AppContext::defaultSettingsFolder(programFolder)).filePath(QStringLiteral("reelbase.ini")));
    Translations::install(ProgramSettings::Language.read(ini), Translations::searchFolders(programFolder));
}

} // namespace

// The start-up routine: command line, one program per user, program-wide state, first-run defaults,
// splash, then the main window.
int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Cinelog"));
    QCoreApplication::setOrganizationName(QStringLiteral("Cinelog"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CINELOG_VERSION));

    // Without a display Qt would abort with a long message; say it in one line instead. --help and
    // --version need no display.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !platformGiven(argc, argv)) {
        QCoreApplication core(argc, argv);
        installLanguage();
        const int code = answerCommandLine(CommandLine::parse(QCoreApplication::arguments(), QDir::currentPath()));
        if (code >= 0)
            return code;
        std::fputs(QCoreApplication::translate("main", "Cinelog: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen "
                                                       "to run without one).\n")
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return 2;
    }

    QApplication app(argc, argv);
    installLanguage();
    // Desktops match windows to the desktop entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.cinelog.Cinelog"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/cinelog/cinelog.svg")));
    const CommandLine cl = CommandLine::parse(QCoreApplication::arguments(), QDir::currentPath());
    if (const int code = answerCommandLine(cl); code >= 0)
        return code;

    SingleInstance instance(SingleInstance::defaultServerName());
    QString whyAlone;
    switch (instance.start(cl.file, 3000, &whyAlone)) {
    case SingleInstance::Role::HandedOver:
        return 0;
    case SingleInstance::Role::Standalone:
        std::fputs(QCoreApplication::translate("main", "Cinelog: %1 Later starts will open their own window.\n")
                       .arg(whyAlone)
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        break;
    case SingleInstance::Role::Primary:
        break;
    }

    QtPrompts prompts;
    DesktopUrlOpener urlOpener;
    AppContext::Services services;
    services.prompts = &prompts;
    services.urlOpener = &urlOpener;
    Program program(QCoreApplication::applicationDirPath(), services);
    program.start(cl.file.isEmpty());
    wireOpenRequests(instance, program.catalogue, program.mainWindow, program.progress, cl.statusReport);
    instance.request(cl.file);

    if (frmSplash *s = frmSplash::instance()) {
        s->raise();
        s->armTimer();
    }
    return app.exec();
}
