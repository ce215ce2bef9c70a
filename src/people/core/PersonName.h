#pragma once

#include <QString>

// People's names as the catalogue keeps them. Online sources and websites write "First Last"
// ("Keanu Reeves"); the catalogue's pick lists and reports expect "Last, First" ("Reeves, Keanu").
namespace PersonName {

// "Keanu Reeves" -> "Reeves, Keanu". Particles stay with the last name ("Vincent van Gogh" ->
// "van Gogh, Vincent", "Robert De Niro" -> "De Niro, Robert"); a suffix goes to the end
// ("Robert Downey Jr." -> "Downey, Robert, Jr."). A single name, a name already holding a comma,
// and a name written in another script than the Latin one are returned as given (blanks tidied).
QString toCatalogueForm(const QString &given);

} // namespace PersonName
