#include "CoverfetchPlugin.h"

#include "CoverfetchMain.h"

std::unique_ptr<clsMain> CoverfetchPlugin::createClsMain()
{
    return std::make_unique<CoverfetchMain>();
}
