#pragma once

#include "MainWindowLink.h"

#include <QMainWindow>

class AppContext;
class Catalogue;
class MovieListModel;
class QLabel;
class QTreeView;
class frmSplash;

// The main window: the movie list beside the detail editor, with the program's menus and toolbar.
class frmMain : public QMainWindow, public MainWindowLink
{
    Q_OBJECT
public:
    frmMain(AppContext &ctx, Catalogue &catalogue, QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up steps run before the window is first shown.
    void Form_Load();

    // Minimum size in twips.
    static constexpr int MinWidthTwips = 13710;
    static constexpr int MinHeightTwips = 6270;

    // MainWindowLink
    void ListMovies(const QString &message) override;
    void GetGenres() override;
    void GetDirectors() override;
    void GetActors() override;
    void GetRatings() override;
    void GetFormats() override;
    void GetMediums() override;
    void CheckSaved() override;
    void ShowMovieData() override;
    void showMovie(int movieId) override;
    void reloadCover() override;
    int CurrentMovieID() const override { return m_currentMovieId; }
    bool IsNewMovie() const override { return m_isNewMovie; }
    bool IsSaved() const override { return m_isSaved; }
    QString currentTitle() const override;
    QWidget *widget() override { return this; }

    void updateCaption();

    QTreeView *lvMovies;
    QLabel *lblNumMovs;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void splashStep(const QString &text);
    void Form_Unload();

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    MovieListModel *m_model;
    int m_currentMovieId = 0;
    int m_selectedListIndex = 0;
    bool m_isNewMovie = false;
    bool m_isSaved = true;
};
