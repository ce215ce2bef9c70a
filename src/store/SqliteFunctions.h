#pragma once

class QSqlDatabase;
class QString;
class QVariant;
struct sqlite3;

// Registers on a catalogue connection the text comparison users expect of names and titles, under
// names of the program's own (nothing the engine defines is replaced, so that every other SQLite
// tool reads the file's indexes as they were built):
//   cinelog_fold(text)            the case-folded form the key columns hold (Null for Null)
//   COLLATE cinelog_nocase        ignores letter case for every alphabet
//   cinelog_like(pattern, text[, escape])  LIKE that ignores letter case for every alphabet
// Throws CinelogError when the engine refuses.
void registerCatalogueFunctions(QSqlDatabase &db);
void registerCatalogueFunctions(sqlite3 *handle);

// The engine's own handle behind an open QSQLITE connection (for bulk work with prepared statements);
// throws CinelogError when db is not an open SQLite connection.
sqlite3 *sqliteHandle(QSqlDatabase &db);

// The case-folded form of a text, as cinelog_fold() gives it: what the key columns hold and what
// statements compare them with.
QString foldedText(const QString &text);
// foldedText() for a value to bind: Null stays Null.
QVariant foldedKey(const QVariant &text);

// Compares two UTF-8 texts without regard to letter case (<0, 0, >0).
int compareNoCase(const char *a, int lenA, const char *b, int lenB);
