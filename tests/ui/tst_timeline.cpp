// The timeline of the main window: its bars against the rows' dates, the line of
// the calculation date, a click on a bar selecting the row (and the list
// scrolling to it), a bar's tooltip, and the timeline following every
// assessment. Then a timeline on its own, over a list and a selection model.
#include "assessment/recidivism.h"
#include "document/recordlist.h"
#include "programfixture.h"
#include "support/assessmentfixture.h"
#include "support/palettes.h"
#include "ui/convictiontable.h"
#include "ui/datepicker.h"
#include "ui/timeline.h"

#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

#include <algorithm>

namespace {

// A severity given as a "String.*" key becomes the current language's text.
QString severityText(const ProgramFixture &fixture, const QString &severity)
{
    return severity.startsWith(u"String.") ? fixture.text(qPrintable(severity)) : severity;
}

// The rows appended, the calculation date set and a grave crime chosen, which
// recomputes; then the timeline page in view.
Timeline &assessed(ProgramFixture &fixture, const QStringList &dates, const QStringList &severities,
                   QDate calculationDate)
{
    TForm1 &form = fixture.form();
    for (int row = 0; row < dates.size(); ++row) {
        form.records().append(
            windowConviction(fixture, dates.at(row), severityText(fixture, severities.at(row))));
    }
    child<DatePicker>(form, "DateTimePicker1").setDate(calculationDate);
    pickEntry(child<QComboBox>(form, "ComboBox1"), 2);
    Timeline &timeline = child<Timeline>(form, "Timeline1");
    child<QTabWidget>(form, "PageControl1").setCurrentWidget(&timeline);
    QCoreApplication::processEvents();
    return timeline;
}

QDate dateAt(const TimelineGeometry &geometry, qreal x)
{
    const QRectF plot = geometry.plot();
    const DateSpan span = geometry.span();
    const qreal days = qreal(span.first.daysTo(span.last)) * (x - plot.left()) / plot.width();
    return span.first.addDays(qRound64(days));
}

QList<int> selectedRows(const QTableView &list)
{
    QList<int> rows;
    for (const QModelIndex &index : list.selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

BarKind kindNamed(const QString &name)
{
    if (name == u"counted")
        return BarKind::Counted;
    return name == u"expunged" ? BarKind::Expunged : BarKind::NotCounted;
}

} // namespace

class TestTimeline : public QObject
{
    Q_OBJECT

private slots:
    void barsFollowTheDates_data();
    void barsFollowTheDates();
    void clickOnABarSelectsItsRow_data();
    void clickOnABarSelectsItsRow();
    void listScrollsToTheClickedRow();
    void barTooltipIsTheRowsNote();
    void followsEveryAssessment();
    void standsWithoutAWindow();
    void yearLabelsDoNotCrowd_data();
    void yearLabelsDoNotCrowd();
    void barsLabelledWhereTheLabelFits_data();
    void barsLabelledWhereTheLabelFits();
    void labelsReadUnderEitherPalette_data();
    void labelsReadUnderEitherPalette();
};

void TestTimeline::barsFollowTheDates_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QStringList>("severities");
    QTest::addColumn<QDate>("calculation");
    // One per bar expected; rows after an unreadable date have none.
    QTest::addColumn<QList<QDate>>("expiries");
    QTest::addColumn<QStringList>("kinds");

    const QString grave = QStringLiteral("String.SeriousCrime");
    const QString especiallyGrave = QStringLiteral("String.ParticularlySeriousCrime");
    const QString medium = QStringLiteral("String.AverageCrime");

    QTest::newRow("one row") << QStringList{"09.12.2023"} << QStringList{grave}
                             << QDate(2026, 12, 9) << QList<QDate>{QDate(2029, 12, 9)}
                             << QStringList{"counted"};
    QTest::newRow("rows spanning thirty years")
        << QStringList{"12.04.1994", "03.11.1999", "25.06.2004",
                       "01.12.2009", "19.02.2016", "10.01.2024"}
        << QStringList{especiallyGrave, grave, medium, especiallyGrave, grave, grave}
        << QDate(2026, 12, 9)
        << QList<QDate>{QDate(2002, 4, 12), QDate(2005, 11, 3), QDate(2007, 6, 25),
                        QDate(2017, 12, 1), QDate(2022, 2, 19), QDate(2030, 1, 10)}
        << QStringList{"expunged", "expunged", "expunged", "expunged", "expunged", "counted"};
    QTest::newRow("a row dated after the calculation date")
        << QStringList{"15.06.2021", "01.03.2027"} << QStringList{grave, grave}
        << QDate(2026, 12, 9) << QList<QDate>{QDate(2027, 6, 15), QDate(2033, 3, 1)}
        << QStringList{"counted", "not counted"};
    QTest::newRow("unknown category: expiry is its date")
        << QStringList{"15.05.2020", "01.02.2024"} << QStringList{"Theft", medium}
        << QDate(2026, 12, 9) << QList<QDate>{QDate(2020, 5, 15), QDate(2027, 2, 1)}
        << QStringList{"not counted", "counted"};
    QTest::newRow("rows after an unreadable date have no bar")
        << QStringList{"01.02.2019", "31.02.2020", "01.02.2021"} << QStringList{grave, grave, grave}
        << QDate(2026, 12, 9) << QList<QDate>{QDate(2025, 2, 1)} << QStringList{"expunged"};
    QTest::newRow("no rows") << QStringList{} << QStringList{} << QDate(2026, 12, 9)
                             << QList<QDate>{} << QStringList{};
}

void TestTimeline::barsFollowTheDates()
{
    QFETCH(QStringList, dates);
    QFETCH(QStringList, severities);
    QFETCH(QDate, calculation);
    QFETCH(QList<QDate>, expiries);
    QFETCH(QStringList, kinds);

    ProgramFixture fixture;
    fixture.startShown();
    Timeline &timeline = assessed(fixture, dates, severities, calculation);
    // Only an unreadable row is reported.
    QCOMPARE(fixture.errors.isEmpty(), expiries.size() == dates.size());

    QCOMPARE(timeline.calculationDate(), calculation);
    QCOMPARE(timeline.bars().size(), expiries.size());
    const std::optional<TimelineGeometry> geometry = timeline.plotGeometry();
    QVERIFY(geometry);
    const QRectF plot = geometry->plot();
    QVERIFY(QRectF(timeline.contentsRect()).contains(plot));

    // The plot spans every bar and the calculation date, with a small margin on
    // each side, and at least a year so that a year's mark shows.
    QList<QDate> shown{calculation};
    for (int row = 0; row < expiries.size(); ++row) {
        const TimelineBar &bar = timeline.bars().at(row);
        QCOMPARE(bar.row, row);
        QCOMPARE(bar.from, fixture.dateFormat().parse(dates.at(row)));
        QCOMPARE(bar.to, expiries.at(row));
        QCOMPARE(bar.kind, kindNamed(kinds.at(row)));
        shown << bar.from << bar.to;
    }
    const QDate earliest = *std::min_element(shown.cbegin(), shown.cend());
    const QDate latest = *std::max_element(shown.cbegin(), shown.cend());
    const DateSpan span = geometry->span();
    QVERIFY(span.first < earliest && latest < span.last);
    QVERIFY(span.first.daysTo(span.last) >= 365);
    if (earliest.daysTo(latest) >= 365) {
        const qreal margins = earliest.daysTo(latest) / 10.0;
        QVERIFY2(span.first.daysTo(earliest) <= margins && latest.daysTo(span.last) <= margins,
                 qPrintable(
                     QStringLiteral("%1 to %2")
                         .arg(span.first.toString(Qt::ISODate), span.last.toString(Qt::ISODate))));
    }

    // Each bar reaches from its date to its expiry, within a day's width, in its
    // own lane, top to bottom in the list's order; no bar is too thin to see.
    const qreal dayWidth = plot.width() / span.first.daysTo(span.last);
    qreal laneBottom = plot.top();
    for (const TimelineBar &bar : timeline.bars()) {
        const QRectF drawn = geometry->bar(bar.row, bar.from, bar.to);
        const QRectF lane = geometry->lane(bar.row);
        QVERIFY(plot.contains(lane));
        QVERIFY(lane.top() >= laneBottom);
        laneBottom = lane.bottom();
        QVERIFY(lane.contains(drawn));
        QVERIFY(drawn.height() >= 2);
        QVERIFY(std::abs(bar.from.daysTo(dateAt(*geometry, drawn.left()))) <= 1);
        QVERIFY(drawn.width() >= TimelineGeometry::MinimumBarWidth);
        if (bar.from.daysTo(bar.to) * dayWidth >= TimelineGeometry::MinimumBarWidth)
            QVERIFY(std::abs(bar.to.daysTo(dateAt(*geometry, drawn.right()))) <= 1);
    }

    // The calculation date's line is drawn where its date falls: a dark column
    // under the lanes, with the plot's light background on either side.
    const qreal lineX = geometry->x(calculation);
    QCOMPARE(dateAt(*geometry, lineX), calculation);
    const QImage image = timeline.grab().toImage();
    const int y = int(plot.bottom()) + 1;
    const int x = qRound(lineX);
    QVERIFY2(qGray(image.pixel(x - 1, y)) < 128, "no line at the calculation date");
    QVERIFY(qGray(image.pixel(x - 6, y)) > 200);
    QVERIFY(qGray(image.pixel(x + 5, y)) > 200);
    for (const TimelineBar &bar : timeline.bars()) {
        const QRectF drawn = geometry->bar(bar.row, bar.from, bar.to);
        if (bar.from > calculation)
            QVERIFY(drawn.left() > lineX);
        else if (bar.kind == BarKind::Counted)
            QVERIFY(drawn.left() < lineX && lineX < drawn.right());
        else if (bar.kind == BarKind::Expunged)
            QVERIFY(drawn.right() <= lineX);
    }
}

void TestTimeline::clickOnABarSelectsItsRow_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("first row") << 0;
    QTest::newRow("a bar three pixels wide (no expungement term)") << 1;
    QTest::newRow("last row") << 2;
}

void TestTimeline::clickOnABarSelectsItsRow()
{
    QFETCH(int, row);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    Timeline &timeline =
        assessed(fixture, {"09.12.2020", "15.05.2021", "01.02.2024"},
                 {"String.SeriousCrime", "Theft", "String.AverageCrime"}, ProgramFixture::today());
    const TimelineGeometry geometry = *timeline.plotGeometry();
    QTableView &list = child<QTableView>(form, "ListView1");
    list.selectRow(2 - row);

    const TimelineBar &bar = timeline.bars().at(row);
    QTest::mouseClick(&timeline, Qt::LeftButton, {},
                      geometry.bar(row, bar.from, bar.to).center().toPoint());
    QCOMPARE(selectedRows(list), QList<int>{row});
    QCOMPARE(list.currentIndex().row(), row);
    // The whole row, every column.
    QCOMPARE(list.selectionModel()->selectedIndexes().size(), form.records().columnCount());

    // A click beside every bar leaves the selection as it was.
    const QRectF lane = geometry.lane(row);
    QTest::mouseClick(&timeline, Qt::LeftButton, {},
                      QPointF(geometry.plot().left() + 1, lane.center().y()).toPoint());
    QCOMPARE(selectedRows(list), QList<int>{row});
    QCOMPARE(fixture.errors, QStringList{});
}

void TestTimeline::listScrollsToTheClickedRow()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QStringList dates;
    for (int year = 2000; year < 2020; ++year)
        dates << fixture.dateFormat().format(QDate(year, 3, 1));
    const QStringList severities(dates.size(), QStringLiteral("String.SeriousCrime"));
    Timeline &timeline = assessed(fixture, dates, severities, ProgramFixture::today());
    QTableView &list = child<QTableView>(form, "ListView1");
    const int last = int(dates.size()) - 1;
    const auto inView = [&] {
        return list.viewport()->rect().contains(list.visualRect(list.model()->index(last, 0)));
    };
    QVERIFY(!inView());

    const TimelineBar &bar = timeline.bars().at(last);
    QTest::mouseClick(&timeline, Qt::LeftButton, {},
                      timeline.plotGeometry()->bar(last, bar.from, bar.to).center().toPoint());
    QCOMPARE(selectedRows(list), QList<int>{last});
    child<QTabWidget>(form, "PageControl1").setCurrentWidget(&list);
    QCoreApplication::processEvents();
    QVERIFY(inView());
}

void TestTimeline::barTooltipIsTheRowsNote()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    Timeline &timeline =
        assessed(fixture, {"09.12.2020", "15.05.2021", "01.02.2026"},
                 {"String.SeriousCrime", "Theft", "String.SmallCrime"}, ProgramFixture::today());
    const TimelineGeometry geometry = *timeline.plotGeometry();

    const auto hover = [&](const QPoint &at) {
        QHelpEvent help(QEvent::ToolTip, at, timeline.mapToGlobal(at));
        QCoreApplication::sendEvent(&timeline, &help);
    };
    QStringList notes;
    for (const TimelineBar &bar : timeline.bars()) {
        const QString note = shownCell(form, bar.row).data(Qt::ToolTipRole).toString();
        QVERIFY(!note.isEmpty());
        notes.append(note);
        hover(geometry.bar(bar.row, bar.from, bar.to).center().toPoint());
        QTRY_VERIFY(QToolTip::isVisible());
        // The bar's caption first, labelled or not, then the row's note.
        QCOMPARE(QToolTip::text(), timeline.barToolTip(bar.row));
        QVERIFY(QToolTip::text().startsWith("<p><b>" + timeline.barCaption(bar.row)));
        QVERIFY(QToolTip::text().endsWith(note));
    }
    // Three different notes: each bar shows its own row's.
    notes.removeDuplicates();
    QCOMPARE(notes.size(), 3);

    hover(QPoint(timeline.contentsRect().left() + 1, timeline.contentsRect().top() + 1));
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestTimeline::followsEveryAssessment()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const Timeline &timeline = child<Timeline>(form, "Timeline1");
    QVERIFY(!timeline.plotGeometry());

    assessed(fixture, {"09.12.2023", "01.06.2022"},
             {"String.SeriousCrime", "String.ParticularlySeriousCrime"}, ProgramFixture::today());
    QCOMPARE(timeline.bars().size(), 2);
    QCOMPARE(timeline.bars().at(0).kind, BarKind::Counted);

    // Six years on, the first is expunged; the line moves with the date.
    child<DatePicker>(form, "DateTimePicker1").setDate(QDate(2029, 12, 9));
    QCOMPARE(timeline.calculationDate(), QDate(2029, 12, 9));
    QCOMPARE(timeline.bars().at(0).kind, BarKind::Expunged);
    QCOMPARE(timeline.bars().at(1).kind, BarKind::Counted);

    // Deleting a row takes its bar away.
    child<QTableView>(form, "ListView1").selectRow(0);
    child<QPushButton>(form, "Button3").click();
    QCOMPARE(timeline.bars().size(), 1);
    QCOMPARE(timeline.bars().at(0).from, QDate(2022, 6, 1));
    QCOMPARE(fixture.errors, QStringList{});
}

void TestTimeline::standsWithoutAWindow()
{
    const ShortDateFormat dateFormat = fixtureDateFormat();
    RecordList records;
    records.append(conviction("01.02.2022", "grave"));
    records.append(conviction("15.05.2010", "medium"));
    ConvictionTable table(records, dateFormat, nullptr);
    table.setRowNotes({"Counts until 01.02.2028", "Expunged on 15.05.2013"});
    QItemSelectionModel selection(&table);
    Timeline timeline(table, selection, dateFormat);
    timeline.resize(500, 200);
    timeline.show();
    QVERIFY(QTest::qWaitForWindowExposed(&timeline));

    const QDate calculation(2026, 12, 9);
    const CurrentCrime crime = fixtureCrime("grave", true, calculation);
    timeline.showAssessment(assessRecidivism(crime, records.records()), calculation);
    QCOMPARE(timeline.calculationDate(), calculation);
    QCOMPARE(timeline.bars().size(), 2);
    QCOMPARE(timeline.bars().at(0).from, QDate(2022, 2, 1));
    QCOMPARE(timeline.bars().at(0).kind, BarKind::Counted);
    QCOMPARE(timeline.bars().at(1).to, QDate(2013, 5, 15));
    QCOMPARE(timeline.bars().at(1).kind, BarKind::Expunged);
    const TimelineGeometry geometry = *timeline.plotGeometry();
    const auto drawn = [&](int row) {
        const TimelineBar &bar = timeline.bars().at(row);
        return geometry.bar(row, bar.from, bar.to).toAlignedRect();
    };

    // A click selects the whole row through the selection model.
    QTest::mouseClick(&timeline, Qt::LeftButton, {}, drawn(1).center());
    QCOMPARE(selection.currentIndex().row(), 1);
    QCOMPARE(selection.selectedIndexes().size(), records.columnCount());
    QVERIFY(selection.isRowSelected(1));

    // A selection made elsewhere moves the outline to its row's bar.
    selection.select(records.index(0, 0),
                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QImage image = timeline.grab().toImage();
    const auto outlined = [&](int row) {
        const QRect bar = drawn(row);
        return image.pixelColor(bar.left() - 2, bar.center().y()) ==
               timeline.palette().color(QPalette::Highlight);
    };
    QVERIFY(outlined(0));
    QVERIFY(!outlined(1));

    for (int row = 0; row < records.count(); ++row) {
        const QPoint at = drawn(row).center();
        QHelpEvent help(QEvent::ToolTip, at, timeline.mapToGlobal(at));
        QCoreApplication::sendEvent(&timeline, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().endsWith(table.rowToolTip(row)));
        QVERIFY(QToolTip::text().contains(timeline.barCaption(row)));
        QVERIFY(QToolTip::text().contains(table.rowNote(row)));
    }
}

void TestTimeline::yearLabelsDoNotCrowd_data()
{
    QTest::addColumn<qreal>("pixelsPerYear");
    QTest::addColumn<int>("step");
    // A label 40 pixels wide.
    QTest::newRow("a few years across the window") << 100.0 << 1;
    QTest::newRow("exactly one label's width a year") << 40.0 << 1;
    QTest::newRow("a decade and more") << 25.0 << 2;
    QTest::newRow("thirty years") << 19.0 << 5;
    QTest::newRow("a century") << 3.0 << 20;
}

void TestTimeline::yearLabelsDoNotCrowd()
{
    QFETCH(qreal, pixelsPerYear);
    QFETCH(int, step);
    QCOMPARE(yearLabelStep(pixelsPerYear, 40), step);
}

namespace {

// Three rows on their own timeline, at the given width: a long expunged bar, a
// bar without a term at the plot's left edge, and a counted bar in force.
struct StandaloneTimeline
{
    explicit StandaloneTimeline(int width)
        : table(records, dateFormat, nullptr)
        , selection(&table)
        , timeline(table, selection, dateFormat)
    {
        records.append(conviction("01.02.2010", "medium"));
        records.append(conviction("15.05.2010", "Theft"));
        records.append(conviction("01.06.2022", "grave"));
        timeline.resize(width, 220);
        timeline.show();
        const QDate calculation(2026, 12, 9);
        const CurrentCrime crime = fixtureCrime("grave", true, calculation);
        timeline.showAssessment(assessRecidivism(crime, records.records()), calculation);
    }

    const ShortDateFormat dateFormat = fixtureDateFormat();
    RecordList records;
    ConvictionTable table;
    QItemSelectionModel selection;
    Timeline timeline;
};

QList<int> labelledRows(const Timeline &timeline)
{
    QList<int> rows;
    for (const BarLabel &label : timeline.barLabels())
        rows.append(label.row);
    return rows;
}

} // namespace

void TestTimeline::barsLabelledWhereTheLabelFits_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("labelled");
    // Wide, the long bars carry their labels; the bar at the left edge has no room.
    QTest::newRow("wide") << 900 << QList<int>{0, 2};
    QTest::newRow("narrow") << 80 << QList<int>{};
}

void TestTimeline::barsLabelledWhereTheLabelFits()
{
    QFETCH(int, width);
    QFETCH(QList<int>, labelled);
    StandaloneTimeline standalone(width);
    Timeline &timeline = standalone.timeline;
    QVERIFY(QTest::qWaitForWindowExposed(&timeline));
    QCOMPARE(timeline.bars().size(), 3);
    QCOMPARE(labelledRows(timeline), labelled);

    const TimelineGeometry geometry = *timeline.plotGeometry();
    const QFontMetricsF metrics(timeline.font());
    for (const BarLabel &label : timeline.barLabels()) {
        const TimelineBar &bar = timeline.bars().at(label.row);
        // The row's number and its date as the list shows it, whole, in its lane,
        // at the bar's left end: in the bar, or ending before it.
        QCOMPARE(label.text,
                 QString::number(label.row + 1) + QStringLiteral(" \u00b7 ") +
                     standalone.dateFormat.format(standalone.records.records().at(label.row).date));
        QVERIFY(label.rect.width() >= metrics.horizontalAdvance(label.text));
        QVERIFY(geometry.lane(label.row).contains(label.rect));
        QVERIFY(QRectF(timeline.contentsRect()).contains(label.rect));
        const QRectF drawn = geometry.bar(bar.row, bar.from, bar.to).toAlignedRect();
        const bool inside = drawn.contains(label.rect);
        const bool before = label.rect.right() < drawn.left();
        QVERIFY2(inside || before, qPrintable(label.text));
        QVERIFY(std::abs(label.rect.left() - drawn.left()) < metrics.horizontalAdvance(u'0') ||
                before);
    }

    // Labelled or not, a bar's tooltip names it.
    for (const TimelineBar &bar : timeline.bars()) {
        const QPoint at = geometry.bar(bar.row, bar.from, bar.to).center().toPoint();
        QHelpEvent help(QEvent::ToolTip, at, timeline.mapToGlobal(at));
        QCoreApplication::sendEvent(&timeline, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(timeline.barCaption(bar.row)));
    }
    QToolTip::hideText();
}

void TestTimeline::labelsReadUnderEitherPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << lightPalette();
    QTest::newRow("dark") << darkPalette();
}

void TestTimeline::labelsReadUnderEitherPalette()
{
    QFETCH(QPalette, palette);
    const QPalette original = QApplication::palette();
    QApplication::setPalette(palette);
    const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
    ProgramFixture fixture;
    // Room for every label.
    fixture.startShown().resize(1000, 700);
    Timeline &timeline = assessed(
        fixture, {"01.02.2010", "15.05.2015", "01.06.2022"},
        {"String.AverageCrime", "String.SmallCrime", "String.SeriousCrime"}, QDate(2026, 12, 9));
    const QColor base = timeline.palette().color(QPalette::Base);
    QCOMPARE(base, palette.color(QPalette::Base));

    // The calculation date's label, the year labels and the legend on the plot.
    const TimelineColours colours = timelineColours(timeline.palette());
    QVERIFY2(contrast(colours.calculationDate, base) >= 4.5,
             qPrintable(colours.calculationDate.name()));
    QVERIFY2(contrast(colours.text, base) >= 4.5, qPrintable(colours.text.name()));
    // Each bar's label on the bar's fill or beside it, and every kind of bar
    // standing out from the plot, each in its own hue.
    QCOMPARE(timeline.barLabels().size(), 3);
    for (const BarLabel &label : timeline.barLabels()) {
        QVERIFY2(contrast(label.colour, label.background) >= 4.5,
                 qPrintable(label.colour.name() + " on " + label.background.name()));
    }
    for (const BarKind kind : {BarKind::Counted, BarKind::NotCounted, BarKind::Expunged}) {
        const BarStyle style = barStyle(kind, timeline.palette());
        QVERIFY2(contrast(style.edge, base) >= 3.0, qPrintable(style.edge.name()));
    }
    QVERIFY(barStyle(BarKind::Counted, palette).fill.hue() < 20);
    QVERIFY(std::abs(barStyle(BarKind::NotCounted, palette).fill.hue() - 211) < 15);
    QCOMPARE(barStyle(BarKind::Expunged, palette).hatching, Qt::BDiagPattern);

    // As drawn: the pixel of a label that stands out most from its background.
    const QImage image = timeline.grab().toImage();
    for (const BarLabel &label : timeline.barLabels()) {
        const QRect area = label.rect.toAlignedRect().adjusted(1, 1, -1, -1);
        QRgb found = label.background.rgb();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (contrast(image.pixel(x, y), label.background.rgb()) >
                    contrast(found, label.background.rgb()))
                    found = image.pixel(x, y);
            }
        }
        QVERIFY2(contrast(found, label.background.rgb()) >= 4.5, qPrintable(label.text));
    }
    QCOMPARE(fixture.errors, QStringList{});
}

QTEST_MAIN(TestTimeline)
#include "tst_timeline.moc"
