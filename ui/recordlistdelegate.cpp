#include "ui/recordlistdelegate.h"

#include "document/recordlist.h"

namespace {

// How far the text colour moves towards the base: far enough to look grey, near
// enough to keep a contrast of 4.5 or more for black on white or white on black.
constexpr float Recession = 0.4f;

} // namespace

QColor RecordListDelegate::recededText(const QPalette &palette)
{
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    const auto mix = [](float from, float to) { return from + (to - from) * Recession; };
    return QColor::fromRgbF(mix(text.redF(), base.redF()), mix(text.greenF(), base.greenF()),
                            mix(text.blueF(), base.blueF()));
}

void RecordListDelegate::initStyleOption(QStyleOptionViewItem *option,
                                         const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(RecordList::DatedAfterCrimeRole).toBool())
        return;
    option->font.setItalic(true);
    // A selected row keeps the selection's own text colour.
    option->palette.setColor(QPalette::Text, recededText(option->palette));
}
