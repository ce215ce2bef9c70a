#include "AppContext.h"
#include "AppWiring.h"
#include "Catalogue.h"
#include "CatalogueSession.h"
#include "QtPrompts.h"
#include "frmMain.h"
#include "frmProgBar.h"
#include "frmSplash.h"
#include "WindowUtil.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <cstdio>

// The start-up routine: program-wide state, first-run defaults, splash, then the main window.
int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a long message; say it in one line instead.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "Cinelog: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen to run without one).\n");
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cinelog"));
    QApplication::setOrganizationName(QStringLiteral("Cinelog"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/cinelog/cinelog.svg")));

    QtPrompts prompts;
    DesktopUrlOpener urlOpener;
    AppContext::Services services;
    services.prompts = &prompts;
    services.urlOpener = &urlOpener;
    const QString programFolder = QCoreApplication::applicationDirPath();
    AppContext ctx(AppContext::defaultSettingsFolder(programFolder), programFolder, services);
    ProgressWindow progress(ctx);
    ctx.setProgress(&progress);
    ctx.errorLog().setBeforeMessage([] {
        for (const char *name : {"frmSearch", "frmSplash"}) {
            if (FormLoaded(QString::fromLatin1(name)))
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (w->objectName() == QLatin1String(name))
                        SetTopMost(w, false);
        }
    });

    ctx.GetUser();

    auto *splash = new frmSplash(ctx);
    splash->lblDoingWhat->setText(QStringLiteral("Starting Up..."));
    splash->show();
    ctx.setStatusHook([](const QString &text) {
        if (frmSplash *s = frmSplash::instance())
            s->setDoingWhat(text);
    });
    QCoreApplication::processEvents();

    if (!QFileInfo::exists(ctx.INIPath)) {
        splash->setDoingWhat(QStringLiteral("Setting Up Defaults..."));
        DoDefaults(ctx);
        QCoreApplication::processEvents();
    }

    Catalogue catalogue;
    CatalogueSession session(ctx, catalogue);
    frmMain mainWindow(ctx, session);
    progress.setMainWindow(&mainWindow);
    wireMainWindow(ctx, catalogue, mainWindow);
    mainWindow.Form_Load();
    mainWindow.show();

    if (frmSplash *s = frmSplash::instance()) {
        s->raise();
        s->armTimer();
    }
    return app.exec();
}
