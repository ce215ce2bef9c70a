#pragma once

#include "MovieListSort.h"

#include <QMainWindow>
#include <QPointer>
#include <QUrl>

class AppContext;
class Catalogue;
class CatalogueSession;
class MovieEditor;
class MovieListModel;
class MovieStore;
class frmOptions;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QTreeView;
struct MainCommandStates;
struct MovieRecord;

// The main window: the movie list above the movie editor, with the program's menus and toolbar.
// It lays them out and wires them: the editor (MovieEditor) edits one movie, the list model shows
// them all, the enable rules are mainCommandStates(). Commands that open other parts of the
// program are signals the application (src/app) connects.
//
// Adding a command: create its QAction with addCommand() in buildMenus() (or in the pop-up menu
// or toolbar next to it), keep a member for it when its state changes, and give it a line in
// applyStates() when it has an enable rule. A command handled by another window is a signal here,
// emitted through addRequest(), and connected in src/app.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    frmMain(AppContext &ctx, CatalogueSession &session, QWidget *parent = nullptr);
    ~frmMain() override;

    // Start-up steps run before the window is first shown. reopenLast false skips re-opening the
    // last catalogue (the program was started to open another one).
    void Form_Load(bool reopenLast = true);

    static constexpr int MinWidthTwips = 13710;
    static constexpr int MinHeightTwips = 6270;

    MovieEditor *editor() const { return m_editor; }
    MovieListModel *movieModel() const { return m_model; }

    // The list and the pick lists, read again from the catalogue. message is what the progress
    // window says while the list is read.
    void ListMovies(const QString &message);
    void GetGenres();
    void GetDirectors();
    void GetActors();
    void GetRatings();
    void GetFormats();
    void GetMediums();

    // The editor's record (see MovieEditor).
    int CurrentMovieID() const;
    bool IsNewMovie() const;
    bool IsSaved() const;
    void CheckSaved();
    void ShowMovieData();
    // Shows a stored movie in the editor as if it was picked in the list.
    void showMovie(int movieId);
    void reloadCover();

    // Commands.
    void mnuNew_Click();
    void mnuSave_Click();
    void mnuDelete_Click();
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
    void lvMovies_ColumnClick(int column);
    void lvMovies_Click();
    void GetDBList();

    // Applies the enable rules to every command; runs whenever one of their inputs changes.
    void applyStates();
    void updateCaption();

    // List state visible to tests.
    int selectedListIndex() const { return m_selectedListIndex; }
    bool lastSorted() const { return m_sort.lastSorted(); }
    int sortColumn() const { return m_sort.column(); }
    Qt::SortOrder sortOrder() const { return m_sort.order(); }
    // A command by its object name (for tests and scripted checks; the window itself uses the
    // members below).
    QAction *action(const QString &objectName) const;

    // Controls, named as the program's code refers to them.
    QTreeView *lvMovies;
    QLabel *lblNumMovs;
    QToolBar *tb1;
    QMenu *mnuFile, *mnuImport, *mnuPrint, *mnuDatabase, *mnuDBTools, *mnuWebSearch, *mnuCDWeb, *mnuSearchTitle,
        *mnuSearchDirector, *mnuWindow, *mnuHidden, *mnuCD2, *mnuHidActor;
    // Menu commands.
    QAction *mnuNewDB, *mnuOpenDB, *mnuNew, *mnuSave, *mnuDelete, *mnuExcel, *mnuMovieTitles, *mnuPrintDetails, *mnuExit;
    QAction *mnuSearch, *mnuLoans, *mnuUserList, *mnuActDir, *mnuSaveCoverFile, *mnuCleanDB, *mnuCompactDB;
    QAction *mnuURL, *mnuCoverSearch, *mnuUploadInfo, *mnuDownloadInfo, *mnuMovieTitle, *mnuNetflixTitle, *mnuDirector,
        *mnuNetflixDirector;
    QAction *mnuOptions, *mnuWebsite, *mnuForums, *mnuAbout;
    // The list's pop-up menu and the cast's.
    QAction *mnuUpld, *mnuDwnLoad, *mnuQuickCoverSearch, *mnuGoToWeb, *mnuMovie2, *mnuNetflixTitle2, *mnuDirector2,
        *mnuNetflixDirector2, *mnuLoanOut, *mnuAddToList, *mnuCopyMovie, *mnuDeleteMov;
    QAction *mnuIMDBActor, *mnuNetflixActor;
    // Toolbar buttons.
    QAction *NewDB, *OpenDB, *AddMov, *SaveMov, *Print, *DelMov, *SearchDB, *Loan, *UserLists, *WebSearch, *Refresh;

signals:
    // Commands other windows carry out; the application connects them.
    void searchRequested();
    void loansRequested();
    void userListsRequested();
    void actorsDirectorsRequested();
    void importRequested();
    void downloadRequested();
    void uploadRequested();
    void printTitlesRequested();
    void printDetailsRequested();
    void uploadMovieRequested(int movieId);
    void loanOutRequested(int movieId, const QString &title);
    void addToUserListRequested(int movieId, const QString &title);
    void coverSearchRequested(const QString &title);
    // The options dialog was made: other parts add their rows to it.
    void optionsOpened(frmOptions *dialog);
    // The window closes; the catalogue is still open.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    // A command in menu: its object name, caption and shortcut; triggering it runs handler.
    template <typename Handler>
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, Handler handler,
                        const QKeySequence &key = QKeySequence());
    // A command another window carries out: triggering it emits request, inside the error guard
    // labelled "frmMain - <name>_Click".
    QAction *addRequest(QMenu *menu, const char *name, const QString &caption, void (frmMain::*request)(),
                        const QKeySequence &key = QKeySequence());
    void applyStates(const MainCommandStates &states);
    void splashStep(const QString &text);
    void Form_Unload();
    void selectRowOfCurrentMovie();
    void refreshAfterOpen(bool withRatings);
    // Shows the outcome of opening a catalogue: its movies and names, or an empty list.
    bool showOpenedCatalogue(bool opened, bool withRatings);
    void openPath(const QString &file);
    void openUrl(const QUrl &url);
    // The editor stored a movie: the list shows it.
    void movieStored(const MovieRecord &m, bool wasNew);
    // A click on the movie already shown: offers to save it, then shows it from the catalogue.
    void reloadShownMovie();
    void showListPopup(const QPoint &globalPos);
    void showActorPopup(const QPoint &globalPos);

    AppContext &m_ctx;
    CatalogueSession &m_session;
    Catalogue &m_catalogue;
    MovieStore *m_store;
    MovieListModel *m_model;
    MovieEditor *m_editor;
    MovieListSort m_sort;
    int m_selectedListIndex = 0;
    bool m_loading = false;
    bool m_pressOnShownMovie = false;
    QPointer<frmOptions> m_options;
    QString m_moviePaths[6];
    QAction *m_mnuFiles[6] = {};
    QAction *m_break03 = nullptr;
};
