// The statistics window on 1,000,000 movies: from opening it until its charts show the counts
// (offscreen), and the counting on its own.

#include "AppContext.h"
#include "BenchSupport.h"
#include "Catalogue.h"
#include "CollectionStats.h"
#include "ReadConnection.h"
#include "StatisticsWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <benchmark/benchmark.h>

namespace {

void StatisticsWindowOpen(benchmark::State &state)
{
    const QString path = bench::catalogue(int(state.range(0)));
    bench::BenchContext b;
    Catalogue cat;
    if (!cat.open(path).opened()) {
        state.SkipWithError("catalogue did not open");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        StatisticsWindow w(b.ctx(), cat);
        QEventLoop loop;
        QObject::connect(&w, &StatisticsWindow::refreshed, &loop, &QEventLoop::quit);
        w.show();
        // Waits without taking the processor from the counting threads.
        if (w.isCounting())
            loop.exec();
        w.repaint();
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
    }
}

void CountCollection(benchmark::State &state)
{
    const QString path = bench::catalogue(int(state.range(0)));
    ReadConnection db(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(Stats::collect(db, QDate::currentDate()).totals.movies);
}

void MoviesOfAGenre(benchmark::State &state)
{
    const QString path = bench::catalogue(int(state.range(0)));
    ReadConnection db(path);
    const Stats::CollectionStats s = Stats::collect(db, QDate::currentDate());
    for (auto _ : state)
        benchmark::DoNotOptimize(Stats::moviesIn(db, Stats::Chart::Genre, {s.genres.value(0).key}).size());
}

} // namespace

BENCHMARK(StatisticsWindowOpen)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CountCollection)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(MoviesOfAGenre)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
