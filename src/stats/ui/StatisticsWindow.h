#pragma once

#include "CollectionStats.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <memory>

class AppContext;
class Catalogue;
class ReadConnection;
class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QThread;
class QTimer;
class QTreeWidget;

// Tools > Statistics: the collection as charts (genres, decades, media, formats, the user's star
// ratings, loans by borrower) with the totals above them and the longest loans beside the loans
// chart. Counting runs on a thread of its own with its own connection, so the window opens at once
// and the program stays responsive on large catalogues. While the window is open it counts again
// whenever the catalogue changes, by this program or another one. A click on a bar or slice
// announces that group's movies.
class StatisticsWindow : public QWidget
{
    Q_OBJECT
public:
    StatisticsWindow(AppContext &ctx, Catalogue &catalogue, QWidget *parent = nullptr);
    ~StatisticsWindow() override;

    // Counts again (soon; several calls in a row count once).
    void refresh();
    // True until the first counting has been shown.
    bool isCounting() const { return m_running || m_pending; }
    const Stats::CollectionStats &stats() const { return m_stats; }
    // The chart of a tab, for saving and for tests.
    QChartView *chartView(Stats::Chart chart) const;
    // Saves the chart on the current tab as PNG or SVG (by the file name's extension); false when
    // it could not be written (the user has been told).
    bool saveChart(const QString &fileName);
    // The keys behind each bar or slice of a chart, in the order they are drawn.
    QList<QStringList> shownKeys(Stats::Chart chart) const { return m_keys[int(chart)]; }
    // What a click on the element at index of a chart does.
    void chooseElement(Stats::Chart chart, int index);

    QLabel *lblTotals, *lblStatus;
    QTabWidget *tabCharts;
    QTreeWidget *lstLongestOut;
    QPushButton *cmdSaveChart, *cmdClose;

signals:
    // The movies of the bar or slice clicked; description names the group ("Genre: Drama").
    void moviesChosen(const QList<int> &movieIds, const QString &description);
    // Counting has finished and the charts show its result.
    void refreshed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void startCounting();
    void showStats(const Stats::CollectionStats &stats);
    void fillChart(Stats::Chart chart);
    void checkForChanges();
    void saveChartClicked();
    QString labelOf(Stats::Chart chart, const Stats::Bucket &b) const;
    QString chartTitle(Stats::Chart chart) const;

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    Stats::CollectionStats m_stats;
    QChartView *m_views[6] = {};
    QList<QStringList> m_keys[6];
    QList<QString> m_labels[6];
    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
    bool m_running = false;
    bool m_pending = false;
    QTimer *m_watch = nullptr;
    QTimer *m_soon = nullptr;
    std::unique_ptr<ReadConnection> m_watcher;
    qint64 m_dataVersion = -1;
};
