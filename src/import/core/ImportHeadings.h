#pragma once

#include "WorkbookImport.h"

#include <QStringList>

// Recognises worksheet headings and links them to movie fields, so a workbook whose first row
// names its columns (an exported catalogue, a list kept by hand, a list exported from a movie
// website) imports without linking every column by hand. One table of names per field; extend the
// table to recognise more. The import window and the export both use this one table.
namespace ImportHeadings {

// The field a heading names, or -1. Letter case, spaces, punctuation, a unit in brackets and a
// trailing unit word are ignored ("Sort Key", "sort_key:" and "SORTKEY" are the same heading, and
// so are "Runtime (mins)", "Runtime [min]" and "runtime").
int fieldFor(const QString &heading);

// Links for a sheet's headings (heading n is column n). When several columns name a field, the
// field's preferred name wins ("Year" over "Release Date"), then the first column; a heading that
// names nothing is left unlinked.
FieldLinks match(const QStringList &headings);

// Whether the headings are those of a website's list export, which writes people "First Last"
// (and several directors in one cell, separated by commas).
bool namesWrittenFirstLast(const QStringList &headings);

// What the import makes of a sheet with these headings: the links and the options they imply.
ImportOptions optionsFor(const QStringList &headings);

// The heading each field is written under by the export (and read back by match()).
QString exportHeading(int field);
}
