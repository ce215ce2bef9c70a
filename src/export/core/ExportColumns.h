#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The columns of an exported catalogue, in their order: every stored column of a movie but its
// cover, then its cast, its episodes and whether it is out on loan (the loan is for reading only;
// an import does not bring it back).
namespace ExportColumn {
enum : int {
    Id,
    Title,
    SortKey,
    Director,
    Genre1,
    Genre2,
    Genre3,
    Medium,
    Format,
    Rating,
    ReleaseYear,
    RunningTime,
    Discs,
    UserRating,
    Url,
    EpisodeDisc,
    Cast,
    Episodes,
    LoanedTo,
    LoanedSince,
    Count
};
// The headings of row 1 (the import recognises them).
const QStringList &headings();
// Columns holding whole numbers, written as numbers where a workbook has cell types.
bool isNumeric(int column);
}

struct ExportRow {
    int movieId = 0;
    bool hasCover = false;
    QStringList values; // ExportColumn::Count texts, empty where the movie has no value
};
