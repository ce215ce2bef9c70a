// The main window's catalogue work on a 100,000-movie catalogue: filling the movie list (with the
// loan marks) beside a raw SQLite C-API read of the same rows, saving one edited movie, deleting
// one movie, and compacting the catalogue.

#include "BenchSupport.h"
#include "Catalogue.h"
#include "CatalogueMaintenance.h"
#include "MovieListModel.h"
#include "MovieStore.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int Movies = 100000;

// The statement the list runs, for the raw read.
const char *const ListSql =
    "SELECT m.ID, m.Title, m.OrderBy, m.Director, m.Genre1, m.Genre2, m.Genre3, m.Medium, m.Format, m.Rating, "
    "m.ReleaseYear, m.RunningTime, m.NumDiscs, m.UserRating, m.URL, "
    "(SELECT ifnull(LoanedTo, '') FROM LoanOut WHERE MovieID = m.ID AND (DateIn IS NULL OR DateIn = '') "
    "ORDER BY ID LIMIT 1) FROM Movies m ORDER BY m.OrderBy, m.ID";

void ListFill(benchmark::State &state)
{
    bench::BenchContext b;
    Catalogue cat(b.ctx());
    cat.DBPath = bench::catalogue(Movies);
    if (!cat.DBConn()) {
        state.SkipWithError("catalogue did not open");
        return;
    }
    MovieListModel model;
    for (auto _ : state) {
        model.fill(cat);
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
}

void ListFillRawSqlite(benchmark::State &state)
{
    bench::RawDb raw(bench::catalogue(Movies));
    long long rows = 0;
    for (auto _ : state)
        rows = raw.readAll(ListSql);
    state.counters["rows"] = double(rows);
}

struct EditableCatalogue {
    bench::BenchContext b;
    Catalogue cat{b.ctx()};
    explicit EditableCatalogue(benchmark::State &state)
    {
        cat.DBPath = bench::copyOf(Movies, b.path(QStringLiteral("edit.cnlg")));
        if (!cat.DBConn())
            state.SkipWithError("catalogue did not open");
    }
};

void SaveEditedMovie(benchmark::State &state)
{
    EditableCatalogue e(state);
    MovieStore store(e.cat);
    MovieRecord m;
    store.load(5000, m);
    int i = 0;
    for (auto _ : state) {
        m.title = QStringLiteral("Edited title %1").arg(++i);
        store.save(m);
    }
}

void DeleteMovie(benchmark::State &state)
{
    EditableCatalogue e(state);
    MovieStore store(e.cat);
    int id = 100;
    for (auto _ : state)
        store.remove(id++);
}

void CompactCatalogue(benchmark::State &state)
{
    EditableCatalogue e(state);
    for (auto _ : state)
        compactCatalogue(e.cat);
}

} // namespace

BENCHMARK(ListFill)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ListFillRawSqlite)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(SaveEditedMovie)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteMovie)->Unit(benchmark::kMillisecond);
BENCHMARK(CompactCatalogue)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
