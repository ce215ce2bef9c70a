#include "MovieExportReader.h"

#include "Catalogue.h"
#include "ImportHeadings.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString jsonIds(const QList<int> &ids)
{
    QJsonArray a;
    for (int id : ids)
        a.append(id);
    return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact));
}

QString text(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

} // namespace

MovieExportReader::MovieExportReader(Catalogue &catalogue, std::optional<QList<int>> movieIds, int pageSize)
    : m_cat(catalogue), m_ids(std::move(movieIds)), m_pageSize(std::max(1, pageSize))
{
    m_count = m_ids ? int(m_ids->size()) : m_cat.scalar(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt();
}

QList<int> MovieExportReader::nextIds()
{
    QList<int> ids;
    if (m_ids) {
        ids = m_ids->mid(m_next, m_pageSize);
        m_next += ids.size();
    } else {
        QSqlQuery q = m_cat.exec(QStringLiteral("SELECT ID FROM Movies WHERE ID > ? ORDER BY ID LIMIT ?"), {m_lastId, m_pageSize});
        while (q.next())
            ids << q.value(0).toInt();
        if (!ids.isEmpty())
            m_lastId = ids.last();
    }
    return ids;
}

bool MovieExportReader::nextPage(QList<ExportRow> &rows)
{
    rows.clear();
    if (m_done)
        return false;
    m_cat.transaction([&] {
        const QList<int> ids = nextIds();
        if (ids.isEmpty()) {
            m_done = true;
            return;
        }
        const QString list = jsonIds(ids);
        QHash<int, qsizetype> rowOf;
        rows.reserve(ids.size());
        QSqlQuery q = m_cat.exec(QStringLiteral("SELECT ID, Title, OrderBy, Director, Genre1, Genre2, Genre3, Medium, Format, "
                                                "Rating, ReleaseYear, RunningTime, NumDiscs, UserRating, URL, EpisodeDisc, "
                                                "CoverData IS NOT NULL AND length(CoverData) > 0 "
                                                "FROM Movies WHERE ID IN (SELECT value FROM json_each(?))"),
                                 {list});
        QHash<int, ExportRow> byId;
        while (q.next()) {
            ExportRow r;
            r.movieId = q.value(0).toInt();
            r.values.reserve(ExportColumn::Count);
            r.values << QString::number(r.movieId);
            for (int c = 1; c <= 12; ++c)
                r.values << text(q.value(c));
            r.values << QString::number(q.value(13).toInt()); // user rating, 0 when none
            r.values << text(q.value(14));
            r.values << (q.value(15).toInt() != 0 ? QStringLiteral("Yes") : QStringLiteral("No"));
            r.values << QString() << QString() << QString() << QString();
            r.hasCover = q.value(16).toInt() != 0;
            byId.insert(r.movieId, std::move(r));
        }
        // A movie deleted since its ID was read is left out.
        for (int id : ids)
            if (auto it = byId.find(id); it != byId.end()) {
                rowOf.insert(id, rows.size());
                rows << std::move(*it);
            }

        QHash<int, QStringList> cast, episodes;
        QSqlQuery c = m_cat.exec(QStringLiteral("SELECT l.MovID, a.Actor, l.PlayingAs FROM MovActLink l JOIN Actors a ON a.ID = l.ActID "
                                                "WHERE l.MovID IN (SELECT value FROM json_each(?)) ORDER BY l.MovID, l.rowid"),
                                 {list});
        while (c.next())
            cast[c.value(0).toInt()] << ImportLists::castItem({text(c.value(1)), text(c.value(2))});
        QSqlQuery e = m_cat.exec(QStringLiteral("SELECT MovID, discNum, epsNum, Title FROM Episodes "
                                                "WHERE MovID IN (SELECT value FROM json_each(?)) ORDER BY MovID, discNum, epsNum, episodeID"),
                                 {list});
        while (e.next())
            episodes[e.value(0).toInt()] << ImportLists::episodeItem({text(e.value(1)), text(e.value(2)), text(e.value(3))});
        for (auto it = cast.cbegin(); it != cast.cend(); ++it)
            if (const auto r = rowOf.constFind(it.key()); r != rowOf.cend())
                rows[*r].values[ExportColumn::Cast] = ImportLists::join(it.value());
        for (auto it = episodes.cbegin(); it != episodes.cend(); ++it)
            if (const auto r = rowOf.constFind(it.key()); r != rowOf.cend())
                rows[*r].values[ExportColumn::Episodes] = ImportLists::join(it.value());

        QSqlQuery l = m_cat.exec(QStringLiteral("SELECT MovieID, LoanedTo, DateOut FROM LoanOut "
                                                "WHERE DateIn IS NULL AND MovieID IN (SELECT value FROM json_each(?)) ORDER BY ID"),
                                 {list});
        while (l.next())
            if (const auto r = rowOf.constFind(l.value(0).toInt()); r != rowOf.cend()) {
                rows[*r].values[ExportColumn::LoanedTo] = text(l.value(1));
                rows[*r].values[ExportColumn::LoanedSince] = text(l.value(2)).left(10);
            }
    });
    if (rows.isEmpty() && !m_done)
        return nextPage(rows); // every movie of this page was deleted meanwhile
    return !rows.isEmpty();
}
