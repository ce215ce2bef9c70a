#pragma once

#include "Backups.h"

#include <QDialog>

class AppContext;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// Lists a catalogue's backups (date, size, movies) and restores the one chosen; also holds how
// many automatic backups are kept.
class RestoreWindow : public QDialog
{
    Q_OBJECT
public:
    RestoreWindow(AppContext &ctx, Backups &backups, QString cataloguePath, QWidget *parent = nullptr);

    // The backup chosen for restoring, once the window was accepted.
    QString chosenBackup() const { return m_chosen; }
    void refresh();

    QLabel *lblCatalogue, *lblFolder;
    QTreeWidget *lstBackups;
    QSpinBox *spnKeep;
    QPushButton *cmdRestore, *cmdClose;

private:
    void restoreClicked();

    AppContext &m_ctx;
    Backups &m_backups;
    QString m_cataloguePath;
    QString m_chosen;
};

// The settings of automatic backups: how many to keep (0 turns them off).
namespace BackupSettings {
int keep(AppContext &ctx);
void setKeep(AppContext &ctx, int keep);
}
