#include "CinelogError.h"
#include "WorkbookBackends.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Picks the separator the file's first line uses most: comma, or semicolon (what spreadsheet
// programs write where the comma is the decimal mark). Quoted text does not count.
QChar detectSeparator(QStringView text)
{
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (QChar ch : text) {
        if (ch == u'"')
            quoted = !quoted;
        else if (!quoted && (ch == u'\n' || ch == u'\r'))
            break;
        else if (!quoted && ch == u',')
            ++commas;
        else if (!quoted && ch == u';')
            ++semicolons;
    }
    return semicolons > commas ? QChar(u';') : QChar(u',');
}

// The line (from 1) holding the first byte that is not UTF-8.
int firstInvalidLine(const QByteArray &data)
{
    int line = 1;
    qsizetype i = 0;
    const auto *p = reinterpret_cast<const unsigned char *>(data.constData());
    while (i < data.size()) {
        const unsigned char b = p[i];
        int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || (extra == 1 && b < 0xC2) || i + extra >= data.size() + (extra == 0 ? 1 : 0))
            return line;
        for (int k = 1; k <= extra; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return line;
        if (b == '\n')
            ++line;
        i += extra + 1;
    }
    return line;
}

class CsvReader : public WorkbookReader
{
public:
    CsvReader(const QString &path, const WorkbookLimits &limits) : WorkbookReader(path, limits)
    {
        m_names << QFileInfo(path).completeBaseName();
    }

    QStringList worksheetNames() const override { return m_names; }

    SheetData readSheet(int index) override
    {
        checkIndex(index);
        QFile f(m_path);
        if (!f.open(QIODevice::ReadOnly))
            throw CinelogError(ErrorNumber::PermissionDenied, workbookMessage(m_path, logged("Workbook", "cannot be read: %1").arg(f.errorString())));
        if (f.size() > m_limits.maxFileBytes)
            throw CinelogError(ErrorNumber::Overflow, workbookMessage(m_path, logged("Workbook", "is too large to import.")));
        QByteArray data = f.read(m_limits.maxFileBytes + 1);
        if (data.startsWith("\xEF\xBB\xBF"))
            data.remove(0, 3);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(data);
        if (decoder.hasError())
            throw CinelogError(ErrorNumber::TypeMismatch,
                               workbookMessage(m_path, logged("Workbook", "is not UTF-8 text (line %1 has characters in another encoding). "
                                                                      "Save it from the spreadsheet program as “CSV UTF-8” and import it again.")
                                                           .arg(firstInvalidLine(data))));
        SheetData sheet(m_names.at(index), m_limits, m_path);
        parse(text, sheet);
        return sheet;
    }

private:
    void parse(const QString &text, SheetData &sheet) const
    {
        const QChar sep = detectSeparator(text);
        qint64 row = 1, column = 1;
        QString field;
        bool quoted = false, wasQuoted = false;
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QChar ch = text.at(i);
            if (quoted) {
                if (ch == u'"') {
                    if (i + 1 < n && text.at(i + 1) == u'"') {
                        field += ch;
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    field += ch;
                }
            } else if (ch == u'"' && field.isEmpty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (ch == sep) {
                sheet.setCell(row, column++, field);
                field.clear();
                wasQuoted = false;
            } else if (ch == u'\r' || ch == u'\n') {
                sheet.setCell(row, column, field);
                field.clear();
                wasQuoted = false;
                if (ch == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                    ++i;
                ++row;
                column = 1;
            } else {
                field += ch;
            }
        }
        if (quoted)
            throw CinelogError(ErrorNumber::InvalidProcedureCall,
                               workbookMessage(m_path, logged("Workbook", "ends inside a quoted field; the file is damaged or cut short.")));
        sheet.setCell(row, column, field);
    }

    QStringList m_names;
};

}

std::unique_ptr<WorkbookReader> openCsvWorkbook(const QString &path, const WorkbookLimits &limits)
{
    return std::make_unique<CsvReader>(path, limits);
}
