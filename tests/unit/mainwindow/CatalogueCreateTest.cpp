#include "StoreTestSupport.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QStringList MoviesBase = {"ID", "Title", "Director", "Genre1", "Genre2", "Genre3", "Medium", "Format",
                                "Rating", "ReleaseYear", "RunningTime", "NumDiscs", "UserRating"};
const QStringList MoviesAdded = {"URL", "OrderBy", "EpisodeDisc", "CoverData", "onlineID", "web"};

TEST_F(StoreTest, CreateDBMakesTheBaseColumnsOnly)
{
    const QString path = created();
    EXPECT_EQ(columnsOf(path, "Movies"), MoviesBase);
    EXPECT_EQ(columnsOf(path, "Actors"), QStringList({"ID", "Actor"}));
    EXPECT_EQ(columnsOf(path, "Directors"), QStringList({"ID", "Director"}));
    EXPECT_EQ(columnsOf(path, "MovActLink"), QStringList({"MovID", "ActID"}));
    EXPECT_EQ(columnsOf(path, "Genres"), QStringList({"Genre"}));
    EXPECT_EQ(columnsOf(path, "DBInfo"), QStringList({"ID", "DBVer"}));
    EXPECT_EQ(columnsOf(path, "LoanOut"), QStringList({"ID", "MovieID", "MovieTitle", "LoanedTo", "DateOut", "DateIn"}));
    EXPECT_EQ(columnsOf(path, "UserList"), QStringList({"ID", "MovID", "MovieTitle", "Name", "UserID"}));
    EXPECT_EQ(columnsOf(path, "Episodes"), QStringList({"episodeID", "MovID", "Title", "epsNum", "discNum"}));

    RawDb db(path, false, true);
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM DBInfo"), "0");
    EXPECT_EQ(db.value("PRAGMA application_id"), QString::number(0x43494E45));
    EXPECT_EQ(db.value("PRAGMA user_version"), "2");
    EXPECT_EQ(db.value("PRAGMA integrity_check"), "ok");
    // Nothing is shown and nothing is logged when all goes well.
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    EXPECT_TRUE(t.logLines().isEmpty());
    EXPECT_FALSE(cat.isOpen());
}

TEST_F(StoreTest, OpeningAppendsTheAddedColumnsInOrder)
{
    const QString path = opened();
    cat.close();
    // The added columns, then the keys of the texts compared without regard to letter case, then the change counters
    // of the movie, its cast and its episodes, and the TMDb ID.
    EXPECT_EQ(columnsOf(path, "Movies"), MoviesBase + MoviesAdded
                                             + QStringList({"TitleKey", "OrderByKey", "DirectorKey", "ChangeCount", "CastChangeCount",
                                                            "EpisodeChangeCount", "TmdbID"}));
    EXPECT_EQ(columnsOf(path, "Movies").size(), 26);
    EXPECT_EQ(columnsOf(path, "LoanOut"), QStringList({"ID", "MovieID", "MovieTitle", "LoanedTo", "DateOut", "DateIn", "ChangeCount"}));
    EXPECT_EQ(columnsOf(path, "Actors"), QStringList({"ID", "Actor", "URL", "ActorKey"}));
    EXPECT_EQ(columnsOf(path, "Directors"), QStringList({"ID", "Director", "URL", "DirectorKey"}));
    EXPECT_EQ(columnsOf(path, "Genres"), QStringList({"Genre", "GenreKey"}));
    EXPECT_EQ(columnsOf(path, "MovActLink"), QStringList({"MovID", "ActID", "PlayingAs"}));
    EXPECT_TRUE(t.prompts.shown().isEmpty());
    EXPECT_TRUE(t.logLines().isEmpty());
}

TEST_F(StoreTest, CreateDBReportsItsProgress)
{
    RecordingProgress progress;
    t.ctx().setProgress(&progress);
    created();
    EXPECT_EQ(progress.shows, QStringList({"Creating Cinelog... 0..7"}));
    EXPECT_EQ(progress.values, QList<qint64>({0, 1, 2, 3, 4, 5, 6, 7}));
    t.ctx().setProgress(nullptr);
}

TEST_F(StoreTest, CreateDBAppendsTheExtensionCaseSensitively)
{
    QString path = t.path("films");
    ASSERT_TRUE(session.create(path));
    EXPECT_EQ(path, t.path("films.cnlg"));
    EXPECT_TRUE(QFile::exists(path));

    QString upper = t.path("FILMS.CNLG");
    ASSERT_TRUE(session.create(upper));
    EXPECT_EQ(upper, t.path("FILMS.CNLG.cnlg"));
    EXPECT_TRUE(QFile::exists(upper));
    EXPECT_FALSE(QFile::exists(t.path("FILMS.CNLG")));
}

TEST_F(StoreTest, CreateDBOverwritesOnlyWhenTheUserSaysYes)
{
    const QString path = t.path("films.cnlg");
    writeFile(path, "keep me");

    QString asked = path;
    t.prompts.answerNo();
    EXPECT_FALSE(session.create(asked));
    ASSERT_EQ(t.prompts.shown().size(), 1);
    const ScriptedPrompts::Shown &q = t.prompts.shown().first();
    EXPECT_EQ(q.kind, "question");
    EXPECT_EQ(q.title, "Create Database");
    EXPECT_EQ(q.text, "This question database already exists.\rAre you sure you want to overwrite it?");
    EXPECT_EQ(q.icon, Prompts::Icon::Critical);
    EXPECT_EQ(fileBytes(path), QByteArray("keep me"));

    t.prompts.answerYes();
    EXPECT_TRUE(session.create(asked));
    EXPECT_EQ(columnsOf(path, "Movies").size(), 13);
}

TEST_F(StoreTest, CreateDBAsksAboutTheNameAsTypedNotTheNameWithTheExtension)
{
    const QString existing = t.path("films.cnlg");
    writeFile(existing, "keep me");
    QString typed = t.path("films");
    // No question: "films" does not exist. Creating films.cnlg then fails without touching it.
    EXPECT_FALSE(session.create(typed));
    EXPECT_EQ(typed, existing);
    ASSERT_EQ(t.prompts.shown().size(), 1);
    EXPECT_EQ(t.prompts.shown().first().kind, "message");
    EXPECT_EQ(t.prompts.shown().first().title, "Error 58 CreateDB");
    EXPECT_EQ(t.prompts.shown().first().icon, Prompts::Icon::Critical);
    EXPECT_EQ(fileBytes(existing), QByteArray("keep me"));
    // CreateDB tells the user but writes nothing to the error log.
    EXPECT_TRUE(t.logLines().isEmpty());
}

TEST_F(StoreTest, CreateDBOverTheOpenCatalogueClosesItFirst)
{
    QString path = opened();
    RawDb(path).exec("INSERT INTO Genres (Genre) VALUES ('Drama')");
    t.prompts.answerYes();
    ASSERT_TRUE(session.create(path));
    EXPECT_FALSE(cat.isOpen());
    EXPECT_EQ(RawDb(path, false, true).value("SELECT COUNT(*) FROM Genres"), "0");
}

TEST_F(StoreTest, OverwritingACatalogueLeftMidTransactionGivesACleanOne)
{
    QString path = opened();
    cat.close();
    // Another program dies in the middle of a large change: its rollback journal stays beside the file.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &db);
        sqlite3_exec(db, "PRAGMA cache_size = 2; BEGIN; CREATE TABLE filler (x BLOB);"
                         "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < 300) "
                         "INSERT INTO filler SELECT randomblob(2000) FROM k;", nullptr, nullptr, nullptr);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(QFile::exists(path + "-journal"));

    t.prompts.answerYes();
    ASSERT_TRUE(session.create(path));
    EXPECT_FALSE(QFile::exists(path + "-journal"));
    ASSERT_TRUE(session.open(path));
    EXPECT_EQ(cat.scalar("PRAGMA integrity_check").toString(), "ok");
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM sqlite_master WHERE name = 'filler'").toInt(), 0);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Movies").toInt(), 0);
}

TEST_F(StoreTest, CreateDBInAMissingFolderFailsWithItsMessage)
{
    QString path = t.path("no/such/folder/films.cnlg");
    EXPECT_FALSE(session.create(path));
    ASSERT_EQ(t.prompts.messages().size(), 1);
    EXPECT_TRUE(t.prompts.titles().first().startsWith("Error ")) << t.prompts.titles().first().toStdString();
    EXPECT_TRUE(t.prompts.titles().first().endsWith(" CreateDB"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(StoreTest, AutoNumbersCountFromOneAndAreNeverReused)
{
    opened();
    for (const char *name : {"Ann", "Bob", "Cy"})
        cat.exec("INSERT INTO Actors (Actor) VALUES (?)", {QString::fromLatin1(name)});
    EXPECT_EQ(cat.scalar("SELECT group_concat(ID) FROM (SELECT ID FROM Actors ORDER BY ID)").toString(), "1,2,3");
    cat.exec("DELETE FROM Actors WHERE ID = 3");
    QSqlQuery q = cat.exec("INSERT INTO Actors (Actor) VALUES (?)", {QStringLiteral("Di")});
    EXPECT_EQ(q.lastInsertId().toInt(), 4);
}

TEST_F(StoreTest, NewRowsTakeTheColumnDefaults)
{
    opened();
    QSqlQuery ins = cat.exec("INSERT INTO Movies (Title) VALUES (?)", {QStringLiteral("Alien")});
    const int id = ins.lastInsertId().toInt();
    QSqlQuery q = cat.exec("SELECT UserRating, URL, EpisodeDisc, CoverData, onlineID, web, OrderBy FROM Movies WHERE ID = ?", {id});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 0);
    EXPECT_EQ(q.value(1).toString(), "http://");
    EXPECT_EQ(q.value(2).toInt(), 0);
    EXPECT_TRUE(q.value(3).isNull());
    EXPECT_EQ(q.value(4).toInt(), 0);
    EXPECT_EQ(q.value(5).toInt(), 0);
    EXPECT_TRUE(q.value(6).isNull());
    q = cat.exec("INSERT INTO Actors (Actor) VALUES (?)", {QStringLiteral("Ann")});
    EXPECT_EQ(cat.scalar("SELECT URL FROM Actors").toString(), "http://");
    cat.exec("INSERT INTO DBInfo DEFAULT VALUES");
    EXPECT_EQ(cat.scalar("SELECT DBVer FROM DBInfo").toString(), "1.1");
}

TEST_F(StoreTest, DuplicateGenresAreAccepted)
{
    opened();
    cat.exec("INSERT INTO Genres (Genre) VALUES (?)", {QStringLiteral("Drama")});
    cat.exec("INSERT INTO Genres (Genre) VALUES (?)", {QStringLiteral("Drama")});
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Genres WHERE Genre = ?", {QStringLiteral("Drama")}).toInt(), 2);
}

TEST_F(StoreTest, TransactionsHappenWholeOrNotAtAll)
{
    opened();
    EXPECT_THROW(cat.transaction([&] {
        cat.exec("INSERT INTO Actors (Actor) VALUES (?)", {QStringLiteral("Ann")});
        cat.exec("INSERT INTO Actors (Actor) VALUES (?)", {QString()}); // fine: Null
        cat.exec("INSERT INTO Actors (Actor) VALUES (?)", {QStringLiteral("")}); // refused
    }), CinelogError);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Actors").toInt(), 0);

    cat.transaction([&] {
        cat.exec("INSERT INTO Actors (Actor) VALUES (?)", {QStringLiteral("Ann")});
        EXPECT_THROW(cat.transaction([&] {
            cat.exec("INSERT INTO Actors (Actor) VALUES (?)", {QStringLiteral("Bob")});
            throw CinelogError(5, "inner");
        }), CinelogError);
    });
    EXPECT_EQ(cat.scalar("SELECT group_concat(Actor) FROM Actors").toString(), "Ann");
}

} // namespace
