// Uploads 1,000 generated movies, each with a cast of five, to a community server and downloads
// them back into a second catalogue.
//   scripts/community-server start /tmp/cinelog-bench
//   CINELOG_COMMUNITY_BENCH="$(cat /tmp/cinelog-bench/connection.txt)" build/bench/community/community_bench
#include "AppContext.h"
#include "CatalogueFile.h"
#include "Catalogue.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "Prompts.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class SilentPrompts : public Prompts
{
public:
    void message(const QString &, const QString &, Icon) override {}
    bool question(const QString &, const QString &, Icon) override { return true; }
    Answer questionYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Yes; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
};

constexpr int Movies = 1000;
constexpr int CastSize = 5;

void UploadAndDownload(benchmark::State &state)
{
    const QString connection = qEnvironmentVariable("CINELOG_COMMUNITY_BENCH");
    if (connection.isEmpty()) {
        state.SkipWithError("set CINELOG_COMMUNITY_BENCH to a community connection string");
        return;
    }
    SilentPrompts prompts;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        AppContext ctx(dir.path(), dir.path(), {&prompts, nullptr, nullptr, nullptr});
        Catalogue source, target;
        QString a = dir.filePath(QStringLiteral("source.cnlg")), b = dir.filePath(QStringLiteral("target.cnlg"));
        CatalogueFile::create(a);
        source.open(a).opened();
        CatalogueFile::create(b);
        target.open(b).opened();
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

}

BENCHMARK(UploadAndDownload)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK_MAIN();
