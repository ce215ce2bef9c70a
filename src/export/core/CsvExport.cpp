#include "CatalogueExport.h"
#include "ExportFiles.h"

namespace {

// RFC 4180: fields separated by commas, records by CRLF; a field holding a quote, a comma or a
// line break is quoted, its quotes doubled. Line breaks inside a field are kept as they are.
class CsvWriter : public ExportWriter
{
public:
    explicit CsvWriter(const QString &path) : m_file(path) {}

    void begin(const QStringList &headings) override
    {
        openSaveFile(m_file);
        m_buffer.reserve(1 << 16);
        m_buffer += "\xEF\xBB\xBF"; // spreadsheet programs read the file as UTF-8 by this mark
        record(headings);
    }
    void row(const ExportRow &row) override { record(row.values); }
    void finish() override
    {
        flush();
    }
    void commit() override { commitSaveFile(m_file); }

private:
    void record(const QStringList &fields)
    {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                m_buffer += ',';
            const QString &f = fields[i];
            const bool quote = f.contains(u'"') || f.contains(u',') || f.contains(u'\n') || f.contains(u'\r');
            if (!quote) {
                m_buffer += f.toUtf8();
                continue;
            }
            QString q = f;
            q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            m_buffer += '"';
            m_buffer += q.toUtf8();
            m_buffer += '"';
        }
        m_buffer += "\r\n";
        if (m_buffer.size() > (1 << 16))
            flush();
    }
    void flush()
    {
        if (m_file.write(m_buffer) != m_buffer.size())
            exportFailed(m_file.fileName(), m_file.errorString());
        m_buffer.clear();
    }

    QSaveFile m_file;
    QByteArray m_buffer;
};

} // namespace

std::unique_ptr<ExportWriter> makeCsvWriter(const QString &path)
{
    return std::make_unique<CsvWriter>(path);
}
