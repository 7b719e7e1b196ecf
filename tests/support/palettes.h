// A light and a dark desktop palette for the window tests, and the contrast of
// two colours by the relative luminance of each (the measure of how well one
// reads on the other), computed here apart from the program's own choice.
#pragma once

#include <QColor>
#include <QPalette>

#include <algorithm>
#include <cmath>

// A desktop palette with the given window, base, text and selection colours; the
// frame's shades follow from the window colour.
inline QPalette desktopPalette(const QColor &window, const QColor &base, const QColor &text,
                               const QColor &highlight)
{
    QPalette palette(window, window);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

inline QPalette lightPalette()
{
    return desktopPalette(QColor(0xef, 0xef, 0xef), Qt::white, Qt::black, QColor(0x30, 0x8c, 0xc6));
}

inline QPalette darkPalette()
{
    return desktopPalette(QColor(0x35, 0x35, 0x35), QColor(0x23, 0x23, 0x23), Qt::white,
                          QColor(0x2a, 0x82, 0xda));
}

// The relative luminance of a colour on a screen, from 0 (black) to 1 (white).
inline double luminance(QRgb pixel)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
           0.0722 * linear(qBlue(pixel));
}

// From 1 (the same) to 21 (black on white); 4.5 is the least for ordinary text to
// read well.
inline double contrast(QRgb first, QRgb second)
{
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

inline double contrast(const QColor &first, const QColor &second)
{
    return contrast(first.rgb(), second.rgb());
}
