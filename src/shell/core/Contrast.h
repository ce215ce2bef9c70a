#pragma once

#include <QColor>
#include <initializer_list>

// Contrast of colours as the web accessibility guidelines measure it (relative luminance, ratios
// from 1:1 to 21:1). 4.5:1 is what text needs to be read comfortably.
namespace Contrast {

constexpr double TextRatio = 4.5;

double luminance(const QColor &c);
double ratio(const QColor &a, const QColor &b);

// wanted itself when it stands out by minRatio from every background; otherwise the colour of the
// same hue and saturation, lighter or darker, nearest to it that does.
QColor readable(const QColor &wanted, std::initializer_list<QColor> backgrounds, double minRatio = TextRatio);

} // namespace Contrast
