// Searching generated catalogues of 100,000 and 1,000,000 movies, by one actor and by title
// containment, for what the user of the search window waits for: the movies found, their number and
// the first rows shown (40 rows, every column; the list reads a page of rows at a time). Beside it the
// same hand-written on the raw SQLite C API: the count and the first 40 rows in order, and the old
// way of reading every found movie's row. The raw LIKE query uses the engine's own ASCII LIKE, the
// least a scan of every title can cost.
//
// The program keeps the catalogue's sort order in memory between searches while the catalogue is
// unchanged; the "first search" rows measure a search that has to read it (a new search window, or
// the first search after any change).

#include "BenchSupport.h"
#include "Catalogue.h"
#include "MovieSearch.h"
#include "MovieTextIndex.h"
#include "SqliteFunctions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

struct Setup {
    bench::BenchContext b;
    std::unique_ptr<Catalogue> cat;
    std::unique_ptr<MovieSearch> search;
    sqlite3 *raw = nullptr;
    QString path, actor, titlePart;
    ~Setup() { sqlite3_close(raw); }
};
std::map<int, std::unique_ptr<Setup>> setups;
Setup *g = nullptr;

void setUp(int movies)
{
    auto s = std::make_unique<Setup>();
    s->path = bench::catalogue(movies);
    s->cat = std::make_unique<Catalogue>();
    if (!s->cat->open(s->path).opened())
        std::abort();
    s->search = std::make_unique<MovieSearch>(*s->cat);
    // The actor with the most parts, and a word from a title in the middle of the catalogue.
    s->actor = s->cat->scalar(QStringLiteral("SELECT Actor FROM Actors WHERE ID = (SELECT ActID FROM MovActLink "
                                             "GROUP BY ActID ORDER BY COUNT(*) DESC LIMIT 1)")).toString();
    const QString title = s->cat->scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = ?"), {movies / 2}).toString();
    s->titlePart = title.section(QLatin1Char(' '), 0, 0).left(5);
    if (sqlite3_open_v2(s->path.toUtf8().constData(), &s->raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        std::abort();
    g = s.get();
    setups[movies] = std::move(s);
}

void use(benchmark::State &state)
{
    g = setups.at(int(state.range(0))).get();
}

const char *const Columns = "SELECT ID, Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, ReleaseYear, "
                            "RunningTime, NumDiscs, UserRating FROM Movies ";

// The hand-written query: prepared, bound, every column read as text.
size_t rawQuery(const std::string &sql, const QString &value)
{
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(g->raw, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        std::abort();
    // The texts are compared by their keys: the value goes in folded, as the program binds it.
    const QByteArray v = foldedText(value).toUtf8();
    sqlite3_bind_text(st, 1, v.constData(), v.size(), SQLITE_TRANSIENT);
    std::vector<std::vector<std::string>> rows;
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> row(13);
        for (int c = 0; c < 13; ++c)
            if (const unsigned char *t = sqlite3_column_text(st, c))
                row[c] = reinterpret_cast<const char *>(t);
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(st);
    return rows.size();
}

const std::string RawActorSql = std::string(Columns)
                                + "WHERE ID IN (SELECT MovID FROM MovActLink WHERE ActID = "
                                  "(SELECT ID FROM Actors WHERE ActorKey = ?1 ORDER BY ID LIMIT 1)) ORDER BY OrderByKey, ID";
// Every title key read along its index, then the matching rows (the value bound folded).
const std::string RawTitleSql = std::string(Columns)
                                + "WHERE ID IN (SELECT ID FROM Movies WHERE TitleKey LIKE '%' || ?1 || '%') ORDER BY OrderByKey, ID";

// The same through the movies' text index, as a GLOB on the folded title.
const std::string RawTitleIndexSql = std::string(Columns)
                                     + "WHERE ID IN (SELECT rowid FROM MovieText WHERE TitleKey GLOB '*' || ?1 || '*') ORDER BY OrderByKey, ID";

// The rows shown first.
constexpr int ShownRows = 40;

// Finds the movies, counts them and reads the first page of rows, touching every column's text of
// the rows shown; returns the number found.
size_t firstPage(MovieSearch &search, const SearchCriteria &c)
{
    const FoundMovies found = search.find(c);
    const QList<FoundMovie> page = search.rows(found.ids.mid(0, MovieSearch::PageRows), c, found.idWidth);
    size_t chars = 0;
    for (qsizetype r = 0; r < std::min<qsizetype>(page.size(), ShownRows); ++r)
        for (const QString &t : page.at(r).text)
            chars += size_t(t.size());
    benchmark::DoNotOptimize(chars);
    return size_t(found.ids.size());
}

SearchCriteria byActor()
{
    SearchCriteria c;
    c.actor = g->actor;
    return c;
}

SearchCriteria byTitle()
{
    SearchCriteria c;
    c.title = g->titlePart;
    return c;
}

size_t searchActor()
{
    return firstPage(*g->search, byActor());
}

size_t searchTitle()
{
    return firstPage(*g->search, byTitle());
}

// A new search window's first search: the catalogue's order is read too.
size_t firstSearchTitle()
{
    MovieSearch fresh(*g->cat);
    return firstPage(fresh, byTitle());
}

// The count and the first 40 rows in order, hand-written: count is a statement counting the same
// movies as where, value is bound to both as it is.
size_t rawFirstPage(const std::string &count, const std::string &where, const QString &value)
{
    const QByteArray v = value.toUtf8();
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(g->raw, count.c_str(), -1, &st, nullptr) != SQLITE_OK)
        std::abort();
    sqlite3_bind_text(st, 1, v.constData(), v.size(), SQLITE_TRANSIENT);
    size_t found = 0;
    if (sqlite3_step(st) == SQLITE_ROW)
        found = size_t(sqlite3_column_int64(st, 0));
    sqlite3_finalize(st);
    const std::string page = std::string(Columns) + where + " ORDER BY OrderByKey, ID LIMIT " + std::to_string(ShownRows);
    if (sqlite3_prepare_v2(g->raw, page.c_str(), -1, &st, nullptr) != SQLITE_OK)
        std::abort();
    sqlite3_bind_text(st, 1, v.constData(), v.size(), SQLITE_TRANSIENT);
    size_t chars = 0;
    while (sqlite3_step(st) == SQLITE_ROW)
        for (int c = 0; c < 13; ++c)
            if (const unsigned char *t = sqlite3_column_text(st, c))
                chars += std::strlen(reinterpret_cast<const char *>(t));
    sqlite3_finalize(st);
    benchmark::DoNotOptimize(chars);
    return found;
}

const std::string RawActorWhere = "WHERE ID IN (SELECT MovID FROM MovActLink WHERE ActID = "
                                  "(SELECT ID FROM Actors WHERE ActorKey = ?1 ORDER BY ID LIMIT 1))";
const std::string RawActorCount = "SELECT count(*) FROM Movies " + RawActorWhere;
// The title's phrase in the text index (what the program looks up), counted in the index alone.
const std::string RawTitleMatchWhere = "WHERE ID IN (SELECT rowid FROM MovieText WHERE MovieText MATCH ?1)";
const std::string RawTitleMatchCount = "SELECT count(*) FROM MovieText WHERE MovieText MATCH ?1";

size_t rawActorFirstPage()
{
    return rawFirstPage(RawActorCount, RawActorWhere, foldedText(g->actor));
}

size_t rawTitleFirstPage()
{
    return rawFirstPage(RawTitleMatchCount, RawTitleMatchWhere,
                        QStringLiteral("TitleKey : ") + MovieTextIndex::matchExpression({foldedText(g->titlePart)}));
}

void BM_SearchByActor(benchmark::State &state)
{
    use(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(searchActor());
}
void BM_RawByActor(benchmark::State &state)
{
    use(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(rawQuery(RawActorSql, g->actor));
}
void BM_SearchByTitle(benchmark::State &state)
{
    use(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(searchTitle());
}
void BM_SearchByTitleFirst(benchmark::State &state)
{
    use(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(firstSearchTitle());
}
// A search after this program saved a movie with a new sort key (a copy of the catalogue): the
// saved movie is put in its place in the order kept, not the whole order read again.
void BM_SearchByTitleAfterSave(benchmark::State &state)
{
    use(state);
    bench::BenchContext b;
    Catalogue cat;
    if (!cat.open(bench::copyOf(int(state.range(0)), b.path(QStringLiteral("saved.cnlg")))).opened()) {
        state.SkipWithError("catalogue did not open");
        return;
    }
    MovieSearch search(cat);
    const SearchCriteria c = byTitle();
    firstPage(search, c);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        cat.exec(QStringLiteral("UPDATE Movies SET OrderBy = ? WHERE ID = ?"), {QStringLiteral("Saved %1").arg(i), 1 + (i * 7919) % 100000});
        ++i;
        state.ResumeTiming();
        benchmark::DoNotOptimize(firstPage(search, c));
    }
}
void BM_RawByActorFirstPage(benchmark::State &state)
{
    use(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(rawActorFirstPage());
}
void BM_RawByTitleFirstPage(benchmark::State &state)
{
    use(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(rawTitleFirstPage());
}
void BM_RawByTitle(benchmark::State &state)
{
    use(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(rawQuery(RawTitleSql, g->titlePart));
}
void BM_RawByTitleIndex(benchmark::State &state)
{
    use(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(rawQuery(RawTitleIndexSql, g->titlePart));
}
BENCHMARK(BM_SearchByActor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawByActor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByTitle)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByTitleFirst)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByTitleAfterSave)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_RawByActorFirstPage)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawByTitleFirstPage)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawByTitle)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawByTitleIndex)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

template <typename F>
double medianMs(F f)
{
    std::vector<double> t;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(f());
        t.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (int movies : {100000, 1000000}) {
        setUp(movies);
        std::printf("catalogue: %d movies; actor \"%s\" (%zu movies); title part \"%s\" (%zu movies)\n", movies,
                    qPrintable(g->actor), searchActor(), qPrintable(g->titlePart), searchTitle());
    }
    benchmark::RunSpecifiedBenchmarks();
    for (auto &[movies, setup] : setups) {
        g = setup.get();
        const double sa = medianMs(searchActor), pa = medianMs(rawActorFirstPage),
                     ra = medianMs([] { return rawQuery(RawActorSql, g->actor); });
        const double st = medianMs(searchTitle), pt = medianMs(rawTitleFirstPage),
                     rt = medianMs([] { return rawQuery(RawTitleIndexSql, g->titlePart); }),
                     rl = medianMs([] { return rawQuery(RawTitleSql, g->titlePart); });
        const double ft = medianMs(firstSearchTitle);
        std::printf("\n%d movies, median of 9   search: count + first page   raw: count + first page   ratio"
                    "   raw: every row\n",
                    movies);
        std::printf("by actor                        %7.2f ms               %7.2f ms   %5.2f      %7.2f ms\n", sa, pa, sa / pa, ra);
        std::printf("by title (text index)           %7.2f ms               %7.2f ms   %5.2f      %7.2f ms\n", st, pt, st / pt, rt);
        std::printf("by title, first search          %7.2f ms\n", ft);
        std::printf("by title (LIKE over every key)                                                       %7.2f ms\n", rl);
    }
    setups.clear();
    benchmark::Shutdown();
    return 0;
}
