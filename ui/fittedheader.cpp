#include "ui/fittedheader.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QStyleOptionHeader>

#include <algorithm>
#include <numeric>

namespace {

int sum(const QList<int> &values)
{
    return std::accumulate(values.begin(), values.end(), 0);
}

// `amount` shared in proportion to the weights, the rounding carried along so
// that the shares add up to it exactly.
QList<int> shared(int amount, const QList<int> &weights)
{
    QList<int> shares(weights.size(), 0);
    const qint64 total = std::accumulate(weights.begin(), weights.end(), qint64(0));
    if (total <= 0 || amount <= 0)
        return shares;
    qint64 cumulative = 0;
    int given = 0;
    for (qsizetype i = 0; i < weights.size(); ++i) {
        cumulative += weights[i];
        const int upTo = int(amount * cumulative / total);
        shares[i] = upTo - given;
        given = upTo;
    }
    return shares;
}

QList<int> added(QList<int> widths, const QList<int> &shares)
{
    for (qsizetype i = 0; i < widths.size(); ++i)
        widths[i] += shares[i];
    return widths;
}

} // namespace

QList<int> fittedColumnWidths(const QList<int> &floors, const QList<int> &needed, int available)
{
    int spare = available - sum(floors);
    if (spare <= 0)
        return floors;
    QList<int> lacking;
    lacking.reserve(floors.size());
    for (qsizetype i = 0; i < floors.size(); ++i)
        lacking.append(std::max(0, needed.value(i) - floors[i]));
    const int toTitles = std::min(spare, sum(lacking));
    const QList<int> widths = added(floors, shared(toTitles, lacking));
    spare -= toTitles;
    return added(widths, shared(spare, widths));
}

FittedHeader::FittedHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setTextElideMode(Qt::ElideRight);
    connect(this, &QHeaderView::sectionCountChanged, this, &FittedHeader::fitSections);
}

void FittedHeader::setFloors(QList<int> widths)
{
    m_floors = std::move(widths);
    fitSections();
}

int FittedHeader::floorsWidth() const
{
    int width = 0;
    for (int section = 0; section < count(); ++section)
        width += floor(section);
    return width;
}

int FittedHeader::neededWidth(int logicalIndex) const
{
    return sectionSizeFromContents(logicalIndex).width();
}

QString FittedHeader::shownTitle(int logicalIndex) const
{
    QStyleOptionHeader option;
    initStyleOptionForIndex(&option, logicalIndex);
    return option.text;
}

void FittedHeader::setModel(QAbstractItemModel *model)
{
    if (QAbstractItemModel *previous = this->model())
        disconnect(previous, &QAbstractItemModel::headerDataChanged, this, nullptr);
    QHeaderView::setModel(model);
    // New titles may need other widths: a change of language.
    if (model != nullptr)
        connect(model, &QAbstractItemModel::headerDataChanged, this, &FittedHeader::fitSections);
    fitSections();
}

void FittedHeader::initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    // Elided here to the room the style's own measure of the section leaves the
    // title, so that the style, which would cut it at its label's edge instead,
    // gets a text that fits.
    const QString title = model()->headerData(logicalIndex, orientation()).toString();
    option->text = option->fontMetrics.elidedText(
        title, Qt::ElideRight, titleRoom(logicalIndex, sectionSize(logicalIndex)));
}

int FittedHeader::titleRoom(int logicalIndex, int sectionWidth) const
{
    const QString title = model()->headerData(logicalIndex, orientation()).toString();
    const int around = neededWidth(logicalIndex) - fontMetrics().horizontalAdvance(title);
    return std::max(0, sectionWidth - around);
}

void FittedHeader::resizeEvent(QResizeEvent *event)
{
    QHeaderView::resizeEvent(event);
    fitSections();
}

void FittedHeader::changeEvent(QEvent *event)
{
    QHeaderView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitSections();
}

void FittedHeader::fitSections()
{
    if (m_fitting || model() == nullptr || count() == 0)
        return;
    const QScopedValueRollback guard(m_fitting, true);
    QList<int> floors;
    QList<int> needed;
    for (int section = 0; section < count(); ++section) {
        floors.append(floor(section));
        needed.append(neededWidth(section));
    }
    const QList<int> widths = fittedColumnWidths(floors, needed, width());
    for (int section = 0; section < count(); ++section)
        resizeSection(section, widths[section]);
}
