#include "GTestSupport.h"
#include "MovieSearch.h"
#include "SearchFixture.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <vector>

namespace {


class SearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SearchFixture::open(cat, t.path(QStringLiteral("films.cnlg")))) << t.prompts.messages().join(u'\n').toStdString();
        SearchFixture::fill(cat);
    }

    std::vector<int> idsOf(const SearchCriteria &c)
    {
        std::vector<int> ids;
        for (const FoundMovie &m : search.search(c))
            ids.push_back(m.id);
        return ids;
    }

    FoundMovie only(const SearchCriteria &c)
    {
        const QList<FoundMovie> found = search.search(c);
        EXPECT_EQ(found.size(), 1);
        return found.value(0);
    }

    GTestContext t;
    Catalogue cat;
    MovieSearch search{cat};
};

SearchCriteria with(std::function<void(SearchCriteria &)> f)
{
    SearchCriteria c;
    f(c);
    return c;
}

struct Case {
    const char *name;
    SearchCriteria criteria;
    std::vector<int> expected; // movie IDs in sort order
};

QString S(const char *s)
{
    return QString::fromUtf8(s);
}

std::vector<Case> cases()
{
    using SC = StarsComparison;
    return {
        {"title contains, any letter case", with([](auto &c) { c.title = S("alien"); }), {1, 2}},
        {"title exact", with([](auto &c) { c.title = S("Alien"); c.exactMatch = true; }), {1}},
        {"title exact ignores letter case", with([](auto &c) { c.title = S("ALIEN"); c.exactMatch = true; }), {1}},
        {"title keeps the _ wildcard", with([](auto &c) { c.title = S("Al_en"); }), {1, 2}},
        {"title keeps the % wildcard", with([](auto &c) { c.title = S("Str%ge"); }), {7, 130}},
        {"title with a single quote", with([](auto &c) { c.title = S("Ocean's"); }), {4}},
        {"title with double quotes", with([](auto &c) { c.title = S("\"Cheese\""); }), {5}},
        {"exact title with a literal %", with([](auto &c) { c.title = S("100% Wolf"); c.exactMatch = true; }), {6}},
        {"title found nowhere", with([](auto &c) { c.title = S("Zardoz"); }), {}},
        {"director contains", with([](auto &c) { c.director = S("cameron"); }), {3, 2}},
        {"director exact needs the whole name", with([](auto &c) { c.director = S("James"); c.exactMatch = true; }), {}},
        {"director exact with quotes", with([](auto &c) { c.director = S("\"Weird\" Al"); c.exactMatch = true; }), {5}},
        {"genre in any of the three columns", with([](auto &c) { c.genre = S("Drama"); }), {3, 7, 4}},
        {"two genres", with([](auto &c) { c.genre = S("Drama"); c.secondGenre = S("Comedy"); }), {7, 4}},
        {"two genres, third column", with([](auto &c) { c.genre = S("Action"); c.secondGenre = S("Horror"); }), {2}},
        {"second genre alone does not count",
         with([](auto &c) { c.title = S("Alien"); c.secondGenre = S("Drama"); }), {1, 2}},
        {"format", with([](auto &c) { c.format = S("Fullscreen"); }), {3, 7, 5}},
        {"rating", with([](auto &c) { c.rating = S("PG-13"); }), {3, 4}},
        {"medium ignores letter case", with([](auto &c) { c.medium = S("vhs"); }), {3}},
        {"stars =", with([](auto &c) { c.stars = 7; c.starsComparison = SC::Equal; }), {7, 5}},
        {"stars <=", with([](auto &c) { c.stars = 3; c.starsComparison = SC::AtMost; }), {6, 4}},
        {"stars <", with([](auto &c) { c.stars = 4; c.starsComparison = SC::Less; }), {6, 4}},
        {"stars >", with([](auto &c) { c.stars = 5; c.starsComparison = SC::Greater; }), {2, 7, 5}},
        {"stars >=", with([](auto &c) { c.stars = 5; c.starsComparison = SC::AtLeast; }), {1, 2, 7, 5}},
        {"one actor", with([](auto &c) { c.actor = S("Sigourney Weaver"); }), {1, 2}},
        {"actor name ignores letter case", with([](auto &c) { c.actor = S("sigourney weaver"); }), {1, 2}},
        {"actor with double quotes", with([](auto &c) { c.actor = S("Dwayne \"The Rock\" Johnson"); }), {5}},
        {"actor with a single quote", with([](auto &c) { c.actor = S("Conan O'Brien"); }), {5}},
        {"actor in two parts is listed once", with([](auto &c) { c.actor = S("Peter Sellers"); }), {7}},
        {"unknown actor", with([](auto &c) { c.actor = S("Nobody"); }), {}},
        {"two actors", with([](auto &c) { c.actor = S("Sigourney Weaver"); c.secondActor = S("Michael Biehn"); }), {2}},
        {"two actors never together", with([](auto &c) { c.actor = S("Sigourney Weaver"); c.secondActor = S("Ed Harris"); }), {}},
        {"two actors, the first in two parts",
         with([](auto &c) { c.actor = S("Peter Sellers"); c.secondActor = S("George Clooney"); }), {7}},
        {"two actors, the second in two parts",
         with([](auto &c) { c.actor = S("George Clooney"); c.secondActor = S("Peter Sellers"); }), {7}},
        {"unknown second actor",
         with([](auto &c) { c.actor = S("Sigourney Weaver"); c.secondActor = S("Nobody"); }), {}},
        {"unknown second actor, first in two parts",
         with([](auto &c) { c.actor = S("Peter Sellers"); c.secondActor = S("Nobody"); }), {7}},
        {"unknown first actor", with([](auto &c) { c.actor = S("Nobody"); c.secondActor = S("Peter Sellers"); }), {}},
        {"second actor alone does not count",
         with([](auto &c) { c.medium = S("VHS"); c.secondActor = S("Sigourney Weaver"); }), {3}},
        {"title, genre and stars",
         with([](auto &c) { c.title = S("a"); c.genre = S("Sci-Fi"); c.stars = 5; c.starsComparison = SC::AtLeast; }), {1, 2}},
        {"director and actor",
         with([](auto &c) { c.director = S("Cameron"); c.actor = S("Michael Biehn"); }), {3, 2}},
        {"exact title, medium and actor",
         with([](auto &c) { c.title = S("Aliens"); c.exactMatch = true; c.medium = S("DVD"); c.actor = S("Sigourney Weaver"); }), {2}},
        {"format and rating exclude each other",
         with([](auto &c) { c.format = S("Letterbox"); c.rating = S("PG"); }), {}},
        {"no criteria", SearchCriteria{}, {}},
        {"exact match alone is no criterion", with([](auto &c) { c.exactMatch = true; }), {}},
    };
}

TEST_F(SearchTest, FindsTheMatchingMoviesInSortOrder)
{
    for (const Case &c : cases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(idsOf(c.criteria), c.expected);
    }
}

TEST_F(SearchTest, CountsOnlyTheCriteriaInUse)
{
    EXPECT_FALSE(SearchCriteria{}.hasCriteria());
    EXPECT_FALSE(with([](auto &c) { c.secondActor = S("x"); c.secondGenre = S("y"); c.exactMatch = true; }).hasCriteria());
    EXPECT_EQ(with([](auto &c) {
                  c.title = S("a");
                  c.director = S("b");
                  c.actor = S("c");
                  c.genre = S("d");
                  c.format = S("e");
                  c.rating = S("f");
                  c.medium = S("g");
                  c.stars = 1;
              }).activeCount(),
              8);
}

TEST_F(SearchTest, RowTextsFollowTheColumns)
{
    const QList<FoundMovie> found = search.search(with([](auto &c) { c.title = S("Strange"); }));
    ASSERT_EQ(found.size(), 2);
    // IDs are zero-filled to the longest ID found.
    EXPECT_EQ(found[0].text[FoundMovie::ID], S("007"));
    EXPECT_EQ(found[1].text[FoundMovie::ID], S("130"));
    const std::array<QString, FoundMovie::ColumnCount> expected = {
        S("007"), S("Dr. Strangelove"), S("Stanley Kubrick"), S("Comedy"), S("Drama"), S(""), S("DVD"),
        S("Fullscreen"), S("PG"), S("1964"), S("95 mins"), S("1"), S("7")};
    EXPECT_EQ(found[0].text, expected);

    const FoundMovie abyss = only(with([](auto &c) { c.title = S("Abyss"); }));
    EXPECT_EQ(abyss.text[FoundMovie::Time], S(" mins"));
    EXPECT_EQ(abyss.text[FoundMovie::Genre3], S(""));
    EXPECT_EQ(abyss.text[FoundMovie::ID], S("3"));
}

TEST_F(SearchTest, MarksValuesEqualToTheSearchedTextsInBold)
{
    using F = FoundMovie;
    const QList<FoundMovie> aliens = search.search(with([](auto &c) { c.title = S("Alien"); }));
    ASSERT_EQ(aliens.size(), 2);
    EXPECT_TRUE(aliens[0].bold[F::Title]);
    EXPECT_FALSE(aliens[1].bold[F::Title]) << "Aliens only contains the text";

    const FoundMovie oceans = only(with([](auto &c) {
        c.genre = S("Drama");
        c.secondGenre = S("Comedy");
        c.rating = S("PG-13");
        c.director = S("Soderbergh");
    }));
    EXPECT_TRUE(oceans.bold[F::Genre1]);
    EXPECT_TRUE(oceans.bold[F::Genre2]);
    EXPECT_FALSE(oceans.bold[F::Genre3]);
    EXPECT_TRUE(oceans.bold[F::Rating]);
    EXPECT_FALSE(oceans.bold[F::Director]);

    // Found without regard to letter case, but only the exact spelling is marked.
    const FoundMovie abyss = only(with([](auto &c) { c.medium = S("vhs"); c.format = S("Fullscreen"); }));
    EXPECT_FALSE(abyss.bold[F::Medium]);
    EXPECT_TRUE(abyss.bold[F::Format]);

    const FoundMovie say = only(with([](auto &c) { c.director = S("\"Weird\" Al"); c.actor = S("Conan O'Brien"); c.stars = 7; }));
    EXPECT_TRUE(say.bold[F::Director]);
    for (int col : {F::ID, F::Title, F::Genre1, F::Medium, F::Format, F::Rating, F::Release, F::Time, F::NumDiscs, F::Stars})
        EXPECT_FALSE(say.bold[col]) << col;
}

TEST_F(SearchTest, RatingsListTheRatingsInUseThenXXX)
{
    EXPECT_EQ(search.ratings(), QStringList({S(""), S("R"), S("PG-13"), S("PG"), S("XXX")}));
    SearchFixture::addMovie(cat, {200, "Caligula", nullptr, nullptr, nullptr, nullptr, "", nullptr, "XXX", nullptr, nullptr, nullptr, 0});
    SearchFixture::addMovie(cat, {201, "Lowercase", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "xxx", nullptr, nullptr, nullptr, 0});
    EXPECT_EQ(search.ratings(), QStringList({S(""), S("R"), S("PG-13"), S("PG"), S("XXX")}));
}

TEST_F(SearchTest, MediaAndFormatsListEachSpellingOnceWithoutEmptyEntries)
{
    SearchFixture::addMovie(cat, {200, "Empty medium", nullptr, nullptr, nullptr, nullptr, "", "", nullptr, nullptr, nullptr, nullptr, 0});
    SearchFixture::addMovie(cat, {201, "Lower case", nullptr, nullptr, nullptr, nullptr, "dvd", nullptr, nullptr, nullptr, nullptr, nullptr, 0});
    EXPECT_EQ(search.media(), QStringList({S("DVD"), S("VHS"), S("Blu-ray"), S("Laserdisc")}));
    EXPECT_EQ(search.formats(), QStringList({S("Widescreen"), S("Fullscreen"), S("Letterbox")}));
}

TEST_F(SearchTest, NamePickListsAreSorted)
{
    EXPECT_EQ(search.directors(), QStringList({S("\"Weird\" Al"), S("James Cameron"), S("Ridley Scott")}));
    EXPECT_EQ(search.genres(), QStringList({S("Action"), S("Comedy"), S("Drama"), S("Horror"), S("Sci-Fi")}));
    EXPECT_EQ(search.actors().first(), S("Conan O'Brien"));
    EXPECT_EQ(search.actors().size(), 7);
}

TEST_F(SearchTest, CastIsInLinkOrderWithEveryPart)
{
    EXPECT_EQ(search.castOf(2), QStringList({S("Michael Biehn"), S("Sigourney Weaver")}));
    EXPECT_EQ(search.castOf(7), QStringList({S("Peter Sellers"), S("Peter Sellers")}));
    EXPECT_TRUE(search.castOf(6).isEmpty());
}

TEST_F(SearchTest, StarsEntriesAndComparisons)
{
    const QStringList entries = MovieSearch::starEntries();
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries.first(), S("1 Star"));
    EXPECT_EQ(entries.last(), S("7 Stars"));
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(MovieSearch::starsFromEntry(entries[n - 1]), n);
    EXPECT_EQ(MovieSearch::starsFromEntry(S("")), 0);
    for (const QString &op : MovieSearch::comparisonEntries())
        EXPECT_EQ(MovieSearch::textOf(*MovieSearch::comparisonFromText(op)), op);
    EXPECT_FALSE(MovieSearch::comparisonFromText(S("; DROP TABLE Movies")).has_value());
}

TEST_F(SearchTest, RowsAndColumnTextsOfAMovieDeletedSinceTheSearch)
{
    const FoundMovies found = search.find(with([](auto &c) { c.title = S("Alien"); }));
    ASSERT_EQ(found.ids, QList<int>({1, 2}));
    cat.exec(S("DELETE FROM Movies WHERE ID = 1"));
    // The deleted movie has no row and an empty text; the others keep theirs, in the order asked.
    const QList<FoundMovie> rows = search.rows({2, 1, 3}, found.criteria, found.idWidth);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].text[FoundMovie::Title], S("Aliens"));
    EXPECT_EQ(rows[1].text[FoundMovie::Title], S("The Abyss"));
    EXPECT_EQ(search.columnTexts({1, 2}, FoundMovie::Title, 1), QStringList({S(""), S("Aliens")}));
    EXPECT_EQ(search.columnTexts({1, 2}, FoundMovie::Time, 1), QStringList({S(""), S("137 mins")}));
}

// A catalogue of a few hundred movies whose sort keys tie in groups, searched again and again with
// one search object (as the window does) while this program and another one change it: the movies
// found must always come in the order the catalogue sorts them in now.
class SearchOrderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = t.path(S("order.cnlg"));
        ASSERT_TRUE(SearchFixture::open(cat, path));
        cat.transaction([&] {
            for (int i = 1; i <= 300; ++i)
                cat.exec(S("INSERT INTO Movies (ID, Title, OrderBy) VALUES (?, ?, ?)"),
                         {i, S("Night %1").arg(i), S("Key %1").arg((i * 7) % 37, 2, 10, QLatin1Char('0'))});
        });
        ASSERT_TRUE(other.open(path).opened());
    }

    QList<int> found() { return search.find(criteria).ids; }

    // The plain statement: every matching movie sorted by the engine.
    QList<int> sorted()
    {
        QList<int> ids;
        QSqlQuery q = cat.exec(S("SELECT ID FROM Movies WHERE TitleKey LIKE '%night%' ORDER BY OrderByKey, ID"));
        while (q.next())
            ids << q.value(0).toInt();
        return ids;
    }

    GTestContext t;
    QString path;
    Catalogue cat;
    Catalogue other; // a second connection to the same file, as another running program has
    MovieSearch search{cat};
    SearchCriteria criteria = with([](auto &c) { c.title = S("night"); });
};

TEST_F(SearchOrderTest, FollowsChangesByThisAndAnotherConnection)
{
    struct Change {
        const char *name;
        std::function<void(Catalogue &mine, Catalogue &theirs)> apply;
    };
    const Change changes[] = {
        {"this program moves a movie to the front",
         [](Catalogue &mine, Catalogue &) { mine.exec(S("UPDATE Movies SET OrderBy = 'AAA' WHERE ID = 150")); }},
        {"this program adds a movie that ties with others",
         [](Catalogue &mine, Catalogue &) { mine.exec(S("INSERT INTO Movies (Title, OrderBy) VALUES ('Night new', 'Key 00')")); }},
        {"this program deletes a movie", [](Catalogue &mine, Catalogue &) { mine.exec(S("DELETE FROM Movies WHERE ID = 5")); }},
        {"this program gives a movie a sort key that begins others",
         [](Catalogue &mine, Catalogue &) { mine.exec(S("UPDATE Movies SET OrderBy = 'Key 1' WHERE ID = 90")); }},
        {"this program adds more movies at once than are put in place one by one",
         [](Catalogue &mine, Catalogue &) {
             mine.exec(S("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
                         "INSERT INTO Movies (Title, OrderBy) SELECT 'Night batch ' || i, 'Key ' || (i % 37) FROM n"));
         }},
        {"another program moves a movie to the end",
         [](Catalogue &, Catalogue &theirs) { theirs.exec(S("UPDATE Movies SET OrderBy = 'ZZZ' WHERE ID = 200")); }},
        {"another program adds a movie",
         [](Catalogue &, Catalogue &theirs) { theirs.exec(S("INSERT INTO Movies (Title, OrderBy) VALUES ('Late night', 'Key 05')")); }},
        {"another program deletes a movie", [](Catalogue &, Catalogue &theirs) { theirs.exec(S("DELETE FROM Movies WHERE ID = 7")); }},
        {"movies with IDs below zero and far beyond the others",
         [](Catalogue &mine, Catalogue &) {
             mine.exec(S("INSERT INTO Movies (ID, Title, OrderBy) VALUES (-7, 'Night below', 'Key 10')"));
             mine.exec(S("INSERT INTO Movies (ID, Title, OrderBy) VALUES (2000000000, 'Night far', 'Key 10')"));
         }},
        {"this program moves the far movie", [](Catalogue &mine, Catalogue &) { mine.exec(S("UPDATE Movies SET OrderBy = '0' WHERE ID = 2000000000")); }},
    };
    ASSERT_EQ(found(), sorted());
    for (const Change &c : changes) {
        SCOPED_TRACE(c.name);
        const QList<int> before = found();
        c.apply(cat, other);
        const QList<int> expected = sorted();
        ASSERT_NE(before, expected) << "the change must show in the order";
        EXPECT_EQ(found(), expected);
    }
}

TEST_F(SearchOrderTest, ASearchInsideAnUndoneTransactionLeavesNoOrderBehind)
{
    const QList<int> expected = found();
    EXPECT_THROW(cat.transaction([&] {
        cat.exec(S("UPDATE Movies SET OrderBy = 'AAA' WHERE ID = 250"));
        EXPECT_EQ(found().value(0), 250);
        throw CinelogError(1, S("undone"));
    }),
                 CinelogError);
    EXPECT_EQ(sorted(), expected);
    EXPECT_EQ(found(), expected);
}

TEST_F(SearchOrderTest, CriteriaAloneOrTogetherFindWhatThePlainStatementFinds)
{
    // An actor in two parts of one movie, and cast links of a movie deleted since.
    cat.transaction([&] {
        const int actor = SearchFixture::addActor(cat, S("Ann Example"));
        for (int id : {10, 20, 20, 30, 40})
            SearchFixture::link(cat, id, actor);
        cat.exec(S("UPDATE Movies SET Genre1 = 'Drama', Medium = 'DVD' WHERE ID % 3 = 0"));
        cat.exec(S("DELETE FROM Movies WHERE ID = 30"));
    });
    struct Case {
        const char *name;
        SearchCriteria criteria;
        const char *where;
    };
    const Case cases[] = {
        {"actor alone", with([](auto &c) { c.actor = S("Ann Example"); }),
         "ID IN (SELECT MovID FROM MovActLink WHERE ActID = (SELECT ID FROM Actors WHERE Actor = 'Ann Example'))"},
        {"actor and title", with([](auto &c) { c.actor = S("Ann Example"); c.title = S("Night 2"); }),
         "ID IN (SELECT MovID FROM MovActLink WHERE ActID = (SELECT ID FROM Actors WHERE Actor = 'Ann Example')) "
         "AND TitleKey LIKE '%night 2%'"},
        {"title and genre", with([](auto &c) { c.title = S("ght 1"); c.genre = S("drama"); }),
         "TitleKey LIKE '%ght 1%' AND Genre1 = 'Drama'"},
        {"title and director, no movie has a director", with([](auto &c) { c.title = S("Night"); c.director = S("Nobody"); }), "0"},
        {"medium alone", with([](auto &c) { c.medium = S("dvd"); }), "Medium = 'DVD'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QList<int> expected;
        QSqlQuery q = cat.exec(S("SELECT ID FROM Movies WHERE %1 ORDER BY OrderByKey, ID").arg(QLatin1String(c.where)));
        while (q.next())
            expected << q.value(0).toInt();
        EXPECT_EQ(search.find(c.criteria).ids, expected);
    }
}

TEST(EmptyCatalogueSearch, RatingsOfAnEmptyCatalogueAreTheStandardOnes)
{
    GTestContext t;
    Catalogue cat;
    ASSERT_TRUE(SearchFixture::open(cat, t.path(QStringLiteral("empty.cnlg"))));
    MovieSearch search{cat};
    EXPECT_EQ(search.ratings(),
              QStringList({S(""), S("G"), S("PG"), S("PG-13"), S("R"), S("NC-17"), S("XXX"), S("Unrated")}));
    EXPECT_TRUE(search.media().isEmpty());
    EXPECT_TRUE(search.formats().isEmpty());
}

TEST(ClosedCatalogueSearch, AFailingCatalogueThrows)
{
    GTestContext t;
    Catalogue cat;
    MovieSearch search{cat};
    EXPECT_THROW(search.search(with([](auto &c) { c.title = S("x"); })), CinelogError);
}

} // namespace
