#include "ReadConnection.h"

#include "Catalogue.h"
#include "CinelogError.h"
#include "SqliteFunctions.h"

#include <sqlite3.h>

ReadConnection::ReadConnection(const QString &path) : m_path(path)
{
    const QByteArray name = path.toUtf8();
    const int rc = sqlite3_open_v2(name.constData(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close(m_db);
        m_db = nullptr;
        throw CinelogError(rc, logged("ReadConnection", "Could not open '%1': %2").arg(path, why));
    }
    sqlite3_busy_timeout(m_db, Catalogue::BusyTimeoutMs);
    try {
        registerCatalogueFunctions(m_db);
    } catch (...) {
        sqlite3_close(m_db);
        throw;
    }
}

ReadConnection::~ReadConnection()
{
    sqlite3_close_v2(m_db);
}

qint64 ReadConnection::dataVersion()
{
    Statement q(*this, "PRAGMA data_version");
    return q.next() ? q.integer(0) : 0;
}

ReadConnection::Statement::Statement(ReadConnection &connection, const char *sql) : m_db(connection.m_db)
{
    const int rc = sqlite3_prepare_v2(m_db, sql, -1, &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

ReadConnection::Statement::Statement(sqlite3 *db, const QString &sql) : m_db(db)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

ReadConnection::Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

bool ReadConnection::Statement::next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fail(rc);
    return false;
}

void ReadConnection::Statement::reset()
{
    sqlite3_reset(m_stmt);
}

void ReadConnection::Statement::bind(int index, qint64 value)
{
    sqlite3_bind_int64(m_stmt, index, value);
}

void ReadConnection::Statement::bindText(int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

qint64 ReadConnection::Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

bool ReadConnection::Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QString ReadConnection::Statement::text(int column) const
{
    const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return t ? QString::fromUtf8(t, sqlite3_column_bytes(m_stmt, column)) : QString();
}

QByteArray ReadConnection::Statement::bytes(int column) const
{
    const void *b = sqlite3_column_blob(m_stmt, column);
    const int n = sqlite3_column_bytes(m_stmt, column);
    return b && n > 0 ? QByteArray(static_cast<const char *>(b), n) : QByteArray();
}

std::string_view ReadConnection::Statement::view(int column) const
{
    const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return t ? std::string_view(t, size_t(sqlite3_column_bytes(m_stmt, column))) : std::string_view();
}

void ReadConnection::Statement::fail(int rc) const
{
    const QString why = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_reset(m_stmt);
    throw CinelogError(rc, why);
}
