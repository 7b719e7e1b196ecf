#include "ui/itemwidth.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace {

// Gives its box the width of its longest item again after each change of
// items, font or style.
class ItemWidthKeeper : public QObject
{
public:
    ItemWidthKeeper(QComboBox &box, int floor)
        : QObject(&box)
        , m_box(box)
        , m_floor(floor)
    {
        QAbstractItemModel *model = box.model();
        connect(model, &QAbstractItemModel::rowsInserted, this, &ItemWidthKeeper::apply);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ItemWidthKeeper::apply);
        connect(model, &QAbstractItemModel::dataChanged, this, &ItemWidthKeeper::apply);
        connect(model, &QAbstractItemModel::modelReset, this, &ItemWidthKeeper::apply);
        box.installEventFilter(this);
        apply();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The box sees the change after its filters: its font is already the new one.
        if (watched == &m_box &&
            (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    void apply() { m_box.setMinimumWidth(std::max(m_floor, longestItemWidth(m_box))); }

    QComboBox &m_box;
    int m_floor;
};

} // namespace

int longestItemWidth(const QComboBox &box)
{
    const QFontMetrics metrics = box.fontMetrics();
    int textWidth = 0;
    for (int item = 0; item < box.count(); ++item)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(box.itemText(item)));
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.frame = box.hasFrame();
    option.iconSize = box.iconSize();
    return box.style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(textWidth, metrics.height()), &box)
        .width();
}

void keepWideEnoughForItems(QComboBox &box, int floor)
{
    new ItemWidthKeeper(box, floor);
}
