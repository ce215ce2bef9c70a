// The statistics against the catalogue's own counts: for every chart each group's count and its
// movies equal what plain SQL on the same catalogue finds, on a table of catalogues.

#include "Catalogue.h"
#include "CollectionStats.h"
#include "ReadConnection.h"
#include "TestCatalogue.h"

#include <QMap>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Stats::Chart;

namespace {

struct Case {
    const char *name;
    QStringList setup;
};

// Each chart's groups as (key, movie ID) pairs, worked out by the engine.
const char *const GroupSql[] = {
    // Genre: each distinct genre of a movie once; no genre at all is the empty key.
    "SELECT cinelog_fold(Genre1), ID FROM Movies WHERE trim(ifnull(Genre1, '')) <> '' "
    "UNION SELECT cinelog_fold(Genre2), ID FROM Movies WHERE trim(ifnull(Genre2, '')) <> '' "
    "UNION SELECT cinelog_fold(Genre3), ID FROM Movies WHERE trim(ifnull(Genre3, '')) <> '' "
    "UNION SELECT '', ID FROM Movies WHERE trim(ifnull(Genre1, '')) = '' AND trim(ifnull(Genre2, '')) = '' "
    "AND trim(ifnull(Genre3, '')) = ''",
    // Decade: a four-digit year at the start of the text.
    "SELECT CASE WHEN ltrim(ifnull(ReleaseYear, '')) GLOB '[0-9][0-9][0-9][0-9]*' "
    "AND NOT ltrim(ReleaseYear) GLOB '[0-9][0-9][0-9][0-9][0-9]*' "
    "AND CAST(substr(ltrim(ReleaseYear), 1, 4) AS INTEGER) >= 1000 "
    "THEN substr(ltrim(ReleaseYear), 1, 3) || '0' ELSE '' END, ID FROM Movies",
    "SELECT CASE WHEN trim(ifnull(Medium, '')) = '' THEN '' ELSE cinelog_fold(Medium) END, ID FROM Movies",
    "SELECT CASE WHEN trim(ifnull(Format, '')) = '' THEN '' ELSE cinelog_fold(Format) END, ID FROM Movies",
    "SELECT CAST(min(max(ifnull(UserRating, 0), 0), 7) AS TEXT), ID FROM Movies",
    // Borrowers count loans that are out; their movies once each.
    "SELECT CASE WHEN trim(ifnull(LoanedTo, '')) = '' THEN '' ELSE cinelog_fold(LoanedTo) END, MovieID "
    "FROM LoanOut WHERE DateIn IS NULL OR DateIn = ''",
};

const Case Cases[] = {
    {"empty catalogue", {}},
    {"movies without year or genre",
     {"INSERT INTO Movies (ID, Title) VALUES (1, 'Untitled 1')",
      "INSERT INTO Movies (ID, Title, ReleaseYear, Genre2) VALUES (2, 'Untitled 2', '', '  ')",
      "INSERT INTO Movies (ID, Title, ReleaseYear, NumDiscs, RunningTime) VALUES (3, 'Untitled 3', 'unknown', 'two', 'long')"}},
    {"spellings, several genres, loans",
     {"INSERT INTO Movies (ID, Title, Genre1, Genre2, Genre3, Medium, Format, ReleaseYear, UserRating, NumDiscs, RunningTime, CoverData) "
      "VALUES (10, 'Brazil', 'Drama', 'drama', 'Sci-Fi', 'DVD', 'Widescreen', '1985', 7, '2', '142', X'89504E47')",
      "INSERT INTO Movies (ID, Title, Genre1, Medium, Format, ReleaseYear, UserRating, NumDiscs, RunningTime) "
      "VALUES (11, 'Casablanca', 'DRAMA', 'dvd', 'Full Screen', '1942-11-26', 3, NULL, '102 min')",
      "INSERT INTO Movies (ID, Title, Genre1, Genre3, Medium, ReleaseYear, UserRating, NumDiscs, RunningTime) "
      "VALUES (12, 'Amélie', 'Comédie', 'COMÉDIE', 'Blu-ray', ' 2001', NULL, '1', '')",
      "INSERT INTO Movies (ID, Title, Genre2, Medium, ReleaseYear, UserRating, CoverData) "
      "VALUES (13, 'Heat', 'Crime', 'VHS', '19955', 12, X'')",
      "INSERT INTO Movies (ID, Title, Medium, ReleaseYear, UserRating, RunningTime, CoverData) "
      "VALUES (14, 'Up', '  ', '2009', -1, '96', X'FFD8FF00')",
      "INSERT INTO Movies (ID, Title, ReleaseYear, EpisodeDisc, NumDiscs) VALUES (15, 'Series', '1999', 1, '3 discs')",
      "INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (15, 'Pilot', 1, 1)",
      "INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (15, 'Second', 2, 1)",
      "INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (99, 'Of a deleted movie', 1, 1)",
      "INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (10, 'Brazil', 'Ann', '2025-11-01')",
      "INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (11, 'Casablanca', 'ann', '2025-10-01')",
      "INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut, DateIn) VALUES (12, 'Amélie', 'Bob', '2025-01-01', '2025-02-01')",
      "INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (13, 'Heat', 'Bob O''Neil', '2024-12-24 18:00:00')",
      "INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (14, 'Up', NULL, NULL)"}},
};

class CollectionStatsTest : public ::testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("stats.cnlg"));
        ASSERT_TRUE(createCatalogue(path));
        ASSERT_TRUE(catalogue.open(path).opened());
        for (const QString &sql : GetParam().setup)
            catalogue.exec(sql);
    }

    qint64 count(const QString &sql) { return catalogue.scalar(sql).toLongLong(); }

    QTemporaryDir dir;
    QString path;
    Catalogue catalogue;
};

TEST_P(CollectionStatsTest, EveryGroupMatchesTheCatalogueCounts)
{
    ReadConnection db(path);
    const Stats::CollectionStats s = Stats::collect(db, QDate(2025, 12, 9));

    const Chart charts[] = {Chart::Genre, Chart::Decade, Chart::Medium, Chart::Format, Chart::UserRating, Chart::Borrower};
    for (Chart chart : charts) {
        SCOPED_TRACE(int(chart));
        QMap<QString, qint64> expectedCount;
        QMap<QString, QList<int>> expectedIds;
        QSqlQuery q = catalogue.exec(QString::fromLatin1(GroupSql[int(chart)]));
        while (q.next()) {
            const QString key = q.value(0).toString();
            ++expectedCount[key];
            if (!expectedIds[key].contains(q.value(1).toInt()))
                expectedIds[key].append(q.value(1).toInt());
        }
        QMap<QString, qint64> counted;
        for (const Stats::Bucket &b : s.buckets(chart)) {
            EXPECT_FALSE(counted.contains(b.key)) << "group twice: " << b.key.toStdString();
            if (chart != Chart::UserRating || b.count > 0)
                counted.insert(b.key, b.count);
        }
        EXPECT_EQ(counted, expectedCount);
        for (auto it = expectedIds.begin(); it != expectedIds.end(); ++it) {
            std::sort(it->begin(), it->end());
            EXPECT_EQ(Stats::moviesIn(db, chart, {it.key()}), *it) << "group " << it.key().toStdString();
        }
    }

    EXPECT_EQ(s.totals.movies, count(QStringLiteral("SELECT count(*) FROM Movies")));
    EXPECT_EQ(s.totals.discs, count(QStringLiteral(
        "SELECT ifnull(sum(CASE WHEN CAST(NumDiscs AS INTEGER) > 0 THEN CAST(NumDiscs AS INTEGER) ELSE 1 END), 0) FROM Movies")));
    EXPECT_EQ(s.totals.runningMinutes, count(QStringLiteral(
        "SELECT ifnull(sum(max(CAST(RunningTime AS INTEGER), 0)), 0) FROM Movies")));
    EXPECT_EQ(s.totals.withCovers, count(QStringLiteral("SELECT count(*) FROM Movies WHERE length(CoverData) > 0")));
    EXPECT_EQ(s.totals.episodes, count(QStringLiteral(
        "SELECT count(*) FROM Episodes WHERE MovID IN (SELECT ID FROM Movies)")));
    EXPECT_EQ(s.openLoans, count(QStringLiteral("SELECT count(*) FROM LoanOut WHERE DateIn IS NULL OR DateIn = ''")));
}

INSTANTIATE_TEST_SUITE_P(Catalogues, CollectionStatsTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             std::string n = info.param.name;
                             for (char &c : n)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return n;
                         });

// What the table above cannot say by itself: the numbers a user reads for a small collection.
TEST(CollectionStats, SmallCollectionReadsAsExpected)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.cnlg"));
    ASSERT_TRUE(createCatalogue(path));
    {
        Catalogue c;
        ASSERT_TRUE(c.open(path).opened());
        for (const QString &sql : Cases[2].setup)
            c.exec(sql);
    }
    ReadConnection db(path);
    const Stats::CollectionStats s = Stats::collect(db, QDate(2025, 12, 9));

    ASSERT_FALSE(s.genres.isEmpty());
    // Drama in three spellings over two movies, counted once for Brazil; first spelling names it.
    EXPECT_EQ(s.genres.first().label, QStringLiteral("Drama"));
    EXPECT_EQ(s.genres.first().count, 2);
    EXPECT_EQ(s.genres.last().key, QString()); // the movies without genre come last
    EXPECT_EQ(s.genres.last().count, 2);
    QStringList decades;
    for (const Stats::Bucket &b : s.decades)
        decades << b.label + QLatin1Char('=') + QString::number(b.count);
    EXPECT_EQ(decades, (QStringList{QStringLiteral("1940s=1"), QStringLiteral("1980s=1"), QStringLiteral("1990s=1"),
                                    QStringLiteral("2000s=2"), QStringLiteral("=1")}));
    EXPECT_EQ(s.userRatings.value(0).count, 3); // not rated: NULL, 0 and the impossible -1
    EXPECT_EQ(s.userRatings.value(7).count, 2); // 7 and the impossible 12
    EXPECT_EQ(s.totals.discs, 2 + 1 + 1 + 1 + 1 + 3);
    EXPECT_EQ(s.totals.runningMinutes, 142 + 102 + 96);
    EXPECT_EQ(s.totals.withCovers, 2);
    EXPECT_EQ(s.totals.episodes, 2);
    // Ann has two loans out (in two spellings), Bob's loan came back.
    ASSERT_GE(s.borrowers.size(), 1);
    EXPECT_EQ(s.borrowers.first().label, QStringLiteral("Ann"));
    EXPECT_EQ(s.borrowers.first().count, 2);
    // Out longest first; a date with a time still counts; no date at all goes last.
    ASSERT_EQ(s.longestOut.size(), 4);
    EXPECT_EQ(s.longestOut[0].title, QStringLiteral("Heat"));
    EXPECT_EQ(s.longestOut[0].daysOut, QDate(2024, 12, 24).daysTo(QDate(2025, 12, 9)));
    EXPECT_EQ(s.longestOut[1].title, QStringLiteral("Casablanca"));
    EXPECT_EQ(s.longestOut[3].title, QStringLiteral("Up"));
    EXPECT_EQ(s.longestOut[3].daysOut, -1);
}

TEST(CollectionStats, ReleaseYears)
{
    const struct {
        const char *text;
        int year;
    } cases[] = {{"1999", 1999}, {" 1999", 1999}, {"1999-05-01", 1999}, {"1999 (US)", 1999}, {"", 0},
                 {"c. 1999", 0}, {"19999", 0}, {"999", 0}, {"0999", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(Stats::releaseYear(QString::fromLatin1(c.text)), c.year) << c.text;
}

// A reader that counts beside another program's open write transaction neither blocks it for
// long nor sees its unfinished rows.
TEST(CollectionStats, CountsBesideAnotherProgramsSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.cnlg"));
    ASSERT_TRUE(createCatalogue(path));
    Catalogue writer;
    ASSERT_TRUE(writer.open(path).opened());
    for (int i = 1; i <= 50; ++i)
        writer.exec(QStringLiteral("INSERT INTO Movies (Title, Genre1) VALUES (?, 'Drama')"), {QStringLiteral("M%1").arg(i)});
    ReadConnection db(path);
    writer.transaction([&] {
        writer.exec(QStringLiteral("INSERT INTO Movies (Title, Genre1) VALUES ('Unsaved', 'Drama')"));
        const Stats::CollectionStats s = Stats::collect(db, QDate(2025, 12, 9));
        EXPECT_EQ(s.totals.movies, 50);
    });
    EXPECT_EQ(Stats::collect(db, QDate(2025, 12, 9)).totals.movies, 51);
}

} // namespace

namespace {

QStringList flat(const Stats::CollectionStats &s)
{
    QStringList out;
    const Chart charts[] = {Chart::Genre, Chart::Decade, Chart::Medium, Chart::Format, Chart::UserRating, Chart::Borrower};
    for (Chart c : charts)
        for (const Stats::Bucket &b : s.buckets(c))
            out << QStringLiteral("%1|%2|%3|%4").arg(int(c)).arg(b.key, b.label).arg(b.count);
    const Stats::Totals &t = s.totals;
    out << QStringLiteral("%1 %2 %3 %4 %5 %6").arg(t.movies).arg(t.discs).arg(t.episodes).arg(t.runningMinutes)
               .arg(t.withCovers).arg(s.openLoans);
    for (const Stats::OpenLoan &l : s.longestOut)
        out << QStringLiteral("%1 %2 %3").arg(l.loanId).arg(l.title).arg(l.daysOut);
    return out;
}

} // namespace

// Several threads each count a range of IDs; added up they give exactly what one pass gives, and
// a group keeps the spelling of its lowest movie ID even when that lies in another range.
TEST(CollectionStats, CountingInRangesGivesTheSameAsOnePass)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.cnlg"));
    ASSERT_TRUE(createCatalogue(path));
    {
        Catalogue c;
        ASSERT_TRUE(c.open(path).opened());
        for (const QString &sql : Cases[2].setup)
            c.exec(sql);
        const char *const genres[] = {"drama", "Drama", "DRAMA", "Western", "western", nullptr};
        const char *const media[] = {"dvd", "DVD", "", "VHS"};
        for (int i = 0; i < 60; ++i)
            c.exec(QStringLiteral("INSERT INTO Movies (ID, Title, Genre1, Medium, ReleaseYear, UserRating, NumDiscs) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                   {100 + i * 1700, QStringLiteral("M%1").arg(i),
                    genres[i % 6] ? QVariant(QString::fromLatin1(genres[i % 6])) : QVariant(),
                    QString::fromLatin1(media[i % 4]), QString::number(1950 + i), i % 8, QString::number(i % 3)});
    }
    ReadConnection db(path);
    const QDate today(2025, 12, 9);
    const QStringList one = flat(Stats::collect(db, today));
    for (int threads : {2, 3, 7})
        EXPECT_EQ(flat(Stats::collect(path, today, nullptr, threads)), one) << threads << " threads";
    const Stats::CollectionStats s = Stats::collect(path, today, nullptr, 3);
    ASSERT_FALSE(s.genres.isEmpty());
    EXPECT_EQ(s.genres.first().label, QStringLiteral("Drama")); // Brazil (ID 10) spells it so
    EXPECT_EQ(s.totals.movies, 66);
}
