#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class Catalogue;
struct MovieRecord;

// The rows of the main movie list: every movie of the catalogue with its fifteen column texts, the
// movies on loan marked red with the borrower in their tooltip. Columns sort as text without regard
// to letter case.
//
// Only the movie IDs are held for the whole list, in display order; the texts of a row are read from
// the catalogue a page at a time when the view (or a caller) first asks for them, and a bounded number
// of rows is kept. Sorting is done by the catalogue's engine, which compares the same texts the list
// shows; movies with equal texts keep their previous order.
class MovieListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColID, ColTitle, ColOrderBy, ColDirector, ColGenre1, ColGenre2, ColGenre3, ColMedium, ColFormat,
                  ColRating, ColRelease, ColTime, ColNumDiscs, ColStars, ColURL, ColumnCount };
    static const QStringList &headers();
    static constexpr int MovieIdRole = Qt::UserRole + 1;
    // The borrower of a movie on loan (any column); no value when it is not lent.
    static constexpr int LoanedToRole = Qt::UserRole + 2;
    // Rows read from the catalogue at a time.
    static constexpr int PageRows = 128;

    explicit MovieListModel(QObject *parent = nullptr);

    // Refills from the catalogue in Order By order; the ID texts are padded with zeros to the width
    // of the ID of the last movie in that order. progress(done, total) is called with the number of
    // movies first (0, total), now and then while the rows are read, and at the end (total, total).
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
    // The text colour of a loaned movie's row under the application's colour scheme.
    static QColor loanedColour();

    // Adds a row for a newly stored movie (its ID text without padding); returns the row.
    int appendMovie(const MovieRecord &m, const QString &loanedTo = QString());
    // Replaces every column but ID and Stars.
    void updateMovie(int row, const MovieRecord &m);
    void setStars(int row, int stars);
    void removeMovieRow(int row);

    // How many rows' texts are held at the moment (for tests and measurements).
    int cachedRows() const { return int(m_cache.size()); }

private:
    struct Row {
        std::array<QString, ColumnCount> text;
        QString loanedTo; // empty: not on loan
        bool loaned = false;
    };
    const Row &rowAt(int row) const;
    void fetchPage(int row) const;
    QString idText(int id) const;
    QString sortKey(int column) const;
    void setTexts(Row &r, const MovieRecord &m, bool includeStars);

    Catalogue *m_catalogue = nullptr;
    std::vector<int> m_ids;        // the movies in display order
    int m_idWidth = 0;             // zero-padding of the ID texts
    QSet<int> m_unpadded;          // movies appended since the fill: their ID text is not padded
    QHash<int, Row> m_changed;     // rows set by appendMovie/updateMovie/setStars, kept until the next fill
    mutable QHash<int, Row> m_cache; // rows read from the catalogue, by movie ID
    Row m_empty;
};
