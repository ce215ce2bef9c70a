#include "CatalogueExport.h"
#include "ExportTempFile.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtEndian>

namespace {

// libxlsxwriter and QuaZip cannot share a process (both export minizip's function names with
// different meanings), so the workbook is written by a small helper fed the rows on a pipe.
QString helperPath()
{
    const QString env = qEnvironmentVariable("CINELOG_XLSX_HELPER");
    if (!env.isEmpty())
        return env;
    const QString name = QStringLiteral("cinelog-xlsx-writer");
    const QString beside = QCoreApplication::applicationDirPath() + u'/' + name;
    for (const QString &p : {beside, QStringLiteral(CINELOG_INSTALLED_XLSX_HELPER), QStringLiteral(CINELOG_BUILD_XLSX_HELPER)})
        if (QFileInfo(p).isExecutable())
            return p;
    return QStringLiteral(CINELOG_INSTALLED_XLSX_HELPER);
}

class XlsxWriter : public ExportWriter
{
public:
    explicit XlsxWriter(const QString &path) : m_target(path), m_temp(path) {}
    ~XlsxWriter() override
    {
        if (m_helper.state() != QProcess::NotRunning) {
            m_helper.kill();
            m_helper.waitForFinished(5000);
        }
    }

    void begin(const QStringList &headings) override
    {
        m_helper.setProgram(helperPath());
        m_helper.setArguments({m_temp.fileName()});
        m_helper.setProcessChannelMode(QProcess::SeparateChannels);
        m_helper.start();
        if (!m_helper.waitForStarted(30000))
            exportFailed(m_target, logged("Export", "the workbook writer %1 could not be started: %2").arg(helperPath(), m_helper.errorString()));
        for (qsizetype c = 0; c < headings.size(); ++c) {
            const quint32 width = c == ExportColumn::Title || c == ExportColumn::Cast || c == ExportColumn::Episodes ? 40
                                  : c == ExportColumn::Id || c == ExportColumn::UserRating                        ? 8
                                                                                                                  : 16;
            m_buffer += 'C';
            u32(quint32(c));
            u32(width);
        }
        record('H', headings, false);
    }

    void row(const ExportRow &row) override { record('R', row.values, true); }

    void finish() override
    {
        m_buffer += 'Z';
        send(true);
        m_helper.closeWriteChannel();
        // The helper compresses the whole workbook after the last row; that is bounded by the
        // rows it was given, not by anything outside.
        if (!m_helper.waitForFinished(30 * 60 * 1000)) {
            m_helper.kill();
            m_helper.waitForFinished(5000);
            exportFailed(m_target, logged("Export", "the workbook writer did not finish."));
        }
        if (m_helper.exitStatus() != QProcess::NormalExit || m_helper.exitCode() != 0)
            exportFailed(m_target, QString::fromLocal8Bit(m_helper.readAllStandardError()).trimmed());
    }

    void commit() override { m_temp.rename(); }

private:
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        m_buffer.append(b, 4);
    }

    void record(char kind, const QStringList &values, bool typed)
    {
        m_buffer += kind;
        u32(quint32(values.size()));
        for (qsizetype c = 0; c < values.size(); ++c) {
            const QString &v = values[c];
            bool number = false;
            if (typed && !v.isEmpty() && ExportColumn::isNumeric(int(c)))
                v.toLongLong(&number);
            const QByteArray bytes = v.toUtf8();
            m_buffer += v.isEmpty() ? 'E' : number ? 'N' : v.contains(u'\n') ? 'W' : 'S';
            u32(quint32(bytes.size()));
            m_buffer += bytes;
        }
        if (m_buffer.size() > (1 << 18))
            send(false);
    }

    void send(bool all)
    {
        if (m_helper.write(m_buffer) != m_buffer.size())
            exportFailed(m_target, logged("Export", "the workbook writer stopped: %1").arg(QString::fromLocal8Bit(m_helper.readAllStandardError())));
        m_buffer.clear();
        // Keep what waits in the pipe small, so memory stays flat on long exports.
        while (m_helper.bytesToWrite() > (all ? 0 : (1 << 20))) {
            if (!m_helper.waitForBytesWritten(60000))
                exportFailed(m_target, logged("Export", "the workbook writer stopped: %1")
                                           .arg(QString::fromLocal8Bit(m_helper.readAllStandardError()).trimmed()));
        }
    }

    QString m_target;
    ExportTempFile m_temp;
    QProcess m_helper;
    QByteArray m_buffer;
};

} // namespace

std::unique_ptr<ExportWriter> makeXlsxWriter(const QString &path)
{
    return std::make_unique<XlsxWriter>(path);
}
