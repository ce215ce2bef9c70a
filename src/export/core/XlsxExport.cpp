#include "CatalogueExport.h"
#include "ExportTempFile.h"

#include <xlsxwriter.h>

namespace {

class XlsxWriter : public ExportWriter
{
public:
    explicit XlsxWriter(const QString &path) : m_target(path), m_temp(path) {}
    ~XlsxWriter() override
    {
        if (m_book)
            workbook_close(m_book); // frees it; the temporary file is then removed
    }

    void begin(const QStringList &headings) override
    {
        // constant_memory writes each row out as the next one starts, so memory stays flat
        // whatever the catalogue's size; its strings are stored in the cells themselves.
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        m_name = QFile::encodeName(m_temp.fileName());
        m_book = workbook_new_opt(m_name.constData(), &options);
        if (!m_book)
            exportFailed(m_target, QStringLiteral("the workbook could not be started."));
        m_sheet = workbook_add_worksheet(m_book, "Movies");
        m_bold = workbook_add_format(m_book);
        format_set_bold(m_bold);
        m_wrap = workbook_add_format(m_book);
        format_set_text_wrap(m_wrap);
        worksheet_freeze_panes(m_sheet, 1, 0);
        for (qsizetype c = 0; c < headings.size(); ++c) {
            const double width = c == ExportColumn::Title || c == ExportColumn::Cast || c == ExportColumn::Episodes ? 40
                                 : c == ExportColumn::Id || c == ExportColumn::UserRating                        ? 8
                                                                                                                 : 16;
            worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr);
        }
        for (qsizetype c = 0; c < headings.size(); ++c)
            check(worksheet_write_string(m_sheet, 0, lxw_col_t(c), headings[c].toUtf8().constData(), m_bold));
        m_row = 1;
    }

    void row(const ExportRow &row) override
    {
        for (qsizetype c = 0; c < row.values.size(); ++c) {
            const QString &v = row.values[c];
            if (v.isEmpty())
                continue;
            bool isNumber = false;
            const qlonglong n = ExportColumn::isNumeric(int(c)) ? v.toLongLong(&isNumber) : 0;
            if (isNumber)
                check(worksheet_write_number(m_sheet, m_row, lxw_col_t(c), double(n), nullptr));
            else
                check(worksheet_write_string(m_sheet, m_row, lxw_col_t(c), v.toUtf8().constData(),
                                             v.contains(u'\n') ? m_wrap : nullptr));
        }
        ++m_row;
    }

    void finish() override
    {
        lxw_workbook *book = m_book;
        m_book = nullptr;
        const lxw_error e = workbook_close(book);
        if (e != LXW_NO_ERROR)
            exportFailed(m_target, QString::fromUtf8(lxw_strerror(e)));
    }

    void commit() override { m_temp.rename(); }

private:
    void check(lxw_error e) const
    {
        if (e != LXW_NO_ERROR)
            exportFailed(m_target, QStringLiteral("row %1: %2").arg(m_row + 1).arg(QString::fromUtf8(lxw_strerror(e))));
    }

    QString m_target;
    ExportTempFile m_temp;
    QByteArray m_name;
    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_bold = nullptr, *m_wrap = nullptr;
    lxw_row_t m_row = 0;
};

} // namespace

std::unique_ptr<ExportWriter> makeXlsxWriter(const QString &path)
{
    return std::make_unique<XlsxWriter>(path);
}
