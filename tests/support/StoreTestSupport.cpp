#include "StoreTestSupport.h"

#include "SqliteFunctions.h"

#include <QCoreApplication>
#include <QFile>
#include <memory>
#include <sqlite3.h>

namespace {


void bindAll(sqlite3_stmt *st, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &v = values.at(i);
        if (v.isNull())
            sqlite3_bind_null(st, i + 1);
        else if (v.typeId() == QMetaType::QByteArray) {
            const QByteArray b = v.toByteArray();
            sqlite3_bind_blob(st, i + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            sqlite3_bind_int64(st, i + 1, v.toLongLong());
        else {
            const QByteArray u = v.toString().toUtf8();
            sqlite3_bind_text(st, i + 1, u.constData(), int(u.size()), SQLITE_TRANSIENT);
        }
    }
}

} // namespace

RawDb::RawDb(const QString &path, bool withCatalogueFunctions, bool readOnly)
{
    const int flags = readOnly ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr) != SQLITE_OK)
        ADD_FAILURE() << "cannot open " << path.toStdString() << ": " << sqlite3_errmsg(m_db);
    if (withCatalogueFunctions)
        registerCatalogueFunctions(m_db);
}

RawDb::~RawDb()
{
    sqlite3_close_v2(m_db);
}

void RawDb::exec(const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        ADD_FAILURE() << "statement failed: " << (err ? err : "?") << "\n  " << sql.toStdString();
        sqlite3_free(err);
    }
}

int RawDb::tryExec(const QString &sql, const QVariantList &values, QString *error)
{
    sqlite3_stmt *st = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        bindAll(st, values);
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        }
    }
    if (error)
        *error = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_finalize(st);
    return rc;
}

QList<QStringList> RawDb::rows(const QString &sql, const QVariantList &values)
{
    QList<QStringList> out;
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "query failed: " << sqlite3_errmsg(m_db) << "\n  " << sql.toStdString();
        return out;
    }
    bindAll(st, values);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            if (sqlite3_column_type(st, c) == SQLITE_NULL)
                row << QStringLiteral("<null>");
            else
                row << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, c)),
                                         sqlite3_column_bytes(st, c));
        }
        out << row;
    }
    if (rc != SQLITE_DONE)
        ADD_FAILURE() << "query failed: " << sqlite3_errmsg(m_db) << "\n  " << sql.toStdString();
    sqlite3_finalize(st);
    return out;
}

QString RawDb::value(const QString &sql, const QVariantList &values)
{
    const QList<QStringList> r = rows(sql, values);
    return r.isEmpty() || r.first().isEmpty() ? QString() : r.first().first();
}

QStringList RawDb::columns(const QString &table)
{
    QStringList out;
    for (const QStringList &r : rows(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table}))
        out << r.first();
    return out;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QStringList columnsOf(const QString &path, const QString &table)
{
    RawDb db(path, false, true);
    return db.columns(table);
}

QString StoreTest::created(const QString &name)
{
    QString path = t.path(name);
    EXPECT_TRUE(session.create(path)) << path.toStdString();
    return path;
}

QString StoreTest::opened(const QString &name)
{
    const QString path = created(name);
    EXPECT_TRUE(session.open(path)) << t.logLines().join(QLatin1Char('\n')).toStdString();
    return path;
}

QStringList StoreTest::logLinesFor(const QString &label) const
{
    QStringList out;
    for (const QString &l : t.logLines())
        if (l.contains(QStringLiteral("| ") + label + QStringLiteral(": ")))
            out << l;
    return out;
}
