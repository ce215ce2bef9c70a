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

int save(Catalogue &cat, int episodeId, int movieId, const QString &title, int epsNum, int discNum)
{
    Schema::refuseOverlongText(QStringLiteral("Title"), title);
    if (episodeId == 0) {
        QSqlQuery q = cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, ?)"),
                               {movieId, NullIfEmpty(title), epsNum, discNum});
        return q.lastInsertId().toInt();
    }
    QSqlQuery q = cat.exec(
        QStringLiteral("UPDATE Episodes SET MovID = ?, Title = ?, epsNum = ?, discNum = ? WHERE episodeID = ?"),
        {movieId, NullIfEmpty(title), epsNum, discNum, episodeId});
    if (q.numRowsAffected() < 1)
        throw CinelogError(3021, QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                                                "Requested operation requires a current record."));
    return episodeId;
}

void remove(Catalogue &cat, int episodeId)
{
    cat.exec(QStringLiteral("DELETE FROM Episodes WHERE episodeID = ?"), {episodeId});
}

} // namespace Episodes
