// A damaged catalogue: once the engine finds the file malformed, the catalogue is open for reading
// only and nothing more is written into the damaged file.

#include "Catalogue.h"
#include "CatalogueSession.h"
#include "CatalogueWatch.h"
#include "GTestSupport.h"
#include "MovieStore.h"
#include "MovieTextIndex.h"
#include "TestCatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <map>
#include <sqlite3.h>

namespace {

int rootPageOf(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *st = nullptr;
    int page = 0;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        page = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return page;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Damage {
    const char *name;
    // Which page to spoil (its root page, found by this query), or none for a cut-off tail.
    const char *rootPageQuery;
};

class DamagedCatalogue : public ::testing::TestWithParam<Damage>
{
protected:
    GTestContext t;
};

TEST_P(DamagedCatalogue, GoesReadOnlyAndTheFileStaysAsItWas)
{
    const QString path = t.path(QStringLiteral("damaged.cnlg"));
    ASSERT_TRUE(createCatalogue(path));
    {
        Catalogue cat;
        ASSERT_TRUE(cat.open(path).opened());
        cat.transaction([&] {
            for (int i = 0; i < 3000; ++i)
                cat.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, Director) VALUES (?, ?, 'Someone')"),
                         {QStringLiteral("Movie number %1 with a longer title").arg(i), QStringLiteral("Movie %1").arg(i)});
        });
    }
    QByteArray bytes = bytesOf(path);
    const int pageSize = 4096;
    if (GetParam().rootPageQuery) {
        const int page = rootPageOf(path, GetParam().rootPageQuery);
        ASSERT_GT(page, 1);
        // The page's header (its kind and cell count) becomes nonsense.
        const qsizetype at = qsizetype(page - 1) * pageSize;
        for (int i = 0; i < 12; ++i)
            bytes[at + i] = char(0xA5 ^ i);
    } else {
        bytes.truncate(bytes.size() / 2);
    }
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    Catalogue cat;
    const OpenResult r = cat.open(path);
    if (!r.opened()) {
        // Refused at the open: nothing to write into.
        EXPECT_EQ(r.status, OpenResult::Status::Damaged);
        EXPECT_EQ(bytesOf(path), bytes);
        return;
    }
    // Reading the whole list meets the damage.
    bool met = false;
    try {
        QSqlQuery q = cat.exec(QStringLiteral("SELECT ID, Title FROM Movies ORDER BY OrderByKey"));
        while (q.next()) {
        }
        Catalogue::check(q);
        QSqlQuery all = cat.exec(QStringLiteral("SELECT count(*), sum(length(Title)) FROM Movies WHERE Director = 'Someone'"));
        all.next();
        Catalogue::check(all);
    } catch (const CinelogError &e) {
        met = true;
        EXPECT_EQ(e.number(), CatalogueError::Damaged) << e.what();
        EXPECT_TRUE(e.description().contains(path)) << e.what();
    }
    ASSERT_TRUE(met) << "the damage was not met by reading";
    EXPECT_TRUE(cat.isDamaged());
    MovieStore store(cat);
    MovieRecord m;
    m.title = QStringLiteral("Into a damaged file");
    try {
        store.save(m);
        ADD_FAILURE() << "a new movie was written into the damaged catalogue";
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.number(), CatalogueError::Damaged) << e.what();
        EXPECT_TRUE(e.description().contains(QLatin1String("reading only"))) << e.what();
    }
    EXPECT_THROW(cat.exec(QStringLiteral("DELETE FROM Movies WHERE ID = 1")), CinelogError);
    cat.close();
    EXPECT_EQ(bytesOf(path), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Reliability, DamagedCatalogue,
    ::testing::Values(Damage{"movies_table", "SELECT rootpage FROM sqlite_master WHERE type = 'table' AND name = 'Movies'"},
                      Damage{"movies_index", "SELECT rootpage FROM sqlite_master WHERE type = 'index' AND tbl_name = 'Movies' "
                                             "AND name = 'idxMoviesOrderByKey'"},
                      Damage{"truncated_tail", nullptr}),
    [](const ::testing::TestParamInfo<Damage> &info) { return std::string(info.param.name); });

} // namespace

// ---------------------------------------------------------------------------------------------
// Noticing the damage without being asked, and getting out what still reads.

namespace {

struct Spoil {
    const char *name;
    // The page to spoil, found by this query on the sound file (dbstat), or none for a cut-off tail.
    const char *pageQuery;
    // What must come back whole: no page of these tables was touched.
    bool allMovies;
    bool allCast;
};

struct Original {
    std::map<qint64, QString> movies; // ID -> title|year
    std::map<qint64, QString> cast;   // rowid -> movie|actor|role
    std::map<qint64, QString> loans;  // ID -> movie|borrower
    std::map<qint64, QString> episodes;
};

std::map<qint64, QString> rowsOf(QSqlDatabase db, const QString &sql)
{
    std::map<qint64, QString> out;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql))
        return out;
    while (q.next())
        out[q.value(0).toLongLong()] = q.value(1).toString();
    return out;
}

Original readAll(Catalogue &cat)
{
    Original o;
    o.movies = rowsOf(cat.MovieConn(), QStringLiteral("SELECT ID, Title || '|' || ReleaseYear FROM Movies"));
    o.cast = rowsOf(cat.MovieConn(), QStringLiteral("SELECT rowid, MovID || '|' || ActID || '|' || PlayingAs FROM MovActLink"));
    o.loans = rowsOf(cat.MovieConn(), QStringLiteral("SELECT ID, MovieID || '|' || LoanedTo FROM LoanOut"));
    o.episodes = rowsOf(cat.MovieConn(), QStringLiteral("SELECT episodeID, MovID || '|' || Title FROM Episodes"));
    return o;
}

// Every row that came back is exactly as it was; returns how many came back.
qint64 sameRows(const std::map<qint64, QString> &original, const std::map<qint64, QString> &recovered, const char *table)
{
    for (const auto &[id, value] : recovered) {
        const auto it = original.find(id);
        if (it == original.end())
            ADD_FAILURE() << table << " row " << id << " was not in the catalogue: " << qPrintable(value);
        else
            EXPECT_EQ(it->second, value) << table << " row " << id;
    }
    return qint64(recovered.size());
}

class DamagedCatalogueRecovery : public ::testing::TestWithParam<Spoil>
{
protected:
    void makeCatalogue()
    {
        ASSERT_TRUE(createCatalogue(path));
        Catalogue cat;
        ASSERT_TRUE(cat.open(path).opened());
        cat.transaction([&] {
            for (int i = 0; i < 3000; ++i)
                cat.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, ReleaseYear) VALUES (?, ?, ?)"),
                         {QStringLiteral("Movie number %1 with a longer title").arg(i), QStringLiteral("Movie %1").arg(i),
                          QString::number(1950 + i % 70)});
            for (int i = 0; i < 300; ++i)
                cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {QStringLiteral("Actor %1").arg(i)});
            for (int i = 0; i < 3000; ++i)
                cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                         {i + 1, i % 300 + 1, QStringLiteral("Role %1").arg(i)});
            for (int i = 0; i < 50; ++i)
                cat.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (?, 'x', ?, '2025-01-02')"),
                         {i * 7 + 1, QStringLiteral("Friend %1").arg(i)});
            for (int i = 0; i < 40; ++i)
                cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, 1)"),
                         {i % 4 + 1, QStringLiteral("Episode %1").arg(i), i});
        });
        original = readAll(cat);
    }

    void spoil()
    {
        QByteArray bytes = bytesOf(path);
        if (GetParam().pageQuery) {
            const int page = rootPageOf(path, GetParam().pageQuery);
            ASSERT_GT(page, 1);
            const qsizetype at = qsizetype(page - 1) * 4096;
            for (int i = 0; i < 12; ++i)
                bytes[at + i] = char(0xA5 ^ i);
        } else {
            bytes.truncate(bytes.size() / 2);
        }
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        damaged = bytes;
    }

    GTestContext t;
    QString path = t.path(QStringLiteral("damaged.cnlg"));
    Original original;
    QByteArray damaged;
};

// Opened and left alone, the catalogue is checked in the background: the damage is found without
// any read of the user's meeting it, the catalogue goes read-only and the user is told.
TEST_P(DamagedCatalogueRecovery, TheBackgroundCheckFindsTheDamage)
{
    makeCatalogue();
    spoil();
    Catalogue cat;
    CatalogueWatch watch(t.ctx(), cat);
    QStringList told;
    QObject::connect(&watch, &CatalogueWatch::damaged, [&](const QString &m) { told << m; });
    CatalogueSession session(t.ctx(), cat);
    if (!session.open(path)) {
        // Too damaged to open: the user is told so, and offered the recovery all the same.
        EXPECT_TRUE(told.isEmpty());
        QCoreApplication::processEvents();
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told[0].contains(path)) << qPrintable(told[0]);
        EXPECT_EQ(bytesOf(path), damaged);
        return;
    }
    ASSERT_TRUE(watch.startQuickCheck());
    // The check runs beside the program: its finding arrives through the event loop only.
    EXPECT_FALSE(cat.isDamaged());
    ASSERT_TRUE(watch.waitForCheck(60000));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(cat.isDamaged());
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(path)) << qPrintable(told[0]);
    EXPECT_TRUE(told[0].contains(QLatin1String("reading only"))) << qPrintable(told[0]);
    // A file checked once is not checked again.
    EXPECT_FALSE(watch.startQuickCheck());

    MovieStore store(cat);
    MovieRecord m;
    m.title = QStringLiteral("Into a damaged file");
    EXPECT_THROW(store.save(m), CinelogError);
    cat.close();
    EXPECT_EQ(bytesOf(path), damaged);
}

// The full check on demand: a sound catalogue is said to be sound; a damaged one goes read-only
// and the user is offered the recovery. Progress counts the steps to the end.
TEST_P(DamagedCatalogueRecovery, TheFullCheckOnDemandTellsSoundFromDamaged)
{
    makeCatalogue();
    {
        Catalogue cat;
        ASSERT_TRUE(cat.open(path).opened());
        CatalogueWatch watch(t.ctx(), cat);
        ProgressRecorder progress;
        const CatalogueHealth::CheckResult r = watch.checkNow(progress);
        EXPECT_TRUE(r.sound()) << qPrintable(r.problems.join(QStringLiteral("; ")));
        ASSERT_FALSE(progress.shown.isEmpty());
        EXPECT_GT(progress.shown.last().maximum, 5);
        ASSERT_FALSE(progress.updates.isEmpty());
        EXPECT_EQ(progress.updates.last(), progress.shown.last().maximum);
        ASSERT_EQ(t.prompts.messages().size(), 1);
        EXPECT_TRUE(t.prompts.messages()[0].contains(QLatin1String("no damage was found"))) << qPrintable(t.prompts.messages()[0]);
        EXPECT_FALSE(cat.isDamaged());
        // Cancelled at the first step: no finding, nothing said.
        t.prompts.clear();
        const CatalogueHealth::CheckResult cancelled = watch.checkNow(progress, [] { return true; });
        EXPECT_TRUE(cancelled.cancelled);
        EXPECT_TRUE(t.prompts.shown().isEmpty());
    }
    spoil();
    Catalogue cat;
    if (!cat.open(path).opened())
        return; // refused at the open: shown by the test above
    CatalogueWatch watch(t.ctx(), cat);
    QStringList told;
    QObject::connect(&watch, &CatalogueWatch::damaged, [&](const QString &m) { told << m; });
    t.prompts.clear();
    ProgressRecorder progress;
    const CatalogueHealth::CheckResult r = watch.checkNow(progress);
    EXPECT_FALSE(r.sound());
    EXPECT_TRUE(cat.isDamaged());
    EXPECT_TRUE(t.prompts.messages().isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(told.size(), 1);
    cat.close();
    EXPECT_EQ(bytesOf(path), damaged);
}

// Recovery puts every row that still reads, exactly as it was and under its ID, into a new
// catalogue that opens as a sound one; the damaged file stays as it was.
TEST_P(DamagedCatalogueRecovery, RecoveryKeepsWhatReadsInASoundNewCatalogue)
{
    makeCatalogue();
    spoil();
    const QString target = t.path(QStringLiteral("recovered.cnlg"));
    {
        Catalogue cat;
        cat.open(path); // opened or refused: the path stays known either way
        CatalogueWatch watch(t.ctx(), cat);
        t.prompts.answerYes().answerText(target).answerNo();
        NullProgress progress;
        QString opened;
        const QString made = watch.offerRecovery(CatalogueWatch::damagedMessage(path, QStringLiteral("malformed")), progress,
                                                 [&](const QString &p) { opened = p; });
        EXPECT_EQ(made, target);
        EXPECT_TRUE(opened.isEmpty());
        const QStringList shown = [&] {
            QStringList s;
            for (const auto &p : t.prompts.shown())
                s << p.text;
            return s;
        }();
        ASSERT_EQ(shown.size(), 3) << qPrintable(shown.join(QStringLiteral("\n---\n")));
        EXPECT_TRUE(shown[0].contains(QLatin1String("Recover what can still be read"))) << qPrintable(shown[0]);
        EXPECT_TRUE(shown[2].contains(target)) << qPrintable(shown[2]);
    }
    EXPECT_EQ(bytesOf(path), damaged);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral("-journal")));

    Catalogue cat;
    const OpenResult r = cat.open(target);
    ASSERT_TRUE(r.opened()) << (r.error ? r.error->what() : "");
    EXPECT_TRUE(r.failures.empty());
    EXPECT_EQ(cat.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    // The quick filter's text index is made from the recovered rows, not copied.
    EXPECT_EQ(MovieTextIndex::outOfStep(cat.MovieConn()), 0);
    const Original back = readAll(cat);
    const qint64 movies = sameRows(original.movies, back.movies, "Movies");
    const qint64 cast = sameRows(original.cast, back.cast, "MovActLink");
    sameRows(original.loans, back.loans, "LoanOut");
    sameRows(original.episodes, back.episodes, "Episodes");
    if (GetParam().allMovies) {
        EXPECT_EQ(movies, 3000);
    } else if (GetParam().pageQuery) {
        // One page of rows is lost, no more.
        EXPECT_GT(movies, 2800);
        EXPECT_LT(movies, 3000);
    } else {
        EXPECT_GT(movies, 0);
    }
    if (GetParam().allCast) {
        EXPECT_EQ(cast, 3000);
    } else if (GetParam().pageQuery) {
        EXPECT_GT(cast, 2500);
        EXPECT_LT(cast, 3000);
    }
    if (GetParam().pageQuery) {
        EXPECT_EQ(back.loans.size(), original.loans.size());
        EXPECT_EQ(back.episodes.size(), original.episodes.size());
    }
    // The recovered catalogue is an ordinary one: its keys are filled (the list's order and the
    // look-ups work) and it takes new movies.
    QSqlQuery listed = cat.exec(QStringLiteral("SELECT count(*) FROM Movies WHERE OrderByKey IS NOT NULL AND TitleKey IS NOT NULL"));
    ASSERT_TRUE(listed.next());
    EXPECT_EQ(listed.value(0).toLongLong(), movies);
    MovieStore store(cat);
    MovieRecord m;
    m.title = QStringLiteral("After the recovery");
    EXPECT_GT(store.save(m), 0);
    MovieRecord loaded;
    ASSERT_FALSE(back.movies.empty());
    ASSERT_TRUE(store.load(int(back.movies.begin()->first), loaded));
    EXPECT_EQ(loaded.title + QLatin1Char('|') + loaded.releaseYear, back.movies.begin()->second);
}

INSTANTIATE_TEST_SUITE_P(
    Reliability, DamagedCatalogueRecovery,
    ::testing::Values(
        Spoil{"movies_page", "SELECT pageno FROM dbstat WHERE name = 'Movies' AND pagetype = 'leaf' ORDER BY pageno LIMIT 1 OFFSET 10",
              false, true},
        Spoil{"cast_page", "SELECT pageno FROM dbstat WHERE name = 'MovActLink' AND pagetype = 'leaf' ORDER BY pageno LIMIT 1 OFFSET 3",
              true, false},
        Spoil{"movies_index", "SELECT rootpage FROM sqlite_master WHERE type = 'index' AND name = 'idxMoviesOrderByKey'", true, true},
        Spoil{"truncated_tail", nullptr, false, false}),
    [](const ::testing::TestParamInfo<Spoil> &info) { return std::string(info.param.name); });

} // namespace
