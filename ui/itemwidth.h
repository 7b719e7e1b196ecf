// Drop-down lists as wide as their longest item in their present font, kept so
// when the items change (a change of language) or the font does.
#pragma once

class QComboBox;

// The width the box needs to show its longest item whole, frame and arrow included.
int longestItemWidth(const QComboBox &box);
// Keeps the box's minimum width at longestItemWidth(), and at least `floor`, from
// now on: a layout gives it no less, whatever its cached size hints say.
void keepWideEnoughForItems(QComboBox &box, int floor = 0);
