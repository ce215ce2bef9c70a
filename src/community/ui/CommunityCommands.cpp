#include "CommunityCommands.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "CatalogueEvents.h"
#include "EditedMovie.h"
#include "frmDownloadResults.h"
#include "frmOptions.h"
#include "frmUploadMovies.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace Community {

namespace {

QPointer<frmDownloadResults> g_results;
QPointer<frmUploadMovies> g_upload;

bool isSetUp(AppContext &ctx)
{
    if (!CommunitySettings::connectionString(ctx).isEmpty())
        return true;
    ctx.prompts().information(CommunitySettings::notSetUpMessage(), CommunitySettings::notSetUpTitle());
    return false;
}

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CommunityCommands)
};

void bringToFront(QWidget *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

}

bool runGuarded(AppContext &ctx, const QString &label, const std::function<void()> &f)
{
    bool busy = false;
    const bool ok = ctx.guard(label, [&] {
        try {
            f();
        } catch (const CommunityBusy &) {
            busy = true;
        }
    });
    if (busy)
        ctx.prompts().information(CommunityBusy::caption(), CommunitySettings::notSetUpTitle());
    return ok && !busy;
}

void showDownloadResults(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events, QWidget *parent)
{
    if (!isSetUp(ctx))
        return;
    if (g_results) {
        bringToFront(g_results);
        return;
    }
    g_results = new frmDownloadResults(ctx, catalogue, edited, events, parent);
    g_results->setAttribute(Qt::WA_DeleteOnClose);
    g_results->Form_Load();
}

void showUploadMovies(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
{
    if (!isSetUp(ctx))
        return;
    if (g_upload) {
        bringToFront(g_upload);
        return;
    }
    g_upload = new frmUploadMovies(ctx, catalogue, parent);
    g_upload->setAttribute(Qt::WA_DeleteOnClose);
    g_upload->show();
}

void mnuUpld_Click(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited)
{
    if (!isSetUp(ctx))
        return;
    if (edited.id() <= 0 || edited.isNew()) {
        ctx.prompts().information(Tr::tr("Choose a saved movie in the list to upload it."), Tr::tr("Upload"));
        return;
    }
    // What goes up is what is stored: offer to save edits first.
    if (!edited.isSaved())
        edited.offerToSave();
    const int movieId = edited.id();
    const QString title = edited.title();
    ProgressSink &progress = ctx.progress();
    bool progressOpen = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = runGuarded(ctx, QStringLiteral("frmMain - mnuUpld_Click"), [&] {
        progress.ShowProgress(Tr::tr("Uploading %1...").arg(title), 0, 10);
        progressOpen = true;
        CommunityConnection remote(CommunitySettings::connectionFor(ctx));
        progress.UpdateProgress(2);
        CommunityExchange::uploadMovie(catalogue, remote, movieId, ctx.CurrentUser, [&](CommunityExchange::UploadStage s) {
            switch (s) {
            case CommunityExchange::UploadStage::MovieRecord: progress.UpdateProgress(3); break;
            case CommunityExchange::UploadStage::Cast: progress.UpdateProgress(6); break;
            case CommunityExchange::UploadStage::Director: progress.UpdateProgress(8); break;
            case CommunityExchange::UploadStage::Episodes: break;
            case CommunityExchange::UploadStage::Marked:
                progress.UpdateProgress(10);
                progressOpen = false;
                break;
            }
        });
    });
    if (progressOpen)
        progress.UpdateProgress(10);
    QApplication::restoreOverrideCursor();
    if (ok)
        ctx.prompts().information(Tr::tr("%1 has been uploaded!\rThank you for supporting the Cinelog community!").arg(title),
                                  Tr::tr("All Done"));
}

void addCommunityOptions(frmOptions &dlg)
{
    auto *edit = new QLineEdit(&dlg);
    edit->setObjectName(QStringLiteral("txtCommunityConnection"));
    //: an example connection: keep the names before each "="
    edit->setPlaceholderText(Tr::tr("DRIVER=...;SERVER=...;PORT=3306;DATABASE=...;UID=...;PWD=..."));
    edit->setToolTip(Tr::tr("The ODBC connection string of the community server used by "
                            "\"Get Movie Info\" and \"Upload\"."));
    edit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    edit->setText(CommunitySettings::connectionString(dlg.context()));
    dlg.extraOptions()->addRow(Tr::tr("Community connection:"), edit);

    // The certificate authority the server's certificate must be signed by: a private
    // server's operator hands it out; a server with a public certificate needs none.
    auto *row = new QWidget(&dlg);
    row->setObjectName(QStringLiteral("fraCommunityCAFile"));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *ca = new QLineEdit(row);
    ca->setObjectName(QStringLiteral("txtCommunityCAFile"));
    ca->setPlaceholderText(Tr::tr("The system's certificate authorities"));
    ca->setToolTip(Tr::tr("The certificate authority file (.pem) of your community server, from its operator. "
                      "The connection is encrypted, and the server's certificate must be signed by it."));
    ca->setAccessibleName(Tr::tr("Community CA file"));
    ca->setText(CommunitySettings::caFile(dlg.context()));
    auto *browse = new QPushButton(QStringLiteral("..."), row);
    browse->setToolTip(Tr::tr("Choose the CA file"));
    browse->setObjectName(QStringLiteral("cmdCommunityCAFile"));
    browse->setAccessibleName(Tr::tr("Choose the community CA file"));
    layout->addWidget(ca, 1);
    layout->addWidget(browse);
    QObject::connect(browse, &QPushButton::clicked, &dlg, [&dlg, ca] {
        const QString start = ca->text().isEmpty() ? QString() : QFileInfo(ca->text()).absolutePath();
        const QString chosen = dlg.context().prompts().openFile(
            Tr::tr("Community CA file"), Tr::tr("Certificates (*.pem *.crt *.cer);;All files (*)"), start);
        if (!chosen.isEmpty())
            ca->setText(chosen);
    });
    auto *label = new QLabel(Tr::tr("Community CA file:"), &dlg);
    label->setObjectName(QStringLiteral("lblCommunityCAFile"));
    label->setBuddy(ca);
    dlg.extraOptions()->addRow(label, row);
    QObject::connect(&dlg, &frmOptions::saving, &dlg, [&dlg] {
        if (auto *edit = dlg.findChild<QLineEdit *>(QStringLiteral("txtCommunityConnection")))
            CommunitySettings::setConnectionString(dlg.context(), edit->text());
        if (auto *ca = dlg.findChild<QLineEdit *>(QStringLiteral("txtCommunityCAFile")))
            CommunitySettings::setCaFile(dlg.context(), ca->text());
    });
}

}
