#include "AppWiring.h"
#include "CoverWall.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueSession.h"
#include "KeyboardOrder.h"
#include "MovieEditor.h"
#include "MovieListModel.h"
#include "StarRating.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmMain.h"
#include "frmProgBar.h"
#include "WiredMainWindow.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTreeView>
#include <QTreeWidget>

// The main window and its editor without a mouse: the Tab order, the mnemonics, the list's menu
// from the keyboard, the stars from the keyboard, and what a screen reader is told.
class KeyboardAccessTest : public QObject
{
    Q_OBJECT
private slots:
    void editorTabOrderFollowsTheFields();
    void everyControlHasANameAndMnemonicsAreUnique();
    void listMenuOpensFromTheKeyboard();
    void coverWallMenuAndLoansFromTheKeyboard();
    void starsRateFromTheKeyboardAndSayTheirValue();
    void coverBoxSaysWhetherThereIsACover();
    void loanedRowSaysSoInText();
};

namespace {

struct App : WiredMainWindow {
    App()
    {
        openCatalogueWith({QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, UserRating) VALUES (1, 'Brazil', 'Brazil', 2), "
                                          "(2, 'Heat', 'Heat', 0)"),
                           QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (2, 'Heat', 'Ann', '2025-01-02')")});
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            QTest::qFail("main window not shown", __FILE__, __LINE__);
    }
    ~App()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }
    MovieEditor *editor() const { return w.editor(); }
};

QString accessibleText(QObject *o, QAccessible::Text t)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(o);
    return a ? a->text(t) : QString();
}

} // namespace

void KeyboardAccessTest::editorTabOrderFollowsTheFields()
{
    App a;
    a.w.showMovie(1);
    // Top to bottom, left to right: the genres right after the director, the cover before the cast.
    const QStringList expected = {
        QStringLiteral("txtTitle"), QStringLiteral("txtOrderBy"), QStringLiteral("cmdDir"), QStringLiteral("cmbGenre0"),
        QStringLiteral("cmbGenre1"), QStringLiteral("cmbGenre2"), QStringLiteral("cmbMedium"), QStringLiteral("cmbFormat"),
        QStringLiteral("cmbRating"), QStringLiteral("txtNumDiscs"), QStringLiteral("txtRealYear"), QStringLiteral("txtRunningTime"),
        QStringLiteral("txtURL"), QStringLiteral("flash1"), QStringLiteral("chkEpisodeDisc"), QStringLiteral("imgCover"),
        QStringLiteral("lstActors"), QStringLiteral("cmbActor")};
    QCOMPARE(KeyboardOrder::focusChain(a.editor()), expected);

    // The window's chain: the filter, the list, then the editor's fields.
    const QStringList chain = KeyboardOrder::focusChain(&a.w);
    QVERIFY(chain.size() > 3);
    QCOMPARE(chain.mid(0, 3), (QStringList{QStringLiteral("txtQuickFilter"), QStringLiteral("lvMovies"), QStringLiteral("txtTitle")}));

    // Real Tab presses follow the same chain from the director to the first genre.
    a.editor()->cmdDir->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), a.editor()->cmbGenre[0]->focusProxy() ? a.editor()->cmbGenre[0]->focusProxy()
                                                                                  : static_cast<QWidget *>(a.editor()->cmbGenre[0]));
}

void KeyboardAccessTest::everyControlHasANameAndMnemonicsAreUnique()
{
    App a;
    a.w.showMovie(1);
    QCOMPARE(KeyboardOrder::problems(&a.w).join(QLatin1Char('\n')), QString());

    // A caption's mnemonic takes the focus to its field; the genres' group to the first genre.
    QLabel *title = nullptr;
    for (QLabel *l : a.editor()->findChildren<QLabel *>())
        if (l->buddy() == a.editor()->txtTitle)
            title = l;
    QVERIFY(title);
    QVERIFY(title->text().contains(QLatin1Char('&')));
    QCOMPARE(accessibleText(a.editor()->txtTitle, QAccessible::Name), QStringLiteral("Movie Title"));
}

void KeyboardAccessTest::listMenuOpensFromTheKeyboard()
{
    const struct {
        const char *what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } cases[] = {{"Shift+F10", Qt::Key_F10, Qt::ShiftModifier}, {"Menu key", Qt::Key_Menu, Qt::NoModifier}};
    for (const auto &c : cases) {
        App a;
        a.w.lvMovies->setFocus();
        a.w.lvMovies->setCurrentIndex(a.w.movieModel()->index(a.w.movieModel()->rowOfMovie(2), 1));
        QTest::keyClick(a.w.lvMovies, c.key, c.modifiers);
        QWidget *popup = QApplication::activePopupWidget();
        QVERIFY2(popup, c.what);
        QCOMPARE(popup->objectName(), QStringLiteral("mnuHidden"));
        // It opens by the current row.
        const QRect row = a.w.lvMovies->visualRect(a.w.lvMovies->currentIndex());
        QVERIFY2(QRect(a.w.lvMovies->viewport()->mapToGlobal(row.topLeft()), row.size()).contains(popup->pos()), c.what);
        popup->close();
    }
    // A plain F10 is not the menu.
    App a;
    a.w.lvMovies->setCurrentIndex(a.w.movieModel()->index(0, 1));
    QTest::keyClick(a.w.lvMovies, Qt::Key_F10);
    QVERIFY(!QApplication::activePopupWidget());
}

void KeyboardAccessTest::coverWallMenuAndLoansFromTheKeyboard()
{
    App a;
    a.w.findChild<QAction *>(QStringLiteral("mnuViewCovers"))->trigger();
    auto *wall = a.w.findChild<CoverWall *>();
    QVERIFY(wall && wall->isVisible());
    const int loaned = a.w.movieModel()->rowOfMovie(2);
    wall->setCurrentIndex(wall->model()->index(loaned, MovieListModel::ColTitle));
    QTest::keyClick(wall, Qt::Key_F10, Qt::ShiftModifier);
    QWidget *popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QCOMPARE(popup->objectName(), QStringLiteral("mnuHidden"));
    popup->close();

    // The wall says the chosen cover's title and loan.
    QAccessibleInterface *acc = QAccessible::queryAccessibleInterface(wall);
    QVERIFY(acc);
    QCOMPARE(acc->text(QAccessible::Name), QStringLiteral("Covers"));
    QCOMPARE(acc->text(QAccessible::Description), QStringLiteral("Heat (on loan to Ann)"));
    QTest::keyClick(wall, Qt::Key_Home);
    QCOMPARE(acc->text(QAccessible::Description), QStringLiteral("Brazil"));
}

void KeyboardAccessTest::starsRateFromTheKeyboardAndSayTheirValue()
{
    App a;
    a.w.showMovie(1);
    StarRating *stars = a.editor()->flash1;
    const auto stored = [&] { return a.catalogue.scalar(QStringLiteral("SELECT UserRating FROM Movies WHERE ID = 1")).toInt(); };
    QCOMPARE(stars->rating(), 2);
    const struct {
        Qt::Key key;
        int expected;
    } keys[] = {{Qt::Key_Right, 3}, {Qt::Key_Plus, 4}, {Qt::Key_Left, 3}, {Qt::Key_Minus, 2}, {Qt::Key_End, 7},
                {Qt::Key_Up, 7},    {Qt::Key_5, 5},    {Qt::Key_Home, 0}, {Qt::Key_Down, 0}, {Qt::Key_0, 0}, {Qt::Key_7, 7}};
    stars->setFocus();
    for (const auto &k : keys) {
        QTest::keyClick(stars, k.key);
        QCOMPARE(stars->rating(), k.expected);
        QCOMPARE(stored(), k.expected);
    }
    QTest::keyClick(stars, Qt::Key_3);
    QAccessibleInterface *acc = QAccessible::queryAccessibleInterface(stars);
    QVERIFY(acc);
    QCOMPARE(acc->role(), QAccessible::Slider);
    QCOMPARE(acc->text(QAccessible::Name), QStringLiteral("User Rating"));
    QCOMPARE(acc->text(QAccessible::Value), QStringLiteral("3 of 7 stars"));
    QAccessibleValueInterface *value = acc->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), 3);
    QCOMPARE(value->maximumValue().toInt(), StarRating::Stars);
    // A screen reader setting the value rates the movie as a key press does.
    value->setCurrentValue(6);
    QCOMPARE(stars->rating(), 6);
    QCOMPARE(stored(), 6);
}

void KeyboardAccessTest::coverBoxSaysWhetherThereIsACover()
{
    App a;
    a.w.showMovie(1);
    QLabel *cover = a.editor()->imgCover;
    QCOMPARE(accessibleText(cover, QAccessible::Name), QStringLiteral("DVD cover"));
    QVERIFY(accessibleText(cover, QAccessible::Description).startsWith(QStringLiteral("No cover")));

    // Enter on the cover asks for a picture file, as a double click does.
    QImage img(6, 4, QImage::Format_RGB32);
    img.fill(Qt::green);
    const QString png = a.t.path(QStringLiteral("c.png"));
    QVERIFY(img.save(png));
    a.t.prompts.answerText(png);
    cover->setFocus();
    QTest::keyClick(cover, Qt::Key_Return);
    QVERIFY(a.editor()->hasCover());
    QVERIFY(accessibleText(cover, QAccessible::Description).startsWith(QStringLiteral("A cover is shown")));
}

void KeyboardAccessTest::loanedRowSaysSoInText()
{
    App a;
    MovieListModel *m = a.w.movieModel();
    const int loaned = m->rowOfMovie(2), kept = m->rowOfMovie(1);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(a.w.lvMovies);
    QVERIFY(list && list->tableInterface());
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Movies"));
    QAccessibleInterface *title = list->tableInterface()->cellAt(loaned, MovieListModel::ColTitle);
    QVERIFY(title);
    QCOMPARE(title->text(QAccessible::Name), QStringLiteral("Heat (on loan to Ann)"));
    QAccessibleInterface *director = list->tableInterface()->cellAt(loaned, MovieListModel::ColDirector);
    QCOMPARE(director->text(QAccessible::Description), QStringLiteral("On loan to Ann"));
    QAccessibleInterface *other = list->tableInterface()->cellAt(kept, MovieListModel::ColTitle);
    QCOMPARE(other->text(QAccessible::Name), QStringLiteral("Brazil"));
    QVERIFY(other->text(QAccessible::Description).isEmpty());
}

QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
