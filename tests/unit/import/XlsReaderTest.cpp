// Excel 2.x to 2003 workbooks laid out record by record: what Excel writes reads as the user sees
// it, and damage anywhere in the file ends in a message naming the file.
#include "CinelogError.h"
#include "WorkbookReader.h"
#include "XlsTestFile.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace XlsTestFile;

namespace {

QString writeFile(QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

QByteArray label(int row, int column, const QString &s)
{
    return record(0x0204, cellHead(row, column, 0) + text(s));
}

QByteArray sharedLabel(int row, int column, quint32 index)
{
    return record(0x00FD, cellHead(row, column, 0) + le32(index));
}

QByteArray number(int row, int column, int xf, double v)
{
    return record(0x0203, cellHead(row, column, xf) + f64(v));
}

QByteArray rk(int row, int column, int xf, quint32 value)
{
    return record(0x027E, cellHead(row, column, xf) + le32(value));
}

QByteArray boolErr(int row, int column, int value, bool error)
{
    return record(0x0205, cellHead(row, column, 0) + QByteArray(1, char(value)) + QByteArray(1, char(error ? 1 : 0)));
}

// A formula with its last calculated result: a number, or a marked kind (0 text in the next
// record, 1 true/false, 2 error, 3 empty text).
QByteArray formula(int row, int column, const QByteArray &result)
{
    return record(0x0006, cellHead(row, column, 0) + result + le16(0) + le32(0) + le16(3) + QByteArray("\x1E\x2A\x00", 3));
}

QByteArray markedResult(int kind, int value)
{
    return QByteArray(1, char(kind)) + QByteArray(1, 0) + QByteArray(1, char(value)) + QByteArray(3, 0) + le16(0xFFFF);
}

constexpr int DateStyle = 1, DateTimeStyle = 2;

QDate epoch1904()
{
    return QDate(1904, 1, 1);
}

// A workbook as Excel 97-2003 saves one: the 1904 date system, a custom date-and-time format,
// shared texts split over continuation records (switching from one-byte to two-byte characters
// in the middle of a text), a text with formatting runs and a phonetic guide, a chart sheet, a
// dialog sheet, a chart inside a worksheet, and every kind of cell record. padding adds an unknown global record
// of that size, so the stream can be made big enough to leave the mini stream.
QByteArray excelStyleWorkbook(int padding = 0)
{
    QByteArray globals = record(0x0042, le16(1200)) + record(0x0022, le16(1));
    globals += record(0x041E, le16(164) + text(QStringLiteral("dd/mm/yyyy hh:mm")));
    for (int format : {0, 14, 164, 0})
        globals += record(0x00E0, le16(0) + le16(quint16(format)) + QByteArray(16, 0));
    for (int left = padding; left > 0; left -= 8000)
        globals += record(0x00EB, QByteArray(std::min(left, 8000), 'p'));

    QByteArray sst = le32(10) + le32(5) + text(QStringLiteral("Seven Samurai"));
    sst += le16(3) + QByteArray("\x0C", 1) + le16(1) + le32(4) + "Ran" + le16(0) + le16(1) + QByteArray(4, 0);
    sst += le16(14) + QByteArray(1, 0) + QStringLiteral("Zoë Ñúñez ").toLatin1();
    QByteArray more = QByteArray(1, 1) + chars(QStringLiteral("七人の侍"), true) + text(QStringLiteral("Kind"));
    const QByteArray sharedTexts =
        record(0x00FC, sst) + record(0x003C, more) + record(0x003C, text(QStringLiteral("Title")));

    const double bought = epoch1904().daysTo(QDate(2003, 5, 17));
    QByteArray cells;
    cells += sharedLabel(0, 0, 4) + label(0, 1, QStringLiteral("Bought")) + label(0, 2, QStringLiteral("Zeit ⌚")) + sharedLabel(0, 3, 3);
    cells += sharedLabel(1, 0, 0) + number(1, 1, DateStyle, bought) + number(1, 2, DateTimeStyle, bought + 18.5 / 24)
             + boolErr(1, 3, 1, false);
    cells += sharedLabel(2, 0, 1) + rk(2, 1, DateStyle, (2u << 2) | 2) + boolErr(2, 2, 0, false) + boolErr(2, 3, 0x2A, true);
    cells += sharedLabel(3, 0, 2);
    cells += record(0x00BD, le16(3) + le16(1) + le16(0) + le32((1989u << 2) | 2) + le16(0) + le32((13750u << 2) | 3) + le16(0)
                                + le32(0x3FE00000) + le16(3));
    cells += formula(4, 0, f64(42)) + formula(4, 1, markedResult(0, 0)) + record(0x04BC, QByteArray(12, 0))
             + record(0x0207, text(QStringLiteral("computed"))) + formula(4, 2, markedResult(1, 1))
             + formula(4, 3, markedResult(2, 0x07)) + formula(4, 4, markedResult(3, 0)) + rk(4, 5, 0, (quint32(-7) << 2) | 2);
    cells += bof(0x0600, 0x0020) + number(9, 0, 0, 99) + eof();
    cells += label(5, 0, QStringLiteral("after the chart"));

    return workbookStream(0x0600, globals,
                          {{text(QStringLiteral("Shared"), true), 0, cells},
                           {text(QStringLiteral("Chart1"), true), 2, QByteArray()},
                           {text(QStringLiteral("Dialog1"), true), 0, record(0x0081, le16(0x0C10)) + label(0, 0, "OK")},
                           {text(QStringLiteral("Ünïcode ✓"), true), 0, label(0, 0, QStringLiteral("x"))}},
                          sharedTexts);
}

struct Layout {
    const char *name;
    int padding;
    int extraFatSectors;
};

class XlsLayouts : public ::testing::TestWithParam<Layout>
{
};

TEST_P(XlsLayouts, ExcelRecordsReadAsTheUserSeesThem)
{
    QTemporaryDir dir;
    const Compound c = compound(excelStyleWorkbook(GetParam().padding), QStringLiteral("Workbook"), GetParam().extraFatSectors);
    auto wb = openWorkbook(writeFile(dir, QStringLiteral("excel.xls"), c.bytes));
    // The chart sheet and the dialog sheet hold no cells to import and are not offered.
    EXPECT_EQ(wb->worksheetNames(), QStringList({"Shared", "Ünïcode ✓"}));

    const SheetData s = wb->readSheet(0);
    const QList<QStringList> rows = {
        {"Title", "Bought", "Zeit ⌚", "Kind"},
        {"Seven Samurai", "2003-05-17", "2003-05-17 18:30:00", "TRUE"},
        {"Ran", "1904-01-03", "FALSE", "#N/A"},
        {"Zoë Ñúñez 七人の侍", "1989", "137.5", "0.5"},
        {"42", "computed", "TRUE", "#DIV/0!", "", "-7"},
        {"after the chart"},
    };
    for (int r = 0; r < rows.size(); ++r)
        for (int col = 0; col < rows[r].size(); ++col)
            EXPECT_EQ(s.cell(r + 1, col + 1), rows[r][col]) << "row " << r + 1 << " column " << col + 1;
    // The number inside the chart is the chart's, not the sheet's.
    EXPECT_EQ(s.GetLastRow(), 6);
    EXPECT_EQ(s.lastColumn(), 6);
    EXPECT_EQ(wb->readSheet(1).cell(1, 1), QStringLiteral("x"));
}

INSTANTIATE_TEST_SUITE_P(Containers, XlsLayouts,
                         ::testing::Values(Layout{"SmallStreamInTheMiniStream", 0, 0},
                                           Layout{"LargeStreamInWholeSectors", 6000, 0},
                                           Layout{"AllocationTableListedPastTheHeader", 6000, 110}),
                         [](const auto &info) { return std::string(info.param.name); });

// Excel 5 and 95 keep text in the workbook's code page, with byte lengths.
TEST(XlsReader, Excel95WorkbookReadsInItsCodePage)
{
    auto bytes = [](std::initializer_list<int> list) {
        QByteArray b;
        for (int v : list)
            b += char(v);
        return b;
    };
    const QByteArray films = bytes({0xD4, 0xE8, 0xEB, 0xFC, 0xEC, 0xFB}); // "Фильмы" in windows-1251
    const QByteArray brat = bytes({0xC1, 0xF0, 0xE0, 0xF2});              // "Брат"
    QByteArray globals = record(0x0042, le16(1251)) + record(0x041E, le16(164) + QByteArray(1, 10) + "yyyy-mm-dd");
    for (int format : {0, 164})
        globals += record(0x00E0, le16(0) + le16(quint16(format)) + QByteArray(12, 0));
    QByteArray cells = record(0x0204, cellHead(0, 0, 0) + le16(quint16(brat.size())) + brat);
    cells += number(0, 1, 1, QDate(1899, 12, 30).daysTo(QDate(1997, 12, 12)));
    cells += formula(0, 2, markedResult(0, 0)) + record(0x0207, le16(5) + "Sergei");
    const QByteArray stream =
        workbookStream(0x0500, globals, {{QByteArray(1, char(films.size())) + films, 0, cells}});

    QTemporaryDir dir;
    auto wb = openWorkbook(writeFile(dir, QStringLiteral("excel95.xls"), compound(stream, QStringLiteral("Book")).bytes));
    ASSERT_EQ(wb->worksheetNames(), QStringList({QStringLiteral("Фильмы")}));
    const SheetData s = wb->readSheet(0);
    EXPECT_EQ(s.cell(1, 1), QStringLiteral("Брат"));
    EXPECT_EQ(s.cell(1, 2), QStringLiteral("1997-12-12"));
    EXPECT_EQ(s.cell(1, 3), QStringLiteral("Serge")); // the stated length holds, not the bytes after it
}

// Times read as a spreadsheet shows them: as their format lays them out, literal text and AM/PM
// included, elapsed hours and minutes counting the whole; dates keep the catalogue's form.
TEST(XlsReader, TimesReadAsTheirFormatShowsThem)
{
    const double evening = (18 * 3600 + 48 * 60 + 30) / 86400.0; // 18:48:30
    const double elapsed = (255 * 3600 + 10 * 60 + 10) / 86400.0; // 10.632 days
    struct Case {
        const char *what;
        int format; // a built-in number, or one of the workbook's own below
        double value;
        const char *expected;
    } cases[] = {
        {"built-in h:mm, seconds cut", 20, evening, "18:48"},
        {"built-in h:mm of a date and time", 20, 37758 + evening, "18:48"},
        {"built-in h:mm AM/PM", 18, evening, "6:48 PM"},
        {"built-in h:mm:ss AM/PM before noon", 19, 0.25, "6:00:00 AM"},
        {"built-in h:mm:ss", 21, evening, "18:48:30"},
        {"built-in [h]:mm:ss", 46, elapsed, "255:10:10"},
        {"escaped literal text", 164, evening, "until 18:48"},
        {"quoted literal text", 165, evening, "until 18:48"},
        {"[hh]:mm:ss counts the hours", 166, elapsed, "255:10:10"},
        {"[mm]:ss counts the minutes", 167, elapsed, "15310:10"},
        {"tenths of seconds, rounded", 168, evening + 0.06 / 86400, "48:30.1"},
        {"a built-in date stays in the catalogue's form", 14, 37758 + evening, "2003-05-17"},
        {"a date with text stays in the catalogue's form", 169, 37758, "2003-05-17"},
        {"a number with text is the number", 170, 95, "95"},
    };
    const QList<std::pair<int, QString>> own = {
        {164, QStringLiteral("\\u\\n\\t\\i\\l\\ h:mm")}, {165, QStringLiteral("\"until \"h:mm")},
        {166, QStringLiteral("[hh]:mm:ss")},            {167, QStringLiteral("[mm]:ss")},
        {168, QStringLiteral("mm:ss.0")},               {169, QStringLiteral("\"bought \"yyyy-mm-dd")},
        {170, QStringLiteral("0\" min\"")},
    };
    QByteArray globals;
    for (const auto &[id, code] : own)
        globals += record(0x041E, le16(quint16(id)) + text(code));
    QByteArray cells;
    int row = 0;
    for (const Case &c : cases) {
        globals += record(0x00E0, le16(0) + le16(quint16(c.format)) + QByteArray(16, 0));
        cells += number(row, 0, row, c.value);
        ++row;
    }
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("times.xls"),
                                   compound(workbookStream(0x0600, globals, {{text(QStringLiteral("Times"), true), 0, cells}})).bytes);
    const SheetData s = openWorkbook(path)->readSheet(0);
    row = 0;
    for (const Case &c : cases)
        EXPECT_EQ(s.cell(++row, 1), QString::fromLatin1(c.expected)) << c.what;
}

// Excel 2.x, 3.0 and 4.0 keep one worksheet to a file: a record stream of their own, outside any
// compound document, with text in the code page and number formats numbered in their order.
struct OldVersion {
    const char *name;
    int version;
    bool styles; // Excel 2.x may leave the styles out and keep the format in each cell
};

class OldExcelWorksheets : public ::testing::TestWithParam<OldVersion>
{
};

TEST_P(OldExcelWorksheets, ReadAsTheUserSeesThem)
{
    const int version = GetParam().version;
    const auto byteString = [](const QString &s, bool wideLength) {
        const QByteArray b = s.toLatin1(); // what windows-1252 makes of these letters too
        return (wideLength ? le16(quint16(b.size())) : QByteArray(1, char(b.size()))) + b;
    };
    enum { General, TwoPlaces, IsoDate, AmPm, Until };
    const QStringList formats = {"General", "0.00", "yyyy-mm-dd", "h:mm AM/PM", "\"until \"h:mm"};
    // Styles 0 to 4 show formats 0 to 4.
    QByteArray records = record(0x0042, le16(1252)) + record(0x0022, le16(0));
    for (const QString &f : formats)
        records += version == 4 ? record(0x041E, le16(0) + byteString(f, false)) : record(0x001E, byteString(f, false));
    if (GetParam().styles)
        for (int i = 0; i < formats.size(); ++i)
            records += version == 2   ? record(0x0043, QByteArray(1, 0) + QByteArray(1, 0) + QByteArray(1, char(i)) + QByteArray(1, 0))
                       : version == 3 ? record(0x0243, QByteArray(1, 0) + QByteArray(1, char(i)) + QByteArray(10, 0))
                                      : record(0x0443, QByteArray(1, 0) + QByteArray(1, char(i)) + QByteArray(10, 0));
    records += record(version == 2 ? 0x0000 : 0x0200, le16(0) + le16(3) + le16(0) + le16(4)); // the used range

    // Excel 2.x cells: three bytes of attributes (style, format and font, alignment) after the place.
    const auto head = [&](int r, int c, int style, int format = -1) {
        if (version == 2)
            return le16(quint16(r)) + le16(quint16(c)) + QByteArray(1, char(style)) + QByteArray(1, char(format < 0 ? style : format))
                   + QByteArray(1, 0);
        return cellHead(r, c, style);
    };
    const auto labelCell = [&](int r, int c, const QString &s) {
        return record(version == 2 ? 0x0004 : 0x0204, head(r, c, 0) + byteString(s, version > 2));
    };
    const auto numberCell = [&](int r, int c, int style, double v) {
        return record(version == 2 ? 0x0003 : 0x0203, head(r, c, style) + f64(v));
    };
    const quint16 formulaType = version == 2 ? 0x0006 : version == 3 ? 0x0206 : 0x0406;
    const auto formulaCell = [&](int r, int c, const QByteArray &result) {
        const QByteArray tokens("\x1E\x2A\x00", 3);
        return record(formulaType, head(r, c, 0) + result
                                       + (version == 2 ? QByteArray(1, 0) + QByteArray(1, char(tokens.size()))
                                                       : le16(0) + le16(quint16(tokens.size())))
                                       + tokens);
    };
    const double bought = QDate(1899, 12, 30).daysTo(QDate(1991, 3, 8));
    const double evening = (18 * 60 + 48) / 1440.0;
    QByteArray cells = labelCell(0, 0, "Title") + labelCell(0, 1, "Year") + labelCell(0, 2, "Bought") + labelCell(0, 3, "Shows");
    cells += labelCell(1, 0, QStringLiteral("Amélie")) + numberCell(1, 2, IsoDate, bought) + numberCell(1, 3, Until, evening);
    // Whole numbers: Excel 2.x has a record of their own, later versions the compact form.
    cells += version == 2 ? record(0x0002, head(1, 1, General) + le16(1991)) : record(0x027E, cellHead(1, 1, General) + le32((1991u << 2) | 2));
    cells += formulaCell(2, 0, markedResult(0, 0))
             + (version == 2 ? record(0x0007, byteString("Delicatessen", false)) : record(0x0207, byteString("Delicatessen", true)));
    cells += numberCell(2, 1, TwoPlaces, 1991.5);
    cells += record(version == 2 ? 0x0005 : 0x0205, head(2, 2, 0) + QByteArray(1, 1) + QByteArray(1, 0));
    if (version == 2 && GetParam().styles) // a style past the 63 a cell can name, stated just before it
        cells += record(0x0044, le16(AmPm)) + record(0x0003, head(2, 3, 63, AmPm) + f64(evening));
    else
        cells += numberCell(2, 3, AmPm, evening);

    QTemporaryDir dir;
    auto wb = openWorkbook(writeFile(dir, QStringLiteral("Collection 1991.xls"), oldFile(version, 0x0010, records + cells)));
    ASSERT_EQ(wb->worksheetNames(), QStringList({QStringLiteral("Collection 1991")}));
    const SheetData s = wb->readSheet(0);
    const QList<QStringList> rows = {
        {"Title", "Year", "Bought", "Shows"},
        {QStringLiteral("Amélie"), "1991", "1991-03-08", "until 18:48"},
        {"Delicatessen", "1991.5", "TRUE", "6:48 PM"},
    };
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            EXPECT_EQ(s.cell(r + 1, c + 1), rows[r][c]) << "row " << r + 1 << " column " << c + 1;
    EXPECT_EQ(s.GetLastRow(), 3);
    EXPECT_EQ(s.lastColumn(), 4);
}

INSTANTIATE_TEST_SUITE_P(Versions, OldExcelWorksheets,
                         ::testing::Values(OldVersion{"Excel2", 2, true}, OldVersion{"Excel2WithoutStyles", 2, false},
                                           OldVersion{"Excel3", 3, true}, OldVersion{"Excel4", 4, true}),
                         [](const auto &info) { return std::string(info.param.name); });

// Damage in the container, in the records or in the values ends in a message naming the file,
// given when the workbook is opened or when the damaged sheet is read.
TEST(XlsReader, DamageEndsInAClearMessage)
{
    const QByteArray good = excelStyleWorkbook(6000);
    auto damaged = [&](auto change) {
        Compound c = compound(good);
        change(c);
        return c.bytes;
    };
    auto withSheet = [](const QByteArray &cells) {
        return compound(workbookStream(0x0600, QByteArray(), {{text(QStringLiteral("S"), true), 0, cells}})).bytes;
    };
    const QString damage = QStringLiteral("is damaged or not an Excel workbook");
    QByteArray sheetWithoutEnd = workbookStream(0x0600, QByteArray(), {{text(QStringLiteral("S"), true), 0, label(0, 0, "a")}});
    sheetWithoutEnd.chop(4);
    QByteArray splitWideCharacter = le32(1) + le32(1) + le16(2) + QByteArray(1, 1) + QByteArray(1, 'A');
    splitWideCharacter = record(0x00FC, splitWideCharacter) + record(0x003C, QByteArray("\x01\x00\x42\x00", 4));

    struct Case {
        const char *what;
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"a chain of sectors that loops", damaged([](Compound &c) { c.setFatEntry(c.firstStreamSector + 1, c.firstStreamSector); }), damage},
        {"a sector past the end of the file", damaged([](Compound &c) { c.setFatEntry(c.firstStreamSector, 5000); }), damage},
        {"a stream longer than the file", damaged([](Compound &c) { c.setStreamEntry(120, le32(10'000'000)); }), damage},
        {"a directory that loops", damaged([](Compound &c) { c.setFatEntry(c.directorySector, c.directorySector); }), damage},
        {"more allocation sectors than the file has", damaged([](Compound &c) { c.bytes.replace(44, 4, le32(100000)); }), damage},
        {"a file cut inside its header", compound(good).bytes.left(300), damage},
        {"a file cut short", compound(good).bytes.left(5000), damage},
        {"a record running past the stream", withSheet(label(0, 0, "a") + le16(0x0203) + le16(0xFFFF)), damage},
        {"a shared text that is not in the table", withSheet(sharedLabel(0, 0, 99)), damage},
        {"a text running past its record", withSheet(record(0x0204, cellHead(0, 0, 0) + le16(200) + QByteArray(1, 0) + "short")), damage},
        {"a two-byte character split between records", compound(workbookStream(0x0600, splitWideCharacter, {})).bytes, damage},
        {"a sheet past the end of the stream",
         compound(workbookStream(0x0600, record(0x0085, le32(0x7FFFFFFF) + le16(0) + text(QStringLiteral("S"), true)), {})).bytes, damage},
        {"a sheet without its end", compound(sheetWithoutEnd).bytes, damage},
        {"workbook records without their end", compound(bof(0x0600, 5) + record(0x0042, le16(1200))).bytes, damage},
        {"an unknown record version", compound(workbookStream(0x0400, QByteArray(), {})).bytes, damage},
        {"a cell past the largest sheet", withSheet(label(0, 0xFFFF, "far")), QStringLiteral("outside the largest sheet")},
        {"a password", compound(workbookStream(0x0600, record(0x002F, QByteArray(54, 1)), {})).bytes,
         QStringLiteral("is protected with a password")},
        {"a newer workbook with a password, named .xls",
         compound({{QStringLiteral("EncryptionInfo"), QByteArray(200, 4)}, {QStringLiteral("EncryptedPackage"), QByteArray(5000, 7)}}).bytes,
         QStringLiteral("is protected with a password")},
        {"another kind of Office document", compound(good, QStringLiteral("WordDocument")).bytes,
         QStringLiteral("holds no Excel workbook")},
        {"an Excel 4 worksheet without its end", QByteArray("\x09\x04\x06\x00\x00\x00\x10\x00", 8) + QByteArray(100, 0), damage},
        {"an Excel 4 macro sheet", oldFile(4, 0x0040, label(0, 0, "=A1")), QStringLiteral("is a macro sheet saved by Excel 4 or earlier")},
        {"an Excel 3 chart", oldFile(3, 0x0020, QByteArray()), QStringLiteral("is a chart saved by Excel 4 or earlier")},
        {"an Excel 4 workbook", oldFile(4, 0x0100, QByteArray()), QStringLiteral("is a workbook or workspace saved by Excel 4")},
        {"an Excel 2 worksheet with a password", oldFile(2, 0x0010, record(0x002F, QByteArray(4, 1))),
         QStringLiteral("is protected with a password")},
        {"text named .xls", QByteArray("Title,Director\nAliens,James Cameron\n"), QStringLiteral("is not an Excel 97-2003 workbook")},
        {"an empty file", QByteArray(), QStringLiteral("is not an Excel 97-2003 workbook")},
    };
    QTemporaryDir dir;
    int n = 0;
    for (const Case &c : cases) {
        const QString name = QStringLiteral("damaged-%1.xls").arg(++n);
        try {
            auto wb = openWorkbook(writeFile(dir, name, c.bytes));
            for (int i = 0; i < wb->worksheetNames().size(); ++i)
                wb->readSheet(i);
            ADD_FAILURE() << c.what << ": read without complaint";
        } catch (const CinelogError &e) {
            EXPECT_TRUE(e.description().contains(c.expected)) << c.what << ": " << e.what();
            EXPECT_TRUE(e.description().contains(name)) << c.what << ": the message names the file: " << e.what();
        }
    }
}

// The one-sheet file the damage cases start from reads when nothing is damaged, so each case above
// fails for its damage and not for the way it was built.
TEST(XlsReader, OneSheetFixtureReadsWhenUndamaged)
{
    QTemporaryDir dir;
    auto wb = openWorkbook(writeFile(dir, QStringLiteral("good.xls"),
                                     compound(workbookStream(0x0600, QByteArray(), {{text(QStringLiteral("S"), true), 0,
                                                                                      label(0, 0, "a")}}))
                                         .bytes));
    EXPECT_EQ(wb->readSheet(0).cell(1, 1), QStringLiteral("a"));
}

}
