#pragma once

#include "ReportDefinition.h"

#include <QHash>
#include <QLineF>
#include <QRectF>
#include <QStringList>
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

// Lays sections out into pages. Exposed for tests and for reports built without a data source.
class Layout
{
public:
    explicit Layout(ReportDefinition &definition);

    // Places the page header on the first page.
    void begin(const ReportRun &run);
    // Places the group header (when its field changed), then the detail for the current row.
    void placeRow(const ReportRun &run);
    // Closes the last group and page and fills in page counts.
    ReportDocument finish(const ReportRun &run);

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
    int m_y = 0;            // next free position on the page, twips from the paper's top
    int m_bodyTop = 0;      // where sections start below the page header
    bool m_inGroup = false;
    QString m_groupKey;
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

// The text a control shows for the current row (page fields excluded).
QString controlText(const Control &c, const ReportRun &run);

} // namespace report
