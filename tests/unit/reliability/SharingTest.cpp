// One catalogue in two programs: another program (a child process running the main window's
// store) saves while this one compacts the file, while a stock SQLite reader holds a read lock, and
// while a third program edits the same movie.

#include "Catalogue.h"
#include "CatalogueMaintenance.h"
#include "CatalogueSession.h"
#include "CatalogueWatch.h"
#include "GTestSupport.h"
#include "MovieStore.h"
#include "TestCatalogue.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>
#include <map>
#include <memory>
#include <sqlite3.h>

namespace {

// A child program on the catalogue, driven one command a line.
class Peer
{
public:
    explicit Peer(const QString &path)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(CINELOG_CATALOGUE_PEER), {path});
        m_started = m_process.waitForStarted(10000) && nextLine(30000) == QLatin1String("ready");
    }
    ~Peer()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    bool started() const { return m_started; }

    void send(const QString &command)
    {
        m_process.write((command + QLatin1Char('\n')).toUtf8());
        m_process.waitForBytesWritten(5000);
    }
    // The next line the child answers; empty when none came within timeoutMs.
    QString nextLine(int timeoutMs = 30000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine()) {
            const int left = int(timeoutMs - clock.elapsed());
            if (left <= 0 || !m_process.waitForReadyRead(left))
                return m_process.canReadLine() ? QString::fromUtf8(m_process.readLine()).trimmed() : QString();
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    QString ask(const QString &command, int timeoutMs = 30000)
    {
        send(command);
        return nextLine(timeoutMs);
    }

private:
    QProcess m_process;
    bool m_started = false;
};

// A plain connection of the stock library, as a sqlite3 shell or another tool would have.
class StockConnection
{
public:
    explicit StockConnection(const QString &path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~StockConnection() { sqlite3_close(m_db); }
    int exec(const char *sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }
    QString value(const char *sql)
    {
        sqlite3_stmt *st = nullptr;
        QString out;
        if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            out = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        return out;
    }

private:
    sqlite3 *m_db = nullptr;
};

class Sharing : public ::testing::Test
{
protected:
    // A catalogue with movies whose covers make it large enough that compacting it takes a while.
    void makeCatalogue(int movies, int coverBytes)
    {
        ASSERT_TRUE(createCatalogue(path));
        Catalogue cat;
        CatalogueSession session(t.ctx(), cat);
        ASSERT_TRUE(session.open(path));
        cat.transaction([&] {
            for (int i = 0; i < movies; ++i)
                cat.exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, CoverData) VALUES (?, '1990', randomblob(?))"),
                         {QStringLiteral("Movie %1").arg(i), coverBytes});
        });
        // Deleted rows leave free pages for the compaction to squeeze out.
        cat.exec(QStringLiteral("DELETE FROM Movies WHERE ID % 3 = 0"));
    }

    std::map<int, QString> moviesAtPath()
    {
        std::map<int, QString> out;
        Catalogue cat;
        CatalogueSession session(t.ctx(), cat);
        if (!session.open(path))
            return out;
        QSqlQuery q = cat.exec(QStringLiteral("SELECT ID, Title FROM Movies"));
        while (q.next())
            out[q.value(0).toInt()] = q.value(1).toString();
        return out;
    }

    GTestContext t;
    QString path = t.path(QStringLiteral("shared.cnlg"));
};

// Every save the other program was told succeeded is in the catalogue after this program
// compacted it meanwhile, and the other program goes on saving into the compacted file.
TEST_F(Sharing, SavesOfAnotherProgramSurviveACompaction)
{
    makeCatalogue(6000, 3000);
    Peer peer(path);
    ASSERT_TRUE(peer.started());

    Catalogue cat;
    CatalogueSession session(t.ctx(), cat);
    ASSERT_TRUE(session.open(path));
    peer.send(QStringLiteral("saveloop 4000"));
    QThread::msleep(200);
    for (int i = 0; i < 3; ++i)
        try {
            compactCatalogue(cat);
        } catch (const CinelogError &e) {
            FAIL() << "compaction " << i << ": " << e.what();
        }
    cat.close();

    std::map<int, QString> reported;
    QStringList failures;
    for (;;) {
        const QString line = peer.nextLine(30000);
        ASSERT_FALSE(line.isEmpty()) << "the other program stopped answering";
        if (line == QLatin1String("done"))
            break;
        if (line.startsWith(QLatin1String("saved "))) {
            const QString rest = line.mid(6);
            reported[rest.section(QLatin1Char(' '), 0, 0).toInt()] = rest.section(QLatin1Char(' '), 1);
        } else {
            failures << line;
        }
    }
    ASSERT_FALSE(reported.empty());
    // Saves after the compactions go into the catalogue at the path.
    // (The first one may be the one that finds the last compaction's file: it is told so.)
    QString after = peer.ask(QStringLiteral("save After the compactions"));
    if (after.startsWith(QStringLiteral("error %1 ").arg(CatalogueError::Replaced)))
        after = peer.ask(QStringLiteral("save After the compactions"));
    EXPECT_TRUE(after.startsWith(QLatin1String("ok "))) << qPrintable(after);
    if (after.startsWith(QLatin1String("ok ")))
        reported[after.mid(3).toInt()] = QStringLiteral("After the compactions");

    const std::map<int, QString> present = moviesAtPath();
    QStringList lost;
    for (const auto &[id, title] : reported) {
        const auto it = present.find(id);
        if (it == present.end() || it->second != title)
            lost << QStringLiteral("%1 %2").arg(id).arg(title);
    }
    EXPECT_TRUE(lost.isEmpty()) << lost.size() << " of " << reported.size() << " saves reported as done are not in the "
                                << "catalogue: " << qPrintable(lost.mid(0, 10).join(QStringLiteral(", ")));
    // A save that found the file replaced says so in plain words; no other failure.
    for (const QString &f : failures) {
        EXPECT_TRUE(f.startsWith(QStringLiteral("failed %1 ").arg(CatalogueError::Replaced))
                    || f.startsWith(QStringLiteral("failed %1 ").arg(CatalogueError::Busy)))
            << qPrintable(f);
        EXPECT_FALSE(f.contains(QLatin1String("readonly"))) << qPrintable(f);
    }
}

// A stock reader holding a read lock: a save waits for an ordinary read to end; when the read goes
// on too long the save fails with a message saying why, and the next save (and every other
// program) finds the catalogue free again.
TEST_F(Sharing, ASaveWaitsForAReaderAndAFailedOneLeavesTheCatalogueFree)
{
    makeCatalogue(50, 10);
    Peer peer(path);
    ASSERT_TRUE(peer.started());
    {
        StockConnection reader(path);
        ASSERT_EQ(reader.exec("BEGIN; SELECT count(*) FROM Movies;"), SQLITE_OK);
        peer.send(QStringLiteral("save Waited for the reader"));
        QThread::msleep(3500);
        ASSERT_EQ(reader.exec("COMMIT"), SQLITE_OK);
        const QString answer = peer.nextLine();
        EXPECT_TRUE(answer.startsWith(QLatin1String("ok "))) << "a 3.5 s read made the save fail: " << qPrintable(answer);
    }
    {
        StockConnection reader(path);
        ASSERT_EQ(reader.exec("BEGIN; SELECT count(*) FROM Movies;"), SQLITE_OK);
        const QString answer = peer.ask(QStringLiteral("save Too long a wait"), Catalogue::BusyTimeoutMs + 20000);
        EXPECT_TRUE(answer.startsWith(QStringLiteral("error %1 ").arg(CatalogueError::Busy))) << qPrintable(answer);
        EXPECT_TRUE(answer.contains(QLatin1String("Another program is using the catalogue"))) << qPrintable(answer);
        EXPECT_TRUE(answer.contains(path)) << qPrintable(answer);
        ASSERT_EQ(reader.exec("COMMIT"), SQLITE_OK);
    }
    // Nothing was left behind: no journal, no open transaction, no lock.
    EXPECT_FALSE(QFile::exists(path + QStringLiteral("-journal")));
    {
        StockConnection other(path);
        EXPECT_EQ(other.exec("INSERT INTO Movies (Title) VALUES ('Written by a tool')"), SQLITE_OK);
    }
    const QString next = peer.ask(QStringLiteral("save After the failure"));
    EXPECT_TRUE(next.startsWith(QLatin1String("ok "))) << qPrintable(next);

    std::map<int, QString> present = moviesAtPath();
    QStringList titles;
    for (const auto &[id, title] : present)
        titles << title;
    EXPECT_TRUE(titles.contains(QStringLiteral("Waited for the reader")));
    EXPECT_FALSE(titles.contains(QStringLiteral("Too long a wait")));
    EXPECT_TRUE(titles.contains(QStringLiteral("Written by a tool")));
    EXPECT_TRUE(titles.contains(QStringLiteral("After the failure")));
}

// Two programs show the same movie; the second to save is asked instead of writing over the
// first one's change. A stock tool's edit counts as a change too.
TEST_F(Sharing, ASaveOverAnotherProgramsChangeIsRefusedUntilTheUserSaysOverwrite)
{
    makeCatalogue(5, 10);
    const QString id = QStringLiteral("2");
    Peer a(path), b(path);
    ASSERT_TRUE(a.started() && b.started());
    ASSERT_EQ(a.ask(QStringLiteral("load ") + id), QStringLiteral("ok Movie 1|1990"));
    ASSERT_EQ(b.ask(QStringLiteral("load ") + id), QStringLiteral("ok Movie 1|1990"));
    ASSERT_EQ(a.ask(QStringLiteral("set %1 title Title by A").arg(id)), QStringLiteral("ok ") + id);
    // A saves again: its own change does not count against it.
    ASSERT_EQ(a.ask(QStringLiteral("set %1 title Title by A again").arg(id)), QStringLiteral("ok ") + id);
    EXPECT_EQ(b.ask(QStringLiteral("set %1 year 2001").arg(id)), QStringLiteral("conflict"));
    EXPECT_EQ(moviesAtPath()[2], QStringLiteral("Title by A again"));
    {
        StockConnection tool(path);
        EXPECT_EQ(tool.value("SELECT ReleaseYear FROM Movies WHERE ID = 2"), QStringLiteral("1990"));
    }
    // Reloading shows A's title; then B's change goes in beside it.
    ASSERT_EQ(b.ask(QStringLiteral("load ") + id), QStringLiteral("ok Title by A again|1990"));
    EXPECT_EQ(b.ask(QStringLiteral("set %1 year 2001").arg(id)), QStringLiteral("ok ") + id);

    // A stock tool edits the movie, with recursive triggers on; the counter goes up once.
    {
        StockConnection tool(path);
        const int before = tool.value("SELECT ChangeCount FROM Movies WHERE ID = 2").toInt();
        ASSERT_EQ(tool.exec("PRAGMA recursive_triggers = ON; UPDATE Movies SET Title = 'Title by a tool' WHERE ID = 2"), SQLITE_OK);
        EXPECT_EQ(tool.value("SELECT ChangeCount FROM Movies WHERE ID = 2").toInt(), before + 1);
    }
    EXPECT_EQ(b.ask(QStringLiteral("set %1 year 2002").arg(id)), QStringLiteral("conflict"));
    EXPECT_EQ(b.ask(QStringLiteral("overwrite %1 year 2002").arg(id)), QStringLiteral("ok ") + id);
    {
        StockConnection tool(path);
        EXPECT_EQ(tool.value("SELECT Title || '|' || ReleaseYear FROM Movies WHERE ID = 2"),
                  QStringLiteral("Title by A again|2002"));
    }
    // A change of a field the editor does not write (the cover) is no conflict.
    ASSERT_EQ(a.ask(QStringLiteral("load 4")), QStringLiteral("ok Movie 3|1990"));
    {
        StockConnection tool(path);
        ASSERT_EQ(tool.exec("UPDATE Movies SET CoverData = x'01' WHERE ID = 4"), SQLITE_OK);
    }
    EXPECT_EQ(a.ask(QStringLiteral("set 4 year 1999")), QStringLiteral("ok 4"));
}

// The same for a movie's cast and episodes and for loans: the second program's change is refused
// until it reloads or says overwrite; its own changes and changes elsewhere do not count against it.
TEST_F(Sharing, CastEpisodesAndLoansChangedByAnotherProgramAreNotWrittenOver)
{
    makeCatalogue(5, 10);
    {
        StockConnection tool(path);
        ASSERT_EQ(tool.exec("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (2, 'Movie 1', 'Ann', '2025-01-02')"),
                  SQLITE_OK);
    }
    Peer a(path), b(path);
    ASSERT_TRUE(a.started() && b.started());
    auto castOf2 = [&] {
        StockConnection tool(path);
        return tool.value("SELECT group_concat(who, ', ') FROM (SELECT a.Actor || ' as ' || l.PlayingAs AS who "
                          "FROM MovActLink l JOIN Actors a ON a.ID = l.ActID WHERE l.MovID = 2 ORDER BY l.rowid)");
    };

    // Cast.
    ASSERT_EQ(a.ask(QStringLiteral("cast 2")), QStringLiteral("ok 0"));
    ASSERT_EQ(b.ask(QStringLiteral("cast 2")), QStringLiteral("ok 0"));
    EXPECT_EQ(a.ask(QStringLiteral("addcast 2 Ann Berg|Mira")), QStringLiteral("ok"));
    EXPECT_EQ(a.ask(QStringLiteral("addcast 2 Ann Berg|Mira the Elder")), QStringLiteral("ok"));
    EXPECT_EQ(b.ask(QStringLiteral("addcast 2 Bo Lind|Rex")), QStringLiteral("conflict"));
    EXPECT_EQ(castOf2(), QStringLiteral("Ann Berg as Mira the Elder"));
    // Another movie's cast is another list.
    EXPECT_EQ(b.ask(QStringLiteral("cast 4")), QStringLiteral("ok 0"));
    EXPECT_EQ(a.ask(QStringLiteral("addcast 4 Cy Dahl|Guard")), QStringLiteral("ok"));
    EXPECT_EQ(a.ask(QStringLiteral("addcast 2 Cy Dahl|Pilot")), QStringLiteral("ok"));
    EXPECT_EQ(b.ask(QStringLiteral("forceaddcast 2 Bo Lind|Rex")), QStringLiteral("ok"));
    EXPECT_EQ(castOf2(), QStringLiteral("Ann Berg as Mira the Elder, Cy Dahl as Pilot, Bo Lind as Rex"));
    // A stock tool's removal counts too.
    {
        StockConnection tool(path);
        ASSERT_EQ(tool.exec("PRAGMA recursive_triggers = ON; DELETE FROM MovActLink WHERE MovID = 2 AND PlayingAs = 'Pilot'"),
                  SQLITE_OK);
    }
    EXPECT_EQ(b.ask(QStringLiteral("removecast 2 1")), QStringLiteral("conflict"));
    EXPECT_EQ(castOf2(), QStringLiteral("Ann Berg as Mira the Elder, Bo Lind as Rex"));
    ASSERT_EQ(b.ask(QStringLiteral("cast 2")), QStringLiteral("ok 2"));
    EXPECT_EQ(b.ask(QStringLiteral("removecast 2 1")), QStringLiteral("ok"));
    EXPECT_EQ(castOf2(), QStringLiteral("Bo Lind as Rex"));

    // Episodes.
    ASSERT_EQ(a.ask(QStringLiteral("episodes 2")), QStringLiteral("ok 0"));
    ASSERT_EQ(b.ask(QStringLiteral("episodes 2")), QStringLiteral("ok 0"));
    EXPECT_EQ(a.ask(QStringLiteral("addepisode 2 Pilot")), QStringLiteral("ok"));
    EXPECT_EQ(a.ask(QStringLiteral("addepisode 2 Second")), QStringLiteral("ok"));
    EXPECT_EQ(b.ask(QStringLiteral("addepisode 2 Other")), QStringLiteral("conflict"));
    ASSERT_EQ(b.ask(QStringLiteral("episodes 2")), QStringLiteral("ok 2"));
    EXPECT_EQ(b.ask(QStringLiteral("addepisode 2 Other")), QStringLiteral("ok"));
    {
        StockConnection tool(path);
        EXPECT_EQ(tool.value("SELECT group_concat(Title, ',') FROM (SELECT Title FROM Episodes WHERE MovID = 2 ORDER BY episodeID)"),
                  QStringLiteral("Pilot,Second,Other"));
    }

    // Loans. A movie save rewrites the loan's copy of the title: that is no change of the loan.
    ASSERT_EQ(a.ask(QStringLiteral("loans")), QStringLiteral("ok 1"));
    ASSERT_EQ(b.ask(QStringLiteral("loans")), QStringLiteral("ok 1"));
    ASSERT_EQ(b.ask(QStringLiteral("edit 2 title Renamed")), QStringLiteral("ok 2"));
    EXPECT_EQ(a.ask(QStringLiteral("return 1")), QStringLiteral("ok"));
    EXPECT_EQ(b.ask(QStringLiteral("return 1")), QStringLiteral("conflict"));
    {
        StockConnection tool(path);
        EXPECT_EQ(tool.value("SELECT MovieTitle || '|' || DateIn FROM LoanOut WHERE ID = 1"), QStringLiteral("Renamed|2025-12-09"));
        ASSERT_EQ(tool.exec("UPDATE LoanOut SET DateIn = NULL WHERE ID = 1"), SQLITE_OK);
    }
    EXPECT_EQ(a.ask(QStringLiteral("return 1")), QStringLiteral("conflict"));
    ASSERT_EQ(a.ask(QStringLiteral("loans")), QStringLiteral("ok 1"));
    EXPECT_EQ(a.ask(QStringLiteral("return 1")), QStringLiteral("ok"));
}

// A program showing the catalogue notices when another program restores a backup over it (puts a
// different file at its path) and opens the new file, telling the user; nothing is written into
// the file that was replaced.
TEST_F(Sharing, ARestoreByAnotherProgramIsNoticedAndTheCatalogueOpenedAgain)
{
    makeCatalogue(5, 10);
    const QString backup = t.path(QStringLiteral("backup.cnlg"));
    ASSERT_TRUE(QFile::copy(path, backup));
    Catalogue cat;
    CatalogueSession session(t.ctx(), cat);
    ASSERT_TRUE(session.open(path));
    CatalogueWatch watch(t.ctx(), cat);
    QStringList replaced;
    QObject::connect(&watch, &CatalogueWatch::replaced, [&](const QString &m) { replaced << m; });
    int reopenedCalls = 0;
    cat.setReopenedHandler([&] { ++reopenedCalls; });
    EXPECT_FALSE(watch.checkStillTheFile());

    // Meanwhile this program's movie is saved, and the other program restores the older copy.
    MovieStore store(cat);
    MovieRecord m;
    m.title = QStringLiteral("Saved before the restore");
    store.save(m);
    {
        // The other program: the restored copy is put beside the catalogue and renamed over it
        // while it holds the write lock.
        const QString beside = path + QStringLiteral(".restoring");
        ASSERT_TRUE(QFile::copy(backup, beside));
        StockConnection lock(path);
        ASSERT_EQ(lock.exec("BEGIN IMMEDIATE"), SQLITE_OK);
        ASSERT_EQ(std::rename(QFile::encodeName(beside).constData(), QFile::encodeName(path).constData()), 0);
        ASSERT_EQ(lock.exec("COMMIT"), SQLITE_OK);
    }
    const quint64 before = cat.generation();
    EXPECT_TRUE(watch.checkStillTheFile());
    EXPECT_GT(cat.generation(), before);
    EXPECT_EQ(reopenedCalls, 1);
    ASSERT_EQ(replaced.size(), 1);
    EXPECT_TRUE(replaced[0].contains(path)) << qPrintable(replaced[0]);
    EXPECT_TRUE(replaced[0].contains(QLatin1String("restoring a backup"))) << qPrintable(replaced[0]);
    // The catalogue shown is the restored file, and it takes saves.
    EXPECT_FALSE(cat.scalar(QStringLiteral("SELECT 1 FROM Movies WHERE Title = 'Saved before the restore'")).isValid());
    MovieRecord after;
    after.title = QStringLiteral("Saved after the restore");
    EXPECT_GT(store.save(after), 0);
    EXPECT_FALSE(watch.checkStillTheFile());
    cat.close();
    const std::map<int, QString> present = moviesAtPath();
    QStringList titles;
    for (const auto &[id, title] : present)
        titles << title;
    EXPECT_TRUE(titles.contains(QStringLiteral("Saved after the restore")));
    EXPECT_FALSE(titles.contains(QStringLiteral("Saved before the restore")));

    // A deleted catalogue is reported once, and refuses writes with a plain message.
    ASSERT_TRUE(session.open(path));
    QStringList removed;
    QObject::connect(&watch, &CatalogueWatch::removed, [&](const QString &m) { removed << m; });
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(watch.checkStillTheFile());
    EXPECT_FALSE(watch.checkStillTheFile());
    ASSERT_EQ(removed.size(), 1);
    EXPECT_TRUE(removed[0].contains(path));
    try {
        MovieRecord lost;
        lost.title = QStringLiteral("Into a deleted file");
        store.save(lost);
        ADD_FAILURE() << "a save into a deleted catalogue was reported done";
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.number(), CatalogueError::Replaced) << e.what();
        EXPECT_TRUE(e.description().contains(path)) << e.what();
        EXPECT_FALSE(e.description().contains(QLatin1String("readonly"))) << e.what();
    }
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
