#include "MovieListModel.h"

const QStringList &MovieListModel::headers()
{
    static const QStringList h = {
        QStringLiteral("ID"), QStringLiteral("Title"), QStringLiteral("Order By"), QStringLiteral("Director"),
        QStringLiteral("Genre1"), QStringLiteral("Genre2"), QStringLiteral("Genre3"), QStringLiteral("Medium"),
        QStringLiteral("Format"), QStringLiteral("Rating"), QStringLiteral("Release"), QStringLiteral("Time"),
        QStringLiteral("Num of Discs"), QStringLiteral("Stars"), QStringLiteral("URL")};
    return h;
}

MovieListModel::MovieListModel(QObject *parent) : QAbstractTableModel(parent) {}

int MovieListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

int MovieListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MovieListModel::data(const QModelIndex &, int) const
{
    return {};
}

QVariant MovieListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return headers().at(section);
    return {};
}
