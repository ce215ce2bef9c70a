#pragma once

#include <QAbstractItemView>
#include <QPointer>

#include "BatchFill.h"

#include <QObject>
#include <QStringList>
#include <functional>

class AppContext;
class Catalogue;
class CatalogueEvents;
class EditedMovie;
class QAction;
class QDialog;
class QWidget;

// The main window's commands that fill movies from an online source: "Get Movie Details..." (the
// movie in the editor), "New Movie from TMDb..." (Ctrl+Shift+M) and "Fill Details for Movies...".
// The application puts the actions into the menus, toolbar and list pop-up and tells the commands
// which movies are selected and listed. What they write is announced on CatalogueEvents.
class MovieDetailsCommands : public QObject
{
    Q_OBJECT
public:
    // edited: the movie in the main window's editor; events: where changes are announced; window:
    // the parent of the dialogs.
    MovieDetailsCommands(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                         QStringList pluginFolders, QWidget *window);

    QAction *mnuGetMovieDetails;
    QAction *mnuNewMovieFromTmdb;
    QAction *mnuFillDetails;

    // The main list: its rows are the listed movies and its selected rows the selected ones, each
    // row's movie under MovieListModel::MovieIdRole.
    void setMovieList(QAbstractItemView *list) { m_list = list; }
    // The movies an open search window lists, in its order (none when no search window is open);
    // "Fill Details for Movies..." offers them as a choice when there are any.
    void setSearchResults(std::function<QList<int>()> found) { m_searchResults = std::move(found); }
    // Runs a dialog modally and returns its result; tests replace it to drive the dialog.
    std::function<int(QDialog &)> runDialog;

    // The three commands.
    void getMovieDetails();
    void newMovieFromSource();
    void fillDetailsForMovies();
    // Fills these movies, then lets the user resolve the ambiguous ones and tells the totals.
    BatchFill::Result fillMovies(const QList<int> &movieIds);

private:
    std::unique_ptr<MovieInfoSource> openSource();
    // Details, the field choice and the fill of one movie (0: a new one); the movie's ID, or 0
    // when nothing was written.
    int fillFromResult(int movieId, const QString &sourceId, bool askFields);
    void refresh(int movieId);
    int run(QDialog &dialog);

    AppContext &m_ctx;
    Catalogue &m_cat;
    EditedMovie &m_edited;
    CatalogueEvents &m_events;
    QWidget *m_window;
    QStringList m_pluginFolders;
    QList<int> moviesInList(bool selectedOnly) const;

    QPointer<QAbstractItemView> m_list;
    std::function<QList<int>()> m_searchResults;
    MovieInfoSource *m_source = nullptr; // the source of the command running
};
