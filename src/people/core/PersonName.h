#pragma once

#include <QString>

// The catalogue stores people as "Last, First" ("Reeves, Keanu"): the pick lists sort by it and the
// reports print it. Sources outside the catalogue (online movie databases, other programs' list
// exports) write people as "First Last". These functions bring such names into the catalogue's form
// and find a person again whichever form a name arrives in.
namespace PersonName {

// "Keanu Reeves" -> "Reeves, Keanu". The family name is the last word together with the lower-case
// or capitalised particles before it ("Vincent van Gogh" -> "van Gogh, Vincent", "Oscar de la Hoya"
// -> "de la Hoya, Oscar"); a generational suffix stays with it ("Robert Downey Jr." and
// "Sammy Davis, Jr." -> "Downey Jr., Robert", "Davis Jr., Sammy"). Blanks are trimmed and runs of
// blanks collapsed. Left as given (apart from blanks): empty text, a single name ("Madonna"), a name
// already holding a comma ("Reeves,Keanu" only gains the blank after the comma), and names written
// in a script other than Latin ("黒澤 明", "Андрей Тарковский"), whose order follows other customs.
QString toLastFirst(const QString &name);

// A key that is equal for two names exactly when they name the same person: the name in "Last, First"
// form, folded to ignore letter case (non-ASCII letters included). Use it to look many names up in a
// hash built over the stored ones.
QString matchKey(const QString &name);

// True when name, in either form, names the person stored as stored ("Keanu Reeves", "reeves, keanu"
// and "Reeves,  Keanu" all match a stored "Reeves, Keanu").
bool sameName(const QString &name, const QString &stored);

} // namespace PersonName
