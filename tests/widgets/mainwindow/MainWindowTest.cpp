#include "Catalogue.h"
#include "CatalogueSession.h"
#include "CoverPictures.h"
#include "TestCatalogue.h"
#include "CatalogueMaintenance.h"
#include "MovieListModel.h"
#include "MovieStore.h"
#include "StarRating.h"
#include "StepProgress.h"
#include "WebLookup.h"
#include "WidgetTestSupport.h"
#include "MovieEditor.h"
#include "frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QImage>
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeView>
#include <QTreeWidget>
#include <memory>

namespace {

// A main window on a fresh catalogue in a temporary folder.
struct Fixture {
    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session{t.ctx(), catalogue};
    std::unique_ptr<frmMain> w;

    explicit Fixture(const QStringList &setup = {})
    {
        QString path = t.path(QStringLiteral("films.cnlg"));
        createCatalogue(path);
        if (!catalogue.open(path).opened())
            QTest::qFail(qPrintable(QStringLiteral("catalogue did not open: ") + t.logLines().join(QLatin1Char('\n')) + t.prompts.messages().join(QLatin1Char('\n')) + t.prompts.titles().join(QLatin1Char(','))), __FILE__, __LINE__);
        for (const QString &sql : setup)
            catalogue.exec(sql);
        w = std::make_unique<frmMain>(t.ctx(), session);
        w->ListMovies(QStringLiteral("Getting the Movie List..."));
        w->GetGenres();
        w->GetDirectors();
        w->GetActors();
        w->GetRatings();
        w->GetFormats();
        w->GetMediums();
        w->mnuNew_Click();
    }

    ~Fixture()
    {
        // CINELOG_GRAB_DIR=<folder> keeps a picture of each test's window for a look by eye.
        const QString dir = qEnvironmentVariable("CINELOG_GRAB_DIR");
        if (!dir.isEmpty() && w) {
            w->show();
            w->grab().save(QDir(dir).filePath(QString::fromLatin1(QTest::currentTestFunction()) + QStringLiteral(".png")));
        }
    }

    MovieListModel *model() const { return w->movieModel(); }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 0; r < model()->rowCount(); ++r)
            out << model()->text(r, c);
        return out;
    }
    void select(int row) { w->lvMovies->setCurrentIndex(model()->index(row, 0)); }
    void selectMovie(int id) { select(model()->rowOfMovie(id)); }
    QVariant value(const QString &sql, std::initializer_list<QVariant> v = {}) { return catalogue.scalar(sql, v); }
    bool enabled(const char *action) const { return w->action(QString::fromLatin1(action))->isEnabled(); }
    void leave(QWidget *widget)
    {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(widget, &out);
    }
    QStringList castRows() const
    {
        QStringList out;
        for (int i = 0; i < w->editor()->lstActors->topLevelItemCount(); ++i)
            out << w->editor()->lstActors->topLevelItem(i)->text(0);
        return out;
    }
};

const QStringList threeMovies = {
    QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, Director, RunningTime, ReleaseYear) VALUES (7, 'Brazil', 'Brazil', 'Gilliam, Terry', '95', '1985')"),
    QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, Director, RunningTime, ReleaseYear) VALUES (130, 'The Abyss', 'Abyss', 'Cameron, James', NULL, '1989')"),
    QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, Director, RunningTime, ReleaseYear) VALUES (12, 'Casablanca', 'Casablanca', 'Curtiz, Michael', '102', '1942')"),
    QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut, DateIn) VALUES (7, 'Brazil', 'Ann', '2025-01-02', '2025-02-01')"),
    QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (12, 'Casablanca', 'Bob O''Neil', '2025-03-04')"),
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void emptyCatalogueStartsANewMovie();
    void listTextsPaddingTimeAndLoans();
    void sortDirectionFollowsTheRememberedColumn();
    void selectingAMovieShowsIt();
    void typeAheadCompletesFromTheList();
    void titleAndOrderByRule_data();
    void titleAndOrderByRule();
    void newDirectorsAndGenresAreAddedOnce();
    void ratingClickStoresAtOnce();
    void castAddUpdateRemove();
    void savingANewMovie();
    void savingUpdatesLoansAndStoresEmptyAsNull();
    void saveResortsOnlyAfterAColumnSort();
    void overlongTextIsRefusedAndNothingSaved();
    void deleteAsksFirst();
    void coverFileGetsBmpExtension();
    void commandStates();
    void lookUpAddresses();
    void cleanReportsWhatItRemoved();
    void compactTwiceAndFailedCompact();
    void copyKeepsTheCast();
    void recentCatalogues();
    void unsavedEditsAreOfferedForSaving();
    void newCinelogAsksOnceBeforeReplacingAFile();
    void dialogsStartInHomeWhenTheStoredFolderIsGone();
    void urlBoxDoubleClickOpensWebAddressesOnly_data();
    void urlBoxDoubleClickOpensWebAddressesOnly();
    void websiteItemsFollowTheBuildsAddress();
    void largeListsAndCleansShowProgress_data();
    void largeListsAndCleansShowProgress();
};

namespace {

// count rows in one statement each: movies titled "Movie n", actors and directors named "Name n".
void addRows(Catalogue &c, const char *table, const char *column, int count)
{
    // sql-identifiers: fixed table and column names of the test
    c.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                          "INSERT INTO %1 (%2) SELECT 'Name ' || i FROM n")
               .arg(QLatin1String(table), QLatin1String(column)),
           {count});
}

} // namespace

void MainWindowTest::newCinelogAsksOnceBeforeReplacingAFile()
{
    Fixture f(threeMovies);
    const QString other = f.t.path(QStringLiteral("other.cnlg"));
    QFile file(other);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();

    // No: the file stays; the dialog was told not to ask, so this was the only question.
    f.t.prompts.clear();
    f.t.prompts.answerText(other).answerNo();
    f.w->mnuNewDB_Click();
    QCOMPARE(f.t.prompts.lastSaveOverwrite, Prompts::Overwrite::CallerConfirms);
    QStringList questions;
    for (const auto &shown : f.t.prompts.shown())
        if (shown.kind == QLatin1String("question"))
            questions << shown.text;
    QCOMPARE(questions, QStringList{QStringLiteral("This question database already exists.\rAre you sure you want to overwrite it?")});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
    file.close();

    // Yes: replaced by a new, empty catalogue, which is opened.
    f.t.prompts.answerText(other).answerYes();
    f.w->mnuNewDB_Click();
    QCOMPARE(f.catalogue.path(), other);
    QCOMPARE(f.model()->rowCount(), 0);

    // The cover file keeps the dialog's own question: it is its only guard.
    Fixture g(threeMovies);
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(img.save(g.t.path(QStringLiteral("c.png"))));
    g.selectMovie(7);
    g.t.prompts.answerText(g.t.path(QStringLiteral("c.png")));
    g.w->editor()->imgCover_DblClick();
    g.t.prompts.answerText(g.t.path(QStringLiteral("out.bmp")));
    g.t.prompts.lastSaveOverwrite = Prompts::Overwrite::CallerConfirms;
    g.w->editor()->mnuSaveCoverFile_Click();
    QCOMPARE(g.t.prompts.lastSaveOverwrite, Prompts::Overwrite::DialogConfirms);
}

void MainWindowTest::dialogsStartInHomeWhenTheStoredFolderIsGone()
{
    Fixture f(threeMovies);
    const QByteArray oldHome = qgetenv("HOME");
    const QString home = f.t.path(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));
    qputenv("HOME", home.toLocal8Bit());
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", f.t.path(QStringLiteral("config")).toLocal8Bit());

    // Neither the last folder nor a documents folder exists.
    f.t.ctx().WriteINI(QStringLiteral("Options"), QStringLiteral("LastFolder"), f.t.path(QStringLiteral("gone")));
    f.t.ctx().WriteINI(QStringLiteral("Options"), QStringLiteral("LastCoverFolder"), f.t.path(QStringLiteral("gone")));
    f.t.prompts.answerText(QString());
    f.w->mnuNewDB_Click();
    const QString newStart = f.t.prompts.lastDialogStart;
    f.t.prompts.answerText(QString());
    f.w->mnuOpenDB_Click();
    const QString openStart = f.t.prompts.lastDialogStart;
    f.selectMovie(7);
    f.t.prompts.answerText(QString());
    f.w->editor()->imgCover_DblClick();
    const QString coverStart = f.t.prompts.lastDialogStart;
    // With a documents folder, New Cinelog starts there.
    QVERIFY(QDir().mkpath(home + QStringLiteral("/Documents")));
    f.t.prompts.answerText(QString());
    f.w->mnuNewDB_Click();
    const QString docsStart = f.t.prompts.lastDialogStart;

    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    QCOMPARE(newStart, home);
    QCOMPARE(openStart, home);
    QCOMPARE(coverStart, home);
    QCOMPARE(docsStart, home + QStringLiteral("/Documents"));
}

void MainWindowTest::urlBoxDoubleClickOpensWebAddressesOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("opened");
    QTest::newRow("https") << QStringLiteral("https://films.test/brazil?a=1") << QStringLiteral("https://films.test/brazil?a=1");
    QTest::newRow("http, blanks around") << QStringLiteral("  http://films.test/x  ") << QStringLiteral("http://films.test/x");
    QTest::newRow("no scheme") << QStringLiteral("www.films.test") << QStringLiteral("http://www.films.test");
    QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << QString();
    QTest::newRow("a local path") << QStringLiteral("/usr/bin/xterm") << QString();
    QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << QString();
    QTest::newRow("ftp") << QStringLiteral("ftp://films.test/") << QString();
    QTest::newRow("only the scheme") << QStringLiteral("http://") << QString();
}

void MainWindowTest::urlBoxDoubleClickOpensWebAddressesOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, opened);
    Fixture f(threeMovies);
    f.w->show();
    f.selectMovie(7);
    f.w->editor()->txtURL->setText(text);
    QTest::mouseDClick(f.w->editor()->txtURL, Qt::LeftButton);
    const QStringList expected = opened.isEmpty() ? QStringList() : QStringList{opened};
    QStringList got;
    for (const QUrl &u : f.t.urls.opened)
        got << u.toString(QUrl::FullyEncoded);
    QCOMPARE(got, expected);
    // The -> button follows the same rule.
    f.t.urls.opened.clear();
    f.w->editor()->cmdURL_Click();
    got.clear();
    for (const QUrl &u : f.t.urls.opened)
        got << u.toString(QUrl::FullyEncoded);
    QCOMPARE(got, expected);
}

void MainWindowTest::websiteItemsFollowTheBuildsAddress()
{
    {
        WidgetTestContext t;
        t.ctx().WebAddress.clear();
        Catalogue c;
        CatalogueSession session(t.ctx(), c);
        frmMain w(t.ctx(), session);
        for (const char *name : {"mnuWebsite", "mnuForums"})
            QVERIFY(!w.action(QString::fromLatin1(name))->isVisible());
        QVERIFY(w.action(QStringLiteral("mnuAbout"))->isVisible());
        w.action(QStringLiteral("mnuWebsite"))->trigger();
        QVERIFY(t.urls.opened.isEmpty());
    }
    WidgetTestContext t;
    t.ctx().WebAddress = QStringLiteral("https://cinelog.test/app");
    Catalogue c;
    CatalogueSession session(t.ctx(), c);
    frmMain w(t.ctx(), session);
    QVERIFY(w.action(QStringLiteral("mnuWebsite"))->isVisible());
    QVERIFY(w.action(QStringLiteral("mnuForums"))->isVisible());
    w.action(QStringLiteral("mnuWebsite"))->trigger();
    w.action(QStringLiteral("mnuForums"))->trigger();
    QCOMPARE(t.urls.opened, (QList<QUrl>{QUrl(QStringLiteral("https://cinelog.test/app")),
                                         QUrl(QStringLiteral("https://cinelog.test/app/forums/"))}));
}

void MainWindowTest::largeListsAndCleansShowProgress_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("shown");
    QTest::newRow("at the threshold") << int(StepProgress::Threshold) << false;
    QTest::newRow("one above") << int(StepProgress::Threshold + 1) << true;
}

void MainWindowTest::largeListsAndCleansShowProgress()
{
    QFETCH(int, count);
    QFETCH(bool, shown);
    Fixture f;
    ProgressRecorder progress;
    f.t.ctx().setProgress(&progress);
    addRows(f.catalogue, "Movies", "Title", count);
    f.w->ListMovies(QStringLiteral("Refreshing Movie List..."));
    QCOMPARE(f.model()->rowCount(), count);

    // Names: the actors and directors together make the count.
    addRows(f.catalogue, "Actors", "Actor", count / 2);
    addRows(f.catalogue, "Directors", "Director", count - count / 2);
    f.w->mnuCleanDB_Click();
    QCOMPARE(f.value(QStringLiteral("SELECT count(*) FROM Actors")).toInt(), 0);
    f.t.ctx().setProgress(nullptr);

    if (!shown) {
        QCOMPARE(progress.shown.size(), 0);
        QCOMPARE(progress.updates.size(), 0);
        return;
    }
    QCOMPARE(progress.shown.size(), 2);
    QCOMPARE(progress.shown[0].message, QStringLiteral("Refreshing Movie List..."));
    QCOMPARE(progress.shown[1].message, QStringLiteral("Cleaning the Database..."));
    for (const auto &s : progress.shown) {
        QCOMPARE(s.minimum, 0);
        QCOMPARE(s.maximum, count);
    }
    // Each bar moves forward step by step and ends at its maximum, which closes it.
    const qsizetype end = progress.updates.indexOf(qint64(count));
    QVERIFY(end > 10);
    QCOMPARE(progress.updates.last(), qint64(count));
    QVERIFY(progress.updates.size() > end + 10);
    for (qsizetype i = 1; i < progress.updates.size(); ++i)
        if (i != end + 1)
            QVERIFY2(progress.updates[i] > progress.updates[i - 1], qPrintable(QString::number(i)));
}


void MainWindowTest::emptyCatalogueStartsANewMovie()
{
    Fixture f;
    QCOMPARE(f.w->lblNumMovs->text(), QStringLiteral("No Movies Found"));
    QVERIFY(f.w->IsNewMovie());
    QCOMPARE(f.model()->rowCount(), 0);
    QCOMPARE(f.w->CurrentMovieID(), 0);
}

void MainWindowTest::listTextsPaddingTimeAndLoans()
{
    Fixture f(threeMovies);
    QCOMPARE(f.w->lblNumMovs->text(), QStringLiteral("Number of Movies Found: 3"));
    // Order By order: Abyss (130), Brazil (7), Casablanca (12); the width comes from the last row's ID.
    QCOMPARE(f.column(MovieListModel::ColID), (QStringList{"130", "07", "12"}));
    QCOMPARE(f.column(MovieListModel::ColTime), (QStringList{"NA", "95 min", "102 min"}));
    QCOMPARE(f.column(MovieListModel::ColStars), (QStringList{"0", "0", "0"}));
    // Only the open loan marks its movie, on every column, with the borrower in the tooltip.
    QVERIFY(!f.model()->isLoaned(1));
    QVERIFY(f.model()->isLoaned(2));
    QVERIFY(!f.model()->data(f.model()->index(1, 3), Qt::ForegroundRole).isValid());
    // Red, darkened just enough to be readable on the light list (pure red on white is 4:1).
    const QColor red = MovieListModel::loanedColour();
    QVERIFY2(red.red() >= 200 && red.green() == 0 && red.blue() == 0, qPrintable(red.name()));
    QCOMPARE(f.model()->data(f.model()->index(2, 0), Qt::ForegroundRole).value<QBrush>().color(), red);
    QCOMPARE(f.model()->data(f.model()->index(2, 14), Qt::ForegroundRole).value<QBrush>().color(), red);
    QCOMPARE(f.model()->data(f.model()->index(2, 3), Qt::ToolTipRole).toString(), QStringLiteral("Loaned To Bob O'Neil"));
    QAbstractItemModelTester tester(f.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void MainWindowTest::sortDirectionFollowsTheRememberedColumn()
{
    Fixture f(threeMovies);
    auto titles = [&] { return f.column(MovieListModel::ColTitle); };
    f.w->lvMovies_ColumnClick(MovieListModel::ColDirector);
    QCOMPARE(f.w->sortOrder(), Qt::AscendingOrder);
    QCOMPARE(titles(), (QStringList{"The Abyss", "Casablanca", "Brazil"}));
    f.w->ListMovies(QStringLiteral("Refreshing Movie List..."));
    QVERIFY(!f.w->lastSorted());
    QCOMPARE(titles(), (QStringList{"The Abyss", "Brazil", "Casablanca"}));
    // Director was the sort column before the refill: its first click now sorts descending.
    f.w->lvMovies_ColumnClick(MovieListModel::ColDirector);
    QCOMPARE(f.w->sortOrder(), Qt::DescendingOrder);
    QCOMPARE(titles(), (QStringList{"Brazil", "Casablanca", "The Abyss"}));

    f.w->ListMovies(QStringLiteral("Refreshing Movie List..."));
    f.w->lvMovies_ColumnClick(MovieListModel::ColTitle); // first click on another column: ascending
    QCOMPARE(f.w->sortOrder(), Qt::AscendingOrder);
    QCOMPARE(titles(), (QStringList{"Brazil", "Casablanca", "The Abyss"}));
    f.w->lvMovies_ColumnClick(MovieListModel::ColTitle); // second click: descending
    QCOMPARE(f.w->sortOrder(), Qt::DescendingOrder);
    f.w->lvMovies_ColumnClick(MovieListModel::ColRelease); // another column keeps the direction
    QCOMPARE(f.w->sortOrder(), Qt::DescendingOrder);
    QCOMPARE(titles(), (QStringList{"The Abyss", "Brazil", "Casablanca"}));
    QVERIFY(f.w->lastSorted());
}

void MainWindowTest::selectingAMovieShowsIt()
{
    Fixture f(threeMovies + QStringList{
        QStringLiteral("UPDATE Movies SET URL = 'http://brazil.example', UserRating = 5, Genre1 = 'Drama' WHERE ID = 7")});
    f.select(1);
    QCOMPARE(f.w->CurrentMovieID(), 7);
    QCOMPARE(f.w->selectedListIndex(), 2);
    QCOMPARE(f.w->editor()->txtTitle->text(), QStringLiteral("Brazil"));
    QCOMPARE(f.w->editor()->cmdDir->currentText(), QStringLiteral("Gilliam, Terry"));
    QCOMPARE(f.w->editor()->cmbGenre[0]->currentText(), QStringLiteral("Drama"));
    QCOMPARE(f.w->editor()->flash1->rating(), 5);
    QVERIFY(!f.w->IsNewMovie());
    // Arrow keys move through the list and show each movie.
    f.w->lvMovies->setFocus();
    QTest::keyClick(f.w->lvMovies, Qt::Key_Down);
    QCOMPARE(f.w->editor()->txtTitle->text(), QStringLiteral("Casablanca"));
    // A movie removed behind the window's back is reported.
    f.catalogue.exec(QStringLiteral("DELETE FROM Movies WHERE ID = 130"));
    f.select(0);
    QCOMPARE(f.t.prompts.messages().value(0), QStringLiteral("Error getting the information for this movie."));
}

void MainWindowTest::typeAheadCompletesFromTheList()
{
    Fixture f({QStringLiteral("INSERT INTO Directors (Director) VALUES ('Sandor, Ilse'), ('Stavros, Ned'), ('Tarkovsky, Andrei')")});
    QComboBox *dir = f.w->editor()->cmdDir;
    QLineEdit *edit = dir->lineEdit();
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("st"));
    QCOMPARE(edit->text(), QStringLiteral("stavros, Ned"));
    QCOMPARE(edit->selectedText(), QStringLiteral("avros, Ned"));
    QTest::keyClick(edit, Qt::Key_X);
    QCOMPARE(edit->text(), QStringLiteral("stx"));
    // Backspace removes the selected tail and does not complete again.
    dir->setEditText(QString());
    QTest::keyClicks(edit, QStringLiteral("sta"));
    QCOMPARE(edit->text(), QStringLiteral("stavros, Ned"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("sta"));
    // Nothing to add when the typed text is a whole entry.
    dir->setEditText(QString());
    QTest::keyClicks(edit, QStringLiteral("tarkovsky, andrei"));
    QCOMPARE(edit->text(), QStringLiteral("tarkovsky, andrei"));
    QVERIFY(!f.w->IsSaved());
}

void MainWindowTest::titleAndOrderByRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("orderByBefore");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("orderBy");
    QTest::newRow("article at the end") << "Matrix, The" << "" << "The Matrix" << "Matrix";
    QTest::newRow("article in front") << "The Matrix" << "" << "The Matrix" << "Matrix";
    QTest::newRow("lower-case article stays") << "the Matrix" << "" << "the Matrix" << "the Matrix";
    QTest::newRow("plain title") << "Alien" << "" << "Alien" << "Alien";
    QTest::newRow("filled order by is kept") << "The Matrix" << "Matrix One" << "The Matrix" << "Matrix One";
}

void MainWindowTest::titleAndOrderByRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, orderByBefore);
    Fixture f;
    f.w->editor()->txtTitle->setText(typed);
    f.w->editor()->txtOrderBy->setText(orderByBefore);
    f.leave(f.w->editor()->txtTitle);
    QTEST(f.w->editor()->txtTitle->text(), "title");
    QTEST(f.w->editor()->txtOrderBy->text(), "orderBy");
}

void MainWindowTest::newDirectorsAndGenresAreAddedOnce()
{
    Fixture f({QStringLiteral("INSERT INTO Genres (Genre) VALUES ('Drama')")});
    f.w->editor()->cmbGenre[1]->setEditText(QStringLiteral("drama"));
    f.leave(f.w->editor()->cmbGenre[1]->lineEdit());
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM Genres")).toInt(), 1);
    f.w->editor()->cmdDir->setEditText(QStringLiteral("Lynch, \"David\""));
    f.leave(f.w->editor()->cmdDir->lineEdit());
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM Directors WHERE Director = ?"), {QStringLiteral("Lynch, \"David\"")}).toInt(), 1);
    QCOMPARE(f.w->editor()->cmdDir->findText(QStringLiteral("Lynch, \"David\"")), 0);
    QCOMPARE(f.w->editor()->cmdDir->currentText(), QStringLiteral("Lynch, \"David\""));
    f.leave(f.w->editor()->cmdDir->lineEdit());
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM Directors")).toInt(), 1);
}

void MainWindowTest::ratingClickStoresAtOnce()
{
    Fixture f(threeMovies);
    f.selectMovie(12);
    f.w->editor()->flash1_FSCommand(QStringLiteral("rating"), QStringLiteral("4"));
    QCOMPARE(f.value(QStringLiteral("SELECT UserRating FROM Movies WHERE ID = 12")).toInt(), 3);
    QCOMPARE(f.model()->text(f.model()->rowOfMovie(12), MovieListModel::ColStars), QStringLiteral("3"));
    QVERIFY(f.w->IsSaved());
    QCOMPARE(f.w->editor()->flash1->rating(), 3);
    // The widget's own click reports the rating plus one.
    QSignalSpy spy(f.w->editor()->flash1, &StarRating::fsCommand);
    f.w->editor()->flash1->resize(f.w->editor()->flash1->sizeHint());
    QTest::mouseClick(f.w->editor()->flash1, Qt::LeftButton, {}, QPoint(1, 5));
    QCOMPARE(spy.value(0).value(1).toString(), QStringLiteral("1"));
    QCOMPARE(f.value(QStringLiteral("SELECT UserRating FROM Movies WHERE ID = 12")).toInt(), 0);
}

void MainWindowTest::castAddUpdateRemove()
{
    Fixture f(threeMovies + QStringList{QStringLiteral("INSERT INTO Actors (Actor) VALUES ('Ann Berg')")});
    f.selectMovie(7);
    auto links = [&] { return f.value(QStringLiteral("SELECT COUNT(*) FROM MovActLink WHERE MovID = 7")).toInt(); };
    // A new actor is created, linked and listed at the end; a role with quotes is stored as typed.
    f.w->editor()->cmbActor->setEditText(QStringLiteral("Jonathan \"Jon\" Pryce"));
    f.w->editor()->txtActorPlays->setText(QStringLiteral("Sam \"Lowry\""));
    QVERIFY(f.w->editor()->cmdAddActor->isEnabled());
    f.w->editor()->cmdAddActor_Click();
    QCOMPARE(f.castRows(), (QStringList{"Jonathan \"Jon\" Pryce as Sam \"Lowry\""}));
    QCOMPARE(f.value(QStringLiteral("SELECT PlayingAs FROM MovActLink WHERE MovID = 7")).toString(), QStringLiteral("Sam \"Lowry\""));
    QCOMPARE(f.w->editor()->cmbActor->currentText(), QString());
    // Enter in the actor box adds too.
    f.w->editor()->cmbActor->setEditText(QStringLiteral("Ann Berg"));
    f.w->editor()->txtActorPlays->setText(QStringLiteral("Mira"));
    QTest::keyClick(f.w->editor()->cmbActor->lineEdit(), Qt::Key_Return);
    QCOMPARE(f.castRows().value(1), QStringLiteral("Ann Berg as Mira"));
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM Actors")).toInt(), 2);
    // Selecting a row and changing the role updates that link.
    f.w->editor()->lstActors->setCurrentItem(f.w->editor()->lstActors->topLevelItem(1));
    QCOMPARE(f.w->editor()->cmbActor->currentText(), QStringLiteral("Ann Berg"));
    QCOMPARE(f.w->editor()->txtActorPlays->text(), QStringLiteral("Mira"));
    f.w->editor()->txtActorPlays->setText(QStringLiteral("Mira Stone"));
    f.w->editor()->cmdAddActor_Click();
    QCOMPARE(f.castRows(), (QStringList{"Jonathan \"Jon\" Pryce as Sam \"Lowry\"", "Ann Berg as Mira Stone"}));
    QCOMPARE(links(), 2);
    // The same actor with an empty role is a further link.
    f.w->editor()->cmbActor->setEditText(QStringLiteral("Ann Berg"));
    f.w->editor()->txtActorPlays->clear();
    f.w->editor()->cmdAddActor_Click();
    QCOMPARE(links(), 3);
    QCOMPARE(f.castRows().value(2), QStringLiteral("Ann Berg as "));
    // Remove: No keeps everything; Yes removes every link of that actor to this movie.
    f.w->editor()->lstActors->setCurrentItem(f.w->editor()->lstActors->topLevelItem(1));
    f.t.prompts.answerNo();
    f.w->editor()->cmdRemoveActor_Click();
    QCOMPARE(links(), 3);
    QCOMPARE(f.w->editor()->selectedActorId(), 0);
    f.w->editor()->lstActors->setCurrentItem(f.w->editor()->lstActors->topLevelItem(1));
    f.t.prompts.answerYes();
    f.w->editor()->cmdRemoveActor_Click();
    QCOMPARE(f.t.prompts.shown().last().text, QStringLiteral("Do you want to remove Ann Berg from this movie?"));
    QCOMPARE(links(), 1);
    QCOMPARE(f.castRows(), (QStringList{"Jonathan \"Jon\" Pryce as Sam \"Lowry\""}));
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM Actors")).toInt(), 2);
    QVERIFY(f.w->IsSaved());
}

void MainWindowTest::savingANewMovie()
{
    Fixture f(threeMovies);
    QVERIFY(f.w->IsNewMovie());
    f.w->editor()->flash1_FSCommand(QString(), QStringLiteral("6")); // rating chosen before the first save
    f.w->editor()->txtTitle->setText(QStringLiteral("Casablanca"));   // shares the title of movie 12
    f.w->editor()->txtRunningTime->setText(QStringLiteral("99"));
    f.w->mnuSave_Click();
    const int id = f.w->CurrentMovieID();
    QVERIFY(id != 0 && id != 12);
    QVERIFY(!f.w->IsNewMovie());
    QVERIFY(f.w->IsSaved());
    QCOMPARE(f.value(QStringLiteral("SELECT UserRating FROM Movies WHERE ID = ?"), {id}).toInt(), 5);
    const int row = f.model()->rowOfMovie(id);
    QCOMPARE(f.model()->text(row, MovieListModel::ColStars), QStringLiteral("5"));
    QCOMPARE(f.model()->text(row, MovieListModel::ColID), QString::number(id));
    QCOMPARE(f.model()->text(row, MovieListModel::ColTime), QStringLiteral("99 min"));
    QCOMPARE(f.w->lblNumMovs->text(), QStringLiteral("Number of Movies Found: 4"));
    // Saving again updates the same row instead of storing the movie twice.
    f.w->editor()->txtTitle->setText(QStringLiteral("Casablanca (1942)"));
    f.w->mnuSave_Click();
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt(), 4);
    QCOMPARE(f.model()->text(f.model()->rowOfMovie(id), MovieListModel::ColTitle), QStringLiteral("Casablanca (1942)"));
    // An empty title and a title with quotes save too.
    f.w->mnuNew_Click();
    f.w->editor()->txtTitle->setText(QStringLiteral("Dr. \"Strangelove\" 'or'"));
    f.w->mnuSave_Click();
    QCOMPARE(f.value(QStringLiteral("SELECT Title FROM Movies WHERE ID = ?"), {f.w->CurrentMovieID()}).toString(),
             QStringLiteral("Dr. \"Strangelove\" 'or'"));
    QVERIFY(f.t.logLines().isEmpty());
}

void MainWindowTest::savingUpdatesLoansAndStoresEmptyAsNull()
{
    Fixture f(threeMovies);
    f.selectMovie(12);
    f.w->editor()->txtTitle->setText(QStringLiteral("Casablanca, Remastered"));
    f.w->editor()->txtRealYear->clear();
    f.w->mnuSave_Click();
    QCOMPARE(f.value(QStringLiteral("SELECT MovieTitle FROM LoanOut WHERE MovieID = 12")).toString(), QStringLiteral("Casablanca, Remastered"));
    QVERIFY(f.value(QStringLiteral("SELECT ReleaseYear IS NULL FROM Movies WHERE ID = 12")).toBool());
    const int row = f.model()->rowOfMovie(12);
    QCOMPARE(f.model()->text(row, MovieListModel::ColRelease), QString());
    QVERIFY(f.model()->isLoaned(row));
}

void MainWindowTest::saveResortsOnlyAfterAColumnSort()
{
    Fixture f(threeMovies);
    f.selectMovie(7);
    f.w->editor()->txtTitle->setText(QStringLiteral("Zardoz"));
    f.w->mnuSave_Click();
    QCOMPARE(f.column(MovieListModel::ColTitle), (QStringList{"The Abyss", "Zardoz", "Casablanca"}));
    f.w->lvMovies_ColumnClick(MovieListModel::ColTitle);
    f.selectMovie(7);
    f.w->editor()->txtTitle->setText(QStringLiteral("Aardvark"));
    f.w->mnuSave_Click();
    QCOMPARE(f.column(MovieListModel::ColTitle), (QStringList{"Aardvark", "Casablanca", "The Abyss"}));
    QCOMPARE(f.w->selectedListIndex(), 1);
}

void MainWindowTest::overlongTextIsRefusedAndNothingSaved()
{
    Fixture f(threeMovies);
    f.selectMovie(7);
    f.w->editor()->cmbGenre[0]->setEditText(QString(300, QLatin1Char('g')));
    f.w->editor()->txtTitle->setText(QStringLiteral("Changed"));
    f.w->mnuSave_Click();
    QCOMPARE(f.value(QStringLiteral("SELECT Title FROM Movies WHERE ID = 7")).toString(), QStringLiteral("Brazil"));
    QCOMPARE(f.t.logLines().size(), 1);
    QVERIFY(f.t.logLines().first().contains(QStringLiteral("| frmMain mnuSave_Click: ")));
}

void MainWindowTest::deleteAsksFirst()
{
    Fixture f(threeMovies + QStringList{QStringLiteral("INSERT INTO MovActLink (MovID, ActID) VALUES (12, 1)")});
    f.selectMovie(12);
    f.t.prompts.answerNo();
    f.w->mnuDelete_Click();
    QCOMPARE(f.t.prompts.shown().last().text,
             QStringLiteral("Are you SURE you want to delete \"Casablanca\" from the database?\rEdit > Undo brings it back with its cast and loans."));
    QCOMPARE(f.t.prompts.shown().last().title, QStringLiteral("Delete Movie?"));
    QCOMPARE(f.model()->rowCount(), 3);
    QCOMPARE(f.w->CurrentMovieID(), 12);
    f.t.prompts.answerYes();
    f.w->mnuDelete_Click();
    QCOMPARE(f.model()->rowCount(), 2);
    QCOMPARE(f.w->CurrentMovieID(), 0);
    for (const char *sql : {"SELECT COUNT(*) FROM Movies WHERE ID = 12", "SELECT COUNT(*) FROM LoanOut WHERE MovieID = 12",
                            "SELECT COUNT(*) FROM MovActLink WHERE MovID = 12"})
        QCOMPARE(f.value(QString::fromLatin1(sql)).toInt(), 0);
    QVERIFY(!f.enabled("mnuDelete"));
}

void MainWindowTest::coverFileGetsBmpExtension()
{
    Fixture f(threeMovies);
    QImage img(8, 6, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QString png = f.t.path(QStringLiteral("cover.png"));
    img.save(png);
    f.selectMovie(7);
    // On screen, the hint asks for a cover while there is none and goes once one is stored.
    f.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.w.get()));
    QVERIFY(f.w->editor()->lblDoubleClick->isVisible());
    f.t.prompts.answerText(png);
    f.w->editor()->imgCover_DblClick();
    QVERIFY(f.w->isVisible());
    QVERIFY(!f.w->editor()->lblDoubleClick->isVisible());
    QVERIFY(CoverPictures(f.catalogue, f.t.ctx()).hasCover(7));
    QVERIFY(f.enabled("mnuSaveCoverFile"));
    struct { QString typed, written; } cases[] = {
        {f.t.path(QStringLiteral("cover")), f.t.path(QStringLiteral("cover.bmp"))},
        {f.t.path(QStringLiteral("other.BMP")), f.t.path(QStringLiteral("other.BMP.bmp"))},
        {f.t.path(QStringLiteral("third.bmp")), f.t.path(QStringLiteral("third.bmp"))},
    };
    for (const auto &c : cases) {
        f.t.prompts.answerText(c.typed);
        f.w->editor()->mnuSaveCoverFile_Click();
        QImage back(c.written);
        QCOMPARE(back.size(), QSize(8, 6));
        QCOMPARE(QColor(back.pixel(3, 3)), QColor(Qt::red));
    }
    // A new movie's cover cannot be set: no dialog is shown.
    f.w->mnuNew_Click();
    f.w->editor()->imgCover_DblClick();
    QVERIFY(!f.t.prompts.hasPendingAnswers());
}

void MainWindowTest::commandStates()
{
    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session(t.ctx(), catalogue);
    frmMain w(t.ctx(), session);
    w.applyStates();
    auto on = [&](const char *name) { return w.action(QString::fromLatin1(name))->isEnabled(); };
    // No catalogue: the editor and catalogue commands are off; new, open and the web button stay on.
    QCOMPARE(w.lblNumMovs->text(), QStringLiteral("No Cinelog Open"));
    QVERIFY(!w.editor()->txtTitle->isEnabled());
    QVERIFY(!on("mnuNew") && !on("mnuSave") && !on("mnuDelete") && !on("mnuWebSearch") && !on("SearchDB"));
    QVERIFY(on("NewDB") && on("OpenDB") && on("WebSearch") && on("mnuOptions"));

    Fixture f(threeMovies);
    frmMain *m = f.w.get();
    auto state = [&](const char *name) { return m->action(QString::fromLatin1(name))->isEnabled(); };
    // Catalogue without a movie: new movie mode with an empty title.
    QVERIFY(m->editor()->txtTitle->isEnabled() && state("mnuNew") && state("mnuPrint") && state("Refresh"));
    QVERIFY(!state("mnuSave") && !state("mnuDelete") && !m->editor()->cmbActor->isEnabled());
    m->editor()->txtTitle->setText(QStringLiteral("New one"));
    QVERIFY(state("mnuSave") && state("mnuCoverSearch") && !state("mnuSearchDirector"));
    m->editor()->cmdDir->setEditText(QStringLiteral("Someone"));
    QVERIFY(state("mnuSearchDirector"));
    m->editor()->txtTitle->clear();
    QVERIFY(!state("mnuSave"));
    // A stored movie without and with a cover.
    f.selectMovie(7);
    QVERIFY(state("mnuSave") && state("mnuDelete") && m->editor()->cmbActor->isEnabled() && !m->editor()->cmdAddActor->isEnabled());
    QVERIFY(!state("mnuSaveCoverFile"));
    QVERIFY(!m->editor()->cmdURL->isEnabled());
    m->editor()->txtURL->setText(QStringLiteral("http://brazil.example"));
    QVERIFY(m->editor()->cmdURL->isEnabled() && state("mnuURL"));
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::blue);
    img.save(f.t.path(QStringLiteral("c.png")));
    CoverPictures(f.catalogue, f.t.ctx()).SavePictureToDB(7, f.t.path(QStringLiteral("c.png")));
    m->reloadCover();
    QVERIFY(state("mnuSaveCoverFile"));
}

void MainWindowTest::lookUpAddresses()
{
    Fixture f;
    struct Case {
        QString text;
        QString imdbTitle, netflix;
    };
    const Case cases[] = {
        {"Blade Runner", "https://www.imdb.com/find?q=Blade%20Runner;tt=on;mx=20", "https://www.netflix.com/Search?v1=Blade+Runner"},
        {"Tom & Jerry", "https://www.imdb.com/find?q=Tom%20%26%20Jerry;tt=on;mx=20", "https://www.netflix.com/Search?v1=Tom+%26+Jerry"},
        {"#1 Fan+", "https://www.imdb.com/find?q=%231%20Fan%2B;tt=on;mx=20", "https://www.netflix.com/Search?v1=%231+Fan%2B"},
    };
    for (const Case &c : cases) {
        f.t.urls.opened.clear();
        f.w->editor()->txtTitle->setText(c.text);
        f.w->mnuMovieTitle_Click();
        f.w->mnuNetflixTitle_Click();
        QCOMPARE(f.t.urls.opened.size(), 2);
        QCOMPARE(f.t.urls.opened[0].toString(QUrl::FullyEncoded), c.imdbTitle);
        QCOMPARE(f.t.urls.opened[1].toString(QUrl::FullyEncoded), c.netflix);
    }
    QCOMPARE(CastMember::nameOf(QStringLiteral("Ann Berg as Mira")), QStringLiteral("Ann Berg"));
    QCOMPARE(CastMember::nameOf(QStringLiteral("Ann Berg")), QStringLiteral("Ann Berg"));
    QCOMPARE(WebLookup::imdbNameSearch(CastMember::nameOf(QStringLiteral("Ann Berg as Mira"))).toString(QUrl::FullyEncoded),
             QStringLiteral("https://www.imdb.com/find?q=Ann%20Berg;nm=on;mx=20"));
}

void MainWindowTest::cleanReportsWhatItRemoved()
{
    {
        Fixture f(threeMovies + QStringList{QStringLiteral("INSERT INTO Directors (Director) VALUES ('gilliam, terry')")});
        f.w->mnuCleanDB_Click();
        QCOMPARE(f.t.prompts.messages().last(), QStringLiteral("Cleaned: 0 unused Actors:\r\r0 unused Directors:\r\r"));
        QCOMPARE(f.t.prompts.shown().last().title, QStringLiteral("All Cleaned"));
    }
    Fixture f(threeMovies + QStringList{
        QStringLiteral("INSERT INTO Actors (ID, Actor) VALUES (1, 'Used'), (2, 'Unused')"),
        QStringLiteral("INSERT INTO MovActLink (MovID, ActID) VALUES (7, 1)"),
        QStringLiteral("INSERT INTO Directors (Director) VALUES ('Gilliam, Terry'), ('Nobody \"N\" Known')")});
    f.w->mnuCleanDB_Click();
    QCOMPARE(f.t.prompts.messages().last(),
             QStringLiteral("Cleaned: 1 unused Actors:\r   Unused\r\r1 unused Directors:\r   Nobody \"N\" Known\r\r"));
    QCOMPARE(f.value(QStringLiteral("SELECT group_concat(Actor) FROM Actors")).toString(), QStringLiteral("Used"));
    QCOMPARE(f.value(QStringLiteral("SELECT group_concat(Director) FROM Directors")).toString(), QStringLiteral("Gilliam, Terry"));
}

void MainWindowTest::compactTwiceAndFailedCompact()
{
    Fixture f(threeMovies);
    f.catalogue.exec(QStringLiteral("DELETE FROM Movies WHERE ID = 130"));
    // A copy left behind by a compaction that was killed part-way is cleared away.
    QFile stale(f.t.path(QStringLiteral(".films.cnlg.compact-Ab12Cd")));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("half a copy");
    stale.close();
    f.w->mnuCompactDB_Click();
    f.w->mnuCompactDB_Click();
    QCOMPARE(f.t.prompts.messages(), (QStringList{"Database has been compacted.", "Database has been compacted."}));
    QVERIFY(f.catalogue.isOpen());
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt(), 2);
    QCOMPARE(QDir(f.t.folder()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("compact")).size(), 0);

    QFile file(f.catalogue.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    bool threw = false;
    try {
        compactCatalogue(f.catalogue, f.t.path(QStringLiteral("no/such/folder")));
    } catch (const CinelogError &) {
        threw = true;
    }
    QVERIFY(threw);
    QVERIFY(f.catalogue.isOpen());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt(), 2);
}

void MainWindowTest::copyKeepsTheCast()
{
    Fixture f(threeMovies + QStringList{
        QStringLiteral("INSERT INTO Actors (ID, Actor) VALUES (1, 'A'), (2, 'B'), (3, 'C')"),
        QStringLiteral("INSERT INTO MovActLink (MovID, ActID, PlayingAs) VALUES (12, 1, 'Rick'), (12, 2, 'Ilsa'), (12, 3, NULL)"),
        QStringLiteral("UPDATE Movies SET UserRating = 6, EpisodeDisc = 1 WHERE ID = 12")});
    f.selectMovie(12);
    f.w->mnuCopyMovie_Click();
    QCOMPARE(f.model()->rowCount(), 4);
    // The original stays in the editor, so what is typed next is saved to it.
    QCOMPARE(f.w->CurrentMovieID(), 12);
    QVERIFY(!f.w->IsNewMovie());
    const int copy = f.value(QStringLiteral("SELECT MAX(ID) FROM Movies")).toInt();
    QCOMPARE(f.value(QStringLiteral("SELECT Title || '|' || UserRating || '|' || EpisodeDisc || '|' || (CoverData IS NULL) FROM Movies WHERE ID = ?"), {copy}).toString(),
             QStringLiteral("Casablanca|6|0|1"));
    QCOMPARE(f.value(QStringLiteral("SELECT group_concat(ActID || ':' || ifnull(PlayingAs, '-')) FROM MovActLink WHERE MovID = ?"), {copy}).toString(),
             QStringLiteral("1:Rick,2:Ilsa,3:-"));
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM LoanOut WHERE MovieID = ?"), {copy}).toInt(), 0);
}

void MainWindowTest::recentCatalogues()
{
    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session(t.ctx(), catalogue);
    frmMain w(t.ctx(), session);
    // Creating: a name without the extension gets it; the new catalogue heads the recent list.
    t.prompts.answerText(t.path(QStringLiteral("home")));
    w.mnuNewDB_Click();
    const QString home = t.path(QStringLiteral("home.cnlg"));
    QCOMPARE(catalogue.path(), home);
    QVERIFY(catalogue.isOpen());
    QCOMPARE(w.windowTitle(), home + QStringLiteral(" | Cinelog Version 2.0"));
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("DBLists"), QStringLiteral("db1")), home);
    QVERIFY(w.action(QStringLiteral("mnuFiles1"))->isVisible());
    QVERIFY(w.action(QStringLiteral("Break03"))->isVisible());
    QVERIFY(w.IsNewMovie());
    // Creating over an existing file and answering No opens the existing one.
    catalogue.exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy) VALUES ('Kept', 'Kept')"));
    t.prompts.answerText(home).answerNo();
    w.mnuNewDB_Click();
    QCOMPARE(w.movieModel()->rowCount(), 1);
    // A file that fails to open is still recorded at the head of the list.
    const QString junk = t.path(QStringLiteral("junk.cnlg"));
    QFile j(junk);
    QVERIFY(j.open(QIODevice::WriteOnly));
    j.write("not a catalogue at all");
    j.close();
    t.prompts.answerText(junk);
    w.mnuOpenDB_Click();
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("DBLists"), QStringLiteral("db1")), junk);
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("DBLists"), QStringLiteral("db2")), home);
    QVERIFY(!catalogue.isOpen());
    QCOMPARE(t.logLines().size(), 1);
    QVERIFY(t.logLines().first().contains(QStringLiteral("| DBConn: ")));
    // Cancelling the dialog changes nothing.
    t.prompts.answerCancel();
    w.mnuOpenDB_Click();
    QCOMPARE(catalogue.path(), junk);
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("DBLists"), QStringLiteral("db1")), junk);
    // Re-opening from the list does not change the list; a deleted file is hidden, not removed.
    w.mnuFiles_Click(2);
    QCOMPARE(catalogue.path(), home);
    QVERIFY(catalogue.isOpen());
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("DBLists"), QStringLiteral("db1")), junk);
    QFile::remove(junk);
    w.GetDBList();
    QVERIFY(!w.action(QStringLiteral("mnuFiles1"))->isVisible());
    QVERIFY(!w.action(QStringLiteral("Break03"))->isVisible());
    QVERIFY(w.action(QStringLiteral("mnuFiles2"))->isVisible());
    QCOMPARE(t.ctx().ReadINI(QStringLiteral("DBLists"), QStringLiteral("db1")), junk);
}

void MainWindowTest::unsavedEditsAreOfferedForSaving()
{
    Fixture f(threeMovies);
    f.selectMovie(7);
    QTest::keyClicks(f.w->editor()->txtTitle, QStringLiteral(" II"));
    QVERIFY(!f.w->IsSaved());
    f.t.prompts.answerYes();
    f.selectMovie(12);
    QCOMPARE(f.t.prompts.shown().last().title, QStringLiteral("Save Record?"));
    QCOMPARE(f.value(QStringLiteral("SELECT Title FROM Movies WHERE ID = 7")).toString(), QStringLiteral("Brazil II"));
    QCOMPARE(f.w->editor()->txtTitle->text(), QStringLiteral("Casablanca"));
    QTest::keyClicks(f.w->editor()->txtTitle, QStringLiteral("!"));
    f.t.prompts.answerNo();
    f.w->mnuNew_Click();
    QCOMPARE(f.value(QStringLiteral("SELECT Title FROM Movies WHERE ID = 12")).toString(), QStringLiteral("Casablanca"));
    QVERIFY(f.w->IsSaved());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
