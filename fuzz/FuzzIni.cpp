// Any bytes as a settings file: reading and writing keys never crashes, and a written value reads back.
#include "IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reelbase.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    IniFile ini(path);
    for (const char *section : {"Main", "main", "Window", ""})
        for (const char *key : {"LastDB", "lastdb", "Left", "", "="})
            (void)ini.read(QString::fromLatin1(section), QString::fromLatin1(key));
    const QString value = QStringLiteral("C:\\films \"new\"; =x");
    if (ini.write(QStringLiteral("Main"), QStringLiteral("LastDB"), value)) {
        IniFile again(path);
        const QString back = again.read(QStringLiteral("main"), QStringLiteral("lastdb"));
        if (back != value) {
            // A reported write that does not read back.
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            fprintf(stderr, "read back: %s\nfile: %s\n", qPrintable(back), f.readAll().toPercentEncoding(" []=;").constData());
            std::abort();
        }
    }
    ini.write(QStringLiteral("New Section"), QStringLiteral("Key"), QStringLiteral("1"));
    return 0;
}
