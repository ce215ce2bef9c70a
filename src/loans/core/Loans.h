#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class Catalogue;

// A loan as the loans window lists it. A loan is open while dateIn is null.
struct LoanRow {
    int id = 0;
    int movieId = 0;
    QString movieTitle;
    QString loanedTo;
    QDate dateOut;
    QDate dateIn;
    // How often the loan was changed, by any program, when it was read; -1 when the catalogue
    // keeps no count.
    qint64 changeCount = -1;
};

namespace Loans {

// The three choices of the loans window's "Show:" box, in the order the box lists them.
enum class Filter { All, LoanedOut, Returned };
// The English name is what the settings remember; the caption is what the box shows.
QString filterText(Filter f);
QString filterCaption(Filter f);
// False for a text that names none of the three.
bool filterFromText(const QString &text, Filter &f);

// Reads a loan date typed as month/day/year ("12/09/2025", "1/2/2025"); a two-digit year counts
// from 2000. Invalid QDate when the text is not such a date.
QDate parseLoanDate(const QString &text);
// The date as the loan dialog proposes it: "mm/dd/yyyy".
QString formatLoanDate(const QDate &date);

// Every borrower so far, each once, in name order.
QStringList borrowers(Catalogue &cat);

// Records an open loan and returns its ID.
int recordLoan(Catalogue &cat, int movieId, const QString &movieTitle, const QString &loanedTo, const QDate &dateOut);

// The loans of a filter; an empty borrower lists every borrower's loans. The borrower is compared
// as the catalogue compares text (ignoring letter case).
QList<LoanRow> loans(Catalogue &cat, Filter filter, const QString &borrower = QString());

// Marks a loan returned on dateIn, or open again when dateIn is null. With seen (a LoanRow's
// changeCount, not -1), a loan another program changed or removed since it was read throws
// CatalogueError::ChangedElsewhere and nothing is written.
void setReturned(Catalogue &cat, int loanId, const QDate &dateIn, qint64 seen = -1);

// Borrowers of the open loans of a movie, for tooltips and tests.
QStringList openBorrowers(Catalogue &cat, int movieId);

} // namespace Loans
