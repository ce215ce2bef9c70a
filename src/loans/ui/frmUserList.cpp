#include "frmUserList.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "LoansWindows.h"
#include "CatalogueEvents.h"
#include "UserLists.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"

#include "KeyboardOrder.h"
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMetaMethod>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
const WindowPlacement Placement =
    WindowPlacement(QStringLiteral("frmUserList"), WindowPlacement::Size).withDefaultSize(QSize(5000, 5200));
}

frmUserList::frmUserList(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_catalogue(catalogue), m_events(events)
{
    setObjectName(QStringLiteral("frmUserList"));
    setWindowTitle(tr("User Lists"));

    auto *lblSelectUser = new QLabel(tr("Select User:"), this);
    lblSelectUser->setObjectName(QStringLiteral("lblSelectUser"));
    cmbUserList = new QComboBox(this);
    cmbUserList->setObjectName(QStringLiteral("cmbUserList"));
    cmbUserList->setMinimumWidth(200);

    m_model = new QStandardItemModel(0, 1, this);
    m_model->setHorizontalHeaderLabels({tr("Movie Title")});
    lvMovies = new QTreeView(this);
    lvMovies->setObjectName(QStringLiteral("lvMovies"));
    lvMovies->setModel(m_model);
    lvMovies->setRootIsDecorated(false);
    lvMovies->setUniformRowHeights(true);
    lvMovies->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvMovies->setSelectionMode(QAbstractItemView::SingleSelection);
    lvMovies->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvMovies->setContextMenuPolicy(Qt::CustomContextMenu);
    lvMovies->header()->resizeSection(0, twipsToPixels(3500));

    mnuHidden = new QMenu(this);
    mnuHidden->setObjectName(QStringLiteral("mnuHidden"));
    mnuLoanTo = mnuHidden->addAction(tr("Loan To"));
    mnuLoanTo->setObjectName(QStringLiteral("mnuLoanTo"));

    cmdDelete = new QPushButton(tr("Delete"), this);
    cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    cmdDelete->setShortcut(QKeySequence::Delete);
    cmdPrintList = new QPushButton(tr("Print List"), this);
    cmdPrintList->setObjectName(QStringLiteral("cmdPrintList"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *top = new QHBoxLayout;
    top->addWidget(lblSelectUser);
    top->addWidget(cmbUserList, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdPrintList);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lvMovies, 1);
    layout->addLayout(buttons);
    Placement.restore(*this, m_ctx.ini());

    connect(cmbUserList, &QComboBox::currentIndexChanged, this, &frmUserList::cmbUserList_Click);
    connect(lvMovies->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { selectRow(current.isValid() ? current.row() : -1); });
    connect(lvMovies, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QModelIndex at = lvMovies->indexAt(pos);
        if (!at.isValid())
            return;
        lvMovies->setCurrentIndex(at);
        mnuHidden->popup(lvMovies->viewport()->mapToGlobal(pos));
    });
    connect(mnuLoanTo, &QAction::triggered, this, &frmUserList::mnuLoanTo_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmUserList::cmdDelete_Click);
    connect(cmdPrintList, &QPushButton::clicked, this, &frmUserList::cmdPrintList_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    updateCommands();
    // Keyboard and screen readers.
    lvMovies->setAccessibleName(tr("Movies in the list"));
    KeyboardOrder::openMenuFromKeyboard(lvMovies);
    KeyboardOrder::closeOnEscape(this);
    KeyboardOrder::prepare(this);
}

void frmUserList::Form_Load()
{
    m_selectedMovieId = 0;
    m_ctx.guard(QStringLiteral("frmUserList Form_Load"), [this] {
        const QSignalBlocker block(cmbUserList);
        cmbUserList->clear();
        const QStringList names = UserLists::names(m_catalogue);
        cmbUserList->addItems(names);
        cmbUserList->setCurrentIndex(-1);
        if (names.isEmpty())
            m_ctx.prompts().message(tr("There are no user lists saved."), tr("No Lists"),
                                    Prompts::Icon::Information);
    });
    if (cmbUserList->count() > 0)
        cmbUserList->setCurrentIndex(0);
    updateCommands();
}

void frmUserList::cmbUserList_Click()
{
    m_model->removeRows(0, m_model->rowCount());
    m_selectedMovieId = 0;
    m_selectedRow = -1;
    const QString name = cmbUserList->currentText();
    if (!name.isEmpty()) {
        m_ctx.guard(QStringLiteral("frmUserList cmbUserList_Click"), [&] {
            for (const UserListEntry &e : UserLists::entries(m_catalogue, name)) {
                auto *item = new QStandardItem(e.movieTitle);
                item->setData(e.movieId, Qt::UserRole);
                m_model->appendRow(item);
            }
        });
    }
    updateCommands();
}

void frmUserList::selectRow(int row)
{
    m_selectedRow = row;
    m_selectedMovieId = row >= 0 && row < m_model->rowCount() ? m_model->item(row)->data(Qt::UserRole).toInt() : 0;
    updateCommands();
}

void frmUserList::mnuLoanTo_Click()
{
    if (m_selectedRow < 0 || m_selectedRow >= m_model->rowCount())
        return;
    QStandardItem *item = m_model->item(m_selectedRow);
    lendMovie(m_ctx, m_catalogue, m_events, item->data(Qt::UserRole).toInt(), item->text(), cmbUserList->currentText(), this);
}

void frmUserList::cmdDelete_Click()
{
    if (m_selectedMovieId == 0)
        return;
    const int movieId = m_selectedMovieId;
    m_ctx.guard(QStringLiteral("frmUserList cmdDelete_Click"),
                [&] { UserLists::removeMovie(m_catalogue, cmbUserList->currentText(), movieId); });
    cmbUserList_Click();
}

void frmUserList::cmdPrintList_Click()
{
    if (isSignalConnected(QMetaMethod::fromSignal(&frmUserList::printRequested))) {
        emit printRequested(cmbUserList->currentText());
        return;
    }
    m_ctx.prompts().information(tr("Printing is not available in this installation."),
                                tr("Print List"));
}

void frmUserList::updateCommands()
{
    cmdDelete->setEnabled(m_selectedMovieId != 0);
    mnuLoanTo->setEnabled(m_selectedRow >= 0);
    cmdPrintList->setEnabled(m_model->rowCount() > 0);
}

void frmUserList::closeEvent(QCloseEvent *event)
{
    Placement.save(*this, m_ctx.ini());
    event->accept();
}
