// Peak resident memory of the program with a large catalogue open: opens the generated catalogue
// (1,000,000 movies unless given another count), fills the movie list, shows its first page, sorts
// it by title and jumps far down, then prints the process's VmHWM from /proc/self/status.

#include "BenchSupport.h"
#include "Catalogue.h"
#include "MovieListModel.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>

static long long peakKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int movies = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000000;
    bench::BenchContext b;
    Catalogue cat;
    if (!cat.open(bench::catalogue(movies)).opened())
        return 1;
    MovieListModel model;
    model.fill(cat);
    auto show = [&](int from) {
        for (int r = from; r < std::min(model.rowCount(), from + 40); ++r)
            for (int c = 0; c < MovieListModel::ColumnCount; ++c)
                model.data(model.index(r, c));
    };
    show(0);
    model.sort(MovieListModel::ColTitle, Qt::AscendingOrder);
    show(0);
    show(model.rowCount() / 2);
    std::printf("movies %d rows %d peak_kib %lld\n", movies, model.rowCount(), peakKiB());
    return 0;
}
