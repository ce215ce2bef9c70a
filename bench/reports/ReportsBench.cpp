// The movie details report of a 1,000-movie catalogue with a cover on every movie, run and written to
// PDF. Target: well under 10 s.
#include "AppContext.h"
#include "CatalogueFile.h"
#include "Catalogue.h"
#include "ReportPainter.h"
#include "Reports.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#ifdef CINELOG_HAVE_CATALOGUE_GENERATOR
#include "CatalogueGenerator.h"
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

void MovieDetailsAllToPdf(benchmark::State &state)
{
    static Setup setup;
    const QString pdf = setup.dir.filePath(QStringLiteral("details.pdf"));
    int pages = 0;
    for (auto _ : state) {
        report::ReportJob job = report::arMovieDetailsALL(*setup.ctx, *setup.cat);
        const report::ReportDocument doc = job.run(*setup.ctx);
        pages = doc.pageCount();
        if (!report::writePdf(doc, pdf))
            state.SkipWithError("the PDF could not be written");
    }
    // To look at the result: CINELOG_BENCH_PDF=/some/file.pdf
    if (const QString keep = qEnvironmentVariable("CINELOG_BENCH_PDF"); !keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(pdf, keep);
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = QFileInfo(pdf).size() / 1e6;
}
BENCHMARK(MovieDetailsAllToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
