#include "Catalogue.h"
#include "TestCatalogue.h"
#include "CatalogueSession.h"
#include "Contrast.h"
#include "MovieListModel.h"
#include "StarRating.h"
#include "WidgetTestSupport.h"
#include "MovieEditor.h"
#include "frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTreeView>

// The colours the program chooses itself (loaned rows, stars, the cover placeholder's text) stay
// readable, at 4.5:1 or more against what is behind them, on light and dark colour schemes.
class ContrastTest : public QObject
{
    Q_OBJECT
private slots:
    void loanedRowsStarsAndPlaceholder_data();
    void loanedRowsStarsAndPlaceholder();
    void cleanup() { QApplication::setPalette(QApplication::style()->standardPalette()); }
};

namespace {

QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xf0, 0xf0, 0xf0);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

// The colour standing out most from background among the pixels of image inside area.
double bestContrast(const QImage &image, const QRect &area, const QColor &background)
{
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, Contrast::ratio(image.pixelColor(x, y), background));
    return best;
}

} // namespace

void ContrastTest::loanedRowsStarsAndPlaceholder_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::style()->standardPalette();
    QTest::newRow("dark") << darkPalette();
    QPalette navy = darkPalette();
    navy.setColor(QPalette::Base, QColor(0x10, 0x18, 0x40));
    navy.setColor(QPalette::AlternateBase, QColor(0x18, 0x20, 0x4a));
    navy.setColor(QPalette::Window, QColor(0x20, 0x28, 0x50));
    QTest::newRow("navy") << navy;
}

void ContrastTest::loanedRowsStarsAndPlaceholder()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);

    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session(t.ctx(), catalogue);
    QString path = t.path(QStringLiteral("films.cnlg"));
    QVERIFY(createCatalogue(path));
    QVERIFY(session.open(path));
    catalogue.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, UserRating) VALUES (1, 'Heat', 'Heat', 7)"));
    catalogue.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (1, 'Heat', 'Bob', '2025-01-02')"));
    frmMain w(t.ctx(), session);
    w.ListMovies(QStringLiteral("Getting the Movie List..."));
    w.resize(1100, 700);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // Loaned rows: red, readable on the list's both row colours.
    MovieListModel *model = w.movieModel();
    QVERIFY(model->isLoaned(0));
    const QColor loaned = model->data(model->index(0, 1), Qt::ForegroundRole).value<QBrush>().color();
    const QPalette list = w.lvMovies->palette();
    QVERIFY2(Contrast::ratio(loaned, list.color(QPalette::Base)) >= 4.5, qPrintable(loaned.name()));
    QVERIFY2(Contrast::ratio(loaned, list.color(QPalette::AlternateBase)) >= 4.5, qPrintable(loaned.name()));
    QVERIFY2(loaned.hslHue() <= 10 || loaned.hslHue() >= 350, qPrintable(loaned.name()));
    QVERIFY(loaned.hslSaturation() > 200);

    // Stars as painted: a rated star's middle, and an unrated star's outline, against the window.
    StarRating *stars = w.editor()->flash1;
    const QColor behind = stars->palette().color(QPalette::Window);
    for (int rating : {7, 0}) {
        stars->setRating(rating);
        const QImage shot = stars->grab().toImage();
        const qreal dpr = shot.devicePixelRatio();
        const int s = std::max(8, std::min(stars->height() - 2, (stars->width() - 8) / StarRating::Stars));
        const QRect firstStar(int(4 * dpr), int((stars->height() - s) / 2.0 * dpr), int(s * dpr), int(s * dpr));
        const QColor middle = shot.pixelColor(firstStar.center());
        if (rating == 7)
            QVERIFY2(Contrast::ratio(middle, behind) >= 4.5, qPrintable(middle.name() + QLatin1Char('/') + behind.name()));
        else
            QVERIFY2(Contrast::ratio(middle, behind) < 1.1, "an unrated star is not filled");
        QVERIFY2(bestContrast(shot, firstStar, behind) >= 4.5, qPrintable(QString::number(rating)));
    }

    // The cover placeholder's hint, on a movie that can take a cover.
    w.lvMovies->setCurrentIndex(model->index(0, 0));
    QVERIFY(w.editor()->imgCover->isEnabled());
    const QColor hint = w.editor()->lblDoubleClick->palette().color(QPalette::Active, w.editor()->lblDoubleClick->foregroundRole());
    const QColor box = w.editor()->imgCover->palette().color(QPalette::Active, w.editor()->imgCover->backgroundRole());
    QVERIFY2(Contrast::ratio(hint, box) >= 4.5, qPrintable(hint.name() + QLatin1Char('/') + box.name()));
    const QImage cover = w.editor()->imgCover->grab().toImage();
    const QColor corner = cover.pixelColor(cover.width() / 2, int(8 * cover.devicePixelRatio()));
    QVERIFY2(bestContrast(cover, w.editor()->lblDoubleClick->geometry().adjusted(0, 0, 0, 0).translated(0, 0), corner) >= 4.5,
             qPrintable(corner.name()));
}

QTEST_MAIN(ContrastTest)
#include "ContrastTest.moc"
