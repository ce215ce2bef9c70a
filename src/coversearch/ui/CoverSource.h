#pragma once

#include <QString>

class AppContext;
class frmOptions;

// Where the cover search window looks for covers. The choice and the TMDb credential live in the
// settings section "CoverSearch":
//   "Source"               "CoverfetchCore" (the product-search service, the default) or "TMDb"
//   "TMDbKey"              the user's TMDb API key (or API read access token)
//   "TMDbBaseAddress"      replaces TMDb's API address (scheme, host, port; empty for TMDb's own)
//   "TMDbImageBaseAddress" replaces TMDb's picture address (empty for TMDb's own)
enum class CoverSource { CoverfetchCore, Tmdb };

namespace CoverSourceSettings {

CoverSource source(const AppContext &ctx);
void setSource(AppContext &ctx, CoverSource source);
QString tmdbKey(const AppContext &ctx);
void setTmdbKey(AppContext &ctx, const QString &key);

} // namespace CoverSourceSettings

// Adds the "Cover source" choice and the TMDb API key to an options dialog; OK stores them.
void addCoverSearchOptions(frmOptions &dialog);
