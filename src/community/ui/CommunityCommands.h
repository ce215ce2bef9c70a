#pragma once

#include <QString>
#include <functional>

class AppContext;
class Catalogue;
class CatalogueEvents;
class EditedMovie;
class frmOptions;
class QWidget;

// The main window's community commands. Each one first checks that the exchange is set up and
// otherwise tells the user how to set it up.
namespace Community {

// "Get Movie Info" / Download: opens the results window for the title in the editor (one window at
// a time; a second call brings it to the front).
void showDownloadResults(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                         QWidget *parent);

// Opens the upload window (not modal; one at a time).
void showUploadMovies(AppContext &ctx, Catalogue &catalogue, QWidget *parent);

// Upload: uploads the movie shown in the main window (mnuUpld_Click).
void mnuUpld_Click(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited);

// Adds the "Community connection" and "Community CA file" rows to an options dialog; OK stores
// them.
void addCommunityOptions(frmOptions &dialog);

// Runs f under ctx.guard(label): a failure is logged and shown as usual, but a busy server (a
// limit of the member's account, or too many concurrent writers) is only told to the user, as
// "The community server is busy, try later.", without logging. Returns true when f succeeded.
bool runGuarded(AppContext &ctx, const QString &label, const std::function<void()> &f);

}
