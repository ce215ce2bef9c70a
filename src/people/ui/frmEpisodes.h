#pragma once

#include <functional>

#include <QWidget>

class AppContext;
class Catalogue;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTreeView;

// The episodes on an episode disc. One instance belongs to the main window, which hands it the
// movie to work on and shows or hides it as the user moves between movies; "close" only hides it.
class frmEpisodes : public QWidget
{
    Q_OBJECT
public:
    frmEpisodes(AppContext &ctx, Catalogue &catalogue, QWidget *parent = nullptr);

    // The movie the window works on, its title (for the caption) and the text of the editor's
    // number-of-discs box (for the disc-number list); lists the movie's episodes.
    void setMovie(int movieId, const QString &title, const QString &numDiscs);
    // Refills the list and the disc-number list for the movie.
    void ListEpisodes();

    void cmdSaveUpdate_Click();
    void cmdDeleteEpisode_Click();
    void cmdClose_Click();
    // Stores position and column widths; the main window calls it when the program ends.
    void Form_Unload();

    int movieId() const { return m_movieId; }
    int SelectedEpisodeID() const { return m_selectedEpisodeId; }

    QTreeView *lvEpisodes;
    QLineEdit *txtTitle;
    QLineEdit *txtEpsNum;
    QComboBox *txtDiscNum;
    QPushButton *cmdSaveUpdate;
    QPushButton *cmdDeleteEpisode;
    QPushButton *cmdClose;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void selectEpisode(int row);
    void storeSettings();
    void updateCommands();

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    QStandardItemModel *m_model;
    int m_movieId = 0;
    QString m_numDiscs;
    int m_selectedEpisodeId = 0;
    // How often the movie's episodes had been changed when the list was read.
    qint64 m_seenChanges = -1;
    // Runs a change of the episodes; when another program changed them since they were listed,
    // asks whether to show them as stored (false), make the change anyway, or leave it (false).
    bool changeEpisodes(const std::function<void(qint64 *seen)> &change);
    bool m_filling = false;
};
