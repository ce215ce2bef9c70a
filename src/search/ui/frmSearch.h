#pragma once

#include "MovieSearch.h"
#include "Reports.h"

#include <QMainWindow>

class AppContext;
class Catalogue;
class CatalogueEvents;
class EditedMovie;
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
// beside the criteria. Movies found can be opened in the main window's editor, lent, or put on a
// list. What other windows do (the loan and list dialogs, printing, export) is asked for by signals;
// a command whose signal has no receiver stays disabled.
class frmSearch : public QMainWindow
{
    Q_OBJECT
public:
    frmSearch(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events, QWidget *parent = nullptr);
    ~frmSearch() override;

    // Fills the pick lists and sets the size from the settings; run once before the window is shown.
    void Form_Load();

    // The movies listed, in the order shown.
    const QList<int> &foundMovieIds() const;
    // The criteria as the inputs hold them now.
    SearchCriteria criteria() const;
    // The movie of the selected row; 0 when none.
    int selectedMovieId() const;
    // The details report's parameters for the movies found and the criteria shown.
    report::MovieDetailsSearchParams reportParams() const;

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

signals:
    // "Loan Out" and "Add to User's List" for the selected movie (both open modal dialogs). After
    // "Loan Out" the loans are announced as changed so the main list shows the loan.
    void loanOutRequested(int movieId, const QString &title);
    void addToListRequested(int movieId, const QString &title);
    // "Print List": the details report of the movies found.
    void printRequested(const report::MovieDetailsSearchParams &params);
    // "Export...": the movies found, in the order shown.
    void exportRequested(const QList<int> &movieIds);

protected:
    void closeEvent(QCloseEvent *event) override;
    void connectNotify(const QMetaMethod &signal) override;

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
    EditedMovie &m_edited;
    CatalogueEvents &m_events;
    SearchResultModel *m_model;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_unloaded = false;
};

// Shows the one search window, creating and loading it when it is not open yet (made tells which).
frmSearch *showSearchWindow(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                            QWidget *parent, bool *made = nullptr);
