#include "Catalogue.h"
#include "CoverPictures.h"
#include "PagedMovies.h"
#include "TestCatalogue.h"
#include "GTestSupport.h"
#include "ReportPainter.h"
#include "ReportTestSupport.h"
#include "Reports.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <functional>
#include <sqlite3.h>

using namespace report;

namespace {

class RecordingProgress : public ProgressSink
{
public:
    void ShowProgress(const QString &message, int minimum, int maximum) override
    {
        calls << QStringLiteral("show %1 %2..%3").arg(message).arg(minimum).arg(maximum);
        max = maximum;
        open = true;
    }
    void UpdateProgress(qint64 value) override
    {
        if (onUpdate)
            onUpdate(value);
        last = value;
        if (value == max)
            open = false;
    }
    QStringList calls;
    qint64 max = 0, last = -1;
    bool open = false;
    std::function<void(qint64)> onUpdate;
};

struct Movie {
    QString title;
    QVariant orderBy;
    QVariant userRating = 0;
    QString genre1 = {}, genre2 = {}, genre3 = {};
};

class ReportsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }

    void SetUp() override
    {
        tc.ctx().setProgress(&progress);
        QString path = tc.path(QStringLiteral("Home.cnlg"));
        ASSERT_TRUE(createCatalogue(path)) << tc.prompts.messages().join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(cat.open(path).opened());
        progress.calls.clear();
    }
    void TearDown() override
    {
        progress.onUpdate = nullptr;
        tc.ctx().setProgress(nullptr);
    }

    int addMovie(const Movie &m)
    {
        cat.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, UserRating, Director, Rating, Medium, Format, "
                                "ReleaseYear, RunningTime, NumDiscs, Genre1, Genre2, Genre3) "
                                "VALUES (?, ?, ?, 'Ridley Scott', 'R', 'DVD', 'Wide', '1979', '117', '1', ?, ?, ?)"),
                 {m.title, m.orderBy.isValid() ? m.orderBy : QVariant(m.title), m.userRating, NullIfEmpty(m.genre1),
                  NullIfEmpty(m.genre2), NullIfEmpty(m.genre3)});
        return cat.scalar(QStringLiteral("SELECT max(ID) FROM Movies")).toInt();
    }
    int addActor(const QString &name)
    {
        cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {name});
        return cat.scalar(QStringLiteral("SELECT max(ID) FROM Actors")).toInt();
    }
    void link(int movie, int actor)
    {
        cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID) VALUES (?, ?)"), {movie, actor});
    }
    void setCover(int movie)
    {
        QImage img(300, 400, QImage::Format_RGB32);
        img.fill(Qt::darkBlue);
        QByteArray bytes;
        QBuffer b(&bytes);
        b.open(QIODevice::WriteOnly);
        img.save(&b, "PNG");
        CoverPictures(cat, tc.ctx()).savePictureBytes(movie, bytes);
    }

    // Movies of the shapes the sort order and the layout have to cope with: no sort key, the same
    // title more than once, titles long enough to wrap, some with a cover, all with some cast.
    void addAssortedMovies(int count)
    {
        const int ann = addActor(QStringLiteral("Ann Actor"));
        const int bob = addActor(QStringLiteral("Bob Actor"));
        for (int i = 1; i <= count; ++i) {
            QString title = QStringLiteral("Movie %1").arg(i);
            if (i % 9 == 0)
                title = QStringLiteral("Same Title");
            else if (i % 13 == 0)
                title = QStringLiteral("A Title Long Enough To Need A Second Line In The Report, Number %1, "
                                       "Which Goes On And On And On Past The Cover").arg(i);
            const QVariant orderBy = i % 10 == 0 ? QVariant(QMetaType::fromType<QString>()) : QVariant(title);
            const int id = addMovie({title, orderBy, i % 8, QStringLiteral("Drama")});
            if (i % 4 == 0)
                setCover(id);
            link(id, ann);
            if (i % 3 == 0)
                link(id, bob);
        }
    }

    // The page items of the movie block whose title is title.
    static QHash<QString, QString> block(const ReportDocument &doc, const QString &title)
    {
        QHash<QString, QString> out;
        bool inBlock = false;
        for (const auto &[page, item] : allItems(doc)) {
            if (item->control == QLatin1String("fldMovieTitle"))
                inBlock = item->text == title;
            if (inBlock && item->section != QLatin1String("PageFooter") && item->section != QLatin1String("PageHeader"))
                out.insert(item->control, item->kind == PlacedItem::Kind::Image ? QStringLiteral("<picture>") : item->text);
            if (inBlock && item->control == QLatin1String("Line2"))
                inBlock = false;
        }
        return out;
    }

    static QString stars(const QHash<QString, QString> &b)
    {
        QString s;
        for (int n = 1; n <= 7; ++n) {
            const bool filled = b.contains(QStringLiteral("imgStar%1").arg(n));
            const bool empty = b.contains(QStringLiteral("imgStarB%1").arg(n));
            s += filled && empty ? QLatin1Char('!') : filled ? QLatin1Char('*') : empty ? QLatin1Char('o') : QLatin1Char('-');
        }
        return s;
    }

    QString writeAndRead(const ReportDocument &doc, const QString &name)
    {
        const QString pdf = tc.path(name);
        QString error;
        EXPECT_TRUE(writePdf(doc, pdf, &error)) << error.toStdString();
        return pdfText(pdf);
    }

    GTestContext tc;
    RecordingProgress progress;
    Catalogue cat;
};

TEST(ReportNames, CatalogueNameIsTheFileNameWithoutItsExtension)
{
    const struct {
        const char *path, *name;
    } cases[] = {
        {"/home/ann/Movies/Home.cnlg", "Home"},
        {"/home/ann/My.Films.cnlg", "My.Films"},
        {"/data/Shared.CNLG", "Shared"},
        {"/data/films.db", "films"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(catalogueNameOf(QString::fromUtf8(c.path)), QString::fromUtf8(c.name)) << c.path;
}

TEST(ReportNames, SearchSummaryNamesTheCheckedCriteriaInOrder)
{
    SearchCriteria title;
    title.title = {true, QStringLiteral("star")};
    title.stars = {true, QStringLiteral("4 Stars")};
    title.starsComparison = QStringLiteral(">=");
    EXPECT_EQ(searchCriteriaSummary(title, 12),
              QStringLiteral("Search Criteria: Title = star, User Rating is Greater than or Equal to 4 Stars.\n"
                             "Movies Found: 12"));

    SearchCriteria all;
    all.title = {false, QStringLiteral("ignored, not checked")};
    all.actor = {true, QStringLiteral("Sigourney Weaver")};
    all.format = {true, QString()}; // checked but empty: left out
    all.medium = {true, QStringLiteral("DVD")};
    all.director = {true, QStringLiteral("Ridley Scott")};
    all.genre = {true, QStringLiteral("Horror")};
    all.rating = {true, QStringLiteral("R")};
    all.stars = {true, QStringLiteral("2 Stars")};
    all.starsComparison = QStringLiteral("<");
    EXPECT_EQ(searchCriteriaSummary(all, 1),
              QStringLiteral("Search Criteria: Actor = Sigourney Weaver, Medium = DVD, Director = Ridley Scott, "
                             "Genre = Horror, Rating = R, User Rating is Less than 2 Stars.\nMovies Found: 1"));

    EXPECT_EQ(searchCriteriaSummary(SearchCriteria{}, 0), QStringLiteral("Search Criteria: .\nMovies Found: 0"));
}

TEST_F(ReportsTest, MovieListHeaderAndOrderedByLines)
{
    addMovie({QStringLiteral("Alien"), QStringLiteral("Alien")});
    addMovie({QStringLiteral("The Abyss"), QStringLiteral("Abyss")});
    addMovie({QStringLiteral("Brazil"), QStringLiteral("")});
    addMovie({QStringLiteral("Zardoz"), QVariant(QMetaType::fromType<QString>())}); // OrderBy Null

    ReportJob job = arMovieList(tc.ctx(), cat);
    const ReportDocument doc = job.run(tc.ctx());
    ASSERT_EQ(doc.pageCount(), 1);
    const Page &page = doc.pages[0];
    EXPECT_EQ(page.textsOf(QStringLiteral("lblName")), QStringList{QStringLiteral("Home")});
    EXPECT_EQ(page.textsOf(QStringLiteral("lblFile")), QStringList{cat.path()});
    EXPECT_EQ(page.textsOf(QStringLiteral("lblNumMovies")), QStringList{QStringLiteral("Number of Movies: 4")});
    EXPECT_EQ(page.textsOf(QStringLiteral("fldTodaysDate")), QStringList{QStringLiteral("December 09, 2025")});
    EXPECT_EQ(page.textsOf(QStringLiteral("fldPageNum")), QStringList{QStringLiteral("1")});
    EXPECT_EQ(page.textsOf(QStringLiteral("fldPageCnt")), QStringList{QStringLiteral("1")});

    // In sort-key order; the sort key is shown only where it differs from the title.
    QStringList lines;
    for (const PlacedItem &i : page.items)
        if (i.section == QLatin1String("Detail"))
            lines << i.text;
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Zardoz"), QStringLiteral("[Ordered By: ]"),
                                  QStringLiteral("Brazil"), QStringLiteral("[Ordered By: ]"),
                                  QStringLiteral("The Abyss"), QStringLiteral("[Ordered By: Abyss]"),
                                  QStringLiteral("Alien")}))
        << lines.join(QLatin1Char('|')).toStdString();

    const QString text = writeAndRead(doc, QStringLiteral("movies.pdf"));
    for (const char *expected : {"Home", "Number of Movies: 4", "Movie Titles", "[Ordered By: Abyss]", "Page", "of",
                                 "December 09, 2025"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(ReportsTest, LoansHeaderAndLines)
{
    const struct {
        bool filter;
        const char *user;
        const char *header;
    } cases[] = {
        {true, "Dana", "Movie Loans for Dana"},
        {false, "Dana", "Movie Loans"},
        {true, "", "Movie Loans"},
    };
    LoansReportParams params;
    params.rows << LoanRow{QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("Alien"), QStringLiteral("Dana"),
                           QStringLiteral("3/14/2025"), QString()}
                << LoanRow{QStringLiteral("4"), QStringLiteral("7"), QStringLiteral("Brazil"), QStringLiteral("Lee"),
                           QStringLiteral("1/2/2025"), QStringLiteral("1/9/2025")};
    for (const auto &c : cases) {
        params.showLoansForUser = c.filter;
        params.userName = QString::fromUtf8(c.user);
        ReportJob job = arLoans(tc.ctx(), cat, params);
        const ReportDocument doc = job.run(tc.ctx());
        EXPECT_EQ(doc.textsOf(QStringLiteral("lblName")), QStringList{QString::fromUtf8(c.header)}) << c.header;
    }
    ReportJob job = arLoans(tc.ctx(), cat, params);
    const ReportDocument doc = job.run(tc.ctx());
    EXPECT_EQ(doc.textsOf(QStringLiteral("fldMovie")),
              (QStringList{QStringLiteral("Alien | Movie ID: 12"), QStringLiteral("Brazil | Movie ID: 7")}));
    EXPECT_EQ(doc.textsOf(QStringLiteral("fldLoanedTo")), (QStringList{QStringLiteral("Dana"), QStringLiteral("Lee")}));
    EXPECT_EQ(doc.textsOf(QStringLiteral("fldDates")),
              (QStringList{QStringLiteral("Date Out: 3/14/2025 Returned: "),
                           QStringLiteral("Date Out: 1/2/2025 Returned: 1/9/2025")}));

    const QString text = writeAndRead(doc, QStringLiteral("loans.pdf"));
    for (const char *expected : {"Movie Loans", "Alien | Movie ID: 12", "Date Out: 3/14/2025 Returned:", "Lee"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(ReportsTest, UsersListPrintsOnlyThatPersonsTitlesEvenWithAQuoteInTheName)
{
    const QString quoted = QStringLiteral("Bob \"the\" Builder");
    for (const auto &[name, title] : {std::pair{quoted, QStringLiteral("Zulu")}, std::pair{quoted, QStringLiteral("Alien")},
                                      std::pair{QStringLiteral("Ann"), QStringLiteral("Brazil")}})
        cat.exec(QStringLiteral("INSERT INTO UserList (MovID, MovieTitle, Name) VALUES (1, ?, ?)"), {title, name});

    ReportJob job = arUsersList(tc.ctx(), cat, UsersListReportParams{quoted});
    const ReportDocument doc = job.run(tc.ctx());
    EXPECT_EQ(doc.textsOf(QStringLiteral("lblName")), QStringList{QStringLiteral("Movie List for ") + quoted});
    EXPECT_EQ(doc.textsOf(QStringLiteral("lblFile")), QStringList{cat.path()});
    EXPECT_EQ(doc.textsOf(QStringLiteral("fldMovieTitle")), (QStringList{QStringLiteral("Alien"), QStringLiteral("Zulu")}));
    EXPECT_TRUE(tc.logLines().isEmpty()) << tc.logLines().join(QLatin1Char('\n')).toStdString();

    const QString text = writeAndRead(doc, QStringLiteral("list.pdf"));
    for (const char *expected : {"Movie List for Bob \"the\" Builder", "Alien", "Zulu"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Brazil")));
}

TEST_F(ReportsTest, DetailsShowStarsGenresCoverAndCast)
{
    const struct {
        const char *title;
        QVariant rating;
        const char *stars;
    } starCases[] = {
        {"Rated Zero", 0, "ooooooo"},
        {"Rated Three", 3, "***oooo"},
        {"Rated Seven", 7, "*******"},
        {"Rated Null", QVariant(QMetaType::fromType<int>()), "-------"},
        {"Rated Nine", 9, "-------"},
    };
    for (const auto &c : starCases)
        addMovie({QString::fromUtf8(c.title), QString::fromUtf8(c.title), c.rating});

    const int drama = addMovie({QStringLiteral("Genres Gap"), {}, 0, QStringLiteral("Drama"), QString(), QStringLiteral("Comedy")});
    addMovie({QStringLiteral("Genres Late"), {}, 0, QString(), QStringLiteral("Horror"), QString()});
    setCover(drama);
    const int ann = addActor(QStringLiteral("Ann Actor"));
    const int bob = addActor(QStringLiteral("Bob Actor"));
    const int gone = addActor(QStringLiteral("Gone Actor"));
    link(drama, bob);
    link(drama, gone);
    link(drama, ann);
    cat.exec(QStringLiteral("DELETE FROM Actors WHERE ID = ?"), {gone});

    ReportJob job = arMovieDetailsALL(tc.ctx(), cat);
    const ReportDocument doc = job.run(tc.ctx());
    EXPECT_EQ(doc.textsOf(QStringLiteral("lblName")).value(0), QStringLiteral("Home - Movie Details"));
    EXPECT_EQ(doc.textsOf(QStringLiteral("lblNumMovies")).value(0), QStringLiteral("Number of Movies: 7"));

    for (const auto &c : starCases)
        EXPECT_EQ(stars(block(doc, QString::fromUtf8(c.title))), QString::fromUtf8(c.stars)) << c.title;

    const auto gap = block(doc, QStringLiteral("Genres Gap"));
    EXPECT_EQ(gap.value(QStringLiteral("fldGenres")), QStringLiteral("Drama, Comedy"));
    EXPECT_EQ(gap.value(QStringLiteral("imgCover")), QStringLiteral("<picture>"));
    EXPECT_EQ(gap.value(QStringLiteral("fldActor")), QStringLiteral("Bob Actor, Ann Actor"));
    EXPECT_EQ(gap.value(QStringLiteral("fldRunningTime")), QStringLiteral("117 min"));
    EXPECT_EQ(gap.value(QStringLiteral("fldDirector")), QStringLiteral("Ridley Scott"));

    const auto late = block(doc, QStringLiteral("Genres Late"));
    EXPECT_EQ(late.value(QStringLiteral("fldGenres")), QStringLiteral(", Horror"));
    EXPECT_FALSE(late.contains(QStringLiteral("imgCover")));
    ASSERT_TRUE(late.contains(QStringLiteral("fldActor"))) << "a movie without cast still has its (empty) cast line";
    EXPECT_EQ(late.value(QStringLiteral("fldActor")), QString());
    EXPECT_EQ(late.value(QStringLiteral("lblActors")), QStringLiteral("Actors:"));

    EXPECT_EQ(progress.calls, QStringList{QStringLiteral("show Getting Movie Details... 0..7")});
    EXPECT_EQ(progress.last, 7);
    EXPECT_FALSE(progress.open);
    EXPECT_TRUE(tc.logLines().isEmpty()) << tc.logLines().join(QLatin1Char('\n')).toStdString();

    const QString text = writeAndRead(doc, QStringLiteral("details.pdf"));
    for (const char *expected : {"Home - Movie Details", "Genres Gap", "Drama, Comedy", "Bob Actor, Ann Actor",
                                 "User Rating:", "117 min"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(ReportsTest, TwoMoviesWithTheSameTitleEachGetTheirOwnDetails)
{
    addMovie({QStringLiteral("Hamlet"), QStringLiteral("Hamlet"), 2});
    addMovie({QStringLiteral("Hamlet"), QStringLiteral("Hamlet"), 5});
    ReportJob job = arMovieDetailsALL(tc.ctx(), cat);
    const ReportDocument doc = job.run(tc.ctx());
    EXPECT_EQ(doc.textsOf(QStringLiteral("fldMovieTitle")), (QStringList{QStringLiteral("Hamlet"), QStringLiteral("Hamlet")}));
    EXPECT_EQ(doc.textsOf(QStringLiteral("fldActor")).size(), 2);
}

TEST_F(ReportsTest, AnEmptyCatalogueGivesAReportWithoutRowsAndClosesItsProgress)
{
    ReportJob job = arMovieDetailsALL(tc.ctx(), cat);
    const ReportDocument doc = job.run(tc.ctx());
    EXPECT_EQ(doc.pageCount(), 1);
    EXPECT_TRUE(doc.textsOf(QStringLiteral("fldMovieTitle")).isEmpty());
    EXPECT_EQ(doc.textsOf(QStringLiteral("lblNumMovies")), QStringList{QStringLiteral("Number of Movies: 0")});
    EXPECT_EQ(progress.calls, QStringList{QStringLiteral("show Getting Movie Details... 0..0")});
    EXPECT_FALSE(progress.open);
}

TEST_F(ReportsTest, SearchReportFollowsTheListOrderAndSkipsADeletedMovie)
{
    const int a = addMovie({QStringLiteral("Alien"), {}, 4});
    const int b = addMovie({QStringLiteral("Brazil"), {}, 5});
    const int c = addMovie({QStringLiteral("Cube"), {}, 6});
    const int deleted = addMovie({QStringLiteral("Deleted"), {}, 6});
    cat.exec(QStringLiteral("DELETE FROM Movies WHERE ID = ?"), {deleted});

    MovieDetailsSearchParams params;
    params.movieIds = {c, deleted, a, b}; // as the user sorted the list
    params.criteria.title = {true, QStringLiteral("star")};
    params.criteria.stars = {true, QStringLiteral("4 Stars")};
    params.criteria.starsComparison = QStringLiteral(">=");
    ReportJob job = arMovieDetailsSearch(tc.ctx(), cat, params);
    const ReportDocument doc = job.run(tc.ctx());

    EXPECT_EQ(doc.textsOf(QStringLiteral("lblName")).value(0), QStringLiteral("Home - Movie Details by Search"));
    EXPECT_EQ(doc.textsOf(QStringLiteral("fldSearch")).value(0),
              QStringLiteral("Search Criteria: Title = star, User Rating is Greater than or Equal to 4 Stars.\n"
                             "Movies Found: 4"));
    EXPECT_EQ(doc.textsOf(QStringLiteral("fldMovieTitle")),
              (QStringList{QStringLiteral("Cube"), QStringLiteral("Alien"), QStringLiteral("Brazil")}));
    const QStringList log = tc.logLines();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].contains(QStringLiteral("arMovieDetailsSearch - ActiveReport_FetchData"))) << log[0].toStdString();
    EXPECT_EQ(progress.calls, QStringList{QStringLiteral("show Generating Search Report... 0..4")});
    EXPECT_FALSE(progress.open);

    const QString text = writeAndRead(doc, QStringLiteral("search.pdf"));
    for (const char *expected : {"Home - Movie Details by Search",
                                 "Search Criteria: Title = star, User Rating is Greater than or Equal to 4 Stars.",
                                 "Movies Found: 4", "Cube", "Brazil"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

} // namespace

// A build without a web address prints none: no footer carries a placeholder address.
TEST_F(ReportsTest, FootersCarryNoAddressWhenTheBuildHasNone)
{
    ASSERT_TRUE(productWebAddress().isEmpty()) << "this test runs on a build without CINELOG_WEBSITE";
    std::vector<ReportJob> jobs;
    jobs.push_back(arMovieList(tc.ctx(), cat));
    jobs.push_back(arLoans(tc.ctx(), cat, LoansReportParams{}));
    jobs.push_back(arUsersList(tc.ctx(), cat, UsersListReportParams{QStringLiteral("Ann")}));
    jobs.push_back(arMovieDetailsALL(tc.ctx(), cat));
    jobs.push_back(arMovieDetailsSearch(tc.ctx(), cat, MovieDetailsSearchParams{}));
    for (const ReportJob &job : jobs) {
        for (const Control &c : job.definition.pageFooter.controls)
            EXPECT_FALSE(c.text.contains(QStringLiteral("://")) || c.text.contains(QStringLiteral("www.")))
                << job.definition.name.toStdString() << ": " << c.text.toStdString();
    }
}

TEST_F(ReportsTest, PagedMoviesReadEveryMovieOnceInSortOrderAndGoBackToAnyPosition)
{
    // Titles that share a key, titles without a key, and ordinary ones.
    for (int i = 0; i < 40; ++i) {
        const QString title = i % 7 == 0 ? QStringLiteral("Same Title") : QStringLiteral("Movie %1").arg((i * 37) % 100);
        addMovie({title, i % 5 == 0 ? QVariant(QMetaType::fromType<QString>()) : QVariant(title)});
    }
    QList<qint64> expected;
    QSqlQuery all = cat.exec(QStringLiteral("SELECT ID FROM Movies ORDER BY OrderByKey, ID"));
    while (all.next())
        expected << all.value(0).toLongLong();
    all.finish();
    ASSERT_EQ(expected.size(), 40);
    ASSERT_TRUE(cat.scalar(QStringLiteral("SELECT count(*) FROM Movies WHERE OrderByKey IS NULL")).toInt() > 0);

    for (const int pageSize : {1, 3, 8, 1000}) {
        SCOPED_TRACE(pageSize);
        PagedMovies movies(cat, QStringLiteral("Title"), pageSize);
        QList<qint64> read;
        QVariantList positions{movies.position()};
        while (movies.next()) {
            read << movies.row().value(QStringLiteral("PageID")).toLongLong();
            positions << movies.position();
        }
        EXPECT_EQ(read, expected);
        EXPECT_GE(movies.reads(), int(read.size()) / pageSize) << "one short read per page";
        EXPECT_FALSE(movies.next()) << "stays at the end";

        // From every position, the rest follows in order.
        for (int i = 0; i < positions.size(); i += 1 + i % 4) {
            PagedMovies again(cat, QStringLiteral("Title"), pageSize);
            again.seek(positions[i]);
            QList<qint64> rest;
            while (again.next())
                rest << again.row().value(QStringLiteral("PageID")).toLongLong();
            EXPECT_EQ(rest, expected.mid(i)) << "from position " << i;
        }
    }
}

TEST_F(ReportsTest, ReportsPrintedPageByPageEqualTheWholeReport)
{
    addAssortedMovies(90);
    struct Case {
        const char *name;
        std::function<ReportJob()> make;
    };
    MovieDetailsSearchParams search;
    for (int id = 90; id >= 1; id -= 3)
        search.movieIds << id;
    LoansReportParams loans;
    for (int i = 1; i <= 60; ++i)
        loans.rows << LoanRow{QString::number(i), QString::number(i), QStringLiteral("Movie %1").arg(i), QStringLiteral("Dana"),
                              QStringLiteral("3/14/2025"), QString()};
    for (int i = 1; i <= 70; ++i)
        cat.exec(QStringLiteral("INSERT INTO UserList (MovID, MovieTitle, Name) VALUES (?, ?, 'Ann')"),
                 {i, QStringLiteral("Title %1").arg(i)});
    const Case cases[] = {
        {"arMovieList", [&] { return arMovieList(tc.ctx(), cat); }},
        {"arMovieDetailsALL", [&] { return arMovieDetailsALL(tc.ctx(), cat); }},
        {"arMovieDetailsSearch", [&] { return arMovieDetailsSearch(tc.ctx(), cat, search); }},
        {"arLoans", [&] { return arLoans(tc.ctx(), cat, loans); }},
        {"arUsersList", [&] { return arUsersList(tc.ctx(), cat, UsersListReportParams{QStringLiteral("Ann")}); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ReportJob job = c.make();
        const ReportDocument whole = job.run(tc.ctx());
        ASSERT_GE(whole.pageCount(), 3);
        expectSamePagesAllWays(tc.ctx(), whole, job.definition, *job.source, job.labels);
    }
    EXPECT_TRUE(tc.logLines().isEmpty()) << tc.logLines().join(QLatin1Char('\n')).toStdString();

    // The PDF written page by page reads as the one written from the whole report.
    ReportJob whole = arMovieDetailsALL(tc.ctx(), cat);
    const QString wholeText = writeAndRead(whole.run(tc.ctx()), QStringLiteral("whole.pdf"));
    ReportJob paged = arMovieDetailsALL(tc.ctx(), cat);
    const ReportPlan plan = paged.plan(tc.ctx());
    const QString pdf = tc.path(QStringLiteral("paged.pdf"));
    QString error;
    ASSERT_TRUE(writePdf(paged.definition.page, paged.definition.caption,
                         [&](PagePainter &painter) {
                             paged.stream(tc.ctx(), plan, [&](const Page &page, int) { painter.add(page); });
                         },
                         pdf, &error))
        << error.toStdString();
    EXPECT_FALSE(wholeText.isEmpty());
    EXPECT_EQ(pdfText(pdf), wholeText);
}

// While a long report runs, another program's save goes through between two pages of the report's
// reads: the report holds no read lock while it lays out and paints.
TEST_F(ReportsTest, AnotherProgramSavesWhileALongReportRuns)
{
    cat.transaction([&] {
        for (int i = 1; i <= 2 * PagedMovies::DefaultPageSize + 300; ++i)
            cat.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy) VALUES (?, ?)"),
                     {QStringLiteral("Movie %1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("Movie %1").arg(i, 5, 10, QLatin1Char('0'))});
    });
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(cat.path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    // No waiting at all: a save that would have to wait for the report fails at once.
    sqlite3_busy_timeout(other, 0);

    QList<int> failed;
    int saves = 0;
    progress.onUpdate = [&](qint64 value) {
        if (value % 400 != 0)
            return;
        ++saves;
        const QByteArray sql = "UPDATE Movies SET Rating = 'PG' WHERE ID = " + QByteArray::number(value);
        char *message = nullptr;
        if (sqlite3_exec(other, sql.constData(), nullptr, nullptr, &message) != SQLITE_OK)
            failed << int(value);
        sqlite3_free(message);
    };
    ReportJob job = arMovieDetailsALL(tc.ctx(), cat);
    const ReportPlan plan = job.plan(tc.ctx());
    int pages = 0;
    job.stream(tc.ctx(), plan, [&](const Page &, int) { ++pages; });
    sqlite3_close(other);

    EXPECT_EQ(pages, plan.pageCount);
    EXPECT_EQ(saves, 2 * 5);
    EXPECT_EQ(failed, QList<int>()) << "saves kept out by the report's reads";
    EXPECT_EQ(cat.scalar(QStringLiteral("SELECT count(*) FROM Movies WHERE Rating = 'PG'")).toInt(), 5);
}
