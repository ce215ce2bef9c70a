#pragma once

#include <QString>

class QWidget;

// What other windows may ask of the main window: refresh its list and pick lists, hand it a movie
// to edit, and read the editor's state. The main window implements it; windows receive it so they
// can be built and tested without the whole main window.
class MainWindowLink
{
public:
    virtual ~MainWindowLink() = default;

    virtual void ListMovies(const QString &message) = 0;
    virtual void GetGenres() = 0;
    virtual void GetDirectors() = 0;
    virtual void GetActors() = 0;
    virtual void GetRatings() = 0;
    virtual void GetFormats() = 0;
    virtual void GetMediums() = 0;

    // Offers to save unsaved edits of the shown movie.
    virtual void CheckSaved() = 0;
    // Shows the movie CurrentMovieID in the editor.
    virtual void ShowMovieData() = 0;
    // Shows a stored movie in the editor as if it was picked in the list.
    virtual void showMovie(int movieId) = 0;
    // Reloads the cover box of the movie in the editor.
    virtual void reloadCover() = 0;

    virtual int CurrentMovieID() const = 0;
    virtual bool IsNewMovie() const = 0;
    virtual bool IsSaved() const = 0;
    // The text of the editor's title box.
    virtual QString currentTitle() const = 0;

    virtual QWidget *widget() = 0;
};
