#pragma once

#include <QString>
#include <QUrl>

// The web addresses the program builds (searches on IMDb and Netflix, the product's own site) and the
// one rule for which stored addresses it hands to the browser.
namespace WebLookup {

// An address the program opens: http or https with a host. Addresses come from catalogues that may
// have been made by someone else; a file:, smb: or other address would start whatever the desktop
// associates with it.
bool mayOpen(const QUrl &url);

// The address typed into a movie's or a person's URL box, read the tolerant way a browser's
// address bar reads it ("www.example.org" is http). Invalid when the text is empty, only "http://",
// or not an address mayOpen accepts.
QUrl storedAddress(const QString &text);

// IMDb's find page for a title ("tt") or a name ("nm"). The text is percent-encoded so that "&" or
// "#" reaches the site whole.
QUrl imdbFind(const QString &text, const char *kind);
inline QUrl imdbTitleSearch(const QString &title) { return imdbFind(title, "tt"); }
inline QUrl imdbNameSearch(const QString &name) { return imdbFind(name, "nm"); }
// Netflix's search page; blanks become "+".
QUrl netflixSearch(const QString &text);

// The product's site from the build's web address, and its forums below it; invalid when the build
// has no web address (or one mayOpen refuses).
QUrl productSite(const QString &webAddress);
QUrl productForums(const QString &webAddress);

} // namespace WebLookup
