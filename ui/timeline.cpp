// The timeline's geometry, its bars taken from an assessment, and its painting.
#include "ui/timeline.h"

#include "document/recordlist.h"
#include "platform/shortdateformat.h"
#include "ui/convictiontable.h"
#include "ui/palettecolours.h"

#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

// Where a label sits in its bar or beside it: this far from the bar's edges.
constexpr qreal LabelPadding = 3;

// A pointer this close to a thin bar still means it.
constexpr qreal TargetSlack = 3;
constexpr int TickLength = 4;
constexpr int BandGap = 3;
// The legend's swatches, and the gap after each entry.
constexpr int SwatchSize = 10;
constexpr int LegendGap = 14;

// The bands above and below the plot: the calculation date's label over it; the
// axis, its year labels and the legend under it.
int bandsHeight(const QFontMetrics &metrics)
{
    return 3 * metrics.height() + TickLength + 3 * BandGap;
}

// The legend's entries, in the order it shows them.
constexpr std::array<BarKind, 3> LegendOrder = {BarKind::Counted, BarKind::NotCounted,
                                                BarKind::Expunged};

// A text's rectangle centred on x, moved inside `within` when it would leave it.
QRectF centredLabel(qreal x, qreal top, qreal width, qreal height, const QRectF &within)
{
    const qreal left =
        std::clamp(x - width / 2, within.left(), std::max(within.left(), within.right() - width));
    return QRectF(left, top, width, height);
}

} // namespace

BarStyle barStyle(BarKind kind, const QPalette &palette)
{
    const bool dark = hasDarkBase(palette);
    switch (kind) {
    case BarKind::Counted:
        return dark ? BarStyle{QColor(0xc8, 0x47, 0x3c), QColor(0xe8, 0x84, 0x7a)}
                    : BarStyle{QColor(0xb2, 0x3a, 0x30), QColor(0x7a, 0x22, 0x1b)};
    case BarKind::NotCounted:
        return dark ? BarStyle{QColor(0x36, 0x58, 0x7e), QColor(0x86, 0xae, 0xdb)}
                    : BarStyle{QColor(0xa9, 0xc6, 0xe4), QColor(0x4f, 0x79, 0xa6)};
    case BarKind::Expunged:
        return dark ? BarStyle{QColor(0x3a, 0x3a, 0x3a), QColor(0x9a, 0x9a, 0x9a), Qt::BDiagPattern,
                               QColor(0x6e, 0x6e, 0x6e)}
                    : BarStyle{QColor(0xee, 0xee, 0xee), QColor(0x8c, 0x8c, 0x8c), Qt::BDiagPattern,
                               QColor(0x9a, 0x9a, 0x9a)};
    }
    return {};
}

TimelineColours timelineColours(const QPalette &palette)
{
    const QColor text = palette.color(QPalette::Text);
    QColor grid = text;
    grid.setAlpha(40);
    // A deep blue on a light base, a pale one on a dark base.
    const QColor calculationDate = checkedOnBase(
        palette, forBase(palette, QColor(0x1c, 0x3f, 0x8c), QColor(0x8a, 0xb4, 0xf8)));
    return {text, calculationDate, grid};
}

QList<TimelineBar> timelineBars(const RecidivismAssessment &assessment)
{
    QList<TimelineBar> bars;
    bars.reserve(assessment.rows.size());
    for (int row = 0; row < assessment.rows.size(); ++row) {
        const RowAssessment &assessed = assessment.rows.at(row);
        // A category without a term is never expunged, though its expiry is its date.
        const bool expunged =
            assessed.exclusions.testFlag(Exclusion::Expunged) && assessed.expungement.hasTerm();
        const BarKind kind = assessed.countsForPart1() ? BarKind::Counted
                             : expunged                ? BarKind::Expunged
                                                       : BarKind::NotCounted;
        bars.append(TimelineBar{row, assessed.convictionDate, assessed.expungement.expiry, kind});
    }
    return bars;
}

DateSpan timelineSpan(const QList<QDate> &dates)
{
    QDate first;
    QDate last;
    for (const QDate date : dates) {
        if (!date.isValid())
            continue;
        if (!first.isValid() || date < first)
            first = date;
        if (!last.isValid() || date > last)
            last = date;
    }
    if (!first.isValid())
        first = last = QDate::currentDate();
    const qint64 days = first.daysTo(last);
    // A twenty-fifth of the span on each side, and a year in all at least, so
    // that a short span still shows a year's mark.
    const qint64 margin = std::max({days / 25, (366 - days) / 2, qint64(30)});
    return DateSpan{first.addDays(-margin), last.addDays(margin)};
}

TimelineGeometry::TimelineGeometry(const QRectF &plot, DateSpan span, int laneCount)
    : m_plot(plot)
    , m_span(span)
    , m_laneCount(std::max(laneCount, 1))
{
}

qreal TimelineGeometry::x(QDate date) const
{
    const qreal days = qreal(m_span.first.daysTo(m_span.last));
    return m_plot.left() + m_plot.width() * qreal(m_span.first.daysTo(date)) / days;
}

qreal TimelineGeometry::laneHeight() const
{
    return std::min(MaximumLaneHeight, m_plot.height() / m_laneCount);
}

QRectF TimelineGeometry::lane(int row) const
{
    const qreal height = laneHeight();
    const qreal top = m_plot.top() + (m_plot.height() - height * m_laneCount) / 2;
    return QRectF(m_plot.left(), top + height * row, m_plot.width(), height);
}

QRectF TimelineGeometry::bar(int row, QDate from, QDate to) const
{
    const QRectF inLane = lane(row);
    // Crowded lanes give up the gap between bars rather than the bars.
    const qreal gap = inLane.height() >= 5 ? std::max(1.0, inLane.height() * 0.1) : 0.0;
    const qreal left = x(from);
    const qreal width = std::max(MinimumBarWidth, x(to) - left);
    return QRectF(left, inLane.top() + gap, width, inLane.height() - 2 * gap);
}

QRectF TimelineGeometry::target(int row, QDate from, QDate to) const
{
    const QRectF inLane = lane(row);
    const QRectF drawn = bar(row, from, to);
    return QRectF(drawn.left() - TargetSlack, inLane.top(), drawn.width() + 2 * TargetSlack,
                  inLane.height());
}

int yearLabelStep(qreal pixelsPerYear, qreal labelWidth)
{
    if (pixelsPerYear <= 0)
        return 1000000;
    for (int decade = 1;; decade *= 10) {
        for (const int factor : {1, 2, 5}) {
            if (factor * decade * pixelsPerYear >= labelWidth)
                return factor * decade;
        }
    }
}

Timeline::Timeline(const ConvictionTable &records, QItemSelectionModel &selection,
                   const ShortDateFormat &dateFormat, QWidget *parent)
    : QFrame(parent)
    , m_records(records)
    , m_selection(selection)
    , m_dateFormat(dateFormat)
{
    Q_ASSERT(selection.model() == &records);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    // The selected row's bar is outlined.
    connect(&selection, &QItemSelectionModel::selectionChanged, this,
            qOverload<>(&QWidget::update));
}

void Timeline::showAssessment(const RecidivismAssessment &assessment, QDate calculationDate)
{
    m_bars = timelineBars(assessment);
    m_laneCount = std::max(m_records.rowCount(), int(m_bars.size()));
    m_calculationDate = calculationDate;
    update();
}

void Timeline::setLegendText(int entry, const QString &text)
{
    m_legend[std::size_t(entry)] = text;
    update();
}

QRectF Timeline::plotRect() const
{
    const QFontMetricsF metrics(font());
    const QRectF inside = contentsRect();
    // Room for a year's label centred on the first and last marks.
    const qreal side = metrics.horizontalAdvance(QStringLiteral("0000")) / 2 + 4;
    const qreal top = metrics.height() + BandGap;
    const qreal bottom =
        BandGap + TickLength + metrics.height() + BandGap + metrics.height() + BandGap;
    return QRectF(inside.left() + side, inside.top() + top,
                  std::max(1.0, inside.width() - 2 * side),
                  std::max(1.0, inside.height() - top - bottom));
}

std::optional<TimelineGeometry> Timeline::plotGeometry() const
{
    if (!m_calculationDate.isValid())
        return std::nullopt;
    QList<QDate> dates{m_calculationDate};
    for (const TimelineBar &bar : m_bars)
        dates << bar.from << bar.to;
    return TimelineGeometry(plotRect(), timelineSpan(dates), m_laneCount);
}

std::optional<int> Timeline::rowAt(const QPointF &point) const
{
    const std::optional<TimelineGeometry> geometry = plotGeometry();
    if (!geometry)
        return std::nullopt;
    for (const TimelineBar &bar : m_bars) {
        if (geometry->target(bar.row, bar.from, bar.to).contains(point))
            return bar.row;
    }
    return std::nullopt;
}

int Timeline::selectedRow() const
{
    const QModelIndexList selected = m_selection.selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QSize Timeline::sizeHint() const
{
    const QFontMetrics metrics(font());
    // No more than the list asks for: the two share one place.
    return QSize(400, bandsHeight(metrics) + int(TimelineGeometry::MaximumLaneHeight) * 6 +
                          2 * frameWidth());
}

QSize Timeline::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(200, bandsHeight(metrics) + 24 + 2 * frameWidth());
}

bool Timeline::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const std::optional<int> row = rowAt(help->pos());
        if (!row) {
            QToolTip::hideText();
            return true;
        }
        // The note goes as soon as the pointer leaves the bar.
        const TimelineBar &bar = m_bars.at(*row);
        const QRect target = plotGeometry()->target(bar.row, bar.from, bar.to).toAlignedRect();
        QToolTip::showText(help->globalPos(), barToolTip(*row), this, target);
        return true;
    }
    return QFrame::event(event);
}

void Timeline::mouseMoveEvent(QMouseEvent *event)
{
    if (rowAt(event->position()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QFrame::mouseMoveEvent(event);
}

void Timeline::mousePressEvent(QMouseEvent *event)
{
    const std::optional<int> row = rowAt(event->position());
    if (event->button() != Qt::LeftButton || !row) {
        QFrame::mousePressEvent(event);
        return;
    }
    const QModelIndex index = m_records.index(*row, 0);
    if (!index.isValid())
        return;
    // A view of the records scrolls to its new current row by itself.
    m_selection.setCurrentIndex(index,
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void Timeline::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const std::optional<TimelineGeometry> geometry = plotGeometry();
    if (!geometry)
        return;
    QPainter painter(this);
    paintAxis(painter, *geometry);
    paintBars(painter, *geometry);
    paintCalculationDate(painter, *geometry);
    // Over the calculation date's line, which would strike a label through.
    paintBarLabels(painter);
    paintLegend(painter, *geometry);
}

void Timeline::paintLegend(QPainter &painter, const TimelineGeometry &geometry) const
{
    const QFontMetricsF metrics(font());
    const qreal top = geometry.plot().bottom() + BandGap + TickLength + metrics.height() + BandGap;
    qreal x = geometry.plot().left();
    for (std::size_t entry = 0; entry < LegendOrder.size(); ++entry) {
        const BarStyle style = barStyle(LegendOrder[entry], palette());
        const QRectF swatch(x, top + (metrics.height() - SwatchSize) / 2, SwatchSize, SwatchSize);
        painter.fillRect(swatch, style.fill);
        if (style.hatching != Qt::NoBrush)
            painter.fillRect(swatch, QBrush(style.hatch, style.hatching));
        painter.setPen(style.edge);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        x += SwatchSize + 4;
        const qreal width = metrics.horizontalAdvance(m_legend[entry]) + 1;
        painter.setPen(timelineColours(palette()).text);
        painter.drawText(QRectF(x, top, width, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         m_legend[entry]);
        x += width + LegendGap;
    }
}

void Timeline::paintAxis(QPainter &painter, const TimelineGeometry &geometry) const
{
    const QRectF plot = geometry.plot();
    const DateSpan span = geometry.span();
    const QFontMetricsF metrics(font());
    const qreal labelWidth = metrics.horizontalAdvance(QStringLiteral("0000"));
    const qreal pixelsPerYear = geometry.x(span.first.addYears(1)) - plot.left();
    const int step = yearLabelStep(pixelsPerYear, labelWidth + 12);
    const bool everyYear = pixelsPerYear >= 4;
    const qreal axis = plot.bottom() + BandGap;
    const TimelineColours colours = timelineColours(palette());

    painter.setPen(colours.text);
    painter.drawLine(QPointF(plot.left(), axis), QPointF(plot.right(), axis));
    for (int year = span.first.year(); year <= span.last.year(); ++year) {
        const QDate mark(year, 1, 1);
        if (mark < span.first || mark > span.last)
            continue;
        const bool labelled = year % step == 0;
        if (!labelled && !everyYear)
            continue;
        const qreal x = std::round(geometry.x(mark)) + 0.5;
        if (labelled) {
            painter.setPen(colours.grid);
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, axis));
        }
        painter.setPen(colours.text);
        painter.drawLine(QPointF(x, axis), QPointF(x, axis + (labelled ? TickLength : 2)));
        if (labelled) {
            painter.drawText(centredLabel(x, axis + TickLength + 1, labelWidth + 2,
                                          metrics.height(), contentsRect()),
                             Qt::AlignCenter, QString::number(year));
        }
    }
}

void Timeline::paintBars(QPainter &painter, const TimelineGeometry &geometry) const
{
    const int selected = selectedRow();
    for (const TimelineBar &bar : m_bars) {
        const QRectF drawn = geometry.bar(bar.row, bar.from, bar.to).toAlignedRect();
        const BarStyle style = barStyle(bar.kind, palette());
        painter.fillRect(drawn, style.fill);
        if (style.hatching != Qt::NoBrush)
            painter.fillRect(drawn, QBrush(style.hatch, style.hatching));
        painter.setPen(style.edge);
        painter.drawRect(drawn.adjusted(0, 0, -1, -1));
        if (bar.row == selected) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.drawRect(drawn.adjusted(-2, -2, 1, 1));
        }
    }
}

void Timeline::paintCalculationDate(QPainter &painter, const TimelineGeometry &geometry) const
{
    const QRectF plot = geometry.plot();
    const qreal x = std::round(geometry.x(m_calculationDate));
    painter.setPen(QPen(timelineColours(palette()).calculationDate, 2));
    painter.drawLine(QPointF(x, plot.top() - BandGap + 1), QPointF(x, plot.bottom() + BandGap));
    const QFontMetricsF metrics(font());
    const QString date = m_dateFormat.format(m_calculationDate);
    painter.drawText(centredLabel(x, contentsRect().top(), metrics.horizontalAdvance(date) + 4,
                                  metrics.height(), contentsRect()),
                     Qt::AlignCenter, date);
}

QString Timeline::barCaption(int row) const
{
    for (const TimelineBar &bar : m_bars) {
        if (bar.row == row)
            return QStringLiteral("%1 \u00b7 %2").arg(row + 1).arg(m_dateFormat.format(bar.from));
    }
    return {};
}

QString Timeline::barToolTip(int row) const
{
    // Rich text, as the row's note is.
    return QStringLiteral("<p><b>") + barCaption(row).toHtmlEscaped() + QStringLiteral("</b></p>") +
           m_records.rowToolTip(row);
}

std::optional<BarLabel> Timeline::labelFor(const TimelineBar &bar, const TimelineGeometry &geometry,
                                           const QFontMetricsF &metrics) const
{
    const QRectF lane = geometry.lane(bar.row);
    const QRectF drawn = geometry.bar(bar.row, bar.from, bar.to).toAlignedRect();
    const QString text = barCaption(bar.row);
    const qreal width = metrics.horizontalAdvance(text) + 1;
    const qreal height = metrics.height();
    if (height > lane.height())
        return std::nullopt;
    const qreal top = lane.center().y() - height / 2;
    // In the bar, on its fill, where the bar is long and tall enough.
    if (drawn.width() >= width + 2 * LabelPadding && drawn.height() >= height) {
        const BarStyle style = barStyle(bar.kind, palette());
        return BarLabel{bar.row, text, QRectF(drawn.left() + LabelPadding, top, width, height),
                        readableTextOn(style.fill), style.fill};
    }
    // Else just before it, on the plot's background.
    const qreal left = drawn.left() - LabelPadding - width;
    if (left >= contentsRect().left() + LabelPadding) {
        return BarLabel{bar.row, text, QRectF(left, top, width, height),
                        timelineColours(palette()).text, palette().color(QPalette::Base)};
    }
    return std::nullopt;
}

QList<BarLabel> Timeline::barLabels() const
{
    const std::optional<TimelineGeometry> geometry = plotGeometry();
    if (!geometry)
        return {};
    const QFontMetricsF metrics(font());
    QList<BarLabel> labels;
    for (const TimelineBar &bar : m_bars) {
        if (std::optional<BarLabel> label = labelFor(bar, *geometry, metrics))
            labels.append(std::move(*label));
    }
    return labels;
}

void Timeline::paintBarLabels(QPainter &painter) const
{
    for (const BarLabel &label : barLabels()) {
        // The label's own patch of its background: no hatching runs through it.
        painter.fillRect(label.rect, label.background);
        painter.setPen(label.colour);
        painter.drawText(label.rect, Qt::AlignLeft | Qt::AlignVCenter, label.text);
    }
}
