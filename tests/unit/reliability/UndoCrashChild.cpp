// The child of the undo crash test: deletes a group of movies (each with its cast and a cover) as one
// step, then undoes and redoes that step without end until it is killed.
//   cinelog_undo_crash_child <catalogue> <journal>
// The movies of the group are titled "Group <i> k<n>" for their n cast rows. It prints "ready" once
// the step is on the history, and notes "undo"/"redo" in the journal before each and "done" after.

#include "Catalogue.h"
#include "CatalogueHistory.h"
#include "MovieStore.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const int journal = ::open(argv[2], O_WRONLY | O_APPEND | O_CREAT, 0600);
    const auto note = [journal](const char *line) {
        if (::write(journal, line, qstrlen(line)) < 0)
            std::_Exit(3);
    };
    Catalogue cat;
    if (!cat.open(QString::fromLocal8Bit(argv[1])).opened())
        return 2;
    CatalogueHistory history(cat, nullptr);
    QList<int> group;
    {
        MovieStore store(cat);
        QSqlQuery q = cat.exec(QStringLiteral("SELECT ID FROM Movies WHERE Title LIKE 'Group %' ORDER BY ID"));
        while (q.next())
            group << q.value(0).toInt();
        cat.transaction([&] {
            for (int id : group)
                store.remove(id);
        });
    }
    if (!history.closeStep())
        return 2;
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;) {
        note("undo\n");
        history.undo();
        note("done\n");
        note("redo\n");
        history.redo();
        note("done\n");
    }
}
