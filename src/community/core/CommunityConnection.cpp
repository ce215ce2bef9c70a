#include "CommunityConnection.h"

#include "AppContext.h"

#include <QRegularExpression>
#include <QSqlError>
#include <atomic>

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

QString describe(const QSqlError &e)
{
    QString text = e.databaseText().trimmed();
    if (text.isEmpty())
        text = e.text().trimmed();
    // The driver prefixes its own tag, e.g. "[ma-3.1.15]"; the user gains nothing from it.
    text.remove(QRegularExpression(QStringLiteral("^\\[[^\\]]*\\]\\s*")));
    return text.isEmpty() ? QStringLiteral("no reason given") : text;
}
}

namespace CommunitySettings {

QString connectionString(const AppContext &ctx)
{
    return ctx.ReadINI(Section, ConnectionKey).trimmed();
}

void setConnectionString(AppContext &ctx, const QString &value)
{
    ctx.WriteINI(Section, ConnectionKey, value.trimmed());
}

QString notSetUpMessage()
{
    return QStringLiteral(
        "The community exchange is not set up yet.\r\r"
        "Open Options and enter the connection of your community server in the box "
        "\"Community connection\", for example:\r"
        "DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so;SERVER=host;PORT=3306;DATABASE=name;UID=user;PWD=password\r\r"
        "To try the exchange on this computer, run scripts/community-server start FOLDER "
        "and paste the connection it prints.");
}

QString withTimeouts(const QString &connection)
{
    QString out = connection.trimmed();
    while (out.endsWith(QLatin1Char(';')))
        out.chop(1);
    const auto add = [&](const char *key, int seconds) {
        if (valueOf(out, {QString::fromLatin1(key)}).isEmpty())
            out += QStringLiteral(";%1=%2").arg(QString::fromLatin1(key)).arg(seconds);
    };
    add("CONN_TIMEOUT", LoginTimeout);
    add("READ_TIMEOUT", AnswerTimeout);
    add("WRITE_TIMEOUT", AnswerTimeout);
    return out;
}

QString serverOf(const QString &connection)
{
    QString host = valueOf(connection, {QStringLiteral("SERVER"), QStringLiteral("SERVERNAME")});
    const QString port = valueOf(connection, {QStringLiteral("PORT")});
    const QString dsn = valueOf(connection, {QStringLiteral("DSN")});
    if (host.isEmpty())
        host = dsn.isEmpty() ? QStringLiteral("localhost") : dsn;
    return port.isEmpty() ? host : host + QLatin1Char(':') + port;
}

}

CommunityConnection::CommunityConnection(const QString &connectionString)
    : m_name(QStringLiteral("cinelog-community-%1").arg(++g_counter)), m_server(CommunitySettings::serverOf(connectionString))
{
    if (connectionString.trimmed().isEmpty())
        throw CinelogError(ErrorNumber::InvalidProcedureCall, CommunitySettings::notSetUpMessage());
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
        throw CinelogError(ErrorNumber::FileNotFound,
                           QStringLiteral("The ODBC database driver of Qt is not installed (package libqt6sql6-odbc)."));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_name);
    m_db.setDatabaseName(CommunitySettings::withTimeouts(connectionString));
    m_db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(LoginTimeout));
    if (!m_db.open()) {
        const QSqlError e = m_db.lastError();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        m_name.clear();
        throw CinelogError(ErrorNumber::Database,
                           QStringLiteral("Could not connect to the community server %1: %2").arg(m_server, describe(e)));
    }
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
    bool ok = false;
    qint64 code = e.nativeErrorCode().toLongLong(&ok);
    if (!ok || code == 0)
        code = ErrorNumber::Database;
    return CinelogError(code, QStringLiteral("The community server %1 failed: %2").arg(m_server, describe(e)));
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
        throw failure(q.lastError());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw failure(q.lastError());
    return q;
}

int CommunityConnection::insert(const QString &sql, const QVariantList &values)
{
    exec(sql, values);
    QSqlQuery q = exec(QStringLiteral("SELECT LAST_INSERT_ID()"));
    if (!q.next())
        throw failure(q.lastError());
    bool ok = false;
    const qint64 id = q.value(0).toLongLong(&ok);
    if (!ok || id <= 0 || id > std::numeric_limits<int>::max())
        throw CinelogError(ErrorNumber::Overflow,
                           QStringLiteral("The community server %1 gave no usable number for a new record.").arg(m_server));
    return int(id);
}

void CommunityConnection::begin()
{
    if (!m_db.transaction())
        throw failure(m_db.lastError());
}

void CommunityConnection::commit()
{
    if (!m_db.commit())
        throw failure(m_db.lastError());
}

void CommunityConnection::rollback() noexcept
{
    m_db.rollback();
}
