// Eight members uploading the same movies, actors and directors at the same moment, each from a
// catalogue of their own through an account of their own, on the real server.
#include "Catalogue.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "CommunityTestServer.h"
#include "GTestSupport.h"

#include <QSqlRecord>
#include <algorithm>
#include <latch>
#include <memory>
#include <random>
#include <thread>

namespace {

const QString Db = QStringLiteral("cinelog_unit");
constexpr int Clients = 8;
constexpr int Movies = 24;
constexpr int CastSize = 4;
constexpr int ActorPool = 10;
constexpr int DirectorPool = 5;

QString movieTitle(int k) { return QStringLiteral("Shared Movie %1").arg(k); }
QString actorName(int a) { return QStringLiteral("Shared Actor %1").arg(a); }

struct ClientResult {
    int uploaded = 0;
    QStringList failures;
    QStringList marked; // "title|onlineID" of the catalogue after the batch
    QString error;
};

// One member: builds a catalogue with every shared movie (this member alone knows the running time
// of some of them), waits for the others, then uploads them all in an order of its own.
void runClient(int client, std::latch &ready, ClientResult &out)
{
    try {
        GTestContext tc;
        Catalogue cat;
        CommunityTestServer::openNewCatalogue(cat, tc.path(QStringLiteral("movies.cnlg")));
        QList<int> ids;
        cat.transaction([&] {
            QList<int> actorIds;
            for (int a = 0; a < ActorPool; ++a)
                actorIds << cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {actorName(a)}).lastInsertId().toInt();
            for (int k = 0; k < Movies; ++k) {
                const bool episodes = k % 4 == 0;
                const int id = cat.exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, Director, RunningTime, "
                                                       "EpisodeDisc, web, onlineID) VALUES (?, ?, ?, ?, ?, 0, 0)"),
                                        {movieTitle(k), QString::number(1990 + k), QStringLiteral("Director %1").arg(k % DirectorPool),
                                         k % Clients == client ? QVariant(QString::number(90 + k)) : QVariant(),
                                         episodes ? 1 : 0})
                                   .lastInsertId()
                                   .toInt();
                ids << id;
                // Overlapping casts (the same for every member), listed in an order of each member's own.
                for (int i = 0; i < CastSize; ++i) {
                    const int a = (k + 3 * ((i + client) % CastSize)) % ActorPool;
                    cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                             {id, actorIds[a], QStringLiteral("Part of %1").arg(a)});
                }
                if (episodes)
                    for (int e = 1; e <= 2; ++e)
                        cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, 1)"),
                                 {id, QStringLiteral("Episode %1").arg(e), e});
            }
        });
        std::shuffle(ids.begin(), ids.end(), std::mt19937(unsigned(client + 1)));
        CommunityConnection remote(CommunityTestServer::connection(Db, QStringLiteral("load%1").arg(client + 1)));
        ready.arrive_and_wait();

        CommunityExchange::UploadBatch batch(cat, remote, QStringLiteral("load%1").arg(client + 1), int(ids.size()));
        for (int id : ids)
            batch.upload(id);
        out.uploaded = batch.uploaded();
        for (const auto &f : batch.failures())
            out.failures << f.title + QStringLiteral(": ") + f.reason;
        if (batch.stopped())
            out.failures << QStringLiteral("stopped: ") + batch.stopReason();
        QSqlQuery q = cat.exec(QStringLiteral("SELECT Title, onlineID FROM Movies WHERE web = 1 ORDER BY Title"));
        while (q.next())
            out.marked << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString();
    } catch (const std::exception &e) {
        out.error = QString::fromUtf8(e.what());
        ready.count_down(); // never leave the others waiting
    }
}

TEST(CommunityConcurrency, EightMembersUploadingTheSameMoviesAtOnceAllSucceedWithoutDuplicates)
{
    CommunityTestServer::Admin admin(Db);
    admin.reset();
    std::latch ready(Clients);
    std::vector<ClientResult> results(Clients);
    std::vector<std::thread> threads;
    for (int c = 0; c < Clients; ++c)
        threads.emplace_back(runClient, c, std::ref(ready), std::ref(results[c]));
    for (std::thread &t : threads)
        t.join();

    for (int c = 0; c < Clients; ++c) {
        EXPECT_TRUE(results[c].error.isEmpty()) << "client " << c << ": " << results[c].error.toStdString();
        EXPECT_EQ(results[c].failures, QStringList()) << "client " << c;
        EXPECT_EQ(results[c].uploaded, Movies) << "client " << c;
    }
    // One record per movie, actor, director and cast link, whoever came first; every running time
    // that one member knew is filled in.
    const auto count = [&](const char *sql) { return admin.scalar(QString::fromLatin1(sql)).toInt(); };
    EXPECT_EQ(count("SELECT COUNT(*) FROM Movies"), Movies);
    EXPECT_EQ(count("SELECT COUNT(DISTINCT Title, ReleaseYear) FROM Movies"), Movies);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Movies WHERE RunningTime IS NOT NULL"), Movies);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors"), ActorPool);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Directors"), DirectorPool);
    EXPECT_EQ(count("SELECT COUNT(*) FROM MovActLink"), Movies * CastSize);
    EXPECT_EQ(count("SELECT COUNT(DISTINCT MovID, ActID) FROM MovActLink"), Movies * CastSize);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Episodes"), (Movies / 4) * 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Movies WHERE EpisodeDisc = 1 AND ID NOT IN (SELECT MovID FROM Episodes)"), 0);
    // Every catalogue is linked to the server's record of each movie.
    QStringList server;
    QSqlQuery q = admin.exec(QStringLiteral("SELECT Title, ID FROM Movies ORDER BY Title"));
    while (q.next())
        server << q.value(0).toString() + QLatin1Char('|') + q.value(1).toString();
    for (int c = 0; c < Clients; ++c)
        EXPECT_EQ(results[c].marked, server) << "client " << c;
    // The log names the member of every record added.
    EXPECT_EQ(count("SELECT COUNT(*) FROM Contributions WHERE Action = 'insert' AND Member NOT LIKE 'load_'"), 0);
}

}
