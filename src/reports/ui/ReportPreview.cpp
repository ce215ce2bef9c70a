#include "ReportPreview.h"
#include "WindowPlacement.h"

#include "AppContext.h"
#include "ReportPainter.h"
#include "WindowUtil.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString Section = QStringLiteral("ReportPreview");
// 760 by 900 pixels on a 96 dpi screen.
const WindowPlacement Placement = WindowPlacement(Section, WindowPlacement::Size).withDefaultSize(QSize(11400, 13500));
// Grey around the page, as paper on a desk.
constexpr int PageMargin = 12;

struct ZoomChoice {
    ReportPreview::ZoomMode mode;
    int percent;
};
const ZoomChoice ZoomChoices[] = {
    {ReportPreview::ZoomMode::FitWidth, 0}, {ReportPreview::ZoomMode::FitPage, 0},
    {ReportPreview::ZoomMode::Percent, 50}, {ReportPreview::ZoomMode::Percent, 75},
    {ReportPreview::ZoomMode::Percent, 100}, {ReportPreview::ZoomMode::Percent, 125},
    {ReportPreview::ZoomMode::Percent, 150}, {ReportPreview::ZoomMode::Percent, 200},
};

} // namespace

// The current page, drawn from the preview's cache.
class ReportPageView : public QWidget
{
public:
    explicit ReportPageView(ReportPreview &preview) : m_preview(preview)
    {
        setObjectName(QStringLiteral("pageView"));
        setAccessibleName(ReportPreview::tr("Report page"));
    }

    void updateSize()
    {
        const QSize paper = m_preview.m_pages.pageSetup().paper;
        setFixedSize(int(paper.width() * m_preview.m_scale + 0.5), int(paper.height() * m_preview.m_scale + 0.5));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QImage &img = m_preview.image(m_preview.m_current);
        p.drawImage(rect(), img);
        p.setPen(QColor(0x60, 0x60, 0x60));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    ReportPreview &m_preview;
};

ReportPreview::ReportPreview(AppContext &ctx, report::PageSource &pages, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_pages(pages)
{
    setWindowTitle(pages.caption());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    auto toolButton = [this](const QString &name, QStyle::StandardPixmap icon, const QString &text) {
        auto *b = new QToolButton(this);
        b->setObjectName(name);
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(text);
        b->setAccessibleName(text);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::StrongFocus);
        return b;
    };
    btnFirst = toolButton(QStringLiteral("btnFirst"), QStyle::SP_MediaSkipBackward, tr("First page (Home)"));
    btnPrevious = toolButton(QStringLiteral("btnPrevious"), QStyle::SP_MediaSeekBackward, tr("Previous page (Page Up)"));
    btnNext = toolButton(QStringLiteral("btnNext"), QStyle::SP_MediaSeekForward, tr("Next page (Page Down)"));
    btnLast = toolButton(QStringLiteral("btnLast"), QStyle::SP_MediaSkipForward, tr("Last page (End)"));

    auto *lblPage = new QLabel(tr("&Page"), this);
    spnPage = new QSpinBox(this);
    spnPage->setObjectName(QStringLiteral("spnPage"));
    spnPage->setAccessibleName(tr("Page number"));
    spnPage->setRange(1, std::max(1, pages.pageCount()));
    spnPage->setKeyboardTracking(false);
    spnPage->setMinimumWidth(spnPage->fontMetrics().horizontalAdvance(QString::number(pages.pageCount())) + 48);
    lblPage->setBuddy(spnPage);
    lblPageCount = new QLabel(tr("of %1").arg(pages.pageCount()), this);
    lblPageCount->setObjectName(QStringLiteral("lblPageCount"));

    auto *lblZoom = new QLabel(tr("&Zoom"), this);
    cmbZoom = new QComboBox(this);
    cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    cmbZoom->setAccessibleName(tr("Zoom"));
    for (const ZoomChoice &z : ZoomChoices) {
        if (z.mode == ZoomMode::FitWidth)
            cmbZoom->addItem(tr("Fit width"));
        else if (z.mode == ZoomMode::FitPage)
            cmbZoom->addItem(tr("Fit page"));
        else
            cmbZoom->addItem(tr("%1%").arg(z.percent));
    }
    lblZoom->setBuddy(cmbZoom);

    btnPrint = new QPushButton(tr("P&rint..."), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    btnPrint->setAccessibleName(tr("Print"));
    btnPrint->setAutoDefault(false);
    btnSavePdf = new QPushButton(tr("&Save as PDF..."), this);
    btnSavePdf->setObjectName(QStringLiteral("btnSavePdf"));
    btnSavePdf->setAccessibleName(tr("Save as PDF"));
    btnSavePdf->setAutoDefault(false);
    btnClose = new QPushButton(tr("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAccessibleName(tr("Close"));
    btnClose->setAutoDefault(false);

    scrPage = new QScrollArea(this);
    scrPage->setObjectName(QStringLiteral("scrPage"));
    scrPage->setAccessibleName(tr("Report page"));
    scrPage->setAlignment(Qt::AlignCenter);
    scrPage->setBackgroundRole(QPalette::Dark);
    scrPage->setFocusPolicy(Qt::StrongFocus);
    // The page lies centred on a grey desk with a margin around it; the desk grows past the
    // viewport (and the scroll bars appear) when the page is larger.
    auto *desk = new QWidget;
    desk->setObjectName(QStringLiteral("desk"));
    desk->setBackgroundRole(QPalette::Dark);
    auto *deskLayout = new QVBoxLayout(desk);
    deskLayout->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
    m_view = new ReportPageView(*this);
    deskLayout->addWidget(m_view, 0, Qt::AlignCenter);
    scrPage->setWidget(desk);
    scrPage->setWidgetResizable(true);

    auto *bar = new QHBoxLayout;
    bar->setSpacing(4);
    bar->addWidget(btnFirst);
    bar->addWidget(btnPrevious);
    bar->addSpacing(4);
    bar->addWidget(lblPage);
    bar->addWidget(spnPage);
    bar->addWidget(lblPageCount);
    bar->addSpacing(4);
    bar->addWidget(btnNext);
    bar->addWidget(btnLast);
    bar->addSpacing(16);
    bar->addWidget(lblZoom);
    bar->addWidget(cmbZoom);
    bar->addStretch(1);
    bar->addWidget(btnPrint);
    bar->addWidget(btnSavePdf);
    bar->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(scrPage, 1);

    setTabOrder(btnFirst, btnPrevious);
    setTabOrder(btnPrevious, spnPage);
    setTabOrder(spnPage, btnNext);
    setTabOrder(btnNext, btnLast);
    setTabOrder(btnLast, cmbZoom);
    setTabOrder(cmbZoom, btnPrint);
    setTabOrder(btnPrint, btnSavePdf);
    setTabOrder(btnSavePdf, btnClose);
    setTabOrder(btnClose, scrPage);

    connect(btnFirst, &QToolButton::clicked, this, [this] { setCurrentPage(1); });
    connect(btnPrevious, &QToolButton::clicked, this, [this] { setCurrentPage(m_current - 1); });
    connect(btnNext, &QToolButton::clicked, this, [this] { setCurrentPage(m_current + 1); });
    connect(btnLast, &QToolButton::clicked, this, [this] { setCurrentPage(pageCount()); });
    connect(spnPage, &QSpinBox::valueChanged, this, [this](int n) { setCurrentPage(n); });
    connect(cmbZoom, &QComboBox::currentIndexChanged, this, &ReportPreview::zoomChosen);
    connect(btnPrint, &QPushButton::clicked, this, &ReportPreview::printRequested);
    connect(btnSavePdf, &QPushButton::clicked, this, &ReportPreview::saveRequested);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    const struct {
        QKeySequence key;
        std::function<void()> go;
    } keys[] = {
        {QKeySequence(Qt::Key_PageDown), [this] { setCurrentPage(m_current + 1); }},
        {QKeySequence(Qt::Key_PageUp), [this] { setCurrentPage(m_current - 1); }},
        {QKeySequence(Qt::Key_Home), [this] { setCurrentPage(1); }},
        {QKeySequence(Qt::Key_End), [this] { setCurrentPage(pageCount()); }},
        {QKeySequence(Qt::CTRL | Qt::Key_P), [this] { emit printRequested(); }},
    };
    for (const auto &k : keys) {
        auto *s = new QShortcut(k.key, this);
        connect(s, &QShortcut::activated, this, k.go);
    }

    // Set before the stored size so that a size too small to use is brought up to it.
    setMinimumSize(520, 360);
    Placement.restore(*this, m_ctx.ini());
    updateScale();
    updateControls();
}

ReportPreview::~ReportPreview() = default;

int ReportPreview::pageCount() const
{
    return std::max(1, m_pages.pageCount());
}

void ReportPreview::setCurrentPage(int number)
{
    number = std::clamp(number, 1, pageCount());
    if (number == m_current) {
        updateControls();
        return;
    }
    m_current = number;
    updateControls();
    scrPage->verticalScrollBar()->setValue(0);
    m_view->update();
}

void ReportPreview::setZoom(ZoomMode mode, int percent)
{
    m_zoomMode = mode;
    m_percent = std::clamp(percent, 10, 800);
    for (int i = 0; i < int(std::size(ZoomChoices)); ++i)
        if (ZoomChoices[i].mode == mode && (mode != ZoomMode::Percent || ZoomChoices[i].percent == m_percent)) {
            const QSignalBlocker block(cmbZoom);
            cmbZoom->setCurrentIndex(i);
        }
    updateScale();
}

void ReportPreview::zoomChosen(int index)
{
    if (index >= 0 && index < int(std::size(ZoomChoices)))
        setZoom(ZoomChoices[index].mode, ZoomChoices[index].percent);
}

void ReportPreview::updateScale()
{
    const QSize paper = m_pages.pageSetup().paper;
    if (paper.isEmpty())
        return;
    // Measured on the scroll area itself, not its viewport, whose size depends on the scroll bars
    // the last zoom needed. A page fitted to the width is taller than the window, so room is left
    // for the vertical scroll bar it will have.
    const int frame = 2 * scrPage->frameWidth() + 2 * PageMargin;
    const QSize room = scrPage->size() - QSize(frame, frame);
    const int bar = scrPage->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    double s = 0;
    switch (m_zoomMode) {
    case ZoomMode::FitWidth:
        s = double(std::max(room.width() - bar, 50)) / paper.width();
        break;
    case ZoomMode::FitPage:
        s = std::min(double(std::max(room.width(), 50)) / paper.width(), double(std::max(room.height(), 50)) / paper.height());
        break;
    case ZoomMode::Percent:
        s = m_percent / 100.0 * logicalDpiX() / report::TwipsPerInch;
        break;
    }
    if (s != m_scale) {
        m_scale = s;
        m_cache.clear();
    }
    m_view->updateSize();
}

void ReportPreview::updateControls()
{
    {
        const QSignalBlocker block(spnPage);
        spnPage->setValue(m_current);
    }
    btnFirst->setEnabled(m_current > 1);
    btnPrevious->setEnabled(m_current > 1);
    btnNext->setEnabled(m_current < pageCount());
    btnLast->setEnabled(m_current < pageCount());
}

const QImage &ReportPreview::image(int number)
{
    for (int i = 0; i < m_cache.size(); ++i)
        if (m_cache[i].first == number) {
            if (i > 0)
                m_cache.move(i, 0);
            return m_cache.first().second;
        }
    const double dpr = devicePixelRatioF();
    const QSize size = m_view->size() * dpr;
    QImage img(size.isEmpty() ? QSize(1, 1) : size, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::white);
    {
        const report::Page page = m_pages.page(number);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(m_scale, m_scale);
        report::paintPage(p, page);
    }
    m_cache.prepend({number, std::move(img)});
    while (m_cache.size() > CachedPages)
        m_cache.removeLast();
    return m_cache.first().second;
}

QList<int> ReportPreview::cachedPages() const
{
    QList<int> out;
    for (const auto &c : m_cache)
        out << c.first;
    return out;
}

QImage ReportPreview::currentImage()
{
    return image(m_current);
}

void ReportPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_zoomMode != ZoomMode::Percent)
        updateScale();
}

void ReportPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    updateScale();
    scrPage->setFocus();
}

void ReportPreview::done(int result)
{
    Placement.save(*this, m_ctx.ini());
    QDialog::done(result);
}
