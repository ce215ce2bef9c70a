#pragma once

#include "ReportEngine.h"

#include <QPageSize>
#include <functional>
#include <memory>

class QPainter;
class QPagedPaintDevice;

namespace report {

// Paints one page with the painter's coordinates in twips from the paper's top-left corner.
void paintPage(QPainter &painter, const Page &page);

// Paints pages fromPage..toPage (1-based, inclusive; 0 for all) onto a paged device whose origin is
// the paper's corner (a QPdfWriter without margins, a QPrinter in full-page mode).
void paintDocument(const ReportDocument &doc, QPagedPaintDevice &device, int fromPage = 0, int toPage = 0);

// Paints pages one after the other onto a paged device whose origin is the paper's corner, each as
// it comes, so that a long report never has to be held whole.
class PagePainter
{
public:
    explicit PagePainter(QPagedPaintDevice &device);
    ~PagePainter();
    void add(const Page &page);
    // False when the device could not be painted on (a printer that failed to start).
    bool isActive() const;
    void end();

private:
    QPagedPaintDevice &m_device;
    std::unique_ptr<QPainter> m_painter;
    bool m_first = true;
};

// Writes the report as a PDF file, replacing the file only once it is complete. Returns false with
// a reason in *error when the file cannot be written.
bool writePdf(const ReportDocument &doc, const QString &path, QString *error = nullptr);

// The same for a report laid out page by page: pages writes every page to the painter it is given
// (a report's stream()), and only one page is held at a time. pageSetup and caption are the report's.
using PageWriter = std::function<void(PagePainter &painter)>;
bool writePdf(const PageSetup &pageSetup, const QString &caption, const PageWriter &pages, const QString &path,
              QString *error = nullptr);

QPageSize pageSizeOf(const PageSetup &page);

} // namespace report
