#pragma once

#include "StepProgress.h"

#include <functional>

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class Catalogue;

// How the star rating of a movie is compared with the chosen number of stars.
enum class StarsComparison { Equal, AtMost, Less, Greater, AtLeast };

// What the user searches by. An empty text means the criterion is not used; the window keeps the
// input of an unchecked criterion empty, so "checked" and "has text" coincide here.
struct SearchCriteria {
    QString title;
    QString director;
    QString actor;        // first actor
    QString secondActor;  // only counts together with a first actor
    QString genre;        // first genre
    QString secondGenre;  // only counts together with a first genre
    QString format;
    QString rating;
    QString medium;
    int stars = 0; // 1..7; 0 = not used
    StarsComparison starsComparison = StarsComparison::Equal;
    // Title and director must equal the text instead of containing it.
    bool exactMatch = false;

    // Number of criteria in use (the second genre and actor are not counted on their own).
    int activeCount() const;
    bool hasCriteria() const { return activeCount() > 0; }
};

// One row of the result list.
struct FoundMovie {
    enum Column {
        ID, Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, Release, Time, NumDiscs, Stars,
        ColumnCount
    };

    int id = 0;
    // The texts shown, a null read as empty text. The ID text is zero-filled to the width of the
    // longest ID found, so the ID column sorts as text in numeric order.
    std::array<QString, ColumnCount> text;
    // Cells whose value equals the text searched for exactly, letter case included.
    std::array<bool, ColumnCount> bold{};
};

// The movies a search found, in the order the window lists them. Their row texts are read when
// they are shown (MovieSearch::rows), a page at a time.
struct FoundMovies {
    QList<int> ids;
    // What was searched for: the bold cells of a row are those equal to it.
    SearchCriteria criteria;
    // The ID texts are zero-filled to this width (that of the longest ID found).
    int idWidth = 0;
};

// Searches the open catalogue for movies and reads the pick lists of the search window.
class MovieSearch
{
public:
    explicit MovieSearch(Catalogue &catalogue);
    ~MovieSearch();

    // The movies matching every criterion in use, in the catalogue's sort order (OrderBy, then ID).
    // Empty when no criterion is in use or the first actor is not in the catalogue.
    // Throws CinelogError when the catalogue fails. progress(done, total) is called once the movies
    // are found with their number (0, total), now and then while they are put in order, and at the
    // end (total, total).
    using Progress = std::function<void(qint64 done, qint64 total)>;
    FoundMovies find(const SearchCriteria &criteria, const Progress &progress = {});
    // The rows of these movies (found by criteria), in the order given. A movie no longer in the
    // catalogue has no row. Throws CinelogError when the catalogue fails.
    QList<FoundMovie> rows(const QList<int> &ids, const SearchCriteria &criteria, int idWidth);
    // The texts one column shows for these movies, in the order given; empty text for a movie no
    // longer in the catalogue. Throws CinelogError when the catalogue fails.
    QStringList columnTexts(const QList<int> &ids, int column, int idWidth);
    // find() and the rows of every movie found.
    QList<FoundMovie> search(const SearchCriteria &criteria, const Progress &progress = {});

    // Rows read from the catalogue at a time by the result list.
    static constexpr int PageRows = 128;

    // Pick lists, in the order the window shows them.
    QStringList directors();
    QStringList actors();
    QStringList genres();
    // Media and formats in use, each spelling once, in order of first appearance; no empty entry.
    QStringList media();
    QStringList formats();
    // "" first; then the ratings in use and "XXX", or the standard ratings for an empty catalogue.
    QStringList ratings();

    // The actors of a movie in the order they were linked.
    QStringList castOf(int movieId);
    // The movie's web link; empty when it has none.
    QString movieUrl(int movieId);

    // The number of stars an entry of the stars list stands for ("4 Stars" -> 4); 0 for none.
    static int starsFromEntry(const QString &entry);
    // The comparison an entry of the comparison list stands for ("<=").
    static std::optional<StarsComparison> comparisonFromText(const QString &text);
    static QString textOf(StarsComparison c);

    // The entries of the stars list after its empty first entry: "1 Star", "2 Stars", ... "7 Stars".
    static QStringList starEntries();
    static QStringList comparisonEntries();

    static QString totalsText(int count)
    {
        return QCoreApplication::translate("MovieSearch", "Total Movies Found: %L1").arg(count);
    }

private:
    QStringList firstSpellings(const QString &column);
    class SortOrder;
    SortOrder &sortOrder();

    Catalogue &m_catalogue;
    std::unique_ptr<SortOrder> m_order;
};
