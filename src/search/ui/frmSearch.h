#pragma once

#include "MovieSearch.h"

#include <QMainWindow>
#include <functional>

class AppContext;
class Catalogue;
class MainWindowLink;
class SearchResultModel;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTreeView;

// The search window: criteria at the top, the movies found below, the cast of the selected movie
// beside the criteria. Movies found can be opened in the main window, lent, or put on a list.
class frmSearch : public QMainWindow
{
    Q_OBJECT
public:
    frmSearch(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, QWidget *parent = nullptr);
    ~frmSearch() override;

    // Fills the pick lists and sets the size from the settings; run once before the window is shown.
    void Form_Load();

    // What "Loan Out" and "Add to User's List" open for the selected movie (both modal dialogs).
    // After "Loan Out" the main window's list is refreshed so it shows the loan.
    using MovieHandler = std::function<void(int movieId, const QString &title)>;
    void setLoanOutHandler(MovieHandler handler);
    void setAddToListHandler(MovieHandler handler);
    // What "Print List" opens; it reads foundMovies() and criteria() of this window.
    void setPrintHandler(std::function<void(frmSearch &)> handler);
    // What "Export..." opens; it reads foundMovies() of this window.
    void setExportHandler(std::function<void(frmSearch &)> handler);

    // The movies listed, in the order shown.
    const QList<FoundMovie> &foundMovies() const;
    // The criteria as the inputs hold them now.
    SearchCriteria criteria() const;
    // The movie of the selected row; 0 when none.
    int selectedMovieId() const;

    void cmdSearch_Click();

    static constexpr int MinWidthTwips = 11070;
    static constexpr int MinHeightTwips = 6030;

    QGroupBox *frmSearchCrit;
    QCheckBox *ckTitle, *ckDir, *ckActor, *ckGenre, *ckFormat, *ckRating, *ckMedium, *chkStars, *chkExactMatch;
    QLineEdit *txtTitle;
    QComboBox *cmbDirector, *cmbActor[2], *cmbGenre[2], *cmbFormat, *cmbRating, *cmbMedium, *ComStarsValue, *ComStars;
    QLabel *lblReferenceWith, *lblReferenceGenre, *lblMovieTitles, *lblTotals, *lblClickOn;
    QPushButton *cmdSearch, *cmdPrint, *cmdExport, *cmdClose;
    QTreeView *lvMovies;
    QListWidget *lstActors;
    QMenu *mnuHidden;
    QAction *mnuClose, *mnuLoanOut, *mnuUserList, *mnuEditMovie;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    void applyInputRules();
    void lvMovies_Click();
    void lvMovies_ColumnClick(int column);
    void lvMovies_DblClick();
    void showPopup(const QPoint &pos);
    void mnuLoanOut_Click();
    void mnuUserList_Click();
    void mnuEditMovie_Click();
    void Form_Unload();

    AppContext &m_ctx;
    MovieSearch m_search;
    MainWindowLink &m_mainWindow;
    SearchResultModel *m_model;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    MovieHandler m_loanOut, m_addToList;
    std::function<void(frmSearch &)> m_print;
    std::function<void(frmSearch &)> m_export;
    bool m_unloaded = false;
};

// Shows the one search window, creating and loading it when it is not open yet.
frmSearch *showSearchWindow(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, QWidget *parent);
