// make-catalogue: writes a deterministic synthetic catalogue for benchmarks and manual checks.
//   make-catalogue --movies 100000 out.cnlg
//   make-catalogue --titles titles.txt out.cnlg     (one movie per line of the UTF-8 file)
#include "CatalogueGenerator.h"
#include "CinelogError.h"
#include "Migrations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <cstdio>

static int usage()
{
    std::fprintf(stderr,
                 "usage: make-catalogue [--movies N | --titles FILE] [--covers N] [--seed N] [--force] OUT.cnlg\n"
                 "  --movies N   number of movies (default 1000)\n"
                 "  --titles FILE  one movie per line of FILE (UTF-8), titled as the line; empty lines are skipped\n"
                 "  --covers N   number of movies that get a small cover (default: one in 50)\n"
                 "  --seed N     seed of the generator (default 20251209); the same seed gives the same catalogue\n"
                 "  --force      replace OUT when it exists\n"
                 "  --print-layout-version   print the catalogue layout version (PRAGMA user_version) it writes\n");
    return 2;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    CatalogueGenerator::Options options;
    QString out;
    bool force = false;
    QString titlesFile;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        auto number = [&](qint64 lo) -> qint64 {
            bool ok = false;
            const qint64 v = args.isEmpty() ? -1 : args.takeFirst().toLongLong(&ok);
            if (!ok || v < lo) {
                std::fprintf(stderr, "make-catalogue: %s needs a number of at least %lld\n", qPrintable(a), lo);
                std::exit(usage());
            }
            return v;
        };
        if (a == QLatin1String("--movies"))
            options.movies = int(std::min<qint64>(number(0), 10'000'000));
        else if (a == QLatin1String("--covers"))
            options.covers = int(std::min<qint64>(number(0), 10'000'000));
        else if (a == QLatin1String("--titles")) {
            if (args.isEmpty())
                return usage();
            titlesFile = args.takeFirst();
        } else if (a == QLatin1String("--seed"))
            options.seed = quint64(number(0));
        else if (a == QLatin1String("--print-layout-version"))
            return std::printf("%d\n", Migrations::latestVersion()), 0;
        else if (a == QLatin1String("--force"))
            force = true;
        else if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return usage(), 0;
        else if (a.startsWith(QLatin1String("--")) || !out.isEmpty())
            return usage();
        else
            out = a;
    }
    if (out.isEmpty())
        return usage();
    if (QFile::exists(CatalogueGenerator::outputPath(out)) && !force) {
        std::fprintf(stderr, "make-catalogue: %s exists (use --force to replace it)\n",
                     qPrintable(CatalogueGenerator::outputPath(out)));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        if (!titlesFile.isEmpty())
            options.titles = CatalogueGenerator::readTitles(titlesFile);
        const CatalogueGenerator::Result r = CatalogueGenerator::generate(out, options);
        std::printf("%s: %lld movies, %lld actors, %lld directors, %lld genres, %lld cast links, "
                    "%lld open and %lld returned loans, %lld user-list entries, %lld episode discs with %lld episodes, "
                    "%lld covers; %.1f s\n",
                    qPrintable(r.path), r.movies, r.actors, r.directors, r.genres, r.castLinks, r.openLoans,
                    r.returnedLoans, r.userListEntries, r.episodeDiscs, r.episodes, r.covers, timer.elapsed() / 1000.0);
    } catch (const CinelogError &e) {
        std::fprintf(stderr, "make-catalogue: %s (error %lld)\n", qPrintable(e.description()), e.number());
        return 1;
    }
    return 0;
}
