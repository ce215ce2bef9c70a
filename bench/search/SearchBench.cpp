// Searching a 100,000-movie catalogue: the program's search against the same query hand-written
// on the raw SQLite C API, by one actor and by title containment.

#include "AppContext.h"
#include "Catalogue.h"
#include "MovieSearch.h"
#include "Schema.h"
#ifdef CINELOG_HAVE_GENERATOR
#include "CatalogueGenerator.h"
#endif

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

constexpr int MovieCount = 100000;

class QuietPrompts : public Prompts
{
public:
    void message(const QString &text, const QString &title, Icon) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool question(const QString &, const QString &, Icon) override { return true; }
    Answer questionYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Yes; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
};

class NoUrls : public UrlOpener
{
public:
    void open(const QUrl &) override {}
};

struct Setup {
    QTemporaryDir dir;
    QuietPrompts prompts;
    SystemClock clock;
    NoUrls urls;
    std::unique_ptr<AppContext> ctx;
    std::unique_ptr<Catalogue> cat;
    std::unique_ptr<MovieSearch> search;
    sqlite3 *raw = nullptr;
    QString path, actor, titlePart;
};
Setup *g = nullptr;

// Movies with a few cast links each, in one transaction.
void generateOwn(const QString &path)
{
    const QString name = QStringLiteral("bench-create");
    {
        QSqlDatabase db = Catalogue::openConnection(path, name, true);
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA application_id = %1").arg(Schema::ApplicationId));
        q.exec(QStringLiteral("BEGIN"));
        for (const QString &table : Schema::tables())
            q.exec(Schema::createTableStatement(table, true));
        for (const QString &index : Schema::indexStatements())
            q.exec(index);
        const char *words[] = {"Star", "Night", "Love", "War", "Dark", "City", "Ghost", "River", "Iron", "Last",
                               "Blue", "Moon", "King", "Lost", "Wild", "Dream", "Fire", "Storm", "Silent", "Gold"};
        std::mt19937 rng(20251209);
        QSqlQuery movie(db), actor(db), link(db);
        movie.prepare(QStringLiteral("INSERT INTO Movies (Title, OrderBy, Director, Genre1, Medium, Format, Rating, "
                                     "ReleaseYear, RunningTime, NumDiscs, UserRating) VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
        actor.prepare(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"));
        link.prepare(QStringLiteral("INSERT INTO MovActLink (MovID, ActID) VALUES (?, ?)"));
        const int actors = 20000;
        for (int a = 1; a <= actors; ++a) {
            actor.addBindValue(QStringLiteral("Actor %1").arg(a));
            actor.exec();
        }
        for (int m = 1; m <= MovieCount; ++m) {
            const QString title = QStringLiteral("%1 %2 %3").arg(QLatin1String(words[rng() % 20]),
                                                                 QLatin1String(words[rng() % 20])).arg(m);
            for (const QVariant &v : QVariantList{title, title, QStringLiteral("Director %1").arg(rng() % 3000),
                                                  QStringLiteral("Drama"), QStringLiteral("DVD"), QStringLiteral("Widescreen"),
                                                  QStringLiteral("PG"), QStringLiteral("1999"), QStringLiteral("100"),
                                                  QStringLiteral("1"), int(rng() % 8)})
                movie.addBindValue(v);
            movie.exec();
            for (int k = 0; k < 5; ++k) {
                link.addBindValue(m);
                link.addBindValue(int(rng() % actors) + 1);
                link.exec();
            }
        }
        q.exec(QStringLiteral("COMMIT"));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void setUp()
{
    g = new Setup;
    AppContext::Services s;
    s.prompts = &g->prompts;
    s.clock = &g->clock;
    s.urlOpener = &g->urls;
    g->ctx = std::make_unique<AppContext>(g->dir.path(), g->dir.path(), s);
    g->path = g->dir.filePath(QStringLiteral("bench.cnlg"));
#ifdef CINELOG_HAVE_GENERATOR
    try {
        CatalogueGenerator::Options o;
        o.movies = MovieCount;
        o.covers = 0;
        g->path = CatalogueGenerator::generate(g->path, o).path;
    } catch (const CinelogError &e) {
        std::fprintf(stderr, "shared generator failed (%s); using the bench's own data\n", e.what());
        QFile::remove(g->path);
        generateOwn(g->path);
    }
#else
    generateOwn(g->path);
#endif
    g->cat = std::make_unique<Catalogue>(*g->ctx);
    g->cat->DBPath = g->path;
    if (!g->cat->DBConn())
        std::abort();
    g->search = std::make_unique<MovieSearch>(*g->cat);
    // The actor with the most parts, and a word from a title in the middle of the catalogue.
    g->actor = g->cat->scalar(QStringLiteral("SELECT Actor FROM Actors WHERE ID = (SELECT ActID FROM MovActLink "
                                             "GROUP BY ActID ORDER BY COUNT(*) DESC LIMIT 1)")).toString();
    const QString title = g->cat->scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = ?"), {MovieCount / 2}).toString();
    g->titlePart = title.section(QLatin1Char(' '), 0, 0).left(5);
    if (sqlite3_open_v2(g->path.toUtf8().constData(), &g->raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        std::abort();
}

const char *const Columns = "SELECT ID, Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, ReleaseYear, "
                            "RunningTime, NumDiscs, UserRating FROM Movies ";

// The hand-written query: prepared, bound, every column read as text.
size_t rawQuery(const std::string &sql, const QString &value)
{
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(g->raw, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        std::abort();
    const QByteArray v = value.toUtf8();
    sqlite3_bind_text(st, 1, v.constData(), v.size(), SQLITE_TRANSIENT);
    std::vector<std::vector<std::string>> rows;
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> row(13);
        for (int c = 0; c < 13; ++c)
            if (const unsigned char *t = sqlite3_column_text(st, c))
                row[c] = reinterpret_cast<const char *>(t);
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(st);
    return rows.size();
}

const std::string RawActorSql = std::string(Columns)
                                + "WHERE ID IN (SELECT MovID FROM MovActLink WHERE ActID = "
                                  "(SELECT ID FROM Actors WHERE Actor = ?1 ORDER BY ID LIMIT 1)) ORDER BY OrderBy, ID";
const std::string RawTitleSql = std::string(Columns) + "WHERE Title LIKE '%' || ?1 || '%' ORDER BY OrderBy, ID";

size_t searchActor()
{
    SearchCriteria c;
    c.actor = g->actor;
    return size_t(g->search->search(c).size());
}

size_t searchTitle()
{
    SearchCriteria c;
    c.title = g->titlePart;
    return size_t(g->search->search(c).size());
}

void BM_SearchByActor(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(searchActor());
}
void BM_RawByActor(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(rawQuery(RawActorSql, g->actor));
}
void BM_SearchByTitle(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(searchTitle());
}
void BM_RawByTitle(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(rawQuery(RawTitleSql, g->titlePart));
}
BENCHMARK(BM_SearchByActor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawByActor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByTitle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawByTitle)->Unit(benchmark::kMillisecond);

template <typename F>
double medianMs(F f)
{
    std::vector<double> t;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(f());
        t.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    setUp();
    std::printf("catalogue: %d movies; actor \"%s\" (%zu movies); title part \"%s\" (%zu movies)\n", MovieCount,
                qPrintable(g->actor), searchActor(), qPrintable(g->titlePart), searchTitle());
    benchmark::RunSpecifiedBenchmarks();

    const double sa = medianMs(searchActor), ra = medianMs([] { return rawQuery(RawActorSql, g->actor); });
    const double st = medianMs(searchTitle), rt = medianMs([] { return rawQuery(RawTitleSql, g->titlePart); });
    std::printf("\nmedian of 9    search    raw SQLite   ratio\n");
    std::printf("by actor     %7.2f ms  %7.2f ms   %5.2f\n", sa, ra, sa / ra);
    std::printf("by title     %7.2f ms  %7.2f ms   %5.2f\n", st, rt, st / rt);
    sqlite3_close(g->raw);
    benchmark::Shutdown();
    return 0;
}
