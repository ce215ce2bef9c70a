// Export of the generated 100k catalogue to each format (target: under 5 s each, peak memory
// under 200 MB; run one format per process, e.g. --benchmark_filter=Export100k/1, for its own
// peak), and a backup of the 1M catalogue.

#include "Backups.h"
#include "BenchSupport.h"
#include "Catalogue.h"
#include "CatalogueExport.h"
#include "ProgressSink.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <sys/resource.h>

namespace {

// The larger of this process's peak and that of its largest finished child: the .xlsx is written by
// a helper process, whose memory is part of what the export costs.
long long peakKiB()
{
    rusage children{};
    const long long childKiB = getrusage(RUSAGE_CHILDREN, &children) == 0 ? children.ru_maxrss : 0;
    return std::max(bench::peakMemoryKiB(), childKiB);
}

void BM_Export100k(benchmark::State &state)
{
    const auto format = ExportFormat(state.range(0));
    Catalogue cat;
    if (!cat.open(bench::catalogue(100000)).opened()) {
        state.SkipWithError("the catalogue could not be opened");
        return;
    }
    QTemporaryDir dir;
    NullProgress progress;
    int movies = 0;
    for (auto _ : state) {
        ExportRequest r;
        r.format = format;
        r.path = dir.filePath(QStringLiteral("movies.") + CatalogueExport::extension(format));
        movies = CatalogueExport::run(cat, r, progress).movies;
    }
    state.SetLabel(CatalogueExport::extension(format).toStdString());
    state.counters["movies"] = movies;
    state.counters["peak_MiB"] = double(peakKiB()) / 1024.0;
}
BENCHMARK(BM_Export100k)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Backup1M(benchmark::State &state)
{
    const QString source = bench::catalogue(int(state.range(0)));
    QTemporaryDir dir;
    int n = 0;
    for (auto _ : state) {
        Backups::copyCatalogue(source, dir.filePath(QStringLiteral("copy%1.cnlg").arg(++n)));
        state.PauseTiming();
        QFile::remove(dir.filePath(QStringLiteral("copy%1.cnlg").arg(n)));
        state.ResumeTiming();
    }
    state.counters["MB"] = double(QFileInfo(source).size()) / 1e6;
}
BENCHMARK(BM_Backup1M)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QGuiApplication>(argc, argv);
}
