#include "Catalogue.h"
#include "TestCatalogue.h"
#include "CinelogError.h"
#include "GTestSupport.h"
#include "ImportTestData.h"
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
        EXPECT_EQ(s.movies, 5) << file;
        Catalogue check;
        ASSERT_TRUE(check.open(target).opened());
        const QStringList rows = dump(check);
        if (reference.isEmpty())
            reference = rows;
        else
            EXPECT_EQ(rows, reference) << file;
    }
    const QStringList expected = {
        "movie 1|The Abyss|Abyss|James Cameron|Science Fiction|<null>|DVD|<null>|1989|140|1|0",
        "movie 2|Aliens|Aliens|James Cameron|Action|<null>|DVD|<null>|1986|137.5|2|0",
        // The empty row between data rows is a movie without values.
        "movie 3|<null>|<null>|<null>|<null>|<null>|<null>|<null>|<null>|<null>|<null>|0",
        "movie 4|Say \"Hello\" to O'Brien|Say \"Hello\" to O'Brien|Jim O'Hara|Comedy|<null>|VHS|<null>|2001|95|1|0",
        "movie 5|Titanic|Titanic|James Cameron|Drama|<null>|DVD|<null>|1997|194|2|0",
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
        "cast 4 1 <null>",
        "cast 4 5 <null>",
        "cast 5 6 <null>",
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
    EXPECT_EQ(first.movies, 5);
    EXPECT_EQ(first.directorsAdded, 1); // Jim O'Hara; James Cameron is there in other letter case
    EXPECT_EQ(first.genresAdded, 3);
    EXPECT_EQ(first.actorsAdded, 5);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM MovActLink WHERE ActID = 1")).toInt(), 2);

    // Importing again appends the rows again and adds no names.
    const ImportSummary again = WorkbookImport::run(sheetOf("movies.xlsx"), moviesLinks(), *main, main->path(), progress);
    EXPECT_EQ(again.movies, 5);
    EXPECT_EQ(again.directorsAdded + again.genresAdded + again.actorsAdded, 0);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt(), 10);
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT count(*) FROM Directors")).toInt(), 2);
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

// A value the catalogue cannot hold stops the import: nothing of the sheet is kept, and the
// message names the row and the column.
TEST_F(ImportTest, FailingRowAppendsNothingAndIsNamed)
{
    auto main = newCatalogue(QStringLiteral("main.cnlg"));
    const QString target = closedCatalogue(QStringLiteral("target.cnlg"));
    const QString csv = t.path(QStringLiteral("long.csv"));
    {
        QFile f(csv);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Title,Director\nFirst,New Director\nSecond," + QByteArray(300, 'x') + "\nThird,Other\n");
    }
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::Director] = 2;
    for (const QString &into : {target, main->path()}) {
        try {
            WorkbookImport::run(openWorkbook(csv)->readSheet(0), links, *main, into, progress);
            ADD_FAILURE() << "the import went through";
        } catch (const CinelogError &e) {
            EXPECT_TRUE(e.description().startsWith(QStringLiteral("Row 3, column B (Director):"))) << e.what();
        }
        EXPECT_EQ(progress.values.last(), 4); // the progress display is closed
    }
    Catalogue check;
    ASSERT_TRUE(check.open(target).opened());
    EXPECT_TRUE(dump(check).isEmpty());
    EXPECT_TRUE(dump(*main).isEmpty());
    // The open catalogue is still usable after the rolled-back import.
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
        const QString csv = t.path(QStringLiteral("wide%1.csv").arg(c.characters));
        {
            QFile f(csv);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("Title\n" + clapper.repeated(c.characters).toUtf8() + "\n");
        }
        FieldLinks links{};
        links[ImportField::Title] = 1;
        bool imported = true;
        try {
            WorkbookImport::run(openWorkbook(csv)->readSheet(0), links, *main, main->path(), progress);
        } catch (const CinelogError &e) {
            imported = false;
            EXPECT_TRUE(e.description().startsWith(QStringLiteral("Row 2, column A (Movie Title):"))) << e.what();
        }
        EXPECT_EQ(imported, c.fits) << c.characters;
    }
    EXPECT_EQ(main->scalar(QStringLiteral("SELECT Title FROM Movies")).toString(), clapper.repeated(255));
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
