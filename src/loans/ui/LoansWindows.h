#pragma once

#include "Loans.h"

#include <QString>
#include <functional>

class AppContext;
class Catalogue;
class MainWindowLink;
class QWidget;
class frmLoans;
class frmUserList;

// Shows the loan dialog for one movie, modally. True when a loan was recorded; the caller then
// refreshes the main list.
bool showLoanOut(AppContext &ctx, Catalogue &catalogue, int movieId, const QString &title,
                 const QString &presetBorrower, QWidget *parent);

// The loan dialog as the main window and the user lists window use it: after a recorded loan the
// main list is refilled with "Updating the Movie List...".
bool lendMovie(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, int movieId, const QString &title,
               const QString &presetBorrower, QWidget *parent);

// Shows the add-to-list dialog, modally. True when an entry was added.
bool showAddToUserList(AppContext &ctx, Catalogue &catalogue, int movieId, const QString &title, QWidget *parent);

// The loans window and the user lists window, modeless; an open one is raised instead of a second
// one being made. They delete themselves when closed.
frmLoans *showLoansWindow(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, QWidget *parent);
frmUserList *showUserLists(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow, QWidget *parent);

// Printing is provided by the reports: the loans list as the window shows it, with its borrower
// filter, and a user list by its name. Without a hook the print buttons say so.
struct LoansPrintRequest {
    QList<LoanRow> rows;
    bool borrowerFilterOn = false;
    QString borrower;
    QWidget *parent = nullptr;
};
using LoansPrintHook = std::function<void(const LoansPrintRequest &)>;
using UserListPrintHook = std::function<void(const QString &listName, QWidget *parent)>;
void setLoansPrintHook(LoansPrintHook hook);
void setUserListPrintHook(UserListPrintHook hook);
const LoansPrintHook &loansPrintHook();
const UserListPrintHook &userListPrintHook();
