#pragma once

#include <QString>
#include <QStringList>

// Title matching against the community database: the title is stripped of common short words,
// roman numerals, punctuation and digits so that its remaining words find records typed
// differently ("Monsters, Inc." finds "Monsters Inc").
namespace TitleWords {

// Removes, case-sensitively and wherever they occur (also inside words), in this order: "the",
// "The", "'", "and", "III", "II", "IV", "on", "a ", "i ", "in ", "vs", "&", ":", "it ", "its ",
// "of", ",", "!", ".", "?", "-", "to", the digits 0 to 9, then every run of four, three and two
// blanks (removed completely, so the words on both sides join).
QString normalise(const QString &title);

// The normalised title split at each blank. An empty word stays in the list (it is skipped when
// searching); a title that normalises to nothing gives no words at all.
QStringList words(const QString &title);

}
