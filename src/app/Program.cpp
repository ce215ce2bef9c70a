#include "Program.h"

#include "AppWiring.h"
#include "WindowUtil.h"
#include "frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

Program::Program(const QString &programFolder, AppContext::Services services)
    : ctx(settingsFolder(programFolder), programFolder, services)
{
}

QString Program::settingsFolder(const QString &programFolder)
{
    const QString folder = AppContext::defaultSettingsFolder(programFolder);
    if (QDir(folder) != QDir(programFolder))
        AppContext::moveDoubledSettings(folder);
    return folder;
}

void Program::start(bool reopenLast)
{
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
    splash->lblDoingWhat->setText(QCoreApplication::translate("Program", "Starting Up..."));
    splash->show();
    ctx.setStatusHook([](const QString &text) {
        if (frmSplash *s = frmSplash::instance())
            s->setDoingWhat(text);
    });
    QCoreApplication::processEvents();

    if (!QFileInfo::exists(ctx.INIPath)) {
        splash->setDoingWhat(QCoreApplication::translate("Program", "Setting Up Defaults..."));
        DoDefaults(ctx);
        QCoreApplication::processEvents();
    }

    progress.setMainWindow(&mainWindow);
    wireMainWindow(ctx, catalogue, events, mainWindow);
    mainWindow.Form_Load(reopenLast);
    mainWindow.show();
}
