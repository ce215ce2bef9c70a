#include "ReportPainter.h"
#include "ReportParts.h"
#include "Reports.h"

#include "AppContext.h"
#include "ProgramSettings.h"

#include <QDir>
#include <QFileInfo>

namespace report {

namespace {

// The save dialog (starting in the "PDFFolder" setting while that folder exists, else the home
// folder), then the file written by write. Throws when it cannot be written; returns the path, or
// empty text when the user cancelled.
QString chooseAndWrite(AppContext &ctx, const QString &title,
                       const std::function<bool(const QString &path, QString *error)> &write)
{
    const QString start = existingFolderOrHome(ProgramSettings::PDFFolder.read(ctx.ini()));
    QString path = ctx.prompts().saveFile(title, Tr::tr("Adobe Acrobat File (*.pdf)"), start);
    if (path.isEmpty())
        return QString();
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QString error;
    if (!write(path, &error))
        throw CinelogError(ErrorNumber::PermissionDenied, logged("Reports", "The report could not be saved to %1: %2")
                                                              .arg(QDir::toNativeSeparators(path), error));
    return path;
}

QString offer(AppContext &ctx, const QString &reportName, const QString &title, bool ask,
              const std::function<bool(const QString &path, QString *error)> &write)
{
    QString written;
    ctx.guard(reportName + QStringLiteral(" - ActiveReport_ReportEnd"), [&] {
        if (ask
            && !ctx.prompts().question(Tr::tr("Do you want to save this report?"), title, Prompts::Icon::Question))
            return;
        written = chooseAndWrite(ctx, title, write);
    });
    return written;
}

std::function<bool(const QString &, QString *)> streamedWriter(AppContext &ctx, ReportJob &job, const ReportPlan &plan)
{
    return [&ctx, &job, &plan](const QString &path, QString *error) {
        return writePdf(
            job.definition.page, job.definition.caption,
            [&](PagePainter &painter) { job.stream(ctx, plan, [&](const Page &page, int) { painter.add(page); }); },
            path, error);
    };
}

} // namespace

QString offerToSaveAsPdf(AppContext &ctx, const ReportDocument &doc, const QString &title)
{
    return offer(ctx, doc.name, title, true,
                 [&doc](const QString &path, QString *error) { return writePdf(doc, path, error); });
}

QString offerToSaveAsPdf(AppContext &ctx, ReportJob &job, const ReportPlan &plan)
{
    return offer(ctx, job.definition.name, job.saveTitle, true, streamedWriter(ctx, job, plan));
}

QString saveAsPdf(AppContext &ctx, ReportJob &job, const ReportPlan &plan)
{
    return offer(ctx, job.definition.name, job.saveTitle, false, streamedWriter(ctx, job, plan));
}

} // namespace report
