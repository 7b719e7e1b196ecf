// Draws the list's cells: a conviction dated after the current crime, which never
// counts, in italics and in a colour between the palette's text and its base, so
// that it stands back from the others in a light palette and a dark one alike.
#pragma once

#include <QStyledItemDelegate>

class RecordListDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The colour of a row that stands back: the text colour a share of the way
    // towards the base, still clearly readable on it.
    static QColor recededText(const QPalette &palette);

    // Public so that how a cell will look can be asked without drawing it.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
