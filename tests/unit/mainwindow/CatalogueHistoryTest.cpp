// The undo history on a real catalogue file: every kind of change the program makes is done, undone,
// redone and undone again, and each time every table holds exactly the rows it held (change counters
// aside: they only ever rise). A step whose rows another connection changed is refused and writes
// nothing; the oldest steps go when the history holds more than its bound.

#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueHistory.h"
#include "CatalogueSession.h"
#include "CoverPictures.h"
#include "Episodes.h"
#include "GTestSupport.h"
#include "Loans.h"
#include "MovieDetails.h"
#include "MovieStore.h"
#include "MovieTextIndex.h"
#include "People.h"
#include "RowChanges.h"
#include "Services.h"
#include "TestCatalogue.h"
#include "UserLists.h"
#include "WorkbookImport.h"
#include "WorkbookReader.h"

#include <QDate>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QUndoStack>
#include <functional>

namespace {

QByteArray coverOf(int size, char fill)
{
    QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    bytes.append(QByteArray(size - 8, fill));
    return bytes;
}

// Every row of every table of the catalogue (the quick filter's own tables aside: the check below
// reads them), change counters left out, in rowid order: two dumps are equal when the catalogue
// holds the same data.
QStringList dump(Catalogue &cat)
{
    QStringList tables;
    QSqlQuery names = cat.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' "
                                              "ESCAPE '!' AND name NOT LIKE 'MovieText%' AND name NOT LIKE 'ActorText%' ORDER BY name"));
    while (names.next())
        tables << names.value(0).toString();
    QStringList out;
    for (const QString &table : tables) {
        // sql-identifiers: table names read from the schema
        QSqlQuery q = cat.exec(QStringLiteral("SELECT rowid, * FROM \"%1\" ORDER BY rowid").arg(table));
        while (q.next()) {
            QStringList row{table};
            const QSqlRecord r = q.record();
            for (int i = 0; i < r.count(); ++i) {
                if (RowChanges::isChangeCounter(r.fieldName(i)))
                    continue;
                const QVariant v = q.value(i);
                row << (v.isNull() ? QStringLiteral("<null>")
                        : v.typeId() == QMetaType::QByteArray ? QString::fromLatin1(v.toByteArray().toHex()).left(40) + QString::number(v.toByteArray().size())
                                                               : v.toString());
            }
            out << row.join(QLatin1Char('|'));
        }
    }
    return out;
}

// What the quick filter finds for text, as movie IDs.
QList<int> quickFilter(Catalogue &cat, const QString &text)
{
    QList<int> ids;
    QSqlQuery q = cat.exec(QStringLiteral("SELECT rowid FROM MovieText WHERE MovieText MATCH ? ORDER BY rowid"),
                           {QStringLiteral("\"%1\"").arg(text.toLower())});
    while (q.next())
        ids << q.value(0).toInt();
    return ids;
}

struct Catalog {
    GTestContext t;
    Catalogue cat;
    CatalogueEvents events;
    std::unique_ptr<CatalogueHistory> history;
    int matrix = 0, series = 0, spare = 0;
    int matrixLoan = 0;

    Catalog()
    {
        if (!openNewCatalogue(cat, t.path(QStringLiteral("films.cnlg"))))
            throw std::runtime_error("no catalogue");
        MovieStore store(cat);
        MovieRecord m;
        m.title = QStringLiteral("The Matrix");
        m.orderBy = QStringLiteral("Matrix");
        m.director = QStringLiteral("Wachowski, Lana");
        m.genre1 = QStringLiteral("Science Fiction");
        m.releaseYear = QStringLiteral("1999");
        store.ensureDirector(m.director);
        store.ensureGenre(m.genre1);
        matrix = store.save(m);
        bool updated = false;
        store.addOrUpdateCast(matrix, QStringLiteral("Reeves, Keanu"), QStringLiteral("Neo"), updated);
        store.addOrUpdateCast(matrix, QStringLiteral("Moss, Carrie-Anne"), QStringLiteral("Trinity"), updated);
        CoverPictures(cat, t.ctx()).savePictureBytes(matrix, coverOf(4096, 'm'));
        matrixLoan = Loans::recordLoan(cat, matrix, m.title, QStringLiteral("Ann"), QDate(2025, 3, 1));
        UserLists::addEntry(cat, matrix, m.title, QStringLiteral("tester"), QStringLiteral("Favourites"));
        MovieRecord s;
        s.title = QStringLiteral("Columbo, Season 1");
        s.episodeDisc = true;
        s.numDiscs = QStringLiteral("2");
        series = store.save(s);
        Episodes::save(cat, 0, series, QStringLiteral("Murder by the Book"), 1, 1);
        Episodes::save(cat, 0, series, QStringLiteral("Death Lends a Hand"), 2, 1);
        MovieRecord x;
        x.title = QStringLiteral("Spare");
        spare = store.save(x);
        store.ensureActor(QStringLiteral("Nobody, Unused"));
        store.ensureDirector(QStringLiteral("Nobody, Director"));
        history = std::make_unique<CatalogueHistory>(cat, &events);
    }
    int count(const QString &sql, std::initializer_list<QVariant> values = {}) { return cat.scalar(sql, values).toInt(); }
};

struct Case {
    const char *name;
    std::function<void(Catalog &)> change;
    const char *stepText;
};

SheetData importSheet(int rows)
{
    SheetData sheet(QStringLiteral("Sheet1"));
    sheet.setCell(1, 1, QStringLiteral("Title"));
    sheet.setCell(1, 2, QStringLiteral("Director"));
    sheet.setCell(1, 3, QStringLiteral("Actor"));
    sheet.setCell(1, 4, QStringLiteral("Genre"));
    for (int r = 0; r < rows; ++r) {
        sheet.setCell(r + 2, 1, QStringLiteral("Imported %1").arg(r));
        sheet.setCell(r + 2, 2, QStringLiteral("Director %1").arg(r % 7));
        sheet.setCell(r + 2, 3, QStringLiteral("Actor %1").arg(r % 11));
        sheet.setCell(r + 2, 4, QStringLiteral("Genre %1").arg(r % 3));
    }
    return sheet;
}

FieldLinks importLinks()
{
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::Director] = 2;
    links[ImportField::Actor1] = 3;
    links[ImportField::Genre1] = 4;
    return links;
}

const std::vector<Case> &cases()
{
    static const std::vector<Case> list = {
        {"save of a movie: fields, genres, cover and cast",
         [](Catalog &c) {
             MovieStore store(c.cat);
             MovieRecord m;
             store.load(c.matrix, m);
             m.title = QStringLiteral("Matrix, The");
             m.genre2 = QStringLiteral("Action");
             store.ensureGenre(m.genre2);
             store.save(m);
             CoverPictures(c.cat, c.t.ctx()).savePictureBytes(c.matrix, coverOf(8192, 'n'));
             bool updated = false;
             store.addOrUpdateCast(c.matrix, QStringLiteral("Fishburne, Laurence"), QStringLiteral("Morpheus"), updated);
         },
         "Change 'The Matrix'"},
        {"new movie", [](Catalog &c) {
             MovieRecord m;
             m.title = QStringLiteral("Heat");
             m.director = QStringLiteral("Mann, Michael");
             MovieStore(c.cat).ensureDirector(m.director);
             MovieStore(c.cat).save(m);
         },
         "Add 'Heat'"},
        {"delete of a movie with its loans and cast", [](Catalog &c) { MovieStore(c.cat).remove(c.matrix); }, "Delete 'The Matrix'"},
        {"copy of a movie", [](Catalog &c) { MovieStore(c.cat).copy(c.matrix); }, "Add 'The Matrix'"},
        {"cast member added",
         [](Catalog &c) {
             bool updated = false;
             MovieStore store(c.cat);
             store.cast(c.series);
             store.addOrUpdateCast(c.series, QStringLiteral("Falk, Peter"), QStringLiteral("Columbo"), updated);
         },
         "Change Cast of 'Columbo, Season 1'"},
        {"cast member removed",
         [](Catalog &c) {
             MovieStore store(c.cat);
             const QList<CastMember> cast = store.cast(c.matrix);
             store.removeCast(c.matrix, cast.first().actorId);
         },
         "Change Cast of 'The Matrix'"},
        {"episode changed and removed",
         [](Catalog &c) {
             const QList<Episode> list = Episodes::list(c.cat, c.series);
             Episodes::save(c.cat, list.first().id, c.series, QStringLiteral("Murder by the Book (pilot)"), 1, 1);
             Episodes::remove(c.cat, list.last().id);
         },
         "Change Episodes of 'Columbo, Season 1'"},
        {"loan out", [](Catalog &c) { Loans::recordLoan(c.cat, c.spare, QStringLiteral("Spare"), QStringLiteral("Bob"), QDate(2025, 4, 2)); },
         "Lend 'Spare'"},
        {"loan returned", [](Catalog &c) { Loans::setReturned(c.cat, c.matrixLoan, QDate(2025, 5, 1)); }, "Return 'The Matrix'"},
        {"user list entry added",
         [](Catalog &c) { UserLists::addEntry(c.cat, c.spare, QStringLiteral("Spare"), QStringLiteral("tester"), QStringLiteral("Weekend")); },
         "Add 'Spare' to List 'Weekend'"},
        {"user list entry removed", [](Catalog &c) { UserLists::removeMovie(c.cat, QStringLiteral("Favourites"), c.matrix); },
         "Change Lists"},
        {"actor renamed (with the cast that shows the name)",
         [](Catalog &c) {
             const int id = c.count(QStringLiteral("SELECT ID FROM Actors WHERE Actor = 'Reeves, Keanu'"));
             People::save(c.cat, People::Kind::Actors, id, QStringLiteral("Reeves, K."), QStringLiteral("http://example.org"));
         },
         "Rename 'Reeves, Keanu' to 'Reeves, K.'"},
        {"actor deleted with the links",
         [](Catalog &c) { People::remove(c.cat, People::Kind::Actors, c.count(QStringLiteral("SELECT ID FROM Actors WHERE Actor = 'Moss, Carrie-Anne'"))); },
         "Delete 'Moss, Carrie-Anne'"},
        {"director renamed (with the movies that name the director)",
         [](Catalog &c) {
             const int id = c.count(QStringLiteral("SELECT ID FROM Directors WHERE Director = 'Wachowski, Lana'"));
             People::save(c.cat, People::Kind::Directors, id, QStringLiteral("Wachowski, L."), QString());
         },
         "Rename 'Wachowski, Lana' to 'Wachowski, L.'"},
        {"director deleted",
         [](Catalog &c) { People::remove(c.cat, People::Kind::Directors, c.count(QStringLiteral("SELECT ID FROM Directors WHERE Director = 'Wachowski, Lana'"))); },
         nullptr},
        {"clean", [](Catalog &c) { MovieStore(c.cat).clean(); }, "Delete 2 Names"},
        {"import into the open catalogue",
         [](Catalog &c) {
             NullProgress progress;
             WorkbookImport::run(importSheet(25), importLinks(), c.cat, c.cat.path(), progress);
         },
         "Add 25 Movies"},
        {"details filled from an online source",
         [](Catalog &c) {
             MovieDetails::Plan plan;
             plan.title = QStringLiteral("The Matrix");
             plan.releaseYear = QStringLiteral("1999");
             plan.runningTime = QStringLiteral("136");
             plan.genres = {QStringLiteral("Action"), QStringLiteral("Science Fiction")};
             plan.director = QStringLiteral("Wachowski, Lilly");
             plan.cast = {{QStringLiteral("Weaving, Hugo"), QStringLiteral("Hugo Weaving"), QStringLiteral("Agent Smith")}};
             plan.sourceId = QStringLiteral("603");
             MovieDetails::apply(c.cat, c.matrix, plan,
                                 {MovieDetails::Field::RunningTime, MovieDetails::Field::Genres, MovieDetails::Field::Director,
                                  MovieDetails::Field::Cast, MovieDetails::Field::Cover},
                                 coverOf(20000, 'p'));
         },
         "Change 'The Matrix'"},
        {"several writes grouped as one step (a batch)",
         [](Catalog &c) {
             CatalogueHistory::Group batch(c.history.get(), QStringLiteral("Fill Details of 2 Movies"));
             MovieStore store(c.cat);
             store.setUserRating(c.matrix, 5);
             store.setUserRating(c.spare, 3);
         },
         "Fill Details of 2 Movies"},
    };
    return list;
}

void undoneAndRedone(const Case &k)
{
    {
        Catalog c;
        const QStringList before = dump(c.cat);
        const qint64 countBefore = c.cat.scalar(QStringLiteral("SELECT ChangeCount FROM Movies WHERE ID = ?"), {c.matrix}).toLongLong();
        k.change(c);
        c.history->closeStep();
        const QStringList after = dump(c.cat);
        ASSERT_NE(before, after) << "the change changed nothing";
        ASSERT_TRUE(c.history->canUndo());
        ASSERT_EQ(c.history->stack().count(), 1) << "one user action is one step";
        if (k.stepText) {
            EXPECT_EQ(c.history->undoText(), QString::fromUtf8(k.stepText));
        }

        QSignalSpy movies(&c.events, &CatalogueEvents::moviesChanged);
        QSignalSpy loans(&c.events, &CatalogueEvents::loansChanged);
        QSignalSpy names(&c.events, &CatalogueEvents::namesChanged);
        c.history->undo();
        EXPECT_GT(movies.size() + loans.size() + names.size(), 0) << "the windows were not told";
        EXPECT_EQ(dump(c.cat), before) << "undo";
        EXPECT_EQ(MovieTextIndex::outOfStep(c.cat.MovieConn()), 0);
        c.history->redo();
        EXPECT_EQ(dump(c.cat), after) << "redo";
        EXPECT_EQ(MovieTextIndex::outOfStep(c.cat.MovieConn()), 0);
        c.history->undo();
        EXPECT_EQ(dump(c.cat), before) << "undo again";
        EXPECT_EQ(MovieTextIndex::outOfStep(c.cat.MovieConn()), 0);
        EXPECT_FALSE(c.history->canUndo());
        EXPECT_TRUE(c.history->canRedo());
        // A counter never goes back: a program that read the movie before cannot save over it.
        EXPECT_GE(c.cat.scalar(QStringLiteral("SELECT ChangeCount FROM Movies WHERE ID = ?"), {c.matrix}).toLongLong(), countBefore);
        EXPECT_EQ(c.cat.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    }
}

TEST(CatalogueHistory, EveryKindOfChangeIsUndoneAndRedoneExactly)
{
    for (const Case &k : cases()) {
        SCOPED_TRACE(k.name);
        try {
            undoneAndRedone(k);
        } catch (const std::exception &e) {
            ADD_FAILURE() << e.what();
        }
    }
}

TEST(CatalogueHistory, DeletedMovieComesBackWithItsIdCoverAndCastAndTheQuickFilterFindsIt)
{
    Catalog c;
    QSignalSpy movies(&c.events, &CatalogueEvents::moviesChanged);
    QSignalSpy loans(&c.events, &CatalogueEvents::loansChanged);
    QSignalSpy covers(&c.events, &CatalogueEvents::coverChanged);
    MovieStore(c.cat).remove(c.matrix);
    c.history->closeStep();
    EXPECT_TRUE(quickFilter(c.cat, QStringLiteral("matrix")).isEmpty());
    c.history->undo();
    EXPECT_EQ(quickFilter(c.cat, QStringLiteral("matrix")), QList<int>{c.matrix});
    EXPECT_EQ(CoverPictures(c.cat, c.t.ctx()).coverBytes(c.matrix), coverOf(4096, 'm'));
    EXPECT_EQ(MovieStore(c.cat).cast(c.matrix).size(), 2);
    EXPECT_EQ(movies.size(), 1);
    EXPECT_EQ(loans.size(), 1);
    ASSERT_EQ(covers.size(), 1);
    EXPECT_EQ(covers.first().first().toInt(), c.matrix);
}

TEST(CatalogueHistory, AnUndoRaisesTheCountersSoThatASaveFromAnOlderReadingIsRefused)
{
    Catalog c;
    MovieStore here(c.cat), reader(c.cat);
    MovieRecord m;
    here.load(c.matrix, m);
    m.rating = QStringLiteral("R");
    here.save(m);
    c.history->closeStep();
    // Another window (or program) reads the movie as the change left it.
    MovieRecord seen;
    reader.load(c.matrix, seen);
    c.history->undo();
    // A new change after the undo: were the counter set back by the undo, it would now read as
    // it did for the reader above, and the reader's save would go over this change unnoticed.
    here.load(c.matrix, m);
    m.rating = QStringLiteral("PG");
    here.save(m);
    seen.title = QStringLiteral("Saved from an old reading");
    try {
        reader.save(seen);
        ADD_FAILURE() << "a save from a reading before the undo was not refused";
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.number(), CatalogueError::ChangedElsewhere);
    }
    EXPECT_EQ(c.cat.scalar(QStringLiteral("SELECT Rating FROM Movies WHERE ID = ?"), {c.matrix}).toString(), QStringLiteral("PG"));
}

// Rows stored before a column was added to their table hold no value for it: the engine reads them
// with the column's default. Those rows come back with that value, not Null.
TEST(CatalogueHistory, RowsStoredBeforeAColumnWasAddedComeBackWithItsDefault)
{
    GTestContext t;
    const QString path = t.path(QStringLiteral("older.cnlg"));
    ASSERT_TRUE(createCatalogue(path));
    {
        Catalogue first;
        ASSERT_TRUE(first.open(path).opened());
        first.close();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char *sql : {"DROP TRIGGER LoanOut_ChangeCount", "ALTER TABLE LoanOut DROP COLUMN ChangeCount",
                                "ALTER TABLE Actors DROP COLUMN URL",
                                "INSERT INTO Movies (ID, Title, OrderBy) VALUES (7, 'Lent', 'Lent')",
                                "INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (7, 'Lent', 'Ann', '2025-01-02')",
                                "INSERT INTO Actors (Actor) VALUES ('Older, Actor')",
                                "ALTER TABLE LoanOut ADD COLUMN ChangeCount INTEGER NOT NULL DEFAULT 0",
                                "ALTER TABLE Actors ADD COLUMN URL TEXT DEFAULT 'http://'"})
            ASSERT_TRUE(q.exec(QString::fromLatin1(sql))) << sql << " " << q.lastError().text().toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("older"));
    Catalogue cat;
    ASSERT_TRUE(cat.open(path).opened());
    CatalogueHistory history(cat, nullptr);
    const QStringList before = dump(cat);
    ASSERT_TRUE(before.filter(QStringLiteral("Older, Actor|")).first().contains(QStringLiteral("http://")));
    MovieStore(cat).remove(7);
    history.closeStep();
    People::remove(cat, People::Kind::Actors, cat.scalar(QStringLiteral("SELECT ID FROM Actors WHERE Actor = 'Older, Actor'")).toInt());
    history.closeStep();
    history.undo();
    history.undo();
    EXPECT_EQ(dump(cat), before);
}

TEST(CatalogueHistory, AStepWhoseRowsAnotherProgramChangedIsRefusedAndWritesNothing)
{
    struct Stale {
        const char *name;
        std::function<void(Catalog &)> change;
        const char *otherProgram;
    };
    const std::vector<Stale> list = {
        {"movie edited here, then by the other program",
         [](Catalog &c) {
             MovieStore s(c.cat);
             MovieRecord m;
             s.load(c.matrix, m);
             m.rating = QStringLiteral("R");
             s.save(m);
         },
         "UPDATE Movies SET Title = 'Matrix Reloaded' WHERE Title = 'The Matrix'"},
        {"movie added here, deleted by the other program", [](Catalog &c) { MovieStore(c.cat).copy(c.spare); },
         "DELETE FROM Movies WHERE ID = (SELECT max(ID) FROM Movies)"},
        {"movie's rating changed here (its cover left alone), cover replaced by the other program",
         [](Catalog &c) { MovieStore(c.cat).setUserRating(c.matrix, 2); },
         "UPDATE Movies SET CoverData = zeroblob(4096) WHERE Title = 'The Matrix'"},
        {"cast link removed here, added again by the other program",
         [](Catalog &c) { MovieStore(c.cat).removeCast(c.matrix, MovieStore(c.cat).cast(c.matrix).first().actorId); },
         "INSERT INTO MovActLink (MovID, ActID, PlayingAs) SELECT ID, 999, 'Extra' FROM Movies WHERE Title = 'The Matrix'"},
    };
    for (const Stale &s : list) {
        SCOPED_TRACE(s.name);
        Catalog c;
        s.change(c);
        c.history->closeStep();
        {
            // A real second connection, as another program has.
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("otherProgram"));
            other.setDatabaseName(c.cat.path());
            ASSERT_TRUE(other.open());
            QSqlQuery q(other);
            ASSERT_TRUE(q.exec(QString::fromUtf8(s.otherProgram))) << q.lastError().text().toStdString();
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("otherProgram"));
        const QStringList stored = dump(c.cat);
        try {
            c.history->undo();
            ADD_FAILURE() << "a stale undo was not refused";
        } catch (const CinelogError &e) {
            EXPECT_EQ(e.number(), CatalogueError::ChangedElsewhere);
        }
        EXPECT_EQ(dump(c.cat), stored) << "a refused undo wrote something";
        EXPECT_TRUE(c.history->canUndo()) << "the step stays where it was";
    }
}

TEST(CatalogueHistory, ChangesByAnotherProgramToOtherRowsDoNotStopAnUndo)
{
    Catalog c;
    MovieStore(c.cat).remove(c.matrix);
    c.history->closeStep();
    Catalogue other;
    ASSERT_TRUE(other.open(c.cat.path()).opened());
    addMovie(other, QStringLiteral("Added Elsewhere"));
    other.close();
    c.history->undo();
    EXPECT_EQ(c.count(QStringLiteral("SELECT count(*) FROM Movies WHERE ID = ?"), {c.matrix}), 1);
    EXPECT_EQ(c.count(QStringLiteral("SELECT count(*) FROM Movies WHERE Title = 'Added Elsewhere'")), 1);
}

TEST(CatalogueHistory, TheOldestStepsGoWhenTheHistoryOutgrowsItsBound)
{
    Catalog c;
    c.history->setMemoryLimit(5 << 20);
    CoverPictures covers(c.cat, c.t.ctx());
    // Each cover change holds the old and the new cover: about 2 MB a step.
    const char fills[] = {'a', 'b', 'c', 'd'};
    for (char fill : fills) {
        covers.savePictureBytes(c.spare, coverOf(1 << 20, fill));
        c.history->closeStep();
    }
    EXPECT_EQ(c.history->stack().count(), 2) << "only the newest steps that fit are kept";
    EXPECT_LE(c.history->bytes(), c.history->memoryLimit());
    c.history->undo();
    c.history->undo();
    EXPECT_FALSE(c.history->canUndo());
    // What is left is the state after the dropped steps: the second cover.
    EXPECT_EQ(covers.coverBytes(c.spare), coverOf(1 << 20, 'b'));
    c.history->redo();
    EXPECT_EQ(covers.coverBytes(c.spare), coverOf(1 << 20, 'c'));

    // A step larger than the whole bound is still kept on its own, as the newest.
    c.history->setMemoryLimit(1024);
    EXPECT_EQ(c.history->stack().count(), 1);
    EXPECT_EQ(c.history->undoText(), c.history->stack().undoText());
}

// A step that leaves a cover as it was does not hold the cover: a rename of a director over movies
// with covers stays small, and is still undone exactly.
TEST(CatalogueHistory, ACoverAStepLeftAloneIsNotHeldByIt)
{
    Catalog c;
    CoverPictures(c.cat, c.t.ctx()).savePictureBytes(c.matrix, coverOf(1 << 20, 'z'));
    c.history->closeStep();
    c.history->clear();
    const QStringList before = dump(c.cat);
    const int id = c.count(QStringLiteral("SELECT ID FROM Directors WHERE Director = 'Wachowski, Lana'"));
    People::save(c.cat, People::Kind::Directors, id, QStringLiteral("Wachowski, L."), QString());
    c.history->closeStep();
    EXPECT_LT(c.history->bytes(), 64 * 1024);
    const QStringList after = dump(c.cat);
    c.history->undo();
    EXPECT_EQ(dump(c.cat), before);
    c.history->redo();
    EXPECT_EQ(dump(c.cat), after);
    c.history->undo();
    EXPECT_EQ(dump(c.cat), before);
    EXPECT_EQ(CoverPictures(c.cat, c.t.ctx()).coverBytes(c.matrix), coverOf(1 << 20, 'z'));
}

TEST(CatalogueHistory, EndsWhenTheCatalogueIsOpenedAgainOrClosed)
{
    Catalog c;
    MovieStore(c.cat).remove(c.matrix);
    c.history->closeStep();
    ASSERT_TRUE(c.history->canUndo());
    const QString path = c.cat.path();
    ASSERT_TRUE(c.cat.open(path).opened()); // as compact, convert and restore do
    EXPECT_FALSE(c.history->canUndo());
    // The history watches the connection now open.
    MovieStore(c.cat).remove(c.spare);
    EXPECT_TRUE(c.history->canUndo());
    c.cat.close();
    EXPECT_FALSE(c.history->canUndo());
}

TEST(CatalogueHistory, WritesOfOneUserActionBecomeOneStepOnceTheProgramIsIdle)
{
    Catalog c;
    bool idle = false;
    c.history->setIdleCheck([&idle] { return idle; });
    MovieStore store(c.cat);
    store.setUserRating(c.matrix, 4);
    store.setUserRating(c.matrix, 6);
    QCoreApplication::processEvents();
    EXPECT_EQ(c.history->stack().count(), 0) << "a step closed while a command is still running";
    idle = true;
    for (int i = 0; i < 50 && c.history->stack().count() == 0; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    ASSERT_EQ(c.history->stack().count(), 1);
    c.history->undo();
    EXPECT_EQ(c.count(QStringLiteral("SELECT UserRating FROM Movies WHERE ID = ?"), {c.matrix}), 0);
}

} // namespace
