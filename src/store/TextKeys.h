#pragma once

#include <QString>
#include <functional>

class QSqlDatabase;

// The key columns beside the texts compared without regard to letter case (Schema::textKeys()).
namespace TextKeys {

// Adds the key columns, fills them, replaces the display columns' old indexes by indexes on the
// keys and adds the triggers that clear a key when another program changes its text. Runs inside
// the caller's transaction; status gets a text now and then on large catalogues.
void addTo(QSqlDatabase &db, const std::function<void(const QString &)> &status = {});

// On a catalogue that has the keys: fills the keys other programs left empty (rows they added or
// renamed) and installs on this connection only the triggers that keep the keys of what the program
// writes. Writes to the file only when there is a key to fill.
void prepareConnection(QSqlDatabase &db);

// The triggers of prepareConnection() alone, for a connection that writes a catalogue being made.
void installConnectionTriggers(QSqlDatabase &db);

// Whether the catalogue on db has the key columns.
bool present(QSqlDatabase &db);

// Replaces the file triggers that clear a key by those of clearTriggerStatement() (a catalogue whose
// triggers cleared a key also when the same statement wrote a new one).
void replaceClearTriggers(QSqlDatabase &db);

// The statement of the file trigger that clears table.key when column changes, built from the
// engine's own functions only (any SQLite tool can run it).
QString clearTriggerStatement(const QString &table, const QString &column, const QString &key);

} // namespace TextKeys
