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
                           logged("Reports", "The report %1 has no data field %2.").arg(m_def.name, name));
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
    m_pageNumber = 0;
    m_closed = 0;
    m_starts.clear();
    m_row = PageStart{};
    m_skip = 0;
    newPage(run);
}

void Layout::startRow(const QVariant &position, qint64 fetchesBefore)
{
    m_row.position = position;
    m_row.fetchesBefore = fetchesBefore;
    m_row.hasRow = true;
    m_row.sectionsBefore = 0;
    m_row.inGroup = m_inGroup;
    m_row.groupKey = m_groupKey;
}

void Layout::resume(int number, const PageStart &start)
{
    m_doc.pages.clear();
    m_pageOpen = false;
    m_pageNumber = number - 1;
    m_closed = number - 1;
    m_row = start;
    m_row.sectionsBefore = 0;
    m_inGroup = start.inGroup;
    m_groupKey = start.groupKey;
    m_skip = start.sectionsBefore;
}

void Layout::newPage(const ReportRun &run)
{
    m_page = Page{};
    m_pageOpen = true;
    ++m_pageNumber;
    if (m_recordStarts)
        m_starts << m_row;
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
    m_pageOpen = false;
    ++m_closed;
    if (m_sink)
        m_sink(std::move(m_page), m_pageNumber);
    else
        m_doc.pages.append(std::move(m_page));
    m_page = Page{};
}

void Layout::place(const Section &section, const ReportRun &run)
{
    // After resume(): the sections the previous page took are passed over, and the first one that
    // is placed opens the page, as it did when it did not fit on the previous one.
    if (m_skip > 0) {
        --m_skip;
        ++m_row.sectionsBefore;
        return;
    }
    const Measured m = measure(section, run);
    const int bodyBottom = m_def.page.paper.height() - m_def.page.bottomMargin - m_def.pageFooter.height;
    if (!m_pageOpen) {
        newPage(run);
    } else if (m_y + m.height > bodyBottom && m_y > m_bodyTop) {
        closePage(run);
        newPage(run);
    }
    placeAt(section, run, m_y, m);
    m_y += m.height;
    ++m_row.sectionsBefore;
}

void Layout::placeAt(const Section &section, const ReportRun &run, int top, const Measured &m)
{
    Page &page = m_page;
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
                item.text = QString::number(m_pageNumber);
            else if (c.kind == ControlKind::PageCount && m_pageCount > 0)
                item.text = QString::number(m_pageCount);
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
    if (m_pageOpen)
        closePage(run);
    if (m_pageCount <= 0) {
        const QString count = QString::number(m_closed);
        QSet<QString> countControls;
        for (const Section *s : {&m_def.pageHeader, &m_def.pageFooter, &m_def.detail})
            for (const Control &c : s->controls)
                if (c.kind == ControlKind::PageCount)
                    countControls.insert(c.name);
        for (Page &p : m_doc.pages)
            for (PlacedItem &i : p.items)
                if (countControls.contains(i.control))
                    i.text = count;
    }
    ReportDocument doc = std::move(m_doc);
    m_doc = ReportDocument{doc.name, doc.caption, doc.page, {}};
    return doc;
}

namespace {

// Runs the report's events in order. The first run of a report logs each failure; a later run of
// the same data (writing what was counted, laying out one page again) keeps quiet about them.
class Driver
{
public:
    Driver(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source, const EventLabels &labels,
           ReportRun &run, bool logFailures)
        : m_ctx(ctx), m_name(definition.name), m_source(source), m_labels(labels), m_run(run), m_log(logFailures)
    {
    }

    void start()
    {
        call(m_labels.reportStart, [&] { m_source.ReportStart(m_run); });
        initialize();
    }
    void initialize()
    {
        call(m_labels.dataInitialize, [&] { m_source.DataInitialize(m_run); });
        m_fetches = 0;
    }
    void end() { call(m_labels.reportEnd, [&] { m_source.ReportEnd(m_run); }); }

    // Fetches rows and places them until the source ends or stop() says so; false when stopped.
    bool rows(Layout &layout, const std::function<bool()> &stop = {})
    {
        // A source whose every fetch fails without ever reporting the end would never stop; give up
        // after a run of failures in a row.
        constexpr int MaxFailuresInARow = 10;
        int failures = 0;
        for (;;) {
            if (stop && stop())
                return false;
            const QVariant position = m_source.position();
            const qint64 before = m_fetches++;
            bool eof = false;
            const bool fetched = call(m_labels.fetchData, [&] { m_source.FetchData(m_run, eof); });
            if (eof)
                return true;
            if (!fetched) {
                if (++failures >= MaxFailuresInARow)
                    return true;
                continue;
            }
            failures = 0;
            layout.startRow(position, before);
            layout.placeRow(m_run);
        }
    }

    // Brings the source back to just before the row a page starts with (fetching that row, whose
    // fields the page's first sections show) or to its start.
    void goTo(const PageStart &start, const QVariant &startPosition)
    {
        const QVariant target = start.hasRow ? start.position : startPosition;
        if (target.isValid()) {
            call(m_labels.fetchData, [&] { m_source.seek(m_run, target); });
            m_fetches = start.fetchesBefore;
        } else {
            initialize();
            while (m_fetches < start.fetchesBefore) {
                bool eof = false;
                ++m_fetches;
                call(m_labels.fetchData, [&] { m_source.FetchData(m_run, eof); });
                if (eof)
                    break;
            }
        }
    }

    // Fetches the row a page starts with; false when it is gone.
    bool fetchOne()
    {
        ++m_fetches;
        bool eof = false;
        const bool fetched = call(m_labels.fetchData, [&] { m_source.FetchData(m_run, eof); });
        return fetched && !eof;
    }

private:
    bool call(const QString &label, const std::function<void()> &f)
    {
        if (m_log)
            return m_ctx.guard(m_name + label, f);
        try {
            f();
            return true;
        } catch (...) {
            return false;
        }
    }

    AppContext &m_ctx;
    QString m_name;
    ReportDataSource &m_source;
    const EventLabels &m_labels;
    ReportRun &m_run;
    bool m_log;
    qint64 m_fetches = 0;
};

// Shows no progress while it lives: laying out one page again is quick and not the user's long work.
class NoProgress
{
public:
    explicit NoProgress(AppContext &ctx) : m_ctx(ctx), m_saved(&ctx.progress()) { ctx.setProgress(nullptr); }
    ~NoProgress() { m_ctx.setProgress(m_saved); }

private:
    AppContext &m_ctx;
    ProgressSink *m_saved;
};

} // namespace

ReportDocument runReport(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source,
                         const EventLabels &labels)
{
    ReportRun run(definition);
    run.setPagesKept(true);
    Driver driver(ctx, definition, source, labels, run, true);
    driver.start();
    Layout layout(definition);
    layout.begin(run);
    driver.rows(layout);
    ReportDocument doc = layout.finish(run);
    driver.end();
    return doc;
}

ReportPlan planReport(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source,
                      const EventLabels &labels)
{
    ReportRun run(definition);
    run.setPicturesWanted(false);
    Driver driver(ctx, definition, source, labels, run, true);
    driver.start();
    Layout layout(definition);
    layout.setRecordStarts(true);
    layout.setPageSink([](Page &&, int) {});
    layout.begin(run);
    driver.rows(layout);
    layout.finish(run);
    driver.end();
    return ReportPlan{layout.pagesClosed(), layout.pageStarts()};
}

void streamReport(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source, const ReportPlan &plan,
                  const PageHandler &sink, int lastPage, const EventLabels &labels)
{
    ReportRun run(definition);
    Driver driver(ctx, definition, source, labels, run, false);
    driver.start();
    Layout layout(definition);
    layout.setPageCount(std::max(plan.pageCount, 1));
    layout.setPageSink([&](Page &&page, int number) { sink(page, number); });
    layout.begin(run);
    const bool ended = driver.rows(layout, [&] { return lastPage > 0 && layout.pagesClosed() >= lastPage; });
    if (ended)
        layout.finish(run);
    driver.end();
}

PageSource::PageSource(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source, ReportPlan plan,
                       const EventLabels &labels)
    : m_ctx(ctx), m_def(definition), m_source(source), m_plan(std::move(plan)), m_labels(labels), m_run(definition)
{
    NoProgress quiet(m_ctx);
    Driver(m_ctx, m_def, m_source, m_labels, m_run, false).start();
    m_startPosition = m_source.position();
}

PageSource::~PageSource()
{
    NoProgress quiet(m_ctx);
    Driver(m_ctx, m_def, m_source, m_labels, m_run, false).end();
}

Page PageSource::page(int number)
{
    if (number < 1 || number > m_plan.pageCount || number > m_plan.starts.size())
        return Page{};
    NoProgress quiet(m_ctx);
    ++m_layouts;
    const PageStart &start = m_plan.starts[number - 1];
    Driver driver(m_ctx, m_def, m_source, m_labels, m_run, false);
    driver.goTo(start, m_startPosition);

    Page out;
    bool done = false;
    Layout layout(m_def);
    layout.setPageCount(m_plan.pageCount);
    layout.setPageSink([&](Page &&page, int n) {
        if (n == number) {
            out = std::move(page);
            done = true;
        }
    });
    if (!start.hasRow) {
        layout.begin(m_run);
    } else if (driver.fetchOne()) {
        layout.resume(number, start);
        layout.placeRow(m_run);
    } else {
        // The row is gone (another program deleted it since the pages were counted): the page
        // starts with whatever follows.
        PageStart next = start;
        next.sectionsBefore = 0;
        layout.resume(number, next);
    }
    if (!done && driver.rows(layout, [&] { return done; }))
        layout.finish(m_run);
    return out;
}

} // namespace report
