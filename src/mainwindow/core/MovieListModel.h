#pragma once

#include "FilterTexts.h"

#include <QAbstractTableModel>
#include <QList>
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
// shows; movies with equal texts keep their previous order. Each column is read along an index on
// its text (or its folded key), so that sorting a large list is one pass, not a sort.
//
// A filter narrows the list to the movies whose title, sort key or director contain every word of a
// text, or to a set of movie IDs. The list keeps its order under a filter; a movie changed in memory
// keeps its place until the filter is set again.
class MovieListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColID, ColTitle, ColOrderBy, ColDirector, ColGenre1, ColGenre2, ColGenre3, ColMedium, ColFormat,
                  ColRating, ColRelease, ColTime, ColNumDiscs, ColStars, ColURL, ColumnCount };
    static QStringList headers();
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
    // Removes the movie whether the filter shows it or hides it.
    void removeMovie(int movieId);

    // Narrows the list to the movies whose title, sort key or director contain every word of text
    // (case-blind, in any order; '%' and '_' are plain characters). An empty text shows every movie.
    // The movies' texts are looked through in memory (FilterTexts), every row found at once. With the
    // cast included the indexes find the words; there words of fewer than three letters have no
    // index: the first page of rows is found at once by reading along the list, and the rest (and
    // so the count) follows in slices from the event loop, or at once with finishFilter();
    // filterFinished() tells when.
    void setTextFilter(const QString &text);
    // Whether a text filter also finds movies by the names of their actors (when the catalogue has the
    // actors' index); a text filter in force is applied again.
    void setCastIncluded(bool included);
    bool castIncluded() const { return m_castIncluded; }
    // Narrows the list to these movies.
    void setIdFilter(const QList<int> &movieIds);
    void clearFilter();
    enum class FilterKind { None, Text, Ids };
    FilterKind filterKind() const { return m_filterKind; }
    bool filterActive() const { return m_filterKind != FilterKind::None; }
    // Whether rows of the filter are still being found.
    bool filterPending() const { return m_scan.active; }
    // Finds the rest of the filter's rows now.
    void finishFilter();
    // Makes the first keystroke of a text filter as quick as the next (the movies' texts are read
    // into memory once, about a third of a second at a million movies); for when the box gets focus.
    void prepareFilter();
    // Bytes the filter's texts take in memory (for measurements).
    std::size_t filterTextBytes() const { return m_texts.heldBytes(); }
    // Movies in the list without the filter.
    int unfilteredCount() const { return int(m_allIds.size()); }
    // Whether the movie is in the list without the filter (shown or hidden by it).
    bool holdsMovie(int movieId) const;

    // How many rows' texts are held at the moment (for tests and measurements).
    int cachedRows() const { return int(m_cache.size()); }

signals:
    // The filter's rows are all in the list (at once, or after the slices of a short text).
    void filterFinished();

private:
    struct Row {
        std::array<QString, ColumnCount> text;
        QString loanedTo; // empty: not on loan
        bool loaned = false;
    };
    const Row &rowAt(int row) const;
    void fetchPage(int row) const;
    QString idText(int id) const;
    void setTexts(Row &r, const MovieRecord &m, bool includeStars);
    std::vector<int> sortedIds(int column, Qt::SortOrder order) const;
    std::vector<int> sortedByIdText(bool ascending) const;
    // Drops the movie from the unfiltered list and from every row held for it.
    void forgetMovie(int id);
    void applyFilter();
    // expected: how many rows it will be, where known.
    void showMatching(bool reset, std::size_t expected = 0);
    bool matches(int id) const { return id >= 0 && size_t(id) < m_match.size() && m_match[size_t(id)]; }
    void mark(int id);
    // Marks a movie a filter found, passing over IDs past the list's (movies added since it was read).
    void markFound(qint64 id)
    {
        if (id >= 0 && quint64(id) < m_match.size())
            m_match[size_t(id)] = true;
    }
    void scanSlice();

    std::vector<int> m_allIds;     // every movie of the list in display order, filter or not
    FilterKind m_filterKind = FilterKind::None;
    QStringList m_words;           // the folded words of a text filter
    QList<int> m_filterIds;        // the movies of an ID filter
    std::vector<bool> m_match;     // by movie ID: in the filter's result (a bit each, so that the list's
                                   // walk through it in its own order stays in the processor's cache)
    struct Scan {                  // the reading of a short text's matches in slices of movie IDs
        bool active = false;
        qint64 nextId = 0;
        qint64 lastId = 0;
        bool source = false;       // read from the text index's copy of the keys
        bool cast = false;         // the actors' names count too
    } m_scan;
    bool m_castIncluded = false;
    FilterTexts m_texts;           // the texts the filter looks through when the cast is not included

    Catalogue *m_catalogue = nullptr;
    std::vector<int> m_ids;        // the movies in display order
    int m_idWidth = 0;             // zero-padding of the ID texts
    QSet<int> m_unpadded;          // movies appended since the fill: their ID text is not padded
    QHash<int, Row> m_changed;     // rows set by appendMovie/updateMovie/setStars, kept until the next fill
    mutable QHash<int, Row> m_cache; // rows read from the catalogue, by movie ID
    Row m_empty;
};
