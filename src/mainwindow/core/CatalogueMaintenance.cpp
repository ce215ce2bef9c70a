#include "CatalogueMaintenance.h"

#include "Catalogue.h"
#include "CatalogueFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <cstdio>
#include <fcntl.h>
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

    // Copies left behind by a compaction that was killed part-way are of no use: remove them.
    const QString pattern = QStringLiteral(".") + info.fileName() + QStringLiteral(".compact-??????");
    for (const QString &stale : QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden))
        QFile::remove(QDir(folder).filePath(stale));

    // A private, unique name in the same folder, so the final rename stays on one file system.
    QTemporaryFile scratch(QDir(folder).filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".compact-XXXXXX")));
    scratch.setAutoRemove(true);
    if (!scratch.open())
        throw CinelogError(ErrorNumber::PermissionDenied,
                           QStringLiteral("The catalogue could not be compacted: no room for a working copy in ") + folder);
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
                throw CinelogError(ErrorNumber::Database, QStringLiteral("The compacted copy of the catalogue failed its check."));
            }
        }
        QSqlDatabase::removeDatabase(name);
    }
    // Keep the file's permissions.
    QFile::setPermissions(scratchPath, QFile::permissions(path));
    if (!syncToDisk(scratchPath, O_RDONLY))
        throw CinelogError(ErrorNumber::PermissionDenied, QStringLiteral("The compacted copy of the catalogue could not be written to the disk."));
    catalogue.close();
    if (std::rename(QFile::encodeName(scratchPath).constData(), QFile::encodeName(path).constData()) != 0) {
        catalogue.open(path);
        throw CinelogError(ErrorNumber::PermissionDenied, QStringLiteral("The compacted catalogue could not replace ") + path);
    }
    scratch.setAutoRemove(false);
    syncToDisk(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
    const OpenResult reopened = catalogue.open(path);
    if (!reopened.opened())
        throw CinelogError(ErrorNumber::Database, QStringLiteral("The compacted catalogue could not be opened again: %1")
                                                      .arg(reopened.error ? reopened.error->description() : QString()));
}
