#include "frmDownloadResults.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CommunityCommands.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "CatalogueEvents.h"
#include "EditedMovie.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"

#include "KeyboardOrder.h"
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString Section = QStringLiteral("frmDownloadResults");
const WindowPlacement Placement(Section, WindowPlacement::Position);

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};
}

frmDownloadResults::frmDownloadResults(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                                       QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_catalogue(catalogue), m_edited(edited), m_events(events)
{
    setObjectName(Section);
    setWindowTitle(tr(" Search Results from IMDB:"));

    lvResults = new QTreeWidget(this);
    lvResults->setObjectName(QStringLiteral("lvResults"));
    lvResults->setHeaderLabels({tr("Movie Title"), tr("Year of Release")});
    lvResults->setRootIsDecorated(false);
    lvResults->setUniformRowHeights(true);
    lvResults->setAllColumnsShowFocus(true);
    cmdGetMovie = new QPushButton(tr("Get Movie Info"), this);
    cmdGetMovie->setObjectName(QStringLiteral("cmdGetMovie"));
    cmdGetMovie->setEnabled(false);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdGetMovie);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lvResults, 1);
    layout->addLayout(buttons);
    resize(480, 340);

    connect(lvResults, &QTreeWidget::itemClicked, this, [this] { lvResults_Click(); });
    connect(lvResults, &QTreeWidget::currentItemChanged, this, [this] { lvResults_Click(); });
    connect(lvResults, &QTreeWidget::itemDoubleClicked, this, [this] {
        lvResults_Click();
        if (cmdGetMovie->isEnabled())
            cmdGetMovie_Click();
    });
    connect(cmdGetMovie, &QPushButton::clicked, this, &frmDownloadResults::cmdGetMovie_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmDownloadResults::cmdClose_Click);
    lvResults->setAccessibleName(tr("Movies found"));
    KeyboardOrder::prepare(this);
}

frmDownloadResults::~frmDownloadResults() = default;

void frmDownloadResults::Form_Load()
{
    m_ctx.guard(Section + QStringLiteral(" - Form_Load"), [this] {
        Placement.restore(*this, m_ctx.ini());
        const int width = lvResults->viewport()->width() > 0 ? lvResults->width() : 460;
        lvResults->header()->resizeSection(0, std::max(60, int(width * 0.75) - twipsToPixels(180)));
        lvResults->header()->resizeSection(1, std::max(60, int(width * 0.25) - twipsToPixels(180)));
        restoreColumnWidths(lvResults->header(), m_ctx.ini(), Section, QStringLiteral("lvResults_"));
        m_selectedId = 0;
        cmdGetMovie->setEnabled(false);
        show();
        QApplication::processEvents();
        myDBConn();
    });
}

void frmDownloadResults::myDBConn()
{
    Community::runGuarded(m_ctx, Section + QStringLiteral(" - myDBConn"), [this] {
        BusyCursor busy;
        m_remote = std::make_unique<CommunityConnection>(CommunitySettings::connectionFor(m_ctx));
    });
    if (m_remote)
        SearchMovies();
}

void frmDownloadResults::SearchMovies()
{
    lvResults->clear();
    m_selectedId = 0;
    cmdGetMovie->setEnabled(false);
    // Rows found before a failure stay listed.
    QList<CommunityMatch> found;
    const bool ok = Community::runGuarded(m_ctx, Section + QStringLiteral(" - SearchMovies"), [&] {
        if (!m_remote)
            throw CinelogError(ErrorNumber::ObjectNotSet, logged("frmDownloadResults", "Not connected to the community server."));
        BusyCursor busy;
        found = ::SearchMovies(*m_remote, m_edited.title(), m_ctx.progress());
    });
    Q_UNUSED(ok);
    for (const CommunityMatch &m : found) {
        auto *item = new QTreeWidgetItem(lvResults, {m.title, m.releaseYear});
        item->setData(0, Qt::UserRole, m.id);
    }
}

void frmDownloadResults::lvResults_Click()
{
    m_ctx.guard(Section + QStringLiteral(" - lvResults_Click"), [this] {
        QTreeWidgetItem *item = lvResults->currentItem();
        if (lvResults->topLevelItemCount() > 0 && item && !item->text(0).isEmpty())
            m_selectedId = item->data(0, Qt::UserRole).toInt();
        cmdGetMovie->setEnabled(m_selectedId != 0);
    });
}

void frmDownloadResults::cmdGetMovie_Click()
{
    if (m_selectedId == 0)
        return;
    if (m_edited.id() <= 0 || m_edited.isNew()) {
        m_ctx.prompts().information(tr("Choose a saved movie in the main window to fill in first."),
                                    tr("Get Movie Info"));
        return;
    }
    // The copy overwrites the stored movie: offer to save edits first so none are lost unasked.
    if (!m_edited.isSaved())
        m_edited.offerToSave();
    const int movieId = m_edited.id();
    const bool ok = Community::runGuarded(m_ctx, Section + QStringLiteral(" - cmdGetMovie_Click"), [&] {
        BusyCursor busy;
        if (!m_remote)
            m_remote = std::make_unique<CommunityConnection>(CommunitySettings::connectionFor(m_ctx));
        CommunityExchange::downloadMovie(m_catalogue, *m_remote, m_selectedId, movieId);
    });
    if (!ok)
        return;
    emit m_events.namesChanged(CatalogueEvents::Directors | CatalogueEvents::Actors);
    m_edited.reload();
    m_ctx.prompts().information(tr("Movie Info for %1 has been downloaded.").arg(m_edited.title()),
                                tr("Download Complete"));
}

void frmDownloadResults::cmdClose_Click()
{
    close();
}

void frmDownloadResults::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_ctx.guard(Section + QStringLiteral(" - Form_Unload"), [this] {
        Placement.save(*this, m_ctx.ini());
        storeColumnWidths(lvResults->header(), m_ctx.ini(), Section, QStringLiteral("lvResults_"));
    });
    m_remote.reset();
}

void frmDownloadResults::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}
