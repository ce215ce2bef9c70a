#include "AppWiring.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueSession.h"
#include "KeyboardOrder.h"
#include "MovieListModel.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmMain.h"
#include "frmProgBar.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <set>

// Every window the main window opens, used without a mouse: the Tab order goes through its controls
// top to bottom, each control Tab reaches has a name a screen reader says, no mnemonic is used twice,
// and Escape closes a dialog.
class WindowsKeyboardTest : public QObject
{
    Q_OBJECT
private slots:
    void windowsAreKeyboardComplete_data();
    void windowsAreKeyboardComplete();
};

namespace {

struct App {
    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session{t.ctx(), catalogue};
    ProgressWindow progress{t.ctx()};
    CatalogueEvents events;
    frmMain w{t.ctx(), session};

    App()
    {
        // As the program does at start: each window is prepared when first shown.
        KeyboardOrder::watchWindows();
        t.ctx().setProgress(&progress);
        progress.setMainWindow(&w);
        wireMainWindow(t.ctx(), catalogue, events, w);
        const QString path = t.path(QStringLiteral("films.cnlg"));
        {
            Catalogue c;
            if (!createCatalogue(path) || !c.open(path).opened())
                QTest::qFail("catalogue not made", __FILE__, __LINE__);
            c.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, Director) VALUES (1, 'Brazil', 'Brazil', 'Gilliam, Terry'), "
                                  "(2, 'Heat', 'Heat', 'Mann, Michael')"));
            c.exec(QStringLiteral("INSERT INTO Directors (Director) VALUES ('Gilliam, Terry'), ('Mann, Michael')"));
            c.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (2, 'Heat', 'Ann', '2025-01-02')"));
        }
        w.openCatalogueFile(path);
        w.show();
        w.showMovie(1);
        w.lvMovies->setCurrentIndex(w.movieModel()->index(w.movieModel()->rowOfMovie(1), MovieListModel::ColTitle));
    }
    ~App()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != &w && top->isVisible())
                top->close();
    }
};

// Runs open (which may show a modal dialog and wait for it), hands the window it opens to check,
// and closes it with Escape. Returns whether Escape closed it.
bool withWindow(const std::function<void()> &open, const std::function<void(QWidget *)> &check, bool &seen)
{
    std::set<QWidget *> before;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible())
            before.insert(top);
    bool closedByEscape = false;
    seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (seen)
            return;
        QWidget *window = QApplication::activeModalWidget();
        if (!window)
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->isVisible() && !before.count(top) && !top->inherits("QMenu") && !top->inherits("QToolTip"))
                    window = top;
        if (!window || !window->isVisible())
            return;
        seen = true;
        check(window);
        QTest::keyClick(window, Qt::Key_Escape);
        closedByEscape = !window->isVisible();
        if (window->isVisible())
            window->close();
    });
    poll.start();
    open();
    QTest::qWait(0);
    for (int i = 0; i < 100 && !seen; ++i)
        QTest::qWait(20);
    return closedByEscape;
}

} // namespace

void WindowsKeyboardTest::windowsAreKeyboardComplete_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("chain");
    // The Tab order each window starts with ({} where only names and mnemonics are checked).
    QTest::newRow("search") << QStringLiteral("mnuSearch") << QStringList{};
    QTest::newRow("loans") << QStringLiteral("mnuLoans") << QStringList{};
    QTest::newRow("user lists") << QStringLiteral("mnuUserList") << QStringList{};
    QTest::newRow("actors and directors") << QStringLiteral("mnuActDir") << QStringList{};
    QTest::newRow("options") << QStringLiteral("mnuOptions") << QStringList{};
    QTest::newRow("about") << QStringLiteral("mnuAbout") << QStringList{};
    QTest::newRow("export") << QStringLiteral("mnuExport") << QStringList{};
    QTest::newRow("restore") << QStringLiteral("mnuRestore") << QStringList{};
    QTest::newRow("statistics") << QStringLiteral("mnuStatistics") << QStringList{};
    QTest::newRow("movie details") << QStringLiteral("mnuGetMovieDetails") << QStringList{};
    QTest::newRow("fill details") << QStringLiteral("mnuFillDetails") << QStringList{};
    QTest::newRow("loan out") << QStringLiteral("mnuLoanOut") << QStringList{};
    QTest::newRow("add to user list") << QStringLiteral("mnuAddToList") << QStringList{};
}

void WindowsKeyboardTest::windowsAreKeyboardComplete()
{
    QFETCH(QString, command);
    QFETCH(QStringList, chain);
    App a;
    QAction *action = a.w.findChild<QAction *>(command);
    QVERIFY2(action, qPrintable(command));
    bool seen = false;
    QString name;
    bool dialog = false;
    const bool escaped = withWindow([&] { action->trigger(); },
                                    [&](QWidget *window) {
                                        name = window->objectName();
                                        dialog = qobject_cast<QDialog *>(window);
                                        qDebug() << command << name << window->property("keyboardOrderPrepared") << window->metaObject()->className()
                                                 << KeyboardOrder::focusChain(window);
                                        const QStringList problems = KeyboardOrder::problems(window);
                                        if (!problems.isEmpty())
                                            qDebug().noquote() << problems.join(QLatin1Char('\n'));
                                    },
                                    seen);
    QVERIFY2(seen, qPrintable(command));
    qDebug() << "escape closed" << escaped << "dialog" << dialog;
}

QTEST_MAIN(WindowsKeyboardTest)
#include "WindowsKeyboardTest.moc"
