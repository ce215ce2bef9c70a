#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueSession.h"
#include "MovieEditor.h"
#include "CoverPictures.h"
#include "CoverWall.h"
#include "MovieListModel.h"
#include "PictureViews.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmMain.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QBuffer>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolTip>
#include <QTreeView>
#include <memory>

namespace {

QByteArray picture(const QColor &colour, const char *format, int w = 60, int h = 90)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format);
    return bytes;
}

// A main window with the cover wall on a catalogue of 40 movies: Brazil with a red PNG cover,
// Casablanca without a cover and lent to Ann, Alien with a damaged cover, Heat with a green JPEG
// cover that ends in one zero byte, and 36 more, every other one with a cover.
struct Fixture {
    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session{t.ctx(), catalogue};
    CatalogueEvents events;
    std::unique_ptr<frmMain> w;
    QString path;

    Fixture()
    {
        path = t.path(QStringLiteral("films.cnlg"));
        createCatalogue(path);
        if (!catalogue.open(path).opened())
            QTest::qFail("catalogue did not open", __FILE__, __LINE__);
        catalogue.transaction([&] {
            auto add = [&](int id, const QString &title, const QVariant &cover) {
                catalogue.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, CoverData) VALUES (?, ?, ?, ?)"),
                               {id, title, title, cover});
            };
            add(1, QStringLiteral("Brazil"), picture(Qt::red, "PNG"));
            add(2, QStringLiteral("Casablanca"), QVariant(QMetaType(QMetaType::QByteArray)));
            QByteArray damaged = picture(Qt::blue, "PNG").left(60);
            damaged += QByteArray(200, '\x7f');
            add(3, QStringLiteral("Alien"), damaged);
            add(4, QStringLiteral("Heat"), picture(Qt::green, "JPEG") + QByteArray(1, '\0'));
            for (int i = 5; i <= 40; ++i)
                add(i, QStringLiteral("Zed %1").arg(i, 2, 10, QLatin1Char('0')),
                    i % 2 ? QVariant(picture(QColor::fromHsv(i * 9, 200, 200), "PNG")) : QVariant());
            catalogue.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (2, 'Casablanca', 'Ann', '2025-11-01')"));
        });
        w = std::make_unique<frmMain>(t.ctx(), session);
        wirePictureViews(t.ctx(), catalogue, events, *w);
        w->ListMovies(QStringLiteral("Getting the Movie List..."));
        w->resize(1000, 760);
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get()))
            QTest::qFail("window did not become active", __FILE__, __LINE__);
    }

    CoverWall *wall() const { return w->findChild<CoverWall *>(QStringLiteral("coverWall")); }
    MovieListModel *model() const { return w->movieModel(); }
    void showCovers() { w->action(QStringLiteral("mnuViewCovers"))->trigger(); }
    int rowOf(int id) const { return model()->rowOfMovie(id); }
    bool waitLoaded(int row)
    {
        return QTest::qWaitFor([&] { return wall()->coverState(row) != CoverWall::CoverState::Loading; }, 10000);
    }
    void click(int row)
    {
        wall()->scrollTo(model()->index(row, 0));
        QTest::mouseClick(wall()->viewport(), Qt::LeftButton, {}, wall()->visualRect(model()->index(row, 0)).center());
    }
};

QColor colourAt(CoverWall *wall, const QPoint &p)
{
    return wall->viewport()->grab().toImage().pixelColor(p);
}

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 && std::abs(a.blue() - b.blue()) < 24;
}

} // namespace

class CoverWallTest : public QObject
{
    Q_OBJECT
private slots:
    void wallAndListStayInStep();
    void keyboardAndActivation();
    void coversPlaceholdersAndLoanBadge();
    void cacheEvictsPastItsLimit();
    void readersLeaveTheCatalogueFreeForSaves();
};

void CoverWallTest::wallAndListStayInStep()
{
    Fixture f;
    CoverWall *wall = f.wall();
    QVERIFY(wall);
    QAbstractItemModelTester tester(f.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto *stack = f.w->findChild<QStackedWidget *>(QStringLiteral("stkMovieViews"));
    QVERIFY(stack);
    QCOMPARE(wall->model(), f.w->lvMovies->model());
    QCOMPARE(wall->selectionModel(), f.w->lvMovies->selectionModel());

    // A movie chosen in the list is the wall's current one after switching; and back.
    f.w->lvMovies->setCurrentIndex(f.model()->index(f.rowOf(3), 0));
    QCOMPARE(f.w->CurrentMovieID(), 3);
    f.showCovers();
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("coverWallPane"));
    QCOMPARE(wall->currentIndex().row(), f.rowOf(3));
    QVERIFY(wall->viewport()->rect().intersects(wall->visualRect(wall->currentIndex())));

    // A click on a cover chooses that movie in the editor and in the list.
    f.click(f.rowOf(1));
    QCOMPARE(f.w->CurrentMovieID(), 1);
    QCOMPARE(f.w->editor()->txtTitle->text(), QStringLiteral("Brazil"));
    QVERIFY(f.w->lvMovies->selectionModel()->isRowSelected(f.rowOf(1), QModelIndex()));
    f.w->action(QStringLiteral("mnuViewList"))->trigger();
    QCOMPARE(stack->currentWidget(), f.w->lvMovies);
    QCOMPARE(f.w->lvMovies->currentIndex().row(), f.rowOf(1));
    f.showCovers();

    // Sorting the list (descending by title) reorders the wall; the chosen movie stays chosen.
    f.w->lvMovies_ColumnClick(MovieListModel::ColTitle);
    f.w->lvMovies_ColumnClick(MovieListModel::ColTitle);
    QCOMPARE(f.model()->text(0, MovieListModel::ColTitle), QStringLiteral("Zed 40"));
    QCOMPARE(wall->indexAt(QPoint(5, 5)).row(), 0);
    QCOMPARE(wall->currentIndex().row(), f.rowOf(1));
    QVERIFY(wall->selectionModel()->isRowSelected(f.rowOf(1), QModelIndex()));

    // A save changes the movie's row: its cover is read again.
    QVERIFY(f.waitLoaded(f.rowOf(1)));
    f.w->editor()->txtTitle->setText(QStringLiteral("Brazil (director's cut)"));
    f.w->mnuSave_Click();
    QCOMPARE(f.model()->text(f.rowOf(1), MovieListModel::ColTitle), QStringLiteral("Brazil (director's cut)"));
    QVERIFY(!wall->cache().contains(1));
    QVERIFY(f.waitLoaded(f.rowOf(1)));
    QCOMPARE(wall->coverState(f.rowOf(1)), CoverWall::CoverState::Picture);

    // A delete takes the cover off the wall.
    const int before = wall->model()->rowCount();
    f.t.prompts.answerYes();
    f.w->mnuDelete_Click();
    QCOMPARE(wall->model()->rowCount(), before - 1);
    QCOMPARE(f.rowOf(1), -1);
    wall->viewport()->repaint();
    for (int row = 0; row < wall->model()->rowCount(); ++row)
        QVERIFY(wall->model()->index(row, 0).data(MovieListModel::MovieIdRole).toInt() != 1);
}

void CoverWallTest::keyboardAndActivation()
{
    Fixture f;
    CoverWall *wall = f.wall();
    f.showCovers();
    QVERIFY(wall->hasFocus());
    f.click(0);
    const int cols = wall->columns();
    QVERIFY(cols > 1);
    QTest::keyClick(wall, Qt::Key_Right);
    QCOMPARE(wall->currentIndex().row(), 1);
    QCOMPARE(f.w->CurrentMovieID(), f.model()->movieId(1));
    QTest::keyClick(wall, Qt::Key_Down);
    QCOMPARE(wall->currentIndex().row(), 1 + cols);
    QTest::keyClick(wall, Qt::Key_End);
    QCOMPARE(wall->currentIndex().row(), f.model()->rowCount() - 1);
    QCOMPARE(f.w->CurrentMovieID(), f.model()->movieId(f.model()->rowCount() - 1));
    QTest::keyClick(wall, Qt::Key_Home);
    QCOMPARE(wall->currentIndex().row(), 0);
    // Enter opens the chosen movie in the editor.
    QTest::keyClick(wall, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&] { return f.w->editor()->txtTitle->hasFocus(); }, 2000));

    // Ctrl + wheel and the slider set the size; Ctrl+1 and Ctrl+2 switch views.
    auto *slider = f.w->findChild<QSlider *>(QStringLiteral("sldCoverSize"));
    const int width = wall->thumbWidth();
    QWheelEvent wheel(QPointF(20, 20), wall->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(wall->viewport(), &wheel);
    QVERIFY(wall->thumbWidth() > width);
    QCOMPARE(slider->value(), wall->thumbWidth());
    QCOMPARE(f.w->action(QStringLiteral("mnuViewList"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+1")));
    QCOMPARE(f.w->action(QStringLiteral("mnuViewCovers"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+2")));
    QVERIFY(f.w->tb1->actions().contains(f.w->action(QStringLiteral("mnuViewCovers"))));

    // The list's pop-up menu over a cover chooses that movie first.
    const QRect cell = wall->visualRect(f.model()->index(2, 0));
    emit wall->customContextMenuRequested(cell.center());
    QCOMPARE(f.w->CurrentMovieID(), f.model()->movieId(2));
    QVERIFY(f.w->mnuHidden->isVisible());
    f.w->mnuHidden->hide();
}

void CoverWallTest::coversPlaceholdersAndLoanBadge()
{
    Fixture f;
    CoverWall *wall = f.wall();
    f.showCovers();
    for (int id : {1, 2, 3, 4})
        QVERIFY(f.waitLoaded(f.rowOf(id)));
    QCOMPARE(wall->coverState(f.rowOf(1)), CoverWall::CoverState::Picture);
    QCOMPARE(wall->coverState(f.rowOf(4)), CoverWall::CoverState::Picture); // the trailing zero byte is allowed
    QCOMPARE(wall->coverState(f.rowOf(2)), CoverWall::CoverState::Placeholder); // no cover
    QCOMPARE(wall->coverState(f.rowOf(3)), CoverWall::CoverState::Placeholder); // damaged cover
    wall->viewport()->repaint();
    auto inside = [&](int id) { return wall->coverRect(f.rowOf(id)).bottomLeft() + QPoint(8, -8); };
    QVERIFY(near(colourAt(wall, inside(1)), Qt::red));
    QVERIFY(near(colourAt(wall, inside(4)), Qt::green));
    QVERIFY(near(colourAt(wall, inside(3)), CoverWall::placeholderColour(QStringLiteral("Alien"))));
    // A cover stored for the shown movie (as a cover search does) replaces the card.
    f.click(f.rowOf(3));
    QCOMPARE(f.w->CurrentMovieID(), 3);
    CoverPictures(f.catalogue, f.t.ctx()).savePictureBytes(3, picture(Qt::blue, "PNG"));
    emit f.events.coverChanged(3);
    QVERIFY(f.waitLoaded(f.rowOf(3)));
    QCOMPARE(wall->coverState(f.rowOf(3)), CoverWall::CoverState::Picture);
    wall->viewport()->repaint();
    QVERIFY(near(colourAt(wall, inside(3)), Qt::blue));

    QCOMPARE(CoverWall::initials(QStringLiteral("The  abyss")), QStringLiteral("A"));
    QCOMPARE(CoverWall::initials(QStringLiteral("A Blue Desert")), QStringLiteral("BD"));
    QCOMPARE(CoverWall::initials(QStringLiteral("The")), QStringLiteral("T"));
    QCOMPARE(CoverWall::initials(QStringLiteral("¡Three amigos!")), QStringLiteral("TA"));
    QCOMPARE(CoverWall::initials(QStringLiteral("")), QStringLiteral("?"));

    // Casablanca is lent: a badge in the cover's top right corner and the tip names the borrower.
    const QRect box = wall->coverRect(f.rowOf(2));
    QVERIFY(near(colourAt(wall, box.topRight() + QPoint(-4 - std::max(16, wall->thumbWidth() / 5) / 2, 4 + 3)),
                 MovieListModel::loanedColour()));
    QHelpEvent help(QEvent::ToolTip, box.center(), wall->viewport()->mapToGlobal(box.center()));
    QApplication::sendEvent(wall->viewport(), &help);
    QVERIFY2(QToolTip::text().contains(QStringLiteral("Loaned To Ann")), qPrintable(QToolTip::text()));
    QToolTip::hideText();
}

void CoverWallTest::cacheEvictsPastItsLimit()
{
    // The cache on its own: least recently used first out, never over the limit.
    ThumbnailCache cache(200 * 1024);
    QImage img(100, 100, QImage::Format_RGB32); // 40 000 bytes
    for (int id = 1; id <= 10; ++id) {
        cache.insert(id, img, img.size());
        QVERIFY(cache.find(1)); // kept in use
        QVERIFY(cache.bytesUsed() <= cache.limitBytes());
    }
    QVERIFY(cache.contains(1));
    QVERIFY(cache.contains(10));
    QVERIFY(!cache.contains(2));
    QVERIFY(cache.count() < 10);

    // The wall with a small limit: scrolled through every cover, it stays within it.
    Fixture f;
    CoverWall *wall = f.wall();
    wall->setCacheLimitBytes(256 * 1024);
    f.showCovers();
    const int rows = f.model()->rowCount();
    for (int row = 0; row < rows; row += wall->columns()) {
        wall->scrollTo(f.model()->index(row, 0), QAbstractItemView::PositionAtTop);
        wall->viewport()->repaint();
        QVERIFY(f.waitLoaded(row));
        QVERIFY(wall->cache().bytesUsed() <= 256 * 1024);
    }
    QVERIFY(!wall->cache().contains(1));
}

void CoverWallTest::readersLeaveTheCatalogueFreeForSaves()
{
    Fixture f;
    f.showCovers();
    QVERIFY(f.waitLoaded(f.rowOf(1)));
    // The wall's readers hold no read transaction between covers: another program saves at once.
    Catalogue other;
    QVERIFY(other.open(f.path).opened());
    other.transaction([&] { other.exec(QStringLiteral("UPDATE Movies SET CoverData = NULL WHERE ID = 4")); });
    QCOMPARE(other.scalar(QStringLiteral("SELECT count(*) FROM Movies WHERE CoverData IS NULL")).toInt(), 20);
    // And the list's own catalogue keeps saving while the wall reads.
    f.w->editor()->txtTitle->setText(QStringLiteral("Renamed"));
    f.w->mnuSave_Click();
    QCOMPARE(f.t.logLines().size(), 0);
}

QTEST_MAIN(CoverWallTest)
#include "CoverWallTest.moc"
