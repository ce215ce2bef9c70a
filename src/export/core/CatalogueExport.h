#pragma once

#include "ExportColumns.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class Catalogue;
class ProgressSink;

enum class ExportFormat { Csv, Xlsx, Ods, Html };

// One exported file being written. Rows arrive in order after begin(); finish() completes the
// file under its temporary name, commit() gives it its final name. A writer destroyed without
// commit() leaves nothing behind.
class ExportWriter
{
public:
    virtual ~ExportWriter() = default;
    virtual void begin(const QStringList &headings) = 0;
    virtual void row(const ExportRow &row) = 0;
    virtual void finish() = 0;
    virtual void commit() = 0;
};

// Writers need the catalogue only for covers (the HTML catalogue's thumbnails).
std::unique_ptr<ExportWriter> makeCsvWriter(const QString &path);
std::unique_ptr<ExportWriter> makeXlsxWriter(const QString &path);
std::unique_ptr<ExportWriter> makeOdsWriter(const QString &path);
std::unique_ptr<ExportWriter> makeHtmlWriter(const QString &path, Catalogue &catalogue, const QString &pageTitle);

struct ExportRequest {
    ExportFormat format = ExportFormat::Csv;
    QString path;
    std::optional<QList<int>> movieIds; // none: the whole catalogue
    QString title;                      // the HTML page's heading
    int pageSize = 1000;
};

struct ExportOutcome {
    int movies = 0;
    bool cancelled = false; // then no file was written
};

namespace CatalogueExport {
// The format a file name asks for (by its extension), if any.
std::optional<ExportFormat> formatFor(const QString &path);
QString extension(ExportFormat format);
// Writes the export; on failure (CinelogError) or cancel the target is left as it was.
ExportOutcome run(Catalogue &catalogue, const ExportRequest &request, ProgressSink &progress,
                  const std::function<bool()> &cancelled = {});
}
