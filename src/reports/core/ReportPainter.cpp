#include "ReportPainter.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace report {

QPageSize pageSizeOf(const PageSetup &page)
{
    return QPageSize(page.a4 ? QPageSize::A4 : QPageSize::Letter);
}

namespace {

// The largest rectangle of the picture's proportions inside box, centred.
QRectF fitted(const QSize &picture, const QRectF &box)
{
    if (picture.isEmpty())
        return box;
    QSizeF s = QSizeF(picture).scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.left() + (box.width() - s.width()) / 2, box.top() + (box.height() - s.height()) / 2,
                  s.width(), s.height());
}

} // namespace

void paintPage(QPainter &painter, const Page &page)
{
    for (const PlacedItem &item : page.items) {
        switch (item.kind) {
        case PlacedItem::Kind::Line:
            painter.setPen(QPen(Qt::black, 15)); // about 3/4 point
            painter.drawLine(item.line);
            break;
        case PlacedItem::Kind::Image: {
            const QImage img = item.picture.toImage();
            if (!img.isNull())
                painter.drawImage(fitted(img.size(), item.rect), img);
            break;
        }
        case PlacedItem::Kind::Text:
            if (item.text.isEmpty())
                break;
            painter.setPen(Qt::black);
            painter.setFont(item.font);
            painter.save();
            painter.setClipRect(item.rect);
            // Only growing fields wrap; any other text keeps to its one line, cut at the control's edge.
            painter.drawText(item.rect, int(item.alignment) | (item.wrap ? int(Qt::TextWordWrap) : 0), item.text);
            painter.restore();
            break;
        }
    }
}

PagePainter::PagePainter(QPagedPaintDevice &device) : m_device(device), m_painter(std::make_unique<QPainter>(&device))
{
    m_painter->setRenderHint(QPainter::Antialiasing);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter->scale(device.logicalDpiX() / double(TwipsPerInch), device.logicalDpiY() / double(TwipsPerInch));
}

PagePainter::~PagePainter()
{
    end();
}

bool PagePainter::isActive() const
{
    return m_painter && m_painter->isActive();
}

void PagePainter::add(const Page &page)
{
    if (!isActive())
        return;
    if (!m_first)
        m_device.newPage();
    m_first = false;
    paintPage(*m_painter, page);
}

void PagePainter::end()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void paintDocument(const ReportDocument &doc, QPagedPaintDevice &device, int fromPage, int toPage)
{
    if (fromPage <= 0)
        fromPage = 1;
    if (toPage <= 0 || toPage > doc.pageCount())
        toPage = doc.pageCount();
    PagePainter painter(device);
    for (int n = fromPage; n <= toPage; ++n)
        painter.add(doc.pages[n - 1]);
    painter.end();
}

bool writePdf(const PageSetup &pageSetup, const QString &caption, const PageWriter &pages, const QString &path,
              QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(caption);
        writer.setCreator(QStringLiteral("Cinelog"));
        writer.setPageSize(pageSizeOf(pageSetup));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(TwipsPerInch);
        PagePainter painter(writer);
        pages(painter);
        painter.end();
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writePdf(const ReportDocument &doc, const QString &path, QString *error)
{
    return writePdf(
        doc.page, doc.caption,
        [&doc](PagePainter &painter) {
            for (const Page &page : doc.pages)
                painter.add(page);
        },
        path, error);
}

} // namespace report
