#include "StoreTestSupport.h"

#include <QFile>
#include <QFileInfo>

namespace {

// An old-format catalogue: the cast sits in Actor1..Actor4 of the movie row, and the file carries
// no application mark.
void makeOldCatalogue(const QString &path)
{
    RawDb db(path);
    db.exec(R"(
        CREATE TABLE DBInfo (ID INTEGER PRIMARY KEY AUTOINCREMENT, DBVer TEXT);
        CREATE TABLE Actors (ID INTEGER PRIMARY KEY AUTOINCREMENT, Actor TEXT);
        CREATE TABLE Directors (ID INTEGER PRIMARY KEY AUTOINCREMENT, Director TEXT);
        CREATE TABLE Genres (Genre TEXT);
        CREATE TABLE LoanOut (ID INTEGER PRIMARY KEY AUTOINCREMENT, MovieID INTEGER, MovieTitle TEXT, LoanedTo TEXT,
                              DateOut TEXT, DateIn TEXT);
        CREATE TABLE Movies (ID INTEGER PRIMARY KEY AUTOINCREMENT, Title TEXT, Director TEXT, Genre1 TEXT, Genre2 TEXT,
                             Genre3 TEXT, Medium TEXT, Format TEXT, Rating TEXT, ReleaseYear TEXT, RunningTime TEXT,
                             NumDiscs TEXT, Actor1 TEXT, Actor2 TEXT, Actor3 TEXT, Actor4 TEXT, OrderBy TEXT);
        INSERT INTO DBInfo (DBVer) VALUES ('1.0');
        INSERT INTO Actors (Actor) VALUES ('Sigourney Weaver'), ('Ed Harris'), ('Peter O''Toole'),
                                          ('Dwayne "The Rock" Johnson'), (NULL);
        INSERT INTO Directors (Director) VALUES ('James Cameron'), ('David Lean'), ('Stanley "Stan" Donen');
        INSERT INTO Genres (Genre) VALUES ('Drama'), ('Sci-Fi'), ('Drama');
    )");
    const QVariant null(QMetaType::fromType<QString>());
    auto movie = [&](const QVariantList &v) {
        EXPECT_EQ(db.tryExec("INSERT INTO Movies (Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, "
                             "ReleaseYear, RunningTime, NumDiscs, Actor1, Actor2, Actor3, Actor4, OrderBy) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", v), 101);
    };
    // Stored out of order: the copy follows OrderBy.
    movie({"Singin' in the Rain", "Stanley \"Stan\" Donen", "Musical", "", null, "DVD", "Fullscreen", "G", "1952",
           "103", "1", "Sigourney Weaver", "", null, "", "Singin' in the Rain"});
    movie({"Abyss, The", "James Cameron", "Sci-Fi", "Drama", "", "VHS", "Wide", "PG-13", "1989", "140", "2",
           "ed harris", "Nobody Known", "", null, "Abyss"});
    movie({"Lawrence of Arabia", "David Lean", "Drama", null, null, "DVD", "Wide", "PG", "1962", "222", "2",
           "Peter O'Toole", "dwayne \"the rock\" johnson", "Peter O'Toole ", null, "Lawrence of Arabia"});
    auto loan = [&](const QVariantList &v) {
        EXPECT_EQ(db.tryExec("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut, DateIn) VALUES (99, ?, ?, ?, ?)", v), 101);
    };
    loan({"Abyss, The", "Ann", "2024-01-05", null});
    loan({"singin' in the rain", "Bob \"B\" O'Neil", "2023-03-01", "2023-04-01"});
    loan({"Not In Catalogue", "Cy", "2022-01-01", ""});
}

class ConvertTest : public StoreTest
{
protected:
    QString oldPath() const { return t.path("films.cnlg"); }
    QString newPath() const { return t.path("films_new.cnlg"); }
};

TEST_F(ConvertTest, AnOldCatalogueIsConvertedInPlace)
{
    makeOldCatalogue(oldPath());
    RecordingProgress progress;
    t.ctx().setProgress(&progress);
    ASSERT_TRUE(session.open(oldPath())) << t.logLines().join('\n').toStdString();
    t.ctx().setProgress(nullptr);

    EXPECT_EQ(cat.path(), oldPath());
    EXPECT_TRUE(cat.isOpen());
    EXPECT_FALSE(QFile::exists(newPath()));
    EXPECT_TRUE(t.logLines().isEmpty()) << t.logLines().join('\n').toStdString();
    ASSERT_EQ(t.prompts.shown().size(), 2);
    EXPECT_EQ(t.prompts.shown().at(0).text, "I have to convert your database to the new format!");
    EXPECT_EQ(t.prompts.shown().at(0).title, "Database Must Be Converted");
    EXPECT_EQ(t.prompts.shown().at(0).icon, Prompts::Icon::Information);
    EXPECT_EQ(t.prompts.shown().at(1).text, "Update Complete.  Now we'll load the updated database...");
    EXPECT_EQ(t.prompts.shown().at(1).title, "Update Complete!");
    EXPECT_EQ(progress.shows, QStringList({"Creating Cinelog... 0..7", "Doing Actors (thats funny!!)... 0..5",
                                           "Doing Directors (Even Funnier!!)... 0..3", "Genres... 0..3",
                                           "Updating Movies and Actor Lists... 0..3", "Updating Loans... 0..3"}));
    EXPECT_EQ(t.ctx().ReadINI("Options", "LastDB"), oldPath());
    cat.close();

    EXPECT_EQ(columnsOf(oldPath(), "Movies").size(), 26); // with the keys of Title, OrderBy and Director, the change counters and the TMDb ID
    RawDb db(oldPath(), false, true);
    EXPECT_EQ(db.value("PRAGMA application_id"), QString::number(0x43494E45));
    EXPECT_EQ(db.value("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(db.rows("SELECT ID, DBVer FROM DBInfo"), QList<QStringList>({{"1", "1.1"}}));
    EXPECT_EQ(db.rows("SELECT ID, Actor FROM Actors ORDER BY ID"),
              QList<QStringList>({{"1", "Sigourney Weaver"}, {"2", "Ed Harris"}, {"3", "Peter O'Toole"},
                                  {"4", "Dwayne \"The Rock\" Johnson"}, {"5", "<null>"}}));
    EXPECT_EQ(db.rows("SELECT Director FROM Directors ORDER BY ID"),
              QList<QStringList>({{"James Cameron"}, {"David Lean"}, {"Stanley \"Stan\" Donen"}}));
    EXPECT_EQ(db.rows("SELECT Genre FROM Genres"), QList<QStringList>({{"Drama"}, {"Sci-Fi"}, {"Drama"}}));
    // New IDs follow the old OrderBy; the title rule runs when the converted file is opened.
    EXPECT_EQ(db.rows("SELECT ID, Title, OrderBy, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, ReleaseYear, "
                      "RunningTime, NumDiscs, UserRating, EpisodeDisc FROM Movies ORDER BY ID"),
              QList<QStringList>({{"1", "The Abyss", "Abyss", "James Cameron", "Sci-Fi", "Drama", "<null>", "VHS", "Wide",
                                   "PG-13", "1989", "140", "2", "0", "0"},
                                  {"2", "Lawrence of Arabia", "Lawrence of Arabia", "David Lean", "Drama", "<null>", "<null>",
                                   "DVD", "Wide", "PG", "1962", "222", "2", "0", "0"},
                                  {"3", "Singin' in the Rain", "Singin' in the Rain", "Stanley \"Stan\" Donen", "Musical",
                                   "<null>", "<null>", "DVD", "Fullscreen", "G", "1952", "103", "1", "0", "0"}}));
    // Names with quotes are matched; letter case is ignored; a name missing from Actors is dropped.
    EXPECT_EQ(db.rows("SELECT MovID, ActID, PlayingAs FROM MovActLink ORDER BY MovID, ActID"),
              QList<QStringList>({{"1", "2", "<null>"}, {"2", "3", "<null>"}, {"2", "4", "<null>"}, {"3", "1", "<null>"}}));
    EXPECT_EQ(db.rows("SELECT MovieID, MovieTitle, LoanedTo, DateOut, DateIn FROM LoanOut ORDER BY ID"),
              QList<QStringList>({{"1", "Abyss, The", "Ann", "2024-01-05", "<null>"},
                                  {"3", "singin' in the rain", "Bob \"B\" O'Neil", "2023-03-01", "2023-04-01"},
                                  {"<null>", "Not In Catalogue", "Cy", "2022-01-01", "<null>"}}));
}

TEST_F(ConvertTest, AnExistingNewFileIsOverwrittenOnYes)
{
    makeOldCatalogue(oldPath());
    {
        QString p = newPath();
        ASSERT_TRUE(session.create(p));
        RawDb(p).exec("INSERT INTO Genres (Genre) VALUES ('Leftover')");
    }
    t.prompts.answerYes();
    ASSERT_TRUE(session.open(oldPath()));
    ASSERT_EQ(t.prompts.shown().size(), 3);
    EXPECT_EQ(t.prompts.shown().at(1).kind, "question");
    EXPECT_EQ(t.prompts.shown().at(1).title, "Create Database");
    EXPECT_EQ(t.prompts.shown().at(1).text, "This question database already exists.\rAre you sure you want to overwrite it?");
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Genres WHERE Genre = 'Leftover'").toInt(), 0);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Movies").toInt(), 3);
    EXPECT_FALSE(QFile::exists(newPath()));
}

TEST_F(ConvertTest, AnExistingNewFileIsConvertedIntoOnNo)
{
    makeOldCatalogue(oldPath());
    {
        QString p = newPath();
        ASSERT_TRUE(session.create(p));
        RawDb(p).exec("INSERT INTO Genres (Genre) VALUES ('Leftover')");
    }
    t.prompts.answerNo();
    ASSERT_TRUE(session.open(oldPath()));
    EXPECT_EQ(cat.scalar("SELECT group_concat(Genre, ',') FROM Genres").toString(), "Leftover,Drama,Sci-Fi,Drama");
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Movies").toInt(), 3);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM MovActLink").toInt(), 4);
    EXPECT_FALSE(QFile::exists(newPath()));
}

TEST_F(ConvertTest, AFailedConversionLeavesTheOldFileAsItWas)
{
    makeOldCatalogue(oldPath());
    RawDb(oldPath()).tryExec("INSERT INTO Movies (Title, OrderBy) VALUES (?, 'zzz')", {QString(300, QLatin1Char('x'))});
    const QByteArray before = fileBytes(oldPath());
    // The failure is logged; the half-made "_new" catalogue is what stays open, as it was.
    session.open(oldPath());
    EXPECT_EQ(fileBytes(oldPath()), before);
    EXPECT_EQ(logLinesFor("ConvertDB").size(), 1) << t.logLines().join('\n').toStdString();
    EXPECT_EQ(cat.path(), newPath());
    EXPECT_TRUE(QFile::exists(newPath()));
    RawDb db(newPath(), false, true);
    // Tables are converted whole or not at all.
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM Actors"), "5");
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM Movies"), "0");
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM MovActLink"), "0");
}

TEST_F(ConvertTest, LargeTablesConvert)
{
    // More rows than a 16-bit counter holds.
    const int n = 33000;
    {
        makeOldCatalogue(oldPath());
        RawDb db(oldPath());
        db.exec("BEGIN; DELETE FROM Movies; DELETE FROM LoanOut");
        db.exec(QStringLiteral("WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < %1) "
                               "INSERT INTO Movies (Title, Actor1, OrderBy) SELECT 'Movie ' || i, "
                               "CASE i % 2 WHEN 0 THEN 'Ed Harris' ELSE 'Sigourney Weaver' END, printf('%06d', i) FROM k").arg(n));
        db.exec("INSERT INTO LoanOut (MovieTitle, LoanedTo, DateOut) VALUES ('Movie 32999', 'Ann', '2024-02-02')");
        db.exec("COMMIT");
    }
    ASSERT_TRUE(session.open(oldPath())) << t.logLines().join('\n').toStdString();
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Movies").toInt(), n);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM MovActLink").toInt(), n);
    EXPECT_EQ(cat.scalar("SELECT a.Actor FROM MovActLink l JOIN Actors a ON a.ID = l.ActID WHERE l.MovID = ?", {32768}).toString(),
              "Ed Harris");
    EXPECT_EQ(cat.scalar("SELECT MovieID FROM LoanOut").toInt(), 32999);
}

} // namespace
