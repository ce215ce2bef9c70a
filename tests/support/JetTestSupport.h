#pragma once

#include "CatalogueSource.h"
#include "CinelogError.h"
#include "StoreTestSupport.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <functional>

// A catalogue source held in memory: the conversion's tests build the old catalogue they need
// without a Jet file.
class FakeSource : public CatalogueSource
{
public:
    using Type = SourceColumn::Type;
    struct Table {
        QString name;
        QList<SourceColumn> columns;
        QList<QVariantList> rows;
    };

    // Adds a table; columns as "Name:type" with type one of int, real, text, memo, date, bool, bytes, ole.
    FakeSource &table(const QString &name, const QStringList &columns, const QList<QVariantList> &rows = {})
    {
        Table t;
        t.name = name;
        for (const QString &spec : columns) {
            const QString type = spec.section(QLatin1Char(':'), 1);
            static const QMap<QString, Type> types = {
                {QStringLiteral("int"), Type::Integer}, {QStringLiteral("real"), Type::Real},
                {QStringLiteral("text"), Type::Text},   {QStringLiteral("memo"), Type::Memo},
                {QStringLiteral("date"), Type::DateTime}, {QStringLiteral("bool"), Type::Boolean},
                {QStringLiteral("bytes"), Type::Bytes}, {QStringLiteral("ole"), Type::LongBytes}};
            t.columns.append(SourceColumn{spec.section(QLatin1Char(':'), 0, 0), types.value(type, Type::Text)});
        }
        t.rows = rows;
        m_tables.append(t);
        return *this;
    }
    Table &get(const QString &name)
    {
        for (Table &t : m_tables)
            if (t.name == name)
                return t;
        throw CinelogError(ErrorNumber::Database, QStringLiteral("no table ") + name);
    }
    // Reading table fails with a read error once it has given this many rows.
    void failAfter(const QString &table, int rows)
    {
        m_failTable = table;
        m_failAfter = rows;
    }

    QStringList tables() override
    {
        QStringList out;
        for (const Table &t : m_tables)
            out << t.name;
        return out;
    }
    QList<SourceColumn> columns(const QString &table) override { return get(table).columns; }
    qint64 rowCount(const QString &table) override { return get(table).rows.size(); }
    std::unique_ptr<SourceRowCursor> rows(const QString &table) override
    {
        ++cursorsOpened;
        return std::make_unique<Cursor>(get(table).rows, table == m_failTable ? m_failAfter : -1);
    }

    int cursorsOpened = 0;

private:
    class Cursor : public SourceRowCursor
    {
    public:
        Cursor(const QList<QVariantList> &rows, int failAfter) : m_rows(rows), m_failAfter(failAfter) {}
        bool next(QVariantList &values) override
        {
            if (m_failAfter >= 0 && m_at == m_failAfter)
                throw CinelogError(ErrorNumber::Database, QStringLiteral("The source could not be read (test)."));
            if (m_at >= m_rows.size())
                return false;
            values = m_rows.at(m_at++);
            return true;
        }

    private:
        const QList<QVariantList> &m_rows;
        int m_failAfter;
        int m_at = 0;
    };

    QList<Table> m_tables;
    QString m_failTable;
    int m_failAfter = -1;
};

// Hands a source the test keeps to the code that takes ownership of the one it reads.
class SourceRef : public CatalogueSource
{
public:
    explicit SourceRef(CatalogueSource &source) : m_source(source) {}
    QStringList tables() override { return m_source.tables(); }
    QList<SourceColumn> columns(const QString &table) override { return m_source.columns(table); }
    qint64 rowCount(const QString &table) override { return m_source.rowCount(table); }
    std::unique_ptr<SourceRowCursor> rows(const QString &table) override { return m_source.rows(table); }

private:
    CatalogueSource &m_source;
};

inline const QVariant Null{};

inline QDateTime day(int y, int m, int d, int h = 0, int min = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s), Qt::UTC);
}

// The bytes of a file that carries a Jet 4 header (what the Windows program wrote) and nothing of
// use after it: with a fake source behind it, the conversion never reads the rest.
inline QByteArray jetFileBytes()
{
    QByteArray b(4096, '\x5a');
    b.replace(0, 20, QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20));
    return b;
}

// The shared Jet test files, or empty text when this checkout has none beside it.
inline QString sharedJetFolder()
{
    const QString root = qEnvironmentVariable("CINELOG_SHARED_TESTDATA");
    if (root.isEmpty())
        return QString();
    const QString folder = root + QStringLiteral("/jet");
    return QFile::exists(folder + QStringLiteral("/nwind.mdb")) && QFile::exists(folder + QStringLiteral("/DateTestDatabase.mdb"))
        ? folder
        : QString();
}

#define SKIP_WITHOUT_JET_FILES(folderVar)                                                                            \
    const QString folderVar = sharedJetFolder();                                                                     \
    if (folderVar.isEmpty())                                                                                          \
    GTEST_SKIP() << "The Jet test files (shared/testdata/jet, found through CINELOG_SHARED_TESTDATA) are not here; "  \
                    "the Jet reader is not tested on real files."

// Names of the files in a folder that begin with prefix.
inline QStringList filesStartingWith(const QString &folder, const QString &prefix)
{
    QStringList out;
    for (const QString &f : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        if (f.startsWith(prefix))
            out << f;
    return out;
}
