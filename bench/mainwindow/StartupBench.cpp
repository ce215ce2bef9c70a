// Start-up with the last catalogue re-opened: the main window is built with settings whose LastDB
// is the generated 100,000-movie catalogue, loads (re-opening it, listing its movies, filling the
// pick lists) and is shown, offscreen; measured until the shown window has painted.

#include "BenchSupport.h"
#include "Catalogue.h"
#include "CatalogueSession.h"
#include "frmMain.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void StartupWithLastCatalogue(benchmark::State &state)
{
    const QString last = bench::catalogue(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto b = std::make_unique<bench::BenchContext>();
        b->ctx().WriteINI(QStringLiteral("Options"), QStringLiteral("AutoLoad"), QStringLiteral("1"));
        b->ctx().WriteINI(QStringLiteral("Options"), QStringLiteral("LastDB"), last);
        state.ResumeTiming();
        {
            Catalogue cat;
            CatalogueSession session(b->ctx(), cat);
            frmMain w(b->ctx(), session);
            w.Form_Load();
            w.show();
            QApplication::processEvents();
            w.repaint();
            state.PauseTiming();
            w.hide();
        }
        b.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(StartupWithLastCatalogue)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
