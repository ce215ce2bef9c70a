// The other program of the sharing tests: opens a catalogue as the main window does and runs the
// commands it reads, one a line, from its standard input, answering each with one line.
//   cinelog_catalogue_peer <catalogue>
// Commands and answers:
//   save <title>              -> "ok <id>" or "error <number> <text>"   (a new movie)
//   saveloop <ms>             -> a line "saved <id> <title>" or "failed <number> <text>" for each
//                                attempt to save a new movie during ms milliseconds, then "done"
//   load <id>                 -> "ok <title>|<year>" (the editor shows the movie)
//   edit <id> <field> <value> -> loads the movie, changes title or year, saves: "ok <id>",
//                                "conflict" (changed by another program since it was loaded) or
//                                "error <number> <text>"
//   set <id> <field> <value>  -> changes the field of the movie loaded before and saves it
//   overwrite <id> <field> <value> -> as set, saving over another program's change
//   cast <id>                 -> "ok <count>" (the editor shows the movie's cast)
//   addcast <id> <actor>|<role>, removecast <id> <actorId>
//                             -> "ok" or "conflict" (the cast changed elsewhere since it was shown)
//   forceaddcast <id> <actor>|<role> -> as addcast, over another program's change
//   episodes <id>             -> "ok <count>" (the episodes window lists the movie's episodes)
//   addepisode <id> <title>   -> "ok" or "conflict"
//   loans                     -> "ok <count>" (the loans window lists every loan)
//   return <loanId>           -> marks the listed loan returned: "ok" or "conflict"
// It prints "ready" once the catalogue is open.

#include "Catalogue.h"
#include "CatalogueSession.h"
#include "Episodes.h"
#include "Loans.h"
#include "MovieStore.h"
#include "TestContext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>

namespace {

void answer(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QString errorLine(const CinelogError &e)
{
    return QStringLiteral("error %1 %2").arg(e.number()).arg(QString(e.description()).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void setField(MovieRecord &m, const QString &field, const QString &value)
{
    if (field == QLatin1String("title"))
        m.title = value;
    else if (field == QLatin1String("year"))
        m.releaseYear = value;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <catalogue>\n", argv[0]);
        return 2;
    }
    TestContext t;
    Catalogue cat;
    CatalogueSession session(t.ctx(), cat);
    if (!session.open(QString::fromLocal8Bit(argv[1])))
        return 2;
    MovieStore store(cat);
    std::map<int, MovieRecord> shown;
    std::map<int, qint64> episodesSeen;
    std::map<int, LoanRow> listedLoans;
    // Runs a change; a refusal because of another program's change answers "conflict".
    auto changed = [](const std::function<void()> &change) {
        try {
            change();
            answer(QStringLiteral("ok"));
        } catch (const CinelogError &e) {
            if (e.number() != CatalogueError::ChangedElsewhere)
                throw;
            answer(QStringLiteral("conflict"));
        }
    };
    answer(QStringLiteral("ready"));

    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        const QString line = QString::fromUtf8(buffer).trimmed();
        const QString command = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        try {
            if (command == QLatin1String("save")) {
                MovieRecord m;
                m.title = rest;
                answer(QStringLiteral("ok %1").arg(store.save(m)));
            } else if (command == QLatin1String("saveloop")) {
                QElapsedTimer clock;
                clock.start();
                for (int i = 0; clock.elapsed() < rest.toInt(); ++i) {
                    MovieRecord m;
                    m.title = QStringLiteral("Loop %1").arg(i);
                    try {
                        answer(QStringLiteral("saved %1 %2").arg(store.save(m)).arg(m.title));
                    } catch (const CinelogError &e) {
                        answer(QStringLiteral("failed %1").arg(errorLine(e).mid(6)));
                    }
                }
                answer(QStringLiteral("done"));
            } else if (command == QLatin1String("load")) {
                MovieRecord m;
                if (!store.load(rest.toInt(), m))
                    throw CinelogError(3021, QStringLiteral("no such movie"));
                shown[m.id] = m;
                answer(QStringLiteral("ok %1|%2").arg(m.title, m.releaseYear));
            } else if (command == QLatin1String("edit") || command == QLatin1String("set")
                       || command == QLatin1String("overwrite")) {
                const int id = line.section(QLatin1Char(' '), 1, 1).toInt();
                const QString field = line.section(QLatin1Char(' '), 2, 2);
                const QString value = line.section(QLatin1Char(' '), 3);
                if (command == QLatin1String("edit")) {
                    MovieRecord m;
                    if (!store.load(id, m))
                        throw CinelogError(3021, QStringLiteral("no such movie"));
                    shown[id] = m;
                }
                MovieRecord &m = shown[id];
                setField(m, field, value);
                try {
                    store.save(m, command == QLatin1String("overwrite") ? MovieStore::SaveMode::Overwrite
                                                                         : MovieStore::SaveMode::IfUnchanged);
                    answer(QStringLiteral("ok %1").arg(id));
                } catch (const CinelogError &e) {
                    if (e.number() != MovieStore::ChangedElsewhere)
                        throw;
                    answer(QStringLiteral("conflict"));
                }
            } else if (command == QLatin1String("cast")) {
                answer(QStringLiteral("ok %1").arg(store.cast(rest.toInt()).size()));
            } else if (command == QLatin1String("addcast") || command == QLatin1String("forceaddcast")) {
                const int id = rest.section(QLatin1Char(' '), 0, 0).toInt();
                const QString who = rest.section(QLatin1Char(' '), 1);
                bool updated = false;
                changed([&] {
                    store.addOrUpdateCast(id, who.section(QLatin1Char('|'), 0, 0), who.section(QLatin1Char('|'), 1), updated,
                                          command == QLatin1String("addcast") ? MovieStore::SaveMode::IfUnchanged
                                                                             : MovieStore::SaveMode::Overwrite);
                });
            } else if (command == QLatin1String("removecast")) {
                changed([&] { store.removeCast(rest.section(QLatin1Char(' '), 0, 0).toInt(), rest.section(QLatin1Char(' '), 1).toInt()); });
            } else if (command == QLatin1String("episodes")) {
                const int id = rest.toInt();
                episodesSeen[id] = Episodes::changeCount(cat, id);
                answer(QStringLiteral("ok %1").arg(Episodes::list(cat, id).size()));
            } else if (command == QLatin1String("addepisode")) {
                const int id = rest.section(QLatin1Char(' '), 0, 0).toInt();
                changed([&] { Episodes::save(cat, 0, id, rest.section(QLatin1Char(' '), 1), 1, 1, &episodesSeen[id]); });
            } else if (command == QLatin1String("loans")) {
                listedLoans.clear();
                for (const LoanRow &r : Loans::loans(cat, Loans::Filter::All))
                    listedLoans[r.id] = r;
                answer(QStringLiteral("ok %1").arg(listedLoans.size()));
            } else if (command == QLatin1String("return")) {
                const LoanRow &r = listedLoans[rest.toInt()];
                changed([&] { Loans::setReturned(cat, rest.toInt(), QDate(2025, 12, 9), r.changeCount); });
            } else {
                answer(QStringLiteral("error 0 unknown command"));
            }
        } catch (const CinelogError &e) {
            answer(errorLine(e));
        }
    }
    return 0;
}
