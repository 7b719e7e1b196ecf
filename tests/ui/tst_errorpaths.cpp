// Every error message the program can show, raised through the real commands:
// each is shown once, and the window then takes an ordinary add.
#include "document/recordlist.h"
#include "programfixture.h"
#include "support/assessmentfixture.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/languageselector.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

enum class Scenario {
    DateOutsideThePicker,
    StoredLanguageOfWrongType,
    SettingsCannotBeWritten,
    RecordFileCannotBeWritten,
    RecordFileMissing,
    LanguageFileUnreadable,
};

// A path no one, root included, can write a file at: under a regular file.
QString pathUnderAFile(const ProgramFixture &fixture)
{
    const QString file = fixture.folder().programFolder() + "/plain.txt";
    QFile plain(file);
    plain.open(QIODevice::WriteOnly);
    return file + "/inside";
}

void selectRow(TForm1 &form, int row)
{
    child<QTableView>(form, "ListView1")
        .selectionModel()
        ->setCurrentIndex(shownCell(form, row),
                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

Q_DECLARE_METATYPE(Scenario)

class TestErrorPaths : public QObject
{
    Q_OBJECT

private slots:
    void errorThenOrdinaryAdd_data();
    void errorThenOrdinaryAdd();
};

void TestErrorPaths::errorThenOrdinaryAdd_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QString>("message");
    QTest::newRow("calendar date")
        << Scenario::DateOutsideThePicker << "Failed to set calendar date or time.";
    QTest::newRow("data type") << Scenario::StoredLanguageOfWrongType
                               << "Invalid data type for 'Lang'";
    // In French: the language being switched to when the choice cannot be stored.
    QTest::newRow("set data") << Scenario::SettingsCannotBeWritten
                              << "Impossible d'enregistrer les données de 'Lang'";
    QTest::newRow("unable to write")
        << Scenario::RecordFileCannotBeWritten << "Unable to write to ";
    QTest::newRow("cannot open a record file")
        << Scenario::RecordFileMissing << "Cannot open file \"";
    QTest::newRow("cannot open a language file")
        << Scenario::LanguageFileUnreadable << "Cannot open file \"";
}

void TestErrorPaths::errorThenOrdinaryAdd()
{
    QFETCH(Scenario, scenario);
    QFETCH(QString, message);

    ProgramFixture fixture;
    if (scenario == Scenario::StoredLanguageOfWrongType)
        fixture.storeLanguage(QStringList{"Russian"});
    if (scenario == Scenario::SettingsCannotBeWritten) {
        const QString blocked = pathUnderAFile(fixture) + "/kovrant.ini";
        fixture.setSettingsOpener(
            [blocked] { return std::make_unique<QSettings>(blocked, QSettings::IniFormat); });
    }
    TForm1 &form = fixture.startShown();
    const QString grave = fixture.text("String.SeriousCrime");

    switch (scenario) {
    case Scenario::DateOutsideThePicker:
        form.records().append(conviction("01.01.1500", grave));
        selectRow(form, 0);
        child<QPushButton>(form, "Button2").click();
        break;
    case Scenario::StoredLanguageOfWrongType: break;
    case Scenario::SettingsCannotBeWritten: pickLanguage(form, "French"); break;
    case Scenario::RecordFileCannotBeWritten:
        fixture.fileChooser.answer = pathUnderAFile(fixture) + "/list.har";
        child<QAction>(form, "N50").trigger();
        break;
    case Scenario::RecordFileMissing:
        fixture.fileChooser.answer = fixture.folder().programFolder() + "/absent.har";
        child<QAction>(form, "N3").trigger();
        break;
    case Scenario::LanguageFileUnreadable: {
        pickLanguage(form, "Russian");
        const QString file = fixture.folder().langPath("Russian.lng");
        QFile::remove(file);
        QDir().mkdir(file);
        child<QCheckBox>(form, "CheckBox1").click();
        QDir().rmdir(file);
        QFile::copy(sourceFolder() + "/lang/Russian.lng", file);
        break;
    }
    }

    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY2(fixture.errors.first().startsWith(message), qPrintable(fixture.errors.first()));

    const int rowsBefore = form.records().count();
    const auto ran = whenModal<TEdit_frm>(&form, [](TEdit_frm &dialog) {
        child<QComboBox>(dialog, "ComboBox1").setCurrentIndex(2);
        child<DatePicker>(dialog, "DateTimePicker1").setDate(QDate(2024, 1, 15));
        QTest::mouseClick(&child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
    child<QPushButton>(form, "Button1").click();
    QVERIFY(*ran);
    QCOMPARE(fixture.errors.size(), 1);
    QCOMPARE(form.records().count(), rowsBefore + 1);
    const ConvictionRecord &added = form.records().at(rowsBefore);
    QCOMPARE(added.date, QDate(2024, 1, 15));
    QCOMPARE(added.gravity, ConvictionGravity(Gravity::Grave));
    QCOMPARE(shownText(form, rowsBefore, RecordColumn::InForce), fixture.text("String.Yes"));
}

QTEST_MAIN(TestErrorPaths)
#include "tst_errorpaths.moc"
