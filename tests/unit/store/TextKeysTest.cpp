// A catalogue is an SQLite file that other tools open too: the stock library (nothing of the
// program's registered) must find its indexes whole and its rows by their texts, and what such a
// tool writes must read correctly in the program afterwards.
#include "StoreTestSupport.h"

#include "CatalogueFile.h"
#include "CatalogueInternal.h"
#include "Migrations.h"
#include "MovieListModel.h"
#include "MovieSearch.h"
#include "MovieStore.h"
#include "SqliteFunctions.h"

#include <sqlite3.h>

namespace {

const char *const Titles[] = {"Éa", "éb", "Éc", "ärger", "ÄRGER im Paradies", "Ωmega", "ωmega Zwei", "Straße",
                              "Ἀχιλλεύς", "Zoë", "ZOË II", "Ørkenen", "øya", "Ünal", "apple", "Banana"};
const char *const Directors[] = {"Åsa Öberg", "åsa öberg", "Jürgen Ďurica", "Ἀλέξανδρος", "Chloé Zhao"};
const char *const Actors[] = {"Zoë Kravitz", "ZOË KRAVITZ", "Élan Ørsted", "élan ørsted", "Ἀχιλλεύς", "Ümit Şahin"};

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

int countOf(RawDb &raw, const QString &sql, const QString &value)
{
    return raw.value(sql, {value}).toInt();
}

// Every text equality on the display columns, counted by the stock library, against how many rows
// hold exactly that text.
void expectStockFindsEveryRow(RawDb &raw, const char *table, const char *column)
{
    // sql-identifiers: fixed table and column names of the test
    const QList<QStringList> rows = raw.rows(QStringLiteral("SELECT %2, COUNT(*) FROM %1 WHERE %2 IS NOT NULL GROUP BY %2 COLLATE BINARY")
                                                 .arg(QLatin1String(table), QLatin1String(column)));
    EXPECT_FALSE(rows.isEmpty()) << table;
    for (const QStringList &r : rows) {
        // Stock NOCASE folds ASCII letters only: the rows it counts as equal hold the same text up to
        // ASCII case, which the file's texts here do not differ by.
        EXPECT_EQ(countOf(raw, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(QLatin1String(table), QLatin1String(column)), r[0]),
                  r[1].toInt())
            << table << "." << column << " = " << r[0].toStdString();
        EXPECT_EQ(countOf(raw, QStringLiteral("SELECT COUNT(*) FROM %1 NOT INDEXED WHERE %2 = ?").arg(QLatin1String(table), QLatin1String(column)), r[0]),
                  r[1].toInt())
            << table << "." << column;
    }
}

QStringList columnOfModel(const MovieListModel &m, int column)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.text(r, column);
    return out;
}

QStringList foundTitles(Catalogue &cat, SearchCriteria c)
{
    QStringList out;
    for (const FoundMovie &f : MovieSearch(cat).search(c))
        out << f.text[FoundMovie::Title];
    return out;
}

SearchCriteria byTitle(const QString &t)
{
    SearchCriteria c;
    c.title = t;
    return c;
}

TEST_F(StoreTest, WhatTheStoreWritesReadsWholeInTheStockLibrary)
{
    const QString path = opened();
    MovieStore store(cat);
    int n = 0;
    for (const char *title : Titles) {
        MovieRecord m;
        m.title = u(title);
        m.orderBy = u(title);
        m.director = u(Directors[n % std::size(Directors)]);
        const int id = store.save(m);
        store.ensureDirector(m.director);
        bool updated = false;
        store.addOrUpdateCast(id, u(Actors[n % std::size(Actors)]), QString(), updated);
        store.addOrUpdateCast(id, u(Actors[(n + 3) % std::size(Actors)]), QString(), updated);
        ++n;
    }
    // A rename through the program keys the new text at once, also when only letter case changes.
    MovieRecord renamed;
    ASSERT_TRUE(store.load(1, renamed));
    renamed.title = u("ÉA");
    store.save(renamed);
    EXPECT_EQ(foundTitles(cat, byTitle(u("éa"))), QStringList{u("ÉA")});
    cat.close();

    RawDb raw(path, false, true);
    EXPECT_EQ(raw.value("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(raw.value("SELECT COUNT(*) FROM Movies"), QString::number(std::size(Titles)));
    expectStockFindsEveryRow(raw, "Movies", "Title");
    expectStockFindsEveryRow(raw, "Movies", "OrderBy");
    expectStockFindsEveryRow(raw, "Movies", "Director");
    expectStockFindsEveryRow(raw, "Directors", "Director");
    expectStockFindsEveryRow(raw, "Actors", "Actor");
    EXPECT_EQ(countOf(raw, "SELECT COUNT(*) FROM Movies WHERE Title = ?", u("Éc")), 1);
    // The program's keys: names that differ in letter case alone share one.
    EXPECT_EQ(raw.value("SELECT COUNT(*) FROM Actors"), "4");
    EXPECT_EQ(raw.value("SELECT COUNT(*) FROM Movies WHERE TitleKey IS NULL OR OrderByKey IS NULL OR DirectorKey IS NULL"), "0");
    EXPECT_EQ(raw.value("SELECT TitleKey FROM Movies WHERE Title = ?", {u("ÄRGER im Paradies")}), u("ärger im paradies"));
    // Nothing in the file names a function or collation the stock library lacks.
    EXPECT_EQ(raw.value("SELECT COUNT(*) FROM sqlite_master WHERE sql LIKE '%cinelog%'"), "0");
}

// Indexes built with the old replacement of NOCASE, in the order only the program knew.
int oldNoCase(void *, int lenA, const void *a, int lenB, const void *b)
{
    return compareNoCase(static_cast<const char *>(a), lenA, static_cast<const char *>(b), lenB);
}

TEST_F(StoreTest, ACatalogueWrittenTheOldWayIsMigratedWhole)
{
    const QString path = t.path(QStringLiteral("old.cnlg"));
    CatalogueFile::create(path);
    {
        // The layout as it was before the keys: the layout check alone, at the base version.
        catalogue_detail::ConnectionGuard guard(catalogue_detail::newConnectionName("old-layout"));
        QSqlDatabase db = CatalogueFile::openConnection(path, guard.name());
        Migrations::bringUpToDate(db, {}, {Migrations::ladder().front()});
    }
    {
        RawDb old(path);
        ASSERT_EQ(sqlite3_create_collation_v2(old.handle(), "NOCASE", SQLITE_UTF8, nullptr, oldNoCase, nullptr), SQLITE_OK);
        old.exec("CREATE INDEX idxMoviesOrderBy ON Movies (OrderBy); CREATE INDEX idxMoviesTitle ON Movies (Title); "
                 "CREATE INDEX idxMoviesDirector ON Movies (Director); CREATE INDEX idxActorsActor ON Actors (Actor); "
                 "CREATE INDEX idxDirectorsDirector ON Directors (Director)");
        int n = 0;
        for (const char *title : Titles) {
            const QString d = u(Directors[n % std::size(Directors)]);
            ASSERT_EQ(old.tryExec("INSERT INTO Movies (Title, OrderBy, Director) VALUES (?, ?, ?)", {u(title), u(title), d}), SQLITE_DONE);
            ++n;
        }
        for (const char *a : Actors)
            ASSERT_EQ(old.tryExec("INSERT INTO Actors (Actor) VALUES (?)", {u(a)}), SQLITE_DONE);
        for (const char *d : Directors)
            ASSERT_EQ(old.tryExec("INSERT INTO Directors (Director) VALUES (?)", {u(d)}), SQLITE_DONE);
        EXPECT_EQ(old.value("PRAGMA user_version"), QString::number(Migrations::BaseVersion));
    }
    {
        // What the stock library made of such a file.
        RawDb stock(path, false, true);
        EXPECT_NE(stock.value("PRAGMA integrity_check"), "ok");
    }

    QStringList statuses;
    OpenOptions options;
    options.status = [&statuses](const QString &s) { statuses << s; };
    ASSERT_TRUE(cat.open(path, options).opened());
    EXPECT_FALSE(statuses.isEmpty());
    SearchCriteria c;
    c.director = u("åsa öberg");
    c.exactMatch = true;
    EXPECT_EQ(MovieSearch(cat).search(c).size(), 7);
    EXPECT_EQ(MovieStore(cat).actors().size(), int(std::size(Actors)));
    cat.close();

    RawDb stock(path, false, true);
    EXPECT_EQ(stock.value("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(stock.value("PRAGMA user_version"), QString::number(Migrations::latestVersion()));
    EXPECT_EQ(stock.value("SELECT COUNT(*) FROM Movies"), QString::number(std::size(Titles)));
    EXPECT_EQ(stock.value("SELECT COUNT(*) FROM Actors"), QString::number(std::size(Actors)));
    EXPECT_EQ(stock.value("SELECT COUNT(*) FROM Directors"), QString::number(std::size(Directors)));
    EXPECT_EQ(stock.value("SELECT COUNT(*) FROM sqlite_master WHERE name IN ('idxMoviesOrderBy', 'idxMoviesTitle', "
                          "'idxMoviesDirector', 'idxActorsActor', 'idxDirectorsDirector')"), "0");
    EXPECT_EQ(stock.value("SELECT COUNT(*) FROM Movies WHERE TitleKey IS NULL OR OrderByKey IS NULL OR DirectorKey IS NULL"), "0");
    expectStockFindsEveryRow(stock, "Movies", "Title");
    expectStockFindsEveryRow(stock, "Actors", "Actor");
    for (const char *title : Titles)
        EXPECT_EQ(countOf(stock, "SELECT COUNT(*) FROM Movies WHERE Title = ?", u(title)), 1) << title;
}

TEST_F(StoreTest, RowsAddedAndRenamedByAStockConnectionShowInTheProgram)
{
    const QString path = opened();
    MovieStore store(cat);
    for (const char *title : {"Alpha", "beta", "Gamma"}) {
        MovieRecord m;
        m.title = m.orderBy = u(title);
        m.director = u("Some One");
        store.save(m);
    }
    cat.close();
    {
        // Debian's library has recursive triggers on; the file's triggers must not run away with it.
        RawDb stock(path);
        stock.exec("PRAGMA recursive_triggers = ON");
        ASSERT_EQ(stock.tryExec("INSERT INTO Movies (Title, OrderBy, Director) VALUES (?, ?, ?)",
                                {u("ÄRGER im Paradies"), u("ÄRGER im Paradies"), u("Ödön Horváth")}),
                  SQLITE_DONE);
        ASSERT_EQ(stock.tryExec("UPDATE Movies SET Title = ?, OrderBy = ? WHERE Title = 'Alpha'", {u("Éclair"), u("Éclair")}), SQLITE_DONE);
        // Letter case alone.
        ASSERT_EQ(stock.tryExec("UPDATE Movies SET Title = 'BETA', OrderBy = 'BETA' WHERE Title = 'beta'"), SQLITE_DONE);
        ASSERT_EQ(stock.tryExec("INSERT INTO Actors (Actor) VALUES (?)", {u("Åsa Öberg")}), SQLITE_DONE);
        stock.exec("INSERT INTO MovActLink (MovID, ActID) SELECT m.ID, a.ID FROM Movies m, Actors a WHERE m.Director <> 'Some One'");
        ASSERT_EQ(stock.tryExec("INSERT INTO Genres (Genre) VALUES (?)", {u("Épouvante")}), SQLITE_DONE);
        // The renamed rows' keys wait for the program; the others stay.
        EXPECT_EQ(stock.value("SELECT COUNT(*) FROM Movies WHERE TitleKey IS NULL"), "3");
        EXPECT_EQ(stock.value("SELECT TitleKey FROM Movies WHERE Title = 'Gamma'"), "gamma");
        EXPECT_EQ(stock.value("PRAGMA integrity_check"), "ok");
    }

    ASSERT_TRUE(cat.open(path).opened());
    EXPECT_EQ(foundTitles(cat, byTitle(u("ärger"))), QStringList{u("ÄRGER im Paradies")});
    EXPECT_EQ(foundTitles(cat, byTitle(u("ÉCLAIR"))), QStringList{u("Éclair")});
    EXPECT_TRUE(foundTitles(cat, byTitle(u("alpha"))).isEmpty());
    EXPECT_EQ(foundTitles(cat, byTitle(u("beta"))), QStringList{u("BETA")});
    SearchCriteria byDirector;
    byDirector.director = u("ÖDÖN HORVÁTH");
    byDirector.exactMatch = true;
    EXPECT_EQ(foundTitles(cat, byDirector), QStringList{u("ÄRGER im Paradies")});
    SearchCriteria byActor;
    byActor.actor = u("åsa öberg");
    EXPECT_EQ(foundTitles(cat, byActor), QStringList{u("ÄRGER im Paradies")});
    EXPECT_TRUE(MovieSearch(cat).genres().contains(u("Épouvante")));
    EXPECT_FALSE(MovieStore(cat).ensureGenre(u("ÉPOUVANTE")));

    // The list in Order By order, then sorted by title both ways: case-blind, for every alphabet.
    MovieListModel list;
    list.fill(cat);
    // Folded code points: a-z before the accented letters.
    EXPECT_EQ(columnOfModel(list, MovieListModel::ColTitle), QStringList({u("BETA"), u("Gamma"), u("ÄRGER im Paradies"), u("Éclair")}));
    list.sort(MovieListModel::ColTitle, Qt::DescendingOrder);
    EXPECT_EQ(columnOfModel(list, MovieListModel::ColTitle), QStringList({u("Éclair"), u("ÄRGER im Paradies"), u("Gamma"), u("BETA")}));
    cat.close();
    EXPECT_EQ(RawDb(path, false, true).value("PRAGMA integrity_check"), "ok");
}

} // namespace
