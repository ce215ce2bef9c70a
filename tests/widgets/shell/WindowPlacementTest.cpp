#include "IniFile.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class WindowPlacementTest : public QObject
{
    Q_OBJECT
private slots:
    void visiblePositionKeepsTheWindowOnAScreen_data();
    void visiblePositionKeepsTheWindowOnAScreen();
    void sizeAndPositionRoundTrip();
    void missingSizeTakesTheDefaultAndUnusableValuesArePassedOver();
    void placeOffEveryScreenComesBackOntoOne();
    void partsNotKeptAreNeitherReadNorWritten();
    void centredWindowOpensInTheMiddleOfItsScreen();
    void minimizedOrMaximizedWindowLeavesTheStoredPlace();
    void storedValueThatStillFitsIsKept();

private:
    QRect screenArea() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

void WindowPlacementTest::visiblePositionKeepsTheWindowOnAScreen_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("expected");

    const QRect one(0, 0, 1920, 1080);
    // A second screen left of the primary one: its coordinates are negative.
    const QList<QRect> two{one, QRect(-1280, 0, 1280, 1024)};
    QTest::newRow("inside stays") << QList<QRect>{one} << QRect(100, 50, 800, 600) << QPoint(100, 50);
    QTest::newRow("touching the far corner stays") << QList<QRect>{one} << QRect(1120, 480, 800, 600) << QPoint(1120, 480);
    QTest::newRow("past the right edge") << QList<QRect>{one} << QRect(1500, 50, 800, 600) << QPoint(1120, 50);
    QTest::newRow("above and left of the screen") << QList<QRect>{one} << QRect(-300, -40, 800, 600) << QPoint(0, 0);
    QTest::newRow("larger than the screen") << QList<QRect>{one} << QRect(300, 200, 2500, 1400) << QPoint(0, 0);
    QTest::newRow("on the left screen stays") << two << QRect(-1200, 100, 800, 600) << QPoint(-1200, 100);
    QTest::newRow("mostly on the left screen") << two << QRect(-700, 100, 800, 600) << QPoint(-800, 100);
    QTest::newRow("mostly on the primary screen") << two << QRect(-100, 100, 800, 600) << QPoint(0, 100);
    QTest::newRow("screen since removed, far right") << two << QRect(4000, 300, 800, 600) << QPoint(1120, 300);
    QTest::newRow("screen since removed, far left") << two << QRect(-3000, 2000, 800, 600) << QPoint(-1280, 424);
    QTest::newRow("no screens") << QList<QRect>{} << QRect(-3000, 2000, 800, 600) << QPoint(-3000, 2000);
}

void WindowPlacementTest::visiblePositionKeepsTheWindowOnAScreen()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, frame);
    QFETCH(QPoint, expected);
    QCOMPARE(WindowPlacement::visiblePosition(frame, screens), expected);
}

void WindowPlacementTest::sizeAndPositionRoundTrip()
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("reelbase.ini")));
    const WindowPlacement placement(QStringLiteral("frmPreview"));
    {
        QWidget w;
        w.resize(330, 250);
        w.move(screenArea().topLeft() + QPoint(40, 30));
        placement.save(w, ini);
    }
    QCOMPARE(ini.read(QStringLiteral("frmPreview"), QStringLiteral("Width")), QString::number(pixelsToTwips(330)));
    QCOMPARE(ini.read(QStringLiteral("FRMPREVIEW"), QStringLiteral("height")), QString::number(pixelsToTwips(250)));
    QCOMPARE(ini.read(QStringLiteral("frmPreview"), QStringLiteral("Left")),
             QString::number(pixelsToTwips(screenArea().left() + 40)));

    QWidget again;
    placement.restore(again, ini);
    QCOMPARE(again.size(), QSize(330, 250));
    QCOMPARE(again.pos(), screenArea().topLeft() + QPoint(40, 30));
}

void WindowPlacementTest::missingSizeTakesTheDefaultAndUnusableValuesArePassedOver()
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("reelbase.ini")));
    ini.write(QStringLiteral("SearchList"), QStringLiteral("Width"), QStringLiteral("wide"));
    ini.write(QStringLiteral("SearchList"), QStringLiteral("Left"), QStringLiteral("1e999"));
    ini.write(QStringLiteral("SearchList"), QStringLiteral("Top"), QStringLiteral("1500"));
    const WindowPlacement placement = WindowPlacement(QStringLiteral("SearchList")).withDefaultSize(QSize(6000, 4500));

    QWidget w;
    w.resize(310, 220);
    w.move(screenArea().topLeft() + QPoint(20, 10));
    placement.restore(w, ini);
    QCOMPARE(w.width(), 310);                    // "wide" is passed over
    QCOMPARE(w.height(), twipsToPixels(4500));   // missing: the default
    QCOMPARE(w.x(), screenArea().left() + 20);   // not a usable number
    QCOMPARE(w.y(), twipsToPixels(1500));

    // Without a default, a missing size leaves the window's own.
    QWidget plain;
    plain.resize(310, 220);
    WindowPlacement(QStringLiteral("SearchList")).restore(plain, ini);
    QCOMPARE(plain.size(), QSize(310, 220));
}

void WindowPlacementTest::placeOffEveryScreenComesBackOntoOne()
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("reelbase.ini")));
    // Left where a second screen used to be, far to the right of the only one there now.
    const QRect area = screenArea();
    ini.write(QStringLiteral("frmEpisodes"), QStringLiteral("Left"), QString::number(pixelsToTwips(area.right() + 2000)));
    ini.write(QStringLiteral("frmEpisodes"), QStringLiteral("Top"), QString::number(pixelsToTwips(area.top() + 50)));
    ini.write(QStringLiteral("frmEpisodes"), QStringLiteral("Width"), QString::number(pixelsToTwips(300)));
    ini.write(QStringLiteral("frmEpisodes"), QStringLiteral("Height"), QString::number(pixelsToTwips(200)));

    QWidget w;
    WindowPlacement(QStringLiteral("frmEpisodes")).restore(w, ini);
    QCOMPARE(w.size(), QSize(300, 200));
    QVERIFY2(area.contains(w.frameGeometry()), qPrintable(QStringLiteral("window at %1,%2").arg(w.x()).arg(w.y())));
    QCOMPARE(w.x(), area.right() + 1 - 300);
    QCOMPARE(w.y(), area.top() + 50);
}

void WindowPlacementTest::partsNotKeptAreNeitherReadNorWritten()
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("reelbase.ini")));
    const QPoint start = screenArea().topLeft() + QPoint(15, 25);
    {
        QWidget w;
        w.resize(280, 190);
        w.move(start);
        WindowPlacement(QStringLiteral("frmLoans"), WindowPlacement::Size).save(w, ini);
        WindowPlacement(QStringLiteral("frmDownloadResults"), WindowPlacement::Position).save(w, ini);
    }
    QVERIFY(!ini.read(QStringLiteral("frmLoans"), QStringLiteral("Width")).isEmpty());
    QVERIFY(ini.read(QStringLiteral("frmLoans"), QStringLiteral("Left")).isEmpty());
    QVERIFY(ini.read(QStringLiteral("frmLoans"), QStringLiteral("Top")).isEmpty());
    QVERIFY(!ini.read(QStringLiteral("frmDownloadResults"), QStringLiteral("Top")).isEmpty());
    QVERIFY(ini.read(QStringLiteral("frmDownloadResults"), QStringLiteral("Width")).isEmpty());

    // Stored values of a part not kept do not move or size the window.
    ini.write(QStringLiteral("frmLoans"), QStringLiteral("Left"), QStringLiteral("3000"));
    ini.write(QStringLiteral("frmDownloadResults"), QStringLiteral("Width"), QStringLiteral("3000"));
    QWidget loans, results;
    loans.move(start);
    results.resize(280, 190);
    WindowPlacement(QStringLiteral("frmLoans"), WindowPlacement::Size).restore(loans, ini);
    WindowPlacement(QStringLiteral("frmDownloadResults"), WindowPlacement::Position).restore(results, ini);
    QCOMPARE(loans.pos(), start);
    QCOMPARE(loans.size(), QSize(280, 190));
    QCOMPARE(results.size(), QSize(280, 190));
    QCOMPARE(results.pos(), start);
}

void WindowPlacementTest::centredWindowOpensInTheMiddleOfItsScreen()
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("reelbase.ini")));
    ini.write(QStringLiteral("Reelbase"), QStringLiteral("Left"), QStringLiteral("0"));
    ini.write(QStringLiteral("Reelbase"), QStringLiteral("Width"), QString::number(pixelsToTwips(400)));
    ini.write(QStringLiteral("Reelbase"), QStringLiteral("Height"), QString::number(pixelsToTwips(300)));
    const WindowPlacement placement = WindowPlacement(QStringLiteral("Reelbase")).centred();
    QWidget w;
    placement.restore(w, ini);
    const QRect a = screenArea();
    QCOMPARE(w.size(), QSize(400, 300));
    QCOMPARE(w.pos(), QPoint(a.left() + (a.width() - 400) / 2, a.top() + (a.height() - 300) / 2));

    // Its position is not kept: the next start centres it again.
    w.move(a.topLeft() + QPoint(3, 4));
    ini.write(QStringLiteral("Reelbase"), QStringLiteral("Left"), QString());
    placement.save(w, ini);
    QVERIFY(ini.read(QStringLiteral("Reelbase"), QStringLiteral("Left")).isEmpty());
}

void WindowPlacementTest::minimizedOrMaximizedWindowLeavesTheStoredPlace()
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("reelbase.ini")));
    ini.write(QStringLiteral("frmCoverSearch"), QStringLiteral("Width"), QStringLiteral("7500"));
    ini.write(QStringLiteral("frmCoverSearch"), QStringLiteral("Left"), QStringLiteral("300"));
    const WindowPlacement placement(QStringLiteral("frmCoverSearch"));
    for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized, Qt::WindowFullScreen}) {
        QWidget w;
        w.resize(123, 97);
        w.move(screenArea().topLeft() + QPoint(77, 66));
        w.setWindowState(state);
        placement.save(w, ini);
        QCOMPARE(ini.read(QStringLiteral("frmCoverSearch"), QStringLiteral("Width")), QStringLiteral("7500"));
        QCOMPARE(ini.read(QStringLiteral("frmCoverSearch"), QStringLiteral("Left")), QStringLiteral("300"));
        QVERIFY(ini.read(QStringLiteral("frmCoverSearch"), QStringLiteral("Height")).isEmpty());
    }
}

void WindowPlacementTest::storedValueThatStillFitsIsKept()
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("reelbase.ini")));
    // Pixels are coarser than twips: 7501 twips and its round trip through pixels differ.
    ini.write(QStringLiteral("frmUserList"), QStringLiteral("Width"), QStringLiteral("7501"));
    ini.write(QStringLiteral("frmUserList"), QStringLiteral("Height"), QStringLiteral("5200"));
    const WindowPlacement placement(QStringLiteral("frmUserList"), WindowPlacement::Size);
    QWidget w;
    placement.restore(w, ini);
    QCOMPARE(w.width(), twipsToPixels(7501));
    w.resize(w.width(), w.height() + 10);
    placement.save(w, ini);
    QCOMPARE(ini.read(QStringLiteral("frmUserList"), QStringLiteral("Width")), QStringLiteral("7501"));
    QCOMPARE(ini.read(QStringLiteral("frmUserList"), QStringLiteral("Height")), QString::number(pixelsToTwips(w.height())));
}

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
