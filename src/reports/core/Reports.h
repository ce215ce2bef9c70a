#pragma once

#include "ReportEngine.h"

#include <QList>
#include <QString>
#include <memory>

class AppContext;
class Catalogue;

// The program's five reports. Each is a definition plus the data source that fills it. A report never
// reads another window: the window that launches it fills the report's parameters from its own
// controls.
namespace report {

struct ReportJob {
    ReportDefinition definition;
    std::unique_ptr<ReportDataSource> source;
    EventLabels labels;
    // Title of the save question and dialog.
    QString saveTitle;

    // The whole report at once, every page kept (tests and short reports).
    ReportDocument run(AppContext &ctx) { return runReport(ctx, definition, *source, labels); }
    // The counting pass, then the pages one at a time (see ReportEngine.h).
    ReportPlan plan(AppContext &ctx) { return planReport(ctx, definition, *source, labels); }
    void stream(AppContext &ctx, const ReportPlan &counted, const PageHandler &sink, int lastPage = 0)
    {
        streamReport(ctx, definition, *source, counted, sink, lastPage, labels);
    }
};

// The loans as the loans window lists them (lvLoans), in its order and with its texts.
struct LoanRow {
    QString loanId;       // the row text
    QString movieId;      // "MovID"
    QString movieName;    // "Movie Name"
    QString loanedTo;     // "Loaned To"
    QString dateLoaned;   // "Date Loaned", as shown
    QString dateReturned; // "Date Returned", as shown (empty while out)
};

struct LoansReportParams {
    QList<LoanRow> rows;
    bool showLoansForUser = false; // ckUsers ("Show Loan Outs for:")
    QString userName;              // cmbUsers
};

struct UsersListReportParams {
    QString listName; // cmbUserList: the person whose list is printed
};

// The search window's criteria controls: a check box and the text of its input.
struct SearchCriteria {
    struct Item {
        bool checked = false;
        QString text;
    };
    Item title;    // ckTitle / txtTitle
    Item actor;    // ckActor / cmbActor(0)
    Item format;   // ckFormat / cmbFormat
    Item medium;   // ckMedium / cmbMedium
    Item director; // ckDir / cmbDirector
    Item genre;    // ckGenre / cmbGenre(0)
    Item rating;   // ckRating / cmbRating
    Item stars;    // chkStars / ComStars, e.g. "4 Stars"
    QString starsComparison; // ComStarsValue: "=", "<=", "<", ">" or ">="
};

struct MovieDetailsSearchParams {
    // The IDs (row tags) of the movies listed in the search window, in the list's current order.
    QList<int> movieIds;
    SearchCriteria criteria;
};

ReportJob arMovieList(AppContext &ctx, Catalogue &cat);
ReportJob arLoans(AppContext &ctx, Catalogue &cat, const LoansReportParams &params);
ReportJob arUsersList(AppContext &ctx, Catalogue &cat, const UsersListReportParams &params);
ReportJob arMovieDetailsALL(AppContext &ctx, Catalogue &cat);
ReportJob arMovieDetailsSearch(AppContext &ctx, Catalogue &cat, const MovieDetailsSearchParams &params);

// The catalogue's name as headers show it: the file name without its ".cnlg" extension.
QString catalogueNameOf(const QString &dbPath);
// "Search Criteria: Title = star, User Rating is Greater than or Equal to 4 Stars." and, on a second
// line, "Movies Found: " with the count.
QString searchCriteriaSummary(const SearchCriteria &criteria, int moviesFound);
// Today's date as the page footers print it ("December 09, 2025" in English).
QString todaysDateText(AppContext &ctx);

// The save-as-PDF step after a report has been shown: asks "Do you want to save this report?", then
// the save dialog (starting in the "PDFFolder" option when that folder exists) and writes the PDF.
// Returns the path written, or empty text when nothing was saved. A file that cannot be written is
// reported to the user.
QString offerToSaveAsPdf(AppContext &ctx, const ReportDocument &doc, const QString &title);
// The same for a counted report, written page by page.
QString offerToSaveAsPdf(AppContext &ctx, ReportJob &job, const ReportPlan &plan);
// Asks for the PDF file (as above, without the question first) and writes the report there.
QString saveAsPdf(AppContext &ctx, ReportJob &job, const ReportPlan &plan);

} // namespace report
