// File, Export calculation through the main window: the PDF draws the report of
// what the window shows, in the interface language, on as many pages as the list
// needs; nothing is written when the export is cancelled or cannot go on. What
// the report says is tested without a window (tst_reportcontent).
#include "document/recordlist.h"
#include "programfixture.h"
#include "support/assessmentfixture.h"
#include "support/fullfilesystem.h"
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
QList<ConvictionRecord> fiveRows()
{
    return {
        conviction("07.04.2023", "grave"),
        conviction("15.06.2021", "grave"),
        conviction("01.02.2010", "medium"),
        conviction("20.11.2024", "small", "No", "Yes", "Yes"),
        conviction("03.03.2022", "especially grave", "Yes", "Yes"),
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
    void exportDrawsTheWindowsAssessment_data();
    void exportDrawsTheWindowsAssessment();
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

void TestReport::exportDrawsTheWindowsAssessment_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("French") << "French";
}

// The export draws the report of the inputs on screen: its title, a date only
// the assessment gives, and the result the window shows.
void TestReport::exportDrawsTheWindowsAssessment()
{
    QFETCH(QString, language);
    if (m_pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    ProgramFixture fixture;
    TForm1 &form = startWithGraveCrime(fixture, language);
    child<QCheckBox>(form, "CheckBox1").setChecked(true);
    // Added behind the window's back: the export itself must recompute.
    for (const ConvictionRecord &record : fiveRows())
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
        // The first row's expungement date: six years from its conviction.
        "07.04.2029",
        child<QLabel>(form, "Label2").text(),
    };
    for (const QString &shown : expected)
        QVERIFY2(text.contains(shown.simplified()), qPrintable(shown + "\nnot in:\n" + text));
    // A grave new crime with custody and two grave priors with custody: the
    // window's answer is especially dangerous recidivism (Article 18 part 3 (a)).
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.EspeciallyDangerRecidiv"));
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
    const QDate first(2000, 1, 10);
    for (int row = 0; row < rows; ++row)
        form.records().append({first.addMonths(row), Gravity::Grave, true, false, false, {}});

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
    // (No way into the list gives a row without a date; the guard stands.)
    QTest::newRow("row without a date")
        << Failure::UnreadableRow << false << "'''' is not a valid date.";
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
        form.records().append({QDate(), Gravity::Grave, false, false, false, {}});

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
