#pragma once

#include "CatalogueEvents.h"
#include "EditedMovie.h"

#include <QStringList>
#include <functional>

// Stands in for the main window's side of the signals other windows use: the edited movie they read
// and ask things of, and the catalogue announcements they make. It records, in order, what the main
// window would do about each: "ListMovies <message>" (movies or loans changed), "GetActors",
// "GetDirectors", "GetGenres" (names changed), "reloadCover" (a cover stored), "CheckSaved",
// "ShowMovieData" and "showMovie <id>" (requests to the editor). The edited movie's state is set by
// the test.
class RecordingMainWindow
{
public:
    RecordingMainWindow()
    {
        QObject::connect(&events, &CatalogueEvents::moviesChanged, [this](const QString &m) { calls << QStringLiteral("ListMovies ") + m; });
        QObject::connect(&events, &CatalogueEvents::loansChanged, [this](const QString &m) { calls << QStringLiteral("ListMovies ") + m; });
        QObject::connect(&events, &CatalogueEvents::namesChanged, [this](CatalogueEvents::Names names) {
            if (names & CatalogueEvents::Actors)
                calls << QStringLiteral("GetActors");
            if (names & CatalogueEvents::Directors)
                calls << QStringLiteral("GetDirectors");
            if (names & CatalogueEvents::Genres)
                calls << QStringLiteral("GetGenres");
        });
        QObject::connect(&events, &CatalogueEvents::coverChanged, [this](int) { calls << QStringLiteral("reloadCover"); });
        QObject::connect(&edited, &EditedMovie::saveOfferRequested, [this] { calls << QStringLiteral("CheckSaved"); });
        QObject::connect(&edited, &EditedMovie::reloadRequested, [this] {
            calls << QStringLiteral("ShowMovieData");
            if (onShowMovieData)
                onShowMovieData();
        });
        QObject::connect(&edited, &EditedMovie::showRequested, [this](int id) {
            calls << QStringLiteral("showMovie %1").arg(id);
            edited.setId(id);
        });
    }
    RecordingMainWindow(const RecordingMainWindow &) = delete;
    RecordingMainWindow &operator=(const RecordingMainWindow &) = delete;

    // The stored movie shown, with its title.
    void setMovie(int id, const QString &title = QString())
    {
        edited.setId(id);
        edited.setNew(false);
        edited.setSaved(true);
        edited.setTitle(title);
    }
    void setTitle(const QString &title) { edited.setTitle(title); }
    int movieId() const { return edited.id(); }
    QString title() const { return edited.title(); }

    // Forgets the calls and the movie.
    void reset()
    {
        calls.clear();
        setMovie(0);
        onShowMovieData = {};
    }

    // How many calls began with name.
    int count(const QString &name) const
    {
        int n = 0;
        for (const QString &c : calls)
            n += (c == name || c.startsWith(name + QLatin1Char(' '))) ? 1 : 0;
        return n;
    }

    EditedMovie edited;
    CatalogueEvents events;
    QStringList calls;
    std::function<void()> onShowMovieData;
};
