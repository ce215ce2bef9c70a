#include "StoreTestSupport.h"

#include "CatalogueFile.h"
#include "CatalogueInternal.h"
#include "Migrations.h"

#include <QSqlError>
#include <QSqlRecord>

namespace {

// A ladder as the next layouts extend it: the layout check, then steps each adding something the
// test can see.
std::vector<Migrations::Step> ladderWith(std::vector<Migrations::Step> extra)
{
    std::vector<Migrations::Step> steps = {Migrations::ladder().front()};
    for (Migrations::Step &s : extra)
        steps.push_back(std::move(s));
    return steps;
}

Migrations::Step addColumn(int version, const char *column)
{
    return {version, column, [column](Migrations::Context &ctx) {
                catalogue_detail::runOn(ctx.db, QStringLiteral("ALTER TABLE Movies ADD COLUMN %1 TEXT").arg(QLatin1String(column)));
            }};
}

// The newest version of the program's own ladder: the test's steps go above it.
const int Top = Migrations::latestVersion();

Migrations::Step failing(int version)
{
    return {version, "a step that fails", [](Migrations::Context &ctx) {
                catalogue_detail::runOn(ctx.db, QStringLiteral("ALTER TABLE Movies ADD COLUMN Doomed TEXT"));
                throw CinelogError(ErrorNumber::Database, QStringLiteral("disk on fire"));
            }};
}

struct Connection {
    explicit Connection(const QString &path)
        : guard(catalogue_detail::newConnectionName("migrations-test")), db(CatalogueFile::openConnection(path, guard.name()))
    {
    }
    catalogue_detail::ConnectionGuard guard;
    QSqlDatabase db;
};

// A catalogue made before versions were kept (0), one just made (the base version, base columns
// only) and one already opened once: each ends at the newest version with every step's change.
struct StartCase {
    const char *name;
    std::function<void(StoreTest &, const QString &)> make;
};

class LadderFrom : public StoreTest, public ::testing::WithParamInterface<StartCase>
{
};

TEST_P(LadderFrom, EveryOlderVersionReachesTheNewest)
{
    const QString path = t.path(QStringLiteral("films.cnlg"));
    GetParam().make(*this, path);
    const auto steps = ladderWith({addColumn(Top + 1, "Three"), addColumn(Top + 2, "Four")});
    {
        Connection c(path);
        Migrations::bringUpToDate(c.db, {}, steps);
        EXPECT_EQ(Migrations::versionOf(c.db), Top + 2);
        EXPECT_EQ(Migrations::latestVersion(steps), Top + 2);
    }
    const QStringList cols = columnsOf(path, QStringLiteral("Movies"));
    EXPECT_TRUE(cols.contains("OrderBy")) << GetParam().name; // the layout check's work
    EXPECT_EQ(cols.mid(cols.size() - 2), QStringList({"Three", "Four"}));
    RawDb raw(path, false, true);
    EXPECT_EQ(raw.value("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(raw.value("PRAGMA application_id"), QString::number(0x43494E45));

    // Up to date: running the ladder again writes nothing.
    const QByteArray before = fileBytes(path);
    {
        Connection c(path);
        Migrations::bringUpToDate(c.db, {}, steps);
    }
    EXPECT_EQ(fileBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(
    Store, LadderFrom,
    ::testing::Values(StartCase{"unversioned",
                                [](StoreTest &, const QString &p) {
                                    CatalogueFile::create(p);
                                    RawDb(p).exec("PRAGMA application_id = 0; PRAGMA user_version = 0");
                                }},
                      StartCase{"just_made", [](StoreTest &, const QString &p) { CatalogueFile::create(p); }},
                      StartCase{"opened_once",
                                [](StoreTest &, const QString &p) {
                                    CatalogueFile::create(p);
                                    Catalogue c;
                                    EXPECT_TRUE(c.open(p).opened());
                                    c.close();
                                    // As a program with only the layout check left it.
                                    RawDb(p).exec("PRAGMA user_version = 2");
                                }},
                      StartCase{"at_three",
                                [](StoreTest &, const QString &p) {
                                    CatalogueFile::create(p);
                                    Catalogue c;
                                    EXPECT_TRUE(c.open(p).opened());
                                    c.close();
                                    RawDb(p).exec(QStringLiteral("ALTER TABLE Movies ADD COLUMN Three TEXT; PRAGMA user_version = %1")
                                                      .arg(Top + 1));
                                }}),
    [](const ::testing::TestParamInfo<StartCase> &info) { return std::string(info.param.name); });

TEST_F(StoreTest, AFailingStepLeavesTheFileAtTheVersionBeforeIt)
{
    const QString path = t.path(QStringLiteral("films.cnlg"));
    CatalogueFile::create(path);
    {
        Connection c(path);
        EXPECT_THROW(Migrations::bringUpToDate(c.db, {}, ladderWith({addColumn(Top + 1, "Three"), failing(Top + 2), addColumn(Top + 3, "Seven")})),
                     CinelogError);
        // The steps before the failure stay done; the failing one left nothing behind.
        EXPECT_EQ(Migrations::versionOf(c.db), Top + 1);
    }
    const QStringList cols = columnsOf(path, QStringLiteral("Movies"));
    EXPECT_TRUE(cols.contains("Three"));
    EXPECT_FALSE(cols.contains("Doomed"));
    EXPECT_FALSE(cols.contains("Seven"));
    EXPECT_EQ(RawDb(path, false, true).value("PRAGMA integrity_check"), "ok");
}

TEST_F(StoreTest, AFailingFirstStepLeavesTheFileAtItsOldVersion)
{
    const QString path = t.path(QStringLiteral("films.cnlg"));
    CatalogueFile::create(path);
    {
        RawDb raw(path);
        raw.exec("PRAGMA user_version = 0");
        // Another program keeps movie rows from being changed: filling OrderBy fails.
        raw.exec("INSERT INTO Movies (Title) VALUES ('Abyss, The')");
        raw.exec("CREATE TRIGGER keep BEFORE UPDATE ON Movies BEGIN SELECT RAISE(ABORT, 'read-only'); END");
    }
    const QByteArray before = fileBytes(path);
    {
        Connection c(path);
        EXPECT_THROW(Migrations::bringUpToDate(c.db, {}, ladderWith({addColumn(Top + 1, "Three")})), CinelogError);
        EXPECT_EQ(Migrations::versionOf(c.db), 0);
    }
    EXPECT_EQ(fileBytes(path), before);
}

} // namespace
