#pragma once

#include "MovieStore.h"

#include <QImage>
#include <QWidget>

class AppContext;
class CatalogueSession;
class CoverPictures;
class EditedMovie;
class StarRating;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
struct MainCommandInputs;
struct MainCommandStates;

// The movie editor below the main list: one movie's fields, its cast and its cover, the record it
// edits (a stored movie's ID, or a new movie) and whether what it shows is saved. It reads and
// writes the catalogue through MovieStore; what the list must do about a save or a rating it
// announces by signals.
class MovieEditor : public QWidget
{
    Q_OBJECT
public:
    MovieEditor(AppContext &ctx, CatalogueSession &session, MovieStore &store, QWidget *parent = nullptr);

    // The record edited: a stored movie's ID (0 for none), whether the fields are a movie not stored
    // yet, and whether they hold unsaved edits.
    int movieId() const;
    bool isNewMovie() const;
    bool isSaved() const;
    void setMovieId(int id);
    void setNewMovie(bool isNew);
    void setSaved(bool saved);
    // The record as other windows see it (kept up to date by the editor).
    EditedMovie &edited() const { return *m_edited; }
    // Edits the stored movie id next (ShowMovieData shows it).
    void setMovie(int id);

    QString title() const;
    int userRating() const { return m_userRating; }
    int selectedActorId() const { return m_selectedActorId; }
    bool hasCover() const { return !m_cover.isNull(); }
    // The URL box holds an address to visit (more than "http://").
    bool hasLink() const;
    // The fields as a record to store.
    MovieRecord record() const;

    // Shows the stored movie movieId() in the fields, its cast and cover.
    void ShowMovieData();
    // Empties the fields for a new movie.
    void clearFields();
    // Offers to save unsaved edits: Yes saves, No drops them.
    void CheckSaved();
    // Stores the fields. A failed save is not offered again; a save the user put off (the catalogue
    // in use, a change made elsewhere) is still to be done. Emits stored() once written.
    void save();
    // Reloads the cover box of the movie shown.
    void reloadCover();

    // Pick lists, refilled from the catalogue; the typed texts stay.
    void GetGenres();
    void GetDirectors();
    void GetActors();
    void GetRatings();
    void GetMediums();
    void GetFormats();
    static void setPickList(QComboBox *box, const QStringList &items, bool keepText);

    // Handlers of the editor's own controls.
    void cmdURL_Click();
    void cmdAddActor_Click();
    void cmdRemoveActor_Click();
    void imgCover_DblClick();
    void flash1_FSCommand(const QString &command, const QString &args);
    void mnuSaveCoverFile_Click();
    // The name part of the selected cast row.
    QString selectedCastName() const;

    // Command states: what the editor contributes to them, and their effect on its controls.
    void fillInputs(MainCommandInputs &in) const;
    void applyStates(const MainCommandStates &states);

    // Controls, named as the program's code refers to them.
    QLineEdit *txtTitle, *txtOrderBy, *txtNumDiscs, *txtRealYear, *txtRunningTime, *txtURL, *txtActorPlays;
    QComboBox *cmdDir, *cmbMedium, *cmbFormat, *cmbRating, *cmbActor;
    QComboBox *cmbGenre[3];
    QPushButton *cmdURL, *cmdAddActor, *cmdRemoveActor;
    StarRating *flash1;
    QLabel *imgCover, *lblDoubleClick, *lblAs;
    QCheckBox *chkEpisodeDisc;
    QTreeWidget *lstActors;
    QGroupBox *frameActrors, *framGenre;

signals:
    // An input of the command states changed.
    void statesChanged();
    // The record was written; wasNew when it became a new movie (m.id is its new ID).
    void stored(const MovieRecord &m, bool wasNew);
    // A click on the stars stored a rating.
    void userRatingStored(int movieId, int rating);
    // An episode disc is shown (with the movie's title and its number in the set), or none is.
    void episodeDiscShown(int movieId, const QString &title, const QString &numDiscs);
    void episodeDiscHidden();
    // A right click on a cast row, at globalPos.
    void castMenuRequested(const QPoint &globalPos);
    // A cover was stored for the movie (from a file here, or by a cover search).
    void coverStored(int movieId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void markChanged();
    void fillCast();
    void showCover(bool hasCover);
    // Tells a screen reader whether the cover box holds a cover.
    void describeCover();
    void setEpisodeWindow(bool show);
    void addNameOnLeave(QComboBox *box, int kind);
    void titleLostFocus();
    void lstActors_Click();
    CoverPictures covers();

    AppContext &m_ctx;
    CatalogueSession &m_session;
    MovieStore &m_store;
    EditedMovie *m_edited;
    int m_userRating = 0;
    int m_selectedActorId = 0;
    int m_selectedActorIndex = 0;
    QImage m_cover;
};
