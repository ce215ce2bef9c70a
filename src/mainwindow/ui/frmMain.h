#pragma once

#include "MainWindowLink.h"

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <functional>

class AppContext;
class Catalogue;
class CatalogueSession;
class CoverPictures;
class MovieListModel;
class MovieStore;
class StarRating;
class frmOptions;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;
class QTreeView;
class QTreeWidget;
struct MovieRecord;

// Windows of other parts of the program that the main window opens. The application fills these
// in; a missing one leaves its command without effect.
struct MainWindowHooks {
    std::function<void()> search, loans, userLists, actorsDirectors, importWorkbook, download, upload;
    std::function<void()> printTitles, printDetails;
    std::function<void(int movieId)> uploadMovie;
    std::function<bool(int movieId, const QString &title)> loanOut;
    std::function<void(int movieId, const QString &title)> addToUserList;
    std::function<void(const QString &title)> coverSearch;
    // Episodes window: shown for an episode disc, hidden otherwise.
    std::function<void(int movieId, const QString &title)> showEpisodes;
    std::function<void()> hideEpisodes;
    // Runs when the main window closes, before the catalogue is closed.
    std::function<void()> closing;
};

// The main window: the movie list above the movie editor, with the program's menus and toolbar.
class frmMain : public QMainWindow, public MainWindowLink
{
    Q_OBJECT
public:
    frmMain(AppContext &ctx, CatalogueSession &session, QWidget *parent = nullptr);
    ~frmMain() override;

    MainWindowHooks hooks;

    // Start-up steps run before the window is first shown. reopenLast false skips re-opening the
    // last catalogue (the program was started to open another one).
    void Form_Load(bool reopenLast = true);

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

    // Commands.
    void mnuNew_Click();
    void mnuSave_Click();
    void mnuDelete_Click();
    void mnuSaveCoverFile_Click();
    void mnuNewDB_Click();
    void mnuOpenDB_Click();
    // Opens the catalogue at path as File > Open does once a file is chosen: offers to save the
    // shown movie first, reports a file that cannot be opened the same way.
    void openCatalogueFile(const QString &path);
    void mnuFiles_Click(int index);
    void mnuCleanDB_Click();
    void mnuCompactDB_Click();
    void mnuCopyMovie_Click();
    void mnuAbout_Click();
    void mnuOptions_Click();
    void mnuMovieTitle_Click();
    void mnuNetflixTitle_Click();
    void mnuDirector_Click();
    void mnuNetflixDirector_Click();
    void mnuIMDBActor_Click();
    void mnuNetflixActor_Click();
    void cmdURL_Click();
    void cmdAddActor_Click();
    void cmdRemoveActor_Click();
    void imgCover_DblClick();
    void flash1_FSCommand(const QString &command, const QString &args);
    void lvMovies_ColumnClick(int column);
    void lvMovies_Click();
    void GetDBList();
    // The list's pop-up menu (also shown over the cover wall).
    void showListPopup(const QPoint &globalPos);

    // Web look-up addresses.
    static QUrl imdbFind(const QString &text, const char *kind);
    static QUrl netflixSearch(const QString &text);
    // The name part of a cast row: the text before the first " as ".
    static QString castName(const QString &rowText);
    // An address the link commands open: http or https with a host.
    static bool isWebAddress(const QUrl &url);

    // Applies the enable/disable rules to every command; runs whenever one of their inputs changes.
    void applyStates();
    void updateCaption();

    // Editor state visible to tests.
    int selectedListIndex() const { return m_selectedListIndex; }
    int selectedActorId() const { return m_selectedActorId; }
    int currentUserRating() const { return m_currentUserRating; }
    bool lastSorted() const { return m_lastSorted; }
    int sortColumn() const { return m_sortKey; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    MovieListModel *movieModel() const { return m_model; }
    QAction *action(const QString &objectName) const;

    // Controls, named as the program's code refers to them.
    QTreeView *lvMovies;
    QLabel *lblNumMovs;
    QLineEdit *txtTitle, *txtOrderBy, *txtNumDiscs, *txtRealYear, *txtRunningTime, *txtURL, *txtActorPlays;
    QComboBox *cmdDir, *cmbMedium, *cmbFormat, *cmbRating, *cmbActor;
    QComboBox *cmbGenre[3];
    QPushButton *cmdURL, *cmdAddActor, *cmdRemoveActor;
    StarRating *flash1;
    QLabel *imgCover, *lblDoubleClick, *lblAs;
    QCheckBox *chkEpisodeDisc;
    QTreeWidget *lstActors;
    QGroupBox *frameActrors, *framGenre;
    QToolBar *tb1;
    QMenu *mnuHidden, *mnuHidActor, *mnuPrint, *mnuWebSearch;

signals:
    // A cover was stored for the movie (from a file or a cover search).
    void coverChanged(int movieId);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildEditor();
    void buildMenus();
    void buildToolbar();
    void splashStep(const QString &text);
    void Form_Unload();
    void markChanged();
    void fillCast();
    void showCover(bool hasCover);
    void setEpisodeWindow(bool show);
    void selectRowOfCurrentMovie();
    MovieRecord editorRecord() const;
    void refreshAfterOpen(bool withRatings);
    // Shows the outcome of opening a catalogue: its movies and names, or an empty list.
    bool showOpenedCatalogue(bool opened, bool withRatings);
    CoverPictures covers();
    void openPath(const QString &file);
    void setComboItems(QComboBox *box, const QStringList &items, bool keepText);
    void addNameOnLeave(QComboBox *box, int kind);
    void titleLostFocus();
    void openUrl(const QUrl &url);
    // The product's site and forums; invalid when the build has no web address.
    QUrl websiteUrl() const;
    QUrl forumsUrl() const;
    // A click on the movie already shown: offers to save it, then shows it from the catalogue.
    void reloadShownMovie();
    void showActorPopup(const QPoint &globalPos);
    void lstActors_Click();
    QString selectedCastText() const;
    bool catalogueChosen() const;

    AppContext &m_ctx;
    CatalogueSession &m_session;
    Catalogue &m_catalogue;
    MovieStore *m_store;
    MovieListModel *m_model;
    int m_currentMovieId = 0;
    int m_selectedListIndex = 0;
    bool m_isNewMovie = false;
    bool m_isSaved = true;
    int m_currentUserRating = 0;
    int m_selectedActorId = 0;
    int m_selectedActorIndex = 0;
    // The list's own sort state and the remembered one.
    int m_sortKey = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_lastSortKey = 0;
    Qt::SortOrder m_lastSortOrder = Qt::AscendingOrder;
    bool m_lastSorted = false;
    bool m_loading = false;
    bool m_pressOnShownMovie = false;
    QPointer<frmOptions> m_options;
    QString m_moviePaths[6];
    QAction *m_mnuFiles[6] = {};
    QAction *m_break03 = nullptr;
    QImage *m_cover = nullptr;
};
