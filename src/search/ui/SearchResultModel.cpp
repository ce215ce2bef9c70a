#include "SearchResultModel.h"

#include <QFont>
#include <QHash>
#include <algorithm>

void SearchResultModel::setMovies(QList<FoundMovie> movies)
{
    beginResetModel();
    m_movies = std::move(movies);
    endResetModel();
}

QStringList SearchResultModel::headers()
{
    return {tr("ID"),     tr("Title"),  tr("Director"),
            tr("Genre1"), tr("Genre2"), tr("Genre3"),
            tr("Medium"), tr("Format"), tr("Rating"),
            tr("Release"), tr("Time"),  tr("Num of Discs"),
            tr("Stars")};
}

int SearchResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_movies.size());
}

int SearchResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(FoundMovie::ColumnCount);
}

QVariant SearchResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_movies.size() || index.column() >= FoundMovie::ColumnCount)
        return {};
    const FoundMovie &m = m_movies.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return m.text[index.column()];
    case Qt::FontRole:
        if (m.bold[index.column()]) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case IdRole:
        return m.id;
    default:
        return {};
    }
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < FoundMovie::ColumnCount)
        return headers().at(section);
    return {};
}

void SearchResultModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= FoundMovie::ColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> ids;
    for (const QModelIndex &i : before)
        ids << m_movies.at(i.row()).id;

    std::stable_sort(m_movies.begin(), m_movies.end(), [&](const FoundMovie &a, const FoundMovie &b) {
        const int c = QString::compare(a.text[column], b.text[column], Qt::CaseInsensitive);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });

    // Rows are identified by their movie, which is unique in a result.
    QHash<int, int> rowOf;
    for (int row = 0; row < m_movies.size(); ++row)
        rowOf.insert(m_movies.at(row).id, row);
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k)
        after << index(rowOf.value(ids.at(k)), before.at(k).column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
