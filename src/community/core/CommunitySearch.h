#pragma once

#include <QList>
#include <QString>

class CommunityConnection;
class ProgressSink;

struct CommunityMatch {
    int id = 0;
    QString title;
    QString releaseYear;
};

// Finds community records for a title: first every record whose title equals it (in the server's
// order, duplicates kept), then, word by word of TitleWords::words, records whose title contains the
// word, each title listed once. Progress runs over the words.
QList<CommunityMatch> SearchMovies(CommunityConnection &remote, const QString &title, ProgressSink &progress);
