#pragma once

#include "CoverfetchInterface.h"

#include <QString>

// The texts of the information tip shown over a thumbnail. key is the thumbnail's key ("Result #n").
QString thumbnailTipTitle(const QString &key, const Coverfetch::AWSItem &item);
QString thumbnailTipText(const Coverfetch::AWSItem &item);

// The slot number in a thumbnail key ("Result #12" gives 12); 0 when the key holds none.
int slotOfKey(const QString &key);
QString keyOfSlot(int slot);
