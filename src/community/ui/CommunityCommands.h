#pragma once

class AppContext;
class Catalogue;
class MainWindowLink;
class QWidget;

// The main window's community commands. Each one first checks that the exchange is set up and
// otherwise tells the user how to set it up.
namespace Community {

// "Get Movie Info" / Download: opens the results window for the title in the editor (one window at
// a time; a second call brings it to the front).
void showDownloadResults(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow);

// Opens the upload window (not modal; one at a time).
void showUploadMovies(AppContext &ctx, Catalogue &catalogue, QWidget *parent);

// Upload: uploads the movie shown in the main window (mnuUpld_Click).
void mnuUpld_Click(AppContext &ctx, Catalogue &catalogue, MainWindowLink &mainWindow);

// Adds the "Community connection" row to the options dialog. Call once at start-up.
void registerCommunityOptions();

}
