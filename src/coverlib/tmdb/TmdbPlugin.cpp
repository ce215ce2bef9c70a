#include "TmdbPlugin.h"

#include "TmdbMain.h"
#include "TmdbMovieInfo.h"

std::unique_ptr<clsMain> TmdbPlugin::createClsMain()
{
    return std::make_unique<TmdbMain>(QUrl());
}

std::unique_ptr<clsMain> TmdbPlugin::createTmdbMain(const QUrl &imageBaseAddress)
{
    return std::make_unique<TmdbMain>(imageBaseAddress);
}

std::unique_ptr<MovieInfoSource> TmdbPlugin::createMovieInfoSource()
{
    return std::make_unique<TmdbMovieInfo>();
}
