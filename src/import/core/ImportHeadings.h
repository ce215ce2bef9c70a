#pragma once

#include "WorkbookImport.h"

#include <QStringList>

// Recognises worksheet headings and links them to movie fields, so a workbook whose first row
// names its columns (an exported catalogue, a list kept by hand) imports without linking every
// column by hand. One table of names per field; extend the table to recognise more.
namespace ImportHeadings {

// The field a heading names, or -1. Letter case, spaces, punctuation and a trailing colon are
// ignored ("Sort Key", "sort_key:" and "SORTKEY" are the same heading).
int fieldFor(const QString &heading);

// Links for a sheet's headings (heading n is column n). The first column naming a field wins;
// a heading that names nothing is left unlinked.
FieldLinks match(const QStringList &headings);

// The heading each field is written under by the export (and read back by match()).
QString exportHeading(int field);
}
