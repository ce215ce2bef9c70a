#include "frmMain.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "MovieListModel.h"
#include "WindowUtil.h"
#include "frmSplash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

frmMain::frmMain(AppContext &ctx, Catalogue &catalogue, QWidget *parent)
    : QMainWindow(parent), m_ctx(ctx), m_catalogue(catalogue)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Cinelog"));
    setMinimumSize(twipsToPixels(MinWidthTwips), twipsToPixels(MinHeightTwips));

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_model = new MovieListModel(this);
    lvMovies = new QTreeView(central);
    lvMovies->setObjectName(QStringLiteral("lvMovies"));
    lvMovies->setRootIsDecorated(false);
    lvMovies->setUniformRowHeights(true);
    lvMovies->setAllColumnsShowFocus(true);
    lvMovies->setModel(m_model);
    lvMovies->header()->setSectionsMovable(false);
    lblNumMovs = new QLabel(central);
    lblNumMovs->setObjectName(QStringLiteral("lblNumMovs"));
    layout->addWidget(lvMovies, 1);
    layout->addWidget(lblNumMovs);
    setCentralWidget(central);
}

frmMain::~frmMain() = default;

void frmMain::splashStep(const QString &text)
{
    if (frmSplash *s = frmSplash::instance())
        s->setDoingWhat(text);
}

void frmMain::Form_Load()
{
    // Each step may fail on its own: a settings value that is not a number is skipped and loading
    // goes on with the next step.
    m_currentMovieId = 0;
    m_selectedListIndex = 0;
    m_isNewMovie = false;
    m_isSaved = true;
    m_ctx.guard(QStringLiteral("frmMain Form_Load"), [this] {
        updateCaption();
        resize(twipsToPixels(13710), twipsToPixels(6105));
        splashStep(QStringLiteral("Adding Mediums..."));
        splashStep(QStringLiteral("Adding Formats..."));
        splashStep(QStringLiteral("Loading your Settings..."));
        if (m_ctx.ini().exists()) {
            int w = twipsToPixels(12045), h = twipsToPixels(9435);
            const QString ws = m_ctx.ReadINI(QStringLiteral("Reelbase"), QStringLiteral("Width"));
            const QString hs = m_ctx.ReadINI(QStringLiteral("Reelbase"), QStringLiteral("Height"));
            int px = 0;
            if (ws.isEmpty())
                resize(twipsToPixels(12045), height());
            else if (readTwips(m_ctx.ini(), QStringLiteral("Reelbase"), QStringLiteral("Width"), px))
                resize(px, height());
            if (hs.isEmpty())
                resize(width(), twipsToPixels(9435));
            else if (readTwips(m_ctx.ini(), QStringLiteral("Reelbase"), QStringLiteral("Height"), px))
                resize(width(), px);
            Q_UNUSED(w);
            Q_UNUSED(h);
            splashStep(QStringLiteral("Setting Column Widths..."));
            restoreColumnWidths(lvMovies->header(), m_ctx.ini(), QStringLiteral("Reelbase"));
        }
        // Centre on the screen.
        if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
            const QRect a = s->availableGeometry();
            move(a.left() + (a.width() - width()) / 2, a.top() + (a.height() - height()) / 2);
        }
        splashStep(QStringLiteral("Unloading the Splash Screen..."));
    });
}

void frmMain::updateCaption()
{
    const QString base = QStringLiteral("Cinelog ") + m_ctx.VersionText;
    if (m_catalogue.DBPath.isEmpty() || !m_catalogue.isOpen())
        setWindowTitle(base);
    else
        setWindowTitle(m_catalogue.DBPath + QStringLiteral(" | ") + base);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    m_ctx.guard(QStringLiteral("frmMain Form_Unload"), [this] {
        CheckSaved();
        IniFile &ini = m_ctx.ini();
        ini.beginBatch();
        if (!isMinimized()) {
            ini.write(QStringLiteral("Reelbase"), QStringLiteral("Width"), QString::number(pixelsToTwips(width())));
            ini.write(QStringLiteral("Reelbase"), QStringLiteral("Height"), QString::number(pixelsToTwips(height())));
        }
        storeColumnWidths(lvMovies->header(), ini, QStringLiteral("Reelbase"));
        ini.endBatch();
        m_catalogue.close();
    });
}

void frmMain::ListMovies(const QString &) {}
void frmMain::GetGenres() {}
void frmMain::GetDirectors() {}
void frmMain::GetActors() {}
void frmMain::GetRatings() {}
void frmMain::GetFormats() {}
void frmMain::GetMediums() {}
void frmMain::CheckSaved() {}
void frmMain::ShowMovieData() {}
void frmMain::showMovie(int movieId) { m_currentMovieId = movieId; }
void frmMain::reloadCover() {}
QString frmMain::currentTitle() const { return QString(); }
