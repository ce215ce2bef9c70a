#include "frmCoverSearch.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CoverFileName.h"
#include "CoverPictures.h"
#include "CatalogueEvents.h"
#include "EditedMovie.h"
#include "PictureDownloader.h"
#include "ThumbnailTip.h"
#include "Setting.h"
#include "TmdbCoversInterface.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"
#include "clsToolTip.h"
#include "frmPreview.h"
#include "frmProgress.h"
#include "frmSplash.h"

#include "KeyboardOrder.h"
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

const QString Name = QStringLiteral("frmCoverSearch");
const QString SettingsSection = QStringLiteral("CoverSearch");
const WindowPlacement Placement(Name);
// Where the cover services are reached, when not at their usual addresses (a local test server).
const Setting<QString> CoverfetchAddress(SettingsSection, QStringLiteral("BaseAddress"));
const Setting<QString> TmdbAddress(SettingsSection, QStringLiteral("TMDbBaseAddress"));
const Setting<QString> TmdbImageAddress(SettingsSection, QStringLiteral("TMDbImageBaseAddress"));
// How long one request may take, in milliseconds.
const Setting<int> RequestTimeoutMs(SettingsSection, QStringLiteral("TimeoutMs"), 30000, 1);
constexpr qint64 MaxThumbnailBytes = 2 * 1024 * 1024;

QString label(const char *handler)
{
    return Name + QStringLiteral(" - ") + QLatin1String(handler);
}

bool decodePicture(const QByteArray &bytes, QImage &out)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(256);
    return reader.read(&out) && !out.isNull();
}

QIcon thumbnailIcon(const QImage &picture)
{
    const int side = frmCoverSearch::ThumbnailSize;
    QImage canvas(side, side, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    const QImage scaled = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&canvas);
    p.drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
    p.end();
    return QIcon(QPixmap::fromImage(canvas));
}

} // namespace

frmCoverSearch::frmCoverSearch(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                               CoverfetchCoreFactory &factory, QWidget *parent)
    : frmCoverSearch(ctx, catalogue, edited, events, factory.createClsMain(), CoverSource::CoverfetchCore, parent)
{
}

frmCoverSearch::frmCoverSearch(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                               std::unique_ptr<clsMain> core, CoverSource source, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , objCVFCore(std::move(core))
    , objToolTip(new clsToolTip(this))
    , m_ctx(ctx)
    , m_catalogue(catalogue)
    , m_edited(edited)
    , m_events(events)
    , m_source(source)
{
    setObjectName(Name);
    setWindowTitle(tr(" Cover Search"));

    imlThumbnails = new QStandardItemModel(this);
    imlThumbnails->setObjectName(QStringLiteral("imlThumbnails"));
    lvwThumbnails = new QListView(this);
    lvwThumbnails->setObjectName(QStringLiteral("lvwThumbnails"));
    lvwThumbnails->setModel(imlThumbnails);
    lvwThumbnails->setViewMode(QListView::IconMode);
    lvwThumbnails->setIconSize(QSize(ThumbnailSize, ThumbnailSize));
    lvwThumbnails->setGridSize(QSize(ThumbnailSize + 16, ThumbnailSize + 16));
    lvwThumbnails->setMovement(QListView::Static);
    lvwThumbnails->setResizeMode(QListView::Adjust);
    lvwThumbnails->setUniformItemSizes(true);
    lvwThumbnails->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwThumbnails->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwThumbnails->setMouseTracking(true);
    lvwThumbnails->viewport()->installEventFilter(this);

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdNewSearch = new QPushButton(tr("New Search"), this);
    cmdNewSearch->setObjectName(QStringLiteral("cmdNewSearch"));
    cmdPreview = new QPushButton(tr("&Preview"), this);
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    cmdSave = new QPushButton(tr("&Use Selected"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    for (QPushButton *b : {cmdClose, cmdNewSearch, cmdPreview, cmdSave})
        b->setMinimumWidth(twipsToPixels(1095));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdClose);
    buttons->addWidget(cmdNewSearch);
    buttons->addStretch();
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdSave);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(lvwThumbnails, 1);
    layout->addLayout(buttons);

    // The window offers "About" on its context menu (a tool window has no system menu).
    auto *about = new QAction(tr("&About"), this);
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] {
        const QString finds = m_source == CoverSource::Tmdb
            ? tr("Finds cover pictures with The Movie Database (TMDb).") + QLatin1Char('\r') + QCoreApplication::translate("frmSplash", frmSplash::TmdbAttribution)
            : tr("Finds cover pictures with the CoverfetchCore plug-in.");
        m_ctx.prompts().information(tr("Cinelog Cover Search") + QLatin1Char('\r') + m_ctx.VersionText
                                        + QLatin1Char('\r') + finds,
                                    tr("About Cover Search"));
    });
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // Keyboard and screen readers.
    lvwThumbnails->setAccessibleName(tr("Covers found"));
    KeyboardOrder::closeOnEscape(this);
    KeyboardOrder::prepare(this);

    m_progress = new frmProgress(this);
    connect(m_progress, &frmProgress::cancelled, this, &frmCoverSearch::cmdCancel_Click);

    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdNewSearch, &QPushButton::clicked, this, &frmCoverSearch::cmdNewSearch_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmCoverSearch::cmdPreview_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmCoverSearch::cmdSave_Click);
    connect(lvwThumbnails, &QListView::doubleClicked, this, &frmCoverSearch::cmdPreview_Click);

    setMinimumSize(twipsToPixels(6150), twipsToPixels(4575));
    resize(560, 430);

    objCVFCore->setEventSink(this);

    m_ctx.guard(label("Form_Load"), [this] {
        Placement.restore(*this, m_ctx.ini());

        const QString base = (m_source == CoverSource::Tmdb ? TmdbAddress : CoverfetchAddress).read(m_ctx.ini());
        if (!base.isEmpty())
            objCVFCore->setBaseAddress(QUrl(base, QUrl::StrictMode));
        m_timeoutMs = RequestTimeoutMs.read(m_ctx.ini());
        objCVFCore->setTimeout(m_timeoutMs);
    });
}

frmCoverSearch::~frmCoverSearch()
{
    endBusyCursor();
    if (objCVFCore)
        objCVFCore->setEventSink(nullptr);
}

bool frmCoverSearch::belongsTo(const AppContext &ctx, const Catalogue &catalogue, const EditedMovie &edited) const
{
    return &ctx == &m_ctx && &catalogue == &m_catalogue && &edited == &m_edited;
}

QStringList frmCoverSearch::keys() const
{
    QStringList out;
    for (int r = 0; r < imlThumbnails->rowCount(); ++r)
        out << imlThumbnails->item(r)->data(KeyRole).toString();
    return out;
}

std::unique_ptr<PictureDownloader> frmCoverSearch::newDownloader(qint64 maxBytes) const
{
    auto dl = std::make_unique<PictureDownloader>();
    dl->setTimeout(m_timeoutMs);
    dl->setMaxBytes(maxBytes);
    return dl;
}

// ---------------------------------------------------------------------------------------------
// Searching

void frmCoverSearch::Query(const QString &keywords, const QString &domain, const QString &mediaType, int pages)
{
    if (m_searching)
        return;
    QString words = keywords;
    QString market = domain;
    QString media = mediaType;
    int pageCount = pages;
    Prompts &prompts = m_ctx.prompts();
    m_ctx.guard(QStringLiteral("Query"), [&] {
        for (;;) {
            if (words.isEmpty()) {
                prompts.warning(tr("You did not enter any keywords for the query. Please rectify this problem and try again."),
                                tr("Warning"));
                return;
            }
            if (market.isEmpty()) {
                prompts.warning(tr("You did not select an AWS server for the query. Please rectify this problem and try again."),
                                tr("Warning"));
                return;
            }
            if (media.isEmpty()) {
                prompts.warning(tr("You did not enter a media type for the query. Please rectify this problem and try again."),
                                tr("Warning"));
                return;
            }
            // The TMDb key is read afresh, so a key entered in the options while the window is open counts.
            const QString credential =
                m_source == CoverSource::Tmdb ? CoverSourceSettings::tmdbKey(m_ctx) : Coverfetch::DefaultSubscriptionID;
            if (credential.isEmpty()) {
                prompts.warning(tr("The cover source is The Movie Database (TMDb), but no TMDb API key is set. "
                                   "Enter your key in the Options window and try again."),
                                tr("Warning"));
                return;
            }
            m_searching = true;
            m_closedWhileSearching = false;
            qint32 status = 0;
            try {
                status = objCVFCore->Query(words, credential, market, media, pageCount);
            } catch (...) {
                m_searching = false;
                throw;
            }
            m_searching = false;
            if (status == 200 || status == 600 || m_closedWhileSearching)
                return;
            // Only a search the server answered with no match found no covers; a server that could
            // not be reached or answered with an error is said to have failed, and why.
            const Coverfetch::AWSError serviceError = objCVFCore->AWSError();
            const bool nothingMatched =
                status == 406 || (status == 402 && serviceError.strCode.endsWith(QLatin1String("NoExactMatches")));
            if (!nothingMatched) {
                QString why = objCVFCore->StatusCodeDescription(status);
                if (!serviceError.strMessage.isEmpty())
                    why += QLatin1Char(' ') + serviceError.strMessage;
                prompts.warning(tr("The search for covers of %1 did not work: the cover server could not be reached or "
                                   "did not answer as expected (%2).\r\rCheck your internet connection and the cover "
                                   "source in the Options window, then search again.")
                                    .arg(words, why),
                                tr("Cover Search Failed"));
                return;
            }
            if (!prompts.question(tr("Couldn't find any covers for %1.\r\rDo you want to enter a new title to search by?")
                                      .arg(m_edited.title()),
                                  tr("No Covers Found"), Prompts::Icon::Question)) {
                close();
                return;
            }
            words = prompts.inputText(tr("Enter a new Movie Title to search for:"), tr("Cover Search"),
                                      m_edited.title())
                        .value_or(QString());
            market = Coverfetch::DefaultLocaleURL;
            media = QStringLiteral("DVD");
            pageCount = m_ctx.CoverPagesLimit;
        }
    });
}

void frmCoverSearch::WorkStarted()
{
    m_ctx.guard(label("objCVFCore_WorkStarted"), [this] {
        DisableControls();
        if (!m_busyCursor) {
            QApplication::setOverrideCursor(Qt::BusyCursor);
            m_busyCursor = true;
        }
        lngCancel = 0;
        m_blnDataAvailable = false;
        objToolTip->Destroy();
        m_lngHoverItem = 0;
        imlThumbnails->clear();
        m_progress->setMarquee(true);
        m_progress->show();
    });
}

void frmCoverSearch::ProgressDataAvailable()
{
    m_ctx.guard(label("objCVFCore_ProgressDataAvailable"), [this] {
        m_blnDataAvailable = true;
        m_progress->setMarquee(false);
    });
}

void frmCoverSearch::Progress(qint32 lngCurrentPage, qint32 lngTotalNumberOfPages)
{
    m_ctx.guard(label("objCVFCore_Progress"), [&] {
        if (m_blnDataAvailable && lngTotalNumberOfPages > 0)
            m_progress->pgbProgress->setValue(int(qint64(lngCurrentPage) * 50 / lngTotalNumberOfPages));
    });
}

void frmCoverSearch::Done(qint32 lngStatusCode)
{
    m_ctx.guard(label("objCVFCore_Done"), [&] {
        if (lngStatusCode == 200)
            loadThumbnails();
    });
    endBusyCursor();
    m_ctx.guard(label("EnableControls"), [this] { EnableControls(); });
    m_progress->hide();
}

void frmCoverSearch::loadThumbnails()
{
    const qint32 count = objCVFCore->Item(0).lngLargeImageHeight;
    if (count <= 0)
        return;
    std::unique_ptr<PictureDownloader> downloader = newDownloader(MaxThumbnailBytes);
    m_thumbnails = downloader.get();
    qint32 processed = 0;
    QString firstFailure;
    bool failed = false;
    auto step = [&] {
        ++processed;
        m_progress->pgbProgress->setValue(int(qint64(processed) * 50 / count) + 50);
    };
    connect(downloader.get(), &PictureDownloader::finished, this, [&](const PictureDownloader::Result &result) {
        step();
        QImage picture;
        if (result.ok() && decodePicture(result.bytes, picture)) {
            addThumbnail(result.id, picture);
        } else {
            failed = true;
            if (firstFailure.isEmpty())
                firstFailure = result.url.toString();
        }
    });
    for (qint32 n = 1; n <= count; ++n) {
        const QString url = objCVFCore->Item(n).strSmallImageURL;
        if (url.isEmpty())
            step();
        else
            downloader->enqueue(n, QUrl(url, QUrl::TolerantMode));
    }
    downloader->waitForAll();
    m_thumbnails = nullptr;
    if (failed) {
        // One message for the first picture that failed, however many did, then the summary.
        m_ctx.prompts().message(tr("Failed to load the thumbnail \"%1\".").arg(firstFailure), tr("Cinelog"),
                                Prompts::Icon::None);
        m_ctx.prompts().warning(tr("Some thumbnails could not be downloaded successfully and were therefore ignored."),
                                tr("Warning"));
    }
}

void frmCoverSearch::addThumbnail(int slot, const QImage &picture)
{
    auto *item = new QStandardItem(thumbnailIcon(picture), QString());
    item->setData(keyOfSlot(slot), KeyRole);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    // Pictures arrive in any order; the list keeps the results' order.
    int row = imlThumbnails->rowCount();
    while (row > 0 && slotOfKey(imlThumbnails->item(row - 1)->data(KeyRole).toString()) > slot)
        --row;
    imlThumbnails->insertRow(row, item);
    emit thumbnailAdded(slot);
}

void frmCoverSearch::cmdCancel_Click()
{
    m_ctx.guard(QStringLiteral("frmProgress - cmdCancel_Click"), [this] {
        objCVFCore->Cancel();
        lngCancel = 1;
        if (m_thumbnails)
            m_thumbnails->abort();
    });
}

void frmCoverSearch::endBusyCursor()
{
    if (m_busyCursor) {
        QApplication::restoreOverrideCursor();
        m_busyCursor = false;
    }
}

void frmCoverSearch::DisableControls()
{
    m_ctx.guard(label("DisableControls"), [this] {
        for (QWidget *w : {static_cast<QWidget *>(lvwThumbnails), static_cast<QWidget *>(cmdClose),
                           static_cast<QWidget *>(cmdNewSearch), static_cast<QWidget *>(cmdPreview), static_cast<QWidget *>(cmdSave)})
            w->setEnabled(false);
    });
}

void frmCoverSearch::EnableControls()
{
    for (QWidget *w : {static_cast<QWidget *>(lvwThumbnails), static_cast<QWidget *>(cmdClose),
                       static_cast<QWidget *>(cmdNewSearch), static_cast<QWidget *>(cmdPreview), static_cast<QWidget *>(cmdSave)})
        w->setEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// Commands

int frmCoverSearch::selectedSlot() const
{
    const QModelIndexList selected = lvwThumbnails->selectionModel()->selectedIndexes();
    if (imlThumbnails->rowCount() == 0 || selected.isEmpty())
        return 0;
    return slotOfKey(selected.first().data(KeyRole).toString());
}

void frmCoverSearch::cmdNewSearch_Click()
{
    QString title;
    if (!m_ctx.guard(label("cmdNewSearch_Click"), [&] {
            title = m_ctx.prompts().inputText(tr("Enter a Movie title to search for:"), tr("Cover Search")).value_or(QString());
        }))
        return;
    if (!title.isEmpty())
        Query(title, Coverfetch::DefaultLocaleURL, QStringLiteral("DVD"), m_ctx.CoverPagesLimit);
}

QImage frmCoverSearch::DownloadImage(const QString &url)
{
    QImage picture;
    m_ctx.guard(QStringLiteral("DownloadImage"), [&] {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        const PictureDownloader::Result result = newDownloader(CoverPictures::MaxCoverBytes)->fetch(QUrl(url, QUrl::TolerantMode));
        QApplication::restoreOverrideCursor();
        if (!result.ok() || !decodePicture(result.bytes, picture)) {
            picture = QImage();
            m_ctx.prompts().message(tr("Failed to load the thumbnail \"%1\".").arg(url), tr("Cinelog"), Prompts::Icon::None);
        }
    });
    return picture;
}

void frmCoverSearch::cmdPreview_Click()
{
    m_ctx.guard(label("cmdPreview_Click"), [this] {
        const int slot = selectedSlot();
        if (slot == 0)
            return;
        const Coverfetch::AWSItem item = objCVFCore->Item(slot);
        const QImage picture = DownloadImage(item.strLargeImageURL);
        if (picture.isNull()) {
            m_ctx.prompts().critical(tr("An unknown error occurred while attempting to load the desired image."), tr("Error"));
            return;
        }
        objToolTip->Destroy();
        frmPreview preview(m_ctx, this);
        preview.setPicture(picture);
        preview.fraPreview->setTitle(tr("&Preview (%1x%2)").arg(item.lngLargeImageWidth).arg(item.lngLargeImageHeight));
        preview.exec();
    });
}

void frmCoverSearch::cmdSave_Click()
{
    m_ctx.guard(label("cmdSave_Click"), [this] {
        const int slot = selectedSlot();
        if (slot == 0)
            return;
        const int movieId = m_edited.id();
        const QString url = objCVFCore->Item(slot).strLargeImageURL;
        QApplication::setOverrideCursor(Qt::BusyCursor);
        const PictureDownloader::Result result = newDownloader(CoverPictures::MaxCoverBytes)->fetch(QUrl(url, QUrl::TolerantMode));
        QApplication::restoreOverrideCursor();
        QImage check;
        if (!result.ok() || !decodePicture(result.bytes, check)) {
            // Storing nothing without a word would look like success.
            m_ctx.prompts().warning(tr("The cover could not be downloaded from \"%1\": %2")
                                        .arg(url, result.ok() ? tr("the reply is not a picture.") : result.error),
                                    tr("Warning"));
            return;
        }
        // A private folder of our own, removed with everything in it when done.
        QTemporaryDir folder;
        if (!folder.isValid())
            throw CinelogError(75, logged("frmCoverSearch", "Path/File access error: %1").arg(folder.errorString()));
        QFile file(folder.filePath(coverFileName(m_edited.title())));
        if (!file.open(QIODevice::WriteOnly)) {
            // A title too long for a file name still gets its cover.
            file.setFileName(folder.filePath(QStringLiteral("cover.jpg")));
            if (!file.open(QIODevice::WriteOnly))
                throw CinelogError(75, logged("frmCoverSearch", "Path/File access error: %1").arg(file.errorString()));
        }
        if (file.write(result.bytes) != result.bytes.size() || !file.flush())
            throw CinelogError(75, logged("frmCoverSearch", "Path/File access error: %1").arg(file.errorString()));
        file.close();
        CoverPictures(m_catalogue, m_ctx).SavePictureToDB(movieId, file.fileName());
        emit m_events.coverChanged(movieId);
    });
    close();
}

// ---------------------------------------------------------------------------------------------
// Tooltip, closing

bool frmCoverSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lvwThumbnails->viewport()) {
        if (event->type() == QEvent::MouseMove)
            lvwThumbnails_MouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
        else if (event->type() == QEvent::Leave)
            m_lngHoverItem = 0;
    }
    return QWidget::eventFilter(watched, event);
}

void frmCoverSearch::lvwThumbnails_MouseMove(const QPoint &pos)
{
    m_ctx.guard(label("lvwThumbnails_MouseMove"), [&] {
        const QModelIndex index = lvwThumbnails->indexAt(pos);
        const int hover = index.isValid() ? index.row() + 1 : 0;
        if (hover == m_lngHoverItem)
            return;
        m_lngHoverItem = hover;
        if (hover == 0) {
            objToolTip->Destroy();
            return;
        }
        const QString key = index.data(KeyRole).toString();
        const Coverfetch::AWSItem item = objCVFCore->Item(slotOfKey(key));
        objToolTip->setStyle(clsToolTip::Balloon);
        objToolTip->setTitle(thumbnailTipTitle(key, item));
        objToolTip->setToolTip(thumbnailTipText(item));
        objToolTip->Create(lvwThumbnails->viewport());
    }, false);
}

void frmCoverSearch::closeEvent(QCloseEvent *event)
{
    // Closing while a search runs ends the search; the query returns after this handler.
    if (m_searching) {
        m_closedWhileSearching = true;
        lngCancel = 1;
        objCVFCore->Cancel();
        if (m_thumbnails)
            m_thumbnails->abort();
        m_progress->hide();
    }
    objToolTip->Destroy();
    m_lngHoverItem = 0;
    Form_Unload();
    event->accept();
}

void frmCoverSearch::Form_Unload()
{
    m_ctx.guard(label("Form_Unload"), [this] {
        Placement.save(*this, m_ctx.ini());
    });
}

// ---------------------------------------------------------------------------------------------

frmCoverSearch *showCoverSearch(AppContext &ctx, Catalogue &catalogue, EditedMovie &edited, CatalogueEvents &events,
                                const QStringList &pluginFolders, const QString &title, QWidget *parent)
{
    static QPointer<frmCoverSearch> instance;
    if (instance && instance->isSearching()) {
        instance->raise();
        instance->activateWindow();
        return instance;
    }
    const CoverSource source = CoverSourceSettings::source(ctx);
    if (instance && (!instance->belongsTo(ctx, catalogue, edited) || instance->source() != source))
        delete instance.data();
    if (!instance) {
        std::unique_ptr<clsMain> core;
        QStringList reasons;
        for (const QString &folder : pluginFolders) {
            QString why;
            if (source == CoverSource::Tmdb) {
                if (TmdbCoversFactory *factory = Tmdb::findTmdbCovers(folder, &why)) {
                    const QString images = TmdbImageAddress.read(ctx.ini());
                    core = factory->createTmdbMain(images.isEmpty() ? QUrl() : QUrl(images, QUrl::StrictMode));
                }
            } else if (CoverfetchCoreFactory *factory = Coverfetch::findCoverfetchCore(folder, &why)) {
                core = factory->createClsMain();
            }
            if (core)
                break;
            reasons << why;
        }
        if (!core) {
            if (reasons.isEmpty())
                reasons << frmCoverSearch::tr("No plug-in folder was given.");
            const QString plugin = source == CoverSource::Tmdb ? QStringLiteral("TMDbCovers") : QStringLiteral("CoverfetchCore");
            ctx.prompts().message(frmCoverSearch::tr("The cover search is not available: its plug-in, %1, could not be loaded.")
                                          .arg(plugin)
                                      + QStringLiteral("\r\r") + reasons.join(QLatin1Char('\r')),
                                  frmCoverSearch::tr("Cover Search"), Prompts::Icon::Critical);
            return nullptr;
        }
        instance = new frmCoverSearch(ctx, catalogue, edited, events, std::move(core), source, parent);
    }
    instance->show();
    instance->raise();
    instance->activateWindow();
    instance->Query(title, Coverfetch::DefaultLocaleURL, QStringLiteral("DVD"), MenuCoverPages);
    return instance;
}
