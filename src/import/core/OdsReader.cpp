#include "CinelogError.h"
#include "WorkbookBackends.h"
#include "WorkbookCellText.h"
#include "XmlPart.h"
#include "ZipParts.h"

#include <QXmlStreamReader>

namespace {

const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString ContentPart = QStringLiteral("content.xml");

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
                               workbookMessage(path, QStringLiteral("has a cell with more than %1 characters; it is damaged.").arg(maxChars)));
    }
    return out;
}

class OdsReader : public WorkbookReader
{
public:
    OdsReader(const QString &path, const WorkbookLimits &limits) : WorkbookReader(path, limits), m_zip(path, limits)
    {
        // Sheet names come from a first pass that skips the cells.
        QXmlStreamReader xml(m_zip.read(ContentPart));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.namespaceUri() == TableNs && xml.name() == QLatin1String("table")) {
                if (m_names.size() >= m_limits.maxSheets)
                    throw CinelogError(ErrorNumber::Overflow, workbookMessage(m_path, QStringLiteral("has too many worksheets.")));
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
    void readTable(QXmlStreamReader &xml, SheetData &sheet)
    {
        qint64 row = 0; // rows before the current one
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
            } else if (xml.namespaceUri() == TableNs
                       && (xml.name() == QLatin1String("table-header-rows") || xml.name() == QLatin1String("table-rows")
                           || xml.name() == QLatin1String("table-row-group"))) {
                ++depth; // rows nested in groups still count in order
            } else {
                xml.skipCurrentElement();
            }
        }
    }

    void readRow(QXmlStreamReader &xml, SheetData &sheet, qint64 rowsBefore, qint64 rowRepeat)
    {
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
                text = dt.isValid() ? CellText::dateTime(dt) : d.isValid() ? CellText::date(d) : shown;
            } else if (type == QLatin1String("boolean")) {
                const QStringView v = a.value(OfficeNs, QLatin1String("boolean-value"));
                text = CellText::boolean(v == QLatin1String("true") || v == QLatin1String("1"));
            } else {
                text = shown; // strings, and values whose display is what the user reads (percentages, currency, times)
            }
            if (!text.isEmpty()) {
                if (rowRepeat * colRepeat > m_limits.maxCells)
                    throw CinelogError(ErrorNumber::Overflow,
                                       workbookMessage(m_path, QStringLiteral("is damaged or hostile: one cell of the worksheet “%1” "
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

    ZipParts m_zip;
    QStringList m_names;
};

}

std::unique_ptr<WorkbookReader> openOdsWorkbook(const QString &path, const WorkbookLimits &limits)
{
    return std::make_unique<OdsReader>(path, limits);
}
