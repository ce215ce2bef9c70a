// Hostile text through the community exchange: uploaded from one catalogue, found by a title
// search, downloaded into a fresh catalogue, against a real MariaDB server on 127.0.0.1.

#include "Catalogue.h"
#include "CommunityConnection.h"
#include "CommunityExchange.h"
#include "CommunitySearch.h"
#include "CommunityTestServer.h"
#include "GTestSupport.h"
#include "HostileTexts.h"
#include "Services.h"
#include "TitleWords.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <memory>

using CommunityTestServer::Admin;

namespace {

const QString Db = QStringLiteral("cinelog_unit");

// The UTF-8 bytes of a text as the server's HEX() shows them: what is stored, whatever the driver
// makes of it on the way back.
QString hexOf(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toHex().toUpper());
}

QStringList rowOf(QSqlQuery &q)
{
    QStringList cells;
    for (int i = 0; i < q.record().count(); ++i)
        cells << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
    return cells;
}

QList<QStringList> rowsOf(QSqlQuery q)
{
    QList<QStringList> out;
    while (q.next())
        out << rowOf(q);
    return out;
}

// The catalogue movie columns that go up and come down, with the names the editor gives them.
const struct {
    const char *column;
    const char *label;
} MovieText[] = {{"Title", "Title"},         {"Director", "Director"},       {"Genre1", "Genre 1"},
                 {"Genre2", "Genre 2"},      {"Genre3", "Genre 3"},          {"ReleaseYear", "Year of Release"},
                 {"RunningTime", "Running Time"}, {"NumDiscs", "# in Set"}, {"OrderBy", "Order By"}};

class HostileCommunity : public ::testing::Test
{
protected:
    void SetUp() override
    {
        admin = std::make_unique<Admin>(Db);
        admin->reset();
        CommunityTestServer::openNewCatalogue(mine, tc.path(QStringLiteral("mine.cnlg")));
        remote = std::make_unique<CommunityConnection>(CommunityTestServer::connection(Db));
    }

    // A catalogue movie whose every text (details, web link, director, one cast member and one
    // episode) is the given text.
    int movieCarrying(const QString &text)
    {
        QString columns, marks;
        QVariantList values;
        for (const auto &c : MovieText) {
            columns += QLatin1String(c.column) + QStringLiteral(", ");
            marks += QStringLiteral("?, ");
            values << text;
        }
        values << text;
        // sql-identifiers: the fixed column list above
        const int id = mine.exec(QStringLiteral("INSERT INTO Movies (") + columns
                                     + QStringLiteral("URL, EpisodeDisc, web, onlineID) VALUES (") + marks
                                     + QStringLiteral("?, 1, 0, 0)"),
                                 values)
                           .lastInsertId()
                           .toInt();
        mine.exec(QStringLiteral("INSERT INTO Directors (Director, URL) VALUES (?, ?)"), {text, text});
        const int actor =
            mine.exec(QStringLiteral("INSERT INTO Actors (Actor, URL) VALUES (?, ?)"), {text, text}).lastInsertId().toInt();
        mine.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"), {id, actor, text});
        mine.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title, epsNum, discNum) VALUES (?, ?, 1, 1)"), {id, text});
        return id;
    }

    int remoteCount(const char *table)
    {
        return admin->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toInt();
    }

    GTestContext tc;
    Catalogue mine;
    std::unique_ptr<Admin> admin;
    std::unique_ptr<CommunityConnection> remote;
};

TEST_F(HostileCommunity, EveryTextGoesUpIsFoundAndComesDownExactly)
{
    QHash<QString, int> localOf, remoteOf;
    for (const Hostile &h : hostileTexts())
        localOf[h.text] = movieCarrying(h.text);
    for (const Hostile &h : hostileTexts())
        remoteOf[h.text] = CommunityExchange::uploadMovie(mine, *remote, localOf[h.text], h.text);

    // Stored on the server byte for byte, each text its own record and its own people.
    const qsizetype n = hostileTexts().size();
    for (const char *table : {"Movies", "Directors", "Actors", "MovActLink", "Episodes"})
        EXPECT_EQ(remoteCount(table), n) << table;
    for (const Hostile &h : hostileTexts()) {
        const QString hex = hexOf(h.text);
        const int r = remoteOf[h.text];
        QStringList expected(qsizetype(std::size(MovieText)) + 2, hex);
        EXPECT_EQ(rowsOf(admin->exec(QStringLiteral("SELECT HEX(Title), HEX(Director), HEX(Genre1), HEX(Genre2), HEX(Genre3), "
                                                     "HEX(ReleaseYear), HEX(RunningTime), HEX(NumDiscs), HEX(OrderBy), "
                                                     "HEX(URL), HEX(UploadedBy) FROM Movies WHERE ID = ?"),
                                      {r})),
                  QList<QStringList>{expected})
            << h.name;
        EXPECT_EQ(rowsOf(admin->exec(QStringLiteral("SELECT HEX(a.Actor), HEX(a.URL), HEX(l.PlayingAs) FROM MovActLink l "
                                                     "JOIN Actors a ON a.ID = l.ActID WHERE l.MovID = ?"),
                                      {r})),
                  QList<QStringList>{QStringList(3, hex)})
            << h.name;
        EXPECT_EQ(admin->scalar(QStringLiteral("SELECT COUNT(*) FROM Directors WHERE HEX(Director) = ? AND HEX(URL) = ?"),
                                {hex, hex})
                      .toInt(),
                  1)
            << h.name;
        EXPECT_EQ(rowsOf(admin->exec(QStringLiteral("SELECT HEX(Title) FROM Episodes WHERE MovID = ?"), {r})),
                  QList<QStringList>{QStringList{hex}})
            << h.name;
    }

    // Uploading again finds each record by its title and year instead of adding a second one.
    for (const Hostile &h : hostileTexts())
        EXPECT_EQ(CommunityExchange::uploadMovie(mine, *remote, localOf[h.text], h.text), remoteOf[h.text]) << h.name;
    for (const char *table : {"Movies", "Directors", "Actors", "MovActLink", "Episodes"})
        EXPECT_EQ(remoteCount(table), n) << table << " after uploading again";

    // The title search lists the record itself first; anything else it lists holds one of the
    // title's words as plain text ('%' and '_' are not wildcards).
    NullProgress progress;
    for (const Hostile &h : hostileTexts()) {
        const QList<CommunityMatch> found = SearchMovies(*remote, h.text, progress);
        ASSERT_FALSE(found.isEmpty()) << h.name;
        EXPECT_EQ(found[0].id, remoteOf[h.text]) << h.name;
        EXPECT_EQ(found[0].title, h.text) << h.name;
        EXPECT_EQ(found[0].releaseYear, h.text) << h.name;
        const QStringList words = TitleWords::words(h.text);
        for (qsizetype i = 1; i < found.size(); ++i)
            EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                                    [&](const QString &w) {
                                        return !w.isEmpty() && found[i].title.contains(w, Qt::CaseInsensitive);
                                    }))
                << h.name << ": listed " << found[i].title.toStdString();
    }

    // Downloaded into a fresh catalogue, every value arrives as it was typed.
    Catalogue theirs;
    CommunityTestServer::openNewCatalogue(theirs, tc.path(QStringLiteral("theirs.cnlg")));
    for (const Hostile &h : hostileTexts()) {
        const int local = theirs.exec(QStringLiteral("INSERT INTO Movies (Title, web, onlineID) VALUES ('Blank', 0, 0)"))
                              .lastInsertId()
                              .toInt();
        CommunityExchange::downloadMovie(theirs, *remote, remoteOf[h.text], local);
        QStringList expected(qsizetype(std::size(MovieText)) + 1, h.text);
        expected << QStringLiteral("1") << QString::number(remoteOf[h.text]) << QStringLiteral("1");
        EXPECT_EQ(rowsOf(theirs.exec(QStringLiteral("SELECT Title, Director, Genre1, Genre2, Genre3, ReleaseYear, RunningTime, "
                                                     "NumDiscs, OrderBy, URL, EpisodeDisc, onlineID, web FROM Movies WHERE ID = ?"),
                                      {local})),
                  QList<QStringList>{expected})
            << h.name;
        EXPECT_EQ(rowsOf(theirs.exec(QStringLiteral("SELECT a.Actor, a.URL, l.PlayingAs FROM MovActLink l "
                                                     "JOIN Actors a ON a.ID = l.ActID WHERE l.MovID = ?"),
                                      {local})),
                  QList<QStringList>{QStringList(3, h.text)})
            << h.name;
        EXPECT_EQ(rowsOf(theirs.exec(QStringLiteral("SELECT Title FROM Episodes WHERE MovID = ?"), {local})),
                  QList<QStringList>{QStringList{h.text}})
            << h.name;
    }
    const QList<QStringList> directors = rowsOf(theirs.exec(QStringLiteral("SELECT Director, URL FROM Directors")));
    EXPECT_EQ(directors.size(), n);
    for (const Hostile &h : hostileTexts())
        EXPECT_TRUE(directors.contains(QStringList(2, h.text))) << h.name;
    EXPECT_EQ(theirs.scalar(QStringLiteral("SELECT COUNT(*) FROM Actors")).toInt(), n);
}

TEST_F(HostileCommunity, TextOverTheLimitIsRefusedByNameAndNothingReachesTheCommunity)
{
    // A catalogue can hold longer text than the community takes: SQLite's length() stops counting
    // at a NUL, and files written by other programs need not carry the catalogue's own check. The
    // over-long values are written past that check here.
    mine.exec(QStringLiteral("PRAGMA ignore_check_constraints = ON"));
    struct Case {
        QString field;
        QString text;
        int movieId = 0;
        QString uploadedBy = QStringLiteral("uploader");
    };
    QList<Case> cases;
    int k = 0;
    // A movie within the limits, then one value of it (set by sql on movie ?2) made over-long.
    const auto add = [&](const QString &field, const QString &text, const QString &sql) {
        Case c{field, text, movieCarrying(QStringLiteral("Movie %1").arg(++k))};
        if (sql.isEmpty())
            c.uploadedBy = text;
        else
            mine.exec(sql, {text, c.movieId});
        cases << c;
    };
    for (const Hostile &h : overLongTexts()) {
        for (const auto &c : MovieText)
            // sql-identifiers: fixed column names from the table above
            add(QLatin1String(c.label), h.text,
                QStringLiteral("UPDATE Movies SET ") + QLatin1String(c.column) + QStringLiteral(" = ? WHERE ID = ?"));
        add(QStringLiteral("Actor"), h.text,
            QStringLiteral("UPDATE Actors SET Actor = ? WHERE ID IN (SELECT ActID FROM MovActLink WHERE MovID = ?)"));
        add(QStringLiteral("Playing As"), h.text, QStringLiteral("UPDATE MovActLink SET PlayingAs = ? WHERE MovID = ?"));
        add(QStringLiteral("Episode Title"), h.text, QStringLiteral("UPDATE Episodes SET Title = ? WHERE MovID = ?"));
        add(QStringLiteral("Uploaded By"), h.text, QString());
    }
    mine.exec(QStringLiteral("PRAGMA ignore_check_constraints = OFF"));

    for (const Case &c : cases) {
        const std::string what = c.field.toStdString() + (c.text.contains(QChar(0)) ? " (with a NUL)" : "");
        try {
            CommunityExchange::uploadMovie(mine, *remote, c.movieId, c.uploadedBy);
            ADD_FAILURE() << what << ": 256 characters were uploaded";
        } catch (const CinelogError &e) {
            EXPECT_EQ(e.description(), c.field + QStringLiteral(" is too long: at most 255 characters can be stored.")) << what;
        }
        EXPECT_EQ(mine.scalar(QStringLiteral("SELECT web FROM Movies WHERE ID = ?"), {c.movieId}).toInt(), 0) << what;
        EXPECT_EQ(mine.scalar(QStringLiteral("SELECT onlineID FROM Movies WHERE ID = ?"), {c.movieId}).toInt(), 0) << what;
    }
    for (const char *table : {"Movies", "Directors", "Actors", "MovActLink", "Episodes"})
        EXPECT_EQ(remoteCount(table), 0) << table;

    // The connection is still fit for use: a movie within the limits goes up whole.
    const int fine = movieCarrying(hostileTexts().first().text);
    const int r = CommunityExchange::uploadMovie(mine, *remote, fine, QStringLiteral("uploader"));
    EXPECT_EQ(mine.scalar(QStringLiteral("SELECT onlineID FROM Movies WHERE ID = ?"), {fine}).toInt(), r);
    for (const char *table : {"Movies", "Directors", "Actors", "MovActLink", "Episodes"})
        EXPECT_EQ(remoteCount(table), 1) << table;
}

} // namespace
