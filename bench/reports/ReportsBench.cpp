// The movie details report of a 1,000-movie catalogue with a cover on every movie, run and written to
// PDF. Target: well under 10 s.
//
// The details report of a 100,000-movie catalogue with a cover on every movie (made once with
// make-catalogue, kept in the bench-data folder or $CINELOG_BENCH_DATA): written to PDF (target:
// peak memory under 500 MB) and shown in the preview, going through a few pages (target: under
// 300 MB). Run each on its own for its peak:
//   bench_reports --benchmark_filter=Details100kToPdf
//   bench_reports --benchmark_filter=Details100kPreview
#include "AppContext.h"
#include "CatalogueFile.h"
#include "Catalogue.h"
#include "ReportPainter.h"
#include "ReportPreview.h"
#include "Reports.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <benchmark/benchmark.h>

#ifdef CINELOG_HAVE_CATALOGUE_GENERATOR
#include "CatalogueGenerator.h"
#endif
#ifdef CINELOG_HAVE_BENCH_SUPPORT
#include "BenchSupport.h"
#endif

namespace {

constexpr int Movies = 1000;

class NoPrompts : public Prompts
{
public:
    void message(const QString &, const QString &, Icon) override {}
    bool question(const QString &, const QString &, Icon) override { return false; }
    Answer questionYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Cancel; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return std::nullopt; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, Overwrite) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
};

#ifndef CINELOG_HAVE_CATALOGUE_GENERATOR
QByteArray coverBytes(int n)
{
    QImage img(400, 560, QImage::Format_RGB32);
    img.fill(QColor::fromHsv((n * 37) % 360, 160, 200));
    QPainter p(&img);
    p.drawText(img.rect(), Qt::AlignCenter, QString::number(n));
    p.end();
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "JPEG", 85);
    return bytes;
}

void fillCatalogue(Catalogue &cat)
{
    cat.transaction([&] {
        for (int a = 1; a <= 300; ++a)
            cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {QStringLiteral("Actor %1").arg(a)});
        for (int m = 1; m <= Movies; ++m) {
            const QString title = QStringLiteral("Movie %1").arg(m, 4, 10, QLatin1Char('0'));
            cat.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, Director, Rating, Medium, Format, ReleaseYear, "
                                    "RunningTime, NumDiscs, Genre1, Genre2, UserRating, CoverData) "
                                    "VALUES (?, ?, 'Some Director', 'PG', 'DVD', 'Wide', '1999', '101', '1', 'Drama', "
                                    "'Comedy', ?, ?)"),
                     {title, title, m % 8, coverBytes(m)});
            for (int k = 0; k < 6; ++k)
                cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID) VALUES (?, ?)"), {m, (m * 7 + k * 13) % 300 + 1});
        }
    });
}

#endif

struct Setup {
    QTemporaryDir dir;
    NoPrompts prompts;
    SystemClock clock;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<Catalogue> cat;

    Setup()
    {
        AppContext::Services s;
        s.prompts = &prompts;
        s.clock = &clock;
        ctx = std::make_unique<AppContext>(dir.path(), dir.path(), s);
        cat = std::make_unique<Catalogue>();
        QString path = dir.filePath(QStringLiteral("Bench.cnlg"));
#ifdef CINELOG_HAVE_CATALOGUE_GENERATOR
        CatalogueGenerator::Options o;
        o.movies = Movies;
        o.covers = Movies;
        path = CatalogueGenerator::generate(path, o).path;
        cat->open(path).opened();
#else
        CatalogueFile::create(path);
        cat->open(path).opened();
        fillCatalogue(*cat);
#endif
    }
};

// Counts the pages, then writes them one at a time as they are laid out, as saving from the program does.
int writeDetailsPdf(AppContext &ctx, Catalogue &cat, const QString &pdf, benchmark::State &state)
{
    report::ReportJob job = report::arMovieDetailsALL(ctx, cat);
    const report::ReportPlan plan = job.plan(ctx);
    const bool written = report::writePdf(
        job.definition.page, job.definition.caption,
        [&](report::PagePainter &painter) {
            job.stream(ctx, plan, [&](const report::Page &page, int) { painter.add(page); });
        },
        pdf);
    if (!written)
        state.SkipWithError("the PDF could not be written");
    return plan.pageCount;
}

void MovieDetailsAllToPdf(benchmark::State &state)
{
    static Setup setup;
    const QString pdf = setup.dir.filePath(QStringLiteral("details.pdf"));
    int pages = 0;
    for (auto _ : state)
        pages = writeDetailsPdf(*setup.ctx, *setup.cat, pdf, state);
    // To look at the result: CINELOG_BENCH_PDF=/some/file.pdf
    if (const QString keep = qEnvironmentVariable("CINELOG_BENCH_PDF"); !keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(pdf, keep);
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = QFileInfo(pdf).size() / 1e6;
}
BENCHMARK(MovieDetailsAllToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

#ifdef CINELOG_HAVE_BENCH_SUPPORT

constexpr int LargeMovies = 100000;

// The 100k catalogue with a cover on every movie, made by the make-catalogue tool in a process of its
// own the first time (it takes a few minutes), so that making it counts for no benchmark's memory.
QString largeCatalogue()
{
    QString dir = qEnvironmentVariable("CINELOG_BENCH_DATA");
    if (dir.isEmpty())
        dir = QStringLiteral(CINELOG_BENCH_DATA_DIR);
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(QStringLiteral("details-100k-covers.cnlg"));
    if (QFileInfo::exists(path))
        return path;
    const QString partial = path + QStringLiteral(".part.cnlg");
    std::fprintf(stderr, "Making a catalogue of %d movies with covers in %s...\n", LargeMovies, qPrintable(path));
    const int rc = QProcess::execute(QStringLiteral(CINELOG_MAKE_CATALOGUE),
                                     {QStringLiteral("--movies"), QString::number(LargeMovies), QStringLiteral("--covers"),
                                      QString::number(LargeMovies), QStringLiteral("--force"), partial});
    if (rc != 0 || !QFile::rename(partial, path))
        return QString();
    return path;
}

struct LargeSetup {
    bench::BenchContext context;
    Catalogue cat;
    bool opened = false;
    LargeSetup()
    {
        const QString path = largeCatalogue();
        opened = !path.isEmpty() && cat.open(path).opened();
    }
};

void Details100kToPdf(benchmark::State &state)
{
    LargeSetup setup;
    if (!setup.opened) {
        state.SkipWithError("the 100k catalogue could not be made or opened");
        return;
    }
    const QString pdf = setup.context.path(QStringLiteral("details-100k.pdf"));
    const bool reset = bench::resetPeakMemory();
    int pages = 0;
    for (auto _ : state)
        pages = writeDetailsPdf(setup.context.ctx(), setup.cat, pdf, state);
    state.counters["peak_MiB"] = double(bench::peakMemoryKiB()) / 1024.0;
    state.SetLabel(reset ? "peak of the run" : "peak includes the setup");
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = QFileInfo(pdf).size() / 1e6;
}
BENCHMARK(Details100kToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

void Details100kPreview(benchmark::State &state)
{
    LargeSetup setup;
    if (!setup.opened) {
        state.SkipWithError("the 100k catalogue could not be made or opened");
        return;
    }
    AppContext &ctx = setup.context.ctx();
    const bool reset = bench::resetPeakMemory();
    int pages = 0;
    for (auto _ : state) {
        report::ReportJob job = report::arMovieDetailsALL(ctx, setup.cat);
        const report::ReportPlan plan = job.plan(ctx);
        pages = plan.pageCount;
        report::PageSource source(ctx, job.definition, *job.source, plan, job.labels);
        ReportPreview preview(ctx, source);
        preview.show();
        QCoreApplication::processEvents();
        // Going through the report as a reader would: the first pages, the last, some in between.
        for (int n : {1, 2, 3, 4, 5, pages, pages / 2, pages / 2 + 1, pages / 3, 1}) {
            preview.setCurrentPage(n);
            const QPixmap shot = preview.grab();
            benchmark::DoNotOptimize(shot.cacheKey());
            if (const QString png = qEnvironmentVariable("CINELOG_BENCH_PNG"); !png.isEmpty() && n == pages / 2)
                shot.save(png);
        }
        preview.close();
    }
    state.counters["peak_MiB"] = double(bench::peakMemoryKiB()) / 1024.0;
    state.SetLabel(reset ? "peak of the run" : "peak includes the setup");
    state.counters["pages"] = pages;
}
BENCHMARK(Details100kPreview)->Unit(benchmark::kMillisecond)->Iterations(1);

#endif

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
