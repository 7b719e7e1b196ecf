#include "ui/palettecolours.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double ReadableContrast = 4.5;

double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor &one, const QColor &other)
{
    const double first = relativeLuminance(one);
    const double second = relativeLuminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool hasDarkBase(const QPalette &palette)
{
    // Mid grey by luminance: a base darker than that carries light text.
    return relativeLuminance(palette.color(QPalette::Base)) < 0.18;
}

QColor forBase(const QPalette &palette, const QColor &onLight, const QColor &onDark)
{
    return hasDarkBase(palette) ? onDark : onLight;
}

QColor readableTextOn(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QColor checkedOnBase(const QPalette &palette, const QColor &wanted)
{
    const QColor base = palette.color(QPalette::Base);
    return contrastRatio(wanted, base) >= ReadableContrast ? wanted : palette.color(QPalette::Text);
}
