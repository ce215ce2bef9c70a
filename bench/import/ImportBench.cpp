// Importing a generated 10,000-row workbook (.xlsx, .xls and .csv) into a new catalogue.
#include "AppContext.h"
#include "CatalogueFile.h"
#include "ImportHeadings.h"
#include "Catalogue.h"
#include "WorkbookImport.h"
#include "WorkbookReader.h"
#include "XlsTestFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <quazip.h>
#include <quazipfile.h>

namespace {

constexpr int Rows = 10000;

class SilentPrompts : public Prompts
{
public:
    void message(const QString &, const QString &, Icon) override {}
    bool question(const QString &, const QString &, Icon) override { return true; }
    Answer questionYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Yes; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return std::nullopt; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, Overwrite) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
};

QStringList rowValues(int i)
{
    return {QStringLiteral("Movie number %1").arg(i), QStringLiteral("Director %1").arg(i % 400),
            QStringLiteral("Actor %1").arg(i % 3000), QStringLiteral("Actor %1").arg((i * 7) % 3000),
            QStringLiteral("Genre %1").arg(i % 20), QStringLiteral("DVD"), QString::number(1950 + i % 70),
            QString::number(80 + i % 100), QString::number(1 + i % 3)};
}

const QStringList Headings = {"Title", "Director", "Actor 1", "Actor 2", "Genre", "Medium", "Year", "Minutes", "Discs"};

void writeCsv(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(Headings.join(QLatin1Char(',')).toUtf8() + "\n");
    for (int i = 1; i <= Rows; ++i)
        f.write(rowValues(i).join(QLatin1Char(',')).toUtf8() + "\n");
}

void addPart(QuaZip &zip, const QString &name, const QByteArray &data)
{
    QuaZipFile f(&zip);
    f.open(QIODevice::WriteOnly, QuaZipNewInfo(name));
    f.write(data);
    f.close();
}

QString xmlEscaped(const QString &s)
{
    return s.toHtmlEscaped();
}

// The table of distinct texts a workbook keeps once and refers to by number.
struct SharedTexts {
    QStringList texts;
    QHash<QString, int> index;
    int operator()(const QString &s)
    {
        auto it = index.find(s);
        if (it != index.end())
            return *it;
        texts << s;
        return *index.insert(s, int(texts.size() - 1));
    }
};

// Texts as shared strings and numbers as numbers, as spreadsheet programs save them.
void writeXlsx(const QString &path)
{
    SharedTexts sst;
    QByteArray sheet = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
                       "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    auto row = [&](int r, const QStringList &values, bool numbers) {
        sheet += "<row r=\"" + QByteArray::number(r) + "\">";
        for (int c = 0; c < values.size(); ++c) {
            const QByteArray ref = QByteArray(1, char('A' + c)) + QByteArray::number(r);
            if (numbers && c >= 6)
                sheet += "<c r=\"" + ref + "\"><v>" + values[c].toUtf8() + "</v></c>";
            else
                sheet += "<c r=\"" + ref + "\" t=\"s\"><v>" + QByteArray::number(sst(values[c])) + "</v></c>";
        }
        sheet += "</row>";
    };
    row(1, Headings, false);
    for (int i = 1; i <= Rows; ++i)
        row(i + 1, rowValues(i), true);
    sheet += "</sheetData></worksheet>";
    QByteArray sstXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst "
                        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    for (const QString &s : sst.texts)
        sstXml += "<si><t>" + xmlEscaped(s).toUtf8() + "</t></si>";
    sstXml += "</sst>";

    QuaZip zip(path);
    zip.open(QuaZip::mdCreate);
    addPart(zip, QStringLiteral("[Content_Types].xml"), "<Types/>");
    addPart(zip, QStringLiteral("xl/workbook.xml"),
            "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
            "<sheet name=\"Movies\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    addPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"),
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
            "Target=\"worksheets/sheet1.xml\"/>"
            "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" "
            "Target=\"sharedStrings.xml\"/></Relationships>");
    addPart(zip, QStringLiteral("xl/worksheets/sheet1.xml"), sheet);
    addPart(zip, QStringLiteral("xl/sharedStrings.xml"), sstXml);
    zip.close();
}

// Texts in the shared table (split into continuation records as it grows) and numbers in the
// compact form, as Excel 97-2003 saves them.
void writeXls(const QString &path)
{
    using namespace XlsTestFile;
    SharedTexts sst;
    QByteArray cells;
    auto row = [&](int r, const QStringList &values, bool numbers) {
        for (int c = 0; c < values.size(); ++c) {
            if (numbers && c >= 6)
                cells += record(0x027E, cellHead(r, c, 0) + le32((values[c].toUInt() << 2) | 2));
            else
                cells += record(0x00FD, cellHead(r, c, 0) + le32(quint32(sst(values[c]))));
        }
    };
    row(0, Headings, false);
    for (int i = 1; i <= Rows; ++i)
        row(i, rowValues(i), true);
    QByteArray table;
    QByteArray current = le32(quint32(sst.texts.size())) + le32(quint32(sst.texts.size()));
    quint16 type = 0x00FC;
    for (const QString &s : sst.texts) {
        const QByteArray t = text(s);
        if (current.size() + t.size() > 8224) {
            table += record(type, current);
            type = 0x003C;
            current.clear();
        }
        current += t;
    }
    table += record(type, current);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(compound(workbookStream(0x0600, QByteArray(), {{text(QStringLiteral("Movies"), true), 0, cells}}, table)).bytes);
}

void runImport(benchmark::State &state, const char *ext)
{
    QTemporaryDir dir;
    const QString workbook = dir.filePath(QStringLiteral("movies.") + QString::fromLatin1(ext));
    if (QLatin1String(ext) == QLatin1String("csv"))
        writeCsv(workbook);
    else if (QLatin1String(ext) == QLatin1String("xls"))
        writeXls(workbook);
    else
        writeXlsx(workbook);

    SilentPrompts prompts;
    SystemClock clock;
    AppContext::Services services;
    services.prompts = &prompts;
    services.clock = &clock;
    AppContext ctx(dir.path(), dir.path(), services);
    Catalogue main;
    NullProgress progress;
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::Director] = 2;
    links[ImportField::Actor1] = 3;
    links[ImportField::Actor1 + 1] = 4;
    links[ImportField::Genre1] = 5;
    links[ImportField::Medium] = 6;
    links[ImportField::ReleaseYear] = 7;
    links[ImportField::RunningTime] = 8;
    links[ImportField::NumDiscs] = 9;

    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QString target = dir.filePath(QStringLiteral("target%1.cnlg").arg(++run));
        CatalogueFile::create(target);
        state.ResumeTiming();
        // Reading the workbook is part of what the user waits for.
        const SheetData sheet = openWorkbook(workbook)->readSheet(0);
        const ImportSummary s = WorkbookImport::run(sheet, links, main, target, progress);
        if (s.movies != Rows)
            state.SkipWithError("not every row was imported");
    }
    state.SetItemsProcessed(state.iterations() * Rows);
    state.counters["rows_per_second"] = benchmark::Counter(double(state.iterations()) * Rows, benchmark::Counter::kIsRate);
}

void BM_ImportXlsx10k(benchmark::State &state) { runImport(state, "xlsx"); }
void BM_ImportXls10k(benchmark::State &state) { runImport(state, "xls"); }
void BM_ImportCsv10k(benchmark::State &state) { runImport(state, "csv"); }

// What the import window does on every change of a field box: every row prepared as it would be
// stored, for the preview and its counts (the user waits for this between two clicks).
void BM_PreviewCsv10k(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString workbook = dir.filePath(QStringLiteral("movies.csv"));
    writeCsv(workbook);
    const SheetData sheet = openWorkbook(workbook)->readSheet(0);
    const FieldLinks links = ImportHeadings::match(sheet.headings());
    const MovieKeys existing; // an empty target: the look-up is one hash probe either way
    for (auto _ : state) {
        int imported = 0;
        for (int row = 2; row <= sheet.GetLastRow(); ++row)
            imported += WorkbookImport::prepare(sheet, row, links, {}, existing).refusal.isEmpty() ? 1 : 0;
        if (imported != Rows)
            state.SkipWithError("rows were refused");
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

BENCHMARK(BM_ImportXlsx10k)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PreviewCsv10k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportXls10k)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportCsv10k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
