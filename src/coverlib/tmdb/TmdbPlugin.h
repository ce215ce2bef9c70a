#pragma once

#include "TmdbCoversInterface.h"

#include <QObject>

// The plugin's root object: hands out one clsMain per caller (each window drives its own).
class TmdbPlugin : public QObject, public TmdbCoversFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TmdbCoversFactory_iid FILE "tmdbcovers.json")
    Q_INTERFACES(CoverfetchCoreFactory TmdbCoversFactory)

public:
    std::unique_ptr<clsMain> createClsMain() override;
    std::unique_ptr<clsMain> createTmdbMain(const QUrl &imageBaseAddress) override;
};
