#pragma once

class AppContext;
class Catalogue;
class CatalogueEvents;
class CoverWallPane;
class frmMain;
class StatisticsWindow;

// View > List / Covers (Ctrl+1 / Ctrl+2, the toolbar's Covers toggle): the cover wall in place of
// the movie list, over the same rows and selection. Tools > Statistics: the statistics window,
// which follows the catalogue's announced changes (and other programs' saves on its own).
void wirePictureViews(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, frmMain &mainWindow);

// The settings of the cover wall.
namespace CoverWallSettings {
// Megabytes of thumbnails kept (default 64).
int cacheMegabytes(const AppContext &ctx);
void setCacheMegabytes(AppContext &ctx, int megabytes);
}
