#pragma once

#include "AppContext.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

// Shared pieces of the benchmark programs: a program context that answers every question with Yes
// and prints messages, and generated catalogues kept between runs.
namespace bench {

class BenchContext
{
public:
    BenchContext();
    ~BenchContext();
    AppContext &ctx() { return *m_ctx; }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Prompts> m_prompts;
    std::unique_ptr<UrlOpener> m_urls;
    std::unique_ptr<AppContext> m_ctx;
};

// A generated catalogue of that many movies, made once and kept in the build's bench-data folder
// (or $CINELOG_BENCH_DATA). Read-only use only: copy it (copyOf) before changing it.
QString catalogue(int movies);
// The same with that many movies given a cover.
QString catalogue(int movies, int covers);
// A fresh copy of the cached catalogue at dest.
QString copyOf(int movies, const QString &dest);

// The process's peak resident memory (VmHWM) in KiB, or -1 when it cannot be read.
long long peakMemoryKiB();
// Starts the peak over from the memory in use now (Linux: "5" into /proc/self/clear_refs), so that a
// benchmark's peak leaves out its setup. False when the system does not allow it.
bool resetPeakMemory();

// The raw SQLite C API on a file, for the physical limit of a read.
class RawDb
{
public:
    explicit RawDb(const QString &path);
    ~RawDb();
    sqlite3 *handle() const { return m_db; }
    // Steps through every row of sql, touching every column as text; returns the row count.
    long long readAll(const char *sql);

private:
    sqlite3 *m_db = nullptr;
};

// The whole of a benchmark program's main(): the benchmarks named on its command line, run under a
// Qt application of type App (windows drawn offscreen unless QT_QPA_PLATFORM says otherwise).
template <typename App>
int runBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
