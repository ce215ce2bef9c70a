#include "StatisticsWindow.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CinelogError.h"
#include "ReadConnection.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>

using Stats::Chart;

namespace {

const WindowPlacement Placement = WindowPlacement(QStringLiteral("Statistics"), WindowPlacement::Size)
                                      .withDefaultSize(QSize(13500, 10500));
// How often an open window asks the catalogue whether anything was saved.
constexpr int WatchMs = 1500;
// Bars and slices at most; the smaller groups share one "Other" element. Genres are few enough in
// practice to show them all; borrowers can be many.
constexpr int MaxGenreBars = 30;
constexpr int MaxBorrowerBars = 11;
constexpr int MaxSlices = 8;

constexpr Chart AllCharts[] = {Chart::Genre, Chart::Decade, Chart::Medium, Chart::Format, Chart::UserRating, Chart::Borrower};

bool isPie(Chart c)
{
    return c == Chart::Medium || c == Chart::Format;
}

const char *objectNameOf(Chart c)
{
    switch (c) {
    case Chart::Genre: return "chartGenres";
    case Chart::Decade: return "chartDecades";
    case Chart::Medium: return "chartMedia";
    case Chart::Format: return "chartFormats";
    case Chart::UserRating: return "chartStars";
    case Chart::Borrower: return "chartBorrowers";
    }
    return "";
}

} // namespace

StatisticsWindow::StatisticsWindow(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_catalogue(catalogue)
{
    setObjectName(QStringLiteral("StatisticsWindow"));
    setWindowTitle(tr("Statistics"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    lblTotals = new QLabel(this);
    lblTotals->setObjectName(QStringLiteral("lblTotals"));
    lblTotals->setAccessibleName(tr("Totals"));
    lblTotals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTotals->setWordWrap(true);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setAccessibleName(tr("Status"));

    tabCharts = new QTabWidget(this);
    tabCharts->setObjectName(QStringLiteral("tabCharts"));
    tabCharts->setAccessibleName(tr("Charts"));
    for (Chart c : AllCharts) {
        auto *chart = new QChart;
        chart->setAnimationOptions(QChart::NoAnimation);
        chart->legend()->setVisible(isPie(c));
        chart->legend()->setAlignment(Qt::AlignRight);
        chart->setMargins(QMargins(4, 4, 4, 4));
        auto *view = new QChartView(chart, this);
        view->setObjectName(QString::fromLatin1(objectNameOf(c)));
        view->setAccessibleName(chartTitle(c));
        view->setRenderHint(QPainter::Antialiasing);
        view->setFocusPolicy(Qt::StrongFocus);
        view->setMinimumSize(320, 240);
        m_views[int(c)] = view;
    }
    lstLongestOut = new QTreeWidget(this);
    lstLongestOut->setObjectName(QStringLiteral("lstLongestOut"));
    lstLongestOut->setAccessibleName(tr("Loans out longest"));
    lstLongestOut->setRootIsDecorated(false);
    lstLongestOut->setHeaderLabels({tr("Movie"), tr("Loaned To"), tr("Since"), tr("Days")});
    lstLongestOut->header()->setStretchLastSection(false);
    lstLongestOut->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i < 4; ++i)
        lstLongestOut->header()->setSectionResizeMode(i, QHeaderView::ResizeToContents);

    tabCharts->addTab(m_views[int(Chart::Genre)], tr("&Genres"));
    tabCharts->addTab(m_views[int(Chart::Decade)], tr("&Decades"));
    tabCharts->addTab(m_views[int(Chart::Medium)], tr("&Media"));
    tabCharts->addTab(m_views[int(Chart::Format)], tr("&Formats"));
    tabCharts->addTab(m_views[int(Chart::UserRating)], tr("&Your Ratings"));
    // The borrowers' chart beside the longest loans, so each borrower's bar has room for its name.
    auto *loans = new QSplitter(Qt::Horizontal, this);
    loans->setObjectName(QStringLiteral("splitLoans"));
    loans->setChildrenCollapsible(false);
    loans->addWidget(m_views[int(Chart::Borrower)]);
    auto *longest = new QWidget(loans);
    auto *longestLayout = new QVBoxLayout(longest);
    longestLayout->setContentsMargins(0, 0, 0, 0);
    auto *lblLongest = new QLabel(tr("Out &longest:"), longest);
    lblLongest->setObjectName(QStringLiteral("lblLongestOut"));
    lblLongest->setBuddy(lstLongestOut);
    longestLayout->addWidget(lblLongest);
    longestLayout->addWidget(lstLongestOut);
    loans->addWidget(longest);
    loans->setStretchFactor(0, 3);
    loans->setStretchFactor(1, 2);
    loans->setSizes({540, 360});
    tabCharts->addTab(loans, tr("&Loans"));

    cmdSaveChart = new QPushButton(tr("&Save Chart..."), this);
    cmdSaveChart->setObjectName(QStringLiteral("cmdSaveChart"));
    cmdSaveChart->setAccessibleName(tr("Save chart"));
    cmdSaveChart->setToolTip(tr("Save the chart shown as a PNG picture or an SVG drawing"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleName(tr("Close"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblStatus, 1);
    buttons->addWidget(cmdSaveChart);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTotals);
    layout->addWidget(tabCharts, 1);
    layout->addLayout(buttons);

    setTabOrder(tabCharts, m_views[int(Chart::Genre)]);
    setTabOrder(m_views[int(Chart::Genre)], lstLongestOut);
    setTabOrder(lstLongestOut, cmdSaveChart);
    setTabOrder(cmdSaveChart, cmdClose);

    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(cmdSaveChart, &QPushButton::clicked, this, &StatisticsWindow::saveChartClicked);

    m_soon = new QTimer(this);
    m_soon->setSingleShot(true);
    m_soon->setInterval(400);
    connect(m_soon, &QTimer::timeout, this, &StatisticsWindow::startCounting);
    m_watch = new QTimer(this);
    m_watch->setInterval(WatchMs);
    connect(m_watch, &QTimer::timeout, this, &StatisticsWindow::checkForChanges);

    Placement.restore(*this, m_ctx.ini());
    for (Chart c : AllCharts)
        fillChart(c);
    m_pending = true;
    startCounting();
}

StatisticsWindow::~StatisticsWindow()
{
    if (m_cancel)
        m_cancel->store(true);
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

QString StatisticsWindow::chartTitle(Chart c) const
{
    switch (c) {
    case Chart::Genre: return tr("Movies by genre");
    case Chart::Decade: return tr("Movies by decade of release");
    case Chart::Medium: return tr("Movies by medium");
    case Chart::Format: return tr("Movies by format");
    case Chart::UserRating: return tr("Movies by your rating");
    case Chart::Borrower: return tr("Loans out by borrower");
    }
    return QString();
}

QString StatisticsWindow::labelOf(Chart c, const Stats::Bucket &b) const
{
    if (c == Chart::UserRating) {
        const int stars = b.key.toInt();
        if (stars == 0)
            return tr("Not rated");
        return stars == 1 ? tr("1 star") : tr("%1 stars").arg(stars);
    }
    if (!b.key.isEmpty())
        return b.label;
    switch (c) {
    case Chart::Genre: return tr("No genre");
    case Chart::Decade: return tr("No year");
    case Chart::Medium: return tr("No medium");
    case Chart::Format: return tr("No format");
    case Chart::Borrower: return tr("No name");
    case Chart::UserRating: break;
    }
    return QString();
}

QChartView *StatisticsWindow::chartView(Chart chart) const
{
    return m_views[int(chart)];
}

void StatisticsWindow::refresh()
{
    m_pending = true;
    if (!m_running)
        m_soon->start();
}

void StatisticsWindow::startCounting()
{
    if (m_running) {
        m_pending = true;
        return;
    }
    m_pending = false;
    if (!m_catalogue.isOpen()) {
        m_watcher.reset();
        showStats(Stats::CollectionStats());
        lblStatus->setText(tr("No catalogue is open."));
        emit refreshed();
        return;
    }
    const QString path = m_catalogue.path();
    if (!m_watcher || m_watcher->path() != path) {
        m_watcher.reset();
        try {
            m_watcher = std::make_unique<ReadConnection>(path);
        } catch (const CinelogError &) {
            // Counting reports the failure below; the watch tries again with the next refresh.
        }
    }
    if (m_watcher) {
        try {
            m_dataVersion = m_watcher->dataVersion();
        } catch (const CinelogError &) {
            m_dataVersion = -1;
        }
    }
    lblStatus->setText(tr("Counting..."));
    m_running = true;
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
    m_cancel = std::make_shared<std::atomic_bool>(false);
    const QDate today = m_ctx.clock().now().date();
    m_thread = QThread::create([this, path, today, cancel = m_cancel] {
        Stats::CollectionStats stats;
        QString error;
        try {
            // Two readers at once: counting a large catalogue takes half the time.
            stats = Stats::collect(path, today, cancel.get(), 2);
        } catch (const CinelogError &e) {
            error = e.shownDescription();
        }
        if (cancel->load())
            return;
        QMetaObject::invokeMethod(this, [this, stats = std::move(stats), error] {
            m_running = false;
            if (error.isEmpty()) {
                showStats(stats);
                lblStatus->clear();
            } else {
                lblStatus->setText(tr("Could not count: %1").arg(error));
            }
            if (m_pending)
                m_soon->start();
            emit refreshed();
        }, Qt::QueuedConnection);
    });
    m_thread->start(QThread::LowPriority);
}

void StatisticsWindow::checkForChanges()
{
    if (m_running || !m_catalogue.isOpen())
        return;
    if (!m_watcher || m_watcher->path() != m_catalogue.path()) {
        refresh();
        return;
    }
    try {
        if (m_watcher->dataVersion() != m_dataVersion)
            refresh();
    } catch (const CinelogError &) {
        // Busy or gone: the next look decides.
    }
}

void StatisticsWindow::showStats(const Stats::CollectionStats &stats)
{
    m_stats = stats;
    const QLocale locale;
    const Stats::Totals &t = stats.totals;
    const qint64 days = t.runningMinutes / (24 * 60);
    const qint64 hours = (t.runningMinutes % (24 * 60)) / 60;
    lblTotals->setText(tr("%1 movies on %2 discs, %3 episodes; running time %4 days and %5 hours; %6 with a cover; %7 out on loan.")
                           .arg(locale.toString(t.movies), locale.toString(t.discs), locale.toString(t.episodes),
                                locale.toString(days), locale.toString(hours), locale.toString(t.withCovers),
                                locale.toString(stats.openLoans)));
    for (Chart c : AllCharts)
        fillChart(c);
    lstLongestOut->clear();
    for (const Stats::OpenLoan &l : stats.longestOut) {
        auto *item = new QTreeWidgetItem(lstLongestOut);
        item->setText(0, l.title);
        item->setText(1, l.borrower);
        item->setText(2, l.dateOut.isValid() ? locale.toString(l.dateOut, QLocale::ShortFormat) : QString());
        item->setText(3, l.daysOut >= 0 ? locale.toString(l.daysOut) : QString());
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, Qt::UserRole, l.movieId);
    }
}

void StatisticsWindow::fillChart(Chart c)
{
    QChart *chart = m_views[int(c)]->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis), delete axis;
    chart->setTitle(chartTitle(c));

    // The groups to draw: the largest ones, the rest as one "Other".
    const QList<Stats::Bucket> &all = m_stats.buckets(c);
    QList<QStringList> keys;
    QList<QString> labels;
    QList<qint64> counts;
    const bool ordered = c == Chart::Decade || c == Chart::UserRating;
    const int max = isPie(c) ? MaxSlices : c == Chart::Borrower ? MaxBorrowerBars : MaxGenreBars;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const Stats::Bucket &b = all[i];
        if (c == Chart::UserRating || b.count > 0) {
            if (ordered || keys.size() < max - 1 || all.size() <= max) {
                keys.append(QStringList{b.key});
                labels.append(labelOf(c, b));
                counts.append(b.count);
            } else {
                if (keys.size() < max) {
                    keys.append(QStringList());
                    labels.append(tr("Other"));
                    counts.append(0);
                }
                keys.last().append(b.key);
                counts.last() += b.count;
            }
        }
    }
    m_keys[int(c)] = keys;
    m_labels[int(c)] = labels;

    if (isPie(c)) {
        auto *series = new QPieSeries;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            QPieSlice *slice = series->append(QStringLiteral("%1 (%2)").arg(labels[i], QLocale().toString(counts[i])),
                                              qreal(counts[i]));
            connect(slice, &QPieSlice::hovered, slice, [slice](bool on) { slice->setExploded(on); });
        }
        connect(series, &QPieSeries::clicked, this, [this, c, series](QPieSlice *slice) {
            chooseElement(c, int(series->slices().indexOf(slice)));
        });
        chart->addSeries(series);
        return;
    }

    // Horizontal bars are drawn from the bottom up: reversed, the largest group reads first.
    const bool horizontal = c == Chart::Genre || c == Chart::Borrower;
    const int n = int(counts.size());
    auto *set = new QBarSet(chartTitle(c));
    QStringList names;
    qint64 top = 0;
    for (int i = 0; i < n; ++i) {
        const int at = horizontal ? n - 1 - i : i;
        *set << qreal(counts[at]);
        names << labels[at];
        top = std::max(top, counts[at]);
    }
    set->setLabelColor(palette().color(QPalette::WindowText));
    connect(set, &QBarSet::clicked, this, [this, c, n, horizontal](int index) {
        chooseElement(c, horizontal ? n - 1 - index : index);
    });
    QAbstractBarSeries *series = horizontal ? static_cast<QAbstractBarSeries *>(new QHorizontalBarSeries)
                                            : static_cast<QAbstractBarSeries *>(new QBarSeries);
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto *categories = new QBarCategoryAxis;
    categories->append(names.isEmpty() ? QStringList{QString()} : names);
    auto *values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%d"));
    // Room for the count written past the end of the longest bar.
    values->setRange(0, std::max<qreal>(1, qreal(top) * 1.12));
    values->applyNiceNumbers();
    chart->addAxis(categories, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
}

void StatisticsWindow::chooseElement(Chart c, int index)
{
    const QList<QStringList> &keys = m_keys[int(c)];
    if (index < 0 || index >= keys.size() || !m_catalogue.isOpen())
        return;
    QList<int> ids;
    m_ctx.guard(QStringLiteral("StatisticsWindow - chooseElement"), [&] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        try {
            ReadConnection db(m_catalogue.path());
            ids = Stats::moviesIn(db, c, keys[index]);
        } catch (...) {
            QApplication::restoreOverrideCursor();
            throw;
        }
        QApplication::restoreOverrideCursor();
        emit moviesChosen(ids, QStringLiteral("%1: %2").arg(chartTitle(c), m_labels[int(c)].value(index)));
    });
}

void StatisticsWindow::saveChartClicked()
{
    const QString start = QFileInfo(m_catalogue.path()).absolutePath();
    QString file = m_ctx.prompts().saveFile(tr("Save Chart"), tr("PNG picture (*.png);;SVG drawing (*.svg)"), start);
    if (file.isEmpty())
        return;
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
        file += QStringLiteral(".png");
    saveChart(file);
}

bool StatisticsWindow::saveChart(const QString &fileName)
{
    QWidget *page = tabCharts->currentWidget();
    QChartView *view = qobject_cast<QChartView *>(page);
    if (!view)
        view = page ? page->findChild<QChartView *>() : nullptr;
    if (!view)
        return false;
    const QSize size = view->size().expandedTo(QSize(480, 320));
    QSaveFile out(fileName);
    bool ok = out.open(QIODevice::WriteOnly);
    if (ok) {
        if (fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            QSvgGenerator svg;
            svg.setOutputDevice(&out);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(view->chart()->title());
            QPainter p(&svg);
            view->render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
            ok = p.end();
        } else {
            // Twice the window's pixels, so the picture stays sharp when printed or zoomed.
            QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(2);
            image.fill(palette().color(QPalette::Window));
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            view->render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
            p.end();
            ok = image.save(&out, "PNG");
        }
        ok = ok && out.commit();
    }
    if (!ok) {
        out.cancelWriting();
        m_ctx.prompts().warning(tr("The chart could not be saved as %1: %2").arg(fileName, out.errorString()),
                                tr("Statistics"));
    }
    return ok;
}

void StatisticsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_watch->start();
}

void StatisticsWindow::hideEvent(QHideEvent *event)
{
    m_watch->stop();
    QWidget::hideEvent(event);
}

void StatisticsWindow::closeEvent(QCloseEvent *event)
{
    Placement.save(*this, m_ctx.ini());
    QWidget::closeEvent(event);
}
