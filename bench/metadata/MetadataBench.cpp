// Filling 200 movies from TMDb (a search, the details and the poster each: 600 requests) against a
// local server that, like TMDb, serves through a token bucket of 40 requests a second and answers
// 429 with "Retry-After: 1" beyond it. Target: within 15% of 600 / 40 = 15 s, peak memory under
// 150 MB. The counters say how many requests were refused and the peak resident memory.

#include "BatchFill.h"
#include "Catalogue.h"
#include "CatalogueFile.h"
#include "LocalHttpServer.h"
#include "MovieStore.h"
#include "ProgressSink.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Movies = 200;
constexpr double RatePerSecond = 40;

long long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

LocalHttpServer::Reply json(const QJsonObject &o)
{
    return LocalHttpServer::Reply::text(QJsonDocument(o).toJson(QJsonDocument::Compact), 200, "application/json;charset=utf-8");
}

QByteArray poster()
{
    QImage image(780, 1170, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// TMDb's answers for "Movie N": one search result, its details with ten actors, its poster.
class TmdbStandIn
{
public:
    explicit TmdbStandIn(int delayMs = 0)
        : m_poster(poster())
        , m_delayMs(delayMs)
    {
        m_clock.start();
        m_server.setResponder([this](const LocalHttpServer::Request &r) {
            std::optional<LocalHttpServer::Reply> reply = answer(r);
            if (reply)
                reply->delayMs = m_delayMs;
            return reply;
        });
    }
    QUrl baseUrl() const { return m_server.baseUrl(); }
    QUrl imageUrl() const { return m_server.url(QStringLiteral("/t/p/")); }
    int refused() const { return m_refused; }
    int served() const { return m_served; }

private:
    std::optional<LocalHttpServer::Reply> answer(const LocalHttpServer::Request &r)
    {
        // The bucket holds at most a second's worth of requests.
        const double now = m_clock.nsecsElapsed() / 1e9;
        m_tokens = qMin(RatePerSecond, m_tokens + (now - m_last) * RatePerSecond);
        m_last = now;
        if (m_tokens < 1) {
            ++m_refused;
            LocalHttpServer::Reply busy = LocalHttpServer::Reply::text(
                R"({"status_code":25,"status_message":"Your request count is over the allowed limit.","success":false})", 429,
                "application/json");
            busy.headers << qMakePair(QByteArray("Retry-After"), QByteArray("1"));
            return busy;
        }
        m_tokens -= 1;
        ++m_served;
        if (r.path == QLatin1String("/3/search/movie")) {
            const QString title = r.query.queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded);
            const int n = title.mid(6).toInt();
            return json({{QStringLiteral("page"), 1},
                         {QStringLiteral("total_pages"), 1},
                         {QStringLiteral("total_results"), 1},
                         {QStringLiteral("results"),
                          QJsonArray{QJsonObject{{QStringLiteral("id"), n}, {QStringLiteral("title"), title},
                                                 {QStringLiteral("release_date"), QStringLiteral("2001-01-01")},
                                                 {QStringLiteral("poster_path"), QStringLiteral("/p%1.jpg").arg(n)}}}}});
        }
        if (r.path.startsWith(QLatin1String("/3/movie/"))) {
            const int n = r.path.mid(9).toInt();
            QJsonArray cast;
            for (int i = 0; i < 12; ++i)
                cast.append(QJsonObject{{QStringLiteral("name"), QStringLiteral("Actor%1 Person%2").arg(n % 50).arg(i)},
                                        {QStringLiteral("character"), QStringLiteral("Role %1").arg(i)},
                                        {QStringLiteral("order"), i}});
            return json({{QStringLiteral("id"), n},
                         {QStringLiteral("title"), QStringLiteral("Movie %1").arg(n)},
                         {QStringLiteral("release_date"), QStringLiteral("2001-01-01")},
                         {QStringLiteral("runtime"), 100 + n % 60},
                         {QStringLiteral("genres"), QJsonArray{QJsonObject{{QStringLiteral("name"), QStringLiteral("Drama")}}}},
                         {QStringLiteral("poster_path"), QStringLiteral("/p%1.jpg").arg(n)},
                         {QStringLiteral("credits"),
                          QJsonObject{{QStringLiteral("cast"), cast},
                                      {QStringLiteral("crew"), QJsonArray{QJsonObject{{QStringLiteral("name"), QStringLiteral("Dee Rector")},
                                                                                      {QStringLiteral("job"), QStringLiteral("Director")}}}}}},
                         {QStringLiteral("release_dates"),
                          QJsonObject{{QStringLiteral("results"),
                                       QJsonArray{QJsonObject{{QStringLiteral("iso_3166_1"), QStringLiteral("US")},
                                                              {QStringLiteral("release_dates"),
                                                               QJsonArray{QJsonObject{{QStringLiteral("certification"), QStringLiteral("PG")},
                                                                                      {QStringLiteral("type"), 3}}}}}}}}},
                         {QStringLiteral("external_ids"), QJsonObject{{QStringLiteral("imdb_id"), QStringLiteral("tt%1").arg(n, 7, 10, QLatin1Char('0'))}}}});
        }
        if (r.path.startsWith(QLatin1String("/t/p/w780/")))
            return LocalHttpServer::Reply::text(m_poster, 200, "image/png");
        return std::nullopt;
    }

    LocalHttpServer m_server;
    QByteArray m_poster;
    QElapsedTimer m_clock;
    double m_tokens = RatePerSecond;
    double m_last = 0;
    int m_refused = 0;
    int m_served = 0;
    int m_delayMs = 0;
};

// state.range(0): milliseconds each reply takes (a network's round trip); 0 for the target row.
void FillFromTmdb200(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bench.cnlg"));
        CatalogueFile::create(path);
        Catalogue cat;
        cat.open(path);
        QList<int> ids;
        {
            MovieStore store(cat);
            for (int i = 1; i <= Movies; ++i) {
                MovieRecord r;
                r.title = QStringLiteral("Movie %1").arg(i);
                ids << store.save(r);
            }
        }
        TmdbStandIn tmdb(int(state.range(0)));
        MovieDetailsSettings settings;
        settings.credential = QStringLiteral("0123456789abcdef0123456789abcdef");
        settings.apiBaseAddress = tmdb.baseUrl();
        settings.imageBaseAddress = tmdb.imageUrl();
        settings.country = QStringLiteral("US");
        settings.language = QStringLiteral("en-US");
        QString why;
        const QString plugins = qEnvironmentVariable("CINELOG_PLUGIN_DIR", QStringLiteral(CINELOG_BUILD_PLUGIN_DIR));
        std::unique_ptr<MovieInfoSource> source = MovieDetails::createSource({plugins}, settings, &why);
        if (!source) {
            state.SkipWithError(why.toStdString().c_str());
            return;
        }
        BatchFill batch(cat, *source, settings);
        NullProgress progress;
        state.ResumeTiming();

        const BatchFill::Result result = batch.run(ids, progress);

        state.PauseTiming();
        if (result.filled != Movies || result.stopped())
            state.SkipWithError(QStringLiteral("filled %1 of %2: %3").arg(result.filled).arg(Movies).arg(result.failure.message).toStdString().c_str());
        state.counters["served"] = tmdb.served();
        state.counters["refused_429"] = tmdb.refused();
        state.counters["peak_MiB"] = double(peakKiB()) / 1024.0;
        state.ResumeTiming();
    }
}
// The target row, then the same over a network with a 50 ms round trip: one request at a time, the
// round trips add up there (600 x 50 ms).
BENCHMARK(FillFromTmdb200)->Arg(0)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
