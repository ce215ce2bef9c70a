// The quick filter box of the main window: typed into as a user does, read back from the list, the
// count label and the caption; the keys that reach it and clear it; the selection kept; a set of
// movies from another window shown as a chip.
#include "Catalogue.h"
#include "CatalogueSession.h"
#include "MovieListModel.h"
#include "QuickFilter.h"
#include "StoreTestSupport.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmMain.h"
#include "frmOptions.h"

#include <QCheckBox>
#include <QPushButton>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <memory>

namespace {

struct Fixture {
    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session{t.ctx(), catalogue};
    std::unique_ptr<frmMain> w;
    QLineEdit *box = nullptr;

    Fixture()
    {
        const QString path = t.path(QStringLiteral("films.cnlg"));
        createCatalogue(path);
        if (!catalogue.open(path).opened())
            QTest::qFail("catalogue did not open", __FILE__, __LINE__);
        catalogue.transaction([&] {
            const char *const titles[] = {"The Night of the Hunter", "Night on Earth", "Ωmega Day", "ωMEGA Night", "100% Wolf",
                                          "Léon", "Day of Wrath", "The Third Man"};
            const char *const directors[] = {"Charles Laughton", "Jim Jarmusch", "Ann Berg", "Ann Berg", "Alexs Stadermann",
                                             "Luc Besson", "Carl Th. Dreyer", "Carol Reed"};
            for (int i = 0; i < 8; ++i)
                catalogue.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, Director) VALUES (?, ?, ?)"),
                               {QString::fromUtf8(titles[i]), QString::fromUtf8(titles[i]), QString::fromUtf8(directors[i])});
        });
        w = std::make_unique<frmMain>(t.ctx(), session);
        w->ListMovies(QStringLiteral("Getting the Movie List..."));
        w->updateCaption();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        box = w->findChild<QLineEdit *>(QStringLiteral("txtQuickFilter"));
        QVERIFY(box);
    }
    ~Fixture()
    {
        const QString dir = qEnvironmentVariable("CINELOG_GRAB_DIR");
        if (!dir.isEmpty() && w)
            w->grab().save(QDir(dir).filePath(QString::fromLatin1(QTest::currentTestFunction()) + QStringLiteral(".png")));
    }
    // CINELOG_GRAB_DIR=<folder> keeps pictures of the window at chosen moments for a look by eye.
    void snap(const char *moment) const
    {
        const QString dir = qEnvironmentVariable("CINELOG_GRAB_DIR");
        if (!dir.isEmpty())
            w->grab().save(QDir(dir).filePath(QString::fromLatin1(moment) + QStringLiteral(".png")));
    }
    MovieListModel *model() const { return w->movieModel(); }
    QStringList titles() const
    {
        QStringList out;
        for (int r = 0; r < model()->rowCount(); ++r)
            out << model()->text(r, MovieListModel::ColTitle);
        return out;
    }
    void type(const QString &text)
    {
        box->setFocus();
        // One keystroke per letter; the test's key events carry Latin-1 letters only.
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(box, c.toLatin1());
            else
                box->insert(QString(c));
        }
    }
};

} // namespace

class QuickFilterTest : public QObject
{
    Q_OBJECT
private slots:
    void typingNarrowsTheListAndEscapeClearsIt();
    void keysReachTheBoxFromTheWindowAndTheList();
    void selectionStaysWhileTheMovieIsIn();
    void setOfMoviesShowsAsARemovableChip();
    void refillUnderAFilterLeavesTheEditorAlone();
    void castSettingInTheOptionsFindsMoviesByActors();
    void catalogueBrokenByAnotherProgramIsReportedNotFatal();
};

void QuickFilterTest::typingNarrowsTheListAndEscapeClearsIt()
{
    Fixture f;
    // Above the list, saying what it searches.
    QVERIFY(f.box->mapTo(f.w.get(), QPoint(0, 0)).y() < f.w->lvMovies->mapTo(f.w.get(), QPoint(0, 0)).y());
    QVERIFY(f.box->placeholderText().contains(QStringLiteral("title")));
    QVERIFY(!f.box->accessibleName().isEmpty());
    QVERIFY(f.box->isClearButtonEnabled());
    const QString caption = f.w->windowTitle();

    f.type(QStringLiteral("NIGHT"));
    QCOMPARE(f.titles(), (QStringList{QStringLiteral("Night on Earth"), QStringLiteral("The Night of the Hunter"), QString::fromUtf8("ωMEGA Night")}));
    QCOMPARE(f.w->lblNumMovs->text(), QStringLiteral("Number of Movies Found: 3"));
    QVERIFY(f.w->windowTitle() != caption);
    QVERIFY(f.w->windowTitle().contains(QStringLiteral("filtered")));
    f.snap("quickFilterTyped");

    // Words in any order, across title and director; '%' is a plain character.
    f.box->clear();
    f.type(QStringLiteral("berg ωmega day"));
    QCOMPARE(f.titles(), QStringList{QString::fromUtf8("Ωmega Day")});
    f.box->clear();
    f.type(QStringLiteral("0%"));
    QCOMPARE(f.titles(), QStringList{QStringLiteral("100% Wolf")});
    f.box->clear();
    f.type(QStringLiteral("%"));
    QCOMPARE(f.titles(), QStringList{QStringLiteral("100% Wolf")});
    // One letter: the first rows at once, the count when every movie is read.
    f.box->clear();
    f.type(QStringLiteral("w"));
    QTRY_VERIFY(!f.model()->filterPending());
    QCOMPARE(f.titles(), (QStringList{QStringLiteral("100% Wolf"), QStringLiteral("Day of Wrath")}));
    QTRY_COMPARE(f.w->lblNumMovs->text(), QStringLiteral("Number of Movies Found: 2"));
    f.box->clear();
    f.type(QStringLiteral("nothing like it"));
    QCOMPARE(f.model()->rowCount(), 0);
    QCOMPARE(f.w->lblNumMovs->text(), QStringLiteral("No Movies Found"));

    QTest::keyClick(f.box, Qt::Key_Escape);
    QVERIFY(f.box->text().isEmpty());
    QCOMPARE(f.model()->rowCount(), 8);
    QCOMPARE(f.w->lblNumMovs->text(), QStringLiteral("Number of Movies Found: 8"));
    QCOMPARE(f.w->windowTitle(), caption);
}

void QuickFilterTest::keysReachTheBoxFromTheWindowAndTheList()
{
    Fixture f;
    f.w->lvMovies->setFocus();
    QTest::keyClick(f.w->lvMovies, Qt::Key_Slash);
    QVERIFY(f.box->hasFocus());
    QTest::keyClicks(f.box, QStringLiteral("leo"));
    QVERIFY(f.titles().isEmpty());
    QTest::keyClick(f.box, Qt::Key_Backspace);
    f.type(QString::fromUtf8("o"));
    f.box->setCursorPosition(1);
    f.box->insert(QString::fromUtf8("é"));
    f.box->del();
    QCOMPARE(f.box->text(), QString::fromUtf8("léo"));
    QCOMPARE(f.titles(), QStringList{QString::fromUtf8("Léon")});
    // Down goes on into the list; Ctrl+K comes back with the text selected for typing over.
    QTest::keyClick(f.box, Qt::Key_Down);
    QVERIFY(f.w->lvMovies->hasFocus());
    QTest::keyClick(f.w->lvMovies, Qt::Key_K, Qt::ControlModifier);
    QVERIFY(f.box->hasFocus());
    QCOMPARE(f.box->selectedText(), QString::fromUtf8("léo"));
    QTest::keyClicks(f.box, QStringLiteral("third"));
    QCOMPARE(f.titles(), QStringList{QStringLiteral("The Third Man")});
}

void QuickFilterTest::selectionStaysWhileTheMovieIsIn()
{
    Fixture f;
    const int hunter = f.model()->movieId(f.titles().indexOf(QStringLiteral("The Night of the Hunter")));
    f.w->lvMovies->setCurrentIndex(f.model()->index(f.model()->rowOfMovie(hunter), 0));
    f.type(QStringLiteral("nig"));
    QVERIFY(f.w->lvMovies->currentIndex().isValid());
    QCOMPARE(f.model()->movieId(f.w->lvMovies->currentIndex().row()), hunter);
    f.type(QStringLiteral("ht of"));
    QCOMPARE(f.model()->movieId(f.w->lvMovies->currentIndex().row()), hunter);
    // Out of the list, nothing is selected; back in, it is selected again.
    f.type(QStringLiteral("x"));
    QCOMPARE(f.model()->rowCount(), 0);
    QTest::keyClick(f.box, Qt::Key_Backspace);
    QVERIFY(f.w->lvMovies->currentIndex().isValid());
    QCOMPARE(f.model()->movieId(f.w->lvMovies->currentIndex().row()), hunter);
}

void QuickFilterTest::setOfMoviesShowsAsARemovableChip()
{
    Fixture f;
    const QList<int> picked = {f.model()->movieId(0), f.model()->movieId(5)};
    f.w->quickFilter()->setMovieIds(picked, QStringLiteral("2 movies rated 7"));
    auto *chip = f.w->findChild<QToolButton *>(QStringLiteral("btnFilterChip"));
    QVERIFY(chip && chip->isVisible());
    QCOMPARE(chip->text(), QStringLiteral("2 movies rated 7"));
    QVERIFY(!chip->accessibleName().isEmpty());
    // The chip sits in the box, the text starts after it.
    QVERIFY(f.box->geometry().contains(chip->mapTo(f.box->parentWidget(), QPoint(1, 1))));
    QVERIFY(f.box->textMargins().left() >= chip->width());
    QCOMPARE(f.model()->rowCount(), 2);
    QCOMPARE(f.w->lblNumMovs->text(), QStringLiteral("Number of Movies Found: 2"));
    f.snap("quickFilterChip");
    QVERIFY(f.w->windowTitle().contains(QStringLiteral("filtered")));
    QTest::mouseClick(chip, Qt::LeftButton);
    QVERIFY(!chip->isVisible());
    QCOMPARE(f.model()->rowCount(), 8);

    // Escape removes it too.
    f.w->quickFilter()->setMovieIds(picked, QStringLiteral("2 movies"));
    f.box->setFocus();
    QTest::keyClick(f.box, Qt::Key_Escape);
    QVERIFY(!chip->isVisible());
    QCOMPARE(f.model()->rowCount(), 8);
    QVERIFY(!f.w->windowTitle().contains(QStringLiteral("filtered")));
}

void QuickFilterTest::refillUnderAFilterLeavesTheEditorAlone()
{
    Fixture f;
    const int hunter = f.model()->movieId(f.titles().indexOf(QStringLiteral("The Night of the Hunter")));
    const int leon = f.model()->movieId(f.titles().indexOf(QString::fromUtf8("Léon")));
    auto *title = f.w->findChild<QLineEdit *>(QStringLiteral("txtTitle"));
    QVERIFY(title);
    f.w->lvMovies->setCurrentIndex(f.model()->index(f.model()->rowOfMovie(hunter), 0));
    QTRY_COMPARE(f.w->CurrentMovieID(), hunter);
    QVERIFY(!f.w->IsNewMovie());

    struct Case {
        const char *filter;
        int rows;
        const char *count;
    };
    // No hits at all; hits without the shown movie; a one-letter text counted after the refill.
    for (const Case &c : {Case{"nothing like it", 0, "No Movies Found"}, Case{"léon", 1, "Number of Movies Found: 1"},
                          Case{"w", 2, "Number of Movies Found: 2"}}) {
        f.box->clear();
        f.type(QString::fromUtf8(c.filter));
        f.w->ListMovies(QStringLiteral("Refreshing Movie List..."));
        QTRY_VERIFY(!f.model()->filterPending());
        QCOMPARE(f.model()->rowCount(), c.rows);
        QTRY_COMPARE(f.w->lblNumMovs->text(), QString::fromLatin1(c.count));
        // The catalogue is not empty: the editor still shows its movie, and a save goes to it.
        QVERIFY2(!f.w->IsNewMovie(), c.filter);
        QCOMPARE(f.w->CurrentMovieID(), hunter);
        QCOMPARE(title->text(), QStringLiteral("The Night of the Hunter"));
    }
    QVERIFY(f.w->windowTitle().contains(QStringLiteral("filtered")));

    // The hidden movie deleted from the editor does not come back when the filter is cleared.
    f.box->clear();
    f.type(QStringLiteral("third"));
    f.w->lvMovies->setCurrentIndex(f.model()->index(0, 0));
    f.box->clear();
    f.type(QString::fromUtf8("léon"));
    f.w->lvMovies->setCurrentIndex(f.model()->index(0, 0));
    QTRY_COMPARE(f.w->CurrentMovieID(), leon);
    f.t.prompts.answerYes();
    f.w->mnuDelete_Click();
    QCOMPARE(f.model()->rowCount(), 0);
    QTest::keyClick(f.box, Qt::Key_Escape);
    QCOMPARE(f.model()->rowCount(), 7);
    QVERIFY(!f.titles().contains(QString::fromUtf8("Léon")));
    QCOMPARE(f.w->lblNumMovs->text(), QStringLiteral("Number of Movies Found: 7"));
}

void QuickFilterTest::castSettingInTheOptionsFindsMoviesByActors()
{
    Fixture f;
    const int third = f.model()->movieId(f.titles().indexOf(QStringLiteral("The Third Man")));
    f.catalogue.exec(QStringLiteral("INSERT INTO Actors (Actor) VALUES (?)"), {QStringLiteral("Orson Welles")});
    f.catalogue.exec(QStringLiteral("INSERT INTO MovActLink (MovID, ActID) SELECT ?, ID FROM Actors WHERE Actor = ?"),
                     {third, QStringLiteral("Orson Welles")});
    const QString before = f.box->placeholderText();
    f.type(QStringLiteral("welles"));
    QCOMPARE(f.model()->rowCount(), 0);

    f.w->mnuOptions_Click();
    auto *dlg = f.w->findChild<frmOptions *>();
    QVERIFY(dlg);
    auto *cast = dlg->findChild<QCheckBox *>(QStringLiteral("chkQuickFilterCast"));
    QVERIFY(cast && cast->isVisible());
    QVERIFY(!cast->accessibleName().isEmpty());
    QVERIFY(!cast->isChecked());
    if (const QString dir = qEnvironmentVariable("CINELOG_GRAB_DIR"); !dir.isEmpty())
        dlg->grab().save(QDir(dir).filePath(QStringLiteral("quickFilterCastOption.png")));
    cast->setChecked(true);
    QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
    // The filter in force finds the movie by its actor at once; the box says it searches the cast.
    QCOMPARE(f.titles(), QStringList{QStringLiteral("The Third Man")});
    QCOMPARE(f.w->lblNumMovs->text(), QStringLiteral("Number of Movies Found: 1"));
    QVERIFY(f.box->placeholderText() != before);
    QVERIFY(f.box->placeholderText().contains(QStringLiteral("cast")));
    QCOMPARE(f.t.ctx().ini().read(QStringLiteral("QuickFilter"), QStringLiteral("Cast")), QStringLiteral("1"));

    // The next main window reads the setting.
    f.box->clear();
    frmMain again(f.t.ctx(), f.session);
    again.ListMovies(QStringLiteral("Getting the Movie List..."));
    auto *box = again.findChild<QLineEdit *>(QStringLiteral("txtQuickFilter"));
    box->setText(QStringLiteral("orson"));
    QCOMPARE(again.movieModel()->rowCount(), 1);
    QCOMPARE(again.movieModel()->movieId(0), third);
}

void QuickFilterTest::catalogueBrokenByAnotherProgramIsReportedNotFatal()
{
    Fixture f;
    f.type(QStringLiteral("night"));
    QCOMPARE(f.model()->rowCount(), 3);
    // Another program takes the movies' table away between two keystrokes.
    {
        RawDb other(f.catalogue.path());
        other.exec(QStringLiteral("ALTER TABLE Movies RENAME TO MoviesElsewhere"));
    }
    const qsizetype logged = f.t.logLines().size();
    f.type(QStringLiteral(" o"));
    QVERIFY(f.t.logLines().size() > logged);
    QVERIFY(f.t.logLines().last().contains(QStringLiteral("QuickFilter")));
    // The list keeps what it showed, and the box keeps taking keys.
    QCOMPARE(f.model()->rowCount(), 3);
    QCOMPARE(f.box->text(), QStringLiteral("night o"));
}

QTEST_MAIN(QuickFilterTest)
#include "QuickFilterTest.moc"
