// The layout of the three windows with a large font in every language: no label,
// button, check box or drop-down list narrower than its text needs, and no window
// smaller than its layout's minimum.
#include "programfixture.h"

#include "ui/about.h"
#include "ui/addedit_unit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTableView>
#include <QtTest>

namespace {

// The controls of a window narrower than their size hint, with their widths.
QStringList tooNarrow(const QWidget &window, const QWidget *skipped)
{
    QStringList found;
    QList<QWidget *> controls;
    for (QLabel *label : window.findChildren<QLabel *>())
        controls.append(label);
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
        controls.append(button);
    for (QComboBox *selector : window.findChildren<QComboBox *>())
        controls.append(selector);
    for (const QWidget *control : std::as_const(controls)) {
        if (!control->isVisible() || control->window() != &window || skipped->isAncestorOf(control))
            continue;
        if (control->width() < control->sizeHint().width()) {
            found.append(QStringLiteral("%1 \"%2\" %3 < %4")
                             .arg(control->objectName(), control->property("text").toString(),
                                  QString::number(control->width()),
                                  QString::number(control->sizeHint().width())));
        }
    }
    return found;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void textsFitWithALargeFont_data();
    void textsFitWithALargeFont();

private:
    QFont m_originalFont;
};

void TestLayout::initTestCase()
{
    m_originalFont = QApplication::font();
    QFont large = m_originalFont;
    large.setPointSizeF(m_originalFont.pointSizeF() * 1.5);
    QApplication::setFont(large);
}

void TestLayout::cleanupTestCase()
{
    QApplication::setFont(m_originalFont);
}

void TestLayout::textsFitWithALargeFont_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("French") << "French";
}

void TestLayout::textsFitWithALargeFont()
{
    QFETCH(QString, language);
    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    form.Edit_frm->show();
    form.AboutFrm->show();
    QCoreApplication::processEvents();

    for (const QWidget *window :
         {static_cast<QWidget *>(&form), static_cast<QWidget *>(form.Edit_frm),
          static_cast<QWidget *>(form.AboutFrm)}) {
        const QStringList narrow = tooNarrow(*window, form.ListView1);
        QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(u"; ")));
        const QSize minimum = window->minimumSizeHint();
        QVERIFY2(window->width() >= minimum.width() && window->height() >= minimum.height(),
                 qPrintable(QStringLiteral("%1 %2x%3 < %4x%5")
                                .arg(window->objectName())
                                .arg(window->width())
                                .arg(window->height())
                                .arg(minimum.width())
                                .arg(minimum.height())));
    }
    form.Edit_frm->hide();
    form.AboutFrm->hide();

    // The result line's longest text, "neither" in French, after Clear data.
    form.N11->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(form.Label2->text(), fixture.text("String.RecidivNo"));
    const QStringList narrow = tooNarrow(form, form.ListView1);
    QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(u"; ")));
    QCOMPARE(fixture.errors, QStringList{});
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
