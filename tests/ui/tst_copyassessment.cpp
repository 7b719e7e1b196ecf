// Edit > Copy assessment through the real window: the clipboard gets HTML and
// plain text with the result, the consequences and each row's dates, in the
// interface's language.
#include "document/recordlist.h"
#include "localisation/assessmentcopy.h"
#include "programfixture.h"
#include "ui/languageselector.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QTableView>
#include <QtTest>

class TestCopyAssessment : public QObject
{
    Q_OBJECT

private slots:
    void copiesTheAssessment_data();
    void copiesTheAssessment();
    void plainTextColumnsAlign();
};

void TestCopyAssessment::copiesTheAssessment_data()
{
    QTest::addColumn<QString>("language");    // picked after the sample data is in
    QTest::addColumn<QString>("consequence"); // the start of the consequences line
    QTest::newRow("English") << "English"
                             << "Consequences:";
    QTest::newRow("Russian") << "Russian" << QString::fromUtf8("Последствия:");
    QTest::newRow("French") << "French" << QString::fromUtf8("Conséquences");
}

void TestCopyAssessment::copiesTheAssessment()
{
    QFETCH(QString, language);
    QFETCH(QString, consequence);

    ProgramFixture fixture;
    fixture.storeLanguage("English");
    TForm1 &form = fixture.startShown();
    child<QAction>(form, "N9").trigger(); // sample data: a result with consequences
    pickLanguage(form, language);
    QGuiApplication::clipboard()->clear();

    form.activateWindow();
    QTableView &list = child<QTableView>(form, "ListView1");
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fixture.errors, QStringList{});

    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime != nullptr);
    QVERIFY(mime->hasHtml());
    QVERIFY(mime->hasText());
    const QString html = mime->html();
    const QString plain = mime->text();

    const QString result = child<QLabel>(form, "Label2").text().section(u'\n', 0, 0);
    QVERIFY(!result.isEmpty());
    QVERIFY2(plain.startsWith(result + u'\n'), qPrintable(plain));
    QVERIFY2(html.contains(result.toHtmlEscaped()), qPrintable(html));
    QVERIFY2(plain.contains(consequence), qPrintable(plain));
    QVERIFY2(html.contains(consequence.toHtmlEscaped()), qPrintable(html));

    // Each row with its date of conviction and expungement date, as the list shows them.
    const int rows = form.records().count();
    QVERIFY(rows > 1);
    QVERIFY(html.contains(u"<table border=\"1\""));
    for (int row = 0; row < rows; ++row) {
        const QString date = shownText(form, row, RecordColumn::Date);
        const QString expiry = shownText(form, row, RecordColumn::Expiry);
        const QString inForce = shownText(form, row, RecordColumn::InForce);
        const QString cells = "<td>" + QString::number(row + 1) + "</td><td>" + date + "</td>";
        QVERIFY2(html.contains(cells), qPrintable(html));
        if (!expiry.isEmpty())
            QVERIFY2(html.contains("<td>" + expiry + "</td>"), qPrintable(expiry));
        const QString line =
            plain.section(u'\n', plain.count(u'\n') - rows + row, plain.count(u'\n') - rows + row);
        QVERIFY2(line.startsWith(QString::number(row + 1)) && line.contains(date) &&
                     line.contains(inForce) && (expiry.isEmpty() || line.contains(expiry)),
                 qPrintable(line));
    }
    // The interface's language throughout: the category names the list shows.
    QVERIFY2(plain.contains(shownText(form, 0, RecordColumn::Severity)), qPrintable(plain));
}

// Every column starts at the same place in the header and in each row.
void TestCopyAssessment::plainTextColumnsAlign()
{
    ReportContent content;
    content.result = "Dangerous recidivism";
    content.numberTitle = "No.";
    content.columnTitles = {"Date",     "Category", "Custody",     "Juvenile",
                            "Reprieve", "In force", "Expunged on", "Notes"};
    ReportRow first;
    first.fields = {"07.04.2023", "Grave crime", "Yes", "No", "No", "Yes"};
    first.expiry = "07.04.2031";
    first.counted = "a <b> note";
    ReportRow second;
    second.fields = {"01.02.1975", QString::fromUtf8("Тяжкое"), "No", "No", "No", "No"};
    second.expiry = "01.02.1983";
    second.counted = "not counted:\nexpunged";
    content.rows = {first, second};

    const AssessmentCopy copy = assessmentCopy(content);
    const QStringList lines = copy.plain.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], content.result);
    const QString &header = lines[1];
    QCOMPARE(lines[2].indexOf("Grave crime"), header.indexOf("Category"));
    QCOMPARE(lines[3].indexOf(QString::fromUtf8("Тяжкое")), header.indexOf("Category"));
    QCOMPARE(lines[2].indexOf("07.04.2031"), header.indexOf("Expunged on"));
    QCOMPARE(lines[3].indexOf("01.02.1983"), header.indexOf("Expunged on"));
    QCOMPARE(lines[3].indexOf("not counted"), header.indexOf("Notes"));
    // Text, not markup, whatever a note holds.
    QVERIFY(copy.html.contains(u"<td>a &lt;b&gt; note</td>"));
    QVERIFY(lines[3].endsWith("not counted:; expunged"));
    QVERIFY(copy.html.contains(u"<td>not counted:; expunged</td>"));

    // A long note leaves the notes column out.
    content.rows[1].counted = QString(ShortNoteLength + 1, u'x');
    const AssessmentCopy longNotes = assessmentCopy(content);
    QVERIFY(!longNotes.plain.contains("Notes"));
    QVERIFY(!longNotes.html.contains("Notes"));
    QVERIFY(longNotes.plain.contains("07.04.2031"));
}

QTEST_MAIN(TestCopyAssessment)
#include "tst_copyassessment.moc"
