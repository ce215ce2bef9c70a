#pragma once

#include "CinelogError.h"
#include "Setting.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>

class AppContext;

// Where the community connection string is kept in the settings file.
namespace CommunitySettings {
inline const Setting<QString> Connection{QStringLiteral("Community"), QStringLiteral("Connection")};
// The certificate authority (a PEM file) that the server's certificate must be signed by.
inline const Setting<QString> CaFile{QStringLiteral("Community"), QStringLiteral("CAFile")};

// The stored connection string, trimmed; empty when the exchange is not set up.
QString connectionString(const AppContext &ctx);
void setConnectionString(AppContext &ctx, const QString &value);
QString caFile(const AppContext &ctx);
void setCaFile(AppContext &ctx, const QString &path);
// What the program connects with: the stored string, with the CA file of the options as its SSLCA
// unless the string names one itself.
QString connectionFor(const AppContext &ctx);
// The one message that tells the user how to set the exchange up.
// The message's English source (the error log keeps it), and the message in the user's language.
extern const char *const NotSetUpText;
QString notSetUpMessage();
QString notSetUpTitle();

// The connection string with time-outs added where it sets none, so that a server that does not
// answer makes a command fail within seconds instead of hanging the program.
QString withTimeouts(const QString &connection);
// The connection string with encryption required and the server's certificate verified (against
// its SSLCA file, or the system's authorities without one), unless it says otherwise itself.
QString withTls(const QString &connection);
// A connection string with key set to value (added when missing, replaced when present).
QString withValue(const QString &connection, const QString &key, const QString &value);
// The value of key in a connection string (keys ignore letter case); empty when missing.
QString valueOf(const QString &connection, const QString &key);
// "host:port" of a connection string, for messages (never the password).
QString serverOf(const QString &connection);
}

// The server refused work because of a limit (the member's connections, statements per hour or
// time per statement, the server's connections) or stayed too busy to finish it after a few tries.
// Trying again later will do; the program says so instead of reporting a failure.
class CommunityBusy : public CinelogError
{
public:
    explicit CommunityBusy(qint64 number) : CinelogError(number, LoggedText{message(), caption()}) {}
    static QString message() { return QString::fromLatin1(MessageText); }
    // The message as the user reads it.
    static QString caption() { return QCoreApplication::translate("CommunityBusy", MessageText); }

private:
    static constexpr const char *MessageText = QT_TRANSLATE_NOOP("CommunityBusy", "The community server is busy, try later.");
};

// One open connection to the community database (MariaDB through ODBC). Every value is bound;
// statements are composed from fixed text only. Failures throw CinelogError with a message that
// says what went wrong in the user's words.
class CommunityConnection
{
public:
    // Opens the connection; throws when the string is empty or the server cannot be reached.
    explicit CommunityConnection(const QString &connectionString);
    ~CommunityConnection();
    CommunityConnection(const CommunityConnection &) = delete;
    CommunityConnection &operator=(const CommunityConnection &) = delete;

    QSqlQuery exec(const QString &statement, const QVariantList &parameters = {});
    // Runs an INSERT and returns the new row's ID, read from the same connection.
    int insert(const QString &sql, const QVariantList &values);

    // Runs f in one transaction: committed when f returns, rolled back when it throws. Statements
    // of f see one consistent view of the database.
    template <typename F>
    void transaction(F &&f)
    {
        begin();
        try {
            f();
        } catch (...) {
            rollback();
            throw;
        }
        commit();
    }

    // Runs f in one transaction at READ COMMITTED isolation (no gap locks, so writers of different
    // names never block each other), repeating the whole of it after a deadlock or a lock wait
    // that timed out, a few times with growing pauses; then gives up with CommunityBusy.
    void writeTransaction(const std::function<void()> &f);

    // Inside a writeTransaction: locks these keys on the server until the transaction ends, waiting
    // a few seconds at most for another writer's (then the transaction is repeated). Each key is a
    // list of texts compared as the tables compare names (ignoring letter case); keys are locked in
    // one fixed order, so two writers never wait for each other in a circle. Row locks, so they
    // work on a Galera cluster too, where the server's named locks (GET_LOCK) are refused.
    void lockNames(const QList<QStringList> &keys);

    QSqlDatabase &database() { return m_db; }
    const QString &server() const { return m_server; }

    // True for the failures that go away when the transaction is tried again.
    static bool isTransient(const CinelogError &e);
    // Seconds any one wait for a row lock may take on the server.
    static constexpr int LockWaitSeconds = 4;
    static constexpr int WriteAttempts = 5;

private:
    void begin();
    void commit();
    void rollback() noexcept;
    CinelogError failure(const QSqlError &e) const;
    [[noreturn]] void raise(const QSqlError &e) const;

    QString m_name;
    QString m_server;
    QSqlDatabase m_db;
};
