#include "ui/programicon.h"

#include <QPainter>
#include <QPixmap>

QImage programIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x3a, 0x5f));
    painter.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), 5 * unit, 5 * unit);
    // A pair of scales: the beam, the post and two pans.
    painter.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), 2 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16 * unit, 7 * unit), QPointF(16 * unit, 25 * unit));
    painter.drawLine(QPointF(7 * unit, 10 * unit), QPointF(25 * unit, 10 * unit));
    painter.drawLine(QPointF(11 * unit, 25 * unit), QPointF(21 * unit, 25 * unit));
    painter.setBrush(QColor(0xf2, 0xc1, 0x4e));
    painter.setPen(Qt::NoPen);
    painter.drawChord(QRectF(3 * unit, 12 * unit, 9 * unit, 7 * unit), 180 * 16, 180 * 16);
    painter.drawChord(QRectF(20 * unit, 12 * unit, 9 * unit, 7 * unit), 180 * 16, 180 * 16);
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}
