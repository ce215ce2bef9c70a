#pragma once

#include <QString>

class AppContext;
class Catalogue;
class CatalogueEvents;
class EditedMovie;
class QWidget;
class frmLoans;
class frmUserList;

// Shows the loan dialog for one movie, modally. True when a loan was recorded; the caller then
// refreshes the main list.
bool showLoanOut(AppContext &ctx, Catalogue &catalogue, int movieId, const QString &title,
                 const QString &presetBorrower, QWidget *parent);

// The loan dialog as the main window, the search window and the user lists window use it: a
// recorded loan is announced (loansChanged, "Updating the Movie List...") once the dialog is closed.
bool lendMovie(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, int movieId, const QString &title,
               const QString &presetBorrower, QWidget *parent);

// Shows the add-to-list dialog, modally. True when an entry was added.
bool showAddToUserList(AppContext &ctx, Catalogue &catalogue, int movieId, const QString &title, QWidget *parent);

// The loans window and the user lists window, modeless; an open one is raised instead of a second
// one being made (made tells which). They delete themselves when closed. Opening the loans window
// first offers to save the edited movie.
frmLoans *showLoansWindow(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                          QWidget *parent, bool *made = nullptr);
frmUserList *showUserLists(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent,
                           bool *made = nullptr);
