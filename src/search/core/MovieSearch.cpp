#include "MovieSearch.h"

#include "MovieTextIndex.h"
#include "MovieWatch.h"

#include "Catalogue.h"
#include "CinelogError.h"
#include "SqliteFunctions.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QHash>
#include <QMetaType>
#include <QVariant>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <memory>
#include <sqlite3.h>
#include <vector>

int SearchCriteria::activeCount() const
{
    int n = 0;
    for (const QString *s : {&title, &director, &actor, &genre, &format, &rating, &medium})
        if (!s->isEmpty())
            ++n;
    if (stars > 0)
        ++n;
    return n;
}

namespace {

QString cellText(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

// A cell is bold when its stored value equals a searched text exactly; a null never equals, and an
// empty search text marks nothing.
bool equalsExactly(const QVariant &value, const QString &searched)
{
    return !searched.isEmpty() && !value.isNull() && value.toString() == searched;
}

const char *operatorOf(StarsComparison c)
{
    switch (c) {
    case StarsComparison::Equal:
        return "=";
    case StarsComparison::AtMost:
        return "<=";
    case StarsComparison::Less:
        return "<";
    case StarsComparison::Greater:
        return ">";
    case StarsComparison::AtLeast:
        return ">=";
    }
    return "=";
}

// The first actor of that name, as the cast links refer to it. Names compare without letter case:
// the value bound is the name's folded form.
const QString FirstActorId = QStringLiteral("(SELECT ID FROM Actors WHERE ActorKey = ? ORDER BY ID LIMIT 1)");

// Reads the first column of every row as an integer, through the engine's own interface: lists of
// hundreds of thousands of IDs cost several times as long through QSqlQuery's values. Throws
// CinelogError with the engine's code and text when the statement fails.
std::vector<qint64> readIntegers(Catalogue &catalogue, const QString &sql, const QVariantList &values = {})
{
    sqlite3 *db = sqliteHandle(catalogue.MovieConn());
    auto fail = [db](int rc) { return CinelogError(rc, QString::fromUtf8(sqlite3_errmsg(db))); };
    sqlite3_stmt *raw = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &raw, nullptr); rc != SQLITE_OK)
        throw fail(rc);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> st(raw, sqlite3_finalize);
    for (int i = 0; i < int(values.size()); ++i) {
        const QVariant &v = values.at(i);
        if (v.isNull())
            sqlite3_bind_null(raw, i + 1);
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            sqlite3_bind_int64(raw, i + 1, v.toLongLong());
        else {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(raw, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
    std::vector<qint64> out;
    int rc;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
        out.push_back(sqlite3_column_int64(raw, 0));
    if (rc != SQLITE_DONE)
        throw fail(rc);
    return out;
}

} // namespace

// Where each movie stands in the catalogue's sort order (its sort key, then its ID), read along the
// sort key's index and kept while the catalogue stays as it was: the movies a search finds are then
// put in order in memory, instead of each found movie's row being looked up for its key (which
// costs more than finding them). The few movies this connection changes are put in their place
// again (a watch on the connection notes them); a change committed by another connection (the
// file's data version), another file opened, or many changes at once have the order read again
// on the next search.
class MovieSearch::SortOrder
{
public:
    // Brings the order in step unless it is known to be current.
    void refresh(Catalogue &catalogue)
    {
        QSqlQuery q = catalogue.exec(QStringLiteral("SELECT total_changes(), data_version FROM pragma_data_version"));
        State now;
        now.generation = catalogue.generation();
        if (q.next()) {
            now.totalChanges = q.value(0).toLongLong();
            now.dataVersion = q.value(1).toLongLong();
        }
        q.finish();
        sqlite3 *db = sqliteHandle(catalogue.MovieConn());
        // Inside a transaction of this connection the rows read may yet be rolled back, which
        // changes no count: such an order serves this search only.
        const bool keep = !catalogue.inTransaction();
        if (m_state && m_state->generation == now.generation && m_state->dataVersion == now.dataVersion) {
            if (m_state->totalChanges == now.totalChanges)
                return;
            // Only this connection wrote since: the movies it changed (none, when it changed other
            // tables alone) go back in their place.
            if (keep && m_watching && m_watch.complete(db)) {
                const std::vector<int> changed = m_watch.take();
                if (changed.size() <= MostPlaced && place(db, changed)) {
                    m_state = now;
                    return;
                }
            }
        }
        m_state.reset();
        if (keep)
            m_watching = m_watch.start(db);
        read(catalogue);
        if (keep)
            m_state = now;
    }

    // The movies' IDs among ids, each once, in the catalogue's sort order; IDs of no movie are left
    // out. step(done) is told how many of ids have been placed, now and then.
    QList<int> arrange(const std::vector<qint64> &ids, const std::function<void(qint64)> &step) const
    {
        auto placed = [&](size_t i) {
            if (step && (i & 0x3FF) == 0x3FF)
                step(qint64(i + 1));
        };
        QList<int> out;
        if (ids.size() * 16 < m_byPosition.size()) {
            // Few movies: their positions sorted; a movie listed twice (an actor in two parts) once.
            std::vector<int> positions;
            positions.reserve(ids.size());
            for (size_t i = 0; i < ids.size(); ++i) {
                if (const int p = positionOf(ids[i]); p >= 0)
                    positions.push_back(p);
                placed(i);
            }
            std::sort(positions.begin(), positions.end());
            positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
            out.reserve(qsizetype(positions.size()));
            for (int p : positions)
                out.append(m_byPosition[size_t(p)]);
            return out;
        }
        // Many: one mark per position of the order, walked in order.
        std::vector<char> marked(m_byPosition.size(), 0);
        for (size_t i = 0; i < ids.size(); ++i) {
            if (const int p = positionOf(ids[i]); p >= 0)
                marked[size_t(p)] = 1;
            placed(i);
        }
        for (size_t p = 0; p < marked.size(); ++p)
            if (marked[p])
                out.append(m_byPosition[p]);
        return out;
    }

private:
    struct State {
        quint64 generation = 0;
        qint64 totalChanges = -1;
        qint64 dataVersion = -1;
    };
    // Changed movies put in place one by one at most; more have the order read again.
    static constexpr size_t MostPlaced = 64;

    void read(Catalogue &catalogue)
    {
        m_byPosition.clear();
        for (const qint64 id : readIntegers(catalogue, QStringLiteral("SELECT ID FROM Movies ORDER BY OrderByKey, ID"))) {
            // The list holds IDs of the int range only; a movie beyond it is never listed.
            if (id < std::numeric_limits<int>::min() || id > std::numeric_limits<int>::max())
                continue;
            m_byPosition.push_back(int(id));
        }
        index();
    }

    // Puts each of the movies (sorted, each once) where its sort key puts it now, or leaves it out
    // when it is gone. False when a key cannot be placed here (a number or blob written by another
    // tool): then the order is read again.
    bool place(sqlite3 *db, const std::vector<int> &ids)
    {
        if (ids.empty())
            return true;
        sqlite3_stmt *raw = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT OrderByKey FROM Movies WHERE ID = ?", -1, &raw, nullptr) != SQLITE_OK)
            return false;
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> st(raw, sqlite3_finalize);
        // A movie's key: no value when it is gone; kind 0 for Null, 1 for text, -1 for what the
        // order here cannot compare.
        struct Key {
            int kind = 0;
            QByteArray text;
        };
        auto keyOf = [&](int id) -> std::optional<Key> {
            sqlite3_reset(raw);
            sqlite3_bind_int64(raw, 1, id);
            if (sqlite3_step(raw) != SQLITE_ROW)
                return std::nullopt;
            Key k;
            switch (sqlite3_column_type(raw, 0)) {
            case SQLITE_NULL: k.kind = 0; break;
            case SQLITE_TEXT:
                k.kind = 1;
                k.text = QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(raw, 0)), sqlite3_column_bytes(raw, 0));
                break;
            default: k.kind = -1;
            }
            return k;
        };
        // The engine's order: Null first, then text byte by byte (a shorter text before a longer
        // one it begins), then the ID.
        auto before = [](const Key &a, int idA, const Key &b, int idB) {
            if (a.kind != b.kind)
                return a.kind < b.kind;
            if (const int c = std::memcmp(a.text.constData(), b.text.constData(), size_t(std::min(a.text.size(), b.text.size()))); c != 0)
                return c < 0;
            if (a.text.size() != b.text.size())
                return a.text.size() < b.text.size();
            return idA < idB;
        };
        // Out with the movies first, so that the search below meets none of them.
        std::vector<char> moved(m_byPosition.size(), 0);
        for (int id : ids)
            if (const int p = positionOf(id); p >= 0)
                moved[size_t(p)] = 1;
        size_t kept = 0;
        for (size_t p = 0; p < m_byPosition.size(); ++p)
            if (!moved[p])
                m_byPosition[kept++] = m_byPosition[p];
        m_byPosition.resize(kept);
        for (int id : ids) {
            const std::optional<Key> key = keyOf(id);
            if (!key)
                continue;
            if (key->kind < 0)
                return false;
            size_t lo = 0, hi = m_byPosition.size();
            while (lo < hi) {
                const size_t mid = lo + (hi - lo) / 2;
                const std::optional<Key> there = keyOf(m_byPosition[mid]);
                if (!there || there->kind < 0)
                    return false; // changed behind the watch's back: read it all again
                if (before(*there, m_byPosition[mid], *key, id))
                    lo = mid + 1;
                else
                    hi = mid;
            }
            m_byPosition.insert(m_byPosition.begin() + std::ptrdiff_t(lo), id);
        }
        index();
        return true;
    }

    // The positions by ID, from the order.
    void index()
    {
        m_dense.clear();
        m_sparse.clear();
        qint64 lowest = 0, highest = 0;
        for (size_t p = 0; p < m_byPosition.size(); ++p) {
            const qint64 id = m_byPosition[p];
            lowest = p == 0 ? id : std::min(lowest, id);
            highest = p == 0 ? id : std::max(highest, id);
        }
        // Positions by ID in a plain array where IDs run from 0 without large gaps (as they do
        // when the engine numbers them); otherwise (negative or far apart IDs of a file made
        // elsewhere) in a list sorted by ID, so that memory follows the number of movies.
        const size_t n = m_byPosition.size();
        if (lowest >= 0 && quint64(highest) < 4 * quint64(n) + 65536) {
            m_dense.assign(size_t(highest) + 1, -1);
            for (size_t p = 0; p < n; ++p)
                m_dense[size_t(m_byPosition[p])] = int(p);
        } else {
            m_sparse.reserve(n);
            for (size_t p = 0; p < n; ++p)
                m_sparse.emplace_back(m_byPosition[p], int(p));
            std::sort(m_sparse.begin(), m_sparse.end());
        }
    }

    // The position of the movie in the order; -1 when no movie has that ID.
    int positionOf(qint64 id) const
    {
        if (!m_dense.empty() || m_sparse.empty())
            return id >= 0 && quint64(id) < m_dense.size() ? m_dense[size_t(id)] : -1;
        if (id < std::numeric_limits<int>::min() || id > std::numeric_limits<int>::max())
            return -1;
        const auto it = std::lower_bound(m_sparse.begin(), m_sparse.end(), std::pair<int, int>(int(id), std::numeric_limits<int>::min()));
        return it != m_sparse.end() && it->first == id ? it->second : -1;
    }

    std::optional<State> m_state;
    MovieWatch m_watch{QStringLiteral("SearchOrder"), QStringLiteral("ID, OrderByKey")};
    bool m_watching = false;                    // the watch was set up when the order was read
    std::vector<int> m_byPosition;              // the movies' IDs in order
    std::vector<int> m_dense;                   // by ID: its position, -1 for no movie
    std::vector<std::pair<int, int>> m_sparse;  // (ID, position), sorted by ID
};

MovieSearch::MovieSearch(Catalogue &catalogue) : m_catalogue(catalogue) {}

MovieSearch::~MovieSearch() = default;

MovieSearch::SortOrder &MovieSearch::sortOrder()
{
    if (!m_order)
        m_order = std::make_unique<SortOrder>();
    return *m_order;
}

FoundMovies MovieSearch::find(const SearchCriteria &c, const Progress &progress)
{
    FoundMovies found;
    found.criteria = c;
    if (!c.hasCriteria())
        return found;

    // Each criterion is either a set of movie IDs (a statement of its own) or a condition on the
    // movie's row. Values are bound in the order the criteria are listed.
    struct Criterion {
        QString sql;
        QVariantList values;
        bool idSet = false;
    };
    std::vector<Criterion> criteria;

    // Containment keeps the user's own % and _ wildcards; the text itself is bound, so quotes in it
    // are just characters.
    // Titles and directors are compared by their keys (the case-folded form) with the folded text, so
    // that the engine's own "=" and LIKE ignore letter case in every alphabet.
    // Containment is looked up in the movies' text index where the catalogue has it: the same
    // pattern as a GLOB on the folded keys there, so the wildcards keep their meaning.
    const bool textIndex = !c.exactMatch && (!c.title.isEmpty() || !c.director.isEmpty())
        && m_catalogue.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'MovieText'")).toInt() > 0;
    auto textCriterion = [&](const char *key, const QString &value) {
        if (value.isEmpty())
            return;
        const QString col = QString::fromLatin1(key);
        const QString folded = foldedText(value);
        if (textIndex) {
            if (!folded.contains(QLatin1Char('%')) && !folded.contains(QLatin1Char('_')) && MovieTextIndex::indexable(folded)) {
                // Plain text: a phrase of the index, limited to the column, needs no second look at the texts.
                criteria.push_back({QStringLiteral("SELECT rowid FROM MovieText WHERE MovieText MATCH ?"),
                                    {col + QStringLiteral(" : ") + MovieTextIndex::matchExpression({folded})}, true});
                return;
            }
            if (MovieTextIndex::globUsable(folded)) {
                // sql-identifiers: a fixed column name of the text index
                const QString glob = QStringLiteral("SELECT rowid FROM MovieText WHERE ") + col + QStringLiteral(" GLOB ?");
                criteria.push_back({glob, {MovieTextIndex::containsGlob(folded)}, true});
                return;
            }
        }
        // Exact: along the key's index. Containment reads every value through the key's index, which
        // is far smaller than the table.
        if (c.exactMatch) {
            criteria.push_back({col + QStringLiteral(" = ?"), {folded}, false});
            return;
        }
        // sql-identifiers: a fixed column name
        const QString like = QStringLiteral("SELECT ID FROM Movies WHERE ") + col + QStringLiteral(" LIKE '%' || ? || '%'");
        criteria.push_back({like, {folded}, true});
    };
    auto equalCriterion = [&](const char *column, const QString &value) {
        if (value.isEmpty())
            return;
        // sql-identifiers: a fixed column name
        criteria.push_back({QString::fromLatin1(column) + QStringLiteral(" = ? COLLATE cinelog_nocase"), {value}, false});
    };
    auto genreCriterion = [&](const QString &genre) {
        criteria.push_back({QStringLiteral("(Genre1 = ? COLLATE cinelog_nocase OR Genre2 = ? COLLATE cinelog_nocase "
                                           "OR Genre3 = ? COLLATE cinelog_nocase)"),
                            {genre, genre, genre}, false});
    };

    textCriterion("TitleKey", c.title);
    textCriterion("DirectorKey", c.director);
    equalCriterion("Format", c.format);
    equalCriterion("Rating", c.rating);
    equalCriterion("Medium", c.medium);
    if (c.stars > 0)
        criteria.push_back({QStringLiteral("UserRating %1 ?").arg(QLatin1String(operatorOf(c.starsComparison))), {c.stars}, false});
    if (!c.genre.isEmpty()) {
        genreCriterion(c.genre);
        if (!c.secondGenre.isEmpty())
            genreCriterion(c.secondGenre);
    }
    if (!c.actor.isEmpty()) {
        if (c.secondActor.isEmpty()) {
            // sql-identifiers: a fixed sub-statement with a placeholder
            const QString links = QStringLiteral("SELECT MovID FROM MovActLink WHERE ActID = %1").arg(FirstActorId);
            criteria.push_back({links, {foldedText(c.actor)}, true});
        } else {
            // Both actors: more than one cast row of the movie names either of them, so an actor
            // linked twice (two parts) also passes. A second name that is not in the catalogue stands
            // for no actor (ID 0); a first name that is not there finds nothing.
            // sql-identifiers: a fixed sub-statement with placeholders
            const QString links = QStringLiteral("SELECT l.MovID FROM MovActLink l"
                                                 " JOIN (SELECT %1 AS a1, IFNULL(%1, 0) AS a2) k"
                                                 " ON k.a1 IS NOT NULL AND l.ActID IN (k.a1, k.a2)"
                                                 " GROUP BY l.MovID HAVING COUNT(*) > 1")
                                      .arg(FirstActorId);
            criteria.push_back({links, {foldedText(c.actor), foldedText(c.secondActor)}, true});
        }
    }

    // Only the IDs are read, in no particular order: the sort order known in memory puts them in
    // the catalogue's order and leaves out IDs of no movie (a cast link or index entry of a movie
    // since deleted). Sets alone are intersected without reading the movies' rows at all.
    const bool setsOnly = std::all_of(criteria.begin(), criteria.end(), [](const Criterion &k) { return k.idSet; });
    QStringList parts;
    QVariantList values;
    for (const Criterion &k : criteria) {
        parts << (setsOnly || !k.idSet ? k.sql : QStringLiteral("ID IN (") + k.sql + QLatin1Char(')'));
        values << k.values;
    }
    // sql-identifiers: fixed conditions and sub-statements with placeholders
    const QString sql = setsOnly ? parts.join(QStringLiteral(" INTERSECT "))
                                 : QStringLiteral("SELECT ID FROM Movies WHERE ") + parts.join(QStringLiteral(" AND "));

    SortOrder &order = sortOrder();
    order.refresh(m_catalogue);
    const std::vector<qint64> ids = readIntegers(m_catalogue, sql, values);

    const qint64 total = qint64(ids.size());
    if (progress)
        progress(0, total);
    found.ids = order.arrange(ids, [&](qint64 done) {
        if (progress)
            progress(done, total);
    });
    for (int id : std::as_const(found.ids))
        found.idWidth = std::max(found.idWidth, int(QString::number(id).size()));
    if (progress)
        progress(total, total);
    return found;
}

namespace {

// The catalogue's columns behind the result list's columns, in the list's order.
const char *const ColumnSql[FoundMovie::ColumnCount] = {"ID", "Title", "Director", "Genre1", "Genre2", "Genre3", "Medium",
                                                        "Format", "Rating", "ReleaseYear", "RunningTime", "NumDiscs",
                                                        "UserRating"};

// The movies' IDs as one bound value: a JSON array the statement reads with json_each, however many
// there are.
QString idArray(const QList<int> &ids)
{
    QString out;
    out.reserve(ids.size() * 8 + 2);
    out += QLatin1Char('[');
    for (qsizetype i = 0; i < ids.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        out += QString::number(ids.at(i));
    }
    out += QLatin1Char(']');
    return out;
}

// What a cell shows for the value stored.
QString shownText(int column, const QVariant &value, int idWidth)
{
    switch (column) {
    case FoundMovie::ID:
        return QString::number(value.toInt()).rightJustified(idWidth, QLatin1Char('0'));
    case FoundMovie::Time:
        return QCoreApplication::translate("MovieSearch", "%1 mins").arg(cellText(value));
    default:
        return cellText(value);
    }
}

} // namespace

QList<FoundMovie> MovieSearch::rows(const QList<int> &ids, const SearchCriteria &c, int idWidth)
{
    if (ids.isEmpty())
        return {};
    QSqlQuery q = m_catalogue.exec(QStringLiteral("SELECT ID, Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, "
                                                  "ReleaseYear, RunningTime, NumDiscs, UserRating FROM Movies "
                                                  "WHERE ID IN (SELECT value FROM json_each(?))"),
                                   {idArray(ids)});
    QHash<int, FoundMovie> byId;
    byId.reserve(ids.size());
    while (q.next()) {
        FoundMovie m;
        m.id = q.value(0).toInt();
        for (int col = FoundMovie::ID; col < FoundMovie::ColumnCount; ++col)
            m.text[col] = shownText(col, q.value(col), idWidth);

        m.bold[FoundMovie::Title] = equalsExactly(q.value(FoundMovie::Title), c.title);
        m.bold[FoundMovie::Director] = equalsExactly(q.value(FoundMovie::Director), c.director);
        for (int col : {FoundMovie::Genre1, FoundMovie::Genre2, FoundMovie::Genre3})
            m.bold[col] = equalsExactly(q.value(col), c.genre) || equalsExactly(q.value(col), c.secondGenre);
        m.bold[FoundMovie::Medium] = equalsExactly(q.value(FoundMovie::Medium), c.medium);
        m.bold[FoundMovie::Format] = equalsExactly(q.value(FoundMovie::Format), c.format);
        m.bold[FoundMovie::Rating] = equalsExactly(q.value(FoundMovie::Rating), c.rating);
        byId.insert(m.id, std::move(m));
    }
    QList<FoundMovie> out;
    out.reserve(ids.size());
    for (int id : ids)
        if (auto it = byId.constFind(id); it != byId.constEnd())
            out.append(*it);
    return out;
}

QStringList MovieSearch::columnTexts(const QList<int> &ids, int column, int idWidth)
{
    if (column < 0 || column >= FoundMovie::ColumnCount)
        return QStringList(ids.size(), QString());
    // sql-identifiers: a fixed column name from the list above
    QSqlQuery q = m_catalogue.exec(QStringLiteral("SELECT ID, %1 FROM Movies WHERE ID IN (SELECT value FROM json_each(?))")
                                       .arg(QLatin1String(ColumnSql[column])),
                                   {idArray(ids)});
    QHash<int, QString> byId;
    byId.reserve(ids.size());
    while (q.next())
        byId.insert(q.value(0).toInt(), shownText(column, q.value(1), idWidth));
    QStringList out;
    out.reserve(ids.size());
    for (int id : ids)
        out << byId.value(id);
    return out;
}

QList<FoundMovie> MovieSearch::search(const SearchCriteria &criteria, const Progress &progress)
{
    const FoundMovies found = find(criteria, progress);
    return rows(found.ids, criteria, found.idWidth);
}

static QStringList column0(QSqlQuery q)
{
    QStringList out;
    while (q.next())
        out << cellText(q.value(0));
    return out;
}

QStringList MovieSearch::directors()
{
    return column0(m_catalogue.exec(QStringLiteral("SELECT Director FROM Directors ORDER BY DirectorKey, ID")));
}

QStringList MovieSearch::actors()
{
    return column0(m_catalogue.exec(QStringLiteral("SELECT Actor FROM Actors ORDER BY ActorKey, ID")));
}

QStringList MovieSearch::genres()
{
    return column0(m_catalogue.exec(QStringLiteral("SELECT Genre FROM Genres ORDER BY GenreKey, rowid")));
}

QStringList MovieSearch::firstSpellings(const QString &column)
{
    // Values group without letter case; each group shows the spelling of its first movie.
    // sql-identifiers: a column name from the schema
    return column0(m_catalogue.exec(QStringLiteral("SELECT %1 FROM Movies WHERE ID IN (SELECT MIN(ID) FROM Movies "
                                                   "WHERE %1 IS NOT NULL AND %1 <> '' GROUP BY cinelog_fold(%1)) ORDER BY ID")
                                        .arg(column)));
}

QStringList MovieSearch::media()
{
    return firstSpellings(QStringLiteral("Medium"));
}

QStringList MovieSearch::formats()
{
    return firstSpellings(QStringLiteral("Format"));
}

QStringList MovieSearch::ratings()
{
    QStringList out{QString()};
    const bool anyMovie = m_catalogue.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Movies)")).toBool();
    if (!anyMovie) {
        out << QStringLiteral("G") << QStringLiteral("PG") << QStringLiteral("PG-13") << QStringLiteral("R")
            << QStringLiteral("NC-17") << QStringLiteral("XXX") << QStringLiteral("Unrated");
        return out;
    }
    const QStringList used = firstSpellings(QStringLiteral("Rating"));
    out << used;
    if (!used.contains(QStringLiteral("XXX")))
        out << QStringLiteral("XXX");
    return out;
}

QStringList MovieSearch::castOf(int movieId)
{
    return column0(m_catalogue.exec(QStringLiteral("SELECT a.Actor FROM MovActLink l JOIN Actors a ON a.ID = l.ActID "
                                                   "WHERE l.MovID = ? ORDER BY l.rowid"),
                                    {movieId}));
}

QString MovieSearch::movieUrl(int movieId)
{
    return cellText(m_catalogue.scalar(QStringLiteral("SELECT URL FROM Movies WHERE ID = ?"), {movieId}));
}

int MovieSearch::starsFromEntry(const QString &entry)
{
    if (entry.isEmpty())
        return 0;
    const int d = entry.at(0).digitValue();
    return (d >= 1 && d <= 7) ? d : 0;
}

std::optional<StarsComparison> MovieSearch::comparisonFromText(const QString &text)
{
    for (StarsComparison c : {StarsComparison::Equal, StarsComparison::AtMost, StarsComparison::Less,
                              StarsComparison::Greater, StarsComparison::AtLeast})
        if (text == QLatin1String(operatorOf(c)))
            return c;
    return std::nullopt;
}

QString MovieSearch::textOf(StarsComparison c)
{
    return QString::fromLatin1(operatorOf(c));
}

QStringList MovieSearch::starEntries()
{
    QStringList out;
    for (int n = 1; n <= 7; ++n)
        // The entry starts with its number: starsFromEntry reads it back.
        out << (n == 1 ? QCoreApplication::translate("MovieSearch", "%1 Star")
                       : QCoreApplication::translate("MovieSearch", "%1 Stars"))
                   .arg(n);
    return out;
}

QStringList MovieSearch::comparisonEntries()
{
    return {QStringLiteral("="), QStringLiteral("<="), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral(">=")};
}
