#include "ImportHeadings.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace ImportHeadings {
namespace {

struct Names {
    int field;
    const char *exportName; // the export's heading for the field
    // Other names, most preferred first: when two columns name one field, the earlier name wins.
    std::initializer_list<const char *> others;
};

// Headings are compared after normalize(): lower case, letters and digits only, units dropped.
const Names Table[] = {
    {ImportField::Title, "Title", {"movietitle", "movie", "film", "name", "filmtitle"}},
    {ImportField::Director, "Director", {"directors", "directedby"}},
    {ImportField::Actor1, "Actor 1", {"actor", "actors", "starring", "stars", "star"}},
    {ImportField::Actor1 + 1, "Actor 2", {}},
    {ImportField::Actor1 + 2, "Actor 3", {}},
    {ImportField::Actor4, "Actor 4", {}},
    {ImportField::Genre1, "Genre 1", {"genre", "genres"}},
    {ImportField::Genre1 + 1, "Genre 2", {}},
    {ImportField::Genre3, "Genre 3", {}},
    {ImportField::Medium, "Medium", {"mediumdvdorvideo", "media"}},
    {ImportField::Format, "Format", {"formatwidefullscreen", "aspect"}},
    {ImportField::Rating, "Rating", {"mpaarating", "mpaa", "certificate", "certification", "agerating"}},
    // A release date gives its year; a year of its own is preferred.
    {ImportField::ReleaseYear, "Release Year", {"year", "released", "releasedate"}},
    {ImportField::RunningTime, "Running Time", {"runningtimeinminutes", "runtime", "length", "minutes", "mins", "duration"}},
    {ImportField::NumDiscs, "Discs", {"numofdiscstapes", "numofdiscs", "numdiscs", "numberofdiscs", "disccount"}},
    {ImportField::SortKey, "Sort Key", {"orderby", "sorttitle", "sortas"}},
    {ImportField::UserRating, "User Rating", {"myrating"}},
    {ImportField::Url, "URL", {"link", "webaddress", "website", "uri", "letterboxduri"}},
    {ImportField::EpisodeDisc, "Episode Disc", {"isepisodedisc", "episodedisc"}},
    {ImportField::Cast, "Cast", {"castandroles"}},
    {ImportField::Episodes, "Episodes", {"episodelist"}},
};

QString normalize(const QString &heading)
{
    // A unit in brackets says how a value is written, not what it is: "Runtime (mins)".
    static const QRegularExpression bracketed(QStringLiteral("\\([^)]*\\)|\\[[^\\]]*\\]"));
    QString text = heading;
    text.remove(bracketed);
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            out += c.toLower();
    // ... and so does a unit written after the name ("Runtime mins"), unless it is the whole name.
    for (const char *unit : {"inminutes", "minutes", "mins", "min"}) {
        const QString u = QString::fromLatin1(unit);
        if (out.size() > u.size() && out.endsWith(u)) {
            out.chop(u.size());
            break;
        }
    }
    return out;
}

struct Known {
    int field;
    int rank; // 0 for the export's own heading, then the others' order
};

const QHash<QString, Known> &byName()
{
    static const QHash<QString, Known> names = [] {
        QHash<QString, Known> h;
        for (const Names &n : Table) {
            h.insert(normalize(QString::fromLatin1(n.exportName)), {n.field, 0});
            int rank = 1;
            for (const char *o : n.others)
                h.insert(normalize(QString::fromLatin1(o)), {n.field, rank++});
        }
        // The labels of the import window's own fields name them too ("Movie Title:", ...).
        for (int f = 0; f < ImportField::AllCount; ++f)
            h.insert(normalize(ImportField::label(f)), {f, 0});
        return h;
    }();
    return names;
}

} // namespace

int fieldFor(const QString &heading)
{
    const auto it = byName().constFind(normalize(heading));
    return it == byName().cend() ? -1 : it->field;
}

FieldLinks match(const QStringList &headings)
{
    FieldLinks links{};
    std::array<int, ImportField::AllCount> rankOf{};
    for (qsizetype i = 0; i < headings.size(); ++i) {
        const auto it = byName().constFind(normalize(headings[i]));
        if (it == byName().cend())
            continue;
        if (links[it->field] == 0 || it->rank < rankOf[it->field]) {
            links[it->field] = int(i) + 1;
            rankOf[it->field] = it->rank;
        }
    }
    return links;
}

bool namesWrittenFirstLast(const QStringList &headings)
{
    // The list export names each title by its site identifier ("Const") beside the site's own
    // columns; no hand-made sheet or other export has that pair.
    QSet<QString> names;
    for (const QString &h : headings)
        names.insert(normalize(h));
    if (!names.contains(QStringLiteral("const")))
        return false;
    for (const char *siteColumn : {"titletype", "imdbrating", "yourrating", "numvotes", "daterated"})
        if (names.contains(QString::fromLatin1(siteColumn)))
            return true;
    return false;
}

ImportOptions optionsFor(const QStringList &headings)
{
    ImportOptions o;
    o.namesFirstLast = namesWrittenFirstLast(headings);
    return o;
}

QString exportHeading(int field)
{
    for (const Names &n : Table)
        if (n.field == field)
            return QString::fromLatin1(n.exportName);
    return QString();
}

} // namespace ImportHeadings
