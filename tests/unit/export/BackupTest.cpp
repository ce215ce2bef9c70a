#include "Backups.h"
#include "CinelogError.h"
#include "ExportTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <atomic>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>

using namespace exporttest;

namespace {

class BackupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = dir.filePath(QStringLiteral("films.cnlg"));
        cat = newCatalogue(path);
        fillTrickyCatalogue(*cat);
    }
    int movies(const QString &file)
    {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *st = nullptr;
        int n = -1;
        if (sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM Movies", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        sqlite3_close(db);
        return n;
    }
    void addMovie(Catalogue &c, const QString &title)
    {
        c.exec(QStringLiteral("INSERT INTO Movies (Title) VALUES (?)"), {title});
    }

    QTemporaryDir dir;
    QTemporaryDir backupDir;
    QString path;
    std::unique_ptr<Catalogue> cat;
};

// Another connection keeps writing whole transactions of ten movies; every copy holds a
// multiple of ten more than the start, so no copy caught a transaction half-way.
TEST_F(BackupTest, CopyOfACatalogueBeingWrittenIsConsistent)
{
    const int start = movies(path);
    std::atomic<bool> stop{false};
    std::atomic<int> committed{0};
    std::thread writer([&] {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 30000);
        while (!stop) {
            if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
                continue;
            for (int i = 0; i < 10; ++i)
                sqlite3_exec(db, "INSERT INTO Movies (Title) VALUES ('w')", nullptr, nullptr, nullptr);
            if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK)
                ++committed;
            // A pause between saves, as a program has; the copy waits for the lock in one.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        sqlite3_close(db);
    });
    Backups backups(backupDir.path());
    QStringList copies;
    for (int i = 0; i < 5; ++i) {
        while (committed < i + 1)
            std::this_thread::yield();
        copies << backups.backUp(path, QDateTime::currentDateTime().addSecs(i));
    }
    stop = true;
    writer.join();
    ASSERT_EQ(copies.size(), 5);
    for (const QString &c : copies) {
        EXPECT_FALSE(Backups::checkCopy(c).has_value());
        const int n = movies(c);
        EXPECT_GE(n, start + 10);
        EXPECT_EQ((n - start) % 10, 0) << n;
    }
}

TEST_F(BackupTest, CopyDamagedAfterWritingIsDetectedAndRemoved)
{
    Backups backups(backupDir.path());
    BackupOptions damage;
    damage.afterCopy = [](const QString &copy) {
        QFile f(copy);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        // Scribble over the second page onwards (the schema and tables), keeping the header.
        f.seek(f.size() / 3);
        f.write(QByteArray(int(f.size() / 3), '\x5a'));
    };
    try {
        backups.backUp(path, QDateTime::currentDateTime(), damage);
        FAIL() << "a damaged copy was kept";
    } catch (const CinelogError &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("failed its check"))) << e.description().toStdString();
    }
    EXPECT_TRUE(QDir(backupDir.path()).entryList({QStringLiteral("*.cnlg*"), QStringLiteral(".*part")}, QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(backups.list(path).isEmpty());

    // A backup damaged while lying in the folder is removed when it is to be restored.
    const QString good = backups.backUp(path);
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(4096);
        f.write(QByteArray(8192, '\x00'));
    }
    EXPECT_THROW(backups.restore(good, path), CinelogError);
    EXPECT_FALSE(QFileInfo::exists(good));
    EXPECT_EQ(movies(path), 6); // the catalogue is untouched
}

TEST_F(BackupTest, RestoreKeepsThePreviousFileAsABackup)
{
    Backups backups(backupDir.path());
    const QDateTime t0 = QDateTime::currentDateTime();
    const QString first = backups.backUp(path, t0);
    cat->transaction([&] {
        for (int i = 0; i < 4; ++i)
            addMovie(*cat, QStringLiteral("later"));
    });
    cat->close();
    backups.restore(first, path, t0.addSecs(60));
    EXPECT_EQ(movies(path), 6);
    const QList<BackupInfo> all = backups.list(path);
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[0].movies, 10); // the file as it was before the restore, newest first
    EXPECT_EQ(all[1].movies, 6);
    EXPECT_GT(all[0].bytes, 0);
    EXPECT_EQ(all[1].when.toString(QStringLiteral("yyyyMMddHHmmss")), t0.toString(QStringLiteral("yyyyMMddHHmmss")));
    ASSERT_TRUE(cat->open(path).opened());
    EXPECT_EQ(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM Movies WHERE Title = 'later'")).toInt(), 0);
}

TEST_F(BackupTest, AutomaticBackupsOncePerDayWhenChangedKeepingN)
{
    Backups backups(backupDir.path());
    QDateTime now = QDateTime::currentDateTime();
    EXPECT_FALSE(backups.autoBackUp(path, 0, now).has_value()); // 0 turns them off
    EXPECT_TRUE(backups.autoBackUp(path, 3, now).has_value());   // none yet: due
    EXPECT_FALSE(backups.autoBackUp(path, 3, now.addDays(2)).has_value()); // unchanged
    addMovie(*cat, QStringLiteral("new"));
    EXPECT_FALSE(backups.autoBackUp(path, 3, now.addSecs(3600)).has_value()); // changed, but the same day
    for (int day = 1; day <= 5; ++day) {
        addMovie(*cat, QStringLiteral("day"));
        EXPECT_TRUE(backups.autoBackUp(path, 3, now.addDays(day)).has_value()) << day;
    }
    const QList<BackupInfo> kept = backups.list(path);
    ASSERT_EQ(kept.size(), 3);
    EXPECT_EQ(kept[0].when.date(), now.addDays(5).date());
    EXPECT_EQ(kept[2].when.date(), now.addDays(3).date());
    EXPECT_EQ(kept[0].movies, 12);

    // Another catalogue's backups are neither listed nor pruned with this one's.
    const QString other = dir.filePath(QStringLiteral("other/films.cnlg"));
    QDir().mkpath(QFileInfo(other).path());
    ASSERT_TRUE(QFile::copy(path, other));
    backups.autoBackUp(other, 1, now);
    EXPECT_EQ(backups.list(other).size(), 1);
    EXPECT_EQ(backups.list(path).size(), 3);
}

// The automatic backup runs on its own thread: starting it returns while the copy still waits
// for a writer, and it completes once the writer is done.
TEST_F(BackupTest, StartingAnAutomaticBackupDoesNotWait)
{
    sqlite3 *writer = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &writer, SQLITE_OPEN_READWRITE, nullptr);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    BackgroundBackup background;
    QSignalSpy done(&background, &BackgroundBackup::finished);
    ASSERT_TRUE(background.start(backupDir.path(), path, 5));
    EXPECT_TRUE(background.isRunning());
    EXPECT_FALSE(background.start(backupDir.path(), path, 5)); // one at a time
    EXPECT_FALSE(background.wait(300));                         // still waiting for the writer
    sqlite3_exec(writer, "INSERT INTO Movies (Title) VALUES ('x'); COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    ASSERT_TRUE(background.wait(30000));
    QCoreApplication::processEvents();
    ASSERT_TRUE(done.count() == 1 || done.wait(5000));
    const QList<QVariant> args = done.first();
    EXPECT_TRUE(args.at(1).toString().isEmpty()) << args.at(1).toString().toStdString();
    EXPECT_EQ(movies(args.at(0).toString()), 7);
}

} // namespace
