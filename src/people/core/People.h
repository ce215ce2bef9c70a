#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class Catalogue;

struct Person {
    int id = 0;
    QString name;
    QString url;
};

namespace People {

enum class Kind { Actors, Directors };
QString kindText(Kind k); // "Actors" or "Directors"
bool kindFromText(const QString &text, Kind &k);

// The people of a kind whose names begin with letter (ignoring case), ordered by name; an empty or
// blank letter lists everyone.
QList<Person> list(Catalogue &cat, Kind kind, const QString &letter);

// The lines the window shows for a person: for an actor "Title - Role" per cast link (a link to a
// movie that is gone shows as "--- Assicated Movie ID: n Not Found ---"); for a director the titles
// of the movies naming him or her as director.
QStringList associatedMovies(Catalogue &cat, Kind kind, int personId, const QString &name);

// Stores name and address exactly as given. Throws when there is no such person.
void save(Catalogue &cat, Kind kind, int personId, const QString &name, const QString &url);

// Deletes the person; an actor's cast links go in the same transaction. Movies are kept, and so is
// the Director text stored in them.
void remove(Catalogue &cat, Kind kind, int personId);

// The address typed for a person's web site, or an invalid QUrl when it names no site the program
// opens (the rule of WebLookup::storedAddress).
QUrl siteUrl(const QString &text);
// IMDb's name search for a person.
QUrl imdbNameSearch(const QString &name);

} // namespace People
