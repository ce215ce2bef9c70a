#include "CatalogueWatch.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "ProgressSink.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QThread>

CatalogueWatch::CatalogueWatch(AppContext &ctx, Catalogue &catalogue, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_cat(catalogue)
{
    QPointer<CatalogueWatch> self(this);
    m_cat.setDamagedHandler([self, &catalogue](const QString &why) {
        if (!self)
            return;
        const QString message = damagedMessage(catalogue.path(), why);
        // The command that met the damage shows its own error first.
        QMetaObject::invokeMethod(self, [self, message] {
            if (self)
                emit self->damaged(message);
        }, Qt::QueuedConnection);
    });
}

CatalogueWatch::~CatalogueWatch()
{
    m_cat.setDamagedHandler({});
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool CatalogueWatch::checkRunning() const
{
    return m_thread && m_thread->isRunning();
}

bool CatalogueWatch::waitForCheck(int timeoutMs)
{
    if (!m_thread)
        return true;
    const bool done = m_thread->wait(QDeadlineTimer(timeoutMs));
    // The result arrives through the event loop.
    QCoreApplication::sendPostedEvents(this);
    return done;
}

bool CatalogueWatch::startQuickCheck()
{
    if (!m_cat.isOpen() || m_cat.generation() == m_checkedGeneration || checkRunning())
        return false;
    if (m_thread) {
        delete m_thread;
        m_thread = nullptr;
    }
    const quint64 generation = m_cat.generation();
    m_checkedGeneration = generation;
    const QString path = m_cat.path();
    QPointer<CatalogueWatch> self(this);
    m_thread = QThread::create([self, path, generation] {
        CatalogueHealth::CheckResult result;
        try {
            result = CatalogueHealth::quickCheck(path);
        } catch (const CinelogError &) {
            // Not a finding about the file (it is busy, or gone): nothing to say; the next open
            // checks again.
            result.cancelled = true;
        }
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, generation, result] {
            if (self)
                self->quickCheckDone(generation, result);
        }, Qt::QueuedConnection);
    });
    m_thread->setObjectName(QStringLiteral("catalogue-check"));
    m_thread->start(QThread::LowPriority);
    return true;
}

void CatalogueWatch::quickCheckDone(quint64 generation, const CatalogueHealth::CheckResult &result)
{
    // Only a finding about the file still open counts.
    if (generation == m_cat.generation() && m_cat.isOpen() && !result.sound() && !result.cancelled)
        m_cat.markDamaged(result.problems.first());
    emit quickCheckFinished(result.sound());
}

CatalogueHealth::CheckResult CatalogueWatch::checkNow(ProgressSink &progress, const std::function<bool()> &cancelled)
{
    if (!m_cat.isOpen())
        throw CinelogError(ErrorNumber::ObjectNotSet, tr("No catalogue is open."));
    const QString path = m_cat.path();
    const CatalogueHealth::CheckResult r = CatalogueHealth::fullCheck(path, progress, cancelled);
    if (r.cancelled)
        return r;
    if (r.sound()) {
        m_ctx.prompts().information(tr("The catalogue '%1' was checked from end to end: no damage was found.").arg(path),
                                    tr("Check Catalogue"));
    } else {
        m_cat.markDamaged(r.problems.first());
    }
    return r;
}

bool CatalogueWatch::checkStillTheFile()
{
    const QString path = m_cat.path();
    switch (m_cat.reopenIfReplaced()) {
    case Catalogue::FileState::Same:
        return false;
    case Catalogue::FileState::Reopened:
    case Catalogue::FileState::ReopenFailed:
        emit replaced(replacedMessage(path));
        return true;
    case Catalogue::FileState::Gone:
        if (m_removedGeneration == m_cat.generation())
            return false;
        m_removedGeneration = m_cat.generation();
        emit removed(removedMessage(path));
        return true;
    }
    return false;
}

QString CatalogueWatch::offerRecovery(const QString &message, ProgressSink &progress,
                                      const std::function<void(const QString &)> &open, const std::function<bool()> &cancelled)
{
    Prompts &prompts = m_ctx.prompts();
    if (!prompts.question(message + QStringLiteral("\n\n") + tr("Recover what can still be read into a new catalogue now?"),
                          tr("Catalogue Damaged"), Prompts::Icon::Warning))
        return QString();
    const QString damaged = m_cat.path();
    const QFileInfo fi(damaged);
    const QString suggested = fi.absoluteDir().filePath(fi.completeBaseName() + tr(" (recovered)") + QStringLiteral(".cnlg"));
    QString target = prompts.saveFile(tr("Save the Recovered Catalogue As"), tr("Cinelog Catalogues (*.cnlg)"), suggested);
    if (target.isEmpty())
        return QString();
    if (!target.endsWith(QLatin1String(".cnlg"), Qt::CaseInsensitive))
        target += QStringLiteral(".cnlg");
    if (QFileInfo(target).absoluteFilePath() == fi.absoluteFilePath()) {
        prompts.warning(tr("The recovered catalogue needs a file of its own: the damaged one is kept as it is."),
                        tr("Recover Catalogue"));
        return QString();
    }
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        prompts.warning(tr("'%1' cannot be replaced: choose another name for the recovered catalogue.").arg(target),
                        tr("Recover Catalogue"));
        return QString();
    }
    CatalogueHealth::RecoveryReport report;
    try {
        report = CatalogueHealth::recover(damaged, target, progress, cancelled);
    } catch (const CinelogError &e) {
        prompts.warning(tr("Nothing could be recovered from '%1'.\n\n%2\n\nThe damaged file is as it was; a backup may "
                           "hold your catalogue (File > Restore from Backup).").arg(damaged, e.description()),
                        tr("Recover Catalogue"));
        return QString();
    }
    if (prompts.question(recoveredMessage(target, report) + QStringLiteral("\n\n") + tr("Open the recovered catalogue now?"),
                         tr("Catalogue Recovered"), Prompts::Icon::Information)
        && open)
        open(target);
    return target;
}

QString CatalogueWatch::damagedMessage(const QString &path, const QString &why)
{
    return tr("The catalogue '%1' is damaged (%2).\n\nIt stays open for reading only: nothing more is written to it, "
              "and the file itself is left as it is.").arg(path, why);
}

QString CatalogueWatch::recoveredMessage(const QString &path, const CatalogueHealth::RecoveryReport &report)
{
    QString text = tr("What could be read was saved in the new catalogue '%1': %2 movies, %3 cast entries, %4 loans and "
                      "%5 episodes.")
                       .arg(path)
                       .arg(report.rowsOf(QStringLiteral("Movies")))
                       .arg(report.rowsOf(QStringLiteral("MovActLink")))
                       .arg(report.rowsOf(QStringLiteral("LoanOut")))
                       .arg(report.rowsOf(QStringLiteral("Episodes")));
    if (report.unreadableStretches > 0 || !report.lostTables.isEmpty())
        text += QStringLiteral("\n\n") + tr("Some parts of the damaged file could not be read: compare the new catalogue "
                                            "with your last backup before you rely on it.");
    return text;
}

QString CatalogueWatch::replacedMessage(const QString &path)
{
    return tr("Another program put a different file in the place of the catalogue '%1' (for example by restoring a "
              "backup or compacting it). The catalogue has been opened again and shows what that file holds now.")
        .arg(path);
}

QString CatalogueWatch::removedMessage(const QString &path)
{
    return tr("The catalogue file '%1' was deleted or moved away by another program. What is shown can still be read, "
              "but nothing can be saved to it: open the catalogue again from where it is now.")
        .arg(path);
}
