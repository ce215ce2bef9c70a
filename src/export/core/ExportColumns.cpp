#include "ExportColumns.h"

#include "ImportHeadings.h"

namespace ExportColumn {

const QStringList &headings()
{
    static const QStringList h = [] {
        // Where a column is also an import field, the import's table names it, so the two
        // always agree.
        static const int fields[Count] = {-1,
                                          ImportField::Title,
                                          ImportField::SortKey,
                                          ImportField::Director,
                                          ImportField::Genre1,
                                          ImportField::Genre1 + 1,
                                          ImportField::Genre3,
                                          ImportField::Medium,
                                          ImportField::Format,
                                          ImportField::Rating,
                                          ImportField::ReleaseYear,
                                          ImportField::RunningTime,
                                          ImportField::NumDiscs,
                                          ImportField::UserRating,
                                          ImportField::Url,
                                          ImportField::EpisodeDisc,
                                          ImportField::Cast,
                                          ImportField::Episodes,
                                          -1,
                                          -1};
        QStringList list;
        for (int c = 0; c < Count; ++c)
            list << (fields[c] >= 0 ? ImportHeadings::exportHeading(fields[c]) : QString());
        list[Id] = QStringLiteral("ID");
        list[LoanedTo] = QStringLiteral("Loaned To");
        list[LoanedSince] = QStringLiteral("Loaned Since");
        return list;
    }();
    return h;
}

bool isNumeric(int column)
{
    return column == Id || column == UserRating;
}

} // namespace ExportColumn
