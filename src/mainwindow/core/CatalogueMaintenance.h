#pragma once

#include <QString>

class Catalogue;

// Rewrites the open catalogue into a compact copy beside it, checks the copy, then puts it in the
// catalogue's place in one step and re-opens it. On any failure the catalogue stays as it was and
// the copy is removed. scratchFolder defaults to the catalogue's own folder.
void compactCatalogue(Catalogue &catalogue, const QString &scratchFolder = QString());
