// The main window's commands: Add, Modify and Delete through the record dialog,
// Clear data, the enabling rule of Modify and Delete, the result line following
// the current crime's inputs, the lines that qualify it and what it entails, and
// the rows' numbers.
#include "programfixture.h"
#include "ui/convictiontable.h"

#include "document/recordlist.h"
#include "localisation/texttable.h"
#include "support/assessmentfixture.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/filechooser.h"
#include "ui/languageselector.h"
#include "ui/recordlistdelegate.h"
#include "ui/timeline.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

namespace {

// A row's six texts as the list shows them.
QStringList rowTexts(const TForm1 &form, int row)
{
    QStringList texts;
    for (int field = 0; field < RecordColumn::FieldCount; ++field)
        texts.append(shownText(form, row, field));
    return texts;
}

QStringList inForceTexts(const TForm1 &form)
{
    QStringList texts;
    for (int row = 0; row < form.records().count(); ++row)
        texts.append(shownText(form, row, RecordColumn::InForce));
    return texts;
}

// Texts given as "String.*" keys become the current language's texts.
QStringList translated(const ProgramFixture &fixture, QStringList texts)
{
    for (QString &text : texts) {
        if (text.startsWith(u"String."))
            text = fixture.text(qPrintable(text));
    }
    return texts;
}

QString translated(const ProgramFixture &fixture, const QString &text)
{
    return translated(fixture, QStringList{text}).constFirst();
}

// Modify and Delete, on the buttons and in the context menu.
QList<bool> editingEnabled(const TForm1 &form)
{
    return {child<QPushButton>(form, "Button2").isEnabled(),
            child<QPushButton>(form, "Button3").isEnabled(),
            child<QAction>(form, "N13").isEnabled(), child<QAction>(form, "N14").isEnabled()};
}

// Grave convictions with custody, no minor and no deferment, on the given dates.
void appendGraveConvictions(const ProgramFixture &fixture, TForm1 &form, const QStringList &dates)
{
    for (const QString &date : dates)
        form.records().append(windowConviction(
            fixture, date, fixture.text("String.SeriousCrime"), fixture.text("String.Yes"),
            fixture.text("String.No"), fixture.text("String.No")));
}

// The numbers the list's vertical header shows, first row to last.
QStringList rowNumbers(const TForm1 &form)
{
    QStringList numbers;
    for (int row = 0; row < form.records().count(); ++row)
        numbers.append(
            child<QTableView>(form, "ListView1").model()->headerData(row, Qt::Vertical).toString());
    return numbers;
}

// A cell as the list will draw it.
QStyleOptionViewItem cellLook(const TForm1 &form, int row)
{
    QStyleOptionViewItem option;
    const QTableView &list = child<QTableView>(form, "ListView1");
    option.initFrom(list.viewport());
    auto *delegate = static_cast<RecordListDelegate *>(list.itemDelegate());
    delegate->initStyleOption(&option, shownCell(form, row));
    return option;
}

// The result panel's lines that show lie wholly inside it, each as tall as its
// wrapped text needs.
QStringList cutOffLines(const TForm1 &form)
{
    QStringList cut;
    const QRect panel = child<QFrame>(form, "Panel1").contentsRect();
    for (const char *name : {"Label2", "Label5", "Label6", "Label7", "ConsequencesLine"}) {
        const QLabel *line = &child<QLabel>(form, name);
        if (!line->isVisible())
            continue;
        const int needed = line->hasHeightForWidth() ? line->heightForWidth(line->width())
                                                     : line->sizeHint().height();
        if (!panel.contains(line->geometry()) || line->height() < needed)
            cut.append(line->objectName());
    }
    return cut;
}

const QList<bool> AllEnabled{true, true, true, true};
const QList<bool> AllDisabled{false, false, false, false};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void calc_sudAnswersForOneConviction_data();
    void calc_sudAnswersForOneConviction();
    void save_harThenOpen_harGivesTheListBack();
    void addAppendsTheDialogsRecord_data();
    void addAppendsTheDialogsRecord();
    void modifyWithoutSelectionDoesNothing();
    void modifyEditsTheSelectedRow_data();
    void modifyEditsTheSelectedRow();
    void deleteRemovesTheFocusedRow_data();
    void deleteRemovesTheFocusedRow();
    void clearDataResetsTheInputs();
    void enablingRuleFollowsTheList();
    void resultFollowsTheInputs();
    void detailsTravelThroughListAndFile();
    void noCategoryAsksForIt();
    void laterConvictionsMarkedAndCounted_data();
    void laterConvictionsMarkedAndCounted();
    void futureDateIsSaid_data();
    void futureDateIsSaid();
    void doubtIsMarkedAndSaid();
    void consequencesFollowTheResult_data();
    void consequencesFollowTheResult();
    void listKeepsItsRowsBesideALongResult_data();
    void listKeepsItsRowsBesideALongResult();
    void rowNumbersFollowDeletion();
    void fileCarriesTheNewCrime();
    void russianListOpensInTheFrenchInterface();
};

void TestMainWindow::addAppendsTheDialogsRecord_data()
{
    QTest::addColumn<int>("severity");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("custody");
    QTest::addColumn<bool>("juvenile");
    QTest::addColumn<bool>("reprieve");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("added"); // empty: nothing added

    QTest::newRow("grave, in force")
        << 2 << QDate(2023, 12, 9) << true << false << false << true
        << QStringList{"09.12.2023", "String.SeriousCrime", "String.Yes",
                       "String.No",  "String.No",           "String.Yes"};
    QTest::newRow("small, as a minor, deferred, expunged")
        << 0 << QDate(2024, 6, 1) << false << true << true << true
        << QStringList{"01.06.2024", "String.SmallCrime", "String.No",
                       "String.Yes", "String.Yes",        "String.No"};
    QTest::newRow("Cancel adds nothing")
        << 3 << QDate(2023, 12, 9) << true << false << false << false << QStringList{};
}

void TestMainWindow::addAppendsTheDialogsRecord()
{
    QFETCH(int, severity);
    QFETCH(QDate, date);
    QFETCH(bool, custody);
    QFETCH(bool, juvenile);
    QFETCH(bool, reprieve);
    QFETCH(bool, ok);
    QFETCH(QStringList, added);

    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    // A medium prior of six years ago: expunged once the list is recomputed.
    form.records().append(windowConviction(
        fixture, "09.12.2020", fixture.text("String.AverageCrime"), fixture.text("String.Yes"),
        fixture.text("String.No"), fixture.text("String.No")));
    // What an earlier opening left in the dialog.
    const TEdit_frm &earlier = *form.Edit_frm;
    child<QComboBox>(earlier, "ComboBox1").setCurrentIndex(3);
    child<DatePicker>(earlier, "DateTimePicker1").setDate(QDate(2001, 2, 3));
    child<QCheckBox>(earlier, "CheckBox1").setChecked(false);
    child<QCheckBox>(earlier, "CheckBox3").setChecked(true);

    QList<QVariant> opened;
    QList<bool> enabledWhileOpen;
    QList<bool> enabledAfterPress;
    const auto ran = whenModal<TEdit_frm>(&form, [&](TEdit_frm &dialog) {
        QComboBox &category = child<QComboBox>(dialog, "ComboBox1");
        DatePicker &convictionDate = child<DatePicker>(dialog, "DateTimePicker1");
        QCheckBox &custodyBox = child<QCheckBox>(dialog, "CheckBox1");
        QCheckBox &minorBox = child<QCheckBox>(dialog, "CheckBox2");
        QCheckBox &reprieveBox = child<QCheckBox>(dialog, "CheckBox3");
        opened = {category.currentIndex(), convictionDate.date(), custodyBox.isChecked(),
                  minorBox.isChecked(), reprieveBox.isChecked()};
        enabledWhileOpen = editingEnabled(form);
        category.setCurrentIndex(severity);
        convictionDate.setDate(date);
        custodyBox.setChecked(custody);
        minorBox.setChecked(juvenile);
        reprieveBox.setChecked(reprieve);
        QTest::mouseClick(&child<QPushButton>(dialog, ok ? "Button1" : "Button2"), Qt::LeftButton);
        enabledAfterPress = editingEnabled(form);
    });
    QTest::mouseClick(&child<QPushButton>(form, "Button1"), Qt::LeftButton);
    QVERIFY(*ran);

    // Add opens on the first category, today, custody only.
    QCOMPARE(opened, (QList<QVariant>{0, ProgramFixture::today(), true, false, false}));
    QCOMPARE(enabledWhileOpen, AllEnabled);
    // Pressing OK disables Modify and Delete until the list reports the new row.
    QCOMPARE(enabledAfterPress, ok ? AllDisabled : AllEnabled);
    QCOMPARE(form.records().count(), added.isEmpty() ? 1 : 2);
    if (!added.isEmpty())
        QCOMPARE(rowTexts(form, 1), translated(fixture, added));
    // Either way the list and the result line were recomputed: with no category
    // chosen for the new crime, the line asks for it.
    QCOMPARE(shownText(form, 0, RecordColumn::InForce), fixture.text("String.No"));
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.ChooseCategory"));
    QCOMPARE(editingEnabled(form), AllEnabled);
    QCOMPARE(fixture.errors, QStringList{});
}

void TestMainWindow::modifyWithoutSelectionDoesNothing()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    form.records().append(
        windowConviction(fixture, "09.12.2023", fixture.text("String.SeriousCrime")));
    const ConvictionRecord before = form.records().at(0);
    const auto ran = whenModal<TEdit_frm>(&form, [](TEdit_frm &) {});
    QTest::mouseClick(&child<QPushButton>(form, "Button2"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!*ran);
    QCOMPARE(form.records().at(0), before);
    // Not even a recomputation: the result line still shows its prompt.
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.Result"));
}

void TestMainWindow::modifyEditsTheSelectedRow_data()
{
    QTest::addColumn<QString>("rowSeverity");
    QTest::addColumn<int>("shownIndex"); // the category selected on opening
    QTest::addColumn<int>("newIndex");   // -1: severity left as it opened
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("row");

    QTest::newRow("category changed")
        << "String.SeriousCrime" << 2 << 3 << true
        << QStringList{"20.01.2023", "String.ParticularlySeriousCrime",
                       "String.Yes", "String.No",
                       "String.No",  "String.Yes"};
    QTest::newRow("category kept") << "String.AverageCrime" << 1 << -1 << true
                                   << QStringList{"20.01.2023", "String.AverageCrime", "String.Yes",
                                                  "String.No",  "String.No",           "String.No"};
    QTest::newRow("severity naming no category kept")
        << "Theft" << -1 << -1 << true
        << QStringList{"20.01.2023", "Theft", "String.Yes", "String.No", "String.No", "String.No"};
    QTest::newRow("severity naming no category replaced")
        << "Theft" << -1 << 0 << true
        << QStringList{"20.01.2023", "String.SmallCrime", "String.Yes",
                       "String.No",  "String.No",         "String.No"};
    QTest::newRow("Cancel leaves the row")
        << "String.SeriousCrime" << 2 << 3 << false
        << QStringList{"15.03.2022", "String.SeriousCrime", "String.No",
                       "String.Yes", "String.No",           "String.No"};
}

void TestMainWindow::modifyEditsTheSelectedRow()
{
    QFETCH(QString, rowSeverity);
    QFETCH(int, shownIndex);
    QFETCH(int, newIndex);
    QFETCH(bool, ok);
    QFETCH(QStringList, row);

    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QString yes = fixture.text("String.Yes");
    const QString no = fixture.text("String.No");
    const ConvictionRecord first =
        windowConviction(fixture, "09.12.2020", fixture.text("String.AverageCrime"), yes, no, no);
    form.records().append(first);
    form.records().append(
        windowConviction(fixture, "15.03.2022", translated(fixture, rowSeverity), no, yes, no));
    child<QTableView>(form, "ListView1").selectRow(1);

    QList<QVariant> opened;
    const auto ran = whenModal<TEdit_frm>(&form, [&](TEdit_frm &dialog) {
        QComboBox &category = child<QComboBox>(dialog, "ComboBox1");
        DatePicker &convictionDate = child<DatePicker>(dialog, "DateTimePicker1");
        QCheckBox &custodyBox = child<QCheckBox>(dialog, "CheckBox1");
        QCheckBox &minorBox = child<QCheckBox>(dialog, "CheckBox2");
        opened = {category.currentIndex(), convictionDate.date(), custodyBox.isChecked(),
                  minorBox.isChecked(), child<QCheckBox>(dialog, "CheckBox3").isChecked()};
        if (newIndex >= 0)
            category.setCurrentIndex(newIndex);
        convictionDate.setDate(QDate(2023, 1, 20));
        custodyBox.setChecked(true);
        minorBox.setChecked(false);
        QTest::mouseClick(&child<QPushButton>(dialog, ok ? "Button1" : "Button2"), Qt::LeftButton);
    });
    QTest::mouseClick(&child<QPushButton>(form, "Button2"), Qt::LeftButton);
    QVERIFY(*ran);

    QCOMPARE(opened, (QList<QVariant>{shownIndex, QDate(2022, 3, 15), false, true, false}));
    QCOMPARE(form.records().count(), 2);
    QCOMPARE(rowTexts(form, 1), translated(fixture, row));
    QCOMPARE(form.records().at(0), first);
    QCOMPARE(shownText(form, 0, RecordColumn::InForce), no);
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.ChooseCategory"));
    QCOMPARE(editingEnabled(form), AllEnabled);
    QCOMPARE(fixture.errors, QStringList{});
}

void TestMainWindow::deleteRemovesTheFocusedRow_data()
{
    QTest::addColumn<int>("selected"); // -1: no row selected
    QTest::addColumn<int>("focused");  // the row with the focus mark
    QTest::addColumn<QStringList>("remaining");

    QTest::newRow("the selected and focused row")
        << 1 << 1 << QStringList{"01.01.2021", "03.03.2023"};
    QTest::newRow("focus mark on another row than the selection")
        << 0 << 2 << QStringList{"01.01.2021", "02.02.2022"};
    QTest::newRow("no selection") << -1 << 1
                                  << QStringList{"01.01.2021", "02.02.2022", "03.03.2023"};
}

void TestMainWindow::deleteRemovesTheFocusedRow()
{
    QFETCH(int, selected);
    QFETCH(int, focused);
    QFETCH(QStringList, remaining);

    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QPushButton &deleteButton = child<QPushButton>(form, "Button3");
    RecordList &list = form.records();
    for (const char *date : {"01.01.2021", "02.02.2022", "03.03.2023"})
        list.append(windowConviction(fixture, date, fixture.text("String.SeriousCrime")));
    QItemSelectionModel &selection = *child<QTableView>(form, "ListView1").selectionModel();
    selection.clear();
    selection.setCurrentIndex(shownCell(form, focused), QItemSelectionModel::NoUpdate);
    if (selected >= 0)
        selection.select(shownCell(form, selected),
                         QItemSelectionModel::Select | QItemSelectionModel::Rows);

    QTest::mouseClick(&deleteButton, Qt::LeftButton);
    QStringList dates;
    for (int row = 0; row < list.count(); ++row)
        dates.append(shownText(form, row, RecordColumn::Date));
    QCOMPARE(dates, remaining);
    QCOMPARE(rowNumbers(form), QStringList({"1", "2", "3"}).mid(0, remaining.size()));
    QVERIFY(!selection.hasSelection());
    QCOMPARE(inForceTexts(form), QStringList(remaining.size(), fixture.text("String.Yes")));
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.ChooseCategory"));

    // The view moved its focus mark to a neighbour, but nothing is selected: a
    // second Delete removes nothing.
    QTest::mouseClick(&deleteButton, Qt::LeftButton);
    QCOMPARE(list.count(), remaining.size());
    QCOMPARE(fixture.errors, QStringList{});
}

void TestMainWindow::clearDataResetsTheInputs()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QComboBox &category = child<QComboBox>(form, "ComboBox1");
    DatePicker &crimeDate = child<DatePicker>(form, "DateTimePicker1");
    QCheckBox &custodyBox = child<QCheckBox>(form, "CheckBox1");
    QLabel &result = child<QLabel>(form, "Label2");
    for (const char *date : {"01.01.2021", "02.02.2022"})
        form.records().append(windowConviction(fixture, date, fixture.text("String.SeriousCrime")));
    pickEntry(category, 2);
    crimeDate.setDate(QDate(2025, 5, 5));
    custodyBox.click();
    QCOMPARE(result.text(), fixture.text("String.EspeciallyDangerRecidiv"));

    // The inputs changed are unsaved: the question is answered first.
    answerUnsavedChanges(&form, QMessageBox::Discard);
    child<QAction>(form, "N11").trigger();
    // No category chosen, as at the first start: the result asks for one.
    QCOMPARE(category.currentIndex(), -1);
    QCOMPARE(form.records().count(), 0);
    QCOMPARE(crimeDate.date(), ProgramFixture::today());
    // The custody box is an input of the current crime the command leaves alone.
    QVERIFY(custodyBox.isChecked());
    QCOMPARE(result.text(), fixture.text("String.ChooseCategory"));
    // Emptying the list applies no enabling rule: Modify and Delete keep their
    // state, Modify then finds no row, and Delete applies the rule.
    QCOMPARE(editingEnabled(form), AllEnabled);
    child<QPushButton>(form, "Button2").click();
    QCOMPARE(form.records().count(), 0);
    child<QPushButton>(form, "Button3").click();
    QCOMPARE(editingEnabled(form), AllDisabled);
    QCOMPARE(fixture.errors, QStringList{});
}

void TestMainWindow::enablingRuleFollowsTheList()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QTableView &listView = child<QTableView>(form, "ListView1");
    QPushButton &deleteButton = child<QPushButton>(form, "Button3");
    RecordList &list = form.records();
    QCOMPARE(editingEnabled(form), AllDisabled);

    list.append(windowConviction(fixture, "01.01.2021", fixture.text("String.SeriousCrime")));
    QCOMPARE(editingEnabled(form), AllEnabled);

    // The rule as OK applies it (the list does not have the focus), then any
    // report of the list applies it again, even a write of an unchanged row.
    form.applyEnablingRule(true);
    QCOMPARE(editingEnabled(form), AllDisabled);
    list.replace(0, list.at(0));
    QCOMPARE(editingEnabled(form), AllEnabled);

    listView.selectRow(0);
    QTest::mouseClick(&deleteButton, Qt::LeftButton);
    QCOMPARE(list.count(), 0);
    QCOMPARE(editingEnabled(form), AllDisabled);

    // A disabled Delete does nothing.
    list.append(windowConviction(fixture, "01.01.2021", fixture.text("String.SeriousCrime")));
    form.applyEnablingRule(true);
    listView.selectRow(0);
    form.applyEnablingRule(true);
    QTest::mouseClick(&deleteButton, Qt::LeftButton);
    QCOMPARE(list.count(), 1);
    QCOMPARE(fixture.errors, QStringList{});
}

void TestMainWindow::resultFollowsTheInputs()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QComboBox &category = child<QComboBox>(form, "ComboBox1");
    DatePicker &crimeDate = child<DatePicker>(form, "DateTimePicker1");
    QCheckBox &custodyBox = child<QCheckBox>(form, "CheckBox1");
    QLabel &result = child<QLabel>(form, "Label2");
    // Two grave priors with custody and no deferment, three years old.
    for (int i = 0; i < 2; ++i)
        form.records().append(windowConviction(
            fixture, "09.12.2023", fixture.text("String.SeriousCrime"), fixture.text("String.Yes"),
            fixture.text("String.No"), fixture.text("String.No")));
    const QString yes = fixture.text("String.Yes");
    const QString no = fixture.text("String.No");

    pickEntry(category, 2); // a grave crime now
    QCOMPARE(result.text(), fixture.text("String.DangerRecidiv"));
    QCOMPARE(inForceTexts(form), (QStringList{yes, yes}));

    custodyBox.click(); // with actual custody
    QCOMPARE(result.text(), fixture.text("String.EspeciallyDangerRecidiv"));
    custodyBox.click();
    QCOMPARE(result.text(), fixture.text("String.DangerRecidiv"));
    custodyBox.click();

    // Six years after the priors they are expunged.
    crimeDate.setDate(QDate(2029, 12, 9));
    QCOMPARE(result.text(), fixture.text("String.RecidivNo"));
    QCOMPARE(inForceTexts(form), (QStringList{no, no}));
    crimeDate.setDate(QDate(2029, 12, 8));
    QCOMPARE(result.text(), fixture.text("String.EspeciallyDangerRecidiv"));
    QCOMPARE(inForceTexts(form), (QStringList{yes, yes}));
    // Before the priors existed they do not count.
    crimeDate.setDate(QDate(2023, 12, 8));
    QCOMPARE(result.text(), fixture.text("String.RecidivNo"));

    // A medium crime is never dangerous recidivism of either kind, but with grave
    // priors in force it is recidivism under part 1.
    pickEntry(category, 1);
    crimeDate.setDate(ProgramFixture::today());
    QCOMPARE(result.text(), fixture.text("String.Recidiv"));
    // Committed through negligence, it is no recidivism at all.
    child<QCheckBox>(form, "CheckBox2").click();
    QCOMPARE(result.text(), fixture.text("String.RecidivNo"));
    QCOMPARE(fixture.errors, QStringList{});
}

// A conviction's details go from the dialog into the list, decide its expiry
// date and the result, survive a save and an open, and come back into the dialog.
void TestMainWindow::detailsTravelThroughListAndFile()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QComboBox &category = child<QComboBox>(form, "ComboBox1");
    DatePicker &crimeDate = child<DatePicker>(form, "DateTimePicker1");
    QLabel &result = child<QLabel>(form, "Label2");
    const ShortDateFormat &dates = form.context().dateFormat;
    pickEntry(category, 2); // a grave crime in 2024
    crimeDate.setDate(QDate(2024, 5, 1));

    // Grave, committed 2014, convicted 2015, released 2020: in force until 2028.
    const ConvictionDetails released{.crimeDate = QDate(2014, 11, 10),
                                     .punishment = PunishmentKind::Custody,
                                     .served = QDate(2020, 6, 1)};
    bool collapsedOnAdd = false;
    const auto added = whenModal<TEdit_frm>(&form, [&](TEdit_frm &dialog) {
        collapsedOnAdd = !child<QWidget>(dialog, "DetailsPanel").isVisible();
        child<QComboBox>(dialog, "ComboBox1").setCurrentIndex(2);
        child<DatePicker>(dialog, "DateTimePicker1").setDate(QDate(2015, 6, 1));
        dialog.setDetails(released);
        QTest::mouseClick(&child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
    QTest::mouseClick(&child<QPushButton>(form, "Button1"), Qt::LeftButton);
    QVERIFY(*added);
    QVERIFY(collapsedOnAdd);
    QCOMPARE(form.records().at(0).details, released);
    QCOMPARE(result.text(), fixture.text("String.DangerRecidiv"));
    const QModelIndex expiry = shownCell(form, 0, RecordColumn::Expiry);
    QCOMPARE(expiry.data().toString(), dates.format(QDate(2028, 6, 1)));
    const QString note = expiry.data(Qt::ToolTipRole).toString();
    QVERIFY2(note.contains(dates.format(QDate(2014, 11, 10))), qPrintable(note));

    const QString path = fixture.folder().programFolder() + "/details.har";
    fixture.fileChooser.answer = path;
    child<QAction>(form, "N50").trigger();
    child<QAction>(form, "N11").trigger();
    QCOMPARE(form.records().count(), 0);
    pickEntry(category, 2);
    crimeDate.setDate(QDate(2024, 5, 1));
    // The new crime changed since Clear data: the question is answered first.
    answerUnsavedChanges(&form, QMessageBox::Discard);
    child<QAction>(form, "N3").trigger();
    QCOMPARE(form.records().count(), 1);
    QCOMPARE(form.records().at(0).details, released);
    QCOMPARE(result.text(), fixture.text("String.DangerRecidiv"));

    std::optional<ConvictionDetails> shown;
    bool expandedOnModify = false;
    child<QTableView>(form, "ListView1").selectRow(0);
    const auto modified = whenModal<TEdit_frm>(&form, [&](TEdit_frm &dialog) {
        shown = dialog.details();
        expandedOnModify = child<QWidget>(dialog, "DetailsPanel").isVisible();
        QTest::mouseClick(&child<QPushButton>(dialog, "Button2"), Qt::LeftButton);
    });
    QTest::mouseClick(&child<QPushButton>(form, "Button2"), Qt::LeftButton);
    QVERIFY(*modified);
    QCOMPARE(shown, std::optional(released));
    QVERIFY(expandedOnModify);
    QCOMPARE(fixture.errors, QStringList{});
}

// With no category chosen for the new crime there is no answer to show, however
// many convictions the list holds: the panel asks for the category.
void TestMainWindow::noCategoryAsksForIt()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QLabel &result = child<QLabel>(form, "Label2");
    QLabel &grounds = child<QLabel>(form, "Label5");
    QLabel &horizon = child<QLabel>(form, "Label6");
    QStringList dates;
    for (int row = 0; row < 40; ++row)
        dates.append(QDate(2022, 1, 10).addDays(row * 7).toString("dd.MM.yyyy"));
    appendGraveConvictions(fixture, form, dates);

    child<QCheckBox>(form, "CheckBox1").click(); // a recomputation, still without a category
    QCOMPARE(result.text(), fixture.text("String.ChooseCategory"));
    QVERIFY(!grounds.isVisible());
    QVERIFY(!horizon.isVisible());
    QVERIFY(!form.lastAssessment().horizon);
    // The rows are assessed all the same.
    QCOMPARE(inForceTexts(form), QStringList(40, fixture.text("String.Yes")));
    QVERIFY(shownNote(form, 39).contains(fixture.text("String.RowCounted")));

    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Grave));
    QCOMPARE(result.text(), fixture.text("String.EspeciallyDangerRecidiv"));
    QVERIFY(grounds.isVisible());
    QVERIFY(horizon.isVisible());
    QCOMPARE(fixture.errors, QStringList{});
}

void TestMainWindow::laterConvictionsMarkedAndCounted_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QList<bool>>("later"); // by row
    QTest::addColumn<QString>("line");      // the key of the result panel's line

    // The new crime is dated 1 January 2024.
    QTest::newRow("none") << QStringList{"01.06.2020", "01.06.2021"} << QList<bool>{false, false}
                          << "";
    QTest::newRow("one") << QStringList{"01.06.2020", "01.06.2024", "01.06.2021"}
                         << QList<bool>{false, true, false} << "String.DatedAfterCrimeOne";
    QTest::newRow("two") << QStringList{"01.06.2020", "02.01.2024", "01.06.2021", "01.03.2025"}
                         << QList<bool>{false, true, false, true}
                         << "String.DatedAfterCrimeSeveral";
}

void TestMainWindow::laterConvictionsMarkedAndCounted()
{
    QFETCH(QStringList, dates);
    QFETCH(QList<bool>, later);
    QFETCH(QString, line);

    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    DatePicker &crimeDate = child<DatePicker>(form, "DateTimePicker1");
    QLabel &qualifications = child<QLabel>(form, "Label7");
    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Grave));
    appendGraveConvictions(fixture, form, dates);
    crimeDate.setDate(QDate(2024, 1, 1));

    const QColor text = child<QTableView>(form, "ListView1").palette().color(QPalette::Text);
    const int count = int(later.count(true));
    for (int row = 0; row < later.size(); ++row) {
        const QString number = QString::number(row + 1);
        QCOMPARE(shownCell(form, row).data(RecordList::DatedAfterCrimeRole).toBool(), later[row]);
        QCOMPARE(rowNumbers(form)[row],
                 later[row] ? number + ConvictionTable::AfterCrimeMark : number);
        const QStyleOptionViewItem look = cellLook(form, row);
        QCOMPARE(look.font.italic(), later[row]);
        QCOMPARE(look.palette.color(QPalette::Text) != text, later[row]);
    }
    QCOMPARE(qualifications.isVisible(), count > 0);
    if (count > 0)
        QCOMPARE(qualifications.text(),
                 filledText(fixture.text(qPrintable(line)), QString::number(count)));

    // On a date after every conviction none is marked or left out.
    crimeDate.setDate(QDate(2025, 6, 1));
    QCOMPARE(rowNumbers(form), QStringList({"1", "2", "3", "4"}).mid(0, later.size()));
    QVERIFY(!qualifications.isVisible());
    QVERIFY(!cellLook(form, 0).font.italic());
    QCOMPARE(fixture.errors, QStringList{});
}

void TestMainWindow::futureDateIsSaid_data()
{
    QTest::addColumn<int>("daysAhead"); // of today
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("said");
    QTest::newRow("yesterday") << -1 << "English" << false;
    QTest::newRow("today") << 0 << "English" << false;
    QTest::newRow("tomorrow") << 1 << "English" << true;
    QTest::newRow("a year ahead, French") << 365 << "French" << true;
    QTest::newRow("a year ahead, Russian") << 365 << "Russian" << true;
}

// A new crime dated after today is allowed, but the panel says so; with a later
// conviction too, every line still fits the panel.
void TestMainWindow::futureDateIsSaid()
{
    QFETCH(int, daysAhead);
    QFETCH(QString, language);
    QFETCH(bool, said);

    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    pickLanguage(form, language);
    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Grave));
    const QDate date = ProgramFixture::today().addDays(daysAhead);
    child<DatePicker>(form, "DateTimePicker1").setDate(date);
    appendGraveConvictions(fixture, form,
                           {"01.06.2022", "01.06.2023", date.addDays(1).toString("dd.MM.yyyy")});
    child<QCheckBox>(form, "CheckBox1").click(); // with custody, recomputed
    QCoreApplication::processEvents();

    const QStringList expected{filledText(fixture.text("String.DatedAfterCrimeOne"), "1"),
                               said ? filledText(fixture.text("String.FutureCrimeDate"),
                                                 form.context().dateFormat.format(date))
                                    : QString()};
    QCOMPARE(child<QLabel>(form, "Label7").text(), expected.join(u'\n').trimmed());
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.EspeciallyDangerRecidiv"));
    const QStringList cut = cutOffLines(form);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
    QCOMPARE(fixture.errors, QStringList{});
}

// A grave conviction of 1 June 2015 with no other fact runs its 6 years from the
// conviction date (Art. 86 part 3 (d) as worded before 3 August 2013) to 1 June
// 2021, 8 years (as worded since) to 1 June 2023. A new crime on 1 June 2021
// falls on its expiry day, and the crime's date would change its answer: the
// row's number is marked, and the result says both. The second conviction is in
// no doubt.
void TestMainWindow::doubtIsMarkedAndSaid()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Grave));
    child<DatePicker>(form, "DateTimePicker1").setDate(QDate(2021, 6, 1));
    appendGraveConvictions(fixture, form, {"01.06.2015", "01.06.2020"});
    child<QCheckBox>(form, "CheckBox1").click(); // with custody, recomputed
    QCoreApplication::processEvents();

    QCOMPARE(rowNumbers(form), QStringList({QString("1") + ConvictionTable::InDoubtMark, "2"}));
    const QStringList expected{filledText(fixture.text("String.DoubtCrimeDate"), "1"),
                               filledText(fixture.text("String.DoubtBoundaryDay"), "1")};
    QCOMPARE(child<QLabel>(form, "Label7").text(), expected.join(u'\n'));
    QVERIFY(shownNote(form, 0).contains(fixture.text("String.RowDoubtBoundaryDay")));
    QVERIFY(!shownNote(form, 1).contains(fixture.text("String.RowDoubtBoundaryDay")));
    const QStringList cut = cutOffLines(form);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
    QCOMPARE(fixture.errors, QStringList{});
}

void TestMainWindow::consequencesFollowTheResult_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("French") << "French";
}

// Under a result, what it entails: with dangerous recidivism the least term, no
// conditional sentence, the strict-regime colony and supervision; with especially
// dangerous recidivism the special-regime colony instead; with recidivism under
// part 1 the least term only; nothing once the new crime is negligent. The line
// fits the panel.
void TestMainWindow::consequencesFollowTheResult()
{
    QFETCH(QString, language);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QComboBox &category = child<QComboBox>(form, "ComboBox1");
    QLabel &result = child<QLabel>(form, "Label2");
    pickLanguage(form, language);
    appendGraveConvictions(fixture, form, {"01.06.2023"});
    const QLabel *line = &child<QLabel>(form, "ConsequencesLine");
    QVERIFY(!line->isVisible());
    const auto names = [&](const char *key) { return line->text().contains(fixture.text(key)); };

    pickEntry(category, int(Gravity::Grave));
    QCoreApplication::processEvents();
    QCOMPARE(result.text(), fixture.text("String.DangerRecidiv"));
    QVERIFY(line->isVisible());
    for (const char *key : {"String.ConsequenceLeastTerm", "String.ConsequenceNoConditional",
                            "String.ConsequenceColonyDangerous", "String.ConsequenceSupervision"})
        QVERIFY2(names(key), key);
    QVERIFY(!names("String.ConsequenceColonyEspeciallyDangerous"));
    QStringList cut = cutOffLines(form);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));

    appendGraveConvictions(fixture, form, {"01.06.2024"});
    child<QCheckBox>(form, "CheckBox1").click(); // with custody, recomputed
    QCOMPARE(result.text(), fixture.text("String.EspeciallyDangerRecidiv"));
    QVERIFY(names("String.ConsequenceColonyEspeciallyDangerous"));
    QVERIFY(!names("String.ConsequenceColonyDangerous"));

    pickEntry(category, int(Gravity::Medium));
    QCOMPARE(result.text(), fixture.text("String.Recidiv"));
    QCOMPARE(line->text(), filledText(fixture.text("String.Consequences"),
                                      fixture.text("String.ConsequenceLeastTerm")));

    child<QCheckBox>(form, "CheckBox2").click(); // through negligence
    QVERIFY(!line->isVisible());
    QCOMPARE(fixture.errors, QStringList{});
}

// The list numbers its rows from 1, as the grounds name the rows counted; a
// deletion renumbers the rows below it, and the grounds follow.
void TestMainWindow::rowNumbersFollowDeletion()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QTableView &list = child<QTableView>(form, "ListView1");
    QLabel &grounds = child<QLabel>(form, "Label5");
    QPushButton &deleteButton = child<QPushButton>(form, "Button3");
    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Grave));
    child<QCheckBox>(form, "CheckBox1").click();
    form.records().append(
        windowConviction(fixture, "01.06.2022", fixture.text("String.SeriousCrime")));
    form.records().append(
        windowConviction(fixture, "01.06.2023", fixture.text("String.SmallCrime")));
    form.records().append(
        windowConviction(fixture, "01.06.2024", fixture.text("String.SeriousCrime")));
    form.calc_rec();
    QVERIFY(list.verticalHeader()->isVisible());
    QCOMPARE(rowNumbers(form), (QStringList{"1", "2", "3"}));
    const QString clauses =
        fixture.text("String.ClausePart2b") + ", " + fixture.text("String.ClausePart3a");
    QCOMPARE(grounds.text(), filledText(fixture.text("String.GroundsSeveral"), clauses, "1, 3"));

    list.selectRow(1);
    QTest::mouseClick(&deleteButton, Qt::LeftButton);
    QCOMPARE(rowNumbers(form), (QStringList{"1", "2"}));
    QCOMPARE(grounds.text(), filledText(fixture.text("String.GroundsSeveral"), clauses, "1, 2"));

    list.selectRow(0);
    QTest::mouseClick(&deleteButton, Qt::LeftButton);
    QCOMPARE(rowNumbers(form), QStringList{"1"});
    QCOMPARE(grounds.text(),
             filledText(fixture.text("String.Grounds"), fixture.text("String.ClausePart2b"), "1"));
    QCOMPARE(fixture.errors, QStringList{});
}

// Saving keeps the new crime with the list and opening restores it; a file
// without one leaves the new crime on screen, and a line under the result says
// so until the list is cleared.
void TestMainWindow::fileCarriesTheNewCrime()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QComboBox &category = child<QComboBox>(form, "ComboBox1");
    QCheckBox &custodyBox = child<QCheckBox>(form, "CheckBox1");
    DatePicker &crimeDate = child<DatePicker>(form, "DateTimePicker1");
    QAction &clearData = child<QAction>(form, "N11");
    QAction &openList = child<QAction>(form, "N3");
    QLabel &fileNotes = child<QLabel>(form, "FileNotesLine");
    pickEntry(category, 2);
    custodyBox.click();
    crimeDate.setDate(QDate(2024, 5, 1));
    form.records().append(windowConviction(
        fixture, "09.12.2020", fixture.text("String.SeriousCrime"), fixture.text("String.Yes"),
        fixture.text("String.No"), fixture.text("String.No")));
    const QString path = fixture.folder().programFolder() + "/crime.har";
    fixture.fileChooser.answer = path;
    child<QAction>(form, "N50").trigger();
    clearData.trigger();
    QCOMPARE(category.currentIndex(), -1);

    // A cleared list has nothing to lose: no question.
    openList.trigger();
    QCOMPARE(category.currentIndex(), 2);
    QVERIFY(custodyBox.isChecked());
    QVERIFY(!child<QCheckBox>(form, "CheckBox2").isChecked());
    QCOMPARE(crimeDate.date(), QDate(2024, 5, 1));
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.DangerRecidiv"));
    QVERIFY(fileNotes.isHidden());

    // The same list as an older program saved it: no new crime.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    fixture.folder().writeBytes("../crime.har", bytes.left(bytes.indexOf("[new_crime]")));
    pickEntry(category, 1);
    answerUnsavedChanges(&form, QMessageBox::Discard);
    openList.trigger();
    QCOMPARE(category.currentIndex(), 1);
    QCOMPARE(crimeDate.date(), QDate(2024, 5, 1));
    QVERIFY(fileNotes.isVisible());
    QCOMPARE(fileNotes.text(), fixture.text("String.FileWithoutNewCrime"));
    clearData.trigger();
    QVERIFY(fileNotes.isHidden());
    QCOMPARE(fixture.errors, QStringList{});
}

// A list saved in the Russian interface by an older program (category texts
// alone) opens in the French one with French categories and counts; a row whose
// text is no category in any language is named on the result line.
void TestMainWindow::russianListOpensInTheFrenchInterface()
{
    ProgramFixture fixture;
    fixture.storeLanguage("French");
    TForm1 &form = fixture.startShown();
    QComboBox &category = child<QComboBox>(form, "ComboBox1");
    QLabel &result = child<QLabel>(form, "Label2");
    QTableView &list = child<QTableView>(form, "ListView1");
    pickEntry(category, 2);
    child<DatePicker>(form, "DateTimePicker1").setDate(QDate(2024, 5, 1));
    QByteArray russian = "\xEF\xBB\xBF[previous_conviction]\r\ncount=3\r\n";
    for (int i = 0; i < 3; ++i) {
        const QByteArray n = QByteArray::number(i);
        russian +=
            "date" + n + "=09.12.2023\r\nheaviness" + n + "=" +
            (i < 2 ? QStringLiteral("Тяжкое преступление") : QStringLiteral("Кража")).toUtf8() +
            "\r\ndeprivation" + n + "=1\r\ninfancy" + n + "=0\r\nrespite" + n + "=0\r\n";
    }
    fixture.folder().writeBytes("../russian.har", russian);
    fixture.fileChooser.answer = fixture.folder().programFolder() + "/russian.har";
    // The new crime chosen is unsaved: the question is answered first.
    answerUnsavedChanges(&form, QMessageBox::Discard);
    child<QAction>(form, "N3").trigger();

    QCOMPARE(form.records().count(), 3);
    // The Russian file's grave category reads as grave, and shows in French.
    QCOMPARE(form.records().at(0).gravity, ConvictionGravity(Gravity::Grave));
    QCOMPARE(shownText(form, 0, RecordColumn::Severity), QStringLiteral("Infraction grave"));
    QCOMPARE(form.records().at(2).gravity, ConvictionGravity::unrecognised("Кража"));
    QCOMPARE(shownText(form, 2, RecordColumn::Severity), QStringLiteral("Кража"));
    QCOMPARE(result.text(), fixture.text("String.DangerRecidiv") + "\n" +
                                filledText(fixture.text("String.UnknownCategoryRows"), "3"));
    QCOMPARE(category.currentIndex(), 2);
    QCOMPARE(child<QLabel>(form, "FileNotesLine").text(),
             fixture.text("String.FileWithoutNewCrime"));

    // Without the unknown row the result line is the bare result.
    list.selectRow(2);
    list.setCurrentIndex(shownCell(form, 2));
    child<QPushButton>(form, "Button3").click();
    QCOMPARE(form.records().count(), 2);
    QCOMPARE(result.text(), fixture.text("String.DangerRecidiv"));
    QCOMPARE(fixture.errors, QStringList{});
}

void TestMainWindow::listKeepsItsRowsBesideALongResult_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("English") << "English";
    QTest::newRow("French") << "French";
}

void TestMainWindow::listKeepsItsRowsBesideALongResult()
{
    QFETCH(QString, language);
    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    const QSize started = form.size();
    // The sample list and a later row against a grave crime committed between
    // them: the result, its grounds, its horizon, a notice and the consequences.
    child<QAction>(form, "N9").trigger();
    appendGraveConvictions(fixture, form, {fixture.dateFormat().format(QDate(2025, 6, 1))});
    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Grave));
    child<DatePicker>(form, "DateTimePicker1").setDate(QDate(2024, 1, 10));
    QCoreApplication::processEvents();
    QCOMPARE(form.size(), started);
    const QLabel &consequences = child<QLabel>(form, "ConsequencesLine");
    const QLabel &qualifications = child<QLabel>(form, "Label7");
    QVERIFY(consequences.isVisible());
    QVERIFY(qualifications.isVisible());
    const QScrollArea &scroller = child<QScrollArea>(form, "ResultScroller");
    QTableView &list = child<QTableView>(form, "ListView1");
    const auto rowsInView = [&list] {
        return list.viewport()->height() / list.verticalHeader()->defaultSectionSize();
    };
    // Every line whole in the panel; the part out of view is reached by scrolling.
    const auto verifyWholeOrScrolling = [&] {
        const QStringList cut = cutOffLines(form);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
        const int hidden = child<QFrame>(form, "Panel1").height() - scroller.viewport()->height();
        QCOMPARE(scroller.verticalScrollBar()->maximum(), std::max(hidden, 0));
        QCOMPARE(scroller.verticalScrollBar()->isVisible(), hidden > 0);
    };

    QVERIFY2(rowsInView() >= 5, qPrintable(QString::number(rowsInView())));
    verifyWholeOrScrolling();
    // The result's first lines are in view.
    QVERIFY(scroller.viewport()->height() >= child<QLabel>(form, "Label2").geometry().bottom() +
                                                 child<QLabel>(form, "Label5").height());

    // With room to spare, the next result shows whole, without scrolling.
    form.resize(1300, 740);
    QCoreApplication::processEvents();
    verifyWholeOrScrolling();
    child<DatePicker>(form, "DateTimePicker1").setDate(QDate(2024, 1, 11));
    QCoreApplication::processEvents();
    QVERIFY(consequences.isVisible() && qualifications.isVisible());
    verifyWholeOrScrolling();
    QVERIFY(!scroller.verticalScrollBar()->isVisible());
    QVERIFY(rowsInView() >= 5);

    // The timeline's page keeps the list's room.
    form.resize(started);
    QTabWidget &pages = child<QTabWidget>(form, "PageControl1");
    pages.setCurrentWidget(&child<Timeline>(form, "Timeline1"));
    QCoreApplication::processEvents();
    pages.setCurrentWidget(&list);
    QCoreApplication::processEvents();
    QVERIFY(rowsInView() >= 5);
    verifyWholeOrScrolling();
    QCOMPARE(fixture.errors, QStringList{});
}

// The expungement check of one conviction with actual custody, at the
// calculation date (the fixture's today, 9 December 2026), in the interface's
// words. Terms from the conviction date: Article 86 part 3 (c), three years for
// a crime of small gravity; Article 95 part 3 (b), one year for one committed as
// a minor; Article 86 part 3 (e), eight years (ten from 3 August 2013) for an
// especially grave crime.
void TestMainWindow::calc_sudAnswersForOneConviction_data()
{
    QTest::addColumn<int>("gravity");
    QTest::addColumn<bool>("juvenile");
    QTest::addColumn<QDate>("convicted");
    QTest::addColumn<QString>("answer");
    QTest::newRow("small, three years on")
        << int(Gravity::Small) << false << QDate(2025, 6, 1) << "String.Yes";
    QTest::newRow("small as a minor, one year gone")
        << int(Gravity::Small) << true << QDate(2025, 6, 1) << "String.No";
    QTest::newRow("especially grave, eight years not yet gone")
        << int(Gravity::EspeciallyGrave) << false << QDate(2018, 12, 10) << "String.Yes";
    QTest::newRow("small, three years gone the day before")
        << int(Gravity::Small) << false << QDate(2023, 12, 9) << "String.No";
}

void TestMainWindow::calc_sudAnswersForOneConviction()
{
    QFETCH(int, gravity);
    QFETCH(bool, juvenile);
    QFETCH(QDate, convicted);
    QFETCH(QString, answer);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QCOMPARE(form.currentCrime().calculationDate, ProgramFixture::today());
    QCOMPARE(form.calc_sud(Gravity(gravity), juvenile, convicted),
             fixture.text(answer.toLatin1().constData()));
}

// The file operations by their own names: the list written, then read back.
void TestMainWindow::save_harThenOpen_harGivesTheListBack()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QList<ConvictionRecord> list{
        {QDate(2023, 4, 7), Gravity::Grave, true, false, false, {}},
        {QDate(2010, 2, 1), ConvictionGravity::unrecognised("Theft"), false, true, true, {}}};
    for (const ConvictionRecord &record : list)
        form.records().append(record);
    const QString path = fixture.folder().programFolder() + "/list.har";
    form.save_har(path);
    form.records().clear();
    form.open_har(path);
    QCOMPARE(form.records().records(), list);
    QCOMPARE(form.listFile(), path);
    QCOMPARE(fixture.errors, QStringList{});
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
