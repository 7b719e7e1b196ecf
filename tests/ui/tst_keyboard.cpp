// The keys and the mouse as people expect them: Insert adds, Enter or a
// double-click modifies, Delete deletes, Ctrl+O loads, Ctrl+S saves, F1 opens
// help, and a record file dropped on the window loads. A date is typed or pasted
// whole into the record dialog and the new crime's date, in Russian, French and
// American formats; one that is not a date is kept, marked and refused.
#include "document/recordlist.h"
#include "platform/runtimeerror.h"
#include "programfixture.h"
#include "support/assessmentfixture.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/errorhandler.h"
#include "ui/optionaldatepicker.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

void selectRow(TForm1 &form, int row)
{
    // A closed dialog leaves no active window offscreen; a desktop gives the
    // focus back to the main window.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTableView &list = child<QTableView>(form, "ListView1");
    list.setFocus();
    list.selectionModel()->setCurrentIndex(
        shownCell(form, row), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Presses a key on a widget and says whether the record dialog opened, and with
// which date; the dialog is cancelled.
std::optional<QDate> dialogOpenedBy(TForm1 &form, const std::function<void()> &press)
{
    std::optional<QDate> shown;
    const auto ran = whenModal<TEdit_frm>(&form, [&](TEdit_frm &dialog) {
        shown = child<DatePicker>(dialog, "DateTimePicker1").date();
        child<QPushButton>(dialog, "Button2").click();
    });
    press();
    QCoreApplication::processEvents();
    return *ran ? shown : std::nullopt;
}

// How the user starts typing into a date field.
enum class Start {
    DoubleClickFirstPart,
    TabIn,
    ClickThenSelectAll,
    ClickFirstPart,
    Paste, // the text is set on the clipboard and pasted with Ctrl+V
};

QLineEdit *textOf(DatePicker *picker)
{
    return picker->findChild<QLineEdit *>();
}

// A mouse click (or double-click) at a character of the field's text.
void clickAt(DatePicker *picker, int position, bool twice = false)
{
    QLineEdit *edit = textOf(picker);
    edit->setCursorPosition(position);
    const QPoint at =
        edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center() + QPoint(2, 0);
    if (twice)
        QTest::mouseDClick(edit, Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(edit, Qt::LeftButton, {}, at);
}

// Starts typing as the user would, from the control before the field for Tab,
// then types the keys (all ASCII) one key event each.
void typeInto(DatePicker *picker, QWidget *before, Start start, const QString &keys)
{
    switch (start) {
    case Start::DoubleClickFirstPart: clickAt(picker, 1, true); break;
    case Start::TabIn:
        before->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(picker->hasFocus());
        break;
    case Start::ClickThenSelectAll:
        clickAt(picker, 4);
        QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
        break;
    case Start::ClickFirstPart: clickAt(picker, 1); break;
    case Start::Paste:
        clickAt(picker, 1);
        QGuiApplication::clipboard()->setText(keys);
        QTest::keyClick(picker, Qt::Key_V, Qt::ControlModifier);
        return;
    }
    QTest::keyClicks(picker, keys);
}

QString refusal(const QString &text)
{
    return shownErrorText(invalidDateError(text).message());
}

} // namespace

Q_DECLARE_METATYPE(Start)

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keysOnTheList();
    void deleteKeyKeepsItsMeaningElsewhere();
    void fileAndHelpKeys();
    void droppedRecordFileLoads_data();
    void droppedRecordFileLoads();
    void typedDates_data();
    void typedDates();
    void arrowsStepThePartUnderTheCursor_data();
    void arrowsStepThePartUnderTheCursor();
    void calendarReplacesARefusedText();
    void okRefusesADetailsDateThatIsNone();

private:
    // A fresh program whose dates follow the locale.
    TForm1 &startIn(const QString &locale);

    std::unique_ptr<ProgramFixture> m_fixture;
    TForm1 *m_form = nullptr;
};

void TestKeyboard::init()
{
    // One fixture at a time: each records the errors shown while it lives.
    m_fixture.reset();
    m_fixture = std::make_unique<ProgramFixture>();
    m_form = &m_fixture->startShown();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    for (const char *date : {"07.04.2023", "08.05.2022"})
        m_form->records().append(conviction(date, "grave"));
}

void TestKeyboard::keysOnTheList()
{
    TForm1 &form = *m_form;
    QTableView &list = child<QTableView>(form, "ListView1");
    QCOMPARE(dialogOpenedBy(form, [&] { QTest::keyClick(&list, Qt::Key_Insert); }),
             ProgramFixture::today());

    selectRow(form, 1);
    QCOMPARE(dialogOpenedBy(form, [&] { QTest::keyClick(&list, Qt::Key_Return); }),
             QDate(2022, 5, 8));
    const QRect firstRow = list.visualRect(shownCell(form, 0));
    QCOMPARE(dialogOpenedBy(
                 form,
                 [&] {
                     QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, firstRow.center());
                     QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, firstRow.center());
                 }),
             QDate(2023, 4, 7));

    selectRow(form, 0);
    QTest::keyClick(&list, Qt::Key_Delete);
    QCOMPARE(form.records().count(), 1);
    QCOMPARE(form.records().at(0).date, QDate(2022, 5, 8));
    QCOMPARE(m_fixture->errors, QStringList{});
}

void TestKeyboard::deleteKeyKeepsItsMeaningElsewhere()
{
    TForm1 &form = *m_form;
    selectRow(form, 0);
    DatePicker &calculationDate = child<DatePicker>(form, "DateTimePicker1");
    calculationDate.setFocus();
    QTest::keyClick(&calculationDate, Qt::Key_Delete);
    QCOMPARE(form.records().count(), 2);
}

void TestKeyboard::fileAndHelpKeys()
{
    TForm1 &form = *m_form;
    QTableView &list = child<QTableView>(form, "ListView1");
    m_fixture->fileChooser.answer.reset();
    QTest::keyClick(&list, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_fixture->fileChooser.lastSetup.title, m_fixture->text("Button.Open"));
    QTest::keyClick(&list, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_fixture->fileChooser.lastSetup.title, m_fixture->text("Button.SaveAs"));
    const QString manual = m_fixture->folder().programFolder() + "/manual/en/index.html";
    QVERIFY(QDir().mkpath(QFileInfo(manual).path()));
    QFile help(manual);
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    QTest::keyClick(&list, Qt::Key_F1);
    QCOMPARE(m_fixture->shell.helpPages, QList<QUrl>{QUrl::fromLocalFile(manual)});
}

void TestKeyboard::droppedRecordFileLoads_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("rows"); // after the drop; 2 when nothing loads
    QTest::addColumn<int>("errors");
    QTest::newRow("a list") << "client.har" << 1 << 0;
    QTest::newRow("extension in capitals") << "CLIENT.HAR" << 1 << 0;
    QTest::newRow("another kind of file is not taken") << "client.txt" << 2 << 0;
    QTest::newRow("a damaged list: error, list kept") << "damaged.har" << 2 << 1;
}

void TestKeyboard::droppedRecordFileLoads()
{
    QFETCH(QString, fileName);
    QFETCH(int, rows);
    QFETCH(int, errors);
    const QString path = m_fixture->folder().programFolder() + u'/' + fileName;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileName.startsWith(u"damaged") ? "junk"
                                               : "[previous_conviction]\r\ncount=1\r\n"
                                                 "date0=01.02.2020\r\nheaviness0=x\r\n");
    file.close();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint centre = m_form->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_form, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_form, &drop);

    QCOMPARE(enter.isAccepted(), fileName.endsWith(".har", Qt::CaseInsensitive));
    QCOMPARE(m_form->records().count(), rows);
    QCOMPARE(m_fixture->errors.size(), errors);
    if (rows == 1)
        QVERIFY(m_form->records().finding(0).inForce.has_value());
}

TForm1 &TestKeyboard::startIn(const QString &locale)
{
    m_fixture.reset();
    m_fixture = std::make_unique<ProgramFixture>();
    m_fixture->setDateLocale(QLocale(locale));
    m_form = &m_fixture->startShown();
    m_form->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(m_form)); }();
    return *m_form;
}

void TestKeyboard::typedDates_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("inDialog"); // the record dialog's date, or the new crime's
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected"); // invalid: the text is refused
    const QDate march12(2019, 3, 12);
    const QDate refused;
    const auto row = [](const char *name, const char *locale, bool inDialog, Start start,
                        const char *keys, QDate expected) {
        QTest::newRow(name) << locale << inDialog << start << keys << expected;
    };
    // On 9 December 2026 the field shows 09.12.2026.
    row("ru: double-click the day, type the date", "ru_RU", true, Start::DoubleClickFirstPart,
        "12.03.2019", march12);
    row("ru: Tab in, type the date", "ru_RU", true, Start::TabIn, "01.02.2018", QDate(2018, 2, 1));
    row("ru: Ctrl+A, type the date", "ru_RU", true, Start::ClickThenSelectAll, "12.03.2019",
        march12);
    row("ru: one click, type the date", "ru_RU", true, Start::ClickFirstPart, "12.03.2019",
        march12);
    row("ru: no separators", "ru_RU", true, Start::TabIn, "12032019", march12);
    row("ru: one-digit day and month", "ru_RU", true, Start::ClickThenSelectAll, "5.3.2019",
        QDate(2019, 3, 5));
    row("ru: slashes in a dotted locale", "ru_RU", true, Start::TabIn, "12/03/2019", march12);
    row("ru: short year 19", "ru_RU", true, Start::TabIn, "12.03.19", march12);
    row("ru: short year 29 is 2029", "ru_RU", true, Start::TabIn, "12.03.29", QDate(2029, 3, 12));
    row("ru: short year 30 is 1930", "ru_RU", true, Start::TabIn, "12.03.30", QDate(1930, 3, 12));
    row("ru: day only changes the day", "ru_RU", true, Start::DoubleClickFirstPart, "15",
        QDate(2026, 12, 15));
    row("ru: 31 February refused", "ru_RU", true, Start::TabIn, "31.02.2019", refused);
    row("ru: month 13 refused", "ru_RU", true, Start::ClickThenSelectAll, "12.13.2019", refused);
    row("ru: unfinished refused", "ru_RU", true, Start::ClickThenSelectAll, "12.3", refused);
    row("ru: paste", "ru_RU", true, Start::Paste, "12.03.2019", march12);
    row("ru: paste without separators", "ru_RU", true, Start::Paste, "12032019", march12);
    row("ru: new crime, Tab in", "ru_RU", false, Start::TabIn, "12.03.2019", march12);
    row("ru: new crime, 31 February refused", "ru_RU", false, Start::TabIn, "31.02.2019", refused);

    row("fr: double-click the day, type the date", "fr_FR", true, Start::DoubleClickFirstPart,
        "12/03/2019", march12);
    row("fr: Tab in, dots", "fr_FR", true, Start::TabIn, "01.02.2018", QDate(2018, 2, 1));
    row("fr: hyphens", "fr_FR", true, Start::ClickThenSelectAll, "12-03-2019", march12);
    row("fr: short year", "fr_FR", true, Start::TabIn, "12/03/19", march12);
    row("fr: 31 February refused", "fr_FR", true, Start::TabIn, "31/02/2019", refused);
    row("fr: paste", "fr_FR", true, Start::Paste, "12/03/2019", march12);
    row("fr: new crime, double-click", "fr_FR", false, Start::DoubleClickFirstPart, "12/03/2019",
        march12);

    row("en: Tab in, month first", "en_US", true, Start::TabIn, "3/12/2019", march12);
    row("en: double-click the month", "en_US", true, Start::DoubleClickFirstPart, "3/12/2019",
        march12);
    row("en: no separators", "en_US", true, Start::ClickThenSelectAll, "03122019", march12);
    row("en: short year", "en_US", true, Start::TabIn, "3/12/19", march12);
    row("en: month 13 refused", "en_US", true, Start::TabIn, "13/12/2019", refused);
    row("en: new crime, Ctrl+A", "en_US", false, Start::ClickThenSelectAll, "3/12/2019", march12);
    row("en: new crime, 2/31 refused", "en_US", false, Start::TabIn, "2/31/2019", refused);
}

// The keys go to the field as key events; the user then leaves it with Tab (the
// focus moves on) and, in the dialog, presses OK.
void TestKeyboard::typedDates()
{
    QFETCH(QString, locale);
    QFETCH(bool, inDialog);
    QFETCH(Start, start);
    QFETCH(QString, keys);
    QFETCH(QDate, expected);
    TForm1 &form = startIn(locale);
    const ShortDateFormat format = m_fixture->dateFormat();
    const QStringList noErrors;

    if (!inDialog) {
        const QLabel &result = child<QLabel>(form, "Label2");
        DatePicker *picker = &child<DatePicker>(form, "DateTimePicker1");
        const QString before = result.text();
        typeInto(picker, &child<QCheckBox>(form, "CheckBox1"), start, keys);
        QTest::keyClick(picker, Qt::Key_Tab);
        QCoreApplication::processEvents();
        if (expected.isValid()) {
            QCOMPARE(picker->date(), expected);
            QCOMPARE(m_fixture->errors, noErrors);
        } else {
            // The last result stays, the text is kept and marked, and the field
            // has the focus back.
            QCOMPARE(picker->date(), ProgramFixture::today());
            QCOMPARE(m_fixture->errors, QStringList{refusal(keys)});
            QCOMPARE(result.text(), before);
            QCOMPARE(textOf(picker)->text(), keys);
            QVERIFY(picker->marksInvalidText());
            QVERIFY(picker->hasFocus());
        }
        return;
    }

    struct Seen
    {
        QString text;
        bool marked = false;
        bool leftWithTab = false;
        bool stayedOpen = false;
        bool focusBack = false;
    } seen;
    const auto ran = whenModal<TEdit_frm>(&form, [&](TEdit_frm &dialog) {
        DatePicker *picker = &child<DatePicker>(dialog, "DateTimePicker1");
        typeInto(picker, &child<QComboBox>(dialog, "ComboBox1"), start, keys);
        seen.text = textOf(picker)->text();
        QTest::keyClick(picker, Qt::Key_Tab);
        seen.leftWithTab = child<QCheckBox>(dialog, "CheckBox1").hasFocus();
        seen.marked = picker->marksInvalidText();
        QTest::mouseClick(&child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        seen.stayedOpen = dialog.isVisible();
        seen.focusBack = picker->hasFocus();
    });
    QTest::keyClick(&child<QTableView>(form, "ListView1"), Qt::Key_Insert);
    QVERIFY(*ran);
    QVERIFY(seen.leftWithTab);
    if (expected.isValid()) {
        QCOMPARE(form.records().count(), 1);
        QCOMPARE(form.records().at(0).date, expected);
        QCOMPARE(m_fixture->errors, noErrors);
        QVERIFY(!seen.marked);
    } else {
        QCOMPARE(form.records().count(), 0);
        QVERIFY(seen.stayedOpen);
        QVERIFY(seen.focusBack);
        QCOMPARE(seen.text, keys);
        QVERIFY(seen.marked);
        QCOMPARE(m_fixture->errors, QStringList{refusal(keys)});
    }
}

void TestKeyboard::arrowsStepThePartUnderTheCursor_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("keys"); // typed first over the whole text; none: 9 December 2026
    QTest::addColumn<int>("position"); // where the cursor is put with a click
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("ru: the day up") << "ru_RU"
                                    << "" << 1 << int(Qt::Key_Up) << QDate(2026, 12, 10);
    QTest::newRow("ru: the month down") << "ru_RU"
                                        << "" << 4 << int(Qt::Key_Down) << QDate(2026, 11, 9);
    QTest::newRow("fr: the year up") << "fr_FR"
                                     << "" << 8 << int(Qt::Key_Up) << QDate(2027, 12, 9);
    QTest::newRow("en: the month up, month first")
        << "en_US"
        << "" << 0 << int(Qt::Key_Up) << QDate(2027, 1, 9);
    QTest::newRow("ru: a typed short year, then the year up")
        << "ru_RU"
        << "12.03.19" << 7 << int(Qt::Key_Up) << QDate(2020, 3, 12);
    QTest::newRow("ru: nothing steps a text that is not a date")
        << "ru_RU"
        << "31.02.2019" << 1 << int(Qt::Key_Up) << QDate(2026, 12, 9);
}

void TestKeyboard::arrowsStepThePartUnderTheCursor()
{
    QFETCH(QString, locale);
    QFETCH(QString, keys);
    QFETCH(int, position);
    QFETCH(int, key);
    QFETCH(QDate, expected);
    TForm1 &form = startIn(locale);
    DatePicker *picker = &child<DatePicker>(form, "DateTimePicker1");
    if (!keys.isEmpty())
        typeInto(picker, &child<QCheckBox>(form, "CheckBox1"), Start::ClickThenSelectAll, keys);
    clickAt(picker, position);
    QTest::keyClick(picker, Qt::Key(key));
    QCOMPARE(picker->date(), expected);
    QCOMPARE(m_fixture->errors, QStringList{});
}

void TestKeyboard::calendarReplacesARefusedText()
{
    TForm1 &form = startIn("ru_RU");
    DatePicker *picker = &child<DatePicker>(form, "DateTimePicker1");
    typeInto(picker, &child<QCheckBox>(form, "CheckBox1"), Start::TabIn, "31.02.2019");
    QVERIFY(picker->marksInvalidText());
    // The pop-up's button is at the right end of the field.
    QTest::mouseClick(picker, Qt::LeftButton, {},
                      QPoint(picker->width() - 6, picker->height() / 2));
    QCalendarWidget *calendar = picker->calendarWidget();
    QVERIFY(QTest::qWaitForWindowExposed(calendar->window()));
    QCOMPARE(calendar->selectedDate(), ProgramFixture::today());
    auto *days = calendar->findChild<QAbstractItemView *>();
    QTest::keyClick(days, Qt::Key_Left);
    QTest::keyClick(days, Qt::Key_Return);
    QVERIFY(!calendar->window()->isVisible());
    QCOMPARE(picker->date(), QDate(2026, 12, 8));
    QCOMPARE(textOf(picker)->text(), QStringLiteral("08.12.2026"));
    QVERIFY(!picker->marksInvalidText());
}

void TestKeyboard::okRefusesADetailsDateThatIsNone()
{
    TForm1 &form = *m_form;
    bool stayedOpen = false;
    bool focusBack = false;
    const auto ran = whenModal<TEdit_frm>(&form, [&](TEdit_frm &dialog) {
        QToolButton &detailsButton = child<QToolButton>(dialog, "DetailsButton");
        const OptionalDatePicker &servedField = child<OptionalDatePicker>(dialog, "ServedPicker");
        detailsButton.click();
        servedField.box()->click();
        DatePicker *served = servedField.picker();
        typeInto(served, servedField.box(), Start::TabIn, "30.02.2020");
        detailsButton.click(); // collapsed again: OK shows it
        QTest::mouseClick(&child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
        stayedOpen = dialog.isVisible();
        focusBack = served->hasFocus() && child<QWidget>(dialog, "DetailsPanel").isVisible();
    });
    QTest::keyClick(&child<QTableView>(form, "ListView1"), Qt::Key_Insert);
    QVERIFY(*ran);
    QVERIFY(stayedOpen);
    QVERIFY(focusBack);
    QCOMPARE(m_fixture->errors, QStringList{refusal("30.02.2020")});
    QCOMPARE(form.records().count(), 2);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
