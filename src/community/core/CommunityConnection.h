#pragma once

#include "CinelogError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

class AppContext;

// Where the community connection string is kept in the settings file.
namespace CommunitySettings {
inline const QString Section = QStringLiteral("Community");
inline const QString ConnectionKey = QStringLiteral("Connection");

// The stored connection string, trimmed; empty when the exchange is not set up.
QString connectionString(const AppContext &ctx);
void setConnectionString(AppContext &ctx, const QString &value);
// The one message that tells the user how to set the exchange up.
QString notSetUpMessage();
inline const QString NotSetUpTitle = QStringLiteral("Community Exchange");

// The connection string with time-outs added where it sets none, so that a server that does not
// answer makes a command fail within seconds instead of hanging the program.
QString withTimeouts(const QString &connection);
// "host:port" of a connection string, for messages (never the password).
QString serverOf(const QString &connection);
}

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

    // Runs f in one transaction: committed when f returns, rolled back when it throws.
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

    QSqlDatabase &database() { return m_db; }
    const QString &server() const { return m_server; }

private:
    void begin();
    void commit();
    void rollback() noexcept;
    CinelogError failure(const QSqlError &e) const;

    QString m_name;
    QString m_server;
    QSqlDatabase m_db;
};
