#include "ImportHeadings.h"

#include <QHash>

namespace ImportHeadings {
namespace {

struct Names {
    int field;
    const char *exportName; // the export's heading for the field
    std::initializer_list<const char *> others;
};

// Headings are compared after normalize(): lower case, letters and digits only.
const Names Table[] = {
    {ImportField::Title, "Title", {"movietitle", "movie", "name", "film"}},
    {ImportField::Director, "Director", {"directors", "directedby"}},
    {ImportField::Actor1, "Actor 1", {"actor", "star"}},
    {ImportField::Actor1 + 1, "Actor 2", {}},
    {ImportField::Actor1 + 2, "Actor 3", {}},
    {ImportField::Actor4, "Actor 4", {}},
    {ImportField::Genre1, "Genre 1", {"genre"}},
    {ImportField::Genre1 + 1, "Genre 2", {}},
    {ImportField::Genre3, "Genre 3", {}},
    {ImportField::Medium, "Medium", {"mediumdvdorvideo", "media"}},
    {ImportField::Format, "Format", {"formatwidefullscreen", "aspect"}},
    {ImportField::Rating, "Rating", {"mpaarating", "certificate", "agerating"}},
    {ImportField::ReleaseYear, "Release Year", {"year", "released"}},
    {ImportField::RunningTime, "Running Time", {"runningtimeinminutes", "runtime", "length", "minutes"}},
    {ImportField::NumDiscs, "Discs", {"numofdiscstapes", "numdiscs", "numberofdiscs", "disccount"}},
    {ImportField::SortKey, "Sort Key", {"orderby", "sorttitle", "sortas"}},
    {ImportField::UserRating, "User Rating", {"myrating"}},
    {ImportField::Url, "URL", {"link", "webaddress", "website"}},
    {ImportField::EpisodeDisc, "Episode Disc", {"isepisodedisc", "episodedisc"}},
    {ImportField::Cast, "Cast", {"actors", "castandroles"}},
    {ImportField::Episodes, "Episodes", {"episodelist"}},
};

QString normalize(const QString &heading)
{
    QString out;
    out.reserve(heading.size());
    for (const QChar c : heading)
        if (c.isLetterOrNumber())
            out += c.toLower();
    return out;
}

const QHash<QString, int> &byName()
{
    static const QHash<QString, int> names = [] {
        QHash<QString, int> h;
        for (const Names &n : Table) {
            h.insert(normalize(QString::fromLatin1(n.exportName)), n.field);
            for (const char *o : n.others)
                h.insert(normalize(QString::fromLatin1(o)), n.field);
        }
        // The labels of the import window's own fields name them too ("Movie Title:", ...).
        for (int f = 0; f < ImportField::Count; ++f)
            h.insert(normalize(ImportField::label(f)), f);
        return h;
    }();
    return names;
}

} // namespace

int fieldFor(const QString &heading)
{
    return byName().value(normalize(heading), -1);
}

FieldLinks match(const QStringList &headings)
{
    FieldLinks links{};
    for (qsizetype i = 0; i < headings.size(); ++i) {
        const int f = fieldFor(headings[i]);
        if (f >= 0 && links[f] == 0)
            links[f] = int(i) + 1;
    }
    return links;
}

QString exportHeading(int field)
{
    for (const Names &n : Table)
        if (n.field == field)
            return QString::fromLatin1(n.exportName);
    return QString();
}

} // namespace ImportHeadings
