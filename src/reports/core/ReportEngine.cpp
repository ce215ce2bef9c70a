#include "ReportEngine.h"

#include "AppContext.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace report {

void ReportRun::addField(const QString &name)
{
    if (m_values.contains(name))
        return;
    m_values.insert(name, QString());
    m_order << name;
}

void ReportRun::setField(const QString &name, const QString &value)
{
    auto it = m_values.find(name);
    if (it == m_values.end())
        throw CinelogError(ErrorNumber::InvalidProcedureCall,
                           QStringLiteral("The report %1 has no data field %2.").arg(m_def.name, name));
    *it = value;
}

QList<const PlacedItem *> Page::itemsOf(const QString &control) const
{
    QList<const PlacedItem *> out;
    for (const PlacedItem &i : items)
        if (i.control == control)
            out << &i;
    return out;
}

QStringList Page::textsOf(const QString &control) const
{
    QStringList out;
    for (const PlacedItem *i : itemsOf(control))
        out << i->text;
    return out;
}

QStringList ReportDocument::textsOf(const QString &control) const
{
    QStringList out;
    for (const Page &p : pages)
        out << p.textsOf(control);
    return out;
}

QString controlText(const Control &c, const ReportRun &run)
{
    switch (c.kind) {
    case ControlKind::Label:
        return c.text;
    case ControlKind::Field:
        return run.field(c.dataField);
    default:
        return QString();
    }
}

namespace {

bool isText(ControlKind k)
{
    return k == ControlKind::Label || k == ControlKind::Field || k == ControlKind::PageNumber
        || k == ControlKind::PageCount;
}

int textHeight(const Control &c, const QString &text)
{
    const QFontMetricsF fm(c.font());
    const QRectF r = fm.boundingRect(QRectF(0, 0, c.rect.width(), 1e7), Qt::TextWordWrap | int(c.alignment), text);
    return int(std::ceil(r.height()));
}

} // namespace

Layout::Layout(ReportDefinition &definition) : m_def(definition)
{
    m_doc.name = definition.name;
    m_doc.caption = definition.caption;
    m_doc.page = definition.page;
}

Layout::Measured Layout::measure(const Section &section, const ReportRun &run)
{
    struct Growth {
        int bottom; // designed bottom of the growing control
        int delta;
    };
    QList<Growth> growths;
    Measured m;
    m.rects.reserve(section.controls.size());
    for (const Control &c : section.controls) {
        m.rects << c.rect;
        if (c.canGrow && c.visible && isText(c.kind)) {
            const QString text = controlText(c, run);
            if (!text.isEmpty()) {
                const int needed = textHeight(c, text);
                if (needed > c.rect.height())
                    growths << Growth{c.rect.bottom() + 1, needed - c.rect.height()};
            }
        }
    }
    // A control moves down by the growth of every growing control that ends above it.
    auto shiftAt = [&](int y) {
        int s = 0;
        for (const Growth &g : growths)
            if (g.bottom <= y)
                s += g.delta;
        return s;
    };
    m.height = section.height + shiftAt(section.height);
    for (int i = 0; i < section.controls.size(); ++i) {
        const Control &c = section.controls[i];
        QRect r = c.rect;
        r.moveTop(r.top() + shiftAt(r.top()));
        if (c.canGrow && c.visible && isText(c.kind)) {
            const QString text = controlText(c, run);
            if (!text.isEmpty())
                r.setHeight(std::max(r.height(), textHeight(c, text)));
        }
        m.rects[i] = r;
        if (c.visible && c.kind != ControlKind::Line)
            m.height = std::max(m.height, r.bottom() + 1);
    }
    return m;
}

void Layout::begin(const ReportRun &run)
{
    m_doc.pages.clear();
    newPage(run);
}

void Layout::newPage(const ReportRun &run)
{
    m_doc.pages.append(Page{});
    m_y = m_def.page.topMargin;
    const Measured m = measure(m_def.pageHeader, run);
    placeAt(m_def.pageHeader, run, m_y, m);
    m_y += m.height;
    m_bodyTop = m_y;
}

void Layout::closePage(const ReportRun &run)
{
    const Measured m = measure(m_def.pageFooter, run);
    const int top = m_def.page.paper.height() - m_def.page.bottomMargin - m_def.pageFooter.height;
    placeAt(m_def.pageFooter, run, top, m);
}

void Layout::place(const Section &section, const ReportRun &run)
{
    const Measured m = measure(section, run);
    const int bodyBottom = m_def.page.paper.height() - m_def.page.bottomMargin - m_def.pageFooter.height;
    if (m_y + m.height > bodyBottom && m_y > m_bodyTop) {
        closePage(run);
        newPage(run);
    }
    placeAt(section, run, m_y, m);
    m_y += m.height;
}

void Layout::placeAt(const Section &section, const ReportRun &run, int top, const Measured &m)
{
    Page &page = m_doc.pages.last();
    const int left = m_def.page.leftMargin;
    // Nothing of the body may run into the page footer: a section taller than a whole page is cut.
    const bool isFooter = &section == &m_def.pageFooter;
    const int limit = isFooter ? m_def.page.paper.height()
                               : m_def.page.paper.height() - m_def.page.bottomMargin - m_def.pageFooter.height;
    for (int i = 0; i < section.controls.size(); ++i) {
        const Control &c = section.controls[i];
        if (!c.visible)
            continue;
        PlacedItem item;
        item.section = section.name;
        item.control = c.name;
        QRectF r = m.rects[i].translated(left, top);
        if (c.kind != ControlKind::Line) {
            if (r.top() >= limit)
                continue;
            if (r.bottom() > limit)
                r.setBottom(limit);
        }
        item.rect = r;
        switch (c.kind) {
        case ControlKind::Line: {
            const int shift = m.rects[i].top() - c.rect.top();
            item.kind = PlacedItem::Kind::Line;
            item.line = QLineF(left + c.x1, top + c.y1 + shift, left + c.x2, top + c.y2 + shift);
            if (std::max(item.line.y1(), item.line.y2()) > limit)
                continue;
            break;
        }
        case ControlKind::Picture:
            if (c.picture.isNull())
                continue;
            item.kind = PlacedItem::Kind::Image;
            item.picture = c.picture;
            break;
        default:
            item.kind = PlacedItem::Kind::Text;
            item.font = c.font();
            item.alignment = c.alignment;
            item.wrap = c.canGrow;
            if (c.kind == ControlKind::PageNumber)
                item.text = QString::number(m_doc.pages.size());
            else
                item.text = controlText(c, run);
            break;
        }
        page.items << item;
    }
}

void Layout::placeRow(const ReportRun &run)
{
    if (m_def.groupHeader) {
        const QString key = run.field(m_def.groupHeader->groupField);
        if (!m_inGroup || key != m_groupKey) {
            if (m_inGroup && m_def.groupFooter)
                place(*m_def.groupFooter, run);
            place(*m_def.groupHeader, run);
            m_inGroup = true;
            m_groupKey = key;
        }
    }
    place(m_def.detail, run);
}

ReportDocument Layout::finish(const ReportRun &run)
{
    if (m_inGroup && m_def.groupFooter)
        place(*m_def.groupFooter, run);
    m_inGroup = false;
    closePage(run);
    const QString count = QString::number(m_doc.pages.size());
    QSet<QString> countControls;
    for (const Section *s : {&m_def.pageHeader, &m_def.pageFooter, &m_def.detail})
        for (const Control &c : s->controls)
            if (c.kind == ControlKind::PageCount)
                countControls.insert(c.name);
    for (Page &p : m_doc.pages)
        for (PlacedItem &i : p.items)
            if (countControls.contains(i.control))
                i.text = count;
    return m_doc;
}

ReportDocument runReport(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source,
                         const EventLabels &labels)
{
    ReportRun run(definition);
    const QString name = definition.name;
    ctx.guard(name + labels.reportStart, [&] { source.ReportStart(run); });
    ctx.guard(name + labels.dataInitialize, [&] { source.DataInitialize(run); });

    Layout layout(definition);
    layout.begin(run);
    // A source whose every fetch fails without ever reporting the end would never stop; give up
    // after a run of failures in a row.
    constexpr int MaxFailuresInARow = 10;
    int failures = 0;
    for (;;) {
        bool eof = false;
        const bool fetched = ctx.guard(name + labels.fetchData, [&] { source.FetchData(run, eof); });
        if (eof)
            break;
        if (!fetched) {
            if (++failures >= MaxFailuresInARow)
                break;
            continue;
        }
        failures = 0;
        layout.placeRow(run);
    }
    ReportDocument doc = layout.finish(run);
    ctx.guard(name + labels.reportEnd, [&] { source.ReportEnd(run); });
    return doc;
}

} // namespace report
