#include "ExportColumns.h"
#include "GTestSupport.h"
#include "ImportHeadings.h"
#include "MarkerTranslator.h"

#include <map>

namespace {

struct HeadingSet {
    const char *name;
    QStringList headings;
    std::map<int, int> links; // field -> column (from 1); every other field unlinked
    bool namesFirstLast;
};

QStringList split(const char *commaSeparated)
{
    QStringList out;
    for (const QString &h : QString::fromUtf8(commaSeparated).split(u','))
        out << h.trimmed();
    return out;
}

} // namespace

// Each kind of sheet a user brings against the links the import chooses for it.
TEST(ImportHeadings, LinksEveryRecognisedHeadingSet)
{
    using namespace ImportField;
    const HeadingSet sets[] = {
        {"own export", ExportColumn::headings(),
         {{Title, 2}, {SortKey, 3}, {Director, 4}, {Genre1, 5}, {Genre1 + 1, 6}, {Genre3, 7}, {Medium, 8}, {Format, 9},
          {Rating, 10}, {ReleaseYear, 11}, {RunningTime, 12}, {NumDiscs, 13}, {UserRating, 14}, {Url, 15},
          {EpisodeDisc, 16}, {Cast, 17}, {Episodes, 18}},
         false},
        {"website list export",
         split("Const, Your Rating, Date Rated, Title, URL, Title Type, IMDb Rating, Runtime (mins), Year, Genres, "
               "Num Votes, Release Date, Directors"),
         {{Title, 4}, {Url, 5}, {RunningTime, 8}, {ReleaseYear, 9}, {Genre1, 10}, {Director, 13}},
         true},
        {"website diary export", split("Date, Name, Year, Letterboxd URI"), {{Title, 2}, {ReleaseYear, 3}, {Url, 4}}, false},
        {"plain sheet", split("Title, Director, Year, Genre, Minutes, Actor"),
         {{Title, 1}, {Director, 2}, {ReleaseYear, 3}, {Genre1, 4}, {RunningTime, 5}, {Actor1, 6}},
         false},
        {"plain sheet, other words",
         split("Film, Directed by, Released, Genres, Running Time, Starring, Media, Format, Certificate, Num of Discs, Link"),
         {{Title, 1}, {Director, 2}, {ReleaseYear, 3}, {Genre1, 4}, {RunningTime, 5}, {Actor1, 6}, {Medium, 7}, {Format, 8},
          {Rating, 9}, {NumDiscs, 10}, {Url, 11}},
         false},
        {"plain sheet, more words", split("Movie, Directors, Release Year, Length, Actors, MPAA, Discs, URL, Cast"),
         {{Title, 1}, {Director, 2}, {ReleaseYear, 3}, {RunningTime, 4}, {Actor1, 5}, {Rating, 6}, {NumDiscs, 7},
          {Url, 8}, {Cast, 9}},
         false},
        {"other case, punctuation and units",
         split("MOVIE TITLE:, directed_by, RELEASE-DATE, genre:, Runtime [min], \"Rating\", medium (dvd or video), "
               "num of discs/tapes"),
         {{Title, 1}, {Director, 2}, {ReleaseYear, 3}, {Genre1, 4}, {RunningTime, 5}, {Rating, 6}, {Medium, 7},
          {NumDiscs, 8}},
         false},
        // A year of its own is preferred to a date's year, wherever it stands; a watched date is no
        // release date; a column the program does not know stays unlinked.
        {"preferred names", split("Release Date, Name, Title, Date, Watched Date, Year, Notes"),
         {{Title, 3}, {ReleaseYear, 6}},
         false},
        {"nothing known", split("Const, Notes, Bought"), {}, false},
    };
    for (const HeadingSet &s : sets) {
        SCOPED_TRACE(s.name);
        const FieldLinks links = ImportHeadings::match(s.headings);
        for (int f = 0; f < AllCount; ++f) {
            const auto it = s.links.find(f);
            EXPECT_EQ(links[f], it == s.links.end() ? 0 : it->second) << label(f).toStdString();
        }
        EXPECT_EQ(ImportHeadings::optionsFor(s.headings).namesFirstLast, s.namesFirstLast);
        EXPECT_FALSE(ImportHeadings::optionsFor(s.headings).skipDuplicates);
    }
}

// The fields' own labels name them in a worksheet's headings in English, whatever language the
// window shows them in.
TEST(ImportHeadings, FieldLabelsMatchInEnglishWhileTheWindowShowsThemTranslated)
{
    MarkerTranslator translated;
    for (int field = 0; field < ImportField::AllCount; ++field) {
        SCOPED_TRACE(ImportField::label(field).toStdString());
        EXPECT_EQ(ImportHeadings::fieldFor(ImportField::label(field)), field);
        EXPECT_EQ(ImportField::caption(field), MarkerTranslator::marked(ImportField::label(field)));
    }
    EXPECT_EQ(ImportHeadings::fieldFor(QStringLiteral("Movie Title:")), ImportField::Title);
}

// A language that puts a space before the colon ("Titre du film :") still names the field without
// either in messages and for screen readers.
TEST(ImportHeadings, FieldNamesDropTheColonAndTheSpaceBeforeIt)
{
    struct SpacedColon : QTranslator {
        bool isEmpty() const override { return false; }
        QString translate(const char *, const char *source, const char *, int) const override
        {
            QString text = QString::fromUtf8(source);
            if (text.endsWith(u':'))
                text = text.chopped(1) + QChar(0x00A0) + u':';
            return text;
        }
    } french;
    QCoreApplication::installTranslator(&french);
    EXPECT_EQ(ImportField::caption(ImportField::Title), QStringLiteral("Movie Title") + QChar(0x00A0) + u':');
    EXPECT_EQ(ImportField::name(ImportField::Title), QStringLiteral("Movie Title"));
    QCoreApplication::removeTranslator(&french);
    EXPECT_EQ(ImportField::name(ImportField::Title), QStringLiteral("Movie Title"));
}
