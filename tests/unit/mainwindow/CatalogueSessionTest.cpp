#include "StoreTestSupport.h"

#include "CatalogueFile.h"

#include <QDir>
#include <QStandardPaths>

namespace {

using SessionTest = StoreTest;

QString recent(AppContext &ctx, int i)
{
    return ctx.ReadINI(QStringLiteral("DBLists"), QStringLiteral("db%1").arg(i));
}

TEST_F(SessionTest, NewMakesOpensAndHeadsTheRecentList)
{
    const QString path = t.path("films.cnlg");
    ASSERT_TRUE(session.createOpenAndRemember(path));
    EXPECT_TRUE(cat.isOpen());
    EXPECT_EQ(session.chosenPath(), path);
    EXPECT_EQ(recent(t.ctx(), 1), path);
    EXPECT_EQ(t.ctx().ReadINI("Options", "LastDB"), path);
    EXPECT_EQ(columnsOf(path, "Movies").size(), 26); // with the keys of Title, OrderBy and Director, the change counters and the TMDb ID
    EXPECT_TRUE(t.prompts.shown().isEmpty());

    // New over the open catalogue, answering No: nothing is replaced and the existing file is opened.
    cat.exec("INSERT INTO Genres (Genre) VALUES (?)", {QStringLiteral("Kept")});
    t.prompts.answerNo();
    ASSERT_TRUE(session.createOpenAndRemember(path));
    EXPECT_EQ(cat.scalar("SELECT Genre FROM Genres").toString(), "Kept");
    // ... and Yes gives an empty one.
    t.prompts.answerYes();
    ASSERT_TRUE(session.createOpenAndRemember(path));
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Genres").toInt(), 0);
    EXPECT_EQ(recent(t.ctx(), 1), path);
    EXPECT_TRUE(recent(t.ctx(), 2).isEmpty()) << "the same path is not listed twice";
}

TEST_F(SessionTest, AFileThatDoesNotOpenIsStillRecordedButNotRememberedAsLast)
{
    const QString good = opened("good.cnlg");
    const QString missing = t.path("missing.cnlg");
    EXPECT_FALSE(session.openAndRemember(missing));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_FALSE(cat.isOpen());
    EXPECT_EQ(session.chosenPath(), missing);
    EXPECT_EQ(recent(t.ctx(), 1), missing);
    EXPECT_EQ(t.ctx().ReadINI("Options", "LastDB"), good);
    EXPECT_EQ(logLinesFor("DBConn").size(), 1);

    // Opening from the recent list leaves the list as it is.
    ASSERT_TRUE(session.open(good));
    EXPECT_EQ(recent(t.ctx(), 1), missing);
    EXPECT_EQ(session.recentCatalogues().size(), 5);
}

TEST_F(SessionTest, AutoloadOpensTheLastCatalogueOnlyWhenAskedAndStillThere)
{
    const QString path = opened();
    cat.close();
    struct Case {
        const char *autoLoad;
        QString last;
        bool opens;
    };
    const Case cases[] = {
        {"1", path, true},
        {" 1 ", path, true},
        {"0", path, false},
        {"", path, false},
        {"1", t.path("gone.cnlg"), false},
        {"1", QString(), false},
    };
    for (const Case &c : cases) {
        t.ctx().WriteINI("Options", "AutoLoad", QString::fromLatin1(c.autoLoad));
        t.ctx().WriteINI("Options", "LastDB", c.last);
        EXPECT_EQ(session.autoload(), c.opens) << c.autoLoad << " " << c.last.toStdString();
        EXPECT_EQ(cat.isOpen(), c.opens);
        cat.close();
    }
    // A last catalogue that is gone is skipped without a word.
    EXPECT_TRUE(t.logLines().isEmpty());
    EXPECT_TRUE(t.prompts.shown().isEmpty());
}

TEST_F(SessionTest, FileDialogsStartInTheLastFolderWhileItExists)
{
    const QString sub = t.path("discs");
    QDir().mkpath(sub);
    t.ctx().WriteINI("Options", "LastFolder", sub);
    EXPECT_EQ(session.startFolder(), sub);
    QDir(sub).removeRecursively();
    EXPECT_EQ(session.startFolder(), existingFolderOrHome(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
}

} // namespace
