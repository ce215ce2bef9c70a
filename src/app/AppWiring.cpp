#include "AppWiring.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueHistory.h"
#include "CatalogueWatch.h"
#include "CoverSource.h"
#include "EditedMovie.h"
#include "MovieEditor.h"
#include "frmLoans.h"
#include "frmOptions.h"
#include "frmUserList.h"
#include "CommunityCommands.h"
#include "ExportCommands.h"
#include "MovieListModel.h"
#include "MovieDetailsCommands.h"
#include "MovieDetailsOptions.h"
#include "LoansWindows.h"
#include "frmCoverSearch.h"
#include "frmExcel.h"
#include "MovieSearch.h"
#include "PictureViews.h"
#include "ReportViewer.h"
#include "Reports.h"
#include "WindowUtil.h"
#include "frmActDir.h"
#include "frmEpisodes.h"
#include "frmMain.h"
#include "frmSearch.h"
#include "frmProgBar.h"
#include "KeyboardOrder.h"
#include "SingleInstance.h"
#include "StatusReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTreeView>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QTimer>
#include <QThread>
#include <QUndoStack>
#include <cstdio>
#include <memory>

void wireMainWindow(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, frmMain &w)
{
    EditedMovie &edited = w.editor()->edited();

    // The main window listens to what other windows change in the catalogue.
    QObject::connect(&events, &CatalogueEvents::moviesChanged, &w, &frmMain::ListMovies);
    QObject::connect(&events, &CatalogueEvents::loansChanged, &w, &frmMain::ListMovies);
    QObject::connect(&events, &CatalogueEvents::namesChanged, &w, [&w](CatalogueEvents::Names names) {
        if (names & CatalogueEvents::Actors)
            w.GetActors();
        if (names & CatalogueEvents::Directors)
            w.GetDirectors();
        if (names & CatalogueEvents::Genres)
            w.GetGenres();
    });
    QObject::connect(&events, &CatalogueEvents::coverChanged, &w, [&w](int movieId) {
        if (movieId == w.CurrentMovieID())
            w.reloadCover();
    });

    // Options of other parts.
    QObject::connect(&w, &frmMain::optionsOpened, &w, [](frmOptions *dialog) {
        Community::addCommunityOptions(*dialog);
        addCoverSearchOptions(*dialog);
    });

    // Community and covers.
    QObject::connect(&w, &frmMain::downloadRequested, &w, [&ctx, &catalogue, &edited, &events, &w] {
        Community::showDownloadResults(ctx, catalogue, edited, events, &w);
    });
    QObject::connect(&w, &frmMain::uploadRequested, &w, [&ctx, &catalogue, &w] { Community::showUploadMovies(ctx, catalogue, &w); });
    QObject::connect(&w, &frmMain::uploadMovieRequested, &w,
                     [&ctx, &catalogue, &edited](int) { Community::mnuUpld_Click(ctx, catalogue, edited); });
    QObject::connect(&w, &frmMain::coverSearchRequested, &w, [&ctx, &catalogue, &edited, &events, &w](const QString &title) {
        showCoverSearch(ctx, catalogue, edited, events, pluginFolders(), title, &w);
    });
    QObject::connect(&w, &frmMain::importRequested, &w, [&ctx, &catalogue, &events, &w] { showImportWindow(ctx, catalogue, events, &w); });

    // Loans and user lists.
    QObject::connect(&w, &frmMain::loanOutRequested, &w, [&ctx, &catalogue, &events, &w](int movieId, const QString &title) {
        lendMovie(ctx, catalogue, events, movieId, title, QString(), &w);
    });
    QObject::connect(&w, &frmMain::addToUserListRequested, &w, [&ctx, &catalogue, &w](int movieId, const QString &title) {
        showAddToUserList(ctx, catalogue, movieId, title, &w);
    });
    QObject::connect(&w, &frmMain::loansRequested, &w, [&ctx, &catalogue, &edited, &events, &w] {
        bool made = false;
        frmLoans *loans = showLoansWindow(ctx, catalogue, edited, events, &w, &made);
        if (made)
            QObject::connect(loans, &frmLoans::printRequested, loans, [&ctx, &catalogue, loans](const report::LoansReportParams &params) {
                showLoansReport(ctx, catalogue, params, loans);
            });
    });
    QObject::connect(&w, &frmMain::userListsRequested, &w, [&ctx, &catalogue, &events, &w] {
        bool made = false;
        frmUserList *lists = showUserLists(ctx, catalogue, events, &w, &made);
        if (made)
            QObject::connect(lists, &frmUserList::printRequested, lists, [&ctx, &catalogue, lists](const QString &listName) {
                report::UsersListReportParams params;
                params.listName = listName;
                showUsersListReport(ctx, catalogue, params, lists);
            });
    });
    QObject::connect(&w, &frmMain::actorsDirectorsRequested, &w, [&ctx, &catalogue, &w] { showActorsDirectors(ctx, catalogue, &w); });

    // Reports.
    QObject::connect(&w, &frmMain::printTitlesRequested, &w, [&ctx, &catalogue, &w] { showMovieListReport(ctx, catalogue, &w); });
    QObject::connect(&w, &frmMain::printDetailsRequested, &w, [&ctx, &catalogue, &w] { showMovieDetailsReport(ctx, catalogue, &w); });

    // Search.
    QObject::connect(&w, &frmMain::searchRequested, &w, [&ctx, &catalogue, &edited, &events, &w] {
        bool made = false;
        frmSearch *s = showSearchWindow(ctx, catalogue, edited, events, &w, &made);
        if (!made)
            return;
        QObject::connect(s, &frmSearch::loanOutRequested, s, [&ctx, &catalogue, s](int movieId, const QString &title) {
            showLoanOut(ctx, catalogue, movieId, title, QString(), s);
        });
        QObject::connect(s, &frmSearch::addToListRequested, s, [&ctx, &catalogue, s](int movieId, const QString &title) {
            showAddToUserList(ctx, catalogue, movieId, title, s);
        });
        QObject::connect(s, &frmSearch::printRequested, s, [&ctx, &catalogue, s](const report::MovieDetailsSearchParams &params) {
            showMovieDetailsSearchReport(ctx, catalogue, params, s);
        });
        QObject::connect(s, &frmSearch::exportRequested, s, [&ctx, &catalogue, s](const QList<int> &movieIds) {
            ExportCommands::showExport(ctx, catalogue, std::nullopt, movieIds, s);
        });
    });

    // The episodes window exists from start-up, hidden until an episode disc is shown.
    auto *episodes = new frmEpisodes(ctx, catalogue, &w);
    episodes->setWindowFlag(Qt::Window, true);
    episodes->hide();
    QObject::connect(w.editor(), &MovieEditor::episodeDiscShown, episodes,
                     [episodes](int movieId, const QString &title, const QString &numDiscs) {
                         episodes->setMovie(movieId, title, numDiscs);
                         episodes->show();
                         SetTopMost(episodes, true);
                     });
    QObject::connect(w.editor(), &MovieEditor::episodeDiscHidden, episodes, &QWidget::hide);
    QObject::connect(&w, &frmMain::closing, episodes, &frmEpisodes::Form_Unload);

    wireExportAndBackups(ctx, catalogue, w);
    wirePictureViews(ctx, catalogue, events, w);
    wireCatalogueWatch(ctx, catalogue, w);
    wireMovieDetails(ctx, catalogue, events, w);
    wireUndo(ctx, catalogue, events, w);
    // Mnemonics once every menu and pane of the main window is there, so none is used twice.
    KeyboardOrder::prepare(&w);
}

void wireMovieDetails(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, frmMain &w)
{
    QObject::connect(&w, &frmMain::optionsOpened, &w, [](frmOptions *dialog) { addMovieDetailsOptions(*dialog); });
    auto *commands = new MovieDetailsCommands(ctx, catalogue, w.editor()->edited(), events, pluginFolders(), &w);
    commands->setObjectName(QStringLiteral("MovieDetailsCommands"));
    commands->setMovieList(w.lvMovies);
    // The search window (one at most, a child of the main window) offers the movies it found.
    commands->setSearchResults([&w] {
        if (const frmSearch *search = w.findChild<frmSearch *>(QString(), Qt::FindDirectChildrenOnly); search && search->isVisible())
            return search->foundMovieIds();
        return QList<int>();
    });
    // The Web menu holds the online commands; the list's pop-up and the toolbar offer the fill of
    // one movie; the new-movie shortcut works anywhere in the main window.
    QAction *fill = commands->mnuGetMovieDetails;
    fill->setIcon(w.style()->standardIcon(QStyle::SP_FileDialogInfoView));
    QAction *firstWeb = w.mnuWebSearch->actions().value(0);
    w.mnuWebSearch->insertActions(firstWeb, {fill, commands->mnuNewMovieFromTmdb, commands->mnuFillDetails});
    if (firstWeb)
        w.mnuWebSearch->insertSeparator(firstWeb);
    w.mnuHidden->insertAction(w.mnuHidden->actions().value(0), fill);
    w.tb1->addSeparator();
    w.tb1->addAction(fill);
    w.addAction(commands->mnuNewMovieFromTmdb);
}

void wireExportAndBackups(AppContext &ctx, Catalogue &catalogue, frmMain &w)
{
    QMenu *file = w.mnuFile;
    // The new commands follow File > Import.
    QAction *before = nullptr;
    const QList<QAction *> actions = file->actions();
    if (const qsizetype at = actions.indexOf(w.mnuImport->menuAction()); at >= 0 && at + 1 < actions.size())
        before = actions[at + 1];
    auto *mnuExport = new QAction(QObject::tr("&Export..."), &w);
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    auto *mnuBackUp = new QAction(QObject::tr("Back &Up Catalogue..."), &w);
    mnuBackUp->setObjectName(QStringLiteral("mnuBackUp"));
    auto *mnuRestore = new QAction(QObject::tr("Restore from &Backup..."), &w);
    mnuRestore->setObjectName(QStringLiteral("mnuRestore"));
    file->insertActions(before, {mnuExport, mnuBackUp, mnuRestore});
    QObject::connect(file, &QMenu::aboutToShow, &w, [&catalogue, mnuExport, mnuBackUp, mnuRestore] {
        for (QAction *a : {mnuExport, mnuBackUp, mnuRestore})
            a->setEnabled(catalogue.isOpen());
    });

    QObject::connect(mnuExport, &QAction::triggered, &w, [&ctx, &catalogue, &w] {
        w.CheckSaved();
        QList<int> list;
        if (const MovieListModel *model = w.movieModel())
            for (int row = 0; row < model->rowCount(); ++row)
                list << model->movieId(row);
        ExportCommands::showExport(ctx, catalogue, list, std::nullopt, &w);
    });
    QObject::connect(mnuBackUp, &QAction::triggered, &w, [&ctx, &catalogue, &w] {
        w.CheckSaved();
        ExportCommands::backUpCatalogue(ctx, catalogue, &w);
    });
    QObject::connect(mnuRestore, &QAction::triggered, &w, [&ctx, &catalogue, &w] {
        w.CheckSaved();
        const ExportCommands::RestoreOutcome restore = ExportCommands::showRestore(ctx, catalogue, &w);
        if (restore.closedPath.isEmpty())
            return;
        w.openCatalogueFile(restore.closedPath);
        if (restore.restored)
            ExportCommands::restoreDone(ctx);
    });

    // Automatic backups start once the list of a catalogue is on screen (the program does not
    // wait for them) and run once more when the program closes.
    auto *automatic = new AutoBackups(ctx, &w);
    automatic->setObjectName(QStringLiteral("autoBackups"));
    if (MovieListModel *model = w.movieModel())
        QObject::connect(model, &QAbstractItemModel::modelReset, automatic, [automatic, &catalogue] {
            QTimer::singleShot(0, automatic, [automatic, &catalogue] {
                // A catalogue known to be damaged is not copied: the copy would fail its check.
                if (catalogue.isOpen() && !catalogue.isDamaged())
                    automatic->catalogueShown(catalogue.path());
            });
        });
    QObject::connect(&w, &frmMain::closing, automatic, [automatic, &catalogue] {
        automatic->closing(catalogue.isOpen() && !catalogue.isDamaged() ? catalogue.path() : QString());
    });
}

namespace {

// Progress of a check or a recovery in a window whose Cancel button stops it between steps. The
// window is made when the work starts, not before (a question may come first).
class CancellableProgress : public ProgressSink
{
public:
    CancellableProgress(const QString &title, QWidget *parent) : m_title(title), m_parent(parent) { m_clock.start(); }
    void ShowProgress(const QString &message, int minimum, int maximum) override
    {
        if (!m_dialog) {
            m_dialog = std::make_unique<QProgressDialog>(QString(), QObject::tr("Cancel"), 0, 1, m_parent);
            m_dialog->setObjectName(QStringLiteral("CatalogueCheckProgress"));
            m_dialog->setAccessibleName(m_title);
            m_dialog->setWindowTitle(m_title);
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(300);
            m_dialog->setMinimumWidth(420);
        }
        m_dialog->setLabelText(message);
        m_dialog->setRange(minimum, maximum);
        m_dialog->setValue(minimum);
    }
    void UpdateProgress(qint64 value) override
    {
        if (m_dialog)
            m_dialog->setValue(int(std::min<qint64>(value, m_dialog->maximum())));
    }
    void letEventsRun() override
    {
        if (m_clock.elapsed() >= 50) {
            QApplication::processEvents();
            m_clock.restart();
        }
    }
    bool cancelled() const { return m_dialog && m_dialog->wasCanceled(); }

private:
    QString m_title;
    QWidget *m_parent;
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_clock;
};

// Nothing else is going on: no dialog, menu or progress window, no command in a nested event loop.
bool programIsIdle()
{
    return QThread::currentThread()->loopLevel() <= 1 && !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

} // namespace

void wireCatalogueWatch(AppContext &ctx, Catalogue &catalogue, frmMain &w)
{
    auto *watch = new CatalogueWatch(ctx, catalogue, &w);
    watch->setObjectName(QStringLiteral("catalogueWatch"));

    // Each catalogue opened is checked once its list is on screen; the program does not wait.
    if (MovieListModel *model = w.movieModel())
        QObject::connect(model, &QAbstractItemModel::modelReset, watch, [watch] {
            QTimer::singleShot(0, watch, [watch] { watch->startQuickCheck(); });
        });

    QObject::connect(watch, &CatalogueWatch::damaged, &w, [&ctx, &w, watch](const QString &message) {
        ctx.guard(QStringLiteral("frmMain - RecoverCatalogue"), [&] {
            CancellableProgress progress(QObject::tr("Recover Catalogue"), &w);
            watch->offerRecovery(message, progress, [&w](const QString &path) { w.openCatalogueFile(path); },
                                 [&progress] { return progress.cancelled(); });
        });
    });

    QObject::connect(w.mnuDBTools, &QMenu::aboutToShow, w.mnuCheckDB, [&w, &catalogue] { w.mnuCheckDB->setEnabled(catalogue.isOpen()); });
    QObject::connect(&w, &frmMain::checkCatalogueRequested, watch, [&ctx, &w, watch] {
        ctx.guard(QStringLiteral("frmMain - mnuCheckDB_Click"), [&] {
            w.CheckSaved();
            CancellableProgress progress(QObject::tr("Check Catalogue"), &w);
            watch->checkNow(progress, [&progress] { return progress.cancelled(); });
        });
    });

    // Another program may restore a backup over the catalogue (or delete it) while it is shown
    // here: looked for every few seconds while the program is idle and whenever it comes back to
    // the front, and said once.
    const auto look = [watch] {
        if (programIsIdle())
            watch->checkStillTheFile();
    };
    auto *timer = new QTimer(watch);
    timer->setInterval(3000);
    QObject::connect(timer, &QTimer::timeout, watch, look);
    timer->start();
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, watch, [look](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            look();
    });
    QObject::connect(watch, &CatalogueWatch::replaced, &w, [&ctx](const QString &message) {
        ctx.prompts().information(message, QObject::tr("Catalogue Replaced"));
    });
    QObject::connect(watch, &CatalogueWatch::removed, &w, [&ctx](const QString &message) {
        ctx.prompts().warning(message, QObject::tr("Catalogue Deleted"));
    });
}

void wireOpenRequests(SingleInstance &instance, Catalogue &catalogue, frmMain &w, ProgressWindow &progress, bool statusReport)
{
    // A request waits while a dialog, a menu or the progress window is up, or while the program is
    // inside a command (a nested event loop): opening another catalogue then would pull the
    // catalogue from under the running command.
    instance.setIdleCheck([&progress] {
        const frmProgBar *bar = progress.window();
        return QThread::currentThread()->loopLevel() <= 1 && !QApplication::activeModalWidget()
               && !QApplication::activePopupWidget() && !(bar && bar->isVisible());
    });
    QObject::connect(&instance, &SingleInstance::fileRequested, &w, [&catalogue, &w, statusReport](const QString &path) {
        if (w.isMinimized())
            w.showNormal();
        w.raise();
        w.activateWindow();
        if (!path.isEmpty())
            w.openCatalogueFile(path);
        if (statusReport) {
            std::fputs(QJsonDocument(::statusReport(catalogue, w)).toJson(QJsonDocument::Compact).constData(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        }
    });
}

void wireUndo(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, frmMain &w)
{
    auto *history = new CatalogueHistory(catalogue, &events, &w);
    history->setObjectName(QStringLiteral("catalogueHistory"));
    history->setMemoryLimit(qint64(CatalogueHistory::MemoryLimitMB.read(ctx.ini())) << 20);
    // What one command writes, also across a question or a progress window, is one step.
    history->setIdleCheck(programIsIdle);

    const auto run = [&ctx, &w, history](bool undo) {
        ctx.guard(undo ? QStringLiteral("frmMain - mnuUndo_Click") : QStringLiteral("frmMain - mnuRedo_Click"), [&] {
            // Unsaved edits are saved (or dropped) first; a save made now is the step to take back
            // next, not a reason to take back the one before it.
            const int steps = history->stack().count(), at = history->stack().index();
            w.CheckSaved();
            if ((undo ? history->canUndo() : history->canRedo()) == false)
                return;
            if (history->stack().count() != steps || history->stack().index() != at)
                return;
            const QString text = undo ? history->undoText() : history->redoText();
            try {
                undo ? history->undo() : history->redo();
                // The list was told; the editor shows the movie as it is stored now.
                EditedMovie &edited = w.editor()->edited();
                if (!edited.isNew() && edited.id() != 0)
                    edited.reload();
            } catch (const CinelogError &e) {
                if (e.number() != CatalogueError::ChangedElsewhere)
                    throw;
                ctx.prompts().warning(CatalogueHistory::refusedMessage(undo, text),
                                      undo ? QObject::tr("Cannot Undo") : QObject::tr("Cannot Redo"));
            }
        });
    };
    QAction *mnuUndo = history->createUndoAction(&w, [run] { run(true); });
    QAction *mnuRedo = history->createRedoAction(&w, [run] { run(false); });
    auto *mnuEdit = new QMenu(QObject::tr("&Edit"), &w);
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->addActions({mnuUndo, mnuRedo});
    // Where users look for it: right after File.
    const QList<QAction *> menus = w.menuBar()->actions();
    const qsizetype file = menus.indexOf(w.mnuFile->menuAction());
    w.menuBar()->insertMenu(file >= 0 && file + 1 < menus.size() ? menus[file + 1] : nullptr, mnuEdit);
    // Compact, restore, another catalogue opened: the menu shows the history of the file open now.
    QObject::connect(mnuEdit, &QMenu::aboutToShow, history, [history] {
        history->canUndo();
        history->canRedo();
    });
}
