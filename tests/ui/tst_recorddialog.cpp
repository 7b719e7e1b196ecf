// The record dialog's keyboard: focus on Cancel at the first opening, Escape
// ignored, Enter pressing only a focused button, closing as Cancel, and the Tab order.
#include "programfixture.h"

#include "assessment/recordlist.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

namespace {

enum class Outcome { StaysOpen, Accepted, Rejected };

// The dialog's own control holding the focus (a control's inner parts name it).
QString focusedControl(const QDialog &dialog)
{
    for (const QWidget *widget = dialog.focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_"))
            return widget->objectName();
    }
    return {};
}

void press(QDialog &dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = dialog.focusWidget();
    QTest::keyClick(target != nullptr ? target : &dialog, key, modifiers);
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestRecordDialog : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void closingIsCancel();
    void focusOnCancelOnlyAtFirstOpening();
    void tabOrder();
};

void TestRecordDialog::keys_data()
{
    QTest::addColumn<QString>("focus"); // empty: where the first opening puts it
    QTest::addColumn<int>("key");
    QTest::addColumn<Outcome>("outcome");

    QTest::newRow("Enter right after the first opening cancels")
        << "" << int(Qt::Key_Return) << Outcome::Rejected;
    QTest::newRow("keypad Enter right after the first opening cancels")
        << "" << int(Qt::Key_Enter) << Outcome::Rejected;
    QTest::newRow("Enter on OK") << "Button1" << int(Qt::Key_Return) << Outcome::Accepted;
    QTest::newRow("Enter on a check box")
        << "CheckBox2" << int(Qt::Key_Return) << Outcome::StaysOpen;
    QTest::newRow("Enter on the category")
        << "ComboBox1" << int(Qt::Key_Return) << Outcome::StaysOpen;
    QTest::newRow("Enter on the date")
        << "DateTimePicker1" << int(Qt::Key_Return) << Outcome::StaysOpen;
    QTest::newRow("Escape on Cancel") << "" << int(Qt::Key_Escape) << Outcome::StaysOpen;
    QTest::newRow("Escape on a check box")
        << "CheckBox1" << int(Qt::Key_Escape) << Outcome::StaysOpen;
    QTest::newRow("Escape on the category")
        << "ComboBox1" << int(Qt::Key_Escape) << Outcome::StaysOpen;
}

void TestRecordDialog::keys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Outcome, outcome);

    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    dialog.CheckBox1->setChecked(true);
    dialog.CheckBox2->setChecked(false);

    bool stayedOpen = false;
    QList<bool> boxes;
    const auto ran = whenModal<TEdit_frm>(&dialog, [&](TEdit_frm &shown) {
        if (!focus.isEmpty())
            shown.findChild<QWidget *>(focus)->setFocus(Qt::OtherFocusReason);
        press(shown, Qt::Key(key));
        stayedOpen = shown.isVisible();
        boxes = {shown.CheckBox1->isChecked(), shown.CheckBox2->isChecked()};
    });
    const int result = dialog.exec();
    QVERIFY(*ran);
    QCOMPARE(stayedOpen, outcome == Outcome::StaysOpen);
    if (outcome != Outcome::StaysOpen)
        QCOMPARE(result, outcome == Outcome::Accepted ? QDialog::Accepted : QDialog::Rejected);
    // No key toggled a check box on the way.
    QCOMPARE(boxes, (QList<bool>{true, false}));
}

void TestRecordDialog::closingIsCancel()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const auto ran = whenModal<TEdit_frm>(&form, [](TEdit_frm &dialog) {
        // The fields as they would be accepted, then the frame's close box.
        dialog.ComboBox1->setCurrentIndex(2);
        dialog.close();
    });
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QVERIFY(*ran);
    QCOMPARE(form.Edit_frm->result(), int(QDialog::Rejected));
    QCOMPARE(form.records().count(), 0);
}

void TestRecordDialog::focusOnCancelOnlyAtFirstOpening()
{
    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QString first;
    auto ran = whenModal<TEdit_frm>(&dialog, [&](TEdit_frm &shown) {
        first = focusedControl(shown);
        press(shown, Qt::Key_Tab);
        shown.close();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(*ran);
    QCOMPARE(first, QStringLiteral("Button2"));

    // The second opening keeps the focus where the first one left it.
    QString second;
    ran = whenModal<TEdit_frm>(&dialog, [&](TEdit_frm &shown) {
        second = focusedControl(shown);
        press(shown, Qt::Key_Return);
    });
    const int result = dialog.exec();
    QVERIFY(*ran);
    QCOMPARE(second, QStringLiteral("Button1"));
    QCOMPARE(result, int(QDialog::Accepted));
}

void TestRecordDialog::tabOrder()
{
    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QStringList forward;
    QStringList backward;
    const auto ran = whenModal<TEdit_frm>(&dialog, [&](TEdit_frm &shown) {
        forward.append(focusedControl(shown));
        for (int step = 0; step < 7; ++step) {
            press(shown, Qt::Key_Tab);
            forward.append(focusedControl(shown));
        }
        for (int step = 0; step < 7; ++step) {
            press(shown, Qt::Key_Backtab, Qt::ShiftModifier);
            backward.append(focusedControl(shown));
        }
    });
    dialog.exec();
    QVERIFY(*ran);
    const QStringList order{"Button2",   "Button1",   "ComboBox1", "DateTimePicker1",
                            "CheckBox1", "CheckBox2", "CheckBox3", "Button2"};
    QCOMPARE(forward, order);
    QStringList reversed(order.crbegin() + 1, order.crend());
    QCOMPARE(backward, reversed);
}

QTEST_MAIN(TestRecordDialog)
#include "tst_recorddialog.moc"
