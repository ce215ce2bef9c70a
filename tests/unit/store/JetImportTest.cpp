// The mapping of an old catalogue onto the current schema, through the source interface with
// sources held in memory.

#include "CatalogueFile.h"
#include "JetImport.h"
#include "Migrations.h"
#include "CoverPictures.h"
#include "JetTestSupport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <iostream>

namespace {

const QStringList MovieColumns = {"ID:int", "Title:text", "Director:text", "Genre1:text", "Genre2:text", "Genre3:text",
                                  "Medium:text", "Format:text", "Rating:text", "ReleaseYear:text", "RunningTime:text",
                                  "NumDiscs:text"};

QStringList plus(QStringList list, const QStringList &more)
{
    list << more;
    return list;
}

QByteArray pictureBytes(int size, quint32 seed)
{
    QByteArray b(size, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    for (qsizetype i = 0; i < b.size(); ++i)
        b[i] = char(gen.bounded(256));
    b[0] = '\xff';
    b[1] = '\xd8'; // a JPEG's start, and zero bytes within
    b[10] = '\0';
    return b;
}

class JetImportTest : public StoreTest
{
protected:
    QString path() const { return t.path("films.cnlg"); }

    // Opens a Jet-headed films.cnlg read through source, answering Yes to the conversion.
    bool convert(CatalogueSource &source)
    {
        writeFile(path(), jetFileBytes());
        cat.setOldCatalogueReader([&source](const QString &) { return std::make_unique<SourceRef>(source); });
        t.prompts.answerYes();
        return session.open(path());
    }

    // Writes source into a new SQLite file with importCatalogue alone; returns the notes.
    QStringList importInto(const QString &file, CatalogueSource &source)
    {
        QStringList notes;
        const QString name = QStringLiteral("import-test");
        struct Remove {
            QString name;
            ~Remove() { QSqlDatabase::removeDatabase(name); }
        } remove{name};
        QSqlDatabase db = CatalogueFile::openConnection(file, name, true);
        NullProgress progress;
        try {
            JetImport::importCatalogue(source, db, progress, [&](const QString &n) { notes << n; });
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            throw;
        }
        db.close();
        db = QSqlDatabase();
        return notes;
    }

    // A catalogue of the current layout with every table and column.
    static FakeSource currentCatalogue(const QByteArray &cover1, const QByteArray &cover2)
    {
        FakeSource s;
        s.table("DBInfo", {"ID:int", "DBVer:text"}, {{1, "1.1"}});
        s.table("Actors", {"ID:int", "Actor:text", "URL:memo"},
                {{3, "Sigourney Weaver", "http://sw.example"}, {7, "Audrey Tautou", Null}, {12, "Ed Harris", "http://"}});
        s.table("Directors", {"ID:int", "Director:text", "URL:memo"},
                {{2, "James Cameron", Null}, {4, "Jean-Pierre Jeunet", "http://jpj.example"}});
        s.table("Genres", {"Genre:text"}, {{"Drama"}, {"Sci-Fi"}, {"Drama"}});
        s.table("Movies",
                plus(MovieColumns, {"UserRating:int", "URL:memo", "OrderBy:text", "EpisodeDisc:bool", "CoverData:ole",
                                    "onlineID:int", "web:int"}),
                {{5, "The Abyss", "James Cameron", "Sci-Fi", "Drama", Null, "VHS", "Wide", "PG-13", "1989", "140", "2", 4,
                  "http://abyss.example", "Abyss", false, cover1, 0, 0},
                 {9, QString::fromUtf8("Amélie"), "Jean-Pierre Jeunet", "Comedy", Null, Null, "DVD", "Wide", "R", "2001", "122",
                  "1", 5, Null, QString::fromUtf8("Amélie"), false, Null, 17, 1},
                 {20, "Firefly", Null, "Sci-Fi", Null, Null, "DVD", Null, Null, "2002", Null, "4", Null, Null, "Firefly", true,
                  cover2, 0, 0}});
        s.table("MovActLink", {"MovID:int", "ActID:int", "PlayingAs:text"},
                {{5, 12, "Bud"}, {9, 7, QString::fromUtf8("Amélie Poulain")}, {20, 3, Null}});
        s.table("LoanOut", {"ID:int", "MovieID:int", "MovieTitle:text", "LoanedTo:text", "DateOut:date", "DateIn:date"},
                {{2, 20, "Firefly", "Ann", day(2024, 1, 5), Null},
                 {6, 5, "The Abyss", QString::fromUtf8("Zoë"), day(2023, 3, 1, 18, 30), day(2023, 4, 1)}});
        s.table("UserList", {"ID:int", "MovID:int", "MovieTitle:text", "Name:text", "UserID:text"},
                {{4, 9, QString::fromUtf8("Amélie"), "Ann", "ann"}});
        s.table("Episodes", {"episodeID:int", "MovID:int", "Title:text", "epsNum:int", "discNum:int"},
                {{4, 20, "Serenity", 1, 1}, {8, 20, "The Train Job", 2, 1}, {11, 20, "Bushwhacked", 3, 2}});
        return s;
    }
};

TEST_F(JetImportTest, ACurrentCatalogueKeepsItsIdsLinksDatesAndCovers)
{
    const QByteArray cover1 = pictureBytes(150 * 1024, 1), cover2 = pictureBytes(3000, 2);
    FakeSource source = currentCatalogue(cover1, cover2);
    ASSERT_TRUE(convert(source)) << t.logLines().join('\n').toStdString();
    EXPECT_TRUE(t.logLines().isEmpty()) << t.logLines().join('\n').toStdString();

    EXPECT_EQ(CoverPictures(cat, t.ctx()).coverBytes(5), cover1);
    EXPECT_EQ(CoverPictures(cat, t.ctx()).coverBytes(20), cover2);
    EXPECT_FALSE(CoverPictures(cat, t.ctx()).hasCover(9));
    // New rows continue after the kept IDs.
    cat.exec("INSERT INTO Movies (Title) VALUES (?)", {QStringLiteral("Serenity")});
    EXPECT_EQ(cat.scalar("SELECT ID FROM Movies WHERE Title = 'Serenity'").toInt(), 21);
    cat.exec("DELETE FROM Movies WHERE ID = 21");
    cat.close();

    RawDb db(path(), false, true);
    EXPECT_EQ(db.value("PRAGMA application_id"), QString::number(0x43494E45));
    EXPECT_EQ(db.value("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(db.rows("SELECT * FROM DBInfo"), QList<QStringList>({{"1", "1.1"}}));
    EXPECT_EQ(db.rows("SELECT * FROM Actors ORDER BY ID"),
              QList<QStringList>({{"3", "Sigourney Weaver", "http://sw.example", "sigourney weaver"},
                                  {"7", "Audrey Tautou", "<null>", "audrey tautou"}, {"12", "Ed Harris", "http://", "ed harris"}}));
    EXPECT_EQ(db.rows("SELECT * FROM Directors ORDER BY ID"),
              QList<QStringList>({{"2", "James Cameron", "<null>", "james cameron"},
                                  {"4", "Jean-Pierre Jeunet", "http://jpj.example", "jean-pierre jeunet"}}));
    EXPECT_EQ(db.rows("SELECT * FROM Genres"), QList<QStringList>({{"Drama", "drama"}, {"Sci-Fi", "sci-fi"}, {"Drama", "drama"}}));
    EXPECT_EQ(db.rows("SELECT ID, Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, ReleaseYear, RunningTime, "
                      "NumDiscs, UserRating, URL, OrderBy, EpisodeDisc, length(CoverData), onlineID, web FROM Movies ORDER BY ID"),
              QList<QStringList>({{"5", "The Abyss", "James Cameron", "Sci-Fi", "Drama", "<null>", "VHS", "Wide", "PG-13", "1989",
                                   "140", "2", "4", "http://abyss.example", "Abyss", "0", "153600", "0", "0"},
                                  {"9", QString::fromUtf8("Amélie"), "Jean-Pierre Jeunet", "Comedy", "<null>", "<null>", "DVD",
                                   "Wide", "R", "2001", "122", "1", "5", "<null>", QString::fromUtf8("Amélie"), "0", "<null>",
                                   "17", "1"},
                                  {"20", "Firefly", "<null>", "Sci-Fi", "<null>", "<null>", "DVD", "<null>", "<null>", "2002",
                                   "<null>", "4", "<null>", "<null>", "Firefly", "1", "3000", "0", "0"}}));
    EXPECT_EQ(db.value("SELECT typeof(UserRating) || typeof(EpisodeDisc) || typeof(CoverData) FROM Movies WHERE ID = 5"),
              "integerintegerblob");
    // Every link names the same rows as before.
    EXPECT_EQ(db.rows("SELECT m.Title, a.Actor, l.PlayingAs FROM MovActLink l JOIN Movies m ON m.ID = l.MovID "
                      "JOIN Actors a ON a.ID = l.ActID ORDER BY m.ID"),
              QList<QStringList>({{"The Abyss", "Ed Harris", "Bud"},
                                  {QString::fromUtf8("Amélie"), "Audrey Tautou", QString::fromUtf8("Amélie Poulain")},
                                  {"Firefly", "Sigourney Weaver", "<null>"}}));
    EXPECT_EQ(db.rows("SELECT * FROM LoanOut ORDER BY ID"),
              QList<QStringList>({{"2", "20", "Firefly", "Ann", "2024-01-05", "<null>", "0"},
                                  {"6", "5", "The Abyss", QString::fromUtf8("Zoë"), "2023-03-01T18:30:00", "2023-04-01", "0"}}));
    EXPECT_EQ(db.rows("SELECT * FROM UserList"), QList<QStringList>({{"4", "9", QString::fromUtf8("Amélie"), "Ann", "ann"}}));
    EXPECT_EQ(db.rows("SELECT e.episodeID, m.Title, e.Title, e.epsNum, e.discNum FROM Episodes e JOIN Movies m ON m.ID = e.MovID "
                      "ORDER BY e.episodeID"),
              QList<QStringList>({{"4", "Firefly", "Serenity", "1", "1"}, {"8", "Firefly", "The Train Job", "2", "1"},
                                  {"11", "Firefly", "Bushwhacked", "3", "2"}}));
    EXPECT_EQ(db.value("SELECT seq FROM sqlite_sequence WHERE name = 'Episodes'"), "11");
}

TEST_F(JetImportTest, TheConvertedCatalogueIsCompleteSoOpeningItChangesNothing)
{
    FakeSource source = currentCatalogue(pictureBytes(100, 3), QByteArray());
    const QString file = t.path("imported.cnlg");
    EXPECT_TRUE(importInto(file, source).isEmpty());
    const QByteArray before = fileBytes(file);
    ASSERT_TRUE(session.open(file)) << t.logLines().join('\n').toStdString();
    cat.close();
    EXPECT_EQ(fileBytes(file), before);
    RawDb db(file, false, true);
    // The whole layout: the text keys, their indexes and triggers, the change counters (one trigger
    // for the movie, three each for its cast and its episodes, one for the loans), the movies' text
    // index with its three triggers and the list's eleven sort indexes, the actors' text index with
    // its three triggers.
    EXPECT_EQ(db.value("PRAGMA user_version"), QString::number(Migrations::latestVersion()));
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index'"), "22");
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM sqlite_master WHERE type = 'trigger'"), "20");
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM sqlite_master WHERE name = 'ActorText'"), "1");
}

TEST_F(JetImportTest, AnOldLayoutSourceHasItsCastConverted)
{
    // The oldest layout: the cast in Actor1..Actor4 of the movie row, no OrderBy yet; loans know their
    // movie only by title (the MovieID column holds nothing of use).
    FakeSource source;
    source.table("DBInfo", {"ID:int", "DBVer:text"}, {{1, "1.0"}});
    source.table("Actors", {"ID:int", "Actor:text"},
                 {{1, "Sigourney Weaver"}, {2, "Ed Harris"}, {3, "Peter O'Toole"}, {4, "Dwayne \"The Rock\" Johnson"}, {5, Null}});
    source.table("Directors", {"ID:int", "Director:text"}, {{1, "James Cameron"}, {2, "David Lean"}});
    source.table("Genres", {"Genre:text"}, {{"Drama"}});
    source.table("Movies", plus(MovieColumns, {"actor1:text", "Actor2:text", "Actor3:text", "Actor4:text"}),
                 {{1, "Singin' in the Rain", "Stanley Donen", "Musical", "", Null, "DVD", "Fullscreen", "G", "1952", "103", "1",
                   "Sigourney Weaver", "", Null, ""},
                  {2, "Abyss, The", "James Cameron", "Sci-Fi", "Drama", "", "VHS", "Wide", "PG-13", "1989", "140", "2",
                   "ed harris", "Nobody Known", "", Null},
                  {3, "Lawrence of Arabia", "David Lean", "Drama", Null, Null, "DVD", "Wide", "PG", "1962", "222", "2",
                   "Peter O'Toole", "dwayne \"the rock\" johnson", "Peter O'Toole ", "Sigourney Weaver"}});
    source.table("LoanOut", {"ID:int", "MovieID:int", "MovieTitle:text", "LoanedTo:text", "DateOut:date", "DateIn:date"},
                 {{1, 99, "Abyss, The", "Ann", day(2024, 1, 5), Null},
                  {2, 99, "singin' in the rain", "Bob", day(2023, 3, 1), day(2023, 4, 1)},
                  {3, 99, "Not In Catalogue", "Cy", day(2022, 1, 1), Null}});
    ASSERT_TRUE(convert(source)) << t.logLines().join('\n').toStdString();
    EXPECT_TRUE(t.logLines().isEmpty()) << t.logLines().join('\n').toStdString();
    cat.close();

    RawDb db(path(), false, true);
    EXPECT_EQ(columnsOf(path(), "Movies").size(), 26); // with the keys of Title, OrderBy and Director, the change counters and the TMDb ID
    EXPECT_FALSE(columnsOf(path(), "Movies").contains("Actor1"));
    EXPECT_EQ(db.rows("SELECT * FROM DBInfo"), QList<QStringList>({{"1", "1.1"}}));
    // Names are matched without regard to letter case; a name missing from Actors is dropped.
    EXPECT_EQ(db.rows("SELECT MovID, ActID, PlayingAs FROM MovActLink ORDER BY MovID, ActID"),
              QList<QStringList>({{"1", "1", "<null>"}, {"2", "2", "<null>"}, {"3", "1", "<null>"}, {"3", "3", "<null>"},
                                  {"3", "4", "<null>"}}));
    // The IDs stay; the title rule runs as the open-time check runs it, after the loans found their movie.
    // Empty text stays empty where the column takes it (Genre2), as in any other source.
    EXPECT_EQ(db.rows("SELECT ID, Title, OrderBy, Genre2, UserRating, EpisodeDisc FROM Movies ORDER BY ID"),
              QList<QStringList>({{"1", "Singin' in the Rain", "Singin' in the Rain", "", "0", "0"},
                                  {"2", "The Abyss", "Abyss", "Drama", "0", "0"},
                                  {"3", "Lawrence of Arabia", "Lawrence of Arabia", "<null>", "0", "0"}}));
    EXPECT_EQ(db.rows("SELECT MovieID, MovieTitle, LoanedTo, DateOut, DateIn FROM LoanOut ORDER BY ID"),
              QList<QStringList>({{"2", "Abyss, The", "Ann", "2024-01-05", "<null>"},
                                  {"1", "singin' in the rain", "Bob", "2023-03-01", "2023-04-01"},
                                  {"<null>", "Not In Catalogue", "Cy", "2022-01-01", "<null>"}}));
}

TEST_F(JetImportTest, ASourceMissingLaterColumnsGetsWhatTheOpenTimeCheckGives)
{
    // The same old catalogue twice: as a source for the conversion, and as a SQLite file of the base
    // layout that the open-time check brings up to date.
    const QList<QVariantList> movies = {
        {1, "Abyss, The", "James Cameron", "Sci-Fi", "Drama", Null, "VHS", "Wide", "PG-13", "1989", "140", "2"},
        {2, "The Lord of the Rings", "Peter Jackson", "Fantasy", Null, Null, "DVD", "Wide", "PG-13", "2001", "178", "4"},
        {4, "Heat", "Michael Mann", "Crime", Null, Null, "DVD", "Wide", "R", "1995", "170", "1"},
        {5, Null, Null, Null, Null, Null, Null, Null, Null, Null, Null, Null}};
    FakeSource source;
    source.table("Actors", {"ID:int", "Actor:text"}, {{1, "Al Pacino"}, {2, "Robert De Niro"}});
    source.table("Directors", {"ID:int", "Director:text"}, {{1, "Michael Mann"}});
    source.table("Movies", MovieColumns, movies);
    source.table("MovActLink", {"MovID:int", "ActID:int"}, {{4, 1}, {4, 2}});
    const QString converted = t.path("converted.cnlg");
    EXPECT_TRUE(importInto(converted, source).isEmpty());

    const QString checked = created("checked.cnlg");
    {
        RawDb raw(checked, true);
        raw.exec("DROP TABLE Episodes; INSERT INTO Actors (ID, Actor) VALUES (1, 'Al Pacino'), (2, 'Robert De Niro');"
                 "INSERT INTO Directors (ID, Director) VALUES (1, 'Michael Mann');"
                 "INSERT INTO MovActLink (MovID, ActID) VALUES (4, 1), (4, 2)");
        for (const QVariantList &m : movies)
            EXPECT_EQ(raw.tryExec("INSERT INTO Movies (ID, Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, "
                                  "ReleaseYear, RunningTime, NumDiscs) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", m), 101);
    }
    ASSERT_TRUE(columnsOf(checked, "Movies").size() < 19);
    ASSERT_TRUE(session.open(checked)) << t.logLines().join('\n').toStdString();
    cat.close();

    RawDb a(converted, false, true), b(checked, false, true);
    for (const char *table : {"Movies", "Actors", "Directors", "MovActLink", "Episodes", "UserList", "LoanOut"}) {
        const QString sql = QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2").arg(QLatin1String(table));
        EXPECT_EQ(a.columns(table), b.columns(table)) << table;
        EXPECT_EQ(a.rows(sql), b.rows(sql)) << table;
    }
    EXPECT_EQ(a.rows("SELECT ID, Title, OrderBy, UserRating, URL, EpisodeDisc, CoverData, onlineID, web FROM Movies ORDER BY ID"),
              QList<QStringList>({{"1", "The Abyss", "Abyss", "0", "<null>", "0", "<null>", "0", "0"},
                                  {"2", "The Lord of the Rings", "Lord of the Rings", "0", "<null>", "0", "<null>", "0", "0"},
                                  {"4", "Heat", "Heat", "0", "<null>", "0", "<null>", "0", "0"},
                                  {"5", "<null>", "<null>", "0", "<null>", "0", "<null>", "0", "0"}}));
    EXPECT_EQ(a.rows("SELECT ID, Actor, URL FROM Actors ORDER BY ID"), QList<QStringList>({{"1", "Al Pacino", "<null>"}, {"2", "Robert De Niro", "<null>"}}));
    EXPECT_EQ(a.value("SELECT COUNT(*) FROM DBInfo"), "0");
}

TEST_F(JetImportTest, AnUnknownTableIsLeftOutWithANoteInTheErrorLog)
{
    FakeSource source = currentCatalogue(QByteArray(), QByteArray());
    source.table("Wishlist", {"ID:int", "Title:text"}, {{1, "Brazil"}});
    source.get("Movies").columns.append(SourceColumn{"Notes", SourceColumn::Type::Memo});
    for (QVariantList &row : source.get("Movies").rows)
        row.append("a note");
    ASSERT_TRUE(convert(source)) << t.logLines().join('\n').toStdString();
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Movies").toInt(), 3);
    cat.close();

    const QStringList notes = logLinesFor("ConvertJet");
    ASSERT_EQ(notes.size(), 2) << t.logLines().join('\n').toStdString();
    EXPECT_TRUE(notes.at(0).contains("The table 'Wishlist' is not part of a Cinelog catalogue and was not converted."));
    EXPECT_TRUE(notes.at(1).contains("The column 'Notes' of table 'Movies' is not part of a Cinelog catalogue"));
    EXPECT_EQ(t.logLines().size(), 2);
    // Notes only: the user sees the question and the result, no error box.
    ASSERT_EQ(t.prompts.shown().size(), 2);
    EXPECT_EQ(t.prompts.shown().at(1).title, "Update Complete!");
    RawDb db(path(), false, true);
    EXPECT_EQ(db.value("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Wishlist'"), "0");
    EXPECT_FALSE(columnsOf(path(), "Movies").contains("Notes"));
}

TEST_F(JetImportTest, EmptyTextIsWrittenAsTheCatalogueKeepsIt)
{
    FakeSource source;
    source.table("Actors", {"ID:int", "Actor:text"}, {{1, ""}, {2, "Ann"}});
    source.table("Movies", {"ID:int", "Title:text", "Medium:text", "URL:memo", "CoverData:ole"},
                 {{1, "", "", "", QByteArray()}});
    source.table("LoanOut", {"ID:int", "MovieID:int", "DateOut:text", "DateIn:text"}, {{1, 1, "", "2024-02-02"}});
    const QString file = t.path("imported.cnlg");
    EXPECT_TRUE(importInto(file, source).isEmpty());
    RawDb db(file, false, true);
    // Actor refuses empty text: it becomes Null; Title, Medium and URL take it as it is.
    EXPECT_EQ(db.value("SELECT typeof(Actor) FROM Actors WHERE ID = 1"), "null");
    EXPECT_EQ(db.rows("SELECT quote(Title), quote(Medium), quote(URL), quote(CoverData) FROM Movies"),
              QList<QStringList>({{"''", "''", "''", "NULL"}}));
    EXPECT_EQ(db.rows("SELECT quote(DateOut), DateIn FROM LoanOut"), QList<QStringList>({{"NULL", "2024-02-02"}}));
}

TEST_F(JetImportTest, ASourceWithoutMoviesIsNotACatalogue)
{
    FakeSource source;
    source.table("Customers", {"ID:int", "Name:text"}, {{1, "Ann"}});
    const QString file = t.path("imported.cnlg");
    try {
        importInto(file, source);
        ADD_FAILURE() << "no error";
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.description(), "It has no Movies table, so it is not a Cinelog catalogue.");
    }
    EXPECT_EQ(source.cursorsOpened, 0);
}

TEST_F(JetImportTest, ARowTheCatalogueRefusesNamesItsTableAndRow)
{
    FakeSource source;
    source.table("Movies", {"ID:int", "Title:memo"}, {{1, "Short"}, {2, QString(300, 'x')}});
    try {
        importInto(t.path("imported.cnlg"), source);
        ADD_FAILURE() << "no error";
    } catch (const CinelogError &e) {
        EXPECT_TRUE(e.description().startsWith("Row 2 of table Movies could not be converted: CHECK constraint failed"))
            << e.description().toStdString();
    }
}

TEST_F(JetImportTest, ProgressCoversEveryRowAndEnds)
{
    FakeSource source = currentCatalogue(QByteArray(), QByteArray());
    RecordingProgress progress;
    t.ctx().setProgress(&progress);
    ASSERT_TRUE(convert(source));
    t.ctx().setProgress(nullptr);
    // 1 + 3 + 2 + 3 + 3 + 3 + 2 + 1 + 3 rows.
    EXPECT_EQ(progress.shows, QStringList({"Converting the catalogue... 0..21"}));
    ASSERT_FALSE(progress.values.isEmpty());
    EXPECT_EQ(progress.values.last(), 21);
}

TEST_F(JetImportTest, TensOfThousandsOfMoviesConvertInSeconds)
{
    const int movies = 40000, actors = 5000;
    FakeSource source;
    QList<QVariantList> actorRows, movieRows, links, loans;
    for (int i = 1; i <= actors; ++i)
        actorRows.append({i, QStringLiteral("Actor %1").arg(i)});
    for (int i = 1; i <= movies; ++i) {
        movieRows.append({i, QStringLiteral("Movie %1").arg(i), "Director", "Drama", Null, Null, "DVD", "Wide", "PG", "1999",
                          "100", "1", i % 6, Null, QStringLiteral("Movie %1").arg(i), false, Null, 0, 0});
        for (int k = 0; k < 3; ++k)
            links.append({i, (i * 7 + k) % actors + 1, Null});
        if (i % 20 == 0)
            loans.append({i / 20, i, QStringLiteral("Movie %1").arg(i), "Ann", day(2024, 1, 1 + i % 28), Null});
    }
    source.table("Actors", {"ID:int", "Actor:text"}, actorRows);
    source.table("Movies", plus(MovieColumns, {"UserRating:int", "URL:memo", "OrderBy:text", "EpisodeDisc:bool", "CoverData:ole",
                                               "onlineID:int", "web:int"}),
                 movieRows);
    source.table("MovActLink", {"MovID:int", "ActID:int", "PlayingAs:text"}, links);
    source.table("LoanOut", {"ID:int", "MovieID:int", "MovieTitle:text", "LoanedTo:text", "DateOut:date", "DateIn:date"}, loans);

    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(convert(source)) << t.logLines().join('\n').toStdString();
    const qint64 ms = timer.elapsed();
    std::cout << "[          ] converted " << movies << " movies, " << links.size() << " cast links in " << ms << " ms\n";
    EXPECT_LT(ms, 20000);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM Movies").toInt(), movies);
    EXPECT_EQ(cat.scalar("SELECT COUNT(*) FROM MovActLink").toInt(), movies * 3);
    EXPECT_EQ(cat.scalar("SELECT a.Actor FROM MovActLink l JOIN Actors a ON a.ID = l.ActID WHERE l.MovID = ? ORDER BY l.rowid LIMIT 1",
                         {32768}).toString(),
              QStringLiteral("Actor %1").arg((32768 * 7) % actors + 1));
    EXPECT_EQ(cat.scalar("SELECT MovieID FROM LoanOut WHERE ID = 1638").toInt(), 32760);
}

} // namespace
