#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// A catalogue kept by another engine (a Jet file from the Windows program), read table by table so
// that its contents can be written into a SQLite catalogue. The conversion reads only through this
// interface; tests give it a source of their own.

struct SourceColumn {
    // How a value of the column arrives in a row:
    //   Integer -> qlonglong, Real -> double, Decimal -> QString with the exact digits ("12.3400"),
    //   Text and Memo -> QString, DateTime -> QDateTime (a wall-clock time, spec UTC so that no
    //   local-time rule moves it), Boolean -> bool, Bytes and LongBytes -> QByteArray.
    // Null is a null QVariant of any type.
    enum class Type { Integer, Real, Decimal, Text, Memo, DateTime, Boolean, Bytes, LongBytes };

    QString name;
    Type type = Type::Text;
};

class SourceRowCursor
{
public:
    virtual ~SourceRowCursor() = default;
    // Reads the next row: one value per column, in the order columns() gives. False after the last
    // row. Throws CinelogError when the source cannot be read.
    virtual bool next(QVariantList &values) = 0;
};

class CatalogueSource
{
public:
    virtual ~CatalogueSource() = default;

    // The user tables, in the order the source keeps them (system tables are left out).
    virtual QStringList tables() = 0;
    // The columns of a table in their order. Throws CinelogError for a table the source lacks.
    virtual QList<SourceColumn> columns(const QString &table) = 0;
    // The number of rows, as the source counts them (used for progress); -1 when unknown.
    virtual qint64 rowCount(const QString &table) = 0;
    // The rows of a table. Only one cursor of a source is read at a time.
    virtual std::unique_ptr<SourceRowCursor> rows(const QString &table) = 0;
};
