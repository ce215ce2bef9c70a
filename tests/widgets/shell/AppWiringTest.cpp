#include "AppWiring.h"
#include "Catalogue.h"
#include "CatalogueEvents.h"
#include "CatalogueSession.h"
#include "CoverPictures.h"
#include "EditedMovie.h"
#include "MovieEditor.h"
#include "MovieListModel.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"
#include "frmLoans.h"
#include "frmMain.h"
#include "frmOptions.h"
#include "frmProgBar.h"
#include "frmSearch.h"
#include "WiredMainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTreeView>

// The main window wired to the rest of the program as src/app does it: the announcements and
// requests other windows make reach it, and its commands reach their windows.
class AppWiringTest : public QObject
{
    Q_OBJECT
private slots:
    void announcementsRefreshWhatTheMainWindowShows();
    void requestsThroughTheEditedMovieReachTheEditor();
    void commandsOpenWindowsWiredToTheirReceivers();
    void editMenuUndoesAndRedoesTheLastChange();
    void undoOfASaveShowsTheMovieAsItWasAndLetsItBeSavedAgain();
};

namespace {

struct App : WiredMainWindow {
    App() { openCatalogueWith({QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy) VALUES (1, 'Brazil', 'Brazil'), (2, 'Heat', 'Heat')")}); }
    ~App() { closeOtherWindows(); }
    int rows() const { return w.movieModel()->rowCount(); }
    bool lists(QComboBox *box, const QString &text) const { return box->findText(text) >= 0; }
    template <typename T>
    T *window(const char *name) const
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String(name) && top->isVisible())
                if (auto *t = qobject_cast<T *>(top))
                    return t;
        return nullptr;
    }
};

} // namespace

void AppWiringTest::announcementsRefreshWhatTheMainWindowShows()
{
    App a;
    QCOMPARE(a.rows(), 2);
    // Movies added elsewhere show once announced.
    a.catalogue.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy) VALUES (3, 'Ran', 'Ran')"));
    QCOMPARE(a.rows(), 2);
    emit a.events.moviesChanged(QStringLiteral("Updating Movie List..."));
    QCOMPARE(a.rows(), 3);

    // A loan recorded elsewhere refills the list too (it marks movies on loan).
    a.catalogue.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy) VALUES (4, 'Alien', 'Alien')"));
    a.catalogue.exec(QStringLiteral("INSERT INTO LoanOut (MovieID, MovieTitle, LoanedTo, DateOut) VALUES (4, 'Alien', 'Ann', '2025-01-02')"));
    QCOMPARE(a.rows(), 3);
    emit a.events.loansChanged(QStringLiteral("Updating the Movie List..."));
    QCOMPARE(a.rows(), 4);
    QVERIFY(a.w.movieModel()->isLoaned(a.w.movieModel()->rowOfMovie(4)));

    // Names: only the lists announced are read again.
    MovieEditor *e = a.w.editor();
    a.catalogue.exec(QStringLiteral("INSERT INTO Directors (Director) VALUES ('Mann, Michael')"));
    a.catalogue.exec(QStringLiteral("INSERT INTO Genres (Genre) VALUES ('Crime')"));
    emit a.events.namesChanged(CatalogueEvents::Directors);
    QVERIFY(a.lists(e->cmdDir, QStringLiteral("Mann, Michael")));
    QVERIFY(!a.lists(e->cmbGenre[0], QStringLiteral("Crime")));
    emit a.events.namesChanged(CatalogueEvents::Genres | CatalogueEvents::Actors);
    QVERIFY(a.lists(e->cmbGenre[2], QStringLiteral("Crime")));

    // A cover stored elsewhere shows when it is the shown movie's.
    a.w.showMovie(1);
    QVERIFY(!e->hasCover());
    QImage img(6, 4, QImage::Format_RGB32);
    img.fill(Qt::green);
    const QString png = a.t.path(QStringLiteral("c.png"));
    QVERIFY(img.save(png));
    CoverPictures(a.catalogue, a.t.ctx()).SavePictureToDB(1, png);
    emit a.events.coverChanged(2);
    QVERIFY(!e->hasCover());
    emit a.events.coverChanged(1);
    QVERIFY(e->hasCover());
}

void AppWiringTest::requestsThroughTheEditedMovieReachTheEditor()
{
    App a;
    EditedMovie &edited = a.w.editor()->edited();
    edited.show(2);
    QCOMPARE(a.w.CurrentMovieID(), 2);
    QCOMPARE(a.w.lvMovies->currentIndex().row(), a.w.movieModel()->rowOfMovie(2));
    QCOMPARE(edited.title(), QStringLiteral("Heat"));
    a.w.editor()->txtTitle->setFocus();
    QTest::keyClicks(a.w.editor()->txtTitle, QStringLiteral(" II"));
    QVERIFY(!edited.isSaved());
    a.t.prompts.answerYes();
    edited.offerToSave();
    QCOMPARE(a.t.prompts.titles(), QStringList{QStringLiteral("Save Record?")});
    QCOMPARE(a.catalogue.scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = 2")).toString(), QStringLiteral("Heat II"));
    // The list shows the saved title.
    QCOMPARE(a.w.movieModel()->text(a.w.movieModel()->rowOfMovie(2), MovieListModel::ColTitle), QStringLiteral("Heat II"));
}

void AppWiringTest::commandsOpenWindowsWiredToTheirReceivers()
{
    App a;
    // The options dialog carries the rows of the other parts.
    a.w.mnuOptions->trigger();
    auto *options = a.w.findChild<frmOptions *>();
    QVERIFY(options);
    QVERIFY(options->findChild<QLineEdit *>(QStringLiteral("txtCommunityConnection")));
    QVERIFY(options->findChild<QComboBox *>(QStringLiteral("cboCoverSource")));
    options->close();

    // The search window's commands have receivers: loan, list, print and export are alive.
    a.w.mnuSearch->trigger();
    auto *search = a.window<frmSearch>("frmSearch");
    QVERIFY(search);
    QVERIFY(search->mnuLoanOut->isEnabled());
    QVERIFY(search->mnuUserList->isEnabled());
    search->ckTitle->setChecked(true);
    search->txtTitle->setText(QStringLiteral("Heat"));
    search->cmdSearch_Click();
    QVERIFY(search->cmdPrint->isEnabled());
    QVERIFY(search->cmdExport->isEnabled());
    // Its "Edit Movie" shows the movie in the main window's editor.
    search->lvMovies->setCurrentIndex(search->lvMovies->model()->index(0, 0));
    search->mnuEditMovie->trigger();
    QCOMPARE(a.w.CurrentMovieID(), 2);
    search->close();

    // The loans window opens once.
    a.w.mnuLoans->trigger();
    auto *loans = a.window<frmLoans>("frmLoans");
    QVERIFY(loans);
    a.w.mnuLoans->trigger();
    QCOMPARE(a.window<frmLoans>("frmLoans"), loans);
}

QTEST_MAIN(AppWiringTest)
#include "AppWiringTest.moc"

void AppWiringTest::editMenuUndoesAndRedoesTheLastChange()
{
    App a;
    auto *undo = a.w.findChild<QAction *>(QStringLiteral("mnuUndo"));
    auto *redo = a.w.findChild<QAction *>(QStringLiteral("mnuRedo"));
    QVERIFY(undo && redo);
    QVERIFY(a.w.findChild<QMenu *>(QStringLiteral("mnuEdit"))->actions().contains(undo));
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    QVERIFY(!undo->isEnabled());

    a.w.showMovie(1);
    a.t.prompts.answerYes();
    a.w.findChild<QAction *>(QStringLiteral("mnuDelete"))->trigger();
    QCOMPARE(a.rows(), 1);
    // The step is there once the command is over.
    QTRY_VERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo Delete 'Brazil'"));

    undo->trigger();
    QCOMPARE(a.rows(), 2); // the list was told
    QVERIFY(a.w.movieModel()->rowOfMovie(1) >= 0);
    QVERIFY(!undo->isEnabled());
    QCOMPARE(redo->text(), QStringLiteral("&Redo Delete 'Brazil'"));
    redo->trigger();
    QCOMPARE(a.rows(), 1);

    // Another program puts a movie where the deleted one was: the undo is refused, said, and
    // nothing is written.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("otherProgram"));
        other.setDatabaseName(a.catalogue.path());
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy) VALUES (1, 'Ran', 'Ran')")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("otherProgram"));
    a.t.prompts.clear();
    undo->trigger();
    QCOMPARE(a.t.prompts.titles(), QStringList{QStringLiteral("Cannot Undo")});
    QVERIFY(a.t.prompts.messages().first().contains(QStringLiteral("\"Delete 'Brazil'\" cannot be undone")));
    QCOMPARE(a.catalogue.scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = 1")).toString(), QStringLiteral("Ran"));
}

void AppWiringTest::undoOfASaveShowsTheMovieAsItWasAndLetsItBeSavedAgain()
{
    App a;
    auto *undo = a.w.findChild<QAction *>(QStringLiteral("mnuUndo"));
    a.w.showMovie(1);
    MovieEditor *e = a.w.editor();
    e->txtTitle->setText(QStringLiteral("Brazil (1985)"));
    a.w.mnuSave_Click();
    QTRY_VERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo Change 'Brazil'"));
    undo->trigger();
    QCOMPARE(e->txtTitle->text(), QStringLiteral("Brazil"));
    QCOMPARE(a.catalogue.scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = 1")).toString(), QStringLiteral("Brazil"));
    // The editor read the movie again: its next save is not taken for one over another program's.
    e->txtTitle->setText(QStringLiteral("Brazil, again"));
    a.w.mnuSave_Click();
    QVERIFY(a.t.prompts.shown().isEmpty());
    QCOMPARE(a.catalogue.scalar(QStringLiteral("SELECT Title FROM Movies WHERE ID = 1")).toString(), QStringLiteral("Brazil, again"));
}
