#pragma once

#include "ReportEngine.h"

#include <QPageSize>

class QPainter;
class QPagedPaintDevice;

namespace report {

// Paints one page with the painter's coordinates in twips from the paper's top-left corner.
void paintPage(QPainter &painter, const Page &page);

// Paints pages fromPage..toPage (1-based, inclusive; 0 for all) onto a paged device whose origin is
// the paper's corner (a QPdfWriter without margins, a QPrinter in full-page mode).
void paintDocument(const ReportDocument &doc, QPagedPaintDevice &device, int fromPage = 0, int toPage = 0);

// Writes the report as a PDF file, replacing the file only once it is complete. Returns false with
// a reason in *error when the file cannot be written.
bool writePdf(const ReportDocument &doc, const QString &path, QString *error = nullptr);

QPageSize pageSizeOf(const PageSetup &page);

} // namespace report
