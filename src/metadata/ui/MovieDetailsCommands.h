#pragma once

#include "BatchFill.h"

#include <QObject>
#include <QStringList>
#include <functional>

class AppContext;
class Catalogue;
class MainWindowLink;
class QAction;
class QDialog;

// The main window's commands that fill movies from an online source: "Get Movie Details..." (the
// movie in the editor), "New Movie from TMDb..." (Ctrl+Shift+M) and "Fill Details for Movies...".
// The application puts the actions into the menus, toolbar and list pop-up and tells the commands
// which movies are selected and listed.
class MovieDetailsCommands : public QObject
{
    Q_OBJECT
public:
    MovieDetailsCommands(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, QStringList pluginFolders,
                         QObject *parent = nullptr);

    QAction *mnuGetMovieDetails;
    QAction *mnuNewMovieFromTmdb;
    QAction *mnuFillDetails;

    void setSelectedMovies(std::function<QList<int>()> f) { m_selected = std::move(f); }
    void setListedMovies(std::function<QList<int>()> f) { m_listed = std::move(f); }
    // Runs a dialog modally and returns its result; tests replace it to drive the dialog.
    std::function<int(QDialog &)> runDialog;

    // The three commands.
    void getMovieDetails();
    void newMovieFromSource();
    void fillDetailsForMovies();
    // Fills these movies, then lets the user resolve the ambiguous ones and tells the totals.
    BatchFill::Result fillMovies(const QList<int> &movieIds);

signals:
    // Movies, genres, directors or actors were written.
    void catalogueChanged(int movieId);

private:
    std::unique_ptr<MovieInfoSource> openSource();
    // Details, the field choice and the fill of one movie (0: a new one); the movie's ID, or 0
    // when nothing was written.
    int fillFromResult(int movieId, const QString &sourceId, bool askFields);
    void refresh(int movieId);
    int run(QDialog &dialog);

    AppContext &m_ctx;
    Catalogue &m_cat;
    MainWindowLink &m_main;
    QStringList m_pluginFolders;
    std::function<QList<int>()> m_selected;
    std::function<QList<int>()> m_listed;
    MovieInfoSource *m_source = nullptr; // the source of the command running
};
