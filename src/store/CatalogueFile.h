#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>

class ProgressSink;

// Catalogue files as files: creating them, opening extra connections to them, telling a catalogue
// from other files, and converting the old SQLite layout. Nothing here asks the user anything.
namespace CatalogueFile {

// Creates a new, empty catalogue at path, which must not exist yet (a failure removes whatever was
// made). Progress runs 0..7.
void create(const QString &path, ProgressSink &progress);
void create(const QString &path);

// Opens path as a connection of its own (for conversion, import into another catalogue, checks).
// The caller removes it with QSqlDatabase::removeDatabase after the handle goes out of scope.
// Without create, a missing file, a folder and a file that is no SQLite database are refused.
QSqlDatabase openConnection(const QString &path, const QString &connectionName, bool create = false);
// Checks that an opened file is a Cinelog catalogue: marked with the program's application_id, or
// unmarked (older catalogues) with a Movies table. Throws otherwise; reads only.
void verifyCatalogueFile(QSqlDatabase &db);
bool hasSqliteHeader(const QString &path);

// Appends the Episodes table to the catalogue behind db (a new one, or an older one that lacks it).
void CreateEpisodesTable(QSqlDatabase &db);

// The old layout keeps each movie's cast in the columns Actor1 to Actor4 of the movie row.
bool isOldFormat(QSqlDatabase &db);
// Where the old layout at path is converted to, beside it.
QString oldFormatConversionPath(const QString &path);
// Converts the old-layout catalogue at path: a new catalogue is built at
// oldFormatConversionPath(path) (from scratch when restart is true or nothing is there yet) and
// renamed over path once complete and checked. Throws on failure; path is then unchanged.
void convertOldFormat(const QString &path, bool restart, ProgressSink &progress);

} // namespace CatalogueFile
