// The engine's pre-update hook is compiled into Debian's SQLite; its declarations need this.
#define SQLITE_ENABLE_PREUPDATE_HOOK 1
#include "RowChanges.h"

#include "Catalogue.h"
#include "CinelogError.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QCryptographicHash>
#include <sqlite3.h>

#include <algorithm>

namespace {

// A cell the hook could not give: the stored row has no field for its column.
constexpr int MissingField = -1;

[[noreturn]] void fail(sqlite3 *db)
{
    throw CinelogError(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
}

QString quoted(const QString &identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

RowCell cellOf(sqlite3_value *v)
{
    RowCell c;
    c.type = sqlite3_value_type(v);
    switch (c.type) {
    case SQLITE_INTEGER:
        c.integer = sqlite3_value_int64(v);
        break;
    case SQLITE_FLOAT:
        c.real = sqlite3_value_double(v);
        break;
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(v));
        c.bytes = QByteArray(text, sqlite3_value_bytes(v));
        break;
    }
    case SQLITE_BLOB: {
        const auto *blob = static_cast<const char *>(sqlite3_value_blob(v));
        const int n = sqlite3_value_bytes(v);
        // An empty blob stays a blob, not Null.
        c.bytes = n > 0 ? QByteArray(blob, n) : QByteArray("", 0);
        break;
    }
    default:
        c.type = SQLITE_NULL;
        break;
    }
    return c;
}

int bind(sqlite3_stmt *s, int at, const RowCell &c)
{
    switch (c.type) {
    case SQLITE_INTEGER:
        return sqlite3_bind_int64(s, at, c.integer);
    case SQLITE_FLOAT:
        return sqlite3_bind_double(s, at, c.real);
    case SQLITE_TEXT:
        return sqlite3_bind_text(s, at, c.bytes.constData(), int(c.bytes.size()), SQLITE_TRANSIENT);
    case SQLITE_BLOB:
        return sqlite3_bind_blob(s, at, c.bytes.constData(), int(c.bytes.size()), SQLITE_TRANSIENT);
    default:
        return sqlite3_bind_null(s, at);
    }
}

// Prepared statements by text, finalized together.
class Statements
{
public:
    explicit Statements(sqlite3 *db) : m_db(db) {}
    ~Statements()
    {
        for (auto &[sql, s] : m_cache)
            sqlite3_finalize(s);
    }
    sqlite3_stmt *get(const QString &sql)
    {
        auto it = m_cache.find(sql);
        if (it != m_cache.end()) {
            sqlite3_reset(it->second);
            sqlite3_clear_bindings(it->second);
            return it->second;
        }
        sqlite3_stmt *s = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &s, nullptr) != SQLITE_OK)
            fail(m_db);
        m_cache.emplace(sql, s);
        return s;
    }
    void run(sqlite3_stmt *s)
    {
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            fail(m_db);
    }

private:
    sqlite3 *m_db;
    std::map<QString, sqlite3_stmt *> m_cache;
};

std::optional<RowImage> readWith(Statements &st, sqlite3 *db, const QString &table, qint64 rowid)
{
    // sql-identifiers: a table name the engine reported
    sqlite3_stmt *s = st.get(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(table)));
    sqlite3_bind_int64(s, 1, rowid);
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_DONE)
        return std::nullopt;
    if (rc != SQLITE_ROW)
        fail(db);
    RowImage row;
    const int n = sqlite3_column_count(s);
    row.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        row.push_back(cellOf(sqlite3_column_value(s, i)));
    sqlite3_reset(s);
    return row;
}

// The table's column that is its rowid (an INTEGER PRIMARY KEY), or -1.
int rowidColumn(sqlite3 *db, const QString &table)
{
    Statements st(db);
    // sql-identifiers: a table name the engine reported
    sqlite3_stmt *s = st.get(QStringLiteral("SELECT cid, type, pk FROM pragma_table_info(?) ORDER BY cid"));
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(s, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    int found = -1, keys = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        if (sqlite3_column_int(s, 2) > 0) {
            ++keys;
            if (QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 1))).compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                found = sqlite3_column_int(s, 0);
        }
    }
    return keys == 1 ? found : -1;
}

} // namespace

bool RowCell::matches(const RowCell &current) const
{
    if (!digest)
        return *this == current;
    if (current.digest)
        return *this == current;
    return type == current.type && integer == current.bytes.size()
           && bytes == QCryptographicHash::hash(current.bytes, QCryptographicHash::Sha256);
}

RowCell RowCell::digested() const
{
    if (digest)
        return *this;
    RowCell d;
    d.type = type;
    d.digest = true;
    d.integer = bytes.size();
    d.bytes = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return d;
}

namespace {

bool imageMatches(const std::optional<RowImage> &recorded, const std::optional<RowImage> &current)
{
    if (!recorded || !current)
        return !recorded && !current;
    if (recorded->size() != current->size())
        return false;
    for (size_t i = 0; i < recorded->size(); ++i)
        if (!(*recorded)[i].matches((*current)[i]))
            return false;
    return true;
}

// Values at least this long are kept as digests when a change left them alike.
constexpr qsizetype DigestFrom = 4096;

} // namespace

void RowChanges::compact(RowChange &row)
{
    if (!row.before || !row.after || row.before->size() != row.after->size())
        return;
    for (size_t i = 0; i < row.before->size(); ++i) {
        RowCell &b = (*row.before)[i], &a = (*row.after)[i];
        if (b.type != 3 && b.type != 4)
            continue;
        const bool large = (b.digest ? b.integer : b.bytes.size()) >= DigestFrom;
        if (!large || !(b.digest ? b.matches(a) : a.digest ? a.matches(b) : a == b))
            continue;
        b = b.digested();
        a = a.digested();
    }
}

QVariant RowCell::toVariant() const
{
    switch (type) {
    case SQLITE_INTEGER:
        return integer;
    case SQLITE_FLOAT:
        return real;
    case SQLITE_TEXT:
        return QString::fromUtf8(bytes);
    case SQLITE_BLOB:
        return bytes;
    default:
        return QVariant();
    }
}

qint64 RowChanges::bytes() const
{
    qint64 total = 0;
    const auto imageBytes = [](const std::optional<RowImage> &image) {
        qint64 n = 0;
        if (image)
            for (const RowCell &c : *image)
                n += qint64(sizeof(RowCell)) + c.bytes.size();
        return n;
    };
    for (const RowChange &r : rows)
        total += qint64(sizeof(RowChange)) + r.table.size() * 2 + imageBytes(r.before) + imageBytes(r.after);
    return total;
}

int RowChanges::column(const QString &table, const QString &name) const
{
    const auto it = columns.find(table);
    return it == columns.end() ? -1 : int(it->second.indexOf(name));
}

bool RowChanges::isChangeCounter(const QString &column)
{
    return column == QLatin1String("ChangeCount") || column == QLatin1String("CastChangeCount")
           || column == QLatin1String("EpisodeChangeCount");
}

void RowChanges::restore(Catalogue &catalogue, Side to, bool verify)
{
    const auto target = [to](RowChange &r) -> std::optional<RowImage> & { return to == Side::Before ? r.before : r.after; };
    const auto expected = [to](RowChange &r) -> std::optional<RowImage> & { return to == Side::Before ? r.after : r.before; };
    std::vector<std::optional<RowImage>> now(rows.size());
    catalogue.transaction([&] {
        sqlite3 *db = sqliteHandle(catalogue.MovieConn());
        Statements st(db);
        if (verify)
            for (RowChange &r : rows)
                if (!imageMatches(expected(r), readWith(st, db, r.table, r.rowid)))
                    throw CinelogError(CatalogueError::ChangedElsewhere,
                                       QStringLiteral("The rows this step changed were changed again since (by another "
                                                      "program or another window); nothing was written."));
        std::map<QString, int> rowidColumns;
        const auto rowidOf = [&](const QString &table) {
            auto it = rowidColumns.find(table);
            if (it == rowidColumns.end())
                it = rowidColumns.emplace(table, rowidColumn(db, table)).first;
            return it->second;
        };
        // Rows to remove first, so that a row put back never meets the one it replaces; then rows
        // to change; then rows to put back, with their old IDs. Movies go first when removed and
        // last when put back: a movie's cast and episode rows raise a counter in the movie's row,
        // and rewriting that row (with its cover) once per cast row is what would take the time.
        const auto isMovie = [](const RowChange &r) { return r.table == QLatin1String("Movies"); };
        std::vector<RowChange *> removals, additions;
        for (RowChange &r : rows)
            if (!target(r) && expected(r))
                removals.push_back(&r);
            else if (target(r) && !expected(r))
                additions.push_back(&r);
        std::stable_partition(removals.begin(), removals.end(), [&](const RowChange *r) { return isMovie(*r); });
        std::stable_partition(additions.begin(), additions.end(), [&](const RowChange *r) { return !isMovie(*r); });
        for (RowChange *removed : removals) {
            // sql-identifiers: a table name the engine reported
            sqlite3_stmt *s = st.get(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(removed->table)));
            sqlite3_bind_int64(s, 1, removed->rowid);
            st.run(s);
        }
        for (RowChange &r : rows) {
            if (!target(r) || !expected(r))
                continue;
            const QStringList &names = columns.at(r.table);
            const RowImage &from = *expected(r), &goal = *target(r);
            QStringList sets;
            std::vector<const RowCell *> values;
            QStringList counters;
            for (int i = 0; i < names.size() && i < int(goal.size()); ++i) {
                if (isChangeCounter(names[i]))
                    counters << names[i];
                // A digest stands for a value this row holds on both sides: nothing to write.
                else if (!goal[size_t(i)].digest && !(from[size_t(i)] == goal[size_t(i)])) {
                    sets << quoted(names[i]) + QStringLiteral(" = ?");
                    values.push_back(&goal[size_t(i)]);
                }
            }
            if (sets.isEmpty())
                continue;
            for (const QString &c : counters)
                // sql-identifiers: a counter column of the schema
                sets << QStringLiteral("%1 = coalesce(%1, 0) + 1").arg(quoted(c));
            // sql-identifiers: table and column names the engine reported
            sqlite3_stmt *s = st.get(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoted(r.table), sets.join(QStringLiteral(", "))));
            int at = 1;
            for (const RowCell *c : values)
                bind(s, at++, *c);
            sqlite3_bind_int64(s, at, r.rowid);
            st.run(s);
        }
        for (RowChange *added : additions) {
            RowChange &r = *added;
            const QStringList &names = columns.at(r.table);
            const RowImage &goal = *target(r);
            const bool separateRowid = rowidOf(r.table) < 0;
            QStringList cols, marks;
            if (separateRowid) {
                cols << QStringLiteral("rowid");
                marks << QStringLiteral("?");
            }
            for (const QString &n : names) {
                cols << quoted(n);
                marks << QStringLiteral("?");
            }
            // sql-identifiers: table and column names the engine reported
            sqlite3_stmt *s = st.get(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(quoted(r.table), cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
            int at = 1;
            if (separateRowid)
                sqlite3_bind_int64(s, at++, r.rowid);
            for (int i = 0; i < names.size(); ++i) {
                RowCell c = i < int(goal.size()) ? goal[size_t(i)] : RowCell();
                if (isChangeCounter(names[i]) && c.type == SQLITE_INTEGER)
                    ++c.integer;
                bind(s, at++, c);
            }
            st.run(s);
        }
        for (size_t i = 0; i < rows.size(); ++i)
            now[i] = readWith(st, db, rows[i].table, rows[i].rowid);
    });
    for (size_t i = 0; i < rows.size(); ++i) {
        target(rows[i]) = std::move(now[i]);
        compact(rows[i]);
    }
}

ChangeRecorder::ChangeRecorder()
{
    for (const QString &t : Schema::tables())
        m_watched.insert(t);
}

// The owner detaches while the connection is still open; a closed connection took its hook along.
ChangeRecorder::~ChangeRecorder() = default;

void ChangeRecorder::attach(sqlite3 *handle)
{
    if (handle == m_db)
        return;
    if (m_db)
        sqlite3_preupdate_hook(m_db, nullptr, nullptr);
    discard();
    m_defaults.clear();
    m_db = handle;
    if (!m_db)
        return;
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(m_db, "SELECT 1", -1, &s, nullptr) == SQLITE_OK) {
        m_missing = sqlite3_column_value(s, 0);
        sqlite3_finalize(s);
    }
    sqlite3_preupdate_hook(m_db, &ChangeRecorder::hook, this);
}

void ChangeRecorder::fillDefaults(const QString &table, RowImage &image)
{
    auto it = m_defaults.find(table);
    if (it == m_defaults.end()) {
        RowImage defaults;
        Statements st(m_db);
        sqlite3_stmt *s = st.get(QStringLiteral("SELECT dflt_value FROM pragma_table_info(?) ORDER BY cid"));
        const QByteArray name = table.toUtf8();
        sqlite3_bind_text(s, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        QStringList expressions;
        while (sqlite3_step(s) == SQLITE_ROW)
            expressions << (sqlite3_column_type(s, 0) == SQLITE_NULL
                                ? QString() : QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0))));
        for (const QString &e : expressions) {
            RowCell c;
            if (!e.isEmpty()) {
                // sql-identifiers: a column's default as the schema declares it
                sqlite3_stmt *value = st.get(QStringLiteral("SELECT %1").arg(e));
                if (sqlite3_step(value) == SQLITE_ROW)
                    c = cellOf(sqlite3_column_value(value, 0));
            }
            defaults.push_back(c);
        }
        it = m_defaults.emplace(table, std::move(defaults)).first;
    }
    for (size_t i = 0; i < image.size(); ++i)
        if (image[i].type == MissingField)
            image[i] = i < it->second.size() ? it->second[i] : RowCell();
}

void ChangeRecorder::discard()
{
    m_before.clear();
    m_order.clear();
}

void ChangeRecorder::hook(void *self, sqlite3 *, int op, const char *dbName, const char *table, qint64 oldKey, qint64 newKey)
{
    if (qstrcmp(dbName, "main") == 0)
        static_cast<ChangeRecorder *>(self)->noted(op, table, oldKey, newKey);
}

void ChangeRecorder::noted(int op, const char *tableName, qint64 oldKey, qint64 newKey)
{
    if (m_paused)
        return;
    const QString table = QString::fromUtf8(tableName);
    if (!m_watched.count(table))
        return;
    const bool first = m_order.empty();
    const auto note = [&](qint64 rowid, bool existed) {
        auto key = std::make_pair(table, rowid);
        if (m_before.count(key))
            return;
        std::optional<RowImage> image;
        if (existed) {
            const int n = sqlite3_preupdate_count(m_db);
            image.emplace();
            image->reserve(size_t(n));
            for (int i = 0; i < n; ++i) {
                sqlite3_value *v = nullptr;
                sqlite3_preupdate_old(m_db, i, &v);
                RowCell c = v ? cellOf(v) : RowCell();
                if (v && static_cast<const void *>(v) == m_missing)
                    c.type = MissingField;
                image->push_back(c);
            }
        }
        m_before.emplace(key, std::move(image));
        m_order.push_back(key);
    };
    if (op == SQLITE_INSERT)
        note(newKey, false);
    else if (op == SQLITE_DELETE)
        note(oldKey, true);
    else {
        note(oldKey, true);
        if (newKey != oldKey)
            note(newKey, false);
    }
    if (first && !m_order.empty() && m_notify)
        m_notify();
}

RowChanges ChangeRecorder::take()
{
    RowChanges changes;
    if (!m_db || m_order.empty()) {
        discard();
        return changes;
    }
    Statements st(m_db);
    for (const auto &key : m_order) {
        RowChange r;
        r.table = key.first;
        r.rowid = key.second;
        r.before = std::move(m_before[key]);
        if (r.before)
            fillDefaults(r.table, *r.before);
        r.after = readWith(st, m_db, r.table, r.rowid);
        if (r.before == r.after)
            continue;
        RowChanges::compact(r);
        if (!changes.columns.count(r.table))
            changes.columns.emplace(r.table, columnsOf(m_db, r.table));
        changes.rows.push_back(std::move(r));
    }
    discard();
    return changes;
}

std::optional<RowImage> ChangeRecorder::readRow(sqlite3 *db, const QString &table, qint64 rowid)
{
    Statements st(db);
    return readWith(st, db, table, rowid);
}

QStringList ChangeRecorder::columnsOf(sqlite3 *db, const QString &table)
{
    Statements st(db);
    sqlite3_stmt *s = st.get(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"));
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(s, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    QStringList names;
    while (sqlite3_step(s) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
    return names;
}
