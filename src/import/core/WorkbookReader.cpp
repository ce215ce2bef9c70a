#include "WorkbookReader.h"

#include "CinelogError.h"
#include "WorkbookBackends.h"

#include <QCoreApplication>
#include <QFileInfo>

SheetData::SheetData(QString name, WorkbookLimits limits, QString source)
    : m_name(std::move(name)), m_source(std::move(source)), m_limits(limits)
{
}

LoggedText SheetData::where() const
{
    if (m_source.isEmpty())
        return logged("Workbook", "The worksheet “%1”").arg(m_name);
    return logged("Workbook", "The worksheet “%1” of “%2”").arg(m_name, QFileInfo(m_source).fileName());
}

void SheetData::setCell(qint64 row, qint64 column, const QString &text)
{
    if (row < 1 || column < 1 || row > m_limits.maxRows || column > m_limits.maxColumns)
        throw CinelogError(ErrorNumber::Overflow,
                           logged("Workbook", "%1 has a cell outside the largest sheet a spreadsheet can hold "
                                              "(row %2, column %3); the workbook is damaged.")
                               .arg(where())
                               .arg(row)
                               .arg(column));
    if (text.isEmpty())
        return;
    const quint64 k = key(row, column);
    if (!m_cells.contains(k) && m_cells.size() >= m_limits.maxCells)
        throw CinelogError(ErrorNumber::Overflow,
                           logged("Workbook", "%1 holds more than %2 filled cells, more than can be imported at once.")
                               .arg(where())
                               .arg(m_limits.maxCells));
    m_cells.insert(k, text);
    const int r = int(row), c = int(column);
    if (m_lastRow == 0) {
        m_firstRow = m_lastRow = r;
        m_firstColumn = m_lastColumn = c;
    } else {
        m_firstRow = std::min(m_firstRow, r);
        m_lastRow = std::max(m_lastRow, r);
        m_firstColumn = std::min(m_firstColumn, c);
        m_lastColumn = std::max(m_lastColumn, c);
    }
}

QString SheetData::cell(int row, int column) const
{
    if (row < 1 || column < 1 || column >= (1 << 20))
        return QString();
    return m_cells.value(key(row, column));
}

QStringList SheetData::headings() const
{
    QStringList out;
    for (int c = 1; c <= m_lastColumn; ++c) {
        const QString h = cell(1, c);
        if (h.isEmpty())
            break;
        out << h;
    }
    return out;
}

void WorkbookReader::checkIndex(int index) const
{
    if (index < 0 || index >= worksheetNames().size())
        throw CinelogError(ErrorNumber::InvalidProcedureCall,
                           workbookMessage(m_path, logged("Workbook", "has no worksheet number %1.").arg(index + 1)));
}

LoggedText workbookMessage(const QString &path, const LoggedText &what)
{
    //: %2 says what is wrong with the workbook, as a predicate ("is too large to import.")
    return logged("Workbook", "The workbook “%1” %2").arg(QFileInfo(path).fileName(), what);
}

LoggedText passwordProtectedText()
{
    return logged("Workbook", "is protected with a password. Save it without the password and import it again.");
}

std::unique_ptr<WorkbookReader> openWorkbook(const QString &path, const WorkbookLimits &limits)
{
    const QFileInfo fi(path);
    if (!fi.exists())
        throw CinelogError(ErrorNumber::FileNotFound, logged("Workbook", "Could not find the workbook “%1”.").arg(path));
    if (!fi.isFile() || !fi.isReadable())
        throw CinelogError(ErrorNumber::PermissionDenied, logged("Workbook", "The workbook “%1” cannot be read.").arg(path));
    const QString ext = fi.suffix().toLower();
    if (ext == QLatin1String("xlsx") || ext == QLatin1String("xlsm"))
        return openXlsxWorkbook(path, limits);
    if (ext == QLatin1String("ods"))
        return openOdsWorkbook(path, limits);
    if (ext == QLatin1String("xls"))
        return openXlsWorkbook(path, limits);
    if (ext == QLatin1String("csv") || ext == QLatin1String("txt"))
        return openCsvWorkbook(path, limits);
    throw CinelogError(ErrorNumber::InvalidProcedureCall,
                       workbookMessage(path, logged("Workbook", "is not of a kind that can be imported. Choose a .xls, .xlsx, .ods or .csv file.")));
}

QString workbookFileFilter()
{
    return QCoreApplication::translate("WorkbookReader",
                                       "Workbooks (*.xls *.xlsx *.ods *.csv);;Excel Spreadsheets (*.xls);;Excel Workbooks (*.xlsx);;"
                                       "OpenDocument Spreadsheets (*.ods);;Comma-separated Values (*.csv)");
}

QString columnLetters(int column)
{
    QString out;
    while (column > 0) {
        const int rem = (column - 1) % 26;
        out.prepend(QChar(u'A' + rem));
        column = (column - 1) / 26;
    }
    return out;
}
