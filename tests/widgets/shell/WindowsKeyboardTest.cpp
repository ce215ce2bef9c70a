#include "AppWiring.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueSession.h"
#include "KeyboardOrder.h"
#include "MovieListModel.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmMain.h"
#include "EditedMovie.h"
#include "MovieEditor.h"
#include "ReportPreview.h"
#include "Reports.h"
#include "frmDownloadResults.h"
#include "frmEpisodes.h"
#include "frmExcel.h"
#include "frmPreview.h"
#include "frmProgBar.h"
#include "frmProgress.h"
#include "frmUploadMovies.h"
#include "WiredMainWindow.h"

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
    void windowsMadeElsewhereAreKeyboardComplete();
};

namespace {

// As the program does at start: each window is prepared when first shown.
struct WatchingWindows {
    WatchingWindows() { KeyboardOrder::watchWindows(); }
};

struct App : WatchingWindows, WiredMainWindow {
    App()
    {
        openCatalogueWith({QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, Director) VALUES (1, 'Brazil', 'Brazil', 'Gilliam, Terry'), "
                                          "(2, 'Heat', 'Heat', 'Mann, Michael')"),
                           QStringLiteral("INSERT INTO Directors (Director) VALUES ('Gilliam, Terry'), ('Mann, Michael')"),
                           QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (2, 'Heat', 'Ann', '2025-01-02')")});
        w.show();
        w.showMovie(1);
        w.lvMovies->setCurrentIndex(w.movieModel()->index(w.movieModel()->rowOfMovie(1), MovieListModel::ColTitle));
    }
    ~App() { closeOtherWindows(); }
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
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            QTest::qFail("the window does not become active", __FILE__, __LINE__);
        check(window);
        QTest::keyClick(window, Qt::Key_Escape);
        // A Close button's shortcut clicks it a moment later.
        for (int i = 0; i < 25 && window->isVisible(); ++i)
            QTest::qWait(20);
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
    const auto names = [](const char *list) { return QString::fromLatin1(list).split(QLatin1Char(' ')); };
    // The command that opens the window, and the Tab order through its controls (those enabled when
    // it opens), top to bottom and left to right.
    QTest::newRow("search") << QStringLiteral("mnuSearch")
                            << names("ckTitle ckDir ckActor ckGenre ckFormat ckRating ckMedium chkStars cmdSearch lvMovies cmdClose");
    QTest::newRow("loans") << QStringLiteral("mnuLoans") << names("cmbShow ckUsers lvLoans cmdPrint cmdClose");
    QTest::newRow("user lists") << QStringLiteral("mnuUserList") << names("cmbUserList lvMovies cmdClose");
    QTest::newRow("actors and directors")
        << QStringLiteral("mnuActDir") << names("cmbSelect cmbLetters lvActDir lstMovies txtName txtURL cmdURL cmdClose");
    QTest::newRow("options") << QStringLiteral("mnuOptions")
                             << names("txtTxtLastDB cmdOpenDB chkLoadLast Dir1 cmdBrowsePDF cboLanguage chkQuickFilterCast txtCommunityConnection "
                                      "txtCommunityCAFile cmdCommunityCAFile cboCoverSource txtTMDbKey spnCoverCache "
                                      "spnDetailsCastCount txtDetailsCountry txtDetailsLanguage cboDetailsPosterSize "
                                      "cboDetailsNameForm spnDetailsTimeout cmdOK cmdCancel");
    QTest::newRow("about") << QStringLiteral("mnuAbout") << QStringList{};
    QTest::newRow("export") << QStringLiteral("mnuExport") << names("optCatalogue cmbFormat txtFile cmdBrowse cmdExport cmdCancel");
    QTest::newRow("restore") << QStringLiteral("mnuRestore") << names("lstBackups spnKeep cmdClose");
    QTest::newRow("statistics") << QStringLiteral("mnuStatistics") << names("qt_tabwidget_tabbar");
    QTest::newRow("fill details") << QStringLiteral("mnuFillDetails") << names("optSelected cmdFill cmdCancel");
    QTest::newRow("loan out") << QStringLiteral("mnuLoanOut") << names("txtMovID txtMovieName txtLoanedTo txtLoanDate cmdClose");
    QTest::newRow("add to user list")
        << QStringLiteral("mnuAddToList") << names("txtMovID txtMovTitle txtUserName txtDisplayName cmdClose");
}

void WindowsKeyboardTest::windowsAreKeyboardComplete()
{
    QFETCH(QString, command);
    QFETCH(QStringList, chain);
    App a;
    QAction *action = a.w.findChild<QAction *>(command);
    QVERIFY2(action, qPrintable(command));
    bool seen = false;
    QStringList order, problems;
    const bool escaped = withWindow([&] { action->trigger(); },
                                    [&](QWidget *window) {
                                        order = KeyboardOrder::focusChain(window);
                                        problems = KeyboardOrder::problems(window);
                                    },
                                    seen);
    QVERIFY2(seen, qPrintable(command));
    QCOMPARE(problems.join(QLatin1Char('\n')), QString());
    QCOMPARE(order.join(QLatin1Char(' ')), chain.join(QLatin1Char(' ')));
    QVERIFY2(escaped, "Escape closes the window");
}

void WindowsKeyboardTest::windowsMadeElsewhereAreKeyboardComplete()
{
    App a;
    // Windows other windows open (after a search, a download, a choice): made here directly, with
    // what their Tab order starts with.
    report::ReportJob job = report::arMovieList(a.t.ctx(), a.catalogue);
    const report::ReportPlan plan = job.plan(a.t.ctx());
    report::PageSource pages(a.t.ctx(), job.definition, *job.source, plan, job.labels);
    const struct {
        const char *name;
        std::function<QWidget *()> make;
        QStringList chainStart;
    } windows[] = {
        {"upload", [&] { return new frmUploadMovies(a.t.ctx(), a.catalogue); }, {}},
        {"download results", [&] { return new frmDownloadResults(a.t.ctx(), a.catalogue, a.w.editor()->edited(), a.events); }, {}},
        {"import", [&] { return new frmExcel(a.t.ctx(), a.catalogue, a.events); }, {}},
        {"episodes", [&] { return new frmEpisodes(a.t.ctx(), a.catalogue); }, {}},
        {"progress", [&] { return new frmProgBar; }, {}},
        {"cover preview", [&] { return new frmPreview(a.t.ctx(), &a.w); }, {}},
        {"cover search progress", [&] { return new frmProgress(&a.w); }, {}},
        {"report preview", [&] { return new ReportPreview(a.t.ctx(), pages); }, {}},
    };
    QStringList faults;
    for (const auto &w : windows) {
        std::unique_ptr<QWidget> window(w.make());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const QStringList order = KeyboardOrder::focusChain(window.get());
        for (const QString &problem : KeyboardOrder::problems(window.get()))
            faults << QStringLiteral("%1: %2").arg(QLatin1String(w.name), problem);
        if (order.mid(0, w.chainStart.size()) != w.chainStart)
            faults << QStringLiteral("%1: Tab order %2").arg(QLatin1String(w.name), order.join(QLatin1Char(' ')));
        if (qobject_cast<QDialog *>(window.get())) {
            QTest::keyClick(window.get(), Qt::Key_Escape);
            for (int i = 0; i < 25 && window->isVisible(); ++i)
                QTest::qWait(20);
            if (window->isVisible())
                faults << QStringLiteral("%1: Escape does not close it").arg(QLatin1String(w.name));
        }
        qDebug() << w.name << order;
    }
    QCOMPARE(faults.join(QLatin1Char('\n')), QString());
}

QTEST_MAIN(WindowsKeyboardTest)
#include "WindowsKeyboardTest.moc"
