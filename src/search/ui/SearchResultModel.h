#pragma once

#include "MovieSearch.h"

#include <QAbstractTableModel>

// The movies found by a search, one row each, thirteen columns. Cells whose value equals the
// searched text are bold. Sorting compares the shown texts, as the user sees them.
class SearchResultModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    static constexpr int IdRole = Qt::UserRole + 1;

    void setMovies(QList<FoundMovie> movies);
    void clear() { setMovies({}); }
    const QList<FoundMovie> &movies() const { return m_movies; }
    int movieId(int row) const { return m_movies.value(row).id; }
    QString title(int row) const { return m_movies.value(row).text[FoundMovie::Title]; }

    static QStringList headers();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QList<FoundMovie> m_movies;
};
