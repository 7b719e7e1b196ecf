// The column headers of a list whose columns fill its width: every column at
// least its designed width, the width left over shared out among them, and a
// title its column is too narrow for elided with "…" (the model's tooltip gives
// it whole).
#pragma once

#include <QHeaderView>
#include <QList>

// The widths of columns with the given floors that fill `available`. A column
// whose title needs more than its floor gets it first (shared in proportion to
// what each lacks when not all can); what is left is shared in proportion to the
// widths. With less than the floors' sum every column keeps its floor.
QList<int> fittedColumnWidths(const QList<int> &floors, const QList<int> &needed, int available);

class FittedHeader : public QHeaderView
{
    Q_OBJECT

public:
    // A horizontal header; the columns keep Qt's default width until floors are set.
    explicit FittedHeader(QWidget *parent = nullptr);

    // The designed widths, by column; a column past them has none.
    void setFloors(QList<int> widths);
    int floor(int logicalIndex) const { return m_floors.value(logicalIndex, defaultSectionSize()); }
    // The floors' sum: the least length at which every column shows whole.
    int floorsWidth() const;
    // The width a section needs to show its title whole, margins included.
    int neededWidth(int logicalIndex) const;
    // The title as drawn: whole, or elided with "…" to the section's width.
    QString shownTitle(int logicalIndex) const;

    void setModel(QAbstractItemModel *model) override;

protected:
    void initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Gives the sections the fitted widths for the header's present width.
    void fitSections();
    // The room a section of the given width leaves its title.
    int titleRoom(int logicalIndex, int sectionWidth) const;

    QList<int> m_floors;
    bool m_fitting = false;
};
