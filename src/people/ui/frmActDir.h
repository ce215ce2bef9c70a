#pragma once

#include "People.h"

#include <QWidget>

class AppContext;
class Catalogue;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QStandardItemModel;
class QTreeView;

// Browses actors or directors by initial letter, shows their movies, corrects a person's name and
// web site, opens that site or an IMDb name search, and deletes a person.
class frmActDir : public QWidget
{
    Q_OBJECT
public:
    frmActDir(AppContext &ctx, Catalogue &catalogue, QWidget *parent = nullptr);

    // Rebuilds the list for the chosen kind and letter.
    void GetList();

    // Acts on the list row as a click on it does.
    void selectPerson(int row);
    void cmdSave_Click();
    void cmdURL_Click();
    void mnuIMDB_Click();
    void mnuDelete_Click();

    QString PersonKind() const { return m_personKind; }
    int SelectedPersonID() const { return m_selectedPersonId; }

    QComboBox *cmbSelect;
    QComboBox *cmbLetters;
    QLabel *lblActors;
    QTreeView *lvActDir;
    QListWidget *lstMovies;
    QLineEdit *txtName;
    QLineEdit *txtURL;
    QPushButton *cmdSave;
    QPushButton *cmdURL;
    QPushButton *cmdClose;
    QMenu *mnuSearch;
    QAction *mnuIMDB;
    QAction *mnuDelete;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void cmbSelect_Click();
    void updateCommands();
    bool kind(People::Kind &k) const;

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    QStandardItemModel *m_model;
    QString m_personKind;
    int m_selectedPersonId = 0;
    int m_selectedRow = -1;
};

// Shows the actors and directors window, modeless; an open one is raised instead of a second one
// being made. It deletes itself when closed.
frmActDir *showActorsDirectors(AppContext &ctx, Catalogue &catalogue, QWidget *parent);
