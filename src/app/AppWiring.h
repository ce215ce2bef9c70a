#pragma once

class AppContext;
class Catalogue;
class CatalogueEvents;
class frmMain;
class ProgressWindow;
class SingleInstance;

// Connects the main window's commands to the windows of the other parts of the program, and the
// main window to the announcements of catalogue changes (events) those windows make.
void wireMainWindow(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, frmMain &mainWindow);
// File > Export, Back Up Catalogue, Restore from Backup, and the automatic backups (called by
// wireMainWindow).
void wireExportAndBackups(AppContext &ctx, Catalogue &catalogue, frmMain &mainWindow);
// The watch over the open catalogue (called by wireMainWindow): the background check after each
// open, the offer to recover a damaged catalogue, Check Catalogue... in the database tools, and
// noticing another program's restore or deletion of the file.
void wireCatalogueWatch(AppContext &ctx, Catalogue &catalogue, frmMain &mainWindow);
// Get Movie Details, New Movie from TMDb and Fill Details for Movies, with their options (called by
// wireMainWindow).
void wireMovieDetails(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, frmMain &mainWindow);
// The undo history of the open catalogue and the Edit menu's Undo and Redo (called by
// wireMainWindow).
void wireUndo(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, frmMain &mainWindow);

// Opens the catalogues the program is asked to open (its own command line, later starts) in the
// main window, one at a time while it is idle. statusReport prints the program's state as one JSON
// line on standard output after each request.
void wireOpenRequests(SingleInstance &instance, Catalogue &catalogue, frmMain &mainWindow, ProgressWindow &progress,
                      bool statusReport);
