// File, Export calculation through the main window: the PDF holds what the window
// shows, in the interface language, on as many pages as the list needs; nothing
// is written when the export is cancelled or cannot go on.
#include "document/recordlist.h"
#include "catalogue/labeltext.h"
#include "localisation/texttable.h"
#include "programfixture.h"
#include "support/fullfilesystem.h"
#include "ui/datepicker.h"
#include "ui/languageselector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>

namespace {

enum class Failure { Cancelled, UnderARegularFile, UnreadableRow };

// The fixture's calculation date is 9 December 2026.
QList<ConvictionRecord> fiveRows(const TForm1 &form, const QString &yes, const QString &no)
{
    const CrimeCategories &category = form.crimeCategories;
    return {
        {"07.04.2023", category[Gravity::Grave], yes, no, no, {}},
        {"15.06.2021", category[Gravity::Grave], yes, no, no, {}},
        {"01.02.2010", category[Gravity::Medium], yes, no, no, {}},
        {"20.11.2024", category[Gravity::Small], no, yes, yes, {}},
        {"03.03.2022", category[Gravity::EspeciallyGrave], yes, yes, no, {}},
    };
}

// The window shown in a language, with a grave new crime chosen.
TForm1 &startWithGraveCrime(ProgramFixture &fixture, const QString &language)
{
    TForm1 &form = fixture.startShown();
    pickLanguage(form, language);
    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Grave));
    return form;
}

// The text a reader copies from the report: its pages joined without their
// footers (the title with the date, and "page / pages"). The lines next to a
// page's edges are drawn on the neighbouring page too, hidden by its clip but
// still in its text: where the end of a page repeats at the start of the next,
// it is kept once.
QString runningText(const QString &pdfText, const QString &title)
{
    static const QRegularExpression pageNumber(QStringLiteral("^\\d+\\s*/\\s*\\d+$"));
    const QString footer = title + QStringLiteral(" \u2014 ");
    QStringList joined;
    for (const QString &page : pdfText.split(u'\f', Qt::SkipEmptyParts)) {
        QStringList lines;
        for (const QString &line : page.split(u'\n')) {
            const QString text = line.trimmed();
            if (!text.isEmpty() && !text.startsWith(footer) && !pageNumber.match(text).hasMatch())
                lines.append(text);
        }
        qsizetype overlap = std::min(joined.size(), lines.size());
        while (overlap > 0 && joined.mid(joined.size() - overlap) != lines.first(overlap))
            --overlap;
        joined += lines.mid(overlap);
    }
    return joined.join(u' ');
}

QByteArray fileStart(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Failure)

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reportHoldsTheAssessment_data();
    void reportHoldsTheAssessment();
    void reportNamesTheFactsUsed_data();
    void reportNamesTheFactsUsed();
    void reportAsksAndQualifiesAsTheWindowDoes_data();
    void reportAsksAndQualifiesAsTheWindowDoes();
    void reportWarnsWhereTheAnswerRestsOnDoubt_data();
    void reportWarnsWhereTheAnswerRestsOnDoubt();
    void longListFlowsOntoMorePages_data();
    void longListFlowsOntoMorePages();
    void nothingWrittenWhenCancelledOrFailing_data();
    void nothingWrittenWhenCancelledOrFailing();
    void fullDiskKeepsTheEarlierReport_data();
    void fullDiskKeepsTheEarlierReport();

private:
    // The text of a PDF, its pages separated by form feeds.
    QString pdfText(const QString &path) const;

    QString m_pdftotext;
};

void TestReport::initTestCase()
{
    m_pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

QString TestReport::pdfText(const QString &path) const
{
    QProcess extract;
    extract.start(m_pdftotext, {"-enc", "UTF-8", path, "-"});
    if (!extract.waitForFinished(30000) || extract.exitCode() != 0)
        return QString();
    return QString::fromUtf8(extract.readAllStandardOutput());
}

void TestReport::reportHoldsTheAssessment_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("French") << "French";
}

void TestReport::reportHoldsTheAssessment()
{
    QFETCH(QString, language);
    if (m_pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ProgramFixture fixture;
    TForm1 &form = startWithGraveCrime(fixture, language);
    child<QCheckBox>(form, "CheckBox1").setChecked(true);
    // Added behind the window's back: the export itself must recompute.
    for (const ConvictionRecord &record :
         fiveRows(form, fixture.text("String.Yes"), fixture.text("String.No")))
        form.records().append(record);
    // The chooser confirmed replacing an earlier file.
    const QString path = fixture.folder().programFolder() + "/report.pdf";
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();

    fixture.fileChooser.answer = path;
    child<QAction>(form, "N51").trigger();
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
    QCOMPARE(fileStart(path), QByteArray("%PDF-"));

    // Line breaks and blanks as one blank: long texts wrap in the layout, and
    // the assumptions run onto a second page in some languages.
    const QString text =
        runningText(pdfText(path), fixture.text("String.ReportTitle")).simplified();
    const QStringList expected = {
        fixture.text("String.ReportTitle"),
        fixture.text("String.ReportAssumptions"),
        fixture.text("String.ReportNumber"),
        // The date of the new crime, three conviction dates, their expungement dates.
        "09.12.2026",
        "07.04.2023",
        "15.06.2021",
        "01.02.2010",
        "07.04.2029",
        "15.06.2027",
        "01.02.2013",
        fixture.text("String.EspeciallyDangerRecidiv"),
        fixture.text("String.ClausePart3a"),
        // The report says what the window says.
        child<QLabel>(form, "Label2").text(),
        child<QLabel>(form, "Label5").text(),
        child<QLabel>(form, "Label6").text(),
        // What the result entails, as under the result.
        fixture.text("String.ConsequenceColonyEspeciallyDangerous"),
        child<QLabel>(form, "ConsequencesLine").text(),
    };
    for (const QString &shown : expected)
        QVERIFY2(text.contains(shown.simplified()), qPrintable(shown + "\nnot in:\n" + text));
}

void TestReport::reportNamesTheFactsUsed_data()
{
    reportHoldsTheAssessment_data();
}

// A row with details names them and the provision its term rests on; a row
// without names none, the assumptions paragraph standing for it; the new crime's
// negligence is stated.
void TestReport::reportNamesTheFactsUsed()
{
    QFETCH(QString, language);
    if (m_pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ProgramFixture fixture;
    TForm1 &form = startWithGraveCrime(fixture, language);
    child<DatePicker>(form, "DateTimePicker1").setDate(QDate(2024, 5, 1));
    const QString yes = fixture.text("String.Yes");
    const QString no = fixture.text("String.No");
    const QString grave = form.crimeCategories[Gravity::Grave];
    form.records().append({"01.06.2015",
                           grave,
                           yes,
                           no,
                           no,
                           {},
                           ConvictionDetails{.crimeDate = QDate(2014, 11, 10),
                                             .punishment = PunishmentKind::Custody,
                                             .served = QDate(2020, 6, 12)}});
    form.records().append({"01.06.2019", grave, yes, no, no, {}});

    const QString path = fixture.folder().programFolder() + "/report.pdf";
    fixture.fileChooser.answer = path;
    child<QAction>(form, "N51").trigger();
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
    const QString text = pdfText(path).simplified();
    const auto shows = [&](const QString &part) { return text.contains(part.simplified()); };
    for (const QString &part :
         {QStringLiteral("10.11.2014"), QStringLiteral("12.06.2020"),
          fixture.text("String.PunishmentCustody"), fixture.text("String.Term86d"),
          withoutAccessKey(fixture.text("String.NewCrimeNegligent")),
          fixture.text("String.DangerRecidiv"),
          // Eight years from release, not six from conviction.
          QStringLiteral("12.06.2028")})
        QVERIFY2(shows(part), qPrintable(part + "\nnot in:\n" + text));
    // The row without details names no provision of its own.
    QVERIFY(!shows(fixture.text("String.Term86dBefore2013")));
}

void TestReport::reportAsksAndQualifiesAsTheWindowDoes_data()
{
    reportHoldsTheAssessment_data();
}

// Without a category the report asks for it and gives no answer, and so no
// consequences; a conviction dated after the new crime and a new crime dated
// after today are said; with a category, the grounds name the counted row by its
// number, and what the result entails follows.
void TestReport::reportAsksAndQualifiesAsTheWindowDoes()
{
    QFETCH(QString, language);
    if (m_pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    pickLanguage(form, language);
    const QString yes = fixture.text("String.Yes");
    const QString no = fixture.text("String.No");
    const QString grave = form.crimeCategories[Gravity::Grave];
    const QDate tomorrow = ProgramFixture::today().addDays(1);
    child<DatePicker>(form, "DateTimePicker1").setDate(tomorrow);
    form.records().append({"15.06.2021", grave, yes, no, no, {}});
    form.records().append({"01.02.2027", grave, yes, no, no, {}});
    const QString path = fixture.folder().programFolder() + "/report.pdf";
    fixture.fileChooser.answer = path;
    const auto exported = [&] {
        child<QAction>(form, "N51").trigger();
        return pdfText(path).simplified();
    };

    const QString asked = exported();
    const QStringList notices{filledText(fixture.text("String.DatedAfterCrimeOne"), "1"),
                              filledText(fixture.text("String.FutureCrimeDate"),
                                         form.context().dateFormat.format(tomorrow))};
    for (const QString &shown : QStringList{fixture.text("String.ChooseCategory")} + notices)
        QVERIFY2(asked.contains(shown.simplified()), qPrintable(shown + "\nnot in:\n" + asked));
    QVERIFY2(!asked.contains(fixture.text("String.RecidivNo").simplified()), qPrintable(asked));
    QVERIFY2(!asked.contains(fixture.text("String.ConsequenceLeastTerm").simplified()),
             qPrintable(asked));

    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::Grave));
    const QString grounds = filledText(fixture.text("String.Grounds"),
                                       fixture.text("String.ClausePart2b"), QStringLiteral("1"));
    QCOMPARE(child<QLabel>(form, "Label5").text(), grounds);
    const QString answered = exported();
    for (const QString &shown : QStringList{fixture.text("String.DangerRecidiv"), grounds,
                                            child<QLabel>(form, "Label6").text(),
                                            child<QLabel>(form, "ConsequencesLine").text(),
                                            fixture.text("String.ConsequenceColonyDangerous")} +
                                    notices)
        QVERIFY2(answered.contains(shown.simplified()),
                 qPrintable(shown + "\nnot in:\n" + answered));
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
}

void TestReport::reportWarnsWhereTheAnswerRestsOnDoubt_data()
{
    reportHoldsTheAssessment_data();
}

// A row in doubt (the new crime falls on the day it is expunged) carries the note
// saying how the day is counted; the result's warning lines name that row and
// the point where courts differ (part 2 (a) read for an especially grave crime),
// as under the result in the window.
void TestReport::reportWarnsWhereTheAnswerRestsOnDoubt()
{
    QFETCH(QString, language);
    if (m_pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    pickLanguage(form, language);
    pickEntry(child<QComboBox>(form, "ComboBox1"), int(Gravity::EspeciallyGrave));
    child<QCheckBox>(form, "CheckBox1").setChecked(true);
    child<DatePicker>(form, "DateTimePicker1").setDate(QDate(2026, 6, 1));
    const QString yes = fixture.text("String.Yes");
    const QString no = fixture.text("String.No");
    const CrimeCategories &category = form.crimeCategories;
    // A crime from after 3 August 2013: eight years from release, up on the day
    // of the new crime.
    form.records().append({"01.06.2015",
                           category[Gravity::Grave],
                           yes,
                           no,
                           no,
                           {},
                           ConvictionDetails{.crimeDate = QDate(2014, 11, 10),
                                             .punishment = PunishmentKind::Custody,
                                             .served = QDate(2018, 6, 1)}});
    form.records().append({"01.06.2024", category[Gravity::Medium], yes, no, no, {}});
    form.records().append({"01.07.2024", category[Gravity::Medium], yes, no, no, {}});

    const QString path = fixture.folder().programFolder() + "/report.pdf";
    fixture.fileChooser.answer = path;
    child<QAction>(form, "N51").trigger();
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
    const QString text =
        runningText(pdfText(path), fixture.text("String.ReportTitle")).simplified();

    const QString boundaryDay = filledText(fixture.text("String.DoubtBoundaryDay"), "1");
    const QString part2a = fixture.text("String.DoubtPart2a");
    // The warning lines are those under the result.
    QCOMPARE(child<QLabel>(form, "Label7").text(), boundaryDay + u'\n' + part2a);
    for (const QString &shown : {boundaryDay, part2a, fixture.text("String.RowDoubtBoundaryDay"),
                                 fixture.text("String.Recidiv"), QStringLiteral("01.06.2026")})
        QVERIFY2(text.contains(shown.simplified()), qPrintable(shown + "\nnot in:\n" + text));
    // The rows that raise no doubt carry no such note.
    QCOMPARE(text.count(fixture.text("String.RowDoubtBoundaryDay").simplified()), 1);
}

void TestReport::longListFlowsOntoMorePages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("fewestPages");
    QTest::addColumn<int>("mostPages");
    QTest::newRow("usual list, one page") << 5 << 1 << 1;
    QTest::newRow("60 rows, more pages") << 60 << 2 << 4;
}

void TestReport::longListFlowsOntoMorePages()
{
    QFETCH(int, rows);
    QFETCH(int, fewestPages);
    QFETCH(int, mostPages);
    if (m_pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QString yes = fixture.text("String.Yes");
    const QString no = fixture.text("String.No");
    const QString grave = form.crimeCategories[Gravity::Grave];
    const QDate first(2000, 1, 10);
    for (int row = 0; row < rows; ++row)
        form.records().append(
            {first.addMonths(row).toString("dd.MM.yyyy"), grave, yes, no, no, {}});

    const QString path = fixture.folder().programFolder() + "/report.pdf";
    fixture.fileChooser.answer = path;
    child<QAction>(form, "N51").trigger();
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));

    QStringList pages = pdfText(path).split(u'\f');
    pages.removeLast(); // after the last page's form feed
    QVERIFY2(pages.size() >= fewestPages && pages.size() <= mostPages,
             qPrintable(QString::number(pages.size())));
    // The column titles head every page (the first word of one that wraps, as
    // the extracted text interleaves wrapped titles); the last row and the
    // assumptions come last.
    const QString title = fixture.text("String.ReportExpiry").section(' ', 0, 0);
    for (const QString &page : std::as_const(pages))
        QVERIFY2(page.contains(title), qPrintable(page));
    QVERIFY(pages.last().contains(first.addMonths(rows - 1).toString("dd.MM.yyyy")));
    QVERIFY(pages.last().simplified().contains(fixture.text("String.ReportAssumptions")));
}

void TestReport::nothingWrittenWhenCancelledOrFailing_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("error");
    QTest::newRow("cancelled") << Failure::Cancelled << true << QString();
    QTest::newRow("folder is a regular file")
        << Failure::UnderARegularFile << true << "Unable to write to %1.";
    // The recomputation stops at the row first: no report of a partial assessment.
    QTest::newRow("row date unreadable")
        << Failure::UnreadableRow << false << "''31.02.2009'' is not a valid date.";
}

void TestReport::nothingWrittenWhenCancelledOrFailing()
{
    QFETCH(Failure, failure);
    QFETCH(bool, asked);
    QFETCH(QString, error);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QString folder = fixture.folder().programFolder();
    const QString plainFile = folder + "/plain.txt";
    QFile plain(plainFile);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString target =
        failure == Failure::UnderARegularFile ? plainFile + "/report.pdf" : folder + "/report.pdf";
    if (failure != Failure::Cancelled)
        fixture.fileChooser.answer = target;
    if (failure == Failure::UnreadableRow)
        form.records().append({"31.02.2009", form.crimeCategories[Gravity::Grave], "", "", "", {}});

    child<QAction>(form, "N51").trigger();
    QCOMPARE(fixture.errors, error.isEmpty()
                                 ? QStringList()
                                 : QStringList{error.arg(QDir::toNativeSeparators(target))});
    QCOMPARE(fixture.fileChooser.lastSetup.title.isEmpty(), !asked);
    if (asked) {
        QCOMPARE(fixture.fileChooser.lastSetup.title, QStringLiteral("Export calculation"));
        QCOMPARE(fixture.fileChooser.lastSetup.filter, fixture.text("String.ReportFileFilter"));
        QCOMPARE(fixture.fileChooser.lastSetup.defaultSuffix, QStringLiteral("pdf"));
    }
    // No report and no half-written temporary file beside it.
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"plain.txt"});

    // The window goes on: the sample case exports to a writable place.
    fixture.errors.clear();
    child<QAction>(form, "N9").trigger();
    fixture.fileChooser.answer = folder + "/sample.pdf";
    child<QAction>(form, "N51").trigger();
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
    QCOMPARE(fileStart(folder + "/sample.pdf"), QByteArray("%PDF-"));
}

void TestReport::fullDiskKeepsTheEarlierReport_data()
{
    QTest::addColumn<bool>("roomForMost");
    QTest::newRow("no room at all") << false;
    // The first writes fit, a later one does not.
    QTest::newRow("room for most of it") << true;
}

void TestReport::fullDiskKeepsTheEarlierReport()
{
    QFETCH(bool, roomForMost);
    const FullFileSystem disk;
    SKIP_UNLESS_MOUNTED(disk);
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    child<QAction>(form, "N9").trigger();
    const QString elsewhere = fixture.folder().programFolder() + "/sized.pdf";
    fixture.fileChooser.answer = elsewhere;
    child<QAction>(form, "N51").trigger();
    const qint64 size = QFileInfo(elsewhere).size();
    QVERIFY(size > 0);
    // The chooser confirmed replacing an earlier report.
    const QByteArray earlier = "%PDF-1.4 an earlier report";
    QVERIFY(disk.write("report.pdf", earlier));
    constexpr qint64 Page = 4096;
    QVERIFY(disk.fill(roomForMost ? (size - 1) / Page * Page : 0));

    const QString path = disk.path("report.pdf");
    fixture.fileChooser.answer = path;
    child<QAction>(form, "N51").trigger();
    QCOMPARE(fixture.errors,
             QStringList{"Unable to write to " + QDir::toNativeSeparators(path) + "."});
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), earlier);
    QCOMPARE(disk.filesOtherThanFiller(), QStringList{"report.pdf"});
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
