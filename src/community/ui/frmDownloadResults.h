#pragma once

#include "CommunitySearch.h"

#include <QWidget>
#include <memory>

class AppContext;
class Catalogue;
class CommunityConnection;
class CatalogueEvents;
class EditedMovie;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Community records matching the title in the main window's editor. "Get Movie Info" copies the
// chosen record into the movie the main window shows.
class frmDownloadResults : public QWidget
{
    Q_OBJECT
public:
    frmDownloadResults(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                       QWidget *parent = nullptr);
    ~frmDownloadResults() override;

    QTreeWidget *lvResults;
    QPushButton *cmdGetMovie;
    QPushButton *cmdClose;

    // Places and shows the window, connects and searches for the editor's title.
    void Form_Load();
    void myDBConn();
    void SearchMovies();
    void lvResults_Click();
    void cmdGetMovie_Click();
    void cmdClose_Click();
    void Form_Unload();

    int selectedId() const { return m_selectedId; }
    bool isConnected() const { return m_remote != nullptr; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_ctx;
    Catalogue &m_catalogue;
    EditedMovie &m_edited;
    CatalogueEvents &m_events;
    std::unique_ptr<CommunityConnection> m_remote;
    int m_selectedId = 0;
    bool m_unloaded = false;
};
