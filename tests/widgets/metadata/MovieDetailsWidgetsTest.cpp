// The movie-details windows driven as a user does, with the TMDb plugin, a real catalogue file and a
// real HTTP server on 127.0.0.1 serving replies these tests write.

#include "MetadataReplies.h"
#include "MovieDetails.h"

#include "Catalogue.h"
#include "MovieDetailsCommands.h"
#include "MovieListModel.h"
#include "MovieStore.h"
#include "CatalogueEvents.h"
#include "EditedMovie.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmMovieFill.h"
#include "frmMovieResults.h"
#include "frmResolveMovies.h"
#include "MovieDetailsOptions.h"
#include "frmOptions.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QListView>
#include <QStandardItemModel>
#include <QTreeWidget>
#include <QtTest>

using namespace metadata_test;
using MovieDetails::Field;

namespace {

// Saves a picture of each window to $CINELOG_SCREENSHOTS when that is set, for looking at them.
void look(QWidget &w)
{
    const QString folder = qEnvironmentVariable("CINELOG_SCREENSHOTS");
    if (!folder.isEmpty())
        w.grab().save(QDir(folder).filePath(w.objectName() + QStringLiteral(".png")));
}

QJsonObject heatDetails(int id, const QString &date)
{
    return detailsReply(id, QStringLiteral("Heat"), date, 170, {QStringLiteral("Crime"), QStringLiteral("Drama")},
                        QStringLiteral("Michael Mann"),
                        {{QStringLiteral("Al Pacino"), QStringLiteral("Vincent Hanna")},
                         {QStringLiteral("Robert De Niro"), QStringLiteral("Neil McCauley")}},
                        {{QStringLiteral("US"), QStringLiteral("R")}}, QStringLiteral("tt0113277"), QStringLiteral("/heat.jpg"));
}

} // namespace

class MovieDetailsWidgetsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WidgetTestContext> t;
    std::unique_ptr<Catalogue> cat;
    std::unique_ptr<LocalHttpServer> server;
    std::unique_ptr<EditedMovie> edited;
    std::unique_ptr<CatalogueEvents> events;
    QStringList calls; // what the commands asked of the editor and announced, in order
    std::unique_ptr<QWidget> mainWidget;
    std::unique_ptr<MovieDetailsCommands> commands;
    QStringList dialogs; // object names of the dialogs run, in order
    std::function<void(QDialog &)> drive;

    void serve()
    {
        server->addRoute(QStringLiteral("/3/search/movie"), {{QStringLiteral("query"), QStringLiteral("Heat")}},
                         json(searchReply({result(949, QStringLiteral("Heat"), QStringLiteral("1995-12-15"), QStringLiteral("/heat.jpg")),
                                           result(1000, QStringLiteral("Heat"), QStringLiteral("1986-03-14"))})));
        server->addRoute(QStringLiteral("/3/movie/949"), json(heatDetails(949, QStringLiteral("1995-12-15"))));
        server->addRoute(QStringLiteral("/3/movie/1000"), json(heatDetails(1000, QStringLiteral("1986-03-14"))));
        server->addRoute(QStringLiteral("/t/p/w780/heat.jpg"), LocalHttpServer::Reply::text(pngBytes(Qt::blue), 200, "image/png"));
        server->addRoute(QStringLiteral("/t/p/w92/heat.jpg"), LocalHttpServer::Reply::text(pngBytes(Qt::green), 200, "image/png"));
    }

    int addMovie(const QString &title, const QString &director = {})
    {
        MovieRecord r;
        r.title = title;
        r.director = director;
        r.url = QStringLiteral("http://");
        return MovieStore(*cat).save(r);
    }

    QString field(int id, const char *column)
    {
        // sql-identifiers: column names the tests choose
        return cat->scalar(QStringLiteral("SELECT %1 FROM Movies WHERE ID = ?").arg(QLatin1String(column)), {id}).toString();
    }

private slots:
    void init()
    {
        t = std::make_unique<WidgetTestContext>();
        cat = std::make_unique<Catalogue>();
        const QString path = t->path(QStringLiteral("movies.cnlg"));
        QVERIFY(createCatalogue(path));
        QVERIFY(cat->open(path).opened());
        server = std::make_unique<LocalHttpServer>();
        QVERIFY(server->isListening());
        AppContext &ctx = t->ctx();
        ctx.WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbKey"), ApiKey);
        ctx.WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbBaseAddress"), server->baseUrl().toString());
        ctx.WriteINI(QStringLiteral("CoverSearch"), QStringLiteral("TMDbImageBaseAddress"), server->url(QStringLiteral("/t/p/")).toString());
        ctx.WriteINI(QStringLiteral("MovieDetails"), QStringLiteral("Country"), QStringLiteral("US"));
        ctx.WriteINI(QStringLiteral("MovieDetails"), QStringLiteral("TimeoutMs"), QStringLiteral("3000"));
        mainWidget = std::make_unique<QWidget>();
        mainWidget->show();
        edited = std::make_unique<EditedMovie>();
        events = std::make_unique<CatalogueEvents>();
        calls.clear();
        connect(edited.get(), &EditedMovie::saveOfferRequested, this, [this] { calls << QStringLiteral("offerToSave"); });
        connect(edited.get(), &EditedMovie::showRequested, this, [this](int id) { calls << QStringLiteral("show %1").arg(id); });
        connect(events.get(), &CatalogueEvents::moviesChanged, this, [this] { calls << QStringLiteral("moviesChanged"); });
        connect(events.get(), &CatalogueEvents::namesChanged, this, [this](CatalogueEvents::Names names) {
            if (names & CatalogueEvents::Actors)
                calls << QStringLiteral("actorsChanged");
        });
        commands = std::make_unique<MovieDetailsCommands>(ctx, *cat, *edited, *events,
                                                          QStringList{qEnvironmentVariable("CINELOG_PLUGIN_DIR")}, mainWidget.get());
        dialogs.clear();
        commands->runDialog = [this](QDialog &d) {
            dialogs << d.objectName();
            d.show();
            d.activateWindow();
            if (!QTest::qWaitForWindowActive(&d))
                qWarning("the dialog %s did not become active", qPrintable(d.objectName()));
            drive(d);
            return d.result();
        };
        serve();
    }

    void cleanup()
    {
        commands.reset();
        mainWidget.reset();
        edited.reset();
        events.reset();
        server.reset();
        cat.reset();
        t.reset();
    }

    // Type, Enter, arrows, Enter: the movie is saved with everything filled.
    void newMovieFromTmdbIsKeyboardOnly()
    {
        QCOMPARE(commands->mnuNewMovieFromTmdb->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+M")));
        drive = [](QDialog &d) {
            auto *results = qobject_cast<frmMovieResults *>(&d);
            QVERIFY(results);
            QCOMPARE(results->focusWidget(), static_cast<QWidget *>(results->txtSearchTitle));
            QTest::keyClicks(results->txtSearchTitle, QStringLiteral("Heat"));
            QTest::keyClick(results->txtSearchTitle, Qt::Key_Return);
            QCOMPARE(results->lvResults->topLevelItemCount(), 2);
            QCOMPARE(results->focusWidget(), static_cast<QWidget *>(results->lvResults));
            QVERIFY(!results->lvResults->topLevelItem(0)->toolTip(0).isEmpty()); // the overview
            QTRY_VERIFY(!results->lvResults->topLevelItem(0)->icon(0).isNull()); // the thumbnail
            look(d);
            QTest::keyClick(results->lvResults, Qt::Key_Down);
            QTest::keyClick(results->lvResults, Qt::Key_Return);
        };
        commands->mnuNewMovieFromTmdb->trigger();
        QCOMPARE(dialogs, QStringList{QStringLiteral("frmMovieResults")});
        QCOMPARE(cat->scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt(), 1);
        const int id = cat->scalar(QStringLiteral("SELECT ID FROM Movies")).toInt();
        QCOMPARE(field(id, "Title"), QStringLiteral("Heat"));
        QCOMPARE(field(id, "ReleaseYear"), QStringLiteral("1986")); // the second result
        QCOMPARE(field(id, "Director"), QStringLiteral("Mann, Michael"));
        QCOMPARE(field(id, "TmdbID"), QStringLiteral("1000"));
        QCOMPARE(MovieStore(*cat).cast(id).size(), 2);
        QVERIFY(calls.contains(QStringLiteral("show %1").arg(id)));
        QVERIFY(calls.contains(QStringLiteral("moviesChanged")));
        QVERIFY(calls.contains(QStringLiteral("actorsChanged")));
        QVERIFY(t->prompts.shown().isEmpty());
    }

    // The editor's movie: results searched with its title, then the field-by-field choice.
    void getMovieDetailsShowsEachFieldAndKeepsWhatWasTyped()
    {
        const int id = addMovie(QStringLiteral("Heat"), QStringLiteral("My Director"));
        edited->setId(id);
        edited->setTitle(QStringLiteral("Heat"));
        drive = [](QDialog &d) {
            if (auto *results = qobject_cast<frmMovieResults *>(&d)) {
                QCOMPARE(results->txtSearchTitle->text(), QStringLiteral("Heat"));
                QCOMPARE(results->lvResults->topLevelItemCount(), 2);
                QTest::keyClick(results->lvResults, Qt::Key_Return);
                return;
            }
            auto *fill = qobject_cast<frmMovieFill *>(&d);
            QVERIFY(fill);
            look(d);
            QMap<Field, QTreeWidgetItem *> rows;
            for (int i = 0; i < fill->lvFields->topLevelItemCount(); ++i)
                rows[Field(fill->lvFields->topLevelItem(i)->data(0, Qt::UserRole).toInt())] = fill->lvFields->topLevelItem(i);
            QVERIFY(rows.contains(Field::Director));
            QCOMPARE(rows[Field::Director]->text(1), QStringLiteral("My Director"));
            QCOMPARE(rows[Field::Director]->text(2), QStringLiteral("Mann, Michael"));
            QCOMPARE(rows[Field::Director]->checkState(0), Qt::Unchecked);
            QCOMPARE(rows[Field::Title]->checkState(0), Qt::Unchecked);
            QCOMPARE(rows[Field::ReleaseYear]->checkState(0), Qt::Checked);
            QCOMPARE(rows[Field::Cover]->checkState(0), Qt::Checked);
            // The user leaves the cover out with the keyboard: to its row, Space.
            fill->lvFields->setCurrentItem(rows[Field::Cover]);
            QTest::keyClick(fill->lvFields, Qt::Key_Space);
            QCOMPARE(rows[Field::Cover]->checkState(0), Qt::Unchecked);
            QTest::keyClick(fill->lvFields, Qt::Key_Return);
        };
        commands->mnuGetMovieDetails->trigger();
        QCOMPARE(dialogs, (QStringList{QStringLiteral("frmMovieResults"), QStringLiteral("frmMovieFill")}));
        QCOMPARE(field(id, "Director"), QStringLiteral("My Director"));
        QCOMPARE(field(id, "ReleaseYear"), QStringLiteral("1995"));
        QCOMPARE(field(id, "Rating"), QStringLiteral("R"));
        QVERIFY(!MovieDetails::readMovie(*cat, id).hasCover);
        QCOMPARE(calls.count(QStringLiteral("offerToSave")), 1);

        // Filled once, the movie goes straight to its TMDb record the next time.
        auto searchCount = [this] {
            const QList<LocalHttpServer::Request> requests = server->requests();
            return std::count_if(requests.begin(), requests.end(), [](const auto &r) { return r.path == QLatin1String("/3/search/movie"); });
        };
        const auto searches = searchCount();
        dialogs.clear();
        drive = [](QDialog &d) { QVERIFY(qobject_cast<frmMovieFill *>(&d)); d.reject(); };
        commands->mnuGetMovieDetails->trigger();
        QCOMPARE(dialogs, QStringList{QStringLiteral("frmMovieFill")});
        QCOMPARE(searchCount(), searches);
    }

    // Many movies: the ambiguous one is resolved in the same result window; the totals are told.
    void fillDetailsForMoviesResolvesTheAmbiguousOnes()
    {
        const int heat = addMovie(QStringLiteral("Heat"));
        const int gone = addMovie(QStringLiteral("Nowhere To Be Found"));
        server->addRoute(QStringLiteral("/3/search/movie"), json(searchReply({})));
        // The main list shows the two movies.
        QStandardItemModel rows;
        for (int id : {heat, gone}) {
            auto *item = new QStandardItem;
            item->setData(id, MovieListModel::MovieIdRole);
            rows.appendRow(item);
        }
        QListView list;
        list.setModel(&rows);
        commands->setMovieList(&list);
        drive = [](QDialog &d) {
            if (d.objectName() == QLatin1String("frmFillScope")) {
                look(d);
                auto *empty = d.findChild<QRadioButton *>(QStringLiteral("optEmpty"));
                QVERIFY(empty && empty->isChecked());
                QVERIFY(empty->text().contains(QLatin1String("(2)")));
                QVERIFY(!d.findChild<QRadioButton *>(QStringLiteral("optSelected"))->isEnabled());
                d.accept();
            } else if (auto *resolve = qobject_cast<frmResolveMovies *>(&d)) {
                look(d);
                QCOMPARE(resolve->remaining(), 1);
                QTest::keyClick(resolve->lvPending, Qt::Key_Return);
            } else if (auto *results = qobject_cast<frmMovieResults *>(&d)) {
                QCOMPARE(results->lvResults->topLevelItemCount(), 2); // the batch's results, not searched again
                QTest::keyClick(results->lvResults, Qt::Key_Return);
            } else {
                QFAIL(qPrintable(QStringLiteral("unexpected dialog ") + d.objectName()));
            }
        };
        commands->mnuFillDetails->trigger();
        QCOMPARE(dialogs, (QStringList{QStringLiteral("frmFillScope"), QStringLiteral("frmResolveMovies"), QStringLiteral("frmMovieResults")}));
        QCOMPARE(field(heat, "TmdbID"), QStringLiteral("949"));
        QCOMPARE(field(heat, "Director"), QStringLiteral("Mann, Michael"));
        QVERIFY(field(gone, "TmdbID").isEmpty());
        QCOMPARE(t->prompts.messages(), QStringList{QStringLiteral("Filled: 1\nNeeds your choice: 0\nNot found: 1")});
    }

    void aRefusedKeySaysWhatToDo()
    {
        server->clearRoutes();
        server->setFallback(json(QJsonObject{{QStringLiteral("status_code"), 7},
                                             {QStringLiteral("status_message"), QStringLiteral("Invalid API key: You must be granted a valid key.")},
                                             {QStringLiteral("success"), false}},
                                 401));
        const int id = addMovie(QStringLiteral("Heat"));
        edited->setId(id);
        drive = [](QDialog &) { QFAIL("no window after a refused key"); };
        commands->mnuGetMovieDetails->trigger();
        QCOMPARE(t->prompts.messages().size(), 1);
        QVERIFY(t->prompts.messages().first().contains(QLatin1String("refused the API key")));
        QVERIFY(t->prompts.messages().first().contains(QLatin1String("Options")));
        QVERIFY(!t->prompts.messages().first().contains(ApiKey));
    }

    void optionsRowsReadAndWriteTheSettings()
    {
        frmOptions dlg(t->ctx());
        addMovieDetailsOptions(dlg);
        auto *cast = child<QSpinBox>(&dlg, "spnDetailsCastCount");
        QCOMPARE(cast->value(), 10);
        QCOMPARE(child<QLineEdit>(&dlg, "txtDetailsCountry")->text(), QStringLiteral("US"));
        auto *poster = child<QComboBox>(&dlg, "cboDetailsPosterSize");
        QCOMPARE(poster->currentData().toString(), QStringLiteral("w780"));
        dlg.show();
        dlg.resize(dlg.sizeHint());
        look(dlg);
        cast->setValue(3);
        child<QLineEdit>(&dlg, "txtDetailsCountry")->setText(QStringLiteral("de"));
        poster->setCurrentIndex(poster->findData(QStringLiteral("w342")));
        auto *names = child<QComboBox>(&dlg, "cboDetailsNameForm");
        names->setCurrentIndex(names->findData(int(MovieDetailsSettings::NameForm::AsGiven)));
        // The test's 3000 ms show as 3 seconds; a new wait is kept in whole seconds.
        auto *timeout = child<QSpinBox>(&dlg, "spnDetailsTimeout");
        QCOMPARE(timeout->value(), 3);
        timeout->setValue(45);
        dlg.cmdOK_Click();
        const MovieDetailsSettings s = MovieDetailsSettings::read(t->ctx());
        QCOMPARE(s.castCount, 3);
        QCOMPARE(s.country, QStringLiteral("DE"));
        QCOMPARE(s.posterSize, QStringLiteral("w342"));
        QCOMPARE(s.nameForm, MovieDetailsSettings::NameForm::AsGiven);
        QCOMPARE(s.timeoutMs, 45000);
        QCOMPARE(t->ctx().ReadINI(QStringLiteral("MovieDetails"), QStringLiteral("TimeoutSeconds")), QStringLiteral("45"));

        // Saved again unchanged, the wait stays as it is.
        frmOptions again(t->ctx());
        addMovieDetailsOptions(again);
        QCOMPARE(child<QSpinBox>(&again, "spnDetailsTimeout")->value(), 45);
        again.cmdOK_Click();
        QCOMPARE(MovieDetailsSettings::read(t->ctx()).timeoutMs, 45000);
    }
};

QTEST_MAIN(MovieDetailsWidgetsTest)
#include "MovieDetailsWidgetsTest.moc"
