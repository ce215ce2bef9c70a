#include "MovieTextIndex.h"

#include "CatalogueInternal.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QRegularExpression>
#include <QSqlDatabase>

using namespace catalogue_detail;

namespace MovieTextIndex {

namespace {

// The texts the index holds, in this column order.
const QString Columns = QStringLiteral("TitleKey, OrderByKey, DirectorKey");

const char *const TriggerNames[] = {"MovieText_Insert", "MovieText_Update", "MovieText_Delete"};

// A movie's entry is rewritten from the movie's row as it is when the trigger runs, not from the
// values of the statement that fired it: the keys may be filled by another trigger in between, in
// either order, and the last writer must leave the entry as the row is. Deleting by rowid first also
// clears an entry the engine left behind when a REPLACE removed a movie without running the delete
// trigger (it does so while recursive triggers are off). Nothing here writes Movies, so the triggers
// cannot fire one another, recursive triggers on or off.
QStringList triggerStatements()
{
    // sql-identifiers: the indexed key columns
    const QString refill = QStringLiteral("INSERT INTO MovieText (rowid, %1) SELECT ID, %1 FROM Movies WHERE ID = new.ID; ").arg(Columns);
    return {
        // sql-identifiers: the fixed refill statement above
        QStringLiteral("CREATE TRIGGER MovieText_Insert AFTER INSERT ON Movies BEGIN "
                       "DELETE FROM MovieText WHERE rowid = new.ID; ")
            + refill + QStringLiteral("END"),
        // sql-identifiers: the fixed refill statement above
        QStringLiteral("CREATE TRIGGER MovieText_Update AFTER UPDATE OF ID, TitleKey, OrderByKey, DirectorKey ON Movies "
                       "WHEN new.ID IS NOT old.ID OR new.TitleKey IS NOT old.TitleKey OR new.OrderByKey IS NOT old.OrderByKey "
                       "OR new.DirectorKey IS NOT old.DirectorKey BEGIN "
                       "DELETE FROM MovieText WHERE rowid IN (old.ID, new.ID); ")
            + refill + QStringLiteral("END"),
        QStringLiteral("CREATE TRIGGER MovieText_Delete AFTER DELETE ON Movies BEGIN "
                       "DELETE FROM MovieText WHERE rowid = old.ID; END"),
    };
}

// The actors' names: a whole-table statement of their own (the actors are few beside the cast links,
// and a link needs no entry, so that casting an actor writes nothing here).
const char *const ActorTriggerNames[] = {"ActorText_Insert", "ActorText_Update", "ActorText_Delete"};

QStringList actorTriggerStatements()
{
    const QString refill = QStringLiteral("INSERT INTO ActorText (rowid, ActorKey) SELECT ID, ActorKey FROM Actors WHERE ID = new.ID; ");
    return {
        // sql-identifiers: the fixed refill statement above
        QStringLiteral("CREATE TRIGGER ActorText_Insert AFTER INSERT ON Actors BEGIN "
                       "DELETE FROM ActorText WHERE rowid = new.ID; ")
            + refill + QStringLiteral("END"),
        // sql-identifiers: the fixed refill statement above
        QStringLiteral("CREATE TRIGGER ActorText_Update AFTER UPDATE OF ID, ActorKey ON Actors "
                       "WHEN new.ID IS NOT old.ID OR new.ActorKey IS NOT old.ActorKey BEGIN "
                       "DELETE FROM ActorText WHERE rowid IN (old.ID, new.ID); ")
            + refill + QStringLiteral("END"),
        QStringLiteral("CREATE TRIGGER ActorText_Delete AFTER DELETE ON Actors BEGIN "
                       "DELETE FROM ActorText WHERE rowid = old.ID; END"),
    };
}

} // namespace

void createActorIndex(QSqlDatabase &db, const std::function<void(const QString &)> &status)
{
    if (status)
        status(QCoreApplication::translate("MovieTextIndex", "Preparing the actors for quick filtering..."));
    removeActorIndex(db);
    runOn(db, QStringLiteral("CREATE VIRTUAL TABLE ActorText USING fts5(ActorKey, tokenize = 'trigram case_sensitive 1', columnsize = 0)"));
    // One statement in rowid order: the engine writes the entries in order, with no merging between.
    runOn(db, QStringLiteral("INSERT INTO ActorText (rowid, ActorKey) SELECT ID, ActorKey FROM Actors WHERE ActorKey IS NOT NULL ORDER BY ID"));
    for (const QString &s : actorTriggerStatements())
        runOn(db, s);
    // The links' index by actor gets the movie: a word's movies are then read from it alone.
    if (status)
        status(QCoreApplication::translate("MovieTextIndex", "Preparing the casts for quick filtering..."));
    runOn(db, QStringLiteral("DROP INDEX IF EXISTS idxMovActLinkActID"));
    for (const Schema::Index &i : Schema::indexes())
        if (QLatin1String(i.name) == QLatin1String("idxMovActLinkActID"))
            runOn(db, Schema::indexStatement(i));
}

void removeActorIndex(QSqlDatabase &db)
{
    for (const char *t : ActorTriggerNames)
        runOn(db, QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(QLatin1String(t)));
    runOn(db, QStringLiteral("DROP TABLE IF EXISTS ActorText"));
}

bool actorIndexPresent(QSqlDatabase &db)
{
    return hasTable(db, ActorTable);
}

qint64 actorsOutOfStep(QSqlDatabase &db)
{
    runOn(db, QStringLiteral("INSERT INTO ActorText (ActorText) VALUES ('integrity-check')"));
    QSqlQuery q = runOn(db, QStringLiteral(
        "SELECT (SELECT count(*) FROM Actors a LEFT JOIN ActorText t ON t.rowid = a.ID "
        "WHERE t.ActorKey IS NOT a.ActorKey AND NOT (t.rowid IS NULL AND a.ActorKey IS NULL)) "
        "+ (SELECT count(*) FROM ActorText WHERE rowid NOT IN (SELECT ID FROM Actors))"));
    return q.next() ? q.value(0).toLongLong() : -1;
}

BulkInsert::BulkInsert(QSqlDatabase &db) : m_db(db)
{
    if (actorIndexPresent(db)) {
        QSqlQuery last = runOn(db, QStringLiteral("SELECT ifnull(max(ID), 0) FROM Actors"));
        m_lastActorId = last.next() ? last.value(0).toLongLong() : 0;
        last.finish();
        // The new actors' entries come in finish() as well.
        runOn(db, QStringLiteral("DROP TRIGGER IF EXISTS ActorText_Insert"));
        runOn(db, QStringLiteral("DROP TRIGGER IF EXISTS ActorText_Update"));
        m_actors = true;
    }
    if (!present(db))
        return;
    QSqlQuery last = runOn(db, QStringLiteral("SELECT ifnull(max(ID), 0) FROM Movies"));
    m_lastId = last.next() ? last.value(0).toLongLong() : 0;
    last.finish();
    // The new movies' entries come in finish(); their keys are filled by updates meanwhile.
    runOn(db, QStringLiteral("DROP TRIGGER IF EXISTS MovieText_Insert"));
    runOn(db, QStringLiteral("DROP TRIGGER IF EXISTS MovieText_Update"));
    m_active = true;
}

void BulkInsert::finish()
{
    if (m_actors) {
        m_actors = false;
        runOn(m_db, QStringLiteral("INSERT INTO ActorText (rowid, ActorKey) SELECT ID, ActorKey FROM Actors WHERE ID > ? ORDER BY ID"),
              {m_lastActorId});
        const QStringList triggers = actorTriggerStatements();
        runOn(m_db, triggers.at(0));
        runOn(m_db, triggers.at(1));
    }
    if (!m_active)
        return;
    m_active = false;
    // sql-identifiers: the indexed key columns; the bound is bound
    runOn(m_db, QStringLiteral("INSERT INTO MovieText (rowid, %1) SELECT ID, %1 FROM Movies WHERE ID > ?").arg(Columns), {m_lastId});
    const QStringList triggers = triggerStatements();
    runOn(m_db, triggers.at(0));
    runOn(m_db, triggers.at(1));
}

const std::vector<SortIndex> &sortIndexes()
{
    static const std::vector<SortIndex> list = {
        {"idxMoviesByGenre1", "Genre1"},   {"idxMoviesByGenre2", "Genre2"},         {"idxMoviesByGenre3", "Genre3"},
        {"idxMoviesByMedium", "Medium"},   {"idxMoviesByFormat", "Format"},         {"idxMoviesByRating", "Rating"},
        {"idxMoviesByRelease", "ReleaseYear"}, {"idxMoviesByTime", "RunningTime"}, {"idxMoviesByNumDiscs", "NumDiscs"},
        {"idxMoviesByStars", "UserRating"}, {"idxMoviesByURL", "URL"},
    };
    return list;
}

bool present(QSqlDatabase &db)
{
    return hasTable(db, Table);
}

qint64 outOfStep(QSqlDatabase &db)
{
    runOn(db, QStringLiteral("INSERT INTO MovieText (MovieText) VALUES ('integrity-check')"));
    QSqlQuery q = runOn(db, QStringLiteral(
        "SELECT (SELECT count(*) FROM Movies m LEFT JOIN MovieText t ON t.rowid = m.ID WHERE t.rowid IS NULL "
        "OR t.TitleKey IS NOT m.TitleKey OR t.OrderByKey IS NOT m.OrderByKey OR t.DirectorKey IS NOT m.DirectorKey) "
        "+ (SELECT count(*) FROM MovieText WHERE rowid NOT IN (SELECT ID FROM Movies))"));
    return q.next() ? q.value(0).toLongLong() : -1;
}

void remove(QSqlDatabase &db)
{
    for (const char *t : TriggerNames)
        runOn(db, QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(QLatin1String(t)));
    runOn(db, QStringLiteral("DROP TABLE IF EXISTS MovieText"));
    for (const SortIndex &i : sortIndexes())
        runOn(db, QStringLiteral("DROP INDEX IF EXISTS %1").arg(QLatin1String(i.name)));
}

void create(QSqlDatabase &db, const std::function<void(const QString &)> &status)
{
    auto say = [&](const QString &text) {
        if (status)
            status(text);
    };
    say(QCoreApplication::translate("MovieTextIndex", "Preparing the movies for quick filtering..."));
    remove(db);
    // The table keeps its own copy of the texts, so that removing an entry never depends on the
    // movie's row still holding what was indexed.
    // sql-identifiers: the indexed key columns
    runOn(db, QStringLiteral("CREATE VIRTUAL TABLE MovieText USING fts5(%1, tokenize = 'trigram case_sensitive 1', columnsize = 0)").arg(Columns));
    QSqlQuery range = runOn(db, QStringLiteral("SELECT (SELECT min(ID) FROM Movies), (SELECT max(ID) FROM Movies)"));
    if (range.next() && !range.value(0).isNull()) {
        const qint64 first = range.value(0).toLongLong(), last = range.value(1).toLongLong();
        range.finish();
        constexpr qint64 Slice = 50000;
        for (qint64 from = first; from <= last; from += Slice) {
            if (last - first >= Slice)
                say(QCoreApplication::translate("MovieTextIndex", "Preparing the movies for quick filtering: %1%...").arg(int(100 * (from - first) / (last - first + 1))));
            // sql-identifiers: the indexed key columns; the bounds are bound
            runOn(db, QStringLiteral("INSERT INTO MovieText (rowid, %1) SELECT ID, %1 FROM Movies WHERE ID BETWEEN ? AND ?").arg(Columns),
                  {from, std::min(last, from + Slice - 1)});
        }
    }
    for (const QString &s : triggerStatements())
        runOn(db, s);
    int n = 0;
    for (const SortIndex &i : sortIndexes()) {
        say(QCoreApplication::translate("MovieTextIndex", "Preparing the movie list's orders: %1%...").arg(100 * n++ / int(sortIndexes().size())));
        runOn(db, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON Movies (%2)").arg(QLatin1String(i.name), QLatin1String(i.column)));
    }
}

QStringList words(const QString &text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QStringList out;
    for (const QString &w : foldedText(text).split(space, Qt::SkipEmptyParts))
        if (!out.contains(w))
            out << w;
    return out;
}

bool indexable(const QString &word)
{
    // The engine's full-text query reads a text up to a NUL only.
    if (word.contains(QChar(0)))
        return false;
    qsizetype points = 0;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (!word.at(i).isLowSurrogate())
            ++points;
    return points >= MinimumLength;
}

QString matchExpression(const QStringList &words)
{
    QStringList phrases;
    for (QString w : words)
        phrases << QLatin1Char('"') + w.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return phrases.join(QStringLiteral(" AND "));
}

QString containsGlob(const QString &foldedLikePattern)
{
    QString out = QStringLiteral("*");
    for (QChar c : foldedLikePattern) {
        switch (c.unicode()) {
        case '%': out += QLatin1Char('*'); break;
        case '_': out += QLatin1Char('?'); break;
        case '*': out += QStringLiteral("[*]"); break;
        case '?': out += QStringLiteral("[?]"); break;
        case '[': out += QStringLiteral("[[]"); break;
        default: out += c;
        }
    }
    return out + QLatin1Char('*');
}

bool globUsable(const QString &foldedLikePattern)
{
    if (foldedLikePattern.contains(QChar(0)))
        return false;
    static const QRegularExpression wildcards(QStringLiteral("[%_*?\\[\\]]"));
    for (const QString &piece : foldedLikePattern.split(wildcards))
        if (piece.toUtf8().size() >= MinimumLength && !indexable(piece))
            return false;
    return true;
}

} // namespace MovieTextIndex
