#pragma once

#include <QList>
#include <QString>
#include <optional>

class Catalogue;

struct Episode {
    int id = 0;
    int movieId = 0;
    QString title;
    QString epsNum;  // as stored, empty when null
    QString discNum; // as stored, empty when null
};

namespace Episodes {

// The episodes of a movie ordered by episode number.
QList<Episode> list(Catalogue &cat, int movieId);

// Reads an episode or disc number as typed; nullopt when it is not a whole number.
std::optional<int> number(const QString &text);

// How often the movie's episodes were changed, by any program; read it with the list, pass it to
// save() and remove(). -1 when the catalogue keeps no count.
qint64 changeCount(Catalogue &cat, int movieId);

// Adds an episode (episodeId 0) or changes one; returns its ID. Throws when a given ID names no
// episode. With seen (not -1), a movie whose episodes another program changed since seen was read
// throws CatalogueError::ChangedElsewhere and nothing is written; afterwards seen holds the count
// that includes this change.
int save(Catalogue &cat, int episodeId, int movieId, const QString &title, int epsNum, int discNum, qint64 *seen = nullptr);

void remove(Catalogue &cat, int episodeId, qint64 *seen = nullptr);

} // namespace Episodes
