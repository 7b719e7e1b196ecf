// The timeline of the convictions: each assessed row as a bar from its conviction
// date to its expiry date, the calculation date as a vertical line, the years
// along an axis, so that overlapping periods show at a glance.
#pragma once

#include "assessment/recidivism.h"

#include <QColor>
#include <QDate>
#include <QFrame>
#include <QList>
#include <QRectF>

#include <array>
#include <optional>

class QFontMetricsF;
class QItemSelectionModel;
class ConvictionTable;
class ShortDateFormat;

// What the assessment made of a row, as its bar shows it.
enum class BarKind {
    Counted,    // counts towards recidivism
    Expunged,   // expunged at the calculation date
    NotCounted, // in force, but excluded for another reason
};

struct TimelineBar
{
    int row = 0;
    QDate from; // the conviction date
    QDate to;   // the expiry date; the conviction date when the category has no term
    BarKind kind = BarKind::Counted;
};

// The bars of an assessment's rows, first to last.
QList<TimelineBar> timelineBars(const RecidivismAssessment &assessment);

// How a kind of bar is drawn. The kinds differ by more than hue, so that they
// read apart in grey too: a solid dark bar counts, a light one is in force but
// excluded, a hatched one is expunged. Each hue has a variant for a light base
// and one for a dark base.
struct BarStyle
{
    QColor fill;
    QColor edge;
    Qt::BrushStyle hatching = Qt::NoBrush;
    QColor hatch = {};
};

BarStyle barStyle(BarKind kind, const QPalette &palette);

// The colours of the plot's lines and texts under a palette.
struct TimelineColours
{
    QColor text;            // the axis, the year labels, the legend, labels beside bars
    QColor calculationDate; // its line and its date label
    QColor grid;            // the faint lines at the labelled years
};

TimelineColours timelineColours(const QPalette &palette);

// A bar's label where it is drawn: in the bar on its fill, or beside it on the
// plot's background.
struct BarLabel
{
    int row = 0;
    QString text;
    QRectF rect;
    QColor colour;
    QColor background;
};

struct DateSpan
{
    QDate first; // at the plot's left edge
    QDate last;  // at its right edge, always after first
};

// The dates a timeline shows: every date given, with a margin on each side.
DateSpan timelineSpan(const QList<QDate> &dates);

// Where dates and rows fall in a plot: dates to x positions, rows to lanes
// stacked from the middle of the plot, no taller than MaximumLaneHeight each.
class TimelineGeometry
{
public:
    // Tall enough for a bar to carry a label in the ordinary font.
    static constexpr qreal MaximumLaneHeight = 20;
    // A row whose expiry is its conviction date still gets a bar this wide.
    static constexpr qreal MinimumBarWidth = 3;

    TimelineGeometry(const QRectF &plot, DateSpan span, int laneCount);

    QRectF plot() const { return m_plot; }
    DateSpan span() const { return m_span; }
    qreal x(QDate date) const;
    qreal laneHeight() const;
    QRectF lane(int row) const;
    QRectF bar(int row, QDate from, QDate to) const;
    // The part of a lane where a pointer means the bar: the bar, a little widened.
    QRectF target(int row, QDate from, QDate to) const;

private:
    QRectF m_plot;
    DateSpan m_span;
    int m_laneCount;
};

// The step between labelled years: the smallest of 1, 2, 5, 10, 20, 50... years
// that leaves at least `labelWidth` pixels from one label to the next.
int yearLabelStep(qreal pixelsPerYear, qreal labelWidth);

// Framed as the list is, so that the two read as pages of one thing.
class Timeline : public QFrame
{
    Q_OBJECT

public:
    // The bars are of the records' rows; a click on a bar selects its row in the
    // selection model, which must be on the records. The records, the selection
    // model and the date format must outlive the timeline.
    Timeline(const ConvictionTable &records, QItemSelectionModel &selection,
             const ShortDateFormat &dateFormat, QWidget *parent = nullptr);

    // The last assessment's bars, first row to last.
    const QList<TimelineBar> &bars() const { return m_bars; }
    QDate calculationDate() const { return m_calculationDate; }
    // Where everything is drawn at the widget's present size; empty before the
    // first assessment.
    std::optional<TimelineGeometry> plotGeometry() const;
    // The text of a legend entry: counted, in force but not counted, expunged.
    void setLegendText(int entry, const QString &text);
    // The row whose bar is under a point of the widget.
    std::optional<int> rowAt(const QPointF &point) const;
    // A bar's label: its row's number and conviction date, as the list shows them.
    QString barCaption(int row) const;
    // The labels drawn at the present size: a bar gets one at its left end, in
    // the bar or else just before it, where the whole label fits in its lane;
    // the others have none. Every bar's tooltip starts with its caption.
    QList<BarLabel> barLabels() const;
    // The tooltip of a row's bar: its caption, then the row's note.
    QString barToolTip(int row) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Shows an assessment of the records at its calculation date.
    void showAssessment(const RecidivismAssessment &assessment, QDate calculationDate);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QRectF plotRect() const;
    void paintAxis(QPainter &painter, const TimelineGeometry &geometry) const;
    void paintBars(QPainter &painter, const TimelineGeometry &geometry) const;
    void paintBarLabels(QPainter &painter) const;
    std::optional<BarLabel> labelFor(const TimelineBar &bar, const TimelineGeometry &geometry,
                                     const QFontMetricsF &metrics) const;
    void paintCalculationDate(QPainter &painter, const TimelineGeometry &geometry) const;
    // Under the year labels: a swatch and its text for each kind of bar.
    void paintLegend(QPainter &painter, const TimelineGeometry &geometry) const;
    int selectedRow() const;

    const ConvictionTable &m_records;
    QItemSelectionModel &m_selection;
    const ShortDateFormat &m_dateFormat;
    QList<TimelineBar> m_bars;
    int m_laneCount = 0; // the list's rows when it was assessed
    QDate m_calculationDate;
    std::array<QString, 3> m_legend; // in the order of the legend's entries
};
