// What the community server lets members do, checked against the real server over TLS: only adding
// records and filling empty fields, one log entry per change naming the member, encrypted
// connections only, limits per account, and a moderator's undo.
#include "Catalogue.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "CommunityTestServer.h"
#include "GTestSupport.h"

#include <QSqlRecord>
#include <memory>

using CommunityTestServer::Admin;

namespace {

const QString Db = QStringLiteral("cinelog_unit");

QStringList rowsOf(QSqlQuery q)
{
    QStringList out;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            cells << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

// A catalogue of one member, uploading through that member's own account.
struct Member {
    explicit Member(const QString &account)
        : account(account), remote(std::make_unique<CommunityConnection>(CommunityTestServer::connection(Db, account)))
    {
        CommunityTestServer::openNewCatalogue(cat, tc.path(QStringLiteral("movies.cnlg")));
    }

    int movie(const QString &title, const QString &year, const QString &director = QString(),
              const QString &runningTime = QString(), const QString &url = QString())
    {
        return cat.exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, Director, RunningTime, URL, web, onlineID) "
                                       "VALUES (?, ?, ?, ?, ?, 0, 0)"),
                        {title, NullIfEmpty(year), NullIfEmpty(director), NullIfEmpty(runningTime), NullIfEmpty(url)})
            .lastInsertId()
            .toInt();
    }
    void cast(int movieId, const QString &actor, const QString &part = QString(), const QString &url = QString())
    {
        QVariant id = cat.scalar(QStringLiteral("SELECT ID FROM Actors WHERE Actor = ?"), {actor});
        if (!id.isValid())
            id = cat.exec(QStringLiteral("INSERT INTO Actors (Actor, URL) VALUES (?, ?)"), {actor, NullIfEmpty(url)}).lastInsertId();
        cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                 {movieId, id, NullIfEmpty(part)});
    }
    int upload(int movieId) { return CommunityExchange::uploadMovie(cat, *remote, movieId, account); }

    QString account;
    GTestContext tc;
    Catalogue cat;
    std::unique_ptr<CommunityConnection> remote;
};

class ServerRules : public ::testing::Test
{
protected:
    void SetUp() override
    {
        admin = std::make_unique<Admin>(Db);
        admin->reset();
    }

    // Every community table in full, for "nothing changed" comparisons.
    QStringList everything()
    {
        QStringList out;
        for (const char *t : {"Movies", "Directors", "Actors", "MovActLink", "Episodes"})
            out << QLatin1String(t) + QLatin1Char(':')
                       + rowsOf(admin->exec(QStringLiteral("SELECT * FROM ") + QLatin1String(t) + QStringLiteral(" ORDER BY 1")))
                             .join(QStringLiteral(" ; "));
        return out;
    }
    int logEntries() { return admin->scalar(QStringLiteral("SELECT COUNT(*) FROM Contributions")).toInt(); }

    std::unique_ptr<Admin> admin;
};

TEST_F(ServerRules, EveryConnectionIsEncrypted)
{
    CommunityConnection member(CommunityTestServer::connection(Db));
    QSqlQuery q = member.exec(QStringLiteral("SHOW SESSION STATUS LIKE 'Ssl_version'"));
    ASSERT_TRUE(q.next());
    EXPECT_TRUE(q.value(1).toString().startsWith(QStringLiteral("TLS"))) << q.value(1).toString().toStdString();
    EXPECT_TRUE(admin->scalar(QStringLiteral("SELECT VARIABLE_VALUE FROM information_schema.SESSION_STATUS "
                                             "WHERE VARIABLE_NAME = 'SSL_VERSION'"))
                    .toString()
                    .startsWith(QStringLiteral("TLS")));
}

TEST_F(ServerRules, EveryForbiddenChangeIsRefusedAndChangesNothing)
{
    const int movie = admin->insert(QStringLiteral("INSERT INTO Movies (Title, Director, ReleaseYear, RunningTime, URL) "
                                                   "VALUES ('Alien', 'Ridley Scott', '1979', '117', 'http://alien.example')"),
                                    {});
    const int actor = admin->insert(QStringLiteral("INSERT INTO Actors (Actor, URL) VALUES ('Sigourney Weaver', 'http://sw.example')"), {});
    const int link = admin->insert(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, 'Ripley')"),
                                   {movie, actor});
    const int director = admin->insert(QStringLiteral("INSERT INTO Directors (Director, URL) VALUES ('Ridley Scott', 'http://rs.example')"), {});
    admin->exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, 'Pilot', 1, 1)"), {movie});
    const QStringList before = everything();
    const int logBefore = logEntries();

    struct Case {
        const char *what;
        const char *sql;
        QVariantList values;
        bool refused; // false: the server runs it, and it changes nothing
    };
    const Case cases[] = {
        {"overwrite a filled title", "UPDATE Movies SET Title = 'Overwritten' WHERE ID = ?", {movie}, true},
        {"overwrite every title", "UPDATE Movies SET Title = 'Overwritten'", {}, true},
        {"blank a filled field", "UPDATE Movies SET Director = NULL WHERE ID = ?", {movie}, true},
        {"delete a movie", "DELETE FROM Movies WHERE ID = ?", {movie}, true},
        {"delete a cast link", "DELETE FROM MovActLink", {}, true},
        {"drop a table", "DROP TABLE Movies", {}, true},
        {"empty a table", "TRUNCATE TABLE Actors", {}, true},
        {"change a table", "ALTER TABLE Movies ADD COLUMN Junk INT", {}, true},
        {"change a role that is already filled", "UPDATE MovActLink SET PlayingAs = 'Someone else' WHERE ID = ?", {link}, true},
        {"change a filled web link", "UPDATE Actors SET URL = 'http://evil.example' WHERE ID = ?", {actor}, true},
        {"take the highest ID", "INSERT INTO Movies (ID, Title) VALUES (2147483000, 'Squatter')", {}, true},
        {"rewrite the log", "UPDATE Contributions SET Member = 'someone'", {}, true},
        {"erase the log", "DELETE FROM Contributions", {}, true},
        {"read the log", "SELECT * FROM Contributions", {}, true},
        {"drop a log trigger", "DROP TRIGGER MoviesLogInsert", {}, true},
        {"replace a fill procedure", "CREATE OR REPLACE PROCEDURE FillMovie() SELECT 1", {}, true},
        {"undo someone's work", "CALL UndoContributions('cinelog_admin')", {}, true},
        {"make an account", "CALL AddMember('intruder', 'password123', NULL, NULL, NULL)", {}, true},
        {"fill procedure on filled fields", "CALL FillMovie(?, 'Other', '1900', '1', 'http://other.example')", {movie}, false},
        {"fill procedure on a filled role", "CALL FillPart(?, 'Someone else')", {link}, false},
        {"fill procedure on a filled actor link", "CALL FillActor(?, 'http://evil.example')", {actor}, false},
        {"fill procedure on a filled director link", "CALL FillDirector(?, 'http://evil.example')", {director}, false},
    };
    CommunityConnection member(CommunityTestServer::connection(Db));
    for (const Case &c : cases) {
        bool threw = false;
        try {
            member.exec(QString::fromLatin1(c.sql), c.values);
        } catch (const CinelogError &e) {
            threw = true;
            // Refused for want of the right, not for some other reason.
            EXPECT_TRUE(e.number() == 1142 || e.number() == 1143 || e.number() == 1370 || e.number() == 1044)
                << c.what << ": " << e.number() << " " << e.description().toStdString();
            EXPECT_FALSE(e.description().contains(QStringLiteral("[ma-"))) << e.description().toStdString();
        }
        EXPECT_EQ(threw, c.refused) << c.what;
        EXPECT_EQ(everything(), before) << c.what;
    }
    EXPECT_EQ(logEntries(), logBefore);
    // Members still read everything and add records.
    EXPECT_EQ(member.exec(QStringLiteral("SELECT Title FROM Movies")).next(), true);
    member.insert(QStringLiteral("INSERT INTO Movies (Title) VALUES ('Aliens')"), {});
}

TEST_F(ServerRules, TheLogNamesTheMemberOfEachChange)
{
    {
        Member alice(QStringLiteral("alice"));
        const int alien = alice.movie(QStringLiteral("Alien"), QStringLiteral("1979"), QStringLiteral("Ridley Scott"));
        alice.cast(alien, QStringLiteral("Sigourney Weaver"), QStringLiteral("Ripley"));
        alice.upload(alien);
    }
    {
        // Bob knows the running time, a web link and one more actor of the same movie.
        Member bob(QStringLiteral("bob"));
        const int alien = bob.movie(QStringLiteral("alien"), QStringLiteral("1979"), QString(), QStringLiteral("117"),
                                    QStringLiteral("http://alien.example"));
        bob.cast(alien, QStringLiteral("Sigourney Weaver"), QStringLiteral("Ellen Ripley"), QStringLiteral("http://sw.example"));
        bob.cast(alien, QStringLiteral("Ian Holm"), QStringLiteral("Ash"));
        bob.upload(alien);
    }
    EXPECT_EQ(rowsOf(admin->exec(QStringLiteral(
                  "SELECT c.Member, c.Action, c.TableName, c.ColumnName, c.OldValue, c.NewValue, c.FromHost FROM Contributions c "
                  "ORDER BY c.Member, c.TableName, c.Action, c.ColumnName, c.NewValue"))),
              (QStringList{
                  QStringLiteral("alice|insert|Actors|<null>|<null>|Sigourney Weaver|127.0.0.1"),
                  QStringLiteral("alice|insert|Directors|<null>|<null>|Ridley Scott|127.0.0.1"),
                  QStringLiteral("alice|insert|MovActLink|<null>|<null>|1 / 1 / Ripley|127.0.0.1"),
                  QStringLiteral("alice|insert|Movies|<null>|<null>|Alien / 1979|127.0.0.1"),
                  QStringLiteral("bob|fill|Actors|URL|<null>|http://sw.example|127.0.0.1"),
                  QStringLiteral("bob|insert|Actors|<null>|<null>|Ian Holm|127.0.0.1"),
                  QStringLiteral("bob|insert|MovActLink|<null>|<null>|1 / 2 / Ash|127.0.0.1"),
                  QStringLiteral("bob|fill|Movies|RunningTime|<null>|117|127.0.0.1"),
                  QStringLiteral("bob|fill|Movies|URL|<null>|http://alien.example|127.0.0.1"),
              }));
    // The row of each entry is the record it is about.
    EXPECT_EQ(admin->scalar(QStringLiteral("SELECT COUNT(*) FROM Contributions c JOIN Movies m ON m.ID = c.RowID "
                                           "WHERE c.TableName = 'Movies' AND m.Title = 'Alien'"))
                  .toInt(),
              3);
}

TEST_F(ServerRules, AConnectionWithoutTlsIsRefused)
{
    const QString plain = CommunityTestServer::connectionWithoutCa(Db) + QStringLiteral(";FORCETLS=0;SSLVERIFY=0");
    try {
        CommunityConnection c(plain);
        FAIL() << "a member connected without encryption";
    } catch (const CinelogError &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("need an encrypted connection"))) << e.description().toStdString();
        EXPECT_FALSE(e.description().contains(QStringLiteral("[ma-"))) << e.description().toStdString();
    }
    // The same account, encrypted, gets in.
    EXPECT_NO_THROW(CommunityConnection c(CommunityTestServer::connection(Db)));
}

TEST_F(ServerRules, ACertificateThatDoesNotVerifyIsNamedAsTheProblem)
{
    const QString base = CommunityTestServer::connectionWithoutCa(Db);
    const struct {
        QString connection;
        QString says;
    } cases[] = {
        {base + QStringLiteral(";SSLCA=") + CommunityTestServer::otherCaFile(),
         QStringLiteral("its certificate could not be verified against the CA file ") + CommunityTestServer::otherCaFile()},
        {base, QStringLiteral("its certificate could not be verified against the certificate authorities of this system")},
        {base + QStringLiteral(";SSLCA=/nonexistent/ca.pem"), QStringLiteral("the CA file /nonexistent/ca.pem cannot be read")},
    };
    for (const auto &c : cases) {
        try {
            CommunityConnection conn(c.connection);
            ADD_FAILURE() << "connected with " << c.connection.toStdString();
        } catch (const CinelogError &e) {
            EXPECT_TRUE(e.description().startsWith(QStringLiteral("Could not connect to the community server 127.0.0.1:")))
                << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(c.says)) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(QStringLiteral("Options (\"Community CA file\")")))
                << e.description().toStdString();
            EXPECT_FALSE(e.description().contains(QStringLiteral("[ma-"))) << e.description().toStdString();
        }
    }
}

TEST_F(ServerRules, TheModeratorUndoesExactlyOneMembersContributions)
{
    // Bob's movie, with a part he left empty and an actor without a web link.
    Member bob(QStringLiteral("bob"));
    const int brazil = bob.movie(QStringLiteral("Brazil"), QStringLiteral("1985"), QStringLiteral("Terry Gilliam"));
    bob.cast(brazil, QStringLiteral("Jonathan Pryce"));
    bob.cast(brazil, QStringLiteral("Robert De Niro"), QStringLiteral("Tuttle"));
    bob.upload(brazil);
    const QStringList bobsOnly = everything();

    // Alice adds a movie of her own and fills and adds to Bob's.
    Member alice(QStringLiteral("alice"));
    const int alien = alice.movie(QStringLiteral("Alien"), QStringLiteral("1979"), QStringLiteral("Ridley Scott"));
    alice.cast(alien, QStringLiteral("Sigourney Weaver"), QStringLiteral("Ripley"));
    alice.cast(alien, QStringLiteral("Robert De Niro"), QStringLiteral("Nobody"));
    const int herBrazil = alice.movie(QStringLiteral("Brazil"), QStringLiteral("1985"), QStringLiteral("Terry Gilliam"),
                                      QStringLiteral("142"), QStringLiteral("http://brazil.example"));
    alice.cast(herBrazil, QStringLiteral("Jonathan Pryce"), QStringLiteral("Sam Lowry"), QStringLiteral("http://pryce.example"));
    alice.cast(herBrazil, QStringLiteral("Kim Greist"), QStringLiteral("Jill"));
    alice.upload(alien);
    alice.upload(herBrazil);
    ASSERT_NE(everything(), bobsOnly);
    const QString bobsLog = rowsOf(admin->exec(QStringLiteral("SELECT * FROM Contributions WHERE Member = 'bob'"))).join(QLatin1Char('\n'));

    CommunityConnection moderator(CommunityTestServer::connection(Db, QStringLiteral("moderator")));
    const int aliceEntries = int(rowsOf(moderator.exec(QStringLiteral("CALL ListContributions('alice')"))).size());
    EXPECT_EQ(aliceEntries, 11); // 7 records added, 4 fields filled
    QSqlQuery undo = moderator.exec(QStringLiteral("CALL UndoContributions('alice')"));
    ASSERT_TRUE(undo.next());
    EXPECT_EQ(undo.value(0).toInt(), 7); // Alien, Scott, Weaver, Greist and three cast links
    EXPECT_EQ(undo.value(1).toInt(), 4); // running time, web link, Pryce's part and his web link
    undo.finish();

    EXPECT_EQ(everything(), bobsOnly);
    EXPECT_EQ(rowsOf(admin->exec(QStringLiteral("SELECT * FROM Contributions WHERE Member = 'bob'"))).join(QLatin1Char('\n')),
              bobsLog);
    EXPECT_EQ(rowsOf(admin->exec(QStringLiteral("SELECT DISTINCT UndoneBy FROM Contributions WHERE Member = 'alice'"))),
              QStringList{QStringLiteral("moderator")});
    // Undone once: a second undo finds nothing left.
    QSqlQuery again = moderator.exec(QStringLiteral("CALL UndoContributions('alice')"));
    ASSERT_TRUE(again.next());
    EXPECT_EQ(again.value(0).toInt() + again.value(1).toInt(), 0);
}

// ---- limits ----

TEST_F(ServerRules, AccountLimitsMakeTheServerBusyNotBroken)
{
    admin->resetLimits();
    // One connection at a time for "tiny".
    {
        CommunityConnection first(CommunityTestServer::connection(Db, QStringLiteral("tiny")));
        try {
            CommunityConnection second(CommunityTestServer::connection(Db, QStringLiteral("tiny")));
            ADD_FAILURE() << "a second connection was let in";
        } catch (const CommunityBusy &e) {
            EXPECT_EQ(e.description(), QStringLiteral("The community server is busy, try later."));
            EXPECT_EQ(e.number(), 1226);
        }
    }
    // One second per statement for "quota".
    {
        CommunityConnection quota(CommunityTestServer::connection(Db, QStringLiteral("quota")));
        EXPECT_THROW(quota.exec(QStringLiteral("SELECT SLEEP(3)")), CommunityBusy);
    }
    // 40 statements an hour for "quota": an upload batch stops at the limit and says so.
    Member quota(QStringLiteral("quota"));
    QList<int> movies;
    for (int i = 0; i < 10; ++i)
        movies << quota.movie(QStringLiteral("Quota %1").arg(i), QStringLiteral("2000"));
    CommunityExchange::UploadBatch batch(quota.cat, *quota.remote, QStringLiteral("quota"), int(movies.size()));
    for (int id : movies)
        batch.upload(id);
    EXPECT_TRUE(batch.stoppedBusy());
    EXPECT_TRUE(batch.failures().isEmpty());
    EXPECT_GT(batch.uploaded(), 0);
    EXPECT_GT(batch.notTried(), 0);
    EXPECT_EQ(batch.uploaded() + batch.notTried(), 10);
    EXPECT_TRUE(batch.summary().contains(QStringLiteral("The community server is busy, try later.")));
    // What went up is marked, what did not is not; the server has exactly the marked ones.
    EXPECT_EQ(quota.cat.scalar(QStringLiteral("SELECT COUNT(*) FROM Movies WHERE web = 1")).toInt(), batch.uploaded());
    EXPECT_EQ(admin->scalar(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt(), batch.uploaded());
}

TEST_F(ServerRules, ABatchGoesOnPastAFailedMovieAndListsIt)
{
    Member m(QStringLiteral("cinelog"));
    const int first = m.movie(QStringLiteral("First"), QStringLiteral("2001"));
    const int broken = m.movie(QStringLiteral("Broken"), QStringLiteral("2002"));
    // Longer than a community name holds (the catalogue's own check stops counting at the NUL):
    // this movie is refused before anything is sent.
    m.cast(broken, QStringLiteral("x") + QChar(0) + QString(300, QLatin1Char('x')));
    const int last = m.movie(QStringLiteral("Last"), QStringLiteral("2003"));
    CommunityExchange::UploadBatch batch(m.cat, *m.remote, QStringLiteral("tester"), 3);
    EXPECT_TRUE(batch.upload(first));
    EXPECT_FALSE(batch.upload(broken));
    EXPECT_TRUE(batch.upload(last));
    EXPECT_FALSE(batch.stopped());
    ASSERT_EQ(batch.failures().size(), 1);
    EXPECT_EQ(batch.failures().first().movieId, broken);
    EXPECT_EQ(batch.failures().first().title, QStringLiteral("Broken"));
    const QString summary = batch.summary();
    EXPECT_TRUE(summary.startsWith(QStringLiteral("2 of 3 movies have been uploaded.\r\rThese could not be uploaded:\r- Broken: ")))
        << summary.toStdString();
    EXPECT_EQ(rowsOf(admin->exec(QStringLiteral("SELECT Title FROM Movies ORDER BY ID"))),
              (QStringList{QStringLiteral("First"), QStringLiteral("Last")}));
    EXPECT_EQ(rowsOf(m.cat.exec(QStringLiteral("SELECT Title, web FROM Movies ORDER BY ID"))),
              (QStringList{QStringLiteral("First|1"), QStringLiteral("Broken|0"), QStringLiteral("Last|1")}));
}

TEST(CommunityMessages, ServerTagsAreNotShown)
{
    // A failing statement on the real server: the reason is the server's text without the driver's
    // and server's version tags.
    CommunityConnection c(CommunityTestServer::connection(Db));
    try {
        c.exec(QStringLiteral("SELECT NoSuchColumn FROM Movies"));
        FAIL();
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.number(), 1054);
        EXPECT_TRUE(e.description().contains(QStringLiteral("failed: Unknown column 'NoSuchColumn'"))) << e.description().toStdString();
        EXPECT_FALSE(e.description().contains(QLatin1Char('['))) << e.description().toStdString();
    }
}

TEST(CommunitySettings, TlsIsRequiredUnlessTheStringSaysOtherwise)
{
    EXPECT_EQ(CommunitySettings::withTls(QStringLiteral("DRIVER=x;SERVER=h;")),
              QStringLiteral("DRIVER=x;SERVER=h;FORCETLS=1;SSLVERIFY=1"));
    EXPECT_EQ(CommunitySettings::withTls(QStringLiteral("DRIVER=x;sslverify=0;ForceTls=0")),
              QStringLiteral("DRIVER=x;sslverify=0;ForceTls=0"));
    EXPECT_EQ(CommunitySettings::withValue(QStringLiteral("DRIVER=x;SSLCA=old;PWD={a;b}"), QStringLiteral("SSLCA"),
                                           QStringLiteral("/my certs/ca;1.pem")),
              QStringLiteral("DRIVER=x;SSLCA={/my certs/ca;1.pem};PWD={a;b}"));
    EXPECT_EQ(CommunitySettings::valueOf(QStringLiteral("DRIVER=x;sslca={/a;b.pem}"), QStringLiteral("SSLCA")),
              QStringLiteral("/a;b.pem"));
}

}
