// A damaged catalogue: once the engine finds the file malformed, the catalogue is open for reading
// only and nothing more is written into the damaged file.

#include "Catalogue.h"
#include "CatalogueSession.h"
#include "GTestSupport.h"
#include "MovieStore.h"
#include "TestCatalogue.h"

#include <QFile>
#include <QSqlQuery>
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
