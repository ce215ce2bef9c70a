#pragma once

#include "CoverfetchInterface.h"

#include <QObject>

// The plugin's root object: hands out one clsMain per caller (each window drives its own).
class CoverfetchPlugin : public QObject, public CoverfetchCoreFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CoverfetchCoreFactory_iid FILE "coverfetchcore.json")
    Q_INTERFACES(CoverfetchCoreFactory)

public:
    std::unique_ptr<clsMain> createClsMain() override;
};
