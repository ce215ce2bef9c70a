#pragma once

#include "MovieDetailsSettings.h"
#include "MovieInfoInterface.h"

#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class Catalogue;

// Filling a movie from an online source's details: what each field would become, and the one
// catalogue change that applies the chosen fields.
namespace MovieDetails {

enum class Field { Title, ReleaseYear, RunningTime, Genres, Director, Cast, Rating, URL, Cover };

// The fields of a stored movie a fill may change, as they are now.
struct Current
{
    int id = 0; // 0: a new movie
    QString title, releaseYear, runningTime, genre1, genre2, genre3, director, rating, url;
    int castSize = 0;
    bool hasCover = false;
    QString sourceId; // the TMDb ID stored with the movie, empty when none
};
// Throws CinelogError when the movie is not in the catalogue.
Current readMovie(Catalogue &catalogue, int movieId);

struct CastLine
{
    QString name;     // in the catalogue's form
    QString given;    // as the source wrote it
    QString role;
};

// One row of the "what would change" table.
struct Proposal
{
    Field field;
    QString label;
    QString current;
    QString proposed;
    bool ticked = false; // the default: fill what is empty, never overwrite what the user typed
};

struct Plan
{
    QString sourceId;
    QString title, releaseYear, runningTime, director, directorGiven, rating, url;
    QStringList genres; // at most three
    QList<CastLine> cast;
    QString posterPath; // empty: the source has no poster
    QList<Proposal> fields;

    bool ticked(Field f) const;
    QSet<Field> defaultChoice() const;
};

// What filling current from details would change, with the default ticks.
Plan plan(const MovieInfo::Details &details, const Current &current, const MovieDetailsSettings &settings);

// Applies the chosen fields of plan to the movie (a new movie when movieId is 0) in one
// transaction, and stores the source's ID with it; cover holds the poster's bytes when Cover is
// chosen. New genres, directors and actors join their pick lists; an actor already in the
// catalogue in either name form is reused, and one already in the cast is not added twice.
// Medium, format, discs and the user's rating are never touched. Returns the movie's ID.
int apply(Catalogue &catalogue, int movieId, const Plan &plan, const QSet<Field> &chosen, const QByteArray &cover = {});

// The name in the catalogue's form.
QString catalogueName(const QString &given, MovieDetailsSettings::NameForm form);
// The ID of the person stored under either form of the name (the catalogue's form first), 0 when none.
// table is "Actors" or "Directors".
int findPerson(Catalogue &catalogue, const QString &table, const QString &catalogueForm, const QString &given, QString *stored = nullptr);

// A choice among search results is taken without asking when it is unambiguous: the only result,
// or the only one whose title (or original title) equals title ignoring case and, when year is
// known, whose year equals it. -1 when the user must choose.
int unambiguousMatch(const QList<MovieInfo::SearchResult> &results, const QString &title, const QString &year);

// A message for a failed request that says what to do.
QString failureText(const MovieInfo::Error &error, const QString &sourceName);

// The movie-information sources among the plugins in folders, in the folders' order.
QList<MovieInfoFactory *> findSources(const QStringList &folders);
// A configured source from the first plugin found; nullptr with *why set when there is none.
std::unique_ptr<MovieInfoSource> createSource(const QStringList &folders, const MovieDetailsSettings &settings, QString *why);

// The column that keeps the source's ID with the movie.
inline const QString SourceIdColumn = QStringLiteral("TmdbID");

} // namespace MovieDetails

inline size_t qHash(MovieDetails::Field f, size_t seed = 0) { return ::qHash(int(f), seed); }
