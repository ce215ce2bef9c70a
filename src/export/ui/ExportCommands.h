#pragma once

#include "ExportDialog.h"

#include <QObject>
#include <QStringList>

class AppContext;
class BackgroundBackup;
class Catalogue;

// The export and backup commands of the main window and the search window.
namespace ExportCommands {

// Asks what to export and where (ExportDialog), then writes the file with a progress window
// that can cancel. listMovies / searchMovies are offered when given.
void showExport(AppContext &ctx, Catalogue &catalogue, std::optional<QList<int>> listMovies,
                std::optional<QList<int>> searchMovies, QWidget *parent);

// "Back Up Catalogue...": asks where (the backups folder is offered) and writes a checked copy.
void backUpCatalogue(AppContext &ctx, Catalogue &catalogue, QWidget *parent);

// "Restore from Backup...": lists the open catalogue's backups; after the question, closes the
// catalogue and restores the chosen backup over it. The caller then opens closedPath again (also
// when the restore failed) and, when restored, tells the user with restoreDone().
struct RestoreOutcome {
    QString closedPath; // empty: nothing was chosen, the catalogue stays open
    bool restored = false;
};
RestoreOutcome showRestore(AppContext &ctx, Catalogue &catalogue, QWidget *parent);
void restoreDone(AppContext &ctx);

// Where backups are kept.
QString backupFolder();
}

// Automatic backups: one per catalogue shown (on a background connection, so the program does
// not wait) and one when the program closes; each only when due (changed, a day since the last).
class AutoBackups : public QObject
{
    Q_OBJECT
public:
    AutoBackups(AppContext &ctx, QObject *parent = nullptr);
    ~AutoBackups() override;

    // The list of this catalogue is shown: queue its backup (and that of the catalogue shown
    // before, which has been closed).
    void catalogueShown(const QString &path);
    // The program closes: finish the running backup, then back up the open catalogue.
    void closing(const QString &openPath);

signals:
    void finished(const QString &path, const QString &error);

private:
    void startNext();

    AppContext &m_ctx;
    BackgroundBackup *m_worker;
    QStringList m_pending;
    QString m_lastShown;
};
