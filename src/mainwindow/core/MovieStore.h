#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <map>

class Catalogue;

// One movie's editable fields, as the editor shows and stores them.
struct MovieRecord {
    int id = 0;
    QString title, orderBy, director, genre1, genre2, genre3, medium, format, rating;
    QString releaseYear, runningTime, numDiscs, url;
    int userRating = 0;
    bool episodeDisc = false;
    bool hasCover = false;
};

struct CastMember {
    int actorId = 0;
    QString actor;
    QString playingAs;
    // "Ann Berg as Mira": the text the cast list shows.
    QString text() const { return actor + QStringLiteral(" as ") + playingAs; }
    // The name part of such a text: what comes before the first " as ".
    static QString nameOf(const QString &rowText)
    {
        const qsizetype at = rowText.indexOf(QLatin1String(" as "));
        return at < 0 ? rowText : rowText.left(at);
    }
};

// What Clean Database removed.
struct CleanReport {
    QStringList actors;
    QStringList directors;
    QString message() const;
};

// The main window's reads and writes of the catalogue.
class MovieStore
{
public:
    explicit MovieStore(Catalogue &catalogue) : m_cat(catalogue) {}

    // A save of a movie that another program (or a stock tool) changed after it was loaded here
    // throws CinelogError with this number; nothing is written. Each movie has a change counter in
    // the catalogue that a trigger raises with every change of the fields a save writes.
    static constexpr qint64 ChangedElsewhere = 3052;
    enum class SaveMode {
        IfUnchanged, // refuse to write over a change made elsewhere since the movie was loaded
        Overwrite,   // write this version whatever happened meanwhile
    };

    // Throws CinelogError when the movie does not exist.
    bool load(int id, MovieRecord &out);
    // Stores the record (a new row when id is 0) and the loans' copy of its title, in one
    // transaction. Returns the movie's ID.
    int save(const MovieRecord &record, SaveMode mode = SaveMode::IfUnchanged);
    // Removes the movie, its loans and its cast links in one transaction.
    void remove(int id);
    // A copy of the movie with its cast, in one transaction; returns the new ID.
    int copy(int id);
    void setUserRating(int id, int rating);
    // Open loan's borrower by movie; empty when not lent.
    QString openLoanBorrower(int id);

    QList<CastMember> cast(int movieId);
    // Adds the actor (creating the name when new) to the movie's cast, or, when role is not empty and
    // the actor is already in the cast, changes that role. Returns the actor's ID; updated tells which.
    int addOrUpdateCast(int movieId, const QString &actor, const QString &role, bool &updated);
    void removeCast(int movieId, int actorId);

    // Adds the name to its pick-list table when no entry equals it (ignoring letter case).
    // Returns true when it was added.
    bool ensureDirector(const QString &name);
    bool ensureGenre(const QString &name);
    bool ensureActor(const QString &name);

    // Pick lists.
    QStringList genres();
    QStringList directors();
    QStringList actors();
    QStringList ratings();
    QStringList mediums();
    QStringList formats();

    // Deletes actors no cast uses and directors no movie names, in one transaction.
    CleanReport clean(const std::function<void(int done, int total)> &progress = {});

private:
    bool ensureName(const QString &table, const QString &column, const QString &name);
    bool hasChangeCounter();
    QVariant changeCounter(int id);
    Catalogue &m_cat;
    // Each movie's change counter as this program last read or wrote it.
    std::map<int, qint64> m_seen;
};
