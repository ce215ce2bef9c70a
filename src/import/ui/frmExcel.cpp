#include "frmExcel.h"
#include "WindowPlacement.h"

#include "ImportHeadings.h"
#include "ImportPreviewModel.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "WindowUtil.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString FormName = QStringLiteral("frmExcel");
const WindowPlacement Placement = WindowPlacement(FormName, WindowPlacement::Size).withDefaultSize(QSize(15600, 10800));

// The boxes in three columns: the movie's own fields, its people, the rest.
const int Columns[3][7] = {
    {ImportField::Title, ImportField::SortKey, ImportField::ReleaseYear, ImportField::RunningTime, ImportField::Rating,
     ImportField::Medium, ImportField::Format},
    {ImportField::Director, ImportField::Actor1, ImportField::Actor1 + 1, ImportField::Actor1 + 2, ImportField::Actor4,
     ImportField::Cast, ImportField::Episodes},
    {ImportField::Genre1, ImportField::Genre1 + 1, ImportField::Genre3, ImportField::NumDiscs, ImportField::UserRating,
     ImportField::Url, ImportField::EpisodeDisc},
};
}

frmExcel::frmExcel(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_catalogue(catalogue), m_events(events)
{
    setObjectName(FormName);
    setWindowTitle(tr(" Import from Excel"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *outer = new QVBoxLayout(this);

    lblWorksheets = new QLabel(tr("Select Worksheet to Import:"), this);
    lblWorksheets->setObjectName(QStringLiteral("lblWorksheets"));
    cmbWorksheets = new QComboBox(this);
    cmbWorksheets->setObjectName(QStringLiteral("cmbWorksheets"));
    cmbWorksheets->setAccessibleName(tr("Worksheet to import"));
    cmbWorksheets->setMinimumContentsLength(24);
    lblWorksheets->setBuddy(cmbWorksheets);
    auto *sheetRow = new QHBoxLayout;
    sheetRow->addWidget(lblWorksheets);
    sheetRow->addWidget(cmbWorksheets, 1);
    outer->addLayout(sheetRow);

    frameLink = new QGroupBox(tr("Select Fields to Link:"), this);
    frameLink->setObjectName(QStringLiteral("frameLink"));
    auto *grid = new QGridLayout(frameLink);
    QWidget *previous = cmbWorksheets;
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 7; ++row) {
            const int i = Columns[col][row];
            QString label = ImportField::caption(i);
            lblField[i] = new QLabel(label, frameLink);
            lblField[i]->setObjectName(QStringLiteral("lblField_%1").arg(i));
            cmbFieldLink[i] = new QComboBox(frameLink);
            cmbFieldLink[i]->setObjectName(QStringLiteral("cmbFieldLink_%1").arg(i));
            cmbFieldLink[i]->setAccessibleName(ImportField::name(i));
            cmbFieldLink[i]->setMinimumContentsLength(8);
            cmbFieldLink[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            lblField[i]->setBuddy(cmbFieldLink[i]);
            lblGuessed[i] = new QLabel(tr("guessed"), frameLink);
            lblGuessed[i]->setObjectName(QStringLiteral("lblGuessed_%1").arg(i));
            lblGuessed[i]->setStyleSheet(QStringLiteral("color: #8a5a00; font-style: italic;"));
            QSizePolicy keep = lblGuessed[i]->sizePolicy();
            keep.setRetainSizeWhenHidden(true); // the boxes stay put when a mark comes or goes
            lblGuessed[i]->setSizePolicy(keep);
            lblGuessed[i]->hide();
            grid->addWidget(lblField[i], row, col * 4);
            grid->addWidget(cmbFieldLink[i], row, col * 4 + 1);
            grid->addWidget(lblGuessed[i], row, col * 4 + 2);
            grid->setColumnStretch(col * 4 + 1, 1);
            if (col < 2)
                grid->setColumnMinimumWidth(col * 4 + 3, 12);
            setTabOrder(previous, cmbFieldLink[i]);
            previous = cmbFieldLink[i];
            connect(cmbFieldLink[i], &QComboBox::currentIndexChanged, this, [this] {
                updateCommandStates();
                if (!m_filling)
                    refreshPreview();
            });
            // A box the user sets is no longer the program's guess.
            connect(cmbFieldLink[i], &QComboBox::activated, this, [this, i] { setGuessed(i, false); });
        }
    grid->setHorizontalSpacing(6);
    outer->addWidget(frameLink);

    lblGuessNote = new QLabel(tr("Boxes marked \"guessed\" were linked from the worksheet's headings: check them, "
                                 "and change any that is wrong."),
                              this);
    lblGuessNote->setObjectName(QStringLiteral("lblGuessNote"));
    lblGuessNote->setWordWrap(true);
    lblGuessNote->hide();
    outer->addWidget(lblGuessNote);

    lblPreview = new QLabel(tr("Preview (the first %1 rows as they will be imported):").arg(PreviewRows), this);
    lblPreview->setObjectName(QStringLiteral("lblPreview"));
    m_preview = new ImportPreviewModel(this);
    tblPreview = new QTableView(this);
    tblPreview->setObjectName(QStringLiteral("tblPreview"));
    tblPreview->setAccessibleName(tr("Preview of the imported rows"));
    tblPreview->setModel(m_preview);
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPreview->setWordWrap(false);
    tblPreview->verticalHeader()->hide();
    tblPreview->verticalHeader()->setDefaultSectionSize(tblPreview->fontMetrics().height() + 6);
    tblPreview->horizontalHeader()->setHighlightSections(false);
    tblPreview->setMinimumHeight(tblPreview->fontMetrics().height() * 12);
    lblPreview->setBuddy(tblPreview);
    outer->addWidget(lblPreview);
    outer->addWidget(tblPreview, 1);

    lblPreviewSummary = new QLabel(this);
    lblPreviewSummary->setObjectName(QStringLiteral("lblPreviewSummary"));
    lblPreviewSummary->setWordWrap(true);
    chkNamesFirstLast = new QCheckBox(tr("People are written \"First Last\": store them as \"Last, First\""), this);
    chkNamesFirstLast->setObjectName(QStringLiteral("chkNamesFirstLast"));
    chkNamesFirstLast->setAccessibleName(chkNamesFirstLast->text());
    lblNamesGuessed = new QLabel(tr("guessed"), this);
    lblNamesGuessed->setObjectName(QStringLiteral("lblNamesGuessed"));
    lblNamesGuessed->setStyleSheet(QStringLiteral("color: #8a5a00; font-style: italic;"));
    lblNamesGuessed->hide();
    auto *namesRow = new QHBoxLayout;
    namesRow->addWidget(chkNamesFirstLast);
    namesRow->addWidget(lblNamesGuessed);
    namesRow->addStretch(1);
    chkDuplicates = new QCheckBox(tr("Also import movies the catalogue already has (same title and year)"), this);
    chkDuplicates->setObjectName(QStringLiteral("chkDuplicates"));
    chkDuplicates->setAccessibleName(chkDuplicates->text());
    outer->addWidget(lblPreviewSummary);
    outer->addLayout(namesRow);
    outer->addWidget(chkDuplicates);

    lblImportFrom = new QLabel(tr("Export to:"), this);
    lblImportFrom->setObjectName(QStringLiteral("lblImportFrom"));
    File1 = new QLineEdit(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(tr("Catalogue to add the movies to"));
    File1->setReadOnly(true);
    File1->setPlaceholderText(tr("Choose the catalogue (*.cnlg) to add the movies to"));
    lblImportFrom->setBuddy(File1);
    cmdBrowseTarget = new QPushButton(tr("Choose..."), this);
    cmdBrowseTarget->setObjectName(QStringLiteral("cmdBrowseTarget"));
    cmdBrowseTarget->setAccessibleName(tr("Choose the catalogue"));
    auto *targetRow = new QHBoxLayout;
    targetRow->addWidget(lblImportFrom);
    targetRow->addWidget(File1, 1);
    targetRow->addWidget(cmdBrowseTarget);
    outer->addLayout(targetRow);

    cmdImport = new QPushButton(tr("Import to Database"), this);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setAccessibleName(cmdImport->text());
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleName(cmdClose->text());
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdClose);
    outer->addLayout(buttons);

    setTabOrder(previous, tblPreview);
    setTabOrder(tblPreview, chkNamesFirstLast);
    setTabOrder(chkNamesFirstLast, chkDuplicates);
    setTabOrder(chkDuplicates, File1);
    setTabOrder(File1, cmdBrowseTarget);
    setTabOrder(cmdBrowseTarget, cmdImport);
    setTabOrder(cmdImport, cmdClose);

    connect(cmbWorksheets, &QComboBox::activated, this, &frmExcel::cmbWorksheets_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmExcel::cmdImport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmExcel::cmdClose_Click);
    connect(cmdBrowseTarget, &QPushButton::clicked, this, &frmExcel::cmdBrowseTarget_Click);
    connect(chkDuplicates, &QCheckBox::toggled, this, &frmExcel::refreshPreview);
    connect(chkNamesFirstLast, &QCheckBox::toggled, this, [this] {
        if (!m_filling)
            refreshPreview();
    });
    connect(chkNamesFirstLast, &QCheckBox::clicked, lblNamesGuessed, &QWidget::hide);
    connect(File1, &QLineEdit::textChanged, this, [this] {
        updateCommandStates();
        refreshPreview();
    });

    Placement.restore(*this, m_ctx.ini());

    // The open catalogue is where the movies go unless the user picks another.
    if (m_catalogue.isOpen())
        setTargetCatalogue(m_catalogue.path());
    updateCommandStates();
}

frmExcel::~frmExcel() = default;

bool frmExcel::Form_Load()
{
    bool loaded = false;
    m_ctx.guard(FormName + QStringLiteral(" Form_Load"), [&] {
        QString start = m_catalogue.path().isEmpty() ? QDir::homePath() : QFileInfo(m_catalogue.path()).absolutePath();
        const QString file = m_ctx.prompts().openFile(tr("Select an Excel to Import From:"), workbookFileFilter(), start);
        if (file.isEmpty())
            return;
        m_workbook = openWorkbook(file);
        strWorkbookFile = file;
        cmbWorksheets->clear();
        cmbWorksheets->addItems(m_workbook->worksheetNames());
        cmbWorksheets->setCurrentIndex(-1);
        loaded = true;
    });
    // The first worksheet is read at once; another is a choice away.
    if (loaded && cmbWorksheets->count() > 0) {
        cmbWorksheets->setCurrentIndex(0);
        cmbWorksheets_Click();
    }
    updateCommandStates();
    return loaded;
}

void frmExcel::cmbWorksheets_Click()
{
    m_filling = true;
    for (int i = 0; i < ImportField::AllCount; ++i) {
        cmbFieldLink[i]->clear();
        setGuessed(i, false);
    }
    m_sheet.reset();
    m_targetMoviesFor.clear(); // another sheet names other movies
    m_headings.clear();
    chkNamesFirstLast->setChecked(false);
    lblNamesGuessed->hide();
    intColumnCount = 0;
    m_ctx.guard(FormName + QStringLiteral(" cmbWorksheets_Click"), [&] {
        const int index = cmbWorksheets->currentIndex();
        if (!m_workbook || index < 0)
            return;
        m_sheet = m_workbook->readSheet(index);
        m_headings = m_sheet->headings();
        for (QComboBox *c : cmbFieldLink) {
            c->addItem(QString()); // "not linked"
            c->addItems(m_headings);
            c->setCurrentIndex(0);
        }
        intColumnCount = int(m_headings.size());
        // Headings the import recognises link their columns by themselves; the user may change
        // every link, and sees which ones the program chose.
        const FieldLinks links = ImportHeadings::match(m_headings);
        // A website's list export writes people "First Last".
        const bool firstLast = ImportHeadings::optionsFor(m_headings).namesFirstLast;
        chkNamesFirstLast->setChecked(firstLast);
        lblNamesGuessed->setVisible(firstLast);
        for (int i = 0; i < ImportField::AllCount; ++i) {
            cmbFieldLink[i]->setCurrentIndex(links[i]);
            setGuessed(i, links[i] > 0);
        }
    });
    m_filling = false;
    updateCommandStates();
    refreshPreview();
}

void frmExcel::setGuessed(int field, bool guessed)
{
    lblGuessed[field]->setVisible(guessed);
    cmbFieldLink[field]->setAccessibleDescription(
        guessed ? tr("Linked from the heading \"%1\"; change it if it is wrong.").arg(cmbFieldLink[field]->currentText()) : QString());
    cmbFieldLink[field]->setToolTip(cmbFieldLink[field]->accessibleDescription());
    bool any = false;
    for (int i = 0; i < ImportField::AllCount; ++i)
        any = any || isGuessed(i);
    lblGuessNote->setVisible(any);
}

bool frmExcel::isGuessed(int field) const
{
    return lblGuessed[field] && !lblGuessed[field]->isHidden();
}

FieldLinks frmExcel::fieldLinks() const
{
    // Item 0 is "not linked"; heading n of the list is worksheet column n.
    FieldLinks links{};
    for (int i = 0; i < ImportField::AllCount; ++i)
        links[i] = std::max(0, cmbFieldLink[i]->currentIndex());
    return links;
}

ImportOptions frmExcel::importOptions() const
{
    ImportOptions o;
    o.namesFirstLast = chkNamesFirstLast->isChecked();
    o.skipDuplicates = !chkDuplicates->isChecked();
    return o;
}

void frmExcel::readTargetMovies()
{
    m_targetMovies.clear();
    m_targetMoviesFor = {};
    if (!m_sheet)
        return;
    // Read again only when what it depends on changed: the target, the title's or sort key's column.
    m_targetMoviesFor = {targetCatalogue(), QString::number(cmbFieldLink[ImportField::Title]->currentIndex()),
                         QString::number(cmbFieldLink[ImportField::SortKey]->currentIndex())};
    m_ctx.guard(FormName + QStringLiteral(" readTargetMovies"), [&] {
        m_targetMovies = WorkbookImport::existingMovies(m_catalogue, targetCatalogue(), *m_sheet, fieldLinks());
    });
}

void frmExcel::refreshPreview()
{
    if (m_importing)
        return;
    if (!m_sheet) {
        m_preview->setRows({}, FieldLinks{}, importOptions());
        lblPreviewSummary->clear();
        return;
    }
    const FieldLinks links = fieldLinks();
    const ImportOptions options = importOptions();
    if (m_targetMoviesFor != QStringList{targetCatalogue(), QString::number(links[ImportField::Title]),
                                         QString::number(links[ImportField::SortKey])})
        readTargetMovies();
    QList<PreparedRow> shown;
    int rows = 0, imported = 0, duplicates = 0, refused = 0;
    // The counts cover the whole sheet, so a refusal below the preview is not a surprise either.
    for (int row = 2; row <= m_sheet->GetLastRow(); ++row) {
        PreparedRow r = WorkbookImport::prepare(*m_sheet, row, links, options, m_targetMovies);
        ++rows;
        if (!r.refusal.isEmpty())
            ++refused;
        else if (r.duplicate)
            ++duplicates;
        if (r.imported(options))
            ++imported;
        if (shown.size() < PreviewRows)
            shown << std::move(r);
    }
    m_preview->setRows(shown, links, options);
    tblPreview->resizeColumnsToContents();
    for (int c = 0; c < m_preview->columnCount(); ++c)
        tblPreview->setColumnWidth(c, std::min(tblPreview->columnWidth(c), fontMetrics().averageCharWidth() * 40));

    QStringList parts;
    parts << (rows == 1 ? tr("1 row below the headings") : tr("%1 rows below the headings").arg(rows))
          << tr("%1 to import").arg(imported);
    if (duplicates > 0)
        parts << (options.skipDuplicates ? tr("%1 already in the catalogue (skipped)").arg(duplicates)
                                         : tr("%1 already in the catalogue (imported again)").arg(duplicates));
    if (refused > 0)
        parts << tr("%1 refused").arg(refused);
    lblPreviewSummary->setText(parts.join(QStringLiteral(", ")) + u'.');
    chkDuplicates->setEnabled(duplicates > 0 || chkDuplicates->isChecked());
}

QString frmExcel::targetCatalogue() const
{
    return File1->text();
}

void frmExcel::setTargetCatalogue(const QString &path)
{
    File1->setText(path);
}

bool frmExcel::canImport() const
{
    return m_sheet.has_value() && cmbFieldLink[ImportField::Title]->currentIndex() > 0 && !targetCatalogue().isEmpty();
}

void frmExcel::updateCommandStates()
{
    const bool sheetChosen = m_sheet.has_value();
    for (QComboBox *c : cmbFieldLink)
        c->setEnabled(sheetChosen);
    cmdImport->setEnabled(canImport());
}

void frmExcel::cmdBrowseTarget_Click()
{
    const QString start = targetCatalogue().isEmpty()
        ? (m_catalogue.path().isEmpty() ? QDir::homePath() : QFileInfo(m_catalogue.path()).absolutePath())
        : QFileInfo(targetCatalogue()).absolutePath();
    const QString file = m_ctx.prompts().openFile(tr("Export to:"), tr("Cinelog Catalogues (*.cnlg)"), start);
    if (!file.isEmpty())
        setTargetCatalogue(file);
}

void frmExcel::cmdImport_Click()
{
    if (m_importing || !canImport())
        return;
    const QString target = targetCatalogue();
    const bool intoOpenCatalogue = WorkbookImport::isOpenCatalogue(m_catalogue, target);
    bool done = false;
    ImportSummary summary;
    m_importing = true;
    setEnabled(false);
    m_ctx.guard(FormName + QStringLiteral(" cmdImport_Click"), [&] {
        summary = WorkbookImport::run(*m_sheet, fieldLinks(), m_catalogue, target, m_ctx.progress(), importOptions());
        done = true;
    });
    setEnabled(true);
    m_importing = false;
    if (!done)
        return;
    if (intoOpenCatalogue) {
        emit m_events.moviesChanged(tr("Updating Movie List..."));
        emit m_events.namesChanged(CatalogueEvents::Actors | CatalogueEvents::Directors | CatalogueEvents::Genres);
    }
    if (summary.refused > 0 || summary.duplicatesSkipped > 0) {
        QStringList parts;
        parts << (summary.movies == 1 ? tr("1 movie imported") : tr("%1 movies imported").arg(summary.movies));
        if (summary.duplicatesSkipped > 0)
            parts << (summary.duplicatesSkipped == 1 ? tr("1 already in the catalogue and skipped")
                                                     : tr("%1 already in the catalogue and skipped").arg(summary.duplicatesSkipped));
        if (summary.refused > 0)
            parts << (summary.refused == 1 ? tr("1 row refused") : tr("%1 rows refused").arg(summary.refused));
        m_ctx.prompts().information(parts.join(QStringLiteral(", ")) + u'.', tr("Import from Excel"));
    }
    close();
}

void frmExcel::closeEvent(QCloseEvent *event)
{
    if (m_importing) {
        event->ignore();
        return;
    }
    Placement.save(*this, m_ctx.ini());
    QWidget::closeEvent(event);
}

void frmExcel::cmdClose_Click()
{
    close();
}

frmExcel *showImportWindow(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent)
{
    auto *w = new frmExcel(ctx, catalogue, events, parent);
    if (!w->Form_Load()) {
        delete w;
        return nullptr;
    }
    w->show();
    return w;
}
