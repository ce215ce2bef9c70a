#include "Catalogue.h"
#include "TestCatalogue.h"
#include "CinelogError.h"
#include "GTestSupport.h"
#include "ImportHeadings.h"
#include "ImportTestData.h"
#include "MovieTextIndex.h"
#include "WorkbookImport.h"
#include "WorkbookReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <memory>

namespace {


// The "Movies" sheet's columns: A Title, B Director, C-D Actors, E Genre, F Medium, G Year,
// H Minutes, I Discs.
FieldLinks moviesLinks()
{
    FieldLinks l{};
    l[ImportField::Title] = 1;
    l[ImportField::Director] = 2;
    l[ImportField::Actor1] = 3;
    l[ImportField::Actor1 + 1] = 4;
    l[ImportField::Genre1] = 5;
    l[ImportField::Medium] = 6;
    l[ImportField::ReleaseYear] = 7;
    l[ImportField::RunningTime] = 8;
    l[ImportField::NumDiscs] = 9;
    return l;
}

class RecordingProgress : public ProgressSink
{
public:
    void ShowProgress(const QString &message, int minimum, int maximum) override
    {
        shown << QStringLiteral("%1 %2..%3").arg(message).arg(minimum).arg(maximum);
    }
    void UpdateProgress(qint64 value) override { values << value; }
    QStringList shown;
    QList<qint64> values;
};

class ImportTest : public ::testing::Test
{
protected:
    // A new, opened catalogue file; the returned Catalogue keeps it open.
    std::unique_ptr<Catalogue> newCatalogue(const QString &name)
    {
        auto cat = std::make_unique<Catalogue>();
        QString path = t.path(name);
        EXPECT_TRUE(createCatalogue(path));
        EXPECT_TRUE(cat->open(path).opened());
        return cat;
    }

    // A catalogue file created and closed again.
    QString closedCatalogue(const QString &name)
    {
        auto cat = newCatalogue(name);
        const QString path = cat->path();
        cat->close();
        return path;
    }

    // The rows a user would see, in a form that compares across imports.
    static QStringList dump(Catalogue &cat)
    {
        QStringList out;
        QSqlQuery q = cat.exec(QStringLiteral(
            "SELECT ID, Title, OrderBy, Director, Genre1, Genre2, Medium, Format, ReleaseYear, RunningTime, NumDiscs, UserRating "
            "FROM Movies ORDER BY ID"));
        while (q.next()) {
            QStringList f;
            for (int i = 0; i < 12; ++i)
                f << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
            out << QStringLiteral("movie ") + f.join(QLatin1Char('|'));
        }
        for (const char *sql : {"SELECT 'director ' || Director FROM Directors ORDER BY ID",
                                "SELECT 'actor ' || ID || ' ' || Actor FROM Actors ORDER BY ID",
                                "SELECT 'genre ' || Genre FROM Genres ORDER BY rowid",
                                "SELECT 'cast ' || MovID || ' ' || ActID || ' ' || coalesce(PlayingAs, '<null>') FROM MovActLink "
                                "ORDER BY MovID, ActID"}) {
            QSqlQuery r = cat.exec(QString::fromLatin1(sql));
            while (r.next())
                out << r.value(0).toString();
        }
        return out;
    }

    static SheetData sheetOf(const char *file, int index = 0) { return openWorkbook(importData(file))->readSheet(index); }

    // A worksheet of the CSV text given, written to a file of its own.
    SheetData csvSheet(const QByteArray &csv)
    {
        const QString path = t.path(QStringLiteral("sheet%1.csv").arg(++m_sheets));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(csv);
        f.close();
        return openWorkbook(path)->readSheet(0);
    }
    int m_sheets = 0;

    GTestContext t;
    RecordingProgress progress;
};

TEST_F(ImportTest, EveryFormatImportsTheSameRows)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    QStringList reference;
    for (const char *file : {"movies.xlsx", "movies.xls", "movies.ods", "movies.csv", "movies-semicolon.csv"}) {
        const QString target = closedCatalogue(QStringLiteral("%1.cnlg").arg(QString::fromLatin1(file)));
        const ImportSummary s = WorkbookImport::run(sheetOf(file), moviesLinks(), *main, target, progress);
        EXPECT_EQ(s.movies, 4) << file;
        EXPECT_EQ(s.refused, 1) << file; // the empty row between data rows has no title
        Catalogue check;
        ASSERT_TRUE(check.open(target).opened());
        // The imported movies are in the text index, which keeps its triggers.
        EXPECT_EQ(MovieTextIndex::outOfStep(check.MovieConn()), 0) << file;
        EXPECT_EQ(check.scalar(QStringLiteral("SELECT count(*) FROM MovieText WHERE MovieText MATCH '\"abyss\"'")).toInt(), 1) << file;
        EXPECT_EQ(check.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND name LIKE 'MovieText%'")).toInt(), 3);
        // The actors it added are in the actors' index, which keeps its triggers too.
        EXPECT_EQ(MovieTextIndex::actorsOutOfStep(check.MovieConn()), 0) << file;
        EXPECT_EQ(check.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND name LIKE 'ActorText%'")).toInt(), 3);
        const QStringList rows = dump(check);
        if (reference.isEmpty())
            reference = rows;
        else
            EXPECT_EQ(rows, reference) << file;
    }
    const QStringList expected = {
        "movie 1|The Abyss|Abyss|James Cameron|Science Fiction|<null>|DVD|<null>|1989|140|1|0",
        "movie 2|Aliens|Aliens|James Cameron|Action|<null>|DVD|<null>|1986|137.5|2|0",
        "movie 3|Say \"Hello\" to O'Brien|Say \"Hello\" to O'Brien|Jim O'Hara|Comedy|<null>|VHS|<null>|2001|95|1|0",
        "movie 4|Titanic|Titanic|James Cameron|Drama|<null>|DVD|<null>|1997|194|2|0",
        // A director named in three rows is added once; names with quotes are stored as written.
        "director James Cameron",
        "director Jim O'Hara",
        "actor 1 Ed Harris",
        "actor 2 Mary Elizabeth Mastrantonio",
        "actor 3 Sigourney Weaver",
        "actor 4 Michael Biehn",
        QStringLiteral("actor 5 Zoë Ñúñez"),
        "actor 6 Kate Winslet",
        "genre Science Fiction",
        "genre Action",
        "genre Comedy",
        "genre Drama",
        // Imported actors are the movie's cast, with no part given.
        "cast 1 1 <null>",
        "cast 1 2 <null>",
        "cast 2 3 <null>",
        "cast 2 4 <null>",
        "cast 3 1 <null>",
        "cast 3 5 <null>",
        "cast 4 6 <null>",
    };
    EXPECT_EQ(reference, expected);
    // The catalogue open in the program was not touched.
    EXPECT_TRUE(dump(*main).isEmpty());
}

TEST_F(ImportTest, IntoTheOpenCatalogueAddsOnlyNewNames)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    main->exec(QStringLiteral("INSERT INTO Directors (Director) VALUES (?)"), {QStringLiteral("JAMES CAMERON")});
    main->exec(QStringLiteral("INSERT INTO Genres (Genre) VALUES (?)"), {QStringLiteral("Drama")});
    main->exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {QStringLiteral("Ed Harris")});

    EXPECT_TRUE(WorkbookImport::isOpenCatalogue(*main, main->path()));
    const ImportSummary first = WorkbookImport::run(sheetOf("movies.xlsx"), moviesLinks(), *main, main->path(), progress);
    EXPECT_EQ(first.movies, 4);
    EXPECT_EQ(first.directorsAdded, 1); // Jim O'Hara; James Cameron is there in other letter case
    EXPECT_EQ(first.genresAdded, 3);
    EXPECT_EQ(first.actorsAdded, 5);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM MovActLink WHERE ActID = 1")).toInt(), 2);

    // Importing again, duplicates included, appends the rows again and adds no names.
    const ImportSummary again = WorkbookImport::run(sheetOf("movies.xlsx"), moviesLinks(), *main, main->path(), progress);
    EXPECT_EQ(again.movies, 4);
    EXPECT_EQ(again.directorsAdded + again.genresAdded + again.actorsAdded, 0);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt(), 8);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM Directors")).toInt(), 2);
    EXPECT_EQ(MovieTextIndex::outOfStep(main->MovieConn()), 0);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM MovieText WHERE MovieText MATCH '\"titanic\"'")).toInt(), 2);
    // The triggers are back: a movie saved after the import is indexed at once.
    main->exec(QStringLiteral("INSERT INTO Movies (Title) VALUES ('Afterwards')"));
    EXPECT_EQ(MovieTextIndex::outOfStep(main->MovieConn()), 0);
    // The actors added by the import and after it are in the actors' index.
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM ActorText")).toInt(), 6);
    main->exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES ('Afterwards Actor')"));
    EXPECT_EQ(MovieTextIndex::actorsOutOfStep(main->MovieConn()), 0);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM ActorText WHERE ActorText MATCH ?"), {QStringLiteral("afterwards")}).toInt(), 1);
}

TEST_F(ImportTest, HeadingOnlySheetImportsNothing)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::Director] = 2;
    const ImportSummary s = WorkbookImport::run(sheetOf("movies.xlsx", 1), links, *main, main->path(), progress);
    EXPECT_EQ(s.movies, 0);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt(), 0);
    EXPECT_EQ(progress.shown, QStringList({"Importing Excel Data... 0..1"}));
    ASSERT_FALSE(progress.values.isEmpty());
    EXPECT_EQ(progress.values.last(), 1); // the progress display is closed
}

TEST_F(ImportTest, ProgressCountsRowsToTheLastRow)
{
    const QString target = closedCatalogue(QStringLiteral("target.cnlg"));
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    WorkbookImport::run(sheetOf("movies.csv"), moviesLinks(), *main, target, progress);
    EXPECT_EQ(progress.shown, QStringList({"Importing Excel Data... 0..6"}));
    EXPECT_EQ(progress.values.first(), 2);
    EXPECT_EQ(progress.values.last(), 6);
}

// Rows the catalogue cannot take are refused one by one, each with its reason, and nothing of
// them is stored; the other rows are imported.
TEST_F(ImportTest, RefusedRowsAreLeftOutWithTheirReason)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    const QString target = closedCatalogue(QStringLiteral("target.cnlg"));
    const SheetData sheet = csvSheet("Title,Director,User Rating,Actor\n"
                                     "First,New Director,3,Some Actor\n"
                                     "Second," + QByteArray(300, 'x') + ",,Refused Actor\n"
                                     " ,Nobody's Director,,\n"
                                     "Third,Other,9,\n"
                                     "Fourth,,,\"Long, " + QByteArray(260, 'y') + "\"\n"
                                     "Fifth,,7,\n");
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::Director] = 2;
    links[ImportField::UserRating] = 3;
    links[ImportField::Actor1] = 4;
    const QString reasons[] = {
        QString(),
        QStringLiteral("Column B (Director): the text has 300 characters; the catalogue holds at most 255."),
        QStringLiteral("The title is empty."),
        QStringLiteral("Column C (User Rating): \"9\" is not a rating from 0 to 7."),
        QStringLiteral("Column D (Actor 1): the text has 266 characters; the catalogue holds at most 255."),
        QString(),
    };
    for (int row = 2; row <= 7; ++row)
        EXPECT_EQ(WorkbookImport::prepare(sheet, row, links, {}, {}).refusal, reasons[row - 2]) << row;

    for (const QString &into : {target, main->path()}) {
        const ImportSummary s = WorkbookImport::run(sheet, links, *main, into, progress);
        EXPECT_EQ(s.movies, 2);
        EXPECT_EQ(s.refused, 4);
        EXPECT_EQ(s.directorsAdded, 1); // no name of a refused row reaches the pick lists
        EXPECT_EQ(s.actorsAdded, 1);
        EXPECT_EQ(progress.values.last(), 7); // the progress display is closed
    }
    Catalogue check;
    ASSERT_TRUE(check.open(target).opened());
    const QStringList expected = {"movie 1|First|First|New Director|<null>|<null>|<null>|<null>|<null>|<null>|<null>|3",
                                  "movie 2|Fifth|Fifth|<null>|<null>|<null>|<null>|<null>|<null>|<null>|<null>|7",
                                  "director New Director", "actor 1 Some Actor", "cast 1 1 <null>"};
    EXPECT_EQ(dump(check), expected);
}

// A failure of the catalogue itself stops the import: nothing of the sheet is kept, the message
// names the row, and the open catalogue stays usable.
TEST_F(ImportTest, CatalogueFailureMidwayAppendsNothing)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    const QString target = closedCatalogue(QStringLiteral("target.cnlg"));
    for (const QString &path : {target, main->path()}) {
        Catalogue c;
        Catalogue &cat = path == main->path() ? *main : c;
        if (&cat == &c) {
            ASSERT_TRUE(c.open(path).opened());
        }
        cat.exec(QStringLiteral("CREATE TRIGGER refuseBoom BEFORE INSERT ON Movies WHEN NEW.Title = 'Boom' "
                                "BEGIN SELECT RAISE(ABORT, 'no booms here'); END"));
    }
    const SheetData sheet = csvSheet("Title,Director\nFirst,New Director\nBoom,Other\nThird,Other\n");
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::Director] = 2;
    for (const QString &into : {target, main->path()}) {
        try {
            WorkbookImport::run(sheet, links, *main, into, progress);
            ADD_FAILURE() << "the import went through";
        } catch (const CinelogError &e) {
            EXPECT_TRUE(e.description().startsWith(QStringLiteral("Row 3:"))) << e.what();
            EXPECT_TRUE(e.description().contains(QStringLiteral("no booms here"))) << e.what();
        }
        EXPECT_EQ(progress.values.last(), 4); // the progress display is closed
    }
    Catalogue check;
    ASSERT_TRUE(check.open(target).opened());
    EXPECT_TRUE(dump(check).isEmpty());
    EXPECT_TRUE(dump(*main).isEmpty());
    main->exec(QStringLiteral("INSERT INTO Genres (Genre) VALUES (?)"), {QStringLiteral("Drama")});
}

// The limit is in characters: a title of 255 characters outside the basic plane fits.
TEST_F(ImportTest, TextLimitCountsCharacters)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    const QString clapper = QStringLiteral("\U0001F3AC");
    struct Case {
        int characters;
        bool fits;
    } cases[] = {{255, true}, {256, false}};
    for (const Case &c : cases) {
        const SheetData sheet = csvSheet("Title\n" + clapper.repeated(c.characters).toUtf8() + "\n");
        FieldLinks links{};
        links[ImportField::Title] = 1;
        const ImportSummary s = WorkbookImport::run(sheet, links, *main, main->path(), progress);
        EXPECT_EQ(s.movies == 1, c.fits) << c.characters;
        if (!c.fits) {
            EXPECT_TRUE(WorkbookImport::prepare(sheet, 2, links, {}, {}).refusal.startsWith(QStringLiteral("Column A (Movie Title):")));
        }
    }
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT Title FROM Movies")).toString(), clapper.repeated(255));
}

// A genre cell naming several fills the genre fields; a people cell is split on semicolons only
// (names hold commas); a cast cell keeps its roles; people beyond the four actor boxes follow in
// the cast, in order.
TEST_F(ImportTest, GenreAndPeopleCellsAreSplit)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    const SheetData sheet = csvSheet(
        "Title,Genres,Actors,Cast\n"
        "Heat,\"Crime, Drama,Thriller, Action\",\"Pacino, Al; De Niro, Robert\","
        "\"Kilmer, Val as Chris Shiherlis; Pacino, Al as Vincent Hanna; Voight, Jon\"\n"
        "Ensemble,Comedy,\"A, One; B, Two; C, Three; D, Four; E, Five; F, Six\",\"G, Seven as Guest\"\n"
        "Plain,\" Drama , \",\"Solo, Han\",\n");
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::Genre1] = 2;
    links[ImportField::Actor1] = 3;
    links[ImportField::Cast] = 4;

    const PreparedRow ensemble = WorkbookImport::prepare(sheet, 3, links, {}, {});
    EXPECT_EQ(ensemble.actorCount, 4);
    EXPECT_EQ(ensemble.cast.size(), 7);

    const ImportSummary s = WorkbookImport::run(sheet, links, *main, main->path(), progress);
    EXPECT_EQ(s.movies, 3);
    QStringList genres, cast;
    QSqlQuery g = main->exec(QStringLiteral("SELECT Title, Genre1, Genre2, Genre3 FROM Movies ORDER BY ID"));
    while (g.next())
        genres << QStringList{g.value(0).toString(), g.value(1).toString(), g.value(2).toString(), g.value(3).toString()}.join(u'|');
    EXPECT_EQ(genres, QStringList({"Heat|Crime|Drama|Thriller", "Ensemble|Comedy||", "Plain|Drama||"}));
    QSqlQuery c = main->exec(QStringLiteral("SELECT l.MovID, a.Actor, coalesce(l.PlayingAs, '-') FROM MovActLink l "
                                            "JOIN Actors a ON a.ID = l.ActID ORDER BY l.rowid"));
    while (c.next())
        cast << QStringLiteral("%1 %2 / %3").arg(c.value(0).toString(), c.value(1).toString(), c.value(2).toString());
    EXPECT_EQ(cast, QStringList({
                        // An actor the cast names again with a role is one cast member with that role.
                        "1 Pacino, Al / Vincent Hanna",
                        "1 De Niro, Robert / -",
                        "1 Kilmer, Val / Chris Shiherlis",
                        "1 Voight, Jon / -",
                        "2 A, One / -",
                        "2 B, Two / -",
                        "2 C, Three / -",
                        "2 D, Four / -",
                        "2 E, Five / -",
                        "2 F, Six / -",
                        "2 G, Seven / Guest",
                        "3 Solo, Han / -",
                    }));
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT group_concat(Genre, '|') FROM (SELECT Genre FROM Genres ORDER BY rowid)")).toString(),
              QStringLiteral("Crime|Drama|Thriller|Comedy"));

    // A sheet with a column per genre (as the export writes) keeps each cell whole.
    const SheetData perColumn = csvSheet("Title,Genre 1,Genre 2\nLight,\"Drama, Light\",Comedy\n");
    const PreparedRow light = WorkbookImport::prepare(perColumn, 2, ImportHeadings::match(perColumn.headings()), {}, {});
    EXPECT_EQ(light.values[ImportField::Genre1], QStringLiteral("Drama, Light"));
    EXPECT_EQ(light.values[ImportField::Genre1 + 1], QStringLiteral("Comedy"));
    EXPECT_EQ(light.values[ImportField::Genre3], QString());
}

// Movies the target held before the import (same title ignoring case and the title rule, same
// year) are skipped when asked; rows of the sheet never count as duplicates of each other.
TEST_F(ImportTest, DuplicatesOfTheTargetAreSkippedWhenAsked)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    main->exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear) VALUES ('The Abyss', '1989'), ('Aliens', '1986'), "
                              "('Solaris', NULL)"));
    const SheetData sheet = csvSheet("Title,Year\n"
                                     "\"Abyss, The\",1989\n" // duplicate
                                     "ALIENS,1986\n"         // duplicate
                                     "Aliens,1990\n"         // another year
                                     "Solaris,\n"            // no year either: duplicate
                                     "Solaris,1972\n"        // a year where the catalogue has none
                                     "Heat,1995\n"
                                     "Heat,1995\n");        // twice in the sheet: both new
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::ReleaseYear] = 2;
    const MovieKeys existing = WorkbookImport::existingMovies(*main, main->path(), sheet, links);
    QList<bool> duplicate;
    for (int row = 2; row <= 8; ++row)
        duplicate << WorkbookImport::prepare(sheet, row, links, {}, existing).duplicate;
    EXPECT_EQ(duplicate, QList<bool>({true, true, false, true, false, false, false}));

    const QString copy = t.path(QStringLiteral("copy.cnlg"));
    ASSERT_TRUE(QFile::copy(main->path(), copy));
    EXPECT_EQ(WorkbookImport::existingMovies(*main, copy, sheet, links), existing); // another file is read the same way

    ImportOptions skip;
    skip.skipDuplicates = true;
    const ImportSummary s = WorkbookImport::run(sheet, links, *main, main->path(), progress, skip);
    EXPECT_EQ(s.movies, 4);
    EXPECT_EQ(s.duplicatesSkipped, 3);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT group_concat(Title || ' ' || coalesce(ReleaseYear, '-'), '|') FROM "
                                          "(SELECT Title, ReleaseYear FROM Movies WHERE ID > 3 ORDER BY ID)")).toString(),
              QStringLiteral("Aliens 1990|Solaris 1972|Heat 1995|Heat 1995"));

    const ImportSummary all = WorkbookImport::run(sheet, links, *main, copy, progress);
    EXPECT_EQ(all.movies, 7);
    EXPECT_EQ(all.duplicatesSkipped, 0);
}

// The two website exports bring their own forms: people "First Last" (the first of several
// directors), genres separated by commas, a release date standing for the year, an address.
TEST_F(ImportTest, WebsiteExportsArriveInTheCataloguesForm)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    const SheetData list = csvSheet(
        "Const,Your Rating,Date Rated,Title,URL,Title Type,IMDb Rating,Runtime (mins),Year,Genres,Num Votes,Release Date,Directors\n"
        "tt0000001,9,2020-01-05,The Example,https://example.org/title/tt0000001/,movie,8.7,136,1999,\"Action, Sci-Fi\",100,"
        "1999-03-31,\"Lana Example, Lilly Example\"\n"
        "tt0000002,7,2020-01-06,Another One,https://example.org/title/tt0000002/,movie,7.1,95,2004,Drama,50,2004-07-16,"
        "Jean-Claude Van Damme\n");
    const SheetData diary = csvSheet("Date,Name,Year,Letterboxd URI\n2021-05-01,Heat,1995,https://example.org/film/heat/\n");
    const SheetData dated = csvSheet("Title,Release Date\nDated,16/07/2010\nUndated,soon\nBox Set,1999-2003\n"
                                     "Spelled,\"July 4, 1986\"\nTimed,1986-07-04T00:00:00\n");

    for (const SheetData *sheet : {&list, &diary, &dated}) {
        const FieldLinks links = ImportHeadings::match(sheet->headings());
        WorkbookImport::run(*sheet, links, *main, main->path(), progress, ImportHeadings::optionsFor(sheet->headings()));
    }
    QStringList movies;
    QSqlQuery q = main->exec(QStringLiteral("SELECT Title, OrderBy, ReleaseYear, RunningTime, Director, Genre1, Genre2, URL "
                                            "FROM Movies ORDER BY ID"));
    while (q.next()) {
        QStringList f;
        for (int i = 0; i < 8; ++i)
            f << q.value(i).toString();
        movies << f.join(u'|');
    }
    EXPECT_EQ(movies, QStringList({"The Example|Example|1999|136|Example, Lana|Action|Sci-Fi|https://example.org/title/tt0000001/",
                                   "Another One|Another One|2004|95|Van Damme, Jean-Claude|Drama||https://example.org/title/tt0000002/",
                                   "Heat|Heat|1995|||||https://example.org/film/heat/",
                                   "Dated|Dated|2010|||||http://", "Undated|Undated|soon|||||http://",
                                   "Box Set|Box Set|1999-2003|||||http://", "Spelled|Spelled|1986|||||http://",
                                   "Timed|Timed|1986|||||http://"}));
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT group_concat(Director, '|') FROM (SELECT Director FROM Directors ORDER BY ID)")).toString(),
              QStringLiteral("Example, Lana|Van Damme, Jean-Claude"));
}

TEST_F(ImportTest, TargetThatIsNotACatalogueIsRefused)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    const QString notes = t.path(QStringLiteral("notes.cnlg"));
    {
        QFile f(notes);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("just some text\n");
    }
    EXPECT_THROW(WorkbookImport::run(sheetOf("movies.csv"), moviesLinks(), *main, notes, progress), CinelogError);
    QFile f(notes);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("just some text\n"));
    EXPECT_THROW(WorkbookImport::run(sheetOf("movies.csv"), moviesLinks(), *main, t.path(QStringLiteral("none.cnlg")), progress),
                 CinelogError);
}

} // namespace
