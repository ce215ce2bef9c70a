#include "CatalogueFile.h"

#include "Catalogue.h"
#include "CatalogueInternal.h"
#include "JetReader.h"
#include "Migrations.h"
#include "ProgressSink.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <fcntl.h>
#include <unistd.h>

using namespace catalogue_detail;

// Durability for a document file: a rollback journal keeps a closed catalogue one self-contained
// file that users can copy, and synchronous=FULL makes each committed change survive a power cut.
void catalogue_detail::applyConnectionSettings(QSqlDatabase &db)
{
    runOn(db, QStringLiteral("PRAGMA journal_mode = DELETE"));
    runOn(db, QStringLiteral("PRAGMA synchronous = FULL"));
    runOn(db, QStringLiteral("PRAGMA foreign_keys = OFF"));
}

void catalogue_detail::syncFolderOf(const QString &filePath)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(filePath).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

Fill catalogue_detail::fillFor(const Schema::Column &c)
{
    const QLatin1String name(c.name);
    if (name == QLatin1String("OrderBy"))
        return Fill::TitleRule;
    if (name == QLatin1String("UserRating") || name == QLatin1String("EpisodeDisc") || name == QLatin1String("onlineID")
        || name == QLatin1String("web"))
        return Fill::ZeroIfEmpty;
    return Fill::Null;
}

namespace {

void createSchema(QSqlDatabase &db, ProgressSink &progress)
{
    runOn(db, QStringLiteral("PRAGMA application_id = %1").arg(Schema::ApplicationId));
    runOn(db, QStringLiteral("PRAGMA user_version = %1").arg(Migrations::BaseVersion));
    runOn(db, QStringLiteral("BEGIN"));
    int step = 0;
    for (const QString &table : Schema::tables()) {
        if (table == QLatin1String("Episodes")) {
            CatalogueFile::CreateEpisodesTable(db);
            continue;
        }
        // The columns added later come with the first open, as they do for older catalogues.
        runOn(db, Schema::createTableStatement(table, false));
        if (table != QLatin1String("UserList"))
            progress.UpdateProgress(step++);
        progress.letEventsRun();
    }
    // Indexes come with the open-time check, once every column they cover exists.
    runOn(db, QStringLiteral("COMMIT"));
}

} // namespace

namespace CatalogueFile {

bool hasSqliteHeader(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

void CreateEpisodesTable(QSqlDatabase &db)
{
    runOn(db, Schema::createTableStatement(QStringLiteral("Episodes"), true));
}

void create(const QString &path, ProgressSink &progress)
{
    progress.ShowProgress(QCoreApplication::translate("CatalogueFile", "Creating Cinelog..."), 0, 7);
    bool created = false;
    try {
        if (QFileInfo::exists(path))
            throw CinelogError(ErrorNumber::FileAlreadyExists, logged("CatalogueFile", "File already exists"));
        const QString name = newConnectionName("create");
        ConnectionGuard guard(name);
        QSqlDatabase db = openConnection(path, name, true);
        created = true;
        applyConnectionSettings(db);
        createSchema(db, progress);
        db.close();
    } catch (...) {
        // A half-made catalogue is of no use to anyone: remove it rather than leave it behind.
        if (created)
            QFile::remove(path);
        progress.UpdateProgress(7);
        throw;
    }
    progress.UpdateProgress(7);
}

void create(const QString &path)
{
    NullProgress progress;
    create(path, progress);
}

QSqlDatabase openConnection(const QString &path, const QString &connectionName, bool create)
{
    if (!create) {
        QFileInfo fi(path);
        if (!fi.exists())
            throw CinelogError(ErrorNumber::FileNotFound, logged("CatalogueFile", "Could not find file '%1'.").arg(path));
        if (!fi.isFile())
            throw CinelogError(ErrorNumber::PathNotFound, logged("CatalogueFile", "'%1' is not a file.").arg(path));
        if (!hasSqliteHeader(path)) {
            if (JetReader::isJetFile(path))
                throw CinelogError(ErrorNumber::Database,
                                   logged("CatalogueFile", "'%1' is a catalogue of an earlier version of Cinelog: open it first to "
                                                  "convert it.").arg(path));
            throw CinelogError(ErrorNumber::Database, logged("CatalogueFile", "Unrecognized database format '%1'.").arg(path));
        }
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    // Long enough for another program's ordinary read or save to finish; bounded, so that a program
    // that holds the catalogue for good is reported rather than waited for.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(Catalogue::BusyTimeoutMs));
    if (!db.open()) {
        CinelogError e = Catalogue::errorOf(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw e;
    }
    try {
        registerCatalogueFunctions(db);
    } catch (...) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw;
    }
    return db;
}

void verifyCatalogueFile(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
        throw Catalogue::errorOf(q.lastError());
    const int appId = q.value(0).toInt();
    if (appId == Schema::ApplicationId)
        return;
    // A catalogue made without the mark (by hand or by an older tool) is accepted when it has the
    // movie table; any other database is not a catalogue.
    if (appId == 0 && hasTable(db, QStringLiteral("Movies")))
        return;
    throw CinelogError(ErrorNumber::Database,
                       logged("CatalogueFile", "Unrecognized database format '%1': it is not a Cinelog catalogue.").arg(db.databaseName()));
}

bool isOldFormat(QSqlDatabase &db)
{
    return db.record(QStringLiteral("Movies")).indexOf(QStringLiteral("Actor1")) >= 0;
}

QString oldFormatConversionPath(const QString &path)
{
    return path.endsWith(QLatin1String(".cnlg")) ? path.left(path.size() - 5) + QStringLiteral("_new.cnlg")
                                                 : path + QStringLiteral("_new.cnlg");
}

} // namespace CatalogueFile
