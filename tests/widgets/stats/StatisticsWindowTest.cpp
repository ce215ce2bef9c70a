#include "Catalogue.h"
#include "ReadConnection.h"
#include "StatisticsWindow.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"

#include <QBarSet>
#include <QAbstractBarSeries>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTreeWidget>

using Stats::Chart;

namespace {

struct Fixture {
    WidgetTestContext t;
    Catalogue catalogue;
    QString path;

    Fixture()
    {
        path = t.path(QStringLiteral("stats.cnlg"));
        createCatalogue(path);
        if (!catalogue.open(path).opened())
            QTest::qFail("catalogue did not open", __FILE__, __LINE__);
        const char *const rows[] = {
            "INSERT INTO Movies (ID, Title, Genre1, Genre2, Medium, ReleaseYear, UserRating, NumDiscs, RunningTime) VALUES (1, 'Brazil', 'Drama', 'Sci-Fi', 'DVD', '1985', 5, '1', '142')",
            "INSERT INTO Movies (ID, Title, Genre1, Medium, ReleaseYear, UserRating, RunningTime) VALUES (2, 'Casablanca', 'drama', 'VHS', '1942', 5, '102')",
            "INSERT INTO Movies (ID, Title, Genre1, Medium, ReleaseYear, UserRating) VALUES (3, 'Alien', 'Sci-Fi', 'DVD', '1979', 4)",
            "INSERT INTO Movies (ID, Title, Medium) VALUES (4, 'Home video', 'DVD')",
            "INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (2, 'Casablanca', 'Ann', '2025-11-01')",
            "INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (3, 'Alien', 'Bob', '2025-06-01')",
        };
        for (const char *sql : rows)
            catalogue.exec(QString::fromLatin1(sql));
    }

    QList<int> ids(const QString &sql)
    {
        QList<int> out;
        QSqlQuery q = catalogue.exec(sql);
        while (q.next())
            out << q.value(0).toInt();
        return out;
    }
};

bool waitCounted(StatisticsWindow &w, QSignalSpy &spy, int times = 1)
{
    return QTest::qWaitFor([&] { return spy.count() >= times && !w.isCounting(); }, 10000);
}

} // namespace

class StatisticsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void showsTotalsAndCharts();
    void clickingABarOrSliceChoosesExactlyItsMovies();
    void followsChangesByAnotherProgram();
    void savesChartsAsPngAndSvg();
    void remembersItsSize();
};

void StatisticsWindowTest::showsTotalsAndCharts()
{
    Fixture f;
    StatisticsWindow w(f.t.ctx(), f.catalogue);
    QSignalSpy counted(&w, &StatisticsWindow::refreshed);
    w.show();
    QVERIFY(waitCounted(w, counted));
    const QString totals = w.lblTotals->text();
    QVERIFY2(totals.contains(QStringLiteral("4 movies")), qPrintable(totals));
    QVERIFY2(totals.contains(QStringLiteral("4 discs")), qPrintable(totals));
    // 244 minutes: no whole day, four hours.
    QVERIFY2(totals.contains(QStringLiteral("0 days and 4 hours")), qPrintable(totals));
    QVERIFY2(totals.contains(QStringLiteral("2 out on loan")), qPrintable(totals));
    // Genres by count: Drama (2), Sci-Fi (2), then the movie without genre.
    const QList<QStringList> genres = w.shownKeys(Chart::Genre);
    QCOMPARE(genres.size(), 3);
    QCOMPARE(genres.last(), QStringList{QString()});
    auto *bars = qobject_cast<QAbstractBarSeries *>(w.chartView(Chart::Genre)->chart()->series().value(0));
    QVERIFY(bars);
    QCOMPARE(bars->barSets().value(0)->count(), 3);
    auto *pie = qobject_cast<QPieSeries *>(w.chartView(Chart::Medium)->chart()->series().value(0));
    QVERIFY(pie);
    QCOMPARE(pie->count(), 2);
    QCOMPARE(pie->slices().value(0)->value(), 3.0); // DVD
    QCOMPARE(w.lstLongestOut->topLevelItemCount(), 2);
    QCOMPARE(w.lstLongestOut->topLevelItem(0)->text(0), QStringLiteral("Alien"));
}

void StatisticsWindowTest::clickingABarOrSliceChoosesExactlyItsMovies()
{
    Fixture f;
    StatisticsWindow w(f.t.ctx(), f.catalogue);
    QSignalSpy counted(&w, &StatisticsWindow::refreshed);
    QSignalSpy chosen(&w, &StatisticsWindow::moviesChosen);
    w.show();
    QVERIFY(waitCounted(w, counted));

    // Horizontal bars are drawn bottom up: the bar set's last value is the first (largest) group.
    auto *genreBars = qobject_cast<QAbstractBarSeries *>(w.chartView(Chart::Genre)->chart()->series().value(0));
    QBarSet *genreSet = genreBars->barSets().value(0);
    const int n = genreSet->count();
    for (int shown = 0; shown < n; ++shown) {
        emit genreSet->clicked(n - 1 - shown);
        QCOMPARE(chosen.count(), shown + 1);
        const QString key = w.shownKeys(Chart::Genre)[shown].value(0);
        const QList<int> expected = key.isEmpty()
            ? f.ids(QStringLiteral("SELECT ID FROM Movies WHERE ifnull(Genre1, '') = '' AND ifnull(Genre2, '') = '' "
                                   "AND ifnull(Genre3, '') = '' ORDER BY ID"))
            : f.ids(QStringLiteral("SELECT ID FROM Movies WHERE '%1' IN (lower(Genre1), lower(Genre2), lower(Genre3)) ORDER BY ID")
                        .arg(key));
        QCOMPARE(chosen.last().value(0).value<QList<int>>(), expected);
    }

    auto *pie = qobject_cast<QPieSeries *>(w.chartView(Chart::Medium)->chart()->series().value(0));
    emit pie->clicked(pie->slices().value(0));
    QCOMPARE(chosen.last().value(0).value<QList<int>>(), f.ids(QStringLiteral("SELECT ID FROM Movies WHERE Medium = 'DVD' ORDER BY ID")));
    QVERIFY(chosen.last().value(1).toString().contains(QStringLiteral("DVD")));

    // Star ratings: 5 stars is the bar at index 5.
    auto *stars = qobject_cast<QAbstractBarSeries *>(w.chartView(Chart::UserRating)->chart()->series().value(0));
    emit stars->barSets().value(0)->clicked(5);
    QCOMPARE(chosen.last().value(0).value<QList<int>>(), (QList<int>{1, 2}));

    auto *borrowers = qobject_cast<QAbstractBarSeries *>(w.chartView(Chart::Borrower)->chart()->series().value(0));
    QBarSet *borrowerSet = borrowers->barSets().value(0);
    for (int i = 0; i < borrowerSet->count(); ++i) {
        emit borrowerSet->clicked(i);
        const QString who = w.shownKeys(Chart::Borrower)[borrowerSet->count() - 1 - i].value(0);
        QCOMPARE(chosen.last().value(0).value<QList<int>>(),
                 f.ids(QStringLiteral("SELECT MovieID FROM LoanOut WHERE lower(LoanedTo) = '%1'").arg(who)));
    }
}

void StatisticsWindowTest::followsChangesByAnotherProgram()
{
    Fixture f;
    StatisticsWindow w(f.t.ctx(), f.catalogue);
    QSignalSpy counted(&w, &StatisticsWindow::refreshed);
    w.show();
    QVERIFY(waitCounted(w, counted));
    QCOMPARE(w.stats().totals.movies, 4);
    {
        // Another program saves a movie through a connection of its own.
        Catalogue other;
        QVERIFY(other.open(f.path).opened());
        other.exec(QStringLiteral("INSERT INTO Movies (Title, Genre1) VALUES ('Heat', 'Crime')"));
    }
    QVERIFY(QTest::qWaitFor([&] { return w.stats().totals.movies == 5; }, 10000));
    QVERIFY(w.lblTotals->text().contains(QStringLiteral("5 movies")));
    bool crime = false;
    for (const Stats::Bucket &b : w.stats().genres)
        crime = crime || (b.label == QStringLiteral("Crime") && b.count == 1);
    QVERIFY(crime);
}

void StatisticsWindowTest::savesChartsAsPngAndSvg()
{
    Fixture f;
    StatisticsWindow w(f.t.ctx(), f.catalogue);
    QSignalSpy counted(&w, &StatisticsWindow::refreshed);
    w.resize(800, 600);
    w.show();
    QVERIFY(waitCounted(w, counted));

    const QString png = f.t.path(QStringLiteral("genres.png"));
    f.t.prompts.answerText(png);
    QTest::mouseClick(w.cmdSaveChart, Qt::LeftButton);
    QImage picture(png);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() >= 480);

    // The loans tab holds its chart with the list below it; the chart is what is saved.
    w.tabCharts->setCurrentIndex(w.tabCharts->count() - 1);
    const QString svg = f.t.path(QStringLiteral("loans.svg"));
    QVERIFY(w.saveChart(svg));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("<svg"));
    QVERIFY(text.contains("Loans out by borrower"));

    // A file that cannot be written is reported, and nothing is left behind.
    const QString bad = f.t.path(QStringLiteral("missing-folder/chart.png"));
    QVERIFY(!w.saveChart(bad));
    QVERIFY(!QFile::exists(bad));
    QCOMPARE(f.t.prompts.messages().size(), 1);
    QVERIFY(f.t.prompts.messages().first().contains(QStringLiteral("chart.png")));
}

void StatisticsWindowTest::remembersItsSize()
{
    Fixture f;
    {
        StatisticsWindow w(f.t.ctx(), f.catalogue);
        w.show();
        w.resize(700, 500);
        w.close();
    }
    StatisticsWindow again(f.t.ctx(), f.catalogue);
    QCOMPARE(again.size(), QSize(700, 500));
}

QTEST_MAIN(StatisticsWindowTest)
#include "StatisticsWindowTest.moc"
