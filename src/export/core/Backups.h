#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// One catalogue copy in the backups folder.
struct BackupInfo {
    QString path;
    QDateTime when; // local time the copy was made
    qint64 bytes = 0;
    int movies = -1; // -1 when the copy cannot be read
};

struct BackupOptions {
    int busyTimeoutMs = 30000; // how long the copy waits for a writer to finish its transaction
    // Runs between writing the copy and checking it (tests damage the copy here).
    std::function<void(const QString &temporaryCopy)> afterCopy;
};

// Copies of catalogues: made while writers wait, checked before they get their name, kept in
// one folder, named after the catalogue, the time and which catalogue file they come from.
class Backups
{
public:
    // folder: where the copies live (created when needed).
    explicit Backups(QString folder = defaultFolder());

    // The program's data folder for backups (~/.local/share/Cinelog/backups).
    static QString defaultFolder();
    const QString &folder() const { return m_folder; }

    // Copies the catalogue at sourcePath to destPath: a second connection holds the write lock
    // (so other writers wait and the copy is one consistent state), the engine's online backup
    // copies its pages into a temporary file beside destPath, its integrity is checked, and only then does it get destPath's name.
    // A copy that fails its check is removed and CinelogError says so.
    static void copyCatalogue(const QString &sourcePath, const QString &destPath, const BackupOptions &options = {});

    // Whether the file at path is a sound catalogue (integrity check, catalogue identity); the
    // reason when it is not.
    static std::optional<QString> checkCopy(const QString &path);

    // Makes a backup of the catalogue now; returns its path. Records what was backed up, so
    // autoBackupDue() can tell whether the catalogue changed since.
    QString backUp(const QString &sourcePath, const QDateTime &now = QDateTime::currentDateTime(),
                   const BackupOptions &options = {});

    // A catalogue is due an automatic backup when it changed since its last backup and that
    // backup is a day old or more (or there is none).
    bool autoBackupDue(const QString &sourcePath, const QDateTime &now = QDateTime::currentDateTime()) const;
    // Backs up when due and keep > 0, then keeps the newest keep backups of that catalogue.
    // Returns the new backup's path, or nothing when none was due.
    std::optional<QString> autoBackUp(const QString &sourcePath, int keep, const QDateTime &now = QDateTime::currentDateTime(),
                                      const BackupOptions &options = {});

    // The catalogue's backups, newest first.
    QList<BackupInfo> list(const QString &sourcePath) const;
    // Removes all but the newest keep backups of the catalogue (keep <= 0 removes none).
    void prune(const QString &sourcePath, int keep);

    // Puts the backup in the catalogue's place. The backup is checked first (one that fails is
    // removed and CinelogError reports it); the current catalogue file is kept as one more backup;
    // the replacement is written beside the catalogue and renamed over it while the write lock is
    // held, so no writer is half-way through. The caller closes and reopens the catalogue.
    void restore(const QString &backupPath, const QString &cataloguePath, const QDateTime &now = QDateTime::currentDateTime(),
                 const BackupOptions &options = {});

private:
    QString idOf(const QString &sourcePath) const;
    QString stateFile() const;

    QString m_folder;
};

// Runs one automatic backup on a thread of its own, so the caller (the program starting up or
// showing its list) does not wait for it.
class BackgroundBackup : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundBackup(QObject *parent = nullptr);
    ~BackgroundBackup() override; // waits for a running backup

    // Starts the backup unless one is running; returns at once.
    bool start(const QString &folder, const QString &sourcePath, int keep, const BackupOptions &options = {});
    bool isRunning() const;
    // Waits for the running backup, at most timeoutMs.
    bool wait(int timeoutMs);

signals:
    // path is empty when none was due; error is empty when nothing failed.
    void finished(const QString &path, const QString &error);

private:
    class QThread *m_thread = nullptr;
};
