#include "frmSearch.h"

#include "StepProgress.h"
#include "KeyboardOrder.h"
#include <optional>

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "EditedMovie.h"
#include "WebLookup.h"
#include "SearchResultModel.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"

#include <QApplication>
#include <QMetaMethod>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString Section = QStringLiteral("SearchList");
// A settings file without a size gives the larger default; a first start keeps the designed size.
const WindowPlacement Placement = WindowPlacement(Section, WindowPlacement::Size).withDefaultSize(QSize(11115, 8355)).centred();

template <typename T>
T *named(T *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QComboBox *pickList(QWidget *parent, const char *name, bool typeAhead)
{
    auto *c = named(new QComboBox(parent), name);
    if (typeAhead) {
        // Editable with Qt's inline completion from the box's own entries.
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
    }
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(12);
    c->setMaxVisibleItems(20);
    return c;
}

void empty(QComboBox *c)
{
    c->setCurrentIndex(-1);
    if (c->isEditable())
        c->clearEditText();
}

void enableInput(QWidget *input, bool on)
{
    input->setEnabled(on);
}

} // namespace

frmSearch::frmSearch(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events, QWidget *parent)
    : QMainWindow(parent), m_ctx(ctx), m_search(catalogue), m_edited(edited), m_events(events)
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(tr(" Search for Movies"));
    buildUi();
    applyInputRules();
}

frmSearch::~frmSearch() = default;

void frmSearch::buildUi()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    // Menus: "File" > "Close"; the popup menu of the result list is not in the menu bar.
    QMenu *mnuFIle = named(menuBar()->addMenu(tr("&File")), "mnuFIle");
    mnuClose = named(mnuFIle->addAction(tr("&Close")), "mnuClose");
    mnuClose->setShortcut(QKeySequence::Close);
    connect(mnuClose, &QAction::triggered, this, &QWidget::close);

    mnuHidden = named(new QMenu(tr("Hidden"), this), "mnuHidden");
    mnuLoanOut = named(mnuHidden->addAction(tr("Loan Out")), "mnuLoanOut");
    mnuUserList = named(mnuHidden->addAction(tr("Add to User's List")), "mnuUserList");
    named(mnuHidden->addSeparator(), "Breaky01");
    mnuEditMovie = named(mnuHidden->addAction(tr("Edit Movie")), "mnuEditMovie");
    mnuLoanOut->setEnabled(false);
    mnuUserList->setEnabled(false);
    connect(mnuLoanOut, &QAction::triggered, this, &frmSearch::mnuLoanOut_Click);
    connect(mnuUserList, &QAction::triggered, this, &frmSearch::mnuUserList_Click);
    connect(mnuEditMovie, &QAction::triggered, this, &frmSearch::mnuEditMovie_Click);

    // Criteria.
    frmSearchCrit = named(new QGroupBox(tr("Search Criteria:"), central), "frmSearchCrit");
    auto *grid = new QGridLayout(frmSearchCrit);
    ckTitle = named(new QCheckBox(tr("Title:")), "ckTitle");
    txtTitle = named(new QLineEdit, "txtTitle");
    ckDir = named(new QCheckBox(tr("Director:")), "ckDir");
    cmbDirector = pickList(frmSearchCrit, "cmbDirector", true);
    ckActor = named(new QCheckBox(tr("Actor:")), "ckActor");
    cmbActor[0] = pickList(frmSearchCrit, "cmbActor_0", true);
    cmbActor[1] = pickList(frmSearchCrit, "cmbActor_1", true);
    lblReferenceWith = named(new QLabel(tr("Reference With:")), "lblReferenceWith");
    ckGenre = named(new QCheckBox(tr("Genre")), "ckGenre");
    cmbGenre[0] = pickList(frmSearchCrit, "cmbGenre_0", false);
    cmbGenre[1] = pickList(frmSearchCrit, "cmbGenre_1", false);
    lblReferenceGenre = named(new QLabel(tr("Reference With:")), "lblReferenceGenre");
    ckFormat = named(new QCheckBox(tr("Format:")), "ckFormat");
    cmbFormat = pickList(frmSearchCrit, "cmbFormat", false);
    ckRating = named(new QCheckBox(tr("Rating:")), "ckRating");
    cmbRating = pickList(frmSearchCrit, "cmbRating", false);
    ckMedium = named(new QCheckBox(tr("Medium:")), "ckMedium");
    cmbMedium = pickList(frmSearchCrit, "cmbMedium", false);
    chkStars = named(new QCheckBox(tr("# of Stars")), "chkStars");
    ComStarsValue = named(new QComboBox, "ComStarsValue");
    ComStars = named(new QComboBox, "ComStars");
    chkExactMatch = named(new QCheckBox(tr("Exact Match")), "chkExactMatch");
    cmdSearch = named(new QPushButton(tr("Search")), "cmdSearch");
    cmdSearch->setDefault(true);
    lblReferenceWith->setBuddy(cmbActor[1]);
    lblReferenceGenre->setBuddy(cmbGenre[1]);

    auto *stars = new QHBoxLayout;
    stars->addWidget(ComStarsValue);
    stars->addWidget(ComStars, 1);

    grid->addWidget(ckTitle, 0, 0);
    grid->addWidget(txtTitle, 0, 1, 1, 3);
    grid->addWidget(chkExactMatch, 0, 4);
    grid->addWidget(ckDir, 1, 0);
    grid->addWidget(cmbDirector, 1, 1, 1, 3);
    grid->addWidget(ckActor, 2, 0);
    grid->addWidget(cmbActor[0], 2, 1);
    grid->addWidget(lblReferenceWith, 2, 2);
    grid->addWidget(cmbActor[1], 2, 3);
    grid->addWidget(ckGenre, 3, 0);
    grid->addWidget(cmbGenre[0], 3, 1);
    grid->addWidget(lblReferenceGenre, 3, 2);
    grid->addWidget(cmbGenre[1], 3, 3);
    grid->addWidget(ckFormat, 4, 0);
    grid->addWidget(cmbFormat, 4, 1);
    grid->addWidget(ckRating, 4, 2);
    grid->addWidget(cmbRating, 4, 3);
    grid->addWidget(ckMedium, 5, 0);
    grid->addWidget(cmbMedium, 5, 1);
    grid->addWidget(chkStars, 5, 2);
    grid->addLayout(stars, 5, 3);
    grid->addWidget(cmdSearch, 5, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    // Cast of the selected movie.
    lblClickOn = named(new QLabel(tr("Click on a Movie to View Actors:")), "lblClickOn");
    lstActors = named(new QListWidget, "lstActors");
    lblClickOn->setBuddy(lstActors);
    auto *cast = new QVBoxLayout;
    cast->addWidget(lblClickOn);
    cast->addWidget(lstActors, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(frmSearchCrit, 3);
    top->addLayout(cast, 1);

    // Results.
    lblMovieTitles = named(new QLabel(tr("Found Movie Titles:")), "lblMovieTitles");
    m_model = new SearchResultModel(this);
    lvMovies = named(new QTreeView, "lvMovies");
    lvMovies->setModel(m_model);
    lvMovies->setRootIsDecorated(false);
    lvMovies->setUniformRowHeights(true);
    lvMovies->setAllColumnsShowFocus(true);
    lvMovies->setAlternatingRowColors(true);
    lvMovies->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvMovies->setSelectionMode(QAbstractItemView::SingleSelection);
    lvMovies->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvMovies->setContextMenuPolicy(Qt::CustomContextMenu);
    lvMovies->header()->setSectionsClickable(true);
    lvMovies->header()->setSortIndicatorShown(false);
    lvMovies->header()->setStretchLastSection(false);
    lblMovieTitles->setBuddy(lvMovies);
    const int widths[] = {600, 2400, 1700, 1000, 1000, 1000, 900, 1100, 800, 800, 900, 1200, 700};
    for (int i = 0; i < FoundMovie::ColumnCount; ++i)
        lvMovies->header()->resizeSection(i, twipsToPixels(widths[i]));

    lblTotals = named(new QLabel(MovieSearch::totalsText(0)), "lblTotals");
    cmdPrint = named(new QPushButton(tr("Print List")), "cmdPrint");
    cmdExport = named(new QPushButton(tr("Export...")), "cmdExport");
    cmdClose = named(new QPushButton(tr("Close")), "cmdClose");
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblTotals, 1);
    bottom->addWidget(cmdPrint);
    bottom->addWidget(cmdExport);
    bottom->addWidget(cmdClose);

    auto *outer = new QVBoxLayout(central);
    outer->addLayout(top);
    outer->addWidget(lblMovieTitles);
    outer->addWidget(lvMovies, 1);
    outer->addLayout(bottom);

    setMinimumSize(twipsToPixels(MinWidthTwips), twipsToPixels(MinHeightTwips));

    // The rules that keep inputs in step with their check boxes run whenever one of them changes.
    for (QCheckBox *ck : {ckTitle, ckDir, ckActor, ckGenre, ckFormat, ckRating, ckMedium, chkStars})
        connect(ck, &QCheckBox::toggled, this, &frmSearch::applyInputRules);
    connect(cmbActor[0], &QComboBox::currentTextChanged, this, &frmSearch::applyInputRules);
    connect(cmbGenre[0], &QComboBox::currentTextChanged, this, &frmSearch::applyInputRules);

    // Return in any criterion searches.
    connect(txtTitle, &QLineEdit::returnPressed, this, &frmSearch::cmdSearch_Click);
    for (QComboBox *c : {cmbDirector, cmbActor[0], cmbActor[1]})
        connect(c->lineEdit(), &QLineEdit::returnPressed, this, &frmSearch::cmdSearch_Click);
    connect(cmdSearch, &QPushButton::clicked, this, &frmSearch::cmdSearch_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        if (isSignalConnected(QMetaMethod::fromSignal(&frmSearch::printRequested)) && m_model->rowCount() > 0)
            emit printRequested(reportParams());
    });
    connect(cmdExport, &QPushButton::clicked, this, [this] {
        if (isSignalConnected(QMetaMethod::fromSignal(&frmSearch::exportRequested)) && m_model->rowCount() > 0)
            emit exportRequested(foundMovieIds());
    });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(lvMovies->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmSearch::lvMovies_Click);
    connect(lvMovies->header(), &QHeaderView::sectionClicked, this, &frmSearch::lvMovies_ColumnClick);
    connect(lvMovies, &QAbstractItemView::doubleClicked, this, &frmSearch::lvMovies_DblClick);
    connect(lvMovies, &QAbstractItemView::activated, this, [this] {
        // Return on a row opens its web link, as a double click does.
        if (!QApplication::mouseButtons())
            lvMovies_DblClick();
    });
    connect(lvMovies, &QWidget::customContextMenuRequested, this, &frmSearch::showPopup);
    KeyboardOrder::openMenuFromKeyboard(lvMovies);
}

void frmSearch::Form_Load()
{
    m_ctx.guard(QStringLiteral("frmSearch Form_Load"), [this] {
        resize(twipsToPixels(8415), twipsToPixels(6030));

        cmbDirector->clear();
        cmbDirector->addItems(m_search.directors());
        const QStringList actors = m_search.actors();
        for (QComboBox *c : cmbActor) {
            c->clear();
            c->addItem(QString());
            c->addItems(actors);
        }
        cmbMedium->clear();
        cmbMedium->addItems(m_search.media());
        cmbFormat->clear();
        cmbFormat->addItems(m_search.formats());
        const QStringList genres = m_search.genres();
        for (QComboBox *c : cmbGenre) {
            c->clear();
            c->addItems(genres);
        }
        cmbRating->clear();
        cmbRating->addItems(m_search.ratings());

        if (m_ctx.ini().exists()) {
            Placement.restoreSize(*this, m_ctx.ini());
            restoreColumnWidths(lvMovies->header(), m_ctx.ini(), Section);
        }
        Placement.restorePosition(*this, m_ctx.ini());

        ComStars->clear();
        ComStars->addItem(QString());
        ComStars->addItems(MovieSearch::starEntries());
        ComStarsValue->clear();
        ComStarsValue->addItems(MovieSearch::comparisonEntries());
        ComStarsValue->setCurrentIndex(0);
    });
    applyInputRules();
}

void frmSearch::connectNotify(const QMetaMethod &signal)
{
    QMainWindow::connectNotify(signal);
    // A command comes alive when something carries it out.
    if (signal == QMetaMethod::fromSignal(&frmSearch::loanOutRequested))
        mnuLoanOut->setEnabled(true);
    else if (signal == QMetaMethod::fromSignal(&frmSearch::addToListRequested))
        mnuUserList->setEnabled(true);
    else if (signal == QMetaMethod::fromSignal(&frmSearch::printRequested)
             || signal == QMetaMethod::fromSignal(&frmSearch::exportRequested))
        applyInputRules();
}

report::MovieDetailsSearchParams frmSearch::reportParams() const
{
    report::MovieDetailsSearchParams params;
    params.movieIds = foundMovieIds();
    const SearchCriteria c = criteria();
    auto item = [](const QString &text) { return report::SearchCriteria::Item{!text.isEmpty(), text}; };
    params.criteria.title = item(c.title);
    params.criteria.actor = item(c.actor);
    params.criteria.format = item(c.format);
    params.criteria.medium = item(c.medium);
    params.criteria.director = item(c.director);
    params.criteria.genre = item(c.genre);
    params.criteria.rating = item(c.rating);
    if (c.stars > 0) {
        params.criteria.stars = item(MovieSearch::starEntries().value(c.stars - 1));
        params.criteria.starsComparison = MovieSearch::textOf(c.starsComparison);
    }
    return params;
}

const QList<int> &frmSearch::foundMovieIds() const
{
    return m_model->movieIds();
}

int frmSearch::selectedMovieId() const
{
    const QModelIndex current = lvMovies->currentIndex();
    return current.isValid() ? m_model->movieId(current.row()) : 0;
}

void frmSearch::applyInputRules()
{
    auto follow = [](QCheckBox *ck, QWidget *input, QComboBox *combo, QLineEdit *edit) {
        const bool on = ck->isChecked();
        enableInput(input, on);
        if (!on) {
            if (combo)
                empty(combo);
            if (edit)
                edit->clear();
        }
    };
    follow(ckTitle, txtTitle, nullptr, txtTitle);
    follow(ckDir, cmbDirector, cmbDirector, nullptr);
    follow(ckMedium, cmbMedium, cmbMedium, nullptr);
    follow(ckFormat, cmbFormat, cmbFormat, nullptr);
    follow(ckRating, cmbRating, cmbRating, nullptr);

    // A second actor or genre only means something beside a first one.
    auto pair = [](QCheckBox *ck, QComboBox *const boxes[2], QLabel *label) {
        const bool on = ck->isChecked();
        enableInput(boxes[0], on);
        if (!on)
            empty(boxes[0]);
        const bool second = on && !boxes[0]->currentText().isEmpty();
        enableInput(boxes[1], second);
        label->setEnabled(second);
        if (!second)
            empty(boxes[1]);
    };
    pair(ckActor, cmbActor, lblReferenceWith);
    pair(ckGenre, cmbGenre, lblReferenceGenre);

    ComStars->setEnabled(chkStars->isChecked());
    ComStarsValue->setEnabled(chkStars->isChecked());

    const bool rows = m_model->rowCount() > 0;
    cmdPrint->setEnabled(rows && isSignalConnected(QMetaMethod::fromSignal(&frmSearch::printRequested)));
    cmdExport->setEnabled(rows && isSignalConnected(QMetaMethod::fromSignal(&frmSearch::exportRequested)));
    lstActors->setEnabled(rows);
    chkExactMatch->setEnabled(ckTitle->isChecked() || ckDir->isChecked());
}

SearchCriteria frmSearch::criteria() const
{
    SearchCriteria c;
    c.title = txtTitle->text();
    c.director = cmbDirector->currentText();
    c.actor = cmbActor[0]->currentText();
    c.secondActor = cmbActor[1]->currentText();
    c.genre = cmbGenre[0]->currentText();
    c.secondGenre = cmbGenre[1]->currentText();
    c.format = cmbFormat->currentText();
    c.rating = cmbRating->currentText();
    c.medium = cmbMedium->currentText();
    c.stars = chkStars->isChecked() ? MovieSearch::starsFromEntry(ComStars->currentText()) : 0;
    c.starsComparison = MovieSearch::comparisonFromText(ComStarsValue->currentText()).value_or(StarsComparison::Equal);
    c.exactMatch = chkExactMatch->isChecked();
    return c;
}

void frmSearch::cmdSearch_Click()
{
    lstActors->clear();

    // A criterion whose input is empty is switched off, so the window shows what was searched by.
    const std::pair<QCheckBox *, QString> inputs[] = {
        {ckTitle, txtTitle->text()},          {ckDir, cmbDirector->currentText()},
        {ckActor, cmbActor[0]->currentText()}, {ckGenre, cmbGenre[0]->currentText()},
        {ckFormat, cmbFormat->currentText()},  {ckRating, cmbRating->currentText()},
        {ckMedium, cmbMedium->currentText()},  {chkStars, ComStars->currentText()}};
    for (const auto &[ck, text] : inputs)
        if (text.isEmpty())
            ck->setChecked(false);

    m_model->clear();
    lvMovies->header()->setSortIndicatorShown(false);
    applyInputRules();

    const SearchCriteria c = criteria();
    if (!c.hasCriteria()) {
        m_ctx.prompts().information(tr("You must have critiera to search by!"), tr("ID-10-T Error"));
        return;
    }

    FoundMovies found;
    try {
        // A search that finds many movies shows how far putting them in order has come.
        std::optional<StepProgress> progress;
        found = m_search.find(c, [&](qint64 done, qint64 total) {
            if (!progress)
                progress.emplace(m_ctx.progress(), tr("Search for Movies..."), total);
            progress->step(done);
        });
    } catch (const CinelogError &e) {
        m_ctx.prompts().information(e.shownDescription(), tr("Error %1").arg(e.number()));
        return;
    }
    // The rows' texts are read a page at a time as the list shows them.
    m_model->setResult(m_search, std::move(found));
    applyInputRules();
    lblTotals->setText(MovieSearch::totalsText(m_model->rowCount()));
    if (m_model->rowCount() == 0)
        m_ctx.prompts().information(tr("No movies found with this search criteria."), tr("No Movies Found"));
}

void frmSearch::lvMovies_Click()
{
    m_ctx.guard(QStringLiteral("frmSearch - lvMovies_Click"), [this] {
        lstActors->clear();
        const int id = selectedMovieId();
        if (id > 0)
            lstActors->addItems(m_search.castOf(id));
    });
}

void frmSearch::lvMovies_ColumnClick(int column)
{
    if (m_model->rowCount() == 0)
        return;
    // Every click reverses the direction, whichever column was sorted before.
    const Qt::SortOrder order = m_sortOrder == Qt::DescendingOrder ? Qt::AscendingOrder : Qt::DescendingOrder;
    if (!m_ctx.guard(QStringLiteral("frmSearch - lvMovies_ColumnClick"), [&] { m_model->sort(column, order); }))
        return;
    m_sortOrder = order;
    lvMovies->header()->setSortIndicator(column, m_sortOrder);
    lvMovies->header()->setSortIndicatorShown(true);
    if (lvMovies->currentIndex().isValid())
        lvMovies->scrollTo(lvMovies->currentIndex());
}

void frmSearch::lvMovies_DblClick()
{
    m_ctx.guard(QStringLiteral("frmSearch - lvMovies_DblClick"), [this] {
        const int id = selectedMovieId();
        if (id <= 0)
            return;
        // Only web addresses are opened: a catalogue may come from someone else, and its links must
        // not start local programs or files.
        if (const QUrl url = WebLookup::storedAddress(m_search.movieUrl(id)); url.isValid())
            m_ctx.urlOpener().open(url);
    });
}

void frmSearch::showPopup(const QPoint &pos)
{
    const QModelIndex at = lvMovies->indexAt(pos);
    if (at.isValid())
        lvMovies->setCurrentIndex(at);
    if (selectedMovieId() <= 0)
        return;
    mnuHidden->popup(lvMovies->viewport()->mapToGlobal(pos));
}

void frmSearch::mnuLoanOut_Click()
{
    const int id = selectedMovieId();
    if (id <= 0 || !isSignalConnected(QMetaMethod::fromSignal(&frmSearch::loanOutRequested)))
        return;
    emit loanOutRequested(id, m_model->title(lvMovies->currentIndex().row()));
    emit m_events.loansChanged(tr("Updating the Movie List..."));
}

void frmSearch::mnuUserList_Click()
{
    const int id = selectedMovieId();
    if (id <= 0 || !isSignalConnected(QMetaMethod::fromSignal(&frmSearch::addToListRequested)))
        return;
    emit addToListRequested(id, m_model->title(lvMovies->currentIndex().row()));
}

void frmSearch::mnuEditMovie_Click()
{
    const int id = selectedMovieId();
    if (id <= 0)
        return;
    m_edited.offerToSave();
    m_edited.show(id);
}

void frmSearch::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_ctx.guard(QStringLiteral("frmSearch Form_Unload"), [this] {
        Placement.save(*this, m_ctx.ini());
        storeColumnWidths(lvMovies->header(), m_ctx.ini(), Section);
    });
}

void frmSearch::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

frmSearch *showSearchWindow(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                            QWidget *parent, bool *made)
{
    static QPointer<frmSearch> s_window;
    if (made)
        *made = !s_window;
    if (!s_window) {
        s_window = new frmSearch(ctx, catalogue, edited, events, parent);
        s_window->setWindowFlag(Qt::Window, true);
        s_window->setAttribute(Qt::WA_DeleteOnClose, true);
        s_window->Form_Load();
    }
    s_window->show();
    s_window->raise();
    s_window->activateWindow();
    return s_window;
}
