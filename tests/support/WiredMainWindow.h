#pragma once

#include "AppWiring.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueSession.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmMain.h"
#include "frmProgBar.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

// The main window with its progress window, wired to every other window as the program wires it,
// over a catalogue of the test's own. Settings the wiring reads go in through `beforeWiring`.
struct WiredMainWindow {
    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session{t.ctx(), catalogue};
    ProgressWindow progress{t.ctx()};
    CatalogueEvents events;
    frmMain w{t.ctx(), session};

    template <typename BeforeWiring = void (*)(AppContext &)>
    explicit WiredMainWindow(BeforeWiring beforeWiring = [](AppContext &) {})
    {
        t.ctx().setProgress(&progress);
        progress.setMainWindow(&w);
        beforeWiring(t.ctx());
        wireMainWindow(t.ctx(), catalogue, events, w);
    }

    // Makes films.cnlg in the test's folder, runs the statements on it and opens it in the window.
    void openCatalogueWith(const QStringList &statements)
    {
        const QString path = t.path(QStringLiteral("films.cnlg"));
        {
            Catalogue c;
            if (!createCatalogue(path) || !c.open(path).opened())
                QTest::qFail("catalogue not made", __FILE__, __LINE__);
            for (const QString &sql : statements)
                c.exec(sql);
        }
        w.openCatalogueFile(path);
    }

    // Closes every window the test opened besides the main window.
    void closeOtherWindows()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != &w && top->isVisible())
                top->close();
    }
};
