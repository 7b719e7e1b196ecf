// The order Tab visits a window's widgets in.
#pragma once

#include <QList>
#include <QWidget>

// Tab visits the widgets in the order given.
inline void chainTabOrder(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets.at(i - 1), widgets.at(i));
}
