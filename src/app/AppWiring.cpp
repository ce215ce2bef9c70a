#include "AppWiring.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CommunityCommands.h"
#include "ExportCommands.h"
#include "MovieListModel.h"
#include "MovieDetailsCommands.h"
#include "MovieDetailsOptions.h"
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
#include <QJsonDocument>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QTimer>
#include <QThread>
#include <cstdio>

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
    wireMovieDetails(ctx, catalogue, w);
}

void wireMovieDetails(AppContext &ctx, Catalogue &catalogue, frmMain &w)
{
    registerMovieDetailsOptions();
    auto *commands = new MovieDetailsCommands(ctx, catalogue, w, pluginFolders(), &w);
    commands->setObjectName(QStringLiteral("MovieDetailsCommands"));
    auto listed = [&w] {
        QList<int> ids;
        if (const MovieListModel *model = w.movieModel())
            for (int row = 0; row < model->rowCount(); ++row)
                ids << model->movieId(row);
        return ids;
    };
    commands->setListedMovies(listed);
    commands->setSelectedMovies([&w] {
        QList<int> ids;
        const auto *list = w.findChild<QAbstractItemView *>(QStringLiteral("lvMovies"));
        if (const MovieListModel *model = w.movieModel(); list && model && list->selectionModel())
            for (const QModelIndex &index : list->selectionModel()->selectedRows())
                ids << model->movieId(index.row());
        return ids;
    });
    // The Web menu holds the online commands; the list's pop-up and the toolbar offer the fill of
    // one movie; the new-movie shortcut works anywhere in the main window.
    QAction *fill = commands->mnuGetMovieDetails;
    fill->setIcon(w.style()->standardIcon(QStyle::SP_FileDialogInfoView));
    if (auto *web = w.findChild<QMenu *>(QStringLiteral("mnuWebSearch"))) {
        QAction *first = web->actions().value(0);
        web->insertActions(first, {fill, commands->mnuNewMovieFromTmdb, commands->mnuFillDetails});
        if (first)
            web->insertSeparator(first);
    }
    if (auto *popup = w.findChild<QMenu *>(QStringLiteral("mnuHidden")))
        popup->insertAction(popup->actions().value(0), fill);
    if (auto *toolbar = w.findChild<QToolBar *>(QStringLiteral("tb1"))) {
        toolbar->addSeparator();
        toolbar->addAction(fill);
    }
    w.addAction(commands->mnuNewMovieFromTmdb);
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
                if (catalogue.isOpen())
                    automatic->catalogueShown(catalogue.path());
            });
        });
    MainWindowHooks &h = w.hooks;
    h.closing = [previous = h.closing, automatic, &catalogue] {
        if (previous)
            previous();
        automatic->closing(catalogue.isOpen() ? catalogue.path() : QString());
    };
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
