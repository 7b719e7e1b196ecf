// Colours that carry a meaning of their own (a kind of bar, a marked date) in a
// light and a dark variant, the one chosen by the palette's base, and a text
// colour chosen by its contrast with what it is drawn on, so that the windows
// read under a light desktop palette and a dark one alike.
#pragma once

#include <QColor>
#include <QPalette>

// The relative luminance of a colour on a screen, from 0 (black) to 1 (white).
double relativeLuminance(const QColor &colour);

// From 1 (the same) to 21 (black on white); ordinary text reads well from 4.5.
double contrastRatio(const QColor &one, const QColor &other);

// Whether the palette's base, where lists and plots are drawn, is dark.
bool hasDarkBase(const QPalette &palette);

// The light palette's colour on a light base, the dark palette's on a dark one.
QColor forBase(const QPalette &palette, const QColor &onLight, const QColor &onDark);

// Black or white, whichever stands out more from the background.
QColor readableTextOn(const QColor &background);

// The colour wanted when it reads on the palette's base; the base's own text
// colour when it does not.
QColor checkedOnBase(const QPalette &palette, const QColor &wanted);
