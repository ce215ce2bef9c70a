#pragma once

#include "MovieInfoInterface.h"
#include "TmdbCoversInterface.h"

#include <QObject>

// The plugin's root object: hands out one clsMain or movie-information source per caller (each
// window drives its own).
class TmdbPlugin : public QObject, public TmdbCoversFactory, public MovieInfoFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TmdbCoversFactory_iid FILE "tmdbcovers.json")
    Q_INTERFACES(CoverfetchCoreFactory TmdbCoversFactory MovieInfoFactory)

public:
    std::unique_ptr<clsMain> createClsMain() override;
    std::unique_ptr<clsMain> createTmdbMain(const QUrl &imageBaseAddress) override;
    std::unique_ptr<MovieInfoSource> createMovieInfoSource() override;
};
