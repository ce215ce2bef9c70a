#include "Catalogue.h"
#include "CatalogueSession.h"
#include "WidgetTestSupport.h"
#include "WindowUtil.h"
#include "frmMain.h"
#include "frmOptions.h"
#include "frmProgBar.h"
#include "frmSplash.h"
#include "QtPrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>

class ShellWidgetsTest : public QObject
{
    Q_OBJECT
private slots:
    void progressClosesExactlyAtTheMaximum();
    void progressValueOutOfRangeIsLoggedWithoutMessage();
    void mainWindowSizeAndColumnsRoundTrip();
    void mainWindowNeverSmallerThanItsMinimum();
    void settingThatIsNotANumberIsSkipped();
    void optionsOkWritesAndCancelDoesNot();
    void optionsLoadShowsStoredValues();
    void formLoadedIgnoresCaseAndHiddenWindows();
    void splashLinksTheBuildsAddressOnly();
    void saveDialogConfirmsOverwriteUnlessTheCallerDoes();
};

void ShellWidgetsTest::splashLinksTheBuildsAddressOnly()
{
    {
        WidgetTestContext t;
        t.ctx().WebAddress.clear();
        auto *splash = new frmSplash(t.ctx());
        splash->show();
        QVERIFY(!splash->lblWebAddress->isVisible());
        QVERIFY(splash->lblWebAddress->text().isEmpty());
        QVERIFY(splash->lblVersion->isVisible());
        splash->close();
    }
    WidgetTestContext t;
    t.ctx().WebAddress = QStringLiteral("https://cinelog.test/a&b");
    auto *splash = new frmSplash(t.ctx());
    splash->show();
    QVERIFY(splash->lblWebAddress->isVisible());
    QVERIFY(splash->lblWebAddress->text().contains(QStringLiteral("href=\"https://cinelog.test/a&amp;b\"")));
    emit splash->lblWebAddress->linkActivated(QStringLiteral("https://cinelog.test/a&b"));
    QCOMPARE(t.urls.opened, QList<QUrl>{QUrl(QStringLiteral("https://cinelog.test/a&b"))});
    splash->close();
}

void ShellWidgetsTest::saveDialogConfirmsOverwriteUnlessTheCallerDoes()
{
    // The program's own save dialog, looked at while it is up and then cancelled.
    QTemporaryDir dir;
    for (auto overwrite : {Prompts::Overwrite::DialogConfirms, Prompts::Overwrite::CallerConfirms}) {
        bool seen = false, confirms = false;
        QTimer::singleShot(0, [&] {
            QTimer *poll = new QTimer;
            QObject::connect(poll, &QTimer::timeout, [&, poll] {
                auto *dlg = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                if (!dlg)
                    return;
                seen = true;
                confirms = !dlg->testOption(QFileDialog::DontConfirmOverwrite);
                poll->deleteLater();
                dlg->reject();
            });
            poll->start(20);
        });
        QtPrompts prompts;
        const QString chosen = prompts.saveFile(QStringLiteral("Enter a Database Name:"), QStringLiteral("Cinelogs (*.cnlg)"),
                                                dir.path(), overwrite);
        QVERIFY(seen);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(confirms, overwrite == Prompts::Overwrite::DialogConfirms);
    }
}

void ShellWidgetsTest::progressClosesExactlyAtTheMaximum()
{
    for (int stopAt : {9, 10}) {
        WidgetTestContext t;
        ProgressWindow progress(t.ctx());
        progress.ShowProgress(QStringLiteral("Getting the Movie List..."), 0, 10);
        QVERIFY(progress.window());
        QCOMPARE(progress.window()->lblDoingWhat->text(), QStringLiteral("Getting the Movie List..."));
        QVERIFY(progress.busyCursor());
        for (int i = 1; i <= stopAt; ++i)
            progress.UpdateProgress(i);
        const bool closed = stopAt == 10;
        QCOMPARE(progress.window() == nullptr, closed);
        QCOMPARE(progress.busyCursor(), !closed);
        QCOMPARE(QApplication::overrideCursor() == nullptr, closed);
        if (!closed)
            progress.UpdateProgress(10);
        QVERIFY(!progress.window());
        QVERIFY(!QApplication::overrideCursor());
    }
}

void ShellWidgetsTest::progressValueOutOfRangeIsLoggedWithoutMessage()
{
    WidgetTestContext t;
    ProgressWindow progress(t.ctx());
    progress.ShowProgress(QStringLiteral("Counting..."), 0, 40000);
    progress.UpdateProgress(35000);
    QCOMPARE(progress.window()->pb1->value(), 35000);
    progress.UpdateProgress(50000);
    QCOMPARE(progress.window()->pb1->value(), 35000);
    QCOMPARE(t.logLines().size(), 1);
    QVERIFY(t.logLines().first().contains(QStringLiteral("| UpdateProgress: ")));
    QVERIFY(t.prompts.shown().isEmpty());
    progress.UpdateProgress(40000);
    QVERIFY(!progress.window());
}

void ShellWidgetsTest::mainWindowSizeAndColumnsRoundTrip()
{
    WidgetTestContext t;
    DoDefaults(t.ctx());
    t.ctx().WriteINI(QStringLiteral("Reelbase"), QStringLiteral("Width"), QStringLiteral("15000"));
    t.ctx().WriteINI(QStringLiteral("Reelbase"), QStringLiteral("Height"), QStringLiteral("9000"));
    t.ctx().WriteINI(QStringLiteral("Reelbase"), QStringLiteral("2"), QStringLiteral("3000"));
    {
        Catalogue catalogue;
        CatalogueSession session(t.ctx(), catalogue);
        frmMain w(t.ctx(), session);
        w.Form_Load();
        QCOMPARE(w.width(), twipsToPixels(15000));
        QCOMPARE(w.height(), twipsToPixels(9000));
        QCOMPARE(w.lvMovies->header()->count(), 15);
        QCOMPARE(w.lvMovies->header()->sectionSize(1), twipsToPixels(3000));
        QCOMPARE(w.windowTitle(), QStringLiteral("Cinelog Version 2.0"));
        w.resize(twipsToPixels(16005), twipsToPixels(8010));
        w.lvMovies->header()->resizeSection(2, twipsToPixels(2400));
        w.close();
    }
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("Reelbase"), QStringLiteral("Width")), QString::number(pixelsToTwips(twipsToPixels(16005))));
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("Reelbase"), QStringLiteral("Height")), QString::number(pixelsToTwips(twipsToPixels(8010))));
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("Reelbase"), QStringLiteral("3")), QString::number(pixelsToTwips(twipsToPixels(2400))));

    Catalogue catalogue;
    CatalogueSession session(t.ctx(), catalogue);
    frmMain again(t.ctx(), session);
    again.Form_Load();
    QCOMPARE(again.width(), twipsToPixels(16005));
    QCOMPARE(again.lvMovies->header()->sectionSize(2), twipsToPixels(2400));
}

void ShellWidgetsTest::mainWindowNeverSmallerThanItsMinimum()
{
    WidgetTestContext t;
    DoDefaults(t.ctx()); // default width 12045 is below the minimum
    Catalogue catalogue;
    CatalogueSession session(t.ctx(), catalogue);
    frmMain w(t.ctx(), session);
    w.Form_Load();
    QCOMPARE(w.width(), twipsToPixels(frmMain::MinWidthTwips));
    w.resize(100, 100);
    QVERIFY(w.width() >= twipsToPixels(frmMain::MinWidthTwips));
    QVERIFY(w.height() >= twipsToPixels(frmMain::MinHeightTwips));
}

void ShellWidgetsTest::settingThatIsNotANumberIsSkipped()
{
    WidgetTestContext t;
    DoDefaults(t.ctx());
    t.ctx().WriteINI(QStringLiteral("Reelbase"), QStringLiteral("Width"), QStringLiteral("wide"));
    t.ctx().WriteINI(QStringLiteral("Reelbase"), QStringLiteral("Height"), QStringLiteral("9000"));
    t.ctx().WriteINI(QStringLiteral("Reelbase"), QStringLiteral("1"), QStringLiteral("1e999"));
    t.ctx().WriteINI(QStringLiteral("Reelbase"), QStringLiteral("2"), QStringLiteral("3000"));
    Catalogue catalogue;
    CatalogueSession session(t.ctx(), catalogue);
    frmMain w(t.ctx(), session);
    const int widthBefore = twipsToPixels(frmMain::MinWidthTwips);
    w.Form_Load();
    QCOMPARE(w.width(), widthBefore);
    QCOMPARE(w.height(), twipsToPixels(9000));
    QCOMPARE(w.lvMovies->header()->sectionSize(1), twipsToPixels(3000));
    QVERIFY(t.logLines().isEmpty());
}

void ShellWidgetsTest::optionsOkWritesAndCancelDoesNot()
{
    WidgetTestContext t;
    const QString film = t.path(QStringLiteral("films.cnlg"));
    QFile(film).open(QIODevice::WriteOnly);
    t.ctx().WriteINI(QStringLiteral("DBLists"), QStringLiteral("db1"), film);

    {
        frmOptions cancelled(t.ctx());
        cancelled.chkLoadLast->setChecked(false);
        cancelled.txtTxtLastDB->setText(QStringLiteral("/elsewhere.cnlg"));
        QTest::mouseClick(cancelled.cmdCancel, Qt::LeftButton);
        QCOMPARE(t.ctx().ReadINI(QStringLiteral("Options"), QStringLiteral("AutoLoad")), QString());
        QCOMPARE(t.ctx().ReadINI(QStringLiteral("Options"), QStringLiteral("LastDB")), QString());
    }

    frmOptions dlg(t.ctx());
    dlg.chkLoadLast->setChecked(true);
    dlg.txtTxtLastDB->clear();
    dlg.Dir1->setText(t.folder() + QStringLiteral("/"));
    QTest::mouseClick(dlg.cmdOK, Qt::LeftButton);
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("Options"), QStringLiteral("AutoLoad")), QStringLiteral("1"));
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("Options"), QStringLiteral("LastDB")), QString());
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("Options"), QStringLiteral("PDFFolder")), t.folder());
    // An empty last catalogue still goes to the head of the recent list.
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("DBLists"), QStringLiteral("db1")), QString());
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("DBLists"), QStringLiteral("db2")), film);
}

void ShellWidgetsTest::optionsLoadShowsStoredValues()
{
    WidgetTestContext t;
    t.ctx().WriteINI(QStringLiteral("Options"), QStringLiteral("Autoload"), QStringLiteral("1"));
    t.ctx().WriteINI(QStringLiteral("Options"), QStringLiteral("LastDB"), QStringLiteral("/films/home.cnlg"));
    t.ctx().WriteINI(QStringLiteral("Options"), QStringLiteral("PDFFolder"), t.path(QStringLiteral("gone")));
    t.ctx().WriteINI(QStringLiteral("Options"), QStringLiteral("LastFolder"), t.folder());
    frmOptions dlg(t.ctx());
    QVERIFY(dlg.chkLoadLast->isChecked());
    QCOMPARE(dlg.txtTxtLastDB->text(), QStringLiteral("/films/home.cnlg"));
    QVERIFY(dlg.Dir1->text() != t.path(QStringLiteral("gone"))); // a folder that no longer exists is not offered

    const QString chosen = t.path(QStringLiteral("sub/other.cnlg"));
    t.prompts.answerText(chosen);
    QTest::mouseClick(dlg.cmdOpenDB, Qt::LeftButton);
    QCOMPARE(t.prompts.lastDialogStart, t.folder());
    QCOMPARE(dlg.txtTxtLastDB->text(), chosen);
    // The folder is remembered at once, even if the dialog is then cancelled.
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("Options"), QStringLiteral("LastFolder")), t.path(QStringLiteral("sub")));
}

void ShellWidgetsTest::formLoadedIgnoresCaseAndHiddenWindows()
{
    QWidget w;
    w.setObjectName(QStringLiteral("frmSearch"));
    QVERIFY(!FormLoaded(QStringLiteral("FRMSEARCH")));
    w.show();
    QVERIFY(FormLoaded(QStringLiteral("FRMSEARCH")));
    w.hide();
    QVERIFY(!FormLoaded(QStringLiteral("frmSearch")));
}

QTEST_MAIN(ShellWidgetsTest)
#include "ShellWidgetsTest.moc"
