#include "frmMain.h"

#include "CatalogueSession.h"
#include "CoverPictures.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueMaintenance.h"
#include "ChangeConflict.h"
#include "ComboAutoComplete.h"
#include "MovieListModel.h"
#include "MovieStore.h"
#include "StarRating.h"
#include "StepProgress.h"
#include "WindowUtil.h"
#include "frmOptions.h"
#include "frmSplash.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

namespace {

const char *const CommunitySiteName = "Cinelog Community";

QLabel *captionLabel(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QComboBox *comboBox(const char *name, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setMinimumContentsLength(12);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboAutoComplete::attach(c);
    return c;
}

QLineEdit *lineEdit(const char *name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(255);
    return e;
}

} // namespace

frmMain::frmMain(AppContext &ctx, CatalogueSession &session, QWidget *parent)
    : QMainWindow(parent), m_ctx(ctx), m_session(session), m_catalogue(session.catalogue()),
      m_store(new MovieStore(session.catalogue())),
      m_cover(new QImage)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Cinelog"));
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
    listLayout->addWidget(lvMovies, 1);
    listLayout->addWidget(lblNumMovs);
    splitter->addWidget(listPane);

    auto *editorPane = new QWidget(splitter);
    splitter->addWidget(editorPane);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    layout->addWidget(splitter);
    setCentralWidget(central);

    // The editor is built into editorPane.
    editorPane->setObjectName(QStringLiteral("editorPane"));
    auto *editorLayout = new QHBoxLayout(editorPane);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorPane->setLayout(editorLayout);
    setProperty("editorPane", QVariant::fromValue<QObject *>(editorPane));
    buildEditor();
    // Another program put a new file in the catalogue's place (a compaction): once the user has
    // been told, the list shows what the catalogue holds now.
    m_catalogue.setReopenedHandler([this] {
        QMetaObject::invokeMethod(this, [this] { ListMovies(QStringLiteral("Refreshing Movie List...")); }, Qt::QueuedConnection);
    });
    buildMenus();
    buildToolbar();

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
    applyStates();
}

frmMain::~frmMain()
{
    m_catalogue.setReopenedHandler({});
    delete m_store;
    delete m_cover;
}

void frmMain::buildEditor()
{
    auto *pane = qobject_cast<QWidget *>(property("editorPane").value<QObject *>());
    auto *row = static_cast<QHBoxLayout *>(pane->layout());

    auto *details = new QGridLayout;
    txtTitle = lineEdit("txtTitle", pane);
    txtOrderBy = lineEdit("txtOrderBy", pane);
    cmdDir = comboBox("cmdDir", pane);
    cmbMedium = comboBox("cmbMedium", pane);
    cmbFormat = comboBox("cmbFormat", pane);
    cmbRating = comboBox("cmbRating", pane);
    txtNumDiscs = lineEdit("txtNumDiscs", pane);
    txtRealYear = lineEdit("txtRealYear", pane);
    txtRunningTime = lineEdit("txtRunningTime", pane);
    txtURL = lineEdit("txtURL", pane);
    txtURL->setMaxLength(32767);
    txtURL->setText(QStringLiteral("http://"));
    cmdURL = new QPushButton(QStringLiteral("->"), pane);
    cmdURL->setObjectName(QStringLiteral("cmdURL"));
    cmdURL->setMaximumWidth(36);
    cmdURL->setToolTip(QStringLiteral("Visit Website"));

    framGenre = new QGroupBox(QStringLiteral("Genres:"), pane);
    framGenre->setObjectName(QStringLiteral("framGenre"));
    auto *genreLayout = new QVBoxLayout(framGenre);
    for (int i = 0; i < 3; ++i) {
        cmbGenre[i] = comboBox("cmbGenre", framGenre);
        cmbGenre[i]->setObjectName(QStringLiteral("cmbGenre%1").arg(i));
        genreLayout->addWidget(cmbGenre[i]);
    }

    int r = 0;
    details->addWidget(captionLabel(QStringLiteral("Movie Title:"), pane), r, 0);
    details->addWidget(txtTitle, r++, 1, 1, 3);
    details->addWidget(captionLabel(QStringLiteral("Order By:"), pane), r, 0);
    details->addWidget(txtOrderBy, r++, 1, 1, 3);
    details->addWidget(captionLabel(QStringLiteral("Director:"), pane), r, 0);
    details->addWidget(cmdDir, r++, 1, 1, 3);
    details->addWidget(framGenre, r, 0, 3, 2);
    details->addWidget(captionLabel(QStringLiteral("Medium:"), pane), r, 2);
    details->addWidget(cmbMedium, r++, 3);
    details->addWidget(captionLabel(QStringLiteral("Format:"), pane), r, 2);
    details->addWidget(cmbFormat, r++, 3);
    details->addWidget(captionLabel(QStringLiteral("Rating:"), pane), r, 2);
    details->addWidget(cmbRating, r++, 3);
    auto *numbers = new QHBoxLayout;
    numbers->addWidget(new QLabel(QStringLiteral("# in Set"), pane));
    numbers->addWidget(txtNumDiscs);
    numbers->addWidget(new QLabel(QStringLiteral("Year of Release:"), pane));
    numbers->addWidget(txtRealYear);
    numbers->addWidget(new QLabel(QStringLiteral("Running Time:"), pane));
    numbers->addWidget(txtRunningTime);
    details->addLayout(numbers, r++, 0, 1, 4);
    details->addWidget(captionLabel(QStringLiteral("Movie URL:"), pane), r, 0);
    auto *urlRow = new QHBoxLayout;
    urlRow->addWidget(txtURL, 1);
    urlRow->addWidget(cmdURL);
    details->addLayout(urlRow, r++, 1, 1, 3);
    row->addLayout(details, 3);

    auto *middle = new QVBoxLayout;
    middle->addWidget(new QLabel(QStringLiteral("User Rating:"), pane));
    flash1 = new StarRating(pane);
    flash1->setObjectName(QStringLiteral("flash1"));
    middle->addWidget(flash1);
    chkEpisodeDisc = new QCheckBox(QStringLiteral("Episode Disc"), pane);
    chkEpisodeDisc->setObjectName(QStringLiteral("chkEpisodeDisc"));
    middle->addWidget(chkEpisodeDisc);
    middle->addWidget(new QLabel(QStringLiteral("DVD Cover:"), pane));
    imgCover = new QLabel(pane);
    imgCover->setObjectName(QStringLiteral("imgCover"));
    imgCover->setFixedSize(120, 160);
    imgCover->setFrameShape(QFrame::StyledPanel);
    imgCover->setAlignment(Qt::AlignCenter);
    imgCover->installEventFilter(this);
    lblDoubleClick = new QLabel(QStringLiteral("Double Click to Add Cover"), imgCover);
    lblDoubleClick->setObjectName(QStringLiteral("lblDoubleClick"));
    lblDoubleClick->setWordWrap(true);
    lblDoubleClick->setAlignment(Qt::AlignCenter);
    lblDoubleClick->setGeometry(4, 50, 112, 60);
    lblDoubleClick->setAttribute(Qt::WA_TransparentForMouseEvents);
    middle->addWidget(imgCover);
    middle->addStretch();
    row->addLayout(middle, 1);

    frameActrors = new QGroupBox(QStringLiteral("Actors:"), pane);
    frameActrors->setObjectName(QStringLiteral("frameActrors"));
    auto *castLayout = new QGridLayout(frameActrors);
    lstActors = new QTreeWidget(frameActrors);
    lstActors->setObjectName(QStringLiteral("lstActors"));
    lstActors->setHeaderLabels({QStringLiteral("Actor")});
    lstActors->setRootIsDecorated(false);
    lstActors->setContextMenuPolicy(Qt::CustomContextMenu);
    cmbActor = comboBox("cmbActor", frameActrors);
    lblAs = new QLabel(QStringLiteral("as"), frameActrors);
    lblAs->setObjectName(QStringLiteral("lblAs"));
    txtActorPlays = lineEdit("txtActorPlays", frameActrors);
    cmdAddActor = new QPushButton(QStringLiteral("+"), frameActrors);
    cmdAddActor->setObjectName(QStringLiteral("cmdAddActor"));
    cmdAddActor->setToolTip(QStringLiteral("save actor"));
    cmdRemoveActor = new QPushButton(QStringLiteral("-"), frameActrors);
    cmdRemoveActor->setObjectName(QStringLiteral("cmdRemoveActor"));
    cmdRemoveActor->setToolTip(QStringLiteral("remove actor"));
    castLayout->addWidget(lstActors, 0, 0, 1, 5);
    castLayout->addWidget(cmbActor, 1, 0);
    castLayout->addWidget(lblAs, 1, 1);
    castLayout->addWidget(txtActorPlays, 1, 2);
    castLayout->addWidget(cmdAddActor, 1, 3);
    castLayout->addWidget(cmdRemoveActor, 1, 4);
    castLayout->setColumnStretch(0, 1);
    castLayout->setColumnStretch(2, 1);
    cmbActor->setMinimumContentsLength(8);
    txtActorPlays->setMinimumWidth(90);
    cmdAddActor->setMaximumWidth(32);
    cmdRemoveActor->setMaximumWidth(32);
    row->addWidget(frameActrors, 2);

    // What marks the movie as changed: the user's own edits of its fields.
    for (QLineEdit *e : {txtTitle, txtOrderBy, txtRealYear, txtRunningTime, txtNumDiscs, txtURL})
        connect(e, &QLineEdit::textEdited, this, [this] { markChanged(); });
    for (QComboBox *c : {cmdDir, cmbMedium, cmbFormat, cmbRating, cmbGenre[0], cmbGenre[1], cmbGenre[2]}) {
        connect(c->lineEdit(), &QLineEdit::textEdited, this, [this] { markChanged(); });
        connect(c, &QComboBox::activated, this, [this] { markChanged(); });
    }
    connect(cmbRating, &QComboBox::activated, this, [this](int index) {
        if (cmbRating->itemText(index) == QLatin1String("XXX"))
            m_ctx.prompts().message(QStringLiteral("YOU PERVERT!"), QStringLiteral("PERVERT!"), Prompts::Icon::None);
    });
    connect(chkEpisodeDisc, &QCheckBox::clicked, this, [this](bool checked) {
        setEpisodeWindow(checked);
        markChanged();
    });
    // Focus handling: select all on entry; names added to their pick lists on leaving.
    for (QWidget *w : {static_cast<QWidget *>(txtTitle), static_cast<QWidget *>(txtOrderBy),
                       static_cast<QWidget *>(txtRealYear), static_cast<QWidget *>(txtRunningTime),
                       static_cast<QWidget *>(txtNumDiscs), static_cast<QWidget *>(txtURL)})
        w->installEventFilter(this);
    for (QComboBox *c : {cmdDir, cmbGenre[0], cmbGenre[1], cmbGenre[2], cmbActor})
        c->lineEdit()->installEventFilter(this);

    connect(cmdURL, &QPushButton::clicked, this, &frmMain::cmdURL_Click);
    connect(txtURL, &QLineEdit::textChanged, this, [this] { applyStates(); });
    connect(txtTitle, &QLineEdit::textChanged, this, [this] { applyStates(); });
    connect(cmdDir, &QComboBox::editTextChanged, this, [this] { applyStates(); });
    connect(cmbActor, &QComboBox::editTextChanged, this, [this] { applyStates(); });
    connect(flash1, &StarRating::fsCommand, this, &frmMain::flash1_FSCommand);
    connect(cmdAddActor, &QPushButton::clicked, this, &frmMain::cmdAddActor_Click);
    connect(cmdRemoveActor, &QPushButton::clicked, this, &frmMain::cmdRemoveActor_Click);
    connect(lstActors, &QTreeWidget::itemClicked, this, [this] { lstActors_Click(); });
    connect(lstActors, &QTreeWidget::currentItemChanged, this, [this] {
        lstActors_Click();
        applyStates();
    });
    connect(lstActors, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (QTreeWidgetItem *item = lstActors->itemAt(pos)) {
            lstActors->setCurrentItem(item);
            showActorPopup(lstActors->viewport()->mapToGlobal(pos));
        }
    });
}

QAction *frmMain::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void frmMain::buildMenus()
{
    auto act = [this](QMenu *menu, const char *name, const QString &caption, void (frmMain::*slot)() = nullptr,
                      const QKeySequence &key = QKeySequence()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        if (slot)
            connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto hook = [this](QMenu *menu, const char *name, const QString &caption, std::function<void()> MainWindowHooks::*h,
                       const QKeySequence &key = QKeySequence()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, [this, h, name] {
            m_ctx.guard(QStringLiteral("frmMain - %1_Click").arg(QLatin1String(name)), [&] {
                if (hooks.*h)
                    (hooks.*h)();
            });
        });
        return a;
    };
    auto sep = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
    auto sub = [](QMenu *menu, const char *name, const QString &caption) {
        QMenu *m = menu->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };

    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    act(mnuFile, "mnuNewDB", QStringLiteral("&New Cinelog"), &frmMain::mnuNewDB_Click, QKeySequence(QStringLiteral("Ctrl+N")));
    act(mnuFile, "mnuOpenDB", QStringLiteral("&Open Cinelog"), &frmMain::mnuOpenDB_Click, QKeySequence(QStringLiteral("Ctrl+O")));
    sep(mnuFile, "Break04");
    act(mnuFile, "mnuNew", QStringLiteral("Add New Movie"), &frmMain::mnuNew_Click, QKeySequence(QStringLiteral("Ctrl+M")));
    act(mnuFile, "mnuSave", QStringLiteral("&Save Movie"), &frmMain::mnuSave_Click, QKeySequence(QStringLiteral("Ctrl+S")));
    act(mnuFile, "mnuDelete", QStringLiteral("&Delete Movie"), &frmMain::mnuDelete_Click);
    sep(mnuFile, "Break09");
    QMenu *mnuImport = sub(mnuFile, "mnuImport", QStringLiteral("Import"));
    hook(mnuImport, "mnuExcel", QStringLiteral("From Excel"), &MainWindowHooks::importWorkbook);
    sep(mnuFile, "Break10");
    mnuPrint = sub(mnuFile, "mnuPrint", QStringLiteral("Print List"));
    hook(mnuPrint, "mnuMovieTitles", QStringLiteral("Movie Titles"), &MainWindowHooks::printTitles);
    hook(mnuPrint, "mnuPrintDetails", QStringLiteral("Movie Details"), &MainWindowHooks::printDetails);
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
    QAction *exit = mnuFile->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *mnuDatabase = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuDatabase->setObjectName(QStringLiteral("mnuDatabase"));
    mnuDatabase->menuAction()->setObjectName(QStringLiteral("mnuDatabase"));
    QAction *search = mnuDatabase->addAction(QStringLiteral("&Search"));
    search->setObjectName(QStringLiteral("mnuSearch"));
    search->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    connect(search, &QAction::triggered, this, [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuSearch_Click"), [this] {
            CheckSaved();
            if (hooks.search)
                hooks.search();
        });
    });
    QAction *loans = mnuDatabase->addAction(QStringLiteral("&Loans"));
    loans->setObjectName(QStringLiteral("mnuLoans"));
    loans->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    connect(loans, &QAction::triggered, this, [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuLoans_Click"), [this] {
            CheckSaved();
            if (hooks.loans)
                hooks.loans();
        });
    });
    hook(mnuDatabase, "mnuUserList", QStringLiteral("User List"), &MainWindowHooks::userLists, QKeySequence(QStringLiteral("Ctrl+U")));
    hook(mnuDatabase, "mnuActDir", QStringLiteral("Actors and Directors"), &MainWindowHooks::actorsDirectors, QKeySequence(QStringLiteral("Ctrl+D")));
    act(mnuDatabase, "mnuSaveCoverFile", QStringLiteral("Save Cover File"), &frmMain::mnuSaveCoverFile_Click);
    sep(mnuDatabase, "sdfasdfd");
    QMenu *mnuDBTools = sub(mnuDatabase, "mnuDBTools", QStringLiteral("Databse Tools"));
    act(mnuDBTools, "mnuCleanDB", QStringLiteral("Clean Database"), &frmMain::mnuCleanDB_Click);
    act(mnuDBTools, "mnuCompactDB", QStringLiteral("Compact Database"), &frmMain::mnuCompactDB_Click);

    mnuWebSearch = menuBar()->addMenu(QStringLiteral("&Web"));
    mnuWebSearch->setObjectName(QStringLiteral("mnuWebSearch"));
    mnuWebSearch->menuAction()->setObjectName(QStringLiteral("mnuWebSearch"));
    act(mnuWebSearch, "mnuURL", QStringLiteral("Visit Website"), &frmMain::cmdURL_Click);
    QAction *cover = mnuWebSearch->addAction(QStringLiteral("Search for Covers"));
    cover->setObjectName(QStringLiteral("mnuCoverSearch"));
    connect(cover, &QAction::triggered, this, [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuCoverSearch_Click"), [this] {
            if (hooks.coverSearch)
                hooks.coverSearch(txtTitle->text());
        });
    });
    QMenu *mnuCDWeb = sub(mnuWebSearch, "mnuCDWeb", QStringLiteral("Movie Info from ") + QLatin1String(CommunitySiteName));
    hook(mnuCDWeb, "mnuUploadInfo", QStringLiteral("Upload"), &MainWindowHooks::upload);
    hook(mnuCDWeb, "mnuDownloadInfo", QStringLiteral("Download"), &MainWindowHooks::download);
    sep(mnuWebSearch, "bre");
    QMenu *mnuSearchTitle = sub(mnuWebSearch, "mnuSearchTitle", QStringLiteral("Movie Title"));
    act(mnuSearchTitle, "mnuMovieTitle", QStringLiteral("on IMDB"), &frmMain::mnuMovieTitle_Click);
    act(mnuSearchTitle, "mnuNetflixTitle", QStringLiteral("on Netflix"), &frmMain::mnuNetflixTitle_Click);
    QMenu *mnuSearchDirector = sub(mnuWebSearch, "mnuSearchDirector", QStringLiteral("Director"));
    act(mnuSearchDirector, "mnuDirector", QStringLiteral("on IMDB"), &frmMain::mnuDirector_Click);
    act(mnuSearchDirector, "mnuNetflixDirector", QStringLiteral("on Netflix"), &frmMain::mnuNetflixDirector_Click);

    QMenu *mnuWindow = menuBar()->addMenu(QStringLiteral("Options"));
    mnuWindow->setObjectName(QStringLiteral("mnuWindow"));
    act(mnuWindow, "mnuOptions", QStringLiteral("Edit Options"), &frmMain::mnuOptions_Click);
    QAction *siteBreak = mnuWindow->addSeparator();
    siteBreak->setObjectName(QStringLiteral("breaky39393"));
    QAction *site = mnuWindow->addAction(QStringLiteral("Cinelog Website"));
    site->setObjectName(QStringLiteral("mnuWebsite"));
    connect(site, &QAction::triggered, this, [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuWebsite_Click"), [this] {
            if (const QUrl url = websiteUrl(); url.isValid())
                openUrl(url);
        });
    });
    QAction *forums = mnuWindow->addAction(QStringLiteral("Cinelog Forums"));
    forums->setObjectName(QStringLiteral("mnuForums"));
    connect(forums, &QAction::triggered, this, [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuForums_Click"), [this] {
            if (const QUrl url = forumsUrl(); url.isValid())
                openUrl(url);
        });
    });
    // A build without a web address has no site to visit.
    const bool hasSite = websiteUrl().isValid();
    for (QAction *a : {siteBreak, site, forums})
        a->setVisible(hasSite);
    sep(mnuWindow, "Break01");
    act(mnuWindow, "mnuAbout", QStringLiteral("About"), &frmMain::mnuAbout_Click);

    // Pop-up menu of the movie list.
    mnuHidden = new QMenu(QStringLiteral("Hidden"), this);
    mnuHidden->setObjectName(QStringLiteral("mnuHidden"));
    QMenu *mnuCD2 = sub(mnuHidden, "mnuCD2", QStringLiteral("Movie Info from ") + QLatin1String(CommunitySiteName));
    QAction *upld = mnuCD2->addAction(QStringLiteral("Upload"));
    upld->setObjectName(QStringLiteral("mnuUpld"));
    connect(upld, &QAction::triggered, this, [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuUpld_Click"), [this] {
            if (hooks.uploadMovie && m_currentMovieId != 0)
                hooks.uploadMovie(m_currentMovieId);
        });
    });
    hook(mnuCD2, "mnuDwnLoad", QStringLiteral("Download"), &MainWindowHooks::download);
    QAction *quickCover = mnuHidden->addAction(QStringLiteral("Search for Covers"));
    quickCover->setObjectName(QStringLiteral("mnuQuickCoverSearch"));
    connect(quickCover, &QAction::triggered, cover, &QAction::trigger);
    act(mnuHidden, "mnuGoToWeb", QStringLiteral("Visit Website"), &frmMain::cmdURL_Click);
    sep(mnuHidden, "Breakyfun01");
    QMenu *mnuSearchIMDB2 = sub(mnuHidden, "mnuSearchIMDB2", QStringLiteral("Movie Title Search"));
    act(mnuSearchIMDB2, "mnuMovie2", QStringLiteral("on IMDB"), &frmMain::mnuMovieTitle_Click);
    act(mnuSearchIMDB2, "mnuNetflixTitle2", QStringLiteral("on Netflix"), &frmMain::mnuNetflixTitle_Click);
    QMenu *mnuNetflix2 = sub(mnuHidden, "mnuNetflix2", QStringLiteral("Director Search"));
    act(mnuNetflix2, "mnuDirector2", QStringLiteral("on IMDB"), &frmMain::mnuDirector_Click);
    act(mnuNetflix2, "mnuNetflixDirector2", QStringLiteral("on Netflix"), &frmMain::mnuNetflixDirector_Click);
    sep(mnuHidden, "Breaky05");
    QAction *loanOut = mnuHidden->addAction(QStringLiteral("Loan Out"));
    loanOut->setObjectName(QStringLiteral("mnuLoanOut"));
    connect(loanOut, &QAction::triggered, this, [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuLoanOut_Click"), [this] {
            if (!hooks.loanOut || m_currentMovieId == 0)
                return;
            if (hooks.loanOut(m_currentMovieId, txtTitle->text()))
                ListMovies(QStringLiteral("Updating the Movie List..."));
        });
    });
    QAction *addToList = mnuHidden->addAction(QStringLiteral("Add to User List"));
    addToList->setObjectName(QStringLiteral("mnuAddToList"));
    connect(addToList, &QAction::triggered, this, [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuAddToList_Click"), [this] {
            if (hooks.addToUserList && m_currentMovieId != 0)
                hooks.addToUserList(m_currentMovieId, txtTitle->text());
        });
    });
    sep(mnuHidden, "mnuBreaky");
    act(mnuHidden, "mnuCopyMovie", QStringLiteral("Copy Movie"), &frmMain::mnuCopyMovie_Click);
    QAction *delMov = mnuHidden->addAction(QStringLiteral("Delete Movie"));
    delMov->setObjectName(QStringLiteral("mnuDeleteMov"));
    connect(delMov, &QAction::triggered, this, [this] {
        m_ctx.guard(QStringLiteral("frmMain - mnuDeleteMov_Click"), [this] { mnuDelete_Click(); });
    });

    mnuHidActor = new QMenu(QStringLiteral("ActorHidden"), this);
    mnuHidActor->setObjectName(QStringLiteral("mnuHidActor"));
    act(mnuHidActor, "mnuIMDBActor", QStringLiteral("Search IMDB for"), &frmMain::mnuIMDBActor_Click);
    act(mnuHidActor, "mnuNetflixActor", QStringLiteral("Search Netflix for"), &frmMain::mnuNetflixActor_Click);
}

void frmMain::buildToolbar()
{
    tb1 = addToolBar(QStringLiteral("Toolbar"));
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
    button("NewDB", QStringLiteral("Create a New Cinelog"), s->standardIcon(QStyle::SP_FileDialogNewFolder), [this] { mnuNewDB_Click(); });
    button("OpenDB", QStringLiteral("Open Cinelog"), s->standardIcon(QStyle::SP_DialogOpenButton), [this] { mnuOpenDB_Click(); });
    tb1->addSeparator();
    button("AddMov", QStringLiteral("Add Movie to Database"), s->standardIcon(QStyle::SP_FileIcon), [this] { mnuNew_Click(); });
    button("SaveMov", QStringLiteral("Save/Update Movie"), s->standardIcon(QStyle::SP_DialogSaveButton), [this] { mnuSave_Click(); });
    QAction *print = button("Print", QStringLiteral("Print Movie List"), s->standardIcon(QStyle::SP_FileDialogDetailedView), [this] {
        mnuPrint->popup(QCursor::pos());
    });
    Q_UNUSED(print);
    button("DelMov", QStringLiteral("Delete Selected Movie"), s->standardIcon(QStyle::SP_TrashIcon), [this] { mnuDelete_Click(); });
    tb1->addSeparator();
    button("SearchDB", QStringLiteral("Search the Database"), s->standardIcon(QStyle::SP_FileDialogContentsView), [this] {
        action(QStringLiteral("mnuSearch"))->trigger();
    });
    button("Loan", QStringLiteral("View Loaned Movies"), s->standardIcon(QStyle::SP_ArrowRight), [this] {
        action(QStringLiteral("mnuLoans"))->trigger();
    });
    button("UserLists", QStringLiteral("View User's Lists"), s->standardIcon(QStyle::SP_FileDialogListView), [this] {
        action(QStringLiteral("mnuUserList"))->trigger();
    });
    button("WebSearch", QStringLiteral("Web Search"), s->standardIcon(QStyle::SP_DriveNetIcon), [this] {
        mnuWebSearch->popup(QCursor::pos());
    });
    button("Refresh", QStringLiteral("Refresh the Movie List"), s->standardIcon(QStyle::SP_BrowserReload), [this] {
        m_ctx.guard(QStringLiteral("frmMain - tb1_ButtonClick"), [this] { ListMovies(QStringLiteral("Refreshing Movie List...")); });
    });
}

void frmMain::splashStep(const QString &text)
{
    if (frmSplash *s = frmSplash::instance())
        s->setDoingWhat(text);
}

bool frmMain::catalogueChosen() const
{
    return m_session.catalogueChosen();
}

// ---------------------------------------------------------------------------------------------
// Start-up and shutdown

void frmMain::Form_Load(bool reopenLast)
{
    m_currentMovieId = 0;
    m_selectedListIndex = 0;
    m_isNewMovie = false;
    m_isSaved = true;
    // Each step may fail on its own; a settings value that is not a number is skipped.
    m_ctx.guard(QStringLiteral("frmMain Form_Load"), [this, reopenLast] {
        updateCaption();
        resize(twipsToPixels(13710), twipsToPixels(6105));
        mnuHidden->menuAction()->setVisible(false);
        mnuHidActor->menuAction()->setVisible(false);
        splashStep(QStringLiteral("Adding Mediums..."));
        setComboItems(cmbMedium, {QString(), QStringLiteral("DVD"), QStringLiteral("VHS")}, false);
        splashStep(QStringLiteral("Adding Formats..."));
        setComboItems(cmbFormat, {QString(), QStringLiteral("Widescreen"), QStringLiteral("Fullscreen")}, false);
        splashStep(QStringLiteral("Loading your Settings..."));
        if (m_ctx.ini().exists()) {
            int px = 0;
            const QString ws = m_ctx.ReadINI(QStringLiteral("Reelbase"), QStringLiteral("Width"));
            const QString hs = m_ctx.ReadINI(QStringLiteral("Reelbase"), QStringLiteral("Height"));
            if (ws.isEmpty())
                resize(twipsToPixels(12045), height());
            else if (readTwips(m_ctx.ini(), QStringLiteral("Reelbase"), QStringLiteral("Width"), px))
                resize(px, height());
            if (hs.isEmpty())
                resize(width(), twipsToPixels(9435));
            else if (readTwips(m_ctx.ini(), QStringLiteral("Reelbase"), QStringLiteral("Height"), px))
                resize(width(), px);
            splashStep(QStringLiteral("Setting Column Widths..."));
            restoreColumnWidths(lvMovies->header(), m_ctx.ini(), QStringLiteral("Reelbase"));
            GetDBList();
            const QString last = m_ctx.ReadINI(QStringLiteral("Options"), QStringLiteral("LastDB"));
            if (reopenLast && m_session.autoload()) {
                splashStep(QStringLiteral("Loading Your Last Database (") + last + QStringLiteral(")..."));
                updateCaption();
                refreshAfterOpen(true);
            }
        }
        if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
            const QRect a = s->availableGeometry();
            move(a.left() + (a.width() - width()) / 2, a.top() + (a.height() - height()) / 2);
        }
        splashStep(QStringLiteral("Unloading the Splash Screen..."));
        lstActors->setColumnWidth(0, std::max(40, lstActors->width() - twipsToPixels(360)));
    });
    applyStates();
}

void frmMain::refreshAfterOpen(bool withRatings)
{
    ListMovies(QStringLiteral("Getting the Movie List..."));
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
    const QString base = QStringLiteral("Cinelog ") + m_ctx.VersionText;
    if (m_catalogue.path().isEmpty() || !m_catalogue.isOpen())
        setWindowTitle(base);
    else
        setWindowTitle(m_catalogue.path() + QStringLiteral(" | ") + base);
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
        if (!isMinimized()) {
            writeTwips(ini, QStringLiteral("Reelbase"), QStringLiteral("Width"), width());
            writeTwips(ini, QStringLiteral("Reelbase"), QStringLiteral("Height"), height());
        }
        storeColumnWidths(lvMovies->header(), ini, QStringLiteral("Reelbase"));
        ini.endBatch();
        if (hooks.closing)
            hooks.closing();
        m_catalogue.close();
    });
}

// ---------------------------------------------------------------------------------------------
// The movie list

void frmMain::ListMovies(const QString &message)
{
    // The movie in the editor, kept through the refill so that what is typed into it, before or
    // after, is saved to it and to no other movie.
    const int shownId = m_isNewMovie ? 0 : m_currentMovieId;
    m_selectedListIndex = 0;
    m_currentMovieId = 0;
    m_loading = true;
    try {
        if (!m_catalogue.isOpen()) {
            m_model->clear();
            m_loading = false;
            if (shownId != 0)
                m_isNewMovie = true;
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
            m_isNewMovie = true;
        throw;
    }
    if (shownId != 0) {
        if (m_model->rowOfMovie(shownId) >= 0) {
            m_currentMovieId = shownId;
            selectRowOfCurrentMovie();
        } else {
            // The movie is gone from the catalogue: what the editor holds can only become a new one.
            m_isNewMovie = true;
        }
    }
    const int n = m_model->rowCount();
    if (n == 0) {
        m_isNewMovie = true;
        lblNumMovs->setText(QStringLiteral("No Movies Found"));
    } else {
        lblNumMovs->setText(QStringLiteral("Number of Movies Found: ") + QString::number(n));
    }
    // The remembered sort keeps the column and direction from before the refill; the refill itself
    // leaves the list in Order By order.
    m_lastSortKey = m_sortKey;
    m_lastSortOrder = m_sortOrder;
    m_lastSorted = false;
    m_sortKey = MovieListModel::ColOrderBy;
    m_sortOrder = Qt::AscendingOrder;
    lvMovies->header()->setSortIndicatorShown(false);
    // Unsaved edits stay unsaved: they are still in the editor and are offered before it moves on.
    m_loading = false;
    applyStates();
}

void frmMain::lvMovies_ColumnClick(int column)
{
    if (m_model->rowCount() == 0)
        return;
    m_sortKey = column;
    if (column == m_lastSortKey)
        m_sortOrder = m_sortOrder == Qt::DescendingOrder ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_loading = true;
    m_model->sort(m_sortKey, m_sortOrder);
    m_loading = false;
    lvMovies->header()->setSortIndicatorShown(true);
    lvMovies->header()->setSortIndicator(m_sortKey, m_sortOrder);
    m_lastSortKey = m_sortKey;
    m_lastSortOrder = m_sortOrder;
    m_lastSorted = true;
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
    if (id == m_currentMovieId && !m_isNewMovie)
        return;
    CheckSaved();
    m_isNewMovie = false;
    m_isSaved = true;
    m_currentMovieId = id;
    m_selectedListIndex = cur.row() + 1;
    ShowMovieData();
}

void frmMain::reloadShownMovie()
{
    if (m_currentMovieId == 0 || m_isNewMovie)
        return;
    CheckSaved();
    // A save that failed, or a No, both leave what the catalogue holds to be shown.
    m_isSaved = true;
    if (m_model->rowOfMovie(m_currentMovieId) >= 0)
        selectRowOfCurrentMovie();
    ShowMovieData();
}

void frmMain::showListPopup(const QPoint &globalPos)
{
    const QString url = txtURL->text();
    action(QStringLiteral("mnuGoToWeb"))->setVisible(!url.isEmpty() && url != QLatin1String("http://"));
    mnuHidden->popup(globalPos);
}

void frmMain::showMovie(int movieId)
{
    m_isNewMovie = false;
    m_isSaved = true;
    m_currentMovieId = movieId;
    selectRowOfCurrentMovie();
    ShowMovieData();
}

void frmMain::selectRowOfCurrentMovie()
{
    const int row = m_model->rowOfMovie(m_currentMovieId);
    m_loading = true;
    if (row >= 0) {
        lvMovies->setCurrentIndex(m_model->index(row, 0));
        lvMovies->scrollTo(m_model->index(row, 0));
    }
    m_loading = false;
    m_selectedListIndex = row + 1;
}

void frmMain::setComboItems(QComboBox *box, const QStringList &items, bool keepText)
{
    const QString text = box->currentText();
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(keepText ? text : QString());
}

void frmMain::GetGenres()
{
    const QStringList g = m_store->genres();
    if (g.isEmpty())
        return;
    for (QComboBox *c : cmbGenre)
        setComboItems(c, g, true);
}

void frmMain::GetDirectors()
{
    const QStringList d = m_store->directors();
    if (!d.isEmpty())
        setComboItems(cmdDir, d, true);
}

void frmMain::GetActors()
{
    const QStringList a = m_store->actors();
    if (!a.isEmpty())
        setComboItems(cmbActor, a, true);
}

void frmMain::GetRatings()
{
    setComboItems(cmbRating, m_store->ratings(), false);
}

void frmMain::GetMediums()
{
    setComboItems(cmbMedium, m_store->mediums(), false);
}

void frmMain::GetFormats()
{
    setComboItems(cmbFormat, m_store->formats(), false);
}

// ---------------------------------------------------------------------------------------------
// The editor

QString frmMain::currentTitle() const
{
    return txtTitle->text();
}

void frmMain::markChanged()
{
    m_isSaved = false;
}

void frmMain::CheckSaved()
{
    if (!catalogueChosen() || m_isSaved)
        return;
    if (m_ctx.prompts().question(QStringLiteral("Do you want to save the current movie"), QStringLiteral("Save Record?"),
                                 Prompts::Icon::Question))
        mnuSave_Click();
    else
        m_isSaved = true;
}

void frmMain::ShowMovieData()
{
    m_ctx.guard(QStringLiteral("frmMain - ShowMovieData"), [this] {
        m_selectedActorId = 0;
        MovieRecord m;
        if (!m_store->load(m_currentMovieId, m)) {
            m_ctx.prompts().message(QStringLiteral("Error getting the information for this movie."), QStringLiteral("Say What?"),
                                    Prompts::Icon::Information);
            return;
        }
        txtTitle->setText(m.title);
        txtOrderBy->setText(m.orderBy);
        cmdDir->setEditText(m.director);
        cmbGenre[0]->setEditText(m.genre1);
        cmbGenre[1]->setEditText(m.genre2);
        cmbGenre[2]->setEditText(m.genre3);
        cmbMedium->setEditText(m.medium);
        cmbFormat->setEditText(m.format);
        cmbRating->setEditText(m.rating);
        txtNumDiscs->setText(m.numDiscs);
        txtRealYear->setText(m.releaseYear);
        txtRunningTime->setText(m.runningTime);
        txtURL->setText(m.url);
        flash1->setRating(m.userRating);
        chkEpisodeDisc->setChecked(m.episodeDisc);
        setEpisodeWindow(m.episodeDisc);
        m_currentUserRating = m.userRating;
        showCover(m.hasCover);
        fillCast();
    });
    applyStates();
}

void frmMain::setEpisodeWindow(bool show)
{
    if (show) {
        if (hooks.showEpisodes)
            hooks.showEpisodes(m_currentMovieId, txtTitle->text());
        activateWindow();
    } else if (hooks.hideEpisodes) {
        hooks.hideEpisodes();
    }
}

void frmMain::showCover(bool hasCover)
{
    *m_cover = QImage();
    bool loaded = hasCover && covers().LoadPictureFromDB(*m_cover, m_currentMovieId);
    if (loaded)
        imgCover->setPixmap(QPixmap::fromImage(m_cover->scaled(imgCover->size() - QSize(4, 4), Qt::KeepAspectRatio,
                                                                Qt::SmoothTransformation)));
    else {
        *m_cover = QImage();
        imgCover->clear();
    }
    lblDoubleClick->setVisible(!loaded);
}

void frmMain::reloadCover()
{
    if (m_currentMovieId != 0)
        showCover(covers().hasCover(m_currentMovieId));
    applyStates();
}

void frmMain::fillCast()
{
    lstActors->clear();
    for (const CastMember &c : m_store->cast(m_currentMovieId)) {
        auto *item = new QTreeWidgetItem(lstActors, {c.text()});
        item->setData(0, Qt::UserRole, c.actorId);
    }
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == imgCover && event->type() == QEvent::MouseButtonDblClick) {
        imgCover_DblClick();
        return true;
    }
    if (watched == txtURL && event->type() == QEvent::MouseButtonDblClick) {
        if (cmdURL->isEnabled())
            cmdURL_Click();
        return true;
    }
    if (watched == lvMovies->viewport() && event->type() == QEvent::MouseButtonPress) {
        // Whether this press is on the row of the movie already shown: such a click does not
        // change the current row, so only the click itself can reload the movie.
        const QModelIndex at = lvMovies->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        m_pressOnShownMovie = at.isValid() && lvMovies->selectionModel()->isRowSelected(at.row(), QModelIndex())
                              && !m_isNewMovie && m_currentMovieId != 0 && m_model->movieId(at.row()) == m_currentMovieId;
    }
    if (event->type() == QEvent::FocusIn) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == txtTitle)
            titleLostFocus();
        else if (watched == cmdDir->lineEdit())
            addNameOnLeave(cmdDir, 0);
        else if (watched == cmbActor->lineEdit())
            addNameOnLeave(cmbActor, 2);
        else
            for (QComboBox *g : cmbGenre)
                if (watched == g->lineEdit())
                    addNameOnLeave(g, 1);
    } else if (event->type() == QEvent::KeyRelease && watched == cmbActor->lineEdit()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && cmdAddActor->isEnabled())
            cmdAddActor_Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::addNameOnLeave(QComboBox *box, int kind)
{
    const QString name = box->currentText();
    if (name.isEmpty() || !m_catalogue.isOpen())
        return;
    // A name that cannot be stored stays in the box; leaving the field reports nothing.
    try {
        if (kind == 0 && m_store->ensureDirector(name))
            GetDirectors();
        else if (kind == 1 && m_store->ensureGenre(name))
            GetGenres();
        else if (kind == 2 && m_store->ensureActor(name))
            GetActors();
    } catch (const CinelogError &) {
    }
}

void frmMain::titleLostFocus()
{
    m_ctx.guard(QStringLiteral("frmMain - txtTitle_LostFocus"), [this] {
        const QString t = txtTitle->text();
        if (t.isEmpty() || !txtOrderBy->text().isEmpty())
            return;
        const TitleOrder to = titleOrderFor(t);
        txtOrderBy->setText(to.orderBy);
        if (to.title != t)
            txtTitle->setText(to.title);
    });
}

void frmMain::flash1_FSCommand(const QString &, const QString &args)
{
    m_ctx.guard(QStringLiteral("frmMain - flash1_FSCommand"), [&] {
        bool ok = false;
        const double v = args.toDouble(&ok);
        if (!ok)
            throw CinelogError(ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch"));
        m_currentUserRating = std::clamp(int(std::lround(v - 1)), 0, StarRating::Stars);
        flash1->setRating(m_currentUserRating);
        if (m_currentMovieId != 0) {
            m_store->setUserRating(m_currentMovieId, m_currentUserRating);
            m_model->setStars(m_model->rowOfMovie(m_currentMovieId), m_currentUserRating);
        }
    });
}

QUrl frmMain::websiteUrl() const
{
    const QUrl url(m_ctx.WebAddress);
    if (m_ctx.WebAddress.isEmpty() || !isWebAddress(url))
        return QUrl();
    return url;
}

QUrl frmMain::forumsUrl() const
{
    QUrl site = websiteUrl();
    if (!site.isValid())
        return QUrl();
    QString path = site.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    site.setPath(path + QStringLiteral("forums/"));
    return site;
}

bool frmMain::isWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

void frmMain::openUrl(const QUrl &url)
{
    m_ctx.urlOpener().open(url);
}

void frmMain::cmdURL_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - cmdURL_Click"), [this] {
        // Only web addresses are handed to the browser: the text comes from the catalogue, and a
        // file: or other address would run whatever the desktop associates with it.
        const QUrl url = QUrl::fromUserInput(txtURL->text().trimmed());
        if (isWebAddress(url))
            openUrl(url);
    });
}

void frmMain::imgCover_DblClick()
{
    if (m_currentMovieId == 0)
        return;
    m_ctx.guard(QStringLiteral("frmMain - imgCover_DblClick"), [this] {
        const QString file = m_ctx.prompts().openFile(
            QStringLiteral("Select a Cover Image:"),
            QStringLiteral("Pictures (*.bmp *.jpg *.jpeg *.png *.gif);;BMP Files (*.bmp);;JPG Files (*.jpg)"),
            existingFolderOrHome(m_ctx.ReadINI(QStringLiteral("Options"), QStringLiteral("LastCoverFolder"))));
        if (file.isEmpty())
            return;
        m_ctx.WriteINI(QStringLiteral("Options"), QStringLiteral("LastCoverFolder"), QFileInfo(file).absolutePath());
        if (covers().SavePictureToDB(m_currentMovieId, file))
            showCover(true);
        applyStates();
    });
}

MovieRecord frmMain::editorRecord() const
{
    MovieRecord m;
    m.id = m_isNewMovie ? 0 : m_currentMovieId;
    m.title = txtTitle->text();
    m.director = cmdDir->currentText();
    m.genre1 = cmbGenre[0]->currentText();
    m.genre2 = cmbGenre[1]->currentText();
    m.genre3 = cmbGenre[2]->currentText();
    m.medium = cmbMedium->currentText();
    m.format = cmbFormat->currentText();
    m.rating = cmbRating->currentText();
    m.releaseYear = txtRealYear->text();
    m.runningTime = txtRunningTime->text();
    m.numDiscs = txtNumDiscs->text();
    m.userRating = m_currentUserRating;
    m.url = txtURL->text();
    m.orderBy = txtOrderBy->text();
    m.episodeDisc = chkEpisodeDisc->isChecked();
    return m;
}

// ---------------------------------------------------------------------------------------------
// New, save, delete

void frmMain::mnuNew_Click()
{
    m_ctx.guard(QStringLiteral("frmMain mnuNew_Click"), [this] {
        CheckSaved();
        m_currentMovieId = 0;
        m_selectedListIndex = 0;
        m_isNewMovie = true;
        m_loading = true;
        lvMovies->setCurrentIndex(QModelIndex());
        lvMovies->clearSelection();
        m_loading = false;
        for (QLineEdit *e : {txtTitle, txtOrderBy, txtRealYear, txtNumDiscs, txtRunningTime})
            e->clear();
        for (QComboBox *c : {cmdDir, cmbActor, cmbGenre[0], cmbGenre[1], cmbGenre[2], cmbMedium, cmbFormat, cmbRating})
            c->setEditText(QString());
        lstActors->clear();
        txtURL->setText(QStringLiteral("http://"));
        m_currentUserRating = 0;
        flash1->setRating(0);
        *m_cover = QImage();
        imgCover->clear();
        lblDoubleClick->setVisible(true);
    });
    applyStates();
}

void frmMain::mnuSave_Click()
{
    bool keepUnsaved = false;
    const bool ok = m_ctx.guard(QStringLiteral("frmMain mnuSave_Click"), [this, &keepUnsaved] {
        if (!m_isNewMovie && m_currentMovieId == 0)
            return;
        MovieRecord m = editorRecord();
        MovieStore::SaveMode mode = MovieStore::SaveMode::IfUnchanged;
        for (;;) {
            try {
                m.id = m_store->save(m, mode);
                break;
            } catch (const CinelogError &e) {
                if (Catalogue::isBusy(e)) {
                    if (m_ctx.prompts().question(e.description() + QStringLiteral("\n\nTry again?"),
                                                 QStringLiteral("Catalogue In Use"), Prompts::Icon::Warning))
                        continue;
                    keepUnsaved = true;
                    return;
                }
                if (e.number() != MovieStore::ChangedElsewhere || mode == MovieStore::SaveMode::Overwrite)
                    throw;
                const Prompts::Answer answer = m_ctx.prompts().questionYesNoCancel(
                    QStringLiteral("Another program changed this movie after it was shown here.\n\n"
                                   "Yes: show the movie as it is stored now (your changes here are dropped).\n"
                                   "No: save your version over the other change.\n"
                                   "Cancel: go on editing without saving."),
                    QStringLiteral("Movie Changed Elsewhere"), Prompts::Icon::Warning);
                if (answer == Prompts::Answer::Yes) {
                    ShowMovieData();
                    return;
                }
                if (answer == Prompts::Answer::Cancel) {
                    keepUnsaved = true;
                    return;
                }
                mode = MovieStore::SaveMode::Overwrite;
            }
        }
        m_currentMovieId = m.id;
        // The list's own reaction to the new row is not a choice of the user's.
        m_loading = true;
        if (m_isNewMovie) {
            m_model->appendMovie(m);
            if (lblNumMovs->text() == QLatin1String("No Movies Found") || m_model->rowCount() > 0)
                lblNumMovs->setText(QStringLiteral("Number of Movies Found: ") + QString::number(m_model->rowCount()));
        } else {
            m_model->updateMovie(m_model->rowOfMovie(m.id), m);
        }
        m_loading = false;
        ProgressSink &progress = m_ctx.progress();
        progress.ShowProgress(QStringLiteral("Saving Movie..."), 0, 50);
        progress.UpdateProgress(50);
        if (m_lastSorted) {
            m_loading = true;
            m_model->sort(m_lastSortKey, m_lastSortOrder);
            m_loading = false;
            m_sortKey = m_lastSortKey;
            m_sortOrder = m_lastSortOrder;
        }
        if (!m_isNewMovie) {
            const int row = m_model->rowOfMovie(m.id);
            m_selectedListIndex = row + 1;
        }
        m_isNewMovie = false;
    });
    // A failed save is not offered again: what was typed stays in the editor. A save the user put
    // off (the catalogue in use, a change made elsewhere) is still to be done.
    m_isSaved = !keepUnsaved;
    Q_UNUSED(ok);
    applyStates();
}

void frmMain::mnuDelete_Click()
{
    m_ctx.guard(QStringLiteral("frmMain mnuDelete_Click"), [this] {
        if (m_currentMovieId == 0)
            return;
        const int row = m_model->rowOfMovie(m_currentMovieId);
        const QString title = row >= 0 ? m_model->text(row, MovieListModel::ColTitle) : txtTitle->text();
        if (!m_ctx.prompts().question(QStringLiteral("Are you SURE you want to delete \"") + title
                                          + QStringLiteral("\" from the database?") + QLatin1Char('\r')
                                          + QStringLiteral("This will delete this movie record FOREVER!"),
                                      QStringLiteral("Delete Movie?"), Prompts::Icon::Critical))
            return;
        m_store->remove(m_currentMovieId);
        m_loading = true;
        m_model->removeMovieRow(row);
        lvMovies->setCurrentIndex(QModelIndex());
        m_loading = false;
        const int n = m_model->rowCount();
        lblNumMovs->setText(n == 0 ? QStringLiteral("No Movies Found") : QStringLiteral("Number of Movies Found: ") + QString::number(n));
        // The fields still show the deleted movie; what is typed into them now is a new movie.
        m_currentMovieId = 0;
        m_selectedListIndex = 0;
        m_isNewMovie = true;
        m_isSaved = true;
    });
    applyStates();
}

void frmMain::mnuSaveCoverFile_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - mnuSaveCoverFile_Click"), [this] {
        if (m_currentMovieId == 0 || !covers().hasCover(m_currentMovieId))
            return;
        QImage picture;
        if (!covers().LoadPictureFromDB(picture, m_currentMovieId))
            return;
        QString file = m_ctx.prompts().saveFile(
            QStringLiteral("Save Cover File.."), QStringLiteral("BMP Files (*.bmp)"),
            existingFolderOrHome(m_ctx.ReadINI(QStringLiteral("Options"), QStringLiteral("LastCoverFolder"))));
        if (file.isEmpty())
            return;
        if (!file.endsWith(QLatin1String(".bmp")))
            file += QStringLiteral(".bmp");
        if (!picture.save(file, "BMP"))
            throw CinelogError(ErrorNumber::PermissionDenied, QStringLiteral("The picture could not be written to ") + file);
    });
}

// ---------------------------------------------------------------------------------------------
// Cast

QString frmMain::castName(const QString &rowText)
{
    const qsizetype at = rowText.indexOf(QLatin1String(" as "));
    return at < 0 ? rowText : rowText.left(at);
}

QString frmMain::selectedCastText() const
{
    QTreeWidgetItem *item = lstActors->currentItem();
    return item ? item->text(0) : QString();
}

void frmMain::lstActors_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - lstActors_Click"), [this] {
        QTreeWidgetItem *item = lstActors->currentItem();
        if (!item || item->text(0).isEmpty())
            return;
        m_selectedActorIndex = lstActors->indexOfTopLevelItem(item) + 1;
        m_selectedActorId = item->data(0, Qt::UserRole).toInt();
        const QString text = item->text(0);
        const qsizetype at = text.indexOf(QLatin1String(" as "));
        cmbActor->setEditText(at < 0 ? text : text.left(at));
        // The role is the piece between the first and a second " as ", if any.
        QString role;
        if (at >= 0) {
            role = text.mid(at + 4);
            const qsizetype next = role.indexOf(QLatin1String(" as "));
            if (next >= 0)
                role = role.left(next);
        }
        txtActorPlays->setText(role);
    });
    applyStates();
}

void frmMain::cmdAddActor_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - cmdAddActor_Click"), [this] {
        if (m_currentMovieId == 0)
            return;
        const QString actor = cmbActor->currentText();
        const QString role = txtActorPlays->text();
        if (actor.isEmpty())
            return;
        bool updated = false;
        int actorId = 0;
        if (!changeOrAsk(m_ctx.prompts(), tr("the cast of this movie"),
                         [&](MovieStore::SaveMode mode) { actorId = m_store->addOrUpdateCast(m_currentMovieId, actor, role, updated, mode); },
                         [this] { fillCast(); }))
            return;
        if (updated) {
            // The row of this actor: the selected one when it is this actor's, else the first.
            QTreeWidgetItem *item = lstActors->currentItem();
            if (!item || item->data(0, Qt::UserRole).toInt() != actorId) {
                item = nullptr;
                for (int i = 0; i < lstActors->topLevelItemCount() && !item; ++i)
                    if (lstActors->topLevelItem(i)->data(0, Qt::UserRole).toInt() == actorId)
                        item = lstActors->topLevelItem(i);
            }
            if (item)
                item->setText(0, actor + QStringLiteral(" as ") + role);
        } else {
            auto *item = new QTreeWidgetItem(lstActors, {actor + QStringLiteral(" as ") + role});
            item->setData(0, Qt::UserRole, actorId);
            m_selectedActorId = 0;
        }
    });
    cmbActor->setEditText(QString());
    txtActorPlays->clear();
    applyStates();
}

void frmMain::cmdRemoveActor_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - cmdRemoveActor_Click"), [this] {
        QTreeWidgetItem *item = lstActors->currentItem();
        if (!item)
            return;
        const QString name = castName(item->text(0));
        const int actorId = item->data(0, Qt::UserRole).toInt();
        if (m_ctx.prompts().question(QStringLiteral("Do you want to remove ") + name + QStringLiteral(" from this movie?"),
                                     QStringLiteral("Delete Actor?"), Prompts::Icon::Question)) {
            if (!changeOrAsk(m_ctx.prompts(), tr("the cast of this movie"),
                             [&](MovieStore::SaveMode mode) { m_store->removeCast(m_currentMovieId, actorId, mode); },
                             [this] { fillCast(); }))
                return;
            // Every link of that actor to this movie is gone.
            for (int i = lstActors->topLevelItemCount() - 1; i >= 0; --i)
                if (lstActors->topLevelItem(i)->data(0, Qt::UserRole).toInt() == actorId)
                    delete lstActors->takeTopLevelItem(i);
        }
    });
    m_selectedActorId = 0;
    applyStates();
}

void frmMain::showActorPopup(const QPoint &globalPos)
{
    m_ctx.guard(QStringLiteral("frmMain - lstActors_MouseUp"), [&] {
        const QString text = selectedCastText();
        if (text.isEmpty())
            return;
        const QString name = castName(text);
        action(QStringLiteral("mnuIMDBActor"))->setText(QStringLiteral("Search IMDB for \"") + name + QLatin1Char('"'));
        action(QStringLiteral("mnuNetflixActor"))->setText(QStringLiteral("Search Netflix for \"") + name + QLatin1Char('"'));
        mnuHidActor->popup(globalPos);
    });
}

// ---------------------------------------------------------------------------------------------
// Web look-ups

QUrl frmMain::imdbFind(const QString &text, const char *kind)
{
    // The text is percent-encoded so that "&" or "#" in a title reaches the site whole.
    const QByteArray query = QUrl::toPercentEncoding(text) + ';' + kind + "=on;mx=20";
    return QUrl::fromEncoded("https://www.imdb.com/find?q=" + query, QUrl::StrictMode);
}

QUrl frmMain::netflixSearch(const QString &text)
{
    QByteArray query = QUrl::toPercentEncoding(text, " ");
    query.replace(' ', '+');
    return QUrl::fromEncoded("https://www.netflix.com/Search?v1=" + query, QUrl::StrictMode);
}

void frmMain::mnuMovieTitle_Click() { openUrl(imdbFind(txtTitle->text(), "tt")); }
void frmMain::mnuNetflixTitle_Click() { openUrl(netflixSearch(txtTitle->text())); }
void frmMain::mnuDirector_Click() { openUrl(imdbFind(cmdDir->currentText(), "nm")); }
void frmMain::mnuNetflixDirector_Click() { openUrl(netflixSearch(cmdDir->currentText())); }
void frmMain::mnuIMDBActor_Click() { openUrl(imdbFind(castName(selectedCastText()), "nm")); }
void frmMain::mnuNetflixActor_Click() { openUrl(netflixSearch(castName(selectedCastText()))); }

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

CoverPictures frmMain::covers()
{
    return CoverPictures(m_catalogue, m_ctx);
}

bool frmMain::showOpenedCatalogue(bool opened, bool withRatings)
{
    // Another catalogue: the movie shown before belongs to the old one and is not kept.
    m_currentMovieId = 0;
    m_selectedListIndex = 0;
    m_isNewMovie = false;
    m_isSaved = true;
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
        const QString file = m_ctx.prompts().saveFile(QStringLiteral("Enter a Database Name:"),
                                                      QStringLiteral("Cinelogs (*.cnlg)"), m_session.startFolder(),
                                                      Prompts::Overwrite::CallerConfirms);
        if (file.isEmpty())
            return;
        showOpenedCatalogue(m_session.createOpenAndRemember(file), false);
        GetDBList();
        m_isNewMovie = true;
    });
    applyStates();
}

void frmMain::mnuOpenDB_Click()
{
    m_ctx.guard(QStringLiteral("frmMain mnuOpenDB_Click"), [this] {
        CheckSaved();
        const QString file = m_ctx.prompts().openFile(QStringLiteral("Select a Cinelog:"), QStringLiteral("Cinelogs (*.cnlg)"),
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
                progress.emplace(m_ctx.progress(), QStringLiteral("Cleaning the Database..."), total);
            progress->step(done);
        });
        if (progress)
            progress->finish();
        GetActors();
        GetDirectors();
        m_ctx.prompts().message(report.message(), QStringLiteral("All Cleaned"), Prompts::Icon::Information);
    });
}

void frmMain::mnuCompactDB_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - mnuCompactDB_Click"), [this] {
        compactCatalogue(m_catalogue);
        m_ctx.prompts().message(QStringLiteral("Database has been compacted."), QStringLiteral("DB Compacted"),
                                Prompts::Icon::Information);
    });
    applyStates();
}

void frmMain::mnuCopyMovie_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - mnuCopyMovie_Click"), [this] {
        if (m_currentMovieId == 0)
            return;
        m_store->copy(m_currentMovieId);
        // The original stays the movie in the editor.
        ListMovies(QStringLiteral("Refreshing Movie List..."));
    });
    applyStates();
}

void frmMain::mnuAbout_Click()
{
    auto *about = new frmSplash(m_ctx);
    about->setAboutBox(true);
    about->lblDoingWhat->setText(QStringLiteral("Click the window to close..."));
    about->show();
}

void frmMain::mnuOptions_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - mnuOptions_Click"), [this] {
        // One options window: a second click brings the open one forward.
        if (!m_options) {
            m_options = new frmOptions(m_ctx, this);
            m_options->setModal(false);
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
    const bool a = catalogueChosen();
    const bool movie = a && m_currentMovieId != 0;
    const bool title = !txtTitle->text().isEmpty();
    auto enable = [this](const char *name, bool on) {
        if (QAction *act = action(QString::fromLatin1(name)))
            act->setEnabled(on);
    };
    for (QWidget *w : {static_cast<QWidget *>(txtTitle), static_cast<QWidget *>(cmdDir), static_cast<QWidget *>(cmbMedium),
                       static_cast<QWidget *>(cmbFormat), static_cast<QWidget *>(cmbRating), static_cast<QWidget *>(txtNumDiscs),
                       static_cast<QWidget *>(txtRealYear), static_cast<QWidget *>(txtRunningTime),
                       static_cast<QWidget *>(cmbGenre[0]), static_cast<QWidget *>(cmbGenre[1]),
                       static_cast<QWidget *>(cmbGenre[2]), static_cast<QWidget *>(txtOrderBy), static_cast<QWidget *>(txtURL)})
        w->setEnabled(a);
    for (const char *name : {"mnuDatabase", "mnuDBTools", "mnuImport", "mnuWebSearch", "mnuUserList", "mnuNew",
                             "AddMov", "SearchDB", "Loan", "UserLists"})
        enable(name, a);
    enable("mnuDelete", movie);
    enable("DelMov", movie);
    const bool canSave = a && (m_currentMovieId != 0 || (title && m_isNewMovie));
    enable("mnuSave", canSave);
    enable("SaveMov", canSave);
    imgCover->setEnabled(movie);
    if (a) {
        lblDoubleClick->setEnabled(movie);
        enable("mnuQuickCoverSearch", movie);
        enable("mnuSaveCoverFile", movie && !m_cover->isNull());
        enable("mnuCoverSearch", title);
        enable("mnuSearchTitle", title);
        enable("mnuDownloadInfo", title);
        enable("mnuSearchDirector", title && !cmdDir->currentText().isEmpty());
        lblAs->setEnabled(movie);
        txtActorPlays->setEnabled(movie && !cmbActor->currentText().isEmpty());
    }
    const bool rows = a && m_model->rowCount() > 0;
    enable("mnuPrint", rows);
    enable("Print", rows);
    enable("Refresh", rows);
    cmbActor->setEnabled(movie);
    QTreeWidgetItem *cur = lstActors->currentItem();
    cmdRemoveActor->setEnabled(movie && cur && !cur->text(0).isEmpty());
    cmdAddActor->setEnabled(movie && !cmbActor->currentText().isEmpty());
    const QString url = txtURL->text();
    const bool link = a && !url.isEmpty() && url != QLatin1String("http://");
    cmdURL->setEnabled(link);
    enable("mnuURL", link);
    if (!a) {
        lblNumMovs->setText(QStringLiteral("No Cinelog Open"));
        m_selectedActorId = 0;
    } else if (m_currentMovieId == 0) {
        m_selectedActorId = 0;
    }
}
