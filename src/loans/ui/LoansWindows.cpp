#include "LoansWindows.h"

#include "AppContext.h"
#include "CatalogueEvents.h"
#include "EditedMovie.h"
#include "frmAddToUserList.h"
#include "frmLoanOut.h"
#include "frmLoans.h"
#include "frmUserList.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
QPointer<frmLoans> &loansWindow()
{
    static QPointer<frmLoans> w;
    return w;
}
QPointer<frmUserList> &userListWindow()
{
    static QPointer<frmUserList> w;
    return w;
}
}

bool showLoanOut(AppContext &ctx, Catalogue &catalogue, int movieId, const QString &title,
                 const QString &presetBorrower, QWidget *parent)
{
    frmLoanOut dialog(ctx, catalogue, parent);
    dialog.setMovie(movieId, title, presetBorrower);
    dialog.exec();
    return dialog.LoansChanged();
}

bool lendMovie(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, int movieId, const QString &title,
               const QString &presetBorrower, QWidget *parent)
{
    const bool lent = showLoanOut(ctx, catalogue, movieId, title, presetBorrower, parent);
    if (lent)
        emit events.loansChanged(QCoreApplication::translate("LoansWindows", "Updating the Movie List..."));
    return lent;
}

bool showAddToUserList(AppContext &ctx, Catalogue &catalogue, int movieId, const QString &title, QWidget *parent)
{
    frmAddToUserList dialog(ctx, catalogue, parent);
    dialog.setMovie(movieId, title);
    return dialog.exec() == QDialog::Accepted;
}

frmLoans *showLoansWindow(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                          QWidget *parent, bool *made)
{
    QPointer<frmLoans> &w = loansWindow();
    if (made)
        *made = !w;
    if (!w) {
        edited.offerToSave();
        w = new frmLoans(ctx, catalogue, events, parent);
        w->setAttribute(Qt::WA_DeleteOnClose);
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

frmUserList *showUserLists(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent, bool *made)
{
    QPointer<frmUserList> &w = userListWindow();
    if (made)
        *made = !w;
    if (!w) {
        w = new frmUserList(ctx, catalogue, events, parent);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->Form_Load();
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}
