// The result panel under a light and a dark palette: the result line, as drawn,
// stands out from the panel's background at both ends of it, when the window
// starts under the palette and when the palette changes while it is up. A row of
// the list dated after the new crime stands back from the others yet still reads.
#include "programfixture.h"
#include "support/palettes.h"
#include "ui/recordlistdelegate.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QtTest>

namespace {

// The pixel of an area of the image that stands out most from the background.
QRgb mostDistinctPixel(const QImage &image, const QRect &area, QRgb background)
{
    QRgb found = background;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (contrast(pixel, background) > contrast(found, background))
                found = pixel;
        }
    }
    return found;
}

// The result panel as drawn: its background at the left and right ends, where
// the margins show it alone, and the pixel of the result line that stands out
// most from it.
struct DrawnColours
{
    QRgb leftEnd;
    QRgb rightEnd;
    QRgb text;

    bool textReadsWell() const
    {
        return contrast(text, leftEnd) >= 4.5 && contrast(text, rightEnd) >= 4.5;
    }
    QString described() const
    {
        return QStringLiteral("text %1 on a background from %2 to %3")
            .arg(QColor(text).name(), QColor(leftEnd).name(), QColor(rightEnd).name());
    }
};

DrawnColours drawnColours(const TForm1 &form, const QLabel *shown = nullptr)
{
    QFrame &resultPanel = child<QFrame>(form, "Panel1");
    const QImage panel = resultPanel.grab().toImage();
    const QRect line = (shown != nullptr ? shown : &child<QLabel>(form, "Label2"))->geometry();
    const int inset = resultPanel.frameWidth() + 3;
    const QRgb leftEnd = panel.pixel(inset, line.center().y());
    const QRgb rightEnd = panel.pixel(panel.width() - 1 - inset, line.center().y());
    return {leftEnd, rightEnd, mostDistinctPixel(panel, line, leftEnd)};
}

} // namespace

class TestResultPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void resultReadsUnderEitherPalette_data();
    void resultReadsUnderEitherPalette();
    void everyLineReadsUnderEitherPalette_data();
    void everyLineReadsUnderEitherPalette();
    void laterRowRecedesButReads_data();
    void laterRowRecedesButReads();

private:
    QPalette m_originalPalette;
};

void TestResultPanel::initTestCase()
{
    m_originalPalette = QApplication::palette();
}

void TestResultPanel::cleanup()
{
    QApplication::setPalette(m_originalPalette);
}

void TestResultPanel::resultReadsUnderEitherPalette_data()
{
    QTest::addColumn<QPalette>("first");
    QTest::addColumn<QPalette>("second");
    QTest::newRow("light, then dark") << lightPalette() << darkPalette();
    QTest::newRow("dark, then light") << darkPalette() << lightPalette();
}

void TestResultPanel::resultReadsUnderEitherPalette()
{
    QFETCH(QPalette, first);
    QFETCH(QPalette, second);
    QApplication::setPalette(first);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QVERIFY(!child<QLabel>(form, "Label2").text().isEmpty());
    QCOMPARE(child<QFrame>(form, "Panel1").devicePixelRatio(), 1.0);
    const DrawnColours before = drawnColours(form);
    QVERIFY2(before.textReadsWell(), qPrintable(before.described()));

    // The change reaches the widgets through the event loop.
    QApplication::setPalette(second);
    QCoreApplication::processEvents();
    const DrawnColours after = drawnColours(form);
    QVERIFY2(after.textReadsWell(), qPrintable(after.described()));
    // The panel took on the new palette rather than keeping its first colours.
    QVERIFY2(after.leftEnd != before.leftEnd && after.text != before.text,
             qPrintable(after.described()));
    QCOMPARE(fixture.errors, QStringList{});
}

void TestResultPanel::everyLineReadsUnderEitherPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << lightPalette();
    QTest::newRow("dark") << darkPalette();
}

void TestResultPanel::everyLineReadsUnderEitherPalette()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    // The sample list against a grave crime: grounds, horizon and consequences.
    child<QAction>(form, "N9").trigger();
    pickEntry(child<QComboBox>(form, "ComboBox1"), 2);
    QCoreApplication::processEvents();
    int checked = 0;
    for (const char *name : {"Label2", "Label5", "Label6", "Label7", "ConsequencesLine"}) {
        const QLabel *line = &child<QLabel>(form, name);
        if (line->isHidden())
            continue;
        const DrawnColours drawn = drawnColours(form, line);
        QVERIFY2(drawn.textReadsWell(),
                 qPrintable(line->objectName() + QStringLiteral(": ") + drawn.described()));
        ++checked;
    }
    QVERIFY(checked >= 4);
    QCOMPARE(fixture.errors, QStringList{});
}

void TestResultPanel::laterRowRecedesButReads_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << lightPalette();
    QTest::newRow("dark") << darkPalette();
}

void TestResultPanel::laterRowRecedesButReads()
{
    QFETCH(QPalette, palette);
    const QRgb base = palette.color(QPalette::Base).rgb();
    const QRgb text = palette.color(QPalette::Text).rgb();
    const QRgb receded = RecordListDelegate::recededText(palette).rgb();
    QVERIFY2(contrast(receded, base) >= 4.5, qPrintable(QColor(receded).name()));
    QVERIFY2(contrast(receded, base) < contrast(text, base) - 3,
             qPrintable(QColor(receded).name()));
}

QTEST_MAIN(TestResultPanel)
#include "tst_resultpanel.moc"
