#pragma once

#include "WorkbookReader.h"

#include <QList>
#include <QSet>
#include <QString>
#include <array>
#include <optional>

class Catalogue;
class ProgressSink;

// The movie fields a worksheet column can be linked to, in the window's order.
namespace ImportField {
enum : int {
    Title = 0,
    Director = 1,
    Actor1 = 2,
    Actor4 = 5,
    Genre1 = 6,
    Genre3 = 8,
    Medium = 9,
    Format = 10,
    Rating = 11,
    ReleaseYear = 12,
    RunningTime = 13,
    NumDiscs = 14,
    Count = 15, // the fields the import window offers a combo box for
    // Fields a workbook's headings link by themselves (an exported catalogue has them):
    SortKey = 15,    // the title's sort key, stored as it is (the title then is not rearranged)
    UserRating = 16, // 0..7
    Url = 17,
    EpisodeDisc = 18, // Yes/No, 1/0, True/False
    Cast = 19,        // "Name as Role; Name as Role"
    Episodes = 20,    // "disc/number/title; disc/number/title"
    AllCount = 21
};
// The label shown beside the field's combo box ("Movie Title:", ...), or the field's name.
QString label(int field);
// The same label in the user's language, as windows and messages show it.
QString caption(int field);
// The caption without its closing colon (and the space some languages put before it), to name the field in a sentence.
QString name(int field);
}

// For each field, the worksheet column (from 1) it is read from, or 0 when it is not linked.
using FieldLinks = std::array<int, ImportField::AllCount>;

// The items of a Cast or Episodes cell. Items are separated by "; " (a semicolon, then spaces);
// a semicolon inside an item is written twice, so names and titles may hold any text.
namespace ImportLists {
QStringList split(const QString &cell);
QString join(const QStringList &items);

struct CastMember {
    QString name;
    QString role;
};
// "Name as Role" (the first " as " separates them); "Name" alone has no role.
CastMember castMember(const QString &item);
QString castItem(const CastMember &member);

struct Episode {
    QString disc;   // may be empty
    QString number; // may be empty
    QString title;
};
// "disc/number/title"; the title may hold further slashes.
std::optional<Episode> episode(const QString &item);
QString episodeItem(const Episode &e);
}

// How rows are read beyond the links.
struct ImportOptions {
    // People are written "First Last" (a website's list export): they are stored "Last, First",
    // and of several directors in one cell, separated by commas, the first is taken.
    bool namesFirstLast = false;
    // Rows naming a movie the target held before the import began (same title ignoring case,
    // same release year) are left out.
    bool skipDuplicates = false;
};

// The movies a catalogue holds, as rows are compared with them: the title's folded form and the
// release year.
using MovieKeys = QSet<QString>;

// One worksheet row as the import will store it.
struct PreparedRow {
    int row = 0;
    // The movie's own fields as they will be stored: the title after the title rule, the sort key
    // (given or derived), the release year of a date, the genres of a single genre column spread,
    // the director (converted when names are written "First Last"). Actor and Cast entries stay
    // empty: the people are in cast.
    std::array<QString, ImportField::AllCount> values;
    // Everyone linked to the movie, in order: first the people of the actor boxes (each cell split
    // on semicolons), then the Cast items with their roles. The first actorCount of them fill the
    // window's four actor boxes; the rest are the further cast.
    QList<ImportLists::CastMember> cast;
    int actorCount = 0;
    QList<ImportLists::Episode> episodes;
    // Why the row will not be imported (its title is empty, a value is too long or malformed), or
    // empty when it will be.
    QString refusal;
    // The target held a movie with this title and year before the import began.
    bool duplicate = false;
    // Whether the import stores this row under the given options.
    bool imported(const ImportOptions &options) const { return refusal.isEmpty() && !(duplicate && options.skipDuplicates); }
};

struct ImportSummary {
    int movies = 0;
    int directorsAdded = 0;
    int actorsAdded = 0;
    int genresAdded = 0;
    int refused = 0;           // rows left out for a refusal
    int duplicatesSkipped = 0; // rows left out as already in the target
};

// Appends one movie per worksheet row (rows 2 to the last row with content) to a catalogue.
class WorkbookImport
{
public:
    // Imports into the catalogue file at targetPath: through the open catalogue's own connection
    // when it is that file, otherwise through a connection of its own. All rows are appended in
    // one transaction, or none: a failure of the catalogue throws CinelogError naming the row.
    // Refused rows (see PreparedRow) and, when asked, duplicates are left out and counted.
    static ImportSummary run(const SheetData &sheet, const FieldLinks &links, Catalogue &openCatalogue,
                             const QString &targetPath, ProgressSink &progress, const ImportOptions &options = {});

    // Worksheet row `row` as run() would store it; existing holds the target's movies.
    static PreparedRow prepare(const SheetData &sheet, int row, const FieldLinks &links, const ImportOptions &options,
                               const MovieKeys &existing);

    // The movies of the catalogue file at targetPath (the open catalogue when it is that file) that
    // the sheet's rows may name under these links: what prepare() compares rows with. A file that
    // cannot be read as a catalogue holds none: the import itself reports it.
    static MovieKeys existingMovies(Catalogue &openCatalogue, const QString &targetPath, const SheetData &sheet,
                                    const FieldLinks &links);

    // Whether targetPath is the file the catalogue has open.
    static bool isOpenCatalogue(Catalogue &openCatalogue, const QString &targetPath);
};
