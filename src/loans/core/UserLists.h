#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Catalogue;

// Named lists of movies kept for a person; every entry is one row of UserList.
struct UserListEntry {
    int id = 0;
    int movieId = 0;
    QString movieTitle;
};

namespace UserLists {

// The list name this login used first, or empty text when it has added nothing yet.
QString proposedName(Catalogue &cat, const QString &userId);

// Adds one entry; the same movie may be on a list any number of times.
int addEntry(Catalogue &cat, int movieId, const QString &movieTitle, const QString &userId, const QString &listName);

// The names of all lists, each once, in name order.
QStringList names(Catalogue &cat);

// The entries of a list in the order they were added.
QList<UserListEntry> entries(Catalogue &cat, const QString &listName);

// Removes every entry of that movie from that list.
void removeMovie(Catalogue &cat, const QString &listName, int movieId);

} // namespace UserLists
