// The main window's catalogue work on generated catalogues of 100,000 and 1,000,000 movies:
// filling the movie list until its first page of rows (with the loan marks) can be shown, sorting a
// column, scrolling to a far page, each beside the same statements on the raw SQLite C API; saving
// one edited movie, deleting one movie, and compacting the catalogue.

#include "BenchSupport.h"
#include "Catalogue.h"
#include "CatalogueMaintenance.h"
#include "MovieListModel.h"
#include "MovieStore.h"
#include "MovieTextIndex.h"
#include "SqliteFunctions.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <algorithm>
#include <chrono>

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


// ---------------------------------------------------------------------------------------------
// Quick filter and sorting at 1,000,000 movies

// The fixed texts of the quick filter's measurement: 50 pieces of three to six letters of random
// titles, 25 directors' surnames and 25 common words, the same on every run.
QStringList filterTexts(Catalogue &cat)
{
    std::mt19937 rng(27);
    const int maxId = cat.scalar(QStringLiteral("SELECT max(ID) FROM Movies")).toInt();
    QStringList out;
    while (out.size() < 50) {
        const QString title = cat.scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = ?"), {int(1 + rng() % unsigned(maxId))}).toString();
        const int length = 3 + int(rng() % 4);
        if (title.size() < length)
            continue;
        const QString piece = title.mid(int(rng() % unsigned(title.size() - length + 1)), length).trimmed();
        if (piece.size() >= 3)
            out << piece;
    }
    const int directors = cat.scalar(QStringLiteral("SELECT count(*) FROM Directors")).toInt();
    while (out.size() < 75) {
        const QString name = cat.scalar(QStringLiteral("SELECT Director FROM Directors LIMIT 1 OFFSET ?"), {int(rng() % unsigned(directors))}).toString();
        out << name.section(QLatin1Char(' '), -1);
    }
    for (const char *w : {"the", "love", "night", "man", "day", "war", "life", "girl", "dead", "king", "dark", "last", "city",
                          "blue", "time", "home", "star", "blood", "house", "world", "heart", "lost", "moon", "road", "fire"})
        out << QString::fromLatin1(w);
    return out;
}

// The 95th percentile of a run's times, in seconds.
double p95(std::vector<double> t)
{
    std::sort(t.begin(), t.end());
    return t.empty() ? 0 : t[std::min(t.size() - 1, size_t(double(t.size()) * 0.95))];
}

// One keystroke of three or more letters: the filtered count and the first page shown, in the list's
// order; the time reported is the 95th percentile over the text set.
void QuickFilter3Plus(benchmark::State &state)
{
    OpenCatalogue o(state, int(state.range(0)));
    MovieListModel model;
    model.fill(o.cat);
    // As when the box gets focus (measured on its own below).
    model.prepareFilter();
    const QStringList texts = filterTexts(o.cat);
    double rows = 0;
    for (auto _ : state) {
        std::vector<double> t;
        for (const QString &text : texts) {
            const auto start = std::chrono::steady_clock::now();
            model.setTextFilter(text);
            showFirstPage(model);
            benchmark::DoNotOptimize(model.rowCount());
            t.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            rows += model.rowCount();
        }
        state.SetIterationTime(p95(t));
    }
    state.counters["texts"] = double(texts.size());
    state.counters["mean_rows"] = rows / double(texts.size()) / double(state.iterations());
}

// The same on the raw API: the index's count, then the first page of the matching movies in Order By
// order.
void QuickFilter3PlusRawSqlite(benchmark::State &state)
{
    const QString path = bench::catalogue(int(state.range(0)));
    QStringList texts;
    {
        Catalogue cat;
        if (!cat.open(path).opened()) {
            state.SkipWithError("catalogue did not open");
            return;
        }
        texts = filterTexts(cat);
    }
    bench::RawDb raw(path);
    sqlite3_stmt *count = nullptr, *page = nullptr;
    sqlite3_prepare_v2(raw.handle(), "SELECT count(*) FROM MovieText WHERE MovieText MATCH ?", -1, &count, nullptr);
    sqlite3_prepare_v2(raw.handle(), "SELECT m.ID, m.Title, m.OrderBy, m.Director, m.Genre1, m.Genre2, m.Genre3, m.Medium, m.Format, "
                                     "m.Rating, m.ReleaseYear, m.RunningTime, m.NumDiscs, m.UserRating, m.URL FROM Movies m "
                                     "WHERE m.ID IN (SELECT rowid FROM MovieText WHERE MovieText MATCH ?) ORDER BY m.OrderByKey, m.ID LIMIT 40",
                       -1, &page, nullptr);
    for (auto _ : state) {
        std::vector<double> t;
        for (const QString &text : texts) {
            const QByteArray match = MovieTextIndex::matchExpression(MovieTextIndex::words(text)).toUtf8();
            const auto start = std::chrono::steady_clock::now();
            for (sqlite3_stmt *st : {count, page}) {
                sqlite3_bind_text(st, 1, match.constData(), int(match.size()), SQLITE_TRANSIENT);
                while (sqlite3_step(st) == SQLITE_ROW)
                    for (int c = 0; c < sqlite3_column_count(st); ++c)
                        benchmark::DoNotOptimize(sqlite3_column_text(st, c));
                sqlite3_reset(st);
            }
            t.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        state.SetIterationTime(p95(t));
    }
    sqlite3_finalize(count);
    sqlite3_finalize(page);
}

const char *const ShortTexts[] = {"e", "x", "q", "7", "th", "qu", "zy", "ö", "ab", "ni"};

// The movies' texts read into memory for the filter, once, when the box first gets focus.
void QuickFilterFirstUse(benchmark::State &state)
{
    OpenCatalogue o(state, int(state.range(0)));
    for (auto _ : state) {
        MovieListModel model;
        model.fill(o.cat);
        const auto start = std::chrono::steady_clock::now();
        model.prepareFilter();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        state.counters["texts_MB"] = double(model.filterTextBytes()) / 1e6;
    }
}

// One or two letters: the first page shown.
void QuickFilterShortFirstPage(benchmark::State &state)
{
    OpenCatalogue o(state, int(state.range(0)));
    MovieListModel model;
    model.fill(o.cat);
    model.prepareFilter();
    size_t i = 0;
    for (auto _ : state) {
        model.setTextFilter(QString::fromUtf8(ShortTexts[i++ % std::size(ShortTexts)]));
        showFirstPage(model);
    }
}

// One or two letters: until the count is known (the same pass as the first page when the texts are
// held in memory; later slices when the cast is searched too).
void QuickFilterShortCount(benchmark::State &state)
{
    OpenCatalogue o(state, int(state.range(0)));
    MovieListModel model;
    model.fill(o.cat);
    model.prepareFilter();
    size_t i = 0;
    for (auto _ : state) {
        model.setTextFilter(QString::fromUtf8(ShortTexts[i++ % std::size(ShortTexts)]));
        showFirstPage(model);
        model.finishFilter();
        benchmark::DoNotOptimize(model.rowCount());
    }
}

// The raw API's count of a one- or two-letter text: every key read.
void QuickFilterShortCountRawSqlite(benchmark::State &state)
{
    bench::RawDb raw(bench::catalogue(int(state.range(0))));
    sqlite3_stmt *count = nullptr;
    sqlite3_prepare_v2(raw.handle(), "SELECT count(*) FROM Movies WHERE instr(TitleKey, ?1) > 0 OR instr(OrderByKey, ?1) > 0 "
                                     "OR instr(DirectorKey, ?1) > 0", -1, &count, nullptr);
    size_t i = 0;
    for (auto _ : state) {
        sqlite3_bind_text(count, 1, ShortTexts[i % std::size(ShortTexts)], -1, SQLITE_STATIC);
        ++i;
        while (sqlite3_step(count) == SQLITE_ROW)
            benchmark::DoNotOptimize(sqlite3_column_int(count, 0));
        sqlite3_reset(count);
    }
    sqlite3_finalize(count);
}

// Sorting by each column of the list in turn, the first page shown; the time reported is the
// slowest column's.
void ListSortEveryColumn(benchmark::State &state)
{
    OpenCatalogue o(state, int(state.range(0)));
    MovieListModel model;
    model.fill(o.cat);
    std::vector<double> worst(MovieListModel::ColumnCount, 0);
    bool ascending = true;
    for (auto _ : state) {
        double slowest = 0;
        for (int c = 0; c < MovieListModel::ColumnCount; ++c) {
            const auto start = std::chrono::steady_clock::now();
            model.sort(c, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
            showFirstPage(model);
            const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            worst[size_t(c)] = std::max(worst[size_t(c)], t);
            slowest = std::max(slowest, t);
        }
        ascending = !ascending;
        state.SetIterationTime(slowest);
    }
    for (int c = 0; c < MovieListModel::ColumnCount; ++c)
        state.counters["ms_" + MovieListModel::headers().at(c).toStdString()] = worst[size_t(c)] * 1000;
}

// The first open of a catalogue from before the text index: the version step builds it (and the
// list's sort indexes).
void OpenBuildsTextIndex(benchmark::State &state)
{
    bench::BenchContext b;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = bench::copyOf(int(state.range(0)), b.path(QStringLiteral("old.cnlg")));
        {
            Catalogue cat;
            if (!cat.open(path).opened()) {
                state.SkipWithError("catalogue did not open");
                return;
            }
            cat.transaction([&] {
                MovieTextIndex::remove(cat.MovieConn());
                cat.exec(QStringLiteral("PRAGMA user_version = 4"));
            });
        }
        state.ResumeTiming();
        Catalogue cat;
        int statusTexts = 0;
        OpenOptions options;
        options.status = [&](const QString &) { ++statusTexts; };
        if (!cat.open(path, options).opened())
            state.SkipWithError("catalogue did not open");
        state.counters["status_texts"] = statusTexts;
    }
}

} // namespace

BENCHMARK(QuickFilter3Plus)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(QuickFilter3PlusRawSqlite)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(QuickFilterFirstUse)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(QuickFilterShortFirstPage)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(QuickFilterShortCount)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(QuickFilterShortCountRawSqlite)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ListSortEveryColumn)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(OpenBuildsTextIndex)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
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
    return bench::runBenchmarks<QGuiApplication>(argc, argv);
}
