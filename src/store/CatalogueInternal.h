#pragma once

// Helpers shared by the store's own source files; not part of its interface.

#include "CinelogError.h"

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class QSqlDatabase;

namespace Schema {
struct Column;
}

namespace catalogue_detail {

// The error being handled, as the catalogue's error type; call only inside a catch block.
CinelogError currentError();

// A connection name no other connection of the program uses.
QString newConnectionName(const char *purpose);
// Rollback journal and full sync on a catalogue connection (see Catalogue.cpp).
void applyConnectionSettings(QSqlDatabase &db);
// Makes a rename in the file's folder durable.
void syncFolderOf(const QString &filePath);

// Prepares sql on db, binds values in order and runs it, reading forward only; a failure throws
// the catalogue's error.
QSqlQuery runOn(QSqlDatabase &db, const QString &sql, const QVariantList &values = {});
// Whether the file has a table of exactly this name (case-sensitive).
bool hasTable(QSqlDatabase &db, const QString &table);

// Closes and removes the named connection when it goes out of scope. Declared before the
// connection's handles, so that they are gone by then.
class ConnectionGuard
{
public:
    explicit ConnectionGuard(QString name) : m_name(std::move(name)) {}
    ConnectionGuard(const ConnectionGuard &) = delete;
    ConnectionGuard &operator=(const ConnectionGuard &) = delete;
    ~ConnectionGuard();
    const QString &name() const { return m_name; }

private:
    QString m_name;
};

// What the rows already in a table get in a column the open-time check adds (CheckDB), and so what a
// conversion gives a column its source lacks.
enum class Fill { Null, ZeroIfEmpty, TitleRule };
Fill fillFor(const Schema::Column &c);

} // namespace catalogue_detail
