// The frame of the main window's result lines. It draws its background from the
// palette: a gradient from the base colour tinted towards the selection colour on
// the left to a paler tint on the right. Its lines, which take its background
// role, draw in the base's text colour, so they read in a light palette and a
// dark one alike. Nothing is kept from one palette to the next: the repaint that
// follows a change of palette draws in the new one.
#pragma once

#include <QFrame>

class ResultPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ResultPanel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
