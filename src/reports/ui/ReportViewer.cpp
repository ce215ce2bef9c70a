#include "ReportViewer.h"

#include "AppContext.h"
#include "ReportPainter.h"
#include "ReportPreview.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {

void preparePrinter(QPrinter &printer, const report::ReportJob &job)
{
    printer.setPageSize(report::pageSizeOf(job.definition.page));
    printer.setFullPage(true);
    printer.setDocName(job.definition.caption);
}

// The print dialog, then the chosen pages printed one at a time as they are laid out.
bool printReport(AppContext &ctx, report::ReportJob &job, const report::ReportPlan &plan, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, job);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(job.definition.caption);
    dialog.setMinMax(1, std::max(1, plan.pageCount));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const int from = std::max(1, printer.fromPage());
    const int to = printer.toPage() > 0 ? printer.toPage() : 0;
    report::PagePainter painter(printer);
    if (!painter.isActive())
        throw CinelogError(ErrorNumber::PermissionDenied,
                           logged("Reports", "The printer %1 could not be started.").arg(printer.printerName()));
    job.stream(
        ctx, plan,
        [&](const report::Page &page, int number) {
            if (number >= from)
                painter.add(page);
        },
        to);
    painter.end();
    return true;
}

} // namespace

ReportOutcome showReport(AppContext &ctx, report::ReportJob &job, QWidget *parent, const ReportShowOptions &options)
{
    ReportOutcome outcome;
    // Only the page count and where each page starts are kept: pages are laid out again when they
    // are shown, saved or printed, so even a report of many thousand pages takes little memory.
    const report::ReportPlan plan = job.plan(ctx);
    outcome.pages = plan.pageCount;

    if (options.preview) {
        report::PageSource pages(ctx, job.definition, *job.source, plan, job.labels);
        ReportPreview preview(ctx, pages, parent);
        preview.setObjectName(job.definition.name);
        QObject::connect(&preview, &ReportPreview::printRequested, &preview, [&] {
            ctx.guard(job.definition.name + job.labels.reportEnd, [&] {
                if (printReport(ctx, job, plan, &preview))
                    outcome.printed = true;
            });
        });
        QObject::connect(&preview, &ReportPreview::saveRequested, &preview, [&] {
            const QString saved = report::saveAsPdf(ctx, job, plan);
            if (!saved.isEmpty())
                outcome.savedPdf = saved;
        });
        preview.exec();
    }

    if (const QString saved = report::offerToSaveAsPdf(ctx, job, plan); !saved.isEmpty())
        outcome.savedPdf = saved;

    if (options.offerPrint) {
        ctx.guard(job.definition.name + job.labels.reportEnd, [&] {
            if (printReport(ctx, job, plan, parent))
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
