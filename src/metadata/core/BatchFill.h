#pragma once

#include "MovieDetails.h"

#include <functional>

class Catalogue;
class ProgressSink;

// Fills many movies from an online source: a match is taken without asking only when it is
// unambiguous; the others are kept for the user to resolve one at a time. Each movie is its own
// transaction, so a cancel or a failure keeps what is done and leaves the current movie untouched.
class BatchFill
{
public:
    struct Movie
    {
        int id = 0;
        QString title;
        QString year;
    };
    struct Pending
    {
        Movie movie;
        QList<MovieInfo::SearchResult> results;
    };
    struct Result
    {
        int filled = 0;
        int skipped = 0;           // already matched before (they have a source ID)
        QList<Pending> needsChoice;
        QList<Movie> notFound;
        bool cancelled = false;
        // The failure that stopped the run (status Ok when none), and the movie it happened on.
        MovieInfo::Error failure;
        int failedMovieId = 0;
        bool stopped() const { return cancelled || failure.status != MovieInfo::Status::Ok; }
    };

    BatchFill(Catalogue &catalogue, MovieInfoSource &source, MovieDetailsSettings settings);

    // Runs over the movies in order. progress gets one step per movie; cancelled is asked between
    // movies (cancel the source to end a running request at once).
    Result run(const QList<int> &movieIds, ProgressSink &progress, const std::function<bool()> &cancelled = {});

    // Fills one movie from the source's movie sourceId with the default choice of fields (the
    // empty ones). Ok, or the failure; the movie is untouched unless Ok.
    MovieInfo::Status fillWith(int movieId, const QString &sourceId);
    MovieInfo::Error lastError() const { return m_source.lastError(); }

    // Movies without a source ID whose director, year, running time and first genre are all empty.
    static QList<int> moviesWithEmptyDetails(Catalogue &catalogue);

private:
    Catalogue &m_cat;
    MovieInfoSource &m_source;
    MovieDetailsSettings m_settings;
};
