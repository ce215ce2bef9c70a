// A program killed in the middle of an undo (or redo) leaves the catalogue as it was before the
// step or after it, never in between: a group of movies deleted as one step is wholly there, with
// every cast row and cover, or wholly gone, and the file and its quick-filter index are sound.

#include "Catalogue.h"
#include "CoverPictures.h"
#include "GTestSupport.h"
#include "MovieStore.h"
#include "MovieTextIndex.h"
#include "TestCatalogue.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QThread>
#include <csignal>
#include <random>

namespace {

constexpr int GroupSize = 12;

QByteArray coverFor(int i)
{
    QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    bytes.append(QByteArray(300000 + i, char('a' + i % 26)));
    return bytes;
}

TEST(UndoCrash, KilledDuringAnUndoLeavesTheStateBeforeOrAfterTheStep)
{
    GTestContext t;
    const QString path = t.path(QStringLiteral("undo.cnlg")), journalPath = t.path(QStringLiteral("undo.journal"));
    {
        Catalogue cat;
        ASSERT_TRUE(openNewCatalogue(cat, path));
        MovieStore store(cat);
        CoverPictures covers(cat, t.ctx());
        addMovie(cat, QStringLiteral("Kept"));
        for (int i = 0; i < GroupSize; ++i) {
            MovieRecord m;
            m.title = QStringLiteral("Group %1 k%2").arg(i).arg(10 + i);
            const int id = store.save(m);
            for (int a = 0; a < 10 + i; ++a) {
                bool updated = false;
                store.addOrUpdateCast(id, QStringLiteral("Actor %1").arg(a), QStringLiteral("Role %1").arg(a), updated);
            }
            ASSERT_TRUE(covers.savePictureBytes(id, coverFor(i)));
        }
    }
    const QString pristine = t.path(QStringLiteral("pristine.cnlg"));
    ASSERT_TRUE(QFile::copy(path, pristine));
    const int kills = 12;
    int inStep = 0;
    std::mt19937 rng(std::random_device{}());
    for (int run = 0; run < kills; ++run) {
        // Each run starts with the group there.
        QFile::remove(journalPath);
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(pristine, path));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(CINELOG_UNDO_CRASH_CHILD), {path, journalPath});
        ASSERT_TRUE(child.waitForStarted(10000));
        if (!child.waitForReadyRead(30000)) {
            child.kill();
            child.waitForFinished(5000);
            FAIL() << "the child did not get ready (exit code " << child.exitCode() << ")";
        }
        const int waitMs = 5 + int(rng() % 300);
        QThread::msleep(waitMs);
        ASSERT_EQ(child.state(), QProcess::Running) << "the child stopped by itself";
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        QFile j(journalPath);
        ASSERT_TRUE(j.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = j.readAll().split('\n');
        // The last whole line: "undo" or "redo" means the kill came during that step.
        for (int i = int(lines.size()) - 1; i >= 0; --i)
            if (!lines[i].isEmpty()) {
                inStep += lines[i] != "done" ? 1 : 0;
                break;
            }

        // Opened for writing, as any opening does: the engine rolls back what the kill cut short.
        Catalogue cat;
        ASSERT_TRUE(cat.open(path).opened());
        ASSERT_EQ(cat.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        EXPECT_EQ(MovieTextIndex::outOfStep(cat.MovieConn()), 0);
        const int present = cat.scalar(QStringLiteral("SELECT count(*) FROM Movies WHERE Title LIKE 'Group %'")).toInt();
        ASSERT_TRUE(present == 0 || present == GroupSize) << present << " of the group's movies after kill " << run << " ("
                                                          << waitMs << " ms)";
        EXPECT_EQ(cat.scalar(QStringLiteral("SELECT count(*) FROM MovActLink WHERE MovID NOT IN (SELECT ID FROM Movies)")).toInt(), 0)
            << "cast rows of no movie";
        EXPECT_EQ(cat.scalar(QStringLiteral("SELECT count(*) FROM Movies WHERE Title = 'Kept'")).toInt(), 1);
        QSqlQuery q = cat.exec(QStringLiteral("SELECT ID, Title, length(CoverData), "
                                              "(SELECT count(*) FROM MovActLink WHERE MovID = Movies.ID) FROM Movies "
                                              "WHERE Title LIKE 'Group %'"));
        static const QRegularExpression name(QStringLiteral("^Group (\\d+) k(\\d+)$"));
        while (q.next()) {
            const auto m = name.match(q.value(1).toString());
            ASSERT_TRUE(m.hasMatch());
            EXPECT_EQ(q.value(3).toInt(), m.captured(2).toInt()) << qPrintable(q.value(1).toString());
            EXPECT_EQ(q.value(2).toInt(), coverFor(m.captured(1).toInt()).size()) << qPrintable(q.value(1).toString());
        }
    }
    std::printf("kills inside an undo or redo: %d of %d\n", inStep, kills);
    EXPECT_GT(inStep, 0) << "no kill landed inside an undo or redo: the test checked nothing";
}

} // namespace
