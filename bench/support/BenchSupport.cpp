#include "BenchSupport.h"

#include "CatalogueGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <stdexcept>

namespace bench {

namespace {

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
    QString saveFile(const QString &, const QString &, const QString &, Overwrite) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
};

class NoUrls : public UrlOpener
{
public:
    void open(const QUrl &) override {}
};

QString dataDir()
{
    QString dir = qEnvironmentVariable("CINELOG_BENCH_DATA");
    if (dir.isEmpty())
        dir = QStringLiteral(CINELOG_BENCH_DATA_DIR);
    QDir().mkpath(dir);
    return dir;
}

} // namespace

BenchContext::BenchContext() : m_prompts(new QuietPrompts), m_urls(new NoUrls)
{
    AppContext::Services s;
    s.prompts = m_prompts.get();
    s.urlOpener = m_urls.get();
    m_ctx = std::make_unique<AppContext>(m_dir.path(), m_dir.path(), s);
}

BenchContext::~BenchContext() = default;

QString catalogue(int movies)
{
    const QString path = QDir(dataDir()).filePath(QStringLiteral("catalogue-%1.cnlg").arg(movies));
    if (QFileInfo::exists(path))
        return path;
    const QString partial = path + QStringLiteral(".part.cnlg");
    QFile::remove(partial);
    std::fprintf(stderr, "Generating a catalogue of %d movies in %s...\n", movies, qPrintable(path));
    CatalogueGenerator::Options options;
    options.movies = movies;
    CatalogueGenerator::generate(partial, options);
    if (!QFile::rename(partial, path))
        throw std::runtime_error("could not keep the generated catalogue");
    return path;
}

QString copyOf(int movies, const QString &dest)
{
    QFile::remove(dest);
    if (!QFile::copy(catalogue(movies), dest))
        throw std::runtime_error("could not copy the generated catalogue");
    QFile::setPermissions(dest, QFile::ReadOwner | QFile::WriteOwner);
    return dest;
}

long long peakMemoryKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

bool resetPeakMemory()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}

RawDb::RawDb(const QString &path)
{
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("raw open failed");
}

RawDb::~RawDb()
{
    sqlite3_close(m_db);
}

long long RawDb::readAll(const char *sql)
{
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(m_db));
    long long rows = 0;
    const int cols = sqlite3_column_count(st);
    size_t bytes = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < cols; ++c) {
            const unsigned char *t = sqlite3_column_text(st, c);
            bytes += t ? size_t(sqlite3_column_bytes(st, c)) : 0;
        }
        ++rows;
    }
    sqlite3_finalize(st);
    benchmark::DoNotOptimize(bytes);
    return rows;
}

} // namespace bench
