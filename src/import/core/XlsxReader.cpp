#include "CinelogError.h"
#include "CompoundFile.h"
#include "WorkbookBackends.h"
#include "WorkbookCellText.h"
#include "XmlPart.h"
#include "ZipParts.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QXmlStreamReader>

namespace {

// The relationship namespaces of transitional and of strict Open XML.
const QString RelNs = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString StrictRelNs = QStringLiteral("http://purl.oclc.org/ooxml/officeDocument/relationships");

// Open XML text writes a character XML cannot hold as _xHHHH_ (_x000D_ a carriage return), and an
// underscore that would start such a sequence as _x005F_.
QString decodeEscapes(const QString &s)
{
    if (!s.contains(QLatin1String("_x")))
        return s;
    const auto hex = [](QChar c) {
        const char16_t u = c.unicode();
        return u >= '0' && u <= '9' ? int(u - '0') : u >= 'a' && u <= 'f' ? int(u - 'a' + 10) : u >= 'A' && u <= 'F' ? int(u - 'A' + 10) : -1;
    };
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) == u'_' && i + 6 < s.size() && s.at(i + 1) == u'x' && s.at(i + 6) == u'_') {
            int value = 0;
            for (qsizetype k = i + 2; k < i + 6 && value >= 0; ++k)
                value = hex(s.at(k)) < 0 ? -1 : value * 16 + hex(s.at(k));
            if (value >= 0) {
                out += QChar(char16_t(value));
                i += 6;
                continue;
            }
        }
        out += s.at(i);
    }
    return out;
}

// Excel saves a workbook protected with a password as a compound document that holds the
// encrypted package, not as a zip archive.
const QString &refuseEncrypted(const QString &path, const WorkbookLimits &limits)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.peek(8).startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return path;
    const QByteArray file = f.read(limits.maxFileBytes);
    if (CompoundFile::hasStreams(file, {QStringLiteral("EncryptionInfo"), QStringLiteral("EncryptedPackage")}) == CompoundFile::Status::Ok)
        throw CinelogError(ErrorNumber::InvalidProcedureCall, workbookMessage(path, passwordProtectedText()));
    return path;
}

// "BC12" -> column 55, row 12. Returns false for anything else.
bool parseCellRef(QStringView ref, qint64 &row, qint64 &column)
{
    qint64 c = 0, r = 0;
    qsizetype i = 0;
    while (i < ref.size() && ref[i].isLetter() && ref[i].unicode() < 128) {
        c = c * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
        if (c > (1LL << 40))
            return false;
        ++i;
    }
    if (i == 0 || i == ref.size())
        return false;
    for (; i < ref.size(); ++i) {
        if (!ref[i].isDigit())
            return false;
        r = r * 10 + ref[i].digitValue();
        if (r > (1LL << 40))
            return false;
    }
    row = r;
    column = c;
    return true;
}

// Reads the text of the current element and its children (<t> runs), leaving phonetic hints out.
QString readRichText(QXmlStreamReader &xml)
{
    QString out, run;
    int depth = 1;
    bool inText = false, inPhonetic = false;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == QLatin1String("rPh"))
                inPhonetic = true;
            else if (xml.name() == QLatin1String("t"))
                inText = true;
        } else if (xml.isEndElement()) {
            --depth;
            if (xml.name() == QLatin1String("rPh")) {
                inPhonetic = false;
            } else if (xml.name() == QLatin1String("t")) {
                inText = false;
                out += decodeEscapes(run); // each run's text is escaped on its own
                run.clear();
            }
        } else if (xml.isCharacters() && inText && !inPhonetic) {
            run += xml.text();
        }
    }
    return out;
}

class XlsxReader : public WorkbookReader
{
public:
    XlsxReader(const QString &path, const WorkbookLimits &limits)
        : WorkbookReader(path, limits), m_zip(refuseEncrypted(path, limits), limits)
    {
        readWorkbook();
        readStyles();
    }

    QStringList worksheetNames() const override { return m_names; }

    SheetData readSheet(int index) override
    {
        checkIndex(index);
        if (!m_sharedStringsRead) {
            readSharedStrings();
            m_sharedStringsRead = true;
        }
        const QString part = m_parts.at(index);
        const QByteArray data = m_zip.read(part);
        SheetData sheet(m_names.at(index), m_limits, m_path);
        QXmlStreamReader xml(data);
        qint64 row = 0, column = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("row")) {
                const QStringView r = xml.attributes().value(QLatin1String("r"));
                bool ok = false;
                const qint64 n = r.toLongLong(&ok);
                row = ok ? n : row + 1;
                column = 0;
                if (row < 1 || row > m_limits.maxRows)
                    sheet.setCell(row, 1, QString()); // reports the row as out of range
            } else if (xml.name() == QLatin1String("c")) {
                readCell(xml, sheet, row, column);
            }
        }
        throwIfXmlError(xml, m_path, part);
        return sheet;
    }

private:
    void readCell(QXmlStreamReader &xml, SheetData &sheet, qint64 row, qint64 &column)
    {
        const QXmlStreamAttributes a = xml.attributes();
        const QStringView ref = a.value(QLatin1String("r"));
        qint64 r = row, c = column + 1;
        if (!ref.isEmpty() && !parseCellRef(ref, r, c))
            throw CinelogError(ErrorNumber::InvalidProcedureCall,
                               workbookMessage(m_path, logged("Workbook", "is damaged: “%1” is not a cell reference.").arg(ref.toString())));
        column = c;
        const QString type = a.value(QLatin1String("t")).toString();
        const int style = a.value(QLatin1String("s")).toInt();
        QString value;
        bool haveValue = false;
        QString inline_;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                break;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("v")) {
                value = xml.readElementText();
                haveValue = true;
            } else if (xml.name() == QLatin1String("is")) {
                inline_ = readRichText(xml);
                haveValue = true;
            } else {
                xml.skipCurrentElement(); // formulas and extensions
            }
        }
        if (xml.hasError())
            return;
        if (!haveValue) {
            sheet.setCell(r, c, QString()); // still checks the position
            return;
        }
        sheet.setCell(r, c, cellText(type, style, value, inline_));
    }

    QString cellText(const QString &type, int style, const QString &value, const QString &inlineText) const
    {
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int i = value.toInt(&ok);
            if (!ok || i < 0 || i >= m_shared.size())
                throw CinelogError(ErrorNumber::InvalidProcedureCall,
                                   workbookMessage(m_path, logged("Workbook", "is damaged: a cell refers to shared text %1, which is missing.").arg(value)));
            return m_shared.at(i);
        }
        if (type == QLatin1String("inlineStr"))
            return inlineText;
        if (type == QLatin1String("str"))
            return decodeEscapes(value);
        if (type == QLatin1String("e"))
            return value;
        if (type == QLatin1String("b"))
            return CellText::boolean(value.trimmed() == QLatin1String("1") || value.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
        if (type == QLatin1String("d")) {
            const QDateTime dt = QDateTime::fromString(value, Qt::ISODate);
            return dt.isValid() ? CellText::dateTime(dt) : value;
        }
        bool ok = false;
        const double d = value.trimmed().toDouble(&ok);
        if (!ok)
            return value;
        if (style >= 0 && style < m_styleFormat.size() && m_styleFormat.at(style) >= 0)
            return m_formats.at(m_styleFormat.at(style)).text(d, m_epoch1904);
        return CellText::number(d);
    }

    void readWorkbook()
    {
        const QString wbPart = QStringLiteral("xl/workbook.xml");
        QList<QString> relIds;
        {
            QXmlStreamReader xml(m_zip.read(wbPart));
            while (!xml.atEnd()) {
                xml.readNext();
                if (!xml.isStartElement())
                    continue;
                if (xml.name() == QLatin1String("sheet")) {
                    if (m_names.size() >= m_limits.maxSheets)
                        throw CinelogError(ErrorNumber::Overflow, workbookMessage(m_path, logged("Workbook", "has too many worksheets.")));
                    QString id = xml.attributes().value(RelNs, QLatin1String("id")).toString();
                    if (id.isEmpty())
                        id = xml.attributes().value(StrictRelNs, QLatin1String("id")).toString();
                    if (id.isEmpty())
                        id = xml.attributes().value(QLatin1String("r:id")).toString();
                    m_names << decodeEscapes(xml.attributes().value(QLatin1String("name")).toString());
                    relIds << id;
                } else if (xml.name() == QLatin1String("workbookPr")) {
                    const QStringView v = xml.attributes().value(QLatin1String("date1904"));
                    m_epoch1904 = v == QLatin1String("1") || v == QLatin1String("true");
                }
            }
            throwIfXmlError(xml, m_path, wbPart);
        }
        QHash<QString, QString> targets, types;
        QString sharedTarget, stylesTarget;
        const QString relPart = QStringLiteral("xl/_rels/workbook.xml.rels");
        QXmlStreamReader xml(m_zip.read(relPart));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("Relationship")) {
                const QString target = xml.attributes().value(QLatin1String("Target")).toString();
                targets.insert(xml.attributes().value(QLatin1String("Id")).toString(), target);
                types.insert(xml.attributes().value(QLatin1String("Id")).toString(),
                             xml.attributes().value(QLatin1String("Type")).toString());
                // The shared-string table is found by its kind; its file name is free.
                if (xml.attributes().value(QLatin1String("Type")).endsWith(QLatin1String("/sharedStrings")))
                    sharedTarget = target;
                else if (xml.attributes().value(QLatin1String("Type")).endsWith(QLatin1String("/styles")))
                    stylesTarget = target;
            }
        }
        throwIfXmlError(xml, m_path, relPart);
        const QStringList allNames = std::exchange(m_names, {});
        for (qsizetype i = 0; i < relIds.size(); ++i) {
            const QString &id = relIds.at(i);
            QString target = targets.value(id);
            if (target.isEmpty())
                throw CinelogError(ErrorNumber::InvalidProcedureCall,
                                   workbookMessage(m_path, logged("Workbook", "is damaged: a worksheet's part is not named.")));
            if (!isWorksheet(types.value(id), target))
                continue; // chart, dialog and macro sheets hold no cells to import
            m_names << allNames.at(i);
            if (target.startsWith(QLatin1Char('/')))
                target = target.mid(1);
            else
                target = QStringLiteral("xl/") + target;
            m_parts << target;
        }
        const auto partOf = [](const QString &target, const char *fallback) {
            if (target.isEmpty())
                return QString::fromLatin1(fallback);
            return target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
        };
        m_sharedPart = partOf(sharedTarget, "xl/sharedStrings.xml");
        m_stylesPart = partOf(stylesTarget, "xl/styles.xml");
    }

    static bool isWorksheet(const QString &type, const QString &target)
    {
        if (!type.isEmpty())
            return type.endsWith(QLatin1String("/worksheet"));
        // Without a stated kind, the folder Excel keeps each kind in tells.
        for (const char *folder : {"chartsheets/", "dialogsheets/", "macrosheets/"})
            if (target.contains(QLatin1String(folder), Qt::CaseInsensitive))
                return false;
        return true;
    }

    void readStyles()
    {
        const QString part = m_stylesPart;
        if (!m_zip.has(part))
            return;
        QHash<int, QString> customFormats;
        QHash<int, int> formatIndex; // number format -> index in m_formats, or -1 for a plain number
        QXmlStreamReader xml(m_zip.read(part));
        bool inCellXfs = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                if (xml.name() == QLatin1String("numFmt")) {
                    customFormats.insert(xml.attributes().value(QLatin1String("numFmtId")).toInt(),
                                         xml.attributes().value(QLatin1String("formatCode")).toString());
                } else if (xml.name() == QLatin1String("cellXfs")) {
                    inCellXfs = true;
                } else if (inCellXfs && xml.name() == QLatin1String("xf")) {
                    if (m_styleFormat.size() >= 1'000'000)
                        throw CinelogError(ErrorNumber::Overflow, workbookMessage(m_path, logged("Workbook", "has too many cell styles.")));
                    const int id = xml.attributes().value(QLatin1String("numFmtId")).toInt();
                    auto known = formatIndex.constFind(id);
                    if (known == formatIndex.cend()) {
                        const CellText::NumberFormat f = customFormats.contains(id) ? CellText::NumberFormat::fromCode(customFormats.value(id))
                                                                                    : CellText::NumberFormat::builtIn(id);
                        int index = -1;
                        if (f.isDateOrTime()) {
                            index = int(m_formats.size());
                            m_formats.push_back(f);
                        }
                        known = formatIndex.insert(id, index);
                    }
                    m_styleFormat << *known;
                    xml.skipCurrentElement();
                }
            } else if (xml.isEndElement() && xml.name() == QLatin1String("cellXfs")) {
                inCellXfs = false;
            }
        }
        throwIfXmlError(xml, m_path, part);
    }

    void readSharedStrings()
    {
        if (!m_zip.has(m_sharedPart))
            return;
        QXmlStreamReader xml(m_zip.read(m_sharedPart));
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("si")) {
                if (m_shared.size() >= m_limits.maxCells)
                    throw CinelogError(ErrorNumber::Overflow, workbookMessage(m_path, logged("Workbook", "has too many texts.")));
                m_shared << readRichText(xml);
            }
        }
        throwIfXmlError(xml, m_path, m_sharedPart);
    }

    ZipParts m_zip;
    QStringList m_names;
    QStringList m_parts;
    QString m_sharedPart, m_stylesPart;
    QStringList m_shared;
    bool m_sharedStringsRead = false;
    std::vector<CellText::NumberFormat> m_formats; // the date and time formats the styles use
    QList<int> m_styleFormat;                      // per cell style: an index in m_formats, or -1
    bool m_epoch1904 = false;
};

}

std::unique_ptr<WorkbookReader> openXlsxWorkbook(const QString &path, const WorkbookLimits &limits)
{
    return std::make_unique<XlsxReader>(path, limits);
}
