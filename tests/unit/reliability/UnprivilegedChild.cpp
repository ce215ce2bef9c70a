// The child of the permission tests, run under another user id (the tests run as root, and root
// is allowed everything the file modes forbid).
//   cinelog_unprivileged_child ini <settings> <section> <key> <value>
//       prints "read <value>" (what the key held) and "write <1|0>" (whether the write was done)
//   cinelog_unprivileged_child compact <catalogue> [wait]
//       opens the catalogue, prints "open", with "wait" waits for a line on its input, then
//       compacts it and prints "ok" or "error <number> <text>"

#include "Catalogue.h"
#include "CatalogueMaintenance.h"
#include "IniFile.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

void answer(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 5 && args[0] == QLatin1String("ini")) {
        IniFile ini(args[1]);
        answer(QStringLiteral("read ") + ini.read(args[2], args[3]));
        answer(QStringLiteral("write ") + (ini.write(args[2], args[3], args[4]) ? QLatin1Char('1') : QLatin1Char('0')));
        return 0;
    }
    if ((args.size() == 2 || args.size() == 3) && args[0] == QLatin1String("compact")) {
        Catalogue cat;
        const OpenResult r = cat.open(args[1]);
        if (!r.opened()) {
            answer(QStringLiteral("error %1 %2").arg(r.error ? r.error->number() : 0).arg(r.error ? r.error->description() : QString()));
            return 0;
        }
        answer(QStringLiteral("open"));
        if (args.size() == 3) {
            char line[64];
            if (!std::fgets(line, sizeof line, stdin))
                return 2;
        }
        try {
            compactCatalogue(cat);
            answer(QStringLiteral("ok"));
        } catch (const CinelogError &e) {
            answer(QStringLiteral("error %1 %2").arg(e.number()).arg(e.description()));
        }
        return 0;
    }
    std::fprintf(stderr, "usage: %s ini <settings> <section> <key> <value> | compact <catalogue> [wait]\n", argv[0]);
    return 2;
}
