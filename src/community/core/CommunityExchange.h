#pragma once

#include <QList>
#include <QString>
#include <algorithm>
#include <functional>

class Catalogue;
class CommunityConnection;

// Copies between the catalogue and the community database. Each movie is copied in one
// transaction on each side, so a failure (a lost connection, a refused value) leaves neither side
// with part of that movie. Names are matched ignoring letter case, as everywhere in the catalogue.
namespace CommunityExchange {

// Copies community record remoteId, with its director, cast and episodes, into catalogue movie
// localMovieId: overwrites the movie's details (its director only when the record has one), adds the
// people the catalogue lacks, fills blank web links and parts, adds the episodes when the movie has
// none, and links the movie to the record (onlineID, web = 1).
void downloadMovie(Catalogue &catalogue, CommunityConnection &remote, int remoteId, int localMovieId);

// Where an upload has got to, for progress displays.
enum class UploadStage { MovieRecord, Cast, Director, Episodes, Marked };

// Uploads catalogue movie movieId: finds the community record with the same title and year, or adds
// one (UploadedBy = uploadedBy); fills its blank director, year, running time and web link; adds the
// actors, cast links, director and episodes the community lacks. Then marks the catalogue movie as
// uploaded (onlineID = the community record's ID, web = 1). Returns that ID.
int uploadMovie(Catalogue &catalogue, CommunityConnection &remote, int movieId, const QString &uploadedBy,
                const std::function<void(UploadStage)> &reached = {});

struct UploadFailure {
    int movieId = 0;
    QString title;
    QString reason;      // as the error log records it
    qint64 number = 0;
    QString shownReason; // as the user reads it
};

// Uploads movies one after another on one connection. A movie that fails is listed and the batch
// goes on with the next; only a failure that would repeat for every further movie (the server is
// busy or the connection is lost) stops it.
class UploadBatch
{
public:
    UploadBatch(Catalogue &catalogue, CommunityConnection &remote, QString uploadedBy, int planned);

    // Uploads one movie; false when it failed (listed in failures()) or the batch has stopped.
    bool upload(int movieId);

    bool stopped() const { return !m_stopReason.isEmpty(); }
    // Why the batch stopped: CommunityBusy's message, or the lost connection's.
    const QString &stopReason() const { return m_stopReason; }
    bool stoppedBusy() const { return m_busy; }
    int uploaded() const { return m_uploaded; }
    const QList<UploadFailure> &failures() const { return m_failures; }
    // The movies not tried because the batch stopped.
    int notTried() const { return std::max(0, m_planned - m_attempted); }

    // For the user: how many went up, which did not and why, what was not tried. Empty when every
    // planned movie went up.
    QString summary() const;

private:
    Catalogue &m_catalogue;
    CommunityConnection &m_remote;
    QString m_uploadedBy;
    int m_planned;
    int m_attempted = 0;
    int m_uploaded = 0;
    bool m_busy = false;
    QString m_stopReason;
    QList<UploadFailure> m_failures;
};

}
