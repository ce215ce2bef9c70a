// The main window's reads and writes of one movie, on a real catalogue file: saving the fields
// (with the loans' copy of the title, and without disturbing the cover or the cast), copying a movie
// with its cast, the cast's own commands, the pick lists, and cleaning out unused names.

#include "Catalogue.h"
#include "GTestSupport.h"
#include "MovieStore.h"
#include "TestCatalogue.h"

#include <QSqlQuery>

namespace {

// The movie's stored fields as text, in a fixed order, so that two records compare at once.
QStringList fieldsOf(const MovieRecord &m)
{
    return {m.title, m.orderBy, m.director, m.genre1, m.genre2, m.genre3, m.medium, m.format, m.rating,
            m.releaseYear, m.runningTime, m.numDiscs, m.url, QString::number(m.userRating),
            m.episodeDisc ? QStringLiteral("episodes") : QStringLiteral("movie")};
}

MovieRecord sample()
{
    MovieRecord m;
    m.title = QStringLiteral("Say \"Cheese\"; 100% O'Brien");
    m.orderBy = QStringLiteral("Say Cheese");
    m.director = QStringLiteral("Éric Rohmer");
    m.genre1 = QStringLiteral("Comedy");
    m.genre2 = QStringLiteral("Drama");
    m.genre3 = QStringLiteral("Crime");
    m.medium = QStringLiteral("DVD");
    m.format = QStringLiteral("Widescreen");
    m.rating = QStringLiteral("PG-13");
    m.releaseYear = QStringLiteral("1986");
    m.runningTime = QStringLiteral("117");
    m.numDiscs = QStringLiteral("2");
    m.url = QStringLiteral("https://example.org/film?a=1&b=2");
    m.userRating = 6;
    m.episodeDisc = true;
    return m;
}

class MovieStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(openNewCatalogue(cat, t.path(QStringLiteral("films.cnlg")))); }

    int count(const QString &sql, std::initializer_list<QVariant> values = {})
    {
        return cat.scalar(sql, values).toInt();
    }
    MovieRecord loaded(int id)
    {
        MovieRecord m;
        EXPECT_TRUE(MovieStore(cat).load(id, m)) << id;
        return m;
    }
    void giveCover(int id)
    {
        cat.exec(QStringLiteral("UPDATE Movies SET CoverData = ? WHERE ID = ?"), {QByteArray("\x89PNG cover bytes", 16), id});
    }
    QStringList castTexts(int id)
    {
        QStringList out;
        for (const CastMember &c : MovieStore(cat).cast(id))
            out << c.text();
        return out;
    }
    int addActor(const QString &name)
    {
        return cat.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {name}).lastInsertId().toInt();
    }
    void link(int movie, int actor, const QVariant &role)
    {
        cat.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (?, ?, ?)"), {movie, actor, role});
    }

    GTestContext t;
    Catalogue cat;
};

} // namespace

TEST_F(MovieStoreTest, SaveStoresEveryFieldNewAndUpdatedAndEmptyFieldsAsNull)
{
    MovieStore store(cat);
    MovieRecord full = sample();
    const int id = store.save(full);
    ASSERT_GT(id, 0);
    EXPECT_EQ(fieldsOf(loaded(id)), fieldsOf(full));

    // A second movie of the same title is a new row, and the one returned is that new row.
    const int twin = store.save(full);
    EXPECT_NE(twin, id);
    EXPECT_EQ(count(QStringLiteral("SELECT max(ID) FROM Movies")), twin);

    // Update in place: every field changes, the row count does not; emptied text becomes Null.
    MovieRecord changed;
    changed.id = id;
    changed.title = QStringLiteral("Aliens");
    changed.userRating = 0;
    EXPECT_EQ(store.save(changed), id);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Movies")), 2);
    EXPECT_EQ(fieldsOf(loaded(id)), fieldsOf(changed));
    for (const char *column : {"OrderBy", "Director", "Genre1", "Genre2", "Genre3", "Medium", "Format", "Rating",
                               "ReleaseYear", "RunningTime", "NumDiscs", "URL"}) {
        // sql-identifiers: a column name from the list above
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Movies WHERE ID = ? AND %1 IS NULL").arg(QLatin1String(column)), {id}), 1)
            << column;
    }
    EXPECT_EQ(fieldsOf(loaded(twin)), fieldsOf(full)) << "the other movie is untouched";
}

TEST_F(MovieStoreTest, OverlongFieldIsRefusedByNameBeforeAnythingIsWritten)
{
    const struct {
        QString MovieRecord::*field;
        const char *name;
    } limited[] = {
        {&MovieRecord::title, "Title"},        {&MovieRecord::orderBy, "Order By"},
        {&MovieRecord::director, "Director"},  {&MovieRecord::genre1, "Genre 1"},
        {&MovieRecord::genre2, "Genre 2"},     {&MovieRecord::genre3, "Genre 3"},
        {&MovieRecord::medium, "Medium"},      {&MovieRecord::format, "Format"},
        {&MovieRecord::rating, "Rating"},      {&MovieRecord::releaseYear, "Year of Release"},
        {&MovieRecord::runningTime, "Running Time"}, {&MovieRecord::numDiscs, "# in Set"},
    };
    MovieStore store(cat);
    const int stored = store.save(sample());
    for (const auto &c : limited) {
        for (const int storedId : {0, stored}) {
            MovieRecord m = sample();
            m.id = storedId;
            m.title = QStringLiteral("Changed title");
            // 255 characters fit (astral characters count once); 256 do not.
            m.*c.field = QString(254, QLatin1Char('x')) + QString::fromUcs4(U"\U0001F3AC");
            EXPECT_NO_THROW(store.save(m)) << c.name;
            m.*c.field = QString(256, QLatin1Char('x'));
            try {
                store.save(m);
                ADD_FAILURE() << c.name << " of 256 characters was stored";
            } catch (const CinelogError &e) {
                EXPECT_TRUE(e.description().startsWith(QLatin1String(c.name) + QStringLiteral(" is too long")))
                    << e.description().toStdString();
            }
        }
    }
    // Only the fitting saves of new movies added rows; the stored movie keeps its last fitting save.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Movies WHERE length(Title) > 255 OR length(Director) > 255")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Movies")), 1 + 12);
}

TEST_F(MovieStoreTest, SaveKeepsCoverAndCastAndRenamesTheLoans)
{
    MovieStore store(cat);
    MovieRecord m = sample();
    m.id = store.save(m);
    giveCover(m.id);
    const int ann = addActor(QStringLiteral("Ann Berg"));
    link(m.id, ann, QStringLiteral("Mira"));
    link(m.id, addActor(QStringLiteral("Bo Lind")), QVariant());
    cat.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (?, ?, 'Zed', '2025-01-01')"),
             {m.id, m.title});
    cat.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut, DateIn) VALUES (?, ?, 'Ann', '2024-01-01', '2024-02-01')"),
             {m.id, m.title});

    const struct {
        QString title;
        QVariant loanTitle;
    } renames[] = {{QStringLiteral("Renamed"), QStringLiteral("Renamed")}, {QString(), QVariant()}};
    for (const auto &r : renames) {
        m.title = r.title;
        ASSERT_EQ(store.save(m), m.id);
        EXPECT_TRUE(loaded(m.id).hasCover) << "a save writes the fields, never the cover";
        EXPECT_EQ(castTexts(m.id), (QStringList{QStringLiteral("Ann Berg as Mira"), QStringLiteral("Bo Lind as ")}));
        QSqlQuery q = cat.exec(QStringLiteral("SELECT MovieTitle FROM LoanOut WHERE MovieID = ? ORDER BY ID"), {m.id});
        int loans = 0;
        while (q.next()) {
            ++loans;
            EXPECT_EQ(q.value(0).isNull(), r.loanTitle.isNull());
            EXPECT_EQ(q.value(0).toString(), r.loanTitle.toString());
        }
        EXPECT_EQ(loans, 2);
    }
}

TEST_F(MovieStoreTest, SaveOfAChangedOrRemovedMovieWritesNothing)
{
    MovieStore store(cat);
    MovieRecord m = sample();
    m.id = store.save(m);
    MovieRecord shown;
    ASSERT_TRUE(store.load(m.id, shown));

    // Another program changes the movie through its own connection to the file.
    {
        Catalogue other;
        ASSERT_TRUE(other.open(cat.path()).opened());
        other.exec(QStringLiteral("UPDATE Movies SET Title = 'Their title' WHERE ID = ?"), {m.id});
    }
    shown.title = QStringLiteral("My title");
    try {
        store.save(shown);
        ADD_FAILURE() << "a save over another program's change went through";
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.number(), MovieStore::ChangedElsewhere);
    }
    EXPECT_EQ(loaded(m.id).title, QStringLiteral("Their title"));
    EXPECT_EQ(store.save(shown, MovieStore::SaveMode::Overwrite), m.id);
    EXPECT_EQ(loaded(m.id).title, QStringLiteral("My title"));
    // Written here, the movie is current again: the next ordinary save goes through.
    shown.title = QStringLiteral("Mine again");
    EXPECT_EQ(store.save(shown), m.id);

    store.remove(m.id);
    try {
        store.save(shown);
        ADD_FAILURE() << "a removed movie was saved";
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.number(), 3021);
    }
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Movies")), 0);
}

TEST_F(MovieStoreTest, CopyDuplicatesFieldsAndCastButNotCoverEpisodesFlagOrLoans)
{
    MovieStore store(cat);
    const MovieRecord source = sample();
    const int id = store.save(source);
    giveCover(id);
    const int ann = addActor(QStringLiteral("Ann Berg"));
    link(id, addActor(QStringLiteral("Zed Ek")), QStringLiteral("Boss"));
    link(id, ann, QStringLiteral("Mira"));
    link(id, ann, QVariant()); // the same actor twice, once without a role
    cat.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (?, ?, 'Zed', '2025-01-01')"),
             {id, source.title});
    cat.exec(QStringLiteral("INSERT INTO Episodes (MovID, Title) VALUES (?, 'Pilot')"), {id});
    const QStringList cast = castTexts(id);

    const int copyId = store.copy(id);
    EXPECT_NE(copyId, id);
    MovieRecord expected = source;
    expected.episodeDisc = false;
    EXPECT_EQ(fieldsOf(loaded(copyId)), fieldsOf(expected));
    EXPECT_FALSE(loaded(copyId).hasCover);
    EXPECT_EQ(castTexts(copyId), cast);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM MovActLink WHERE MovID = ? AND PlayingAs IS NULL"), {copyId}), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM LoanOut WHERE MovieID = ?"), {copyId}), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Episodes WHERE MovID = ?"), {copyId}), 0);
    // The source is as it was.
    EXPECT_EQ(fieldsOf(loaded(id)), fieldsOf(source));
    EXPECT_TRUE(loaded(id).hasCover);
    EXPECT_EQ(castTexts(id), cast);

    // A movie gone meanwhile: nothing is added, not even a half copy.
    const int movies = count(QStringLiteral("SELECT count(*) FROM Movies"));
    const int links = count(QStringLiteral("SELECT count(*) FROM MovActLink"));
    try {
        store.copy(id + 1000);
        ADD_FAILURE() << "a copy of a missing movie went through";
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.number(), 3021);
    }
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Movies")), movies);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM MovActLink")), links);
}

TEST_F(MovieStoreTest, CastAddsUpdatesAndRemovesLinksNeverActors)
{
    MovieStore store(cat);
    const int movie = store.save(sample());
    const int other = store.save(sample());
    const int ann = addActor(QStringLiteral("Ann Berg"));
    link(other, ann, QStringLiteral("Elsewhere"));

    // Each step: actor, role typed; then whether an existing link was updated and the cast after it.
    const struct {
        const char *actor;
        const char *role;
        bool updated;
        QStringList cast;
    } steps[] = {
        {"Ann Berg", "Mira", false, {"Ann Berg as Mira"}},
        {"ann berg", "Mira Stone", true, {"Ann Berg as Mira Stone"}},              // the name matches whatever its case
        {"Ann Berg", "", false, {"Ann Berg as Mira Stone", "Ann Berg as "}},       // no role: listed twice
        {"Émile Ölund", "Der \"Boss\"", false, {"Ann Berg as Mira Stone", "Ann Berg as ", "Émile Ölund as Der \"Boss\""}},
        {"ÉMILE ÖLUND", "", false, {"Ann Berg as Mira Stone", "Ann Berg as ", "Émile Ölund as Der \"Boss\"", "Émile Ölund as "}},
    };
    for (const auto &s : steps) {
        bool updated = !s.updated;
        const int actorId = store.addOrUpdateCast(movie, QString::fromUtf8(s.actor), QString::fromUtf8(s.role), updated);
        EXPECT_EQ(updated, s.updated) << s.actor << " / " << s.role;
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Actors WHERE ID = ?"), {actorId}), 1) << s.actor;
        EXPECT_EQ(castTexts(movie), s.cast) << s.actor << " / " << s.role;
    }
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Actors")), 2) << "a name already there is not added again";
    EXPECT_EQ(castTexts(other), QStringList{QStringLiteral("Ann Berg as Elsewhere")});

    // Removing takes every link of that actor to this movie, and nothing else.
    store.removeCast(movie, ann);
    EXPECT_EQ(castTexts(movie), (QStringList{QStringLiteral("Émile Ölund as Der \"Boss\""), QStringLiteral("Émile Ölund as ")}));
    EXPECT_EQ(castTexts(other), QStringList{QStringLiteral("Ann Berg as Elsewhere")});
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Actors")), 2);

    // A link to an actor whose row is gone is not shown.
    cat.exec(QStringLiteral("DELETE FROM Actors WHERE ID = ?"), {ann});
    EXPECT_TRUE(castTexts(other).isEmpty());
}

TEST_F(MovieStoreTest, PickListsTakeANameOnceWhateverItsCase)
{
    MovieStore store(cat);
    const struct {
        bool (MovieStore::*ensure)(const QString &);
        QStringList (MovieStore::*list)();
        QStringList offered;
        QStringList listed;
    } lists[] = {
        {&MovieStore::ensureGenre, &MovieStore::genres,
         {"Épouvante", "drama", "ÉPOUVANTE", "", "Drama", "action"}, {"action", "drama", "Épouvante"}},
        {&MovieStore::ensureDirector, &MovieStore::directors,
         {"Ridley Scott", "RIDLEY SCOTT", "O'Brien \"Al\"", "o'brien \"al\""}, {"O'Brien \"Al\"", "Ridley Scott"}},
        {&MovieStore::ensureActor, &MovieStore::actors, {"Zed", "Åsa", "åsa", "zed "}, {"Zed", "zed ", "Åsa"}},
    };
    for (const auto &l : lists) {
        QStringList added;
        for (const QString &name : l.offered)
            if ((store.*l.ensure)(name))
                added << name;
        const QStringList listed = (store.*l.list)();
        EXPECT_EQ(listed, l.listed) << listed.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(added.size(), l.listed.size()) << added.join(QLatin1Char('|')).toStdString();
    }
}

TEST_F(MovieStoreTest, CleanRemovesOnlyNamesNoMovieUses)
{
    MovieStore store(cat);
    MovieRecord m = sample();
    m.director = QStringLiteral("ridley scott"); // names the director whatever its case
    const int movie = store.save(m);
    const int used = addActor(QStringLiteral("Used Actor"));
    link(movie, used, QStringLiteral("Lead"));
    addActor(QStringLiteral("Unused \"Quoted\" Actor"));
    addActor(QStringLiteral("Unused O'Brien"));
    for (const char *d : {"Ridley Scott", "James \"Jim\" Cameron", "Nobody"})
        store.ensureDirector(QString::fromUtf8(d));
    store.ensureGenre(QStringLiteral("Unused genre"));

    QList<std::pair<int, int>> reported;
    const CleanReport report = store.clean([&](int done, int total) { reported.append({done, total}); });
    EXPECT_EQ(report.actors, (QStringList{QStringLiteral("Unused \"Quoted\" Actor"), QStringLiteral("Unused O'Brien")}));
    EXPECT_EQ(report.directors, (QStringList{QStringLiteral("James \"Jim\" Cameron"), QStringLiteral("Nobody")}));
    EXPECT_EQ(store.actors(), QStringList{QStringLiteral("Used Actor")});
    EXPECT_EQ(store.directors(), QStringList{QStringLiteral("Ridley Scott")});
    EXPECT_EQ(store.genres(), QStringList{QStringLiteral("Unused genre")}) << "genres are not cleaned";
    EXPECT_EQ(castTexts(movie), QStringList{QStringLiteral("Used Actor as Lead")});
    ASSERT_GE(reported.size(), 2);
    EXPECT_EQ(reported.first(), std::make_pair(0, 6));
    EXPECT_EQ(reported.last(), std::make_pair(6, 6));
    EXPECT_EQ(report.message(), QStringLiteral("Cleaned: 2 unused Actors:\r   Unused \"Quoted\" Actor\r   Unused O'Brien\r\r"
                                               "2 unused Directors:\r   James \"Jim\" Cameron\r   Nobody\r\r"));

    // Nothing left to clean: a second run removes nothing.
    const CleanReport again = store.clean();
    EXPECT_TRUE(again.actors.isEmpty());
    EXPECT_TRUE(again.directors.isEmpty());
}
