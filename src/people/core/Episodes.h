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

// Adds an episode (episodeId 0) or changes one; returns its ID. Throws when a given ID names no
// episode.
int save(Catalogue &cat, int episodeId, int movieId, const QString &title, int epsNum, int discNum);

void remove(Catalogue &cat, int episodeId);

} // namespace Episodes
