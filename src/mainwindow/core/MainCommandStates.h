#pragma once

#include <optional>

// What the main window's command states depend on. The window fills it from the catalogue
// session, the editor and the list whenever one of them changes.
struct MainCommandInputs {
    bool catalogueChosen = false; // a catalogue was chosen (also when it could not be opened)
    bool movieShown = false;      // the editor shows a stored movie (its ID is not 0)
    bool newMovie = false;        // the editor holds a movie not stored yet
    bool hasTitle = false;        // the title box is not empty
    bool hasDirector = false;     // the director box is not empty
    bool hasActorText = false;    // the cast's actor box is not empty
    bool castRowSelected = false; // a cast row with text is the current one
    bool hasCover = false;        // the editor shows a cover picture
    bool listHasRows = false;     // the movie list has rows
    bool hasLink = false;         // the URL box holds more than "" or "http://"
};

// Which commands and editor parts are enabled. An empty optional leaves that part as it is: with no
// catalogue chosen the cover and look-up commands keep their last state (the menus holding them are
// disabled then).
struct MainCommandStates {
    bool movieFields = false;       // the movie's text boxes and pick lists
    bool catalogueCommands = false; // Tools, Import, Web, User List, Add New Movie and their buttons
    bool deleteMovie = false;
    bool saveMovie = false;
    bool coverBox = false;
    bool printList = false;         // Print List and the toolbar's Print
    bool refreshList = false;
    bool actorBox = false;
    bool addActor = false;
    bool removeActor = false;
    bool visitWebsite = false;      // the URL button and Web > Visit Website
    std::optional<bool> doubleClickHint, quickCoverSearch, saveCoverFile, coverSearch, searchTitle, downloadInfo,
        searchDirector, asLabel, actorPlays;
    // The list's caption says no catalogue is open.
    bool noCatalogueCaption = false;
    // The editor forgets its selected cast row.
    bool forgetSelectedActor = false;

    bool operator==(const MainCommandStates &) const = default;
};

// The main window's enable rules.
MainCommandStates mainCommandStates(const MainCommandInputs &in);
