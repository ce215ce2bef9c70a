#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

class Catalogue;

// The rows of the main movie list: every movie of the catalogue with its fifteen column texts.
class MovieListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColID, ColTitle, ColOrderBy, ColDirector, ColGenre1, ColGenre2, ColGenre3, ColMedium, ColFormat,
                  ColRating, ColRelease, ColTime, ColNumDiscs, ColStars, ColURL, ColumnCount };
    static const QStringList &headers();

    explicit MovieListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<int> m_ids;
};
