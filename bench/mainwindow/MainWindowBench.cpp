// The main window's catalogue work on generated catalogues of 100,000 and 1,000,000 movies:
// filling the movie list until its first page of rows (with the loan marks) can be shown, sorting a
// column, scrolling to a far page, each beside the same statements on the raw SQLite C API; saving
// one edited movie, deleting one movie, and compacting the catalogue.

#include "BenchSupport.h"
#include "Catalogue.h"
#include "CatalogueMaintenance.h"
#include "MovieListModel.h"
#include "MovieStore.h"
#include "SqliteFunctions.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <random>
#include <string>
#include <vector>

namespace {

// The statement the list ran when it held every row's texts, for reference.
const char *const AllTextsSql =
    "SELECT m.ID, m.Title, m.OrderBy, m.Director, m.Genre1, m.Genre2, m.Genre3, m.Medium, m.Format, m.Rating, "
    "m.ReleaseYear, m.RunningTime, m.NumDiscs, m.UserRating, m.URL, "
    "(SELECT ifnull(LoanedTo, '') FROM LoanOut WHERE MovieID = m.ID AND (DateIn IS NULL OR DateIn = '') "
    "ORDER BY ID LIMIT 1) FROM Movies m ORDER BY m.OrderByKey, m.ID";

// One page of rows as the list reads it.
std::string pageSql(const std::vector<int> &ids, size_t first)
{
    std::string in;
    for (size_t i = first; i < ids.size() && i < first + MovieListModel::PageRows; ++i)
        in += (in.empty() ? "" : ",") + std::to_string(ids[i]);
    return "SELECT m.ID, m.Title, m.OrderBy, m.Director, m.Genre1, m.Genre2, m.Genre3, m.Medium, m.Format, m.Rating, "
           "m.ReleaseYear, m.RunningTime, m.NumDiscs, m.UserRating, m.URL, "
           "(SELECT ifnull(LoanedTo, '') FROM LoanOut WHERE MovieID = m.ID AND (DateIn IS NULL OR DateIn = '') "
           "ORDER BY ID LIMIT 1) FROM Movies m WHERE m.ID IN ("
           + in + ")";
}

std::vector<int> rawIds(bench::RawDb &raw, const char *sql)
{
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(raw.handle(), sql, -1, &st, nullptr);
    std::vector<int> ids;
    while (sqlite3_step(st) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int(st, 0));
    sqlite3_finalize(st);
    return ids;
}

// Reads the texts of the rows a window shows first.
void showFirstPage(MovieListModel &model)
{
    for (int r = 0; r < std::min(model.rowCount(), 40); ++r)
        for (int c = 0; c < MovieListModel::ColumnCount; ++c)
            benchmark::DoNotOptimize(model.data(model.index(r, c)));
}

struct OpenCatalogue {
    bench::BenchContext b;
    Catalogue cat;
    OpenCatalogue(benchmark::State &state, int movies)
    {
        if (!cat.open(bench::catalogue(movies)).opened())
            state.SkipWithError("catalogue did not open");
    }
};

// Filled list with its first page of rows read.
void ListFill(benchmark::State &state)
{
    OpenCatalogue o(state, int(state.range(0)));
    MovieListModel model;
    for (auto _ : state) {
        model.fill(o.cat);
        showFirstPage(model);
    }
    state.counters["rows"] = model.rowCount();
}

// The same statements on the raw API: every ID in Order By order, then the first page of rows.
void ListFillRawSqlite(benchmark::State &state)
{
    bench::RawDb raw(bench::catalogue(int(state.range(0))));
    size_t rows = 0;
    for (auto _ : state) {
        const std::vector<int> ids = rawIds(raw, "SELECT ID FROM Movies ORDER BY OrderByKey, ID");
        raw.readAll(pageSql(ids, 0).c_str());
        rows = ids.size();
    }
    state.counters["rows"] = double(rows);
}

// Every row's texts, as a list holding them all would have to read.
void ListAllTextsRawSqlite(benchmark::State &state)
{
    bench::RawDb raw(bench::catalogue(int(state.range(0))));
    long long rows = 0;
    for (auto _ : state)
        rows = raw.readAll(AllTextsSql);
    state.counters["rows"] = double(rows);
}

// Sorting by title (alternately ascending and descending) and showing the first page.
void ListSortTitle(benchmark::State &state)
{
    OpenCatalogue o(state, int(state.range(0)));
    MovieListModel model;
    model.fill(o.cat);
    bool ascending = true;
    for (auto _ : state) {
        model.sort(MovieListModel::ColTitle, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        showFirstPage(model);
        ascending = !ascending;
    }
}

void ListSortTitleRawSqlite(benchmark::State &state)
{
    bench::RawDb raw(bench::catalogue(int(state.range(0))));
    bool ascending = true;
    for (auto _ : state) {
        const std::vector<int> ids = rawIds(raw, ascending ? "SELECT ID, ifnull(TitleKey, '') FROM Movies ORDER BY 2"
                                                           : "SELECT ID, ifnull(TitleKey, '') FROM Movies ORDER BY 2 DESC");
        raw.readAll(pageSql(ids, 0).c_str());
        ascending = !ascending;
    }
}

// Jumping to a page far down the list (one page of rows read from the catalogue).
void ListScrollPage(benchmark::State &state)
{
    OpenCatalogue o(state, int(state.range(0)));
    MovieListModel model;
    model.fill(o.cat);
    std::mt19937 rng(7);
    for (auto _ : state) {
        const int row = int(rng() % unsigned(model.rowCount()));
        for (int r = row; r < std::min(model.rowCount(), row + 40); ++r)
            for (int c = 0; c < MovieListModel::ColumnCount; ++c)
                benchmark::DoNotOptimize(model.data(model.index(r, c)));
    }
}

struct EditableCatalogue {
    bench::BenchContext b;
    Catalogue cat;
    explicit EditableCatalogue(benchmark::State &state)
    {
        if (!cat.open(bench::copyOf(100000, b.path(QStringLiteral("edit.cnlg")))).opened())
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

BENCHMARK(ListFill)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ListFillRawSqlite)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ListAllTextsRawSqlite)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ListSortTitle)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ListSortTitleRawSqlite)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ListScrollPage)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveEditedMovie)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteMovie)->Unit(benchmark::kMillisecond);
BENCHMARK(CompactCatalogue)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
