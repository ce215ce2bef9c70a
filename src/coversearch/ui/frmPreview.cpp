#include "frmPreview.h"

#include "AppContext.h"
#include "WindowPlacement.h"
#include "WindowUtil.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
const QString Section = QStringLiteral("frmPreview");
const WindowPlacement Placement(Section);
constexpr int Margin = 8;
constexpr int Gap = 7;
}

frmPreview::frmPreview(AppContext &ctx, QWidget *owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr(" Preview Cover"));
    setSizeGripEnabled(false);

    fraPreview = new QGroupBox(tr("&Preview"), this);
    fraPreview->setObjectName(QStringLiteral("fraPreview"));
    picContainer = new QWidget(fraPreview);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->setFocusPolicy(Qt::ClickFocus);
    picContainer->setAutoFillBackground(true);
    picContainer->setBackgroundRole(QPalette::Dark);
    imgPreview = new QLabel(picContainer);
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    imgPreview->move(0, 0);
    vsbVScroll = new QScrollBar(Qt::Vertical, fraPreview);
    vsbVScroll->setObjectName(QStringLiteral("vsbVScroll"));
    hsbHScroll = new QScrollBar(Qt::Horizontal, fraPreview);
    hsbHScroll->setObjectName(QStringLiteral("hsbHScroll"));
    for (QScrollBar *bar : {vsbVScroll, hsbHScroll}) {
        bar->setRange(0, 0);
        bar->setSingleStep(100);
        bar->setPageStep(500);
        bar->setEnabled(false);
    }
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    cmdClose->setFixedSize(twipsToPixels(1095), twipsToPixels(375));

    // Dragging a thumb changes the value continuously, so one handler serves drags, clicks, keys
    // and the wheel.
    connect(vsbVScroll, &QScrollBar::valueChanged, this, [this](int v) { imgPreview->move(imgPreview->x(), -twipsToPixels(v)); });
    connect(hsbHScroll, &QScrollBar::valueChanged, this, [this](int v) { imgPreview->move(-twipsToPixels(v), imgPreview->y()); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    picContainer->installEventFilter(this);
    imgPreview->installEventFilter(this);

    setMinimumSize(designSize());
    resize(designSize());
    m_ctx.guard(QStringLiteral("frmPreview - Form_Load"), [this] {
        Placement.restore(*this, m_ctx.ini());
    });
    layoutControls();
}

void frmPreview::setPicture(const QImage &picture)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(1.0);
    imgPreview->setPixmap(pixmap);
    imgPreview->resize(pixmap.size());
    imgPreview->move(0, 0);
    vsbVScroll->setValue(0);
    hsbHScroll->setValue(0);
    CalculateDimensions();
}

void frmPreview::CalculateDimensions()
{
    m_ctx.guard(QStringLiteral("frmPreview - CalculateDimensions"), [this] {
        // A bar whose picture fits is only disabled: its range and value stay as they were.
        const int dy = imgPreview->height() - picContainer->height();
        vsbVScroll->setEnabled(dy >= 0);
        if (dy >= 0)
            vsbVScroll->setMaximum(pixelsToTwips(dy));
        const int dx = imgPreview->width() - picContainer->width();
        hsbHScroll->setEnabled(dx >= 0);
        if (dx >= 0)
            hsbHScroll->setMaximum(pixelsToTwips(dx));
    });
}

void frmPreview::layoutControls()
{
    const int w = width();
    const int h = height();
    const int barW = twipsToPixels(270);
    const int barH = twipsToPixels(255);
    cmdClose->move(w - cmdClose->width() - Margin, h - cmdClose->height() - Gap);
    fraPreview->setGeometry(Margin, Margin, qMax(0, w - 2 * Margin), qMax(0, cmdClose->y() - Gap - Margin));
    const int fw = fraPreview->width();
    const int fh = fraPreview->height();
    // Inside the frame: the viewport under the caption, the bars 7 pixels off its right and bottom
    // edges.
    picContainer->setGeometry(Margin, 2 * Margin, qMax(0, fw - 40), qMax(0, fh - 48));
    vsbVScroll->setGeometry(fw - barW - Gap, 2 * Margin, barW, picContainer->height());
    hsbHScroll->setGeometry(Margin, fh - barH - Margin, picContainer->width(), barH);
}

void frmPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutControls();
    CalculateDimensions();
}

bool frmPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && watched == picContainer) {
        auto *w = static_cast<QWheelEvent *>(event);
        // Some systems turn Shift+wheel into a horizontal turn; either way it is one step.
        const QPoint angle = w->angleDelta();
        wheel(angle.y() != 0 ? angle.y() : angle.x(), w->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched == imgPreview)
        picContainer->setFocus(Qt::MouseFocusReason);
    return QDialog::eventFilter(watched, event);
}

void frmPreview::wheel(int delta, bool shift)
{
    if (!isVisible())
        return;
    QScrollBar *bar = shift ? hsbHScroll : vsbVScroll;
    if (!bar->isEnabled())
        return;
    if (delta <= 0)
        bar->setValue(qMin(bar->value() + bar->singleStep(), bar->maximum()));
    else
        bar->setValue(qMax(bar->value() - bar->singleStep(), bar->minimum()));
}

void frmPreview::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmPreview::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_ctx.guard(QStringLiteral("frmPreview - Form_Unload"), [this] {
        Placement.save(*this, m_ctx.ini());
    });
}
