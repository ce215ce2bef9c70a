#pragma once

#include "CatalogueHealth.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class AppContext;
class Catalogue;
class ProgressSink;
class QThread;

// Keeps an eye on the open catalogue for the user: a quick check of each newly opened file on a
// connection and thread of its own (the program does not wait for it), damage met at any time, and
// another program putting a different file in the catalogue's place (a restore from backup, a
// compaction). It owns the catalogue's damaged handler.
class CatalogueWatch : public QObject
{
    Q_OBJECT
public:
    CatalogueWatch(AppContext &ctx, Catalogue &catalogue, QObject *parent = nullptr);
    ~CatalogueWatch() override; // waits for a running check

    // Starts the quick check of the catalogue now open, unless that file was checked already or a
    // check is running; returns at once. A file found damaged is marked so (read-only) and
    // damaged() follows.
    bool startQuickCheck();
    bool checkRunning() const;
    bool waitForCheck(int timeoutMs);

    // The full check on demand, with progress; a damaged file is marked so and damaged() follows.
    // Returns the findings; tells the user when nothing was found.
    CatalogueHealth::CheckResult checkNow(ProgressSink &progress, const std::function<bool()> &cancelled = {});

    // When another program put a different file at the catalogue's path while nothing is being
    // written here, opens that file and says so in replaced(); a deleted file is reported once in
    // removed(). Returns whether anything changed.
    bool checkStillTheFile();

    // Asks whether to recover what can be read from the damaged catalogue into a new one; when the
    // user agrees, asks where, recovers with progress, reports what was recovered and offers to open
    // it (open is called with its path). Returns the new catalogue's path, or empty text.
    QString offerRecovery(const QString &message, ProgressSink &progress, const std::function<void(const QString &)> &open,
                          const std::function<bool()> &cancelled = {});

    // The texts shown to the user.
    static QString damagedMessage(const QString &path, const QString &why);
    static QString recoveredMessage(const QString &path, const CatalogueHealth::RecoveryReport &report);
    static QString replacedMessage(const QString &path);
    static QString removedMessage(const QString &path);

signals:
    // The catalogue was found damaged; it is open for reading only. Queued: sent after the failing
    // command has finished.
    void damaged(const QString &message);
    void quickCheckFinished(bool sound);
    void replaced(const QString &message);
    void removed(const QString &message);

private:
    void quickCheckDone(quint64 generation, const CatalogueHealth::CheckResult &result);

    AppContext &m_ctx;
    Catalogue &m_cat;
    QThread *m_thread = nullptr;
    // The opened file last checked (see Catalogue::generation()).
    quint64 m_checkedGeneration = 0;
    // The opened file whose deletion was reported.
    quint64 m_removedGeneration = 0;
};
