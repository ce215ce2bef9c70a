#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QSqlDatabase;

// The index behind the quick filter and the search window's title and director containment: every
// three-letter piece of each movie's folded title, sort key and director (an FTS5 table with the
// trigram tokenizer), and the plain indexes the movie list reads its orders along.
//
// The index holds the key columns (Schema::textKeys()), so it matches without regard to letter case
// exactly as the keys do. Triggers in the file, built from the engine's own statements only, keep it
// in step with whatever writes the movies, the stock sqlite3 shell included: a movie renamed there has
// its key cleared (and its entry emptied) until the program fills the key on the next open.
namespace MovieTextIndex {

// The full-text table.
inline const QString Table = QStringLiteral("MovieText");
// Texts shorter than this have no piece of their own in the index.
constexpr int MinimumLength = 3;

// Creates the table, fills it from the movies (status gets a text now and then on large catalogues),
// adds the triggers and the list's sort indexes. Runs inside the caller's transaction.
void create(QSqlDatabase &db, const std::function<void(const QString &)> &status = {});
// Drops the table, its triggers and the sort indexes (for a bulk load that creates them after).
void remove(QSqlDatabase &db);
// Whether the catalogue on db has the table.
bool present(QSqlDatabase &db);
// The movies whose entry differs from their keys, plus the entries of no movie; 0 when the index is
// in step. Throws CinelogError when the engine finds the index itself damaged.
qint64 outOfStep(QSqlDatabase &db);

// Many movies (and actors) added in one transaction: their entries are written at the end in one
// statement each, instead of one by one from the triggers (the engine's FTS5 writes out its pending
// entries at every statement inside a transaction, so row by row costs several times the rows
// themselves). Create it inside the transaction before the movies are inserted and call finish()
// before the commit; the transaction must only add movies, actors and links meanwhile. A
// transaction rolled back undoes it all.
class BulkInsert
{
public:
    explicit BulkInsert(QSqlDatabase &db);
    void finish();

private:
    QSqlDatabase &m_db;
    bool m_active = false;
    qint64 m_lastId = 0;
    bool m_actors = false;
    qint64 m_lastActorId = 0;
};

// The index of the actors' folded names (an FTS5 table with the trigram tokenizer, its rowid the
// actor's ID), for the quick filter's search of the cast: a word's movies are those of the actors
// whose names hold it, through the cast links' index on the actor. Kept in step by triggers on the
// actors alone, so that a cast edited costs the index nothing.
inline const QString ActorTable = QStringLiteral("ActorText");
// Creates (again) the table, fills it and adds its triggers; inside the caller's transaction.
void createActorIndex(QSqlDatabase &db, const std::function<void(const QString &)> &status = {});
void removeActorIndex(QSqlDatabase &db);
bool actorIndexPresent(QSqlDatabase &db);
// The actors whose entry differs from their key, plus the entries of no actor; 0 when in step.
qint64 actorsOutOfStep(QSqlDatabase &db);

// The plain indexes on display columns the list sorts by: {index name, column}.
struct SortIndex {
    const char *name;
    const char *column;
};
const std::vector<SortIndex> &sortIndexes();

// The folded text split at white space into words, each once.
QStringList words(const QString &text);
// Whether a word can be looked up in the index (MinimumLength code points or more).
bool indexable(const QString &word);
// The MATCH expression that requires every word (each folded and indexable) somewhere in a movie's
// texts, each word as a literal piece: quotes, '*', '%' and '_' are plain characters.
QString matchExpression(const QStringList &words);
// The GLOB pattern for containment of a folded LIKE pattern: the LIKE wildcards '%' and '_' keep their
// meaning, every other character (GLOB's own '*', '?', '[' too) stands for itself.
QString containsGlob(const QString &foldedLikePattern);
// Whether the index answers containsGlob(foldedLikePattern) rightly. The engine's FTS5 (3.40) takes
// a piece between wildcards of three bytes as long enough to look up, and finds nothing for a piece of
// one or two letters that needs three bytes or more in UTF-8 ("éa").
bool globUsable(const QString &foldedLikePattern);

} // namespace MovieTextIndex
