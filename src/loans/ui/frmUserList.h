#pragma once

#include <QWidget>

class AppContext;
class Catalogue;
class CatalogueEvents;
class QAction;
class QComboBox;
class QMenu;
class QPushButton;
class QStandardItemModel;
class QTreeView;

// Shows the user lists, removes entries, lends a listed movie to the list's person.
class frmUserList : public QWidget
{
    Q_OBJECT
public:
    frmUserList(AppContext &ctx, Catalogue &catalogue, CatalogueEvents &events, QWidget *parent = nullptr);

    // Fills the list names; with none, tells the user so. Called once by the opener.
    void Form_Load();
    void cmbUserList_Click();
    // Lends the selected entry's movie to the list's person.
    void mnuLoanTo_Click();

    int SelectedListMovieID() const { return m_selectedMovieId; }

    QComboBox *cmbUserList;
    QTreeView *lvMovies;
    QPushButton *cmdDelete;
    QPushButton *cmdPrintList;
    QPushButton *cmdClose;
    QMenu *mnuHidden;
    QAction *mnuLoanTo;

signals:
    // Print List: the report of the list named listName. Without a receiver the button says
    // printing is not available.
    void printRequested(const QString &listName);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdDelete_Click();
    void cmdPrintList_Click();
    void selectRow(int row);
    void updateCommands();

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    CatalogueEvents &m_events;
    QStandardItemModel *m_model;
    int m_selectedMovieId = 0;
    int m_selectedRow = -1;
};
