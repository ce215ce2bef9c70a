#include "BatchFill.h"

#include "CatalogueHistory.h"

#include "Catalogue.h"
#include "ProgressSink.h"

#include <QSqlQuery>

using MovieInfo::Status;

BatchFill::BatchFill(Catalogue &catalogue, MovieInfoSource &source, MovieDetailsSettings settings)
    : m_cat(catalogue)
    , m_source(source)
    , m_settings(std::move(settings))
{
}

Status BatchFill::fillWith(int movieId, const QString &sourceId)
{
    MovieInfo::Details details;
    if (const Status s = m_source.details(sourceId, details); s != Status::Ok)
        return s;
    const MovieDetails::Current current = MovieDetails::readMovie(m_cat, movieId);
    const MovieDetails::Plan plan = MovieDetails::plan(details, current, m_settings);
    const QSet<MovieDetails::Field> chosen = plan.defaultChoice();
    QByteArray cover;
    if (chosen.contains(MovieDetails::Field::Cover)) {
        const Status s = m_source.picture(plan.posterPath, m_settings.posterSize, cover);
        // A poster the image server does not have leaves the cover as it is; any other failure
        // stops before the movie is written.
        if (s != Status::Ok && s != Status::NotFound)
            return s;
    }
    MovieDetails::apply(m_cat, movieId, plan, chosen, cover);
    return Status::Ok;
}

BatchFill::Result BatchFill::run(const QList<int> &movieIds, ProgressSink &progress, const std::function<bool()> &cancelled)
{
    // The whole batch is one step of the undo history (a network wait between two movies is not
    // the end of the user's action).
    CatalogueHistory::Group step(CatalogueHistory::of(m_cat));
    Result result;
    progress.ShowProgress(QCoreApplication::translate("BatchFill", "Filling movie details..."), 0, int(movieIds.size()));
    int done = 0;
    for (int id : movieIds) {
        if (cancelled && cancelled()) {
            result.cancelled = true;
            break;
        }
        const MovieDetails::Current current = MovieDetails::readMovie(m_cat, id);
        const Movie movie{id, current.title, current.releaseYear.trimmed().left(4)};
        Status status = Status::Ok;
        if (!current.sourceId.isEmpty()) {
            ++result.skipped;
        } else if (movie.title.trimmed().isEmpty()) {
            result.notFound << movie;
        } else {
            QList<MovieInfo::SearchResult> found;
            status = m_source.search(movie.title, movie.year, found);
            // A year that does not match TMDb's (a disc's year, say) should not hide the movie.
            if (status == Status::Ok && found.isEmpty() && !movie.year.isEmpty())
                status = m_source.search(movie.title, QString(), found);
            if (status == Status::Ok) {
                const int match = MovieDetails::unambiguousMatch(found, movie.title, movie.year);
                if (found.isEmpty())
                    result.notFound << movie;
                else if (match < 0)
                    result.needsChoice.append({movie, found});
                else if ((status = fillWith(id, found[match].id)) == Status::Ok)
                    ++result.filled;
            }
        }
        if (status == Status::Cancelled) {
            result.cancelled = true;
            break;
        }
        if (status != Status::Ok) {
            result.failure = m_source.lastError();
            result.failedMovieId = id;
            break;
        }
        progress.UpdateProgress(++done);
        progress.letEventsRun();
    }
    if (done < movieIds.size())
        progress.UpdateProgress(movieIds.size()); // closes the progress display
    return result;
}

QList<int> BatchFill::moviesWithEmptyDetails(Catalogue &catalogue)
{
    const bool withId = catalogue.scalar(QStringLiteral("SELECT 1 FROM pragma_table_info('Movies') WHERE name = ?"),
                                         {MovieDetails::SourceIdColumn}).isValid();
    // sql-identifiers: a fixed condition or none
    QSqlQuery q = catalogue.exec(QStringLiteral("SELECT ID FROM Movies WHERE coalesce(Director, '') = '' AND "
                                                "coalesce(ReleaseYear, '') = '' AND coalesce(RunningTime, '') = '' AND "
                                                "coalesce(Genre1, '') = ''%1 ORDER BY ID")
                                     .arg(withId ? QStringLiteral(" AND ") + MovieDetails::SourceIdColumn + QStringLiteral(" IS NULL")
                                                 : QString()));
    QList<int> out;
    while (q.next())
        out << q.value(0).toInt();
    return out;
}
