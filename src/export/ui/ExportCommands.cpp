#include "ExportCommands.h"

#include "AppContext.h"
#include "Backups.h"
#include "Catalogue.h"
#include "CinelogError.h"
#include "Prompts.h"
#include "ProgressSink.h"
#include "RestoreWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

// The export's progress in a window whose Cancel button stops the export between pages.
class CancellableProgress : public ProgressSink
{
public:
    explicit CancellableProgress(QWidget *parent)
        : m_dialog(QObject::tr("Exporting movies..."), QObject::tr("Cancel"), 0, 1, parent)
    {
        m_dialog.setObjectName(QStringLiteral("ExportProgress"));
        m_dialog.setWindowTitle(QObject::tr("Export Movies"));
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(300);
        m_clock.start();
    }
    void ShowProgress(const QString &, int minimum, int maximum) override
    {
        m_dialog.setRange(minimum, maximum);
        m_dialog.setValue(minimum);
    }
    void UpdateProgress(qint64 value) override { m_dialog.setValue(int(std::min<qint64>(value, m_dialog.maximum()))); }
    void letEventsRun() override
    {
        if (m_clock.elapsed() >= 50) {
            QApplication::processEvents();
            m_clock.restart();
        }
    }
    bool cancelled() const { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
    QElapsedTimer m_clock;
};

} // namespace

namespace ExportCommands {

QString backupFolder()
{
    return Backups::defaultFolder();
}

void showExport(AppContext &ctx, Catalogue &catalogue, std::optional<QList<int>> listMovies, std::optional<QList<int>> searchMovies,
                QWidget *parent)
{
    ctx.guard(QStringLiteral("Export"), [&] {
        if (!catalogue.isOpen())
            return;
        ExportDialog::Choices choices;
        choices.catalogueMovies = catalogue.scalar(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt();
        choices.listMovies = std::move(listMovies);
        choices.searchMovies = std::move(searchMovies);
        const QFileInfo fi(catalogue.path());
        choices.startPath = fi.absoluteDir().filePath(fi.completeBaseName());
        ExportDialog dialog(ctx, choices, parent);
        if (dialog.exec() != QDialog::Accepted)
            return;
        ExportRequest request;
        request.format = dialog.format();
        request.path = QFileInfo(dialog.path()).absoluteFilePath();
        request.movieIds = dialog.movieIds();
        request.title = fi.completeBaseName();
        if (QFileInfo::exists(request.path)
            && !ctx.prompts().question(QObject::tr("%1 already exists. Replace it?").arg(QFileInfo(request.path).fileName()),
                                       QObject::tr("Export Movies")))
            return;
        CancellableProgress progress(parent);
        const ExportOutcome outcome = CatalogueExport::run(catalogue, request, progress, [&] { return progress.cancelled(); });
        if (outcome.cancelled)
            return;
        ctx.prompts().message(QObject::tr("%n movie(s) exported to %1.", nullptr, outcome.movies).arg(request.path),
                              QObject::tr("Export Movies"), Prompts::Icon::Information);
    });
}

void backUpCatalogue(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
{
    Q_UNUSED(parent);
    ctx.guard(QStringLiteral("Back Up Catalogue"), [&] {
        if (!catalogue.isOpen())
            return;
        Backups backups(backupFolder());
        QDir().mkpath(backups.folder());
        const QString proposed = QDir(backups.folder())
                                     .filePath(QFileInfo(catalogue.path()).completeBaseName() + QStringLiteral(" ")
                                               + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".cnlg"));
        QString dest = ctx.prompts().saveFile(QObject::tr("Back Up Catalogue"), QObject::tr("Cinelog catalogues (*.cnlg)"), proposed);
        if (dest.isEmpty())
            return;
        if (QFileInfo(dest).suffix().isEmpty())
            dest += QStringLiteral(".cnlg");
        QString made;
        // Into the backups folder: named so that it is listed for restoring and counts as the
        // catalogue's latest backup; elsewhere: exactly the file asked for.
        if (QFileInfo(dest).absolutePath() == QFileInfo(backups.folder()).absoluteFilePath()) {
            made = backups.backUp(catalogue.path());
        } else {
            if (QFileInfo(dest).absoluteFilePath() == QFileInfo(catalogue.path()).absoluteFilePath())
                throw CinelogError(ErrorNumber::FileAlreadyExists, logged("QObject", "A backup cannot replace the catalogue itself."));
            Backups::copyCatalogue(catalogue.path(), dest);
            made = dest;
        }
        ctx.prompts().message(QObject::tr("The catalogue was copied and checked:\n%1").arg(made), QObject::tr("Back Up Catalogue"),
                              Prompts::Icon::Information);
    });
}

RestoreOutcome showRestore(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
{
    if (!catalogue.isOpen())
        return {};
    const QString path = catalogue.path();
    Backups backups(backupFolder());
    QString chosen;
    ctx.guard(QStringLiteral("Restore from Backup"), [&] {
        RestoreWindow window(ctx, backups, path, parent);
        if (window.exec() == QDialog::Accepted)
            chosen = window.chosenBackup();
    });
    if (chosen.isEmpty())
        return {};
    catalogue.close();
    const bool ok = ctx.guard(QStringLiteral("Restore from Backup"), [&] { backups.restore(chosen, path); });
    return {path, ok};
}

void restoreDone(AppContext &ctx)
{
    ctx.prompts().message(QObject::tr("The backup was restored. The catalogue as it was is kept among the backups."),
                          QObject::tr("Restore from Backup"), Prompts::Icon::Information);
}

} // namespace ExportCommands

// ---------------------------------------------------------------------------------------------

AutoBackups::AutoBackups(AppContext &ctx, QObject *parent) : QObject(parent), m_ctx(ctx), m_worker(new BackgroundBackup(this))
{
    connect(m_worker, &BackgroundBackup::finished, this, [this](const QString &path, const QString &error) {
        // The thread ends right after it reports; the next backup starts once it has.
        m_worker->wait(60 * 1000);
        if (!error.isEmpty())
            m_ctx.LogError(error, ErrorNumber::Database, QStringLiteral("Automatic backup"));
        emit finished(path, error);
        startNext();
    });
}

AutoBackups::~AutoBackups() = default;

void AutoBackups::catalogueShown(const QString &path)
{
    if (path.isEmpty() || path == m_lastShown)
        return;
    if (!m_lastShown.isEmpty() && !m_pending.contains(m_lastShown))
        m_pending << m_lastShown;
    m_lastShown = path;
    if (!m_pending.contains(path))
        m_pending << path;
    startNext();
}

void AutoBackups::startNext()
{
    const int keep = BackupSettings::keep(m_ctx);
    while (!m_pending.isEmpty() && !m_worker->isRunning()) {
        const QString next = m_pending.takeFirst();
        if (keep > 0)
            m_worker->start(ExportCommands::backupFolder(), next, keep);
    }
}

void AutoBackups::closing(const QString &openPath)
{
    m_pending.clear();
    m_worker->wait(10 * 60 * 1000);
    const int keep = BackupSettings::keep(m_ctx);
    if (openPath.isEmpty() || keep <= 0)
        return;
    try {
        Backups(ExportCommands::backupFolder()).autoBackUp(openPath, keep);
    } catch (const CinelogError &e) {
        m_ctx.LogError(e.description(), e.number(), QStringLiteral("Automatic backup"));
    }
}
