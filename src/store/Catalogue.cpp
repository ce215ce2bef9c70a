#include "Catalogue.h"

#include "CatalogueFile.h"
#include "CatalogueInternal.h"
#include "JetImport.h"
#include "JetReader.h"
#include "Migrations.h"
#include "ProgressSink.h"
#include "Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <atomic>
#include <new>
#include <sys/stat.h>

namespace catalogue_detail {

static std::atomic<int> g_connectionCounter{0};

QString newConnectionName(const char *purpose)
{
    return QStringLiteral("cinelog-%1-%2").arg(QString::fromLatin1(purpose)).arg(++g_connectionCounter);
}

QSqlQuery runOn(QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw Catalogue::errorOf(q.lastError());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw Catalogue::errorOf(q.lastError());
    return q;
}

bool hasTable(QSqlDatabase &db, const QString &table)
{
    QSqlQuery q = runOn(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?"), {table});
    while (q.next())
        if (q.value(0).toString() == table)
            return true;
    return false;
}

ConnectionGuard::~ConnectionGuard()
{
    if (QSqlDatabase::contains(m_name)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
}

CinelogError currentError()
{
    try {
        throw;
    } catch (const CinelogError &e) {
        return e;
    } catch (const std::bad_alloc &) {
        return CinelogError(7, logged("Catalogue", "Out of memory"));
    } catch (const std::exception &e) {
        return CinelogError(51, QString::fromUtf8(e.what()));
    } catch (...) {
        return CinelogError(51, logged("Catalogue", "Internal error"));
    }
}

} // namespace catalogue_detail

using namespace catalogue_detail;

QVariant NullIfEmpty(const QString &value)
{
    if (value.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return value;
}

TitleOrder titleOrderFor(const QString &title)
{
    if (title.startsWith(QLatin1String("The ")))
        return {title, title.mid(4)};
    if (title.endsWith(QLatin1String(", The"))) {
        const QString shortened = title.left(title.size() - 5);
        return {QStringLiteral("The ") + shortened, shortened};
    }
    return {title, title};
}

Catalogue::Catalogue()
    : m_openSource([](const QString &path) { return std::make_unique<JetReader>(path); })
{
}

Catalogue::~Catalogue()
{
    close();
}

CinelogError Catalogue::errorOf(const QSqlError &e)
{
    bool ok = false;
    qint64 code = e.nativeErrorCode().toLongLong(&ok);
    if (!ok || code == 0)
        code = ErrorNumber::Database;
    QString text = e.databaseText();
    if (text.isEmpty())
        text = e.text();
    if (text.isEmpty())
        text = QStringLiteral("Database error");
    // Text columns refuse over-long text with a length check; the user is told which field and why
    // rather than shown the check's own wording.
    static const QRegularExpression tooLong(QStringLiteral("CHECK constraint failed: length\\((\\w+)\\) <= (\\d+)"));
    const QRegularExpressionMatch m = tooLong.match(text);
    if (m.hasMatch())
        return CinelogError(code, logged("Catalogue", "%1 is too long: at most %2 characters can be stored.").arg(m.captured(1), m.captured(2)));
    return CinelogError(code, text);
}

void Catalogue::check(const QSqlQuery &q)
{
    if (q.lastError().isValid())
        throw errorOf(q.lastError());
}

bool Catalogue::isOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

void Catalogue::close()
{
    if (m_connectionName.isEmpty())
        return;
    if (m_db.isOpen())
        m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
    m_txDepth = 0;
}

QSqlDatabase &Catalogue::MovieConn()
{
    if (!isOpen())
        throw CinelogError(ErrorNumber::ObjectNotSet, logged("Catalogue", "No catalogue is open."));
    return m_db;
}

void Catalogue::adopt(QSqlDatabase db, const QString &connectionName, const QString &path)
{
    m_db = db;
    m_connectionName = connectionName;
    m_path = path;
    m_damage.clear();
    ++m_generation;
    // The connection has just opened and read the file at path: that file is the catalogue.
    struct stat st {};
    m_identityKnown = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    m_device = st.st_dev;
    m_inode = st.st_ino;
}

bool Catalogue::isStillTheFileAtPath() const
{
    if (!m_identityKnown)
        return false;
    struct stat st {};
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0)
        return false;
    return st.st_dev == m_device && st.st_ino == m_inode;
}

void Catalogue::replacedUnderneath()
{
    const QString path = m_path;
    const bool stillThere = QFileInfo(path).isFile();
    LoggedText reopened;
    if (stillThere) {
        const OpenResult r = open(path);
        reopened = r.opened()
            ? logged("Catalogue", " It has been opened again as it is now: check your last change and make it again.")
            : logged("Catalogue", " It could not be opened again: %1").arg(r.error ? r.error->text() : LoggedText());
        if (m_onReopened)
            m_onReopened();
    }
    // A deleted file stays open for reading what it held; every write is refused as this one.
    if (stillThere)
        throw CinelogError(CatalogueError::Replaced,
                           logged("Catalogue", "The catalogue file '%1' was replaced by another program (one that compacted "
                                               "it or restored a backup over it) while it was open here. Your change was not "
                                               "written.%2")
                               .arg(path, reopened));
    throw CinelogError(CatalogueError::Replaced,
                       logged("Catalogue", "The catalogue file '%1' was deleted or moved away by another program while it was "
                                      "open here. Your change was not written. Open the catalogue again from where it "
                                      "is now.").arg(path));
}

Catalogue::FileState Catalogue::reopenIfReplaced()
{
    if (!isOpen() || m_txDepth > 0 || !m_identityKnown || isStillTheFileAtPath())
        return FileState::Same;
    const QString path = m_path;
    if (!QFileInfo(path).isFile())
        return FileState::Gone;
    const OpenResult r = open(path);
    if (m_onReopened)
        m_onReopened();
    return r.opened() ? FileState::Reopened : FileState::ReopenFailed;
}

namespace {

// Opens a connection to a file already known to be a SQLite database and checks it is a catalogue.
// Throws with the status the failure means.
struct OpenFailed {
    OpenResult::Status status;
    CinelogError error;
};

QSqlDatabase connectTo(const QString &path, const QString &name)
{
    QSqlDatabase db;
    try {
        db = CatalogueFile::openConnection(path, name);
    } catch (const CinelogError &e) {
        // The engine's codes for a file it cannot read as a database.
        const bool damaged = e.number() == 11 || e.number() == 26;
        throw OpenFailed{damaged ? OpenResult::Status::Damaged : OpenResult::Status::Failed, e};
    }
    try {
        CatalogueFile::verifyCatalogueFile(db);
    } catch (const CinelogError &e) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        const bool damaged = e.number() == 11 || e.number() == 26;
        throw OpenFailed{damaged ? OpenResult::Status::Damaged : OpenResult::Status::NotACatalogue, e};
    }
    try {
        applyConnectionSettings(db);
    } catch (const CinelogError &e) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw OpenFailed{OpenResult::Status::Failed, e};
    }
    return db;
}

} // namespace

OpenResult Catalogue::open(const QString &path, const OpenOptions &options)
{
    close();
    m_damage.clear();
    NullProgress noProgress;
    ProgressSink &progress = options.progress ? *options.progress : noProgress;
    OpenResult r;
    r.path = path;
    m_path = path;
    auto fail = [&r](OpenResult::Status status, CinelogError e) {
        r.status = status;
        r.error = std::move(e);
        return r;
    };
    try {
        const QFileInfo fi(path);
        if (!fi.exists())
            return fail(OpenResult::Status::Missing,
                        CinelogError(ErrorNumber::FileNotFound, logged("Catalogue", "Could not find file '%1'.").arg(path)));
        if (!fi.isFile())
            return fail(OpenResult::Status::Failed,
                        CinelogError(ErrorNumber::PathNotFound, logged("Catalogue", "'%1' is not a file.").arg(path)));
        if (JetReader::isJetFile(path)) {
            if (!options.convertJet) {
                r.status = OpenResult::Status::NeedsJetConversion;
                return r;
            }
            try {
                std::unique_ptr<CatalogueSource> source = m_openSource(path);
                r.jetBackupPath = JetImport::convertCatalogueFile(path, *source, progress,
                                                                  [&r](const QString &note) { r.conversionNotes << note; });
            } catch (const CinelogError &e) {
                return fail(OpenResult::Status::Failed,
                            CinelogError(e.number(), logged("Catalogue", "The catalogue '%1' could not be converted and has not been changed. %2")
                                                         .arg(path, e.text())));
            }
        } else if (!CatalogueFile::hasSqliteHeader(path)) {
            return fail(OpenResult::Status::NotACatalogue,
                        CinelogError(ErrorNumber::Database, logged("Catalogue", "Unrecognized database format '%1'.").arg(path)));
        }

        QString name = newConnectionName("main");
        adopt(connectTo(path, name), name, path);
        if (CatalogueFile::isOldFormat(m_db)) {
            close();
            if (!options.convertOldFormat) {
                r.status = OpenResult::Status::NeedsOldFormatConversion;
                return r;
            }
            try {
                CatalogueFile::convertOldFormat(path, options.restartOldFormatConversion, progress);
                r.convertedOldFormat = true;
            } catch (...) {
                // The old file is as it was; what the conversion made so far is opened, so that the
                // user sees what got across.
                r.failures.push_back({QStringLiteral("ConvertDB"), currentError()});
                r.path = CatalogueFile::oldFormatConversionPath(path);
            }
            name = newConnectionName("main");
            adopt(connectTo(r.path, name), name, r.path);
        }
        try {
            Migrations::bringUpToDate(m_db, options.status);
        } catch (...) {
            // The catalogue stays usable as it is; the next open tries again.
            r.failures.push_back({QStringLiteral("CheckDB"), currentError()});
        }
        r.status = OpenResult::Status::Opened;
        return r;
    } catch (const OpenFailed &f) {
        close();
        return fail(f.status, f.error);
    } catch (...) {
        close();
        return fail(OpenResult::Status::Failed, currentError());
    }
}

QSqlQuery Catalogue::exec(const QString &sql, std::initializer_list<QVariant> values)
{
    return exec(sql, QVariantList(values));
}

namespace {

// Statements that change the file. Outside a transaction they are run in one of their own, so
// that every write goes through the check that the file is still the catalogue.
bool changesTheFile(const QString &sql)
{
    static const QRegularExpression write(QStringLiteral("^\\s*(INSERT|UPDATE|DELETE|REPLACE|CREATE|DROP|ALTER)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    return write.match(sql).hasMatch();
}

// The engine's codes for a lock it could not get in time (SQLITE_BUSY, SQLITE_LOCKED and their
// extended codes).
bool engineBusy(const CinelogError &e)
{
    const qint64 primary = e.number() & 0xff;
    return primary == 5 || primary == 6;
}

CinelogError busyError(const QString &path)
{
    return CinelogError(CatalogueError::Busy,
                        logged("Catalogue", "Another program is using the catalogue '%1' (reading or changing it) and did not "
                                       "let go in time. Nothing was written: try again in a moment.").arg(path));
}

} // namespace

void Catalogue::markDamaged(const QString &why)
{
    if (!m_damage.isEmpty())
        return;
    m_damage = why.isEmpty() ? QStringLiteral("damaged") : why;
    if (m_onDamaged)
        m_onDamaged(m_damage);
}

CinelogError Catalogue::inPlainWords(const CinelogError &e, const QString &path)
{
    const qint64 code = e.number();
    switch (code & 0xff) {
    case 8: // SQLITE_READONLY and its extended codes
        if (code == 1032) // SQLITE_READONLY_DBMOVED
            return CinelogError(CatalogueError::Replaced,
                                logged("Catalogue", "The catalogue file '%1' was deleted, moved or replaced while it was open "
                                               "here. Nothing was written. Open the catalogue again from where it is now.")
                                    .arg(path));
        return CinelogError(code, logged("Catalogue", "The catalogue '%1' cannot be written: the file or its folder is read-only "
                                                 "for you, or the file was moved or deleted. Nothing was written. Check the "
                                                 "file's permissions, or open the catalogue again.").arg(path));
    case 10: // SQLITE_IOERR
        if (code == 522) // a read cut short: the file is shorter than it says
            break;
        return CinelogError(code, logged("Catalogue", "The catalogue '%1' could not be read or written (%2). Check the disk or "
                                                 "network drive it is on, then try again.").arg(path, e.text()));
    case 13: // SQLITE_FULL
        return CinelogError(code, logged("Catalogue", "The disk holding the catalogue '%1' is full. Nothing was written: make "
                                                 "room on it, then try again.").arg(path));
    case 14: // SQLITE_CANTOPEN
        return CinelogError(code, logged("Catalogue", "The catalogue '%1' cannot be opened (%2). Check that the file and its folder "
                                                 "are still there and that you may read and write them.").arg(path, e.text()));
    default:
        break;
    }
    return e;
}

QSqlQuery Catalogue::run(const QString &sql, const QVariantList &values)
{
    try {
        return runOn(MovieConn(), sql, values);
    } catch (const CinelogError &e) {
        if (engineBusy(e))
            throw busyError(m_path);
        // SQLITE_CORRUPT and its extended codes, SQLITE_NOTADB, a read past the file's end.
        if ((e.number() & 0xff) == 11 || e.number() == 26 || e.number() == 522) {
            markDamaged(e.description());
            throw CinelogError(CatalogueError::Damaged,
                               logged("Catalogue", "The catalogue '%1' is damaged (%2). It stays open for reading only: "
                                              "nothing more is written to it. Recover what can be read into a new "
                                              "catalogue, or go back to a backup.").arg(m_path, e.text()));
        }
        const CinelogError plain = inPlainWords(e, m_path);
        if (plain.description() != e.description())
            throw plain;
        throw;
    }
}

QSqlQuery Catalogue::exec(const QString &sql, const QVariantList &values)
{
    if (m_txDepth == 0 && changesTheFile(sql)) {
        QSqlQuery q;
        transaction([&] { q = run(sql, values); });
        return q;
    }
    return run(sql, values);
}

QVariant Catalogue::scalar(const QString &sql, std::initializer_list<QVariant> values)
{
    QSqlQuery q = exec(sql, values);
    if (q.next())
        return q.value(0);
    return QVariant();
}

void Catalogue::begin()
{
    if (m_txDepth == 0) {
        if (isDamaged())
            throw CinelogError(CatalogueError::Damaged,
                               logged("Catalogue", "The catalogue '%1' is damaged (%2) and open for reading only: nothing "
                                              "was written.").arg(m_path, m_damage));
        if (m_onWriteStart)
            m_onWriteStart();
        run(QStringLiteral("BEGIN IMMEDIATE"), {});
        // With the write lock held, nobody can swap the file any more until this transaction ends;
        // a swap that happened while this program waited for the lock is seen here.
        if (!isStillTheFileAtPath()) {
            QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
            replacedUnderneath();
        }
    } else {
        run(QStringLiteral("SAVEPOINT cinelog_%1").arg(m_txDepth), {});
    }
    ++m_txDepth;
}

void Catalogue::commit()
{
    --m_txDepth;
    if (m_txDepth > 0) {
        run(QStringLiteral("RELEASE SAVEPOINT cinelog_%1").arg(m_txDepth), {});
        return;
    }
    QSqlQuery q(MovieConn());
    if (q.exec(QStringLiteral("COMMIT")))
        return;
    // A COMMIT that fails (another program still reading when the wait ran out, a full disk)
    // leaves the transaction open: roll it back, so that the connection can start the next one
    // and other programs are not kept out by its lock and journal.
    const CinelogError e = errorOf(q.lastError());
    q.finish();
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    if (engineBusy(e))
        throw busyError(m_path);
    throw inPlainWords(e, m_path);
}

void Catalogue::rollback()
{
    if (m_txDepth <= 0 || !isOpen())
        return;
    --m_txDepth;
    QSqlQuery q(m_db);
    if (m_txDepth == 0)
        q.exec(QStringLiteral("ROLLBACK"));
    else {
        q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT cinelog_%1").arg(m_txDepth));
        q.exec(QStringLiteral("RELEASE SAVEPOINT cinelog_%1").arg(m_txDepth));
    }
}
