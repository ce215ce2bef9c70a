#pragma once

#include "CatalogueFile.h"
#include "CinelogError.h"

#include <QString>
#include <cstdio>

// Makes a new, empty catalogue file as the program does; false (with the reason printed) when it
// could not be made. For tests whose subject is not catalogue creation itself.
inline bool createCatalogue(const QString &path)
{
    try {
        CatalogueFile::create(path);
        return true;
    } catch (const CinelogError &e) {
        std::fprintf(stderr, "creating %s failed: %s\n", qPrintable(path), e.what());
        return false;
    }
}
