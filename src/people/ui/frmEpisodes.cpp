#include "frmEpisodes.h"
#include "ChangeConflict.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "Episodes.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"

#include "KeyboardOrder.h"
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
const QString Section = QStringLiteral("frmEpisodes");
const WindowPlacement Placement(Section, WindowPlacement::Position);
constexpr int IdRole = Qt::UserRole;
constexpr int MaxDiscs = 999; // a number of discs beyond any real set is not turned into a list
}

frmEpisodes::frmEpisodes(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_ctx(ctx), m_catalogue(catalogue)
{
    setObjectName(QStringLiteral("frmEpisodes"));
    setWindowTitle(tr(" Episodes for %1").arg(QString()));

    m_model = new QStandardItemModel(0, 3, this);
    m_model->setHorizontalHeaderLabels({tr("Title"), tr("Episode Num"), tr("Disc Num")});
    lvEpisodes = new QTreeView(this);
    lvEpisodes->setObjectName(QStringLiteral("lvEpisodes"));
    lvEpisodes->setModel(m_model);
    lvEpisodes->setRootIsDecorated(false);
    lvEpisodes->setUniformRowHeights(true);
    lvEpisodes->setAllColumnsShowFocus(true);
    lvEpisodes->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvEpisodes->setSelectionMode(QAbstractItemView::SingleSelection);
    lvEpisodes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvEpisodes->header()->resizeSection(0, twipsToPixels(2600));
    lvEpisodes->header()->resizeSection(1, twipsToPixels(1400));
    lvEpisodes->header()->resizeSection(2, twipsToPixels(900));

    txtTitle = new QLineEdit(this);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtEpsNum = new QLineEdit(this);
    txtEpsNum->setObjectName(QStringLiteral("txtEpsNum"));
    txtDiscNum = new QComboBox(this);
    txtDiscNum->setObjectName(QStringLiteral("txtDiscNum"));
    txtDiscNum->setEditable(true);
    txtDiscNum->setInsertPolicy(QComboBox::NoInsert);
    cmdSaveUpdate = new QPushButton(tr("save/update"), this);
    cmdSaveUpdate->setObjectName(QStringLiteral("cmdSaveUpdate"));
    cmdSaveUpdate->setDefault(true);
    cmdDeleteEpisode = new QPushButton(tr("delete episode"), this);
    cmdDeleteEpisode->setObjectName(QStringLiteral("cmdDeleteEpisode"));
    cmdClose = new QPushButton(tr("close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setShortcut(QKeySequence(Qt::Key_Escape));

    auto *form = new QFormLayout;
    form->addRow(tr("Episode Title:"), txtTitle);
    form->addRow(tr("Episode Number:"), txtEpsNum);
    form->addRow(tr("on Disc Number:"), txtDiscNum);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSaveUpdate);
    buttons->addWidget(cmdDeleteEpisode);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lvEpisodes, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(twipsToPixels(5600), twipsToPixels(5000));

    connect(lvEpisodes->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (!m_filling)
            selectEpisode(current.isValid() ? current.row() : -1);
    });
    connect(txtTitle, &QLineEdit::textChanged, this, &frmEpisodes::updateCommands);
    connect(txtEpsNum, &QLineEdit::textChanged, this, &frmEpisodes::updateCommands);
    connect(txtDiscNum, &QComboBox::editTextChanged, this, &frmEpisodes::updateCommands);
    connect(txtTitle, &QLineEdit::returnPressed, this, &frmEpisodes::cmdSaveUpdate_Click);
    connect(txtEpsNum, &QLineEdit::returnPressed, this, &frmEpisodes::cmdSaveUpdate_Click);
    connect(cmdSaveUpdate, &QPushButton::clicked, this, &frmEpisodes::cmdSaveUpdate_Click);
    connect(cmdDeleteEpisode, &QPushButton::clicked, this, &frmEpisodes::cmdDeleteEpisode_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmEpisodes::cmdClose_Click);

    // Form_Load
    m_ctx.guard(QStringLiteral("frmEpisodes - Form_Load"), [this] {
        Placement.restore(*this, m_ctx.ini());
        restoreColumnWidths(lvEpisodes->header(), m_ctx.ini(), Section, QStringLiteral("col"));
    });
    updateCommands();
    lvEpisodes->setAccessibleName(tr("Episodes"));
    KeyboardOrder::prepare(this);
}

void frmEpisodes::setMovie(int movieId, const QString &title, const QString &numDiscs)
{
    m_movieId = movieId;
    m_numDiscs = numDiscs;
    setWindowTitle(tr(" Episodes for %1").arg(title));
    ListEpisodes();
}

void frmEpisodes::ListEpisodes()
{
    const QString discText = txtDiscNum->currentText();
    m_filling = true;
    m_model->removeRows(0, m_model->rowCount());
    m_selectedEpisodeId = 0;
    m_ctx.guard(QStringLiteral("frmEpisodes - ListEpisodes"), [this] {
        m_seenChanges = Episodes::changeCount(m_catalogue, m_movieId);
        for (const Episode &e : Episodes::list(m_catalogue, m_movieId)) {
            auto *title = new QStandardItem(e.title);
            title->setData(e.id, IdRole);
            m_model->appendRow({title, new QStandardItem(e.epsNum), new QStandardItem(e.discNum)});
        }
    });
    txtDiscNum->clear();
    bool ok = false;
    const int discs = m_numDiscs.trimmed().toInt(&ok);
    if (ok) {
        for (int i = 1; i <= std::min(discs, MaxDiscs); ++i)
            txtDiscNum->addItem(QString::number(i));
    }
    txtDiscNum->setEditText(discText);
    m_filling = false;
    updateCommands();
}

void frmEpisodes::selectEpisode(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_selectedEpisodeId = 0;
    } else {
        m_selectedEpisodeId = m_model->item(row, 0)->data(IdRole).toInt();
        txtTitle->setText(m_model->item(row, 0)->text());
        txtEpsNum->setText(m_model->item(row, 1)->text());
        txtDiscNum->setEditText(m_model->item(row, 2)->text());
    }
    updateCommands();
}

void frmEpisodes::cmdSaveUpdate_Click()
{
    if (!cmdSaveUpdate->isEnabled())
        return;
    const std::optional<int> eps = Episodes::number(txtEpsNum->text());
    if (!eps) {
        m_ctx.prompts().message(tr("Episode Number must be a number!"), tr("Invalid Entry"),
                                Prompts::Icon::Information);
        return;
    }
    const std::optional<int> disc = Episodes::number(txtDiscNum->currentText());
    if (!disc) {
        m_ctx.prompts().message(tr("Disc Number must be a number!"), tr("Invalid Entry"),
                                Prompts::Icon::Information);
        return;
    }
    bool ok = false;
    m_ctx.guard(QStringLiteral("frmEpisodes - cmdSaveUpdate_Click"), [&] {
        ok = changeEpisodes([&](qint64 *seen) {
            Episodes::save(m_catalogue, m_selectedEpisodeId, m_movieId, txtTitle->text(), *eps, *disc, seen);
        });
    });
    if (!ok)
        return;
    txtTitle->clear();
    txtEpsNum->setText(QString::number(qint64(*eps) + 1));
    m_selectedEpisodeId = 0;
    ListEpisodes();
    txtTitle->setFocus();
}

void frmEpisodes::cmdDeleteEpisode_Click()
{
    const QModelIndex current = lvEpisodes->currentIndex();
    if (m_selectedEpisodeId == 0 || !current.isValid())
        return;
    const QString title = m_model->item(current.row(), 0)->text();
    if (!m_ctx.prompts().question(tr("Are you sure you want to delete the episode %1?").arg(title),
                                  tr("Delete Episode"), Prompts::Icon::Question))
        return;
    const int id = m_selectedEpisodeId;
    bool removed = false;
    m_ctx.guard(QStringLiteral("frmEpisodes - cmdDeleteEpisode_Click"),
                [&] { removed = changeEpisodes([&](qint64 *seen) { Episodes::remove(m_catalogue, id, seen); }); });
    if (removed) {
        txtTitle->clear();
        txtEpsNum->clear();
    }
    ListEpisodes();
}

bool frmEpisodes::changeEpisodes(const std::function<void(qint64 *)> &change)
{
    return changeOrAsk(
        m_ctx.prompts(),
        tr("Another program changed the episodes of this movie after they were shown here.\n\n"
           "Yes: show the episodes as they are stored now (your change here is dropped).\n"
           "No: make your change anyway.\n"
           "Cancel: go on editing without saving."),
        tr("Episodes Changed Elsewhere"),
        [&](bool overwrite) {
            if (overwrite)
                m_seenChanges = -1;
            change(&m_seenChanges);
        },
        [this] { ListEpisodes(); });
}

void frmEpisodes::updateCommands()
{
    cmdSaveUpdate->setEnabled(!txtTitle->text().isEmpty() && !txtEpsNum->text().isEmpty()
                              && !txtDiscNum->currentText().isEmpty());
    const QModelIndex current = lvEpisodes->currentIndex();
    cmdDeleteEpisode->setEnabled(m_selectedEpisodeId != 0 && current.isValid()
                                 && !m_model->item(current.row(), 0)->text().isEmpty());
}

void frmEpisodes::storeSettings()
{
    Placement.save(*this, m_ctx.ini());
    storeColumnWidths(lvEpisodes->header(), m_ctx.ini(), Section, QStringLiteral("col"));
}

void frmEpisodes::cmdClose_Click()
{
    SetTopMost(this, false);
    storeSettings();
    hide();
}

void frmEpisodes::Form_Unload()
{
    storeSettings();
}

void frmEpisodes::closeEvent(QCloseEvent *event)
{
    // The close box hides the window like "close": the main window shows it again for the next disc.
    cmdClose_Click();
    event->ignore();
}
