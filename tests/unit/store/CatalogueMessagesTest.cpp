// The catalogue's failures that concern the file as a whole say what happened, name the file and
// say what to do, instead of the engine's own words ("attempt to write a readonly database").

#include "Catalogue.h"
#include "GTestSupport.h"
#include "MovieStore.h"
#include "TestCatalogue.h"

#include <QSqlQuery>

namespace {

class CatalogueMessages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(createCatalogue(path));
        ASSERT_TRUE(cat.open(path).opened());
    }
    // The failure of saving a new movie.
    CinelogError saveFails()
    {
        MovieStore store(cat);
        MovieRecord m;
        m.title = QStringLiteral("A movie");
        try {
            store.save(m);
        } catch (const CinelogError &e) {
            return e;
        }
        ADD_FAILURE() << "the save was reported done";
        return CinelogError(0, QString());
    }

    GTestContext t;
    QString path = t.path(QStringLiteral("words.cnlg"));
    Catalogue cat;
};

TEST_F(CatalogueMessages, AFileThatCannotBeWrittenIsNamedWithWhatToDo)
{
    // The engine refuses every write on this connection, as it does for a file or folder the
    // user may not write.
    cat.exec(QStringLiteral("PRAGMA query_only = ON"));
    const CinelogError e = saveFails();
    EXPECT_EQ(e.number() & 0xff, 8) << e.what();
    EXPECT_TRUE(e.description().contains(path)) << e.what();
    EXPECT_TRUE(e.description().contains(QLatin1String("Check the file's permissions"))) << e.what();
    EXPECT_FALSE(e.description().contains(QLatin1String("readonly database"))) << e.what();
}

TEST_F(CatalogueMessages, AFullDiskIsNamedWithWhatToDo)
{
    // The file may not grow past its present size: as a full disk to the engine.
    const qint64 pages = cat.scalar(QStringLiteral("PRAGMA page_count")).toLongLong();
    QSqlQuery(cat.MovieConn()).exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
    MovieStore store(cat);
    CinelogError e(0, QString());
    try {
        for (int i = 0; i < 5000; ++i) {
            MovieRecord m;
            m.title = QStringLiteral("A movie with a long enough title to fill pages %1").arg(i);
            store.save(m);
        }
        ADD_FAILURE() << "the file grew past its limit";
    } catch (const CinelogError &failed) {
        e = failed;
    }
    EXPECT_EQ(e.number() & 0xff, 13) << e.what();
    EXPECT_TRUE(e.description().contains(path)) << e.what();
    EXPECT_TRUE(e.description().contains(QLatin1String("is full"))) << e.what();
    EXPECT_TRUE(e.description().contains(QLatin1String("make room"))) << e.what();
}

// The same rule as a table over the engine's codes; failures that concern one value or one row keep
// their own words (the user is told which field is wrong elsewhere).
TEST(CatalogueMessageTable, FileFailuresInPlainWordsOthersAsTheyAre)
{
    const QString path = QStringLiteral("/home/ann/movies.cnlg");
    struct Case {
        qint64 code;
        const char *engine;
        const char *mustSay; // empty: the error stays as it is
    };
    const Case cases[] = {
        {8, "attempt to write a readonly database", "cannot be written"},
        {1032, "attempt to write a readonly database", "deleted, moved or replaced"},
        {1544, "attempt to write a readonly database", "cannot be written"},
        {10, "disk I/O error", "Check the disk"},
        {13, "database or disk is full", "is full"},
        {14, "unable to open database file", "cannot be opened"},
        {19, "UNIQUE constraint failed: Movies.ID", ""},
        {1, "no such table: Nothing", ""},
        {522, "disk I/O error", ""},
    };
    for (const Case &c : cases) {
        const CinelogError engine(c.code, QString::fromLatin1(c.engine));
        const CinelogError plain = Catalogue::inPlainWords(engine, path);
        if (*c.mustSay == 0) {
            EXPECT_EQ(plain.description(), engine.description()) << c.code;
            continue;
        }
        EXPECT_TRUE(plain.description().contains(path)) << c.code << ": " << plain.what();
        EXPECT_TRUE(plain.description().contains(QLatin1String(c.mustSay))) << c.code << ": " << plain.what();
        EXPECT_FALSE(plain.description().contains(QLatin1String("readonly database"))) << c.code << ": " << plain.what();
    }
}

} // namespace
