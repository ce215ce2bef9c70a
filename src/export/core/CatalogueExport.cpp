#include "CatalogueExport.h"

#include "CinelogError.h"
#include "MovieExportReader.h"
#include "ProgressSink.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace CatalogueExport {

std::optional<ExportFormat> formatFor(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == u"csv")
        return ExportFormat::Csv;
    if (ext == u"xlsx")
        return ExportFormat::Xlsx;
    if (ext == u"ods")
        return ExportFormat::Ods;
    if (ext == u"html" || ext == u"htm")
        return ExportFormat::Html;
    return std::nullopt;
}

QString extension(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Csv:
        return QStringLiteral("csv");
    case ExportFormat::Xlsx:
        return QStringLiteral("xlsx");
    case ExportFormat::Ods:
        return QStringLiteral("ods");
    case ExportFormat::Html:
        return QStringLiteral("html");
    }
    return QString();
}

ExportOutcome run(Catalogue &catalogue, const ExportRequest &request, ProgressSink &progress,
                  const std::function<bool()> &cancelled)
{
    MovieExportReader reader(catalogue, request.movieIds, request.pageSize);
    std::unique_ptr<ExportWriter> writer;
    switch (request.format) {
    case ExportFormat::Csv:
        writer = makeCsvWriter(request.path);
        break;
    case ExportFormat::Xlsx:
        writer = makeXlsxWriter(request.path);
        break;
    case ExportFormat::Ods:
        writer = makeOdsWriter(request.path);
        break;
    case ExportFormat::Html:
        writer = makeHtmlWriter(request.path, catalogue, request.title);
        break;
    }
    const int total = reader.count();
    progress.ShowProgress(QCoreApplication::translate("CatalogueExport", "Exporting movies..."), 0, std::max(total, 1));
    ExportOutcome outcome;
    try {
        writer->begin(ExportColumn::headings());
        QList<ExportRow> page;
        while (reader.nextPage(page)) {
            for (const ExportRow &r : page)
                writer->row(r);
            outcome.movies += int(page.size());
            if (outcome.movies < total)
                progress.UpdateProgress(outcome.movies);
            progress.letEventsRun();
            if (cancelled && cancelled()) {
                outcome.cancelled = true;
                break;
            }
        }
        if (!outcome.cancelled) {
            writer->finish();
            writer->commit();
        }
    } catch (...) {
        writer.reset();
        progress.UpdateProgress(std::max(total, 1));
        throw;
    }
    writer.reset();
    progress.UpdateProgress(std::max(total, 1));
    return outcome;
}

} // namespace CatalogueExport
