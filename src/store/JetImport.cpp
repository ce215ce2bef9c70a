#include "JetImport.h"

#include "Catalogue.h"
#include "CatalogueFile.h"
#include "CatalogueInternal.h"
#include "CinelogError.h"
#include "Schema.h"
#include "Migrations.h"
#include "ProgressSink.h"
#include "SqliteFunctions.h"
#include "TextKeys.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>
#include <vector>

using namespace catalogue_detail;

namespace JetImport {

namespace {

const QString MoviesTable = QStringLiteral("Movies");

CinelogError engineError(sqlite3 *db)
{
    return CinelogError(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
}

void run(sqlite3 *db, const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString text = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        throw CinelogError(sqlite3_extended_errcode(db), text);
    }
}

// "2024-01-05" for a date alone, "2024-01-05T20:30:00" with a time of day.
QString isoText(const QDateTime &when)
{
    if (when.time() == QTime(0, 0))
        return when.date().toString(QStringLiteral("yyyy-MM-dd"));
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

// A prepared statement of the engine's own API: the bulk copy binds and steps thousands of times.
class Statement
{
public:
    Statement(sqlite3 *db, const QString &sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &m_st, nullptr) != SQLITE_OK)
            throw engineError(db);
    }
    ~Statement() { sqlite3_finalize(m_st); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const QVariant &v)
    {
        int rc;
        if (!v.isValid() || v.isNull()) {
            rc = sqlite3_bind_null(m_st, index);
        } else {
            switch (v.typeId()) {
            case QMetaType::QByteArray: {
                const QByteArray b = v.toByteArray();
                rc = sqlite3_bind_blob64(m_st, index, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
                break;
            }
            case QMetaType::Bool:
                rc = sqlite3_bind_int64(m_st, index, v.toBool() ? 1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Char:
            case QMetaType::UChar:
            case QMetaType::SChar:
                rc = sqlite3_bind_int64(m_st, index, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(m_st, index, v.toDouble());
                break;
            case QMetaType::QDateTime:
                rc = bindText(index, isoText(v.toDateTime()));
                break;
            case QMetaType::QDate:
                rc = bindText(index, v.toDate().toString(QStringLiteral("yyyy-MM-dd")));
                break;
            default:
                rc = bindText(index, v.toString());
                break;
            }
        }
        if (rc != SQLITE_OK)
            throw engineError(m_db);
    }

    // Runs the statement: true when it gave a row, false when it is done.
    bool step()
    {
        const int rc = sqlite3_step(m_st);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw engineError(m_db);
    }
    void reset()
    {
        sqlite3_reset(m_st);
        sqlite3_clear_bindings(m_st);
    }
    qint64 integer(int column) const { return sqlite3_column_int64(m_st, column); }
    bool isNull(int column) const { return sqlite3_column_type(m_st, column) == SQLITE_NULL; }
    QString text(int column) const
    {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_st, column)),
                                 sqlite3_column_bytes(m_st, column));
    }

private:
    int bindText(int index, const QString &s)
    {
        const QByteArray u = s.toUtf8();
        return sqlite3_bind_text64(m_st, index, u.constData(), sqlite3_uint64(u.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
    }

    sqlite3 *m_db;
    sqlite3_stmt *m_st = nullptr;
};

// Names in a Jet file are compared without regard to letter case, as Jet compares them; an exact
// match is preferred.
template <typename List, typename NameOf>
int findName(const List &list, const QString &name, NameOf nameOf)
{
    int folded = -1;
    for (int i = 0; i < int(list.size()); ++i) {
        const QString candidate = nameOf(list.at(i));
        if (candidate == name)
            return i;
        if (folded < 0 && candidate.compare(name, Qt::CaseInsensitive) == 0)
            folded = i;
    }
    return folded;
}

int findColumn(const QList<SourceColumn> &columns, const QString &name)
{
    return findName(columns, name, [](const SourceColumn &c) { return c.name; });
}

QString findTable(const QStringList &tables, const QString &name)
{
    const int i = findName(tables, name, [](const QString &t) { return t; });
    return i < 0 ? QString() : tables.at(i);
}

bool isSchemaTable(const QString &name)
{
    for (const QString &t : Schema::tables())
        if (t.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isOldCastColumn(const QString &name)
{
    for (const char *col : {"Actor1", "Actor2", "Actor3", "Actor4"})
        if (name.compare(QLatin1String(col), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A source value as the catalogue's column keeps it.
QVariant toColumn(const QVariant &v, const Schema::Column &c)
{
    if (!v.isValid() || v.isNull())
        return QVariant();
    switch (c.type) {
    case Schema::Type::Text:
    case Schema::Type::Memo:
    case Schema::Type::Date: {
        QString s;
        if (v.typeId() == QMetaType::QDateTime)
            s = isoText(v.toDateTime());
        else if (v.typeId() == QMetaType::QDate)
            s = v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        else if (v.typeId() == QMetaType::Bool)
            s = v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        else if (v.typeId() == QMetaType::QByteArray)
            s = QString::fromUtf8(v.toByteArray());
        else
            s = v.toString();
        // Columns that refuse empty text are written Null instead, as the program writes them.
        if (s.isEmpty())
            return c.allowEmptyText ? QVariant(QString(QLatin1String(""))) : QVariant();
        return s;
    }
    case Schema::Type::AutoNumber:
    case Schema::Type::LongInteger:
        switch (v.typeId()) {
        case QMetaType::Bool:
            // A Yes/No column is 1 or 0 here, as the program's flags are (Jet's True is -1).
            return qlonglong(v.toBool() ? 1 : 0);
        case QMetaType::Double:
        case QMetaType::Float: {
            const double d = v.toDouble();
            if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 9.0e15)
                return qlonglong(d);
            return d;
        }
        case QMetaType::QString: {
            const QString s = v.toString().trimmed();
            if (s.isEmpty())
                return QVariant();
            bool ok = false;
            const qlonglong n = s.toLongLong(&ok);
            return ok ? QVariant(n) : QVariant(s);
        }
        case QMetaType::QDateTime:
            return isoText(v.toDateTime());
        default:
            return v;
        }
    case Schema::Type::LongBytes:
        if (v.typeId() == QMetaType::QByteArray && v.toByteArray().isEmpty())
            return QVariant();
        return v;
    }
    return v;
}

QString text(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

// How one catalogue table is filled from the source.
struct Plan {
    QString table;
    QString source; // the source's table of that name; empty when it has none
    QList<SourceColumn> sourceColumns;
    std::vector<Schema::Column> columns;
    std::vector<int> from; // for each column, its source column, or -1
    qint64 rows = 0;

    int column(const char *name) const
    {
        for (size_t i = 0; i < columns.size(); ++i)
            if (QLatin1String(columns[i].name) == QLatin1String(name))
                return int(i);
        return -1;
    }
};

class Progress
{
public:
    Progress(ProgressSink &sink, qint64 total) : m_sink(sink), m_max(int(std::min<qint64>(total, INT_MAX))) {}
    void show() { m_sink.ShowProgress(QCoreApplication::translate("JetImport", "Converting the catalogue..."), 0, m_max); }
    void advance()
    {
        ++m_done;
        if (m_done % 256 != 0)
            return;
        // The maximum closes the display: it waits for the end.
        m_sink.UpdateProgress(std::min<qint64>(m_done, std::max(0, m_max - 1)));
        m_sink.letEventsRun();
    }
    void finish() { m_sink.UpdateProgress(m_max); }

private:
    ProgressSink &m_sink;
    int m_max;
    qint64 m_done = 0;
};

class Importer
{
public:
    Importer(CatalogueSource &source, QSqlDatabase &qdb, const NoteSink &note)
        : m_source(source), m_qdb(qdb), m_db(sqliteHandle(qdb)), m_note(note)
    {
    }

    void plan()
    {
        const QStringList sourceTables = m_source.tables();
        if (findTable(sourceTables, MoviesTable).isEmpty())
            throw CinelogError(ErrorNumber::Database,
                               logged("JetImport", "It has no Movies table, so it is not a Cinelog catalogue."));
        for (const QString &t : sourceTables)
            if (!isSchemaTable(t))
                note(QStringLiteral("The table '%1' is not part of a Cinelog catalogue and was not converted.").arg(t));

        // Movies before the tables whose old-layout links are found through it; otherwise the
        // schema's order.
        QStringList order = {QStringLiteral("DBInfo"), QStringLiteral("Actors"), QStringLiteral("Directors"),
                             QStringLiteral("Genres"), MoviesTable};
        for (const QString &t : Schema::tables())
            if (!order.contains(t))
                order << t;

        for (const QString &table : order) {
            Plan p;
            p.table = table;
            p.source = findTable(sourceTables, table);
            p.columns = Schema::columnsOf(table, true);
            if (!p.source.isEmpty()) {
                p.sourceColumns = m_source.columns(p.source);
                p.rows = std::max<qint64>(0, m_source.rowCount(p.source));
            }
            for (const Schema::Column &c : p.columns)
                p.from.push_back(findColumn(p.sourceColumns, QString::fromLatin1(c.name)));
            for (int i = 0; i < p.sourceColumns.size(); ++i) {
                const QString name = p.sourceColumns.at(i).name;
                if (std::find(p.from.begin(), p.from.end(), i) != p.from.end())
                    continue;
                if (table == MoviesTable && isOldCastColumn(name))
                    continue;
                note(QStringLiteral("The column '%1' of table '%2' is not part of a Cinelog catalogue and was not converted.")
                         .arg(name, p.source));
            }
            if (table == MoviesTable)
                m_oldLayout = findColumn(p.sourceColumns, QStringLiteral("Actor1")) >= 0;
            m_plans.push_back(p);
        }
    }

    qint64 totalRows() const
    {
        qint64 n = 0;
        for (const Plan &p : m_plans)
            n += p.rows;
        return n;
    }

    void write(Progress &progress)
    {
        run(m_db, QStringLiteral("PRAGMA application_id = %1").arg(Schema::ApplicationId));
        // The layout written is complete up to the text keys (added below).
        run(m_db, QStringLiteral("PRAGMA user_version = %1").arg(Migrations::KeyVersion));
        for (const QString &table : Schema::tables())
            run(m_db, Schema::createTableStatement(table, true));
        // The indexes first: the old-layout links look names and titles up while rows arrive.
        for (const QString &s : Schema::indexStatements())
            run(m_db, s);
        TextKeys::addTo(m_qdb);
        TextKeys::installConnectionTriggers(m_qdb);
        bool ordered = true;
        for (const Plan &p : m_plans) {
            if (p.table == QLatin1String("DBInfo") && m_oldLayout) {
                // As ConvertDB: the converted catalogue starts its own version record.
                Statement(m_db, QStringLiteral("INSERT INTO DBInfo (DBVer) VALUES ('1.1')")).step();
                continue;
            }
            copy(p, progress);
            if (p.table == MoviesTable)
                ordered = p.from[size_t(p.column("OrderBy"))] >= 0;
        }
        if (!ordered)
            applyTitleRule();
    }

private:
    void note(const QString &text)
    {
        if (m_note)
            m_note(text);
    }

    void copy(const Plan &p, Progress &progress)
    {
        if (p.source.isEmpty())
            return;
        QStringList names, marks;
        for (const Schema::Column &c : p.columns) {
            names << QString::fromLatin1(c.name);
            marks << QStringLiteral("?");
        }
        // sql-identifiers: a schema table and its column names
        Statement insert(m_db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(p.table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));

        // Old layout: the cast of each movie row goes to MovActLink, loans find their movie by title.
        const bool cast = m_oldLayout && p.table == MoviesTable;
        const bool loans = m_oldLayout && p.table == QLatin1String("LoanOut");
        std::vector<int> castColumns;
        std::unique_ptr<Statement> findActor, link, findMovie;
        if (cast) {
            for (const char *col : {"Actor1", "Actor2", "Actor3", "Actor4"}) {
                const int i = findColumn(p.sourceColumns, QLatin1String(col));
                if (i >= 0)
                    castColumns.push_back(i);
            }
            findActor = std::make_unique<Statement>(m_db, QStringLiteral("SELECT ID FROM Actors WHERE ActorKey = ? ORDER BY ID LIMIT 1"));
            link = std::make_unique<Statement>(m_db, QStringLiteral("INSERT INTO MovActLink (MovID, ActID) VALUES (?, ?)"));
        }
        const int loanMovie = p.column("MovieID");
        const int loanTitle = loans ? p.from[size_t(p.column("MovieTitle"))] : -1;
        if (loans)
            findMovie = std::make_unique<Statement>(m_db, QStringLiteral("SELECT ID FROM Movies WHERE TitleKey = ? ORDER BY ID LIMIT 1"));

        std::unique_ptr<SourceRowCursor> rows = m_source.rows(p.source);
        QVariantList row;
        qint64 n = 0;
        while (rows->next(row)) {
            ++n;
            if (row.size() != p.sourceColumns.size())
                throw CinelogError(ErrorNumber::Database, logged("JetImport", "Row %1 of table %2 has %3 values for %4 columns.")
                                                              .arg(n).arg(p.source).arg(row.size()).arg(p.sourceColumns.size()));
            for (size_t i = 0; i < p.columns.size(); ++i) {
                const Schema::Column &c = p.columns[i];
                QVariant v;
                if (loans && int(i) == loanMovie) {
                    findMovie->bind(1, foldedText(text(loanTitle >= 0 ? row.at(loanTitle) : QVariant())));
                    if (findMovie->step())
                        v = findMovie->integer(0);
                    findMovie->reset();
                } else if (p.from[i] >= 0) {
                    v = toColumn(row.at(p.from[i]), c);
                } else if (fillFor(c) == Fill::ZeroIfEmpty) {
                    v = qlonglong(0);
                }
                insert.bind(int(i) + 1, v);
            }
            try {
                insert.step();
            } catch (const CinelogError &e) {
                throw CinelogError(e.number(), logged("JetImport", "Row %1 of table %2 could not be converted: %3")
                                                   .arg(n).arg(p.source, e.description()));
            }
            insert.reset();
            if (cast) {
                const qint64 movieId = sqlite3_last_insert_rowid(m_db);
                for (int col : castColumns) {
                    const QString name = text(row.at(col));
                    if (name.isEmpty())
                        continue;
                    findActor->bind(1, foldedText(name));
                    // A cast name missing from the actor list is dropped, as ConvertDB drops it.
                    if (findActor->step()) {
                        link->bind(1, movieId);
                        link->bind(2, findActor->integer(0));
                        link->step();
                        link->reset();
                    }
                    findActor->reset();
                }
            }
            progress.advance();
        }
    }

    // As the open-time check fills an added OrderBy: "The Abyss" sorts as "Abyss", "Abyss, The"
    // becomes "The Abyss"; a title the rule leaves alone is not rewritten.
    void applyTitleRule()
    {
        struct Row {
            qint64 id;
            QString title;
        };
        std::vector<Row> movies;
        {
            Statement rows(m_db, QStringLiteral("SELECT ID, Title FROM Movies"));
            while (rows.step())
                movies.push_back({rows.integer(0), rows.isNull(1) ? QString() : rows.text(1)});
        }
        Statement setOrder(m_db, QStringLiteral("UPDATE Movies SET OrderBy = ? WHERE ID = ?"));
        Statement setBoth(m_db, QStringLiteral("UPDATE Movies SET Title = ?, OrderBy = ? WHERE ID = ?"));
        for (const Row &m : movies) {
            const TitleOrder to = titleOrderFor(m.title);
            Statement &upd = to.title == m.title ? setOrder : setBoth;
            int i = 1;
            if (&upd == &setBoth)
                upd.bind(i++, to.title);
            upd.bind(i++, NullIfEmpty(to.orderBy));
            upd.bind(i, m.id);
            upd.step();
            upd.reset();
        }
    }

    CatalogueSource &m_source;
    QSqlDatabase &m_qdb;
    sqlite3 *m_db;
    const NoteSink &m_note;
    std::vector<Plan> m_plans;
    bool m_oldLayout = false;
};

// Removes the conversion's temporary file (and its journal) unless it was put in place.
class TemporaryCatalogue
{
public:
    explicit TemporaryCatalogue(QString path) : m_path(std::move(path)) {}
    ~TemporaryCatalogue()
    {
        if (m_path.isEmpty())
            return;
        QFile::remove(m_path);
        QFile::remove(m_path + QStringLiteral("-journal"));
    }
    void release() { m_path.clear(); }

private:
    QString m_path;
};

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

enum class Kept { Linked, Renamed };

// Gives the original a second name that no file had: a hard link where the file system has them
// (the original path is then never without a catalogue), otherwise a rename that never replaces.
std::pair<QString, Kept> keepOriginal(const QString &path)
{
    const QByteArray from = QFile::encodeName(path);
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const QString backup = backupPathFor(path, attempt);
        const QByteArray to = QFile::encodeName(backup);
        if (::link(from.constData(), to.constData()) == 0)
            return {backup, Kept::Linked};
        if (errno == EEXIST)
            continue;
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
            return {backup, Kept::Renamed};
        if (errno == EEXIST)
            continue;
        if (errno == EINVAL || errno == ENOSYS) {
            // No "never replace" rename on this file system: look first.
            if (QFileInfo::exists(backup))
                continue;
            if (std::rename(from.constData(), to.constData()) == 0)
                return {backup, Kept::Renamed};
        }
        throw CinelogError(ErrorNumber::PermissionDenied,
                           logged("JetImport", "The original could not be kept as '%1': %2.").arg(backup, systemError(errno)));
    }
    throw CinelogError(ErrorNumber::FileAlreadyExists,
                       logged("JetImport", "Every backup name for '%1' is taken.").arg(path));
}

} // namespace

QString backupPathFor(const QString &path, int attempt)
{
    const QFileInfo info(path);
    QString name = info.completeBaseName() + QStringLiteral(".jet-backup");
    if (attempt > 1)
        name += QStringLiteral("-%1").arg(attempt);
    if (!info.suffix().isEmpty())
        name += QLatin1Char('.') + info.suffix();
    return info.path() + QLatin1Char('/') + name;
}

void importCatalogue(CatalogueSource &source, QSqlDatabase &db, ProgressSink &progress, const NoteSink &note)
{
    sqlite3 *handle = sqliteHandle(db);
    Importer importer(source, db, note);
    importer.plan();
    Progress counter(progress, importer.totalRows());
    counter.show();
    run(handle, QStringLiteral("BEGIN IMMEDIATE"));
    try {
        importer.write(counter);
        run(handle, QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
        counter.finish();
        throw;
    }
    // The layout is written complete up to the text keys; the later steps finish it, so that the
    // first opening of the converted catalogue has nothing left to change.
    Migrations::bringUpToDate(db);
    counter.finish();
}

QString convertCatalogueFile(const QString &path, CatalogueSource &source, ProgressSink &progress, const NoteSink &note)
{
    const QFileInfo info(path);
    // Beside the original, so that the final rename stays on one file system.
    QTemporaryFile reserve(info.absolutePath() + QLatin1Char('/') + info.fileName() + QStringLiteral(".converting-XXXXXX"));
    reserve.setAutoRemove(false);
    if (!reserve.open())
        throw CinelogError(ErrorNumber::PermissionDenied, logged("JetImport", "The converted catalogue could not be created in '%1': %2")
                                                              .arg(info.absolutePath(), reserve.errorString()));
    const QString temp = reserve.fileName();
    reserve.close();
    TemporaryCatalogue cleanup(temp);
    QFile::setPermissions(temp, QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);

    {
        const QString name = newConnectionName("jet-import");
        ConnectionGuard guard(name);
        QSqlDatabase db = CatalogueFile::openConnection(temp, name, true);
        applyConnectionSettings(db);
        importCatalogue(source, db, progress, note);
        Statement check(sqliteHandle(db), QStringLiteral("PRAGMA integrity_check"));
        QStringList problems;
        while (check.step())
            problems << check.text(0);
        if (problems != QStringList{QStringLiteral("ok")})
            throw CinelogError(ErrorNumber::Database, logged("JetImport", "The converted catalogue failed its integrity check: %1")
                                                          .arg(problems.join(QStringLiteral("; "))));
    }

    const auto [backup, kept] = keepOriginal(path);
    const QByteArray from = QFile::encodeName(temp);
    const QByteArray to = QFile::encodeName(path);
    if (std::rename(from.constData(), to.constData()) != 0) {
        const int error = errno;
        // Undo the backup name: the original stays where it was, as it was.
        if (kept == Kept::Linked)
            QFile::remove(backup);
        else
            std::rename(QFile::encodeName(backup).constData(), to.constData());
        throw CinelogError(ErrorNumber::PermissionDenied,
                           logged("JetImport", "The converted catalogue could not take the place of '%1': %2.").arg(path, systemError(error)));
    }
    cleanup.release();
    syncFolderOf(path);
    return backup;
}

} // namespace JetImport
