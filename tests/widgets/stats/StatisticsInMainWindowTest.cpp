// Tools > Statistics in the main window wired as the program wires it: a click on a bar narrows the
// main list to exactly the movies that bar counts, and the filter's chip brings every movie back.

#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueSession.h"
#include "MovieListModel.h"
#include "PictureViews.h"
#include "QuickFilter.h"
#include "StatisticsWindow.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmMain.h"

#include <QAbstractBarSeries>
#include <QAction>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <memory>

using Stats::Chart;

namespace {

struct Fixture {
    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session{t.ctx(), catalogue};
    CatalogueEvents events;
    std::unique_ptr<frmMain> w;

    Fixture()
    {
        const QString path = t.path(QStringLiteral("films.cnlg"));
        createCatalogue(path);
        if (!catalogue.open(path).opened())
            QTest::qFail("catalogue did not open", __FILE__, __LINE__);
        // Genres in any of the three places and in two spellings, one movie without a genre and
        // one whose second genre repeats its first.
        const char *const rows[] = {
            "INSERT INTO Movies (ID, Title, OrderBy, Genre1, Genre2, ReleaseYear) VALUES (1, 'Brazil', 'Brazil', 'Drama', 'Sci-Fi', '1985')",
            "INSERT INTO Movies (ID, Title, OrderBy, Genre1, ReleaseYear) VALUES (2, 'Casablanca', 'Casablanca', 'drama', '1942')",
            "INSERT INTO Movies (ID, Title, OrderBy, Genre1, ReleaseYear) VALUES (3, 'Alien', 'Alien', 'Sci-Fi', '1979')",
            "INSERT INTO Movies (ID, Title, OrderBy, ReleaseYear) VALUES (4, 'Home video', 'Home video', '')",
            "INSERT INTO Movies (ID, Title, OrderBy, Genre1, Genre3, ReleaseYear) VALUES (5, 'Heat', 'Heat', 'Crime', 'DRAMA', '1995')",
            "INSERT INTO Movies (ID, Title, OrderBy, Genre1, Genre2, ReleaseYear) VALUES (6, 'Fargo', 'Fargo', 'Crime', 'Crime', '1996')",
        };
        for (const char *sql : rows)
            catalogue.exec(QString::fromLatin1(sql));
        w = std::make_unique<frmMain>(t.ctx(), session);
        wirePictureViews(t.ctx(), catalogue, events, *w);
        w->ListMovies(QStringLiteral("Getting the Movie List..."));
        w->resize(1000, 760);
        w->show();
    }

    QList<int> listed() const
    {
        QList<int> out;
        const MovieListModel *m = w->movieModel();
        for (int row = 0; row < m->rowCount(); ++row)
            out << m->movieId(row);
        std::sort(out.begin(), out.end());
        return out;
    }
    QList<int> ids(const QString &sql)
    {
        QList<int> out;
        QSqlQuery q = catalogue.exec(sql);
        while (q.next())
            out << q.value(0).toInt();
        return out;
    }
    StatisticsWindow *openStatistics()
    {
        w->findChild<QAction *>(QStringLiteral("mnuStatistics"))->trigger();
        auto *s = w->findChild<StatisticsWindow *>();
        if (s && !QTest::qWaitFor([s] { return !s->isCounting(); }, 10000))
            return nullptr;
        return s;
    }
};

// The count of a bar, shown counting from the top of horizontal bars or from the left.
qreal barValue(StatisticsWindow &s, Chart chart, int shown)
{
    auto *bars = qobject_cast<QAbstractBarSeries *>(s.chartView(chart)->chart()->series().value(0));
    QBarSet *set = bars->barSets().value(0);
    // Horizontal bars are drawn bottom up: the set's last value is the top bar.
    return bars->type() == QAbstractSeries::SeriesTypeHorizontalBar ? set->at(int(set->count()) - 1 - shown) : set->at(shown);
}

// Clicks the middle of a bar as the user would.
void clickBar(StatisticsWindow &s, Chart chart, int shown)
{
    QChartView *view = s.chartView(chart);
    s.tabCharts->setCurrentWidget(view);
    QTRY_VERIFY(view->isVisible());
    auto *bars = qobject_cast<QAbstractBarSeries *>(view->chart()->series().value(0));
    QVERIFY(bars);
    QBarSet *set = bars->barSets().value(0);
    const bool horizontal = bars->type() == QAbstractSeries::SeriesTypeHorizontalBar;
    const int index = horizontal ? int(set->count()) - 1 - shown : shown;
    const qreal half = set->at(index) / 2;
    const QPointF inChart = view->chart()->mapToPosition(horizontal ? QPointF(half, index) : QPointF(index, half), bars);
    const QPoint inView = view->mapFromScene(view->chart()->mapToScene(inChart));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, inView);
}

} // namespace

class StatisticsInMainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void aBarNarrowsTheListAndTheChipClearsIt();
};

void StatisticsInMainWindowTest::aBarNarrowsTheListAndTheChipClearsIt()
{
    Fixture f;
    const QList<int> all = f.ids(QStringLiteral("SELECT ID FROM Movies ORDER BY ID"));
    QTRY_COMPARE(f.listed(), all);
    StatisticsWindow *s = f.openStatistics();
    QVERIFY(s);
    QVERIFY(s->isVisible());
    s->resize(900, 600);
    QuickFilter *filter = f.w->quickFilter();
    auto *chip = filter->findChild<QToolButton *>(QStringLiteral("btnFilterChip"));
    QVERIFY(chip);

    // Every bar of the genre chart, top to bottom: the list holds exactly the movies counted.
    const QList<QStringList> genres = s->shownKeys(Chart::Genre);
    QCOMPARE(genres.size(), 4); // drama, crime, sci-fi, none
    for (int shown = 0; shown < genres.size(); ++shown) {
        const QString key = genres[shown].value(0);
        const QList<int> expected = key.isEmpty()
            ? f.ids(QStringLiteral("SELECT ID FROM Movies WHERE ifnull(Genre1, '') = '' AND ifnull(Genre2, '') = '' "
                                   "AND ifnull(Genre3, '') = '' ORDER BY ID"))
            : f.ids(QStringLiteral("SELECT ID FROM Movies WHERE '%1' IN (lower(Genre1), lower(Genre2), lower(Genre3)) ORDER BY ID")
                        .arg(key));
        QVERIFY(!expected.isEmpty());
        clickBar(*s, Chart::Genre, shown);
        QTRY_COMPARE(f.listed(), expected);
        QVERIFY(chip->isVisible());
        QVERIFY(!chip->text().isEmpty());
        // The bar's count is the number of movies listed.
        QCOMPARE(int(barValue(*s, Chart::Genre, shown)), expected.size());
    }
    // Drama counts Brazil, Casablanca ("drama") and Heat (third genre "DRAMA") once each.
    QCOMPARE(genres.value(0), QStringList{QStringLiteral("drama")});

    // The chip clears the filter: every movie again.
    QTest::mouseClick(chip, Qt::LeftButton);
    QTRY_COMPARE(f.listed(), all);
    QVERIFY(!chip->isVisible());

    // Decades, in order, the movies without a year last.
    QCOMPARE(s->shownKeys(Chart::Decade), (QList<QStringList>{{QStringLiteral("1940")}, {QStringLiteral("1970")},
                                                              {QStringLiteral("1980")}, {QStringLiteral("1990")}, {QString()}}));
    clickBar(*s, Chart::Decade, 3);
    QTRY_COMPARE(f.listed(), (QList<int>{5, 6}));
    QCOMPARE(int(barValue(*s, Chart::Decade, 3)), 2);
    clickBar(*s, Chart::Decade, 4);
    QTRY_COMPARE(f.listed(), (QList<int>{4}));
    // A new set replaces the last one; the chip then clears it.
    QTest::mouseClick(chip, Qt::LeftButton);
    QTRY_COMPARE(f.listed(), all);
}

QTEST_MAIN(StatisticsInMainWindowTest)
#include "StatisticsInMainWindowTest.moc"
