#pragma once

#include "WorkbookReader.h"

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

struct ImportSummary {
    int movies = 0;
    int directorsAdded = 0;
    int actorsAdded = 0;
    int genresAdded = 0;
};

// Appends one movie per worksheet row (rows 2 to the last row with content) to a catalogue.
class WorkbookImport
{
public:
    // Imports into the catalogue file at targetPath: through the open catalogue's own connection
    // when it is that file, otherwise through a connection of its own. All rows are appended in
    // one transaction, or none: a failure throws CinelogError naming the row and column.
    static ImportSummary run(const SheetData &sheet, const FieldLinks &links, Catalogue &openCatalogue,
                             const QString &targetPath, ProgressSink &progress);

    // Whether targetPath is the file the catalogue has open.
    static bool isOpenCatalogue(Catalogue &openCatalogue, const QString &targetPath);
};
