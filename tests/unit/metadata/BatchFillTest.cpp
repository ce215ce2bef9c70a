// Many movies filled at once: unambiguous matches taken, the rest kept for the user, each movie its
// own transaction.

#include "MetadataTestSupport.h"

#include "BatchFill.h"
#include "CatalogueHistory.h"
#include "TestContext.h"

#include <QUndoStack>

using namespace metadata_test;
using MovieInfo::Status;
using Reply = LocalHttpServer::Reply;

namespace {

QJsonObject details(int id, const QString &title, const QString &date)
{
    return detailsReply(id, title, date, 100, {QStringLiteral("Drama")}, QStringLiteral("Ann Berg"),
                        {{QStringLiteral("Keanu Reeves"), QStringLiteral("Himself")}}, {{QStringLiteral("US"), QStringLiteral("PG")}},
                        {}, QString());
}

} // namespace

using BatchFillTest = MetadataTest;

TEST_F(BatchFillTest, UnambiguousAmbiguousAndNotFoundAreToldApartAndASecondRunSkipsTheFilled)
{
    const int alien = addMovie(QStringLiteral("Alien"), QStringLiteral("1979"));
    const int heat = addMovie(QStringLiteral("Heat"));
    const int nothing = addMovie(QStringLiteral("No Such Film"));
    const int solaris = addMovie(QStringLiteral("Solaris"));
    // Several results, exactly one with the same title and year: taken.
    serveSearch(QStringLiteral("Alien"), {result(348, QStringLiteral("Alien"), QStringLiteral("1979-05-25")),
                                          result(8077, QStringLiteral("Alien 3"), QStringLiteral("1992-05-22")),
                                          result(999, QStringLiteral("Alien"), QStringLiteral("2003-01-01"))});
    // Two with the same title and no year known: the user chooses.
    serveSearch(QStringLiteral("Heat"), {result(949, QStringLiteral("Heat"), QStringLiteral("1995-12-15")),
                                         result(1000, QStringLiteral("Heat"), QStringLiteral("1986-03-14"))});
    serveSearch(QStringLiteral("No Such Film"), {});
    // One result, even under another title: taken.
    serveSearch(QStringLiteral("Solaris"), {result(593, QStringLiteral("Solyaris"), QStringLiteral("1972-03-20"))});
    serveDetails(348, details(348, QStringLiteral("Alien"), QStringLiteral("1979-05-25")));
    serveDetails(593, details(593, QStringLiteral("Solyaris"), QStringLiteral("1972-03-20")));

    BatchFill batch(cat, *source, settings);
    ProgressRecorder progress;
    const BatchFill::Result r = batch.run({alien, heat, nothing, solaris}, progress);
    EXPECT_FALSE(r.stopped());
    EXPECT_EQ(r.filled, 2);
    ASSERT_EQ(r.needsChoice.size(), 1);
    EXPECT_EQ(r.needsChoice[0].movie.id, heat);
    EXPECT_EQ(r.needsChoice[0].results.size(), 2);
    ASSERT_EQ(r.notFound.size(), 1);
    EXPECT_EQ(r.notFound[0].id, nothing);
    EXPECT_EQ(field(alien, QStringLiteral("TmdbID")), QStringLiteral("348"));
    EXPECT_EQ(field(alien, QStringLiteral("Director")), QStringLiteral("Berg, Ann"));
    EXPECT_EQ(field(solaris, QStringLiteral("TmdbID")), QStringLiteral("593"));
    // The title the user typed stays.
    EXPECT_EQ(field(solaris, QStringLiteral("Title")), QStringLiteral("Solaris"));
    EXPECT_EQ(field(heat, QStringLiteral("Director")), QString());
    // One actor for both movies.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Actors")), 1);
    ASSERT_FALSE(progress.shown.isEmpty());
    EXPECT_EQ(progress.shown.last().maximum, 4);
    EXPECT_EQ(progress.updates.last(), 4);

    // The user resolves the ambiguous one with the same fill.
    serveDetails(949, details(949, QStringLiteral("Heat"), QStringLiteral("1995-12-15")));
    EXPECT_EQ(batch.fillWith(heat, QStringLiteral("949")), Status::Ok);
    EXPECT_EQ(field(heat, QStringLiteral("ReleaseYear")), QStringLiteral("1995"));

    // A second run goes to the service only for what is still unmatched.
    const int before = int(server.requests().size());
    const BatchFill::Result again = batch.run({alien, heat, nothing, solaris}, progress);
    EXPECT_EQ(again.skipped, 3);
    EXPECT_EQ(again.filled, 0);
    EXPECT_EQ(again.notFound.size(), 1);
    EXPECT_EQ(server.requests().size() - before, 1);
    // ... and the movies whose details are empty no longer include them.
    EXPECT_EQ(BatchFill::moviesWithEmptyDetails(cat), QList<int>{nothing});
}

TEST_F(BatchFillTest, AFailureInTheMiddleKeepsEarlierMoviesFilledAndTheCurrentOneUntouched)
{
    const int first = addMovie(QStringLiteral("Alien"));
    const int second = addMovie(QStringLiteral("Heat"));
    const int third = addMovie(QStringLiteral("Solaris"));
    serveSearch(QStringLiteral("Alien"), {result(348, QStringLiteral("Alien"), QStringLiteral("1979-05-25"), QStringLiteral("/alien.jpg"))});
    serveSearch(QStringLiteral("Heat"), {result(949, QStringLiteral("Heat"), QStringLiteral("1995-12-15"), QStringLiteral("/heat.jpg"))});
    serveSearch(QStringLiteral("Solaris"), {result(593, QStringLiteral("Solaris"), QStringLiteral("1972-03-20"))});
    QJsonObject alien = details(348, QStringLiteral("Alien"), QStringLiteral("1979-05-25"));
    alien[QStringLiteral("poster_path")] = QStringLiteral("/alien.jpg");
    QJsonObject heat = details(949, QStringLiteral("Heat"), QStringLiteral("1995-12-15"));
    heat[QStringLiteral("poster_path")] = QStringLiteral("/heat.jpg");
    serveDetails(348, alien);
    serveDetails(949, heat);
    serveDetails(593, details(593, QStringLiteral("Solaris"), QStringLiteral("1972-03-20")));
    servePoster(QStringLiteral("w780"), QStringLiteral("alien.jpg"), pngBytes());
    // The second movie's details arrive, its poster does not: the image server fails.
    server.addRoute(QStringLiteral("/t/p/w780/heat.jpg"), Reply::text("down", 503));

    BatchFill batch(cat, *source, settings);
    ProgressRecorder progress;
    const BatchFill::Result r = batch.run({first, second, third}, progress);
    EXPECT_TRUE(r.stopped());
    EXPECT_EQ(r.failure.status, Status::ServiceError);
    EXPECT_EQ(r.failedMovieId, second);
    EXPECT_EQ(r.filled, 1);
    EXPECT_EQ(field(first, QStringLiteral("TmdbID")), QStringLiteral("348"));
    EXPECT_TRUE(MovieDetails::readMovie(cat, first).hasCover);
    // Nothing of the second movie was written, not even its genre or cast.
    const MovieDetails::Current untouched = MovieDetails::readMovie(cat, second);
    EXPECT_TRUE(untouched.sourceId.isEmpty());
    EXPECT_TRUE(untouched.director.isEmpty());
    EXPECT_TRUE(untouched.genre1.isEmpty());
    EXPECT_EQ(untouched.castSize, 0);
    EXPECT_TRUE(MovieDetails::readMovie(cat, third).sourceId.isEmpty());
    // The progress display is closed all the same.
    EXPECT_EQ(progress.updates.last(), 3);
}

TEST_F(BatchFillTest, CancelStopsBetweenMoviesAndKeepsWhatIsDone)
{
    const int first = addMovie(QStringLiteral("Alien"));
    const int second = addMovie(QStringLiteral("Heat"));
    serveSearch(QStringLiteral("Alien"), {result(348, QStringLiteral("Alien"), QStringLiteral("1979-05-25"))});
    serveDetails(348, details(348, QStringLiteral("Alien"), QStringLiteral("1979-05-25")));
    BatchFill batch(cat, *source, settings);
    ProgressRecorder progress;
    int asked = 0;
    const BatchFill::Result r = batch.run({first, second}, progress, [&asked] { return ++asked > 1; });
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.filled, 1);
    EXPECT_EQ(field(first, QStringLiteral("TmdbID")), QStringLiteral("348"));
    EXPECT_TRUE(MovieDetails::readMovie(cat, second).sourceId.isEmpty());
}

TEST(UnambiguousMatch, Table)
{
    auto r = [](const char *title, const char *year, const char *original = nullptr) {
        MovieInfo::SearchResult s;
        s.title = QString::fromUtf8(title);
        s.originalTitle = original ? QString::fromUtf8(original) : s.title;
        s.year = QString::fromLatin1(year);
        return s;
    };
    struct Case
    {
        const char *name;
        QList<MovieInfo::SearchResult> results;
        QString title, year;
        int expected;
    };
    const QList<Case> cases = {
        {"none", {}, QStringLiteral("Alien"), {}, -1},
        {"only_one", {r("Something Else", "2000")}, QStringLiteral("Alien"), QStringLiteral("1979"), 0},
        {"one_title_matches_case_blind", {r("ALIEN", "1979"), r("Aliens", "1986")}, QStringLiteral("alien"), {}, 0},
        {"two_titles_match_no_year", {r("Heat", "1995"), r("Heat", "1986")}, QStringLiteral("Heat"), {}, -1},
        {"year_decides", {r("Heat", "1995"), r("Heat", "1986")}, QStringLiteral("Heat"), QStringLiteral("1986"), 1},
        {"year_matches_none", {r("Heat", "1995"), r("Heat", "1986")}, QStringLiteral("Heat"), QStringLiteral("2020"), -1},
        {"original_title", {r("Die fabelhafte Welt der Amélie", "2001", "Le Fabuleux Destin d'Amélie Poulain"), r("Amélie", "2010")},
         QStringLiteral("le fabuleux destin d'amélie poulain"), {}, 0},
        {"non_ascii_case", {r("ÉTÉ", "2001"), r("Été 85", "2020")}, QStringLiteral("été"), {}, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MovieDetails::unambiguousMatch(c.results, c.title, c.year), c.expected) << c.name;
}

// However long the service takes between two movies, a batch is one step of the undo history, and
// the fill of one movie chosen afterwards is one more.
TEST_F(BatchFillTest, ABatchIsOneUndoStepAndAFillChosenLaterAnother)
{
    const int alien = addMovie(QStringLiteral("Alien"), QStringLiteral("1979"));
    const int solaris = addMovie(QStringLiteral("Solaris"));
    const int heat = addMovie(QStringLiteral("Heat"));
    serveSearch(QStringLiteral("Alien"), {result(348, QStringLiteral("Alien"), QStringLiteral("1979-05-25"))});
    serveSearch(QStringLiteral("Solaris"), {result(593, QStringLiteral("Solyaris"), QStringLiteral("1972-03-20"))});
    serveSearch(QStringLiteral("Heat"), {result(949, QStringLiteral("Heat"), QStringLiteral("1995-12-15")),
                                         result(1000, QStringLiteral("Heat"), QStringLiteral("1986-03-14"))});
    serveDetails(348, details(348, QStringLiteral("Alien"), QStringLiteral("1979-05-25")));
    serveDetails(593, details(593, QStringLiteral("Solyaris"), QStringLiteral("1972-03-20")));
    serveDetails(949, details(949, QStringLiteral("Heat"), QStringLiteral("1995-12-15")));

    // No idle check: a step closes as soon as the event loop runs outside a transaction, as it does
    // while the service is waited for.
    CatalogueHistory history(cat, nullptr);
    BatchFill batch(cat, *source, settings);
    ProgressRecorder progress;
    ASSERT_EQ(batch.run({alien, solaris, heat}, progress).filled, 2);
    history.closeStep();
    EXPECT_EQ(history.stack().count(), 1);
    EXPECT_EQ(history.undoText(), QStringLiteral("Change 2 Movies"));
    ASSERT_EQ(batch.fillWith(heat, QStringLiteral("949")), Status::Ok);
    history.closeStep();
    EXPECT_EQ(history.stack().count(), 2);
    EXPECT_EQ(history.undoText(), QStringLiteral("Change 'Heat'"));

    history.undo();
    EXPECT_EQ(field(heat, QStringLiteral("TmdbID")), QString());
    EXPECT_EQ(field(alien, QStringLiteral("TmdbID")), QStringLiteral("348"));
    history.undo();
    for (int id : {alien, solaris})
        EXPECT_EQ(field(id, QStringLiteral("Director")), QString()) << id;
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Actors")), 0);
}
