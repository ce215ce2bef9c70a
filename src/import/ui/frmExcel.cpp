#include "frmExcel.h"

#include "ImportHeadings.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString FormName = QStringLiteral("frmExcel");
}

frmExcel::frmExcel(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_catalogue(catalogue), m_events(events)
{
    setObjectName(FormName);
    setWindowTitle(QStringLiteral(" Import from Excel"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *outer = new QVBoxLayout(this);

    lblWorksheets = new QLabel(QStringLiteral("Select Worksheet to Import:"), this);
    lblWorksheets->setObjectName(QStringLiteral("lblWorksheets"));
    cmbWorksheets = new QComboBox(this);
    cmbWorksheets->setObjectName(QStringLiteral("cmbWorksheets"));
    cmbWorksheets->setMinimumContentsLength(24);
    lblWorksheets->setBuddy(cmbWorksheets);
    auto *sheetRow = new QHBoxLayout;
    sheetRow->addWidget(lblWorksheets);
    sheetRow->addWidget(cmbWorksheets, 1);
    outer->addLayout(sheetRow);

    frameLink = new QGroupBox(QStringLiteral("Select Fields to Link:"), this);
    frameLink->setObjectName(QStringLiteral("frameLink"));
    auto *grid = new QGridLayout(frameLink);
    // Two columns of fields: the movie's own fields on the left, people and genres on the right.
    for (int i = 0; i < ImportField::Count; ++i) {
        lblField[i] = new QLabel(ImportField::label(i), frameLink);
        lblField[i]->setObjectName(QStringLiteral("lblField_%1").arg(i));
        cmbFieldLink[i] = new QComboBox(frameLink);
        cmbFieldLink[i]->setObjectName(QStringLiteral("cmbFieldLink_%1").arg(i));
        cmbFieldLink[i]->setMinimumContentsLength(16);
        cmbFieldLink[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        lblField[i]->setBuddy(cmbFieldLink[i]);
        const bool left = i == ImportField::Title || i >= ImportField::Medium;
        static const int leftRows[] = {0, -1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 3, 4, 5, 6};
        const int row = left ? leftRows[i] : i - 1;
        const int col = left ? 0 : 2;
        grid->addWidget(lblField[i], row, col);
        grid->addWidget(cmbFieldLink[i], row, col + 1);
        connect(cmbFieldLink[i], &QComboBox::currentIndexChanged, this, &frmExcel::updateCommandStates);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(10);
    outer->addWidget(frameLink);

    lblImportFrom = new QLabel(QStringLiteral("Export to:"), this);
    lblImportFrom->setObjectName(QStringLiteral("lblImportFrom"));
    File1 = new QLineEdit(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setReadOnly(true);
    File1->setPlaceholderText(QStringLiteral("Choose the catalogue (*.cnlg) to add the movies to"));
    lblImportFrom->setBuddy(File1);
    cmdBrowseTarget = new QPushButton(QStringLiteral("Choose..."), this);
    cmdBrowseTarget->setObjectName(QStringLiteral("cmdBrowseTarget"));
    auto *targetRow = new QHBoxLayout;
    targetRow->addWidget(lblImportFrom);
    targetRow->addWidget(File1, 1);
    targetRow->addWidget(cmdBrowseTarget);
    outer->addLayout(targetRow);

    cmdImport = new QPushButton(QStringLiteral("Import to Database"), this);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdClose);
    outer->addLayout(buttons);

    connect(cmbWorksheets, &QComboBox::activated, this, &frmExcel::cmbWorksheets_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmExcel::cmdImport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmExcel::cmdClose_Click);
    connect(cmdBrowseTarget, &QPushButton::clicked, this, &frmExcel::cmdBrowseTarget_Click);
    connect(File1, &QLineEdit::textChanged, this, &frmExcel::updateCommandStates);
    updateCommandStates();
}

frmExcel::~frmExcel() = default;

bool frmExcel::Form_Load()
{
    bool loaded = false;
    m_ctx.guard(FormName + QStringLiteral(" Form_Load"), [&] {
        QString start = m_catalogue.path().isEmpty() ? QDir::homePath() : QFileInfo(m_catalogue.path()).absolutePath();
        const QString file = m_ctx.prompts().openFile(QStringLiteral("Select an Excel to Import From:"), workbookFileFilter(), start);
        if (file.isEmpty())
            return;
        m_workbook = openWorkbook(file);
        strWorkbookFile = file;
        cmbWorksheets->clear();
        cmbWorksheets->addItems(m_workbook->worksheetNames());
        cmbWorksheets->setCurrentIndex(-1);
        loaded = true;
    });
    updateCommandStates();
    return loaded;
}

void frmExcel::cmbWorksheets_Click()
{
    for (QComboBox *c : cmbFieldLink)
        c->clear();
    m_sheet.reset();
    m_headingLinks = {};
    intColumnCount = 0;
    m_ctx.guard(FormName + QStringLiteral(" cmbWorksheets_Click"), [&] {
        const int index = cmbWorksheets->currentIndex();
        if (!m_workbook || index < 0)
            return;
        m_sheet = m_workbook->readSheet(index);
        const QStringList headings = m_sheet->headings();
        for (QComboBox *c : cmbFieldLink) {
            c->addItem(QString()); // "not linked"
            c->addItems(headings);
            c->setCurrentIndex(0);
        }
        intColumnCount = int(headings.size());
        // Headings the import recognises link their columns by themselves; the user may change
        // the window's links, and the fields without a combo box follow the headings.
        m_headingLinks = ImportHeadings::match(headings);
        for (int i = 0; i < ImportField::Count; ++i)
            cmbFieldLink[i]->setCurrentIndex(m_headingLinks[i]);
    });
    updateCommandStates();
}

FieldLinks frmExcel::fieldLinks() const
{
    // Item 0 is "not linked"; heading n of the list is worksheet column n.
    FieldLinks links = m_headingLinks;
    for (int i = 0; i < ImportField::Count; ++i)
        links[i] = std::max(0, cmbFieldLink[i]->currentIndex());
    return links;
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
    const QString file = m_ctx.prompts().openFile(QStringLiteral("Export to:"), QStringLiteral("Cinelog Catalogues (*.cnlg)"), start);
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
    m_importing = true;
    setEnabled(false);
    m_ctx.guard(FormName + QStringLiteral(" cmdImport_Click"), [&] {
        WorkbookImport::run(*m_sheet, fieldLinks(), m_catalogue, target, m_ctx.progress());
        done = true;
    });
    setEnabled(true);
    m_importing = false;
    if (!done)
        return;
    if (intoOpenCatalogue) {
        emit m_events.moviesChanged(QStringLiteral("Updating Movie List..."));
        emit m_events.namesChanged(CatalogueEvents::Actors | CatalogueEvents::Directors | CatalogueEvents::Genres);
    }
    close();
}

void frmExcel::closeEvent(QCloseEvent *event)
{
    if (m_importing) {
        event->ignore();
        return;
    }
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
