// "Fill Details for Movies..." in the main window wired as the program wires it: while the search
// window lists movies, those movies are a choice of what to fill. The TMDb plugin talks to a local
// HTTP server on 127.0.0.1 serving replies written here.

#include "MetadataReplies.h"

#include "AppWiring.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueSession.h"
#include "MovieDetailsCommands.h"
#include "MovieListModel.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmMain.h"
#include "frmProgBar.h"
#include "frmSearch.h"
#include "WiredMainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace metadata_test;

class FillFromSearchTest : public QObject
{
    Q_OBJECT
private slots:
    void theSearchWindowsMoviesCanBeFilled();
};

namespace {

struct Server {
    LocalHttpServer server;
};

struct App : Server, WiredMainWindow {
    App()
        : WiredMainWindow([this](AppContext &ctx) {
            ctx.WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbKey"), ApiKey);
            ctx.WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbBaseAddress"), server.baseUrl().toString());
            ctx.WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbImageBaseAddress"), server.url(QStringLiteral("/t/p/")).toString());
            ctx.WriteINI(QStringLiteral("MovieDetails"), QStringLiteral("Country"), QStringLiteral("US"));
            ctx.WriteINI(QStringLiteral("MovieDetails"), QStringLiteral("TimeoutMs"), QStringLiteral("3000"));
        })
    {
        openCatalogueWith({QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy) VALUES (1, 'Brazil', 'Brazil'), (2, 'Heat', 'Heat'), "
                                          "(3, 'Heat Wave', 'Heat Wave'), (4, 'Alien', 'Alien')")});
        w.show();
    }
    ~App() { closeOtherWindows(); }
    QString field(int id, const char *column)
    {
        // sql-identifiers: column names the test chooses
        return catalogue.scalar(QStringLiteral("SELECT %1 FROM Movies WHERE ID = ?").arg(QLatin1String(column)), {id}).toString();
    }
    QStringList searchedTitles() const
    {
        QStringList out;
        for (const LocalHttpServer::Request &r : server.requests())
            if (r.path == QLatin1String("/3/search/movie"))
                out << r.query.queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded);
        return out;
    }
};

} // namespace

void FillFromSearchTest::theSearchWindowsMoviesCanBeFilled()
{
    App a;
    a.server.addRoute(QStringLiteral("/3/search/movie"), {{QStringLiteral("query"), QStringLiteral("Heat")}},
                      json(searchReply({result(949, QStringLiteral("Heat"), QStringLiteral("1995-12-15"))})));
    a.server.addRoute(QStringLiteral("/3/search/movie"), {{QStringLiteral("query"), QStringLiteral("Heat Wave")}},
                      json(searchReply({result(5001, QStringLiteral("Heat Wave"), QStringLiteral("1990-05-01"))})));
    for (const auto &[id, title] : {std::pair{949, "Heat"}, std::pair{5001, "Heat Wave"}})
        a.server.addRoute(QStringLiteral("/3/movie/%1").arg(id),
                          json(detailsReply(id, QLatin1String(title), QStringLiteral("1995-12-15"), 170, {QStringLiteral("Crime")},
                                            QStringLiteral("Michael Mann"), {{QStringLiteral("Al Pacino"), QStringLiteral("Vincent Hanna")}},
                                            {{QStringLiteral("US"), QStringLiteral("R")}}, QStringLiteral("tt0113277"), QString())));
    a.server.setFallback(json(searchReply({})));

    auto *commands = a.w.findChild<MovieDetailsCommands *>(QStringLiteral("MovieDetailsCommands"));
    QVERIFY(commands);
    QStringList dialogs;
    std::function<void(QDialog &)> drive;
    commands->runDialog = [&](QDialog &d) {
        dialogs << d.objectName();
        d.show();
        drive(d);
        return d.result();
    };

    // Without a search window there is no such choice.
    drive = [](QDialog &d) {
        auto *found = d.findChild<QRadioButton *>(QStringLiteral("optFound"));
        QVERIFY(found);
        QVERIFY(!found->isVisible());
        QVERIFY(!found->isEnabled());
        d.reject();
    };
    commands->mnuFillDetails->trigger();
    QCOMPARE(dialogs, QStringList{QStringLiteral("frmFillScope")});
    QVERIFY(a.searchedTitles().isEmpty());

    // The search window finds the two Heats; filling "the movies found by the search" fills those
    // two, in the search window's order, and leaves the others alone.
    a.w.mnuSearch->trigger();
    frmSearch *search = a.w.findChild<frmSearch *>();
    QVERIFY(search);
    search->ckTitle->setChecked(true);
    search->txtTitle->setText(QStringLiteral("Heat"));
    search->cmdSearch_Click();
    QCOMPARE(search->foundMovieIds().size(), 2);

    dialogs.clear();
    drive = [](QDialog &d) {
        QCOMPARE(d.objectName(), QStringLiteral("frmFillScope"));
        auto *found = d.findChild<QRadioButton *>(QStringLiteral("optFound"));
        QVERIFY(found && found->isVisible() && found->isEnabled());
        QVERIFY(found->text().contains(QLatin1String("(2)")));
        QVERIFY(!found->accessibleName().isEmpty());
        // A picture of the choice to $CINELOG_SCREENSHOTS when that is set, for looking at it.
        if (const QString folder = qEnvironmentVariable("CINELOG_SCREENSHOTS"); !folder.isEmpty())
            d.grab().save(QDir(folder).filePath(QStringLiteral("frmFillScopeWithSearch.png")));
        // Every movie's details are empty: four in that choice.
        QVERIFY(d.findChild<QRadioButton *>(QStringLiteral("optEmpty"))->text().contains(QLatin1String("(4)")));
        found->click();
        d.accept();
    };
    a.t.prompts.clear();
    commands->mnuFillDetails->trigger();
    QCOMPARE(dialogs, QStringList{QStringLiteral("frmFillScope")});
    QCOMPARE(a.searchedTitles(), (QStringList{QStringLiteral("Heat"), QStringLiteral("Heat Wave")}));
    QCOMPARE(a.field(2, "TmdbID"), QStringLiteral("949"));
    QCOMPARE(a.field(2, "Director"), QStringLiteral("Mann, Michael"));
    QCOMPARE(a.field(3, "TmdbID"), QStringLiteral("5001"));
    for (int untouched : {1, 4}) {
        QVERIFY(a.field(untouched, "TmdbID").isEmpty());
        QVERIFY(a.field(untouched, "Director").isEmpty());
    }
    QCOMPARE(a.t.prompts.messages(), QStringList{QStringLiteral("Filled: 2\nNeeds your choice: 0\nNot found: 0")});

    // Once the search window is closed, the choice is gone again.
    search->close();
    QTRY_VERIFY(!a.w.findChild<frmSearch *>() || !a.w.findChild<frmSearch *>()->isVisible());
    dialogs.clear();
    drive = [](QDialog &d) {
        QVERIFY(!d.findChild<QRadioButton *>(QStringLiteral("optFound"))->isVisible());
        d.reject();
    };
    commands->mnuFillDetails->trigger();
    QCOMPARE(dialogs, QStringList{QStringLiteral("frmFillScope")});
}

QTEST_MAIN(FillFromSearchTest)
#include "FillFromSearchTest.moc"
