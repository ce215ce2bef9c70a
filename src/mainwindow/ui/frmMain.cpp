#include "frmMain.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueMaintenance.h"
#include "CatalogueSession.h"
#include "EditedMovie.h"
#include "KeyboardOrder.h"
#include "MainCommandStates.h"
#include "MovieEditor.h"
#include "MovieListModel.h"
#include "QuickFilter.h"
#include "MovieStore.h"
#include "ProgramSettings.h"
#include "StepProgress.h"
#include "WebLookup.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"
#include "frmOptions.h"
#include "frmSplash.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

namespace {

const char *const CommunitySiteName = "Cinelog Community";

// The window's size (twips, kept under "Reelbase" with the list's column widths); it opens centred.
WindowPlacement mainPlacement()
{
    WindowPlacement p(QStringLiteral("Reelbase"), WindowPlacement::Size);
    p.withDefaultSize(QSize(12045, 9435)).centred();
    return p;
}

} // namespace

frmMain::frmMain(AppContext &ctx, CatalogueSession &session, QWidget *parent)
    : QMainWindow(parent), m_ctx(ctx), m_session(session), m_catalogue(session.catalogue()),
      m_store(new MovieStore(session.catalogue())), m_sort(MovieListModel::ColOrderBy)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Cinelog"));
    setMinimumSize(twipsToPixels(MinWidthTwips), twipsToPixels(MinHeightTwips));

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *splitter = new QSplitter(Qt::Vertical, central);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->setChildrenCollapsible(false);

    auto *listPane = new QWidget(splitter);
    auto *listLayout = new QVBoxLayout(listPane);
    listLayout->setContentsMargins(0, 0, 0, 0);
    m_model = new MovieListModel(this);
    lvMovies = new QTreeView(listPane);
    lvMovies->setObjectName(QStringLiteral("lvMovies"));
    lvMovies->setRootIsDecorated(false);
    lvMovies->setUniformRowHeights(true);
    lvMovies->setAllColumnsShowFocus(true);
    lvMovies->setSelectionMode(QAbstractItemView::SingleSelection);
    lvMovies->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvMovies->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvMovies->setModel(m_model);
    lvMovies->setContextMenuPolicy(Qt::CustomContextMenu);
    lvMovies->header()->setSectionsMovable(false);
    lvMovies->header()->setSectionsClickable(true);
    lvMovies->header()->setStretchLastSection(false);
    lblNumMovs = new QLabel(listPane);
    lblNumMovs->setObjectName(QStringLiteral("lblNumMovs"));
    m_quickFilter = new QuickFilter(listPane);
    m_quickFilter->attach(lvMovies, m_model, lblNumMovs, m_ctx);
    m_quickFilter->readSettings(ctx.ini());
    connect(this, &frmMain::optionsOpened, m_quickFilter, [this](frmOptions *dialog) { m_quickFilter->addOptions(*dialog); });
    connect(m_quickFilter, &QuickFilter::activeChanged, this, &frmMain::updateCaption);
    listLayout->addWidget(m_quickFilter);
    listLayout->addWidget(lvMovies, 1);
    listLayout->addWidget(lblNumMovs);
    splitter->addWidget(listPane);

    m_editor = new MovieEditor(ctx, session, *m_store, splitter);
    splitter->addWidget(m_editor);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    layout->addWidget(splitter);
    setCentralWidget(central);

    // Another program put a new file in the catalogue's place (a compaction): once the user has
    // been told, the list shows what the catalogue holds now.
    m_catalogue.setReopenedHandler([this] {
        QMetaObject::invokeMethod(this, [this] { ListMovies(tr("Refreshing Movie List...")); }, Qt::QueuedConnection);
    });
    buildMenus();
    buildToolbar();

    // The editor's side.
    connect(m_editor, &MovieEditor::statesChanged, this, qOverload<>(&frmMain::applyStates));
    connect(m_editor, &MovieEditor::stored, this, &frmMain::movieStored);
    connect(m_editor, &MovieEditor::userRatingStored, this, [this](int movieId, int rating) {
        m_model->setStars(m_model->rowOfMovie(movieId), rating);
    });
    connect(m_editor, &MovieEditor::castMenuRequested, this, &frmMain::showActorPopup);
    connect(&m_editor->edited(), &EditedMovie::showRequested, this, [this](int movieId) {
        showMovie(movieId);
        raise();
        activateWindow();
    });

    // The list's side.
    connect(lvMovies->header(), &QHeaderView::sectionClicked, this, &frmMain::lvMovies_ColumnClick);
    // A movie is chosen when its row becomes selected (a click, the arrow keys, the program). The
    // current row alone also moves when the list merely takes the focus, which chooses nothing.
    connect(lvMovies->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this](const QItemSelection &selected) {
        if (!m_loading && !selected.isEmpty())
            lvMovies_Click();
    });
    lvMovies->viewport()->installEventFilter(this);
    connect(lvMovies, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (!m_loading && m_pressOnShownMovie && index.isValid())
            m_ctx.guard(QStringLiteral("frmMain - lvMovies_Click"), [this] { reloadShownMovie(); });
        m_pressOnShownMovie = false;
    });
    connect(lvMovies, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QModelIndex idx = lvMovies->indexAt(pos);
        if (!idx.isValid())
            return;
        if (lvMovies->currentIndex().row() != idx.row())
            lvMovies->setCurrentIndex(idx);
        showListPopup(lvMovies->viewport()->mapToGlobal(pos));
    });
    // Keyboard and screen readers: the filter, the list, then the editor; the list's menu from the
    // keyboard. (The program gives the mnemonics once every menu is added: KeyboardOrder::prepare.)
    lvMovies->setAccessibleName(tr("Movies"));
    KeyboardOrder::openMenuFromKeyboard(lvMovies);
    KeyboardOrder::setChain({m_quickFilter->lineEdit(), lvMovies, m_editor->txtTitle});
    applyStates();
}

frmMain::~frmMain()
{
    m_catalogue.setReopenedHandler({});
    delete m_editor;
    m_editor = nullptr;
    delete m_store;
}

// ---------------------------------------------------------------------------------------------
// Menus and toolbar

template <typename Handler>
QAction *frmMain::addCommand(QMenu *menu, const char *name, const QString &caption, Handler handler, const QKeySequence &key)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    connect(a, &QAction::triggered, this, handler);
    return a;
}

QAction *frmMain::addRequest(QMenu *menu, const char *name, const QString &caption, void (frmMain::*request)(),
                             const QKeySequence &key)
{
    return addCommand(menu, name, caption, [this, request, name] {
        m_ctx.guard(QStringLiteral("frmMain - %1_Click").arg(QLatin1String(name)), [&] { emit(this->*request)(); });
    }, key);
}

QAction *frmMain::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void frmMain::buildMenus()
{
    auto sep = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
    auto sub = [](QMenu *menu, const char *name, const QString &caption) {
        QMenu *m = menu->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto top = [this](const char *name, const QString &caption, bool nameTheAction) {
        QMenu *m = menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        if (nameTheAction)
            m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    const auto key = [](const char *k) { return QKeySequence(QString::fromLatin1(k)); };

    mnuFile = top("mnuFile", tr("&File"), false);
    mnuNewDB = addCommand(mnuFile, "mnuNewDB", tr("&New Cinelog"), &frmMain::mnuNewDB_Click, key("Ctrl+N"));
    mnuOpenDB = addCommand(mnuFile, "mnuOpenDB", tr("&Open Cinelog"), &frmMain::mnuOpenDB_Click, key("Ctrl+O"));
    sep(mnuFile, "Break04");
    mnuNew = addCommand(mnuFile, "mnuNew", tr("Add New Movie"), &frmMain::mnuNew_Click, key("Ctrl+M"));
    mnuSave = addCommand(mnuFile, "mnuSave", tr("&Save Movie"), &frmMain::mnuSave_Click, key("Ctrl+S"));
    mnuDelete = addCommand(mnuFile, "mnuDelete", tr("&Delete Movie"), &frmMain::mnuDelete_Click);
    sep(mnuFile, "Break09");
    mnuImport = sub(mnuFile, "mnuImport", tr("Import"));
    mnuExcel = addRequest(mnuImport, "mnuExcel", tr("From Excel"), &frmMain::importRequested);
    sep(mnuFile, "Break10");
    mnuPrint = sub(mnuFile, "mnuPrint", tr("Print List"));
    mnuMovieTitles = addRequest(mnuPrint, "mnuMovieTitles", tr("Movie Titles"), &frmMain::printTitlesRequested);
    mnuPrintDetails = addRequest(mnuPrint, "mnuPrintDetails", tr("Movie Details"), &frmMain::printDetailsRequested);
    m_break03 = mnuFile->addSeparator();
    m_break03->setObjectName(QStringLiteral("Break03"));
    m_break03->setVisible(false);
    for (int i = 1; i <= 5; ++i) {
        QAction *a = mnuFile->addAction(QString::number(i));
        a->setObjectName(QStringLiteral("mnuFiles%1").arg(i));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { mnuFiles_Click(i); });
        m_mnuFiles[i] = a;
    }
    sep(mnuFile, "Break02");
    mnuExit = addCommand(mnuFile, "mnuExit", tr("E&xit"), &QWidget::close, key("Ctrl+Q"));

    mnuDatabase = top("mnuDatabase", tr("&Tools"), true);
    mnuSearch = addCommand(mnuDatabase, "mnuSearch", tr("&Search"), [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuSearch_Click"), [this] {
            CheckSaved();
            emit searchRequested();
        });
    }, key("Ctrl+F"));
    mnuLoans = addCommand(mnuDatabase, "mnuLoans", tr("&Loans"), [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuLoans_Click"), [this] {
            CheckSaved();
            emit loansRequested();
        });
    }, key("Ctrl+L"));
    mnuUserList = addRequest(mnuDatabase, "mnuUserList", tr("User List"), &frmMain::userListsRequested, key("Ctrl+U"));
    mnuActDir = addRequest(mnuDatabase, "mnuActDir", tr("Actors and Directors"), &frmMain::actorsDirectorsRequested,
                           key("Ctrl+D"));
    mnuSaveCoverFile = addCommand(mnuDatabase, "mnuSaveCoverFile", tr("Save Cover File"),
                                  [this] { m_editor->mnuSaveCoverFile_Click(); });
    sep(mnuDatabase, "sdfasdfd");
    mnuDBTools = sub(mnuDatabase, "mnuDBTools", tr("Databse Tools"));
    mnuCleanDB = addCommand(mnuDBTools, "mnuCleanDB", tr("Clean Database"), &frmMain::mnuCleanDB_Click);
    mnuCompactDB = addCommand(mnuDBTools, "mnuCompactDB", tr("Compact Database"), &frmMain::mnuCompactDB_Click);
    mnuCheckDB = addRequest(mnuDBTools, "mnuCheckDB", tr("C&heck Catalogue..."), &frmMain::checkCatalogueRequested);

    mnuWebSearch = top("mnuWebSearch", tr("&Web"), true);
    mnuURL = addCommand(mnuWebSearch, "mnuURL", tr("Visit Website"), [this] { m_editor->cmdURL_Click(); });
    mnuCoverSearch = addCommand(mnuWebSearch, "mnuCoverSearch", tr("Search for Covers"), [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuCoverSearch_Click"), [this] { emit coverSearchRequested(m_editor->title()); });
    });
    mnuCDWeb = sub(mnuWebSearch, "mnuCDWeb", tr("Movie Info from %1").arg(QLatin1String(CommunitySiteName)));
    mnuUploadInfo = addRequest(mnuCDWeb, "mnuUploadInfo", tr("Upload"), &frmMain::uploadRequested);
    mnuDownloadInfo = addRequest(mnuCDWeb, "mnuDownloadInfo", tr("Download"), &frmMain::downloadRequested);
    sep(mnuWebSearch, "bre");
    mnuSearchTitle = sub(mnuWebSearch, "mnuSearchTitle", tr("Movie Title"));
    mnuMovieTitle = addCommand(mnuSearchTitle, "mnuMovieTitle", tr("on IMDB"), &frmMain::mnuMovieTitle_Click);
    mnuNetflixTitle = addCommand(mnuSearchTitle, "mnuNetflixTitle", tr("on Netflix"), &frmMain::mnuNetflixTitle_Click);
    mnuSearchDirector = sub(mnuWebSearch, "mnuSearchDirector", tr("Director"));
    mnuDirector = addCommand(mnuSearchDirector, "mnuDirector", tr("on IMDB"), &frmMain::mnuDirector_Click);
    mnuNetflixDirector = addCommand(mnuSearchDirector, "mnuNetflixDirector", tr("on Netflix"),
                                    &frmMain::mnuNetflixDirector_Click);

    mnuWindow = top("mnuWindow", tr("Options"), false);
    mnuOptions = addCommand(mnuWindow, "mnuOptions", tr("Edit Options"), &frmMain::mnuOptions_Click);
    QAction *siteBreak = mnuWindow->addSeparator();
    siteBreak->setObjectName(QStringLiteral("breaky39393"));
    const QUrl site = WebLookup::productSite(m_ctx.WebAddress);
    const QUrl forums = WebLookup::productForums(m_ctx.WebAddress);
    mnuWebsite = addCommand(mnuWindow, "mnuWebsite", tr("Cinelog Website"), [this, site] {
        m_ctx.guard(QStringLiteral("frmMain - mnuWebsite_Click"), [&] {
            if (site.isValid())
                openUrl(site);
        });
    });
    mnuForums = addCommand(mnuWindow, "mnuForums", tr("Cinelog Forums"), [this, forums] {
        m_ctx.guard(QStringLiteral("frmMain - mnuForums_Click"), [&] {
            if (forums.isValid())
                openUrl(forums);
        });
    });
    // A build without a web address has no site to visit.
    for (QAction *a : {siteBreak, mnuWebsite, mnuForums})
        a->setVisible(site.isValid());
    sep(mnuWindow, "Break01");
    mnuAbout = addCommand(mnuWindow, "mnuAbout", tr("About"), &frmMain::mnuAbout_Click);

    // Pop-up menu of the movie list.
    mnuHidden = new QMenu(this);
    mnuHidden->setObjectName(QStringLiteral("mnuHidden"));
    mnuCD2 = sub(mnuHidden, "mnuCD2", tr("Movie Info from %1").arg(QLatin1String(CommunitySiteName)));
    mnuUpld = addCommand(mnuCD2, "mnuUpld", tr("Upload"), [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuUpld_Click"), [this] {
            if (CurrentMovieID() != 0)
                emit uploadMovieRequested(CurrentMovieID());
        });
    });
    mnuDwnLoad = addRequest(mnuCD2, "mnuDwnLoad", tr("Download"), &frmMain::downloadRequested);
    mnuQuickCoverSearch = addCommand(mnuHidden, "mnuQuickCoverSearch", tr("Search for Covers"),
                                     [this] { mnuCoverSearch->trigger(); });
    mnuGoToWeb = addCommand(mnuHidden, "mnuGoToWeb", tr("Visit Website"), [this] { m_editor->cmdURL_Click(); });
    sep(mnuHidden, "Breakyfun01");
    QMenu *mnuSearchIMDB2 = sub(mnuHidden, "mnuSearchIMDB2", tr("Movie Title Search"));
    mnuMovie2 = addCommand(mnuSearchIMDB2, "mnuMovie2", tr("on IMDB"), &frmMain::mnuMovieTitle_Click);
    mnuNetflixTitle2 = addCommand(mnuSearchIMDB2, "mnuNetflixTitle2", tr("on Netflix"), &frmMain::mnuNetflixTitle_Click);
    QMenu *mnuNetflix2 = sub(mnuHidden, "mnuNetflix2", tr("Director Search"));
    mnuDirector2 = addCommand(mnuNetflix2, "mnuDirector2", tr("on IMDB"), &frmMain::mnuDirector_Click);
    mnuNetflixDirector2 = addCommand(mnuNetflix2, "mnuNetflixDirector2", tr("on Netflix"),
                                     &frmMain::mnuNetflixDirector_Click);
    sep(mnuHidden, "Breaky05");
    mnuLoanOut = addCommand(mnuHidden, "mnuLoanOut", tr("Loan Out"), [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuLoanOut_Click"), [this] {
            if (CurrentMovieID() != 0)
                emit loanOutRequested(CurrentMovieID(), m_editor->title());
        });
    });
    mnuAddToList = addCommand(mnuHidden, "mnuAddToList", tr("Add to User List"), [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuAddToList_Click"), [this] {
            if (CurrentMovieID() != 0)
                emit addToUserListRequested(CurrentMovieID(), m_editor->title());
        });
    });
    sep(mnuHidden, "mnuBreaky");
    mnuCopyMovie = addCommand(mnuHidden, "mnuCopyMovie", tr("Copy Movie"), &frmMain::mnuCopyMovie_Click);
    mnuDeleteMov = addCommand(mnuHidden, "mnuDeleteMov", tr("Delete Movie"), [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuDeleteMov_Click"), [this] { mnuDelete_Click(); });
    });

    // Pop-up menu of the cast.
    mnuHidActor = new QMenu(this);
    mnuHidActor->setObjectName(QStringLiteral("mnuHidActor"));
    mnuIMDBActor = addCommand(mnuHidActor, "mnuIMDBActor", tr("Search IMDB for"), &frmMain::mnuIMDBActor_Click);
    mnuNetflixActor = addCommand(mnuHidActor, "mnuNetflixActor", tr("Search Netflix for"), &frmMain::mnuNetflixActor_Click);
}

void frmMain::buildToolbar()
{
    tb1 = addToolBar(tr("Toolbar"));
    tb1->setObjectName(QStringLiteral("tb1"));
    tb1->setMovable(false);
    QStyle *s = style();
    auto button = [this](const char *key, const QString &tip, const QIcon &icon, auto slot) {
        QAction *a = tb1->addAction(icon, tip);
        a->setObjectName(QString::fromLatin1(key));
        a->setToolTip(tip);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    NewDB = button("NewDB", tr("Create a New Cinelog"), s->standardIcon(QStyle::SP_FileDialogNewFolder),
                   [this] { mnuNewDB_Click(); });
    OpenDB = button("OpenDB", tr("Open Cinelog"), s->standardIcon(QStyle::SP_DialogOpenButton), [this] { mnuOpenDB_Click(); });
    tb1->addSeparator();
    AddMov = button("AddMov", tr("Add Movie to Database"), s->standardIcon(QStyle::SP_FileIcon), [this] { mnuNew_Click(); });
    SaveMov = button("SaveMov", tr("Save/Update Movie"), s->standardIcon(QStyle::SP_DialogSaveButton),
                     [this] { mnuSave_Click(); });
    Print = button("Print", tr("Print Movie List"), s->standardIcon(QStyle::SP_FileDialogDetailedView),
                   [this] { mnuPrint->popup(QCursor::pos()); });
    DelMov = button("DelMov", tr("Delete Selected Movie"), s->standardIcon(QStyle::SP_TrashIcon),
                    [this] { mnuDelete_Click(); });
    tb1->addSeparator();
    SearchDB = button("SearchDB", tr("Search the Database"), s->standardIcon(QStyle::SP_FileDialogContentsView),
                      [this] { mnuSearch->trigger(); });
    Loan = button("Loan", tr("View Loaned Movies"), s->standardIcon(QStyle::SP_ArrowRight), [this] { mnuLoans->trigger(); });
    UserLists = button("UserLists", tr("View User's Lists"), s->standardIcon(QStyle::SP_FileDialogListView),
                       [this] { mnuUserList->trigger(); });
    WebSearch = button("WebSearch", tr("Web Search"), s->standardIcon(QStyle::SP_DriveNetIcon),
                       [this] { mnuWebSearch->popup(QCursor::pos()); });
    Refresh = button("Refresh", tr("Refresh the Movie List"), s->standardIcon(QStyle::SP_BrowserReload), [this] {
        m_ctx.guard(QStringLiteral("frmMain - tb1_ButtonClick"), [this] { ListMovies(QStringLiteral("Refreshing Movie List...")); });
    });
}

void frmMain::splashStep(const QString &text)
{
    if (frmSplash *s = frmSplash::instance())
        s->setDoingWhat(text);
}

// ---------------------------------------------------------------------------------------------
// Start-up and shutdown

void frmMain::Form_Load(bool reopenLast)
{
    m_editor->setMovieId(0);
    m_selectedListIndex = 0;
    m_editor->setNewMovie(false);
    m_editor->setSaved(true);
    // Each step may fail on its own; a settings value that is not a number is skipped.
    m_ctx.guard(QStringLiteral("frmMain Form_Load"), [this, reopenLast] {
        updateCaption();
        resize(twipsToPixels(13710), twipsToPixels(6105));
        mnuHidden->menuAction()->setVisible(false);
        mnuHidActor->menuAction()->setVisible(false);
        splashStep(tr("Adding Mediums..."));
        MovieEditor::setPickList(m_editor->cmbMedium, {QString(), QStringLiteral("DVD"), QStringLiteral("VHS")}, false);
        splashStep(tr("Adding Formats..."));
        MovieEditor::setPickList(m_editor->cmbFormat, {QString(), QStringLiteral("Widescreen"), QStringLiteral("Fullscreen")}, false);
        splashStep(tr("Loading your Settings..."));
        if (m_ctx.ini().exists()) {
            mainPlacement().restoreSize(*this, m_ctx.ini());
            splashStep(tr("Setting Column Widths..."));
            restoreColumnWidths(lvMovies->header(), m_ctx.ini(), QStringLiteral("Reelbase"));
            GetDBList();
            const QString last = ProgramSettings::LastDB.read(m_ctx.ini());
            if (reopenLast && m_session.autoload()) {
                splashStep(tr("Loading Your Last Database (%1)...").arg(last));
                updateCaption();
                refreshAfterOpen(true);
            }
        }
        mainPlacement().restorePosition(*this, m_ctx.ini());
        splashStep(tr("Unloading the Splash Screen..."));
        m_editor->lstActors->setColumnWidth(0, std::max(40, m_editor->lstActors->width() - twipsToPixels(360)));
    });
    applyStates();
}

void frmMain::refreshAfterOpen(bool withRatings)
{
    ListMovies(tr("Getting the Movie List..."));
    GetGenres();
    GetDirectors();
    GetActors();
    if (withRatings) {
        GetRatings();
        GetFormats();
        GetMediums();
        mnuNew_Click();
    }
}

void frmMain::updateCaption()
{
    const QString base = tr("Cinelog %1").arg(m_ctx.VersionText);
    const QString filtered = m_quickFilter && m_quickFilter->isActive() ? tr(" (filtered)") : QString();
    if (m_catalogue.path().isEmpty() || !m_catalogue.isOpen())
        setWindowTitle(base + filtered);
    else
        setWindowTitle(m_catalogue.path() + QStringLiteral(" | ") + base + filtered);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    m_ctx.guard(QStringLiteral("frmMain Form_Unload"), [this] {
        CheckSaved();
        IniFile &ini = m_ctx.ini();
        ini.beginBatch();
        mainPlacement().save(*this, ini);
        storeColumnWidths(lvMovies->header(), ini, QStringLiteral("Reelbase"));
        ini.endBatch();
        emit closing();
        m_catalogue.close();
    });
}

// ---------------------------------------------------------------------------------------------
// The movie list

void frmMain::ListMovies(const QString &message)
{
    // The movie in the editor, kept through the refill so that what is typed into it, before or
    // after, is saved to it and to no other movie.
    const int shownId = IsNewMovie() ? 0 : CurrentMovieID();
    m_selectedListIndex = 0;
    m_editor->setMovieId(0);
    m_loading = true;
    try {
        if (!m_catalogue.isOpen()) {
            m_model->clear();
            m_loading = false;
            if (shownId != 0)
                m_editor->setNewMovie(true);
            applyStates();
            return;
        }
        std::optional<StepProgress> progress;
        m_model->fill(m_catalogue, [&](qint64 done, qint64 total) {
            if (!progress)
                progress.emplace(m_ctx.progress(), message, total);
            progress->step(done);
        });
    } catch (...) {
        m_loading = false;
        if (shownId != 0)
            m_editor->setNewMovie(true);
        throw;
    }
    if (shownId != 0) {
        if (m_model->rowOfMovie(shownId) >= 0) {
            m_editor->setMovieId(shownId);
            selectRowOfCurrentMovie();
        } else if (m_model->holdsMovie(shownId)) {
            // Still in the catalogue, only hidden by the quick filter: the editor keeps it.
            m_editor->setMovieId(shownId);
        } else {
            // The movie is gone from the catalogue: what the editor holds can only become a new one.
            m_editor->setNewMovie(true);
        }
    }
    // An empty catalogue, not a filter without hits, starts a new movie.
    if (m_model->unfilteredCount() == 0)
        m_editor->setNewMovie(true);
    if (m_model->filterActive()) {
        m_quickFilter->updateCount();
    } else {
        const int n = m_model->rowCount();
        lblNumMovs->setText(n == 0 ? tr("No Movies Found") : tr("Number of Movies Found: %1").arg(QLocale().toString(n)));
    }
    // The remembered sort keeps the column and direction from before the refill; the refill itself
    // leaves the list in Order By order.
    m_sort.refilled();
    lvMovies->header()->setSortIndicatorShown(false);
    // Unsaved edits stay unsaved: they are still in the editor and are offered before it moves on.
    m_loading = false;
    applyStates();
}

void frmMain::lvMovies_ColumnClick(int column)
{
    if (m_model->rowCount() == 0)
        return;
    const Qt::SortOrder order = m_sort.headerClicked(column);
    m_loading = true;
    m_model->sort(column, order);
    m_loading = false;
    lvMovies->header()->setSortIndicatorShown(true);
    lvMovies->header()->setSortIndicator(column, order);
    if (lvMovies->currentIndex().isValid()) {
        m_selectedListIndex = lvMovies->currentIndex().row() + 1;
        lvMovies->scrollTo(lvMovies->currentIndex());
    }
}

void frmMain::lvMovies_Click()
{
    if (m_model->rowCount() == 0)
        return;
    // The selected row (the current one follows it a moment later when both change together).
    const QModelIndexList selected = lvMovies->selectionModel()->selectedRows();
    const QModelIndex cur = selected.isEmpty() ? lvMovies->currentIndex() : selected.first();
    if (!cur.isValid())
        return;
    const int id = m_model->movieId(cur.row());
    if (id == CurrentMovieID() && !IsNewMovie())
        return;
    CheckSaved();
    m_editor->setMovie(id);
    m_selectedListIndex = cur.row() + 1;
    ShowMovieData();
}

void frmMain::reloadShownMovie()
{
    if (CurrentMovieID() == 0 || IsNewMovie())
        return;
    CheckSaved();
    // A save that failed, or a No, both leave what the catalogue holds to be shown.
    m_editor->setSaved(true);
    if (m_model->rowOfMovie(CurrentMovieID()) >= 0)
        selectRowOfCurrentMovie();
    ShowMovieData();
}

void frmMain::showListPopup(const QPoint &globalPos)
{
    mnuGoToWeb->setVisible(m_editor->hasLink());
    mnuHidden->popup(globalPos);
}

void frmMain::showActorPopup(const QPoint &globalPos)
{
    const QString name = m_editor->selectedCastName();
    mnuIMDBActor->setText(tr("Search IMDB for \"%1\"").arg(name));
    mnuNetflixActor->setText(tr("Search Netflix for \"%1\"").arg(name));
    mnuHidActor->popup(globalPos);
}

void frmMain::showMovie(int movieId)
{
    m_editor->setMovie(movieId);
    selectRowOfCurrentMovie();
    ShowMovieData();
}

void frmMain::selectRowOfCurrentMovie()
{
    const int row = m_model->rowOfMovie(CurrentMovieID());
    m_loading = true;
    if (row >= 0) {
        lvMovies->setCurrentIndex(m_model->index(row, 0));
        lvMovies->scrollTo(m_model->index(row, 0));
    }
    m_loading = false;
    m_selectedListIndex = row + 1;
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lvMovies->viewport() && event->type() == QEvent::MouseButtonPress) {
        // Whether this press is on the row of the movie already shown: such a click does not
        // change the current row, so only the click itself can reload the movie.
        const QModelIndex at = lvMovies->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        m_pressOnShownMovie = at.isValid() && lvMovies->selectionModel()->isRowSelected(at.row(), QModelIndex())
                              && !IsNewMovie() && CurrentMovieID() != 0 && m_model->movieId(at.row()) == CurrentMovieID();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::GetGenres() { m_editor->GetGenres(); }
void frmMain::GetDirectors() { m_editor->GetDirectors(); }
void frmMain::GetActors() { m_editor->GetActors(); }
void frmMain::GetRatings() { m_editor->GetRatings(); }
void frmMain::GetMediums() { m_editor->GetMediums(); }
void frmMain::GetFormats() { m_editor->GetFormats(); }

// ---------------------------------------------------------------------------------------------
// The editor

int frmMain::CurrentMovieID() const { return m_editor->movieId(); }
bool frmMain::IsNewMovie() const { return m_editor->isNewMovie(); }
bool frmMain::IsSaved() const { return m_editor->isSaved(); }
void frmMain::CheckSaved() { m_editor->CheckSaved(); }
void frmMain::ShowMovieData() { m_editor->ShowMovieData(); }
void frmMain::reloadCover() { m_editor->reloadCover(); }

void frmMain::openUrl(const QUrl &url)
{
    m_ctx.urlOpener().open(url);
}

void frmMain::mnuNew_Click()
{
    m_ctx.guard(QStringLiteral("frmMain mnuNew_Click"), [this] {
        CheckSaved();
        m_editor->setMovieId(0);
        m_selectedListIndex = 0;
        m_editor->setNewMovie(true);
        m_loading = true;
        lvMovies->setCurrentIndex(QModelIndex());
        lvMovies->clearSelection();
        m_loading = false;
        m_editor->clearFields();
    });
    applyStates();
}

void frmMain::mnuSave_Click()
{
    m_editor->save();
}

void frmMain::movieStored(const MovieRecord &m, bool wasNew)
{
    // The list's own reaction to the new row is not a choice of the user's.
    m_loading = true;
    if (wasNew) {
        m_model->appendMovie(m);
        lblNumMovs->setText(tr("Number of Movies Found: %1").arg(QLocale().toString(m_model->rowCount())));
    } else {
        m_model->updateMovie(m_model->rowOfMovie(m.id), m);
    }
    m_loading = false;
    ProgressSink &progress = m_ctx.progress();
    progress.ShowProgress(tr("Saving Movie..."), 0, 50);
    progress.UpdateProgress(50);
    int column = 0;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (m_sort.resortAfterSave(column, order)) {
        m_loading = true;
        m_model->sort(column, order);
        m_loading = false;
    }
    if (!wasNew)
        m_selectedListIndex = m_model->rowOfMovie(m.id) + 1;
}

void frmMain::mnuDelete_Click()
{
    m_ctx.guard(QStringLiteral("frmMain mnuDelete_Click"), [this] {
        const int id = CurrentMovieID();
        if (id == 0)
            return;
        const int row = m_model->rowOfMovie(id);
        const QString title = row >= 0 ? m_model->text(row, MovieListModel::ColTitle) : m_editor->title();
        if (!m_ctx.prompts().question(tr("Are you SURE you want to delete \"%1\" from the database?\r"
                                             "Edit > Undo brings it back with its cast and loans.").arg(title),
                                      tr("Delete Movie?"), Prompts::Icon::Critical))
            return;
        m_store->remove(id);
        m_loading = true;
        m_model->removeMovie(id);
        lvMovies->setCurrentIndex(QModelIndex());
        m_loading = false;
        const int n = m_model->rowCount();
        if (m_model->filterActive())
            m_quickFilter->updateCount();
        else
            lblNumMovs->setText(n == 0 ? tr("No Movies Found") : tr("Number of Movies Found: %1").arg(QLocale().toString(n)));
        // The fields still show the deleted movie; what is typed into them now is a new movie.
        m_editor->setMovieId(0);
        m_selectedListIndex = 0;
        m_editor->setNewMovie(true);
        m_editor->setSaved(true);
    });
    applyStates();
}

// ---------------------------------------------------------------------------------------------
// Web look-ups

void frmMain::mnuMovieTitle_Click() { openUrl(WebLookup::imdbTitleSearch(m_editor->title())); }
void frmMain::mnuNetflixTitle_Click() { openUrl(WebLookup::netflixSearch(m_editor->title())); }
void frmMain::mnuDirector_Click() { openUrl(WebLookup::imdbNameSearch(m_editor->cmdDir->currentText())); }
void frmMain::mnuNetflixDirector_Click() { openUrl(WebLookup::netflixSearch(m_editor->cmdDir->currentText())); }
void frmMain::mnuIMDBActor_Click() { openUrl(WebLookup::imdbNameSearch(m_editor->selectedCastName())); }
void frmMain::mnuNetflixActor_Click() { openUrl(WebLookup::netflixSearch(m_editor->selectedCastName())); }

// ---------------------------------------------------------------------------------------------
// Catalogue commands

void frmMain::GetDBList()
{
    m_break03->setVisible(true);
    const QStringList paths = m_session.recentCatalogues();
    for (int i = 1; i <= 5; ++i) {
        m_moviePaths[i] = paths.value(i - 1);
        const bool shown = !m_moviePaths[i].isEmpty() && QFileInfo::exists(m_moviePaths[i]);
        m_mnuFiles[i]->setVisible(shown);
        if (shown)
            m_mnuFiles[i]->setText(QStringLiteral("&%1 %2").arg(i).arg(QFileInfo(m_moviePaths[i]).fileName()));
        else if (i == 1)
            m_break03->setVisible(false);
    }
}

bool frmMain::showOpenedCatalogue(bool opened, bool withRatings)
{
    // Another catalogue: the movie shown before belongs to the old one and is not kept.
    m_editor->setMovieId(0);
    m_selectedListIndex = 0;
    m_editor->setNewMovie(false);
    m_editor->setSaved(true);
    updateCaption();
    if (opened)
        refreshAfterOpen(withRatings);
    else
        m_model->clear();
    return opened;
}

void frmMain::mnuNewDB_Click()
{
    m_ctx.guard(QStringLiteral("frmMain mnuNewDB_Click"), [this] {
        CheckSaved();
        // The catalogue session asks before replacing a file; the dialog does not ask as well.
        const QString file = m_ctx.prompts().saveFile(tr("Enter a Database Name:"),
                                                      tr("Cinelogs (*.cnlg)"), m_session.startFolder(),
                                                      Prompts::Overwrite::CallerConfirms);
        if (file.isEmpty())
            return;
        showOpenedCatalogue(m_session.createOpenAndRemember(file), false);
        GetDBList();
        m_editor->setNewMovie(true);
    });
    applyStates();
}

void frmMain::mnuOpenDB_Click()
{
    m_ctx.guard(QStringLiteral("frmMain mnuOpenDB_Click"), [this] {
        CheckSaved();
        const QString file = m_ctx.prompts().openFile(tr("Select a Cinelog:"), tr("Cinelogs (*.cnlg)"),
                                                      m_session.startFolder());
        if (file.isEmpty())
            return;
        openPath(file);
    });
    applyStates();
}

void frmMain::openCatalogueFile(const QString &path)
{
    m_ctx.guard(QStringLiteral("frmMain mnuOpenDB_Click"), [this, &path] {
        CheckSaved();
        if (!path.isEmpty())
            openPath(path);
    });
    applyStates();
}

void frmMain::openPath(const QString &file)
{
    const bool opened = showOpenedCatalogue(m_session.openAndRemember(file), false);
    GetDBList();
    if (opened) {
        GetRatings();
        GetFormats();
        GetMediums();
    }
    mnuNew_Click();
}

void frmMain::mnuFiles_Click(int index)
{
    if (index < 1 || index > 5)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_ctx.guard(QStringLiteral("frmMain mnuFiles_Click"), [&] {
        CheckSaved();
        showOpenedCatalogue(m_session.open(m_moviePaths[index]), true);
    });
    QApplication::restoreOverrideCursor();
    applyStates();
}

void frmMain::mnuCleanDB_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - mnuCleanDB_Click"), [this] {
        std::optional<StepProgress> progress;
        const CleanReport report = m_store->clean([&](int done, int total) {
            if (!progress)
                progress.emplace(m_ctx.progress(), tr("Cleaning the Database..."), total);
            progress->step(done);
        });
        if (progress)
            progress->finish();
        GetActors();
        GetDirectors();
        m_ctx.prompts().message(report.message(), tr("All Cleaned"), Prompts::Icon::Information);
    });
}

void frmMain::mnuCompactDB_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - mnuCompactDB_Click"), [this] {
        compactCatalogue(m_catalogue);
        m_ctx.prompts().message(tr("Database has been compacted."), tr("DB Compacted"),
                                Prompts::Icon::Information);
    });
    applyStates();
}

void frmMain::mnuCopyMovie_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - mnuCopyMovie_Click"), [this] {
        if (CurrentMovieID() == 0)
            return;
        m_store->copy(CurrentMovieID());
        // The original stays the movie in the editor.
        ListMovies(tr("Refreshing Movie List..."));
    });
    applyStates();
}

void frmMain::mnuAbout_Click()
{
    auto *about = new frmSplash(m_ctx);
    about->setAboutBox(true);
    about->lblDoingWhat->setText(tr("Click the window to close..."));
    about->show();
}

void frmMain::mnuOptions_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - mnuOptions_Click"), [this] {
        // One options window: a second click brings the open one forward.
        if (!m_options) {
            m_options = new frmOptions(m_ctx, this);
            m_options->setModal(false);
            emit optionsOpened(m_options);
        }
        m_options->show();
        m_options->raise();
        m_options->activateWindow();
    });
}

// ---------------------------------------------------------------------------------------------
// Command states

void frmMain::applyStates()
{
    MainCommandInputs in;
    in.catalogueChosen = m_session.catalogueChosen();
    in.listHasRows = m_model->rowCount() > 0;
    m_editor->fillInputs(in);
    applyStates(mainCommandStates(in));
}

void frmMain::applyStates(const MainCommandStates &s)
{
    m_editor->applyStates(s);
    for (QAction *a : {mnuDatabase->menuAction(), mnuDBTools->menuAction(), mnuImport->menuAction(),
                       mnuWebSearch->menuAction(), mnuUserList, mnuNew, AddMov, SearchDB, Loan, UserLists})
        a->setEnabled(s.catalogueCommands);
    for (QAction *a : {mnuDelete, DelMov})
        a->setEnabled(s.deleteMovie);
    for (QAction *a : {mnuSave, SaveMov})
        a->setEnabled(s.saveMovie);
    const auto keep = [](QAction *a, const std::optional<bool> &on) {
        if (on)
            a->setEnabled(*on);
    };
    keep(mnuQuickCoverSearch, s.quickCoverSearch);
    keep(mnuSaveCoverFile, s.saveCoverFile);
    keep(mnuCoverSearch, s.coverSearch);
    keep(mnuSearchTitle->menuAction(), s.searchTitle);
    keep(mnuDownloadInfo, s.downloadInfo);
    keep(mnuSearchDirector->menuAction(), s.searchDirector);
    for (QAction *a : {mnuPrint->menuAction(), Print})
        a->setEnabled(s.printList);
    Refresh->setEnabled(s.refreshList);
    mnuURL->setEnabled(s.visitWebsite);
    if (s.noCatalogueCaption)
        lblNumMovs->setText(tr("No Cinelog Open"));
}
