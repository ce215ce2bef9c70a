#pragma once

#include "WorkbookReader.h"

#include <QString>
#include <array>

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
    Count = 15
};
// The label shown beside the field's combo box ("Movie Title:", ...).
QString label(int field);
}

// For each field, the worksheet column (from 1) it is read from, or 0 when it is not linked.
using FieldLinks = std::array<int, ImportField::Count>;

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
