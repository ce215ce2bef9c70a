// Undo of the two largest kinds of step a user takes back: a movie deleted with 50 cast links and a
// 1 MB cover (in the generated 100,000-movie catalogue), and an import of 10,000 spreadsheet rows.
// Only the undo itself is timed; the change it takes back is made while the clock is paused.

#include "BenchSupport.h"
#include "Catalogue.h"
#include "CatalogueFile.h"
#include "CatalogueHistory.h"
#include "MovieStore.h"
#include "Services.h"
#include "WorkbookImport.h"
#include "WorkbookReader.h"

#include <QGuiApplication>
#include <QUndoStack>
#include <benchmark/benchmark.h>

namespace {

void UndoDeleteMovie(benchmark::State &state)
{
    bench::BenchContext b;
    Catalogue cat;
    if (!cat.open(bench::copyOf(100000, b.path(QStringLiteral("undo.cnlg")))).opened()) {
        state.SkipWithError("catalogue did not open");
        return;
    }
    MovieStore store(cat);
    CatalogueHistory history(cat, nullptr);
    QByteArray cover("\x89PNG\r\n\x1a\n", 8);
    cover.append(QByteArray((1 << 20) - 8, 'c'));
    int id = 200;
    for (auto _ : state) {
        state.PauseTiming();
        ++id;
        cat.transaction([&] {
            cat.exec(QStringLiteral("DELETE FROM MovActLink WHERE MovID = ?"), {id});
            for (int a = 1; a <= 50; ++a)
                cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                         {id, a * 7, QStringLiteral("Role %1").arg(a)});
            cat.exec(QStringLiteral("UPDATE Movies SET CoverData = ? WHERE ID = ?"), {cover, id});
        });
        history.closeStep();
        store.remove(id);
        history.closeStep();
        state.ResumeTiming();
        history.undo();
        state.PauseTiming();
        if (cat.scalar(QStringLiteral("SELECT count(*) FROM MovActLink WHERE MovID = ?"), {id}).toInt() != 50)
            state.SkipWithError("the cast did not come back");
        state.ResumeTiming();
    }
}

void UndoImport10k(benchmark::State &state)
{
    constexpr int Rows = 10000;
    bench::BenchContext b;
    SheetData sheet(QStringLiteral("Movies"));
    const QStringList headings = {QStringLiteral("Title"), QStringLiteral("Director"), QStringLiteral("Actor"),
                                  QStringLiteral("Genre"), QStringLiteral("Release Year")};
    for (int c = 0; c < headings.size(); ++c)
        sheet.setCell(1, c + 1, headings[c]);
    for (int r = 0; r < Rows; ++r) {
        sheet.setCell(r + 2, 1, QStringLiteral("Imported Movie %1").arg(r));
        sheet.setCell(r + 2, 2, QStringLiteral("Director %1").arg(r % 500));
        sheet.setCell(r + 2, 3, QStringLiteral("Actor %1; Actor %2").arg(r % 2000).arg((r * 7) % 2000));
        sheet.setCell(r + 2, 4, QStringLiteral("Genre %1").arg(r % 20));
        sheet.setCell(r + 2, 5, QString::number(1950 + r % 70));
    }
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::Director] = 2;
    links[ImportField::Actor1] = 3;
    links[ImportField::Genre1] = 4;
    links[ImportField::ReleaseYear] = 5;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = b.path(QStringLiteral("import%1.cnlg").arg(++run));
        CatalogueFile::create(path);
        Catalogue cat;
        cat.open(path);
        CatalogueHistory history(cat, nullptr);
        NullProgress progress;
        WorkbookImport::run(sheet, links, cat, path, progress);
        history.closeStep();
        state.ResumeTiming();
        history.undo();
        state.PauseTiming();
        if (cat.scalar(QStringLiteral("SELECT count(*) FROM Movies")).toInt() != 0)
            state.SkipWithError("the import was not taken back");
        state.ResumeTiming();
    }
}

BENCHMARK(UndoDeleteMovie)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(UndoImport10k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QGuiApplication>(argc, argv);
}
