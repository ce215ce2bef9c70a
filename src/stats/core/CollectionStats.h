#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>

class ReadConnection;

// The shape of a collection: how its movies fall into genres, decades, media, formats and the
// user's star ratings, the loans that are out, and totals. Texts are grouped without regard to
// letter case; a group is labelled with the first spelling met in ID order.
namespace Stats {

enum class Chart { Genre, Decade, Medium, Format, UserRating, Borrower };

// One bar or slice. key identifies the group for moviesIn(); an empty key is the group of movies
// without a value (no genre, no year, no medium ...). For decades the key is the decade's first
// year ("1990"), for star ratings the number of stars ("0" is not rated).
struct Bucket {
    QString key;
    QString label;
    qint64 count = 0;
};

struct OpenLoan {
    int loanId = 0;
    int movieId = 0;
    QString title;
    QString borrower;
    QDate dateOut;   // invalid when the loan has no readable date
    qint64 daysOut = -1; // -1 when the date is unknown
};

struct Totals {
    qint64 movies = 0;
    // Each movie counts its number of discs; one when the count is empty or not a number.
    qint64 discs = 0;
    qint64 episodes = 0;
    qint64 runningMinutes = 0;
    qint64 withCovers = 0;
};

struct CollectionStats {
    // Genres, media, formats and borrowers: most movies first. A movie counts once in each of its
    // (different) genres. Decades in order, the movies without a year last. Star ratings 0..7.
    QList<Bucket> genres, decades, mediums, formats, userRatings, borrowers;
    // The loans out longest, oldest first.
    QList<OpenLoan> longestOut;
    qint64 openLoans = 0;
    Totals totals;

    const QList<Bucket> &buckets(Chart chart) const;
};

constexpr int LongestOutRows = 10;

// Reads the catalogue in short read transactions (other programs may save meanwhile). cancel, when
// given and set, stops early; the result is then incomplete. Throws CinelogError.
CollectionStats collect(ReadConnection &db, const QDate &today, const std::atomic_bool *cancel = nullptr);
// The same on the catalogue file at path, the movies read by that many threads at once (each with
// its own connection) on a large catalogue. Gives what collect() gives.
CollectionStats collect(const QString &path, const QDate &today, const std::atomic_bool *cancel = nullptr,
                        int threads = 2);

// The movies of the groups with these keys in a chart (ascending IDs), classified exactly as
// collect() counts them. Throws CinelogError.
QList<int> moviesIn(ReadConnection &db, Chart chart, const QStringList &keys);

// The year a release-year text names ("1999", "1999-05-01"), or 0 when it names none.
int releaseYear(const QString &text);

} // namespace Stats
