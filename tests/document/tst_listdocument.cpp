// The list as a document, without a window: what counts as unsaved, undo and
// redo of the edits and of a replaced case with the file it belonged to, and
// opening and saving, a failed open or save leaving the document as it was.
#include "document/listdocument.h"
#include "document/recordlist.h"
#include "platform/runtimeerror.h"
#include "support/fixturewords.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {

const CurrentCrime GraveCrime{Gravity::Grave, true, QDate(2026, 12, 9), false};

ListDocument::Languages fixtureLanguages()
{
    return {[] { return fixtureTexts().categories; },
            [] { return QList{fixtureTexts().categories}; }};
}

// The crime a document starts with: none chosen, today.
CurrentCrime startCrime()
{
    return CurrentCrime{std::nullopt, false, fixtureDateFormat().today(), false};
}

} // namespace

class TestListDocument : public QObject
{
    Q_OBJECT

private slots:
    void startsSavedAndUntitled();
    void editsAreUnsavedUntilUndone();
    void newCrimeIsPartOfTheSavedList();
    void replacedCaseIsUntitledAndUndoGivesTheFileBack();
    void openAndSaveTieTheListToItsFile();
    void failedOpenOrSaveChangesNothing();
    void assessmentIsEmitted();
    void assessmentIsWrittenIntoTheList();

private:
    QTemporaryDir m_dir;
};

void TestListDocument::startsSavedAndUntitled()
{
    const ListDocument document(fixtureLanguages(), fixtureDateFormat());
    QVERIFY(document.file().isEmpty());
    QCOMPARE(document.records().count(), 0);
    QCOMPARE(document.crime(), startCrime());
    QVERIFY(!document.hasUnsavedChanges());
}

void TestListDocument::editsAreUnsavedUntilUndone()
{
    ListDocument document(fixtureLanguages(), fixtureDateFormat());
    document.addRecord(conviction("07.04.2009", "grave"));
    QVERIFY(document.hasUnsavedChanges());
    // OK in the dialog without a change is no edit.
    document.modifyRecord(0, conviction("07.04.2009", "grave"));
    QCOMPARE(document.history().count(), 1);
    document.modifyRecord(0, conviction("07.04.2010", "grave"));
    QCOMPARE(document.records().at(0).date, QDate(2010, 4, 7));
    document.deleteRecord(0);
    QCOMPARE(document.records().count(), 0);
    // Back where it started, the list is as it was: nothing to lose.
    document.history().undo();
    document.history().undo();
    document.history().undo();
    QCOMPARE(document.records().count(), 0);
    QVERIFY(!document.hasUnsavedChanges());
    document.history().redo();
    QCOMPARE(document.records().at(0).date, QDate(2009, 4, 7));
    QVERIFY(document.hasUnsavedChanges());
}

void TestListDocument::newCrimeIsPartOfTheSavedList()
{
    ListDocument document(fixtureLanguages(), fixtureDateFormat());
    QSignalSpy changed(&document, &ListDocument::stateChanged);
    document.setCrime(GraveCrime);
    QVERIFY(document.hasUnsavedChanges());
    QCOMPARE(changed.count(), 1);
    // The same crime again reports nothing.
    document.setCrime(GraveCrime);
    QCOMPARE(changed.count(), 1);
    document.setCrime(startCrime());
    QVERIFY(!document.hasUnsavedChanges());
}

void TestListDocument::replacedCaseIsUntitledAndUndoGivesTheFileBack()
{
    ListDocument document(fixtureLanguages(), fixtureDateFormat());
    const QString path = m_dir.filePath("client.har");
    document.addRecord(conviction("07.04.2009", "grave"));
    document.setCrime(GraveCrime);
    document.save(path);
    const QByteArray saved = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QSignalSpy crimes(&document, &ListDocument::crimeReplaced);

    // The sample: an untitled list with something to lose.
    document.replaceCase(u"String.EditSample", {conviction("01.01.2020", "medium")}, GraveCrime,
                         ListDocument::Replacement::Sample);
    QVERIFY(document.file().isEmpty());
    QVERIFY(document.hasUnsavedChanges());
    // Cleared: the empty list, which has nothing to lose.
    CurrentCrime cleared = startCrime();
    cleared.actualCustody = true;
    document.replaceCase(u"String.EditClear", {}, cleared, ListDocument::Replacement::Cleared);
    QVERIFY(document.file().isEmpty());
    QCOMPARE(document.crime(), cleared);
    QCOMPARE(crimes.count(), 1);
    QVERIFY(!document.hasUnsavedChanges());

    // Undone twice: the file's rows, its crime and the file itself, saved.
    document.history().undo();
    document.history().undo();
    QCOMPARE(document.file(), path);
    QCOMPARE(document.records().records(), QList{conviction("07.04.2009", "grave")});
    QCOMPARE(document.crime(), GraveCrime);
    QVERIFY(!document.hasUnsavedChanges());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
}

void TestListDocument::openAndSaveTieTheListToItsFile()
{
    ListDocument writer(fixtureLanguages(), fixtureDateFormat());
    const QString path = m_dir.filePath("list.har");
    writer.addRecord(conviction("07.04.2009", "grave"));
    writer.setCrime(GraveCrime);
    writer.save(path);
    QCOMPARE(writer.file(), path);
    QVERIFY(!writer.hasUnsavedChanges());

    ListDocument reader(fixtureLanguages(), fixtureDateFormat());
    reader.addRecord(conviction("01.01.2020", "medium"));
    QSignalSpy crimes(&reader, &ListDocument::crimeReplaced);
    reader.open(path);
    QCOMPARE(reader.file(), path);
    QCOMPARE(reader.records().records(), QList{conviction("07.04.2009", "grave")});
    QCOMPARE(reader.crime(), GraveCrime);
    QCOMPARE(crimes.count(), 1);
    // Opening is no edit: nothing to undo, nothing unsaved.
    QCOMPARE(reader.history().count(), 0);
    QVERIFY(!reader.hasUnsavedChanges());
    QVERIFY(reader.fileNotes().isEmpty());

    // A new crime saved without a date keeps the date the reader had.
    CurrentCrime undated = GraveCrime;
    undated.calculationDate = QDate();
    writer.setCrime(undated);
    writer.save(path);
    ListDocument dated(fixtureLanguages(), fixtureDateFormat());
    dated.open(path);
    QCOMPARE(dated.crime().calculationDate, fixtureDateFormat().today());
    QCOMPARE(dated.crime().gravity, GraveCrime.gravity);
    QVERIFY(!dated.hasUnsavedChanges());
}

void TestListDocument::failedOpenOrSaveChangesNothing()
{
    ListDocument document(fixtureLanguages(), fixtureDateFormat());
    document.addRecord(conviction("07.04.2009", "grave"));
    const QString damaged = m_dir.filePath("damaged.har");
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[other]\r\nkey=value\r\n");
    file.close();
    QVERIFY_THROWS_EXCEPTION(RuntimeError, document.open(damaged));
    QVERIFY_THROWS_EXCEPTION(RuntimeError,
                             document.save(m_dir.filePath("no such folder/list.har")));
    QVERIFY(document.file().isEmpty());
    QCOMPARE(document.records().count(), 1);
    QCOMPARE(document.history().count(), 1);
    QVERIFY(document.hasUnsavedChanges());
}

void TestListDocument::assessmentIsEmitted()
{
    ListDocument document(fixtureLanguages(), fixtureDateFormat());
    document.addRecord(conviction("07.04.2022", "grave"));
    document.setCrime(GraveCrime);
    QSignalSpy assessed(&document, &ListDocument::assessed);
    const RecidivismAssessment assessment = document.assess();
    QCOMPARE(assessed.count(), 1);
    QCOMPARE(assessed.first().at(1).toDate(), GraveCrime.calculationDate);
    // A grave crime after a grave prior punished with real deprivation of
    // liberty, not expunged (art. 86 part 3 (d): six years even under the terms
    // before 3 August 2013, so not before 07.04.2028): dangerous recidivism
    // (art. 18 part 2 (b)).
    QCOMPARE(assessment.kind, RecidivismKind::Dangerous);
    QVERIFY(assessment.horizon.has_value());
}

// The assessment writes what it found of every row into the list: whether it is
// in force, its expiry, whether it is dated after the crime, whether it rests on
// doubt.
void TestListDocument::assessmentIsWrittenIntoTheList()
{
    ListDocument document(fixtureLanguages(), fixtureDateFormat());
    // Art. 86 part 3 (d) before 3 August 2013 (no crime date given): six years
    // from the conviction.
    document.addRecord(conviction("07.04.2009", "grave")); // expunged 7 April 2015
    document.addRecord(conviction("07.04.2012", "grave")); // until 7 April 2018
    // No category: no term, expunged from the conviction date on.
    document.addRecord(conviction("07.04.2012", "unknown severity"));
    document.addRecord(conviction("01.01.2017", "grave")); // after the new crime
    document.setCrime(CurrentCrime{Gravity::Grave, false, QDate(2016, 1, 10), false});
    document.assess();
    const RecordList &list = document.records();
    QCOMPARE(list.finding(0).inForce, std::optional(false));
    QCOMPARE(list.finding(0).expiry, QDate(2015, 4, 7));
    QCOMPARE(list.finding(1).inForce, std::optional(true));
    QCOMPARE(list.finding(1).expiry, QDate(2018, 4, 7));
    QCOMPARE(list.finding(2).inForce, std::optional(false));
    QVERIFY(!list.finding(2).datedAfterCrime);
    QVERIFY(list.finding(3).datedAfterCrime);
}

QTEST_GUILESS_MAIN(TestListDocument)
#include "tst_listdocument.moc"
