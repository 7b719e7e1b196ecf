#include "ui/resultpanel.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The colour a share (0 to 1) of the way from one colour to another.
QColor blend(const QColor &from, const QColor &to, float share)
{
    const auto mix = [share](float a, float b) { return a + (b - a) * share; };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()));
}

// How much of the selection colour tints the base at each end: enough to set the
// panel apart, little enough for the base's text colour to keep its contrast.
constexpr float LeftTint = 0.25f;
constexpr float RightTint = 0.12f;

// The base colour tinted towards the selection colour by a share.
QColor tintedBase(const QPalette &palette, float tint)
{
    return blend(palette.color(QPalette::Base), palette.color(QPalette::Highlight), tint);
}

} // namespace

ResultPanel::ResultPanel(QWidget *parent)
    : QFrame(parent)
{
    setBackgroundRole(QPalette::Base);
}

void ResultPanel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        QLinearGradient gradient(area.topLeft(), area.topRight());
        gradient.setColorAt(0, tintedBase(palette(), LeftTint));
        gradient.setColorAt(1, tintedBase(palette(), RightTint));
        painter.fillRect(area, gradient);
    }
    QFrame::paintEvent(event);
}
