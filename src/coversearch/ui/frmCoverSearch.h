#pragma once

#include "CoverSource.h"
#include "CoverfetchInterface.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

class AppContext;
class Catalogue;
class CatalogueEvents;
class EditedMovie;
class PictureDownloader;
class QListView;
class QPushButton;
class QStandardItemModel;
class clsToolTip;
class frmProgress;

// The cover search window: searches the product web service for a title through the CoverfetchCore
// plugin, shows the small pictures of the results as thumbnails, previews a result's large picture
// and stores it as the current movie's cover.
//
// Settings: section "frmCoverSearch" keeps the window's place and size (twips). Section
// "CoverSearch": "BaseAddress" replaces the service's address (scheme, host, port; empty for the
// marketplace's own), "TimeoutMs" limits the wait for one page or picture (default 30000); the TMDb
// source reads its own keys (see CoverSource.h).
class frmCoverSearch : public QWidget, private clsMainEvents
{
    Q_OBJECT

public:
    frmCoverSearch(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                   CoverfetchCoreFactory &factory, QWidget *parent = nullptr);
    // A window searching with core, an object of the given source's plugin.
    frmCoverSearch(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                   std::unique_ptr<clsMain> core, CoverSource source, QWidget *parent = nullptr);
    ~frmCoverSearch() override;

    // Runs a whole search for keywords (with its messages and the offer to search for another
    // title) and returns when it is over. Does nothing while a search is already running.
    void Query(const QString &keywords, const QString &domain, const QString &mediaType, int pages);
    bool isSearching() const { return m_searching; }
    CoverSource source() const { return m_source; }

    bool belongsTo(const AppContext &ctx, const Catalogue &catalogue, const EditedMovie &edited) const;

    // The thumbnails' keys ("Result #n"), in the order shown.
    QStringList keys() const;
    static constexpr int KeyRole = Qt::UserRole + 1;

    // Loads the picture at url; on failure tells the user and gives a null image.
    QImage DownloadImage(const QString &url);

    std::unique_ptr<clsMain> objCVFCore;
    clsToolTip *objToolTip;
    int lngCancel = 0;

    QListView *lvwThumbnails;
    QStandardItemModel *imlThumbnails;
    QPushButton *cmdClose;
    QPushButton *cmdNewSearch;
    QPushButton *cmdPreview;
    QPushButton *cmdSave;
    frmProgress *progressWindow() const { return m_progress; }

    static constexpr int ThumbnailSize = 64;

signals:
    // A thumbnail was added to the list (slot number n of its key).
    void thumbnailAdded(int slot);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void WorkStarted() override;
    void ProgressDataAvailable() override;
    void Progress(qint32 lngCurrentPage, qint32 lngTotalNumberOfPages) override;
    void Done(qint32 lngStatusCode) override;

    void cmdNewSearch_Click();
    void cmdPreview_Click();
    void cmdSave_Click();
    void cmdCancel_Click();
    void lvwThumbnails_MouseMove(const QPoint &pos);
    void DisableControls();
    void EnableControls();
    void Form_Unload();

    void loadThumbnails();
    void addThumbnail(int slot, const QImage &picture);
    int selectedSlot() const;
    void endBusyCursor();
    std::unique_ptr<PictureDownloader> newDownloader(qint64 maxBytes) const;

    AppContext &m_ctx;
    Catalogue &m_catalogue;
    EditedMovie &m_edited;
    CatalogueEvents &m_events;
    CoverSource m_source;
    frmProgress *m_progress;
    PictureDownloader *m_thumbnails = nullptr;
    bool m_searching = false;
    bool m_closedWhileSearching = false;
    bool m_blnDataAvailable = false;
    bool m_busyCursor = false;
    int m_lngHoverItem = 0;
    int m_timeoutMs = 30000;
};

// Pages fetched by the main window's "Search for Covers" command.
inline constexpr int MenuCoverPages = 25;

// Shows the cover search window (one for the program, modeless) and searches for title in the US
// marketplace's DVDs, MenuCoverPages pages, with the cover source chosen in the options (a window
// of another source is replaced). The source's plugin is looked for in each of pluginFolders in
// turn; when it cannot be found the user is told and nullptr comes back. While a search runs, a
// second call only brings the window to the front.
frmCoverSearch *showCoverSearch(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                                const QStringList &pluginFolders, const QString &title, QWidget *parent);
