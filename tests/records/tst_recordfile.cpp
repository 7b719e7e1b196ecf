// Record files: round trips under one language and locale, files of other
// languages and locales, damaged and hostile files, and saves that fail.
#include "platform/profilefile.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "records/recordfile.h"
#include "support/assessmentfixture.h"
#include "support/fullfilesystem.h"
#include "support/languagefolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using Records = QList<ConvictionRecord>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(ConvictionDetails)

namespace {

const AnswerTexts Answers{"Yes", "No"};

ShortDateFormat formatFor(const char *locale)
{
    return ShortDateFormat(QLocale(QString::fromLatin1(locale)), [] { return QDate(2026, 12, 9); });
}

QString fixture(const QString &name)
{
    return sourceFolder() + "/tests/records/fixtures/" + name;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripRestoresFiveFields_data();
    void roundTripRestoresFiveFields();
    void writesTheDocumentedKeys();
    void shorterSaveLeavesHigherKeysIgnored();
    void loadsTolerableFiles_data();
    void loadsTolerableFiles();
    void refusesDamagedFiles_data();
    void refusesDamagedFiles();
    void failingDateWritesNothing();
    void roundTripKeepsDetails_data();
    void roundTripKeepsDetails();
    void clearedDetailsReplaceSavedOnes();
    void detailsLeftByAnOlderSaveAreDropped();
    void readsDetailsCautiously_data();
    void readsDetailsCautiously();
    void unwritableTargetKeepsOldFile();
    void fullDiskKeepsOldFile();
};

void TestRecordFile::roundTripRestoresFiveFields_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("ru_RU") << "ru_RU";
    QTest::newRow("en_US") << "en_US";
    QTest::newRow("C") << "C";
}

void TestRecordFile::roundTripRestoresFiveFields()
{
    QFETCH(QString, locale);
    const ShortDateFormat format = formatFor(locale.toLatin1().constData());
    const Records records{
        {format.format(QDate(1975, 6, 30)), "especially grave", "Yes", "No", "No", "Yes"},
        {format.format(QDate(2009, 4, 7)), "Тяжкое преступление", "No", "Yes", "Yes", "No"},
    };
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveRecordFile(path, records, "Yes", format);
    const Records loaded = loadRecordFile(path, Answers, format);
    QCOMPARE(loaded.size(), 2);
    for (int i = 0; i < 2; ++i) {
        ConvictionRecord expected = records[i];
        expected.InForce.clear();
        QCOMPARE(loaded[i], expected);
    }
}

void TestRecordFile::writesTheDocumentedKeys()
{
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    Records records;
    for (int i = 0; i < 11; ++i)
        records.append(conviction("07.04.2009", "grave", i == 10 ? "Yes" : "Да"));
    saveRecordFile(path, records, "Yes", fixtureDateFormat());
    const QString text = QString::fromUtf8(readAll(path));
    QVERIFY(text.startsWith("[previous_conviction]\r\ncount=11\r\ndate0=07.04.2009\r\n"
                            "heaviness0=grave\r\ndeprivation0=0\r\ninfancy0=0\r\nrespite0=0\r\n"));
    QVERIFY(text.endsWith("date10=07.04.2009\r\nheaviness10=grave\r\ndeprivation10=1\r\n"
                          "infancy10=0\r\nrespite10=0\r\n"));
}

void TestRecordFile::shorterSaveLeavesHigherKeysIgnored()
{
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    folder.writeBytes("list.har", "; kept\r\n[previous_conviction]\r\ncount=3\r\n"
                                  "date2=01.01.2001\r\nheaviness2=small\r\n[other]\r\nx=1\r\n");
    saveRecordFile(path, {conviction("07.04.2009", "grave")}, "Yes", fixtureDateFormat());
    const QString text = QString::fromUtf8(readAll(path));
    QVERIFY(text.contains("; kept") && text.contains("[other]\r\nx=1") &&
            text.contains("date2=01.01.2001"));
    const Records loaded = loadRecordFile(path, Answers, fixtureDateFormat());
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded.first().Severity, QStringLiteral("grave"));
}

void TestRecordFile::loadsTolerableFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Records>("expected");
    QTest::newRow("hexadecimal count, whole-number flags")
        << "hex-count.har"
        << Records{{"07.04.2009", "grave", "Yes", "No", "No", {}},
                   {"08.04.2009", "medium", "No", "Yes", "No", {}}};
    QTest::newRow("negative count: empty list") << "negative-count.har" << Records{};
    QTest::newRow("missing keys get the defaults")
        << "missing-keys.har"
        << Records{{"07.04.2009", "0", "No", "No", "No", {}},
                   {"30.12.1899", "especially grave", "No", "No", "No", {}}};
    QTest::newRow("ISO date from a bare locale")
        << "iso-date.har" << Records{{"07.04.2009", "grave", "Yes", "No", "No", {}}};
    QTest::newRow("UTF-16, names in another case, another language's severity")
        << "utf16-upper-case.har"
        << Records{{"07.04.2009", "Тяжкое преступление", "Yes", "No", "No", {}}};
}

void TestRecordFile::loadsTolerableFiles()
{
    QFETCH(QString, file);
    QFETCH(Records, expected);
    QCOMPARE(loadRecordFile(fixture(file), Answers, fixtureDateFormat()), expected);
}

void TestRecordFile::refusesDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("count beyond the keys") << "huge-count.har"
                                           << "lists 1000000 records";
    QTest::newRow("unreadable date") << "unreadable-date.har"
                                     << "record 2, \"31.02.2009\"";
    QTest::newRow("binary junk") << "binary-junk.har"
                                 << "no list of convictions";
    QTest::newRow("missing file") << "absent.har"
                                  << "No such file or directory";
}

void TestRecordFile::refusesDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    try {
        loadRecordFile(fixture(file), Answers, fixtureDateFormat());
        QFAIL("a damaged file was loaded");
    } catch (const RuntimeError &error) {
        QVERIFY2(error.message().contains(QDir::toNativeSeparators(fixture(file))),
                 qPrintable(error.message()));
        QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
    }
}

void TestRecordFile::failingDateWritesNothing()
{
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    const QByteArray before = "[previous_conviction]\r\ncount=1\r\ndate0=01.01.2001\r\n";
    folder.writeBytes("list.har", before);
    const Records records{conviction("07.04.2009", "grave"), conviction("4/7/2009", "grave"),
                          conviction("08.04.2009", "grave")};
    try {
        saveRecordFile(path, records, "Yes", fixtureDateFormat());
        QFAIL("a list with an unreadable date was saved");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.message(), QStringLiteral("''4/7/2009'' is not a valid date"));
    }
    QCOMPARE(readAll(path), before);
}

void TestRecordFile::roundTripKeepsDetails_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("ru_RU") << "ru_RU";
    QTest::newRow("en_US") << "en_US";
}

// Details survive a round trip; the same file read with only the five column
// keys, as a reader that knows nothing of details reads it, gives the same columns.
void TestRecordFile::roundTripKeepsDetails()
{
    QFETCH(QString, locale);
    const ShortDateFormat format = formatFor(locale.toLatin1().constData());
    Records records{
        withDetails(conviction(format.format(QDate(2015, 6, 1)), "grave"),
                    {.crimeDate = QDate(2014, 11, 10),
                     .punishment = PunishmentKind::Custody,
                     .served = QDate(2020, 6, 1)}),
        withDetails(conviction(format.format(QDate(2016, 2, 29)), "medium", "No"),
                    {.punishment = PunishmentKind::Conditional,
                     .probationEnd = QDate(2019, 2, 28),
                     .revoked = true,
                     .negligent = true}),
        conviction(format.format(QDate(2017, 1, 1)), "small", "Yes", "Yes", "Yes"),
    };
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveRecordFile(path, records, "Yes", format);
    QCOMPARE(loadRecordFile(path, Answers, format), records);

    QString text = QString::fromUtf8(readAll(path));
    QVERIFY(text.contains("punishment0=1\r\n") && text.contains("negligent1=1\r\n"));
    QVERIFY(!text.contains("crimedate2"));
    static const QRegularExpression detailLines(
        "(crimedate|punishment|served|probation|revoked|negligent|detailsof)\\d+=[^\r]*\r\n");
    text.remove(detailLines);
    QVERIFY(!text.contains("served"));
    folder.writeBytes("columns-only.har", text.toUtf8());
    const Records columnsOnly =
        loadRecordFile(folder.langPath("columns-only.har"), Answers, format);
    for (ConvictionRecord &record : records)
        record.Details = {};
    QCOMPARE(columnsOnly, records);
}

void TestRecordFile::clearedDetailsReplaceSavedOnes()
{
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    const ConvictionRecord plain = conviction("07.04.2009", "grave");
    saveRecordFile(path,
                   {withDetails(plain, {.crimeDate = QDate(2008, 1, 1), .negligent = true}), plain},
                   "Yes", fixtureDateFormat());
    saveRecordFile(path, {plain, plain}, "Yes", fixtureDateFormat());
    QCOMPARE(loadRecordFile(path, Answers, fixtureDateFormat()), (Records{plain, plain}));
    const QString text = QString::fromUtf8(readAll(path));
    QVERIFY(text.contains("crimedate0=\r\n") && text.contains("negligent0=0\r\n"));
    QVERIFY(!text.contains("served0") && !text.contains("crimedate1"));
}

// A reader that knows only the columns deleted the first of two records and
// saved over the file: the first record's details stay in the file, but they
// name the record they were written for, and the record now first is another.
void TestRecordFile::detailsLeftByAnOlderSaveAreDropped()
{
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    const ConvictionRecord detailed = withDetails(
        conviction("07.04.2009", "grave"),
        {.punishment = PunishmentKind::Custody, .served = QDate(2012, 1, 1), .negligent = true});
    const ConvictionRecord plain = conviction("08.05.2010", "medium");
    saveRecordFile(path, {detailed, plain}, "Yes", fixtureDateFormat());

    ProfileFile file = ProfileFile::open(path, RecordFileMaxBytes, fixtureDateFormat().locale());
    file.setValues(RecordSection, {{"count", "1"},
                                   {"date0", "08.05.2010"},
                                   {"heaviness0", "medium"},
                                   {"deprivation0", "1"},
                                   {"infancy0", "0"},
                                   {"respite0", "0"}});
    file.save();
    QCOMPARE(loadRecordFile(path, Answers, fixtureDateFormat()), Records{plain});

    // Changing the boxes alone leaves the details with their record.
    file.setValues(RecordSection,
                   {{"count", "2"}, {"date0", "07.04.2009"}, {"heaviness0", "grave"}});
    file.save();
    QCOMPARE(loadRecordFile(path, Answers, fixtureDateFormat()).first(), detailed);
}

void TestRecordFile::readsDetailsCautiously_data()
{
    QTest::addColumn<QByteArray>("details");
    QTest::addColumn<QString>("refusal"); // empty when the file loads
    QTest::addColumn<ConvictionDetails>("loaded");
    QTest::newRow("empty values: not given")
        << QByteArray("crimedate0=\r\nserved0= \r\n") << "" << ConvictionDetails{};
    QTest::newRow("ISO dates, whole-number flags")
        << QByteArray("crimedate0=2008-01-02\r\nrevoked0=$1\r\nnegligent0=0\r\n") << ""
        << ConvictionDetails{.crimeDate = QDate(2008, 1, 2), .revoked = true};
    QTest::newRow("a kind the boxes contradict gives way to them")
        << QByteArray("punishment0=2\r\n") << "" << ConvictionDetails{};
    QTest::newRow("unreadable served date") << QByteArray("served0=31.02.2010\r\n")
                                            << "record 1, \"31.02.2010\"" << ConvictionDetails{};
    QTest::newRow("punishment that names no kind")
        << QByteArray("punishment0=5\r\n") << "punishment of record 1, \"5\""
        << ConvictionDetails{};
}

void TestRecordFile::readsDetailsCautiously()
{
    QFETCH(QByteArray, details);
    QFETCH(QString, refusal);
    QFETCH(ConvictionDetails, loaded);
    const LanguageFolder folder;
    folder.writeBytes("list.har", "[previous_conviction]\r\ncount=1\r\ndate0=07.04.2009\r\n"
                                  "heaviness0=grave\r\ndeprivation0=1\r\nrespite0=0\r\n" +
                                      details);
    const QString path = folder.langPath("list.har");
    if (refusal.isEmpty()) {
        QCOMPARE(loadRecordFile(path, Answers, fixtureDateFormat()).first().Details, loaded);
        return;
    }
    try {
        loadRecordFile(path, Answers, fixtureDateFormat());
        QFAIL("a damaged file was loaded");
    } catch (const RuntimeError &error) {
        QVERIFY2(error.message().contains(refusal), qPrintable(error.message()));
    }
}

void TestRecordFile::unwritableTargetKeepsOldFile()
{
    const LanguageFolder folder;
    // A folder in place of the file: nobody, root included, can replace it.
    QVERIFY(QDir(folder.langFolder()).mkdir("list.har"));
    const QString path = folder.langPath("list.har");
    QVERIFY_THROWS_EXCEPTION(RuntimeError, saveRecordFile(path, {conviction("07.04.2009", "grave")},
                                                          "Yes", fixtureDateFormat()));
    QVERIFY(QFileInfo(path).isDir());
}

void TestRecordFile::fullDiskKeepsOldFile()
{
    const FullFileSystem disk;
    SKIP_UNLESS_MOUNTED(disk);
    const QString path = disk.path("list.har");
    const Records saved{conviction("07.04.2009", "grave"), conviction("15.06.2021", "small")};
    saveRecordFile(path, saved, "Yes", fixtureDateFormat());
    const QByteArray before = readAll(path);
    QVERIFY(disk.fill());

    Records more = saved;
    more.append(conviction("03.03.2022", "especially grave"));
    try {
        saveRecordFile(path, more, "Yes", fixtureDateFormat());
        QFAIL("a save on a full disk raised no error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.message(), "Unable to write to " + QDir::toNativeSeparators(path));
    }
    QCOMPARE(readAll(path), before);
    QCOMPARE(disk.filesOtherThanFiller(), QStringList{"list.har"});
    QCOMPARE(loadRecordFile(path, Answers, fixtureDateFormat()).size(), saved.size());
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
