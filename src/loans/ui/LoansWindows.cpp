#include "LoansWindows.h"

#include "AppContext.h"
#include "MainWindowLink.h"
#include "frmAddToUserList.h"
#include "frmLoanOut.h"
#include "frmLoans.h"
#include "frmUserList.h"

#include <QPointer>

namespace {
LoansPrintHook &loansHook()
{
    static LoansPrintHook hook;
    return hook;
}
UserListPrintHook &userListHook()
{
    static UserListPrintHook hook;
    return hook;
}
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

void setLoansPrintHook(LoansPrintHook hook) { loansHook() = std::move(hook); }
void setUserListPrintHook(UserListPrintHook hook) { userListHook() = std::move(hook); }
const LoansPrintHook &loansPrintHook() { return loansHook(); }
const UserListPrintHook &userListPrintHook() { return userListHook(); }

bool showLoanOut(AppContext &ctx, Catalogue &catalogue, int movieId, const QString &title,
                 const QString &presetBorrower, QWidget *parent)
{
    frmLoanOut dialog(ctx, catalogue, parent);
    dialog.setMovie(movieId, title, presetBorrower);
    dialog.exec();
    return dialog.LoansChanged();
}

bool lendMovie(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, int movieId, const QString &title,
               const QString &presetBorrower, QWidget *parent)
{
    const bool lent = showLoanOut(ctx, catalogue, movieId, title, presetBorrower, parent);
    if (lent)
        mainWindow.ListMovies(QStringLiteral("Updating the Movie List..."));
    return lent;
}

bool showAddToUserList(AppContext &ctx, Catalogue &catalogue, int movieId, const QString &title, QWidget *parent)
{
    frmAddToUserList dialog(ctx, catalogue, parent);
    dialog.setMovie(movieId, title);
    return dialog.exec() == QDialog::Accepted;
}

frmLoans *showLoansWindow(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, QWidget *parent)
{
    QPointer<frmLoans> &w = loansWindow();
    if (!w) {
        mainWindow.CheckSaved();
        w = new frmLoans(ctx, catalogue, mainWindow, parent);
        w->setAttribute(Qt::WA_DeleteOnClose);
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

frmUserList *showUserLists(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, QWidget *parent)
{
    QPointer<frmUserList> &w = userListWindow();
    if (!w) {
        w = new frmUserList(ctx, catalogue, mainWindow, parent);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->Form_Load();
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}
