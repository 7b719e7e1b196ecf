// The question before unsaved changes would be lost, through the real commands:
// closing the window, Clear data, the sample data and opening another file
// (through the open dialog, or given by a drop or on the command line), each
// with every answer. Save saves and goes on, Discard goes on, Cancel stops, and
// so do a cancelled and a failed save. Clear data and the sample data leave an
// untitled list; the question names the file Save would write, none for an
// untitled list, and a client's file is never written with what replaced it.
#include "catalogue/uLocalize.h"
#include "document/recordlist.h"
#include "localisation/assessmenttexts.h"
#include "localisation/filenotes.h"
#include "programfixture.h"
#include "records/recordfile.h"
#include "support/assessmentfixture.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

enum class Operation { Close, Clear, Sample, Open, OpenGiven };

enum class Answer {
    NoChanges,     // nothing unsaved: no question
    Save,          // the list has no file yet: Save asks for one
    SaveToItsFile, // the list has a file: Save writes it
    SaveCancelled,
    SaveFails,
    Discard,
    Cancel,
};

bool goesOn(Answer answer)
{
    return answer == Answer::NoChanges || answer == Answer::Save ||
           answer == Answer::SaveToItsFile || answer == Answer::Discard;
}

// Adds a grave conviction of the given day through the record dialog.
void addThroughDialog(TForm1 &form, QDate date)
{
    whenModal<TEdit_frm>(&form, [date](TEdit_frm &dialog) {
        child<QComboBox>(dialog, "ComboBox1").setCurrentIndex(int(Gravity::Grave));
        child<DatePicker>(dialog, "DateTimePicker1").setDate(date);
        QTest::mouseClick(&child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
    child<QPushButton>(form, "Button1").click();
}

int rowsInFile(const TForm1 &form, const ProgramFixture &fixture, const QString &path)
{
    return int(loadRecordFile(path, form.crimeCategories, installedCategories(form.catalogue()),
                              fixture.dateFormat())
                   .records.size());
}

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Answer)

class TestUnsavedChanges : public QObject
{
    Q_OBJECT

private slots:
    void askedBeforeChangesAreLost_data();
    void askedBeforeChangesAreLost();
    void questionNamesTheFileInTheLanguage();
    void clientsFileSurvivesSampleThenClear();
};

void TestUnsavedChanges::askedBeforeChangesAreLost_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<Answer>("answer");
    const std::pair<const char *, Operation> operations[] = {
        {"close", Operation::Close},
        {"clear data", Operation::Clear},
        {"sample data", Operation::Sample},
        {"open", Operation::Open},
        {"open a given file", Operation::OpenGiven}};
    const std::pair<const char *, Answer> answers[] = {{"no changes", Answer::NoChanges},
                                                       {"save", Answer::Save},
                                                       {"save to its file", Answer::SaveToItsFile},
                                                       {"save cancelled", Answer::SaveCancelled},
                                                       {"save fails", Answer::SaveFails},
                                                       {"discard", Answer::Discard},
                                                       {"cancel", Answer::Cancel}};
    for (const auto &[operationName, operation] : operations) {
        for (const auto &[answerName, answer] : answers)
            QTest::addRow("%s, %s", operationName, answerName) << operation << answer;
    }
}

void TestUnsavedChanges::askedBeforeChangesAreLost()
{
    QFETCH(Operation, operation);
    QFETCH(Answer, answer);
    const QTemporaryDir dir;
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();

    // Another list to open: one conviction of 2001.
    const QString other = dir.filePath("other.har");
    saveRecordFile(other,
                   {windowConviction(fixture, "05.05.2001", form.crimeCategories[Gravity::Small],
                                     fixture.text("String.No"), fixture.text("String.No"),
                                     fixture.text("String.No"))},
                   form.currentCrime(), form.crimeCategories, installedCategories(form.catalogue()),
                   fixture.dateFormat());

    // The list as the user left it: one row saved to its file, where it has one,
    // and one row more.
    const QString itsFile = dir.filePath("list.har");
    if (answer == Answer::SaveToItsFile || answer == Answer::NoChanges) {
        addThroughDialog(form, QDate(2020, 2, 2));
        fixture.fileChooser.answer = itsFile;
        child<QAction>(form, "N50").trigger();
    }
    if (answer != Answer::NoChanges)
        addThroughDialog(form, QDate(2024, 1, 15));
    QCOMPARE(form.hasUnsavedChanges(), answer != Answer::NoChanges);
    const QList<ConvictionRecord> before = form.records().records();
    const QString fileBefore = form.listFile();

    // The file dialogs' answers: Save As's first, where it is asked, then Open's.
    const QString savedAs = dir.filePath("saved.har");
    const QString blocked = dir.filePath("plain.txt");
    QFile plain(blocked);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    fixture.fileChooser.answer.reset();
    fixture.fileChooser.answersInTurn.clear();
    switch (answer) {
    case Answer::Save: fixture.fileChooser.answersInTurn.append(savedAs); break;
    case Answer::SaveCancelled: fixture.fileChooser.answersInTurn.append(std::nullopt); break;
    case Answer::SaveFails: fixture.fileChooser.answersInTurn.append(blocked + "/list.har"); break;
    default: break;
    }
    fixture.fileChooser.answersInTurn.append(other);
    fixture.fileChooser.questions = 0;

    const QMessageBox::StandardButton button = answer == Answer::Discard  ? QMessageBox::Discard
                                               : answer == Answer::Cancel ? QMessageBox::Cancel
                                                                          : QMessageBox::Save;
    const auto asked = answerUnsavedChanges(&form, button);
    switch (operation) {
    case Operation::Close: form.close(); break;
    case Operation::Clear: child<QAction>(form, "N11").trigger(); break;
    case Operation::Sample: child<QAction>(form, "N9").trigger(); break;
    case Operation::Open: child<QAction>(form, "N3").trigger(); break;
    case Operation::OpenGiven: form.openGivenFile(other); break;
    }
    QCOMPARE(*asked, answer != Answer::NoChanges);

    // Saved where the answer saves, and nowhere else.
    QCOMPARE(QFile::exists(savedAs), answer == Answer::Save);
    if (answer == Answer::Save)
        QCOMPARE(rowsInFile(form, fixture, savedAs), before.size());
    if (answer == Answer::SaveToItsFile)
        QCOMPARE(rowsInFile(form, fixture, itsFile), before.size());
    QCOMPARE(fixture.errors.size(), answer == Answer::SaveFails ? 1 : 0);

    // Gone on, or left as it was.
    if (!goesOn(answer)) {
        QVERIFY(form.isVisible());
        QCOMPARE(form.records().records(), before);
        QCOMPARE(form.listFile(), fileBefore);
        QVERIFY(form.hasUnsavedChanges());
        return;
    }
    switch (operation) {
    case Operation::Close: QVERIFY(!form.isVisible()); break;
    case Operation::Clear:
        // An untitled empty list: nothing to lose.
        QCOMPARE(form.records().count(), 0);
        QVERIFY(form.listFile().isEmpty());
        QVERIFY(!form.hasUnsavedChanges());
        break;
    case Operation::Sample:
        // An untitled list no file holds.
        QVERIFY(form.records().count() > 0);
        QVERIFY(form.records().records() != before);
        QVERIFY(form.listFile().isEmpty());
        QVERIFY(form.hasUnsavedChanges());
        break;
    case Operation::Open:
    case Operation::OpenGiven:
        QCOMPARE(form.records().count(), 1);
        QCOMPARE(form.records().at(0).date, QDate(2001, 5, 5));
        QCOMPARE(form.listFile(), other);
        QVERIFY(!form.hasUnsavedChanges());
        break;
    }
}

void TestUnsavedChanges::questionNamesTheFileInTheLanguage()
{
    const QTemporaryDir dir;
    ProgramFixture fixture;
    fixture.storeLanguage("Russian");
    TForm1 &form = fixture.startShown();
    const LanguageTexts russian(fixture.folder(), "Russian");

    const auto question = [&form] {
        QString text;
        QStringList buttons;
        whenModal<QMessageBox>(&form, [&](QMessageBox &box) {
            text = box.text();
            for (QMessageBox::StandardButton button :
                 {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
                buttons.append(box.button(button)->text());
            box.button(QMessageBox::Cancel)->click();
        });
        child<QAction>(form, "N11").trigger();
        return std::pair(text, buttons);
    };

    addThroughDialog(form, QDate(2024, 1, 15));
    const QStringList buttons{russian("String.UnsavedSave"), russian("String.UnsavedDiscard"),
                              russian("Button.Cancel")};
    QCOMPARE(question(), std::pair(russian("String.UnsavedQuestion"), buttons));

    fixture.fileChooser.answer = dir.filePath("list.har");
    child<QAction>(form, "N50").trigger();
    addThroughDialog(form, QDate(2023, 1, 15));
    QCOMPARE(question(),
             std::pair(filledText(russian("String.UnsavedQuestionFile"), "list.har"), buttons));
    // Cancelled: nothing cleared.
    QCOMPARE(form.records().count(), 2);
    QVERIFY(fixture.errors.isEmpty());
}

// Open a client's list, insert the sample data and discard the change, then
// Clear data and press Enter on the question: Save, its default, must not write
// the sample rows over the client's file. The sample list is untitled: the
// question names no file, and Save asks for one.
void TestUnsavedChanges::clientsFileSurvivesSampleThenClear()
{
    const QTemporaryDir dir;
    ProgramFixture fixture;
    fixture.storeLanguage("Russian");
    TForm1 &form = fixture.startShown();
    const LanguageTexts russian(fixture.folder(), "Russian");
    const QString client = dir.filePath(QString::fromUtf8("Иванов дело.har"));
    saveRecordFile(
        client,
        {windowConviction(fixture, "05.05.2001", form.crimeCategories[Gravity::Small],
                          russian("String.No"), russian("String.No"), russian("String.No"))},
        form.currentCrime(), form.crimeCategories, installedCategories(form.catalogue()),
        fixture.dateFormat());
    QFile clientFile(client);
    QVERIFY(clientFile.open(QIODevice::ReadOnly));
    const QByteArray clientBytes = clientFile.readAll();
    clientFile.close();
    const auto unchanged = [&] {
        QFile file(client);
        return file.open(QIODevice::ReadOnly) && file.readAll() == clientBytes;
    };

    fixture.fileChooser.answer = client;
    child<QAction>(form, "N3").trigger();
    QCOMPARE(form.listFile(), client);
    // A change of the user's, discarded when the sample data come.
    child<QCheckBox>(form, "CheckBox1").click();
    const auto discarded = answerUnsavedChanges(&form, QMessageBox::Discard);
    child<QAction>(form, "N9").trigger();
    QVERIFY(*discarded);
    QVERIFY(form.listFile().isEmpty());
    QCOMPARE(shownTitle(form), russian("Caption.Kovrant_MainForm") + "*");
    const QList<ConvictionRecord> sample = form.records().records();

    // Enter on Clear data's question: Save asks for a name, and a cancel in the
    // file chooser writes nothing and clears nothing.
    const auto pressEnter = [&form](QString &question) {
        return whenModal<QMessageBox>(&form, [&question](QMessageBox &box) {
            question = box.text();
            QTest::keyClick(&box, Qt::Key_Return);
        });
    };
    QString question;
    fixture.fileChooser.answer.reset();
    fixture.fileChooser.questions = 0;
    const auto asked = pressEnter(question);
    child<QAction>(form, "N11").trigger();
    QVERIFY(*asked);
    QCOMPARE(question, russian("String.UnsavedQuestion"));
    QCOMPARE(fixture.fileChooser.questions, 1);
    QVERIFY(fixture.fileChooser.lastSetup.startPath.isEmpty());
    QVERIFY(unchanged());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(client).fileName()});
    QCOMPARE(form.records().records(), sample);
    QVERIFY(form.listFile().isEmpty());
    QVERIFY(form.hasUnsavedChanges());

    // Enter again, a new name given: the sample goes there, then the list clears.
    const QString named = dir.filePath(QString::fromUtf8("образец.har"));
    fixture.fileChooser.answer = named;
    const auto askedAgain = pressEnter(question);
    child<QAction>(form, "N11").trigger();
    QVERIFY(*askedAgain);
    QCOMPARE(fixture.fileChooser.questions, 2);
    QCOMPARE(rowsInFile(form, fixture, named), sample.size());
    QVERIFY(unchanged());
    QCOMPARE(form.records().count(), 0);
    QVERIFY(form.listFile().isEmpty());
    QVERIFY(!form.hasUnsavedChanges());
    QVERIFY(fixture.errors.isEmpty());
}

QTEST_MAIN(TestUnsavedChanges)
#include "tst_unsavedchanges.moc"
