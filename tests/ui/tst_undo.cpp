// Undo and redo through the real commands: each edit of the list undone and
// redone, the title's mark of unsaved changes, the list's file given back with
// the rows Clear data and the sample data replaced, and a change of language,
// which is no edit and leaves the history working in the new language.
#include "document/recordlist.h"
#include "localisation/assessmenttexts.h"
#include "programfixture.h"
#include "records/recordfile.h"
#include "support/assessmentfixture.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/languageselector.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace {

enum class Edit { Add, Modify, Delete, Clear, Sample };

void selectRow(TForm1 &form, int row)
{
    child<QTableView>(form, "ListView1")
        .selectionModel()
        ->setCurrentIndex(shownCell(form, row),
                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// The record dialog answered: a grave crime of the given day with actual custody.
void answerRecordDialog(TForm1 &form, QDate date)
{
    whenModal<TEdit_frm>(&form, [date](TEdit_frm &dialog) {
        child<QComboBox>(dialog, "ComboBox1").setCurrentIndex(int(Gravity::Grave));
        child<DatePicker>(dialog, "DateTimePicker1").setDate(date);
        child<QCheckBox>(dialog, "CheckBox1").setChecked(true);
        QTest::mouseClick(&child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
}

// Each edit as the user makes it: the buttons with the record dialog answered, the
// menu commands.
void makeEdit(TForm1 &form, Edit edit)
{
    switch (edit) {
    case Edit::Add:
        answerRecordDialog(form, QDate(2024, 1, 15));
        child<QPushButton>(form, "Button1").click();
        break;
    case Edit::Modify:
        selectRow(form, 1);
        answerRecordDialog(form, QDate(2019, 3, 4));
        child<QPushButton>(form, "Button2").click();
        break;
    case Edit::Delete:
        selectRow(form, 0);
        child<QPushButton>(form, "Button3").click();
        break;
    case Edit::Clear: child<QAction>(form, "N11").trigger(); break;
    case Edit::Sample: child<QAction>(form, "N9").trigger(); break;
    }
}

// What an edit changes and what the result shows.
struct Shown
{
    QList<ConvictionRecord> records;
    CurrentCrime crime;
    QString result;

    friend bool operator==(const Shown &, const Shown &) = default;
};

Shown shown(const TForm1 &form)
{
    return {form.records().records(), form.currentCrime(), child<QLabel>(form, "Label2").text()};
}

char *toString(const Shown &state)
{
    QStringList rows;
    for (const ConvictionRecord &record : state.records)
        rows.append(QStringList{record.date.toString(Qt::ISODate),
                                QString::number(int(record.gravity.known().value_or(Gravity(-1)))),
                                QString::number(record.custody), QString::number(record.juvenile),
                                QString::number(record.reprieve)}
                        .join(u'|'));
    return qstrdup(qPrintable(
        rows.join(QStringLiteral("; ")) + QStringLiteral(" / ") +
        QString::number(state.crime.gravity ? int(*state.crime.gravity) : -1) + u' ' +
        state.crime.calculationDate.toString(Qt::ISODate) + QStringLiteral(" / ") + state.result));
}

// Two rows, a medium new crime with custody, saved to a file: the history is
// clean and the title unmarked.
void startSavedCase(ProgramFixture &fixture, TForm1 &form, const QString &file)
{
    const QString yes = fixture.text("String.Yes");
    const QString no = fixture.text("String.No");
    form.records().append(
        windowConviction(fixture, "07.04.2023", form.crimeCategories[Gravity::Grave], yes, no, no));
    form.records().append(windowConviction(fixture, "01.02.2010",
                                           form.crimeCategories[Gravity::Medium], yes, no, no));
    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Medium));
    child<QCheckBox>(form, "CheckBox1").click();
    fixture.fileChooser.answer = file;
    child<QAction>(form, "N50").trigger();
    QVERIFY(fixture.errors.isEmpty());
    QVERIFY(!form.hasUnsavedChanges());
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void eachEditUndoneAndRedone_data();
    void eachEditUndoneAndRedone();
    void titleMarksUnsavedChanges();
    void undoGivesBackTheFile_data();
    void undoGivesBackTheFile();
    void editAfterUndoIsNotTheSavedList();
    void languageSwitchIsNoEdit();
    void undoAfterLanguageSwitchShowsTheNewLanguage_data();
    void undoAfterLanguageSwitchShowsTheNewLanguage();
    void keysAndMenus();

private:
    QTemporaryDir m_dir;
};

void TestUndo::eachEditUndoneAndRedone_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<bool>("unsaved"); // after the edit: a cleared list has nothing to lose
    QTest::newRow("add") << Edit::Add << "&Undo add" << true;
    QTest::newRow("modify") << Edit::Modify << "&Undo modify" << true;
    QTest::newRow("delete") << Edit::Delete << "&Undo delete" << true;
    QTest::newRow("clear data") << Edit::Clear << "&Undo clear data" << false;
    QTest::newRow("sample data") << Edit::Sample << "&Undo sample data" << true;
}

void TestUndo::eachEditUndoneAndRedone()
{
    QFETCH(Edit, edit);
    QFETCH(QString, undoText);
    QFETCH(bool, unsaved);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QAction &undo = child<QAction>(form, "UndoAction");
    QAction &redo = child<QAction>(form, "RedoAction");
    startSavedCase(fixture, form, m_dir.filePath("case.har"));
    QVERIFY(!undo.isEnabled());
    const Shown saved = shown(form);

    makeEdit(form, edit);
    const Shown edited = shown(form);
    const std::unique_ptr<char[]> description(toString(edited)); // QTest's toString allocates
    QVERIFY2(edited != saved, description.get());
    QCOMPARE(form.hasUnsavedChanges(), unsaved);
    QVERIFY(undo.isEnabled());
    QVERIFY(!redo.isEnabled());
    QCOMPARE(undo.text(), undoText);

    // Undone, the list, the new crime and the result are as saved, and unmarked.
    undo.trigger();
    QCOMPARE(shown(form), saved);
    QVERIFY(!form.hasUnsavedChanges());
    QCOMPARE(undo.text(), QStringLiteral("&Undo"));
    QCOMPARE(redo.text(), QString(undoText).replace("&Undo", "&Redo"));

    redo.trigger();
    QCOMPARE(shown(form), edited);
    QCOMPARE(form.hasUnsavedChanges(), unsaved);
    QVERIFY(fixture.errors.isEmpty());
    QCOMPARE(form.history().count(), 1);
}

void TestUndo::titleMarksUnsavedChanges()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QAction &undo = child<QAction>(form, "UndoAction");
    QAction &redo = child<QAction>(form, "RedoAction");
    const QString caption = fixture.text("Caption.Kovrant_MainForm");
    QCOMPARE(shownTitle(form), caption);

    answerRecordDialog(form, QDate(2024, 1, 15));
    child<QPushButton>(form, "Button1").click();
    QCOMPARE(shownTitle(form), caption + "*");

    fixture.fileChooser.answer = m_dir.filePath("list.har");
    child<QAction>(form, "N50").trigger();
    QCOMPARE(shownTitle(form), "list.har — " + caption);

    // The new crime is saved with the list: changing it marks the title, and
    // changing it back takes the mark away.
    QComboBox &category = child<QComboBox>(form, "ComboBox1");
    pickEntry(category, int(Gravity::Grave));
    QCOMPARE(shownTitle(form), "list.har* — " + caption);
    pickEntry(category, -1);
    QCOMPARE(shownTitle(form), "list.har — " + caption);

    selectRow(form, 0);
    child<QPushButton>(form, "Button3").click();
    QCOMPARE(shownTitle(form), "list.har* — " + caption);
    undo.trigger();
    QCOMPARE(shownTitle(form), "list.har — " + caption);
    // Past the saved state the other way, too.
    undo.trigger();
    QCOMPARE(form.records().count(), 0);
    QCOMPARE(shownTitle(form), "list.har* — " + caption);

    // Saving marks the history clean where it stands; opening starts it again.
    child<QAction>(form, "N50").trigger();
    QCOMPARE(shownTitle(form), "list.har — " + caption);
    QVERIFY(!form.hasUnsavedChanges());
    redo.trigger();
    QCOMPARE(shownTitle(form), "list.har* — " + caption);
    undo.trigger();
    fixture.fileChooser.answer = m_dir.filePath("list.har");
    child<QAction>(form, "N3").trigger();
    QCOMPARE(form.history().count(), 0);
    QVERIFY(!undo.isEnabled());
    QVERIFY(!redo.isEnabled());
    QCOMPARE(shownTitle(form), "list.har — " + caption);
    QVERIFY(fixture.errors.isEmpty());
}

void TestUndo::undoGivesBackTheFile_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("changedFirst");    // a row added, not saved, before the edit
    QTest::addColumn<QString>("untitledMark"); // the title's mark after the edit
    QTest::newRow("clear data") << Edit::Clear << false << "";
    QTest::newRow("clear data over a change") << Edit::Clear << true << "";
    QTest::newRow("sample data") << Edit::Sample << false << "*";
    QTest::newRow("sample data over a change") << Edit::Sample << true << "*";
}

// Clear data and the sample data leave an untitled list; undone, the rows come
// back with their file, saved where the file holds them and marked where it does
// not, and Save writes that file again without asking.
void TestUndo::undoGivesBackTheFile()
{
    QFETCH(Edit, edit);
    QFETCH(bool, changedFirst);
    QFETCH(QString, untitledMark);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QString caption = fixture.text("Caption.Kovrant_MainForm");
    const QString file = m_dir.filePath("identity.har");
    startSavedCase(fixture, form, file);
    if (changedFirst)
        makeEdit(form, Edit::Add);
    const Shown before = shown(form);
    const QString fileTitle = QString("identity.har%1 — ").arg(changedFirst ? "*" : "") + caption;
    QCOMPARE(shownTitle(form), fileTitle);

    if (changedFirst)
        answerUnsavedChanges(&form, QMessageBox::Discard);
    makeEdit(form, edit);
    QVERIFY(form.listFile().isEmpty());
    QCOMPARE(shownTitle(form), caption + untitledMark);

    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    child<QTableView>(form, "ListView1").setFocus();
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(shown(form), before);
    QCOMPARE(form.listFile(), file);
    QCOMPARE(shownTitle(form), fileTitle);

    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(form.listFile().isEmpty());
    QCOMPARE(shownTitle(form), caption + untitledMark);

    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    const int asked = fixture.fileChooser.questions;
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fixture.fileChooser.questions, asked);
    QCOMPARE(shownTitle(form), "identity.har — " + caption);
    const LoadedRecordFile written = loadRecordFile(
        file, form.crimeCategories, installedCategories(form.catalogue()), fixture.dateFormat());
    QCOMPARE(written.records.size(), before.records.size());
    QVERIFY(fixture.errors.isEmpty());
}

// An edit pushed after an undo takes the place of the one undone: at the index
// the file was saved at, the list is another than the one the file holds.
void TestUndo::editAfterUndoIsNotTheSavedList()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QString caption = fixture.text("Caption.Kovrant_MainForm");
    startSavedCase(fixture, form, m_dir.filePath("branch.har"));
    makeEdit(form, Edit::Add);
    child<QAction>(form, "SaveAction").trigger();
    QCOMPARE(form.history().index(), 1);
    QCOMPARE(shownTitle(form), "branch.har — " + caption);

    child<QAction>(form, "UndoAction").trigger();
    makeEdit(form, Edit::Delete);
    QCOMPARE(form.history().index(), 1);
    QVERIFY(form.hasUnsavedChanges());
    QCOMPARE(shownTitle(form), "branch.har* — " + caption);
    QVERIFY(fixture.errors.isEmpty());
}

void TestUndo::languageSwitchIsNoEdit()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    startSavedCase(fixture, form, m_dir.filePath("case.har"));

    pickLanguage(form, "Russian");
    const LanguageTexts russian(fixture.folder(), "Russian");
    QVERIFY(!form.hasUnsavedChanges());
    QCOMPARE(form.history().count(), 0);
    QCOMPARE(shownTitle(form), "case.har — " + russian("Caption.Kovrant_MainForm"));

    makeEdit(form, Edit::Delete);
    pickLanguage(form, "French");
    const LanguageTexts french(fixture.folder(), "French");
    QVERIFY(form.hasUnsavedChanges());
    QCOMPARE(form.history().count(), 1);
    QCOMPARE(shownTitle(form), "case.har* — " + french("Caption.Kovrant_MainForm"));
    QCOMPARE(child<QAction>(form, "UndoAction").text(), "Ann&uler la suppression");
    QVERIFY(fixture.errors.isEmpty());
}

void TestUndo::undoAfterLanguageSwitchShowsTheNewLanguage_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("redo"); // the edit undone before the switch, redone after it
    QTest::addColumn<int>("row");   // the row written back
    QTest::newRow("delete undone") << Edit::Delete << false << 0;
    QTest::newRow("modify undone") << Edit::Modify << false << 1;
    QTest::newRow("clear data undone") << Edit::Clear << false << 0;
    QTest::newRow("add redone") << Edit::Add << true << 2;
    QTest::newRow("sample data redone") << Edit::Sample << true << 0;
}

void TestUndo::undoAfterLanguageSwitchShowsTheNewLanguage()
{
    QFETCH(Edit, edit);
    QFETCH(bool, redo);
    QFETCH(int, row);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    startSavedCase(fixture, form, m_dir.filePath("case.har"));
    const Shown before = shown(form);
    makeEdit(form, edit);
    const Shown after = shown(form);
    if (redo)
        child<QAction>(form, "UndoAction").trigger();

    pickLanguage(form, "Russian");
    const LanguageTexts russian(fixture.folder(), "Russian");
    if (redo)
        child<QAction>(form, "RedoAction").trigger();
    else
        child<QAction>(form, "UndoAction").trigger();

    // The row written back holds its values and shows in Russian, as the rest
    // of the list does.
    QCOMPARE(form.records().records(), (redo ? after : before).records);
    QVERIFY2(form.crimeCategories.gravityOf(shownText(form, row, RecordColumn::Severity)),
             qPrintable(shownText(form, row, RecordColumn::Severity)));
    QCOMPARE(shownText(form, row, RecordColumn::Custody), russian("String.Yes"));
    QCOMPARE(shownText(form, row, RecordColumn::Juvenile), russian("String.No"));
    const QString inForce = shownText(form, row, RecordColumn::InForce);
    QVERIFY2(inForce == russian("String.Yes") || inForce == russian("String.No"),
             qPrintable(inForce));
    // Back in English, the list, the new crime and the result are those of the
    // state the history stepped to.
    pickLanguage(form, "English");
    QCOMPARE(shown(form), redo ? after : before);
    QVERIFY(fixture.errors.isEmpty());
}

void TestUndo::keysAndMenus()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QAction &undo = child<QAction>(form, "UndoAction");
    QAction &redo = child<QAction>(form, "RedoAction");
    const QList<QAction *> editMenu = child<QMenu>(form, "EditMenu").actions();
    QCOMPARE(editMenu.value(0), &undo);
    QCOMPARE(editMenu.value(1), &redo);
    const QList<QAction *> contextMenu = child<QMenu>(form, "PopupMenu1").actions();
    QVERIFY(contextMenu.contains(&undo));
    QVERIFY(contextMenu.contains(&redo));
    QCOMPARE(undo.shortcut(), QKeySequence(QKeySequence::Undo));
    QVERIFY(redo.shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::Redo))
        QVERIFY(redo.shortcuts().contains(key));

    // The keys reach the window: Ctrl+Z undoes an add, Ctrl+Shift+Z redoes it.
    answerRecordDialog(form, QDate(2024, 1, 15));
    child<QPushButton>(form, "Button1").click();
    QCOMPARE(form.records().count(), 1);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    child<QTableView>(form, "ListView1").setFocus();
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.records().count(), 0);
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(form.records().count(), 1);
    QCOMPARE(shownText(form, 0, RecordColumn::InForce), fixture.text("String.Yes"));
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
