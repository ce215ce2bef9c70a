#include "UploadListModel.h"

#include "Catalogue.h"

UploadListModel::UploadListModel(QObject *parent) : QAbstractListModel(parent) {}

void UploadListModel::load(Catalogue &catalogue, bool onlyNotUploaded)
{
    QList<Row> rows;
    // A movie never marked (web Null) counts as not uploaded.
    QSqlQuery q = catalogue.exec(onlyNotUploaded
                                     ? QStringLiteral("SELECT ID, Title, web FROM Movies WHERE COALESCE(web, 0) = 0 ORDER BY ID")
                                     : QStringLiteral("SELECT ID, Title, web FROM Movies ORDER BY ID"));
    while (q.next())
        rows.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).isNull() || q.value(2).toInt() == 0});
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void UploadListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

int UploadListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant UploadListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &r = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return r.title;
    case Qt::CheckStateRole:
        return r.ticked ? Qt::Checked : Qt::Unchecked;
    case MovieIdRole:
        return r.id;
    default:
        return {};
    }
}

bool UploadListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::CheckStateRole)
        return false;
    m_rows[index.row()].ticked = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags UploadListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

QVariant UploadListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == 0)
        return tr("Title");
    return {};
}
