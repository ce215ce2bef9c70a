#pragma once

class QSqlDatabase;

// Registers on a catalogue connection the text comparison users expect of names and titles:
// "=", ORDER BY and LIKE ignore letter case for every alphabet, not only for ASCII.
// Replaces SQLite's NOCASE collation and its like() function on that connection.
void registerCatalogueFunctions(QSqlDatabase &db);

// Compares two UTF-8 texts without regard to letter case (<0, 0, >0).
int compareNoCase(const char *a, int lenA, const char *b, int lenB);
