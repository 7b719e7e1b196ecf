// The layout of the three windows with a large font in every language: no label,
// button, check box or drop-down list narrower than its text needs, and no window
// smaller than its layout's minimum. And nothing clipped in any language at the
// default font and at 11 pt, before and after Clear data, a change of language
// and a change of font: no drop-down list or date field narrower than its longest
// content, no column title cut off without an ellipsis and a tooltip, and every
// column of the list in view at the window's first size.
#include "programfixture.h"

#include "document/recordlist.h"
#include "ui/about.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/fittedheader.h"
#include "ui/languageselector.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QToolButton>
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

// The application font for a scope.
class ApplicationFont
{
public:
    explicit ApplicationFont(const QFont &font)
        : m_previous(QApplication::font())
    {
        QApplication::setFont(font);
    }
    ~ApplicationFont() { QApplication::setFont(m_previous); }
    ApplicationFont(const ApplicationFont &) = delete;
    ApplicationFont &operator=(const ApplicationFont &) = delete;

private:
    QFont m_previous;
};

QFont withPointSize(QFont font, qreal points)
{
    font.setPointSizeF(points);
    return font;
}

QString longestItem(const QComboBox &box)
{
    QString longest;
    for (int item = 0; item < box.count(); ++item) {
        if (box.fontMetrics().horizontalAdvance(box.itemText(item)) >
            box.fontMetrics().horizontalAdvance(longest))
            longest = box.itemText(item);
    }
    return longest;
}

// A drop-down list whose text field is narrower than its longest item; its
// label is drawn a pixel in from either side of the field.
std::optional<QString> clippedItems(const QComboBox &box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.frame = box.hasFrame();
    const int given =
        box.style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box)
            .width() -
        2;
    const QString longest = longestItem(box);
    const int needed = box.fontMetrics().horizontalAdvance(longest);
    if (needed <= given)
        return std::nullopt;
    return QStringLiteral("%1 \"%2\" needs %3 > %4")
        .arg(box.objectName(), longest, QString::number(needed), QString::number(given));
}

// A date field whose text is narrower than the longest date; a line edit keeps
// two pixels free on either side of its text.
std::optional<QString> clippedDate(const DatePicker &picker)
{
    const QLineEdit &edit = *picker.findChild<QLineEdit *>();
    const QMargins margins = edit.textMargins();
    const int given = edit.contentsRect().width() - margins.left() - margins.right() - 4;
    const QString longest = picker.longestDateText();
    const int needed = picker.fontMetrics().horizontalAdvance(longest);
    if (needed <= given)
        return std::nullopt;
    return QStringLiteral("%1 \"%2\" needs %3 > %4")
        .arg(picker.objectName(), longest, QString::number(needed), QString::number(given));
}

// The column titles drawn cut off: a title drawn wider than its section's label
// room, or shortened without an ellipsis or without the whole title as its tooltip.
QStringList clippedTitles(const FittedHeader &header)
{
    QStringList found;
    const QAbstractItemModel &model = *header.model();
    for (int section = 0; section < header.count(); ++section) {
        const QString title = model.headerData(section, Qt::Horizontal).toString();
        const QString shown = header.shownTitle(section);
        QStyleOptionHeader option;
        option.initFrom(&header);
        option.rect = QRect(0, 0, header.sectionSize(section), header.height());
        option.section = section;
        option.text = shown;
        const int room =
            header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header).width();
        const int drawn = header.fontMetrics().horizontalAdvance(shown);
        const bool whole = shown == title;
        const bool elided =
            shown.endsWith(u'\u2026') &&
            model.headerData(section, Qt::Horizontal, Qt::ToolTipRole).toString() == title;
        if (drawn > room || !(whole || elided)) {
            found.append(QStringLiteral("column %1 \"%2\" shown as \"%3\", %4 wide in %5")
                             .arg(QString::number(section), title, shown, QString::number(drawn),
                                  QString::number(room)));
        }
    }
    return found;
}

// Every drop-down list, date field and column title of a window cut off.
QStringList clippedContents(const QWidget &window)
{
    QStringList found;
    for (const QComboBox *box : window.findChildren<QComboBox *>()) {
        if (box->isVisible() && box->window() == &window)
            found.append(clippedItems(*box).value_or(QString()));
    }
    for (const DatePicker *picker : window.findChildren<DatePicker *>()) {
        if (picker->isVisible() && picker->window() == &window)
            found.append(clippedDate(*picker).value_or(QString()));
    }
    for (const FittedHeader *header : window.findChildren<FittedHeader *>()) {
        if (header->isVisible())
            found.append(clippedTitles(*header));
    }
    found.removeAll(QString());
    return found;
}

// Nothing cut off at the window's size, nor at the least size its layout allows.
void verifyNothingClipped(QWidget &window, const char *when)
{
    QCoreApplication::processEvents();
    QStringList clipped = clippedContents(window);
    const QSize size = window.size();
    window.resize(window.minimumSizeHint());
    QCoreApplication::processEvents();
    for (const QString &found : clippedContents(window))
        clipped.append(QStringLiteral("at the least size, ") + found);
    window.resize(size);
    QCoreApplication::processEvents();
    QVERIFY2(clipped.isEmpty(),
             qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(when), clipped.join(u"; "))));
}

// The language after the given one, so that each is switched to once.
QString nextLanguage(const QString &language)
{
    if (language == u"English")
        return QStringLiteral("Russian");
    if (language == u"Russian")
        return QStringLiteral("French");
    return QStringLiteral("English");
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void textsFitWithALargeFont_data();
    void textsFitWithALargeFont();
    void nothingClipped_data();
    void nothingClipped();
    void columnsShareTheWidth();
    void fittedWidths_data();
    void fittedWidths();
};

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
    const ApplicationFont large(
        withPointSize(QApplication::font(), QApplication::font().pointSizeF() * 1.5));
    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    form.Edit_frm->show();
    form.AboutFrm->show();
    QCoreApplication::processEvents();
    const QTableView *list = &child<QTableView>(form, "ListView1");

    for (const QWidget *window :
         {static_cast<QWidget *>(&form), static_cast<QWidget *>(form.Edit_frm),
          static_cast<QWidget *>(form.AboutFrm)}) {
        const QStringList narrow = tooNarrow(*window, list);
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

    // The result line's longest text, "neither" in French, after Clear data and
    // a category chosen.
    child<QAction>(form, "N11").trigger();
    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Small));
    QCoreApplication::processEvents();
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.RecidivNo"));
    const QStringList narrow = tooNarrow(form, list);
    QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(u"; ")));
    QCOMPARE(fixture.errors, QStringList{});
}

void TestLayout::nothingClipped_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<qreal>("points"); // the application font's size; 0 for the default
    for (const char *language : {"English", "Russian", "French"}) {
        QTest::addRow("%s, default font", language) << QString::fromLatin1(language) << 0.0;
        QTest::addRow("%s, 11 pt", language) << QString::fromLatin1(language) << 11.0;
    }
}

void TestLayout::nothingClipped()
{
    QFETCH(QString, language);
    QFETCH(qreal, points);
    const QFont defaultFont = QApplication::font();
    const ApplicationFont font(points > 0 ? withPointSize(defaultFont, points) : defaultFont);
    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    const QTableView &list = child<QTableView>(form, "ListView1");
    auto &header = *qobject_cast<FittedHeader *>(list.horizontalHeader());

    // At the first size every column is in view, the last one included.
    QVERIFY2(header.length() <= list.viewport()->width(),
             qPrintable(QStringLiteral("columns %1 wide in %2")
                            .arg(header.length())
                            .arg(list.viewport()->width())));
    QVERIFY(list.horizontalScrollBar()->maximum() == 0);
    QVERIFY(form.frameGeometry().width() <= 1366 && form.frameGeometry().height() <= 768);
    verifyNothingClipped(form, "at start");

    child<QAction>(form, "N9").trigger();
    verifyNothingClipped(form, "with the sample data");
    // The sample data are unsaved: the question is answered first.
    answerUnsavedChanges(&form, QMessageBox::Discard);
    child<QAction>(form, "N11").trigger();
    QComboBox &category = child<QComboBox>(form, "ComboBox1");
    QCOMPARE(category.currentIndex(), -1);
    verifyNothingClipped(form, "after Clear data");
    // A category chosen, whose text the change of language below rewrites.
    pickEntry(category, int(Gravity::Small));

    form.Edit_frm->show();
    child<QToolButton>(*form.Edit_frm, "DetailsButton").click();
    verifyNothingClipped(*form.Edit_frm, "in the record dialog");
    form.Edit_frm->hide();

    LanguageSelector &selector = child<LanguageSelector>(form, "CmbBxLang");
    pickEntry(selector, selector.findText(nextLanguage(language)));
    QCOMPARE(category.currentText(),
             fixture.text("String.SmallCrime")); // the new language's texts are in
    verifyNothingClipped(form, "after a change of language");
    form.Edit_frm->show();
    verifyNothingClipped(*form.Edit_frm, "in the record dialog after a change of language");
    form.Edit_frm->hide();

    const qreal shownPoints = points > 0 ? points : defaultFont.pointSizeF();
    const ApplicationFont larger(withPointSize(defaultFont, shownPoints + 3));
    verifyNothingClipped(form, "after a change of font");
    form.Edit_frm->show();
    verifyNothingClipped(*form.Edit_frm, "in the record dialog after a change of font");
    form.Edit_frm->hide();
    QCOMPARE(fixture.errors, QStringList{});
}

// The designed widths are floors: a wider window widens the columns, titles the
// floors cut off first, until every column fills the list; a narrower one keeps
// the floors and scrolls.
void TestLayout::columnsShareTheWidth()
{
    ProgramFixture fixture;
    fixture.storeLanguage(QStringLiteral("Russian"));
    TForm1 &form = fixture.startShown();
    const QTableView &list = child<QTableView>(form, "ListView1");
    auto &header = *qobject_cast<FittedHeader *>(list.horizontalHeader());

    form.resize(form.width() + 600, form.height());
    QCoreApplication::processEvents();
    QCOMPARE(header.length(), list.viewport()->width());
    for (int column = 0; column < header.count(); ++column) {
        QVERIFY(header.sectionSize(column) > header.floor(column));
        QCOMPARE(header.shownTitle(column), child<QTableView>(form, "ListView1")
                                                .model()
                                                ->headerData(column, Qt::Horizontal)
                                                .toString());
    }

    form.resize(form.minimumSizeHint().width(), form.height());
    QCoreApplication::processEvents();
    for (int column = 0; column < header.count(); ++column)
        QCOMPARE(header.sectionSize(column), header.floor(column));
    QVERIFY(list.horizontalScrollBar()->maximum() > 0);
}

void TestLayout::fittedWidths_data()
{
    QTest::addColumn<QList<int>>("floors");
    QTest::addColumn<QList<int>>("needed");
    QTest::addColumn<int>("available");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("narrower than the floors")
        << QList<int>{100, 50} << QList<int>{150, 80} << 120 << QList<int>{100, 50};
    QTest::newRow("exactly the floors")
        << QList<int>{100, 50} << QList<int>{150, 80} << 150 << QList<int>{100, 50};
    QTest::newRow("titles first, in proportion to what they lack")
        << QList<int>{100, 50, 60} << QList<int>{160, 80, 40} << 240 << QList<int>{120, 60, 60};
    QTest::newRow("titles whole, the rest by width")
        << QList<int>{100, 50, 60} << QList<int>{160, 80, 40} << 300 << QList<int>{160, 80, 60};
    QTest::newRow("the rest by width, rounding carried")
        << QList<int>{100, 100, 100} << QList<int>{0, 0, 0} << 301 << QList<int>{100, 100, 101};
    QTest::newRow("twice the floors")
        << QList<int>{100, 50} << QList<int>{90, 40} << 300 << QList<int>{200, 100};
}

void TestLayout::fittedWidths()
{
    QFETCH(QList<int>, floors);
    QFETCH(QList<int>, needed);
    QFETCH(int, available);
    QFETCH(QList<int>, widths);
    QCOMPARE(fittedColumnWidths(floors, needed, available), widths);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
