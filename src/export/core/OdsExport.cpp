#include "CatalogueExport.h"
#include "ExportTempFile.h"

#include <QXmlStreamWriter>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

namespace {

const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString FoNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString ManifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");

// Characters XML 1.0 cannot hold are left out rather than making the file unreadable.
bool xmlChar(QChar c)
{
    return c.unicode() >= 0x20 || c == u'\t' || c == u'\n';
}

class OdsWriter : public ExportWriter
{
public:
    explicit OdsWriter(const QString &path) : m_target(path), m_temp(path), m_zip(m_temp.fileName()) {}

    void begin(const QStringList &headings) override
    {
        if (!m_zip.open(QuaZip::mdCreate))
            exportFailed(m_target, QStringLiteral("the file could not be created (zip error %1).").arg(m_zip.getZipError()));
        // The first entry names the kind of document, stored uncompressed, as readers expect.
        writeEntry(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet", false);
        writeEntry(QStringLiteral("META-INF/manifest.xml"),
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.2\">\n"
                   " <manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" "
                   "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>\n"
                   " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
                   "</manifest:manifest>\n",
                   true);
        m_content = std::make_unique<QuaZipFile>(&m_zip);
        if (!m_content->open(QIODevice::WriteOnly, QuaZipNewInfo(QStringLiteral("content.xml"))))
            exportFailed(m_target, QStringLiteral("the sheet could not be written (zip error %1).").arg(m_content->getZipError()));
        m_xml.setDevice(m_content.get());
        m_xml.writeStartDocument();
        m_xml.writeNamespace(OfficeNs, QStringLiteral("office"));
        m_xml.writeNamespace(TableNs, QStringLiteral("table"));
        m_xml.writeNamespace(TextNs, QStringLiteral("text"));
        m_xml.writeNamespace(StyleNs, QStringLiteral("style"));
        m_xml.writeNamespace(FoNs, QStringLiteral("fo"));
        m_xml.writeStartElement(OfficeNs, QStringLiteral("document-content"));
        m_xml.writeAttribute(OfficeNs, QStringLiteral("version"), QStringLiteral("1.2"));
        m_xml.writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
        m_xml.writeStartElement(StyleNs, QStringLiteral("style"));
        m_xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("heading"));
        m_xml.writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("table-cell"));
        m_xml.writeEmptyElement(StyleNs, QStringLiteral("text-properties"));
        m_xml.writeAttribute(FoNs, QStringLiteral("font-weight"), QStringLiteral("bold"));
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeStartElement(OfficeNs, QStringLiteral("body"));
        m_xml.writeStartElement(OfficeNs, QStringLiteral("spreadsheet"));
        m_xml.writeStartElement(TableNs, QStringLiteral("table"));
        m_xml.writeAttribute(TableNs, QStringLiteral("name"), QStringLiteral("Movies"));
        m_xml.writeEmptyElement(TableNs, QStringLiteral("table-column"));
        m_xml.writeAttribute(TableNs, QStringLiteral("number-columns-repeated"), QString::number(headings.size()));
        writeRow(headings, true);
    }

    void row(const ExportRow &row) override { writeRow(row.values, false); }

    void finish() override
    {
        m_xml.writeEndDocument(); // closes every open element
        if (m_xml.hasError())
            exportFailed(m_target, QStringLiteral("the sheet could not be written."));
        m_content->close();
        if (m_content->getZipError() != 0)
            exportFailed(m_target, QStringLiteral("the sheet could not be written (zip error %1).").arg(m_content->getZipError()));
        m_zip.close();
        if (m_zip.getZipError() != 0)
            exportFailed(m_target, QStringLiteral("the file could not be completed (zip error %1).").arg(m_zip.getZipError()));
    }

    void commit() override { m_temp.rename(); }

private:
    void writeEntry(const QString &name, const char *text, bool compress)
    {
        QuaZipFile f(&m_zip);
        if (!f.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, compress ? Z_DEFLATED : 0, compress ? Z_DEFAULT_COMPRESSION : 0))
            exportFailed(m_target, QStringLiteral("%1 could not be written (zip error %2).").arg(name).arg(f.getZipError()));
        f.write(text);
        f.close();
    }

    void writeRow(const QStringList &values, bool heading)
    {
        m_xml.writeStartElement(TableNs, QStringLiteral("table-row"));
        for (qsizetype c = 0; c < values.size(); ++c) {
            const QString &v = values[c];
            m_xml.writeStartElement(TableNs, QStringLiteral("table-cell"));
            if (heading)
                m_xml.writeAttribute(TableNs, QStringLiteral("style-name"), QStringLiteral("heading"));
            if (!v.isEmpty()) {
                bool isNumber = false;
                if (!heading && ExportColumn::isNumeric(int(c)))
                    v.toLongLong(&isNumber);
                m_xml.writeAttribute(OfficeNs, QStringLiteral("value-type"), isNumber ? QStringLiteral("float") : QStringLiteral("string"));
                if (isNumber)
                    m_xml.writeAttribute(OfficeNs, QStringLiteral("value"), v);
                writeText(v);
            }
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    // One paragraph per line; runs of spaces and tabs written so readers keep them.
    void writeText(const QString &v)
    {
        QString text = v;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        for (const QString &line : text.split(u'\n')) {
            m_xml.writeStartElement(TextNs, QStringLiteral("p"));
            QString run;
            int spaces = 0;
            auto flushSpaces = [&](bool atStart) {
                if (spaces == 0)
                    return;
                // A single space between words is kept by readers; others need text:s.
                int literal = atStart ? 0 : 1;
                if (literal)
                    run += u' ';
                if (!run.isEmpty())
                    m_xml.writeCharacters(run);
                run.clear();
                if (spaces - literal > 0) {
                    m_xml.writeEmptyElement(TextNs, QStringLiteral("s"));
                    if (spaces - literal > 1)
                        m_xml.writeAttribute(TextNs, QStringLiteral("c"), QString::number(spaces - literal));
                }
                spaces = 0;
            };
            bool atStart = true;
            for (const QChar ch : line) {
                if (ch == u' ') {
                    ++spaces;
                    continue;
                }
                flushSpaces(atStart);
                atStart = false;
                if (ch == u'\t') {
                    if (!run.isEmpty())
                        m_xml.writeCharacters(run);
                    run.clear();
                    m_xml.writeEmptyElement(TextNs, QStringLiteral("tab"));
                } else if (xmlChar(ch)) {
                    run += ch;
                }
            }
            // Trailing spaces: all of them as text:s.
            if (spaces > 0) {
                if (!run.isEmpty())
                    m_xml.writeCharacters(run);
                run.clear();
                m_xml.writeEmptyElement(TextNs, QStringLiteral("s"));
                if (spaces > 1)
                    m_xml.writeAttribute(TextNs, QStringLiteral("c"), QString::number(spaces));
                spaces = 0;
            }
            if (!run.isEmpty())
                m_xml.writeCharacters(run);
            m_xml.writeEndElement();
        }
    }

    QString m_target;
    ExportTempFile m_temp;
    QuaZip m_zip;
    std::unique_ptr<QuaZipFile> m_content;
    QXmlStreamWriter m_xml;
};

} // namespace

std::unique_ptr<ExportWriter> makeOdsWriter(const QString &path)
{
    return std::make_unique<OdsWriter>(path);
}
