// Kills a writer of the catalogue at random moments and checks what it leaves behind: the file is
// sound, no movie has part of the cast it was written with, and every write the writer reported
// as committed is there.
//   CINELOG_CRASH_LONG=1      thousands of kills instead of a short run
//   CINELOG_CRASH_KILLS=<n>   exactly n kills

#include "Catalogue.h"
#include "CatalogueSession.h"
#include "TestCatalogue.h"
#include "GTestSupport.h"
#include "MovieStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <csignal>
#include <map>
#include <random>
#include <sys/types.h>

namespace {

int killCount()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("CINELOG_CRASH_KILLS", &ok);
    if (ok && n > 0)
        return n;
    return qEnvironmentVariableIsSet("CINELOG_CRASH_LONG") ? 3000 : 30;
}

struct Journal {
    std::map<int, QString> movies; // the movies the catalogue must hold: ID -> title
    int commits = 0;
    bool converted = false;
};

// Reads the writer's journal; a partial last line (the kill came in the middle of it) is ignored.
Journal readJournal(const QString &path)
{
    Journal j;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return j;
    const QByteArray all = f.readAll();
    const QList<QByteArray> lines = all.left(all.lastIndexOf('\n') + 1).split('\n');
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromUtf8(raw);
        if (line == QLatin1String("converted"))
            j.converted = true;
        if (line.startsWith(QLatin1String("movie "))) {
            const int space = int(line.indexOf(QLatin1Char(' '), 6));
            j.movies[line.mid(6, space - 6).toInt()] = line.mid(space + 1);
            ++j.commits;
        } else if (line.startsWith(QLatin1String("remove "))) {
            j.movies.erase(line.mid(7).toInt());
        } else if (line == QLatin1String("compact") || line == QLatin1String("converted")) {
            ++j.commits;
        }
    }
    return j;
}

class CrashSafety : public ::testing::Test
{
protected:
    // What is wrong with the catalogue; empty when it is sound and complete.
    QStringList problems(const Journal &journal)
    {
        QStringList out;
        Catalogue cat;
        CatalogueSession session(t.ctx(), cat);
        if (!session.open(path))
            return {QStringLiteral("the catalogue does not open: ") + t.logLines().join(QLatin1Char('\n'))};
        const QString integrity = cat.scalar(QStringLiteral("PRAGMA integrity_check")).toString();
        if (integrity != QLatin1String("ok"))
            out << QStringLiteral("integrity_check: ") + integrity;

        static const QRegularExpression castCount(QStringLiteral(" k(\\d+)$"));
        QSqlQuery q = cat.exec(QStringLiteral("SELECT m.ID, m.Title, (SELECT COUNT(*) FROM MovActLink l WHERE l.MovID = m.ID) "
                                              "FROM Movies m ORDER BY m.ID"));
        std::map<int, QString> present;
        while (q.next()) {
            const int id = q.value(0).toInt();
            const QString title = q.value(1).toString();
            present[id] = title;
            const auto m = castCount.match(title);
            if (!m.hasMatch())
                out << QStringLiteral("movie %1 has a title no writer gave: %2").arg(id).arg(title);
            else if (m.captured(1).toInt() != q.value(2).toInt())
                out << QStringLiteral("movie %1 (%2) has %3 cast rows").arg(id).arg(title).arg(q.value(2).toInt());
        }
        const int orphans = cat.scalar(QStringLiteral("SELECT COUNT(*) FROM MovActLink WHERE MovID NOT IN (SELECT ID FROM Movies)")).toInt();
        if (orphans)
            out << QStringLiteral("%1 cast rows belong to no movie").arg(orphans);
        for (const auto &[id, title] : journal.movies) {
            const auto it = present.find(id);
            if (it == present.end())
                out << QStringLiteral("committed movie %1 (%2) is missing").arg(id).arg(title);
            else if (it->second != title)
                out << QStringLiteral("committed movie %1 is %2, not %3").arg(id).arg(it->second, title);
        }
        cat.close();
        return out;
    }

    GTestContext t;
    QString path = t.path(QStringLiteral("crash.cnlg"));
    QString journalPath = t.path(QStringLiteral("crash.journal"));
};

TEST_F(CrashSafety, KilledWriterLeavesASoundCompleteCatalogue)
{
    const int kills = killCount();
    std::mt19937 rng(std::random_device{}());
    for (int run = 0; run < kills; ++run) {
        if (run % 50 == 0) {
            // A fresh catalogue now and then keeps long runs from working on an ever larger file.
            QFile::remove(path);
            QFile::remove(journalPath);
            Catalogue fresh;
            QString p = path;
            ASSERT_TRUE(createCatalogue(p));
            fresh.close();
        }
        const unsigned seed = rng();
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(CINELOG_CRASH_WRITER), {path, journalPath, QString::number(seed)});
        ASSERT_TRUE(child.waitForStarted(10000));
        ASSERT_TRUE(child.waitForReadyRead(20000)) << "the writer did not open the catalogue (seed " << seed << ")";
        // Most kills land within the first writes; some let the writer get further.
        const int waitMs = int(rng() % 4 == 0 ? rng() % 400 : rng() % 60);
        QThread::msleep(waitMs);
        const bool running = child.state() == QProcess::Running;
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        ASSERT_TRUE(running && child.exitStatus() == QProcess::CrashExit)
            << "the writer stopped by itself (exit code " << child.exitCode() << ", seed " << seed << ")";

        const Journal journal = readJournal(journalPath);
        const QStringList found = problems(journal);
        ASSERT_TRUE(found.isEmpty()) << "after kill " << run + 1 << " (seed " << seed << ", " << waitMs
                                     << " ms):\n" << qPrintable(found.join(QLatin1Char('\n')));
        if (run % 50 == 49 || run == kills - 1) {
            // The writer got real work done between kills, so the checks above had something to check.
            ASSERT_GT(journal.commits, 0) << "no write was committed before the kills";
        }
    }
}

// An old-format catalogue: each movie's cast in the columns Actor1 to Actor4 of its row. The
// title of movie i ends in " k<n>" for the n actors it names.
void makeOldCatalogue(const QString &path, int movies)
{
    const QString name = QStringLiteral("old-catalogue");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const char *sql : {
                 "CREATE TABLE DBInfo (ID INTEGER PRIMARY KEY AUTOINCREMENT, DBVer TEXT)",
                 "CREATE TABLE Actors (ID INTEGER PRIMARY KEY AUTOINCREMENT, Actor TEXT)",
                 "CREATE TABLE Directors (ID INTEGER PRIMARY KEY AUTOINCREMENT, Director TEXT)",
                 "CREATE TABLE Genres (Genre TEXT)",
                 "CREATE TABLE LoanOut (ID INTEGER PRIMARY KEY AUTOINCREMENT, MovieID INTEGER, MovieTitle TEXT, "
                 "LoanedTo TEXT, DateOut TEXT, DateIn TEXT)",
                 "CREATE TABLE Movies (ID INTEGER PRIMARY KEY AUTOINCREMENT, Title TEXT, Director TEXT, Genre1 TEXT, "
                 "Genre2 TEXT, Genre3 TEXT, Medium TEXT, Format TEXT, Rating TEXT, ReleaseYear TEXT, RunningTime TEXT, "
                 "NumDiscs TEXT, Actor1 TEXT, Actor2 TEXT, Actor3 TEXT, Actor4 TEXT, OrderBy TEXT)",
                 "INSERT INTO DBInfo (DBVer) VALUES ('1.0')",
                 "INSERT INTO Actors (Actor) VALUES ('Actor 0'), ('Actor 1'), ('Actor 2'), ('Actor 3')",
                 "INSERT INTO Directors (Director) VALUES ('Director')", "INSERT INTO Genres (Genre) VALUES ('Drama')",
                 "BEGIN"})
            ASSERT_TRUE(q.exec(QString::fromLatin1(sql))) << sql;
        ASSERT_TRUE(q.prepare(QStringLiteral("INSERT INTO Movies (Title, Director, Actor1, Actor2, Actor3, Actor4, OrderBy) "
                                             "VALUES (?, 'Director', ?, ?, ?, ?, ?)")));
        for (int i = 0; i < movies; ++i) {
            const int k = i % 5;
            const QString title = QStringLiteral("Old %1 k%2").arg(i).arg(k);
            q.addBindValue(title);
            for (int a = 0; a < 4; ++a)
                q.addBindValue(a < k ? QStringLiteral("Actor %1").arg(a) : QString());
            q.addBindValue(title);
            ASSERT_TRUE(q.exec());
        }
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) "
                                          "VALUES (1, 'Old 1 k1', 'Ann', '2024-01-05')")));
        ASSERT_TRUE(q.exec(QStringLiteral("COMMIT")));
    }
    QSqlDatabase::removeDatabase(name);
}

// What is at the path right after a kill, read without converting anything: whether it is the
// old or the converted catalogue, its integrity check and its number of movies. (Opened for
// writing, so that the engine rolls back a transaction the kill cut short, as any opening does.)
struct FileState {
    bool old = false;
    QString integrity;
    int movies = -1;
};

FileState inspect(const QString &path)
{
    FileState s;
    const QString name = QStringLiteral("inspect");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                s.integrity = q.value(0).toString();
            s.old = db.record(QStringLiteral("Movies")).contains(QStringLiteral("Actor1"));
            if (q.exec(QStringLiteral("SELECT COUNT(*) FROM Movies")) && q.next())
                s.movies = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return s;
}

// Kills the conversion of an old-format catalogue part-way. Until the converted catalogue is
// complete the old one stays whole at its path; opening it again converts it completely.
TEST_F(CrashSafety, KilledConversionLeavesTheOldOrTheWholeConvertedCatalogue)
{
    constexpr int Movies = 3000;
    const QString original = t.path(QStringLiteral("old-original.cnlg"));
    makeOldCatalogue(original, Movies);
    const QString leftover = t.path(QStringLiteral("crash_new.cnlg"));
    const int kills = std::max(4, killCount() / 3);
    std::mt19937 rng(std::random_device{}());
    qint64 conversionMs = 0;
    for (int run = 0; run <= kills; ++run) {
        QFile::remove(path);
        QFile::remove(journalPath);
        ASSERT_TRUE(QFile::copy(original, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const unsigned seed = rng();
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(CINELOG_CRASH_WRITER), {path, journalPath, QString::number(seed), QStringLiteral("convert")});
        ASSERT_TRUE(child.waitForStarted(10000));
        ASSERT_TRUE(child.waitForReadyRead(20000));
        QElapsedTimer clock;
        clock.start();
        int waitMs = 0;
        if (run == 0) {
            // The first run converts to the end, to learn how long a conversion takes here.
            while (!child.readAll().contains("converted") && clock.elapsed() < 120000)
                child.waitForReadyRead(1000);
            conversionMs = std::max<qint64>(clock.elapsed(), 1);
        } else {
            waitMs = int(rng() % quint32(conversionMs + conversionMs / 5 + 1));
            QThread::msleep(waitMs);
        }
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));

        const Journal journal = readJournal(journalPath);
        const FileState after = inspect(path);
        const QString where = QStringLiteral("kill %1 after %2 ms of a %3 ms conversion").arg(run).arg(waitMs).arg(conversionMs);
        EXPECT_EQ(after.integrity, QStringLiteral("ok")) << qPrintable(where);
        EXPECT_EQ(after.movies, Movies) << qPrintable(where);
        if (journal.converted)
            EXPECT_FALSE(after.old) << "the conversion was reported done, yet the old catalogue is in place; " << qPrintable(where);
        if (run == 0)
            ASSERT_TRUE(journal.converted) << "the conversion did not finish";

        // Opening it again (replacing what the killed conversion left beside it) gives the whole
        // converted catalogue.
        if (QFile::exists(leftover))
            t.prompts.answerYes();
        const QStringList found = problems(Journal{});
        ASSERT_TRUE(found.isEmpty()) << qPrintable(where) << ":\n" << qPrintable(found.join(QLatin1Char('\n')));
        const FileState reopened = inspect(path);
        EXPECT_FALSE(reopened.old) << qPrintable(where);
        EXPECT_EQ(reopened.movies, Movies) << qPrintable(where);
        EXPECT_FALSE(QFile::exists(leftover)) << qPrintable(where);
    }
}

} // namespace
