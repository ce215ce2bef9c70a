#include "MovieStore.h"

#include "Catalogue.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QSqlQuery>
#include <functional>

namespace {

QString text(const QSqlQuery &q, int i)
{
    const QVariant v = q.value(i);
    return v.isNull() ? QString() : v.toString();
}

QStringList names(Catalogue &cat, const QString &sql)
{
    QStringList out;
    QSqlQuery q = cat.exec(sql);
    while (q.next())
        out << text(q, 0);
    return out;
}

// Distinct stored values in the order they first appear.
QStringList firstAppearance(Catalogue &cat, const QString &column, bool skipEmpty)
{
    QStringList out;
    // sql-identifiers: a column name from the schema
    const QString cond = skipEmpty ? QStringLiteral(" WHERE %1 IS NOT NULL AND %1 <> ''").arg(column) : QString();
    // sql-identifiers: a column name and a fixed condition
    QSqlQuery q = cat.exec(QStringLiteral("SELECT %1 FROM Movies%2 GROUP BY cinelog_fold(%1) ORDER BY MIN(ID)").arg(column, cond));
    while (q.next())
        out << text(q, 0);
    return out;
}

} // namespace

QString CleanReport::message() const
{
    QString report;
    report += QCoreApplication::translate("MovieStore", "Cleaned: %n unused Actors:", nullptr, int(actors.size())) + QLatin1Char('\r');
    for (const QString &a : actors)
        report += QStringLiteral("   ") + a + QLatin1Char('\r');
    report += QLatin1Char('\r');
    report += QCoreApplication::translate("MovieStore", "%n unused Directors:", nullptr, int(directors.size())) + QLatin1Char('\r');
    for (const QString &d : directors)
        report += QStringLiteral("   ") + d + QLatin1Char('\r');
    report += QLatin1Char('\r');
    return report;
}

bool MovieStore::hasChangeCounter()
{
    // A catalogue whose layout could not be brought up to date still opens; it has no counter.
    return m_cat.scalar(QStringLiteral("SELECT 1 FROM pragma_table_info('Movies') WHERE name = 'ChangeCount'")).isValid();
}

QVariant MovieStore::changeCounter(int id)
{
    return m_cat.scalar(QStringLiteral("SELECT ChangeCount FROM Movies WHERE ID = ?"), {id});
}

bool MovieStore::load(int id, MovieRecord &m)
{
    // The counter is read with the fields, so that it belongs to exactly what the editor shows.
    const bool counted = hasChangeCounter();
    // sql-identifiers: a fixed column or none
    QSqlQuery q = m_cat.exec(QStringLiteral(
        "SELECT ID, Title, OrderBy, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, NumDiscs, ReleaseYear, "
        "RunningTime, URL, UserRating, EpisodeDisc, length(CoverData) > 0%1 FROM Movies WHERE ID = ?")
                                 .arg(counted ? QStringLiteral(", ChangeCount") : QString()), {id});
    if (!q.next())
        return false;
    m.id = q.value(0).toInt();
    QString *fields[] = {&m.title, &m.orderBy, &m.director, &m.genre1, &m.genre2, &m.genre3, &m.medium,
                         &m.format, &m.rating, &m.numDiscs, &m.releaseYear, &m.runningTime, &m.url};
    for (int i = 0; i < 13; ++i)
        *fields[i] = text(q, i + 1);
    m.userRating = q.value(14).toInt();
    m.episodeDisc = q.value(15).toInt() != 0;
    m.hasCover = q.value(16).toBool();
    m_seen.erase(m.id);
    if (counted)
        m_seen[m.id] = q.value(17).toLongLong();
    return true;
}

int MovieStore::save(const MovieRecord &m, SaveMode mode)
{
    // Refused before anything is written, with the field named, rather than by the engine.
    const std::pair<const char *, const QString *> limited[] = {
        {"Title", &m.title}, {"Order By", &m.orderBy}, {"Director", &m.director}, {"Genre 1", &m.genre1},
        {"Genre 2", &m.genre2}, {"Genre 3", &m.genre3}, {"Medium", &m.medium}, {"Format", &m.format},
        {"Rating", &m.rating}, {"Year of Release", &m.releaseYear}, {"Running Time", &m.runningTime},
        {"# in Set", &m.numDiscs}};
    for (const auto &[name, value] : limited)
        Schema::refuseOverlongText(QLatin1String(name), *value);
    int id = m.id;
    const bool counted = hasChangeCounter();
    m_cat.transaction([&] {
        const QVariantList values = {NullIfEmpty(m.title), NullIfEmpty(m.director), NullIfEmpty(m.genre1),
                                     NullIfEmpty(m.genre2), NullIfEmpty(m.genre3), NullIfEmpty(m.medium),
                                     NullIfEmpty(m.format), NullIfEmpty(m.rating), NullIfEmpty(m.releaseYear),
                                     NullIfEmpty(m.runningTime), NullIfEmpty(m.numDiscs), m.userRating,
                                     NullIfEmpty(m.url), NullIfEmpty(m.orderBy), m.episodeDisc ? 1 : 0};
        if (id == 0) {
            QSqlQuery q = m_cat.exec(QStringLiteral(
                "INSERT INTO Movies (Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, ReleaseYear, "
                "RunningTime, NumDiscs, UserRating, URL, OrderBy, EpisodeDisc) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"), values);
            id = q.lastInsertId().toInt();
        } else {
            // Checked inside the write transaction, so that no other program can change the movie
            // between the check and the write.
            const auto seen = m_seen.find(id);
            if (counted && mode == SaveMode::IfUnchanged && seen != m_seen.end()) {
                const QVariant now = changeCounter(id);
                if (now.isValid() && now.toLongLong() != seen->second)
                    throw CinelogError(ChangedElsewhere,
                                       logged("MovieStore", "This movie was changed by another program after it was shown here."));
            }
            QVariantList v = values;
            v << id;
            QSqlQuery q = m_cat.exec(QStringLiteral(
                "UPDATE Movies SET Title = ?, Director = ?, Genre1 = ?, Genre2 = ?, Genre3 = ?, Medium = ?, Format = ?, "
                "Rating = ?, ReleaseYear = ?, RunningTime = ?, NumDiscs = ?, UserRating = ?, URL = ?, OrderBy = ?, "
                "EpisodeDisc = ? WHERE ID = ?"), v);
            if (q.numRowsAffected() < 1)
                throw CinelogError(3021, logged("MovieStore", "The movie is no longer in the catalogue."));
        }
        m_cat.exec(QStringLiteral("UPDATE LoanOut SET MovieTitle = ? WHERE MovieID = ?"), {NullIfEmpty(m.title), id});
        if (counted) {
            const QVariant counter = changeCounter(id);
            if (counter.isValid())
                m_seen[id] = counter.toLongLong();
        }
    });
    return id;
}

void MovieStore::remove(int id)
{
    m_seen.erase(id);
    m_cat.transaction([&] {
        m_cat.exec(QStringLiteral("DELETE FROM Movies WHERE ID = ?"), {id});
        m_cat.exec(QStringLiteral("DELETE FROM LoanOut WHERE MovieID = ?"), {id});
        m_cat.exec(QStringLiteral("DELETE FROM MovActLink WHERE MovID = ?"), {id});
    });
}

int MovieStore::copy(int id)
{
    int newId = 0;
    m_cat.transaction([&] {
        static const char *const cols = "Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, ReleaseYear, "
                                        "RunningTime, NumDiscs, URL, OrderBy";
        // sql-identifiers: the fixed movie column list
        QSqlQuery src = m_cat.exec(QStringLiteral("SELECT %1, UserRating FROM Movies WHERE ID = ?").arg(QLatin1String(cols)), {id});
        if (!src.next())
            throw CinelogError(3021, logged("MovieStore", "The movie is no longer in the catalogue."));
        QVariantList values;
        for (int i = 0; i < 13; ++i)
            values << NullIfEmpty(text(src, i));
        values << src.value(13);
        // sql-identifiers: the fixed movie column list
        QSqlQuery ins = m_cat.exec(QStringLiteral("INSERT INTO Movies (%1, UserRating) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                       .arg(QLatin1String(cols)), values);
        newId = ins.lastInsertId().toInt();
        m_cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) "
                                  "SELECT ?, ActID, PlayingAs FROM MovActLink WHERE MovID = ? ORDER BY rowid"), {newId, id});
    });
    return newId;
}

void MovieStore::setUserRating(int id, int rating)
{
    const auto seen = m_seen.find(id);
    if (seen == m_seen.end() || !hasChangeCounter()) {
        m_cat.exec(QStringLiteral("UPDATE Movies SET UserRating = ? WHERE ID = ?"), {rating, id});
        return;
    }
    // This program's own change: the movie as shown here stays current, unless another program
    // had changed it before.
    m_cat.transaction([&] {
        const QVariant before = changeCounter(id);
        m_cat.exec(QStringLiteral("UPDATE Movies SET UserRating = ? WHERE ID = ?"), {rating, id});
        if (before.isValid() && before.toLongLong() == seen->second) {
            const QVariant after = changeCounter(id);
            if (after.isValid())
                seen->second = after.toLongLong();
        }
    });
}

QString MovieStore::openLoanBorrower(int id)
{
    QSqlQuery q = m_cat.exec(QStringLiteral("SELECT LoanedTo FROM LoanOut WHERE MovieID = ? AND (DateIn IS NULL OR DateIn = '') "
                                            "ORDER BY ID LIMIT 1"), {id});
    return q.next() ? text(q, 0) : QString();
}

QVariant MovieStore::castCounter(int movieId)
{
    // A catalogue whose layout could not be brought up to date has no counter.
    if (!m_cat.scalar(QStringLiteral("SELECT 1 FROM pragma_table_info('Movies') WHERE name = 'CastChangeCount'")).isValid())
        return QVariant();
    return m_cat.scalar(QStringLiteral("SELECT CastChangeCount FROM Movies WHERE ID = ?"), {movieId});
}

void MovieStore::checkCastUnchanged(int movieId, SaveMode mode)
{
    const auto seen = m_seenCast.find(movieId);
    if (mode != SaveMode::IfUnchanged || seen == m_seenCast.end())
        return;
    const QVariant now = castCounter(movieId);
    if (now.isValid() && now.toLongLong() != seen->second)
        throw CinelogError(ChangedElsewhere, logged("MovieStore", "The cast of this movie was changed by another program after it "
                                                            "was shown here."));
}

void MovieStore::rememberCast(int movieId)
{
    const QVariant now = castCounter(movieId);
    if (now.isValid())
        m_seenCast[movieId] = now.toLongLong();
    else
        m_seenCast.erase(movieId);
}

QList<CastMember> MovieStore::cast(int movieId)
{
    QList<CastMember> out;
    // Read before the list: a change between the two makes a later change ask once too often,
    // never once too few.
    rememberCast(movieId);
    // A link to an actor that no longer exists is not shown.
    QSqlQuery q = m_cat.exec(QStringLiteral("SELECT a.ID, a.Actor, l.PlayingAs FROM MovActLink l JOIN Actors a ON a.ID = l.ActID "
                                            "WHERE l.MovID = ? ORDER BY l.rowid"), {movieId});
    while (q.next())
        out.append({q.value(0).toInt(), text(q, 1), text(q, 2)});
    return out;
}

int MovieStore::addOrUpdateCast(int movieId, const QString &actor, const QString &role, bool &updated, SaveMode mode)
{
    int actorId = 0;
    updated = false;
    m_cat.transaction([&] {
        checkCastUnchanged(movieId, mode);
        QVariant existing = m_cat.scalar(QStringLiteral("SELECT ID FROM Actors WHERE ActorKey = ? ORDER BY ID LIMIT 1"),
                                           {foldedText(actor)});
        if (existing.isValid()) {
            actorId = existing.toInt();
            if (!role.isEmpty()) {
                QSqlQuery q = m_cat.exec(QStringLiteral("UPDATE MovActLink SET PlayingAs = ? WHERE MovID = ? AND ActID = ?"),
                                         {role, movieId, actorId});
                if (q.numRowsAffected() > 0) {
                    updated = true;
                    rememberCast(movieId);
                    return;
                }
            }
        } else {
            QSqlQuery ins = m_cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {NullIfEmpty(actor)});
            actorId = ins.lastInsertId().toInt();
        }
        m_cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                   {movieId, actorId, NullIfEmpty(role)});
        rememberCast(movieId);
    });
    return actorId;
}

void MovieStore::removeCast(int movieId, int actorId, SaveMode mode)
{
    m_cat.transaction([&] {
        checkCastUnchanged(movieId, mode);
        m_cat.exec(QStringLiteral("DELETE FROM MovActLink WHERE MovID = ? AND ActID = ?"), {movieId, actorId});
        rememberCast(movieId);
    });
}

bool MovieStore::ensureName(const QString &table, const QString &column, const QString &name)
{
    if (name.isEmpty())
        return false;
    // A name is there when its case-folded form is (the key of the pick list's column).
    const Schema::TextKey *key = Schema::textKeyOf(table, column);
    if (!key)
        throw CinelogError(ErrorNumber::Database, logged("MovieStore", "%1.%2 is not a pick list.").arg(table, column));
    // sql-identifiers: pick-list table and key column names
    if (m_cat.scalar(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(table, QLatin1String(key->key)), {foldedText(name)})
            .isValid())
        return false;
    // sql-identifiers: pick-list table and column names
    m_cat.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column), {name});
    return true;
}

bool MovieStore::ensureDirector(const QString &name) { return ensureName(QStringLiteral("Directors"), QStringLiteral("Director"), name); }
bool MovieStore::ensureGenre(const QString &name) { return ensureName(QStringLiteral("Genres"), QStringLiteral("Genre"), name); }
bool MovieStore::ensureActor(const QString &name) { return ensureName(QStringLiteral("Actors"), QStringLiteral("Actor"), name); }

QStringList MovieStore::genres() { return names(m_cat, QStringLiteral("SELECT Genre FROM Genres ORDER BY GenreKey, rowid")); }
QStringList MovieStore::directors() { return names(m_cat, QStringLiteral("SELECT Director FROM Directors ORDER BY DirectorKey, ID")); }
QStringList MovieStore::actors() { return names(m_cat, QStringLiteral("SELECT Actor FROM Actors ORDER BY ActorKey, ID")); }

QStringList MovieStore::ratings()
{
    QStringList out = {QString(), QStringLiteral("G"), QStringLiteral("PG"), QStringLiteral("PG-13"), QStringLiteral("R"),
                       QStringLiteral("NC-17"), QStringLiteral("Unrated")};
    const QStringList fixed = out;
    for (const QString &r : firstAppearance(m_cat, QStringLiteral("Rating"), false))
        if (!fixed.contains(r) && !out.contains(r))
            out << r;
    return out;
}

QStringList MovieStore::mediums()
{
    QStringList out = firstAppearance(m_cat, QStringLiteral("Medium"), true);
    for (const char *fixed : {"DVD", "VHS"})
        if (!out.contains(QLatin1String(fixed)))
            out << QString::fromLatin1(fixed);
    return out;
}

QStringList MovieStore::formats()
{
    QStringList out = firstAppearance(m_cat, QStringLiteral("Format"), true);
    for (const char *fixed : {"Fullscreen", "Widescreen"})
        if (!out.contains(QLatin1String(fixed)))
            out << QString::fromLatin1(fixed);
    return out;
}

CleanReport MovieStore::clean(const std::function<void(int, int)> &progress)
{
    CleanReport report;
    m_cat.transaction([&] {
        QList<QPair<int, QString>> actors, directors;
        // Each name is examined as it is read; the count of all names first gives the total.
        int total = 0;
        int done = 0;
        if (progress) {
            total = m_cat.scalar(QStringLiteral("SELECT (SELECT count(*) FROM Actors) + (SELECT count(*) FROM Directors)")).toInt();
            progress(0, total);
        }
        auto examined = [&] {
            if (progress && (++done & 0x3FF) == 0)
                progress(std::min(done, total), total);
        };
        QSqlQuery a = m_cat.exec(QStringLiteral("SELECT ID, Actor, EXISTS (SELECT 1 FROM MovActLink WHERE ActID = Actors.ID) "
                                                "FROM Actors ORDER BY ID"));
        QList<int> unusedActors;
        while (a.next()) {
            actors.append({a.value(0).toInt(), text(a, 1)});
            if (!a.value(2).toBool())
                unusedActors << int(actors.size() - 1);
            examined();
        }
        QSqlQuery d = m_cat.exec(QStringLiteral("SELECT ID, Director, EXISTS (SELECT 1 FROM Movies WHERE Movies.DirectorKey = Directors.DirectorKey) "
                                                "FROM Directors ORDER BY ID"));
        QList<int> unusedDirectors;
        while (d.next()) {
            directors.append({d.value(0).toInt(), text(d, 1)});
            if (!d.value(2).toBool())
                unusedDirectors << int(directors.size() - 1);
            examined();
        }
        for (int i : unusedActors) {
            m_cat.exec(QStringLiteral("DELETE FROM Actors WHERE ID = ?"), {actors[i].first});
            report.actors << actors[i].second;
        }
        for (int i : unusedDirectors) {
            m_cat.exec(QStringLiteral("DELETE FROM Directors WHERE ID = ?"), {directors[i].first});
            report.directors << directors[i].second;
        }
        if (progress)
            progress(total, total);
    });
    return report;
}
