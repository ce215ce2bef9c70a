#pragma once

#include "Catalogue.h"
#include "TestCatalogue.h"
#include "CinelogError.h"
#include "CommunityConnection.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QTcpServer>
#include <QVariant>
#include <stdexcept>

// The MariaDB server started by the test fixture (community-fixture.sh), reached the way the
// program reaches it: through the ODBC driver on 127.0.0.1, encrypted.
namespace CommunityTestServer {

inline QString fixtureFolder();

inline QString fixtureFile(const char *name)
{
    QFile f(fixtureFolder() + QLatin1Char('/') + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("the community test server is not running (no " + std::string(name) + ")");
    return QString::fromUtf8(f.readAll()).trimmed();
}

inline QString driver()
{
    return QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so");
}

inline int port()
{
    return fixtureFile("port").toInt();
}

inline QString fixtureFolder()
{
    const QString folder = qEnvironmentVariable("CINELOG_COMMUNITY_FIXTURE");
    if (folder.isEmpty())
        throw std::runtime_error("CINELOG_COMMUNITY_FIXTURE is not set: run this test through ctest");
    return folder;
}

// The private certificate authority that signed the test server's certificate, and one that did not.
inline QString caFile()
{
    return fixtureFolder() + QStringLiteral("/tls/ca.pem");
}
inline QString otherCaFile()
{
    return fixtureFolder() + QStringLiteral("/other-ca.pem");
}

// A member's connection string without the CA file, as the Options hold it when the CA file is
// chosen separately. Members: cinelog, alice, bob, load1..load8, tiny and tiny2 (one connection at
// a time), quota (40 statements an hour, 1 second per statement), and the moderator "moderator".
inline QString connectionWithoutCa(const QString &database, const QString &member = QStringLiteral("cinelog"))
{
    return QStringLiteral("DRIVER=%1;SERVER=127.0.0.1;PORT=%2;DATABASE=%3;UID=%4;PWD=%5")
        .arg(driver())
        .arg(port())
        .arg(database, member, fixtureFile(("members/" + member.toStdString()).c_str()));
}

// A member's connection string, as a user would paste it into the options: encrypted, with the
// server's certificate checked against the test CA.
inline QString connection(const QString &database, const QString &member = QStringLiteral("cinelog"))
{
    return connectionWithoutCa(database, member) + QStringLiteral(";SSLCA=") + caFile();
}

// A loopback port with nothing listening on it: what the program meets when the server is stopped.
inline QString stoppedServerConnection()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 freePort = probe.serverPort();
    probe.close();
    return QStringLiteral("DRIVER=%1;SERVER=127.0.0.1;PORT=%2;DATABASE=cinelog_unit;UID=cinelog;PWD=x")
        .arg(driver())
        .arg(freePort);
}

// An administrator's connection to one test database, for setting up and inspecting records
// behind the program's back.
class Admin
{
public:
    explicit Admin(const QString &database)
        : m_conn(QStringLiteral("DRIVER=%1;SERVER=127.0.0.1;PORT=%2;DATABASE=%3;UID=cinelog_admin;PWD=%4;SSLCA=%5")
                     .arg(driver())
                     .arg(port())
                     .arg(database, fixtureFile("admin-password"), caFile()))
    {
    }

    QSqlQuery exec(const QString &sql, const QVariantList &values = {}) { return m_conn.exec(sql, values); }
    QVariant scalar(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery q = exec(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }
    int insert(const QString &sql, const QVariantList &values) { return m_conn.insert(sql, values); }
    // Empties every community table and the log.
    void reset()
    {
        for (const char *t : {"Movies", "Directors", "Actors", "MovActLink", "Episodes", "Contributions"})
            exec(QStringLiteral("TRUNCATE TABLE ") + QLatin1String(t));
    }
    // Resets every account's hourly counters (for the limits test; a second run would find them
    // used up).
    void resetLimits() { exec(QStringLiteral("FLUSH USER_RESOURCES")); }
    CommunityConnection &connection() { return m_conn; }

private:
    CommunityConnection m_conn;
};

// A new catalogue file in folder, open.
inline void openNewCatalogue(Catalogue &catalogue, const QString &path)
{
    QString p = path;
    if (!createCatalogue(p))
        throw std::runtime_error("could not create the catalogue " + p.toStdString());
    if (!catalogue.open(p).opened())
        throw std::runtime_error("could not open the catalogue");
}

}
