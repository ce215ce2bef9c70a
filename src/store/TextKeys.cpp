#include "TextKeys.h"

#include "CatalogueInternal.h"
#include "Schema.h"

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QStringList>
#include <map>

using namespace catalogue_detail;

namespace {

QString l1(const char *s)
{
    return QString::fromLatin1(s);
}

// The keys of each table, in the table order of Schema::textKeys().
std::vector<std::pair<QString, std::vector<const Schema::TextKey *>>> keysByTable()
{
    std::vector<std::pair<QString, std::vector<const Schema::TextKey *>>> out;
    for (const Schema::TextKey &k : Schema::textKeys()) {
        if (out.empty() || out.back().first != l1(k.table))
            out.push_back({l1(k.table), {}});
        out.back().second.push_back(&k);
    }
    return out;
}

QString triggerName(const char *prefix, const Schema::TextKey &k)
{
    return QStringLiteral("%1%2%3").arg(QLatin1String(prefix), l1(k.table), l1(k.key));
}

// Fills the empty keys of table from its texts; with a status, in slices of rows so that a large
// catalogue shows how far it got.
void fillKeys(QSqlDatabase &db, const QString &table, const std::vector<const Schema::TextKey *> &keys,
              const std::function<void(const QString &)> &status)
{
    QStringList sets, empty;
    for (const Schema::TextKey *k : keys) {
        // Only the empty keys change, so that a slice written twice gives the same file.
        sets << QStringLiteral("%1 = coalesce(%1, cinelog_fold(%2))").arg(l1(k->key), l1(k->column));
        empty << QStringLiteral("(%1 IS NULL AND %2 IS NOT NULL)").arg(l1(k->key), l1(k->column));
    }
    // sql-identifiers: table, column, key and trigger names from the schema
    QSqlQuery range = runOn(db, QStringLiteral("SELECT min(rowid), max(rowid) FROM %1").arg(table));
    if (!range.next() || range.value(0).isNull())
        return;
    const qint64 first = range.value(0).toLongLong(), last = range.value(1).toLongLong();
    range.finish();
    constexpr qint64 Slice = 100000;
    for (qint64 from = first; from <= last; from += Slice) {
        if (status && last - first >= Slice)
            status(QCoreApplication::translate("TextKeys", "Preparing the %1 for searching: %2%...")
                       .arg(table)
                       .arg(int(100 * (from - first) / (last - first + 1))));
        // sql-identifiers: table and column names from the schema
        runOn(db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid BETWEEN ? AND ? AND (%3)")
                      .arg(table, sets.join(QStringLiteral(", ")), empty.join(QStringLiteral(" OR "))),
              {from, std::min(last, from + Slice - 1)});
    }
}

} // namespace

namespace TextKeys {

QString clearTriggerStatement(const QString &table, const QString &column, const QString &key)
{
    // Only a change of the text itself clears the key (a change of letter case too); the trigger's
    // own change of the key does not start it again, also with recursive triggers on.
    // sql-identifiers: table, column, key and trigger names from the schema
    return QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgClear%1%3 AFTER UPDATE OF %2 ON %1 "
                          "WHEN new.%2 IS NOT old.%2 COLLATE BINARY "
                          "BEGIN UPDATE %1 SET %3 = NULL WHERE rowid = new.rowid; END")
        .arg(table, column, key);
}

bool present(QSqlDatabase &db)
{
    for (const Schema::TextKey &k : Schema::textKeys())
        if (!db.record(l1(k.table)).contains(l1(k.key)))
            return false;
    return true;
}

void addTo(QSqlDatabase &db, const std::function<void(const QString &)> &status)
{
    if (status)
        status(QCoreApplication::translate("TextKeys", "Preparing names and titles for searching..."));
    // The old indexes were kept in an order other programs do not know: they go first, before any
    // row changes.
    for (const char *name : Schema::indexesBeforeKeys())
        runOn(db, QStringLiteral("DROP INDEX IF EXISTS %1").arg(l1(name)));
    for (const auto &[table, keys] : keysByTable()) {
        const QSqlRecord columns = db.record(table);
        for (const Schema::TextKey *k : keys)
            if (!columns.contains(l1(k->key)))
                runOn(db, QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT /* %3 in the program's case-folded form, "
                                         "for comparing without regard to letter case; empty until filled */")
                              .arg(table, l1(k->key), l1(k->column)));
        fillKeys(db, table, keys, status);
    }
    for (const Schema::TextKey &k : Schema::textKeys()) {
        runOn(db, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)").arg(l1(k.index), l1(k.table), l1(k.key)));
        runOn(db, clearTriggerStatement(l1(k.table), l1(k.column), l1(k.key)));
    }
}

void prepareConnection(QSqlDatabase &db)
{
    if (!present(db))
        return;
    for (const auto &[table, keys] : keysByTable()) {
        QStringList empty;
        for (const Schema::TextKey *k : keys)
            empty << QStringLiteral("(%1 IS NULL AND %2 IS NOT NULL)").arg(l1(k->key), l1(k->column));
        // Each key's index answers "IS NULL" directly.
        bool stale = false;
        for (const Schema::TextKey *k : keys) {
            // sql-identifiers: table, column, key and trigger names from the schema
            QSqlQuery q = runOn(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1 WHERE %2 IS NULL AND %3 IS NOT NULL)")
                                        .arg(table, l1(k->key), l1(k->column)));
            stale = stale || (q.next() && q.value(0).toInt() != 0);
        }
        if (stale) {
            runOn(db, QStringLiteral("BEGIN IMMEDIATE"));
            try {
                fillKeys(db, table, keys, {});
                runOn(db, QStringLiteral("COMMIT"));
            } catch (...) {
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                throw;
            }
        }
    }
    installConnectionTriggers(db);
}

void installConnectionTriggers(QSqlDatabase &db)
{
    // What this connection writes gets its keys at once. These triggers live in the connection's
    // temporary schema: the file never holds them, so other programs need none of our functions.
    for (const auto &[table, keys] : keysByTable()) {
        // One trigger for a new row, however many keys its table has.
        QStringList stale, sets;
        for (const Schema::TextKey *k : keys) {
            stale << QStringLiteral("new.%1 IS NOT cinelog_fold(new.%2)").arg(l1(k->key), l1(k->column));
            sets << QStringLiteral("%1 = cinelog_fold(new.%2)").arg(l1(k->key), l1(k->column));
        }
        // sql-identifiers: table, column, key and trigger names from the schema
        runOn(db, QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS cinelogKeyInsert%1 AFTER INSERT ON main.%1 WHEN %2 "
                                 "BEGIN UPDATE %1 SET %3 WHERE rowid = new.rowid; END")
                      .arg(table, stale.join(QStringLiteral(" OR ")), sets.join(QStringLiteral(", "))));
    }
    for (const Schema::TextKey &k : Schema::textKeys()) {
        const QString table = l1(k.table), column = l1(k.column), key = l1(k.key);
        // Also after the file's trigger has cleared the key: whichever of the two runs first, the
        // key ends up filled.
        // sql-identifiers: table, column, key and trigger names from the schema
        runOn(db, QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS %1 AFTER UPDATE OF %3, %4 ON main.%2 "
                                 "WHEN new.%4 IS NOT cinelog_fold(new.%3) "
                                 "BEGIN UPDATE %2 SET %4 = cinelog_fold(new.%3) WHERE rowid = new.rowid; END")
                      .arg(triggerName("cinelogKeyUpdate", k), table, column, key));
    }
}

} // namespace TextKeys
