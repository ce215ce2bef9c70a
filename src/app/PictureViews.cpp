#include "PictureViews.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CoverWall.h"
#include "MovieEditor.h"
#include "MovieListModel.h"
#include "Setting.h"
#include "QuickFilter.h"
#include "StatisticsWindow.h"
#include "frmMain.h"
#include "frmOptions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFormLayout>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>
#include <memory>

namespace {

const Setting<int> CacheMegabytes{QStringLiteral("CoverWall"), QStringLiteral("CacheMB"), 64, 8, 4096};
const Setting<int> CoverSize{QStringLiteral("CoverWall"), QStringLiteral("Size"), CoverWall::DefaultThumbWidth,
                             CoverWall::MinThumbWidth, CoverWall::MaxThumbWidth};
const Setting<bool> CoversShown{QStringLiteral("CoverWall"), QStringLiteral("Shown"), false};

// The toolbar's Covers toggle: a grid of four covers.
QIcon coversIcon(const QPalette &palette)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(palette.color(QPalette::WindowText));
        const qreal gap = size / 8.0, w = (size - 3 * gap) / 2, h = (size - 2 * gap - gap) / 2;
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c)
                p.drawRoundedRect(QRectF(gap + c * (w + gap), gap / 2 + r * (h + gap), w, h), size / 16.0, size / 16.0);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

// The options dialog's row for the thumbnails' memory.
void addCoverWallOptions(frmOptions &dlg)
{
    auto *mb = new QSpinBox(&dlg);
    mb->setObjectName(QStringLiteral("spnCoverCache"));
    mb->setAccessibleName(QObject::tr("Cover thumbnails kept (MB)"));
    mb->setRange(8, 4096);
    mb->setSuffix(QObject::tr(" MB"));
    mb->setToolTip(QObject::tr("Memory the cover wall may use for thumbnails."));
    mb->setValue(CoverWallSettings::cacheMegabytes(dlg.context()));
    dlg.extraOptions()->addRow(QObject::tr("Cover thumbnails kept:"), mb);
    QObject::connect(&dlg, &frmOptions::saving, &dlg, [&dlg, mb] {
        CoverWallSettings::setCacheMegabytes(dlg.context(), mb->value());
    });
}

} // namespace

int CoverWallSettings::cacheMegabytes(const AppContext &ctx)
{
    return CacheMegabytes.read(ctx.ini());
}

void CoverWallSettings::setCacheMegabytes(AppContext &ctx, int megabytes)
{
    CacheMegabytes.write(ctx.ini(), megabytes);
}

void wirePictureViews(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, frmMain &w)
{
    QTreeView *list = w.lvMovies;
    QLayout *listLayout = list->parentWidget() ? list->parentWidget()->layout() : nullptr;
    if (!listLayout)
        return;

    // The wall takes the list's place in a stack; both show the list's model through its selection.
    auto *stack = new QStackedWidget(list->parentWidget());
    stack->setObjectName(QStringLiteral("stkMovieViews"));
    listLayout->replaceWidget(list, stack);
    stack->addWidget(list);
    auto *pane = new CoverWallPane(catalogue, stack);
    stack->addWidget(pane);
    CoverWall *wall = pane->wall;
    wall->setModel(list->model());
    wall->setSelectionModel(list->selectionModel());
    wall->setCacheLimitBytes(qint64(CoverWallSettings::cacheMegabytes(ctx)) * 1024 * 1024);
    QObject::connect(&w, &frmMain::optionsOpened, wall, [wall, &ctx](frmOptions *dialog) {
        addCoverWallOptions(*dialog);
        // A new limit applies at once (added after the row's own saving, so it reads the new value).
        QObject::connect(dialog, &frmOptions::saving, wall, [wall, &ctx] {
            wall->setCacheLimitBytes(qint64(CoverWallSettings::cacheMegabytes(ctx)) * 1024 * 1024);
        });
    });
    pane->sldCoverSize->setValue(CoverSize.read(ctx.ini()));
    QObject::connect(pane->sldCoverSize, &QSlider::valueChanged, &w, [&ctx](int value) { CoverSize.write(ctx.ini(), value); });

    // View > List / Covers, and the toolbar's Covers toggle.
    auto *mnuView = new QMenu(QObject::tr("&View"), &w);
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuView->menuAction()->setObjectName(QStringLiteral("mnuView"));
    QMenu *tools = w.mnuDatabase;
    w.menuBar()->insertMenu(tools ? tools->menuAction() : nullptr, mnuView);
    auto *group = new QActionGroup(&w);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    auto *viewList = new QAction(QObject::tr("&List"), group);
    viewList->setObjectName(QStringLiteral("mnuViewList"));
    viewList->setShortcut(QKeySequence(QStringLiteral("Ctrl+1")));
    viewList->setCheckable(true);
    viewList->setChecked(true);
    auto *viewCovers = new QAction(QObject::tr("&Covers"), group);
    viewCovers->setObjectName(QStringLiteral("mnuViewCovers"));
    viewCovers->setShortcut(QKeySequence(QStringLiteral("Ctrl+2")));
    viewCovers->setCheckable(true);
    viewCovers->setToolTip(QObject::tr("Show the movies as covers (Ctrl+2); again for the list (Ctrl+1)"));
    viewCovers->setIcon(coversIcon(w.palette()));
    mnuView->addAction(viewList);
    mnuView->addAction(viewCovers);
    w.tb1->addSeparator();
    w.tb1->addAction(viewCovers);

    auto show = [stack, pane, list, wall, &ctx](bool covers) {
        QWidget *from = stack->currentWidget();
        const bool hadFocus = from && from->isAncestorOf(QApplication::focusWidget());
        stack->setCurrentWidget(covers ? static_cast<QWidget *>(pane) : list);
        QAbstractItemView *view = covers ? static_cast<QAbstractItemView *>(wall) : list;
        if (view->currentIndex().isValid())
            view->scrollTo(view->currentIndex(), QAbstractItemView::PositionAtCenter);
        if (hadFocus || covers)
            view->setFocus();
        CoversShown.write(ctx.ini(), covers);
    };
    QObject::connect(viewList, &QAction::triggered, &w, [viewList, show] {
        viewList->setChecked(true);
        show(false);
    });
    QObject::connect(viewCovers, &QAction::toggled, &w, [viewList, show](bool on) {
        if (!on && !viewList->isChecked())
            viewList->setChecked(true);
        show(on);
    });
    if (CoversShown.read(ctx.ini()))
        viewCovers->setChecked(true);

    QObject::connect(&events, &CatalogueEvents::coverChanged, wall, &CoverWall::coverChanged);
    QObject::connect(w.editor(), &MovieEditor::coverStored, wall, &CoverWall::coverChanged);

    // The list's pop-up menu and opening a movie work on the wall too.
    QObject::connect(wall, &QWidget::customContextMenuRequested, &w, [wall, &w](const QPoint &pos) {
        const QModelIndex idx = wall->indexAt(pos);
        if (!idx.isValid())
            return;
        if (wall->currentIndex().row() != idx.row())
            wall->setCurrentIndex(idx);
        w.showListPopup(wall->viewport()->mapToGlobal(pos));
    });
    QObject::connect(wall, &QAbstractItemView::activated, &w, [&w](const QModelIndex &idx) {
        if (!idx.isValid())
            return;
        // Choosing the cover already shows the movie; Enter or a double-click goes on to edit it.
        if (w.CurrentMovieID() == idx.data(MovieListModel::MovieIdRole).toInt())
            w.editor()->txtTitle->setFocus(Qt::OtherFocusReason);
    });

    // Tools > Statistics.
    if (tools) {
        auto *statistics = new QAction(QObject::tr("S&tatistics"), &w);
        statistics->setObjectName(QStringLiteral("mnuStatistics"));
        tools->insertAction(w.findChild<QAction *>(QStringLiteral("sdfasdfd")), statistics);
        auto window = std::make_shared<QPointer<StatisticsWindow>>();
        QObject::connect(statistics, &QAction::triggered, &w, [&ctx, &catalogue, &events, &w, window] {
            ctx.guard(QStringLiteral("frmMain - mnuStatistics_Click"), [&] {
                if (!*window) {
                    *window = new StatisticsWindow(ctx, catalogue, &w);
                    StatisticsWindow *s = *window;
                    // This program's own changes show at once; other programs' within moments.
                    QObject::connect(&events, &CatalogueEvents::moviesChanged, s, &StatisticsWindow::refresh);
                    QObject::connect(&events, &CatalogueEvents::loansChanged, s, &StatisticsWindow::refresh);
                    // Row changes follow saves; a reset of the list only follows filtering, sorting or a
                    // refill, which change nothing counted.
                    if (QAbstractItemModel *m = w.lvMovies->model()) {
                        QObject::connect(m, &QAbstractItemModel::rowsInserted, s, &StatisticsWindow::refresh);
                        QObject::connect(m, &QAbstractItemModel::rowsRemoved, s, &StatisticsWindow::refresh);
                        QObject::connect(m, &QAbstractItemModel::dataChanged, s, &StatisticsWindow::refresh);
                    }
                    // A chart element narrows the main list to its movies.
                    QObject::connect(s, &StatisticsWindow::moviesChosen, &w, [&w](const QList<int> &ids, const QString &label) {
                        w.quickFilter()->setMovieIds(ids, label);
                        w.activateWindow();
                    });
                } else {
                    (*window)->refresh();
                }
                (*window)->show();
                (*window)->raise();
                (*window)->activateWindow();
            });
        });
    }
}
