#pragma once

#include "LoggedText.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

// What a workbook may make the reader hold in memory. A damaged or hostile file that goes beyond
// any of these ends with an error instead of exhausting the machine.
struct WorkbookLimits {
    int maxRows = 1048576;               // the largest sheet a spreadsheet program makes
    int maxColumns = 16384;
    qint64 maxCells = 4'000'000;          // non-empty cells kept for one worksheet
    qint64 maxPartBytes = 128LL << 20;    // one uncompressed part of a zipped workbook
    qint64 maxFileBytes = 256LL << 20;    // a whole .csv or .xls file
    int maxSheets = 4096;
};

// One worksheet's cells as the user sees them in the spreadsheet program. Rows and columns count
// from 1; only non-empty cells are kept, so a sparse sheet costs what it holds.
class SheetData
{
public:
    // source names the workbook file in messages.
    explicit SheetData(QString name = QString(), WorkbookLimits limits = {}, QString source = QString());

    const QString &name() const { return m_name; }

    // Stores a cell's text; empty text stores nothing. Throws CinelogError beyond the limits.
    void setCell(qint64 row, qint64 column, const QString &text);
    QString cell(int row, int column) const;

    // The last row that holds a non-empty cell; 1 for a sheet without any.
    int GetLastRow() const { return m_lastRow == 0 ? 1 : m_lastRow; }
    // The used range: the rectangle of non-empty cells (all zero for an empty sheet).
    int firstRow() const { return m_firstRow; }
    int firstColumn() const { return m_firstColumn; }
    int lastColumn() const { return m_lastColumn; }
    qint64 cellCount() const { return m_cells.size(); }

    // The headings: row 1 from column 1 up to the first empty cell.
    QStringList headings() const;

private:
    static quint64 key(qint64 row, qint64 column) { return (quint64(row) << 20) | quint64(column); }

    LoggedText where() const;

    QString m_name;
    QString m_source;
    WorkbookLimits m_limits;
    QHash<quint64, QString> m_cells;
    int m_firstRow = 0, m_lastRow = 0, m_firstColumn = 0, m_lastColumn = 0;
};

// A workbook opened for reading: the names of its worksheets in their order and, on request, the
// cells of one of them. All failures are CinelogError with a message for the user.
class WorkbookReader
{
public:
    virtual ~WorkbookReader() = default;

    virtual QStringList worksheetNames() const = 0;
    virtual SheetData readSheet(int index) = 0;

    const QString &path() const { return m_path; }

protected:
    WorkbookReader(QString path, WorkbookLimits limits) : m_path(std::move(path)), m_limits(limits) {}
    void checkIndex(int index) const;

    QString m_path;
    WorkbookLimits m_limits;
};

// Opens a .xls, .xlsx, .ods or .csv file (chosen by the name's extension, letter case ignored).
std::unique_ptr<WorkbookReader> openWorkbook(const QString &path, const WorkbookLimits &limits = {});

// The file-dialog filter offering every kind openWorkbook reads.
QString workbookFileFilter();

// Column number from 1 to its letters: 1 -> "A", 28 -> "AB".
QString columnLetters(int column);
