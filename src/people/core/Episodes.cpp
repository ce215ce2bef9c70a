#include "Episodes.h"

#include "Catalogue.h"
#include "Schema.h"

namespace Episodes {

QList<Episode> list(Catalogue &cat, int movieId)
{
    QSqlQuery q = cat.exec(
        QStringLiteral("SELECT episodeID, MovID, Title, epsNum, discNum FROM Episodes WHERE MovID = ? ORDER BY epsNum, episodeID"),
        {movieId});
    QList<Episode> out;
    while (q.next()) {
        Episode e;
        e.id = q.value(0).toInt();
        e.movieId = q.value(1).toInt();
        e.title = q.value(2).toString();
        e.epsNum = q.value(3).isNull() ? QString() : q.value(3).toString();
        e.discNum = q.value(4).isNull() ? QString() : q.value(4).toString();
        out << e;
    }
    return out;
}

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

qint64 changeCount(Catalogue &cat, int movieId)
{
    if (!cat.scalar(QStringLiteral("SELECT 1 FROM pragma_table_info('Movies') WHERE name = 'EpisodeChangeCount'")).isValid())
        return -1;
    const QVariant v = cat.scalar(QStringLiteral("SELECT EpisodeChangeCount FROM Movies WHERE ID = ?"), {movieId});
    return v.isValid() ? v.toLongLong() : -1;
}

namespace {

// Runs change in one transaction, refusing it when the movie's episodes changed since *seen was
// read (checked under the write lock, so nobody can change them in between).
template <typename F>
void changeChecked(Catalogue &cat, int movieId, qint64 *seen, F &&change)
{
    cat.transaction([&] {
        if (seen && *seen >= 0) {
            const qint64 now = changeCount(cat, movieId);
            if (now >= 0 && now != *seen)
                throw CinelogError(CatalogueError::ChangedElsewhere,
                                   logged("Episodes", "The episodes of this movie were changed by another program after they "
                                                  "were shown here."));
        }
        change();
        if (seen)
            *seen = changeCount(cat, movieId);
    });
}

} // namespace

int save(Catalogue &cat, int episodeId, int movieId, const QString &title, int epsNum, int discNum, qint64 *seen)
{
    Schema::refuseOverlongText(QStringLiteral("Title"), title);
    int id = episodeId;
    changeChecked(cat, movieId, seen, [&] {
        if (episodeId == 0) {
            QSqlQuery q = cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, ?)"),
                                   {movieId, NullIfEmpty(title), epsNum, discNum});
            id = q.lastInsertId().toInt();
            return;
        }
        QSqlQuery q = cat.exec(
            QStringLiteral("UPDATE Episodes SET MovID = ?, Title = ?, epsNum = ?, discNum = ? WHERE episodeID = ?"),
            {movieId, NullIfEmpty(title), epsNum, discNum, episodeId});
        if (q.numRowsAffected() < 1)
            throw CinelogError(3021, logged("Episodes", "Either BOF or EOF is True, or the current record has been deleted. "
                                                    "Requested operation requires a current record."));
    });
    return id;
}

void remove(Catalogue &cat, int episodeId, qint64 *seen)
{
    if (!seen) {
        cat.exec(QStringLiteral("DELETE FROM Episodes WHERE episodeID = ?"), {episodeId});
        return;
    }
    const QVariant movie = cat.scalar(QStringLiteral("SELECT MovID FROM Episodes WHERE episodeID = ?"), {episodeId});
    // An episode already gone was removed elsewhere: that is a change of the list too.
    if (!movie.isValid()) {
        if (*seen >= 0)
            throw CinelogError(CatalogueError::ChangedElsewhere,
                               logged("Episodes", "The episodes of this movie were changed by another program after they "
                                              "were shown here."));
        return;
    }
    changeChecked(cat, movie.toInt(), seen,
                  [&] { cat.exec(QStringLiteral("DELETE FROM Episodes WHERE episodeID = ?"), {episodeId}); });
}

} // namespace Episodes
