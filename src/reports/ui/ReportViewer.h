#pragma once

#include "Reports.h"

#include <QString>

class AppContext;
class Catalogue;
class QWidget;

// Showing a report: it is run (with progress for the long ones), shown in the paged preview, then the
// user is offered to save it as PDF, and finally the print dialog lets them print it or cancel.
struct ReportShowOptions {
    // Show the print preview window (tests and batch callers skip it).
    bool preview = true;
    // The closing print dialog.
    bool offerPrint = true;
};

struct ReportOutcome {
    int pages = 0;
    QString savedPdf; // empty when nothing was saved
    bool printed = false;
};

ReportOutcome showReport(AppContext &ctx, report::ReportJob &job, QWidget *parent,
                         const ReportShowOptions &options = {});

// Main window, "Movie Titles".
ReportOutcome showMovieListReport(AppContext &ctx, Catalogue &cat, QWidget *parent,
                                  const ReportShowOptions &options = {});
// Main window, "Movie Details".
ReportOutcome showMovieDetailsReport(AppContext &ctx, Catalogue &cat, QWidget *parent,
                                     const ReportShowOptions &options = {});
// Search window, "Print List".
ReportOutcome showMovieDetailsSearchReport(AppContext &ctx, Catalogue &cat,
                                           const report::MovieDetailsSearchParams &params, QWidget *parent,
                                           const ReportShowOptions &options = {});
// Loans window, "Print List".
ReportOutcome showLoansReport(AppContext &ctx, Catalogue &cat, const report::LoansReportParams &params,
                              QWidget *parent, const ReportShowOptions &options = {});
// User lists window, "Print List".
ReportOutcome showUsersListReport(AppContext &ctx, Catalogue &cat, const report::UsersListReportParams &params,
                                  QWidget *parent, const ReportShowOptions &options = {});
