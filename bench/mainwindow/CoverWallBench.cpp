// The cover wall on large catalogues, offscreen:
//  - first screen of 100,000 movies with 20,000 covers: time to the first paint, and until every
//    cover on screen is drawn (picture or placeholder);
//  - scrolling 1,000,000 movies (steps of half a screen, and jumps across the whole list): the
//    longest the GUI thread is busy between two frames;
//  - the process's peak memory with the wall open on 1,000,000 movies (printed by WallMemory).

#include "BenchSupport.h"
#include "Catalogue.h"
#include "CoverWall.h"
#include "MovieListModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QScrollBar>
#include <algorithm>
#include <ctime>
#include <benchmark/benchmark.h>

namespace {

// CPU time of the calling thread: on a shared machine the wall-clock frame also counts the time
// other programs had the processor.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

bool screenFilled(const CoverWall &wall, const MovieListModel &model)
{
    const QModelIndex first = wall.indexAt(QPoint(1, 1));
    if (!first.isValid())
        return true;
    const int shown = wall.columns() * (wall.viewport()->height() / wall.visualRect(first).height() + 1);
    for (int row = first.row(); row < std::min(model.rowCount(), first.row() + shown); ++row)
        if (wall.coverState(row) == CoverWall::CoverState::Loading)
            return false;
    return true;
}

void WallFirstScreen(benchmark::State &state)
{
    const QString path = bench::catalogue(int(state.range(0)), int(state.range(1)));
    double firstPaint = 0, filled = 0;
    for (auto _ : state) {
        Catalogue cat;
        if (!cat.open(path).opened()) {
            state.SkipWithError("catalogue did not open");
            return;
        }
        MovieListModel model;
        model.fill(cat);
        QElapsedTimer t;
        t.start();
        CoverWall wall(cat);
        wall.setModel(&model);
        wall.resize(1280, 800);
        wall.show();
        wall.viewport()->repaint();
        firstPaint += t.nsecsElapsed() / 1e6;
        while (!screenFilled(wall, model) && t.elapsed() < 20000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            wall.viewport()->repaint();
        }
        filled += t.nsecsElapsed() / 1e6;
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
    }
    state.counters["first_paint_ms"] = firstPaint / double(state.iterations());
    state.counters["filled_ms"] = filled / double(state.iterations());
}

void WallScrolling(benchmark::State &state)
{
    const QString path = bench::catalogue(int(state.range(0)));
    Catalogue cat;
    if (!cat.open(path).opened()) {
        state.SkipWithError("catalogue did not open");
        return;
    }
    MovieListModel model;
    model.fill(cat);
    CoverWall wall(cat);
    wall.setModel(&model);
    wall.resize(1280, 800);
    wall.show();
    QCoreApplication::processEvents();
    QScrollBar *bar = wall.verticalScrollBar();
    std::vector<double> frames, cpu;
    for (auto _ : state) {
        QElapsedTimer all;
        all.start();
        for (int step = 0; step < 400; ++step) {
            QElapsedTimer t;
            t.start();
            const double cpu0 = threadCpuMs();
            // Mostly half a screen down; every 20th step a jump anywhere, as dragging the bar does.
            if (step % 20 == 19)
                bar->setValue(QRandomGenerator::global()->bounded(bar->maximum()));
            else
                bar->setValue(bar->value() + bar->pageStep() / 2);
            wall.viewport()->repaint();
            QCoreApplication::processEvents();
            frames.push_back(t.nsecsElapsed() / 1e6);
            cpu.push_back(threadCpuMs() - cpu0);
        }
        state.SetIterationTime(all.nsecsElapsed() / 1e9);
    }
    std::sort(frames.begin(), frames.end());
    state.counters["longest_frame_ms"] = frames.back();
    state.counters["p99_frame_ms"] = frames[frames.size() * 99 / 100];
    std::sort(cpu.begin(), cpu.end());
    state.counters["longest_frame_cpu_ms"] = cpu.back();
    state.counters["p99_frame_cpu_ms"] = cpu[cpu.size() * 99 / 100];
    state.counters["peak_rss_mb"] = double(bench::peakMemoryKiB()) / 1024.0;
}

} // namespace

BENCHMARK(WallFirstScreen)->Args({100000, 20000})->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WallScrolling)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
