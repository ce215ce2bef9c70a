#pragma once

#include "CinelogError.h"

#include <QByteArray>
#include <QString>
#include <sqlite3.h>

// A prepared statement on the catalogue's engine handle, finalized when it goes out of scope.
class EngineStatement
{
public:
    EngineStatement(sqlite3 *db, const QString &sql) : m_db(db)
    {
        const QByteArray utf8 = sql.toUtf8();
        const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
        if (rc != SQLITE_OK)
            fail(rc);
    }
    ~EngineStatement() { sqlite3_finalize(m_stmt); }
    EngineStatement(const EngineStatement &) = delete;
    EngineStatement &operator=(const EngineStatement &) = delete;

    // True while there is a row; throws when the engine reports an error.
    bool next()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail(rc);
        return false;
    }
    void bind(int index, int value) { sqlite3_bind_int(m_stmt, index, value); }
    void bind64(int index, qint64 value) { sqlite3_bind_int64(m_stmt, index, value); }
    void bindText(int index, const QString &value)
    {
        const QByteArray utf8 = value.toUtf8();
        sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void reset() { sqlite3_reset(m_stmt); }
    int integer(int c) const { return sqlite3_column_int(m_stmt, c); }
    qint64 integer64(int c) const { return sqlite3_column_int64(m_stmt, c); }
    bool isNull(int c) const { return sqlite3_column_type(m_stmt, c) == SQLITE_NULL; }
    QString text(int c) const
    {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, c));
        return t ? QString::fromUtf8(t, sqlite3_column_bytes(m_stmt, c)) : QString();
    }
    const char *raw(int c, int &len) const
    {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, c));
        len = sqlite3_column_bytes(m_stmt, c);
        return t ? t : "";
    }

private:
    [[noreturn]] void fail(int rc) const
    {
        throw CinelogError(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

