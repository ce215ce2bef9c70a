#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace Contrast {

static double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

static double worst(const QColor &c, std::initializer_list<QColor> backgrounds)
{
    double w = 21.0;
    for (const QColor &b : backgrounds)
        w = std::min(w, ratio(c, b));
    return w;
}

QColor readable(const QColor &wanted, std::initializer_list<QColor> backgrounds, double minRatio)
{
    if (worst(wanted, backgrounds) >= minRatio)
        return wanted;
    const QColor hsl = wanted.toHsl();
    const double h = hsl.hslHueF(), s = hsl.hslSaturationF(), l = hsl.lightnessF();
    // Step away from the wanted lightness in both directions; the first that is enough wins.
    for (int step = 1; step <= 255; ++step) {
        const double d = step / 255.0;
        for (double candidate : {l - d, l + d}) {
            if (candidate < 0.0 || candidate > 1.0)
                continue;
            const QColor c = QColor::fromHslF(float(std::max(h, 0.0)), float(s), float(candidate), float(wanted.alphaF())).toRgb();
            if (worst(c, backgrounds) >= minRatio)
                return c;
        }
    }
    // Backgrounds too far apart for any one colour: the better of black and white.
    return worst(Qt::black, backgrounds) >= worst(Qt::white, backgrounds) ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace Contrast
