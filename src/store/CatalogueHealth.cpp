#include "CatalogueHealth.h"

#include "Catalogue.h"
#include "CatalogueFile.h"
#include "CatalogueInternal.h"
#include "Migrations.h"
#include "ProgressSink.h"
#include "Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlError>
#include <QSqlRecord>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>

using namespace catalogue_detail;

namespace CatalogueHealth {

namespace {

// A read-only connection to the file at path: nothing done through it can change the file, and a
// damaged file is not "repaired" by the engine behind the user's back.
QSqlDatabase openReadOnly(const QString &path, const QString &name)
{
    if (!QFileInfo(path).isFile())
        throw CinelogError(ErrorNumber::FileNotFound, logged("CatalogueHealth", "Could not find file '%1'.").arg(path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(Catalogue::BusyTimeoutMs));
    if (!db.open()) {
        const CinelogError e = Catalogue::errorOf(db.lastError());
        db = QSqlDatabase();
        throw e;
    }
    return db;
}

QStringList rows(QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q = runOn(db, sql, values);
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    Catalogue::check(q);
    return out;
}

// The engine answers "ok" alone when it found nothing.
void addFindings(CheckResult &r, const QStringList &findings)
{
    for (const QString &f : findings)
        if (f != QLatin1String("ok"))
            r.problems << f;
}

QString quoted(const QString &identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString temporaryNameBeside(const QString &path)
{
    for (;;) {
        const QString candidate = QStringLiteral("%1.%2.part").arg(path).arg(QRandomGenerator::global()->generate64(), 0, 36);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

void removeWithJournal(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

} // namespace

bool meansDamage(qint64 engineCode)
{
    // SQLITE_CORRUPT and its extended codes, SQLITE_NOTADB, and a read cut short by the end of the
    // file (SQLITE_IOERR_SHORT_READ).
    return (engineCode & 0xff) == 11 || engineCode == 26 || engineCode == 522;
}

CheckResult quickCheck(const QString &path)
{
    CheckResult r;
    ConnectionGuard guard(newConnectionName("quickcheck"));
    try {
        QSqlDatabase db = openReadOnly(path, guard.name());
        addFindings(r, rows(db, QStringLiteral("PRAGMA quick_check")));
    } catch (const CinelogError &e) {
        if (!meansDamage(e.number()))
            throw;
        r.problems << e.description();
    }
    return r;
}

CheckResult fullCheck(const QString &path, ProgressSink &progress, const std::function<bool()> &cancelled)
{
    CheckResult r;
    ConnectionGuard guard(newConnectionName("fullcheck"));
    int steps = 1;
    progress.ShowProgress(QCoreApplication::translate("CatalogueHealth", "Checking the catalogue..."), 0, steps);
    try {
        QSqlDatabase db = openReadOnly(path, guard.name());
        const QStringList tables = rows(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                                           "AND name NOT LIKE 'sqlite!_%' ESCAPE '!' ORDER BY rootpage"));
        steps = int(tables.size()) + 1;
        progress.ShowProgress(QCoreApplication::translate("CatalogueHealth", "Checking the catalogue..."), 0, steps);
        int done = 0;
        for (const QString &table : tables) {
            if (cancelled && cancelled()) {
                r.cancelled = true;
                progress.UpdateProgress(steps);
                return r;
            }
            // Each table with its indexes, row by row against each index.
            addFindings(r, rows(db, QStringLiteral("SELECT * FROM pragma_integrity_check(?)"), {table}));
            progress.UpdateProgress(++done);
            progress.letEventsRun();
        }
        if (cancelled && cancelled()) {
            r.cancelled = true;
            progress.UpdateProgress(steps);
            return r;
        }
        // What the table by table checks leave out: pages used twice or by nobody, the free list.
        if (r.problems.isEmpty())
            addFindings(r, rows(db, QStringLiteral("PRAGMA quick_check")));
        progress.UpdateProgress(steps);
    } catch (const CinelogError &e) {
        progress.UpdateProgress(steps);
        if (!meansDamage(e.number()))
            throw;
        r.problems << e.description();
    }
    return r;
}

qint64 RecoveryReport::rowsOf(const QString &table) const
{
    for (const auto &[name, count] : rows)
        if (name == table)
            return count;
    return 0;
}

namespace {

struct TableCopy {
    QString table;
    // The column that is the row's ID (an INTEGER PRIMARY KEY), or "rowid" for a table without one.
    QString idColumn;
    QStringList columns;
};

// Reads the rows of one table that can be read, in ID order, a page of them at a time. Where a
// read fails, the stretch of IDs that cannot be reached is stepped over (probing forward in growing
// steps, then narrowing down to the first ID from which reading works again).
class TableReader
{
public:
    TableReader(QSqlDatabase &db, const TableCopy &t) : m_db(db), m_t(t)
    {
        QStringList names;
        for (const QString &c : t.columns)
            names << quoted(c);
        // sql-identifiers: table and column names of the program's own layout
        m_select = QStringLiteral("SELECT %1, %2 FROM %3 NOT INDEXED WHERE %1 > ? ORDER BY %1 LIMIT 256")
                       .arg(quoted(t.idColumn), names.join(QStringLiteral(", ")), quoted(t.table));
        // sql-identifiers: table and id column names of the program's own layout
        m_probe = QStringLiteral("SELECT %1 FROM %2 NOT INDEXED WHERE %1 > ? ORDER BY %1 LIMIT 1").arg(quoted(t.idColumn), quoted(t.table));
    }

    // Calls row(id, values) for every row that reads; returns the number of stretches skipped.
    int readAll(const std::function<void(qint64, const QVariantList &)> &row, const std::function<bool()> &cancelled)
    {
        qint64 after = std::numeric_limits<qint64>::min();
        int stretches = 0;
        for (;;) {
            if (cancelled && cancelled())
                return stretches;
            int n = 0;
            bool failed = false;
            {
                QSqlQuery q(m_db);
                q.setForwardOnly(true);
                if (!q.prepare(m_select))
                    throw Catalogue::errorOf(q.lastError());
                q.addBindValue(after);
                if (!q.exec()) {
                    failed = true;
                } else {
                    while (q.next()) {
                        const qint64 id = q.value(0).toLongLong();
                        QVariantList values;
                        for (int i = 0; i < m_t.columns.size(); ++i)
                            values << q.value(i + 1);
                        row(id, values);
                        after = id;
                        ++n;
                    }
                    failed = q.lastError().isValid();
                }
            }
            if (!failed) {
                if (n == 0)
                    return stretches;
                continue;
            }
            ++stretches;
            const std::optional<qint64> next = nextReadable(after);
            if (!next)
                return stretches;
            after = *next;
        }
    }

private:
    enum class Probe { Rows, End, Fails };
    Probe probe(qint64 after)
    {
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        if (!q.prepare(m_probe))
            return Probe::Fails;
        q.addBindValue(after);
        if (!q.exec())
            return Probe::Fails;
        const bool row = q.next();
        if (q.lastError().isValid())
            return Probe::Fails;
        return row ? Probe::Rows : Probe::End;
    }

    // A point from which reading the rows after it works again, past failedAfter; none when no
    // row past it can be reached.
    std::optional<qint64> nextReadable(qint64 failedAfter)
    {
        qint64 lo = failedAfter;
        std::optional<qint64> hi;
        for (qint64 step = 1; step > 0 && step <= (qint64(1) << 62); step *= 2) {
            if (failedAfter > std::numeric_limits<qint64>::max() - step)
                break;
            const qint64 at = failedAfter + step;
            const Probe p = probe(at);
            if (p == Probe::End)
                return std::nullopt;
            if (p == Probe::Rows) {
                hi = at;
                break;
            }
            lo = at;
        }
        if (!hi)
            return std::nullopt;
        // Reading works after hi and fails after lo: the first row readable lies between.
        while (*hi - lo > 1) {
            const qint64 mid = lo + (*hi - lo) / 2;
            if (probe(mid) == Probe::Fails)
                lo = mid;
            else
                hi = mid;
        }
        return hi;
    }

    QSqlDatabase &m_db;
    const TableCopy &m_t;
    QString m_select;
    QString m_probe;
};

struct ColumnInfo {
    QString name;
    bool integerKey = false;
};

std::vector<ColumnInfo> columnsOf(QSqlDatabase &db, const QString &table)
{
    std::vector<ColumnInfo> out;
    int keyColumns = 0;
    QSqlQuery q = runOn(db, QStringLiteral("SELECT name, upper(type), pk FROM pragma_table_info(?)"), {table});
    while (q.next()) {
        const bool pk = q.value(2).toInt() > 0;
        keyColumns += pk ? 1 : 0;
        out.push_back({q.value(0).toString(), pk && q.value(1).toString() == QLatin1String("INTEGER")});
    }
    Catalogue::check(q);
    if (keyColumns > 1)
        for (ColumnInfo &c : out)
            c.integerKey = false;
    return out;
}

} // namespace

RecoveryReport recover(const QString &damagedPath, const QString &newPath, ProgressSink &progress,
                       const std::function<bool()> &cancelled)
{
    if (QFileInfo::exists(newPath))
        throw CinelogError(ErrorNumber::FileAlreadyExists,
                           logged("CatalogueHealth", "'%1' already exists: choose a new file for the recovered catalogue.").arg(newPath));
    const QString temp = temporaryNameBeside(newPath);
    RecoveryReport report;
    int steps = 1;
    progress.ShowProgress(QCoreApplication::translate("CatalogueHealth", "Recovering the catalogue..."), 0, steps);
    try {
        CatalogueFile::create(temp);
        ConnectionGuard sourceGuard(newConnectionName("recover-source"));
        ConnectionGuard targetGuard(newConnectionName("recover-target"));
        QSqlDatabase source = openReadOnly(damagedPath, sourceGuard.name());
        // A file cut short says in its header that it has more pages than it has; the engine then
        // refuses it whole unless told to be lenient about its layout. The connection is read-only:
        // this changes nothing in the file.
        runOn(source, QStringLiteral("PRAGMA writable_schema = ON"));
        QSqlDatabase target = CatalogueFile::openConnection(temp, targetGuard.name());
        applyConnectionSettings(target);
        // The new file gets this program's whole layout before any row goes in; its key columns are
        // filled as the rows arrive.
        Migrations::bringUpToDate(target, {});

        QStringList sourceTables;
        try {
            sourceTables = rows(source, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
        } catch (const CinelogError &e) {
            throw CinelogError(e.number(), logged("CatalogueHealth", "Nothing can be read from '%1': even its list of tables is damaged (%2).")
                                               .arg(damagedPath, e.description()));
        }
        // Full-text tables and their shadow tables are not copied: the new file's triggers fill them
        // from the rows as they arrive.
        const QStringList targetTables = rows(
            target, QStringLiteral("SELECT name FROM sqlite_master t WHERE type = 'table' "
                                   "AND name NOT LIKE 'sqlite!_%' ESCAPE '!' AND sql NOT LIKE 'CREATE VIRTUAL TABLE%' "
                                   "AND NOT EXISTS (SELECT 1 FROM sqlite_master v WHERE v.type = 'table' "
                                   "AND v.sql LIKE 'CREATE VIRTUAL TABLE%' AND t.name LIKE v.name || '!_%' ESCAPE '!') "
                                   "ORDER BY rootpage"));
        QSet<QString> keyColumns;
        for (const Schema::TextKey &k : Schema::textKeys())
            keyColumns << QLatin1String(k.table) + QLatin1Char('.') + QLatin1String(k.key);

        steps = int(targetTables.size()) + 1;
        progress.ShowProgress(QCoreApplication::translate("CatalogueHealth", "Recovering the catalogue..."), 0, steps);
        runOn(target, QStringLiteral("BEGIN"));
        int done = 0;
        for (const QString &table : targetTables) {
            if (cancelled && cancelled())
                break;
            if (!sourceTables.contains(table)) {
                progress.UpdateProgress(++done);
                continue;
            }
            std::vector<ColumnInfo> sourceColumns;
            try {
                sourceColumns = columnsOf(source, table);
            } catch (const CinelogError &) {
                report.lostTables << table;
                progress.UpdateProgress(++done);
                continue;
            }
            TableCopy copy{table, QStringLiteral("rowid"), {}};
            QStringList sourceNames;
            for (const ColumnInfo &c : sourceColumns)
                sourceNames << c.name;
            for (const ColumnInfo &c : columnsOf(target, table)) {
                if (!sourceNames.contains(c.name) || keyColumns.contains(table + QLatin1Char('.') + c.name))
                    continue;
                if (c.integerKey)
                    copy.idColumn = c.name;
                else
                    copy.columns << c.name;
            }
            if (copy.columns.isEmpty()) {
                progress.UpdateProgress(++done);
                continue;
            }
            QStringList marks(copy.columns.size() + 1, QStringLiteral("?"));
            QStringList names;
            for (const QString &c : copy.columns)
                names << quoted(c);
            QSqlQuery insert(target);
            // sql-identifiers: table and column names of the program's own layout
            if (!insert.prepare(QStringLiteral("INSERT OR REPLACE INTO %1 (%2, %3) VALUES (%4)")
                                    .arg(quoted(table), quoted(copy.idColumn), names.join(QStringLiteral(", ")),
                                         marks.join(QStringLiteral(", ")))))
                throw Catalogue::errorOf(insert.lastError());
            qint64 copied = 0;
            TableReader reader(source, copy);
            try {
                report.unreadableStretches += reader.readAll(
                    [&](qint64 id, const QVariantList &values) {
                        insert.addBindValue(id);
                        for (const QVariant &v : values)
                            insert.addBindValue(v);
                        // A row the new file refuses (a value a damaged page garbled past the
                        // column's limits) is left out, as an unreadable one is.
                        if (insert.exec())
                            ++copied;
                        if ((copied & 0x3FF) == 0)
                            progress.letEventsRun();
                    },
                    cancelled);
            } catch (const CinelogError &) {
                report.lostTables << table;
            }
            report.rows.emplace_back(table, copied);
            progress.UpdateProgress(++done);
        }
        if (cancelled && cancelled()) {
            QSqlQuery(target).exec(QStringLiteral("ROLLBACK"));
            throw CinelogError(ErrorNumber::Database, logged("CatalogueHealth", "The recovery was cancelled; no catalogue was made."));
        }
        runOn(target, QStringLiteral("COMMIT"));
        const QStringList check = rows(target, QStringLiteral("PRAGMA integrity_check"));
        if (check != QStringList{QStringLiteral("ok")})
            throw CinelogError(ErrorNumber::Database,
                               logged("CatalogueHealth", "The recovered catalogue failed its check: %1").arg(check.join(QStringLiteral("; "))));
        target.close();
        source.close();
        progress.UpdateProgress(steps);
    } catch (...) {
        progress.UpdateProgress(steps);
        removeWithJournal(temp);
        throw;
    }
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(newPath).constData()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        removeWithJournal(temp);
        throw CinelogError(ErrorNumber::PermissionDenied,
                           logged("CatalogueHealth", "The recovered catalogue could not be named '%1': %2").arg(newPath, why));
    }
    syncFolderOf(newPath);
    return report;
}

} // namespace CatalogueHealth
