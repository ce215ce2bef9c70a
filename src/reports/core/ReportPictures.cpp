#include "ReportPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace report::pictures {

namespace {

QImage blank(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QPolygonF starShape(double size)
{
    QPolygonF p;
    const double c = size / 2, outer = size * 0.48, inner = outer * 0.42;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2) ? inner : outer;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        p << QPointF(c + r * std::cos(a), c + 0.04 * size + r * std::sin(a));
    }
    return p;
}

QImage star(bool filled)
{
    constexpr int Size = 96;
    QImage img = blank(Size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(filled ? QBrush(QColor(0xf5, 0xb3, 0x01)) : QBrush(Qt::white));
    p.drawPolygon(starShape(Size));
    return img;
}

} // namespace

QImage filledStar()
{
    static const QImage img = star(true);
    return img;
}

QImage emptyStar()
{
    static const QImage img = star(false);
    return img;
}

QImage logo()
{
    static const QImage img = [] {
        constexpr int Size = 256;
        QImage img = blank(Size);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(Size / 2.0, Size / 2.0);
        // Reel body with a ring of holes and a hub.
        QPainterPath reel;
        reel.addEllipse(c, 120, 120);
        for (int i = 0; i < 6; ++i) {
            const double a = i * std::numbers::pi / 3;
            reel.addEllipse(c + QPointF(70 * std::cos(a), 70 * std::sin(a)), 30, 30);
        }
        reel.addEllipse(c, 14, 14);
        reel.setFillRule(Qt::OddEvenFill);
        p.setPen(QPen(QColor(0x10, 0x2a, 0x43), 6));
        p.setBrush(QColor(0x1f, 0x4e, 0x79));
        p.drawPath(reel);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf5, 0xb3, 0x01));
        p.drawEllipse(c, 8, 8);
        return img;
    }();
    return img;
}

} // namespace report::pictures
