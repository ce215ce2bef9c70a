#pragma once

// Helpers shared by the store's own source files; not part of its interface.

#include <QString>

class QSqlDatabase;

namespace Schema {
struct Column;
}

namespace catalogue_detail {

// A connection name no other connection of the program uses.
QString newConnectionName(const char *purpose);
// Rollback journal and full sync on a catalogue connection (see Catalogue.cpp).
void applyConnectionSettings(QSqlDatabase &db);
// Makes a rename in the file's folder durable.
void syncFolderOf(const QString &filePath);

// What the rows already in a table get in a column the open-time check adds (CheckDB), and so what a
// conversion gives a column its source lacks.
enum class Fill { Null, ZeroIfEmpty, TitleRule };
Fill fillFor(const Schema::Column &c);

} // namespace catalogue_detail
