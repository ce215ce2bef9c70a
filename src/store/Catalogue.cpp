#include "Catalogue.h"

#include "AppContext.h"
#include "CatalogueInternal.h"
#include "JetImport.h"
#include "JetReader.h"
#include "Schema.h"
#include "SqliteFunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>
#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace catalogue_detail {

static std::atomic<int> g_connectionCounter{0};

QString newConnectionName(const char *purpose)
{
    return QStringLiteral("cinelog-%1-%2").arg(QString::fromLatin1(purpose)).arg(++g_connectionCounter);
}

} // namespace catalogue_detail

using namespace catalogue_detail;

namespace {

bool hasSqliteHeader(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

QStringList columnNames(QSqlDatabase &db, const QString &table)
{
    QStringList out;
    const QSqlRecord r = db.record(table);
    for (int i = 0; i < r.count(); ++i)
        out << r.fieldName(i);
    return out;
}

bool hasTable(QSqlDatabase &db, const QString &table)
{
    // Exact, case-sensitive test of the table's name.
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?"));
    q.addBindValue(table);
    Catalogue::check(q);
    q.exec();
    Catalogue::check(q);
    while (q.next())
        if (q.value(0).toString() == table)
            return true;
    return false;
}

} // namespace

QSqlQuery catalogue_detail::runOn(QSqlDatabase &db, const QString &sql, const QVariantList &values)
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

catalogue_detail::ConnectionGuard::~ConnectionGuard()
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

// Durability for a document file: a rollback journal keeps a closed catalogue one self-contained
// file that users can copy, and synchronous=FULL makes each committed change survive a power cut.
void catalogue_detail::applyConnectionSettings(QSqlDatabase &db)
{
    runOn(db, QStringLiteral("PRAGMA journal_mode = DELETE"));
    runOn(db, QStringLiteral("PRAGMA synchronous = FULL"));
    runOn(db, QStringLiteral("PRAGMA foreign_keys = OFF"));
}

void catalogue_detail::syncFolderOf(const QString &filePath)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(filePath).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

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

Catalogue::Catalogue(AppContext &ctx)
    : m_ctx(ctx), m_openSource([](const QString &path) { return std::make_unique<JetReader>(path); })
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
        return CinelogError(code, QStringLiteral("%1 is too long: at most %2 characters can be stored.").arg(m.captured(1), m.captured(2)));
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
        throw CinelogError(ErrorNumber::ObjectNotSet, QStringLiteral("No catalogue is open."));
    return m_db;
}

QSqlDatabase Catalogue::openConnection(const QString &path, const QString &connectionName, bool create)
{
    if (!create) {
        QFileInfo fi(path);
        if (!fi.exists())
            throw CinelogError(ErrorNumber::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
        if (!fi.isFile())
            throw CinelogError(ErrorNumber::PathNotFound, QStringLiteral("'%1' is not a file.").arg(path));
        if (!hasSqliteHeader(path)) {
            if (JetReader::isJetFile(path))
                throw CinelogError(ErrorNumber::Database,
                                   QStringLiteral("'%1' is a catalogue of an earlier version of Cinelog: open it first to "
                                                  "convert it.").arg(path));
            throw CinelogError(ErrorNumber::Database, QStringLiteral("Unrecognized database format '%1'.").arg(path));
        }
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        CinelogError e = errorOf(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw e;
    }
    try {
        registerCatalogueFunctions(db);
    } catch (...) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw;
    }
    return db;
}

void Catalogue::verifyCatalogueFile(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
        throw errorOf(q.lastError());
    const int appId = q.value(0).toInt();
    if (appId == Schema::ApplicationId)
        return;
    // A catalogue made without the mark (by hand or by an older tool) is accepted when it has the
    // movie table; any other database is not a catalogue.
    if (appId == 0 && hasTable(db, QStringLiteral("Movies")))
        return;
    throw CinelogError(ErrorNumber::Database,
                       QStringLiteral("Unrecognized database format '%1': it is not a Cinelog catalogue.").arg(db.databaseName()));
}

void Catalogue::openAt(const QString &path)
{
    close();
    const QString name = newConnectionName("main");
    QSqlDatabase db = openConnection(path, name);
    try {
        verifyCatalogueFile(db);
        applyConnectionSettings(db);
    } catch (...) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw;
    }
    m_db = db;
    m_connectionName = name;
}

QSqlQuery Catalogue::exec(const QString &sql, std::initializer_list<QVariant> values)
{
    return exec(sql, QVariantList(values));
}

QSqlQuery Catalogue::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(MovieConn());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw errorOf(q.lastError());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw errorOf(q.lastError());
    return q;
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
    if (m_txDepth == 0)
        exec(QStringLiteral("BEGIN IMMEDIATE"));
    else
        exec(QStringLiteral("SAVEPOINT cinelog_%1").arg(m_txDepth));
    ++m_txDepth;
}

void Catalogue::commit()
{
    --m_txDepth;
    if (m_txDepth == 0)
        exec(QStringLiteral("COMMIT"));
    else
        exec(QStringLiteral("RELEASE SAVEPOINT cinelog_%1").arg(m_txDepth));
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

// ---------------------------------------------------------------------------------------------
// Creating

void Catalogue::CreateEpisodesTable(QSqlDatabase &db)
{
    runOn(db, Schema::createTableStatement(QStringLiteral("Episodes"), true));
}

static void createSchema(QSqlDatabase &db, ProgressSink *progress, bool includeAddedOnOpen)
{
    runOn(db, QStringLiteral("PRAGMA application_id = %1").arg(Schema::ApplicationId));
    runOn(db, QStringLiteral("PRAGMA user_version = %1").arg(Schema::SchemaVersion));
    runOn(db, QStringLiteral("BEGIN"));
    int step = 0;
    for (const QString &table : Schema::tables()) {
        if (table == QLatin1String("Episodes")) {
            Catalogue::CreateEpisodesTable(db);
            continue;
        }
        runOn(db, Schema::createTableStatement(table, includeAddedOnOpen));
        if (progress && table != QLatin1String("UserList"))
            progress->UpdateProgress(step++);
        if (progress)
            progress->letEventsRun();
    }
    // Indexes come with the open-time check, once every column they cover exists.
    runOn(db, QStringLiteral("COMMIT"));
}

bool Catalogue::CreateDB(QString &path)
{
    Prompts &prompts = m_ctx.prompts();
    if (QFileInfo::exists(path)) {
        if (!prompts.question(QStringLiteral("This question database already exists.") + QLatin1Char('\r')
                                  + QStringLiteral("Are you sure you want to overwrite it?"),
                              QStringLiteral("Create Database"), Prompts::Icon::Critical))
            return false;
        if (QDir::cleanPath(QFileInfo(path).absoluteFilePath()) == QDir::cleanPath(QFileInfo(DBPath).absoluteFilePath()))
            close();
        if (!QFile::remove(path)) {
            prompts.message(QStringLiteral("Permission denied: ") + path, QStringLiteral("Error 70 CreateDB"),
                            Prompts::Icon::Critical);
            return false;
        }
    }
    if (!path.endsWith(QLatin1String(".cnlg")))
        path += QStringLiteral(".cnlg");

    ProgressSink &progress = m_ctx.progress();
    progress.ShowProgress(QStringLiteral("Creating Cinelog..."), 0, 7);
    bool created = false;
    bool ok = false;
    try {
        if (QFileInfo::exists(path))
            throw CinelogError(ErrorNumber::FileAlreadyExists, QStringLiteral("File already exists"));
        const QString name = newConnectionName("create");
        ConnectionGuard guard(name);
        QSqlDatabase db = openConnection(path, name, true);
        created = true;
        applyConnectionSettings(db);
        createSchema(db, &progress, false);
        db.close();
        ok = true;
    } catch (const CinelogError &e) {
        prompts.message(e.description(), QStringLiteral("Error %1 CreateDB").arg(e.number()), Prompts::Icon::Critical);
    }
    // A half-made catalogue is of no use to anyone: remove it rather than leave it behind.
    if (!ok && created)
        QFile::remove(path);
    progress.UpdateProgress(7);
    return ok;
}

// ---------------------------------------------------------------------------------------------
// Opening

bool Catalogue::DBConn()
{
    bool declined = false;
    bool ok = m_ctx.guard(QStringLiteral("DBConn"), [this, &declined] {
        if (JetReader::isJetFile(DBPath)) {
            close();
            if (!convertJetCatalogue()) {
                declined = true;
                return;
            }
        }
        openAt(DBPath);
        if (isOldFormat()) {
            m_ctx.prompts().message(QStringLiteral("I have to convert your database to the new format!"),
                                    QStringLiteral("Database Must Be Converted"), Prompts::Icon::Information);
            // A failed conversion is logged on its own and leaves the old file as it was; DBPath then
            // names the "_new" catalogue, which is opened and checked as far as it got.
            m_ctx.guard(QStringLiteral("ConvertDB"), [this] { ConvertDB(); });
            openAt(DBPath);
        }
        CheckDB();
        m_ctx.WriteINI(QStringLiteral("Options"), QStringLiteral("LastDB"), DBPath);
        m_ctx.WriteINI(QStringLiteral("Options"), QStringLiteral("LastFolder"), QFileInfo(DBPath).absolutePath());
    });
    if (!ok || declined) {
        close();
        return false;
    }
    return true;
}

// A Jet catalogue of the Windows program becomes a SQLite catalogue at the same path; the original
// is kept beside it. Declined: false, nothing changed. Failed: throws, nothing changed.
bool Catalogue::convertJetCatalogue()
{
    Prompts &prompts = m_ctx.prompts();
    const QString title = QStringLiteral("Database Must Be Converted");
    if (!prompts.question(QStringLiteral("This catalogue was made by an earlier version of Cinelog and must be converted."),
                          title, Prompts::Icon::Question)) {
        prompts.message(QStringLiteral("The catalogue was not converted, so it cannot be opened. The file has not been changed."),
                        title, Prompts::Icon::Information);
        return false;
    }
    QString backup;
    try {
        std::unique_ptr<CatalogueSource> source = m_openSource(DBPath);
        backup = JetImport::convertCatalogueFile(DBPath, *source, m_ctx.progress(), [this](const QString &note) {
            m_ctx.LogError(note, 0, QStringLiteral("ConvertJet"), false);
        });
    } catch (const CinelogError &e) {
        throw CinelogError(e.number(), QStringLiteral("The catalogue '%1' could not be converted and has not been changed. %2")
                                           .arg(DBPath, e.description()));
    }
    prompts.message(QStringLiteral("The catalogue has been converted. The original file is kept as '%1'.")
                        .arg(QFileInfo(backup).fileName()),
                    QStringLiteral("Update Complete!"), Prompts::Icon::Information);
    return true;
}

bool Catalogue::isOldFormat()
{
    return columnNames(m_db, QStringLiteral("Movies")).contains(QStringLiteral("Actor1"));
}

Fill catalogue_detail::fillFor(const Schema::Column &c)
{
    const QLatin1String name(c.name);
    if (name == QLatin1String("OrderBy"))
        return Fill::TitleRule;
    if (name == QLatin1String("UserRating") || name == QLatin1String("EpisodeDisc") || name == QLatin1String("onlineID")
        || name == QLatin1String("web"))
        return Fill::ZeroIfEmpty;
    return Fill::Null;
}

void Catalogue::fillOrderBy()
{
    QSqlQuery rows = exec(QStringLiteral("SELECT ID, Title FROM Movies"));
    QSqlQuery setOrder(m_db), setBoth(m_db);
    if (!setOrder.prepare(QStringLiteral("UPDATE Movies SET OrderBy = ? WHERE ID = ?")))
        throw errorOf(setOrder.lastError());
    if (!setBoth.prepare(QStringLiteral("UPDATE Movies SET Title = ?, OrderBy = ? WHERE ID = ?")))
        throw errorOf(setBoth.lastError());
    while (rows.next()) {
        const QString title = rows.value(1).toString();
        const TitleOrder to = titleOrderFor(title);
        // Only a title the rule changes is written back, so a Null title stays Null.
        QSqlQuery &upd = to.title == title ? setOrder : setBoth;
        if (&upd == &setBoth)
            upd.addBindValue(to.title);
        upd.addBindValue(NullIfEmpty(to.orderBy));
        upd.addBindValue(rows.value(0));
        if (!upd.exec())
            throw errorOf(upd.lastError());
    }
}

void Catalogue::CheckDB()
{
    m_ctx.guard(QStringLiteral("CheckDB"), [this] {
        // Look first: a catalogue that is up to date is not written to at all.
        std::vector<Schema::Column> missing;
        for (const Schema::Column &c : Schema::addedOnOpen())
            if (!columnNames(m_db, QString::fromLatin1(c.table)).contains(QString::fromLatin1(c.name)))
                missing.push_back(c);
        const bool needEpisodes = !hasTable(m_db, QStringLiteral("Episodes"));
        QStringList presentIndexes;
        QSqlQuery q = exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"));
        while (q.next())
            presentIndexes << q.value(0).toString();
        q = QSqlQuery();
        bool needIndexes = false;
        for (const Schema::Index &i : Schema::indexes())
            needIndexes = needIndexes || !presentIndexes.contains(QLatin1String(i.name));
        const bool needMark = scalar(QStringLiteral("PRAGMA application_id")).toInt() != Schema::ApplicationId
            || scalar(QStringLiteral("PRAGMA user_version")).toInt() < Schema::SchemaVersion;
        if (missing.empty() && !needEpisodes && !needIndexes && !needMark)
            return;

        // One transaction: the catalogue is brought up to date completely or, after a failure, left as
        // it was for the next open to try again.
        auto splash = [this](const QString &text) { m_ctx.showStatus(text); };
        transaction([&] {
            for (const Schema::Column &c : missing) {
                const QString table = QString::fromLatin1(c.table);
                const QString column = QString::fromLatin1(c.name);
                splash(QStringLiteral("Adding ") + column + QStringLiteral(" to the database..."));
                exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(table, Schema::columnDefinition(c)));
                switch (fillFor(c)) {
                case Fill::ZeroIfEmpty:
                    // sql-identifiers: table and column names from the schema
                    exec(QStringLiteral("UPDATE %1 SET %2 = 0 WHERE %2 IS NULL OR %2 = ''").arg(table, column));
                    break;
                case Fill::TitleRule:
                    fillOrderBy();
                    break;
                case Fill::Null:
                    // The default is for new rows; the rows already there have no value.
                    if (c.defaultValue)
                        // sql-identifiers: table and column names from the schema
                        exec(QStringLiteral("UPDATE %1 SET %2 = NULL").arg(table, column));
                    break;
                }
            }
            if (needEpisodes) {
                splash(QStringLiteral("Adding the new Episodes Table to the database..."));
                CreateEpisodesTable(m_db);
            }
            for (const QString &s : Schema::indexStatements())
                exec(s);
            if (needMark) {
                exec(QStringLiteral("PRAGMA application_id = %1").arg(Schema::ApplicationId));
                if (scalar(QStringLiteral("PRAGMA user_version")).toInt() < Schema::SchemaVersion)
                    exec(QStringLiteral("PRAGMA user_version = %1").arg(Schema::SchemaVersion));
            }
        });
    });
}
