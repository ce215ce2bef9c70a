#include "Schema.h"

#include "CinelogError.h"

#include <QStringList>
#include <algorithm>

namespace Schema {

namespace {
constexpr Type A = Type::AutoNumber, L = Type::LongInteger, T = Type::Text, M = Type::Memo, D = Type::Date,
               B = Type::LongBytes;
const char *const UniqueId = "Unique ID of the table";
}

const std::vector<Column> &columns()
{
    // nullable / allowEmptyText: columns without properties of their own accept Null but refuse
    // empty text, so writers store empty text as Null.
    static const std::vector<Column> cols = {
        {"DBInfo", "ID", A, false, false, nullptr, UniqueId, 0},
        {"DBInfo", "DBVer", T, true, false, "1.1", "Version of the Database", 0},

        {"Actors", "ID", A, false, false, nullptr, UniqueId, 0},
        {"Actors", "Actor", T, true, false, nullptr, "List of Actors", 0},
        {"Actors", "URL", M, true, true, "http://", "URL Link for Actor", 4},

        {"Directors", "ID", A, false, false, nullptr, UniqueId, 0},
        {"Directors", "Director", T, true, false, nullptr, "List of Directors", 0},
        {"Directors", "URL", M, true, true, "http://", "URL Link for Director", 5},

        {"Genres", "Genre", T, true, false, nullptr, "List of Genres", 0},

        {"LoanOut", "ID", A, false, false, nullptr, UniqueId, 0},
        {"LoanOut", "MovieID", L, true, false, nullptr, "The Movie's ID", 0},
        {"LoanOut", "MovieTitle", T, true, true, nullptr, "Title of the MOvie", 0},
        {"LoanOut", "LoanedTo", T, true, true, nullptr, "Who the Movie was Loaned to", 0},
        {"LoanOut", "DateOut", D, true, false, nullptr, "Date it was Loaned", 0},
        {"LoanOut", "DateIn", D, true, false, nullptr, "Date it was returned", 0},

        {"MovActLink", "MovID", L, true, false, nullptr, "ID of the Movie", 0},
        {"MovActLink", "ActID", L, true, false, nullptr, "ID of the Actor", 0},
        {"MovActLink", "PlayingAs", T, true, true, nullptr, "Characters Name", 7},

        {"Movies", "ID", A, false, false, nullptr, UniqueId, 0},
        {"Movies", "Title", T, true, true, nullptr, "Title of the Movie", 0},
        {"Movies", "Director", T, true, true, nullptr, "Director of the Movie", 0},
        {"Movies", "Genre1", T, true, true, nullptr, "Genre 1", 0},
        {"Movies", "Genre2", T, true, true, nullptr, "Genre 2", 0},
        {"Movies", "Genre3", T, true, true, nullptr, "Genre 3", 0},
        {"Movies", "Medium", T, true, true, nullptr, "DVD or VHS", 0},
        {"Movies", "Format", T, true, true, nullptr, "Wide or Fullscreen", 0},
        {"Movies", "Rating", T, true, true, nullptr, "The Movie Rating", 0},
        {"Movies", "ReleaseYear", T, true, true, nullptr, "Year the movie was released", 0},
        {"Movies", "RunningTime", T, true, true, nullptr, "Running time of the movie in Minutes", 0},
        {"Movies", "NumDiscs", T, true, true, nullptr, "Number of discs or tapes in the set", 0},
        {"Movies", "UserRating", L, true, true, "0", "Users rating of the movie.", 1},
        {"Movies", "URL", M, true, true, "http://", "URL Link for Movie", 2},
        {"Movies", "OrderBy", T, true, true, nullptr, "Name to Order By", 3},
        {"Movies", "EpisodeDisc", L, true, true, "0", "If its an Episode Disc", 6},
        {"Movies", "CoverData", B, true, true, nullptr, "Cover Art Graphic", 8},
        {"Movies", "onlineID", L, true, true, "0",
         "Whether it was published to the web, or got from the web (1=it was either)", 9},
        {"Movies", "web", L, true, true, "0",
         "Whether it was published to the web, or got from the web (1=it was either)", 10},

        {"UserList", "ID", A, false, false, nullptr, UniqueId, 0},
        {"UserList", "MovID", L, true, false, nullptr, "The Movie's ID", 0},
        {"UserList", "MovieTitle", T, true, true, nullptr, "Title of the MOvie", 0},
        {"UserList", "Name", T, true, true, nullptr, "Person's Name", 0},
        {"UserList", "UserID", T, true, true, nullptr, "User's ID", 0},

        {"Episodes", "episodeID", A, false, false, nullptr, UniqueId, 0},
        {"Episodes", "MovID", L, true, false, nullptr, "The Movie's ID", 0},
        {"Episodes", "Title", T, true, true, nullptr, "Title of the Episode", 0},
        {"Episodes", "epsNum", L, true, true, nullptr, "Episode Number", 0},
        {"Episodes", "discNum", L, true, true, nullptr, "Disc Number", 0},
    };
    return cols;
}

// UserRating is listed among the base columns of Movies; the open-time check still looks for it
// first, for catalogues made before it existed.
std::vector<Column> addedOnOpen()
{
    std::vector<Column> out;
    for (const Column &c : columns())
        if (c.addedOnOpen > 0)
            out.push_back(c);
    std::sort(out.begin(), out.end(), [](const Column &a, const Column &b) { return a.addedOnOpen < b.addedOnOpen; });
    return out;
}

const std::vector<QString> &tables()
{
    static const std::vector<QString> t = {
        QStringLiteral("DBInfo"), QStringLiteral("Actors"), QStringLiteral("Directors"), QStringLiteral("Genres"),
        QStringLiteral("LoanOut"), QStringLiteral("MovActLink"), QStringLiteral("Movies"), QStringLiteral("UserList"),
        QStringLiteral("Episodes")};
    return t;
}

static bool isBase(const Column &c)
{
    // UserRating is created with the table and also re-checked on open.
    return c.addedOnOpen == 0 || QLatin1String(c.name) == QLatin1String("UserRating");
}

std::vector<Column> columnsOf(const QString &table, bool includeAddedOnOpen)
{
    std::vector<Column> out;
    for (const Column &c : columns())
        if (QLatin1String(c.table) == table && (includeAddedOnOpen || isBase(c)))
            out.push_back(c);
    return out;
}

QString columnDefinition(const Column &c)
{
    const QString name = QString::fromLatin1(c.name);
    QString def = name;
    switch (c.type) {
    case Type::AutoNumber:
        def += QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
        break;
    case Type::LongInteger:
        def += QStringLiteral(" INTEGER");
        break;
    case Type::Text:
        // Text compares without regard to letter case, as users expect of names and titles.
        def += QStringLiteral(" TEXT COLLATE NOCASE CHECK (length(%1) <= %2)").arg(name).arg(TextLimit);
        break;
    case Type::Memo:
        def += QStringLiteral(" TEXT COLLATE NOCASE");
        break;
    case Type::Date:
        def += QStringLiteral(" TEXT");
        break;
    case Type::LongBytes:
        def += QStringLiteral(" BLOB");
        break;
    }
    if (!c.nullable && c.type != Type::AutoNumber)
        def += QStringLiteral(" NOT NULL");
    if (!c.allowEmptyText && (c.type == Type::Text || c.type == Type::Memo || c.type == Type::Date))
        def += QStringLiteral(" CHECK (%1 <> '')").arg(name);
    if (c.defaultValue) {
        if (c.type == Type::LongInteger)
            def += QStringLiteral(" DEFAULT %1").arg(QString::fromLatin1(c.defaultValue));
        else
            def += QStringLiteral(" DEFAULT '%1'").arg(QString::fromLatin1(c.defaultValue));
    }
    // The column's description travels with the file's own schema text.
    def += QStringLiteral(" /* %1 */").arg(QString::fromLatin1(c.description).replace(QStringLiteral("*/"), QString()));
    return def;
}

QString createTableStatement(const QString &table, bool includeAddedOnOpen)
{
    QStringList defs;
    for (const Column &c : columnsOf(table, includeAddedOnOpen))
        defs << columnDefinition(c);
    return QStringLiteral("CREATE TABLE %1 (\n  %2\n)").arg(table, defs.join(QStringLiteral(",\n  ")));
}

const std::vector<Index> &indexes()
{
    static const std::vector<Index> list = {
        {"idxMovActLinkMovID", "MovActLink", "MovID"}, {"idxMovActLinkActID", "MovActLink", "ActID"},
        {"idxLoanOutMovieID", "LoanOut", "MovieID"},   {"idxUserListMovID", "UserList", "MovID"},
        {"idxEpisodesMovID", "Episodes", "MovID"},
    };
    return list;
}

const std::vector<TextKey> &textKeys()
{
    static const std::vector<TextKey> keys = {
        {"Movies", "Title", "TitleKey", "idxMoviesTitleKey"},
        {"Movies", "OrderBy", "OrderByKey", "idxMoviesOrderByKey"},
        {"Movies", "Director", "DirectorKey", "idxMoviesDirectorKey"},
        {"Actors", "Actor", "ActorKey", "idxActorsActorKey"},
        {"Directors", "Director", "DirectorKey", "idxDirectorsDirectorKey"},
        {"Genres", "Genre", "GenreKey", "idxGenresGenreKey"},
    };
    return keys;
}

const TextKey *textKeyOf(const QString &table, const QString &column)
{
    for (const TextKey &k : textKeys())
        if (table == QLatin1String(k.table) && column == QLatin1String(k.column))
            return &k;
    return nullptr;
}

const std::vector<const char *> &indexesBeforeKeys()
{
    static const std::vector<const char *> names = {"idxMoviesOrderBy", "idxMoviesTitle", "idxMoviesDirector",
                                                    "idxActorsActor", "idxDirectorsDirector"};
    return names;
}

QString indexStatement(const Index &index)
{
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(QLatin1String(index.name), QLatin1String(index.table), QLatin1String(index.column));
}

const std::vector<QString> &indexStatements()
{
    static const std::vector<QString> s = [] {
        std::vector<QString> out;
        for (const Index &i : indexes())
            out.push_back(indexStatement(i));
        return out;
    }();
    return s;
}

void refuseOverlongText(const QString &field, const QString &text)
{
    if (text.size() > TextLimit && text.toUcs4().size() > TextLimit)
        throw CinelogError(3163, logged("Schema", "%1 is too long: at most %2 characters can be stored.").arg(field).arg(TextLimit));
}

} // namespace Schema
