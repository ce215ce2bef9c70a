#include "frmUploadMovies.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CommunityCommands.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "UploadListModel.h"

#include "KeyboardOrder.h"
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <memory>

namespace {
const QString Section = QStringLiteral("frmUploadMovies");
}

frmUploadMovies::frmUploadMovies(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_catalogue(catalogue), m_model(new UploadListModel(this))
{
    setObjectName(Section);
    setWindowTitle(tr(" Upload Movies"));

    lvMovies = new QTreeView(this);
    lvMovies->setObjectName(QStringLiteral("lvMovies"));
    lvMovies->setModel(m_model);
    lvMovies->setRootIsDecorated(false);
    lvMovies->setUniformRowHeights(true);
    lvMovies->header()->setStretchLastSection(true);
    chkShowOnly = new QCheckBox(tr("Show Only Movies Not Uploaded Yet"), this);
    chkShowOnly->setObjectName(QStringLiteral("chkShowOnly"));
    cmdUpload = new QPushButton(tr("Upload Selected"), this);
    cmdUpload->setObjectName(QStringLiteral("cmdUpload"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdUpload);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lvMovies, 1);
    layout->addWidget(chkShowOnly);
    layout->addLayout(buttons);
    resize(420, 460);

    connect(chkShowOnly, &QCheckBox::clicked, this, &frmUploadMovies::chkShowOnly_Click);
    connect(cmdUpload, &QPushButton::clicked, this, &frmUploadMovies::cmdUpload_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmUploadMovies::cmdClose_Click);

    m_ctx.guard(Section + QStringLiteral(" - Form_Load"), [this] { ListMovies(); });
    lvMovies->setAccessibleName(tr("Movies to upload"));
    KeyboardOrder::prepare(this);
}

void frmUploadMovies::ListMovies()
{
    m_ctx.guard(Section + QStringLiteral(" - ListMovies"), [this] {
        m_model->clear();
        m_model->load(m_catalogue, chkShowOnly->isChecked());
    });
}

void frmUploadMovies::chkShowOnly_Click()
{
    ListMovies();
}

void frmUploadMovies::cmdUpload_Click()
{
    const QString label = Section + QStringLiteral(" - cmdUpload_Click");
    ProgressSink &progress = m_ctx.progress();
    bool progressOpen = false;
    int total = 0;
    bool cursor = false;
    std::unique_ptr<CommunityExchange::UploadBatch> batch;
    const bool ok = Community::runGuarded(m_ctx, label, [&] {
        CommunityConnection remote(CommunitySettings::connectionFor(m_ctx));
        QApplication::setOverrideCursor(Qt::WaitCursor);
        cursor = true;
        total = m_model->rowCount();
        int ticked = 0;
        for (int i = 0; i < total; ++i)
            ticked += m_model->isTicked(i) ? 1 : 0;
        batch = std::make_unique<CommunityExchange::UploadBatch>(m_catalogue, remote, m_ctx.CurrentUser, ticked);
        if (total > 0) {
            progress.ShowProgress(tr("Uploading Selected Movies..."), 0, total);
            progressOpen = true;
        }
        // One movie that fails does not stop the others; each failure is logged, and listed at the end.
        for (int i = 0; i < total && !batch->stopped(); ++i) {
            progress.UpdateProgress(i + 1);
            if (i + 1 == total)
                progressOpen = false;
            if (m_model->isTicked(i) && !batch->upload(m_model->movieId(i)) && !batch->stoppedBusy()
                && !batch->failures().isEmpty()) {
                const CommunityExchange::UploadFailure &f = batch->failures().last();
                m_ctx.LogError(f.title + QStringLiteral(": ") + f.reason, f.number, label, false);
            }
            progress.letEventsRun();
        }
    });
    if (cursor)
        QApplication::restoreOverrideCursor();
    if (progressOpen)
        progress.UpdateProgress(total);
    if (!ok || !batch)
        return;
    const QString summary = batch->summary();
    if (summary.isEmpty())
        m_ctx.prompts().information(tr("Movies have been uploaded.\rThank you for supporting the Cinelog community!"),
                                    tr("All Done"));
    else if (batch->failures().isEmpty())
        m_ctx.prompts().information(summary, CommunitySettings::notSetUpTitle());
    else
        m_ctx.prompts().warning(summary, tr("Upload Movies"));
}

void frmUploadMovies::cmdClose_Click()
{
    close();
}
