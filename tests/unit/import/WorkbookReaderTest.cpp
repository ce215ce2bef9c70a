#include "CinelogError.h"
#include "GTestSupport.h"
#include "ImportTestData.h"
#include "WorkbookCellText.h"
#include "WorkbookReader.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
