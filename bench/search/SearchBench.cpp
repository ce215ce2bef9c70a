// Searching generated catalogues of 100,000 and 1,000,000 movies: the program's search against the
// same query hand-written on the raw SQLite C API, by one actor and by title containment. The raw
// title query uses the engine's own ASCII LIKE, the least a scan of every title can cost.

#include "BenchSupport.h"
#include "Catalogue.h"
#include "MovieSearch.h"
#include "SqliteFunctions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
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

size_t searchActor()
{
    SearchCriteria c;
    c.actor = g->actor;
    return size_t(g->search->search(c).size());
}

size_t searchTitle()
{
    SearchCriteria c;
    c.title = g->titlePart;
    return size_t(g->search->search(c).size());
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
        const double sa = medianMs(searchActor), ra = medianMs([] { return rawQuery(RawActorSql, g->actor); });
        const double st = medianMs(searchTitle), rt = medianMs([] { return rawQuery(RawTitleSql, g->titlePart); });
        std::printf("\n%d movies, median of 9    search    raw SQLite   ratio\n", movies);
        std::printf("by actor     %7.2f ms  %7.2f ms   %5.2f\n", sa, ra, sa / ra);
        std::printf("by title     %7.2f ms  %7.2f ms   %5.2f\n", st, rt, st / rt);
    }
    setups.clear();
    benchmark::Shutdown();
    return 0;
}
