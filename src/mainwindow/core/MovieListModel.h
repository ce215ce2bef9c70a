#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class Catalogue;
struct MovieRecord;

// The rows of the main movie list: every movie of the catalogue with its fifteen column texts, the
// movies on loan marked red with the borrower in their tooltip. Columns sort as text.
class MovieListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColID, ColTitle, ColOrderBy, ColDirector, ColGenre1, ColGenre2, ColGenre3, ColMedium, ColFormat,
                  ColRating, ColRelease, ColTime, ColNumDiscs, ColStars, ColURL, ColumnCount };
    static const QStringList &headers();
    static constexpr int MovieIdRole = Qt::UserRole + 1;

    explicit MovieListModel(QObject *parent = nullptr);

    // Refills from the catalogue in Order By order; the ID texts are padded with zeros to the width
    // of the ID of the last movie in that order. progress(i, n) is called now and then.
    void fill(Catalogue &catalogue, const std::function<void(qint64, qint64)> &progress = {});
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    int movieId(int row) const;
    int rowOfMovie(int movieId) const;
    QString text(int row, int column) const;
    bool isLoaned(int row) const;

    // "95 min", or "NA" for an empty running time.
    static QString timeText(const QString &runningTime);

    // Adds a row for a newly stored movie (its ID text without padding); returns the row.
    int appendMovie(const MovieRecord &m, const QString &loanedTo = QString());
    // Replaces every column but ID and Stars.
    void updateMovie(int row, const MovieRecord &m);
    void setStars(int row, int stars);
    void removeMovieRow(int row);

private:
    struct Row {
        int id = 0;
        std::array<QString, ColumnCount> text;
        QString loanedTo; // empty: not on loan
        bool loaned = false;
    };
    void setTexts(Row &r, const MovieRecord &m, bool includeStars);
    std::vector<Row> m_rows;
};
