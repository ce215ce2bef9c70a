// The movie list on real catalogue files larger than one page of rows: texts read a page at a time,
// loan marks on rows far from the first page, column sorts done by the engine (case-blind, equal
// texts keeping their previous order, non-ASCII letters folded), and the rows changed in memory.

#include "Catalogue.h"
#include "TestCatalogue.h"
#include "GTestSupport.h"
#include "MovieListModel.h"
#include "MovieStore.h"
#include "MovieTextIndex.h"
#include "StoreTestSupport.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QSignalSpy>
#include <QSqlQuery>
#include <algorithm>
#include <random>
#include <sqlite3.h>
#include <string_view>

#include "SqliteFunctions.h"

namespace {

struct Fixture {
    GTestContext t;
    Catalogue catalogue;
    MovieListModel model;

    explicit Fixture(int movies)
    {
        QString path = t.path(QStringLiteral("list.cnlg"));
        createCatalogue(path);
        EXPECT_TRUE(catalogue.open(path).opened());
        catalogue.transaction([&] {
            for (int i = 1; i <= movies; ++i) {
                // Titles in mixed case with many equal ones; Order By in reverse of the ID.
                const QString title = (i % 2 ? QStringLiteral("title %1") : QStringLiteral("TITLE %1")).arg(i % 7);
                catalogue.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, Director, RunningTime, UserRating) "
                                              "VALUES (?, ?, ?, ?, ?, ?)"),
                               {i, title, QStringLiteral("%1").arg(100000 - i), i % 3 ? QVariant(QStringLiteral("Dir")) : QVariant(),
                                i % 5 ? QVariant(QString::number(80 + i % 50)) : QVariant(), i % 8});
            }
        });
    }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.text(r, c);
        return out;
    }
    QList<int> ids() const
    {
        QList<int> out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.movieId(r);
        return out;
    }
};

} // namespace

TEST(MovieListModel, readsRowsAPageAtATimeWithPaddedIdsAndLoans)
{
    const int n = 3 * MovieListModel::PageRows + 10;
    Fixture f(n);
    f.catalogue.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (5, 't', 'Zed', '2025-01-01')"));
    f.catalogue.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut, DateIn) VALUES (6, 't', 'Ann', '2025-01-01', '2025-02-01')"));
    f.model.fill(f.catalogue);
    ASSERT_EQ(f.model.rowCount(), n);
    EXPECT_EQ(f.model.cachedRows(), 0);
    // Order By descends with the ID: the last row is movie 1, so IDs pad to one digit.
    EXPECT_EQ(f.model.movieId(0), n);
    EXPECT_EQ(f.model.text(0, MovieListModel::ColID), QString::number(n));
    EXPECT_EQ(f.model.cachedRows(), MovieListModel::PageRows);
    const int row5 = f.model.rowOfMovie(5);
    EXPECT_EQ(row5, n - 5);
    EXPECT_TRUE(f.model.isLoaned(row5));
    EXPECT_FALSE(f.model.isLoaned(f.model.rowOfMovie(6)));
    EXPECT_EQ(f.model.data(f.model.index(row5, 2), Qt::ToolTipRole).toString(), QStringLiteral("Loaned To Zed"));
    // Red, readable on the list's background.
    const QColor loaned = f.model.data(f.model.index(row5, 0), Qt::ForegroundRole).value<QBrush>().color();
    EXPECT_EQ(loaned, MovieListModel::loanedColour());
    EXPECT_TRUE(loaned.red() >= 200 && loaned.green() == 0 && loaned.blue() == 0) << loaned.name().toStdString();
    EXPECT_EQ(f.model.text(f.model.rowOfMovie(10), MovieListModel::ColTime), QStringLiteral("NA"));
    EXPECT_EQ(f.model.text(f.model.rowOfMovie(11), MovieListModel::ColTime), QStringLiteral("91 min"));
    EXPECT_EQ(f.model.text(f.model.rowOfMovie(3), MovieListModel::ColDirector), QString());
    QAbstractItemModelTester tester(&f.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(f.column(MovieListModel::ColTitle).size(), n);
}

TEST(MovieListModel, sortsInTheEngineAsTextIgnoringCaseAndKeepsTiesInTheirOrder)
{
    const int n = 2 * MovieListModel::PageRows + 3;
    Fixture f(n);
    f.catalogue.exec(QStringLiteral("UPDATE Movies SET Title = 'éclair' WHERE ID = 1"));
    f.catalogue.exec(QStringLiteral("UPDATE Movies SET Title = 'ÉCLAIR' WHERE ID = 2"));
    f.model.fill(f.catalogue);
    QAbstractItemModelTester tester(&f.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QPersistentModelIndex kept = f.model.index(f.model.rowOfMovie(42), 3);

    // The reference: a stable sort of the current rows by their texts without regard to case.
    auto expected = [&](int column, Qt::SortOrder order) {
        QList<int> ids = f.ids();
        QStringList texts = f.column(column);
        QList<int> idx;
        for (int i = 0; i < ids.size(); ++i)
            idx << i;
        std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
            const int c = texts[a].compare(texts[b], Qt::CaseInsensitive);
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
        QList<int> out;
        for (int i : idx)
            out << ids[i];
        return out;
    };
    for (auto [column, order] : {std::pair{int(MovieListModel::ColTitle), Qt::AscendingOrder},
                                 std::pair{int(MovieListModel::ColDirector), Qt::DescendingOrder},
                                 std::pair{int(MovieListModel::ColTime), Qt::AscendingOrder},
                                 std::pair{int(MovieListModel::ColStars), Qt::DescendingOrder},
                                 std::pair{int(MovieListModel::ColID), Qt::AscendingOrder},
                                 std::pair{int(MovieListModel::ColTitle), Qt::DescendingOrder}}) {
        const QList<int> want = expected(column, order);
        f.model.sort(column, order);
        EXPECT_EQ(f.ids(), want) << "column " << column;
        EXPECT_EQ(kept.row(), f.model.rowOfMovie(42));
    }
}

TEST(MovieListModel, rowsChangedInMemoryKeepTheirTextsAndSortWithTheRest)
{
    Fixture f(MovieListModel::PageRows + 5);
    f.model.fill(f.catalogue);
    MovieStore store(f.catalogue);
    MovieRecord m;
    m.title = QStringLiteral("aaa first");
    m.orderBy = m.title;
    m.runningTime = QStringLiteral("120");
    m.userRating = 4;
    m.id = store.save(m);
    const int row = f.model.appendMovie(m);
    EXPECT_EQ(row, f.model.rowCount() - 1);
    EXPECT_EQ(f.model.text(row, MovieListModel::ColID), QString::number(m.id));
    EXPECT_EQ(f.model.text(row, MovieListModel::ColTime), QStringLiteral("120 min"));
    f.model.setStars(0, 7);
    EXPECT_EQ(f.model.text(0, MovieListModel::ColStars), QStringLiteral("7"));
    const int first = f.model.movieId(0);
    f.model.sort(MovieListModel::ColTitle, Qt::AscendingOrder);
    EXPECT_EQ(f.model.movieId(0), m.id);
    EXPECT_EQ(f.model.text(f.model.rowOfMovie(first), MovieListModel::ColStars), QStringLiteral("7"));
    f.model.removeMovieRow(0);
    EXPECT_EQ(f.model.rowOfMovie(m.id), -1);
    EXPECT_EQ(f.model.rowCount(), MovieListModel::PageRows + 5);
}

namespace {

// Movies with texts that a filter must find exactly: mixed case in several alphabets, the
// characters that are wildcards elsewhere, quotes, and many equal texts.
const char *const FilterTitles[] = {"The Night of the Hunter", "NIGHT ON EARTH", "Ωmega Night", "ωmega day", "Ärger im Paradies",
                                    "100% Wolf", "1000 Wolves", "A_B test", "It's \"quoted\"", "Léon", "LÉON: The Professional",
                                    "Zoë", "Night Moves", "a", "Ab", "Ὀδύσσεια"};
const char *const FilterDirectors[] = {"Charles Laughton", "Jim Jarmusch", "Ørsted Ωmega", "", "Åsa Öberg", "Alexs Stadermann"};

struct FilterFixture : Fixture {
    FilterFixture() : Fixture(0)
    {
        int i = 0;
        // Each title several times, with different directors and sort titles, in an order unlike the IDs'.
        catalogue.transaction([&] {
            for (int round = 0; round < 12; ++round)
                for (const char *title : FilterTitles) {
                    const QString director = QString::fromUtf8(FilterDirectors[i++ % std::size(FilterDirectors)]);
                    catalogue.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, Director, Genre1) VALUES (?, ?, ?, ?)"),
                                   {QString::fromUtf8(title), round % 3 ? QString::fromUtf8(title) : QStringLiteral("zz %1").arg(100 - round),
                                    director.isEmpty() ? QVariant() : QVariant(director),
                                    round % 2 ? QStringLiteral("Drama") : QStringLiteral("drama")});
                }
        });
    }
    // The reference: every movie of the unfiltered list whose folded title, sort title or director
    // (or, with cast, the name of one of its actors) contains every folded word, in the list's order.
    QList<int> plainScan(const QList<int> &all, const QString &text, bool cast = false)
    {
        const QStringList words = foldedText(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QList<int> out;
        for (int id : all) {
            QSqlQuery q = catalogue.exec(QStringLiteral("SELECT Title, OrderBy, Director FROM Movies WHERE ID = ?"), {id});
            if (!q.next())
                continue;
            QStringList texts = {foldedText(q.value(0).toString()), foldedText(q.value(1).toString()), foldedText(q.value(2).toString())};
            if (cast) {
                QSqlQuery a = catalogue.exec(QStringLiteral("SELECT a.Actor FROM MovActLink l JOIN Actors a ON a.ID = l.ActID WHERE l.MovID = ?"), {id});
                while (a.next())
                    texts << foldedText(a.value(0).toString());
            }
            bool all = true;
            for (const QString &w : words)
                all = all && std::any_of(texts.begin(), texts.end(), [&](const QString &t) { return t.contains(w); });
            if (all)
                out << id;
        }
        return out;
    }
};

} // namespace

TEST(MovieListModel, filterFindsWhatAPlainScanFindsInTheListsOrder)
{
    FilterFixture f;
    f.model.fill(f.catalogue);
    f.model.sort(MovieListModel::ColDirector, Qt::DescendingOrder);
    const QList<int> all = f.ids();
    QAbstractItemModelTester tester(&f.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const char *const texts[] = {
        "a", "Ω", "ö", "%", "_", "'", "\"", "ab",          // shorter than the index's pieces
        "night", "NIGHT the", "the night", "ωMEGA", "ÄRGER", "léon prof", "% wolf", "0%", "a_b", "_b t",
        "\"quoted\"", "it's", "on ni", "jarmusch night", "öberg ärger", "ὀδύσ", "zz 9",
        "ight ight", "night the of hunter charles", "moves night zz",
        "the night of the hunter is a film by charles laughton from 1955",   // longer than any title
        "nothing like this", "ωmega night ørsted",
    };
    for (const char *t : texts) {
        const QString text = QString::fromUtf8(t);
        const QList<int> want = f.plainScan(all, text);
        f.model.setTextFilter(text);
        if (f.model.filterPending()) {
            // The first rows at once, the rest after.
            EXPECT_EQ(f.ids(), want.mid(0, f.model.rowCount())) << t;
            f.model.finishFilter();
        }
        EXPECT_FALSE(f.model.filterPending());
        EXPECT_EQ(f.ids(), want) << t;
        EXPECT_TRUE(f.model.filterActive());
    }
    // A NUL typed or pasted into the box is a character like any other (the index cannot take it).
    const QString withNul = QStringLiteral("night") + QChar(0) + QStringLiteral(" the");
    f.model.setTextFilter(withNul);
    f.model.finishFilter();
    EXPECT_EQ(f.ids(), f.plainScan(all, withNul));
    f.model.setTextFilter(QStringLiteral("   "));
    EXPECT_FALSE(f.model.filterActive());
    EXPECT_EQ(f.ids(), all);
}

TEST(MovieListModel, filterWithTheCastFindsWhatAPlainScanOfTheActorsNamesFinds)
{
    FilterFixture f;
    const char *const actors[] = {"Robert Mitchum", "Shelley Winters", "Jean Reno", "Natalie Portman", "ΩMEGA Åkesson", "Lillian Gish"};
    f.catalogue.transaction([&] {
        for (const char *a : actors)
            f.catalogue.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {QString::fromUtf8(a)});
        // Most movies one or two actors, some none; an actor's links in no particular order.
        f.catalogue.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID) SELECT ID, 1 + ID % 6 FROM Movies WHERE ID % 4 <> 0"));
        f.catalogue.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID) SELECT ID, 1 + (ID * 7) % 6 FROM Movies WHERE ID % 3 = 0"));
    });
    // Renamed and removed actors count as they are now.
    f.catalogue.exec(QStringLiteral("UPDATE Actors SET Actor = ? WHERE Actor = ?"), {QStringLiteral("Jean Réno"), QStringLiteral("Jean Reno")});
    f.catalogue.exec(QStringLiteral("DELETE FROM Actors WHERE Actor = ?"), {QStringLiteral("Lillian Gish")});
    f.model.fill(f.catalogue);
    f.model.sort(MovieListModel::ColTitle, Qt::AscendingOrder);
    const QList<int> all = f.ids();
    f.model.setCastIncluded(true);
    const char *const texts[] = {
        "mitchum", "RÉNO", "reno", "gish", "ωmega", "åke", "night mitchum", "mitchum night", "portman léon", "winters ω",
        "el", "ab", "a", "ωm", "shelley winters", "robert night hunter", "mitchum portman", "obert itchu", "zz 9 winters",
    };
    for (const char *t : texts) {
        const QString text = QString::fromUtf8(t);
        const QList<int> want = f.plainScan(all, text, true);
        f.model.setTextFilter(text);
        if (f.model.filterPending()) {
            EXPECT_EQ(f.ids(), want.mid(0, f.model.rowCount())) << t;
            f.model.finishFilter();
        }
        EXPECT_EQ(f.ids(), want) << t;
    }
    // The cast alone finds something, and more than the texts: the case is not trivial.
    EXPECT_FALSE(f.plainScan(all, QStringLiteral("mitchum"), true).isEmpty());
    EXPECT_TRUE(f.plainScan(all, QStringLiteral("mitchum")).isEmpty());
    // Switched off, the filter in force drops the cast at once.
    f.model.setTextFilter(QStringLiteral("winters ω"));
    f.model.setCastIncluded(false);
    f.model.finishFilter();
    EXPECT_EQ(f.ids(), f.plainScan(all, QStringLiteral("winters ω")));
    EXPECT_TRUE(f.ids().isEmpty());
}

TEST(MovieListModel, filterKeepsOrderAndChangedRowsAndSortsWithinItself)
{
    FilterFixture f;
    f.model.fill(f.catalogue);
    f.model.setTextFilter(QStringLiteral("night"));
    const QList<int> night = f.ids();
    ASSERT_EQ(night.size(), 4 * 12);
    QSignalSpy finished(&f.model, &MovieListModel::filterFinished);

    // A movie saved so that it no longer matches stays until the filter is set again.
    MovieStore store(f.catalogue);
    MovieRecord m;
    m.id = night[3];
    m.title = m.orderBy = QStringLiteral("Day");
    store.save(m, MovieStore::SaveMode::Overwrite);
    f.model.updateMovie(3, m);
    f.model.sort(MovieListModel::ColTitle, Qt::AscendingOrder);
    EXPECT_EQ(f.model.movieId(0), m.id);
    EXPECT_EQ(f.model.rowCount(), night.size());
    f.model.setTextFilter(QStringLiteral("night"));
    EXPECT_EQ(f.model.rowCount(), night.size() - 1);
    EXPECT_EQ(f.model.rowOfMovie(m.id), -1);

    // A short text under a sort: the rows come in the sorted order too.
    f.model.clearFilter();
    const QList<int> sorted = f.ids();
    f.model.setTextFilter(QString::fromUtf8("ωm"));
    f.model.finishFilter();
    EXPECT_EQ(f.ids(), f.plainScan(sorted, QString::fromUtf8("ωm")));
    QStringList titles;
    for (int r = 0; r < f.model.rowCount(); ++r)
        titles << foldedText(f.model.text(r, MovieListModel::ColTitle));
    EXPECT_GT(titles.size(), 24);
    EXPECT_TRUE(std::is_sorted(titles.begin(), titles.end()));

    // A set of IDs from another window.
    f.model.setIdFilter({night[0], night[5], 999999});
    EXPECT_EQ(f.model.filterKind(), MovieListModel::FilterKind::Ids);
    const QList<int> picked = f.ids();
    EXPECT_EQ(QSet<int>(picked.begin(), picked.end()), (QSet<int>{night[0], night[5]}));
    f.model.clearFilter();
    EXPECT_EQ(f.model.rowCount(), f.model.unfilteredCount());
    EXPECT_GE(finished.size(), 4);
}

TEST(MovieListModel, filterFollowsChangesMadeWithoutTheListBeingTold)
{
    FilterFixture f;
    f.model.fill(f.catalogue);
    const QList<int> all = f.ids();
    const QStringList texts = {QStringLiteral("hunter"), QStringLiteral("quasimodo"), QStringLiteral("zz"), QStringLiteral("o"),
                               QStringLiteral("léon"), QStringLiteral("jarmusch day")};
    auto expectScan = [&](const char *when) {
        for (const QString &t : texts) {
            f.model.setTextFilter(t);
            f.model.finishFilter();
            EXPECT_EQ(f.ids(), f.plainScan(all, t)) << when << ": " << qPrintable(t);
        }
    };
    expectScan("as filled");
    f.model.setTextFilter(QStringLiteral("hunter"));
    const QList<int> hunters = f.ids();
    ASSERT_GE(hunters.size(), 7);

    // The program's own connection: a save, a delete, a rename undone by a rollback, all without a
    // word to the list.
    MovieStore store(f.catalogue);
    MovieRecord m;
    ASSERT_TRUE(store.load(hunters[0], m));
    m.title = QStringLiteral("Quasimodo");
    store.save(m, MovieStore::SaveMode::Overwrite);
    f.catalogue.exec(QStringLiteral("DELETE FROM Movies WHERE ID = ?"), {hunters[1]});
    EXPECT_THROW(f.catalogue.transaction([&] {
        f.catalogue.exec(QStringLiteral("UPDATE Movies SET Title = 'Quasimodo', TitleKey = 'quasimodo' WHERE ID = ?"), {hunters[2]});
        throw std::runtime_error("given up");
    }), std::runtime_error);
    expectScan("after the program's own changes");
    f.model.setTextFilter(QStringLiteral("quasimodo"));
    EXPECT_EQ(f.ids(), QList<int>{hunters[0]});

    // Another program: a rename with its key (as the program writes it), a delete, a movie added.
    {
        RawDb other(f.catalogue.path());
        ASSERT_EQ(other.tryExec("UPDATE Movies SET Title = ?, TitleKey = ? WHERE ID = ?",
                                {QStringLiteral("Quasimodo II"), QStringLiteral("quasimodo ii"), hunters[3]}), SQLITE_DONE);
        ASSERT_EQ(other.tryExec("DELETE FROM Movies WHERE ID = ?", {hunters[4]}), SQLITE_DONE);
        ASSERT_EQ(other.tryExec("INSERT INTO Movies (Title, TitleKey) VALUES ('Quasimodo III', 'quasimodo iii')"), SQLITE_DONE);
    }
    expectScan("after another program's changes");

    // The connection's watch taken away (as a table dropped and made again takes its triggers):
    // a change made after that is still found.
    f.catalogue.exec(QStringLiteral("DROP TRIGGER temp.FilterTexts_Update"));
    f.catalogue.exec(QStringLiteral("UPDATE Movies SET Title = 'Quasimodo V', TitleKey = 'quasimodo v' WHERE ID = ?"), {hunters[6]});
    expectScan("after the watch was lost");

    // More changes at once than are read again one by one: everything is read again.
    f.catalogue.transaction([&] {
        f.catalogue.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 25000) "
                                        "INSERT INTO Movies (Title, TitleKey) SELECT 'Filler', 'filler' FROM n"));
        f.catalogue.exec(QStringLiteral("UPDATE Movies SET Title = 'Quasimodo IV', TitleKey = 'quasimodo iv' WHERE ID = ?"), {hunters[5]});
    });
    expectScan("after a large import");

    // Another catalogue filled into the same list (its connection may reuse the first one's address).
    const QString second = f.t.path(QStringLiteral("second.cnlg"));
    createCatalogue(second);
    f.catalogue.close();
    ASSERT_TRUE(f.catalogue.open(second).opened());
    f.catalogue.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, TitleKey, OrderByKey) VALUES ('Hunter Elsewhere', 'Hunter Elsewhere', "
                                    "'hunter elsewhere', 'hunter elsewhere')"));
    f.model.fill(f.catalogue);
    f.model.setTextFilter(QStringLiteral("hunter"));
    ASSERT_EQ(f.model.rowCount(), 1);
    EXPECT_EQ(f.model.text(0, MovieListModel::ColTitle), QStringLiteral("Hunter Elsewhere"));
}

TEST(FilterTexts, findsTheSameMoviesLookingThroughThemInAnyNumberOfParts)
{
    FilterFixture f;
    // A movie replaced since the texts were read lies after the others, out of ID order.
    FilterTexts texts;
    sqlite3 *db = sqliteHandle(f.catalogue.MovieConn());
    texts.prepare(db);
    f.catalogue.exec(QStringLiteral("UPDATE Movies SET Title = 'Night Zero', TitleKey = 'night zero' WHERE ID = 1"));
    f.model.fill(f.catalogue);
    const QList<int> all = f.ids();
    for (const char *t : {"night", "o", "night the", "ωmega ørsted", "zz", "nothing like this", "night zero"}) {
        QList<int> want = f.plainScan(all, QString::fromUtf8(t));
        std::sort(want.begin(), want.end());
        for (int parts : {1, 2, 3, 7, 1000}) {
            const std::vector<int> found = texts.find(db, MovieTextIndex::words(QString::fromUtf8(t)), parts);
            QList<int> got(found.begin(), found.end());
            std::sort(got.begin(), got.end());
            EXPECT_EQ(got, want) << t << " in " << parts << " parts";
        }
    }
}

TEST(FilterTexts, findsBytesAsAPlainSearchDoesAtEveryPlace)
{
    // Haystacks and needles over a few letters, so that near misses are common, of every length
    // around the sixteen bytes compared at a time.
    std::mt19937 rng(7);
    const std::string letters("aab\1\0\xc3", 6);
    auto randomText = [&](size_t n) {
        std::string s;
        for (size_t i = 0; i < n; ++i)
            s.push_back(letters[rng() % letters.size()]);
        return s;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string hay = randomText(rng() % 70);
        const size_t k = 1 + rng() % 20;
        // Half the needles taken from the haystack, so that there is something to find.
        std::string needle = randomText(k);
        if (round % 2 && hay.size() >= k)
            needle = hay.substr(rng() % (hay.size() - k + 1), k);
        const size_t from = hay.empty() ? 0 : rng() % (hay.size() + 1);
        const char *hit = FilterTexts::findBytes(hay.data() + from, hay.data() + hay.size(), needle);
        const size_t want = std::string_view(hay).find(needle, from);
        ASSERT_EQ(hit - hay.data(), std::ptrdiff_t(want == std::string_view::npos ? hay.size() : want))
            << "round " << round << " needle length " << k << " haystack length " << hay.size() << " from " << from;
    }
}

TEST(MovieListModel, everyColumnSortsAlongItsIndexKeepingTiesInTheirOrder)
{
    FilterFixture f;
    // Columns without a key of their own: mixed case, non-ASCII and empty texts, numbers as text.
    f.catalogue.exec(QStringLiteral("UPDATE Movies SET Medium = CASE ID % 4 WHEN 0 THEN 'dvd' WHEN 1 THEN 'DVD' WHEN 2 THEN 'Ätherdisk' ELSE NULL END, "
                                    "Format = CASE ID % 3 WHEN 0 THEN 'Wide' WHEN 1 THEN '' ELSE 'wide' END, "
                                    "RunningTime = CASE ID % 5 WHEN 0 THEN NULL WHEN 1 THEN '9' WHEN 2 THEN '95' ELSE '100' END, "
                                    "URL = CASE ID % 3 WHEN 0 THEN 'http://' ELSE 'HTTP://B/' || (ID % 7) END, "
                                    "ReleaseYear = CASE ID % 6 WHEN 0 THEN NULL ELSE 1990 + ID % 4 END, UserRating = ID % 8, "
                                    // Mostly different texts, a few shared ones.
                                    "NumDiscs = CASE WHEN ID % 10 = 0 THEN 'Box' WHEN ID % 10 = 5 THEN 'box' ELSE 'disc ' || (300 - ID) END"));
    f.model.fill(f.catalogue);
    // A movie added since the fill shows its ID unpadded.
    MovieRecord added;
    added.title = added.orderBy = QStringLiteral("Added");
    added.id = MovieStore(f.catalogue).save(added);
    f.model.appendMovie(added);
    auto expected = [&](int column, Qt::SortOrder order) {
        const QList<int> ids = f.ids();
        QStringList texts;
        for (int r = 0; r < f.model.rowCount(); ++r)
            texts << foldedText(f.model.text(r, column));
        QList<int> idx;
        for (int i = 0; i < ids.size(); ++i)
            idx << i;
        std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
            return order == Qt::AscendingOrder ? texts[a] < texts[b] : texts[b] < texts[a];
        });
        QList<int> out;
        for (int i : idx)
            out << ids[i];
        return out;
    };
    // Each sort starts from the order the one before left, so ties show whether they kept it.
    for (int column = 0; column < MovieListModel::ColumnCount; ++column)
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            const QList<int> want = expected(column, order);
            f.model.sort(column, order);
            EXPECT_EQ(f.ids(), want) << "column " << column << " order " << order;
        }
}
