#include "ReportViewer.h"

#include "AppContext.h"
#include "ReportPainter.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

void preparePrinter(QPrinter &printer, const report::ReportDocument &doc)
{
    printer.setPageSize(report::pageSizeOf(doc.page));
    printer.setFullPage(true);
    printer.setDocName(doc.caption);
}

} // namespace

ReportOutcome showReport(AppContext &ctx, report::ReportJob &job, QWidget *parent, const ReportShowOptions &options)
{
    ReportOutcome outcome;
    const report::ReportDocument doc = job.run(ctx);
    outcome.pages = doc.pageCount();

    if (options.preview) {
        QPrinter printer(QPrinter::HighResolution);
        preparePrinter(printer, doc);
        QPrintPreviewDialog preview(&printer, parent);
        preview.setObjectName(job.definition.name);
        preview.setWindowTitle(doc.caption);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&doc](QPrinter *p) { report::paintDocument(doc, *p, p->fromPage(), p->toPage()); });
        preview.exec();
    }

    outcome.savedPdf = report::offerToSaveAsPdf(ctx, doc, job.saveTitle);

    if (options.offerPrint) {
        ctx.guard(job.definition.name + job.labels.reportEnd, [&] {
            QPrinter printer(QPrinter::HighResolution);
            preparePrinter(printer, doc);
            QPrintDialog dialog(&printer, parent);
            dialog.setWindowTitle(doc.caption);
            dialog.setMinMax(1, doc.pageCount());
            if (dialog.exec() != QDialog::Accepted)
                return;
            report::paintDocument(doc, printer, printer.fromPage(), printer.toPage());
            outcome.printed = true;
        });
    }
    return outcome;
}

ReportOutcome showMovieListReport(AppContext &ctx, Catalogue &cat, QWidget *parent, const ReportShowOptions &options)
{
    report::ReportJob job = report::arMovieList(ctx, cat);
    return showReport(ctx, job, parent, options);
}

ReportOutcome showMovieDetailsReport(AppContext &ctx, Catalogue &cat, QWidget *parent, const ReportShowOptions &options)
{
    report::ReportJob job = report::arMovieDetailsALL(ctx, cat);
    return showReport(ctx, job, parent, options);
}

ReportOutcome showMovieDetailsSearchReport(AppContext &ctx, Catalogue &cat,
                                           const report::MovieDetailsSearchParams &params, QWidget *parent,
                                           const ReportShowOptions &options)
{
    report::ReportJob job = report::arMovieDetailsSearch(ctx, cat, params);
    return showReport(ctx, job, parent, options);
}

ReportOutcome showLoansReport(AppContext &ctx, Catalogue &cat, const report::LoansReportParams &params,
                              QWidget *parent, const ReportShowOptions &options)
{
    report::ReportJob job = report::arLoans(ctx, cat, params);
    return showReport(ctx, job, parent, options);
}

ReportOutcome showUsersListReport(AppContext &ctx, Catalogue &cat, const report::UsersListReportParams &params,
                                  QWidget *parent, const ReportShowOptions &options)
{
    report::ReportJob job = report::arUsersList(ctx, cat, params);
    return showReport(ctx, job, parent, options);
}
