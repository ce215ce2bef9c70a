#include "MovieSearch.h"

#include "MovieTextIndex.h"

#include "Catalogue.h"
#include "SqliteFunctions.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

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

} // namespace

QList<FoundMovie> MovieSearch::search(const SearchCriteria &c, const Progress &progress)
{
    if (!c.hasCriteria())
        return {};

    QStringList where;
    QVariantList values;

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
        if (textIndex) {
            const QString folded = foldedText(value);
            if (!folded.contains(QLatin1Char('%')) && !folded.contains(QLatin1Char('_')) && MovieTextIndex::indexable(folded)) {
                // Plain text: a phrase of the index, limited to the column, needs no second look at the texts.
                where << QStringLiteral("ID IN (SELECT rowid FROM MovieText WHERE MovieText MATCH ?)");
                values << col + QStringLiteral(" : ") + MovieTextIndex::matchExpression({folded});
                return;
            }
            if (MovieTextIndex::globUsable(folded)) {
                // sql-identifiers: a fixed column name of the text index
                where << QStringLiteral("ID IN (SELECT rowid FROM MovieText WHERE ") + col + QStringLiteral(" GLOB ?)");
                values << MovieTextIndex::containsGlob(folded);
                return;
            }
        }
        // Containment reads every value: through the key's index, which is far smaller than the
        // table, and only the matching movies' rows after it.
        // sql-identifiers: a fixed column name
        where << (c.exactMatch ? col + QStringLiteral(" = ?")
                               : QStringLiteral("ID IN (SELECT ID FROM Movies WHERE ") + col
                                     + QStringLiteral(" LIKE '%' || ? || '%')"));
        values << foldedText(value);
    };
    auto equalCriterion = [&](const char *column, const QString &value) {
        if (value.isEmpty())
            return;
        // sql-identifiers: a fixed column name
        where << QString::fromLatin1(column) + QStringLiteral(" = ? COLLATE cinelog_nocase");
        values << value;
    };
    auto genreCriterion = [&](const QString &genre) {
        where << QStringLiteral("(Genre1 = ? COLLATE cinelog_nocase OR Genre2 = ? COLLATE cinelog_nocase "
                                "OR Genre3 = ? COLLATE cinelog_nocase)");
        values << genre << genre << genre;
    };

    textCriterion("TitleKey", c.title);
    textCriterion("DirectorKey", c.director);
    equalCriterion("Format", c.format);
    equalCriterion("Rating", c.rating);
    equalCriterion("Medium", c.medium);
    if (c.stars > 0) {
        where << QStringLiteral("UserRating %1 ?").arg(QLatin1String(operatorOf(c.starsComparison)));
        values << c.stars;
    }
    if (!c.genre.isEmpty()) {
        genreCriterion(c.genre);
        if (!c.secondGenre.isEmpty())
            genreCriterion(c.secondGenre);
    }
    if (!c.actor.isEmpty()) {
        if (c.secondActor.isEmpty()) {
            // sql-identifiers: a fixed sub-statement with a placeholder
            where << QStringLiteral("ID IN (SELECT MovID FROM MovActLink WHERE ActID = %1)").arg(FirstActorId);
            values << foldedText(c.actor);
        } else {
            // Both actors: more than one cast row of the movie names either of them, so an actor
            // linked twice (two parts) also passes. A second name that is not in the catalogue stands
            // for no actor (ID 0); a first name that is not there finds nothing.
            // sql-identifiers: a fixed sub-statement with placeholders
            where << QStringLiteral("ID IN (SELECT l.MovID FROM MovActLink l"
                                    " JOIN (SELECT %1 AS a1, IFNULL(%1, 0) AS a2) k"
                                    " ON k.a1 IS NOT NULL AND l.ActID IN (k.a1, k.a2)"
                                    " GROUP BY l.MovID HAVING COUNT(*) > 1)")
                         .arg(FirstActorId);
            values << foldedText(c.actor) << foldedText(c.secondActor);
        }
    }

    // sql-identifiers: fixed conditions with placeholders
    const QString sql = QStringLiteral("SELECT ID, Title, Director, Genre1, Genre2, Genre3, Medium, Format, Rating, "
                                       "ReleaseYear, RunningTime, NumDiscs, UserRating FROM Movies WHERE ")
                        + where.join(QStringLiteral(" AND ")) + QStringLiteral(" ORDER BY OrderByKey, ID");

    // The number of movies found, counted first only where it can be large: a catalogue of no
    // more movies than that cannot give more.
    qint64 total = 0;
    if (progress) {
        if (m_catalogue.scalar(QStringLiteral("SELECT count(*) FROM Movies")).toLongLong() > ProgressCountFrom) {
            // sql-identifiers: the same fixed conditions with placeholders
            QSqlQuery count = m_catalogue.exec(QStringLiteral("SELECT count(*) FROM Movies WHERE ") + where.join(QStringLiteral(" AND ")),
                                               values);
            if (count.next())
                total = count.value(0).toLongLong();
        }
        progress(0, total);
    }
    QSqlQuery q = m_catalogue.exec(sql, values);

    QList<FoundMovie> found;
    int idWidth = 0;
    while (q.next()) {
        if (progress && total > 0 && (found.size() & 0x3FF) == 0 && found.size() > 0)
            progress(std::min<qint64>(found.size(), total), total);
        FoundMovie m;
        m.id = q.value(0).toInt();
        m.text[FoundMovie::ID] = QString::number(m.id);
        idWidth = std::max(idWidth, int(m.text[FoundMovie::ID].size()));
        for (int col = FoundMovie::Title; col <= FoundMovie::Stars; ++col)
            m.text[col] = cellText(q.value(col));
        m.text[FoundMovie::Time] = QCoreApplication::translate("MovieSearch", "%1 mins").arg(m.text[FoundMovie::Time]);

        m.bold[FoundMovie::Title] = equalsExactly(q.value(FoundMovie::Title), c.title);
        m.bold[FoundMovie::Director] = equalsExactly(q.value(FoundMovie::Director), c.director);
        for (int col : {FoundMovie::Genre1, FoundMovie::Genre2, FoundMovie::Genre3})
            m.bold[col] = equalsExactly(q.value(col), c.genre) || equalsExactly(q.value(col), c.secondGenre);
        m.bold[FoundMovie::Medium] = equalsExactly(q.value(FoundMovie::Medium), c.medium);
        m.bold[FoundMovie::Format] = equalsExactly(q.value(FoundMovie::Format), c.format);
        m.bold[FoundMovie::Rating] = equalsExactly(q.value(FoundMovie::Rating), c.rating);
        found.append(std::move(m));
    }
    for (FoundMovie &m : found)
        m.text[FoundMovie::ID] = m.text[FoundMovie::ID].rightJustified(idWidth, QLatin1Char('0'));
    if (progress)
        progress(total, total);
    return found;
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
