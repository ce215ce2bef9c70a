#include "CatalogueMaintenance.h"

#include "Catalogue.h"
#include "CatalogueFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// VACUUM INTO does not flush the file it writes. Without this, a power cut soon after the rename
// could leave the catalogue's name on a file whose contents never reached the disk.
bool syncToDisk(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

void compactCatalogue(Catalogue &catalogue, const QString &scratchFolder)
{
    const QString path = catalogue.path();
    const QFileInfo info(path);
    const QString folder = scratchFolder.isEmpty() ? info.absolutePath() : scratchFolder;
    const QByteArray nativePath = QFile::encodeName(path);

    // Compacting puts a new file in the catalogue's place: never for a file that is gone (that
    // would bring a deleted catalogue back), nor for one its owner made read-only.
    if (!catalogue.isStillTheFileAtPath())
        throw CinelogError(CatalogueError::Replaced,
                           logged("CatalogueMaintenance", "The catalogue '%1' was not compacted: the file was deleted, moved or replaced "
                                          "by another program after it was opened here. Open the catalogue again.")
                               .arg(path));
    struct stat original {};
    if (::stat(nativePath.constData(), &original) != 0)
        throw CinelogError(ErrorNumber::FileNotFound, logged("CatalogueMaintenance", "The catalogue '%1' was not compacted: the file "
                                                                     "cannot be found.").arg(path));
    if ((original.st_mode & 0222) == 0 || ::access(nativePath.constData(), W_OK) != 0)
        throw CinelogError(ErrorNumber::PermissionDenied,
                           logged("CatalogueMaintenance", "The catalogue '%1' was not compacted: the file is read-only. Allow writing "
                                          "to it first, or compact a copy.").arg(path));
    if (::access(QFile::encodeName(info.absolutePath()).constData(), W_OK | X_OK) != 0
        || ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        throw CinelogError(ErrorNumber::PermissionDenied,
                           logged("CatalogueMaintenance", "The catalogue '%1' was not compacted: the folder does not allow new files to "
                                          "be made in it, which compacting needs. Allow writing to the folder first.")
                               .arg(path));

    // Keeps every other writer out from before the copy starts until the copy has taken the
    // catalogue's place: VACUUM INTO cannot run inside a transaction of its own connection, so a
    // second connection holds the write lock. A writer that waited for it then finds the file
    // replaced and opens the new one instead of writing into the old.
    const QString lockName = QStringLiteral("cinelog-compact-lock-%1").arg(reinterpret_cast<quintptr>(&catalogue));
    struct LockHolder {
        QString name;
        ~LockHolder() { release(); }
        void release()
        {
            if (name.isEmpty() || !QSqlDatabase::contains(name))
                return;
            {
                QSqlDatabase db = QSqlDatabase::database(name, false);
                if (db.isOpen()) {
                    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                    db.close();
                }
            }
            QSqlDatabase::removeDatabase(name);
            name.clear();
        }
    } lock{lockName};
    {
        QSqlDatabase db = CatalogueFile::openConnection(path, lockName);
        QSqlQuery begin(db);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            const CinelogError e = Catalogue::errorOf(begin.lastError());
            if ((e.number() & 0xff) == 5 || (e.number() & 0xff) == 6)
                throw CinelogError(CatalogueError::Busy,
                                   logged("CatalogueMaintenance", "The catalogue '%1' was not compacted: another program is changing it. "
                                                  "Try again in a moment.").arg(path));
            throw e;
        }
    }
    // The file may have been swapped while the lock was being waited for.
    if (!catalogue.isStillTheFileAtPath())
        throw CinelogError(CatalogueError::Replaced,
                           logged("CatalogueMaintenance", "The catalogue '%1' was not compacted: another program replaced the file "
                                          "meanwhile. Open the catalogue again.").arg(path));

    // Copies left behind by a compaction that was killed part-way are of no use: remove them. No
    // other compaction of this catalogue can be running while the lock is held.
    const QString pattern = QStringLiteral(".") + info.fileName() + QStringLiteral(".compact-??????");
    for (const QString &stale : QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden))
        QFile::remove(QDir(folder).filePath(stale));

    // A private, unique name in the same folder, so the final rename stays on one file system.
    QTemporaryFile scratch(QDir(folder).filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".compact-XXXXXX")));
    scratch.setAutoRemove(true);
    if (!scratch.open())
        throw CinelogError(ErrorNumber::PermissionDenied,
                           logged("CatalogueMaintenance", "The catalogue could not be compacted: no working copy could be made in %1 (%2).")
                               .arg(folder, scratch.errorString()));
    scratch.close();
    const QString scratchPath = scratch.fileName();

    catalogue.exec(QStringLiteral("VACUUM INTO ?"), {scratchPath});
    {
        const QString name = QStringLiteral("cinelog-compact-check");
        {
            QSqlDatabase copy = CatalogueFile::openConnection(scratchPath, name);
            QSqlQuery q(copy);
            const bool ok = q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next()
                            && q.value(0).toString() == QLatin1String("ok");
            q.finish();
            copy.close();
            if (!ok) {
                QSqlDatabase::removeDatabase(name);
                throw CinelogError(ErrorNumber::Database, logged("CatalogueMaintenance", "The compacted copy of the catalogue failed its check."));
            }
        }
        QSqlDatabase::removeDatabase(name);
    }
    // The copy gets the original's owner (where this program may give it) and mode.
    const QByteArray nativeScratch = QFile::encodeName(scratchPath);
    if (::chown(nativeScratch.constData(), original.st_uid, original.st_gid) != 0)
        (void)::chown(nativeScratch.constData(), uid_t(-1), original.st_gid);
    if (::chmod(nativeScratch.constData(), original.st_mode & 07777) != 0)
        throw CinelogError(ErrorNumber::PermissionDenied, logged("CatalogueMaintenance", "The compacted copy of the catalogue could not be "
                                                                         "given the catalogue's permissions."));
    if (!syncToDisk(scratchPath, O_RDONLY))
        throw CinelogError(ErrorNumber::PermissionDenied, logged("CatalogueMaintenance", "The compacted copy of the catalogue could not be written to the disk."));
    // Deleting a file takes no lock: look once more just before the rename.
    if (!catalogue.isStillTheFileAtPath())
        throw CinelogError(CatalogueError::Replaced,
                           logged("CatalogueMaintenance", "The catalogue '%1' was not compacted: the file was deleted or moved while it "
                                          "was being compacted. It has not been made again.").arg(path));
    catalogue.close();
    if (std::rename(nativeScratch.constData(), nativePath.constData()) != 0) {
        catalogue.open(path);
        throw CinelogError(ErrorNumber::PermissionDenied, logged("CatalogueMaintenance", "The compacted catalogue could not replace %1").arg(path));
    }
    scratch.setAutoRemove(false);
    syncToDisk(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
    // Only now may other programs write again: they find the new file in place.
    lock.release();
    const OpenResult reopened = catalogue.open(path);
    if (!reopened.opened())
        throw CinelogError(ErrorNumber::Database, logged("CatalogueMaintenance", "The compacted catalogue could not be opened again: %1")
                                                      .arg(reopened.error ? reopened.error->description() : QString()));
}
