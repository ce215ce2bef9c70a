#pragma once

#include "ExportColumns.h"

#include <QList>
#include <optional>

class Catalogue;

// Reads the movies to export a page at a time, each page in its own short read transaction, so
// other programs can save to the catalogue between pages.
class MovieExportReader
{
public:
    // movieIds: the movies in the order to export them; none means the whole catalogue by ID.
    MovieExportReader(Catalogue &catalogue, std::optional<QList<int>> movieIds, int pageSize = 1000);

    // How many movies the export will hold (for progress; the whole catalogue is counted once).
    int count() const { return m_count; }
    // The next page of rows; false when every movie has been read.
    bool nextPage(QList<ExportRow> &rows);

private:
    QList<int> nextIds();

    Catalogue &m_cat;
    std::optional<QList<int>> m_ids;
    int m_pageSize;
    int m_count = 0;
    qsizetype m_next = 0; // index into m_ids
    qint64 m_lastId = 0;  // the whole catalogue: the last ID read
    bool m_done = false;
};
