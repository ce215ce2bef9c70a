#include "StarRating.h"

#include "Contrast.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// What a screen reader sees of the stars: a slider from 0 to 7 whose value it can read and set.
class StarRatingAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit StarRatingAccessible(StarRating *stars) : QAccessibleWidget(stars, QAccessible::Slider) {}
    StarRating *stars() const { return static_cast<StarRating *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return stars()->ratingText();
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = StarRating::tr("User rating");
        return s;
    }
    QVariant currentValue() const override { return stars()->rating(); }
    void setCurrentValue(const QVariant &value) override { stars()->choose(value.toInt()); }
    QVariant maximumValue() const override { return StarRating::Stars; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface *starRatingAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("StarRating") && object && object->isWidgetType())
        return new StarRatingAccessible(static_cast<StarRating *>(object));
    return nullptr;
}

} // namespace

StarRating::StarRating(QWidget *parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(starRatingAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAccessibleDescription(tr("The arrow keys, + and -, Home and End or the digits 0 to %1 set the rating.").arg(Stars));
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
    const int old = m_rating;
    m_rating = std::clamp(rating, 0, Stars);
    update();
    if (old != m_rating && QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, m_rating);
        QAccessible::updateAccessibility(&changed);
    }
}

void StarRating::choose(int rating)
{
    emit fsCommand(QStringLiteral("rating"), QString::number(std::clamp(rating, 0, Stars) + 1));
}

QString StarRating::ratingText() const
{
    return tr("%1 of %2 stars").arg(m_rating).arg(Stars);
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
    // Number keys 0-7, the arrows, + and -, Home and End rate from the keyboard.
    int chosen = -1;
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_0 + Stars)
        chosen = key - Qt::Key_0;
    else if (key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Plus || key == Qt::Key_Equal)
        chosen = std::min(Stars, m_rating + 1);
    else if (key == Qt::Key_Left || key == Qt::Key_Down || key == Qt::Key_Minus)
        chosen = std::max(0, m_rating - 1);
    else if (key == Qt::Key_Home)
        chosen = 0;
    else if (key == Qt::Key_End)
        chosen = Stars;
    if (chosen < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    choose(chosen);
}
