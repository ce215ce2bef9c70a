#include "CommunityCommands.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "MainWindowLink.h"
#include "frmDownloadResults.h"
#include "frmOptions.h"
#include "frmUploadMovies.h"

#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QPointer>

namespace Community {

namespace {

QPointer<frmDownloadResults> g_results;
QPointer<frmUploadMovies> g_upload;

bool isSetUp(AppContext &ctx)
{
    if (!CommunitySettings::connectionString(ctx).isEmpty())
        return true;
    ctx.prompts().information(CommunitySettings::notSetUpMessage(), CommunitySettings::NotSetUpTitle);
    return false;
}

void bringToFront(QWidget *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

}

void showDownloadResults(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow)
{
    if (!isSetUp(ctx))
        return;
    if (g_results) {
        bringToFront(g_results);
        return;
    }
    g_results = new frmDownloadResults(ctx, catalogue, mainWindow, mainWindow.widget());
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

void mnuUpld_Click(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow)
{
    if (!isSetUp(ctx))
        return;
    if (mainWindow.CurrentMovieID() <= 0 || mainWindow.IsNewMovie()) {
        ctx.prompts().information(QStringLiteral("Choose a saved movie in the list to upload it."),
                                  QStringLiteral("Upload"));
        return;
    }
    // What goes up is what is stored: offer to save edits first.
    if (!mainWindow.IsSaved())
        mainWindow.CheckSaved();
    const int movieId = mainWindow.CurrentMovieID();
    const QString title = mainWindow.currentTitle();
    ProgressSink &progress = ctx.progress();
    bool progressOpen = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ctx.guard(QStringLiteral("frmMain - mnuUpld_Click"), [&] {
        progress.ShowProgress(QStringLiteral("Uploading ") + title + QStringLiteral("..."), 0, 10);
        progressOpen = true;
        CommunityConnection remote(CommunitySettings::connectionString(ctx));
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
        ctx.prompts().information(title + QStringLiteral(" has been uploaded!") + QLatin1Char('\r')
                                      + QStringLiteral("Thank you for supporting the Cinelog community!"),
                                  QStringLiteral("All Done"));
}

void registerCommunityOptions()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    frmOptions::addExtension(
        [](frmOptions &dlg) {
            auto *edit = new QLineEdit(&dlg);
            edit->setObjectName(QStringLiteral("txtCommunityConnection"));
            edit->setPlaceholderText(QStringLiteral("DRIVER=...;SERVER=...;PORT=3306;DATABASE=...;UID=...;PWD=..."));
            edit->setToolTip(QStringLiteral("The ODBC connection string of the community server used by "
                                            "\"Get Movie Info\" and \"Upload\"."));
            edit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
            edit->setText(CommunitySettings::connectionString(dlg.context()));
            dlg.extraOptions()->addRow(QStringLiteral("Community connection:"), edit);
        },
        [](frmOptions &dlg) {
            if (auto *edit = dlg.findChild<QLineEdit *>(QStringLiteral("txtCommunityConnection")))
                CommunitySettings::setConnectionString(dlg.context(), edit->text());
        });
}

}
