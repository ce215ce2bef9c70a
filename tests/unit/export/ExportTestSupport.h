#pragma once

#include "Catalogue.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A catalogue every export test shares: texts that break naive writers (quotes, commas,
// semicolons, line breaks, non-ASCII, 255 characters, empty fields), two movies with one title,
// cast with roles, episodes, a loan and a cover.
namespace exporttest {

std::unique_ptr<Catalogue> newCatalogue(const QString &path);
void fillTrickyCatalogue(Catalogue &cat);

// Everything an export carries back, one line per fact, in a stable order: movies by ID
// (without the ID), their cast and episodes in order, the name lists as sets.
QStringList dump(Catalogue &cat);

// Runs /usr/bin/python3 with a script and arguments; the output when it exits with 0, or the
// failure's text prefixed by "FAILED".
QString python(const QString &script, const QStringList &args);

} // namespace exporttest
