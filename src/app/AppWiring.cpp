#include "AppWiring.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueWatch.h"
#include "CommunityCommands.h"
#include "ExportCommands.h"
#include "MovieListModel.h"
#include "LoansWindows.h"
#include "frmCoverSearch.h"
#include "frmExcel.h"
#include "MovieSearch.h"
#include "ReportViewer.h"
#include "Reports.h"
#include "WindowUtil.h"
#include "frmActDir.h"
#include "frmEpisodes.h"
#include "frmMain.h"
#include "frmSearch.h"
#include "frmProgBar.h"
#include "SingleInstance.h"
#include "StatusReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QThread>
#include <cstdio>
#include <memory>

void wireMainWindow(AppContext &ctx, Catalogue &catalogue, frmMain &w)
{
    MainWindowHooks &h = w.hooks;

    Community::registerCommunityOptions();
    registerCoverSearchOptions();
    h.download = [&ctx, &catalogue, &w] { Community::showDownloadResults(ctx, catalogue, w); };
    h.upload = [&ctx, &catalogue, &w] { Community::showUploadMovies(ctx, catalogue, &w); };
    h.uploadMovie = [&ctx, &catalogue, &w](int) { Community::mnuUpld_Click(ctx, catalogue, w); };
    h.importWorkbook = [&ctx, &catalogue, &w] { showImportWindow(ctx, catalogue, w, &w); };
    h.coverSearch = [&ctx, &catalogue, &w](const QString &title) {
        showCoverSearch(ctx, catalogue, w, pluginFolders(), title, &w);
    };

    h.loanOut = [&ctx, &catalogue, &w](int movieId, const QString &title) {
        return showLoanOut(ctx, catalogue, movieId, title, QString(), &w);
    };
    h.addToUserList = [&ctx, &catalogue, &w](int movieId, const QString &title) {
        showAddToUserList(ctx, catalogue, movieId, title, &w);
    };
    h.loans = [&ctx, &catalogue, &w] { showLoansWindow(ctx, catalogue, w, &w); };
    h.userLists = [&ctx, &catalogue, &w] { showUserLists(ctx, catalogue, w, &w); };
    h.actorsDirectors = [&ctx, &catalogue, &w] { showActorsDirectors(ctx, catalogue, &w); };

    h.printTitles = [&ctx, &catalogue, &w] { showMovieListReport(ctx, catalogue, &w); };
    h.printDetails = [&ctx, &catalogue, &w] { showMovieDetailsReport(ctx, catalogue, &w); };
    setLoansPrintHook([&ctx, &catalogue](const LoansPrintRequest &r) {
        report::LoansReportParams params;
        const QLocale locale;
        for (const LoanRow &row : r.rows)
            params.rows.append({QString::number(row.id), QString::number(row.movieId), row.movieTitle, row.loanedTo,
                                row.dateOut.isValid() ? locale.toString(row.dateOut, QLocale::ShortFormat) : QString(),
                                row.dateIn.isValid() ? locale.toString(row.dateIn, QLocale::ShortFormat) : QString()});
        params.showLoansForUser = r.borrowerFilterOn;
        params.userName = r.borrower;
        showLoansReport(ctx, catalogue, params, r.parent);
    });
    setUserListPrintHook([&ctx, &catalogue](const QString &listName, QWidget *parent) {
        report::UsersListReportParams params;
        params.listName = listName;
        showUsersListReport(ctx, catalogue, params, parent);
    });

    h.search = [&ctx, &catalogue, &w] {
        frmSearch *s = showSearchWindow(ctx, catalogue, w, &w);
        s->setLoanOutHandler([&ctx, &catalogue, s](int movieId, const QString &title) {
            return showLoanOut(ctx, catalogue, movieId, title, QString(), s);
        });
        s->setAddToListHandler([&ctx, &catalogue, s](int movieId, const QString &title) {
            return showAddToUserList(ctx, catalogue, movieId, title, s);
        });
        s->setPrintHandler([&ctx, &catalogue](frmSearch &window) {
            report::MovieDetailsSearchParams params;
            for (const FoundMovie &m : window.foundMovies())
                params.movieIds << m.id;
            const SearchCriteria c = window.criteria();
            auto item = [](const QString &text) { return report::SearchCriteria::Item{!text.isEmpty(), text}; };
            params.criteria.title = item(c.title);
            params.criteria.actor = item(c.actor);
            params.criteria.format = item(c.format);
            params.criteria.medium = item(c.medium);
            params.criteria.director = item(c.director);
            params.criteria.genre = item(c.genre);
            params.criteria.rating = item(c.rating);
            if (c.stars > 0) {
                params.criteria.stars = item(MovieSearch::starEntries().value(c.stars - 1));
                params.criteria.starsComparison = MovieSearch::textOf(c.starsComparison);
            }
            showMovieDetailsSearchReport(ctx, catalogue, params, &window);
        });
        s->setExportHandler([&ctx, &catalogue](frmSearch &window) {
            QList<int> ids;
            for (const FoundMovie &m : window.foundMovies())
                ids << m.id;
            ExportCommands::showExport(ctx, catalogue, std::nullopt, ids, &window);
        });
    };

    // The episodes window exists from start-up, hidden until an episode disc is shown.
    auto *episodes = new frmEpisodes(ctx, catalogue, &w);
    episodes->setWindowFlag(Qt::Window, true);
    episodes->hide();
    h.showEpisodes = [episodes, &w](int movieId, const QString &title) {
        episodes->setMovie(movieId, title, w.txtNumDiscs->text());
        episodes->show();
        SetTopMost(episodes, true);
    };
    h.hideEpisodes = [episodes] { episodes->hide(); };
    h.closing = [episodes] { episodes->Form_Unload(); };

    wireExportAndBackups(ctx, catalogue, w);
    wireCatalogueWatch(ctx, catalogue, w);
}

void wireExportAndBackups(AppContext &ctx, Catalogue &catalogue, frmMain &w)
{
    QMenu *file = w.findChild<QMenu *>(QStringLiteral("mnuFile"));
    QMenu *import = w.findChild<QMenu *>(QStringLiteral("mnuImport"));
    if (!file)
        return;
    // The new commands follow File > Import.
    QAction *before = nullptr;
    const QList<QAction *> actions = file->actions();
    if (import)
        if (const qsizetype at = actions.indexOf(import->menuAction()); at >= 0 && at + 1 < actions.size())
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
        ExportCommands::showRestore(ctx, catalogue, &w, [&catalogue] { catalogue.close(); },
                                    [&w](const QString &path) { w.openCatalogueFile(path); });
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
    MainWindowHooks &h = w.hooks;
    h.closing = [previous = h.closing, automatic, &catalogue] {
        if (previous)
            previous();
        automatic->closing(catalogue.isOpen() && !catalogue.isDamaged() ? catalogue.path() : QString());
    };
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

    if (QMenu *tools = w.findChild<QMenu *>(QStringLiteral("mnuDBTools"))) {
        auto *check = new QAction(QObject::tr("C&heck Catalogue..."), &w);
        check->setObjectName(QStringLiteral("mnuCheckDB"));
        tools->addAction(check);
        QObject::connect(tools, &QMenu::aboutToShow, check, [check, &catalogue] { check->setEnabled(catalogue.isOpen()); });
        QObject::connect(check, &QAction::triggered, &w, [&ctx, &w, watch] {
            ctx.guard(QStringLiteral("frmMain - mnuCheckDB_Click"), [&] {
                w.CheckSaved();
                CancellableProgress progress(QObject::tr("Check Catalogue"), &w);
                watch->checkNow(progress, [&progress] { return progress.cancelled(); });
            });
        });
    }

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
