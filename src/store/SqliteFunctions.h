#pragma once

class QSqlDatabase;
struct sqlite3;

// Registers on a catalogue connection the text comparison users expect of names and titles:
// "=", ORDER BY and LIKE ignore letter case for every alphabet, not only for ASCII.
// Replaces SQLite's NOCASE collation and its like() function on that connection. Every connection
// that writes a catalogue needs it: the text indexes are kept in this order. Throws CinelogError
// when the engine refuses.
void registerCatalogueFunctions(QSqlDatabase &db);
void registerCatalogueFunctions(sqlite3 *handle);

// The engine's own handle behind an open QSQLITE connection (for bulk work with prepared statements);
// throws CinelogError when db is not an open SQLite connection.
sqlite3 *sqliteHandle(QSqlDatabase &db);

// Compares two UTF-8 texts without regard to letter case (<0, 0, >0).
int compareNoCase(const char *a, int lenA, const char *b, int lenB);
