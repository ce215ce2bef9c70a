// Writes one .xlsx workbook with libxlsxwriter from records read on standard input. It runs as a
// process of its own because libxlsxwriter and QuaZip both export the minizip functions under the
// same names with different meanings: in one process one of them calls the other's.
//
// Records: 'C' col:u32 width:u32 (a column's width); 'H' or 'R' count:u32 then count cells, each
// kind:u8 ('S' text, 'W' text with line breaks, 'N' number as text, 'E' empty) length:u32 bytes
// (a heading row in bold, or a row); 'Z' completes the workbook. Numbers are little-endian.
// Exit status 0 only when 'Z' arrived and the workbook was written.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <xlsxwriter.h>

namespace {

bool readBytes(void *to, size_t n)
{
    return std::fread(to, 1, n, stdin) == n;
}

bool readU32(uint32_t &v)
{
    unsigned char b[4];
    if (!readBytes(b, 4))
        return false;
    v = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    return true;
}

int failed(const char *what, lxw_error e = LXW_NO_ERROR)
{
    std::fprintf(stderr, "%s%s%s\n", what, e != LXW_NO_ERROR ? ": " : "", e != LXW_NO_ERROR ? lxw_strerror(e) : "");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return failed("usage: cinelog-xlsx-writer <output.xlsx>");
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // each row goes out as the next starts: memory stays flat
    lxw_workbook *book = workbook_new_opt(argv[1], &options);
    if (!book)
        return failed("the workbook could not be started");
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Movies");
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *wrap = workbook_add_format(book);
    format_set_text_wrap(wrap);
    worksheet_freeze_panes(sheet, 1, 0);

    lxw_row_t row = 0;
    std::string text;
    for (;;) {
        const int kind = std::fgetc(stdin);
        if (kind == 'Z')
            break;
        if (kind == 'C') {
            uint32_t col = 0, width = 0;
            if (!readU32(col) || !readU32(width))
                return failed("the input ended inside a record");
            worksheet_set_column(sheet, lxw_col_t(col), lxw_col_t(col), double(width), nullptr);
            continue;
        }
        if (kind != 'H' && kind != 'R')
            return failed(kind == EOF ? "the input ended before the workbook was complete" : "unknown record");
        uint32_t count = 0;
        if (!readU32(count))
            return failed("the input ended inside a record");
        for (uint32_t col = 0; col < count; ++col) {
            const int cell = std::fgetc(stdin);
            uint32_t length = 0;
            if (cell == EOF || !readU32(length) || length > (1u << 24))
                return failed("the input ended inside a record");
            text.resize(length);
            if (length && !readBytes(text.data(), length))
                return failed("the input ended inside a record");
            lxw_error e = LXW_NO_ERROR;
            if (cell == 'N')
                e = worksheet_write_number(sheet, row, lxw_col_t(col), std::strtod(text.c_str(), nullptr), nullptr);
            else if (cell == 'S' || cell == 'W')
                e = worksheet_write_string(sheet, row, lxw_col_t(col), text.c_str(),
                                           kind == 'H' ? bold : cell == 'W' ? wrap : nullptr);
            if (e != LXW_NO_ERROR) {
                std::fprintf(stderr, "row %u, column %u: ", unsigned(row + 1), unsigned(col + 1));
                return failed("the cell could not be written", e);
            }
        }
        ++row;
    }
    const lxw_error e = workbook_close(book);
    if (e != LXW_NO_ERROR)
        return failed("the workbook could not be written", e);
    return 0;
}
