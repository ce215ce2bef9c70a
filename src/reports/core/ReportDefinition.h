#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

// A banded report described as data. All positions and sizes are in twips (1/1440 inch); control
// positions are relative to the top-left corner of their section, sections stack from the top margin.
namespace report {

// 1440 twips to the inch, 20 to the point.
constexpr int TwipsPerInch = 1440;
constexpr int TwipsPerPoint = 20;

// A picture: either decoded, or kept encoded (PNG/JPEG bytes) until it is painted, so a long report
// with a cover on every page does not hold every decoded cover in memory.
struct Picture {
    QImage image;
    QByteArray encoded;

    bool isNull() const { return image.isNull() && encoded.isEmpty(); }
    QImage toImage() const;
    QSize size() const;
};

enum class ControlKind {
    Label,      // fixed or run-time text
    Field,      // the current value of a named data field
    PageNumber, // the number of the page it is printed on
    PageCount,  // the number of pages of the whole report
    Line,
    Picture,
};

struct Control {
    QString name;
    ControlKind kind = ControlKind::Label;
    QRect rect;        // left, top, width, height (not used by lines)
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // lines
    QString text;      // label text
    QString dataField; // bound data field of a Field
    bool canGrow = false; // grows downwards to fit its text, pushing what lies below it
    bool visible = true;
    int pointSize = 9;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    Picture picture;

    static Control label(const QString &name, const QString &text, int left, int top, int width, int height,
                         int pointSize = 9, bool bold = false);
    static Control field(const QString &name, const QString &dataField, int left, int top, int width, int height,
                         int pointSize = 9, bool bold = false);
    static Control pageNumber(const QString &name, int left, int top, int width, int height);
    static Control pageCount(const QString &name, int left, int top, int width, int height);
    static Control line(const QString &name, int x1, int y1, int x2, int y2);
    static Control image(const QString &name, const QImage &image, int left, int top, int width, int height);

    // The font the control's text is measured and painted with; its pixel size is in twips.
    QFont font() const;
};

struct Section {
    QString name;
    int height = 0;
    QList<Control> controls;
    // For a group header: the data field whose change starts a new group.
    QString groupField;

    Control *control(const QString &controlName);
};

struct PageSetup {
    QSize paper;          // twips
    int topMargin = 720;
    int bottomMargin = 360;
    int leftMargin = 360;
    int rightMargin = 180;
    bool a4 = false;

    // Letter in countries that use it, A4 elsewhere, from the user's locale; the report margins.
    static PageSetup forLocale();
    static PageSetup letter();
    static PageSetup isoA4();
};

struct ReportDefinition {
    QString name;    // e.g. "arMovieList"
    QString caption; // title of the preview window
    Section pageHeader;
    std::optional<Section> groupHeader;
    Section detail;
    std::optional<Section> groupFooter;
    Section pageFooter;
    PageSetup page = PageSetup::forLocale();

    // Finds a control in any section; nullptr when there is none of that name.
    Control *control(const QString &controlName);
    // Like control() but throws CinelogError for a missing name (a fault in a report definition).
    Control &at(const QString &controlName);
};

} // namespace report
