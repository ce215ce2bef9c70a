#pragma once

#include "WorkbookImport.h"

#include <QAbstractTableModel>
#include <QList>

// The first rows of a worksheet as the import will store them: the row number, what happens to the
// row (imported, refused and why, already in the catalogue), then the linked fields after the title
// rule and the splits.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Columns before the fields.
    enum : int { RowColumn, StatusColumn, FirstFieldColumn };

    explicit ImportPreviewModel(QObject *parent = nullptr);

    void setRows(const QList<PreparedRow> &rows, const FieldLinks &links, const ImportOptions &options);
    const QList<PreparedRow> &rows() const { return m_rows; }
    // The field shown in a column from FirstFieldColumn on.
    int fieldAt(int column) const { return m_fields.value(column - FirstFieldColumn, -1); }
    // The text shown for a row's field (Actor n: the n-th actor, Cast: the further cast).
    static QString fieldText(const PreparedRow &row, int field);
    // The text of the status column.
    static QString statusText(const PreparedRow &row, const ImportOptions &options);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<PreparedRow> m_rows;
    QList<int> m_fields;
    ImportOptions m_options;
};
