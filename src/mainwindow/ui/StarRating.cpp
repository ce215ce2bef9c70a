#include "StarRating.h"

#include "Contrast.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

StarRating::StarRating(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Click a star to rate the movie; click left of the first star for none."));
}

QSize StarRating::sizeHint() const
{
    return {Stars * 22 + 8, 24};
}

int StarRating::starSize() const
{
    return std::max(8, std::min(height() - 2, (width() - 8) / Stars));
}

void StarRating::setRating(int rating)
{
    m_rating = std::clamp(rating, 0, Stars);
    update();
}

int StarRating::ratingAt(int x) const
{
    const int s = starSize();
    const int left = 4;
    if (x < left + s / 2)
        return 0;
    return std::clamp((x - left) / s + 1, 1, Stars);
}

QColor StarRating::starColour() const
{
    // Gold, darkened on a light colour scheme until it stands out from the window behind it.
    return Contrast::readable(QColor(0xff, 0xc8, 0x00), {palette().color(QPalette::Window)});
}

void StarRating::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int s = starSize();
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 0.5 : 0.2;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(0.5 + r * std::cos(a), 0.55 + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    const QColor colour = starColour();
    for (int i = 0; i < Stars; ++i) {
        p.save();
        p.translate(4 + i * s, (height() - s) / 2.0);
        p.scale(s, s);
        // Rated stars are filled, the others drawn as outlines, in the one colour.
        p.setPen(QPen(colour, 1.5 / s));
        p.setBrush(i < m_rating ? QBrush(colour) : QBrush(Qt::NoBrush));
        p.drawPath(star);
        p.restore();
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void StarRating::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit fsCommand(QStringLiteral("rating"), QString::number(ratingAt(int(event->position().x())) + 1));
}

void StarRating::keyPressEvent(QKeyEvent *event)
{
    // Number keys 0-7 and the arrows rate from the keyboard.
    int chosen = -1;
    if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_7)
        chosen = event->key() - Qt::Key_0;
    else if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Up)
        chosen = std::min(Stars, m_rating + 1);
    else if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Down)
        chosen = std::max(0, m_rating - 1);
    if (chosen < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit fsCommand(QStringLiteral("rating"), QString::number(chosen + 1));
}
