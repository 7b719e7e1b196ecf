// A list changed outside Kovrant, opened in the window, as a Russian user meets
// it: a conviction's date changed in a text editor. Its details stay, marked as
// the other conviction's they were written for, until OK in its dialog confirms
// them; the new crime the file holds is restored, and the notes say so.
#include "document/recordlist.h"
#include "localisation/filenotes.h"
#include "platform/textfile.h"
#include "programfixture.h"
#include "records/recordfile.h"
#include "support/assessmentfixture.h"
#include "ui/addedit_unit.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestOutsideEdits : public QObject
{
    Q_OBJECT

private slots:
    void detailsStayMarkedUntilConfirmed();
    void olderFileInACodePageOpensUnderAnotherLocale();
};

void TestOutsideEdits::detailsStayMarkedUntilConfirmed()
{
    const QTemporaryDir dir;
    ProgramFixture fixture;
    fixture.storeLanguage("Russian");
    TForm1 &form = fixture.startShown();
    const LanguageTexts russian(fixture.folder(), "Russian");

    // Saved by Kovrant: a grave conviction of 2009, and one of 05.09.2017
    // served on 04.03.2020 under sentence No. 3; a grave new crime with custody.
    const QString path = dir.filePath("list.har");
    const ConvictionRecord second = withDetails(
        conviction("05.09.2017", "grave"),
        {.punishment = PunishmentKind::Custody, .served = QDate(2020, 3, 4), .sentence = 3});
    const CurrentCrime crime{Gravity::Grave, true, QDate(2021, 6, 1), false};
    saveRecordFile(path, {conviction("07.04.2009", "grave"), second}, crime, form.crimeCategories,
                   installedCategories(form.catalogue()), fixture.dateFormat());
    // Changed in a text editor, as an older version would.
    QByteArray bytes = readAll(path);
    QVERIFY(bytes.contains("date1=05.09.2017"));
    writeAll(path, bytes.replace("date1=05.09.2017", "date1=05.09.2019"));

    form.openGivenFile(path);
    QVERIFY(fixture.errors.isEmpty());
    QCOMPARE(form.records().count(), 2);
    const ConvictionDetails read = form.records().at(1).details;
    QCOMPARE(read.served, QDate(2020, 3, 4));
    QCOMPARE(read.sentence, 3);
    QVERIFY(read.unconfirmed.any());
    QCOMPARE(form.currentCrime(), crime);

    // The row is marked, its note says whom the details were written for; the
    // result names the row and its facts; the file's notes say the list was
    // changed outside Kovrant, and nothing about a missing new crime.
    const QString owner =
        QString::fromUtf8("05.09.2017 \u00B7 ") + form.crimeCategories[Gravity::Grave];
    QVERIFY(form.records().finding(1).inDoubt);
    QVERIFY(!form.records().finding(0).inDoubt);
    QVERIFY2(shownNote(form, 1).contains(filledText(russian("String.RowDoubtDetails"), owner)),
             qPrintable(shownNote(form, 1)));
    const QLabel &qualifications = child<QLabel>(form, "Label7");
    const QLabel &fileNotes = child<QLabel>(form, "FileNotesLine");
    QVERIFY2(qualifications.text().contains(owner) && qualifications.text().contains("04.03.2020"),
             qPrintable(qualifications.text()));
    QVERIFY(qualifications.isVisible());
    QCOMPARE(fileNotes.text(), russian("String.FileChangedOutside"));
    QVERIFY(!form.hasUnsavedChanges());

    // Modify shows the details with the note; OK confirms them, as an edit.
    QTableView &list = child<QTableView>(form, "ListView1");
    list.selectRow(1);
    QString shownNote;
    const auto ran = whenModal<TEdit_frm>(&form, [&](TEdit_frm &dialog) {
        const QLabel &note = child<QLabel>(dialog, "UnconfirmedDetailsNote");
        QVERIFY(note.isVisible());
        shownNote = note.text();
        QTest::mouseClick(&child<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
    child<QPushButton>(form, "Button2").click();
    QVERIFY(*ran);
    QCOMPARE(shownNote, filledText(russian("String.DetailsUnconfirmed"), owner));
    QCOMPARE(form.records().at(1).details.unconfirmed, UnconfirmedDetails{});
    QCOMPARE(form.records().at(1).details.served, QDate(2020, 3, 4));
    QVERIFY(!form.records().finding(1).inDoubt);
    QVERIFY(!qualifications.text().contains(owner));
    QVERIFY(form.hasUnsavedChanges());

    // Undone, the details are unconfirmed again; saved confirmed, they are the
    // row's own when the file is opened again.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    list.setFocus();
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(form.records().at(1).details.unconfirmed.any());
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(fixture.errors.isEmpty());
    form.openGivenFile(path);
    QCOMPARE(form.records().at(1).details.unconfirmed, UnconfirmedDetails{});
    QVERIFY(fileNotes.text().isEmpty());
}

// A list an older version wrote on a Russian Windows, in code page 1251 and
// naming none, opened under an American locale: its categories read as Russian
// ones, and the notes say which code page was chosen, and why.
void TestOutsideEdits::olderFileInACodePageOpensUnderAnotherLocale()
{
    const QTemporaryDir dir;
    ProgramFixture fixture;
    fixture.storeLanguage("Russian");
    fixture.setDateLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    TForm1 &form = fixture.startShown();
    const LanguageTexts russian(fixture.folder(), "Russian");
    const QString grave = russian("String.SeriousCrime");
    const QString path = dir.filePath("old.har");
    writeAll(path, encodeText("[previous_conviction]\r\ncount=1\r\ndate0=2009-04-07\r\n"
                              "heaviness0=" +
                                  grave + "\r\ndeprivation0=1\r\n",
                              TextEncoding::Windows1251));

    form.openGivenFile(path);
    QVERIFY(fixture.errors.isEmpty());
    // The Russian grave category, read from the file's 1251 bytes.
    QCOMPARE(form.records().at(0).gravity, ConvictionGravity(Gravity::Grave));
    QCOMPARE(shownText(form, 0, RecordColumn::Severity), grave);
    const QString fileNotes = child<QLabel>(form, "FileNotesLine").text();
    QVERIFY2(fileNotes.contains(filledText(russian("String.FileCodePageMatched"), "1251")),
             qPrintable(fileNotes));
}

QTEST_MAIN(TestOutsideEdits)
#include "tst_outsideedits.moc"
