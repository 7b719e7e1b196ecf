// The result panel under a light and a dark palette: the result line, as drawn,
// stands out from the panel's background at both ends of it, when the window
// starts under the palette and when the palette changes while it is up. A row of
// the list dated after the new crime stands back from the others yet still reads.
#include "programfixture.h"
#include "ui/recordlistdelegate.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

// A desktop palette with the given window, base, text and selection colours; the
// frame's shades follow from the window colour.
QPalette desktopPalette(const QColor &window, const QColor &base, const QColor &text,
                        const QColor &highlight)
{
    QPalette palette(window, window);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

QPalette lightPalette()
{
    return desktopPalette(QColor(0xef, 0xef, 0xef), Qt::white, Qt::black, QColor(0x30, 0x8c, 0xc6));
}

QPalette darkPalette()
{
    return desktopPalette(QColor(0x35, 0x35, 0x35), QColor(0x23, 0x23, 0x23), Qt::white,
                          QColor(0x2a, 0x82, 0xda));
}

// The relative luminance of a colour on a screen, from 0 (black) to 1 (white).
double luminance(QRgb pixel)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
           0.0722 * linear(qBlue(pixel));
}

// From 1 (the same) to 21 (black on white); 4.5 is the least for ordinary text to
// read well.
double contrast(QRgb first, QRgb second)
{
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

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

DrawnColours drawnColours(const TForm1 &form)
{
    const QImage panel = form.Panel1->grab().toImage();
    const QRect line = form.Label2->geometry();
    const int inset = form.Panel1->frameWidth() + 3;
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
    QVERIFY(!form.Label2->text().isEmpty());
    QCOMPARE(form.Panel1->devicePixelRatio(), 1.0);
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
