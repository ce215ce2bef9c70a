#pragma once

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueSession.h"
#include "frmMain.h"
#include "frmProgBar.h"

#include <QString>

// The program as the start-up routine puts it together: the program-wide state on the settings
// folder, the catalogue and the session that opens it, the shared progress window, and the main
// window wired to every other window. main() adds the command line and the one-program-per-user
// part around it; tests build it on a temporary configuration folder.
class Program
{
public:
    // services: the prompts and the URL opener (the progress window is the program's own).
    Program(const QString &programFolder, AppContext::Services services);

    // Where the settings are read and written: beside the program in portable mode, else
    // "Cinelog" in the user's configuration folder, where settings left by earlier builds in a
    // doubled "Cinelog/Cinelog" folder are moved first.
    static QString settingsFolder(const QString &programFolder);

    // The start-up steps: the login name, the splash, first-run defaults, then the main window is
    // loaded (re-opening the last catalogue unless reopenLast is false) and shown.
    void start(bool reopenLast);

    AppContext ctx;
    ProgressWindow progress{ctx};
    Catalogue catalogue;
    CatalogueSession session{ctx, catalogue};
    // Changes one window makes to the catalogue, announced to the others.
    CatalogueEvents events;
    frmMain mainWindow{ctx, session};
};
