// The child of the crash-safety test: writes to a catalogue without end until it is killed.
//   cinelog_crash_writer <catalogue> <journal> <seed>
//   cinelog_crash_writer <catalogue> <journal> <seed> convert
// Every movie it writes carries its cast count in its title ("... k3": three cast rows). After each
// write commits, it appends what it wrote to the journal, so the parent knows which writes the
// catalogue must keep. It prints "ready" once the catalogue is open.
// With "convert" it opens an old-format catalogue instead, which converts it, notes "converted"
// and prints it, then waits to be killed.

#include "Catalogue.h"
#include "CatalogueSession.h"
#include "CatalogueMaintenance.h"
#include "MovieStore.h"
#include "Services.h"
#include "TestContext.h"
#include "WorkbookImport.h"
#include "WorkbookReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

int g_journal = -1;

void note(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    // One write per line: a kill leaves whole lines or a partial last one, which the reader ignores.
    if (::write(g_journal, bytes.constData(), size_t(bytes.size())) != bytes.size())
        std::_Exit(3);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool convert = argc == 5 && qstrcmp(argv[4], "convert") == 0;
    if (argc != 4 && !convert) {
        std::fprintf(stderr, "usage: %s <catalogue> <journal> <seed> [convert]\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const unsigned seed = unsigned(std::strtoul(argv[3], nullptr, 10));
    g_journal = ::open(argv[2], O_WRONLY | O_APPEND | O_CREAT, 0600);
    if (g_journal < 0)
        return 2;

    TestContext t;
    Catalogue cat;
    CatalogueSession session(t.ctx(), cat);
    if (convert) {
        // Yes to replacing what an earlier killed conversion left beside the catalogue.
        t.prompts.answerYes();
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        if (!session.open(path))
            return 2;
        note(QStringLiteral("converted"));
        std::fputs("converted\n", stdout);
        std::fflush(stdout);
        for (;;)
            ::pause();
    }
    if (!session.open(path))
        return 2;
    MovieStore store(cat);
    NullProgress progress;
    std::mt19937 rng(seed);
    std::fputs("ready\n", stdout);
    std::fflush(stdout);

    const QString csvPath = path + QStringLiteral(".import.csv");
    try {
    for (int i = 0;; ++i) {
        const unsigned op = rng() % 40;
        if (op < 20) {
            // An edited movie saved together with its cast, as one piece of work.
            const int k = int(rng() % 6);
            const QString title = QStringLiteral("Saved %1-%2 it's \"%3%\" k%4").arg(seed).arg(i).arg(rng() % 100).arg(k);
            int id = 0;
            cat.transaction([&] {
                MovieRecord m;
                m.title = title;
                m.director = QStringLiteral("Director %1").arg(rng() % 20);
                m.genre1 = QStringLiteral("Drama");
                id = store.save(m);
                for (int j = 0; j < k; ++j) {
                    bool updated = false;
                    store.addOrUpdateCast(id, QStringLiteral("Actor %1").arg(j), QStringLiteral("Role %1").arg(j), updated);
                }
            });
            note(QStringLiteral("movie %1 %2").arg(id).arg(title));
        } else if (op < 28) {
            const QVariant from = cat.scalar(QStringLiteral("SELECT ID FROM Movies ORDER BY random() LIMIT 1"));
            if (!from.isValid())
                continue;
            const QString title = cat.scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = ?"), {from}).toString();
            const int id = store.copy(from.toInt());
            note(QStringLiteral("movie %1 %2").arg(id).arg(title));
        } else if (op < 32) {
            const QVariant id = cat.scalar(QStringLiteral("SELECT ID FROM Movies ORDER BY random() LIMIT 1"));
            if (!id.isValid())
                continue;
            // Noted before: a removal that commits but is not noted must not count as a lost movie.
            note(QStringLiteral("remove %1").arg(id.toInt()));
            store.remove(id.toInt());
        } else if (op < 38) {
            // A workbook of a few rows, each with 0 to 4 actors, imported in one piece.
            const int rows = 1 + int(rng() % 6);
            QStringList titles;
            QByteArray csv = "Title,Actor 1,Actor 2,Actor 3,Actor 4\n";
            for (int r = 0; r < rows; ++r) {
                const int k = int(rng() % 5);
                titles << QStringLiteral("Imported %1-%2-%3 k%4").arg(seed).arg(i).arg(r).arg(k);
                csv += titles.last().toUtf8();
                for (int a = 0; a < 4; ++a)
                    csv += a < k ? QByteArray(",Imported Actor ") + QByteArray::number(a) : QByteArray(",");
                csv += '\n';
            }
            QFile f(csvPath);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(csv) != csv.size())
                return 4;
            f.close();
            auto reader = openWorkbook(csvPath);
            const SheetData sheet = reader->readSheet(0);
            FieldLinks links{};
            links[ImportField::Title] = 1;
            for (int a = 0; a < 4; ++a)
                links[ImportField::Actor1 + a] = 2 + a;
            WorkbookImport::run(sheet, links, cat, path, progress);
            for (const QString &title : titles) {
                const QVariant id = cat.scalar(QStringLiteral("SELECT MAX(ID) FROM Movies WHERE Title = ?"), {title});
                note(QStringLiteral("movie %1 %2").arg(id.toInt()).arg(title));
            }
        } else {
            compactCatalogue(cat);
            note(QStringLiteral("compact"));
        }
    }
    } catch (const CinelogError &e) {
        std::fprintf(stderr, "writer failed: %s\n", qPrintable(e.description()));
        return 5;
    }
}
