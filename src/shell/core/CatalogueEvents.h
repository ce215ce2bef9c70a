#pragma once

#include <QObject>
#include <QString>

// Announces changes to the open catalogue, once, to every window that shows such data. The window
// (or command) that changed the catalogue emits the signal; windows showing movies, names or loans
// are connected to it by the application (src/app). Signals run their receivers before they return.
class CatalogueEvents : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Which pick lists of names changed.
    enum Name { Genres = 0x1, Directors = 0x2, Actors = 0x4 };
    Q_DECLARE_FLAGS(Names, Name)

signals:
    // Movies were added, removed or changed. progressText is what the main list shows while it
    // reads them again ("Updating the Movie List...").
    void moviesChanged(const QString &progressText);
    // Loans were recorded, returned or removed (the main list marks movies on loan).
    void loansChanged(const QString &progressText);
    // Names were added to or removed from the pick lists.
    void namesChanged(CatalogueEvents::Names names);
    // The cover picture of a movie was stored.
    void coverChanged(int movieId);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CatalogueEvents::Names)
