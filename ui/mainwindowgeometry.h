// How big the main window is and where it shows: its designed size, the size and
// place of its first show, and the share of the list and the result in the
// splitter between them.
#pragma once

#include <QSize>

class ConvictionsGroup;
class QSplitter;
class QWidget;
class ResultArea;

// The window's designed size, which it is built at.
inline constexpr QSize ClientSize(700, 475);

// The list above, the result under it; the line between them moves, and the
// list takes what the window gains.
QSplitter *splitListAndResult(ConvictionsGroup *convictions, ResultArea *result, QWidget *parent);

// The window starts at its designed size or at the size its texts need,
// whichever is larger, and wide enough for every column of the list at its
// designed width; and tall enough for a result of three lines under the list,
// as far as the screen allows. A title its column is too narrow for elides,
// with a tooltip.
void sizeForFirstShow(QWidget &window, const ConvictionsGroup &convictions,
                      const ResultArea &result);
// Centres the window on its screen.
void centreOnScreen(QWidget &window);

// Moves the line between the list and the result so that the result shows
// whole where the list, keeping its rows, can spare the room; else it shows
// what the list can spare, and a scroll bar. Nothing while the window is hidden.
void giveResultItsRoom(QSplitter &splitter, const ConvictionsGroup &convictions,
                       const ResultArea &result);
