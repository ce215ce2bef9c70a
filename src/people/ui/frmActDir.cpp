#include "frmActDir.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"

#include "KeyboardOrder.h"
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
const QString Section = QStringLiteral("frmActDir");
const WindowPlacement Placement(Section, WindowPlacement::Size);
constexpr int IdRole = Qt::UserRole;
}

frmActDir::frmActDir(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_catalogue(catalogue)
{
    setObjectName(QStringLiteral("frmActDir"));
    setWindowTitle(tr(" Actors and Directors"));

    auto *lblSelect = new QLabel(tr("Select:"), this);
    lblSelect->setObjectName(QStringLiteral("lblSelect"));
    cmbSelect = new QComboBox(this);
    cmbSelect->setObjectName(QStringLiteral("cmbSelect"));
    cmbSelect->addItem(tr("Actors"), People::kindText(People::Kind::Actors));
    cmbSelect->addItem(tr("Directors"), People::kindText(People::Kind::Directors));
    cmbSelect->setCurrentIndex(-1);
    cmbSelect->setMinimumWidth(120);
    auto *lblRecordsStarting = new QLabel(tr("Records Starting With: "), this);
    lblRecordsStarting->setObjectName(QStringLiteral("lblRecordsStarting"));
    cmbLetters = new QComboBox(this);
    cmbLetters->setObjectName(QStringLiteral("cmbLetters"));
    cmbLetters->addItem(QStringLiteral(" "));
    for (char c = 'A'; c <= 'Z'; ++c)
        cmbLetters->addItem(QString(QLatin1Char(c)));
    cmbLetters->setToolTip(tr("The blank entry lists every name"));

    lblActors = new QLabel(tr("Actors:"), this);
    lblActors->setObjectName(QStringLiteral("lblActors"));
    m_model = new QStandardItemModel(0, 2, this);
    m_model->setHorizontalHeaderLabels({tr("Actor"), tr("Website")});
    lvActDir = new QTreeView(this);
    lvActDir->setObjectName(QStringLiteral("lvActDir"));
    lvActDir->setModel(m_model);
    lvActDir->setRootIsDecorated(false);
    lvActDir->setUniformRowHeights(true);
    lvActDir->setAllColumnsShowFocus(true);
    lvActDir->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvActDir->setSelectionMode(QAbstractItemView::SingleSelection);
    lvActDir->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvActDir->setContextMenuPolicy(Qt::CustomContextMenu);
    lvActDir->header()->resizeSection(0, twipsToPixels(2600));
    lvActDir->header()->resizeSection(1, twipsToPixels(2600));

    auto *lblAssociatedMovies = new QLabel(tr("Associated Movies:"), this);
    lblAssociatedMovies->setObjectName(QStringLiteral("lblAssociatedMovies"));
    lstMovies = new QListWidget(this);
    lstMovies->setObjectName(QStringLiteral("lstMovies"));

    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtURL = new QLineEdit(QStringLiteral("http://"), this);
    txtURL->setObjectName(QStringLiteral("txtURL"));
    cmdSave = new QPushButton(tr("Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdURL = new QPushButton(tr("Go To Site"), this);
    cmdURL->setObjectName(QStringLiteral("cmdURL"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setShortcut(QKeySequence(Qt::Key_Escape));

    mnuSearch = new QMenu(tr("Search"), this);
    mnuSearch->setObjectName(QStringLiteral("mnuSearch"));
    mnuIMDB = mnuSearch->addAction(tr("Search on IMDB"));
    mnuIMDB->setObjectName(QStringLiteral("mnuIMDB"));
    mnuSearch->addSeparator()->setObjectName(QStringLiteral("break01"));
    mnuDelete = mnuSearch->addAction(tr("Delete"));
    mnuDelete->setObjectName(QStringLiteral("mnuDelete"));

    auto *top = new QHBoxLayout;
    top->addWidget(lblSelect);
    top->addWidget(cmbSelect);
    top->addSpacing(20);
    top->addWidget(lblRecordsStarting);
    top->addWidget(cmbLetters);
    top->addStretch();

    auto *left = new QVBoxLayout;
    left->addWidget(lblActors);
    left->addWidget(lvActDir, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(lblAssociatedMovies);
    right->addWidget(lstMovies, 1);
    auto *form = new QFormLayout;
    auto *lblName = new QLabel(tr("Name:"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    auto *lblWebsite = new QLabel(tr("Website:"), this);
    lblWebsite->setObjectName(QStringLiteral("lblWebsite"));
    form->addRow(lblName, txtName);
    form->addRow(lblWebsite, txtURL);
    right->addLayout(form);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdURL);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    right->addLayout(buttons);

    auto *middle = new QHBoxLayout;
    middle->addLayout(left, 3);
    middle->addLayout(right, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    resize(twipsToPixels(10500), twipsToPixels(6000));

    connect(cmbSelect, &QComboBox::currentIndexChanged, this, &frmActDir::cmbSelect_Click);
    connect(cmbLetters, &QComboBox::currentIndexChanged, this, &frmActDir::GetList);
    connect(lvActDir->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { selectPerson(current.isValid() ? current.row() : -1); });
    connect(lvActDir, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QModelIndex at = lvActDir->indexAt(pos);
        if (!at.isValid())
            return;
        lvActDir->setCurrentIndex(at);
        mnuSearch->popup(lvActDir->viewport()->mapToGlobal(pos));
    });
    connect(cmdSave, &QPushButton::clicked, this, &frmActDir::cmdSave_Click);
    connect(cmdURL, &QPushButton::clicked, this, &frmActDir::cmdURL_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuIMDB, &QAction::triggered, this, &frmActDir::mnuIMDB_Click);
    connect(mnuDelete, &QAction::triggered, this, &frmActDir::mnuDelete_Click);
    connect(txtName, &QLineEdit::returnPressed, this, &frmActDir::cmdSave_Click);
    connect(txtURL, &QLineEdit::returnPressed, this, &frmActDir::cmdSave_Click);

    restoreColumnWidths(lvActDir->header(), m_ctx.ini(), Section);
    Placement.restore(*this, m_ctx.ini());
    updateCommands();
    // Keyboard and screen readers.
    lvActDir->setAccessibleName(tr("Names"));
    KeyboardOrder::openMenuFromKeyboard(lvActDir);
    KeyboardOrder::prepare(this);
}

bool frmActDir::kind(People::Kind &k) const
{
    return People::kindFromText(m_personKind, k);
}

void frmActDir::cmbSelect_Click()
{
    m_personKind = cmbSelect->currentData().toString();
    People::Kind k;
    const bool directors = kind(k) && k == People::Kind::Directors;
    lblActors->setText(directors ? tr("Directors:") : tr("Actors:"));
    // The header names the kind the first column lists.
    m_model->setHeaderData(0, Qt::Horizontal, cmbSelect->currentText());
    GetList();
}

void frmActDir::GetList()
{
    txtName->clear();
    txtURL->setText(QStringLiteral("http://"));
    m_selectedPersonId = 0;
    m_selectedRow = -1;
    lstMovies->clear();
    m_model->removeRows(0, m_model->rowCount());
    People::Kind k;
    if (kind(k)) {
        m_ctx.guard(QStringLiteral("frmActDir - GetList"), [&] {
            for (const Person &p : People::list(m_catalogue, k, cmbLetters->currentText())) {
                auto *name = new QStandardItem(p.name);
                name->setData(p.id, IdRole);
                m_model->appendRow({name, new QStandardItem(p.url)});
            }
        });
    }
    updateCommands();
}

void frmActDir::selectPerson(int row)
{
    People::Kind k;
    if (row < 0 || row >= m_model->rowCount() || !kind(k)) {
        m_selectedPersonId = 0;
        m_selectedRow = -1;
        updateCommands();
        return;
    }
    m_selectedRow = row;
    m_selectedPersonId = m_model->item(row, 0)->data(IdRole).toInt();
    txtName->setText(m_model->item(row, 0)->text());
    txtURL->setText(m_model->item(row, 1)->text());
    lstMovies->clear();
    m_ctx.guard(QStringLiteral("frmActDir - lvActDir_MouseUp"), [&] {
        lstMovies->addItems(People::associatedMovies(m_catalogue, k, m_selectedPersonId, txtName->text()));
    });
    updateCommands();
}

void frmActDir::cmdSave_Click()
{
    People::Kind k;
    if (m_selectedPersonId == 0 || !kind(k))
        return;
    if (txtName->text().trimmed().isEmpty()) {
        m_ctx.prompts().information(tr("Please type a name before saving."), tr("Save"));
        return;
    }
    const bool ok = m_ctx.guard(QStringLiteral("frmActDir - cmdSave_Click"), [&] {
        People::save(m_catalogue, k, m_selectedPersonId, txtName->text(), txtURL->text());
    });
    if (ok && m_selectedRow >= 0) {
        m_model->item(m_selectedRow, 0)->setText(txtName->text());
        m_model->item(m_selectedRow, 1)->setText(txtURL->text());
    }
}

void frmActDir::cmdURL_Click()
{
    const QUrl url = People::siteUrl(txtURL->text());
    if (!url.isValid()) {
        m_ctx.prompts().information(tr("\"%1\" is not a web site address.").arg(txtURL->text()),
                                    tr("Go To Site"));
        return;
    }
    m_ctx.guard(QStringLiteral("frmActDir - cmdURL_Click"), [&] { m_ctx.urlOpener().open(url); });
}

void frmActDir::mnuIMDB_Click()
{
    if (txtName->text().trimmed().isEmpty())
        return;
    m_ctx.urlOpener().open(People::imdbNameSearch(txtName->text()));
}

void frmActDir::mnuDelete_Click()
{
    People::Kind k;
    if (m_selectedPersonId == 0 || m_selectedRow < 0 || !kind(k))
        return;
    const QString name = m_model->item(m_selectedRow, 0)->text();
    if (!m_ctx.prompts().question(tr("Are you sure you want to delete %1 from the database?").arg(name),
                                  k == People::Kind::Directors ? tr("Delete Directors") : tr("Delete Actors"),
                                  Prompts::Icon::Question))
        return;
    const int id = m_selectedPersonId;
    m_ctx.guard(QStringLiteral("frmActDir - mnuDelete_Click"), [&] { People::remove(m_catalogue, k, id); });
    GetList();
}

void frmActDir::updateCommands()
{
    const bool selected = m_selectedPersonId != 0;
    cmdSave->setEnabled(selected);
    mnuDelete->setEnabled(selected);
    mnuIMDB->setEnabled(selected);
}

void frmActDir::closeEvent(QCloseEvent *event)
{
    storeColumnWidths(lvActDir->header(), m_ctx.ini(), Section);
    Placement.save(*this, m_ctx.ini());
    event->accept();
}

frmActDir *showActorsDirectors(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
{
    static QPointer<frmActDir> window;
    if (!window) {
        window = new frmActDir(ctx, catalogue, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
