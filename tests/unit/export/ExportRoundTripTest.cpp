#include "CatalogueExport.h"
#include "ExportTestSupport.h"
#include "ImportHeadings.h"
#include "ProgressSink.h"
#include "WorkbookImport.h"
#include "WorkbookReader.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {

struct FormatCase {
    ExportFormat format;
    const char *file;
};

class ExportRoundTrip : public ::testing::TestWithParam<FormatCase>
{
protected:
    void SetUp() override
    {
        source = newCatalogue(dir.filePath(QStringLiteral("source.cnlg")));
        fillTrickyCatalogue(*source);
    }
    QString exportTo(const QString &name, ExportFormat format, std::optional<QList<int>> ids = std::nullopt, int pageSize = 2)
    {
        ExportRequest r;
        r.format = format;
        r.path = dir.filePath(name);
        r.movieIds = std::move(ids);
        r.pageSize = pageSize; // several pages even for a small catalogue
        NullProgress progress;
        const ExportOutcome o = CatalogueExport::run(*source, r, progress);
        EXPECT_FALSE(o.cancelled);
        return r.path;
    }

    QTemporaryDir dir;
    std::unique_ptr<Catalogue> source;
};

TEST_P(ExportRoundTrip, ImportOfTheExportGivesBackTheCatalogue)
{
    const QString file = exportTo(QString::fromLatin1(GetParam().file), GetParam().format);
    ASSERT_TRUE(QFileInfo::exists(file));

    auto target = newCatalogue(dir.filePath(QStringLiteral("target.cnlg")));
    const SheetData sheet = openWorkbook(file)->readSheet(0);
    const FieldLinks links = ImportHeadings::match(sheet.headings());
    NullProgress progress;
    const ImportSummary summary = WorkbookImport::run(sheet, links, *target, target->path(), progress);
    // The movie with every field empty names no movie: the import refuses it. The rest comes back.
    EXPECT_EQ(summary.movies, 5);
    EXPECT_EQ(summary.refused, 1);

    QStringList before = dump(*source);
    EXPECT_EQ(before.removeAll(QStringLiteral("movie: ||||||||||||0||0")), 1);
    const QStringList after = dump(*target);
    EXPECT_EQ(before.join(u'\n').toStdString(), after.join(u'\n').toStdString());
    // Nothing but the finished file is left in the folder.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &f : left)
        EXPECT_TRUE(f.endsWith(QStringLiteral(".cnlg")) || f == QString::fromLatin1(GetParam().file)) << f.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Formats, ExportRoundTrip,
                         ::testing::Values(FormatCase{ExportFormat::Csv, "movies.csv"}, FormatCase{ExportFormat::Xlsx, "movies.xlsx"},
                                           FormatCase{ExportFormat::Ods, "movies.ods"}),
                         [](const auto &info) { return std::string(info.param.file).substr(7); });

class ExportFiles : public ExportRoundTrip
{
};

// Other programs read the files: the cells they see are the catalogue's texts.
TEST_F(ExportFiles, SpreadsheetLibrariesReadTheCells)
{
    const QString xlsx = exportTo(QStringLiteral("m.xlsx"), ExportFormat::Xlsx);
    const QString out = python(QStringLiteral(R"PY(
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1], read_only=True).active
rows = [[("" if c is None else c) for c in r] for r in ws.iter_rows(values_only=True)]
assert rows[0][:3] == ["ID", "Title", "Sort Key"], rows[0]
assert len(rows) == 7, len(rows)
assert isinstance(rows[1][0], (int, float)) and int(rows[1][0]) == 1, rows[1][0]
assert rows[2][1] == 'He said "hi", then; left', rows[2][1]
assert rows[3][1] == "Line one\nLine two", repr(rows[3][1])
assert rows[1][16] == "Reeves, Keanu as Neo;; The One; Carrie-Anne Moss as Trinity; Hugo Weaving", rows[1][16]
assert rows[1][18] == "Jane", rows[1][18]
print("ok")
)PY"), {xlsx});
    EXPECT_EQ(out.trimmed(), QStringLiteral("ok")) << out.toStdString();

    const QString ods = exportTo(QStringLiteral("m.ods"), ExportFormat::Ods);
    const QString odsOut = python(QStringLiteral(R"PY(
import sys
from odf.opendocument import load
from odf.table import Table, TableRow, TableCell
from odf.text import P
from odf import teletype
doc = load(sys.argv[1])
assert doc.mimetype == "application/vnd.oasis.opendocument.spreadsheet", doc.mimetype
rows = doc.spreadsheet.getElementsByType(Table)[0].getElementsByType(TableRow)
def text(cell):
    return "\n".join(teletype.extractText(p) for p in cell.getElementsByType(P))
cells = [[text(c) for c in r.getElementsByType(TableCell)] for r in rows]
assert len(cells) == 7, len(cells)
assert cells[0][1] == "Title", cells[0]
assert cells[3][1] == "Line one\nLine two", repr(cells[3][1])
assert cells[2][8] == "  two  spaces ", repr(cells[2][8])
assert cells[3][9] == "\U0001F3AC" * 255
print("ok")
)PY"), {ods});
    EXPECT_EQ(odsOut.trimmed(), QStringLiteral("ok")) << odsOut.toStdString();
}

TEST_F(ExportFiles, CsvIsRfc4180)
{
    QFile f(exportTo(QStringLiteral("m.csv"), ExportFormat::Csv));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    EXPECT_TRUE(data.startsWith("\xEF\xBB\xBF" "ID,Title,Sort Key,Director,")) << data.left(40).toStdString();
    EXPECT_TRUE(data.contains("\r\n2,\"He said \"\"hi\"\", then; left\",,\"O'Brien; \"\"Dir\"\"\",\"Drama, Light\","));
    EXPECT_TRUE(data.contains(",\"Line one\nLine two\",Line one,"));
    EXPECT_TRUE(data.endsWith("\r\n"));
}

TEST_F(ExportFiles, HtmlPageIsStrictlyValidWithThumbnailsAndSorting)
{
    const QString page = exportTo(QStringLiteral("My Movies.html"), ExportFormat::Html);
    ASSERT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("My Movies_covers/1.jpg"))));
    const QString out = python(QStringLiteral(R"PY(
import sys, os, html5lib
from urllib.parse import unquote
with open(sys.argv[1], "rb") as f:
    doc = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False).parse(f)
imgs = doc.findall(".//img")
assert len(imgs) == 1, len(imgs)
src = unquote(imgs[0].get("src"))
assert os.path.isfile(os.path.join(os.path.dirname(sys.argv[1]), src)), src
assert not any(e.get("src", "").startswith(("http:", "https:", "//")) for e in doc.iter()), "outside resource"
assert not doc.findall(".//link"), "outside stylesheet"
scripts = [s.text or "" for s in doc.findall(".//script")]
assert any("sortBy" in s and "addEventListener" in s for s in scripts)
assert doc.find(".//meta[@name='viewport']") is not None
rows = doc.findall(".//tbody/tr")
assert len(rows) == 6, len(rows)
titles = ["".join(td.itertext()) for td in (r.findall("td")[1] for r in rows)]
assert titles[1] == 'He said "hi", then; left', titles[1]
assert rows[0].findall("td")[1].get("data-sort") == "Matrix, The"
print("ok")
)PY"), {page});
    EXPECT_EQ(out.trimmed(), QStringLiteral("ok")) << out.toStdString();

    // A second export replaces the page and its pictures together.
    source->exec(QStringLiteral("UPDATE Movies SET CoverData = NULL"));
    exportTo(QStringLiteral("My Movies.html"), ExportFormat::Html);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("My Movies_covers/1.jpg"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{QStringLiteral("My Movies_covers")});
}

// The movies in the list: those given, in the list's order.
TEST_F(ExportFiles, ChosenMoviesInTheirOrder)
{
    const QString csv = exportTo(QStringLiteral("some.csv"), ExportFormat::Csv, QList<int>{5, 1, 4}, 2);
    const SheetData sheet = openWorkbook(csv)->readSheet(0);
    ASSERT_EQ(sheet.GetLastRow(), 4);
    EXPECT_EQ(sheet.cell(2, 1), QStringLiteral("5"));
    EXPECT_EQ(sheet.cell(3, 1), QStringLiteral("1"));
    EXPECT_EQ(sheet.cell(4, 1), QStringLiteral("4"));
    EXPECT_EQ(sheet.cell(4, 4), QStringLiteral("Tarkovsky"));
}

// A cancelled or failed export leaves an earlier file as it was and no partial file behind.
TEST_F(ExportFiles, CancelLeavesTheEarlierFile)
{
    for (ExportFormat format : {ExportFormat::Csv, ExportFormat::Xlsx, ExportFormat::Ods, ExportFormat::Html}) {
        const QString path = dir.filePath(QStringLiteral("old.") + CatalogueExport::extension(format));
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("earlier");
        }
        ExportRequest r;
        r.format = format;
        r.path = path;
        r.pageSize = 2;
        NullProgress progress;
        int pages = 0;
        const ExportOutcome o = CatalogueExport::run(*source, r, progress, [&] { return ++pages == 2; });
        EXPECT_TRUE(o.cancelled);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("earlier"));
        const QStringList hidden = QDir(dir.path()).entryList({QStringLiteral(".*")}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        EXPECT_TRUE(hidden.isEmpty()) << hidden.join(u' ').toStdString();
    }
}

TEST(ImportHeadingsTest, RecognisesTheExportAndCommonSpellings)
{
    const FieldLinks links = ImportHeadings::match(ExportColumn::headings());
    const std::pair<int, int> expected[] = {{ImportField::Title, ExportColumn::Title},         {ImportField::SortKey, ExportColumn::SortKey},
                                            {ImportField::Director, ExportColumn::Director},   {ImportField::Genre3, ExportColumn::Genre3},
                                            {ImportField::NumDiscs, ExportColumn::Discs},      {ImportField::UserRating, ExportColumn::UserRating},
                                            {ImportField::Url, ExportColumn::Url},             {ImportField::EpisodeDisc, ExportColumn::EpisodeDisc},
                                            {ImportField::Cast, ExportColumn::Cast},           {ImportField::Episodes, ExportColumn::Episodes}};
    for (const auto &[field, column] : expected)
        EXPECT_EQ(links[field], column + 1) << field;
    for (int f = ImportField::Actor1; f <= ImportField::Actor4; ++f)
        EXPECT_EQ(links[f], 0); // the export has no actor columns; Cast holds them

    const std::pair<const char *, int> spellings[] = {{"Movie Title:", ImportField::Title},     {"SORT_KEY", ImportField::SortKey},
                                                      {"Num of Discs/Tapes:", ImportField::NumDiscs}, {"actor 2", ImportField::Actor1 + 1},
                                                      {"Running Time (in minutes):", ImportField::RunningTime},
                                                      {"Loaned To", -1}, {"ID", -1}, {"", -1}};
    for (const auto &[heading, field] : spellings)
        EXPECT_EQ(ImportHeadings::fieldFor(QString::fromLatin1(heading)), field) << heading;
    // The first column naming a field links it.
    EXPECT_EQ(ImportHeadings::match({QStringLiteral("Title"), QStringLiteral("Movie")})[ImportField::Title], 1);
}

TEST(ImportListsTest, ItemsKeepSemicolonsAndRolesKeepAs)
{
    const QStringList items{QStringLiteral("A;"), QStringLiteral(";B"), QStringLiteral("C;;D"), QStringLiteral("plain")};
    EXPECT_EQ(ImportLists::split(ImportLists::join(items)), items);
    EXPECT_EQ(ImportLists::split(QStringLiteral(" x ;y;; ;")), (QStringList{QStringLiteral("x"), QStringLiteral("y;")}));
    const ImportLists::CastMember m = ImportLists::castMember(QStringLiteral("Doe, Jane as Herself as a child"));
    EXPECT_EQ(m.name, QStringLiteral("Doe, Jane"));
    EXPECT_EQ(m.role, QStringLiteral("Herself as a child"));
    const auto e = ImportLists::episode(QStringLiteral("/3/A/B"));
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->disc, QString());
    EXPECT_EQ(e->number, QStringLiteral("3"));
    EXPECT_EQ(e->title, QStringLiteral("A/B"));
    EXPECT_FALSE(ImportLists::episode(QStringLiteral("no slashes")).has_value());
}

} // namespace
