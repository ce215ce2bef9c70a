#include "AppContext.h"
#include "Catalogue.h"
#include "CommunityCommands.h"
#include "CommunityConnection.h"
#include "CommunityTestServer.h"
#include "RecordingMainWindow.h"
#include "UploadListModel.h"
#include "WidgetTestSupport.h"
#include "frmDownloadResults.h"
#include "frmOptions.h"
#include "frmUploadMovies.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>
#include <memory>

using CommunityTestServer::Admin;

namespace {

const QString Db = QStringLiteral("cinelog_widget");

// Stands in for the main window: shows one stored movie and records what it was asked to do.
class FakeMainWindow : public RecordingMainWindow
{
public:
    explicit FakeMainWindow(Catalogue &c) : cat(c)
    {
        onShowMovieData = [this] {
            setTitle(cat.scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = ?"), {movieId()}).toString());
        };
    }

    Catalogue &cat;
    QWidget window;
};

class RecordingProgress : public ProgressSink
{
public:
    void ShowProgress(const QString &message, int minimum, int maximum) override
    {
        shown << QStringLiteral("%1 %2..%3").arg(message).arg(minimum).arg(maximum);
    }
    void UpdateProgress(qint64 value) override { updates << int(value); }
    QStringList shown;
    QList<int> updates;
};

template <typename T>
T *topLevel(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w); t && t->objectName() == QLatin1String(name) && t->isVisible())
            return t;
    return nullptr;
}

}

class CommunityWidgetsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestContext> tc;
    std::unique_ptr<Catalogue> cat;
    std::unique_ptr<Admin> admin;
    RecordingProgress progress;

    int localMovie(const QString &title, const QString &year, int web)
    {
        return cat->exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, web, onlineID) VALUES (?, ?, ?, 0)"),
                         {title, year, web})
            .lastInsertId()
            .toInt();
    }
    void useServer(const QString &connection) { CommunitySettings::setConnectionString(tc->ctx(), connection); }

private slots:
    void init()
    {
        tc = std::make_unique<WidgetTestContext>();
        progress = RecordingProgress();
        tc->ctx().setProgress(&progress);
        cat = std::make_unique<Catalogue>();
        CommunityTestServer::openNewCatalogue(*cat, tc->path(QStringLiteral("movies.cnlg")));
        admin = std::make_unique<Admin>(Db);
        admin->reset();
        progress = RecordingProgress(); // forget the catalogue's creation
    }

    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmDownloadResults") || w->objectName() == QLatin1String("frmUploadMovies"))
                w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        admin.reset();
        cat.reset();
        tc.reset();
    }

    void commandsWithoutSettingSayHowToSetUp()
    {
        FakeMainWindow main(*cat);
        main.setMovie(localMovie(QStringLiteral("Alien"), QStringLiteral("1979"), 0));
        Community::showDownloadResults(tc->ctx(), *cat, main.edited, main.events, &main.window);
        Community::showUploadMovies(tc->ctx(), *cat, nullptr);
        Community::mnuUpld_Click(tc->ctx(), *cat, main.edited);
        QCOMPARE(tc->prompts.messages(), QStringList(3, CommunitySettings::notSetUpMessage()));
        QCOMPARE(tc->prompts.titles(), QStringList(3, CommunitySettings::notSetUpTitle()));
        QVERIFY(!topLevel<QWidget>("frmDownloadResults"));
        QVERIFY(!topLevel<QWidget>("frmUploadMovies"));
        QVERIFY(tc->logLines().isEmpty());
    }

    void resultsWindowListsMatchesAndDownloadsTheChosenOne()
    {
        admin->exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, Genre1) VALUES ('Murder, Inc.', '1960', 'Crime')"));
        const int r = admin->insert(
            QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, Genre1) VALUES ('Monsters, Inc.', '2001', 'Animation')"), {});
        useServer(CommunityTestServer::connection(Db));
        FakeMainWindow main(*cat);
        main.setMovie(localMovie(QStringLiteral("Monsters, Inc."), QString(), 0));
        main.setTitle(QStringLiteral("Monsters, Inc."));

        Community::showDownloadResults(tc->ctx(), *cat, main.edited, main.events, &main.window);
        auto *w = topLevel<frmDownloadResults>("frmDownloadResults");
        QVERIFY(w);
        auto *list = child<QTreeWidget>(w, "lvResults");
        auto *get = child<QPushButton>(w, "cmdGetMovie");
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Monsters, Inc."));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("2001"));
        QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Murder, Inc."));
        QVERIFY(!get->isEnabled());
        QVERIFY(progress.updates.endsWith(1)); // the search's progress was closed

        list->setCurrentItem(list->topLevelItem(0));
        QVERIFY(get->isEnabled());
        QTest::mouseClick(get, Qt::LeftButton);
        QCOMPARE(cat->scalar(QStringLiteral("SELECT Genre1 || '|' || ReleaseYear || '|' || onlineID || '|' || web "
                                            "FROM Movies WHERE ID = ?"),
                             {main.movieId()})
                     .toString(),
                 QStringLiteral("Animation|2001|%1|1").arg(r));
        QVERIFY(main.calls.contains(QStringLiteral("ShowMovieData")));
        QCOMPARE(tc->prompts.messages(), QStringList{QStringLiteral("Movie Info for Monsters, Inc. has been downloaded.")});
        QCOMPARE(tc->prompts.titles(), QStringList{QStringLiteral("Download Complete")});

        w->resize(520, 360);
        QTest::mouseClick(child<QPushButton>(w, "cmdClose"), Qt::LeftButton);
        QVERIFY(!tc->ctx().ReadINI(QStringLiteral("frmDownloadResults"), QStringLiteral("lvResults_1")).isEmpty());
        QVERIFY(!tc->ctx().ReadINI(QStringLiteral("frmDownloadResults"), QStringLiteral("Left")).isEmpty());
    }

    void resultsWindowWithStoppedServerLogsAndStaysOpen()
    {
        useServer(CommunityTestServer::stoppedServerConnection());
        FakeMainWindow main(*cat);
        main.setMovie(localMovie(QStringLiteral("Alien"), QStringLiteral("1979"), 0));
        main.setTitle(QStringLiteral("Alien"));
        Community::showDownloadResults(tc->ctx(), *cat, main.edited, main.events, &main.window);
        auto *w = topLevel<frmDownloadResults>("frmDownloadResults");
        QVERIFY(w);
        QCOMPARE(child<QTreeWidget>(w, "lvResults")->topLevelItemCount(), 0);
        QCOMPARE(tc->logLines().size(), 1);
        QVERIFY(tc->logLines().first().contains(QStringLiteral("frmDownloadResults - myDBConn: Could not connect to the community server")));
        QCOMPARE(tc->prompts.titles().size(), 1);
    }

    void uploadWindowUploadsTheTickedMovies()
    {
        useServer(CommunityTestServer::connection(Db));
        const int a = localMovie(QStringLiteral("Alien"), QStringLiteral("1979"), 0);
        localMovie(QStringLiteral("Brazil"), QStringLiteral("1985"), 1);
        localMovie(QStringLiteral("Cube"), QStringLiteral("1997"), 0);
        Community::showUploadMovies(tc->ctx(), *cat, nullptr);
        auto *w = topLevel<frmUploadMovies>("frmUploadMovies");
        QVERIFY(w);
        UploadListModel *model = w->model();
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(!model->isTicked(1));

        child<QCheckBox>(w, "chkShowOnly")->click();
        QCOMPARE(model->rowCount(), 2);
        QVERIFY(model->isTicked(0) && model->isTicked(1));
        model->setData(model->index(1), Qt::Unchecked, Qt::CheckStateRole);

        QTest::mouseClick(child<QPushButton>(w, "cmdUpload"), Qt::LeftButton);
        QCOMPARE(admin->scalar(QStringLiteral("SELECT GROUP_CONCAT(Title) FROM Movies")).toString(), QStringLiteral("Alien"));
        QCOMPARE(cat->scalar(QStringLiteral("SELECT web FROM Movies WHERE ID = ?"), {a}).toInt(), 1);
        QCOMPARE(progress.shown, QStringList{QStringLiteral("Uploading Selected Movies... 0..2")});
        QCOMPARE(progress.updates, (QList<int>{1, 2}));
        QCOMPARE(tc->prompts.messages(),
                 QStringList{QStringLiteral("Movies have been uploaded.\rThank you for supporting the Cinelog community!")});
        QCOMPARE(tc->prompts.titles(), QStringList{QStringLiteral("All Done")});
        // The list is not reloaded by an upload.
        QCOMPARE(model->rowCount(), 2);

        // With nothing left to list, an upload shows no progress and still thanks the user.
        cat->exec(QStringLiteral("UPDATE Movies SET web = 1"));
        child<QCheckBox>(w, "chkShowOnly")->click();
        child<QCheckBox>(w, "chkShowOnly")->click();
        QCOMPARE(model->rowCount(), 0);
        progress = RecordingProgress();
        QTest::mouseClick(child<QPushButton>(w, "cmdUpload"), Qt::LeftButton);
        QVERIFY(progress.shown.isEmpty());
        QCOMPARE(tc->prompts.titles().size(), 2);
    }

    void uploadCurrentMovie_data()
    {
        QTest::addColumn<bool>("serverRunning");
        QTest::newRow("server running") << true;
        QTest::newRow("server stopped") << false;
    }

    void uploadCurrentMovie()
    {
        QFETCH(bool, serverRunning);
        useServer(serverRunning ? CommunityTestServer::connection(Db) : CommunityTestServer::stoppedServerConnection());
        FakeMainWindow main(*cat);
        main.setMovie(localMovie(QStringLiteral("O'Brien's \"Heist\""), QStringLiteral("2003"), 0));
        main.setTitle(QStringLiteral("O'Brien's \"Heist\""));
        Community::mnuUpld_Click(tc->ctx(), *cat, main.edited);
        QCOMPARE(progress.shown, QStringList{QStringLiteral("Uploading O'Brien's \"Heist\"... 0..10")});
        QCOMPARE(progress.updates.last(), 10); // closed in either case
        const int web = cat->scalar(QStringLiteral("SELECT web FROM Movies")).toInt();
        if (serverRunning) {
            QCOMPARE(progress.updates, (QList<int>{2, 3, 6, 8, 10}));
            QCOMPARE(web, 1);
            QCOMPARE(admin->scalar(QStringLiteral("SELECT Title FROM Movies")).toString(), main.title());
            QCOMPARE(tc->prompts.messages(),
                     QStringList{main.title() + QStringLiteral(" has been uploaded!\rThank you for supporting the Cinelog community!")});
            QVERIFY(tc->logLines().isEmpty());
        } else {
            QCOMPARE(web, 0);
            QCOMPARE(tc->logLines().size(), 1);
            QVERIFY(tc->logLines().first().contains(QStringLiteral("frmMain - mnuUpld_Click: Could not connect")));
            QCOMPARE(tc->prompts.titles().size(), 1);
            QVERIFY(tc->prompts.messages().first().endsWith(QStringLiteral("This error has been logged.")));
        }
    }

    void aBusyServerIsToldNotLogged()
    {
        // "tiny2" may hold one connection at a time, and this one holds it.
        CommunityConnection holder(CommunityTestServer::connection(Db, QStringLiteral("tiny2")));
        useServer(CommunityTestServer::connection(Db, QStringLiteral("tiny2")));
        FakeMainWindow main(*cat);
        main.setMovie(localMovie(QStringLiteral("Alien"), QStringLiteral("1979"), 0));
        main.setTitle(QStringLiteral("Alien"));
        Community::mnuUpld_Click(tc->ctx(), *cat, main.edited);
        Community::showUploadMovies(tc->ctx(), *cat, nullptr);
        QTest::mouseClick(child<QPushButton>(topLevel<frmUploadMovies>("frmUploadMovies"), "cmdUpload"), Qt::LeftButton);
        const QString busy = QStringLiteral("The community server is busy, try later.");
        QCOMPARE(tc->prompts.messages(), (QStringList{busy, busy}));
        QCOMPARE(tc->prompts.titles(), QStringList(2, CommunitySettings::notSetUpTitle()));
        QVERIFY(tc->logLines().isEmpty());
        QCOMPARE(progress.updates.last(), 10); // the progress window was closed
        QCOMPARE(cat->scalar(QStringLiteral("SELECT web FROM Movies")).toInt(), 0);
    }

    void uploadWindowGoesOnPastAFailedMovieAndListsIt()
    {
        useServer(CommunityTestServer::connection(Db));
        localMovie(QStringLiteral("Alien"), QStringLiteral("1979"), 0);
        const int broken = localMovie(QStringLiteral("Broken"), QStringLiteral("1980"), 0);
        localMovie(QStringLiteral("Cube"), QStringLiteral("1997"), 0);
        // An actor's name longer than the community holds (the catalogue's check stops at the NUL).
        const int actor = cat->exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"),
                                    {QStringLiteral("x") + QChar(0) + QString(300, QLatin1Char('x'))})
                              .lastInsertId()
                              .toInt();
        cat->exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID) VALUES (?, ?)"), {broken, actor});
        Community::showUploadMovies(tc->ctx(), *cat, nullptr);
        auto *w = topLevel<frmUploadMovies>("frmUploadMovies");
        QVERIFY(w);
        QTest::mouseClick(child<QPushButton>(w, "cmdUpload"), Qt::LeftButton);
        QCOMPARE(admin->scalar(QStringLiteral("SELECT GROUP_CONCAT(Title ORDER BY ID) FROM Movies")).toString(),
                 QStringLiteral("Alien,Cube"));
        QCOMPARE(progress.updates, (QList<int>{1, 2, 3}));
        QCOMPARE(tc->prompts.shown().size(), 1);
        const auto &shown = tc->prompts.shown().first();
        QCOMPARE(shown.title, QStringLiteral("Upload Movies"));
        QCOMPARE(shown.icon, Prompts::Icon::Warning);
        QVERIFY2(shown.text.startsWith(QStringLiteral("2 of 3 movies have been uploaded.\r\rThese could not be uploaded:\r"
                                                      "- Broken: Actor is too long")),
                 qPrintable(shown.text));
        QCOMPARE(tc->logLines().size(), 1);
        QVERIFY(tc->logLines().first().contains(QStringLiteral("frmUploadMovies - cmdUpload_Click: Broken: Actor is too long")));
    }

    void theOptionsCaFileIsUsedAndAWrongOneIsNamed()
    {
        useServer(CommunityTestServer::connectionWithoutCa(Db));
        auto *dlg = new frmOptions(tc->ctx());
        Community::addCommunityOptions(*dlg);
        auto *ca = child<QLineEdit>(dlg, "txtCommunityCAFile");
        QVERIFY(ca->text().isEmpty());
        tc->prompts.answerText(CommunityTestServer::otherCaFile());
        QTest::mouseClick(child<QPushButton>(dlg, "cmdCommunityCAFile"), Qt::LeftButton);
        QCOMPARE(ca->text(), CommunityTestServer::otherCaFile());
        QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
        QCOMPARE(CommunitySettings::caFile(tc->ctx()), CommunityTestServer::otherCaFile());

        FakeMainWindow main(*cat);
        main.setMovie(localMovie(QStringLiteral("Alien"), QStringLiteral("1979"), 0));
        main.setTitle(QStringLiteral("Alien"));
        // A CA that did not sign the server's certificate: refused, and the message says where to look.
        Community::mnuUpld_Click(tc->ctx(), *cat, main.edited);
        QCOMPARE(tc->logLines().size(), 1);
        QVERIFY2(tc->logLines().first().contains(QStringLiteral("its certificate could not be verified against the CA file")),
                 qPrintable(tc->logLines().first()));
        QVERIFY(tc->prompts.messages().first().contains(QStringLiteral("Options (\"Community CA file\")")));
        QCOMPARE(cat->scalar(QStringLiteral("SELECT web FROM Movies")).toInt(), 0);

        // The right one: the same command goes through.
        CommunitySettings::setCaFile(tc->ctx(), CommunityTestServer::caFile());
        tc->prompts.clear();
        Community::mnuUpld_Click(tc->ctx(), *cat, main.edited);
        QCOMPARE(tc->logLines().size(), 1);
        QCOMPARE(cat->scalar(QStringLiteral("SELECT web FROM Movies")).toInt(), 1);
        QCOMPARE(tc->prompts.titles(), QStringList{QStringLiteral("All Done")});
    }

    void optionsDialogEditsTheConnection()
    {
        useServer(QStringLiteral("DRIVER=x;SERVER=old"));
        auto *dlg = new frmOptions(tc->ctx());
        Community::addCommunityOptions(*dlg); // one row
        const auto edits = dlg->findChildren<QLineEdit *>(QStringLiteral("txtCommunityConnection"));
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits.first()->text(), QStringLiteral("DRIVER=x;SERVER=old"));
        edits.first()->setText(QStringLiteral("  DRIVER=y;SERVER=new;PWD=p  "));
        QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
        QCOMPARE(CommunitySettings::connectionString(tc->ctx()), QStringLiteral("DRIVER=y;SERVER=new;PWD=p"));
    }
};

QTEST_MAIN(CommunityWidgetsTest)
#include "CommunityWidgetsTest.moc"
