#include "TmdbPlugin.h"

#include "TmdbMain.h"

std::unique_ptr<clsMain> TmdbPlugin::createClsMain()
{
    return std::make_unique<TmdbMain>(QUrl());
}

std::unique_ptr<clsMain> TmdbPlugin::createTmdbMain(const QUrl &imageBaseAddress)
{
    return std::make_unique<TmdbMain>(imageBaseAddress);
}
