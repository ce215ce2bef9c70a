// The community exchange against a real server, over TLS:
//   UploadAndDownload      1,000 generated movies, each with a cast of five, uploaded by one member
//                          and downloaded back into a second catalogue;
//   ConcurrentUploads      eight members uploading 200 movies each at the same moment (half of them
//                          the same movies, casts from one pool of actors); reports the failures,
//                          which must be 0.
// CINELOG_COMMUNITY_BENCH=1 (as scripts/bench sets it) starts a private server with
// scripts/community-server in a temporary folder and stops it afterwards; a connection string in
// CINELOG_COMMUNITY_BENCH uses that server instead (its account needs generous limits, e.g.
// scripts/community-server add-member FOLDER bench --max-connections 16 --max-queries-per-hour 100000000).
#include "AppContext.h"
#include "CatalogueFile.h"
#include "Catalogue.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "Prompts.h"

#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <latch>
#include <memory>
#include <thread>

namespace {

class SilentPrompts : public Prompts
{
public:
    void message(const QString &, const QString &, Icon) override {}
    bool question(const QString &, const QString &, Icon) override { return true; }
    Answer questionYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Yes; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, Overwrite) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
};

// The server the benchmarks use: given, or started here for the run.
class BenchServer
{
public:
    static BenchServer &instance()
    {
        static BenchServer server;
        return server;
    }
    ~BenchServer()
    {
        if (!m_folder)
            return;
        QProcess::execute(script(), {QStringLiteral("stop"), m_folder->path()});
    }

    QString error;

    // The connection of member i (0 for the single-member benchmark).
    QString connection(int member)
    {
        if (!m_given.isEmpty())
            return m_given;
        if (!m_folder)
            start();
        if (!error.isEmpty())
            return QString();
        while (m_members.size() <= member) {
            QProcess p;
            p.start(script(), {QStringLiteral("add-member"), m_folder->path(), QStringLiteral("bench%1").arg(m_members.size()),
                               QStringLiteral("--max-connections"), QStringLiteral("16"),
                               QStringLiteral("--max-queries-per-hour"), QStringLiteral("100000000")});
            p.waitForFinished(60000);
            const QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
            if (p.exitCode() != 0 || out.isEmpty()) {
                error = QStringLiteral("could not add a bench member: ") + QString::fromUtf8(p.readAllStandardError());
                return QString();
            }
            m_members << out;
        }
        return m_members[member];
    }

private:
    BenchServer()
    {
        const QString given = qEnvironmentVariable("CINELOG_COMMUNITY_BENCH");
        if (given.contains(QLatin1Char('=')))
            m_given = given;
    }
    static QString script() { return QStringLiteral(CINELOG_SOURCE_DIR "/scripts/community-server"); }
    void start()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QProcess p;
        p.start(script(), {QStringLiteral("start"), m_folder->path()});
        p.waitForFinished(180000);
        if (p.exitCode() != 0)
            error = QStringLiteral("could not start a community server: ") + QString::fromUtf8(p.readAllStandardError());
    }

    QString m_given;
    std::unique_ptr<QTemporaryDir> m_folder;
    QStringList m_members;
};

void openNew(Catalogue &cat, const QString &path)
{
    CatalogueFile::create(path);
    cat.open(path);
}

constexpr int Movies = 1000;
constexpr int CastSize = 5;

void UploadAndDownload(benchmark::State &state)
{
    const QString connection = BenchServer::instance().connection(0);
    if (connection.isEmpty()) {
        state.SkipWithError(BenchServer::instance().error.toStdString().c_str());
        return;
    }
    SilentPrompts prompts;
    static int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        AppContext ctx(dir.path(), dir.path(), {&prompts, nullptr, nullptr, nullptr});
        Catalogue source, target;
        openNew(source, dir.filePath(QStringLiteral("source.cnlg")));
        openNew(target, dir.filePath(QStringLiteral("target.cnlg")));
        ++round;
        QList<int> ids, targets;
        source.transaction([&] {
            for (int i = 0; i < Movies; ++i) {
                const int id = source.exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, Director, Genre1, RunningTime, web) "
                                                          "VALUES (?, ?, ?, 'Drama', '101', 0)"),
                                           {QStringLiteral("Bench %1 Movie %2").arg(round).arg(i), QString::number(1950 + i % 70),
                                            QStringLiteral("Director %1").arg(i % 50)})
                                   .lastInsertId()
                                   .toInt();
                ids << id;
                for (int k = 0; k < CastSize; ++k) {
                    const int actor = source.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"),
                                                  {QStringLiteral("Actor %1-%2").arg(round).arg((i * CastSize + k) % 2000)})
                                          .lastInsertId()
                                          .toInt();
                    source.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                                {id, actor, QStringLiteral("Part %1").arg(k)});
                }
                targets << target.exec(QStringLiteral("INSERT INTO Movies (Title, web) VALUES ('empty', 0)")).lastInsertId().toInt();
            }
        });
        CommunityConnection remote(connection);
        state.ResumeTiming();

        QList<int> remoteIds;
        for (int id : ids)
            remoteIds << CommunityExchange::uploadMovie(source, remote, id, QStringLiteral("bench"));
        for (int i = 0; i < Movies; ++i)
            CommunityExchange::downloadMovie(target, remote, remoteIds[i], targets[i]);

        state.PauseTiming();
        const int links = target.scalar(QStringLiteral("SELECT COUNT(*) FROM MovActLink")).toInt();
        if (links != Movies * CastSize)
            state.SkipWithError("the downloaded casts are incomplete");
        state.ResumeTiming();
    }
    state.counters["movies"] = Movies;
    state.counters["movies/s"] = benchmark::Counter(2.0 * Movies, benchmark::Counter::kIsIterationInvariantRate);
}

constexpr int Clients = 8;
constexpr int MoviesPerClient = 200;

void ConcurrentUploads(benchmark::State &state)
{
    QStringList connections;
    for (int c = 0; c < Clients; ++c)
        connections << BenchServer::instance().connection(c);
    if (connections.contains(QString())) {
        state.SkipWithError(BenchServer::instance().error.toStdString().c_str());
        return;
    }
    static int round = 0;
    int failures = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        std::latch built(Clients), go(1);
        std::vector<int> failed(Clients, 0);
        std::vector<std::thread> threads;
        for (int c = 0; c < Clients; ++c) {
            threads.emplace_back([&, c] {
                SilentPrompts prompts;
                QTemporaryDir dir;
                AppContext ctx(dir.path(), dir.path(), {&prompts, nullptr, nullptr, nullptr});
                Catalogue cat;
                openNew(cat, dir.filePath(QStringLiteral("c.cnlg")));
                QList<int> ids;
                cat.transaction([&] {
                    for (int i = 0; i < MoviesPerClient; ++i) {
                        // Even movies are everyone's, odd ones this member's own.
                        const QString title = i % 2 == 0 ? QStringLiteral("Round %1 Shared %2").arg(round).arg(i)
                                                         : QStringLiteral("Round %1 Member %2 Own %3").arg(round).arg(c).arg(i);
                        const int id = cat.exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, Director, web) "
                                                               "VALUES (?, '2000', ?, 0)"),
                                                {title, QStringLiteral("Round %1 Director %2").arg(round).arg(i % 20)})
                                           .lastInsertId()
                                           .toInt();
                        ids << id;
                        for (int k = 0; k < CastSize; ++k) {
                            const int actor = cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"),
                                                       {QStringLiteral("Round %1 Actor %2").arg(round).arg((i * 7 + k * 13 + c) % 300)})
                                                  .lastInsertId()
                                                  .toInt();
                            cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                                     {id, actor, QStringLiteral("Part %1").arg(k)});
                        }
                    }
                });
                // Shared movies in an order of each member's own.
                std::rotate(ids.begin(), ids.begin() + (c * 24) % MoviesPerClient, ids.end());
                CommunityConnection remote(connections[c]);
                built.count_down();
                go.wait();
                CommunityExchange::UploadBatch batch(cat, remote, QStringLiteral("bench%1").arg(c), int(ids.size()));
                for (int id : ids)
                    batch.upload(id);
                failed[c] = int(batch.failures().size()) + batch.notTried();
            });
        }
        built.wait();
        state.ResumeTiming();
        go.count_down();
        for (std::thread &t : threads)
            t.join();
        for (int f : failed)
            failures += f;
    }
    state.counters["uploads"] = Clients * MoviesPerClient;
    state.counters["failures"] = failures;
    state.counters["uploads/s"] = benchmark::Counter(double(Clients * MoviesPerClient), benchmark::Counter::kIsIterationInvariantRate);
    if (failures > 0)
        state.SkipWithError("some uploads failed");
}

}

BENCHMARK(UploadAndDownload)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(ConcurrentUploads)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK_MAIN();
