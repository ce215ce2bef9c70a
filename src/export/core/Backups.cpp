#include "Backups.h"

#include "CinelogError.h"
#include "Schema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>

namespace {

const QString TimeFormat = QStringLiteral("yyyyMMdd-HHmmss");

[[noreturn]] void fail(const LoggedText &what)
{
    throw CinelogError(ErrorNumber::Database, what);
}

// what as the engine or the system gave it.
[[noreturn]] void fail(const QString &what)
{
    fail(LoggedText{what, what});
}

// A plain engine connection: backups run on any thread and need nothing of the program's own
// connection set-up (the catalogue's triggers and indexes use built-in functions only).
class Connection
{
public:
    Connection(const QString &path, int flags, int busyTimeoutMs)
    {
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
        if (rc != SQLITE_OK) {
            const QString why = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
            sqlite3_close(m_db);
            m_db = nullptr;
            fail(logged("Backups", "\"%1\" cannot be opened: %2").arg(path, why));
        }
        sqlite3_busy_timeout(m_db, busyTimeoutMs);
    }
    ~Connection() { sqlite3_close_v2(m_db); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void exec(const char *sql)
    {
        char *err = nullptr;
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
            const QString why = QString::fromUtf8(err ? err : sqlite3_errmsg(m_db));
            sqlite3_free(err);
            fail(why);
        }
    }
    // Runs a statement with one bound text; returns the first column of each row as text.
    QStringList rows(const char *sql, const QString *bound = nullptr)
    {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) != SQLITE_OK)
            fail(QString::fromUtf8(sqlite3_errmsg(m_db)));
        QByteArray text;
        if (bound) {
            text = bound->toUtf8();
            sqlite3_bind_text(st, 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        QStringList out;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            out << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
        const QString why = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE)
            fail(why);
        return out;
    }

    sqlite3 *handle() const { return m_db; }

private:
    sqlite3 *m_db = nullptr;
};

// Copies every page of source into the new file dest in one step, under the read lock of that step:
// far cheaper than VACUUM INTO, which rebuilds every table and index (about a minute of CPU for a
// catalogue of a million movies, against about a second for the page copy).
void copyPages(Connection &source, const QString &dest, int busyTimeoutMs)
{
    Connection target(dest, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyTimeoutMs);
    sqlite3_backup *backup = sqlite3_backup_init(target.handle(), "main", source.handle(), "main");
    if (!backup)
        fail(QString::fromUtf8(sqlite3_errmsg(target.handle())));
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        fail(QString::fromUtf8(sqlite3_errstr(rc)));
}

QString canonical(const QString &path)
{
    const QFileInfo fi(path);
    const QString c = fi.canonicalFilePath();
    return c.isEmpty() ? fi.absoluteFilePath() : c;
}

// The engine's file change counter (header bytes 24..27): every committed write changes it.
qint64 changeCounter(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray h = f.read(28);
    if (h.size() < 28)
        return -1;
    const auto *p = reinterpret_cast<const unsigned char *>(h.constData()) + 24;
    return (qint64(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

int movieCount(const QString &path)
{
    try {
        Connection c(path, SQLITE_OPEN_READONLY, 1000);
        const QStringList r = c.rows("SELECT COUNT(*) FROM Movies");
        return r.isEmpty() ? -1 : r.first().toInt();
    } catch (const CinelogError &) {
        return -1;
    }
}

void renameOver(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        fail(logged("Backups", "\"%1\" cannot be renamed to \"%2\": %3").arg(from, to, QString::fromLocal8Bit(std::strerror(errno))));
}

// A unique, still absent file name beside target for a copy in progress.
QString temporaryNameBeside(const QString &target)
{
    QTemporaryFile t(QFileInfo(target).absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(QFileInfo(target).fileName())));
    if (!t.open())
        fail(logged("Backups", "No temporary file can be made beside \"%1\": %2").arg(target, t.errorString()));
    const QString name = t.fileName();
    t.close();
    t.remove(); // the copy starts from a file that does not exist yet; the name stays unique to us
    return name;
}

QJsonObject readState(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.read(1 << 20)).object();
}

void writeState(const QString &file, const QJsonObject &state)
{
    QSaveFile f(file);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QJsonDocument(state).toJson());
        f.commit();
    }
}

} // namespace

Backups::Backups(QString folder) : m_folder(std::move(folder)) {}

QString Backups::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Cinelog/backups");
}

std::optional<QString> Backups::checkCopy(const QString &path)
{
    try {
        Connection c(path, SQLITE_OPEN_READONLY, 1000);
        // Reading the file through a memory map roughly halves the check's time on a large copy.
        c.rows("PRAGMA mmap_size = 2147483648");
        const QStringList result = c.rows("PRAGMA integrity_check");
        if (result != QStringList{QStringLiteral("ok")})
            return QStringLiteral("the integrity check found: %1").arg(result.mid(0, 3).join(QStringLiteral("; ")));
        const QStringList id = c.rows("PRAGMA application_id");
        const bool marked = !id.isEmpty() && id.first().toInt() == Schema::ApplicationId;
        if (!marked && c.rows("SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'Movies'").isEmpty())
            return QStringLiteral("it is not a Cinelog catalogue");
        return std::nullopt;
    } catch (const CinelogError &e) {
        return e.description();
    }
}

void Backups::copyCatalogue(const QString &sourcePath, const QString &destPath, const BackupOptions &options)
{
    if (!QFileInfo(sourcePath).isFile())
        throw CinelogError(ErrorNumber::FileNotFound, logged("Backups", "The catalogue \"%1\" does not exist.").arg(sourcePath));
    const QString temp = temporaryNameBeside(destPath);
    try {
        Connection lock(sourcePath, SQLITE_OPEN_READWRITE, options.busyTimeoutMs);
        Connection reader(sourcePath, SQLITE_OPEN_READONLY, options.busyTimeoutMs);
        // Holding the write lock makes other writers wait (up to their own time-out) instead of
        // changing the file half-way through the copy.
        lock.exec("BEGIN IMMEDIATE");
        try {
            copyPages(reader, temp, options.busyTimeoutMs);
        } catch (...) {
            lock.exec("ROLLBACK");
            throw;
        }
        lock.exec("ROLLBACK");
    } catch (...) {
        QFile::remove(temp);
        throw;
    }
    if (options.afterCopy)
        options.afterCopy(temp);
    if (const std::optional<QString> why = checkCopy(temp)) {
        QFile::remove(temp);
        fail(logged("Backups", "The copy of \"%1\" failed its check and was removed: %2").arg(sourcePath, *why));
    }
    try {
        renameOver(temp, destPath);
    } catch (...) {
        QFile::remove(temp);
        throw;
    }
}

QString Backups::idOf(const QString &sourcePath) const
{
    return QString::fromLatin1(QCryptographicHash::hash(canonical(sourcePath).toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
}

QString Backups::stateFile() const
{
    return QDir(m_folder).filePath(QStringLiteral("backups.json"));
}

QString Backups::backUp(const QString &sourcePath, const QDateTime &now, const BackupOptions &options)
{
    if (!QDir().mkpath(m_folder))
        fail(logged("Backups", "The backups folder \"%1\" cannot be made.").arg(m_folder));
    const qint64 counter = changeCounter(sourcePath);
    QString base = QFileInfo(sourcePath).completeBaseName();
    const QString id = idOf(sourcePath);
    QString dest;
    for (int n = 0;; ++n) {
        // Two backups in the same second get different names.
        dest = QDir(m_folder).filePath(QStringLiteral("%1_%2%3_%4.cnlg")
                                           .arg(base, now.toString(TimeFormat), n ? QStringLiteral("-%1").arg(n) : QString(), id));
        if (!QFileInfo::exists(dest))
            break;
    }
    copyCatalogue(sourcePath, dest, options);
    QJsonObject state = readState(stateFile());
    state.insert(id, QJsonObject{{QStringLiteral("source"), canonical(sourcePath)},
                                 {QStringLiteral("counter"), counter},
                                 {QStringLiteral("size"), QFileInfo(sourcePath).size()},
                                 {QStringLiteral("time"), now.toUTC().toString(Qt::ISODate)}});
    writeState(stateFile(), state);
    return dest;
}

bool Backups::autoBackupDue(const QString &sourcePath, const QDateTime &now) const
{
    const QJsonObject last = readState(stateFile()).value(idOf(sourcePath)).toObject();
    if (last.isEmpty() || list(sourcePath).isEmpty())
        return true;
    const bool changed = last.value(QStringLiteral("counter")).toInteger(-2) != changeCounter(sourcePath)
                         || last.value(QStringLiteral("size")).toInteger(-2) != QFileInfo(sourcePath).size();
    const QDateTime when = QDateTime::fromString(last.value(QStringLiteral("time")).toString(), Qt::ISODate);
    return changed && (!when.isValid() || when.secsTo(now) >= 24 * 60 * 60 || when > now);
}

std::optional<QString> Backups::autoBackUp(const QString &sourcePath, int keep, const QDateTime &now, const BackupOptions &options)
{
    if (keep <= 0 || !QFileInfo(sourcePath).isFile() || !autoBackupDue(sourcePath, now))
        return std::nullopt;
    const QString path = backUp(sourcePath, now, options);
    prune(sourcePath, keep);
    return path;
}

QList<BackupInfo> Backups::list(const QString &sourcePath) const
{
    static const QRegularExpression name(QStringLiteral("^.*_(\\d{8}-\\d{6})(?:-\\d+)?_([0-9a-f]{8})\\.cnlg$"));
    const QString id = idOf(sourcePath);
    QList<BackupInfo> out;
    const QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("*_") + id + QStringLiteral(".cnlg")}, QDir::Files);
    for (const QFileInfo &fi : files) {
        const QRegularExpressionMatch m = name.match(fi.fileName());
        if (!m.hasMatch() || m.captured(2) != id)
            continue;
        BackupInfo b;
        b.path = fi.absoluteFilePath();
        b.when = QDateTime::fromString(m.captured(1), TimeFormat);
        b.bytes = fi.size();
        b.movies = movieCount(b.path);
        out << b;
    }
    std::sort(out.begin(), out.end(), [](const BackupInfo &a, const BackupInfo &b) {
        return a.when != b.when ? a.when > b.when : a.path > b.path;
    });
    return out;
}

void Backups::prune(const QString &sourcePath, int keep)
{
    if (keep <= 0)
        return;
    const QList<BackupInfo> all = list(sourcePath);
    for (qsizetype i = keep; i < all.size(); ++i)
        QFile::remove(all[i].path);
}

void Backups::restore(const QString &backupPath, const QString &cataloguePath, const QDateTime &now, const BackupOptions &options)
{
    if (const std::optional<QString> why = checkCopy(backupPath)) {
        QFile::remove(backupPath);
        fail(logged("Backups", "The backup \"%1\" failed its check and was removed: %2").arg(QFileInfo(backupPath).fileName(), *why));
    }
    if (QFileInfo(cataloguePath).isFile())
        backUp(cataloguePath, now, options);
    // The replacement is made beside the catalogue (same file system, so the rename is atomic)
    // and checked there.
    const QString temp = temporaryNameBeside(cataloguePath);
    try {
        {
            Connection reader(backupPath, SQLITE_OPEN_READONLY, options.busyTimeoutMs);
            copyPages(reader, temp, options.busyTimeoutMs);
        }
        if (const std::optional<QString> why = checkCopy(temp))
            fail(logged("Backups", "The restored copy failed its check: %1").arg(*why));
        if (QFileInfo(cataloguePath).isFile()) {
            Connection lock(cataloguePath, SQLITE_OPEN_READWRITE, options.busyTimeoutMs);
            lock.exec("BEGIN IMMEDIATE");
            renameOver(temp, cataloguePath);
            lock.exec("ROLLBACK");
        } else {
            renameOver(temp, cataloguePath);
        }
    } catch (...) {
        QFile::remove(temp);
        throw;
    }
}

// ---------------------------------------------------------------------------------------------

BackgroundBackup::BackgroundBackup(QObject *parent) : QObject(parent) {}

BackgroundBackup::~BackgroundBackup()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool BackgroundBackup::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

bool BackgroundBackup::wait(int timeoutMs)
{
    return !m_thread || m_thread->wait(QDeadlineTimer(timeoutMs));
}

bool BackgroundBackup::start(const QString &folder, const QString &sourcePath, int keep, const BackupOptions &options)
{
    if (isRunning())
        return false;
    delete m_thread;
    m_thread = QThread::create([this, folder, sourcePath, keep, options] {
        QString path, error;
        try {
            Backups backups(folder);
            path = backups.autoBackUp(sourcePath, keep, QDateTime::currentDateTime(), options).value_or(QString());
        } catch (const CinelogError &e) {
            error = e.description();
        } catch (const std::exception &e) {
            error = QString::fromLocal8Bit(e.what());
        }
        emit finished(path, error);
    });
    m_thread->start(QThread::LowPriority);
    return true;
}
