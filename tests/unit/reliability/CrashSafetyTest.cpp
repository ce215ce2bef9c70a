// Kills a writer of the catalogue at random moments and checks what it leaves behind: the file is
// sound, no movie has part of the cast it was written with, and every write the writer reported
// as committed is there.
//   CINELOG_CRASH_LONG=1      thousands of kills instead of a short run
//   CINELOG_CRASH_KILLS=<n>   exactly n kills

#include "Catalogue.h"
#include "GTestSupport.h"
#include "MovieStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
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
        if (line.startsWith(QLatin1String("movie "))) {
            const int space = int(line.indexOf(QLatin1Char(' '), 6));
            j.movies[line.mid(6, space - 6).toInt()] = line.mid(space + 1);
            ++j.commits;
        } else if (line.startsWith(QLatin1String("remove "))) {
            j.movies.erase(line.mid(7).toInt());
        } else if (line == QLatin1String("compact")) {
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
        Catalogue cat(t.ctx());
        cat.DBPath = path;
        if (!cat.DBConn())
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
            Catalogue fresh(t.ctx());
            QString p = path;
            ASSERT_TRUE(fresh.CreateDB(p));
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

} // namespace
