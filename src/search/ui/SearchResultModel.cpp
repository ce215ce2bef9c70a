#include "SearchResultModel.h"

#include "CinelogError.h"
#include "PagedRows.h"

#include <QFont>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Rows of texts kept at most; beyond this the held rows are dropped and read again when shown.
constexpr qsizetype MaxCachedRows = 64 * MovieSearch::PageRows;

} // namespace

void SearchResultModel::setResult(MovieSearch &search, FoundMovies found)
{
    beginResetModel();
    m_search = &search;
    m_found = std::move(found);
    m_cache.clear();
    endResetModel();
}

void SearchResultModel::clear()
{
    beginResetModel();
    m_search = nullptr;
    m_found = {};
    m_cache.clear();
    endResetModel();
}

QString SearchResultModel::title(int row) const
{
    if (row < 0 || row >= m_found.ids.size())
        return {};
    return rowAt(row).text[FoundMovie::Title];
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
    return parent.isValid() ? 0 : int(m_found.ids.size());
}

int SearchResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(FoundMovie::ColumnCount);
}

void SearchResultModel::fetchPage(int row) const
{
    if (!m_search)
        return;
    if (m_cache.size() + MovieSearch::PageRows > MaxCachedRows)
        m_cache.clear();
    const int first = row - row % MovieSearch::PageRows;
    const int last = std::min(int(m_found.ids.size()), first + MovieSearch::PageRows);
    QList<int> wanted;
    for (int r = first; r < last; ++r)
        if (const int id = m_found.ids.at(r); !m_cache.contains(id))
            wanted << id;
    if (wanted.isEmpty())
        return;
    for (FoundMovie &m : m_search->rows(wanted, m_found.criteria, m_found.idWidth))
        m_cache.insert(m.id, std::move(m));
    // A movie deleted since the search has no row: it is held empty, so it is not asked for again.
    for (int id : std::as_const(wanted))
        if (!m_cache.contains(id))
            m_cache.insert(id, m_empty);
}

const FoundMovie &SearchResultModel::rowAt(int row) const
{
    return pagedRow(m_cache, m_found.ids.at(row), m_empty, [&] { fetchPage(row); });
}

QVariant SearchResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_found.ids.size() || index.column() >= FoundMovie::ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return rowAt(index.row()).text[index.column()];
    case Qt::FontRole:
        if (rowAt(index.row()).bold[index.column()]) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case IdRole:
        return m_found.ids.at(index.row());
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
    if (column < 0 || column >= FoundMovie::ColumnCount || !m_search || m_found.ids.isEmpty())
        return;
    // Read before the layout is announced, so that a failing catalogue leaves the list as it was.
    const QStringList texts = m_search->columnTexts(m_found.ids, column, m_found.idWidth);

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> ids;
    for (const QModelIndex &i : before)
        ids << m_found.ids.at(i.row());

    // Rows with equal texts keep the order they had.
    std::vector<int> rows(size_t(m_found.ids.size()));
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const int c = QString::compare(texts.at(a), texts.at(b), Qt::CaseInsensitive);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    QList<int> sorted;
    sorted.reserve(m_found.ids.size());
    for (int r : rows)
        sorted << m_found.ids.at(r);
    m_found.ids = std::move(sorted);

    // Rows are identified by their movie, which is unique in a result.
    QHash<int, int> rowOf;
    rowOf.reserve(m_found.ids.size());
    for (int row = 0; row < m_found.ids.size(); ++row)
        rowOf.insert(m_found.ids.at(row), row);
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k)
        after << index(rowOf.value(ids.at(k)), before.at(k).column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
