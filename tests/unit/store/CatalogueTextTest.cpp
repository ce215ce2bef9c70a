#include "StoreTestSupport.h"

#include "SqliteFunctions.h"

namespace {

// Text comparison on the catalogue connection ignores letter case in every alphabet, in "=",
// LIKE and ORDER BY alike, also where an index answers the query: through the key columns (the
// case-folded form, filled as rows are written) and the program's own functions. What the engine
// itself defines (NOCASE, like()) is left as every other SQLite tool knows it.
class CatalogueText : public StoreTest
{
protected:
    void SetUp() override
    {
        opened();
        for (const char *g : {"Drama", "Comedy", "Science Fiction", "Film-Noir"})
            cat.exec("INSERT INTO Genres (Genre) VALUES (?)", {QString::fromUtf8(g)});
        for (const char *a : {"élan", "Zoë Kravitz", "Peter O'Toole", "Ørjan Nilsen", "straße", "Ἀχιλλεύς", "100% Pure", "1000 Ways"})
            cat.exec("INSERT INTO Actors (Actor) VALUES (?)", {QString::fromUtf8(a)});
    }
    int count(const char *sql, const char *value)
    {
        return cat.scalar(QString::fromUtf8(sql), {QString::fromUtf8(value)}).toInt();
    }
};

TEST_F(CatalogueText, EqualsIgnoresCase)
{
    EXPECT_EQ(count("SELECT COUNT(*) FROM Genres WHERE GenreKey = cinelog_fold(?)", "drama"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Genres WHERE GenreKey = cinelog_fold(?)", "DRAMA"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Genres WHERE GenreKey = cinelog_fold(?)", "dram"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE ActorKey = cinelog_fold(?)", "ÉLAN"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE ActorKey = cinelog_fold(?)", "ZOË KRAVITZ"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE ActorKey = cinelog_fold(?)", "ørjan nilsen"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE ActorKey = cinelog_fold(?)", "ἀχιλλεύς"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE ActorKey = cinelog_fold(?)", "elan"), 0);
    // Values with quotes are bound, never pasted: they are stored and found.
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE ActorKey = cinelog_fold(?)", "peter o'toole"), 1);
}

TEST_F(CatalogueText, TheIndexAgreesWithTheComparison)
{
    // The look-up goes through the key's index; it must find what a full scan with the program's
    // own comparison finds.
    QSqlQuery explain = cat.exec("EXPLAIN QUERY PLAN SELECT ID FROM Actors WHERE ActorKey = ?", {QStringLiteral("x")});
    QString plan;
    while (explain.next())
        plan += explain.value(3).toString();
    EXPECT_TRUE(plan.contains("idxActorsActorKey")) << plan.toStdString();
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE ActorKey = cinelog_fold(?)", "ÉLAN"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors NOT INDEXED WHERE Actor = ? COLLATE cinelog_nocase", "ÉLAN"), 1);
    EXPECT_EQ(cat.scalar("PRAGMA integrity_check").toString(), "ok");
}

TEST_F(CatalogueText, LikeIgnoresCase)
{
    EXPECT_EQ(count("SELECT COUNT(*) FROM Genres WHERE cinelog_like(?, Genre)", "drama"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Genres WHERE cinelog_like(?, Genre)", "%FICTION"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Genres WHERE cinelog_like(?, Genre)", "film_noir"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor)", "ÉLAN"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor)", "%LAN"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor)", "ÉL%"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor)", "%kravitz%"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor)", "Z_Ë%"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor)", "%o'toole"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor)", "ÉLA"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor)", "%"), 8);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor)", "%0%"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE cinelog_like(?, Actor, '\\')", "100\\%%"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Actors WHERE NOT cinelog_like(?, Actor)", "%a%"), 3);
    EXPECT_TRUE(cat.scalar("SELECT cinelog_like('a', NULL)").isNull());
    // '_' stands for one character, however many bytes it takes.
    EXPECT_EQ(cat.scalar("SELECT cinelog_like(?, ?)", {QStringLiteral("a_B"), QString::fromUtf8("A\U0001F600b")}).toInt(), 1);
    EXPECT_EQ(cat.scalar("SELECT cinelog_like(?, ?)", {QStringLiteral("a__B"), QString::fromUtf8("A\U0001F600b")}).toInt(), 0);
    EXPECT_EQ(cat.scalar("SELECT cinelog_like(?, ?)", {QString::fromUtf8("_MEGA"), QString::fromUtf8("Ωmega")}).toInt(), 1);
    EXPECT_THROW(cat.scalar("SELECT cinelog_like('a', 'a', 'xy')"), CinelogError);
    // The engine's own LIKE and NOCASE are as every other SQLite tool has them: ASCII only.
    EXPECT_EQ(cat.scalar("SELECT ? LIKE ?", {QString::fromUtf8("é"), QString::fromUtf8("É")}).toInt(), 0);
    EXPECT_EQ(cat.scalar("SELECT ? LIKE ?", {QStringLiteral("a"), QStringLiteral("A")}).toInt(), 1);
    EXPECT_EQ(cat.scalar("SELECT ? = ? COLLATE NOCASE", {QString::fromUtf8("é"), QString::fromUtf8("É")}).toInt(), 0);
}

TEST_F(CatalogueText, OrderByIgnoresCase)
{
    cat.exec("DELETE FROM Genres");
    for (const char *g : {"beta", "Alpha", "Élan", "gamma", "alpha2", "Delta", "élan"})
        cat.exec("INSERT INTO Genres (Genre) VALUES (?)", {QString::fromUtf8(g)});
    QSqlQuery q = cat.exec("SELECT Genre FROM Genres ORDER BY GenreKey, rowid");
    QStringList got;
    while (q.next())
        got << q.value(0).toString();
    // Letters sort by their case-folded form, so "Élan" and "élan" are one name and sort together.
    EXPECT_EQ(got, QStringList({"Alpha", "alpha2", "beta", "Delta", "gamma", "Élan", "élan"}));
    EXPECT_EQ(cat.scalar("SELECT COUNT(DISTINCT GenreKey) FROM Genres").toInt(), 6);
}

TEST(CompareNoCase, IsAConsistentOrder)
{
    const QStringList words = {"", "a", "A", "ab", "aB", "b", "é", "É", "éa", "z", "Zoë", "zoe", "ß", "SS", "ǅ", "ǆ", "Ǆ", "a\u0301"};
    auto cmp = [](const QString &x, const QString &y) {
        const QByteArray a = x.toUtf8(), b = y.toUtf8();
        const int r = compareNoCase(a.constData(), int(a.size()), b.constData(), int(b.size()));
        return r < 0 ? -1 : (r > 0 ? 1 : 0);
    };
    for (const QString &x : words) {
        EXPECT_EQ(cmp(x, x), 0);
        for (const QString &y : words) {
            EXPECT_EQ(cmp(x, y), -cmp(y, x)) << x.toStdString() << " / " << y.toStdString();
            for (const QString &z : words) {
                if (cmp(x, y) <= 0 && cmp(y, z) <= 0) {
                    EXPECT_LE(cmp(x, z), 0) << x.toStdString() << " " << y.toStdString() << " " << z.toStdString();
                }
            }
        }
    }
    EXPECT_EQ(cmp("ÉLAN", "élan"), 0);
    EXPECT_EQ(cmp("Drama", "drama"), 0);
    EXPECT_LT(cmp("drama", "Dramas"), 0);
}

// Empty text: refused by the columns that refuse it, accepted by the others.
const std::pair<const char *, const char *> refuseEmpty[] = {
    {"DBInfo", "DBVer"}, {"Actors", "Actor"}, {"Directors", "Director"}, {"Genres", "Genre"},
    {"LoanOut", "DateOut"}, {"LoanOut", "DateIn"}};
const std::pair<const char *, const char *> acceptEmpty[] = {
    {"Movies", "Title"}, {"Movies", "Director"}, {"Movies", "Genre1"}, {"Movies", "NumDiscs"}, {"Movies", "OrderBy"},
    {"Movies", "URL"}, {"Actors", "URL"}, {"Directors", "URL"}, {"LoanOut", "MovieTitle"}, {"LoanOut", "LoanedTo"},
    {"MovActLink", "PlayingAs"}, {"UserList", "MovieTitle"}, {"UserList", "Name"}, {"UserList", "UserID"},
    {"Episodes", "Title"}};
// Every column of the text type: 255 characters at most. Memo columns hold long text.
const std::pair<const char *, const char *> textColumns[] = {
    {"DBInfo", "DBVer"}, {"Actors", "Actor"}, {"Directors", "Director"}, {"Genres", "Genre"},
    {"LoanOut", "MovieTitle"}, {"LoanOut", "LoanedTo"}, {"MovActLink", "PlayingAs"},
    {"Movies", "Title"}, {"Movies", "Director"}, {"Movies", "Genre1"}, {"Movies", "Genre2"}, {"Movies", "Genre3"},
    {"Movies", "Medium"}, {"Movies", "Format"}, {"Movies", "Rating"}, {"Movies", "ReleaseYear"},
    {"Movies", "RunningTime"}, {"Movies", "NumDiscs"}, {"Movies", "OrderBy"},
    {"UserList", "MovieTitle"}, {"UserList", "Name"}, {"UserList", "UserID"}, {"Episodes", "Title"}};
const std::pair<const char *, const char *> memoColumns[] = {{"Movies", "URL"}, {"Actors", "URL"}, {"Directors", "URL"}};

bool inserts(Catalogue &cat, const char *table, const char *column, const QVariant &value)
{
    try {
        cat.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(QLatin1String(table), QLatin1String(column)), {value});
        return true;
    } catch (const CinelogError &) {
        return false;
    }
}

TEST_F(StoreTest, EmptyTextIsRefusedWhereTheSchemaRefusesIt)
{
    opened();
    for (auto [table, column] : refuseEmpty) {
        EXPECT_FALSE(inserts(cat, table, column, QStringLiteral(""))) << table << "." << column;
        EXPECT_TRUE(inserts(cat, table, column, QVariant(QMetaType::fromType<QString>()))) << table << "." << column;
        EXPECT_TRUE(inserts(cat, table, column, NullIfEmpty(QString()))) << table << "." << column;
    }
    for (auto [table, column] : acceptEmpty)
        EXPECT_TRUE(inserts(cat, table, column, QStringLiteral(""))) << table << "." << column;
}

TEST_F(StoreTest, TextOver255CharactersIsRefused)
{
    opened();
    const QString max = QString(255, QChar(0xE9)); // 255 characters, 510 bytes
    for (auto [table, column] : textColumns) {
        EXPECT_TRUE(inserts(cat, table, column, max)) << table << "." << column;
        EXPECT_FALSE(inserts(cat, table, column, max + QLatin1Char('x'))) << table << "." << column;
    }
    for (auto [table, column] : memoColumns)
        EXPECT_TRUE(inserts(cat, table, column, QString(5000, QLatin1Char('m')))) << table << "." << column;
}

TEST(NullIfEmpty, GivesNullForEmptyText)
{
    EXPECT_TRUE(NullIfEmpty(QString()).isNull());
    EXPECT_TRUE(NullIfEmpty(QStringLiteral("")).isNull());
    EXPECT_EQ(NullIfEmpty(QStringLiteral(" ")).toString(), " ");
    EXPECT_EQ(NullIfEmpty(QStringLiteral("Drama")).toString(), "Drama");
}

} // namespace
