#include "Catalogue.h"
#include "CatalogueFile.h"
#include "CatalogueInternal.h"
#include "ProgressSink.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

#include <cstdio>

using namespace catalogue_detail;

namespace {

QString text(const QSqlQuery &q, const char *column)
{
    const QVariant v = q.value(QString::fromLatin1(column));
    return v.isNull() ? QString() : v.toString();
}

qint64 count(QSqlDatabase &db, const QString &table)
{
    // sql-identifiers: a table name from the schema
    QSqlQuery q = runOn(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    return q.next() ? q.value(0).toLongLong() : 0;
}

bool hasColumn(QSqlDatabase &db, const QString &table, const QString &column)
{
    return db.record(table).indexOf(column) >= 0;
}

// Copies the one name column of a pick-list table, in one transaction.
void copyNames(QSqlDatabase &from, QSqlDatabase &to, const QString &table, const QString &column,
               const QString &message, ProgressSink &progress)
{
    const qint64 n = count(from, table);
    if (n == 0)
        return;
    progress.ShowProgress(message, 0, int(std::min<qint64>(n, INT_MAX)));
    runOn(to, QStringLiteral("BEGIN"));
    // sql-identifiers: table and column names from the schema
    QSqlQuery rows = runOn(from, QStringLiteral("SELECT %1 FROM %2").arg(column, table));
    QSqlQuery ins(to);
    // sql-identifiers: table and column names from the schema
    ins.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column));
    qint64 i = 0;
    while (rows.next()) {
        progress.UpdateProgress(++i);
        ins.addBindValue(NullIfEmpty(rows.value(0).isNull() ? QString() : rows.value(0).toString()));
        if (!ins.exec())
            throw Catalogue::errorOf(ins.lastError());
    }
    runOn(to, QStringLiteral("COMMIT"));
    if (i < n)
        progress.UpdateProgress(n);
}

} // namespace

// Old catalogues keep each movie's cast in the columns Actor1 to Actor4 of the movie row. The new
// catalogue is built beside the old one and takes its place only once it is complete.
void CatalogueFile::convertOldFormat(const QString &oldPath, bool restart, ProgressSink &progress)
{
    const QString newPath = oldFormatConversionPath(oldPath);
    if (QFileInfo::exists(newPath) && restart) {
        if (!QFile::remove(newPath))
            throw CinelogError(ErrorNumber::PermissionDenied, logged("CatalogueConvert", "Permission denied: %1").arg(newPath));
    }
    if (!QFileInfo::exists(newPath)) {
        try {
            create(newPath, progress);
        } catch (const CinelogError &e) {
            throw CinelogError(ErrorNumber::InvalidProcedureCall,
                               logged("CatalogueConvert", "The converted catalogue could not be created: %1 (%2)").arg(newPath, e.description()));
        }
    }

    const QString oldName = newConnectionName("convert-old");
    const QString newName = newConnectionName("convert-new");
    {
        // Both connections are closed and removed when this block is left, also by a failure.
        ConnectionGuard oldGuard(oldName);
        ConnectionGuard newGuard(newName);
        QSqlDatabase oldDb = CatalogueFile::openConnection(oldPath, oldName);
        QSqlDatabase newDb = CatalogueFile::openConnection(newPath, newName);
        CatalogueFile::verifyCatalogueFile(newDb);
        applyConnectionSettings(newDb);
        runOn(newDb, QStringLiteral("INSERT INTO DBInfo (DBVer) VALUES (?)"), {QStringLiteral("1.1")});

        copyNames(oldDb, newDb, QStringLiteral("Actors"), QStringLiteral("Actor"), QCoreApplication::translate("CatalogueConvert", "Doing Actors (thats funny!!)..."), progress);
        copyNames(oldDb, newDb, QStringLiteral("Directors"), QStringLiteral("Director"), QCoreApplication::translate("CatalogueConvert", "Doing Directors (Even Funnier!!)..."), progress);
        copyNames(oldDb, newDb, QStringLiteral("Genres"), QStringLiteral("Genre"), QStringLiteral("Genres..."), progress);

        const qint64 movies = count(oldDb, QStringLiteral("Movies"));
        if (movies > 0) {
            progress.ShowProgress(QCoreApplication::translate("CatalogueConvert", "Updating Movies and Actor Lists..."), 0, int(std::min<qint64>(movies, INT_MAX)));
            runOn(newDb, QStringLiteral("BEGIN"));
            const bool hasOrderBy = hasColumn(oldDb, QStringLiteral("Movies"), QStringLiteral("OrderBy"));
            QSqlQuery rows = runOn(oldDb, hasOrderBy ? QStringLiteral("SELECT * FROM Movies ORDER BY OrderBy COLLATE cinelog_nocase, ID")
                                                   : QStringLiteral("SELECT * FROM Movies"));
            QSqlQuery ins(newDb);
            ins.prepare(QStringLiteral("INSERT INTO Movies (Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, "
                                       "ReleaseYear, RunningTime, NumDiscs) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            QSqlQuery findActor(newDb);
            findActor.prepare(QStringLiteral("SELECT ID FROM Actors WHERE Actor = ? COLLATE cinelog_nocase ORDER BY ID LIMIT 1"));
            QSqlQuery link(newDb);
            link.prepare(QStringLiteral("INSERT INTO MovActLink (MovID, ActID) VALUES (?, ?)"));
            static const char *const fields[] = {"Director", "Genre1", "Genre2", "Genre3", "Medium", "Format",
                                                 "Rating", "ReleaseYear", "RunningTime", "NumDiscs"};
            qint64 i = 0;
            while (rows.next()) {
                progress.UpdateProgress(++i);
                ins.addBindValue(text(rows, "Title"));
                for (const char *f : fields)
                    ins.addBindValue(NullIfEmpty(text(rows, f)));
                if (!ins.exec())
                    throw Catalogue::errorOf(ins.lastError());
                const QVariant movieId = ins.lastInsertId();
                for (const char *col : {"Actor1", "Actor2", "Actor3", "Actor4"}) {
                    const QString name = text(rows, col);
                    if (name.isEmpty())
                        continue;
                    findActor.addBindValue(name);
                    if (!findActor.exec())
                        throw Catalogue::errorOf(findActor.lastError());
                    // A cast name missing from the actor list is dropped.
                    if (findActor.next()) {
                        link.addBindValue(movieId);
                        link.addBindValue(findActor.value(0));
                        if (!link.exec())
                            throw Catalogue::errorOf(link.lastError());
                    }
                    findActor.finish();
                }
            }
            runOn(newDb, QStringLiteral("COMMIT"));
        }

        const qint64 loans = count(oldDb, QStringLiteral("LoanOut"));
        if (loans > 0) {
            progress.ShowProgress(QCoreApplication::translate("CatalogueConvert", "Updating Loans..."), 0, int(std::min<qint64>(loans, INT_MAX)));
            runOn(newDb, QStringLiteral("BEGIN"));
            QSqlQuery rows = runOn(oldDb, QStringLiteral("SELECT * FROM LoanOut"));
            QSqlQuery findMovie(newDb);
            findMovie.prepare(QStringLiteral("SELECT ID FROM Movies WHERE Title = ? COLLATE cinelog_nocase ORDER BY ID LIMIT 1"));
            QSqlQuery ins(newDb);
            ins.prepare(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut, DateIn) VALUES (?, ?, ?, ?, ?)"));
            qint64 i = 0;
            while (rows.next()) {
                progress.UpdateProgress(++i);
                const QString title = text(rows, "MovieTitle");
                findMovie.addBindValue(title);
                if (!findMovie.exec())
                    throw Catalogue::errorOf(findMovie.lastError());
                const QVariant movieId = findMovie.next() ? findMovie.value(0) : QVariant(QMetaType::fromType<int>());
                findMovie.finish();
                ins.addBindValue(movieId);
                ins.addBindValue(NullIfEmpty(title));
                ins.addBindValue(NullIfEmpty(text(rows, "LoanedTo")));
                ins.addBindValue(NullIfEmpty(text(rows, "DateOut")));
                ins.addBindValue(NullIfEmpty(text(rows, "DateIn")));
                if (!ins.exec())
                    throw Catalogue::errorOf(ins.lastError());
            }
            runOn(newDb, QStringLiteral("COMMIT"));
        }

        QSqlQuery integrity = runOn(newDb, QStringLiteral("PRAGMA integrity_check"));
        if (!integrity.next() || integrity.value(0).toString() != QLatin1String("ok"))
            throw CinelogError(ErrorNumber::Database, logged("CatalogueConvert", "The converted catalogue failed its integrity check."));
        integrity.finish();
    }

    // rename() replaces the old file in one step: at every moment either the old or the new
    // catalogue is at the old path.
    if (std::rename(QFile::encodeName(newPath).constData(), QFile::encodeName(oldPath).constData()) != 0)
        throw CinelogError(ErrorNumber::PermissionDenied,
                           logged("CatalogueConvert", "The converted catalogue could not replace '%1'.").arg(oldPath));
    syncFolderOf(oldPath);
}
