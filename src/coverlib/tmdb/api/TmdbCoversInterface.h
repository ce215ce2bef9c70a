#pragma once

// The public face of the TMDb cover source, a second plugin that implements clsMain (see
// CoverfetchInterface.h) on top of The Movie Database API v3 (GET /3/search/movie).
//
// The same plugin is also a movie-information source (MovieInfoInterface.h): its root object
// implements MovieInfoFactory, so MovieInfo::findSources finds it by that interface.
//
// It answers a different IID than CoverfetchCore, so Coverfetch::findCoverfetchCore never picks it
// by mistake; the program asks for it by name with Tmdb::findTmdbCovers.
//
//     TmdbCoversFactory *factory = Tmdb::findTmdbCovers(pluginFolder, &why);
//     std::unique_ptr<clsMain> core = factory->createTmdbMain(imageBase);   // empty: TMDb's own
//     core->setBaseAddress(apiBase);                                        // empty: TMDb's own
//     core->Query(title, apiKey, QString(), QString(), pages);
//
// How the clsMain arguments are used:
//   strQueryString            the title searched for (sent as "query").
//   strSubscriptionID         the user's TMDb credential: an API key (v3, sent as the query parameter
//                             "api_key") or an API read access token (a token with dots, sent as
//                             "Authorization: Bearer ..."). Empty: no credential is sent.
//   strLocaleURL, strMediaType  not used (the search covers movies).
//   lngNumberOfPagesToProcess the most pages to fetch, 0 for all (TMDb serves 20 results a page).
// Results: strTitle the title, strASIN the TMDb movie ID, strArtist the release year,
// strProductGroup "Movie", and the poster at w92 / w342 / w780 as small / medium / large picture
// (heights at 2:3). A result without a poster has no picture addresses.
// Status codes keep CoverfetchCore's meanings: 402 is an error reply of the service (AWSError has
// its status code and message: 401 for a bad key, a 429 that outlasted the retries), 403 a reply
// that could not be read (XMLError tells why: transfer failure, time-out, too large, not JSON).
// A 429 reply is retried after its Retry-After wait (at most RetryLimit times, and only when the
// wait is at most MaxRetryWaitSeconds); Cancel ends such a wait at once.

#include "CoverfetchInterface.h"

namespace Tmdb {

inline constexpr char InterfaceId[] = "CoverfetchCore.clsMain.TMDb";
inline const QString DefaultBaseAddress = QStringLiteral("https://api.themoviedb.org");
inline const QString DefaultImageBaseAddress = QStringLiteral("https://image.tmdb.org/t/p/");
inline constexpr qint32 ResultsPerPage = 20;
inline constexpr int RetryLimit = 3;
inline constexpr int MaxRetryWaitSeconds = 10;
// TMDb serves at most this many pages of one search.
inline constexpr qint32 MaxPages = 500;

} // namespace Tmdb

// The plugin's root object implements this factory (and CoverfetchCoreFactory, whose
// createClsMain() gives an object using TMDb's own image address).
class TmdbCoversFactory : public CoverfetchCoreFactory
{
public:
    // imageBaseAddress: where picture sizes are appended ("<base>/w92/<poster>"); empty for TMDb's.
    virtual std::unique_ptr<clsMain> createTmdbMain(const QUrl &imageBaseAddress) = 0;
};

#define TmdbCoversFactory_iid "CoverfetchCore.clsMain.TMDb"
Q_DECLARE_INTERFACE(TmdbCoversFactory, TmdbCoversFactory_iid)

namespace Tmdb {

// Finds the TMDb cover plugin among the plugins in folder (by its IID), loads it and returns its
// factory, or nullptr with *error set.
inline TmdbCoversFactory *findTmdbCovers(const QString &folder, QString *error = nullptr)
{
    return Coverfetch::findPluginFactory<TmdbCoversFactory>(folder, InterfaceId, QStringLiteral("TMDb cover"), error);
}

} // namespace Tmdb
