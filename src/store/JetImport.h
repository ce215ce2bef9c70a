#pragma once

#include "CatalogueSource.h"

#include <QString>
#include <functional>

class ProgressSink;
class QSqlDatabase;

// Bringing a catalogue of the Windows program (a Jet file, read through a CatalogueSource) into a
// SQLite catalogue with the current schema.
namespace JetImport {

// Receives what the conversion leaves out (tables and columns no catalogue has), one line each.
using NoteSink = std::function<void(const QString &note)>;

// Writes everything source holds into db, an open connection to an empty SQLite file, in one
// transaction: every table of the schema (made whole, with its indexes and the catalogue's marks),
// every row with its IDs as they were, so that the links between tables stay right; every source
// column the schema knows; dates as ISO text ("2024-01-05", or "2024-01-05T20:30:00" with a time);
// cover pictures byte for byte. A column the source lacks gets what the open-time check gives an
// older catalogue: 0 for UserRating, EpisodeDisc, onlineID and web; OrderBy by the title rule (which
// may also reword the title); Null for the rest. An old-layout source (cast in Movies.Actor1..Actor4)
// is converted as ConvertDB converts one: each name is linked to the first actor of that name
// (letter case ignored; names not in the actor list are dropped), each loan to the first movie of
// its title, and DBInfo restarts at version 1.1. Tables and columns no catalogue has are left out and
// reported through note. Throws CinelogError (and leaves the transaction rolled back) on any failure,
// including a source without a Movies table.
void importCatalogue(CatalogueSource &source, QSqlDatabase &db, ProgressSink &progress, const NoteSink &note);

// Converts the catalogue file at path, read through source, in place: the new catalogue is written
// to a temporary file beside it and checked (PRAGMA integrity_check); only then is the original kept
// under backupPathFor's first free name and the new catalogue renamed onto path. Returns the backup's
// path. Throws CinelogError on any failure; the original is then untouched and no file is left behind.
QString convertCatalogueFile(const QString &path, CatalogueSource &source, ProgressSink &progress,
                             const NoteSink &note);

// "films.cnlg" is kept as "films.jet-backup.cnlg" (attempt 1), then "films.jet-backup-2.cnlg", ...
QString backupPathFor(const QString &path, int attempt);

} // namespace JetImport
