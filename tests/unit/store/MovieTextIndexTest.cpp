// The movies' text index: kept in step with every way a movie is written (the program's save,
// delete and copy, a stock SQLite tool with recursive triggers on or off, a REPLACE), built once by
// the version step with progress, and found by the quick filter's words and the search window.
#include "StoreTestSupport.h"

#include "CatalogueInternal.h"
#include "Migrations.h"
#include "MovieSearch.h"
#include "MovieStore.h"
#include "MovieTextIndex.h"
#include "SqliteFunctions.h"

#include <sqlite3.h>
#include <string_view>
#include <utility>

namespace {

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

// The IDs the index finds for a quick-filter text, in ID order.
QList<int> indexFinds(Catalogue &cat, const QString &text)
{
    QList<int> out;
    QSqlQuery q = cat.exec(QStringLiteral("SELECT rowid FROM MovieText WHERE MovieText MATCH ? ORDER BY rowid"),
                           {MovieTextIndex::matchExpression(MovieTextIndex::words(text))});
    while (q.next())
        out << q.value(0).toInt();
    return out;
}

int save(MovieStore &store, const QString &title, const QString &director, int id = 0)
{
    MovieRecord m;
    m.id = id;
    m.title = m.orderBy = title;
    m.director = director;
    return store.save(m, MovieStore::SaveMode::Overwrite);
}

// Counts the entries written into the index on a connection (every rewrite of a movie's entry adds
// one row to the index's own copy of the texts), through a trigger in the connection's temporary
// schema.
class EntryWrites
{
public:
    explicit EntryWrites(Catalogue &cat) : m_cat(cat)
    {
        cat.exec(QStringLiteral("CREATE TEMP TABLE EntryWritten (id INTEGER)"));
        cat.exec(QStringLiteral("CREATE TEMP TRIGGER EntryWrites AFTER INSERT ON main.MovieText_content "
                                "BEGIN INSERT INTO EntryWritten VALUES (new.id); END"));
    }
    // The entries written since the last call.
    int take()
    {
        const int n = m_cat.scalar(QStringLiteral("SELECT count(*) FROM EntryWritten")).toInt();
        m_cat.exec(QStringLiteral("DELETE FROM EntryWritten"));
        return n;
    }

private:
    Catalogue &m_cat;
};

} // namespace

TEST_F(StoreTest, OneSaveWritesTheMoviesEntryOnce)
{
    const QString path = opened();
    {
        // A catalogue whose key triggers cleared a key also when the statement wrote a new one.
        cat.close();
        RawDb old(path);
        struct Key {
            const char *table, *column, *key;
        };
        for (const Key &k : {Key{"Movies", "Title", "TitleKey"}, Key{"Movies", "OrderBy", "OrderByKey"}, Key{"Movies", "Director", "DirectorKey"}}) {
            const std::string drop = std::string("DROP TRIGGER trgClear") + k.table + k.key;
            old.exec(QString::fromStdString(drop));
            const std::string create = std::string("CREATE TRIGGER trgClear") + k.table + k.key + " AFTER UPDATE OF " + k.column + " ON "
                + k.table + " WHEN new." + k.column + " IS NOT old." + k.column + " COLLATE BINARY BEGIN UPDATE " + k.table + " SET "
                + k.key + " = NULL WHERE rowid = new.rowid; END";
            old.exec(QString::fromStdString(create));
        }
        old.exec("PRAGMA user_version = 7");
    }
    ASSERT_TRUE(cat.open(path).opened());
    MovieStore store(cat);
    EntryWrites writes(cat);
    MovieRecord m;
    m.title = m.orderBy = u("Das Boot");
    m.director = u("Wolfgang Petersen");
    m.id = store.save(m, MovieStore::SaveMode::Overwrite);
    EXPECT_EQ(writes.take(), 1) << "a new movie";

    struct Edit {
        const char *what;
        std::function<void(MovieRecord &)> change;
        int entryWrites;
    };
    for (const Edit &e : {Edit{"title", [](MovieRecord &r) { r.title = u("Das Boot (Director's Cut)"); }, 1},
                          Edit{"title, sort key and director", [](MovieRecord &r) {
                                   r.title = r.orderBy = u("Boot, Das");
                                   r.director = u("W. PETERSEN");
                               }, 1},
                          Edit{"nothing the index holds", [](MovieRecord &r) { r.genre1 = u("War"); }, 0},
                          // The key stays as it was: it is cleared and filled again, not counted here.
                          Edit{"the letter case alone", [](MovieRecord &r) { r.title = u("BOOT, DAS"); }, -1}}) {
        e.change(m);
        store.save(m, MovieStore::SaveMode::Overwrite);
        const int runs = writes.take();
        if (e.entryWrites >= 0) {
            EXPECT_EQ(runs, e.entryWrites) << e.what;
        }
        EXPECT_EQ(MovieTextIndex::outOfStep(cat.MovieConn()), 0) << e.what;
        writes.take();
    }
    EXPECT_EQ(indexFinds(cat, u("boot petersen")), QList<int>{m.id});
    const int copy = store.copy(m.id);
    EXPECT_EQ(writes.take(), 1) << "a copy";
    EXPECT_EQ(indexFinds(cat, u("boot petersen")), (QList<int>{m.id, copy}));
    cat.close();

    // A stock tool that writes every column of the row, the key as it was, still has the key cleared.
    {
        RawDb stock(path);
        ASSERT_EQ(stock.tryExec("UPDATE Movies SET Title = ?, TitleKey = TitleKey WHERE ID = ?", {u("Unterseeboot"), m.id}), SQLITE_DONE);
        EXPECT_EQ(stock.value("SELECT count(*) FROM Movies WHERE ID = ? AND TitleKey IS NULL", {m.id}), "1");
    }
    ASSERT_TRUE(cat.open(path).opened());
    EXPECT_EQ(indexFinds(cat, u("unterseeboot")), QList<int>{m.id});
    EXPECT_EQ(MovieTextIndex::outOfStep(cat.MovieConn()), 0);
}

TEST_F(StoreTest, TextIndexFollowsSaveDeleteAndCopy)
{
    opened();
    MovieStore store(cat);
    const int ark = save(store, u("Raiders of the Lost Ark"), u("Steven Spielberg"));
    const int amelie = save(store, u("Le Fabuleux Destin d'Amélie Poulain"), u("Jean-Pierre Jeunet"));
    EXPECT_EQ(MovieTextIndex::outOfStep(cat.MovieConn()), 0);
    EXPECT_EQ(indexFinds(cat, u("LOST spielberg")), QList<int>{ark});
    EXPECT_EQ(indexFinds(cat, u("AMÉLIE")), QList<int>{amelie});

    save(store, u("Raiders of the Found Ark"), u("Steven Spielberg"), ark);
    EXPECT_TRUE(indexFinds(cat, u("lost")).isEmpty());
    EXPECT_EQ(indexFinds(cat, u("found")), QList<int>{ark});

    const int copy = store.copy(amelie);
    EXPECT_EQ(indexFinds(cat, u("amélie")), (QList<int>{amelie, copy}));
    store.remove(amelie);
    EXPECT_EQ(indexFinds(cat, u("amélie")), QList<int>{copy});
    EXPECT_EQ(MovieTextIndex::outOfStep(cat.MovieConn()), 0);
}

TEST_F(StoreTest, TextIndexStaysInStepWithStockToolsAndIsRightAfterReopening)
{
    const QString path = opened();
    MovieStore store(cat);
    const int kept = save(store, u("Kept As It Was"), u("Some One"));
    const int renamed = save(store, u("Old Name"), u("Some One"));
    const int gone = save(store, u("Going Away"), u("Some One"));
    const int replaced = save(store, u("Replaced Whole"), u("Some One"));
    cat.close();
    for (const bool recursive : {false, true}) {
        RawDb stock(path);
        stock.exec(recursive ? "PRAGMA recursive_triggers = ON" : "PRAGMA recursive_triggers = OFF");
        if (!recursive) {
            ASSERT_EQ(stock.tryExec("UPDATE Movies SET Title = ?, OrderBy = ? WHERE ID = ?", {u("ÜBERALL Neu"), u("ÜBERALL Neu"), renamed}), SQLITE_DONE);
            ASSERT_EQ(stock.tryExec("DELETE FROM Movies WHERE ID = ?", {gone}), SQLITE_DONE);
            ASSERT_EQ(stock.tryExec("INSERT INTO Movies (Title, OrderBy, Director) VALUES (?, ?, ?)", {u("Straße der Ölsardinen"), u("Straße der Ölsardinen"), u("Ödön")}), SQLITE_DONE);
        }
        // A REPLACE removes the old row; with recursive triggers off the engine runs no delete trigger.
        ASSERT_EQ(stock.tryExec("INSERT OR REPLACE INTO Movies (ID, Title, OrderBy, TitleKey, OrderByKey) VALUES (?, ?, ?, ?, ?)",
                                {replaced, recursive ? u("Second Replacement") : u("First Replacement"),
                                 u("x"), recursive ? u("second replacement") : u("first replacement"), u("x")}),
                  SQLITE_DONE);
        EXPECT_EQ(stock.value("PRAGMA integrity_check"), "ok");
        EXPECT_EQ(stock.value("SELECT count(*) FROM MovieText WHERE MovieText MATCH '\"whole\"'"), "0");
        stock.exec("INSERT INTO MovieText (MovieText) VALUES ('integrity-check')");
    }

    // The renamed and added movies' keys are filled on open, and their entries with them.
    ASSERT_TRUE(cat.open(path).opened());
    EXPECT_EQ(MovieTextIndex::outOfStep(cat.MovieConn()), 0);
    EXPECT_EQ(indexFinds(cat, u("überall")), QList<int>{renamed});
    EXPECT_TRUE(indexFinds(cat, u("old name")).isEmpty());
    EXPECT_TRUE(indexFinds(cat, u("going")).isEmpty());
    EXPECT_EQ(indexFinds(cat, u("straße ödön")).size(), 1);
    EXPECT_EQ(indexFinds(cat, u("replacement")), QList<int>{replaced});
    EXPECT_EQ(indexFinds(cat, u("second")), QList<int>{replaced});
    EXPECT_EQ(indexFinds(cat, u("kept")), QList<int>{kept});
}

TEST_F(StoreTest, VersionStepBuildsTheTextIndexOnceWithProgress)
{
    const QString path = opened();
    MovieStore store(cat);
    for (int i = 0; i < 120; ++i)
        save(store, QStringLiteral("Movie %1").arg(i), i % 2 ? u("Ann Berg") : u("Ole Hansen"));
    cat.close();
    {
        // A catalogue from before the index.
        RawDb old(path);
        old.exec("DROP TABLE MovieText; DROP TRIGGER IF EXISTS MovieText_Insert; DROP TRIGGER IF EXISTS MovieText_Update; "
                 "DROP TRIGGER IF EXISTS MovieText_Delete; DROP INDEX idxMoviesByGenre1; PRAGMA user_version = 4");
    }
    QStringList said;
    OpenOptions options;
    options.status = [&](const QString &s) { said << s; };
    ASSERT_TRUE(cat.open(path, options).opened());
    EXPECT_GE(Migrations::versionOf(cat.MovieConn()), 6);
    EXPECT_TRUE(said.join(QLatin1Char('\n')).contains(QStringLiteral("quick filtering"))) << said.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(MovieTextIndex::outOfStep(cat.MovieConn()), 0);
    EXPECT_EQ(indexFinds(cat, u("berg")).size(), 60);
    EXPECT_EQ(cat.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'idxMoviesByGenre1'")).toInt(), 1);
    cat.close();

    // Opened again, nothing is written.
    const QByteArray before = fileBytes(path);
    said.clear();
    ASSERT_TRUE(cat.open(path, options).opened());
    cat.close();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(said.join(QLatin1Char('\n')).contains(QStringLiteral("quick filtering")));
}

TEST_F(StoreTest, SearchWindowContainmentThroughTheIndexKeepsItsWildcards)
{
    opened();
    MovieStore store(cat);
    save(store, u("100% Wolf"), u("Alexs Stadermann"));
    save(store, u("1000 Wolves"), u("Ann_Berg"));
    save(store, u("ÉCOLE [des] *Stars*?"), u("Zoë Kravitz"));
    save(store, u("Ab"), u("Q"));
    save(store, u("It's \"Quoted\""), u("Q"));
    auto titles = [&](const QString &title, const QString &director = QString()) {
        SearchCriteria c;
        c.title = title;
        c.director = director;
        QStringList out;
        for (const FoundMovie &f : MovieSearch(cat).search(c))
            out << f.text[FoundMovie::Title];
        out.sort();
        return out;
    };
    struct Case {
        const char *title, *director;
        QStringList want;
    } cases[] = {
        {"wol", "", {u("100% Wolf"), u("1000 Wolves")}},
        {"00%wol", "", {u("100% Wolf"), u("1000 Wolves")}}, // % stays a wildcard
        {"0_ w", "", {u("100% Wolf"), u("1000 Wolves")}},   // so does _
        {"école [DES] *st", "", {u("ÉCOLE [des] *Stars*?")}}, // GLOB's own characters are plain
        {"rs*?", "", {u("ÉCOLE [des] *Stars*?")}},
        {"s?", "", {}},
        {"b", "", {u("Ab")}},
        {"", "n_b", {u("1000 Wolves")}},
        {"", "ZOË", {u("ÉCOLE [des] *Stars*?")}},
        {"wolf", "stader", {u("100% Wolf")}},
        {"'s \"quo", "", {u("It's \"Quoted\"")}},
        {"d\"", "", {u("It's \"Quoted\"")}},
        {"éc", "", {u("ÉCOLE [des] *Stars*?")}},   // two letters in three bytes
        {"%ÉC%", "", {u("ÉCOLE [des] *Stars*?")}},
        {"", "oë", {u("ÉCOLE [des] *Stars*?")}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(titles(u(c.title), u(c.director)), c.want) << c.title << " / " << c.director;
}

TEST_F(StoreTest, ActorIndexIsBuiltByItsVersionStepAndFollowsEveryWriter)
{
    const QString path = opened();
    auto actorFinds = [&](const char *text) {
        QList<int> out;
        QSqlQuery q = cat.exec(QStringLiteral("SELECT rowid FROM ActorText WHERE ActorText MATCH ? ORDER BY rowid"),
                               {MovieTextIndex::matchExpression(MovieTextIndex::words(u(text)))});
        while (q.next())
            out << q.value(0).toInt();
        return out;
    };
    for (const char *a : {"Max von Sydow", "Liv Ullmann", "Bibi Andersson"})
        cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {u(a)});
    cat.close();
    {
        // A catalogue from before the actors' index.
        RawDb old(path);
        old.exec("DROP TABLE ActorText; DROP TRIGGER ActorText_Insert; DROP TRIGGER ActorText_Update; DROP TRIGGER ActorText_Delete; "
                 "DROP INDEX idxMovActLinkActID; CREATE INDEX idxMovActLinkActID ON MovActLink (ActID); PRAGMA user_version = 8");
    }
    QStringList said;
    OpenOptions options;
    options.status = [&](const QString &s) { said << s; };
    ASSERT_TRUE(cat.open(path, options).opened());
    EXPECT_TRUE(said.join(QLatin1Char('\n')).contains(QStringLiteral("actors"))) << said.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(MovieTextIndex::actorIndexPresent(cat.MovieConn()));
    EXPECT_EQ(MovieTextIndex::actorsOutOfStep(cat.MovieConn()), 0);
    EXPECT_EQ(actorFinds("SYDOW").size(), 1);
    // An actor's movies are read from the links' index alone.
    QStringList plan;
    for (QSqlQuery q = cat.exec(QStringLiteral("EXPLAIN QUERY PLAN SELECT MovID FROM MovActLink WHERE ActID = 1")); q.next();)
        plan << q.value(3).toString();
    EXPECT_TRUE(plan.join(QLatin1Char(' ')).contains(QStringLiteral("COVERING INDEX idxMovActLinkActID"))) << plan.join(QLatin1Char(' ')).toStdString();

    // The program's writes.
    cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {u("Gunnar Björnstrand")});
    cat.exec(QStringLiteral("UPDATE Actors SET Actor = ? WHERE Actor = ?"), {u("Bibi ANDERSSON-Öst"), u("Bibi Andersson")});
    cat.exec(QStringLiteral("DELETE FROM Actors WHERE Actor = ?"), {u("Liv Ullmann")});
    EXPECT_EQ(MovieTextIndex::actorsOutOfStep(cat.MovieConn()), 0);
    EXPECT_EQ(actorFinds("björn").size(), 1);
    EXPECT_EQ(actorFinds("sson-ö").size(), 1);
    EXPECT_TRUE(actorFinds("ullmann").isEmpty());
    cat.close();

    // A stock tool's: the renamed actor's key is cleared (and its entry with it) until the next open.
    {
        RawDb stock(path);
        ASSERT_EQ(stock.tryExec("UPDATE Actors SET Actor = ? WHERE Actor = ?", {u("Max von SYDOW Jr"), u("Max von Sydow")}), SQLITE_DONE);
        ASSERT_EQ(stock.tryExec("INSERT INTO Actors (Actor) VALUES (?)", {u("Ingrid Thulin")}), SQLITE_DONE);
        EXPECT_EQ(stock.value("SELECT count(*) FROM ActorText WHERE ActorText MATCH '\"sydow\"'"), "0");
        stock.exec("INSERT INTO ActorText (ActorText) VALUES ('integrity-check')");
    }
    ASSERT_TRUE(cat.open(path).opened());
    EXPECT_EQ(MovieTextIndex::actorsOutOfStep(cat.MovieConn()), 0);
    EXPECT_EQ(actorFinds("von sydow").size(), 1);
    EXPECT_EQ(cat.scalar(QStringLiteral("SELECT ActorKey FROM ActorText WHERE ActorText MATCH '\"sydow\"'")).toString(), u("max von sydow jr"));
    EXPECT_EQ(actorFinds("thulin").size(), 1);
}
