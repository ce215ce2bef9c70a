#include "frmUploadMovies.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "UploadListModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
const QString Section = QStringLiteral("frmUploadMovies");
}

frmUploadMovies::frmUploadMovies(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_catalogue(catalogue), m_model(new UploadListModel(this))
{
    setObjectName(Section);
    setWindowTitle(QStringLiteral(" Upload Movies"));

    lvMovies = new QTreeView(this);
    lvMovies->setObjectName(QStringLiteral("lvMovies"));
    lvMovies->setModel(m_model);
    lvMovies->setRootIsDecorated(false);
    lvMovies->setUniformRowHeights(true);
    lvMovies->header()->setStretchLastSection(true);
    chkShowOnly = new QCheckBox(QStringLiteral("Show Only Movies Not Uploaded Yet"), this);
    chkShowOnly->setObjectName(QStringLiteral("chkShowOnly"));
    cmdUpload = new QPushButton(QStringLiteral("Upload Selected"), this);
    cmdUpload->setObjectName(QStringLiteral("cmdUpload"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
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
    ProgressSink &progress = m_ctx.progress();
    bool progressOpen = false;
    int total = 0;
    bool cursor = false;
    const bool ok = m_ctx.guard(Section + QStringLiteral(" - cmdUpload_Click"), [&] {
        CommunityConnection remote(CommunitySettings::connectionString(m_ctx));
        QApplication::setOverrideCursor(Qt::WaitCursor);
        cursor = true;
        total = m_model->rowCount();
        if (total > 0) {
            progress.ShowProgress(QStringLiteral("Uploading Selected Movies..."), 0, total);
            progressOpen = true;
        }
        for (int i = 0; i < total; ++i) {
            progress.UpdateProgress(i + 1);
            if (i + 1 == total)
                progressOpen = false;
            if (m_model->isTicked(i))
                CommunityExchange::uploadMovie(m_catalogue, remote, m_model->movieId(i), m_ctx.CurrentUser);
            progress.letEventsRun();
        }
    });
    if (cursor)
        QApplication::restoreOverrideCursor();
    if (progressOpen)
        progress.UpdateProgress(total);
    if (ok)
        m_ctx.prompts().information(QStringLiteral("Movies have been uploaded.") + QLatin1Char('\r')
                                        + QStringLiteral("Thank you for supporting the Cinelog community!"),
                                    QStringLiteral("All Done"));
}

void frmUploadMovies::cmdClose_Click()
{
    close();
}
