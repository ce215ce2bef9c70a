// Catalogue store: creating a catalogue, opening and checking a large one, storing and loading covers.
#include "AppContext.h"
#include "CoverPictures.h"
#include "CatalogueFile.h"
#include "Catalogue.h"
#include "CatalogueGenerator.h"
#include "SqliteFunctions.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <sqlite3.h>

namespace {

constexpr int LargeCatalogue = 100000;

// Says Yes to every question and prints what it is told, so a failure in a benchmark is visible.
class BenchPrompts : public Prompts
{
public:
    void message(const QString &text, const QString &title, Icon) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(title), qPrintable(text));
    }
    bool question(const QString &, const QString &, Icon) override { return true; }
    Answer questionYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Yes; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return std::nullopt; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, Overwrite) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
};

// A program context on a temporary folder.
struct Bench {
    QTemporaryDir dir;
    BenchPrompts prompts;
    AppContext ctx{dir.path(), dir.path(), AppContext::Services{&prompts, nullptr, nullptr, nullptr}};
    Catalogue cat;
    QString path(const QString &name) const { return dir.filePath(name); }
};

QString dataFolder()
{
    const QString env = qEnvironmentVariable("CINELOG_BENCH_DATA");
    return env.isEmpty() ? QStringLiteral(CINELOG_STORE_BENCH_DATA) : env;
}

// The generated catalogue of that many movies, made once and kept in the data folder.
QString cachedCatalogue(int movies)
{
    QDir().mkpath(dataFolder());
    const QString path = QDir(dataFolder()).filePath(QStringLiteral("catalogue-%1.cnlg").arg(movies));
    if (QFileInfo::exists(path))
        return path;
    const QString partial = path + QStringLiteral(".part.cnlg");
    std::fprintf(stderr, "Generating a catalogue of %d movies in %s...\n", movies, qPrintable(path));
    CatalogueGenerator::Options options;
    options.movies = movies;
    CatalogueGenerator::generate(partial, options);
    QFile::remove(path);
    if (!QFile::rename(partial, path))
        throw CinelogError(ErrorNumber::PermissionDenied, QStringLiteral("Could not keep ") + path);
    return path;
}

QString copyOf(const QString &from, const QString &to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        throw CinelogError(ErrorNumber::PermissionDenied, QStringLiteral("Could not copy to ") + to);
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
    return to;
}

void BM_CreateDB(benchmark::State &state)
{
    Bench b;
    int n = 0;
    for (auto _ : state) {
        QString path = b.path(QStringLiteral("new%1.cnlg").arg(n++));
        CatalogueFile::create(path);
    }
}
BENCHMARK(BM_CreateDB)->Unit(benchmark::kMillisecond);

// A catalogue just made: CreateDB, then the first DBConn that adds the open-time columns and indexes.
void BM_CreateAndFirstOpen(benchmark::State &state)
{
    Bench b;
    int n = 0;
    for (auto _ : state) {
        QString path = b.path(QStringLiteral("new%1.cnlg").arg(n++));
        CatalogueFile::create(path);
        if (!b.cat.open(path).opened())
            state.SkipWithError("DBConn failed");
        b.cat.close();
    }
}
BENCHMARK(BM_CreateAndFirstOpen)->Unit(benchmark::kMillisecond);

// Opening a large catalogue that is up to date: the check looks and finds nothing to do.
void BM_OpenAndCheck100k(benchmark::State &state)
{
    Bench b;
    const QString large = copyOf(cachedCatalogue(LargeCatalogue), b.path(QStringLiteral("large.cnlg")));
    for (auto _ : state) {
        if (!b.cat.open(large).opened())
            state.SkipWithError("DBConn failed");
        benchmark::DoNotOptimize(b.cat.scalar(QStringLiteral("SELECT COUNT(*) FROM Movies")));
        b.cat.close();
    }
    state.counters["movies"] = LargeCatalogue;
}
BENCHMARK(BM_OpenAndCheck100k)->Unit(benchmark::kMillisecond);

// Opening a large catalogue made before OrderBy existed: the check adds it and fills it from every title.
void BM_OpenAndAddOrderBy100k(benchmark::State &state)
{
    Bench b;
    const QString withoutOrderBy = copyOf(cachedCatalogue(LargeCatalogue), b.path(QStringLiteral("old.cnlg")));
    {
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(withoutOrderBy).constData(), &db);
        registerCatalogueFunctions(db);
        char *err = nullptr;
        if (sqlite3_exec(db, "DROP TRIGGER trgClearMoviesOrderByKey; DROP INDEX idxMoviesOrderByKey; "
                              "ALTER TABLE Movies DROP COLUMN OrderByKey; ALTER TABLE Movies DROP COLUMN OrderBy; "
                              "PRAGMA user_version = 0; VACUUM", nullptr, nullptr, &err)
            != SQLITE_OK) {
            state.SkipWithError(err ? err : "could not drop OrderBy");
            sqlite3_free(err);
        }
        sqlite3_close(db);
    }
    const QString work = b.path(QStringLiteral("work.cnlg"));
    for (auto _ : state) {
        state.PauseTiming();
        copyOf(withoutOrderBy, work);
        state.ResumeTiming();
        if (!b.cat.open(work).opened())
            state.SkipWithError("DBConn failed");
        b.cat.close();
    }
    state.counters["movies"] = LargeCatalogue;
}
BENCHMARK(BM_OpenAndAddOrderBy100k)->Unit(benchmark::kMillisecond)->Iterations(3);

// The comparisons every search leans on, over a large catalogue: LIKE with a leading wildcard
// (every title is tested) and "=" that an index answers.
struct LargeOpen : Bench {
    LargeOpen()
    {
        cat.open(copyOf(cachedCatalogue(LargeCatalogue), path(QStringLiteral("large.cnlg")))).opened();
    }
};

void BM_TitleLikeScan100k(benchmark::State &state)
{
    LargeOpen b;
    qint64 found = 0;
    for (auto _ : state)
        found = b.cat.scalar(QStringLiteral("SELECT COUNT(*) FROM Movies WHERE Title LIKE ?"), {QStringLiteral("%HORIZON%")}).toLongLong();
    state.counters["found"] = double(found);
}
BENCHMARK(BM_TitleLikeScan100k)->Unit(benchmark::kMillisecond);

void BM_ActorEqualsIndexed(benchmark::State &state)
{
    LargeOpen b;
    const QString name = b.cat.scalar(QStringLiteral("SELECT Actor FROM Actors WHERE ID = 777")).toString().toUpper();
    for (auto _ : state)
        benchmark::DoNotOptimize(b.cat.scalar(QStringLiteral("SELECT ID FROM Actors WHERE Actor = ?"), {name}));
}
BENCHMARK(BM_ActorEqualsIndexed)->Unit(benchmark::kMicrosecond);

// The movie list's read: every movie in OrderBy order.
void BM_ListByOrderBy100k(benchmark::State &state)
{
    LargeOpen b;
    for (auto _ : state) {
        QSqlQuery q = b.cat.exec(QStringLiteral("SELECT ID, Title FROM Movies ORDER BY OrderByKey, ID"));
        qint64 n = 0;
        while (q.next())
            ++n;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_ListByOrderBy100k)->Unit(benchmark::kMillisecond);

// A cover of about 200 KB: a scanned-looking JPEG.
QByteArray largeCover()
{
    QImage img(600, 900, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 27);
            line[x] = qRgb((x / 3 + n) % 256, (y / 4 + n) % 256, ((x + y) / 6 + n) % 256);
        }
    }
    QByteArray best;
    for (int quality = 95; quality >= 10; quality -= 5) {
        QByteArray out;
        QBuffer buf(&out);
        buf.open(QIODevice::WriteOnly);
        QImageWriter w(&buf, "jpeg");
        w.setQuality(quality);
        if (!w.write(img))
            break;
        best = out;
        if (out.size() <= 200 * 1024)
            break;
    }
    if (best.isEmpty()) { // no JPEG writer: a PNG of noise of about the same size
        QImage small = img.scaled(256, 200);
        QBuffer buf(&best);
        buf.open(QIODevice::WriteOnly);
        small.save(&buf, "PNG");
    }
    return best;
}

struct CoverBench : Bench {
    int movieId = 0;
    QString file;
    QByteArray bytes;
    CoverBench()
    {
        QString p = path(QStringLiteral("covers.cnlg"));
        CatalogueFile::create(p);
        cat.open(p).opened();
        movieId = cat.exec(QStringLiteral("INSERT INTO Movies (Title) VALUES (?)"), {QStringLiteral("Cover")}).lastInsertId().toInt();
        bytes = largeCover();
        file = path(QStringLiteral("cover.jpg"));
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

void BM_StoreCover200KB(benchmark::State &state)
{
    CoverBench b;
    for (auto _ : state)
        if (!CoverPictures(b.cat, b.ctx).SavePictureToDB(b.movieId, b.file))
            state.SkipWithError("SavePictureToDB failed");
    state.SetBytesProcessed(state.iterations() * b.bytes.size());
    state.counters["cover_bytes"] = double(b.bytes.size());
}
BENCHMARK(BM_StoreCover200KB)->Unit(benchmark::kMillisecond);

void BM_LoadCover200KB(benchmark::State &state)
{
    CoverBench b;
    CoverPictures(b.cat, b.ctx).SavePictureToDB(b.movieId, b.file);
    QImage img;
    for (auto _ : state) {
        if (!CoverPictures(b.cat, b.ctx).LoadPictureFromDB(img, b.movieId))
            state.SkipWithError("LoadPictureFromDB failed");
        benchmark::DoNotOptimize(img.constBits());
    }
    state.SetBytesProcessed(state.iterations() * b.bytes.size());
    state.counters["cover_bytes"] = double(b.bytes.size());
}
BENCHMARK(BM_LoadCover200KB)->Unit(benchmark::kMillisecond);

// Reading a cover's bytes without decoding them: the catalogue's part of a load.
void BM_ReadCoverBytes200KB(benchmark::State &state)
{
    CoverBench b;
    CoverPictures(b.cat, b.ctx).SavePictureToDB(b.movieId, b.file);
    for (auto _ : state)
        benchmark::DoNotOptimize(CoverPictures(b.cat, b.ctx).coverBytes(b.movieId));
    state.SetBytesProcessed(state.iterations() * b.bytes.size());
}
BENCHMARK(BM_ReadCoverBytes200KB)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    try {
        benchmark::RunSpecifiedBenchmarks();
    } catch (const CinelogError &e) {
        std::fprintf(stderr, "store_bench: %s (error %lld)\n", qPrintable(e.description()), e.number());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
