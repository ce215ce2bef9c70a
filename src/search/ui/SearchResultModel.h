#pragma once

#include "MovieSearch.h"

#include <QAbstractTableModel>
#include <QHash>

// The movies found by a search, one row each, thirteen columns. Cells whose value equals the
// searched text are bold. Sorting compares the shown texts, as the user sees them.
//
// Only the movies' IDs are held for the whole result, in the order shown; the texts of a row are
// read from the catalogue a page at a time when the view (or a caller) first asks for them, and a
// bounded number of rows is kept. A movie deleted from the catalogue after the search keeps its row
// with empty texts, so the rows the user sees do not move under the pointer.
class SearchResultModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    static constexpr int IdRole = Qt::UserRole + 1;

    // Shows the movies found; their texts are read through search, which must outlive the model
    // or be replaced (clear() forgets it).
    void setResult(MovieSearch &search, FoundMovies found);
    void clear();
    // The movies listed, in the order shown.
    const QList<int> &movieIds() const { return m_found.ids; }
    int movieId(int row) const { return m_found.ids.value(row); }
    QString title(int row) const;

    static QStringList headers();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Reads the column's text of every movie listed; throws CinelogError when the catalogue fails
    // (the order is then left as it was).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // How many rows' texts are held at the moment (for tests and measurements).
    int cachedRows() const { return int(m_cache.size()); }

private:
    const FoundMovie &rowAt(int row) const;
    void fetchPage(int row) const;

    MovieSearch *m_search = nullptr;
    FoundMovies m_found;
    mutable QHash<int, FoundMovie> m_cache; // rows read, by movie ID
    FoundMovie m_empty;
};
