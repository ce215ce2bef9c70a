#pragma once

#include <QString>
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

}
