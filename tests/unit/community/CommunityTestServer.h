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
// program reaches it: through the ODBC driver on 127.0.0.1.
namespace CommunityTestServer {

inline QString fixtureFile(const char *name)
{
    const QString folder = qEnvironmentVariable("CINELOG_COMMUNITY_FIXTURE");
    if (folder.isEmpty())
        throw std::runtime_error("CINELOG_COMMUNITY_FIXTURE is not set: run this test through ctest");
    QFile f(folder + QLatin1Char('/') + QLatin1String(name));
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

// The member account's connection string, as a user would paste it into the options.
inline QString connection(const QString &database)
{
    return QStringLiteral("DRIVER=%1;SERVER=127.0.0.1;PORT=%2;DATABASE=%3;UID=cinelog;PWD=%4")
        .arg(driver())
        .arg(port())
        .arg(database, fixtureFile("password"));
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
        : m_conn(QStringLiteral("DRIVER=%1;SERVER=127.0.0.1;PORT=%2;DATABASE=%3;UID=cinelog_admin;PWD=%4")
                     .arg(driver())
                     .arg(port())
                     .arg(database, fixtureFile("admin-password")))
    {
    }

    QSqlQuery exec(const QString &sql, const QVariantList &values = {}) { return m_conn.exec(sql, values); }
    QVariant scalar(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery q = exec(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }
    int insert(const QString &sql, const QVariantList &values) { return m_conn.insert(sql, values); }
    // Empties every community table.
    void reset()
    {
        for (const char *t : {"Movies", "Directors", "Actors", "MovActLink", "Episodes"})
            exec(QStringLiteral("TRUNCATE TABLE ") + QLatin1String(t));
    }

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
