#include "Catalogue.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "CommunitySearch.h"
#include "CommunityTestServer.h"
#include "GTestSupport.h"

#include <QSqlRecord>
#include <QTcpServer>
#include <memory>

using CommunityTestServer::Admin;

namespace {

const QString Db = QStringLiteral("cinelog_unit");

class RecordingProgress : public ProgressSink
{
public:
    void ShowProgress(const QString &message, int minimum, int maximum) override
    {
        shown << QStringLiteral("%1 %2..%3").arg(message).arg(minimum).arg(maximum);
    }
    void UpdateProgress(qint64 value) override { updates << int(value); }
    QStringList shown;
    QList<int> updates;
};

// A catalogue in a temporary folder and the community test database, emptied.
class Community : public ::testing::Test
{
protected:
    void SetUp() override
    {
        admin = std::make_unique<Admin>(Db);
        admin->reset();
        try {
            CommunityTestServer::openNewCatalogue(cat, tc.path(QStringLiteral("movies.cnlg")));
        } catch (const std::exception &) {
            FAIL() << tc.prompts.messages().join(QLatin1Char('\n')).toStdString();
        }
        remote = std::make_unique<CommunityConnection>(CommunityTestServer::connection(Db));
    }

    int localMovie(const QString &title, const QString &year = QString(), const QString &director = QString(),
                   int episodeDisc = 0)
    {
        return cat.exec(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, Director, EpisodeDisc, web, onlineID) "
                                       "VALUES (?, ?, ?, ?, 0, 0)"),
                        {NullIfEmpty(title), NullIfEmpty(year), NullIfEmpty(director), episodeDisc})
            .lastInsertId()
            .toInt();
    }
    int localActor(const QString &name, const QString &url = QString())
    {
        return cat.exec(QStringLiteral("INSERT INTO Actors (Actor, URL) VALUES (?, ?)"), {name, NullIfEmpty(url)})
            .lastInsertId()
            .toInt();
    }
    void localCast(int movieId, int actorId, const QString &part = QString())
    {
        cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                 {movieId, actorId, NullIfEmpty(part)});
    }
    int remoteMovie(const QString &title, const QString &year = QString(), const QString &director = QString(),
                    int episodeDisc = 0)
    {
        return admin->insert(QStringLiteral("INSERT INTO Movies (Title, ReleaseYear, Director, EpisodeDisc) VALUES (?, ?, ?, ?)"),
                             {title, NullIfEmpty(year), NullIfEmpty(director), episodeDisc});
    }
    int remoteActor(const QString &name, const QString &url = QString())
    {
        return admin->insert(QStringLiteral("INSERT INTO Actors (Actor, URL) VALUES (?, ?)"), {name, NullIfEmpty(url)});
    }
    void remoteCast(int movieId, int actorId, const QString &part = QString())
    {
        admin->exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"),
                    {movieId, actorId, NullIfEmpty(part)});
    }
    QVariant local(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery q = cat.exec(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }
    // One row of a catalogue or community query as "a|b|c" lines, for comparing whole tables.
    static QStringList rowsOf(QSqlQuery q)
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
    QStringList localRows(const QString &sql, const QVariantList &values = {}) { return rowsOf(cat.exec(sql, values)); }
    QStringList remoteRows(const QString &sql, const QVariantList &values = {}) { return rowsOf(admin->exec(sql, values)); }

    GTestContext tc;
    Catalogue cat;
    std::unique_ptr<Admin> admin;
    std::unique_ptr<CommunityConnection> remote;
};

QStringList titlesOf(const QList<CommunityMatch> &matches)
{
    QStringList out;
    for (const CommunityMatch &m : matches)
        out << m.title + QLatin1Char('/') + m.releaseYear;
    return out;
}

// ---- search ----

TEST_F(Community, SearchListsExactMatchesFirstThenEachWordMatchOnce)
{
    remoteMovie(QStringLiteral("Murder, Inc."), QStringLiteral("1960"));
    remoteMovie(QStringLiteral("Monsters, Inc."), QStringLiteral("2001"));
    remoteMovie(QStringLiteral("Hamsters Unlimited"), QStringLiteral("1999"));
    remoteMovie(QStringLiteral("Monsters, Inc."), QStringLiteral("2013"));
    // Same title as an earlier word match: listed once.
    remoteMovie(QStringLiteral("Murder, Inc."), QStringLiteral("2011"));
    remoteMovie(QStringLiteral("Nothing Alike"), QStringLiteral("2000"));
    RecordingProgress progress;
    const auto found = SearchMovies(*remote, QStringLiteral("Monsters, Inc."), progress);
    // Both exact records, in the server's order; then word matches, which ignore letter case
    // ("Msters" is in "Hamsters").
    EXPECT_EQ(titlesOf(found), (QStringList{QStringLiteral("Monsters, Inc./2001"), QStringLiteral("Monsters, Inc./2013"),
                                            QStringLiteral("Hamsters Unlimited/1999"), QStringLiteral("Murder, Inc./1960")}));
    EXPECT_EQ(progress.shown, QStringList{QStringLiteral("Searching Cinelog... 0..1")});
    EXPECT_EQ(progress.updates, (QList<int>{0, 1}));
}

TEST_F(Community, SearchForATitleWithoutWordsRunsOnlyTheExactPhase)
{
    remoteMovie(QStringLiteral("The"), QStringLiteral("1999"));
    remoteMovie(QStringLiteral("The Thing"), QStringLiteral("1982"));
    RecordingProgress progress;
    EXPECT_EQ(titlesOf(SearchMovies(*remote, QStringLiteral("The"), progress)), QStringList{QStringLiteral("The/1999")});
    EXPECT_TRUE(progress.shown.isEmpty());
}

TEST_F(Community, SearchWordsAreTextNotPatterns)
{
    remoteMovie(QStringLiteral("Unrelated"), QStringLiteral("2000"));
    remoteMovie(QStringLiteral("Half_Baked"), QStringLiteral("1998"));
    RecordingProgress progress;
    // "100% Love" leaves the words "%" and "Love": "%" must not match every title.
    EXPECT_TRUE(SearchMovies(*remote, QStringLiteral("100% Love"), progress).isEmpty());
    EXPECT_EQ(titlesOf(SearchMovies(*remote, QStringLiteral("Half_Baked"), progress)),
              QStringList{QStringLiteral("Half_Baked/1998")});
    EXPECT_TRUE(SearchMovies(*remote, QStringLiteral("HalfXBaked"), progress).isEmpty());
}

// ---- download ----

TEST_F(Community, DownloadCopiesTheRecordDirectorCastAndEpisodes)
{
    const int r = admin->insert(
        QStringLiteral("INSERT INTO Movies (Title, Director, Genre1, Genre2, Genre3, ReleaseYear, RunningTime, NumDiscs, "
                       "URL, OrderBy, EpisodeDisc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {QStringLiteral("The Office: Season 1"), QStringLiteral("Ken Kwapis"), QStringLiteral("Comedy"), QVariant(),
         QStringLiteral("TV"), QStringLiteral("2005"), QStringLiteral("139"), QStringLiteral("2"),
         QStringLiteral("http://office.example"), QStringLiteral("Office: Season 1"), 1});
    admin->exec(QStringLiteral("INSERT INTO Directors (Director, URL) VALUES (?, ?)"),
                {QStringLiteral("Ken Kwapis"), QStringLiteral("http://kwapis.example")});
    const int carell = remoteActor(QStringLiteral("Steve Carell"), QStringLiteral("http://carell.example"));
    const int krasinski = remoteActor(QStringLiteral("John Krasinski"), QStringLiteral("http://jk.example"));
    const int fischer = remoteActor(QStringLiteral("Jenna Fischer"));
    remoteCast(r, carell, QStringLiteral("Michael Scott"));
    remoteCast(r, krasinski, QStringLiteral("Jim Halpert"));
    remoteCast(r, fischer, QStringLiteral("Pam Beesly"));
    for (int i = 1; i <= 3; ++i)
        admin->exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, 1)"),
                    {r, QStringLiteral("Episode %1").arg(i), i});

    const int l = localMovie(QStringLiteral("office"), QStringLiteral("2004"), QStringLiteral("Someone"));
    cat.exec(QStringLiteral("UPDATE Movies SET Medium = 'DVD', Rating = 'PG' WHERE ID = ?"), {l});
    // Already in the catalogue: the blank link is filled, the existing one stays; a part already
    // typed stays.
    const int localCarell = localActor(QStringLiteral("steve carell"));
    const int localKrasinski = localActor(QStringLiteral("John Krasinski"), QStringLiteral("http://mine.example"));
    localCast(l, localKrasinski, QStringLiteral("Jim"));
    localCast(l, localCarell);

    CommunityExchange::downloadMovie(cat, *remote, r, l);

    EXPECT_EQ(localRows(QStringLiteral("SELECT Title, Director, Genre1, Genre2, Genre3, Medium, Rating, ReleaseYear, "
                                       "RunningTime, NumDiscs, URL, OrderBy, EpisodeDisc, onlineID, web FROM Movies")),
              QStringList{QStringLiteral("The Office: Season 1|Ken Kwapis|Comedy|<null>|TV|DVD|PG|2005|139|2|"
                                         "http://office.example|Office: Season 1|1|%1|1")
                              .arg(r)});
    EXPECT_EQ(localRows(QStringLiteral("SELECT Director, URL FROM Directors")),
              QStringList{QStringLiteral("Ken Kwapis|http://kwapis.example")});
    const QStringList actors{QStringLiteral("steve carell|http://carell.example"),
                             QStringLiteral("John Krasinski|http://mine.example"), QStringLiteral("Jenna Fischer|<null>")};
    EXPECT_EQ(localRows(QStringLiteral("SELECT Actor, URL FROM Actors ORDER BY ID")), actors);
    const QStringList cast{QStringLiteral("John Krasinski|Jim"), QStringLiteral("steve carell|Michael Scott"),
                           QStringLiteral("Jenna Fischer|Pam Beesly")};
    const QString castSql = QStringLiteral("SELECT a.Actor, l.PlayingAs FROM MovActLink l JOIN Actors a ON a.ID = l.ActID "
                                           "WHERE l.MovID = ? ORDER BY l.rowid");
    EXPECT_EQ(localRows(castSql, {l}), cast);
    const QStringList episodes{QStringLiteral("Episode 1|1|1"), QStringLiteral("Episode 2|2|1"),
                               QStringLiteral("Episode 3|3|1")};
    const QString episodesSql = QStringLiteral("SELECT Title, epsNum, discNum FROM Episodes WHERE MovID = ? ORDER BY episodeID");
    EXPECT_EQ(localRows(episodesSql, {l}), episodes);

    // Copied again: nothing is added twice.
    CommunityExchange::downloadMovie(cat, *remote, r, l);
    EXPECT_EQ(localRows(QStringLiteral("SELECT Actor, URL FROM Actors ORDER BY ID")), actors);
    EXPECT_EQ(localRows(castSql, {l}), cast);
    EXPECT_EQ(localRows(episodesSql, {l}), episodes);
    EXPECT_EQ(local(QStringLiteral("SELECT COUNT(*) FROM Directors")).toInt(), 1);
}

TEST_F(Community, DownloadWithoutDirectorKeepsOursButEmptiesOtherFields)
{
    const int r = remoteMovie(QStringLiteral("Heat"));
    const int l = localMovie(QStringLiteral("Heat"), QStringLiteral("1995"), QStringLiteral("Michael Mann"));
    cat.exec(QStringLiteral("UPDATE Movies SET Genre1 = 'Crime', RunningTime = '170' WHERE ID = ?"), {l});
    CommunityExchange::downloadMovie(cat, *remote, r, l);
    EXPECT_EQ(localRows(QStringLiteral("SELECT Director, Genre1, ReleaseYear, RunningTime, web, onlineID FROM Movies")),
              QStringList{QStringLiteral("Michael Mann|<null>|<null>|<null>|1|%1").arg(r)});
}

TEST_F(Community, DownloadAddsEpisodesOnlyToAMovieWithoutAny)
{
    const int r = remoteMovie(QStringLiteral("Box Set"), QString(), QString(), 1);
    admin->exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, 'Pilot', 1, 1)"), {r});
    const int l = localMovie(QStringLiteral("Box Set"), QString(), QString(), 1);
    cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, 'Mine', 7, 2)"), {l});
    CommunityExchange::downloadMovie(cat, *remote, r, l);
    EXPECT_EQ(localRows(QStringLiteral("SELECT Title FROM Episodes")), QStringList{QStringLiteral("Mine")});
}

TEST_F(Community, DownloadThatFailsHalfwayLeavesTheMovieAsItWas)
{
    const int r = remoteMovie(QStringLiteral("Series"), QStringLiteral("2010"), QStringLiteral("A Director"), 1);
    remoteCast(r, remoteActor(QStringLiteral("Someone New")), QStringLiteral("Lead"));
    admin->exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, 'One', 1, 1)"), {r});
    const int l = localMovie(QStringLiteral("Series"), QStringLiteral("1999"));
    // The last step, adding episodes, cannot succeed in this catalogue.
    cat.exec(QStringLiteral("DROP TABLE Episodes"));
    const QString everything = QStringLiteral("SELECT Title, ReleaseYear, Director, web, onlineID FROM Movies");
    const QStringList before = localRows(everything);
    EXPECT_THROW(CommunityExchange::downloadMovie(cat, *remote, r, l), CinelogError);
    EXPECT_EQ(localRows(everything), before);
    EXPECT_EQ(local(QStringLiteral("SELECT COUNT(*) FROM Actors")).toInt(), 0);
    EXPECT_EQ(local(QStringLiteral("SELECT COUNT(*) FROM MovActLink")).toInt(), 0);
}

// ---- upload ----

TEST_F(Community, UploadCreatesTheRecordOnceAndMarksTheMovie)
{
    const int l = localMovie(QStringLiteral("Alien"), QStringLiteral("1979"), QStringLiteral("Ridley Scott"));
    cat.exec(QStringLiteral("UPDATE Movies SET Genre1 = 'Horror', RunningTime = '117', OrderBy = 'Alien', "
                            "URL = 'http://alien.example', NumDiscs = '1' WHERE ID = ?"),
             {l});
    cat.exec(QStringLiteral("INSERT INTO Directors (Director, URL) VALUES ('Ridley Scott', 'http://scott.example')"));
    const int n = CommunityExchange::uploadMovie(cat, *remote, l, tc.ctx().CurrentUser);
    const QString movies = QStringLiteral("SELECT ID, Title, Director, Genre1, Genre2, ReleaseYear, RunningTime, NumDiscs, "
                                          "URL, OrderBy, EpisodeDisc, UploadedBy FROM Movies");
    const QStringList expected{QStringLiteral("%1|Alien|Ridley Scott|Horror|<null>|1979|117|1|http://alien.example|Alien|0|tester").arg(n)};
    EXPECT_EQ(remoteRows(movies), expected);
    // Stored as typed: no stray terminating character travels with the text.
    EXPECT_EQ(remoteRows(QStringLiteral("SELECT HEX(Title), HEX(ReleaseYear) FROM Movies")),
              QStringList{QStringLiteral("416C69656E|31393739")});
    EXPECT_EQ(remoteRows(QStringLiteral("SELECT Director, URL FROM Directors")),
              QStringList{QStringLiteral("Ridley Scott|http://scott.example")});
    EXPECT_EQ(localRows(QStringLiteral("SELECT onlineID, web FROM Movies")), QStringList{QStringLiteral("%1|1").arg(n)});

    // Uploaded again (from another catalogue, too): found by title and year, not added twice.
    EXPECT_EQ(CommunityExchange::uploadMovie(cat, *remote, l, QStringLiteral("someone else")), n);
    EXPECT_EQ(remoteRows(movies), expected);
    EXPECT_EQ(admin->scalar(QStringLiteral("SELECT COUNT(*) FROM Directors")).toInt(), 1);
}

TEST_F(Community, UploadFillsOnlyBlankFieldsOfAnExistingRecord)
{
    const int filled = remoteMovie(QStringLiteral("Jaws"), QStringLiteral("1975"));
    const int kept = remoteMovie(QStringLiteral("Ran"), QStringLiteral("1985"), QStringLiteral("Akira Kurosawa"));
    admin->exec(QStringLiteral("UPDATE Movies SET RunningTime = '162', Genre1 = 'Drama' WHERE ID = ?"), {kept});
    const int jaws = localMovie(QStringLiteral("Jaws"), QStringLiteral("1975"), QStringLiteral("Steven Spielberg"));
    const int ran = localMovie(QStringLiteral("Ran"), QStringLiteral("1985"), QStringLiteral("Kurosawa"));
    for (int id : {jaws, ran})
        cat.exec(QStringLiteral("UPDATE Movies SET RunningTime = '124', Genre1 = 'Thriller', URL = 'http://x.example' "
                                "WHERE ID = ?"),
                 {id});
    EXPECT_EQ(CommunityExchange::uploadMovie(cat, *remote, jaws, QStringLiteral("tester")), filled);
    EXPECT_EQ(CommunityExchange::uploadMovie(cat, *remote, ran, QStringLiteral("tester")), kept);
    EXPECT_EQ(remoteRows(QStringLiteral("SELECT Title, Director, RunningTime, Genre1, URL, UploadedBy FROM Movies ORDER BY ID")),
              (QStringList{QStringLiteral("Jaws|Steven Spielberg|124|<null>|http://x.example|<null>"),
                           QStringLiteral("Ran|Akira Kurosawa|162|Drama|http://x.example|<null>")}));
}

TEST_F(Community, UploadAddsMissingActorsLinksAndEpisodes)
{
    const int l = localMovie(QStringLiteral("Friends: Season 1"), QStringLiteral("1994"), QString(), 1);
    localCast(l, localActor(QStringLiteral("Jennifer Aniston"), QStringLiteral("http://aniston.example")), QStringLiteral("Rachel"));
    localCast(l, localActor(QStringLiteral("Matthew Perry")), QStringLiteral("Chandler"));
    localCast(l, localActor(QStringLiteral("David Schwimmer")), QStringLiteral("Ross"));
    for (int i = 1; i <= 2; ++i)
        cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, ?, 1)"),
                 {l, QStringLiteral("Ep %1").arg(i), i});
    // The community knows one actor already (without a web link) and has this record with one link.
    const int r = remoteMovie(QStringLiteral("Friends: Season 1"), QStringLiteral("1994"), QString(), 1);
    const int aniston = remoteActor(QStringLiteral("jennifer aniston"));
    remoteCast(r, aniston);

    EXPECT_EQ(CommunityExchange::uploadMovie(cat, *remote, l, QStringLiteral("tester")), r);
    const QString actors = QStringLiteral("SELECT Actor, URL FROM Actors ORDER BY ID");
    const QString cast = QStringLiteral("SELECT a.Actor, l.PlayingAs FROM MovActLink l JOIN Actors a ON a.ID = l.ActID "
                                        "WHERE l.MovID = ? ORDER BY l.ID");
    const QString episodes = QStringLiteral("SELECT Title, epsNum, discNum FROM Episodes WHERE MovID = ? ORDER BY episodeID");
    const QStringList expectedActors{QStringLiteral("jennifer aniston|http://aniston.example"),
                                     QStringLiteral("Matthew Perry|<null>"), QStringLiteral("David Schwimmer|<null>")};
    const QStringList expectedCast{QStringLiteral("jennifer aniston|Rachel"), QStringLiteral("Matthew Perry|Chandler"),
                                   QStringLiteral("David Schwimmer|Ross")};
    const QStringList expectedEpisodes{QStringLiteral("Ep 1|1|1"), QStringLiteral("Ep 2|2|1")};
    EXPECT_EQ(remoteRows(actors), expectedActors);
    EXPECT_EQ(remoteRows(cast, {r}), expectedCast);
    EXPECT_EQ(remoteRows(episodes, {r}), expectedEpisodes);

    // Again: nothing doubles, and episodes are not added to a record that has some.
    cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, 'Ep 3', 3, 1)"), {l});
    CommunityExchange::uploadMovie(cat, *remote, l, QStringLiteral("tester"));
    EXPECT_EQ(remoteRows(actors), expectedActors);
    EXPECT_EQ(remoteRows(cast, {r}), expectedCast);
    EXPECT_EQ(remoteRows(episodes, {r}), expectedEpisodes);
}

TEST_F(Community, UploadThatFailsHalfwayAddsNothingAnywhere)
{
    const int l = localMovie(QStringLiteral("Half Done"), QStringLiteral("2001"), QStringLiteral("Dir"), 1);
    localCast(l, localActor(QStringLiteral("Actor One")), QStringLiteral("Part"));
    cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, 'Ep', 1, 1)"), {l});
    // The community refuses the last step, adding episodes.
    admin->exec(QStringLiteral("RENAME TABLE Episodes TO EpisodesAway"));
    struct Restore {
        Admin &a;
        ~Restore() { a.exec(QStringLiteral("RENAME TABLE EpisodesAway TO Episodes")); }
    } restore{*admin};
    EXPECT_THROW(CommunityExchange::uploadMovie(cat, *remote, l, QStringLiteral("tester")), CinelogError);
    for (const char *t : {"Movies", "Actors", "MovActLink", "Directors"})
        EXPECT_EQ(admin->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(t)).toInt(), 0) << t;
    EXPECT_EQ(localRows(QStringLiteral("SELECT onlineID, web FROM Movies")), QStringList{QStringLiteral("0|0")});
}

TEST_F(Community, QuotesInTitlesAndNamesTravelBothWays)
{
    const QString title = QStringLiteral("Say \"Hi\" to O'Brien's; DROP TABLE Movies; --");
    const QString name = QStringLiteral("Dan \"The Man\" O'Reilly");
    const int l = localMovie(title, QStringLiteral("2020"), name);
    cat.exec(QStringLiteral("INSERT INTO Directors (Director, URL) VALUES (?, 'http://d.example')"), {name});
    localCast(l, localActor(name), QStringLiteral("\"Doc\" O'Neil"));
    const int n = CommunityExchange::uploadMovie(cat, *remote, l, QStringLiteral("o'hara"));
    EXPECT_EQ(CommunityExchange::uploadMovie(cat, *remote, l, QStringLiteral("o'hara")), n);

    RecordingProgress progress;
    const auto found = SearchMovies(*remote, title, progress);
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found.first().id, n);
    EXPECT_EQ(found.first().title, title);

    const int other = localMovie(QStringLiteral("placeholder"));
    CommunityExchange::downloadMovie(cat, *remote, n, other);
    EXPECT_EQ(localRows(QStringLiteral("SELECT Title, Director, web FROM Movies WHERE ID = ?"), {other}),
              QStringList{title + QLatin1Char('|') + name + QStringLiteral("|1")});
    EXPECT_EQ(localRows(QStringLiteral("SELECT a.Actor, l.PlayingAs FROM MovActLink l JOIN Actors a ON a.ID = l.ActID "
                                       "WHERE l.MovID = ?"),
                        {other}),
              QStringList{name + QStringLiteral("|\"Doc\" O'Neil")});
    EXPECT_EQ(local(QStringLiteral("SELECT COUNT(*) FROM Actors")).toInt(), 1);
    EXPECT_EQ(admin->scalar(QStringLiteral("SELECT UploadedBy FROM Movies")).toString(), QStringLiteral("o'hara"));
}

// ---- connection ----

TEST_F(Community, AStoppedServerFailsClearlyAndLeavesTheCatalogueAlone)
{
    const int l = localMovie(QStringLiteral("Untouched"), QStringLiteral("2000"));
    const QString everything = QStringLiteral("SELECT Title, web, onlineID FROM Movies");
    const QStringList before = localRows(everything);
    try {
        CommunityConnection dead(CommunityTestServer::stoppedServerConnection());
        CommunityExchange::uploadMovie(cat, dead, l, QStringLiteral("tester"));
        FAIL() << "connected to a stopped server";
    } catch (const CinelogError &e) {
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("Could not connect to the community server 127.0.0.1:")))
            << e.description().toStdString();
    }
    EXPECT_EQ(localRows(everything), before);
}

TEST(CommunityConnection, AServerThatNeverAnswersTimesOut)
{
    // Accepts the connection (the system does) but never says a word.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    const QString conn = QStringLiteral("DRIVER=%1;SERVER=127.0.0.1;PORT=%2;DATABASE=x;UID=cinelog;PWD=x")
                             .arg(CommunityTestServer::driver())
                             .arg(silent.serverPort());
    EXPECT_THROW(CommunityConnection c(conn), CinelogError);
}

TEST(CommunityConnection, MissingSettingTellsHowToSetItUp)
{
    try {
        CommunityConnection c{QString()};
        FAIL();
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.description(), CommunitySettings::notSetUpMessage());
        EXPECT_TRUE(e.description().contains(QStringLiteral("Options")));
    }
}

TEST(CommunitySettings, TimeoutsAreAddedUnlessGiven)
{
    EXPECT_EQ(CommunitySettings::withTimeouts(QStringLiteral("DRIVER=x;SERVER=h;")),
              QStringLiteral("DRIVER=x;SERVER=h;CONN_TIMEOUT=5;READ_TIMEOUT=10;WRITE_TIMEOUT=10"));
    EXPECT_EQ(CommunitySettings::withTimeouts(QStringLiteral("DRIVER={a;b};read_timeout=3;PWD={p;w}")),
              QStringLiteral("DRIVER={a;b};read_timeout=3;PWD={p;w};CONN_TIMEOUT=5;WRITE_TIMEOUT=10"));
    EXPECT_EQ(CommunitySettings::serverOf(QStringLiteral("DRIVER=x;SERVER=db.example;PORT=3307;PWD=secret")),
              QStringLiteral("db.example:3307"));
}

}
