#include "CatalogueExport.h"
#include "ExportTempFile.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

namespace {

// Characters XML 1.0 can hold; the others are left out rather than making the file unreadable.
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
            exportFailed(m_target, logged("Export", "the file could not be created (zip error %1).").arg(m_zip.getZipError()));
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
        // The sheet is large and repetitive: the fastest compression level makes it about as small
        // as the default one in a fraction of the time.
        if (!m_content->open(QIODevice::WriteOnly, QuaZipNewInfo(QStringLiteral("content.xml")), nullptr, 0, Z_DEFLATED, Z_BEST_SPEED))
            exportFailed(m_target, logged("Export", "the sheet could not be written (zip error %1).").arg(m_content->getZipError()));
        m_out.reserve(BlockSize + 64 * 1024);
        m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<office:document-content"
                 " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
                 " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
                 " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
                 " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
                 " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
                 " office:version=\"1.2\">"
                 "<office:automatic-styles><style:style style:name=\"heading\" style:family=\"table-cell\">"
                 "<style:text-properties fo:font-weight=\"bold\"/></style:style></office:automatic-styles>"
                 "<office:body><office:spreadsheet><table:table table:name=\"Movies\">"
                 "<table:table-column table:number-columns-repeated=\"";
        m_out += QByteArray::number(headings.size());
        m_out += "\"/>";
        writeRow(headings, true);
    }

    void row(const ExportRow &row) override { writeRow(row.values, false); }

    void finish() override
    {
        m_out += "</table:table></office:spreadsheet></office:body></office:document-content>\n";
        flush();
        m_content->close();
        if (m_content->getZipError() != 0)
            exportFailed(m_target, logged("Export", "the sheet could not be written (zip error %1).").arg(m_content->getZipError()));
        m_zip.close();
        if (m_zip.getZipError() != 0)
            exportFailed(m_target, logged("Export", "the file could not be completed (zip error %1).").arg(m_zip.getZipError()));
    }

    void commit() override { m_temp.rename(); }

private:
    void writeEntry(const QString &name, const char *text, bool compress)
    {
        QuaZipFile f(&m_zip);
        if (!f.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, compress ? Z_DEFLATED : 0, compress ? Z_DEFAULT_COMPRESSION : 0))
            exportFailed(m_target, logged("Export", "%1 could not be written (zip error %2).").arg(name).arg(f.getZipError()));
        f.write(text);
        f.close();
    }

    // The sheet is written as UTF-8 text directly: a general XML writer costs several times more per
    // cell, and the few element kinds here need only the text escaped.
    void writeRow(const QStringList &values, bool heading)
    {
        m_out += "<table:table-row>";
        for (qsizetype c = 0; c < values.size(); ++c) {
            const QString &v = values[c];
            m_out += heading ? "<table:table-cell table:style-name=\"heading\"" : "<table:table-cell";
            if (v.isEmpty()) {
                m_out += "/>";
                continue;
            }
            bool isNumber = false;
            if (!heading && ExportColumn::isNumeric(int(c)))
                v.toLongLong(&isNumber);
            if (isNumber) {
                m_out += " office:value-type=\"float\" office:value=\"";
                m_out += v.toUtf8();
                m_out += "\">";
            } else {
                m_out += " office:value-type=\"string\">";
            }
            writeText(v);
            m_out += "</table:table-cell>";
        }
        m_out += "</table:table-row>";
        if (m_out.size() >= BlockSize)
            flush();
    }

    // One paragraph per line; runs of spaces and tabs written so readers keep them: a single space
    // between words is kept by readers, any other space needs text:s.
    void writeText(const QString &v)
    {
        QString text = v;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        for (const QStringView line : QStringView(text).split(u'\n')) {
            m_out += "<text:p>";
            qsizetype spaces = 0;
            bool atStart = true;
            auto writeSpaces = [&](qsizetype literal) {
                if (literal)
                    m_out += ' ';
                if (spaces - literal == 1)
                    m_out += "<text:s/>";
                else if (spaces - literal > 1)
                    m_out += "<text:s text:c=\"" + QByteArray::number(spaces - literal) + "\"/>";
                spaces = 0;
            };
            qsizetype runStart = 0;
            auto writeRun = [&](qsizetype end) {
                appendEscaped(line.mid(runStart, end - runStart));
            };
            for (qsizetype i = 0; i < line.size(); ++i) {
                const QChar ch = line[i];
                if (ch == u' ') {
                    if (spaces == 0)
                        writeRun(i);
                    ++spaces;
                    runStart = i + 1;
                    continue;
                }
                if (spaces > 0)
                    writeSpaces(atStart ? 0 : 1);
                atStart = false;
                if (ch == u'\t') {
                    writeRun(i);
                    m_out += "<text:tab/>";
                    runStart = i + 1;
                }
            }
            if (spaces > 0)
                writeSpaces(0);
            else
                writeRun(line.size());
            m_out += "</text:p>";
        }
    }

    // Text with XML's special characters escaped and characters XML 1.0 cannot hold left out rather
    // than making the file unreadable.
    void appendEscaped(QStringView run)
    {
        qsizetype from = 0;
        for (qsizetype i = 0; i < run.size(); ++i) {
            const QChar ch = run[i];
            const char *entity = ch == u'&' ? "&amp;" : ch == u'<' ? "&lt;" : ch == u'>' ? "&gt;" : nullptr;
            if (!entity && xmlChar(ch))
                continue;
            m_out += run.mid(from, i - from).toUtf8();
            if (entity)
                m_out += entity;
            from = i + 1;
        }
        m_out += run.mid(from).toUtf8();
    }

    void flush()
    {
        if (m_content->write(m_out) != m_out.size())
            exportFailed(m_target, logged("Export", "the sheet could not be written (zip error %1).").arg(m_content->getZipError()));
        m_out.resize(0);
    }

    static constexpr qsizetype BlockSize = 256 * 1024;
    QString m_target;
    ExportTempFile m_temp;
    QuaZip m_zip;
    std::unique_ptr<QuaZipFile> m_content;
    QByteArray m_out;
};

} // namespace

std::unique_ptr<ExportWriter> makeOdsWriter(const QString &path)
{
    return std::make_unique<OdsWriter>(path);
}
