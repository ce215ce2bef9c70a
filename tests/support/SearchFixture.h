#pragma once

// A small catalogue for search tests: movies, actors and cast links chosen so that every criterion
// has matches and near-misses (Alien / Aliens, quotes and % in values, an actor in two parts).

#include "Catalogue.h"
#include "TestCatalogue.h"

#include <QString>
#include <QVariant>

namespace SearchFixture {

struct Movie {
    int id;
    const char *title, *director, *genre1, *genre2, *genre3, *medium, *format, *rating, *year, *time, *discs;
    QVariant stars;
};

inline QVariant textOrNull(const char *s)
{
    return s ? QVariant(QString::fromUtf8(s)) : QVariant();
}

inline void addMovie(Catalogue &cat, const Movie &m, const QString &url = QStringLiteral("http://"))
{
    const TitleOrder order = titleOrderFor(QString::fromUtf8(m.title));
    cat.exec(QStringLiteral("INSERT INTO Movies (ID, Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, "
                            "ReleaseYear, RunningTime, NumDiscs, UserRating, URL, OrderBy) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {m.id, order.title, textOrNull(m.director), textOrNull(m.genre1), textOrNull(m.genre2),
              textOrNull(m.genre3), textOrNull(m.medium), textOrNull(m.format), textOrNull(m.rating),
              textOrNull(m.year), textOrNull(m.time), textOrNull(m.discs), m.stars, url, order.orderBy});
}

inline int addActor(Catalogue &cat, const QString &name)
{
    cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {name});
    return cat.scalar(QStringLiteral("SELECT MAX(ID) FROM Actors")).toInt();
}

inline void link(Catalogue &cat, int movieId, int actorId, const QString &part = QString())
{
    cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
             {movieId, actorId, NullIfEmpty(part)});
}

// In sort order: 100% Wolf (6), The Abyss (3), Alien (1), Aliens (2), Dr. Strangelove (7),
// Ocean's Eleven (4), Say "Cheese" (5), Strange Days (130).
inline void fill(Catalogue &cat)
{
    const Movie movies[] = {
        {1, "Alien", "Ridley Scott", "Horror", "Sci-Fi", nullptr, "DVD", "Widescreen", "R", "1979", "117", "1", 5},
        {2, "Aliens", "James Cameron", "Action", "Sci-Fi", "Horror", "DVD", "Widescreen", "R", "1986", "137", "1", 6},
        {3, "The Abyss", "James Cameron", "Sci-Fi", "Drama", nullptr, "VHS", "Fullscreen", "PG-13", "1989", nullptr, "2", 4},
        {4, "Ocean's Eleven", "Steven Soderbergh", "Comedy", "Drama", "Crime", "DVD", "Widescreen", "PG-13", "2001", "116", "1", 3},
        {5, "Say \"Cheese\"", "\"Weird\" Al", "Comedy", nullptr, nullptr, "Blu-ray", "Fullscreen", "PG", "2010", "90", "1", 7},
        {6, "100% Wolf", "Alexs Stadermann", "Animation", "Comedy", nullptr, "DVD", "Widescreen", "PG", "2020", "96", "1", 0},
        {7, "Dr. Strangelove", "Stanley Kubrick", "Comedy", "Drama", nullptr, "DVD", "Fullscreen", "PG", "1964", "95", "1", 7},
        {130, "Strange Days", "Kathryn Bigelow", "Thriller", nullptr, nullptr, "Laserdisc", "Letterbox", "R", "1995", "145", "2", 4},
    };
    cat.transaction([&] {
        for (const Movie &m : movies)
            addMovie(cat, m, m.id == 1 ? QStringLiteral("https://example.org/alien?a=1 b") : QStringLiteral("http://"));
        const int weaver = addActor(cat, QStringLiteral("Sigourney Weaver"));
        const int biehn = addActor(cat, QStringLiteral("Michael Biehn"));
        const int harris = addActor(cat, QStringLiteral("Ed Harris"));
        const int sellers = addActor(cat, QStringLiteral("Peter Sellers"));
        const int clooney = addActor(cat, QStringLiteral("George Clooney"));
        const int rock = addActor(cat, QStringLiteral("Dwayne \"The Rock\" Johnson"));
        const int conan = addActor(cat, QStringLiteral("Conan O'Brien"));
        link(cat, 1, weaver, QStringLiteral("Ripley"));
        link(cat, 2, biehn, QStringLiteral("Hicks"));
        link(cat, 2, weaver, QStringLiteral("Ripley"));
        link(cat, 3, harris, QStringLiteral("Bud"));
        link(cat, 3, biehn, QStringLiteral("Coffey"));
        link(cat, 7, sellers, QStringLiteral("Group Capt. Lionel Mandrake"));
        link(cat, 7, sellers, QStringLiteral("President Merkin Muffley"));
        link(cat, 4, clooney, QStringLiteral("Danny Ocean"));
        link(cat, 5, rock);
        link(cat, 5, conan);
        for (const char *g : {"Sci-Fi", "Drama", "Comedy", "Action", "Horror"})
            cat.exec(QStringLiteral("INSERT INTO Genres (Genre) VALUES (?)"), {QString::fromUtf8(g)});
        for (const char *d : {"Ridley Scott", "James Cameron", "\"Weird\" Al"})
            cat.exec(QStringLiteral("INSERT INTO Directors (Director) VALUES (?)"), {QString::fromUtf8(d)});
    });
}

// A new catalogue at path, opened (fill it with fill()).
inline bool open(Catalogue &cat, const QString &path)
{
    return openNewCatalogue(cat, path);
}

} // namespace SearchFixture
