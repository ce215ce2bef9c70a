#include "clsToolTip.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>

clsToolTip::clsToolTip(QObject *parent)
    : QObject(parent)
    , m_initial(new QTimer(this))
    , m_autoPop(new QTimer(this))
{
    m_initial->setSingleShot(true);
    m_autoPop->setSingleShot(true);
    connect(m_initial, &QTimer::timeout, this, &clsToolTip::showNow);
    connect(m_autoPop, &QTimer::timeout, this, [this] {
        if (m_window)
            m_window->hide();
    });
}

clsToolTip::~clsToolTip()
{
    Destroy();
}

void clsToolTip::Create(QWidget *owner)
{
    Destroy();
    if (!owner)
        return;
    m_owner = owner;
    auto *frame = new QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    frame->setObjectName(QStringLiteral("objToolTip"));
    frame->setAttribute(Qt::WA_ShowWithoutActivating);
    frame->setFrameShape(QFrame::Box);
    const QString radius = m_style == Balloon ? QStringLiteral("8px") : QStringLiteral("0px");
    frame->setStyleSheet(QStringLiteral("QFrame#objToolTip { background: palette(tooltip-base); color: palette(tooltip-text);"
                                        " border: 1px solid palette(dark); border-radius: %1; }"
                                        "QLabel { color: palette(tooltip-text); background: transparent; }")
                             .arg(radius));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(6);
    m_iconLabel = new QLabel(frame);
    m_titleLabel = new QLabel(frame);
    QFont bold = m_titleLabel->font();
    bold.setBold(true);
    m_titleLabel->setFont(bold);
    m_textLabel = new QLabel(frame);
    m_textLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setTextFormat(Qt::PlainText);
    grid->addWidget(m_iconLabel, 0, 0);
    grid->addWidget(m_titleLabel, 0, 1);
    grid->addWidget(m_textLabel, 1, 0, 1, 2);
    m_window = frame;
    updateTexts();
    owner->installEventFilter(this);
    m_initial->start(InitialDelayMs);
}

void clsToolTip::Destroy()
{
    m_initial->stop();
    m_autoPop->stop();
    if (m_owner)
        m_owner->removeEventFilter(this);
    m_owner = nullptr;
    delete m_window.data();
    m_window = nullptr;
    m_titleLabel = m_iconLabel = m_textLabel = nullptr;
}

void clsToolTip::setIcon(int value)
{
    m_icon = value;
    if (m_window && !m_title.isEmpty() && m_icon != NoIcon)
        updateTexts();
}

void clsToolTip::setTitle(const QString &value)
{
    m_title = value;
    if (m_window && !m_title.isEmpty() && m_icon != NoIcon)
        updateTexts();
}

void clsToolTip::setToolTip(const QString &value)
{
    m_text = value;
    if (m_window)
        updateTexts();
}

void clsToolTip::updateTexts()
{
    if (!m_window)
        return;
    QStyle::StandardPixmap pixmap = QStyle::SP_MessageBoxInformation;
    if (m_icon == WarningIcon)
        pixmap = QStyle::SP_MessageBoxWarning;
    else if (m_icon == ErrorIcon)
        pixmap = QStyle::SP_MessageBoxCritical;
    if (m_icon == NoIcon)
        m_iconLabel->clear();
    else
        m_iconLabel->setPixmap(QApplication::style()->standardIcon(pixmap).pixmap(16, 16));
    m_iconLabel->setVisible(m_icon != NoIcon && !m_title.isEmpty());
    m_titleLabel->setText(m_title);
    m_titleLabel->setVisible(!m_title.isEmpty());
    QString text = m_text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_textLabel->setText(text);
    m_window->adjustSize();
}

void clsToolTip::showNow()
{
    if (!m_window || !m_owner || !m_owner->isVisible())
        return;
    QPoint pos = QCursor::pos() + QPoint(12, 18);
    if (QScreen *screen = m_owner->screen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = m_window->sizeHint();
        pos.setX(qBound(area.left(), pos.x(), qMax(area.left(), area.right() - size.width())));
        if (pos.y() + size.height() > area.bottom())
            pos.setY(QCursor::pos().y() - size.height() - 4);
    }
    m_window->move(pos);
    m_window->show();
    m_autoPop->start(AutoPopMs);
}

bool clsToolTip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_owner && (event->type() == QEvent::Leave || event->type() == QEvent::Hide))
        Destroy();
    return QObject::eventFilter(watched, event);
}
