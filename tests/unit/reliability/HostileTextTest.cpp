// Text that trips up statement building, LIKE patterns, encodings or length limits, through every
// core operation that stores or finds text typed by the user or read from a workbook.

#include "Catalogue.h"
#include "TestCatalogue.h"
#include "Episodes.h"
#include "GTestSupport.h"
#include "HostileTexts.h"
#include "Loans.h"
#include "MovieSearch.h"
#include "MovieStore.h"
#include "People.h"
#include "Reports.h"
#include "Services.h"
#include "UserLists.h"
#include "WorkbookImport.h"
#include "WorkbookReader.h"

#include <QFile>
#include <QSqlQuery>
#include <algorithm>

namespace {

// The write is refused with the field named as the window names it, whatever form the text has.
template <typename Write>
void expectRefused(const QString &field, const char *textName, Write write)
{
    try {
        write();
        ADD_FAILURE() << field.toStdString() << ": " << textName << " was accepted";
    } catch (const CinelogError &e) {
        EXPECT_EQ(e.description(), field + QStringLiteral(" is too long: at most 255 characters can be stored.")) << textName;
    }
}

class HostileText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString p = t.path(QStringLiteral("hostile.cnlg"));
        ASSERT_TRUE(createCatalogue(p));
        ASSERT_TRUE(cat.isOpen() || cat.open(p).opened());
    }

    int count(const char *table) { return cat.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toInt(); }

    GTestContext t;
    Catalogue cat;
    MovieStore store{cat};
};

QList<int> ids(const QList<FoundMovie> &found)
{
    QList<int> out;
    for (const FoundMovie &f : found)
        out << f.id;
    return out;
}

TEST_F(HostileText, EditorStoresLoadsAndFindsEveryTextExactly)
{
    QHash<QString, int> idOf;
    for (const Hostile &h : hostileTexts()) {
        MovieRecord m;
        m.title = m.director = m.genre1 = m.medium = m.format = m.rating = m.url = h.text;
        int id = 0;
        cat.transaction([&] {
            id = store.save(m);
            bool updated = false;
            store.addOrUpdateCast(id, h.text.left(240) + QStringLiteral(" actor"), h.text, updated);
        });
        store.ensureDirector(h.text);
        EXPECT_FALSE(store.ensureDirector(h.text)) << h.name << ": the same director was added twice";
        idOf[h.text] = id;
    }
    MovieSearch search(cat);
    for (const Hostile &h : hostileTexts()) {
        const int id = idOf[h.text];
        MovieRecord back;
        ASSERT_TRUE(store.load(id, back)) << h.name;
        for (const QString *field : {&back.title, &back.director, &back.genre1, &back.medium, &back.format, &back.rating, &back.url})
            EXPECT_EQ(*field, h.text) << h.name;
        const QList<CastMember> cast = store.cast(id);
        ASSERT_EQ(cast.size(), 1) << h.name;
        EXPECT_EQ(cast[0].actor, h.text.left(240) + QStringLiteral(" actor")) << h.name;
        EXPECT_EQ(cast[0].playingAs, h.text) << h.name;
        EXPECT_TRUE(store.directors().contains(h.text)) << h.name;

        SearchCriteria exact;
        exact.title = h.text;
        exact.exactMatch = true;
        EXPECT_EQ(ids(search.search(exact)), QList<int>{id}) << h.name;
        SearchCriteria contains;
        contains.title = h.text;
        EXPECT_TRUE(ids(search.search(contains)).contains(id)) << h.name;
        SearchCriteria byActor;
        byActor.actor = h.text.left(240) + QStringLiteral(" actor");
        EXPECT_EQ(ids(search.search(byActor)), QList<int>{id}) << h.name;
        SearchCriteria byDirector;
        byDirector.director = h.text;
        byDirector.exactMatch = true;
        EXPECT_EQ(ids(search.search(byDirector)), QList<int>{id}) << h.name;
    }
    EXPECT_EQ(count("Movies"), hostileTexts().size());
}

TEST_F(HostileText, TextOverTheLimitIsRefusedByNameAndNothingIsHalfSaved)
{
    MovieRecord kept;
    kept.title = QStringLiteral("Kept");
    const int keptId = store.save(kept);
    const QString tooLong(256, QLatin1Char('x'));
    const struct {
        const char *label;
        QString MovieRecord::*field;
    } fields[] = {{"Title", &MovieRecord::title}, {"Director", &MovieRecord::director}, {"Genre 1", &MovieRecord::genre1},
                  {"Genre 3", &MovieRecord::genre3}, {"Medium", &MovieRecord::medium}, {"Format", &MovieRecord::format},
                  {"Rating", &MovieRecord::rating}, {"Year of Release", &MovieRecord::releaseYear},
                  {"Running Time", &MovieRecord::runningTime}, {"# in Set", &MovieRecord::numDiscs}};
    for (const auto &f : fields) {
        for (const int id : {0, keptId}) {
            MovieRecord m;
            m.id = id;
            m.title = QStringLiteral("Changed");
            m.*f.field = tooLong;
            try {
                store.save(m);
                ADD_FAILURE() << f.label << ": 256 characters were accepted";
            } catch (const CinelogError &e) {
                EXPECT_TRUE(e.description().startsWith(QLatin1String(f.label))) << e.description().toStdString();
                EXPECT_TRUE(e.description().contains(QLatin1String("255"))) << e.description().toStdString();
            }
        }
    }
    // Cast rows go with their movie: a name over the limit takes the movie's save back with it.
    for (const auto &[actor, role] : {std::pair{tooLong, QStringLiteral("Role")}, std::pair{QStringLiteral("Actor"), tooLong}}) {
        try {
            cat.transaction([&] {
                MovieRecord m;
                m.title = QStringLiteral("With cast");
                const int id = store.save(m);
                bool updated = false;
                store.addOrUpdateCast(id, actor, role, updated);
            });
            ADD_FAILURE() << "a cast row over the limit was accepted";
        } catch (const CinelogError &e) {
            EXPECT_TRUE(e.description().contains(QLatin1String("is too long: at most 255 characters")))
                << "unclear message: " << e.description().toStdString();
        }
    }
    EXPECT_EQ(count("Movies"), 1);
    EXPECT_EQ(count("Actors"), 0);
    EXPECT_EQ(count("MovActLink"), 0);
    MovieRecord back;
    ASSERT_TRUE(store.load(keptId, back));
    EXPECT_EQ(back.title, QStringLiteral("Kept"));
    EXPECT_TRUE(back.director.isEmpty());
}

TEST_F(HostileText, LoansKeepAndFindEveryBorrower)
{
    MovieRecord m;
    m.title = QStringLiteral("Lent");
    const int movieId = store.save(m);
    for (const Hostile &h : hostileTexts()) {
        const int loanId = Loans::recordLoan(cat, movieId, m.title, h.text, QDate(2025, 12, 1));
        const QList<LoanRow> rows = Loans::loans(cat, Loans::Filter::All, h.text);
        ASSERT_EQ(rows.size(), 1) << h.name;
        EXPECT_EQ(rows[0].id, loanId) << h.name;
        EXPECT_EQ(rows[0].loanedTo, h.text) << h.name;
        EXPECT_TRUE(Loans::borrowers(cat).contains(h.text)) << h.name;
    }
    EXPECT_EQ(Loans::openBorrowers(cat, movieId).size(), hostileTexts().size());
    const int before = count("LoanOut");
    for (const Hostile &h : overLongTexts())
        expectRefused(QStringLiteral("Loaned To"), h.name, [&] { Loans::recordLoan(cat, movieId, m.title, h.text, QDate(2025, 12, 2)); });
    EXPECT_EQ(count("LoanOut"), before);
}

TEST_F(HostileText, UserListsKeepListPrintAndRemoveByTheExactName)
{
    // Every text is a list name, the login that made the list and the title on it. Next to each
    // text with '%' or '_' sits a list it would match as a LIKE pattern; the two must stay apart.
    const QString someoneElse = QStringLiteral("someone else");
    QHash<QString, int> entryOf;
    QStringList lookalikes;
    int movieId = 100;
    for (const Hostile &h : hostileTexts()) {
        entryOf[h.text] = UserLists::addEntry(cat, ++movieId, h.text, h.text, h.text);
        const QString lookalike = patternLookalike(h.text);
        if (!lookalike.isEmpty()) {
            UserLists::addEntry(cat, 900 + movieId, lookalike, someoneElse, lookalike);
            lookalikes << lookalike;
        }
    }
    ASSERT_FALSE(lookalikes.isEmpty());

    const QStringList names = UserLists::names(cat);
    EXPECT_EQ(names.size(), hostileTexts().size() + lookalikes.size());
    for (const QString &lookalike : lookalikes)
        EXPECT_EQ(names.count(lookalike), 1) << lookalike.toStdString();
    movieId = 100;
    for (const Hostile &h : hostileTexts()) {
        ++movieId;
        EXPECT_EQ(names.count(h.text), 1) << h.name;
        EXPECT_EQ(UserLists::proposedName(cat, h.text), h.text) << h.name;
        const QList<UserListEntry> entries = UserLists::entries(cat, h.text);
        ASSERT_EQ(entries.size(), 1) << h.name;
        EXPECT_EQ(entries[0].id, entryOf[h.text]) << h.name;
        EXPECT_EQ(entries[0].movieId, movieId) << h.name;
        EXPECT_EQ(entries[0].movieTitle, h.text) << h.name;

        report::ReportJob job = report::arUsersList(t.ctx(), cat, report::UsersListReportParams{h.text});
        const report::ReportDocument doc = job.run(t.ctx());
        EXPECT_EQ(doc.textsOf(QStringLiteral("lblName")), QStringList{QStringLiteral("Movie List for ") + h.text}) << h.name;
        EXPECT_EQ(doc.textsOf(QStringLiteral("fldMovieTitle")), QStringList{h.text}) << h.name;
    }

    movieId = 100;
    for (const Hostile &h : hostileTexts()) {
        UserLists::removeMovie(cat, h.text, ++movieId);
        UserLists::removeMovie(cat, h.text, 900 + movieId); // the look-alike's movie, on the look-alike's list only
        EXPECT_TRUE(UserLists::entries(cat, h.text).isEmpty()) << h.name;
    }
    EXPECT_EQ(UserLists::names(cat), [&] {
        QStringList sorted = lookalikes;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        return sorted;
    }());
    for (const QString &lookalike : lookalikes)
        EXPECT_EQ(UserLists::entries(cat, lookalike).size(), 1) << lookalike.toStdString() << " lost its entry";
}

TEST_F(HostileText, UserListTextOverTheLimitIsRefusedByNameAndNothingIsSaved)
{
    UserLists::addEntry(cat, 1, QStringLiteral("Heat"), QStringLiteral("kim"), QStringLiteral("Kim's list"));
    for (const Hostile &h : overLongTexts()) {
        const struct {
            const char *label;
            QString title, user, list;
        } cases[] = {
            {"Display Name", QStringLiteral("Heat"), QStringLiteral("kim"), h.text},
            {"User Name", QStringLiteral("Heat"), h.text, QStringLiteral("Kim's list")},
            {"Movie Title", h.text, QStringLiteral("kim"), QStringLiteral("Kim's list")},
        };
        for (const auto &c : cases) {
            try {
                UserLists::addEntry(cat, 2, c.title, c.user, c.list);
                ADD_FAILURE() << h.name << ": " << c.label << " was accepted";
            } catch (const CinelogError &e) {
                EXPECT_EQ(e.description(),
                          QLatin1String(c.label) + QStringLiteral(" is too long: at most 255 characters can be stored."))
                    << h.name;
            }
        }
    }
    EXPECT_EQ(count("UserList"), 1);
    EXPECT_EQ(UserLists::names(cat), QStringList{QStringLiteral("Kim's list")});
    EXPECT_EQ(UserLists::entries(cat, QStringLiteral("Kim's list")).size(), 1);
}

TEST_F(HostileText, PeopleAreListedByTheirOwnFirstLetters)
{
    for (const Hostile &h : hostileTexts())
        store.ensureActor(h.text);
    const QList<Person> all = People::list(cat, People::Kind::Actors, QString());
    ASSERT_EQ(all.size(), hostileTexts().size());
    for (const Hostile &h : hostileTexts()) {
        const QString prefix = h.text.trimmed().left(2);
        if (prefix.isEmpty())
            continue;
        const QList<Person> found = People::list(cat, People::Kind::Actors, prefix);
        EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const Person &p) { return p.name == h.text; })) << h.name;
        for (const Person &p : found)
            EXPECT_TRUE(p.name.startsWith(prefix, Qt::CaseInsensitive))
                << h.name << ": the prefix " << prefix.toStdString() << " listed " << p.name.toStdString();
    }
    const Person first = all.first();
    for (const Hostile &h : hostileTexts()) {
        People::save(cat, People::Kind::Actors, first.id, h.text.left(250) + QStringLiteral("!"), h.text);
        const QList<Person> now = People::list(cat, People::Kind::Actors, QString());
        EXPECT_TRUE(std::any_of(now.begin(), now.end(), [&](const Person &p) {
            return p.id == first.id && p.name == h.text.left(250) + QStringLiteral("!") && p.url == h.text;
        })) << h.name;
    }
    const QString nameBefore = People::list(cat, People::Kind::Actors, QString()).first().name;
    for (const Hostile &h : overLongTexts())
        expectRefused(QStringLiteral("Name"), h.name, [&] { People::save(cat, People::Kind::Actors, first.id, h.text, QString()); });
    const QList<Person> after = People::list(cat, People::Kind::Actors, QString());
    EXPECT_EQ(after.size(), hostileTexts().size());
    EXPECT_EQ(after.first().name, nameBefore);
}

TEST_F(HostileText, EpisodeTitlesAreStoredExactly)
{
    MovieRecord m;
    m.title = QStringLiteral("Series");
    m.episodeDisc = true;
    const int movieId = store.save(m);
    int n = 0;
    for (const Hostile &h : hostileTexts())
        Episodes::save(cat, 0, movieId, h.text, ++n, 1);
    const QList<Episode> episodes = Episodes::list(cat, movieId);
    ASSERT_EQ(episodes.size(), hostileTexts().size());
    for (int i = 0; i < episodes.size(); ++i)
        EXPECT_EQ(episodes[i].title, hostileTexts()[i].text) << hostileTexts()[i].name;
    for (const Hostile &h : overLongTexts()) {
        expectRefused(QStringLiteral("Title"), h.name, [&] { Episodes::save(cat, 0, movieId, h.text, 99, 1); });
        expectRefused(QStringLiteral("Title"), h.name, [&] { Episodes::save(cat, episodes[0].id, movieId, h.text, 1, 1); });
    }
    const QList<Episode> after = Episodes::list(cat, movieId);
    ASSERT_EQ(after.size(), hostileTexts().size());
    EXPECT_EQ(after[0].title, hostileTexts()[0].text);
}

QByteArray csvField(const QString &text)
{
    QByteArray f = text.toUtf8();
    f.replace('"', "\"\"");
    return '"' + f + '"';
}

TEST_F(HostileText, ImportedCellsArriveExactlyOrNotAtAll)
{
    QByteArray csv = "Title,Director,Actor 1\n";
    QStringList titles;
    for (const Hostile &h : hostileTexts()) {
        if (h.text.contains(QChar(0)))
            continue; // a NUL byte makes the file binary; the readers' fuzzing covers that
        titles << h.text;
        csv += csvField(h.text) + ',' + csvField(h.text) + ',' + csvField(h.text.left(250) + QStringLiteral(" a")) + '\n';
    }
    const QString path = t.path(QStringLiteral("hostile.csv"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(csv);
    f.close();
    FieldLinks links{};
    links[ImportField::Title] = 1;
    links[ImportField::Director] = 2;
    links[ImportField::Actor1] = 3;
    NullProgress progress;
    const SheetData sheet = openWorkbook(path)->readSheet(0);
    WorkbookImport::run(sheet, links, cat, cat.path(), progress);
    QSqlQuery q = cat.exec(QStringLiteral("SELECT Title, Director FROM Movies ORDER BY ID"));
    QStringList stored;
    while (q.next()) {
        stored << q.value(0).toString();
        EXPECT_EQ(q.value(1).toString(), q.value(0).toString());
    }
    // Text that is only spaces is no title: that row is refused. Every other text arrives as it was.
    QStringList expected;
    for (const QString &title : titles)
        if (!title.trimmed().isEmpty())
            expected << title;
    ASSERT_EQ(stored.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(stored[i], expected[i]);

    // One cell over the limit: that row is refused, naming the place, and nothing of it is stored.
    const int before = count("Movies");
    const QString longPath = t.path(QStringLiteral("long.csv"));
    QFile lf(longPath);
    ASSERT_TRUE(lf.open(QIODevice::WriteOnly));
    lf.write("Title,Director\nFirst,Someone\nSecond," + QByteArray(256, 'd') + "\n");
    lf.close();
    const SheetData longSheet = openWorkbook(longPath)->readSheet(0);
    const ImportSummary s = WorkbookImport::run(longSheet, links, cat, cat.path(), progress);
    EXPECT_EQ(s.movies, 1);
    EXPECT_EQ(s.refused, 1);
    EXPECT_TRUE(WorkbookImport::prepare(longSheet, 3, links, {}, {}).refusal.startsWith(QLatin1String("Column B (Director)")));
    EXPECT_EQ(count("Movies"), before + 1);
    EXPECT_EQ(cat.scalar(QStringLiteral("SELECT count(*) FROM Directors WHERE length(Director) > 255")).toInt(), 0);
}

} // namespace
