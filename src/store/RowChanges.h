#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

class Catalogue;
struct sqlite3;

// One stored value exactly as the engine holds it (storage class and bytes), so that a row written
// back is the row that was read, and two readings compare equal only when nothing changed.
struct RowCell {
    int type = 5; // the engine's storage class: 1 integer, 2 real, 3 text, 4 blob, 5 null
    qint64 integer = 0;
    double real = 0;
    QByteArray bytes; // text as UTF-8, or the blob
    // A large value a change left as it was is kept as its digest (bytes) and size (integer) only:
    // a step that renames a director over many movies does not hold every movie's cover twice.
    bool digest = false;
    bool operator==(const RowCell &o) const
    {
        return type == o.type && integer == o.integer && (type != 2 || real == o.real) && bytes == o.bytes && digest == o.digest;
    }
    // Whether a cell read from the catalogue holds what this one recorded (digests compared as such).
    bool matches(const RowCell &current) const;
    RowCell digested() const;
    QVariant toVariant() const;
};
using RowImage = std::vector<RowCell>;

// One row of a catalogue table as it was before a change and as it is after it; an absent image is
// a row that did not exist (an insert's before, a delete's after).
struct RowChange {
    QString table;
    qint64 rowid = 0;
    std::optional<RowImage> before;
    std::optional<RowImage> after;
};

// The rows one user action changed, with everything needed to put either side back exactly: rows
// are found by their rowid (the ID where a table has one), so tables without an ID (genres, cast
// links) are restored row for row too, and re-inserted rows keep their old IDs.
class RowChanges
{
public:
    std::vector<RowChange> rows;
    // Each touched table's columns, in table order (the order of a row image).
    std::map<QString, QStringList> columns;

    bool empty() const { return rows.empty(); }
    // What the images hold, in bytes (covers by their size); what a bound on memory counts.
    qint64 bytes() const;
    int column(const QString &table, const QString &name) const;

    enum class Side { Before, After };
    // Makes the catalogue show side `to` again, in one transaction, after checking that every row
    // still equals the other side; a row changed since (by another program or a write this history
    // did not see) throws CinelogError CatalogueError::ChangedElsewhere and nothing is written.
    // verify false skips that comparison (the caller knows nothing was written since).
    // The change counters of a row written back are not set back: they get the current value + 1
    // (a row put back is a change like any other, so that another program that read the row
    // before cannot save over it). Afterwards side `to` holds the rows as they now are.
    void restore(Catalogue &catalogue, Side to, bool verify = true);

    // The counter columns kept monotonic by restore().
    static bool isChangeCounter(const QString &column);
    // Keeps a large value both images of a row hold alike as its digest only.
    static void compact(RowChange &row);
};

// Notes every row the catalogue's own connection changes, by any statement or trigger, through the
// engine's pre-update hook: the first image of each row before the change. take() reads the rows
// as they are now and returns what changed since the last take(). Only the catalogue's tables are
// watched (not the quick-filter index, which its triggers keep in step).
class ChangeRecorder
{
public:
    ChangeRecorder();
    ~ChangeRecorder();
    ChangeRecorder(const ChangeRecorder &) = delete;
    ChangeRecorder &operator=(const ChangeRecorder &) = delete;

    // Watches handle from now on (forgetting what was noted on another one); nullptr stops.
    void attach(sqlite3 *handle);
    // Forgets the connection without touching it (it was closed already).
    void forget()
    {
        m_db = nullptr;
        discard();
    }
    sqlite3 *attached() const { return m_db; }
    // While paused nothing is noted.
    void setPaused(bool paused) { m_paused = paused; }
    bool hasChanges() const { return !m_order.empty(); }
    // The rows changed since the last take() with their images before and now (rows that ended as
    // they began are left out); starts afresh.
    RowChanges take();
    void discard();
    // Told (once per take) when the first change after a take() is noted.
    void setNotify(std::function<void()> notify) { m_notify = std::move(notify); }

    // The row with that rowid as it is now, or nothing.
    static std::optional<RowImage> readRow(sqlite3 *db, const QString &table, qint64 rowid);
    static QStringList columnsOf(sqlite3 *db, const QString &table);

private:
    static void hook(void *self, sqlite3 *db, int op, const char *dbName, const char *table, qint64 oldKey, qint64 newKey);
    void noted(int op, const char *table, qint64 oldKey, qint64 newKey);

    // Fills in the cells the hook could not give (see m_missing) with their column's default.
    void fillDefaults(const QString &table, RowImage &image);

    sqlite3 *m_db = nullptr;
    // A row stored before a column was added has no field for it; the engine's hook then gives its
    // one shared Null value (the one a statement without a row gives for a column) instead of the
    // column's default, while a stored Null is a value of the row's own.
    const void *m_missing = nullptr;
    std::map<QString, RowImage> m_defaults;
    bool m_paused = false;
    std::set<QString> m_watched;
    std::map<std::pair<QString, qint64>, std::optional<RowImage>> m_before;
    std::vector<std::pair<QString, qint64>> m_order;
    std::function<void()> m_notify;
};
