#include "CinelogError.h"
#include "WorkbookBackends.h"
#include "WorkbookCellText.h"
#include "XmlPart.h"
#include "ZipParts.h"

#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString NumberNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");
const QString ManifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString ContentPart = QStringLiteral("content.xml");
const QString StylesPart = QStringLiteral("styles.xml");
const QString ManifestPart = QStringLiteral("META-INF/manifest.xml");

// A duration as OpenDocument writes a time ("PT18H48M00S", "PT255H10M10.5S", "P1DT2H"), in days.
bool parseDuration(QStringView v, double *days)
{
    qsizetype i = 0;
    const bool negative = v.startsWith(u'-');
    if (negative)
        ++i;
    if (i >= v.size() || v[i] != u'P')
        return false;
    ++i;
    bool inTime = false, any = false;
    double seconds = 0;
    while (i < v.size()) {
        if (v[i] == u'T') {
            inTime = true;
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < v.size() && (v[i].isDigit() || v[i] == u'.'))
            ++i;
        if (i == start || i >= v.size())
            return false;
        bool ok = false;
        const double n = v.mid(start, i - start).toDouble(&ok);
        if (!ok)
            return false;
        const QChar unit = v[i++];
        if (unit == u'D' && !inTime)
            seconds += n * 86400;
        else if (unit == u'H' && inTime)
            seconds += n * 3600;
        else if (unit == u'M' && inTime)
            seconds += n * 60;
        else if (unit == u'S' && inTime)
            seconds += n;
        else
            return false; // years and months have no fixed length
        any = true;
    }
    if (!any || !std::isfinite(seconds))
        return false;
    *days = (negative ? -seconds : seconds) / 86400;
    return true;
}

// A time style's parts as the number format code spreadsheets share: hours, minutes and seconds,
// AM/PM, and the literal text between them. Without truncation the first unit counts the total.
CellText::NumberFormat readTimeStyle(QXmlStreamReader &xml)
{
    const bool total = xml.attributes().value(NumberNs, QLatin1String("truncate-on-overflow")) == QLatin1String("false");
    QString code;
    bool firstUnit = true;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            --depth;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        ++depth;
        if (xml.namespaceUri() != NumberNs)
            continue;
        const QStringView n = xml.name();
        const bool isLong = xml.attributes().value(NumberNs, QLatin1String("style")) == QLatin1String("long");
        QString unit;
        if (n == QLatin1String("hours"))
            unit = isLong ? QStringLiteral("hh") : QStringLiteral("h");
        else if (n == QLatin1String("minutes"))
            unit = isLong ? QStringLiteral("mm") : QStringLiteral("m");
        else if (n == QLatin1String("seconds"))
            unit = isLong ? QStringLiteral("ss") : QStringLiteral("s");
        if (!unit.isEmpty()) {
            code += total && firstUnit ? QLatin1Char('[') + unit + QLatin1Char(']') : unit;
            firstUnit = false;
            if (n == QLatin1String("seconds")) {
                const int places = std::clamp(xml.attributes().value(NumberNs, QLatin1String("decimal-places")).toInt(), 0, 3);
                if (places > 0)
                    code += QLatin1Char('.') + QString(places, u'0');
            }
        } else if (n == QLatin1String("am-pm")) {
            code += QLatin1String("AM/PM");
        } else if (n == QLatin1String("text")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            --depth; // the element's end is read
            for (QChar ch : text) {
                code += QLatin1Char('\\');
                code += ch;
            }
        }
    }
    return CellText::NumberFormat::fromCode(code);
}

// The displayed text of a cell: its paragraphs joined by line breaks, with <text:s> spaces,
// tabs and line breaks expanded; notes (office:annotation) are left out.
QString readCellParagraphs(QXmlStreamReader &xml, qint64 maxChars, const QString &path)
{
    QString out;
    int depth = 1, paragraphs = 0, annotation = 0;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            const QStringView n = xml.name();
            if (xml.namespaceUri() == OfficeNs && n == QLatin1String("annotation")) {
                ++annotation;
            } else if (annotation == 0 && xml.namespaceUri() == TextNs) {
                if (n == QLatin1String("p") || n == QLatin1String("h")) {
                    if (paragraphs++ > 0)
                        out += QLatin1Char('\n');
                } else if (n == QLatin1String("s")) {
                    const int c = std::clamp(xml.attributes().value(TextNs, QLatin1String("c")).toInt(), 1, 1024);
                    out += QString(c, QLatin1Char(' '));
                } else if (n == QLatin1String("tab")) {
                    out += QLatin1Char('\t');
                } else if (n == QLatin1String("line-break")) {
                    out += QLatin1Char('\n');
                }
            }
        } else if (xml.isEndElement()) {
            --depth;
            if (xml.namespaceUri() == OfficeNs && xml.name() == QLatin1String("annotation"))
                --annotation;
        } else if (xml.isCharacters() && annotation == 0 && paragraphs > 0) {
            out += xml.text();
        }
        if (out.size() > maxChars)
            throw CinelogError(ErrorNumber::Overflow,
                               workbookMessage(path, logged("Workbook", "has a cell with more than %1 characters; it is damaged.").arg(maxChars)));
    }
    return out;
}

class OdsReader : public WorkbookReader
{
public:
    OdsReader(const QString &path, const WorkbookLimits &limits) : WorkbookReader(path, limits), m_zip(path, limits)
    {
        refuseEncrypted();
        readNamedStyles();
        // Sheet names come from a first pass that skips the cells.
        QXmlStreamReader xml(m_zip.read(ContentPart));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.namespaceUri() == OfficeNs && xml.name() == QLatin1String("automatic-styles")) {
                readStyles(xml);
            } else if (xml.isStartElement() && xml.namespaceUri() == TableNs && xml.name() == QLatin1String("table")) {
                if (m_names.size() >= m_limits.maxSheets)
                    throw CinelogError(ErrorNumber::Overflow, workbookMessage(m_path, logged("Workbook", "has too many worksheets.")));
                m_names << xml.attributes().value(TableNs, QLatin1String("name")).toString();
                xml.skipCurrentElement();
            }
        }
        throwIfXmlError(xml, m_path, ContentPart);
    }

    QStringList worksheetNames() const override { return m_names; }

    SheetData readSheet(int index) override
    {
        checkIndex(index);
        SheetData sheet(m_names.at(index), m_limits, m_path);
        QXmlStreamReader xml(m_zip.read(ContentPart));
        int tableNo = -1;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.namespaceUri() == TableNs && xml.name() == QLatin1String("table")) {
                if (++tableNo == index)
                    readTable(xml, sheet);
                else
                    xml.skipCurrentElement();
            }
        }
        throwIfXmlError(xml, m_path, ContentPart);
        return sheet;
    }

private:
    // A document saved with a password keeps its parts encrypted and says so in its manifest.
    void refuseEncrypted()
    {
        if (!m_zip.has(ManifestPart))
            return;
        QXmlStreamReader xml(m_zip.read(ManifestPart));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.namespaceUri() == ManifestNs && xml.name() == QLatin1String("encryption-data"))
                throw CinelogError(ErrorNumber::InvalidProcedureCall, workbookMessage(m_path, passwordProtectedText()));
        }
        // A damaged manifest says nothing of encryption; the parts read below tell the rest.
    }

    // The named styles (styles.xml) give only the look of times: a styles part that cannot be read
    // leaves them as the cells' own text shows them and never stops the import.
    void readNamedStyles()
    {
        if (!m_zip.has(StylesPart))
            return;
        try {
            QXmlStreamReader xml(m_zip.read(StylesPart));
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.namespaceUri() == OfficeNs && xml.name() == QLatin1String("styles"))
                    readStyles(xml);
            }
        } catch (const CinelogError &) {
            m_cellStyles.clear();
            m_timeStyles.clear();
        }
    }

    // Cell styles (their data style and the style they inherit from) and time styles, from the
    // current element to its end.
    void readStyles(QXmlStreamReader &xml)
    {
        int depth = 1;
        while (depth > 0 && !xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement()) {
                --depth;
                continue;
            }
            if (!xml.isStartElement())
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.namespaceUri() == NumberNs && xml.name() == QLatin1String("time-style")) {
                m_timeStyles.insert(a.value(StyleNs, QLatin1String("name")).toString(), readTimeStyle(xml));
                continue; // read to its end
            }
            ++depth;
            if (xml.namespaceUri() == StyleNs && xml.name() == QLatin1String("style")
                && a.value(StyleNs, QLatin1String("family")) == QLatin1String("table-cell")) {
                const QString name = a.value(StyleNs, QLatin1String("name")).toString();
                m_cellStyles.insert(name, {a.value(StyleNs, QLatin1String("data-style-name")).toString(),
                                           a.value(StyleNs, QLatin1String("parent-style-name")).toString()});
            }
        }
    }

    // The time format a cell style shows its values with, itself or through the styles it
    // inherits from; nullptr when it has none.
    const CellText::NumberFormat *timeFormatOf(QString style) const
    {
        for (int step = 0; step < 16 && !style.isEmpty(); ++step) {
            const auto it = m_cellStyles.constFind(style);
            if (it == m_cellStyles.cend())
                return nullptr;
            if (!it->dataStyle.isEmpty()) {
                const auto f = m_timeStyles.constFind(it->dataStyle);
                return f != m_timeStyles.cend() && f->isDateOrTime() && f->kind() == CellText::SerialKind::Time ? &*f : nullptr;
            }
            style = it->parent;
        }
        return nullptr;
    }

    void readTable(QXmlStreamReader &xml, SheetData &sheet)
    {
        qint64 row = 0; // rows before the current one
        m_columnStyles.clear();
        qint64 columns = 0;
        int depth = 1;
        while (depth > 0 && !xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement()) {
                --depth;
                continue;
            }
            if (!xml.isStartElement())
                continue;
            if (xml.namespaceUri() == TableNs && xml.name() == QLatin1String("table-row")) {
                const qint64 repeat = std::max<qint64>(1, xml.attributes().value(TableNs, QLatin1String("number-rows-repeated")).toLongLong());
                readRow(xml, sheet, row, repeat);
                row += repeat;
            } else if (xml.namespaceUri() == TableNs && xml.name() == QLatin1String("table-column")) {
                // The style of a column's cells that name none of their own.
                const qint64 repeat = std::clamp<qint64>(
                    xml.attributes().value(TableNs, QLatin1String("number-columns-repeated")).toLongLong(), 1, m_limits.maxColumns);
                const QString style = xml.attributes().value(TableNs, QLatin1String("default-cell-style-name")).toString();
                columns = std::min<qint64>(columns + repeat, qint64(m_limits.maxColumns) + 1);
                if (columns <= m_limits.maxColumns)
                    m_columnStyles.push_back({columns, style});
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == TableNs
                       && (xml.name() == QLatin1String("table-header-rows") || xml.name() == QLatin1String("table-rows")
                           || xml.name() == QLatin1String("table-row-group") || xml.name() == QLatin1String("table-header-columns")
                           || xml.name() == QLatin1String("table-columns") || xml.name() == QLatin1String("table-column-group"))) {
                ++depth; // rows and columns nested in groups still count in order
            } else {
                xml.skipCurrentElement();
            }
        }
    }

    QString columnStyle(qint64 column) const
    {
        const auto it = std::lower_bound(m_columnStyles.cbegin(), m_columnStyles.cend(), column,
                                         [](const ColumnStyle &c, qint64 col) { return c.last < col; });
        return it == m_columnStyles.cend() ? QString() : it->style;
    }

    void readRow(QXmlStreamReader &xml, SheetData &sheet, qint64 rowsBefore, qint64 rowRepeat)
    {
        const QString rowStyle = xml.attributes().value(TableNs, QLatin1String("default-cell-style-name")).toString();
        qint64 column = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement())
                return; // the row's end: cells are read whole below
            if (!xml.isStartElement())
                continue;
            const bool covered = xml.name() == QLatin1String("covered-table-cell");
            if (xml.namespaceUri() != TableNs || (xml.name() != QLatin1String("table-cell") && !covered)) {
                xml.skipCurrentElement();
                continue;
            }
            const QXmlStreamAttributes a = xml.attributes();
            const qint64 colRepeat = std::max<qint64>(1, a.value(TableNs, QLatin1String("number-columns-repeated")).toLongLong());
            const QString type = a.value(OfficeNs, QLatin1String("value-type")).toString();
            QString style = a.value(TableNs, QLatin1String("style-name")).toString();
            if (style.isEmpty())
                style = rowStyle.isEmpty() ? columnStyle(column + 1) : rowStyle;
            const QString shown = readCellParagraphs(xml, 32767, m_path);
            QString text;
            if (type == QLatin1String("float")) {
                bool ok = false;
                const double d = a.value(OfficeNs, QLatin1String("value")).toDouble(&ok);
                text = ok ? CellText::number(d) : shown;
            } else if (type == QLatin1String("date")) {
                const QString v = a.value(OfficeNs, QLatin1String("date-value")).toString();
                const QDateTime dt = QDateTime::fromString(v, Qt::ISODate);
                const QDate d = QDate::fromString(v, Qt::ISODate);
                const CellText::NumberFormat *timeFormat = timeFormatOf(style);
                if (dt.isValid() && timeFormat) // a date and time shown as its time only
                    text = timeFormat->text(double(QDate(1899, 12, 30).daysTo(dt.date())) + dt.time().msecsSinceStartOfDay() / 86400000.0, false);
                else
                    text = dt.isValid() ? CellText::dateTime(dt) : d.isValid() ? CellText::date(d) : shown;
            } else if (type == QLatin1String("time")) {
                double days = 0;
                const bool ok = parseDuration(a.value(OfficeNs, QLatin1String("time-value")), &days);
                const CellText::NumberFormat *timeFormat = timeFormatOf(style);
                if (ok && timeFormat)
                    text = timeFormat->text(days, false);
                else
                    text = !shown.isEmpty() || !ok ? shown : CellText::fromSerial(days, false, CellText::SerialKind::Time);
            } else if (type == QLatin1String("boolean")) {
                const QStringView v = a.value(OfficeNs, QLatin1String("boolean-value"));
                text = CellText::boolean(v == QLatin1String("true") || v == QLatin1String("1"));
            } else {
                text = shown; // strings, and values whose display is what the user reads (percentages, currency)
            }
            if (!text.isEmpty()) {
                if (rowRepeat * colRepeat > m_limits.maxCells)
                    throw CinelogError(ErrorNumber::Overflow,
                                       workbookMessage(m_path, logged("Workbook", "is damaged or hostile: one cell of the worksheet “%1” "
                                                                              "repeats over %2 cells.")
                                                                   .arg(sheet.name())
                                                                   .arg(rowRepeat * colRepeat)));
                for (qint64 r = 1; r <= rowRepeat; ++r)
                    for (qint64 c = 1; c <= colRepeat; ++c)
                        sheet.setCell(rowsBefore + r, column + c, text);
            }
            column += colRepeat;
        }
    }

    struct CellStyle {
        QString dataStyle, parent;
    };
    struct ColumnStyle {
        qint64 last; // the last column (from 1) of a run of columns with this style
        QString style;
    };

    ZipParts m_zip;
    QStringList m_names;
    QHash<QString, CellStyle> m_cellStyles;
    QHash<QString, CellText::NumberFormat> m_timeStyles;
    std::vector<ColumnStyle> m_columnStyles; // of the table being read, in column order
};

}

std::unique_ptr<WorkbookReader> openOdsWorkbook(const QString &path, const WorkbookLimits &limits)
{
    return std::make_unique<OdsReader>(path, limits);
}
