#include "Episodes.h"
#include "GTestSupport.h"
#include "People.h"
#include "TestCatalogue.h"

using namespace People;

class PeopleCatalogue : public ::testing::Test
{
protected:
    int addPerson(Kind k, const QString &name, const QString &url = QStringLiteral("http://"))
    {
        const QString sql = k == Kind::Actors ? QStringLiteral("INSERT INTO Actors (Actor, URL) VALUES (?, ?)")
                                              : QStringLiteral("INSERT INTO Directors (Director, URL) VALUES (?, ?)");
        return cat->exec(sql, {name, url}).lastInsertId().toInt();
    }
    void link(int movieId, int actorId, const QString &role)
    {
        cat->exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"), {movieId, actorId, role});
    }
    QStringList names(Kind k, const QString &letter)
    {
        QStringList out;
        for (const Person &p : list(*cat, k, letter))
            out << p.name;
        return out;
    }

    GTestContext t;
    std::unique_ptr<Catalogue> cat = openTempCatalogue(t.ctx(), t.folder());
};

TEST_F(PeopleCatalogue, ListsByInitialLetterIgnoringCase)
{
    addPerson(Kind::Directors, QStringLiteral("Spielberg, Steven"));
    addPerson(Kind::Directors, QStringLiteral("scott, Ridley"));
    addPerson(Kind::Directors, QStringLiteral("Cameron, James"));
    addPerson(Kind::Directors, QStringLiteral("Švankmajer, Jan"));
    addPerson(Kind::Directors, QStringLiteral("šíma, Karel"));
    addPerson(Kind::Actors, QStringLiteral("Sigourney Weaver"));
    addPerson(Kind::Actors, QStringLiteral("100% Pure"));

    struct Case {
        Kind kind;
        QString letter;
        QStringList expected;
    } cases[] = {
        {Kind::Directors, QStringLiteral("S"), {QStringLiteral("scott, Ridley"), QStringLiteral("Spielberg, Steven")}},
        {Kind::Directors, QStringLiteral("s"), {QStringLiteral("scott, Ridley"), QStringLiteral("Spielberg, Steven")}},
        {Kind::Directors, QStringLiteral("Š"), {QStringLiteral("Švankmajer, Jan"), QStringLiteral("šíma, Karel")}},
        {Kind::Directors, QStringLiteral("X"), {}},
        // The blank entry lists everyone.
        {Kind::Directors, QStringLiteral(" "),
         {QStringLiteral("Cameron, James"), QStringLiteral("scott, Ridley"), QStringLiteral("šíma, Karel"),
          QStringLiteral("Spielberg, Steven"), QStringLiteral("Švankmajer, Jan")}},
        {Kind::Actors, QStringLiteral("S"), {QStringLiteral("Sigourney Weaver")}},
        // Wildcards typed as the prefix match themselves only.
        {Kind::Actors, QStringLiteral("%"), {}},
        {Kind::Actors, QStringLiteral("1"), {QStringLiteral("100% Pure")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE((kindText(c.kind) + QLatin1Char('/') + c.letter).toStdString());
        QStringList got = names(c.kind, c.letter);
        if (c.letter == QLatin1String(" "))
            EXPECT_EQ(got.size(), c.expected.size()) << "blank letter";
        else
            EXPECT_EQ(got, c.expected);
    }
}

TEST_F(PeopleCatalogue, AssociatedMoviesShowRolesAndMissingMovies)
{
    const int abyss = addMovie(*cat, QStringLiteral("The Abyss"), QStringLiteral("Cameron, James"));
    const int aliens = addMovie(*cat, QStringLiteral("Aliens"), QStringLiteral("cameron, james"));
    addMovie(*cat, QStringLiteral("Heat"), QStringLiteral("Mann, Michael"));
    const int ed = addPerson(Kind::Actors, QStringLiteral("Harris, Ed"));
    link(abyss, ed, QStringLiteral("Bud"));
    link(4711, ed, QStringLiteral("Gone"));
    link(aliens, ed, QString());

    EXPECT_EQ(associatedMovies(*cat, Kind::Actors, ed, QString()),
              (QStringList{QStringLiteral("The Abyss - Bud"), QStringLiteral("--- Assicated Movie ID: 4711 Not Found ---"),
                           QStringLiteral("Aliens - ")}));

    // A director is found by the name stored in the movies; saving the name as typed keeps it so.
    const int cameron = addPerson(Kind::Directors, QStringLiteral("Cameron,James"));
    save(*cat, Kind::Directors, cameron, QStringLiteral("Cameron, James"), QStringLiteral("https://example.org/jc"));
    const QList<Person> saved = list(*cat, Kind::Directors, QStringLiteral("C"));
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].name, QStringLiteral("Cameron, James"));
    EXPECT_EQ(saved[0].url, QStringLiteral("https://example.org/jc"));
    EXPECT_EQ(associatedMovies(*cat, Kind::Directors, cameron, saved[0].name),
              (QStringList{QStringLiteral("The Abyss"), QStringLiteral("Aliens")}));

    EXPECT_THROW(save(*cat, Kind::Actors, 999, QStringLiteral("Nobody"), QString()), CinelogError);
}

TEST_F(PeopleCatalogue, DeletingAnActorRemovesItsLinksInOneTransaction)
{
    const int abyss = addMovie(*cat, QStringLiteral("The Abyss"));
    const int ed = addPerson(Kind::Actors, QStringLiteral("Harris, Ed"));
    const int mary = addPerson(Kind::Actors, QStringLiteral("Mastrantonio, Mary"));
    link(abyss, ed, QStringLiteral("Bud"));
    link(abyss, mary, QStringLiteral("Lindsey"));
    auto count = [&](const char *sql, int id) { return cat->scalar(QString::fromLatin1(sql), {id}).toInt(); };

    // When removing the links fails, the actor stays as well.
    cat->exec(QStringLiteral("CREATE TRIGGER refuseLinkDelete BEFORE DELETE ON MovActLink "
                             "BEGIN SELECT RAISE(ABORT, 'links locked'); END"));
    EXPECT_THROW(remove(*cat, Kind::Actors, ed), CinelogError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE ID = ?", ed), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM MovActLink WHERE ActID = ?", ed), 1);
    cat->exec(QStringLiteral("DROP TRIGGER refuseLinkDelete"));

    remove(*cat, Kind::Actors, ed);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE ID = ?", ed), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM MovActLink WHERE ActID = ?", ed), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM MovActLink WHERE ActID = ?", mary), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Movies WHERE ID = ?", abyss), 1);

    // A director's name stays in the movies naming him.
    addMovie(*cat, QStringLiteral("Heat"), QStringLiteral("Mann, Michael"));
    const int mann = addPerson(Kind::Directors, QStringLiteral("Mann, Michael"));
    remove(*cat, Kind::Directors, mann);
    EXPECT_EQ(cat->scalar(QStringLiteral("SELECT COUNT(*) FROM Movies WHERE Director = ?"), {QStringLiteral("Mann, Michael")}).toInt(), 1);
}

TEST(PeopleAddresses, AreEncoded)
{
    EXPECT_EQ(imdbNameSearch(QStringLiteral("Ann Berg")).toString(QUrl::FullyEncoded),
              QStringLiteral("https://www.imdb.com/find?q=Ann%20Berg;nm=on;mx=20"));
    EXPECT_EQ(imdbNameSearch(QStringLiteral("O'Hara & Søn #2")).query(QUrl::FullyEncoded),
              QStringLiteral("q=O%27Hara%20%26%20S%C3%B8n%20%232;nm=on;mx=20"));

    EXPECT_EQ(siteUrl(QStringLiteral("http://example.org/a b")).toString(QUrl::FullyEncoded),
              QStringLiteral("http://example.org/a%20b"));
    EXPECT_EQ(siteUrl(QStringLiteral("www.example.org")).toString(QUrl::FullyEncoded), QStringLiteral("http://www.example.org"));
    EXPECT_FALSE(siteUrl(QStringLiteral("http://")).isValid());
    EXPECT_FALSE(siteUrl(QString()).isValid());
}

TEST_F(PeopleCatalogue, EpisodesSaveUpdateAndListInNumberOrder)
{
    const int disc = addMovie(*cat, QStringLiteral("Firefly"), QString(), QStringLiteral("3"));
    const int e10 = Episodes::save(*cat, 0, disc, QStringLiteral("Ten"), 10, 3);
    const int e2 = Episodes::save(*cat, 0, disc, QStringLiteral("Two"), 2, 1);
    Episodes::save(*cat, 0, disc + 1, QStringLiteral("Elsewhere"), 1, 1);
    EXPECT_EQ(Episodes::save(*cat, e2, disc, QStringLiteral("Two, corrected"), 2, 1), e2);

    const QList<Episode> eps = Episodes::list(*cat, disc);
    ASSERT_EQ(eps.size(), 2);
    EXPECT_EQ(eps[0].title, QStringLiteral("Two, corrected"));
    EXPECT_EQ(eps[1].id, e10);
    EXPECT_EQ(eps[1].epsNum, QStringLiteral("10"));
    EXPECT_EQ(eps[1].discNum, QStringLiteral("3"));

    EXPECT_THROW(Episodes::save(*cat, 999, disc, QStringLiteral("x"), 1, 1), CinelogError);
    Episodes::remove(*cat, e10);
    EXPECT_EQ(Episodes::list(*cat, disc).size(), 1);

    EXPECT_EQ(Episodes::number(QStringLiteral(" 4 ")), 4);
    EXPECT_EQ(Episodes::number(QStringLiteral("four")), std::nullopt);
    EXPECT_EQ(Episodes::number(QStringLiteral("4.5")), std::nullopt);
    EXPECT_EQ(Episodes::number(QStringLiteral("99999999999")), std::nullopt);
}
