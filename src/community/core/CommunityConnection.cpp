#include "CommunityConnection.h"

#include "AppContext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace {
std::atomic<int> g_counter{0};

// Seconds to wait for the server to accept a login, and for any one answer once connected.
constexpr int LoginTimeout = 5;
constexpr int AnswerTimeout = 10;

// Key=value pairs of an ODBC connection string; braces protect ';' inside a value.
QList<std::pair<QString, QString>> pairsOf(const QString &connection)
{
    QList<std::pair<QString, QString>> out;
    QString key, value;
    bool inValue = false, braced = false;
    auto flush = [&] {
        if (!key.trimmed().isEmpty())
            out.append({key.trimmed(), value.trimmed()});
        key.clear();
        value.clear();
        inValue = false;
    };
    for (QChar c : connection) {
        if (!inValue) {
            if (c == QLatin1Char('='))
                inValue = true;
            else if (c == QLatin1Char(';'))
                flush();
            else
                key += c;
        } else if (braced) {
            value += c;
            if (c == QLatin1Char('}'))
                braced = false;
        } else if (c == QLatin1Char('{') && value.trimmed().isEmpty()) {
            braced = true;
            value += c;
        } else if (c == QLatin1Char(';')) {
            flush();
        } else {
            value += c;
        }
    }
    flush();
    return out;
}

QString valueOf(const QString &connection, const QStringList &keys)
{
    for (const auto &[k, v] : pairsOf(connection))
        if (keys.contains(k, Qt::CaseInsensitive))
            return v;
    return QString();
}

// A value as written in a connection string: braced when it holds a character that would end it.
QString quotedValue(const QString &value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('{')) && !value.contains(QLatin1Char('}'))
        && value.trimmed() == value)
        return value;
    QString v = value;
    v.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return QLatin1Char('{') + v + QLatin1Char('}');
}

// A braced value's text, without the braces.
QString unbraced(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('{')) && value.endsWith(QLatin1Char('}'))) {
        QString v = value.mid(1, value.size() - 2);
        v.replace(QStringLiteral("}}"), QStringLiteral("}"));
        return v;
    }
    return value;
}

QString describe(const QSqlError &e)
{
    QString text = e.databaseText().trimmed();
    if (text.isEmpty())
        text = e.text().trimmed();
    // The driver and the server prefix their own tags, e.g. "[ma-3.1.15][10.11.6-MariaDB]"; the user
    // gains nothing from them.
    text.remove(QRegularExpression(QStringLiteral("^(\\[[^\\]]*\\]\\s*)+")));
    text.remove(QRegularExpression(QStringLiteral("\\s*QODBC:? Unable to [^.]*\\.?$")));
    return text.isEmpty() ? QStringLiteral("no reason given") : text;
}

qint64 nativeCode(const QSqlError &e)
{
    bool ok = false;
    const qint64 code = e.nativeErrorCode().trimmed().toLongLong(&ok);
    return ok ? code : 0;
}

// Server error numbers of the limits a member account has, and of a full server.
bool isLimit(qint64 code)
{
    switch (code) {
    case 1040: // too many connections
    case 1203: // the account's MAX_USER_CONNECTIONS
    case 1226: // the account's MAX_QUERIES_PER_HOUR (or updates, connections per hour)
    case 1969: // MAX_STATEMENT_TIME
    case 3024: // MAX_EXECUTION_TIME (servers of the MySQL family)
        return true;
    default:
        return false;
    }
}

bool isTlsFailure(qint64 code, const QString &text)
{
    return code == 2026 || text.contains(QLatin1String("TLS/SSL"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("SSL connection error"), Qt::CaseInsensitive);
}
}

namespace CommunitySettings {

QString connectionString(const AppContext &ctx)
{
    return Connection.read(ctx.ini());
}

void setConnectionString(AppContext &ctx, const QString &value)
{
    Connection.write(ctx.ini(), value.trimmed());
}

QString caFile(const AppContext &ctx)
{
    return CaFile.read(ctx.ini());
}

void setCaFile(AppContext &ctx, const QString &path)
{
    CaFile.write(ctx.ini(), path.trimmed());
}

QString connectionFor(const AppContext &ctx)
{
    const QString connection = connectionString(ctx);
    const QString ca = caFile(ctx);
    if (connection.isEmpty() || ca.isEmpty() || !valueOf(connection, {QStringLiteral("SSLCA")}).isEmpty())
        return connection;
    return withValue(connection, QStringLiteral("SSLCA"), ca);
}

QString valueOf(const QString &connection, const QString &key)
{
    return unbraced(::valueOf(connection, {key}));
}

QString withValue(const QString &connection, const QString &key, const QString &value)
{
    QStringList parts;
    bool replaced = false;
    for (const auto &[k, v] : pairsOf(connection)) {
        if (k.compare(key, Qt::CaseInsensitive) == 0) {
            if (!replaced)
                parts << key + QLatin1Char('=') + quotedValue(value);
            replaced = true;
        } else {
            parts << k + QLatin1Char('=') + v;
        }
    }
    if (!replaced)
        parts << key + QLatin1Char('=') + quotedValue(value);
    return parts.join(QLatin1Char(';'));
}

QString withTls(const QString &connection)
{
    QString out = connection.trimmed();
    while (out.endsWith(QLatin1Char(';')))
        out.chop(1);
    for (const char *key : {"FORCETLS", "SSLVERIFY"})
        if (::valueOf(out, {QString::fromLatin1(key)}).isEmpty())
            out += QStringLiteral(";%1=1").arg(QString::fromLatin1(key));
    return out;
}

const char *const NotSetUpText = QT_TRANSLATE_NOOP(
    "CommunitySettings",
    "The community exchange is not set up yet.\r\r"
    "Open Options and enter the connection of your community server in the box "
    "\"Community connection\", for example:\r"
    "DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so;SERVER=host;PORT=3306;DATABASE=name;UID=user;PWD=password\r\r"
    "To try the exchange on this computer, run scripts/community-server start FOLDER "
    "and paste the connection it prints.");

QString notSetUpMessage()
{
    return QCoreApplication::translate("CommunitySettings", NotSetUpText);
}

QString notSetUpTitle()
{
    return QCoreApplication::translate("CommunitySettings", "Community Exchange");
}

QString withTimeouts(const QString &connection)
{
    QString out = connection.trimmed();
    while (out.endsWith(QLatin1Char(';')))
        out.chop(1);
    const auto add = [&](const char *key, int seconds) {
        if (::valueOf(out, {QString::fromLatin1(key)}).isEmpty())
            out += QStringLiteral(";%1=%2").arg(QString::fromLatin1(key)).arg(seconds);
    };
    add("CONN_TIMEOUT", LoginTimeout);
    add("READ_TIMEOUT", AnswerTimeout);
    add("WRITE_TIMEOUT", AnswerTimeout);
    return out;
}

QString serverOf(const QString &connection)
{
    QString host = ::valueOf(connection, {QStringLiteral("SERVER"), QStringLiteral("SERVERNAME")});
    const QString port = ::valueOf(connection, {QStringLiteral("PORT")});
    const QString dsn = ::valueOf(connection, {QStringLiteral("DSN")});
    if (host.isEmpty())
        host = dsn.isEmpty() ? QStringLiteral("localhost") : dsn;
    return port.isEmpty() ? host : host + QLatin1Char(':') + port;
}

}

CommunityConnection::CommunityConnection(const QString &connectionString)
    : m_name(QStringLiteral("cinelog-community-%1").arg(++g_counter)), m_server(CommunitySettings::serverOf(connectionString))
{
    if (connectionString.trimmed().isEmpty())
        throw CinelogError(ErrorNumber::InvalidProcedureCall, logged("CommunitySettings", CommunitySettings::NotSetUpText));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
        throw CinelogError(ErrorNumber::FileNotFound,
                           logged("CommunityConnection", "The ODBC database driver of Qt is not installed (package libqt6sql6-odbc)."));
    const QString connection = CommunitySettings::withTls(CommunitySettings::withTimeouts(connectionString));
    const QString ca = CommunitySettings::valueOf(connection, QStringLiteral("SSLCA"));
    //: %2 says why, starting in lower case
    const LoggedText cantConnectTo = logged("CommunityConnection", "Could not connect to the community server %1: %2");
    const auto cantConnect = [&](const LoggedText &why) { return cantConnectTo.arg(m_server, why); };
    if (!ca.isEmpty() && !QFileInfo(ca).isReadable())
        throw CinelogError(ErrorNumber::FileNotFound,
                           cantConnect(logged("CommunityConnection",
                                              "the CA file %1 cannot be read. Choose the CA file of your community "
                                              "server in Options (\"Community CA file\").")
                                           .arg(QDir::toNativeSeparators(ca))));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_name);
    m_db.setDatabaseName(connection);
    m_db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(LoginTimeout));
    if (!m_db.open()) {
        const QSqlError e = m_db.lastError();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        m_name.clear();
        const qint64 code = nativeCode(e);
        const QString reason = describe(e);
        if (isLimit(code))
            throw CommunityBusy(code);
        const qint64 number = code > 0 ? code : ErrorNumber::Database;
        if (isTlsFailure(code, reason) && reason.contains(QLatin1String("certificate"), Qt::CaseInsensitive)) {
            const LoggedText against =
                ca.isEmpty() ? logged("CommunityConnection", "against the certificate authorities of this system")
                             : logged("CommunityConnection", "against the CA file %1").arg(QDir::toNativeSeparators(ca));
            const LoggedText notVerified = logged("CommunityConnection",
                                                  "its certificate could not be verified %1 (%2), so it may not be the "
                                                  "server it claims to be. Choose the CA file your server's operator "
                                                  "gave you in Options (\"Community CA file\").");
            throw CinelogError(number, cantConnect({notVerified.english.arg(against.english, reason),
                                                    notVerified.shown.arg(against.shown, reason)}));
        }
        if (isTlsFailure(code, reason))
            throw CinelogError(number, cantConnect(logged("CommunityConnection",
                                                          "no encrypted connection could be made (%1). Check the "
                                                          "CA file in Options; a server that offers no encryption "
                                                          "needs its operator to turn it on.")
                                                       .arg(reason)));
        if (code == 1045)
            throw CinelogError(number, cantConnect(logged("CommunityConnection",
                                                          "it refused the account (%1). Check the user name (UID) "
                                                          "and password (PWD) in Options; member accounts also "
                                                          "need an encrypted connection.")
                                                       .arg(reason)));
        if (code == 2002 || code == 2003 || code == 2005 || code == 2013)
            throw CinelogError(number, cantConnect(logged("CommunityConnection",
                                                          "%1. Check that the server is running and that SERVER "
                                                          "and PORT in Options are right.")
                                                       .arg(reason)));
        throw CinelogError(number, cantConnect({reason, reason}));
    }
    // Waits for a row lock end well before the driver stops waiting for an answer (and retry).
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("SET SESSION innodb_lock_wait_timeout = %1").arg(LockWaitSeconds));
}

CommunityConnection::~CommunityConnection()
{
    if (m_name.isEmpty())
        return;
    if (m_db.isOpen())
        m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

CinelogError CommunityConnection::failure(const QSqlError &e) const
{
    qint64 code = nativeCode(e);
    if (code == 0)
        code = ErrorNumber::Database;
    const QString reason = describe(e);
    if (code == 1142 || code == 1143 || code == 1370)
        return CinelogError(code, logged("CommunityConnection", "The community server %1 refused a change (%2): members may add "
                                                                "records and fill empty fields only.")
                                      .arg(m_server, reason));
    if (code == 1305)
        return CinelogError(code, logged("CommunityConnection", "The community server %1 runs an older version of the exchange (%2). "
                                                                "Ask its operator to load the current schema.sql.")
                                      .arg(m_server, reason));
    if (code == 2006 || code == 2013)
        return CinelogError(code, logged("CommunityConnection", "The connection to the community server %1 was lost (%2). Try "
                                                                "again; if it happens again, check that the server is running.")
                                      .arg(m_server, reason));
    return CinelogError(code, logged("CommunityConnection", "The community server %1 failed: %2").arg(m_server, reason));
}

void CommunityConnection::raise(const QSqlError &e) const
{
    if (isLimit(nativeCode(e)))
        throw CommunityBusy(nativeCode(e));
    throw failure(e);
}

bool CommunityConnection::isTransient(const CinelogError &e)
{
    // 1213: deadlock (and, on a Galera cluster, a write that lost to another node's); 1205: a lock
    // wait that timed out; 1614: a transaction branch rolled back by a deadlock.
    return e.number() == 1213 || e.number() == 1205 || e.number() == 1614;
}

// Qt's ODBC driver hands text parameters to the MariaDB driver with their terminating zero
// counted, so "Alien" would be stored and compared as "Alien\0". Text therefore travels as UTF-8
// bytes, and the statement turns each such parameter back into text of the tables' collation.
static void bindText(QString &sql, QVariantList &values)
{
    QString out;
    out.reserve(sql.size() + 64);
    qsizetype k = 0;
    for (QChar c : std::as_const(sql)) {
        if (c != QLatin1Char('?')) {
            out += c;
            continue;
        }
        if (k < values.size() && values[k].typeId() == QMetaType::QString && !values[k].isNull()) {
            QByteArray utf8 = values[k].toString().toUtf8();
            if (utf8.isNull())
                utf8 = QByteArray("", 0);
            values[k] = utf8;
            out += QStringLiteral("CONVERT(? USING utf8mb4) COLLATE utf8mb4_unicode_ci");
        } else {
            out += c;
        }
        ++k;
    }
    sql = out;
}

QSqlQuery CommunityConnection::exec(const QString &statement, const QVariantList &parameters)
{
    QString sql = statement;
    QVariantList values = parameters;
    bindText(sql, values);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        raise(q.lastError());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        raise(q.lastError());
    return q;
}

int CommunityConnection::insert(const QString &sql, const QVariantList &values)
{
    exec(sql, values);
    QSqlQuery q = exec(QStringLiteral("SELECT LAST_INSERT_ID()"));
    if (!q.next())
        raise(q.lastError());
    bool ok = false;
    const qint64 id = q.value(0).toLongLong(&ok);
    if (!ok || id <= 0 || id > std::numeric_limits<int>::max())
        throw CinelogError(ErrorNumber::Overflow,
                           logged("CommunityConnection", "The community server %1 gave no usable number for a new record.").arg(m_server));
    return int(id);
}

void CommunityConnection::begin()
{
    if (!m_db.transaction())
        raise(m_db.lastError());
}

void CommunityConnection::commit()
{
    if (!m_db.commit())
        raise(m_db.lastError());
}

void CommunityConnection::writeTransaction(const std::function<void()> &f)
{
    thread_local std::minstd_rand jitter{std::random_device{}()};
    for (int attempt = 1;; ++attempt) {
        try {
            begin();
            try {
                // Applies to the transaction the next statement starts.
                exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL READ COMMITTED"));
                f();
                commit();
            } catch (...) {
                rollback();
                throw;
            }
            return;
        } catch (const CinelogError &e) {
            if (!isTransient(e))
                throw;
            if (attempt >= WriteAttempts)
                throw CommunityBusy(e.number());
        }
        // 100, 200, 400, 800 ms, each somewhere between half and all of it, so that writers that
        // collided do not collide again in step.
        const int pause = 100 << (attempt - 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(pause / 2 + int(jitter() % unsigned(pause / 2 + 1))));
    }
}

void CommunityConnection::lockNames(const QList<QStringList> &keys)
{
    if (keys.isEmpty())
        return;
    // The server turns each key into a name as its collation sees it (WEIGHT_STRING: names that the
    // tables find equal get one lock), scoped to this database.
    QStringList terms;
    QVariantList values;
    for (const QStringList &key : keys) {
        QStringList parts;
        for (const QString &text : key) {
            parts << QStringLiteral("HEX(WEIGHT_STRING(?))");
            values << (text.isNull() ? QStringLiteral("") : text);
        }
        terms << QStringLiteral("MD5(CONCAT_WS('/', DATABASE(), %1))").arg(parts.join(QStringLiteral(", ")));
    }
    // sql-identifiers: one fixed expression per key, with placeholders
    QSqlQuery q = exec(QStringLiteral("SELECT ") + terms.join(QStringLiteral(", ")), values);
    QStringList names;
    if (q.next())
        for (int i = 0; i < keys.size(); ++i)
            names << q.value(i).toString().toLower();
    names.removeDuplicates();
    names.sort();
    if (names.size() != qsizetype(std::count_if(names.cbegin(), names.cend(), [](const QString &n) { return n.size() == 32; }))
        || names.isEmpty())
        throw CinelogError(ErrorNumber::Database,
                           logged("CommunityConnection", "The community server %1 gave no usable lock names.").arg(m_server));
    exec(QStringLiteral("CALL LockNames(?)"), {names.join(QLatin1Char(','))});
}

void CommunityConnection::rollback() noexcept
{
    m_db.rollback();
}
