#pragma once

#include <QJsonObject>
#include <QStringList>

class Catalogue;
class frmMain;

// Where the cover-source plugins are: $CINELOG_PLUGIN_DIR, beside a build's executable, or in the
// installed plugin folder.
QStringList pluginFolders();

// The program's state for checking an installation: the catalogue shown and whether it is open, the
// number of movies listed, and every plugin in pluginFolders() that loads, with its interface id.
QJsonObject statusReport(const Catalogue &catalogue, const frmMain &mainWindow);
