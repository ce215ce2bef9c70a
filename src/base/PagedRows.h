#pragma once

#include "CinelogError.h"

#include <QHash>

// The row of a list whose rows are read from the catalogue a page at a time and held by movie ID:
// the held row, or the one readPage() (reading the page around it into held) brings. A catalogue
// that fails or went away under the list shows the row as empty.
template <typename Row, typename ReadPage>
const Row &pagedRow(const QHash<int, Row> &held, int id, const Row &empty, ReadPage &&readPage)
{
    auto it = held.constFind(id);
    if (it != held.constEnd())
        return *it;
    try {
        readPage();
    } catch (const CinelogError &) {
        return empty;
    }
    it = held.constFind(id);
    return it != held.constEnd() ? *it : empty;
}
