// The record dialog's keyboard: focus on the first input at the first opening,
// Escape cancelling, Enter confirming unless it presses Cancel, closing as
// Cancel, and the Tab order with OK before Cancel.
// Its details section: collapsed without changing the dialog, growing and giving
// back its height, the kind of punishment and the check boxes kept in agreement,
// the details filled and read back, facts that disagree refused on OK, and its
// texts and tooltips in every language. A record shown comes back as it was, and
// one the dialog cannot show changes nothing.
#include "programfixture.h"

#include "assessment/punishmentboxes.h"
#include "document/recordlist.h"
#include "platform/runtimeerror.h"
#include "support/assessmentfixture.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/languageselector.h"
#include "ui/optionaldatepicker.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
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

// The dialog shown as the main window shows it, with its events processed.
void showDialog(TEdit_frm &dialog)
{
    dialog.show();
    QCoreApplication::processEvents();
}

// The kind and the two boxes as the dialog shows them.
PunishmentBoxes shownPunishment(const TEdit_frm &dialog)
{
    return PunishmentBoxes{PunishmentKind(child<QComboBox>(dialog, "PunishmentBox").currentIndex()),
                           child<QCheckBox>(dialog, "CheckBox1").isChecked(),
                           child<QCheckBox>(dialog, "CheckBox3").isChecked()};
}

int xInDialog(const QWidget *widget)
{
    return widget->mapTo(widget->window(), QPoint()).x();
}

// The same for the dialog's control of that name.
int xInDialog(const TEdit_frm &dialog, const char *name)
{
    return xInDialog(&child<QWidget>(dialog, name));
}

enum class UserAction { PickKind, ClickCustody, ClickReprieve };
// What the user does after giving a date.
enum class Afterwards { Nothing, ClearRevoked, PickCustody };

const QDate CrimeDay(2016, 3, 2);
const QDate ServedDay(2019, 8, 30);
const QDate ProbationDay(2020, 1, 15);

ConvictionDetails detailsOf(QDate crimeDate, PunishmentKind kind, QDate served, QDate probationEnd,
                            bool revoked, bool negligent)
{
    return ConvictionDetails{crimeDate, kind, served, probationEnd, revoked, negligent};
}

// A revoked conditional sentence with every fact given, for a conviction of
// 17 April 2019 or earlier.
ConvictionDetails everyFact()
{
    return ConvictionDetails{.crimeDate = CrimeDay,
                             .punishment = PunishmentKind::Conditional,
                             .served = ServedDay,
                             .probationEnd = ProbationDay,
                             .revoked = true,
                             .negligent = true,
                             .inForce = QDate(2019, 5, 6),
                             .revokedOn = QDate(2019, 6, 3),
                             .sentence = 3,
                             .additionalEnd = QDate(2021, 2, 28),
                             .removed = QDate(2022, 10, 11)};
}

// A click on a check box's box itself, not its text: the boxes are wider than
// their texts.
void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

// The same on the dialog's check box of that name.
void clickBox(const TEdit_frm &dialog, const char *name)
{
    clickBox(&child<QCheckBox>(dialog, name));
}

// The user gives an optional date: a click on its box, a click in the field,
// Ctrl+A, and the date typed over the whole text, one key event a character.
void giveDate(OptionalDatePicker *picker, const QString &typed)
{
    clickBox(picker->box());
    QLineEdit *text = picker->picker()->findChild<QLineEdit *>();
    QTest::mouseClick(text, Qt::LeftButton, {}, text->rect().center());
    QTest::keyClick(picker->picker(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(picker->picker(), typed);
}

// The section's keys, in the order the localisation pass writes them.
const char *const SectionKeys[] = {"String.details",
                                   "String.CrimeCommitted",
                                   "String.Punishment",
                                   "String.PunishmentNotGiven",
                                   "String.PunishmentCustody",
                                   "String.PunishmentConditional",
                                   "String.PunishmentDeferred",
                                   "String.PunishmentMilder",
                                   "String.SentenceServed",
                                   "String.ProbationEnds",
                                   "String.Revoked",
                                   "String.Negligent",
                                   "String.InForce",
                                   "String.SentenceNumber",
                                   "String.AdditionalEnds",
                                   "String.RevokedOn",
                                   "String.Removed"};

// The section's texts as shown, in the order of SectionKeys; a text broken into
// lines to fit is joined again.
QStringList sectionTexts(const TEdit_frm &dialog)
{
    const auto date = [&dialog](const char *name) {
        return child<OptionalDatePicker>(dialog, name).text();
    };
    QStringList texts{child<QToolButton>(dialog, "DetailsButton").text(), date("CrimeDatePicker"),
                      child<QLabel>(dialog, "PunishmentLabel").text()};
    const QComboBox &kinds = child<QComboBox>(dialog, "PunishmentBox");
    for (int index = 0; index < kinds.count(); ++index)
        texts.append(kinds.itemText(index));
    texts << date("ServedPicker") << date("ProbationPicker")
          << child<QCheckBox>(dialog, "RevokedBox").text()
          << child<QCheckBox>(dialog, "NegligentBox").text() << date("InForcePicker")
          << child<QLabel>(dialog, "SentenceLabel").text() << date("AdditionalEndPicker")
          << date("RevokedOnPicker") << date("RemovedPicker");
    return texts.replaceInStrings(QStringLiteral("\n"), QStringLiteral(" "));
}

// The tooltips that say what each fact means in law, by key.
QList<std::pair<const char *, const QWidget *>> sectionHints(const TEdit_frm &dialog)
{
    const auto date = [&dialog](const char *name) {
        return &child<OptionalDatePicker>(dialog, name);
    };
    return {{"String.SentenceServedHint", date("ServedPicker")},
            {"String.InForceHint", date("InForcePicker")},
            {"String.SentenceNumberHint", &child<QLabel>(dialog, "SentenceLabel")},
            {"String.SentenceNumberHint", &child<QSpinBox>(dialog, "SentenceBox")},
            {"String.AdditionalEndsHint", date("AdditionalEndPicker")},
            {"String.RevokedOnHint", date("RevokedOnPicker")},
            {"String.RemovedHint", date("RemovedPicker")}};
}

} // namespace

// Failure messages name the states compared.
static char *toString(const PunishmentBoxes &state)
{
    return QTest::toString(QStringLiteral("kind %1, custody %2, reprieve %3")
                               .arg(int(state.kind))
                               .arg(state.custody)
                               .arg(state.reprieve));
}

static QString describe(const ConvictionDetails &details)
{
    return QStringLiteral("crime %1, kind %2, served %3, probation %4, "
                          "revoked %5, negligent %6")
        .arg(details.crimeDate.toString(Qt::ISODate))
        .arg(int(details.punishment))
        .arg(details.served.toString(Qt::ISODate), details.probationEnd.toString(Qt::ISODate))
        .arg(details.revoked)
        .arg(details.negligent);
}

static char *toString(const ConvictionDetails &details)
{
    return QTest::toString(describe(details));
}

static char *toString(const ConvictionRecord &record)
{
    const std::optional<Gravity> &gravity = record.gravity.known();
    return QTest::toString(
        QStringList{record.date.toString(Qt::ISODate),
                    gravity ? QString::number(int(*gravity)) : record.gravity.unrecognisedText(),
                    QString::number(record.custody), QString::number(record.juvenile),
                    QString::number(record.reprieve), describe(record.details)}
            .join(QStringLiteral(" | ")));
}

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(UserAction)
Q_DECLARE_METATYPE(Afterwards)
Q_DECLARE_METATYPE(PunishmentKind)
Q_DECLARE_METATYPE(ConvictionDetails)
Q_DECLARE_METATYPE(ConvictionRecord)
Q_DECLARE_METATYPE(PunishmentBoxes)

class TestRecordDialog : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void closingIsCancel();
    void focusOnTheFirstInputOnlyAtFirstOpening();
    void tabOrder_data();
    void tabOrder();
    void collapsedAsWithoutTheSection_data();
    void collapsedAsWithoutTheSection();
    void expandingGrowsAndCollapsingGivesBack_data();
    void expandingGrowsAndCollapsingGivesBack();
    void userChangesKeepKindAndBoxesInLine_data();
    void userChangesKeepKindAndBoxesInLine();
    void detailsRoundTrip_data();
    void detailsRoundTrip();
    void detailsOutOfRangeChangeNothing();
    void recordShownComesBackAsItWas_data();
    void recordShownComesBackAsItWas();
    void datesOutOfOrderKeepTheDialogOpen_data();
    void datesOutOfOrderKeepTheDialogOpen();
    void factsThatDisagreeKeepTheDialogOpen_data();
    void factsThatDisagreeKeepTheDialogOpen();
    void openWithEveryFactFitsASmallScreen_data();
    void openWithEveryFactFitsASmallScreen();
    void sectionTextsFollowTheLanguage_data();
    void sectionTextsFollowTheLanguage();
    void columnsLineUpAfterALanguageSwitch_data();
    void columnsLineUpAfterALanguageSwitch();
    void optionalDatePicker();
};

void TestRecordDialog::keys_data()
{
    QTest::addColumn<QString>("focus"); // empty: where the first opening puts it
    QTest::addColumn<int>("key");
    QTest::addColumn<Outcome>("outcome");

    // Enter confirms, unless it presses a focused Cancel; Escape cancels.
    QTest::newRow("Enter right after the first opening confirms")
        << "" << int(Qt::Key_Return) << Outcome::Accepted;
    QTest::newRow("keypad Enter right after the first opening confirms")
        << "" << int(Qt::Key_Enter) << Outcome::Accepted;
    QTest::newRow("Enter on OK") << "Button1" << int(Qt::Key_Return) << Outcome::Accepted;
    QTest::newRow("Enter on Cancel") << "Button2" << int(Qt::Key_Return) << Outcome::Rejected;
    QTest::newRow("Enter on a check box")
        << "CheckBox2" << int(Qt::Key_Return) << Outcome::Accepted;
    QTest::newRow("Enter on the category")
        << "ComboBox1" << int(Qt::Key_Return) << Outcome::Accepted;
    QTest::newRow("Enter on the date")
        << "DateTimePicker1" << int(Qt::Key_Return) << Outcome::Accepted;
    QTest::newRow("keypad Enter on the date")
        << "DateTimePicker1" << int(Qt::Key_Enter) << Outcome::Accepted;
    QTest::newRow("Enter on the details toggle")
        << "DetailsButton" << int(Qt::Key_Return) << Outcome::Accepted;
    QTest::newRow("Escape right after the first opening")
        << "" << int(Qt::Key_Escape) << Outcome::Rejected;
    QTest::newRow("Escape on OK") << "Button1" << int(Qt::Key_Escape) << Outcome::Rejected;
    QTest::newRow("Escape on a check box")
        << "CheckBox1" << int(Qt::Key_Escape) << Outcome::Rejected;
    QTest::newRow("Escape on the category")
        << "ComboBox1" << int(Qt::Key_Escape) << Outcome::Rejected;
    QTest::newRow("Escape on the date")
        << "DateTimePicker1" << int(Qt::Key_Escape) << Outcome::Rejected;
}

void TestRecordDialog::keys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Outcome, outcome);

    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    child<QCheckBox>(dialog, "CheckBox1").setChecked(true);
    child<QCheckBox>(dialog, "CheckBox2").setChecked(false);

    bool stayedOpen = false;
    QList<bool> boxes;
    const auto ran = whenModal<TEdit_frm>(&dialog, [&](TEdit_frm &shown) {
        if (!focus.isEmpty())
            shown.findChild<QWidget *>(focus)->setFocus(Qt::OtherFocusReason);
        press(shown, Qt::Key(key));
        stayedOpen = shown.isVisible();
        boxes = {child<QCheckBox>(shown, "CheckBox1").isChecked(),
                 child<QCheckBox>(shown, "CheckBox2").isChecked()};
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
        child<QComboBox>(dialog, "ComboBox1").setCurrentIndex(2);
        dialog.close();
    });
    QTest::mouseClick(&child<QPushButton>(form, "Button1"), Qt::LeftButton);
    QVERIFY(*ran);
    QCOMPARE(form.Edit_frm->result(), int(QDialog::Rejected));
    QCOMPARE(form.records().count(), 0);
}

void TestRecordDialog::focusOnTheFirstInputOnlyAtFirstOpening()
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
    QCOMPARE(first, QStringLiteral("ComboBox1"));

    // The second opening keeps the focus where the first one left it.
    QString second;
    ran = whenModal<TEdit_frm>(&dialog, [&](TEdit_frm &shown) {
        second = focusedControl(shown);
        press(shown, Qt::Key_Return);
    });
    const int result = dialog.exec();
    QVERIFY(*ran);
    QCOMPARE(second, QStringLiteral("DateTimePicker1"));
    QCOMPARE(result, int(QDialog::Accepted));
}

void TestRecordDialog::tabOrder_data()
{
    QTest::addColumn<bool>("expanded");
    QTest::addColumn<QStringList>("order"); // from the first focus round to it again

    // The inputs, then OK before Cancel.
    const QStringList above{"ComboBox1", "DateTimePicker1", "CheckBox1",
                            "CheckBox2", "CheckBox3",       "DetailsButton"};
    const QStringList buttons{"Button1", "Button2", "ComboBox1"};
    QTest::newRow("collapsed") << false << above + buttons;
    // Every input of the section enabled: a revoked conditional sentence with
    // every date.
    QTest::newRow("expanded") << true
                              << above +
                                     QStringList{"CrimeDatePickerBox",
                                                 "CrimeDatePickerEdit",
                                                 "InForcePickerBox",
                                                 "InForcePickerEdit",
                                                 "SentenceBox",
                                                 "PunishmentBox",
                                                 "ServedPickerBox",
                                                 "ServedPickerEdit",
                                                 "AdditionalEndPickerBox",
                                                 "AdditionalEndPickerEdit",
                                                 "ProbationPickerBox",
                                                 "ProbationPickerEdit",
                                                 "RevokedBox",
                                                 "RevokedOnPickerBox",
                                                 "RevokedOnPickerEdit",
                                                 "RemovedPickerBox",
                                                 "RemovedPickerEdit",
                                                 "NegligentBox"} +
                                     buttons;
}

void TestRecordDialog::tabOrder()
{
    QFETCH(bool, expanded);
    QFETCH(QStringList, order);

    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    if (expanded) {
        child<QCheckBox>(dialog, "CheckBox1").setChecked(false);
        dialog.setDetails(everyFact());
    }
    QStringList forward;
    QStringList backward;
    const int steps = int(order.size()) - 1;
    const auto ran = whenModal<TEdit_frm>(&dialog, [&](TEdit_frm &shown) {
        forward.append(focusedControl(shown));
        for (int step = 0; step < steps; ++step) {
            press(shown, Qt::Key_Tab);
            forward.append(focusedControl(shown));
        }
        for (int step = 0; step < steps; ++step) {
            press(shown, Qt::Key_Backtab, Qt::ShiftModifier);
            backward.append(focusedControl(shown));
        }
    });
    dialog.exec();
    QVERIFY(*ran);
    QCOMPARE(forward, order);
    QStringList reversed(order.crbegin() + 1, order.crend());
    QCOMPARE(backward, reversed);
}

void TestRecordDialog::collapsedAsWithoutTheSection_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("French") << "French";
}

void TestRecordDialog::collapsedAsWithoutTheSection()
{
    QFETCH(QString, language);
    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QToolButton &detailsButton = child<QToolButton>(dialog, "DetailsButton");
    DatePicker &convictionDate = child<DatePicker>(dialog, "DateTimePicker1");
    showDialog(dialog);

    QVERIFY(detailsButton.isVisible());
    QVERIFY(!detailsButton.isChecked());
    QCOMPARE(detailsButton.arrowType(), Qt::RightArrow);
    QVERIFY(!child<QWidget>(dialog, "DetailsPanel").isVisible());
    // The dialog's own size: the toggle sits in the button bar.
    QCOMPARE(dialog.height(), 209);
    QCOMPARE(dialog.size(), QSize(352, 209).expandedTo(dialog.minimumSizeHint()));

    // Neither the toggle nor the hidden section's texts size the dialog.
    const QSize minimum = dialog.minimumSizeHint();
    const QRect date = convictionDate.geometry();
    const QString longText(120, u'W');
    for (const char *name : {"CrimeDatePicker", "ServedPicker", "ProbationPicker"})
        child<OptionalDatePicker>(dialog, name).setText(longText);
    child<QLabel>(dialog, "PunishmentLabel").setText(longText);
    child<QCheckBox>(dialog, "RevokedBox").setText(longText);
    dialog.hide();
    showDialog(dialog);
    QCOMPARE(dialog.minimumSizeHint(), minimum);
    QCOMPARE(convictionDate.geometry(), date);
    detailsButton.hide();
    QCOMPARE(dialog.minimumSizeHint(), minimum);
    dialog.hide();
}

void TestRecordDialog::expandingGrowsAndCollapsingGivesBack_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("expandedFirst"); // details given before the first opening

    QTest::newRow("English") << "English" << false;
    QTest::newRow("Russian") << "Russian" << false;
    QTest::newRow("French") << "French" << false;
    QTest::newRow("Russian, opened expanded") << "Russian" << true;
}

void TestRecordDialog::expandingGrowsAndCollapsingGivesBack()
{
    QFETCH(QString, language);
    QFETCH(bool, expandedFirst);

    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QToolButton &detailsButton = child<QToolButton>(dialog, "DetailsButton");
    QWidget &detailsPanel = child<QWidget>(dialog, "DetailsPanel");
    DatePicker &convictionDate = child<DatePicker>(dialog, "DateTimePicker1");
    const ConvictionDetails negligent =
        detailsOf({}, PunishmentKind::NotGiven, {}, {}, false, true);
    if (expandedFirst)
        dialog.setDetails(negligent);
    showDialog(dialog);
    QCOMPARE(detailsPanel.isVisible(), expandedFirst);
    if (expandedFirst) {
        QTest::mouseClick(&detailsButton, Qt::LeftButton);
        QVERIFY(!detailsPanel.isVisible());
        QCOMPARE(dialog.height(), 209);
    }
    const QSize collapsed = dialog.size();
    const QRect date = convictionDate.geometry();

    QTest::mouseClick(&detailsButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(detailsButton.isChecked());
    QCOMPARE(detailsButton.arrowType(), Qt::DownArrow);
    QVERIFY(detailsPanel.isVisible());
    // Grown by the whole section, below the check boxes and above the buttons.
    QVERIFY(dialog.height() >= collapsed.height() + detailsPanel.height());
    QVERIFY(dialog.width() >= collapsed.width());
    QVERIFY(detailsPanel.geometry().top() >
            child<QCheckBox>(dialog, "CheckBox3").geometry().bottom());
    QVERIFY(child<QFrame>(dialog, "Panel2").rect().contains(detailsPanel.geometry()));
    // Every text in full, the inputs in the dialog's input column.
    QStringList narrow;
    for (const QWidget *control : detailsPanel.findChildren<QWidget *>()) {
        const bool hasText = qobject_cast<const QLabel *>(control) != nullptr ||
                             qobject_cast<const QAbstractButton *>(control) != nullptr ||
                             qobject_cast<const QComboBox *>(control) != nullptr;
        if (!hasText || !control->isVisible())
            continue;
        // A wrapping label shows its text whole when it is as tall as its width needs.
        const auto *label = qobject_cast<const QLabel *>(control);
        const bool clipped = label != nullptr && label->wordWrap()
                                 ? control->height() < control->heightForWidth(control->width())
                                 : control->width() < control->sizeHint().width();
        if (clipped)
            narrow.append(control->objectName());
    }
    QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(u", ")));
    const int inputs = xInDialog(&convictionDate);
    const int labels = xInDialog(dialog, "Label2");
    QCOMPARE(xInDialog(dialog, "PunishmentBox"), inputs);
    QCOMPARE(xInDialog(dialog, "PunishmentLabel"), labels);
    for (const OptionalDatePicker *picker : dialog.datePickers()) {
        QCOMPARE(xInDialog(picker->picker()), inputs);
        QCOMPARE(xInDialog(picker->box()), labels);
    }
    QCOMPARE(xInDialog(dialog, "SentenceBox"), inputs);
    QCOMPARE(xInDialog(dialog, "SentenceLabel"), labels);
    const QSize expanded = dialog.size();

    QTest::mouseClick(&detailsButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!detailsPanel.isVisible());
    QCOMPARE(detailsButton.arrowType(), Qt::RightArrow);
    QCOMPARE(dialog.size(), collapsed);
    QCOMPARE(convictionDate.geometry(), date);

    // Filled for Modify with details, then for Add: the same two sizes.
    dialog.hide();
    dialog.setDetails(negligent);
    showDialog(dialog);
    QVERIFY(detailsPanel.isVisible());
    QCOMPARE(dialog.size(), expanded);
    dialog.hide();
    dialog.resetDetails();
    showDialog(dialog);
    QVERIFY(!detailsPanel.isVisible());
    QCOMPARE(dialog.size(), collapsed);
    dialog.hide();
}

void TestRecordDialog::userChangesKeepKindAndBoxesInLine_data()
{
    QTest::addColumn<PunishmentBoxes>("start");
    QTest::addColumn<UserAction>("action");
    QTest::addColumn<PunishmentKind>("picked"); // for PickKind
    QTest::addColumn<PunishmentBoxes>("expected");
    QTest::addColumn<bool>("probationEnabled");
    QTest::addColumn<bool>("revokedEnabled");

    using K = PunishmentKind;
    const auto state = [](K kind, bool custody, bool reprieve) {
        return PunishmentBoxes{kind, custody, reprieve};
    };
    QTest::newRow("custody picked: custody box checked, reprieve cleared")
        << state(K::NotGiven, false, true) << UserAction::PickKind << K::Custody
        << state(K::Custody, true, false) << false << false;
    QTest::newRow("deferral picked: reprieve checked, custody kept")
        << state(K::NotGiven, true, false) << UserAction::PickKind << K::Deferred
        << state(K::Deferred, true, true) << false << true;
    QTest::newRow("conditional picked: both cleared")
        << state(K::Custody, true, false) << UserAction::PickKind << K::Conditional
        << state(K::Conditional, false, false) << true << true;
    QTest::newRow("milder picked: both cleared")
        << state(K::Deferred, true, true) << UserAction::PickKind << K::Milder
        << state(K::Milder, false, false) << false << false;
    QTest::newRow("not given picked: boxes kept")
        << state(K::Deferred, true, true) << UserAction::PickKind << K::NotGiven
        << state(K::NotGiven, true, true) << false << true;
    QTest::newRow("custody checked over a conditional sentence")
        << state(K::Conditional, false, false) << UserAction::ClickCustody << K::NotGiven
        << state(K::Custody, true, false) << false << false;
    QTest::newRow("custody checked over a deferral")
        << state(K::Deferred, false, true) << UserAction::ClickCustody << K::NotGiven
        << state(K::Deferred, true, true) << false << true;
    QTest::newRow("custody cleared under custody")
        << state(K::Custody, true, false) << UserAction::ClickCustody << K::NotGiven
        << state(K::NotGiven, false, false) << false << false;
    QTest::newRow("custody checked, kind not given")
        << state(K::NotGiven, false, false) << UserAction::ClickCustody << K::NotGiven
        << state(K::NotGiven, true, false) << false << false;
    QTest::newRow("reprieve checked over custody")
        << state(K::Custody, true, false) << UserAction::ClickReprieve << K::NotGiven
        << state(K::Deferred, true, true) << false << true;
    QTest::newRow("reprieve checked over a conditional sentence")
        << state(K::Conditional, false, false) << UserAction::ClickReprieve << K::NotGiven
        << state(K::Deferred, false, true) << false << true;
    QTest::newRow("reprieve checked, kind not given")
        << state(K::NotGiven, false, false) << UserAction::ClickReprieve << K::NotGiven
        << state(K::NotGiven, false, true) << false << true;
    QTest::newRow("reprieve cleared under a deferral")
        << state(K::Deferred, true, true) << UserAction::ClickReprieve << K::NotGiven
        << state(K::NotGiven, true, false) << false << false;
}

void TestRecordDialog::userChangesKeepKindAndBoxesInLine()
{
    QFETCH(PunishmentBoxes, start);
    QFETCH(UserAction, action);
    QFETCH(PunishmentKind, picked);
    QFETCH(PunishmentBoxes, expected);
    QFETCH(bool, probationEnabled);
    QFETCH(bool, revokedEnabled);

    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QCheckBox &custodyBox = child<QCheckBox>(dialog, "CheckBox1");
    QCheckBox &reprieveBox = child<QCheckBox>(dialog, "CheckBox3");
    custodyBox.setChecked(start.custody);
    reprieveBox.setChecked(start.reprieve);
    dialog.setDetails(detailsOf({}, start.kind, {}, ProbationDay, true, false));
    child<QToolButton>(dialog, "DetailsButton").setChecked(true);
    showDialog(dialog);
    QCOMPARE(shownPunishment(dialog), start);

    switch (action) {
    case UserAction::PickKind:
        pickEntry(child<QComboBox>(dialog, "PunishmentBox"), int(picked));
        break;
    case UserAction::ClickCustody: clickBox(&custodyBox); break;
    case UserAction::ClickReprieve: clickBox(&reprieveBox); break;
    }
    QCOMPARE(shownPunishment(dialog), expected);
    QCOMPARE(child<OptionalDatePicker>(dialog, "ProbationPicker").isEnabled(), probationEnabled);
    QCOMPARE(child<QCheckBox>(dialog, "RevokedBox").isEnabled(), revokedEnabled);
    // What is read back: the kind shown, and "revoked" and the probation date only
    // where they apply.
    const ConvictionDetails read = dialog.details();
    QCOMPARE(read.punishment, expected.kind);
    QCOMPARE(read.revoked, revokedEnabled);
    QCOMPARE(read.probationEnd, probationEnabled ? ProbationDay : QDate());
    dialog.hide();
}

void TestRecordDialog::detailsRoundTrip_data()
{
    QTest::addColumn<bool>("custody");
    QTest::addColumn<bool>("reprieve");
    QTest::addColumn<ConvictionDetails>("given");
    QTest::addColumn<ConvictionDetails>("expected");

    using K = PunishmentKind;
    const QDate none;
    QTest::newRow("nothing given") << true << false << ConvictionDetails{} << ConvictionDetails{};
    const ConvictionDetails conditional =
        detailsOf(CrimeDay, K::Conditional, ServedDay, ProbationDay, true, true);
    QTest::newRow("a conditional sentence, everything given")
        << false << false << conditional << conditional;
    const ConvictionDetails custody =
        detailsOf(CrimeDay, K::Custody, ServedDay, none, false, false);
    QTest::newRow("custody served") << true << false << custody << custody;
    const ConvictionDetails deferred = detailsOf(none, K::Deferred, none, none, true, false);
    QTest::newRow("a revoked deferral") << true << true << deferred << deferred;
    const ConvictionDetails milder = detailsOf(none, K::Milder, ServedDay, none, false, true);
    QTest::newRow("a milder punishment through negligence") << false << false << milder << milder;
    QTest::newRow("a kind the boxes contradict gives way, and its probation with it")
        << true << false << detailsOf(CrimeDay, K::Conditional, none, ProbationDay, false, false)
        << detailsOf(CrimeDay, K::NotGiven, none, none, false, false);
    QTest::newRow("custody against the reprieve box gives way")
        << true << true << detailsOf(none, K::Custody, ServedDay, none, false, false)
        << detailsOf(none, K::NotGiven, ServedDay, none, false, false);
    QTest::newRow("revoked where it does not apply")
        << true << false << detailsOf(none, K::Custody, none, none, true, false)
        << detailsOf(none, K::Custody, none, none, false, false);
    QTest::newRow("revoked under the reprieve box alone")
        << false << true << detailsOf(none, K::NotGiven, none, none, true, false)
        << detailsOf(none, K::NotGiven, none, none, true, false);
    QTest::newRow("every fact") << false << false << everyFact() << everyFact();
    QTest::newRow("the later facts alone") << true << false
                                           << ConvictionDetails{.inForce = QDate(2019, 5, 6),
                                                                .sentence = 1,
                                                                .additionalEnd = QDate(2021, 2, 28),
                                                                .removed = QDate(2022, 10, 11)}
                                           << ConvictionDetails{.inForce = QDate(2019, 5, 6),
                                                                .sentence = 1,
                                                                .additionalEnd = QDate(2021, 2, 28),
                                                                .removed = QDate(2022, 10, 11)};
    // Shown as given, for OK to refuse: the day cannot be dropped unseen.
    QTest::newRow("a revocation day where nothing was revoked")
        << true << false << ConvictionDetails{.punishment = K::Custody, .revokedOn = ProbationDay}
        << ConvictionDetails{.punishment = K::Custody, .revokedOn = ProbationDay};
    QTest::newRow("a sentence number below 0 shows as none")
        << true << false << ConvictionDetails{.sentence = -4} << ConvictionDetails{};
}

void TestRecordDialog::detailsRoundTrip()
{
    QFETCH(bool, custody);
    QFETCH(bool, reprieve);
    QFETCH(ConvictionDetails, given);
    QFETCH(ConvictionDetails, expected);

    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QCheckBox &custodyBox = child<QCheckBox>(dialog, "CheckBox1");
    QCheckBox &minorBox = child<QCheckBox>(dialog, "CheckBox2");
    QCheckBox &reprieveBox = child<QCheckBox>(dialog, "CheckBox3");
    QToolButton &detailsButton = child<QToolButton>(dialog, "DetailsButton");
    QWidget &detailsPanel = child<QWidget>(dialog, "DetailsPanel");
    // What the previous record left behind must not show through.
    ConvictionDetails previous = detailsOf(QDate(2001, 1, 1), PunishmentKind::Milder,
                                           QDate(2002, 2, 2), QDate(2003, 3, 3), true, true);
    previous.inForce = QDate(2001, 2, 1);
    previous.revokedOn = QDate(2001, 3, 1);
    previous.sentence = 9;
    previous.additionalEnd = QDate(2004, 4, 4);
    previous.removed = QDate(2005, 5, 5);
    dialog.setDetails(previous);
    custodyBox.setChecked(custody);
    minorBox.setChecked(true);
    reprieveBox.setChecked(reprieve);
    dialog.setDetails(given);

    QCOMPARE(dialog.details(), expected);
    QCOMPARE(custodyBox.isChecked(), custody);
    QCOMPARE(minorBox.isChecked(), true);
    QCOMPARE(reprieveBox.isChecked(), reprieve);
    QCOMPARE(detailsButton.isChecked(), !given.isEmpty());
    QCOMPARE(detailsPanel.isHidden(), given.isEmpty());

    // Filled for Add: nothing given, collapsed, the boxes left alone.
    detailsButton.setChecked(true);
    dialog.resetDetails();
    QCOMPARE(dialog.details(), ConvictionDetails{});
    QVERIFY(detailsPanel.isHidden());
    QVERIFY(!detailsButton.isChecked());
    QCOMPARE(custodyBox.isChecked(), custody);
    QCOMPARE(reprieveBox.isChecked(), reprieve);
}

void TestRecordDialog::detailsOutOfRangeChangeNothing()
{
    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    const ConvictionDetails shown =
        detailsOf(CrimeDay, PunishmentKind::Conditional, ServedDay, ProbationDay, true, false);
    dialog.setDetails(shown);
    for (const QDate wrong : {QDate(1600, 12, 31), QDate(10000, 1, 1)}) {
        QVERIFY_THROWS_EXCEPTION(RuntimeError,
                                 dialog.setDetails(detailsOf(CrimeDay, PunishmentKind::Milder,
                                                             ServedDay, wrong, false, true)));
        QCOMPARE(dialog.details(), shown);
        for (QDate ConvictionDetails::*date :
             {&ConvictionDetails::inForce, &ConvictionDetails::revokedOn,
              &ConvictionDetails::additionalEnd, &ConvictionDetails::removed}) {
            ConvictionDetails refused{.sentence = 5};
            refused.*date = wrong;
            QVERIFY_THROWS_EXCEPTION(RuntimeError, dialog.setDetails(refused));
            QCOMPARE(dialog.details(), shown);
        }
    }
}

void TestRecordDialog::recordShownComesBackAsItWas_data()
{
    QTest::addColumn<ConvictionRecord>("shown"); // a category, or a text of its own
    QTest::addColumn<QString>("error");          // empty: the record is shown

    using K = PunishmentKind;
    const QDate none;
    const auto record = [](const char *date, const char *severity, const char *custody,
                           const char *minor, const char *reprieve,
                           const ConvictionDetails &details = {}) {
        return withDetails(conviction(date, severity, custody, minor, reprieve), details);
    };
    QTest::newRow("custody only") << record("15.03.2022", "grave", "Yes", "No", "No") << "";
    QTest::newRow("as a minor, deferred")
        << record("01.06.2004", "small", "No", "Yes", "Yes") << "";
    QTest::newRow("every box") << record("31.12.2010", "especially grave", "Yes", "Yes", "Yes")
                               << "";
    QTest::newRow("a conditional sentence, every detail")
        << record("17.04.2019", "medium", "No", "No", "No",
                  detailsOf(CrimeDay, K::Conditional, ServedDay, ProbationDay, true, true))
        << "";
    QTest::newRow("custody served as a minor")
        << record("17.04.2019", "grave", "Yes", "Yes", "No",
                  detailsOf(CrimeDay, K::Custody, ServedDay, none, false, false))
        << "";
    QTest::newRow("a revoked deferral")
        << record("17.04.2019", "small", "Yes", "No", "Yes",
                  detailsOf(none, K::Deferred, none, none, true, false))
        << "";
    QTest::newRow("a revoked conditional sentence, every fact")
        << record("17.04.2019", "grave", "No", "No", "No", everyFact()) << "";
    QTest::newRow("one of a sentence's rows, removed")
        << record("17.04.2019", "medium", "Yes", "No", "No",
                  ConvictionDetails{.sentence = 12, .removed = QDate(2021, 4, 17)})
        << "";
    QTest::newRow("a severity naming no category")
        << record("15.03.2022", "Theft", "No", "No", "No") << "";
    QTest::newRow("a date before the picker's range refused")
        << record("01.01.1500", "Fraud", "No", "Yes", "No")
        << "Failed to set calendar date or time";
}

void TestRecordDialog::recordShownComesBackAsItWas()
{
    QFETCH(ConvictionRecord, shown);
    QFETCH(QString, error);

    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QWidget &detailsPanel = child<QWidget>(dialog, "DetailsPanel");
    if (error.isEmpty()) {
        dialog.showRecord(shown);
        QCOMPARE(dialog.record(), shown);
        QCOMPARE(detailsPanel.isHidden(), shown.details.isEmpty());
        return;
    }

    // A record shown before, naming no category and with its section expanded.
    const ConvictionRecord earlier{QDate(2019, 4, 17),
                                   ConvictionGravity::unrecognised("Theft"),
                                   true,
                                   false,
                                   true,
                                   detailsOf({}, PunishmentKind::Deferred, {}, {}, true, false)};
    dialog.showRecord(earlier);
    try {
        dialog.showRecord(shown);
        QFAIL("the record was shown");
    } catch (const RuntimeError &raised) {
        QCOMPARE(raised.message(), error);
    }
    QCOMPARE(dialog.record(), earlier);
    QVERIFY(!detailsPanel.isHidden());
}

void TestRecordDialog::datesOutOfOrderKeepTheDialogOpen_data()
{
    using K = PunishmentKind;
    const QDate none;
    QTest::addColumn<ConvictionDetails>("details");
    QTest::addColumn<QString>("message"); // empty: OK closes the dialog
    QTest::addColumn<QString>("culprit");
    // The conviction is dated 17 April 2019.
    QTest::newRow("in order, served on the conviction day")
        << detailsOf(QDate(2019, 4, 17), K::Custody, QDate(2019, 4, 17), none, false, false) << ""
        << "";
    QTest::newRow("crime after the conviction")
        << detailsOf(QDate(2019, 4, 18), K::NotGiven, none, none, false, false)
        << "String.CrimeAfterConviction"
        << "CrimeDatePickerEdit";
    QTest::newRow("served before the conviction")
        << detailsOf(none, K::Custody, QDate(2019, 4, 16), none, false, false)
        << "String.ServedBeforeConviction"
        << "ServedPickerEdit";
    QTest::newRow("probation ending before the conviction")
        << detailsOf(none, K::Conditional, none, QDate(2018, 1, 1), false, false)
        << "String.ProbationBeforeConviction"
        << "ProbationPickerEdit";
    QTest::newRow("a probation day that does not apply is not checked")
        << detailsOf(none, K::Milder, none, QDate(2018, 1, 1), false, false) << ""
        << "";
}

void TestRecordDialog::datesOutOfOrderKeepTheDialogOpen()
{
    QFETCH(ConvictionDetails, details);
    QFETCH(QString, message);
    QFETCH(QString, culprit);
    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    child<DatePicker>(dialog, "DateTimePicker1").setDate(QDate(2019, 4, 17));
    const bool custody = details.punishment == PunishmentKind::Custody;
    child<QCheckBox>(dialog, "CheckBox1").setChecked(custody);
    dialog.setDetails(details);
    child<QToolButton>(dialog, "DetailsButton").setChecked(false);
    QSignalSpy pressed(&dialog, &TEdit_frm::okPressed);
    showDialog(dialog);
    QTest::mouseClick(&child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    if (message.isEmpty()) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(fixture.errors, QStringList{});
        return;
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(pressed.size(), 0);
    QCOMPARE(fixture.errors, QStringList{fixture.text(qPrintable(message))});
    // The section opens on the date to correct.
    QVERIFY(child<QWidget>(dialog, "DetailsPanel").isVisible());
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
             culprit);
    dialog.hide();
}

void TestRecordDialog::factsThatDisagreeKeepTheDialogOpen_data()
{
    using K = PunishmentKind;
    using A = Afterwards;
    QTest::addColumn<PunishmentKind>("kind"); // picked first
    QTest::addColumn<bool>("revoked");        // "revoked" clicked before the date is given
    QTest::addColumn<QString>("picker");      // the date given
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Afterwards>("afterwards");
    QTest::addColumn<QString>("message"); // empty: OK closes the dialog
    QTest::addColumn<QString>("culprit");
    // The conviction is dated 17 April 2019.
    QTest::newRow("in force on the conviction day") << K::NotGiven << false << "InForcePicker"
                                                    << "17.04.2019" << A::Nothing << ""
                                                    << "";
    QTest::newRow("in force before the conviction")
        << K::NotGiven << false << "InForcePicker"
        << "16.04.2019" << A::Nothing << "String.InForceBeforeConviction"
        << "InForcePickerEdit";
    QTest::newRow("additional punishment ended before the conviction")
        << K::Milder << false << "AdditionalEndPicker"
        << "31.12.2018" << A::Nothing << "String.AdditionalEndBeforeConviction"
        << "AdditionalEndPickerEdit";
    QTest::newRow("removed before the conviction")
        << K::NotGiven << false << "RemovedPicker"
        << "01.04.2019" << A::Nothing << "String.RemovedBeforeConviction"
        << "RemovedPickerEdit";
    QTest::newRow("removed after the conviction") << K::Custody << false << "RemovedPicker"
                                                  << "18.04.2019" << A::Nothing << ""
                                                  << "";
    QTest::newRow("a conditional sentence revoked after the conviction")
        << K::Conditional << true << "RevokedOnPicker"
        << "03.06.2019" << A::Nothing << ""
        << "";
    QTest::newRow("a deferral revoked before the conviction")
        << K::Deferred << true << "RevokedOnPicker"
        << "16.04.2019" << A::Nothing << "String.RevokedBeforeConviction"
        << "RevokedOnPickerEdit";
    QTest::newRow("a revocation day, then revoked cleared")
        << K::Conditional << true << "RevokedOnPicker"
        << "03.06.2019" << A::ClearRevoked << "String.RevokedOnWithoutRevocation"
        << "RevokedOnPickerBox";
    QTest::newRow("a revocation day, then custody picked")
        << K::Conditional << true << "RevokedOnPicker"
        << "03.06.2019" << A::PickCustody << "String.RevokedOnWithoutRevocation"
        << "RevokedOnPickerBox";
}

// The user gives a date with the mouse and the keyboard, changes what it
// depends on, and presses OK.
void TestRecordDialog::factsThatDisagreeKeepTheDialogOpen()
{
    QFETCH(PunishmentKind, kind);
    QFETCH(bool, revoked);
    QFETCH(QString, picker);
    QFETCH(QString, typed);
    QFETCH(Afterwards, afterwards);
    QFETCH(QString, message);
    QFETCH(QString, culprit);
    ProgramFixture fixture;
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QComboBox &kindBox = child<QComboBox>(dialog, "PunishmentBox");
    OptionalDatePicker &revokedOnPicker = child<OptionalDatePicker>(dialog, "RevokedOnPicker");
    dialog.showRecord(
        ConvictionRecord{QDate(2019, 4, 17), Gravity::Grave, false, false, false, {}});
    showDialog(dialog);
    QTest::mouseClick(&child<QToolButton>(dialog, "DetailsButton"), Qt::LeftButton);
    pickEntry(kindBox, int(kind));
    // The day of revocation waits for "revoked".
    QVERIFY(!revokedOnPicker.isEnabled());
    if (revoked) {
        clickBox(dialog, "RevokedBox");
        QVERIFY(revokedOnPicker.isEnabled());
    }
    OptionalDatePicker *given = dialog.findChild<OptionalDatePicker *>(picker);
    QVERIFY(given != nullptr);
    giveDate(given, typed);
    switch (afterwards) {
    case Afterwards::Nothing: break;
    case Afterwards::ClearRevoked: clickBox(dialog, "RevokedBox"); break;
    case Afterwards::PickCustody: pickEntry(kindBox, int(PunishmentKind::Custody)); break;
    }
    // A day given can always be cleared.
    QVERIFY(given->isEnabled());

    QSignalSpy pressed(&dialog, &TEdit_frm::okPressed);
    QTest::mouseClick(&child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    if (message.isEmpty()) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(fixture.errors, QStringList{});
        QCOMPARE(given->date(), std::optional(fixture.dateFormat().parse(typed)));
        return;
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(pressed.size(), 0);
    QCOMPARE(fixture.errors, QStringList{fixture.text(qPrintable(message))});
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
             culprit);
    dialog.hide();
}

void TestRecordDialog::openWithEveryFactFitsASmallScreen_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("French") << "French";
}

// Every fact given, the section open: the dialog, with a title bar and a
// taskbar, fits a screen of 1366 x 768, and every text shows in full.
void TestRecordDialog::openWithEveryFactFitsASmallScreen()
{
    QFETCH(QString, language);
    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QSpinBox &sentenceBox = child<QSpinBox>(dialog, "SentenceBox");
    dialog.showRecord(ConvictionRecord{QDate(2019, 4, 17), Gravity::EspeciallyGrave, false, true,
                                       false, everyFact()});
    showDialog(dialog);
    QVERIFY(child<QWidget>(dialog, "DetailsPanel").isVisible());
    QVERIFY2(dialog.width() <= 1366 && dialog.height() <= 768 - 70,
             qPrintable(QStringLiteral("%1x%2").arg(dialog.width()).arg(dialog.height())));
    QStringList narrow;
    for (const QWidget *control : dialog.findChildren<QWidget *>()) {
        const bool hasText = qobject_cast<const QLabel *>(control) != nullptr ||
                             qobject_cast<const QAbstractButton *>(control) != nullptr ||
                             qobject_cast<const QComboBox *>(control) != nullptr;
        if (hasText && control->isVisible() && control->width() < control->sizeHint().width())
            narrow.append(control->objectName());
    }
    QVERIFY2(narrow.isEmpty(), qPrintable(narrow.join(u", ")));
    QVERIFY(sentenceBox.width() >= sentenceBox.sizeHint().width());
    dialog.hide();
}

void TestRecordDialog::sectionTextsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("English to Russian") << "English"
                                        << "Russian";
    QTest::newRow("English to French") << "English"
                                       << "French";
    QTest::newRow("Russian to English") << "Russian"
                                        << "English";
}

void TestRecordDialog::sectionTextsFollowTheLanguage()
{
    QFETCH(QString, from);
    QFETCH(QString, to);

    ProgramFixture fixture;
    fixture.storeLanguage(from);
    TForm1 &form = fixture.startShown();
    TEdit_frm &dialog = *form.Edit_frm;
    child<QCheckBox>(dialog, "CheckBox1").setChecked(false);
    child<QCheckBox>(dialog, "CheckBox3").setChecked(false);
    pickEntry(child<QComboBox>(dialog, "PunishmentBox"), int(PunishmentKind::Conditional));

    pickLanguage(form, to);
    child<QToolButton>(dialog, "DetailsButton").setChecked(true);
    showDialog(dialog);

    const LanguageTexts texts(fixture.folder(), to);
    const LanguageTexts english(fixture.folder(), QStringLiteral("English"));
    QStringList expected;
    for (const char *key : SectionKeys) {
        expected.append(texts(key));
        QVERIFY2(!texts(key).startsWith(u"NoTranslate:"), key);
        // Each file has a text of its own, not the English one standing in.
        if (to != u"English")
            QVERIFY2(texts(key) != english(key), key);
    }
    QCOMPARE(sectionTexts(dialog), expected);
    for (const auto &[key, widget] : sectionHints(dialog)) {
        QVERIFY2(!texts(key).startsWith(u"NoTranslate:"), key);
        if (to != u"English")
            QVERIFY2(texts(key) != english(key), key);
        QCOMPARE(widget->toolTip(), "<p>" + texts(key).toHtmlEscaped() + "</p>");
    }
    // Written in place: the kind stays, and the boxes did not react.
    QCOMPARE(shownPunishment(dialog), (PunishmentBoxes{PunishmentKind::Conditional, false, false}));
    dialog.hide();
}

void TestRecordDialog::columnsLineUpAfterALanguageSwitch_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("expandedBefore"); // the section open when the language changes
    for (const char *from : {"English", "Russian", "French"}) {
        for (const char *to : {"English", "Russian", "French"}) {
            if (qstrcmp(from, to) == 0)
                continue;
            for (const bool expanded : {true, false}) {
                QTest::addRow("%s to %s, %s", from, to, expanded ? "expanded" : "collapsed")
                    << QString::fromLatin1(from) << QString::fromLatin1(to) << expanded;
            }
        }
    }
}

void TestRecordDialog::columnsLineUpAfterALanguageSwitch()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, expandedBefore);

    ProgramFixture fixture;
    fixture.storeLanguage(from);
    TForm1 &form = fixture.startShown();
    TEdit_frm &dialog = *form.Edit_frm;
    QToolButton &detailsButton = child<QToolButton>(dialog, "DetailsButton");
    QWidget &detailsPanel = child<QWidget>(dialog, "DetailsPanel");
    showDialog(dialog);
    if (expandedBefore)
        detailsButton.click();
    dialog.hide();

    pickLanguage(form, to);
    showDialog(dialog);
    if (!detailsPanel.isVisible())
        detailsButton.click();
    QCoreApplication::processEvents();
    QVERIFY(detailsPanel.isVisible());

    // One left edge for every label and one for every input, above the section
    // and in it.
    const int labels = xInDialog(dialog, "Label2");
    const int inputs = xInDialog(dialog, "DateTimePicker1");
    QCOMPARE(xInDialog(dialog, "Label1"), labels);
    QCOMPARE(xInDialog(dialog, "ComboBox1"), inputs);
    QStringList astray;
    const auto check = [&](const QWidget *widget, int edge) {
        if (xInDialog(widget) != edge)
            astray.append(QStringLiteral("%1 at %2, not %3")
                              .arg(widget->objectName())
                              .arg(xInDialog(widget))
                              .arg(edge));
    };
    check(&child<QLabel>(dialog, "SentenceLabel"), labels);
    check(&child<QLabel>(dialog, "PunishmentLabel"), labels);
    check(&child<QSpinBox>(dialog, "SentenceBox"), inputs);
    check(&child<QComboBox>(dialog, "PunishmentBox"), inputs);
    for (const OptionalDatePicker *picker : dialog.datePickers()) {
        check(picker->box(), labels);
        check(picker->picker(), inputs);
    }
    QVERIFY2(astray.isEmpty(), qPrintable(astray.join(u"; ")));
    // Every label's text in full before the input column.
    const QLabel &dateLabel = child<QLabel>(dialog, "Label2");
    QVERIFY(xInDialog(&dateLabel) + dateLabel.sizeHint().width() <= inputs);
    for (const OptionalDatePicker *picker : dialog.datePickers())
        QVERIFY2(picker->box()->width() >= picker->box()->sizeHint().width(),
                 qPrintable(picker->objectName()));
    dialog.hide();
    QCOMPARE(fixture.errors, QStringList{});
}

void TestRecordDialog::optionalDatePicker()
{
    const QDate today(2026, 12, 9);
    const ShortDateFormat format(QLocale(QLocale::Russian, QLocale::Russia),
                                 [today] { return today; });
    OptionalDatePicker picker(format);
    picker.setObjectName(QStringLiteral("SomePicker"));
    QCOMPARE(picker.box()->objectName(), QStringLiteral("SomePickerBox"));
    QCOMPARE(picker.picker()->objectName(), QStringLiteral("SomePickerEdit"));
    QCOMPARE(picker.picker()->displayFormat(), format.pattern());
    picker.setText(QStringLiteral("Given on:"));
    QCOMPARE(picker.box()->text(), QStringLiteral("Given on:"));

    // Nothing given: today offered, greyed.
    QCOMPARE(picker.date(), std::nullopt);
    QVERIFY(!picker.picker()->isEnabled());
    QCOMPARE(picker.picker()->date(), today);
    picker.box()->click();
    QCOMPARE(picker.date(), std::optional(today));
    QVERIFY(picker.picker()->isEnabled());

    const QDate day(2001, 2, 3);
    picker.setDate(day);
    QCOMPARE(picker.date(), std::optional(day));
    // Cleared and checked again by the user: the date comes back.
    picker.box()->click();
    QCOMPARE(picker.date(), std::nullopt);
    QVERIFY(!picker.picker()->isEnabled());
    picker.box()->click();
    QCOMPARE(picker.date(), std::optional(day));

    for (const QDate wrong : {QDate(1600, 12, 31), QDate(10000, 1, 1), QDate()}) {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, picker.setDate(wrong));
        QCOMPARE(picker.date(), std::optional(day));
    }

    picker.setDate(std::nullopt);
    QCOMPARE(picker.date(), std::nullopt);
    QVERIFY(!picker.box()->isChecked());
    QCOMPARE(picker.picker()->date(), today);
}

QTEST_MAIN(TestRecordDialog)
#include "tst_recorddialog.moc"
