#include "CinelogError.h"
#include "GTestSupport.h"
#include "ImportTestData.h"
#include "WorkbookCellText.h"
#include "WorkbookReader.h"
#include "XlsTestFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <quazip.h>
#include <quazipfile.h>

namespace {

SheetData readNamed(const QString &path, const QString &sheetName)
{
    auto wb = openWorkbook(path);
    const QStringList names = wb->worksheetNames();
    const int index = sheetName.isEmpty() ? 0 : int(names.indexOf(sheetName));
    EXPECT_GE(index, 0) << "no worksheet " << sheetName.toStdString() << " in " << path.toStdString();
    return wb->readSheet(std::max(index, 0));
}

QString writeTemp(QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

struct FormatCase {
    const char *file;
    const char *sheet; // empty for a .csv, whose one sheet is named after the file
};

class SameSheetEveryFormat : public ::testing::TestWithParam<FormatCase>
{
};

// The "Movies" sheet saved by different programs must read as the same texts.
TEST_P(SameSheetEveryFormat, ReadsTheCellsAUserSees)
{
    const SheetData s = readNamed(importData(GetParam().file), QString::fromLatin1(GetParam().sheet));

    // A gap after "Bought" hides the "Ignored" heading in column L.
    EXPECT_EQ(s.headings(), QStringList({"Title", "Director", "Actor 1", "Actor 2", "Genre", "Medium", "Year", "Minutes",
                                         "Discs", "Bought"}));
    EXPECT_EQ(s.cell(1, 12), QStringLiteral("Ignored"));
    // Empty rows below the data (styled or repeated rows in some formats) do not count.
    EXPECT_EQ(s.GetLastRow(), 6);

    const QStringList row2 = {"The Abyss", "James Cameron", "Ed Harris", "Mary Elizabeth Mastrantonio", "Science Fiction",
                              "DVD", "1989", "140", "1", "2003-05-17"};
    const QStringList row3 = {"Aliens", "James Cameron", "Sigourney Weaver", "Michael Biehn", "Action", "DVD", "1986",
                              "137.5", "2", "2004-12-01"};
    const QStringList row5 = {"Say \"Hello\" to O'Brien", "Jim O'Hara", "Ed Harris", QStringLiteral("Zoë Ñúñez"), "Comedy",
                              "VHS", "2001", "95", "1", "1999-01-31"};
    for (int c = 1; c <= 10; ++c) {
        EXPECT_EQ(s.cell(2, c), row2.at(c - 1)) << "row 2 column " << c;
        EXPECT_EQ(s.cell(3, c), row3.at(c - 1)) << "row 3 column " << c;
        EXPECT_EQ(s.cell(4, c), QString()) << "row 4 column " << c;
        EXPECT_EQ(s.cell(5, c), row5.at(c - 1)) << "row 5 column " << c;
    }
    EXPECT_EQ(s.cell(6, 4), QString());
    EXPECT_EQ(s.cell(6, 10), QString());
}

INSTANTIATE_TEST_SUITE_P(Formats, SameSheetEveryFormat,
                         ::testing::Values(FormatCase{"movies.xls", "Movies"}, FormatCase{"movies.xlsx", "Movies"},
                                           FormatCase{"movies.ods", "Movies"}, FormatCase{"movies.csv", ""},
                                           FormatCase{"movies-semicolon.csv", ""}),
                         [](const auto &info) {
                             std::string n = info.param.file;
                             for (char &ch : n)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(WorkbookReader, ListsWorksheetsInOrder)
{
    for (const char *file : {"movies.xls", "movies.xlsx", "movies.ods"})
        EXPECT_EQ(openWorkbook(importData(file))->worksheetNames(), QStringList({"Movies", "HeadingOnly", "Values"})) << file;
    EXPECT_EQ(openWorkbook(importData("movies.csv"))->worksheetNames(), QStringList({"movies"}));
}

TEST(WorkbookReader, HeadingRowOnlyHasLastRowOne)
{
    for (const char *file : {"movies.xls", "movies.xlsx", "movies.ods"}) {
        const SheetData s = readNamed(importData(file), QStringLiteral("HeadingOnly"));
        EXPECT_EQ(s.GetLastRow(), 1) << file;
        EXPECT_EQ(s.headings(), QStringList({"Title", "Director", "Year"})) << file;
    }
    EXPECT_EQ(readNamed(importData("heading-only.csv"), QString()).GetLastRow(), 1);
}

TEST(WorkbookReader, EmptySheetHasLastRowOne)
{
    QTemporaryDir dir;
    const SheetData s = readNamed(writeTemp(dir, "empty.csv", QByteArray()), QString());
    EXPECT_EQ(s.GetLastRow(), 1);
    EXPECT_TRUE(s.headings().isEmpty());
}

TEST(WorkbookReader, NumbersDatesAndTextReadAsShown)
{
    const QStringList expected = {"42", "3", "0.1", "-7.25", "123456789012", "2001-02-03", "  spaced text  "};
    for (const char *file : {"movies.xls", "movies.xlsx", "movies.ods"}) {
        const SheetData s = readNamed(importData(file), QStringLiteral("Values"));
        for (int i = 0; i < expected.size(); ++i)
            EXPECT_EQ(s.cell(i + 2, 2), expected.at(i)) << file << " " << s.cell(i + 2, 1).toStdString();
    }
    for (const char *file : {"booleans.xlsx", "booleans.ods"}) {
        const SheetData s = readNamed(importData(file), QString());
        EXPECT_EQ(s.cell(2, 2), QStringLiteral("TRUE")) << file;
        EXPECT_EQ(s.cell(3, 2), QStringLiteral("FALSE")) << file;
    }
}

// Laid out as Excel saves: shared texts (one in formatted runs with a phonetic guide), the 1904
// date system, built-in date and time styles, a formula's text, an error, cells without references.
TEST(WorkbookReader, ExcelLayoutReadsAsShown)
{
    const SheetData s = readNamed(importData("excel-style.xlsx"), QStringLiteral("Shared"));
    EXPECT_EQ(s.headings(), QStringList({"Title", "Bought", "Time", "Kind"}));
    // The time's style is the built-in "h:mm": it shows no seconds.
    const QStringList row2 = {"Seven Samurai", "2003-05-17", "18:00", "TRUE"};
    const QStringList row3 = {"RAN", "1904-01-01", "", "#N/A"};
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(s.cell(2, c), row2.at(c - 1)) << c;
        EXPECT_EQ(s.cell(3, c), row3.at(c - 1)) << c;
    }
    EXPECT_EQ(s.GetLastRow(), 3);
}

using Parts = QList<std::pair<QString, QByteArray>>;

QByteArray zipped(const Parts &parts)
{
    QBuffer buffer;
    QuaZip zip(&buffer);
    EXPECT_TRUE(zip.open(QuaZip::mdCreate));
    for (const auto &[name, data] : parts) {
        QuaZipFile f(&zip);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly, QuaZipNewInfo(name)));
        f.write(data);
        f.close();
    }
    zip.close();
    return buffer.data();
}

const QByteArray MainNs = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";

QByteArray xlsxSheet(const QByteArray &rows)
{
    return "<?xml version=\"1.0\"?><worksheet " + MainNs + "><sheetData>" + rows + "</sheetData></worksheet>";
}

struct XlsxPart {
    QByteArray name;  // as the workbook names it
    QByteArray type;  // the relationship's kind, after its namespace
    QByteArray path;  // below xl/
    QByteArray xml;
};

// A workbook as Excel saves one: its sheets of every kind, shared texts and styles.
QByteArray xlsx(const QList<XlsxPart> &sheets, const QByteArray &sharedTexts = QByteArray(), const QByteArray &styles = QByteArray())
{
    QByteArray list, rels;
    Parts parts;
    int id = 0;
    for (const XlsxPart &p : sheets) {
        const QByteArray rid = "rId" + QByteArray::number(++id);
        list += "<sheet name=\"" + p.name + "\" sheetId=\"" + QByteArray::number(id) + "\" r:id=\"" + rid + "\"/>";
        const QByteArray ns = p.type == "xlMacrosheet" ? "http://schemas.microsoft.com/office/2006/relationships/"
                                                       : "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
        rels += "<Relationship Id=\"" + rid + "\" Type=\"" + ns + p.type + "\" Target=\"" + p.path + "\"/>";
        parts.append({QString::fromLatin1("xl/" + p.path), p.xml});
    }
    const QByteArray relNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    if (!sharedTexts.isEmpty()) {
        rels += "<Relationship Id=\"rIdS\" Type=\"" + relNs + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
        parts.append({QStringLiteral("xl/sharedStrings.xml"), "<?xml version=\"1.0\"?><sst " + MainNs + ">" + sharedTexts + "</sst>"});
    }
    if (!styles.isEmpty()) {
        rels += "<Relationship Id=\"rIdT\" Type=\"" + relNs + "/styles\" Target=\"styles.xml\"/>";
        parts.append({QStringLiteral("xl/styles.xml"), "<?xml version=\"1.0\"?><styleSheet " + MainNs + ">" + styles + "</styleSheet>"});
    }
    parts.prepend({QStringLiteral("xl/_rels/workbook.xml.rels"),
                   "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" + rels
                       + "</Relationships>"});
    parts.prepend({QStringLiteral("xl/workbook.xml"), "<?xml version=\"1.0\"?><workbook " + MainNs + " xmlns:r=\"" + relNs + "\"><sheets>"
                                                          + list + "</sheets></workbook>"});
    parts.prepend({QStringLiteral("[Content_Types].xml"), "<Types/>"});
    return zipped(parts);
}

QByteArray numberCell(const char *ref, int style, double value)
{
    return "<c r=\"" + QByteArray(ref) + "\" s=\"" + QByteArray::number(style) + "\"><v>" + QByteArray::number(value, 'g', 17) + "</v></c>";
}

const QByteArray OdsNamespaces = "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                                 "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
                                 "xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\" "
                                 "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                                 "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"";

QByteArray ods(const QByteArray &automaticStyles, const QByteArray &table, const QByteArray &namedStyles = QByteArray())
{
    Parts parts = {{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
                   {QStringLiteral("content.xml"), "<?xml version=\"1.0\"?><office:document-content " + OdsNamespaces
                                                       + "><office:automatic-styles>" + automaticStyles
                                                       + "</office:automatic-styles><office:body><office:spreadsheet>" + table
                                                       + "</office:spreadsheet></office:body></office:document-content>"}};
    if (!namedStyles.isEmpty())
        parts.append({QStringLiteral("styles.xml"), "<?xml version=\"1.0\"?><office:document-styles " + OdsNamespaces + "><office:styles>"
                                                        + namedStyles + "</office:styles></office:document-styles>"});
    return zipped(parts);
}

struct Cell {
    int row, column;
    QString text;
};

struct WrittenWorkbook {
    const char *fault;
    const char *file;
    QByteArray bytes;
    QStringList worksheets; // offered, in order
    QList<Cell> cells;      // of the first worksheet
    const char *error = nullptr;
};

// Workbooks as other programs write them, each showing one thing they do that must read as a
// spreadsheet shows it.
QList<WrittenWorkbook> writtenWorkbooks()
{
    const double evening = (18 * 3600 + 48 * 60 + 30) / 86400.0; // 18:48:30
    const double elapsed = (255 * 3600 + 10 * 60 + 10) / 86400.0; // 10.632 days
    QList<WrittenWorkbook> out;

    out.append({"character escapes in shared and inline text", "escapes.xlsx",
                xlsx({{"Q_x0026_A", "worksheet", "worksheets/sheet1.xml",
                       xlsxSheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c><c r=\"C1\" t=\"s\"><v>2</v></c>"
                                 "<c r=\"D1\" t=\"s\"><v>3</v></c><c r=\"E1\" t=\"inlineStr\"><is><t>inline_x000A_line</t></is></c>"
                                 "<c r=\"F1\" t=\"str\"><f>\"A\"&amp;\"B\"</f><v>A_x0026_B</v></c></row>")}},
                     "<si><t>ABC_x000D_\nDEF</t></si><si><t>_x005F_x0041_ stays</t></si>"
                     "<si><r><t>Tab_x0009_</t></r><r><t>stop</t></r><rPh sb=\"0\" eb=\"1\"><t>_x0041_</t></rPh></si>"
                     "<si><t>not_x00G1_hex _x41_ _x0041</t></si>"),
                {QStringLiteral("Q&A")},
                {{1, 1, QStringLiteral("ABC\r\nDEF")},
                 {1, 2, QStringLiteral("_x0041_ stays")},
                 {1, 3, QStringLiteral("Tab\tstop")},
                 {1, 4, QStringLiteral("not_x00G1_hex _x41_ _x0041")},
                 {1, 5, QStringLiteral("inline\nline")},
                 {1, 6, QStringLiteral("A&B")}}});

    out.append({"elapsed-time formats count the whole", "elapsed.xlsx",
                xlsx({{"Times", "worksheet", "worksheets/sheet1.xml",
                       xlsxSheet("<row r=\"1\">" + numberCell("A1", 1, elapsed) + numberCell("B1", 2, elapsed) + numberCell("C1", 3, elapsed)
                                 + numberCell("D1", 4, elapsed) + numberCell("E1", 5, elapsed) + numberCell("F1", 6, elapsed) + "</row>")}},
                     QByteArray(),
                     "<numFmts><numFmt numFmtId=\"164\" formatCode=\"[hh]:mm:ss\"/><numFmt numFmtId=\"165\" formatCode=\"[h]:mm\"/>"
                     "<numFmt numFmtId=\"166\" formatCode=\"[mm]:ss\"/><numFmt numFmtId=\"167\" formatCode=\"[s]\"/></numFmts>"
                     "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/><xf numFmtId=\"166\"/>"
                     "<xf numFmtId=\"167\"/><xf numFmtId=\"46\"/><xf numFmtId=\"21\"/></cellXfs>"),
                {QStringLiteral("Times")},
                {{1, 1, QStringLiteral("255:10:10")},
                 {1, 2, QStringLiteral("255:10")},
                 {1, 3, QStringLiteral("15310:10")},
                 {1, 4, QStringLiteral("918610")},
                 {1, 5, QStringLiteral("255:10:10")},   // built-in [h]:mm:ss
                 {1, 6, QStringLiteral("15:10:10")}}}); // h:mm:ss: the time of day

    const QByteArray films = xlsxSheet("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Brazil</t></is></c></row>");
    out.append({"chart, dialog and macro sheets are not worksheets", "chartsheet.xlsx",
                xlsx({{"Chart1", "chartsheet", "chartsheets/sheet1.xml", "<chartsheet " + MainNs + "/>"},
                      {"Films", "worksheet", "worksheets/sheet1.xml", films},
                      {"Dialog1", "dialogsheet", "dialogsheets/sheet1.xml", "<dialogsheet " + MainNs + "/>"},
                      {"Macro1", "xlMacrosheet", "macrosheets/sheet1.xml", "<xm:macrosheet xmlns:xm=\"urn:x\"/>"}}),
                {QStringLiteral("Films")},
                {{1, 1, QStringLiteral("Brazil")}}});

    out.append({"an .xlsx saved with a password", "password.xlsx",
                XlsTestFile::compound({{QStringLiteral("EncryptionInfo"), QByteArray(200, 4)},
                                       {QStringLiteral("EncryptedPackage"), QByteArray(6000, 7)}})
                    .bytes,
                {}, {}, "is protected with a password. Save it without the password"});
    out.append({"an .ods saved with a password", "password.ods",
                zipped({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
                        {QStringLiteral("META-INF/manifest.xml"),
                         "<?xml version=\"1.0\"?><manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
                         "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\">"
                         "<manifest:encryption-data manifest:checksum-type=\"SHA1/1K\" manifest:checksum=\"AAAA\">"
                         "<manifest:algorithm manifest:algorithm-name=\"Blowfish CFB\" manifest:initialisation-vector=\"AAAA\"/>"
                         "</manifest:encryption-data></manifest:file-entry></manifest:manifest>"},
                        {QStringLiteral("content.xml"), QByteArray("\x8f\x03\xd1\x7a\x00\x42", 6)}}),
                {}, {}, "is protected with a password. Save it without the password"});

    out.append({"times and times with text as their format shows them", "times.xlsx",
                xlsx({{"Times", "worksheet", "worksheets/sheet1.xml",
                       xlsxSheet("<row r=\"1\">" + numberCell("A1", 1, evening) + numberCell("B1", 2, evening) + numberCell("C1", 3, 37758 + evening)
                                 + numberCell("D1", 4, evening) + numberCell("E1", 5, 37758 + evening) + numberCell("F1", 6, evening) + "</row>")}},
                     QByteArray(),
                     "<numFmts><numFmt numFmtId=\"164\" formatCode=\"\\u\\n\\t\\i\\l\\ h:mm\"/>"
                     "<numFmt numFmtId=\"165\" formatCode=\"&quot;until &quot;h:mm\"/><numFmt numFmtId=\"166\" formatCode=\"h:mm:ss a/p\"/></numFmts>"
                     "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/><xf numFmtId=\"20\"/>"
                     "<xf numFmtId=\"18\"/><xf numFmtId=\"14\"/><xf numFmtId=\"166\"/></cellXfs>"),
                {QStringLiteral("Times")},
                {{1, 1, QStringLiteral("until 18:48")},
                 {1, 2, QStringLiteral("until 18:48")},
                 {1, 3, QStringLiteral("18:48")},
                 {1, 4, QStringLiteral("6:48 PM")},
                 {1, 5, QStringLiteral("2003-05-17")},
                 {1, 6, QStringLiteral("6:48:30 p")}}});

    // Time styles of OpenDocument: in the content's own styles, inherited from a named style, and
    // a column's style for cells that name none.
    const QByteArray timeStyles =
        "<number:time-style style:name=\"N1\"><number:hours number:style=\"long\"/><number:text>:</number:text>"
        "<number:minutes number:style=\"long\"/></number:time-style>"
        "<number:time-style style:name=\"N2\"><number:text>until </number:text><number:hours/><number:text>:</number:text>"
        "<number:minutes number:style=\"long\"/></number:time-style>"
        "<number:time-style style:name=\"N3\"><number:hours/><number:text>:</number:text><number:minutes number:style=\"long\"/>"
        "<number:text> </number:text><number:am-pm/></number:time-style>"
        "<number:time-style style:name=\"N4\" number:truncate-on-overflow=\"false\"><number:hours/><number:text>:</number:text>"
        "<number:minutes number:style=\"long\"/><number:text>:</number:text><number:seconds number:style=\"long\"/></number:time-style>"
        "<style:style style:name=\"ce1\" style:family=\"table-cell\" style:parent-style-name=\"Default\" style:data-style-name=\"N1\"/>"
        "<style:style style:name=\"ce2\" style:family=\"table-cell\" style:data-style-name=\"N2\"/>"
        "<style:style style:name=\"ce3\" style:family=\"table-cell\" style:data-style-name=\"N3\"/>"
        "<style:style style:name=\"ce4\" style:family=\"table-cell\" style:data-style-name=\"N4\"/>"
        "<style:style style:name=\"ce5\" style:family=\"table-cell\" style:parent-style-name=\"Clock\"/>";
    const QByteArray namedStyles =
        "<number:time-style style:name=\"N9\"><number:hours/><number:text>h</number:text><number:minutes number:style=\"long\"/>"
        "</number:time-style><style:style style:name=\"Clock\" style:family=\"table-cell\" style:data-style-name=\"N9\"/>";
    const auto timeCell = [](const char *style, const char *value, const char *shown) {
        return "<table:table-cell" + (*style ? " table:style-name=\"" + QByteArray(style) + "\"" : QByteArray())
               + " office:value-type=\"time\" office:time-value=\"" + value + "\">" + (*shown ? "<text:p>" + QByteArray(shown) + "</text:p>" : QByteArray())
               + "</table:table-cell>";
    };
    out.append({"time styles of OpenDocument", "times.ods",
                ods(timeStyles,
                    "<table:table table:name=\"Times\"><table:table-column table:number-columns-repeated=\"7\"/>"
                    "<table:table-column table:default-cell-style-name=\"ce3\"/><table:table-row>"
                        + timeCell("ce1", "PT18H48M30S", "18:48") + timeCell("ce2", "PT18H48M30S", "") + timeCell("ce3", "PT18H48M30S", "06:48 PM")
                        + timeCell("ce4", "PT255H10M10S", "255:10:10") + timeCell("ce5", "PT18H48M30S", "")
                        + "<table:table-cell table:style-name=\"ce1\" office:value-type=\"date\" office:date-value=\"2003-05-17T18:48:30\"/>"
                          "<table:table-cell office:value-type=\"date\" office:date-value=\"2003-05-17\"><text:p>17/05/03</text:p></table:table-cell>"
                        + timeCell("", "PT18H48M30S", "") + "</table:table-row><table:table-row>" + timeCell("", "PT6H5M0S", "")
                        + "</table:table-row></table:table>",
                    namedStyles),
                {QStringLiteral("Times")},
                {{1, 1, QStringLiteral("18:48")},
                 {1, 2, QStringLiteral("until 18:48")},
                 {1, 3, QStringLiteral("6:48 PM")},
                 {1, 4, QStringLiteral("255:10:10")},
                 {1, 5, QStringLiteral("18h48")},
                 {1, 6, QStringLiteral("18:48")},
                 {1, 7, QStringLiteral("2003-05-17")},
                 {1, 8, QStringLiteral("6:48 PM")},      // the column's style
                 {2, 1, QStringLiteral("06:05:00")}}}); // no style, nothing shown: the time itself
    return out;
}

TEST(WorkbookReader, WorkbooksOfOtherProgramsReadAsShown)
{
    QTemporaryDir dir;
    for (const WrittenWorkbook &w : writtenWorkbooks()) {
        const QString path = writeTemp(dir, w.file, w.bytes);
        try {
            auto wb = openWorkbook(path);
            EXPECT_EQ(wb->worksheetNames(), w.worksheets) << w.fault;
            if (w.error) {
                for (int i = 0; i < wb->worksheetNames().size(); ++i)
                    wb->readSheet(i);
                ADD_FAILURE() << w.fault << ": read without complaint";
                continue;
            }
            const SheetData s = wb->readSheet(0);
            for (const Cell &c : w.cells)
                EXPECT_EQ(s.cell(c.row, c.column), c.text) << w.fault << ": row " << c.row << " column " << c.column;
        } catch (const CinelogError &e) {
            if (!w.error)
                ADD_FAILURE() << w.fault << ": " << e.what();
            else
                EXPECT_TRUE(e.description().contains(QString::fromLatin1(w.error)) && e.description().contains(QString::fromLatin1(w.file)))
                    << w.fault << ": " << e.what();
        }
    }
}

TEST(CellText, SerialDaysBecomeCatalogueDates)
{
    using K = CellText::SerialKind;
    struct Case {
        double serial;
        bool epoch1904;
        K kind;
        const char *text;
    } cases[] = {
        {1, false, K::Date, "1900-01-01"},       {59, false, K::Date, "1900-02-28"},
        {61, false, K::Date, "1900-03-01"},      {37758, false, K::Date, "2003-05-17"},
        {0, true, K::Date, "1904-01-01"},        {36296, true, K::Date, "2003-05-17"},
        {0.5, false, K::Time, "12:00:00"},       {37758.75, false, K::DateTime, "2003-05-17 18:00:00"},
        {37758.0, false, K::DateTime, "2003-05-17"}, {0.99999999, false, K::Time, "00:00:00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CellText::fromSerial(c.serial, c.epoch1904, c.kind), QString::fromLatin1(c.text)) << c.serial;
}

TEST(CellText, NumbersWithoutNoise)
{
    struct Case {
        double value;
        const char *text;
    } cases[] = {{3.0, "3"}, {0.1 + 0.2, "0.3"}, {-7.25, "-7.25"}, {1e20, "1e+20"}, {123456789012.0, "123456789012"},
                 {-0.0, "0"}, {2.5e-7, "2.5e-07"}};
    for (const Case &c : cases)
        EXPECT_EQ(CellText::number(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(CellText, RecognisesDateFormats)
{
    using K = CellText::SerialKind;
    struct Case {
        const char *code;
        bool isDate;
        K kind;
    } cases[] = {
        {"yyyy-mm-dd", true, K::Date},      {"d/m/yy h:mm", true, K::DateTime}, {"h:mm:ss", true, K::Time},
        {"[h]:mm", true, K::Time},          {"mmm", true, K::Date},             {"0.00", false, K::Date},
        {"[Red]0.00", false, K::Date},      {"0.00E+00", false, K::Date},       {"\"days\" 0", false, K::Date},
        {"General", false, K::Date},        {"#,##0 \"yd\"", false, K::Date},
    };
    for (const Case &c : cases) {
        K kind = K::Date;
        EXPECT_EQ(CellText::isDateFormatCode(QString::fromLatin1(c.code), &kind), c.isDate) << c.code;
        if (c.isDate) {
            EXPECT_EQ(int(kind), int(c.kind)) << c.code;
        }
    }
}

TEST(CsvReader, QuotedFieldsAndSeparators)
{
    QTemporaryDir dir;
    struct Case {
        const char *name;
        QByteArray bytes;
        QList<QStringList> rows;
    } cases[] = {
        {"quoted.csv", "a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",x,\r\n", {{"a", "b,c", "say \"hi\""}, {"two\nlines", "x", ""}}},
        {"semi.csv", "a;b,c;d\n1;2,5;3\n", {{"a", "b,c", "d"}, {"1", "2,5", "3"}}},
        {"bom.csv", "\xEF\xBB\xBFTitle,Year\rAmélie,2001", {{"Title", "Year"}, {QStringLiteral("Amélie"), "2001"}}},
        {"noend.csv", "x,y", {{"x", "y"}}},
    };
    for (const Case &c : cases) {
        const SheetData s = readNamed(writeTemp(dir, c.name, c.bytes), QString());
        EXPECT_EQ(s.GetLastRow(), c.rows.size()) << c.name;
        for (int r = 0; r < c.rows.size(); ++r)
            for (int col = 0; col < c.rows[r].size(); ++col)
                EXPECT_EQ(s.cell(r + 1, col + 1), c.rows[r][col]) << c.name << " r" << r + 1 << " c" << col + 1;
    }
}

// Damaged and hostile workbooks end with a message that says what is wrong, never a crash or a
// machine out of memory.
TEST(WorkbookReader, DamagedAndHostileFilesEndWithAClearMessage)
{
    struct Case {
        const char *file;
        const char *expected;
    } cases[] = {
        {"truncated.xlsx", "damaged"},
        {"truncated.xls", "damaged or not an Excel workbook"},
        {"bomb.xlsx", "unpacks to more than"},
        {"wide.xlsx", "outside the largest sheet"},
        {"wide.ods", "outside the largest sheet"},
        {"badxml.xlsx", "not valid XML"},
        {"notaworkbook.xlsx", "not a workbook"},
        {"latin1.csv", "is not UTF-8 text (line 2"},
        {"missing.xlsx", "Could not find the workbook"},
    };
    for (const Case &c : cases) {
        try {
            auto wb = openWorkbook(importData(c.file));
            for (int i = 0; i < wb->worksheetNames().size(); ++i)
                wb->readSheet(i);
            ADD_FAILURE() << c.file << " was read without complaint";
        } catch (const CinelogError &e) {
            EXPECT_TRUE(e.description().contains(QString::fromLatin1(c.expected))) << c.file << ": " << e.what();
            EXPECT_TRUE(e.description().contains(QString::fromLatin1(c.file))) << "the message names the file: " << e.what();
        }
    }
}

// Every cut-short or bit-flipped copy of a good workbook either reads or ends with an error;
// none crashes the reader.
TEST(WorkbookReader, CutAndCorruptedCopiesNeverCrash)
{
    QTemporaryDir dir;
    for (const char *file : {"movies.xls", "movies.xlsx", "movies.ods", "excel-style.xlsx"}) {
        QFile f(importData(file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray whole = f.readAll();
        const QString suffix = QFileInfo(QString::fromLatin1(file)).suffix();
        int failures = 0, variants = 0;
        for (int step = 1; step < 40; ++step) {
            QByteArray cut = whole.left(whole.size() * step / 40);
            QByteArray flipped = whole;
            const qsizetype at = flipped.size() * step / 40;
            flipped[at] = char(flipped[at] ^ 0x5A);
            for (const QByteArray &bytes : {cut, flipped}) {
                const QString path = dir.filePath(QStringLiteral("v%1.%2").arg(variants++).arg(suffix));
                QFile out(path);
                ASSERT_TRUE(out.open(QIODevice::WriteOnly));
                out.write(bytes);
                out.close();
                try {
                    auto wb = openWorkbook(path);
                    for (int i = 0; i < wb->worksheetNames().size(); ++i)
                        wb->readSheet(i);
                } catch (const CinelogError &e) {
                    ++failures;
                    EXPECT_FALSE(e.description().isEmpty());
                }
            }
        }
        // Cutting a workbook short damages it; most copies must be refused, not silently read.
        EXPECT_GT(failures, 20) << file;
    }
}

TEST(WorkbookReader, CellLimitBoundsMemory)
{
    QTemporaryDir dir;
    QByteArray many;
    for (int r = 0; r < 100; ++r)
        many += "a,b,c,d,e,f,g,h,i,j\n";
    const QString path = writeTemp(dir, "many.csv", many);
    WorkbookLimits small;
    small.maxCells = 500;
    EXPECT_THROW(openWorkbook(path, small)->readSheet(0), CinelogError);
    small.maxCells = 1000;
    EXPECT_EQ(openWorkbook(path, small)->readSheet(0).cellCount(), 1000);
}

TEST(WorkbookReader, UnknownKindIsRefused)
{
    QTemporaryDir dir;
    const QString path = writeTemp(dir, "list.doc", "Title\n");
    try {
        openWorkbook(path);
        ADD_FAILURE() << "a .doc file was accepted";
    } catch (const CinelogError &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral(".xls, .xlsx, .ods or .csv")));
    }
}

} // namespace
