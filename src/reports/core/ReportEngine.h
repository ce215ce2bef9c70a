#pragma once

#include "ReportDefinition.h"

#include <QHash>
#include <QLineF>
#include <QRectF>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

class AppContext;

namespace report {

// The report while it runs: its definition (whose run-time texts, visibility and pictures the data
// source may change at any event) and its named data fields.
class ReportRun
{
public:
    explicit ReportRun(ReportDefinition &definition) : m_def(definition) {}

    // False while the report is only being laid out to count its pages: pictures do not change
    // where anything goes, so a source may leave them unloaded (their visibility still counts).
    bool picturesWanted() const { return m_picturesWanted; }
    void setPicturesWanted(bool wanted) { m_picturesWanted = wanted; }
    // True while every page of the report is kept (runReport): a source then keeps its pictures
    // compressed. Pages painted as they are laid out hold their pictures only for a moment.
    bool pagesKept() const { return m_pagesKept; }
    void setPagesKept(bool kept) { m_pagesKept = kept; }

    ReportDefinition &definition() { return m_def; }
    Control &control(const QString &name) { return m_def.at(name); }

    // Adds a data field; adding an existing one keeps its value.
    void addField(const QString &name);
    // Sets a data field; throws CinelogError for a field that was never added.
    void setField(const QString &name, const QString &value);
    QString field(const QString &name) const { return m_values.value(name); }
    bool hasField(const QString &name) const { return m_values.contains(name); }
    const QStringList &fieldNames() const { return m_order; }

private:
    ReportDefinition &m_def;
    QHash<QString, QString> m_values;
    QStringList m_order;
    bool m_picturesWanted = true;
    bool m_pagesKept = false;
};

// What fills a report. The engine calls ReportStart and DataInitialize before the first row, then
// FetchData until it sets eof, then ReportEnd.
class ReportDataSource
{
public:
    virtual ~ReportDataSource() = default;
    virtual void DataInitialize(ReportRun &run) = 0;
    virtual void ReportStart(ReportRun &run) = 0;
    // Fills the data fields for one row, or sets eof when there is none left.
    virtual void FetchData(ReportRun &run, bool &eof) = 0;
    virtual void ReportEnd(ReportRun &) {}

    // Going back to a row, so that one page of a long report can be laid out again on its own.
    // position() tells where the source stands (after the last row fetched); seek() makes the next
    // FetchData return the row after such a position. A source that cannot do this returns an
    // invalid position, and the engine starts it again from DataInitialize and skips rows instead.
    virtual QVariant position() const { return {}; }
    virtual void seek(ReportRun &, const QVariant &) {}
};

// One thing drawn on a page; rectangles are in twips from the top-left corner of the paper.
struct PlacedItem {
    enum class Kind { Text, Line, Image };
    Kind kind = Kind::Text;
    QString section;
    QString control;
    QRectF rect;
    QString text;
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wrap = false;
    QLineF line;
    Picture picture;
};

struct Page {
    QList<PlacedItem> items;

    // Items of one control on this page, top to bottom.
    QList<const PlacedItem *> itemsOf(const QString &control) const;
    QStringList textsOf(const QString &control) const;
};

struct ReportDocument {
    QString name;
    QString caption;
    PageSetup page;
    QList<Page> pages;

    int pageCount() const { return int(pages.size()); }
    // Texts of one control over all pages, in order.
    QStringList textsOf(const QString &control) const;
};

// Where a page starts, kept by the counting pass so that the page can be laid out again alone: the
// row whose sections open the page (fetched again from the source's position before it), how many
// of that row's sections went on the page before, and the group the row started in.
struct PageStart {
    QVariant position;          // the source's position before the row
    qint64 fetchesBefore = 0;   // FetchData calls before the row, for sources that cannot seek
    bool hasRow = false;        // false for a page that starts before the first row
    int sectionsBefore = 0;     // sections of the row (and of the report's end) already placed
    bool inGroup = false;       // the group state when the row began
    QString groupKey;
};

// What the counting pass learns: how many pages there are and where each starts.
struct ReportPlan {
    int pageCount = 0;
    QList<PageStart> starts; // one per page, in order
};

// Lays sections out into pages. Exposed for tests and for reports built without a data source.
class Layout
{
public:
    explicit Layout(ReportDefinition &definition);

    // Where closed pages go. Without a sink the pages are kept and finish() returns them all; with
    // one, each page is handed over as soon as it is complete and not kept.
    using PageSink = std::function<void(Page &&page, int number)>;
    void setPageSink(PageSink sink) { m_sink = std::move(sink); }
    // The number "Page n of m" prints, when it is known before the pages are laid out (otherwise
    // finish() fills it into the kept pages).
    void setPageCount(int count) { m_pageCount = count; }
    // Keeps a PageStart for every page (see rowStarts()).
    void setRecordStarts(bool record) { m_recordStarts = record; }

    // Places the page header on the first page.
    void begin(const ReportRun &run);
    // Tells the layout that a new row begins: where the source stood before it.
    void startRow(const QVariant &position, qint64 fetchesBefore);
    // Places the group header (when its field changed), then the detail for the current row.
    void placeRow(const ReportRun &run);
    // Closes the last group and page and fills in page counts.
    ReportDocument finish(const ReportRun &run);

    // Lays out again from the start of page `number`, whose row the run already holds: the first
    // start.sectionsBefore sections are passed over, and the next one opens the page.
    void resume(int number, const PageStart &start);

    // Pages closed so far (handed to the sink or kept).
    int pagesClosed() const { return m_closed; }
    const QList<PageStart> &pageStarts() const { return m_starts; }

    // Height of a section once its growing controls are measured, and the controls' final rectangles.
    struct Measured {
        int height = 0;
        QList<QRect> rects;
    };
    static Measured measure(const Section &section, const ReportRun &run);

private:
    void place(const Section &section, const ReportRun &run);
    void newPage(const ReportRun &run);
    void placeAt(const Section &section, const ReportRun &run, int top, const Measured &m);
    void closePage(const ReportRun &run);

    ReportDefinition &m_def;
    ReportDocument m_doc;
    Page m_page;
    bool m_pageOpen = false;
    int m_pageNumber = 0;
    int m_closed = 0;
    int m_pageCount = 0;
    PageSink m_sink;
    int m_y = 0;            // next free position on the page, twips from the paper's top
    int m_bodyTop = 0;      // where sections start below the page header
    bool m_inGroup = false;
    QString m_groupKey;
    // The row being placed, for page starts.
    bool m_recordStarts = false;
    QList<PageStart> m_starts;
    PageStart m_row;
    int m_skip = 0;         // sections still to pass over after resume()
};

// Runs a report: the events in order, each failure logged under "<report> - <label>" and the event
// left; then lays out the pages. labels gives the event labels used in the log.
struct EventLabels {
    QString dataInitialize = QStringLiteral(" - ActiveReport_DataInitialize");
    QString reportStart = QStringLiteral(" - ActiveReport_ReportStart");
    QString fetchData = QStringLiteral(" - ActiveReport_FetchData");
    QString reportEnd = QStringLiteral(" - ActiveReport_ReportEnd");
};

ReportDocument runReport(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source,
                         const EventLabels &labels = {});

// The counting pass: runs the report (failures logged as runReport logs them) without keeping any
// page or loading any picture, and returns the page count and where each page starts.
ReportPlan planReport(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source,
                      const EventLabels &labels = {});

// Runs the report again and hands each page to sink as soon as it is laid out, numbered from 1 with
// plan.pageCount as the page count; only one page is held at a time. Stops after page lastPage
// (0: at the end). Failures were logged by the counting pass and are not logged again.
using PageHandler = std::function<void(const Page &page, int number)>;
void streamReport(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source,
                  const ReportPlan &plan, const PageHandler &sink, int lastPage = 0, const EventLabels &labels = {});

// Lays out single pages of a counted report on demand, for a preview: the report is started once,
// and each page is laid out again from its recorded start. Keeps nothing between calls but the
// plan. The report's end event runs when the object goes.
class PageSource
{
public:
    PageSource(AppContext &ctx, ReportDefinition &definition, ReportDataSource &source, ReportPlan plan,
               const EventLabels &labels = {});
    ~PageSource();
    PageSource(const PageSource &) = delete;
    PageSource &operator=(const PageSource &) = delete;

    int pageCount() const { return m_plan.pageCount; }
    const QString &caption() const { return m_def.caption; }
    const PageSetup &pageSetup() const { return m_def.page; }
    // Page number (1-based); an empty page for a number out of range.
    Page page(int number);
    // How many pages have been laid out so far.
    int layouts() const { return m_layouts; }

private:
    AppContext &m_ctx;
    ReportDefinition &m_def;
    ReportDataSource &m_source;
    ReportPlan m_plan;
    EventLabels m_labels;
    ReportRun m_run;
    QVariant m_startPosition;
    int m_layouts = 0;
};

// The text a control shows for the current row (page fields excluded).
QString controlText(const Control &c, const ReportRun &run);

} // namespace report
