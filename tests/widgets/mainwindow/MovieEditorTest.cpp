#include "Catalogue.h"
#include "CatalogueSession.h"
#include "CoverPictures.h"
#include "EditedMovie.h"
#include "MainCommandStates.h"
#include "MovieEditor.h"
#include "MovieStore.h"
#include "StarRating.h"
#include "TestCatalogue.h"
#include "WidgetTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <memory>

// The movie editor on its own, on a real catalogue: no main window around it.
class MovieEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<MovieRecord>(); }
    void showsAndStoresTheRecord();
    void otherWindowsSeeTheRecordAndAskThroughIt();
    void offerToSaveStoresOrDropsTheEdits();
    void newMovieBecomesStored();
    void castRatingAndEpisodes();
    void coverHintFollowsTheCover();
    void statesDisableTheFieldsWithoutACatalogue();
};

namespace {

struct Editor {
    WidgetTestContext t;
    Catalogue catalogue;
    CatalogueSession session{t.ctx(), catalogue};
    MovieStore store{catalogue};
    std::unique_ptr<MovieEditor> e;

    Editor()
    {
        const QString path = t.path(QStringLiteral("films.cnlg"));
        if (!createCatalogue(path) || !catalogue.open(path).opened())
            QTest::qFail("catalogue did not open", __FILE__, __LINE__);
        catalogue.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy, Director, Genre1, RunningTime, ReleaseYear, URL, "
                                      "UserRating, NumDiscs) VALUES (7, 'Brazil', 'Brazil', 'Gilliam, Terry', 'Drama', '95', "
                                      "'1985', 'http://brazil.example', 5, '1')"));
        e = std::make_unique<MovieEditor>(t.ctx(), session, store);
    }
    QVariant value(const QString &sql, std::initializer_list<QVariant> v = {}) { return catalogue.scalar(sql, v); }
    void show(int id)
    {
        e->setMovie(id);
        e->ShowMovieData();
    }
};

} // namespace

void MovieEditorTest::showsAndStoresTheRecord()
{
    Editor f;
    f.show(7);
    QCOMPARE(f.e->txtTitle->text(), QStringLiteral("Brazil"));
    QCOMPARE(f.e->cmdDir->currentText(), QStringLiteral("Gilliam, Terry"));
    QCOMPARE(f.e->cmbGenre[0]->currentText(), QStringLiteral("Drama"));
    QCOMPARE(f.e->txtRunningTime->text(), QStringLiteral("95"));
    QCOMPARE(f.e->flash1->rating(), 5);
    QCOMPARE(f.e->userRating(), 5);
    QVERIFY(f.e->hasLink());
    QVERIFY(f.e->isSaved());

    // What is typed is the record to store; a save writes it to this movie and says so.
    QTest::keyClicks(f.e->txtRealYear, QStringLiteral("6"));
    QVERIFY(!f.e->isSaved());
    const MovieRecord r = f.e->record();
    QCOMPARE(r.id, 7);
    QCOMPARE(r.releaseYear, QStringLiteral("19856"));
    QCOMPARE(r.director, QStringLiteral("Gilliam, Terry"));
    QSignalSpy stored(f.e.get(), &MovieEditor::stored);
    f.e->save();
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored[0][0].value<MovieRecord>().id, 7);
    QCOMPARE(stored[0][1].toBool(), false);
    QVERIFY(f.e->isSaved());
    QCOMPARE(f.value(QStringLiteral("SELECT ReleaseYear FROM Movies WHERE ID = 7")).toString(), QStringLiteral("19856"));

    // A movie gone from the catalogue is reported and the fields keep what they show.
    f.catalogue.exec(QStringLiteral("DELETE FROM Movies WHERE ID = 7"));
    f.show(7);
    QCOMPARE(f.t.prompts.messages(), QStringList{QStringLiteral("Error getting the information for this movie.")});
    QCOMPARE(f.e->txtTitle->text(), QStringLiteral("Brazil"));
}

void MovieEditorTest::otherWindowsSeeTheRecordAndAskThroughIt()
{
    Editor f;
    EditedMovie &edited = f.e->edited();
    f.show(7);
    QCOMPARE(edited.id(), 7);
    QVERIFY(!edited.isNew());
    QCOMPARE(edited.title(), QStringLiteral("Brazil"));
    // The title as typed, and the unsaved state, are what other windows read.
    f.e->txtTitle->setFocus();
    QTest::keyClicks(f.e->txtTitle, QStringLiteral(" II"));
    QCOMPARE(edited.title(), QStringLiteral("Brazil II"));
    QVERIFY(!edited.isSaved());

    // Another window asks for the save offer: No drops the edits.
    f.t.prompts.answerNo();
    edited.offerToSave();
    QCOMPARE(f.t.prompts.titles(), QStringList{QStringLiteral("Save Record?")});
    QVERIFY(edited.isSaved());
    QCOMPARE(f.value(QStringLiteral("SELECT Title FROM Movies WHERE ID = 7")).toString(), QStringLiteral("Brazil"));
    // ... and to show the movie as stored (after it changed it).
    f.catalogue.exec(QStringLiteral("UPDATE Movies SET Title = 'Brazil (1985)' WHERE ID = 7"));
    edited.reload();
    QCOMPARE(f.e->txtTitle->text(), QStringLiteral("Brazil (1985)"));
    QCOMPARE(edited.title(), QStringLiteral("Brazil (1985)"));
}

void MovieEditorTest::offerToSaveStoresOrDropsTheEdits()
{
    Editor f;
    f.show(7);
    // Nothing typed: nothing asked.
    f.e->CheckSaved();
    QVERIFY(f.t.prompts.shown().isEmpty());
    QTest::keyClicks(f.e->txtOrderBy, QStringLiteral("X"));
    f.t.prompts.answerYes();
    QSignalSpy stored(f.e.get(), &MovieEditor::stored);
    f.e->CheckSaved();
    QCOMPARE(stored.size(), 1);
    QVERIFY(f.e->isSaved());
    QCOMPARE(f.value(QStringLiteral("SELECT OrderBy FROM Movies WHERE ID = 7")).toString(), QStringLiteral("BrazilX"));
}

void MovieEditorTest::newMovieBecomesStored()
{
    Editor f;
    f.show(7);
    f.e->clearFields();
    f.e->setMovieId(0);
    f.e->setNewMovie(true);
    QCOMPARE(f.e->txtURL->text(), QStringLiteral("http://"));
    QVERIFY(!f.e->hasLink());
    QVERIFY(f.e->lblDoubleClick->isVisibleTo(f.e.get()));
    f.e->txtTitle->setText(QStringLiteral("Matrix, The"));
    // Leaving the title puts the article in front and fills Order By.
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(f.e->txtTitle, &out);
    QCOMPARE(f.e->txtTitle->text(), QStringLiteral("The Matrix"));
    QCOMPARE(f.e->txtOrderBy->text(), QStringLiteral("Matrix"));

    QSignalSpy stored(f.e.get(), &MovieEditor::stored);
    f.e->save();
    QCOMPARE(stored.size(), 1);
    const MovieRecord m = stored[0][0].value<MovieRecord>();
    QVERIFY(stored[0][1].toBool());
    QVERIFY(m.id > 7);
    QCOMPARE(f.e->movieId(), m.id);
    QVERIFY(!f.e->isNewMovie());
    QCOMPARE(f.e->edited().id(), m.id);
    QCOMPARE(f.value(QStringLiteral("SELECT Title FROM Movies WHERE ID = ?"), {m.id}).toString(), QStringLiteral("The Matrix"));
    // Saving again updates the same movie.
    f.e->save();
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored[1][1].toBool(), false);
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM Movies")).toInt(), 2);
}

void MovieEditorTest::castRatingAndEpisodes()
{
    Editor f;
    f.show(7);
    f.e->cmbActor->setEditText(QStringLiteral("Ann Berg"));
    f.e->txtActorPlays->setText(QStringLiteral("Mira"));
    f.e->cmdAddActor_Click();
    QCOMPARE(f.e->lstActors->topLevelItemCount(), 1);
    QCOMPARE(f.e->lstActors->topLevelItem(0)->text(0), QStringLiteral("Ann Berg as Mira"));
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM MovActLink WHERE MovID = 7")).toInt(), 1);
    f.e->lstActors->setCurrentItem(f.e->lstActors->topLevelItem(0));
    QCOMPARE(f.e->selectedCastName(), QStringLiteral("Ann Berg"));
    QCOMPARE(f.e->txtActorPlays->text(), QStringLiteral("Mira"));
    f.t.prompts.answerYes();
    f.e->cmdRemoveActor_Click();
    QCOMPARE(f.e->lstActors->topLevelItemCount(), 0);
    QCOMPARE(f.value(QStringLiteral("SELECT COUNT(*) FROM MovActLink WHERE MovID = 7")).toInt(), 0);

    // A click on the stars stores the rating at once and tells the list.
    QSignalSpy rated(f.e.get(), &MovieEditor::userRatingStored);
    f.e->flash1_FSCommand(QStringLiteral("rating"), QStringLiteral("3"));
    QCOMPARE(rated.size(), 1);
    QCOMPARE(rated[0][0].toInt(), 7);
    QCOMPARE(rated[0][1].toInt(), 2);
    QCOMPARE(f.value(QStringLiteral("SELECT UserRating FROM Movies WHERE ID = 7")).toInt(), 2);

    // An episode disc asks for the episodes window with the movie's place in the set.
    QSignalSpy shown(f.e.get(), &MovieEditor::episodeDiscShown);
    QSignalSpy hidden(f.e.get(), &MovieEditor::episodeDiscHidden);
    f.e->chkEpisodeDisc->click();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0][0].toInt(), 7);
    QCOMPARE(shown[0][1].toString(), QStringLiteral("Brazil"));
    QCOMPARE(shown[0][2].toString(), QStringLiteral("1"));
    QVERIFY(!f.e->isSaved());
    f.e->chkEpisodeDisc->click();
    QCOMPARE(hidden.size(), 1);
}

void MovieEditorTest::coverHintFollowsTheCover()
{
    Editor f;
    f.e->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.e.get()));
    f.show(7);
    QVERIFY(f.e->lblDoubleClick->isVisible());
    QVERIFY(!f.e->hasCover());
    QImage img(8, 6, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QString png = f.t.path(QStringLiteral("cover.png"));
    QVERIFY(img.save(png));
    f.t.prompts.answerText(png);
    f.e->imgCover_DblClick();
    QVERIFY(f.e->hasCover());
    QVERIFY(!f.e->lblDoubleClick->isVisible());
    QVERIFY(CoverPictures(f.catalogue, f.t.ctx()).hasCover(7));
    // Another movie without a cover brings the hint back.
    f.catalogue.exec(QStringLiteral("INSERT INTO Movies (ID, Title, OrderBy) VALUES (8, 'Heat', 'Heat')"));
    f.show(8);
    QVERIFY(!f.e->hasCover());
    QVERIFY(f.e->lblDoubleClick->isVisible());
    // A cover stored by another window shows once the editor reloads it.
    CoverPictures(f.catalogue, f.t.ctx()).SavePictureToDB(8, png);
    f.e->reloadCover();
    QVERIFY(f.e->hasCover());
    QVERIFY(!f.e->lblDoubleClick->isVisible());
}

void MovieEditorTest::statesDisableTheFieldsWithoutACatalogue()
{
    Editor f;
    f.show(7);
    MainCommandInputs in;
    f.e->fillInputs(in);
    QVERIFY(in.movieShown && in.hasTitle && in.hasDirector && in.hasLink && !in.hasCover && !in.newMovie);
    in.catalogueChosen = true;
    f.e->applyStates(mainCommandStates(in));
    QVERIFY(f.e->txtTitle->isEnabled() && f.e->cmbActor->isEnabled() && f.e->cmdURL->isEnabled());
    QVERIFY(!f.e->cmdAddActor->isEnabled());
    in.catalogueChosen = false;
    f.e->applyStates(mainCommandStates(in));
    for (QWidget *w : {static_cast<QWidget *>(f.e->txtTitle), static_cast<QWidget *>(f.e->cmdDir),
                       static_cast<QWidget *>(f.e->cmbActor), static_cast<QWidget *>(f.e->cmdURL),
                       static_cast<QWidget *>(f.e->imgCover)})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
}

QTEST_MAIN(MovieEditorTest)
#include "MovieEditorTest.moc"
