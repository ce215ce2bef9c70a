#include "RecordingMainWindow.h"
#include "SearchFixture.h"
#include "SearchResultModel.h"
#include "WidgetTestSupport.h"
#include "StepProgress.h"
#include "WindowUtil.h"
#include "frmSearch.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QSet>
#include <QTreeView>
#include <memory>

namespace {

// Records what the search window asks of the main window.

QStringList itemsOf(QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

} // namespace

class frmSearchTest : public QObject
{
    Q_OBJECT

    struct Window {
        WidgetTestContext t;
        Catalogue cat;
        RecordingMainWindow main;
        std::unique_ptr<frmSearch> w;
    };

    std::unique_ptr<Window> open(bool filled = true)
    {
        auto s = std::make_unique<Window>();
        if (!SearchFixture::open(s->cat, s->t.path(QStringLiteral("films.cnlg"))))
            return nullptr;
        if (filled)
            SearchFixture::fill(s->cat);
        s->w = std::make_unique<frmSearch>(s->t.ctx(), s->cat, s->main.edited, s->main.events);
        s->w->Form_Load();
        s->w->show();
        return s;
    }

    static void check(QCheckBox *ck, bool on)
    {
        if (ck->isChecked() != on)
            QTest::mouseClick(ck, Qt::LeftButton, {}, QPoint(8, ck->height() / 2));
        QCOMPARE(ck->isChecked(), on);
    }

    // Searches by title containment through the window.
    static void searchTitle(frmSearch &w, const QString &title)
    {
        check(w.ckTitle, true);
        w.txtTitle->setText(title);
        QTest::mouseClick(w.cmdSearch, Qt::LeftButton);
    }

private slots:
    void uncheckingACriterionEmptiesItsInput()
    {
        auto s = open();
        QVERIFY(s);
        frmSearch &w = *s->w;
        struct Pair {
            QCheckBox *ck;
            QWidget *input;
            std::function<void()> fill;
            std::function<QString()> text;
        };
        auto combo = [](QComboBox *c) {
            return Pair{nullptr, c, [c] { c->setCurrentIndex(c->count() - 1); }, [c] { return c->currentText(); }};
        };
        std::vector<Pair> pairs = {
            {w.ckTitle, w.txtTitle, [&] { w.txtTitle->setText(QStringLiteral("Alien")); }, [&] { return w.txtTitle->text(); }},
        };
        for (auto [ck, c] : {std::pair{w.ckDir, w.cmbDirector}, std::pair{w.ckActor, w.cmbActor[0]},
                             std::pair{w.ckGenre, w.cmbGenre[0]}, std::pair{w.ckFormat, w.cmbFormat},
                             std::pair{w.ckRating, w.cmbRating}, std::pair{w.ckMedium, w.cmbMedium}}) {
            Pair p = combo(c);
            p.ck = ck;
            pairs.push_back(p);
        }
        for (const Pair &p : pairs) {
            const QByteArray name = p.ck->objectName().toUtf8();
            QVERIFY2(!p.input->isEnabled(), name);
            QVERIFY2(p.text().isEmpty(), name);
            check(p.ck, true);
            QVERIFY2(p.input->isEnabled(), name);
            p.fill();
            QVERIFY2(!p.text().isEmpty(), name);
            check(p.ck, false);
            QVERIFY2(!p.input->isEnabled(), name);
            QVERIFY2(p.text().isEmpty(), name);
            check(p.ck, true);
            QVERIFY2(p.input->isEnabled() && p.text().isEmpty(), name);
        }
        // The stars keep their choice; they only follow the box's enablement.
        check(w.chkStars, true);
        w.ComStars->setCurrentIndex(3);
        check(w.chkStars, false);
        QVERIFY(!w.ComStars->isEnabled() && !w.ComStarsValue->isEnabled());
        QCOMPARE(w.ComStars->currentText(), QStringLiteral("3 Stars"));
        QCOMPARE(w.ComStarsValue->currentText(), QStringLiteral("="));
    }

    void secondBoxesFollowTheFirst()
    {
        auto s = open();
        QVERIFY(s);
        frmSearch &w = *s->w;
        struct Case {
            QCheckBox *ck;
            QComboBox *first, *second;
            QLabel *label;
        };
        for (const Case &c : {Case{w.ckActor, w.cmbActor[0], w.cmbActor[1], w.lblReferenceWith},
                              Case{w.ckGenre, w.cmbGenre[0], w.cmbGenre[1], w.lblReferenceGenre}}) {
            const QByteArray name = c.ck->objectName().toUtf8();
            check(c.ck, true);
            QVERIFY2(!c.second->isEnabled() && !c.label->isEnabled(), name);
            c.first->setCurrentIndex(2);
            QVERIFY2(c.second->isEnabled() && c.label->isEnabled(), name);
            c.second->setCurrentIndex(3);
            QVERIFY2(!c.second->currentText().isEmpty(), name);
            // Emptying the first box empties and disables the second.
            c.first->setCurrentIndex(c.first->itemText(0).isEmpty() ? 0 : -1);
            QVERIFY2(!c.second->isEnabled() && c.second->currentText().isEmpty(), name);
            c.first->setCurrentIndex(2);
            c.second->setCurrentIndex(3);
            check(c.ck, false);
            QVERIFY2(c.first->currentText().isEmpty() && c.second->currentText().isEmpty(), name);
            QVERIFY2(!c.first->isEnabled() && !c.second->isEnabled() && !c.label->isEnabled(), name);
        }
        // Exact Match goes with the title and director boxes.
        QVERIFY(!w.chkExactMatch->isEnabled());
        check(w.ckDir, true);
        QVERIFY(w.chkExactMatch->isEnabled());
    }

    void pickListsOfAnEmptyAndAFilledCatalogue()
    {
        {
            auto s = open(false);
            QVERIFY(s);
            QCOMPARE(itemsOf(s->w->cmbRating), QStringList({QString(), QStringLiteral("G"), QStringLiteral("PG"),
                                                            QStringLiteral("PG-13"), QStringLiteral("R"),
                                                            QStringLiteral("NC-17"), QStringLiteral("XXX"),
                                                            QStringLiteral("Unrated")}));
            QCOMPARE(s->w->cmbMedium->count(), 0);
            QCOMPARE(s->w->cmbFormat->count(), 0);
        }
        auto s = open();
        QVERIFY(s);
        frmSearch &w = *s->w;
        QCOMPARE(itemsOf(w.cmbRating), QStringList({QString(), QStringLiteral("R"), QStringLiteral("PG-13"),
                                                    QStringLiteral("PG"), QStringLiteral("XXX")}));
        QCOMPARE(w.cmbActor[0]->itemText(0), QString());
        QCOMPARE(itemsOf(w.cmbActor[0]), itemsOf(w.cmbActor[1]));
        QCOMPARE(w.cmbActor[0]->count(), 8);
        QCOMPARE(itemsOf(w.ComStars).mid(0, 3), QStringList({QString(), QStringLiteral("1 Star"), QStringLiteral("2 Stars")}));
        QCOMPARE(itemsOf(w.ComStarsValue), QStringList({QStringLiteral("="), QStringLiteral("<="), QStringLiteral("<"),
                                                        QStringLiteral(">"), QStringLiteral(">=")}));
    }

    void searchFillsTheListAndTellsWhatWasFound()
    {
        auto s = open();
        QVERIFY(s);
        frmSearch &w = *s->w;
        QAbstractItemModelTester tester(w.lvMovies->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

        // A checked title box with no text is no criterion and is switched off.
        check(w.ckTitle, true);
        QTest::mouseClick(w.cmdSearch, Qt::LeftButton);
        QCOMPARE(s->t.prompts.messages(), QStringList({QStringLiteral("You must have critiera to search by!")}));
        QCOMPARE(s->t.prompts.titles(), QStringList({QStringLiteral("ID-10-T Error")}));
        QVERIFY(!w.ckTitle->isChecked());
        s->t.prompts.clear();

        searchTitle(w, QStringLiteral("Alien"));
        QVERIFY(s->t.prompts.shown().isEmpty());
        QCOMPARE(w.lblTotals->text(), QStringLiteral("Total Movies Found: 2"));
        QAbstractItemModel *m = w.lvMovies->model();
        QCOMPARE(m->data(m->index(0, 1)).toString(), QStringLiteral("Alien"));
        QVERIFY(m->data(m->index(0, 1), Qt::FontRole).value<QFont>().bold());
        QVERIFY(!m->data(m->index(1, 1), Qt::FontRole).value<QFont>().bold());
        QVERIFY(w.lstActors->isEnabled());

        // The cast of the selected movie.
        w.lvMovies->setCurrentIndex(m->index(1, 0));
        QCOMPARE(w.lstActors->count(), 2);
        QCOMPARE(w.lstActors->item(1)->text(), QStringLiteral("Sigourney Weaver"));

        searchTitle(w, QStringLiteral("Zardoz"));
        QCOMPARE(m->rowCount(), 0);
        QCOMPARE(w.lstActors->count(), 0);
        QCOMPARE(w.lblTotals->text(), QStringLiteral("Total Movies Found: 0"));
        QCOMPARE(s->t.prompts.messages(), QStringList({QStringLiteral("No movies found with this search criteria.")}));
        QCOMPARE(s->t.prompts.titles(), QStringList({QStringLiteral("No Movies Found")}));
    }

    void everyColumnClickReversesTheOrder()
    {
        auto s = open();
        QVERIFY(s);
        frmSearch &w = *s->w;
        check(w.ckGenre, true);
        w.cmbGenre[0]->setCurrentText(QStringLiteral("Comedy"));
        QTest::mouseClick(w.cmdSearch, Qt::LeftButton);
        QAbstractItemModel *m = w.lvMovies->model();
        QCOMPARE(m->rowCount(), 4);
        auto firstTitle = [m] { return m->data(m->index(0, 1)).toString(); };
        QCOMPARE(firstTitle(), QStringLiteral("100% Wolf"));
        QHeaderView *h = w.lvMovies->header();
        auto clickColumn = [h](int col) {
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(col) + 5, h->height() / 2));
        };
        clickColumn(1);
        QCOMPARE(firstTitle(), QStringLiteral("Say \"Cheese\""));
        clickColumn(1);
        QCOMPARE(firstTitle(), QStringLiteral("100% Wolf"));
        // Another column reverses again: now descending by director.
        clickColumn(2);
        QCOMPARE(m->data(m->index(0, 2)).toString(), QStringLiteral("Steven Soderbergh"));
    }

    // More movies than a page of rows: the rows past the first page, read when they are shown, carry
    // the right texts and bold cells, in the found order and after column sorts; a movie deleted
    // before its row is shown leaves an empty row behind, not a crash.
    void rowsPastTheFirstPage()
    {
        auto s = open(false);
        QVERIFY(s);
        constexpr int Movies = 300;
        s->cat.transaction([&] {
            for (int i = 1; i <= Movies; ++i) {
                // Every seventh title is the searched text exactly; the sort keys tie in groups; the
                // medium is spelt two ways.
                const QString title = i % 7 == 0 ? QStringLiteral("Night") : QStringLiteral("Night of %1").arg(i % 50);
                s->cat.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, Director, Medium, RunningTime) "
                                           "VALUES (?, ?, ?, ?, ?, ?)"),
                            {i, title, QStringLiteral("Key %1").arg((i * 11) % 23), QStringLiteral("Director %1").arg(i % 9),
                             i % 2 ? QStringLiteral("DVD") : QStringLiteral("dvd"), QString::number(60 + i % 90)});
            }
        });
        // What each row must show, read with plain statements: the found order, and each movie's
        // shown texts of the columns checked.
        struct Expected {
            int id;
            QString idText, title, director, medium, time;
        };
        QList<Expected> rows;
        QSqlQuery q = s->cat.exec(QStringLiteral("SELECT ID, Title, Director, Medium, RunningTime FROM Movies "
                                                 "ORDER BY OrderByKey, ID"));
        while (q.next())
            rows << Expected{q.value(0).toInt(), q.value(0).toString().rightJustified(3, QLatin1Char('0')), q.value(1).toString(),
                             q.value(2).toString(), q.value(3).toString(), q.value(4).toString() + QStringLiteral(" mins")};
        QCOMPARE(rows.size(), Movies);
        const QList<Expected> foundOrder = rows;

        frmSearch &w = *s->w;
        w.Form_Load(); // the pick lists of the movies just added
        check(w.ckMedium, true);
        w.cmbMedium->setCurrentText(QStringLiteral("DVD"));
        searchTitle(w, QStringLiteral("Night"));
        QCOMPARE(w.lblTotals->text(), QStringLiteral("Total Movies Found: 300"));
        auto *model = qobject_cast<SearchResultModel *>(w.lvMovies->model());
        QVERIFY(model);
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        auto bold = [model](int row, int column) { return model->data(model->index(row, column), Qt::FontRole).value<QFont>().bold(); };
        auto text = [model](int row, int column) { return model->data(model->index(row, column)).toString(); };
        auto compareRows = [&](const char *when) {
            for (int row : {0, 1, 127, 128, 129, 200, 255, 256, Movies - 1}) {
                const Expected &e = rows.at(row);
                const QByteArray where = QByteArray(when) + " row " + QByteArray::number(row);
                QVERIFY2(text(row, FoundMovie::ID) == e.idText, where);
                QVERIFY2(model->data(model->index(row, 0), SearchResultModel::IdRole).toInt() == e.id, where);
                QVERIFY2(text(row, FoundMovie::Title) == e.title, where);
                QVERIFY2(text(row, FoundMovie::Director) == e.director, where);
                QVERIFY2(text(row, FoundMovie::Medium) == e.medium, where);
                QVERIFY2(text(row, FoundMovie::Time) == e.time, where);
                QVERIFY2(bold(row, FoundMovie::Title) == (e.title == QLatin1String("Night")), where);
                QVERIFY2(bold(row, FoundMovie::Medium) == (e.medium == QLatin1String("DVD")), where);
                QVERIFY2(!bold(row, FoundMovie::Director), where);
            }
        };
        // The first row reads its page only.
        QCOMPARE(text(0, FoundMovie::Title), rows.at(0).title);
        QCOMPARE(model->cachedRows(), int(MovieSearch::PageRows));
        compareRows("found order");

        // A click on a column sorts all rows by its text; rows of equal text keep their order.
        QHeaderView *h = w.lvMovies->header();
        auto clickColumn = [h](int col) {
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(col) + 5, h->height() / 2));
        };
        auto sortRows = [&rows](auto key, bool ascending) {
            std::stable_sort(rows.begin(), rows.end(), [&](const Expected &a, const Expected &b) {
                const int c = QString::compare(key(a), key(b), Qt::CaseInsensitive);
                return ascending ? c < 0 : c > 0;
            });
        };
        clickColumn(FoundMovie::Title);
        sortRows([](const Expected &e) { return e.title; }, false);
        compareRows("by title, descending");
        clickColumn(FoundMovie::Time);
        sortRows([](const Expected &e) { return e.time; }, true);
        compareRows("by time, ascending");
        // A picture of the list scrolled past its first page to $CINELOG_SCREENSHOTS when that is
        // set, for looking at it.
        if (const QString folder = qEnvironmentVariable("CINELOG_SCREENSHOTS"); !folder.isEmpty()) {
            w.resize(twipsToPixels(12000), twipsToPixels(8000));
            w.lvMovies->scrollTo(model->index(200, 0), QAbstractItemView::PositionAtTop);
            QTest::qWait(20);
            w.grab().save(QDir(folder).filePath(QStringLiteral("search-past-first-page.png")));
        }
        clickColumn(FoundMovie::ID);
        sortRows([](const Expected &e) { return e.idText; }, false);
        compareRows("by ID, descending");

        // Movies deleted after the search: one on a page not read yet, one on a page read.
        searchTitle(w, QStringLiteral("Night"));
        QCOMPARE(text(0, FoundMovie::Title), foundOrder.at(0).title);
        QCOMPARE(model->cachedRows(), int(MovieSearch::PageRows));
        const int unreadRow = 250, readRow = 3;
        const int unread = foundOrder.at(unreadRow).id, read = foundOrder.at(readRow).id;
        s->cat.exec(QStringLiteral("DELETE FROM Movies WHERE ID IN (?, ?)"), {unread, read});
        QCOMPARE(model->movieId(unreadRow), unread);
        for (int column = 0; column < FoundMovie::ColumnCount; ++column)
            QCOMPARE(text(unreadRow, column), QString());
        QCOMPARE(text(unreadRow + 1, FoundMovie::Title), foundOrder.at(unreadRow + 1).title);
        QCOMPARE(text(readRow, FoundMovie::Title), foundOrder.at(readRow).title);
        w.lvMovies->setCurrentIndex(model->index(unreadRow, 1));
        QCOMPARE(w.lstActors->count(), 0);
        w.lvMovies->scrollToBottom();
        QTest::qWait(1);
        // A sort after the deletion keeps every row; the deleted movies sort as empty texts, first
        // when the clicks have come round to ascending again.
        clickColumn(FoundMovie::Title);
        QCOMPARE(model->rowCount(), Movies);
        QCOMPARE(QSet<int>({model->movieId(0), model->movieId(1)}), QSet<int>({unread, read}));
        QCOMPARE(text(2, FoundMovie::Title), QStringLiteral("Night"));
    }

    void editMovieHandsTheMovieToTheMainWindow()
    {
        auto s = open();
        QVERIFY(s);
        frmSearch &w = *s->w;
        searchTitle(w, QStringLiteral("Alien"));
        w.lvMovies->setCurrentIndex(w.lvMovies->model()->index(1, 0));
        child<QAction>(&w, "mnuEditMovie")->trigger();
        QCOMPARE(s->main.calls, QStringList({QStringLiteral("CheckSaved"), QStringLiteral("showMovie 2")}));
    }

    void popupHooksGetTheSelectedMovie()
    {
        auto s = open();
        QVERIFY(s);
        frmSearch &w = *s->w;
        QVERIFY(!w.mnuLoanOut->isEnabled());
        QStringList got;
        connect(&w, &frmSearch::loanOutRequested, this,
                [&](int id, const QString &title) { got << QStringLiteral("loan %1 %2").arg(id).arg(title); });
        connect(&w, &frmSearch::addToListRequested, this,
                [&](int id, const QString &title) { got << QStringLiteral("list %1 %2").arg(id).arg(title); });
        int printed = 0;
        report::MovieDetailsSearchParams params;
        connect(&w, &frmSearch::printRequested, this, [&](const report::MovieDetailsSearchParams &p) {
            ++printed;
            params = p;
        });
        QVERIFY(!w.cmdPrint->isEnabled());
        searchTitle(w, QStringLiteral("Ocean"));
        QVERIFY(w.cmdPrint->isEnabled());
        w.lvMovies->setCurrentIndex(w.lvMovies->model()->index(0, 0));
        w.mnuLoanOut->trigger();
        w.mnuUserList->trigger();
        QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
        QCOMPARE(got, QStringList({QStringLiteral("loan 4 Ocean's Eleven"), QStringLiteral("list 4 Ocean's Eleven")}));
        QCOMPARE(printed, 1);
        // The report gets the movies listed and the criteria as the window shows them.
        QCOMPARE(params.movieIds, QList<int>{4});
        QVERIFY(params.criteria.title.checked);
        QCOMPARE(params.criteria.title.text, QStringLiteral("Ocean"));
        QVERIFY(!params.criteria.director.checked);
        // The main list is refreshed after a loan so it shows it.
        QCOMPARE(s->main.calls, QStringList({QStringLiteral("ListMovies Updating the Movie List...")}));
    }

    void doubleClickOpensOnlyARealWebLink()
    {
        auto s = open();
        QVERIFY(s);
        frmSearch &w = *s->w;
        searchTitle(w, QStringLiteral("Alien"));
        QTreeView *v = w.lvMovies;
        auto doubleClickRow = [v](int row) {
            const QRect r = v->visualRect(v->model()->index(row, 1));
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, r.center());
        };
        doubleClickRow(1); // Aliens: "http://" only
        QVERIFY(s->t.urls.opened.isEmpty());
        doubleClickRow(0);
        QCOMPARE(s->t.urls.opened.size(), 1);
        QCOMPARE(s->t.urls.opened.first().toString(QUrl::FullyEncoded), QStringLiteral("https://example.org/alien?a=1%20b"));

        s->cat.exec(QStringLiteral("UPDATE Movies SET URL = ? WHERE ID = 1"), {QStringLiteral("file:///etc/passwd")});
        doubleClickRow(0);
        QCOMPARE(s->t.urls.opened.size(), 1);
    }

    void sizeAndColumnWidthsAreRemembered()
    {
        auto s = open();
        QVERIFY(s);
        frmSearch &w = *s->w;
        const int wide = twipsToPixels(12000), high = twipsToPixels(9000);
        w.resize(wide, high);
        w.lvMovies->header()->resizeSection(1, 321);
        w.close();
        AppContext &ctx = s->t.ctx();
        QCOMPARE(ctx.ReadINI(QStringLiteral("SearchList"), QStringLiteral("Width")).toInt(), pixelsToTwips(wide));
        QCOMPARE(ctx.ReadINI(QStringLiteral("SearchList"), QStringLiteral("2")).toInt(), pixelsToTwips(321));
        QVERIFY(!ctx.ReadINI(QStringLiteral("SearchList"), QStringLiteral("13")).isEmpty());

        frmSearch again(ctx, s->cat, s->main.edited, s->main.events);
        again.Form_Load();
        QCOMPARE(again.size(), QSize(wide, high));
        QVERIFY(qAbs(again.lvMovies->header()->sectionSize(1) - 321) <= 1);

        // A missing width opens the window at its larger default, never below the minimum.
        ctx.WriteINI(QStringLiteral("SearchList"), QStringLiteral("Width"), QString());
        ctx.WriteINI(QStringLiteral("SearchList"), QStringLiteral("Height"), QStringLiteral("100"));
        frmSearch third(ctx, s->cat, s->main.edited, s->main.events);
        third.Form_Load();
        QCOMPARE(third.width(), twipsToPixels(11115));
        QVERIFY(third.height() >= twipsToPixels(frmSearch::MinHeightTwips));
    }

    void untouchedWidthsAreNotRewritten()
    {
        auto s = open();
        QVERIFY(s);
        AppContext &ctx = s->t.ctx();
        DoDefaults(ctx);
        QFile ini(ctx.INIPath);
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray before = ini.readAll();
        ini.close();
        {
            frmSearch w(ctx, s->cat, s->main.edited, s->main.events);
            w.Form_Load();
            w.show();
            w.close();
        }
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(ini.readAll()), QString::fromLatin1(before));
        ini.close();
        QCOMPARE(ctx.ReadINI(QStringLiteral("SearchList"), QStringLiteral("1")), QStringLiteral("500"));

        // A column the user widened is written; the others keep their numbers.
        frmSearch w(ctx, s->cat, s->main.edited, s->main.events);
        w.Form_Load();
        w.show();
        w.lvMovies->header()->resizeSection(0, w.lvMovies->header()->sectionSize(0) + 40);
        w.close();
        QCOMPARE(ctx.ReadINI(QStringLiteral("SearchList"), QStringLiteral("1")).toInt(),
                 pixelsToTwips(twipsToPixels(500) + 40));
        QCOMPARE(ctx.ReadINI(QStringLiteral("SearchList"), QStringLiteral("2")), QStringLiteral("3210"));
        QCOMPARE(ctx.ReadINI(QStringLiteral("SearchList"), QStringLiteral("13")), QStringLiteral("570"));
    }

    void largeSearchesShowProgress_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("shown");
        QTest::newRow("at the threshold") << int(StepProgress::Threshold) << false;
        QTest::newRow("one above") << int(StepProgress::Threshold + 1) << true;
    }

    void largeSearchesShowProgress()
    {
        QFETCH(int, count);
        QFETCH(bool, shown);
        auto s = open(false);
        QVERIFY(s);
        s->cat.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                                   "INSERT INTO Movies (Title, OrderBy) SELECT 'Movie ' || i, 'Movie ' || i FROM n"),
                    {count});
        ProgressRecorder progress;
        s->t.ctx().setProgress(&progress);
        searchTitle(*s->w, QStringLiteral("Movie"));
        s->t.ctx().setProgress(nullptr);
        QCOMPARE(s->w->lvMovies->model()->rowCount(), count);
        if (!shown) {
            QCOMPARE(progress.shown.size(), 0);
            QCOMPARE(progress.updates.size(), 0);
            return;
        }
        QCOMPARE(progress.shown.size(), 1);
        QCOMPARE(progress.shown[0].message, QStringLiteral("Search for Movies..."));
        QCOMPARE(progress.shown[0].minimum, 0);
        QCOMPARE(progress.shown[0].maximum, count);
        QVERIFY(progress.updates.size() > 10);
        QCOMPARE(progress.updates.last(), qint64(count));
        for (qsizetype i = 1; i < progress.updates.size(); ++i)
            QVERIFY(progress.updates[i] > progress.updates[i - 1]);
    }
};

QTEST_MAIN(frmSearchTest)
#include "frmSearchTest.moc"
