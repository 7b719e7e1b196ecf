// Record files: round trips under one language and locale, files of other
// languages and locales, damaged and hostile files, and saves that fail.
#include "catalogue/interfacekeys.h"
#include "catalogue/uLocalize.h"
#include "platform/codepage.h"
#include "platform/profilefile.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "records/recordfile.h"
#include "support/fixturewords.h"
#include "support/fullfilesystem.h"
#include "support/languagefolder.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

using Records = QList<ConvictionRecord>;
using Dates = QList<QDate>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(ConvictionDetails)
Q_DECLARE_METATYPE(std::optional<FileDatesNote>)
Q_DECLARE_METATYPE(std::optional<DetailsOwner>)
Q_DECLARE_METATYPE(std::optional<CodePageGuess>)
Q_DECLARE_METATYPE(CrimeCategories)
Q_DECLARE_METATYPE(ConvictionGravity)

namespace {

// The fixture's category texts, as in an interface of one language.
CrimeCategories fixtureCategories()
{
    return fixtureTexts().categories;
}

Records load(const QString &path, const ShortDateFormat &format = fixtureDateFormat())
{
    return loadRecordFile(path, fixtureCategories(), {fixtureCategories()}, format).records;
}

void save(const QString &path, const Records &records,
          const ShortDateFormat &format = fixtureDateFormat())
{
    saveRecordFile(path, records, CurrentCrime{}, fixtureCategories(), {fixtureCategories()},
                   format);
}

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

// The category texts of the shipped languages, by file base.
class ShippedTexts
{
public:
    ShippedTexts()
    {
        m_folder.copyShippedLanguages();
        LanguageCatalogue catalogue(m_folder.programFolder());
        catalogue.LoadLanguageList();
        QStringList keys;
        for (const char16_t *key : CategoryTextKeys)
            keys.append(QString::fromUtf16(key));
        for (const TLangItemRec &language : catalogue.LanguageList()) {
            const QStringList texts = catalogue.textsIn(language, keys);
            const CrimeCategories categories{{texts[0], texts[1], texts[2], texts[3]}};
            m_texts.insert(language.FileBase, categories);
            m_categories.append(categories);
        }
    }
    CrimeCategories operator[](const QString &language) const { return m_texts.value(language); }
    const QList<CrimeCategories> &everyLanguage() const { return m_categories; }

private:
    LanguageFolder m_folder;
    QMap<QString, CrimeCategories> m_texts;
    QList<CrimeCategories> m_categories;
};

const ShippedTexts &shipped()
{
    static const ShippedTexts texts;
    return texts;
}

// A list of every category, in order from small gravity, with a detail date.
Records everyCategory()
{
    return {
        {QDate(2019, 3, 12), Gravity::Small, true, false, false, {}},
        withDetails({QDate(2020, 12, 25), Gravity::Medium, false, false, false, {}},
                    {.crimeDate = QDate(2019, 5, 3), .punishment = PunishmentKind::Milder}),
        {QDate(2021, 1, 2), Gravity::Grave, true, true, false, {}},
        {QDate(2022, 11, 4), Gravity::EspeciallyGrave, true, false, true, {}},
    };
}

// The severities a record file's rows are written with, from the file's bytes
// (an unmarked 8-bit file in the code page of the locale it was written under).
QStringList writtenSeverities(const QByteArray &bytes, const QLocale &locale)
{
    static const QRegularExpression heaviness("(?m)^heaviness\\d+=([^\r\n]*)\r\n");
    QStringList texts;
    for (const QRegularExpressionMatch &line :
         heaviness.globalMatch(decodeTextWithEncoding(bytes, locale).text))
        texts.append(line.captured(1));
    return texts;
}

// The code page line a new file holds when written under the locale: on
// Windows a new file is written in the locale's code page, which it names.
QString newFileCodePageLine(const QLocale &locale)
{
#ifdef Q_OS_WIN
    return QStringLiteral("codepage=%1\r\n").arg(codePageNumber(codePageForLocale(locale)));
#else
    Q_UNUSED(locale);
    return {};
#endif
}

const CurrentCrime GraveCrime{Gravity::Grave, true, QDate(2024, 3, 5), false};

// The file's text without the lines of the keys named.
// The file's bytes without the keys, in the encoding they were written in (an
// unmarked 8-bit file in the code page of the locale it was written under).
QByteArray withoutKeys(const QByteArray &bytes, const QString &keys,
                       const QLocale &locale = QLocale::system())
{
    DecodedText decoded = decodeTextWithEncoding(bytes, locale);
    decoded.text.remove(QRegularExpression("(?m)^(" + keys + ")\\d*=[^\r\n]*\r\n"));
    return encodeText(decoded.text, decoded.encoding);
}

} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripRestoresFiveFields_data();
    void roundTripRestoresFiveFields();
    void cyrillicPathRoundTrip();
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
    void outsideEditsKeepDetails_data();
    void outsideEditsKeepDetails();
    void readsDetailsCautiously_data();
    void readsDetailsCautiously();
    void roundTripKeepsLaterDetails_data();
    void roundTripKeepsLaterDetails();
    void unwritableTargetKeepsOldFile();
    void fullDiskKeepsOldFile();
    void roundTripInEachLanguage_data();
    void roundTripInEachLanguage();
    void sameMeaningUnderAnotherLocale_data();
    void sameMeaningUnderAnotherLocale();
    void categoriesOpenInEveryLanguage_data();
    void categoriesOpenInEveryLanguage();
    void categoryTextReadWhereAFileIsRead_data();
    void categoryTextReadWhereAFileIsRead();
    void oldFileReadsAsBefore();
    void oldFileDatesFitTheirOrder_data();
    void oldFileDatesFitTheirOrder();
    void keysLeftByAnOlderWriterAreNotTrusted();
    void fileWithDetailsReadsAsBefore();
    void laterDetailsLeftByAnEarlierWriterAreKept_data();
    void laterDetailsLeftByAnEarlierWriterAreKept();
    void codePageTravelsWithTheFile_data();
    void codePageTravelsWithTheFile();
    void staleCodePageIsDropped();
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
    // A category text of no language the fixture knows: kept as it came.
    const ConvictionGravity other = ConvictionGravity::unrecognised("Тяжкое преступление");
    const Records records{
        {QDate(1975, 6, 30), Gravity::EspeciallyGrave, true, false, false, {}},
        {QDate(2009, 4, 7), other, false, true, true, {}},
    };
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    save(path, records, format);
    QCOMPARE(load(path, format), records);
}

// A list saved in and opened from a folder and a file named in Cyrillic, as a
// Russian user's documents are (on Windows through the wide-character file calls).
void TestRecordFile::cyrillicPathRoundTrip()
{
    const ShortDateFormat format = formatFor("ru_RU");
    const ConvictionGravity other = ConvictionGravity::unrecognised("Тяжкое преступление");
    const Records records{{QDate(2009, 4, 7), other, false, true, false, {}}};
    const LanguageFolder folder;
    const QString documents = folder.programFolder() + QStringLiteral("/Иван/Документы");
    QVERIFY(QDir().mkpath(documents));
    const QString path = documents + QStringLiteral("/список.har");
    save(path, records, format);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(load(path, format), records);
}

void TestRecordFile::writesTheDocumentedKeys()
{
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    Records records;
    for (int i = 0; i < 11; ++i)
        records.append(conviction("07.04.2009", "grave", i == 10 ? "Yes" : "No"));
    save(path, records);
    const QString text = QString::fromUtf8(readAll(path));
    QVERIFY2(text.startsWith("[previous_conviction]\r\ncount=11\r\ndateformat=dd.MM.yyyy\r\n"
                             "date0=07.04.2009\r\nheaviness0=grave\r\ndeprivation0=0\r\n"
                             "infancy0=0\r\nrespite0=0\r\ncategory0=2\r\n"),
             qPrintable(text));
    static const QRegularExpression end(
        "date10=07\\.04\\.2009\r\nheaviness10=grave\r\ndeprivation10=1\r\ninfancy10=0\r\n"
        "respite10=0\r\ncategory10=2\r\n" +
        newFileCodePageLine(fixtureDateFormat().locale()) +
        "checksum=[0-9a-f]{40}\r\n"
        "\\[new_crime\\]\r\ndateformat=dd\\.MM\\.yyyy\r\ncategory=\r\ndate=\r\n"
        "custody=0\r\nnegligent=0\r\n$");
    QVERIFY2(end.match(text).hasMatch(), qPrintable(text));
}

void TestRecordFile::shorterSaveLeavesHigherKeysIgnored()
{
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    folder.writeBytes("list.har", "; kept\r\n[previous_conviction]\r\ncount=3\r\n"
                                  "date2=01.01.2001\r\nheaviness2=small\r\n[other]\r\nx=1\r\n");
    save(path, {conviction("07.04.2009", "grave")});
    const QString text = QString::fromUtf8(readAll(path));
    QVERIFY(text.contains("; kept") && text.contains("[other]\r\nx=1") &&
            text.contains("date2=01.01.2001"));
    QCOMPARE(load(path), Records{conviction("07.04.2009", "grave")});
}

void TestRecordFile::loadsTolerableFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Records>("expected");
    QTest::newRow("hexadecimal count, whole-number flags")
        << "hex-count.har"
        << Records{conviction("07.04.2009", "grave", "Yes", "No", "No"),
                   conviction("08.04.2009", "medium", "No", "Yes", "No")};
    QTest::newRow("negative count: empty list") << "negative-count.har" << Records{};
    QTest::newRow("missing keys get the defaults")
        << "missing-keys.har"
        << Records{
               {QDate(2009, 4, 7), ConvictionGravity::unrecognised("0"), false, false, false, {}},
               {QDate(1899, 12, 30), Gravity::EspeciallyGrave, false, false, false, {}}};
    QTest::newRow("ISO date from a bare locale")
        << "iso-date.har" << Records{conviction("07.04.2009", "grave", "Yes", "No", "No")};
    QTest::newRow("UTF-16, names in another case, another language's severity")
        << "utf16-upper-case.har"
        << Records{conviction("07.04.2009", "Тяжкое преступление", "Yes", "No", "No")};
}

void TestRecordFile::loadsTolerableFiles()
{
    QFETCH(QString, file);
    QFETCH(Records, expected);
    QCOMPARE(load(fixture(file)), expected);
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
        load(fixture(file));
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
    // The second record has no date.
    const Records records{conviction("07.04.2009", "grave"),
                          {QDate(), Gravity::Grave, true},
                          conviction("08.04.2009", "grave")};
    try {
        save(path, records);
        QFAIL("a list with a record without a date was saved");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.message(), QStringLiteral("'''' is not a valid date"));
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
        withDetails(conviction("01.06.2015", "grave"), {.crimeDate = QDate(2014, 11, 10),
                                                        .punishment = PunishmentKind::Custody,
                                                        .served = QDate(2020, 6, 1)}),
        withDetails(conviction("29.02.2016", "medium", "No"),
                    {.punishment = PunishmentKind::Conditional,
                     .probationEnd = QDate(2019, 2, 28),
                     .revoked = true,
                     .negligent = true}),
        conviction("01.01.2017", "small", "Yes", "Yes", "Yes"),
    };
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    save(path, records, format);
    QCOMPARE(load(path, format), records);

    QString text = QString::fromUtf8(readAll(path));
    QVERIFY(text.contains("punishment0=1\r\n") && text.contains("negligent1=1\r\n"));
    QVERIFY(!text.contains("crimedate2"));
    static const QRegularExpression detailLines(
        "(crimedate|punishment|served|probation|revoked|negligent|detailsof)\\d+=[^\r]*\r\n");
    text.remove(detailLines);
    QVERIFY(!text.contains("served"));
    folder.writeBytes("columns-only.har", text.toUtf8());
    const Records columnsOnly = load(folder.langPath("columns-only.har"), format);
    for (ConvictionRecord &record : records)
        record.details = {};
    QCOMPARE(columnsOnly, records);
}

void TestRecordFile::clearedDetailsReplaceSavedOnes()
{
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    const ConvictionRecord plain = conviction("07.04.2009", "grave");
    save(path, {withDetails(plain, {.crimeDate = QDate(2008, 1, 1), .negligent = true}), plain});
    save(path, {plain, plain});
    QCOMPARE(load(path), (Records{plain, plain}));
    const QString text = QString::fromUtf8(readAll(path));
    QVERIFY(text.contains("crimedate0=\r\n") && text.contains("negligent0=0\r\n"));
    QVERIFY(!text.contains("served0") && !text.contains("crimedate1"));
}

// The list every outside edit starts from: two convictions with details, the
// second with later details too, saved with a new crime.
Records listBeforeEdits()
{
    return {withDetails(conviction("07.04.2009", "grave"), {.crimeDate = QDate(2008, 1, 1),
                                                            .punishment = PunishmentKind::Custody,
                                                            .served = QDate(2012, 1, 1)}),
            withDetails(conviction("05.09.2017", "grave"), {.punishment = PunishmentKind::Custody,
                                                            .served = QDate(2020, 3, 4),
                                                            .inForce = QDate(2017, 9, 20),
                                                            .sentence = 3})};
}

// The record with its details marked unconfirmed: the first details, the later
// ones, each written for the owner given (an empty owner: not known).
ConvictionRecord unconfirmed(ConvictionRecord record, std::optional<DetailsOwner> earlier,
                             std::optional<DetailsOwner> later)
{
    record.details.unconfirmed = {earlier, later};
    return record;
}

// The columns of a record as a writer that knows only them writes them, in the
// fixture's texts and date format.
QByteArray columnLines(int number, const ConvictionRecord &record)
{
    const QByteArray n = QByteArray::number(number);
    return "date" + n + "=" + fixtureDateFormat().format(record.date).toUtf8() + "\r\nheaviness" +
           n + "=" + fixtureCategories().textOf(record.gravity).toUtf8() + "\r\ndeprivation" + n +
           "=1\r\ninfancy" + n + "=0\r\nrespite" + n + "=0\r\n";
}

// A file's lines with the record keys of the given numbers replaced by others.
QByteArray replacedColumns(QByteArray bytes, const QMap<int, ConvictionRecord> &records)
{
    for (auto record = records.cbegin(); record != records.cend(); ++record) {
        const Records before = listBeforeEdits();
        const QByteArray old = columnLines(record.key(), before[record.key()]);
        Q_ASSERT(bytes.contains(old));
        bytes.replace(old, columnLines(record.key(), record.value()));
    }
    return bytes;
}

// Outside Kovrant, by hand or by a writer that knows fewer keys, a saved list
// is changed; the details of each row are kept, and those that may belong to
// another conviction are marked with the conviction they were written for.
void TestRecordFile::outsideEditsKeepDetails_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Records>("expected");
    QTest::addColumn<bool>("changedOutside");

    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveRecordFile(path, listBeforeEdits(), GraveCrime, fixtureCategories(), {fixtureCategories()},
                   fixtureDateFormat());
    const QByteArray saved = readAll(path);
    const Records before = listBeforeEdits();
    const DetailsOwner first{QDate(2009, 4, 7), "grave"};
    const DetailsOwner second{QDate(2017, 9, 5), "grave"};

    QTest::newRow("as saved") << saved << before << false;

    ConvictionRecord redated = before[1];
    redated.date = QDate(2019, 9, 5);
    QTest::newRow("a changed date")
        << QByteArray(saved).replace("date1=05.09.2017", "date1=05.09.2019")
        << Records{before[0], unconfirmed(redated, second, second)} << true;

    // The category number left as it was no longer agrees with the text.
    ConvictionRecord recategorised = before[1];
    recategorised.gravity = Gravity::Medium;
    QTest::newRow("a changed category")
        << QByteArray(saved).replace("heaviness1=grave", "heaviness1=medium")
        << Records{before[0], unconfirmed(recategorised, second, second)} << true;

    // A writer that knows only the columns sorted the list, newest first: the
    // details stay at their numbers.
    ConvictionRecord newerFirst = before[0];
    newerFirst.date = before[1].date;
    ConvictionRecord olderSecond = before[1];
    olderSecond.date = before[0].date;
    QTest::newRow("a reordered list")
        << replacedColumns(saved, {{0, conviction("05.09.2017", "grave")},
                                   {1, conviction("07.04.2009", "grave")}})
        << Records{unconfirmed(newerFirst, first, std::nullopt),
                   unconfirmed(olderSecond, second, second)}
        << true;

    // It deleted the first row: the second's columns moved up, the first's
    // details stayed.
    ConvictionRecord moved = before[0];
    moved.date = before[1].date;
    QTest::newRow("a deleted row")
        << replacedColumns(QByteArray(saved).replace("count=2", "count=1"),
                           {{0, conviction("05.09.2017", "grave")}})
        << Records{unconfirmed(moved, first, std::nullopt)} << true;

    // A category number added by hand: kept where it agrees with the text in a
    // language, passed over (not refused) where it does not.
    QByteArray handAdded = withoutKeys(saved, "category\\d|checksum", fixtureDateFormat().locale());
    QTest::newRow("a hand-added category that agrees")
        << QByteArray(handAdded).replace("respite0=0\r\n", "respite0=0\r\ncategory0=2\r\n")
        << before << false;
    QTest::newRow("a hand-added category that disagrees")
        << QByteArray(handAdded).replace("respite0=0\r\n", "respite0=0\r\ncategory0=9\r\n")
        << before << false;
}

void TestRecordFile::outsideEditsKeepDetails()
{
    QFETCH(QByteArray, file);
    QFETCH(Records, expected);
    QFETCH(bool, changedOutside);
    const LanguageFolder folder;
    folder.writeBytes("list.har", file);
    const QString path = folder.langPath("list.har");
    const LoadedRecordFile loaded =
        loadRecordFile(path, fixtureCategories(), {fixtureCategories()}, fixtureDateFormat());
    QCOMPARE(loaded.records, expected);
    QCOMPARE(loaded.changedOutside, changedOutside);
    // The new crime is restored, and the dates read as the file names them.
    QCOMPARE(loaded.newCrime, std::optional(GraveCrime));
    QCOMPARE(loaded.datesNote, std::optional<FileDatesNote>());

    // Saved again, the unconfirmed details keep naming whom they were written
    // for, until the user confirms them; confirmed, they are the row's own.
    saveRecordFile(path, loaded.records, GraveCrime, fixtureCategories(), {fixtureCategories()},
                   fixtureDateFormat());
    QCOMPARE(load(path), expected);
    Records confirmed = expected;
    for (ConvictionRecord &record : confirmed)
        record.details.unconfirmed = {};
    save(path, confirmed);
    QCOMPARE(load(path), confirmed);
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
    QTest::newRow("later details: ISO date, a sentence in hexadecimal")
        << QByteArray("inforce0=2009-04-20\r\nsentence0=$2\r\n") << ""
        << ConvictionDetails{.inForce = QDate(2009, 4, 20), .sentence = 2};
    QTest::newRow("later details empty: not given")
        << QByteArray("revokedon0=\r\nsentence0= \r\nremoved0=\r\n") << "" << ConvictionDetails{};
    const std::pair<const char *, const char *> damaged[] = {
        {"inforce", "31.02.2010"}, {"revokedon", "2010-13-01"}, {"additionalend", "soon"},
        {"removed", "31.04.2020"}, {"sentence", "0"},           {"sentence", "-2"},
        {"sentence", "two"},       {"sentence", "1.5"},         {"sentence", "99999999999"},
    };
    for (const auto &[key, value] : damaged) {
        QTest::addRow("%s0=%s refused", key, value)
            << QByteArray(key) + "0=" + value + "\r\n"
            << QStringLiteral("record 1, \"%1\"").arg(value) << ConvictionDetails{};
    }
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
        QCOMPARE(load(path).first().details, loaded);
        return;
    }
    try {
        load(path);
        QFAIL("a damaged file was loaded");
    } catch (const RuntimeError &error) {
        QVERIFY2(error.message().contains(refusal), qPrintable(error.message()));
    }
}

void TestRecordFile::roundTripKeepsLaterDetails_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("ru_RU") << "ru_RU";
    QTest::newRow("en_US") << "en_US";
}

// The entry into force, the revocation day, the sentence, the end of the
// additional punishment and the removal come back as they were, written after
// the record's other keys; cleared, they are written empty and read as not given.
void TestRecordFile::roundTripKeepsLaterDetails()
{
    QFETCH(QString, locale);
    const ShortDateFormat format = formatFor(locale.toLatin1().constData());
    const ConvictionRecord revoked = conviction("15.06.2015", "grave", "No");
    const ConvictionRecord joined = conviction("15.06.2015", "medium", "No");
    const Records records{withDetails(revoked, {.punishment = PunishmentKind::Conditional,
                                                .probationEnd = QDate(2018, 6, 14),
                                                .revoked = true,
                                                .inForce = QDate(2015, 7, 1),
                                                .revokedOn = QDate(2016, 3, 1),
                                                .sentence = 7,
                                                .additionalEnd = QDate(2019, 1, 31),
                                                .removed = QDate(2020, 5, 20)}),
                          withDetails(joined, {.sentence = 7})};
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveRecordFile(path, records, GraveCrime, fixtureCategories(), {fixtureCategories()}, format);
    const LoadedRecordFile loaded =
        loadRecordFile(path, fixtureCategories(), {fixtureCategories()}, format);
    QCOMPARE(loaded.records, records);
    QCOMPARE(loaded.newCrime, std::optional(GraveCrime));
    QCOMPARE(loaded.datesNote, std::optional<FileDatesNote>());

    const QString text = QString::fromUtf8(readAll(path));
    const auto day = [&format](int year, int month, int day) {
        return format.format(QDate(year, month, day));
    };
    const QString first =
        "detailsof0=2015-06-15|grave\r\ncategory0=2\r\ninforce0=" + day(2015, 7, 1) +
        "\r\nrevokedon0=" + day(2016, 3, 1) +
        "\r\nsentence0=7\r\nadditionalend0=" + day(2019, 1, 31) +
        "\r\nremoved0=" + day(2020, 5, 20) + "\r\nlaterdetailsof0=2015-06-15|grave\r\ndate1=";
    QVERIFY2(text.contains(first), qPrintable(text));
    QVERIFY2(text.contains("detailsof1=2015-06-15|medium\r\ncategory1=1\r\nsentence1=7\r\n"
                           "laterdetailsof1=2015-06-15|medium\r\n" +
                           newFileCodePageLine(format.locale()) + "checksum="),
             qPrintable(text));

    // Read with only the five column keys, as a reader that knows no details.
    QString columns = text;
    columns.remove(
        QRegularExpression("(crimedate|punishment|served|probation|revoked|negligent|"
                           "laterdetailsof|detailsof|inforce|revokedon|sentence|additionalend|"
                           "removed)\\d+=[^\r]*\r\n"));
    folder.writeBytes("columns-only.har", columns.toUtf8());
    const Records columnsOnly = load(folder.langPath("columns-only.har"), format);
    QCOMPARE(columnsOnly, (Records{revoked, joined}));

    saveRecordFile(path, {revoked, joined}, GraveCrime, fixtureCategories(), {fixtureCategories()},
                   format);
    QCOMPARE(load(path, format), (Records{revoked, joined}));
    const QString cleared = QString::fromUtf8(readAll(path));
    QVERIFY2(cleared.contains("category0=2\r\ninforce0=\r\nrevokedon0=\r\nsentence0=\r\n"
                              "additionalend0=\r\nremoved0=\r\n"),
             qPrintable(cleared));
    QVERIFY2(cleared.contains("category1=1\r\nsentence1=\r\n"), qPrintable(cleared));
}

void TestRecordFile::unwritableTargetKeepsOldFile()
{
    const LanguageFolder folder;
    // A folder in place of the file: nobody, root included, can replace it.
    QVERIFY(QDir(folder.langFolder()).mkdir("list.har"));
    const QString path = folder.langPath("list.har");
    QVERIFY_THROWS_EXCEPTION(RuntimeError, save(path, {conviction("07.04.2009", "grave")}));
    QVERIFY(QFileInfo(path).isDir());
}

void TestRecordFile::fullDiskKeepsOldFile()
{
    const FullFileSystem disk;
    SKIP_UNLESS_MOUNTED(disk);
    const QString path = disk.path("list.har");
    const Records saved{conviction("07.04.2009", "grave"), conviction("15.06.2021", "small")};
    save(path, saved);
    const QByteArray before = readAll(path);
    QVERIFY(disk.fill());

    Records more = saved;
    more.append(conviction("03.03.2022", "especially grave"));
    try {
        save(path, more);
        QFAIL("a save on a full disk raised no error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.message(), "Unable to write to " + QDir::toNativeSeparators(path));
    }
    QCOMPARE(readAll(path), before);
    QCOMPARE(disk.filesOtherThanFiller(), QStringList{"list.har"});
    QCOMPARE(load(path).size(), saved.size());
}

void TestRecordFile::roundTripInEachLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("locale");
    QTest::newRow("English, en_US") << "English"
                                    << "en_US";
    QTest::newRow("Russian, ru_RU") << "Russian"
                                    << "ru_RU";
    QTest::newRow("French, fr_FR") << "French"
                                   << "fr_FR";
}

// The list and the new crime come back as they were, with no note: the file
// names its date pattern and its categories by number, and writes each
// category in the language's text.
void TestRecordFile::roundTripInEachLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, locale);
    const ShortDateFormat format = formatFor(locale.toLatin1().constData());
    const CrimeCategories texts = shipped()[language];
    const Records records = everyCategory();
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveRecordFile(path, records, GraveCrime, texts, shipped().everyLanguage(), format);
    const LoadedRecordFile loaded = loadRecordFile(path, texts, shipped().everyLanguage(), format);
    QCOMPARE(loaded.records, records);
    QCOMPARE(loaded.newCrime, std::optional(GraveCrime));
    QCOMPARE(loaded.datesNote, std::optional<FileDatesNote>());

    const QByteArray bytes = readAll(path);
    QCOMPARE(writtenSeverities(bytes, format.locale()),
             (QStringList{texts[0], texts[1], texts[2], texts[3]}));
    const QString text = QString::fromUtf8(bytes);
    QVERIFY2(text.contains("dateformat=" + format.pattern() + "\r\n"), qPrintable(text));
    QVERIFY(text.contains("category0=0\r\n") && text.contains("category3=3\r\n"));
    QVERIFY(text.contains("[new_crime]\r\ndateformat=" + format.pattern() +
                          "\r\ncategory=2\r\ndate=" + format.format(GraveCrime.calculationDate) +
                          "\r\ncustody=1\r\nnegligent=0\r\n"));

    // A crime with no category chosen and no date keeps both empty.
    saveRecordFile(path, records, CurrentCrime{}, texts, shipped().everyLanguage(), format);
    QCOMPARE(loadRecordFile(path, texts, shipped().everyLanguage(), format).newCrime,
             std::optional(CurrentCrime{}));
}

void TestRecordFile::sameMeaningUnderAnotherLocale_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("reader");
    QTest::newRow("en_US read under fr_FR") << "en_US"
                                            << "fr_FR";
    QTest::newRow("en_US read under ru_RU") << "en_US"
                                            << "ru_RU";
    QTest::newRow("ru_RU read under fr_FR") << "ru_RU"
                                            << "fr_FR";
    QTest::newRow("fr_FR read under en_US") << "fr_FR"
                                            << "en_US";
    QTest::newRow("de_DE read under C") << "de_DE"
                                        << "C";
}

// 12 March 2019 written as "3/12/2019" stays 12 March wherever it is opened.
void TestRecordFile::sameMeaningUnderAnotherLocale()
{
    QFETCH(QString, writer);
    QFETCH(QString, reader);
    const ShortDateFormat written = formatFor(writer.toLatin1().constData());
    const ShortDateFormat read = formatFor(reader.toLatin1().constData());
    const CrimeCategories texts = shipped()["English"];
    const Records records = everyCategory();
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveRecordFile(path, records, GraveCrime, texts, shipped().everyLanguage(), written);

    const LoadedRecordFile loaded = loadRecordFile(path, texts, shipped().everyLanguage(), read);
    QCOMPARE(loaded.records, records);
    QCOMPARE(loaded.records.first().date, QDate(2019, 3, 12));
    QCOMPARE(loaded.newCrime, std::optional(GraveCrime));
    QCOMPARE(loaded.datesNote, std::optional<FileDatesNote>());
}

void TestRecordFile::categoriesOpenInEveryLanguage_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");
    QTest::addColumn<bool>("withNumbers");
    for (const char *language : {"English", "French"}) {
        QTest::addRow("Russian in %s, by number", language) << "Russian" << language << true;
        QTest::addRow("Russian in %s, by text alone", language) << "Russian" << language << false;
    }
    QTest::newRow("French in Russian, by text alone") << "French"
                                                      << "Russian" << false;
    QTest::newRow("English in French, by number") << "English"
                                                  << "French" << true;
}

// Every category written in one language opens as that category in another; a
// text that is no category of any language is kept as it was. Saved again, the
// file holds the reader's texts.
void TestRecordFile::categoriesOpenInEveryLanguage()
{
    QFETCH(QString, written);
    QFETCH(QString, read);
    QFETCH(bool, withNumbers);
    const ShortDateFormat format = fixtureDateFormat();
    const CrimeCategories writer = shipped()[written];
    const CrimeCategories reader = shipped()[read];
    Records records = everyCategory();
    records.append(
        {QDate(2018, 1, 1), ConvictionGravity::unrecognised("Кража"), true, false, false, {}});
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveRecordFile(path, records, GraveCrime, writer, shipped().everyLanguage(), format);
    if (!withNumbers)
        folder.writeBytes("list.har",
                          withoutKeys(readAll(path), "category|checksum", format.locale()));

    const LoadedRecordFile loaded = loadRecordFile(path, reader, shipped().everyLanguage(), format);
    QCOMPARE(loaded.records.size(), 5);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(loaded.records[i].gravity, ConvictionGravity(Gravity(i)));
    QCOMPARE(loaded.records[4].gravity, ConvictionGravity::unrecognised("Кража"));
    // The rest as written: the details still know their record by the text it
    // was written with.
    QCOMPARE(loaded.records, records);

    saveRecordFile(path, loaded.records, GraveCrime, reader, shipped().everyLanguage(), format);
    QCOMPARE(writtenSeverities(readAll(path), format.locale()),
             (QStringList{reader[0], reader[1], reader[2], reader[3], "Кража"}));
}

// A severity given by text alone is read into a category once, where the file
// is read: compared exactly; where one language gives two categories the same
// text, the more serious of them, so that no reading can tally the row under the
// lighter category or give it the shorter term; where installed languages
// differ, the more serious too.
void TestRecordFile::categoryTextReadWhereAFileIsRead_data()
{
    QTest::addColumn<CrimeCategories>("current");
    QTest::addColumn<QList<CrimeCategories>>("installed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<ConvictionGravity>("read");
    const CrimeCategories repeated{{"small", "same", "same", "especially grave"}};
    QTest::newRow("one text for medium and grave: grave")
        << repeated << QList{repeated} << "same" << ConvictionGravity(Gravity::Grave);
    QTest::newRow("another case is another text")
        << fixtureCategories() << QList{fixtureCategories()} << "Grave"
        << ConvictionGravity::unrecognised("Grave");
    const CrimeCategories other{{"petty", "grave", "serious", "worst"}};
    QTest::newRow("installed languages differ: the more serious")
        << CrimeCategories{{"a", "b", "c", "d"}} << QList{fixtureCategories(), other} << "grave"
        << ConvictionGravity(Gravity::Grave);
    QTest::newRow("the current language first") << other << QList{fixtureCategories(), other}
                                                << "grave" << ConvictionGravity(Gravity::Medium);
}

void TestRecordFile::categoryTextReadWhereAFileIsRead()
{
    QFETCH(CrimeCategories, current);
    QFETCH(QList<CrimeCategories>, installed);
    QFETCH(QString, text);
    QFETCH(ConvictionGravity, read);
    const LanguageFolder folder;
    folder.writeBytes("list.har", "[previous_conviction]\r\ncount=1\r\ndate0=07.04.2009\r\n"
                                  "heaviness0=" +
                                      text.toUtf8() + "\r\ndeprivation0=1\r\n");
    const LoadedRecordFile loaded =
        loadRecordFile(folder.langPath("list.har"), current, installed, fixtureDateFormat());
    QCOMPARE(loaded.records.size(), 1);
    QCOMPARE(loaded.records[0].gravity, read);
}

// A list saved before these keys: the same records as ever, no new crime.
void TestRecordFile::oldFileReadsAsBefore()
{
    const Records expected{
        conviction("07.04.2009", "grave", "Yes", "No", "No"),
        withDetails(conviction("30.11.2015", "medium", "No", "No", "Yes"),
                    {.crimeDate = QDate(2015, 1, 2), .punishment = PunishmentKind::Deferred})};
    const LoadedRecordFile loaded = loadRecordFile(fixture("old-list.har"), fixtureCategories(),
                                                   {fixtureCategories()}, fixtureDateFormat());
    QCOMPARE(loaded.records, expected);
    QCOMPARE(loaded.newCrime, std::optional<CurrentCrime>());
    QCOMPARE(loaded.datesNote, std::optional<FileDatesNote>());
    // Under a French locale, refused before, it reads the same.
    const ShortDateFormat french = formatFor("fr_FR");
    const Records inFrench =
        loadRecordFile(fixture("old-list.har"), fixtureCategories(), {}, french).records;
    QCOMPARE(inFrench[1].date, QDate(2015, 11, 30));
}

void TestRecordFile::oldFileDatesFitTheirOrder_data()
{
    using Kind = FileDatesNote::Kind;
    using Order = ShortDateFormat::Order;
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<Dates>("dates"); // empty: refused
    QTest::addColumn<std::optional<FileDatesNote>>("note");
    const std::optional<FileDatesNote> none;
    QTest::newRow("month first under fr_FR: one date shows it")
        << "fr_FR" << QStringList{"3/12/2019", "3/25/2019"}
        << Dates{QDate(2019, 3, 12), QDate(2019, 3, 25)}
        << std::optional(FileDatesNote{Kind::OtherOrder, Order::MonthDayYear, "3/25/2019",
                                       QDate(2019, 3, 25)});
    QTest::newRow("day first under en_US: one date shows it")
        << "en_US" << QStringList{"03/12/2019", "25/03/2019"}
        << Dates{QDate(2019, 12, 3), QDate(2019, 3, 25)}
        << std::optional(FileDatesNote{Kind::OtherOrder, Order::DayMonthYear, "25/03/2019",
                                       QDate(2019, 3, 25)});
    QTest::newRow("dots under en_US: day first")
        << "en_US" << QStringList{"07.04.2009"} << Dates{QDate(2009, 4, 7)}
        << std::optional(FileDatesNote{Kind::OtherOrder, Order::DayMonthYear, "07.04.2009",
                                       QDate(2009, 4, 7)});
    QTest::newRow("every date ambiguous under fr_FR: the locale's order, noted")
        << "fr_FR" << QStringList{"5/5/2019", "3/12/2019", "4/1/2020"}
        << Dates{QDate(2019, 5, 5), QDate(2019, 12, 3), QDate(2020, 1, 4)}
        << std::optional(FileDatesNote{Kind::EveryDateAmbiguous, Order::DayMonthYear, "3/12/2019",
                                       QDate(2019, 12, 3)});
    QTest::newRow("every date ambiguous under en_US")
        << "en_US" << QStringList{"3/12/2019"} << Dates{QDate(2019, 3, 12)}
        << std::optional(FileDatesNote{Kind::EveryDateAmbiguous, Order::MonthDayYear, "3/12/2019",
                                       QDate(2019, 3, 12)});
    QTest::newRow("the locale's own dots: as before, no note")
        << "ru_RU" << QStringList{"07.04.2009", "30.11.2015"}
        << Dates{QDate(2009, 4, 7), QDate(2015, 11, 30)} << none;
    QTest::newRow("ambiguous dates with one that shows the locale's order: no note")
        << "fr_FR" << QStringList{"03/12/2019", "25/03/2019"}
        << Dates{QDate(2019, 12, 3), QDate(2019, 3, 25)} << none;
    QTest::newRow("same day and month either way: no note")
        << "fr_FR" << QStringList{"5/5/2019", "2009-04-07"}
        << Dates{QDate(2019, 5, 5), QDate(2009, 4, 7)} << none;
    QTest::newRow("orders mixed: refused")
        << "fr_FR" << QStringList{"3/25/2019", "25/03/2019"} << Dates{} << none;
}

void TestRecordFile::oldFileDatesFitTheirOrder()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, texts);
    QFETCH(Dates, dates);
    QFETCH(std::optional<FileDatesNote>, note);
    QByteArray bytes =
        "[previous_conviction]\r\ncount=" + QByteArray::number(texts.size()) + "\r\n";
    for (qsizetype i = 0; i < texts.size(); ++i)
        bytes += "date" + QByteArray::number(i) + "=" + texts[i].toLatin1() + "\r\nheaviness" +
                 QByteArray::number(i) + "=grave\r\n";
    const LanguageFolder folder;
    folder.writeBytes("old.har", bytes);
    const ShortDateFormat format = formatFor(locale.toLatin1().constData());
    if (dates.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, load(folder.langPath("old.har"), format));
        return;
    }
    const LoadedRecordFile loaded =
        loadRecordFile(folder.langPath("old.har"), fixtureCategories(), {}, format);
    Dates read;
    for (const ConvictionRecord &record : loaded.records)
        read.append(record.date);
    QCOMPARE(read, dates);
    QCOMPARE(loaded.datesNote, note);
}

// A reader that knows none of the new keys saves over a new file under another
// locale. The checksum no longer holds: the category number left in the file no
// longer agrees with the record's text and is passed over; the date pattern left
// in it still reads every date, so it is kept, and the note says that the date
// could be meant the other way; the new crime is restored.
void TestRecordFile::keysLeftByAnOlderWriterAreNotTrusted()
{
    const ShortDateFormat french = formatFor("fr_FR");
    const ShortDateFormat american = formatFor("en_US");
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveRecordFile(path, {conviction("12.03.2019", "grave")}, GraveCrime, fixtureCategories(),
                   {fixtureCategories()}, french);

    ProfileFile file = ProfileFile::open(path, RecordFileMaxBytes, american.locale());
    file.setValues(
        RecordSection,
        {{"count", "1"}, {"date0", "3/12/2019"}, {"heaviness0", "small"}, {"deprivation0", "1"}});
    file.save();
    QVERIFY(QString::fromUtf8(readAll(path)).contains("dateformat=dd/MM/yyyy"));
    const LoadedRecordFile loaded =
        loadRecordFile(path, fixtureCategories(), {fixtureCategories()}, american);
    QCOMPARE(loaded.records, Records{conviction("03.12.2019", "small")});
    QCOMPARE(loaded.newCrime, std::optional(GraveCrime));
    QVERIFY(loaded.changedOutside);
    QCOMPARE(loaded.datesNote, std::optional(FileDatesNote{FileDatesNote::Kind::EveryDateAmbiguous,
                                                           ShortDateFormat::Order::DayMonthYear,
                                                           "3/12/2019", QDate(2019, 12, 3)}));
}

// The earlier writer's records as details-list.har holds them, with the new
// crime saved with them.
Records earlierWritersRecords()
{
    return {conviction("07.04.2009", "grave", "Yes", "No", "No"),
            withDetails(conviction("30.11.2015", "medium", "No", "No", "No"),
                        {.crimeDate = QDate(2015, 1, 2),
                         .punishment = PunishmentKind::Conditional,
                         .probationEnd = QDate(2017, 11, 30),
                         .revoked = true})};
}

// A list a writer that knew the details up to "category" saved: its date
// pattern, its category numbers and its new crime are trusted, as before.
void TestRecordFile::fileWithDetailsReadsAsBefore()
{
    const LoadedRecordFile loaded = loadRecordFile(fixture("details-list.har"), fixtureCategories(),
                                                   {fixtureCategories()}, fixtureDateFormat());
    QCOMPARE(loaded.records, earlierWritersRecords());
    QCOMPARE(loaded.newCrime, std::optional(GraveCrime));
    QCOMPARE(loaded.datesNote, std::optional<FileDatesNote>());
}

// That writer passes over the later details it does not know and rewrites
// "detailsof" for whichever record it saves at each number: the later details it
// leaves behind may be another record's. They are kept, unconfirmed, with the
// record "laterdetailsof" names, or none where the file has no such key; where
// it names the record now at their number, they are its own. Once the checksum
// no longer holds, nothing tells them from details written for their record.
void TestRecordFile::laterDetailsLeftByAnEarlierWriterAreKept_data()
{
    QTest::addColumn<QByteArray>("owner"); // the "laterdetailsof1" line, if any
    QTest::addColumn<std::optional<DetailsOwner>>("unconfirmedFor");
    QTest::newRow("no key: not known") << QByteArray() << std::optional(DetailsOwner{});
    QTest::newRow("another record")
        << QByteArray("laterdetailsof1=2009-04-07|Тяжкое преступление\r\n")
        << std::optional(DetailsOwner{QDate(2009, 4, 7), "Тяжкое преступление"});
    QTest::newRow("this record") << QByteArray("laterdetailsof1=2015-11-30|medium\r\n")
                                 << std::optional<DetailsOwner>();
}

void TestRecordFile::laterDetailsLeftByAnEarlierWriterAreKept()
{
    QFETCH(QByteArray, owner);
    QFETCH(std::optional<DetailsOwner>, unconfirmedFor);
    QByteArray bytes = readAll(fixture("details-list.har"));
    const QByteArray leftBehind = "category1=1\r\nremoved1=1/1/2020\r\nsentence1=3\r\n" + owner;
    bytes.replace("category1=1\r\n", leftBehind);
    QVERIFY(bytes.contains(leftBehind));
    const LanguageFolder folder;
    folder.writeBytes("list.har", bytes);
    const QString path = folder.langPath("list.har");
    const LoadedRecordFile loaded =
        loadRecordFile(path, fixtureCategories(), {fixtureCategories()}, fixtureDateFormat());
    Records expected = earlierWritersRecords();
    expected[1].details.removed = QDate(2020, 1, 1);
    expected[1].details.sentence = 3;
    expected[1].details.unconfirmed.later = unconfirmedFor;
    QCOMPARE(loaded.records, expected);
    QCOMPARE(loaded.newCrime, std::optional(GraveCrime));
    QVERIFY(!loaded.changedOutside);
    QCOMPARE(loaded.datesNote, std::optional<FileDatesNote>());

    folder.writeBytes("list.har", withoutKeys(bytes, "checksum"));
    expected[1].details.unconfirmed.later = owner.isEmpty() ? DetailsOwner{} : unconfirmedFor;
    QCOMPARE(load(path).at(1), expected[1]);
}

// Every category in Russian, saved under a Russian locale over a file as a
// Russian Windows writes one: in code page 1251, without a mark.
void saveOverRussianWindowsFile(const LanguageFolder &folder, const QString &path)
{
    const CrimeCategories russian = shipped()["Russian"];
    const ShortDateFormat ru = formatFor("ru_RU");
    folder.writeBytes(QFileInfo(path).fileName(),
                      encodeText("; Судимости\r\n[previous_conviction]\r\ncount=0\r\n",
                                 TextEncoding::Windows1251));
    saveRecordFile(path, everyCategory(), GraveCrime, russian, shipped().everyLanguage(), ru);
}

// A list saved under a Russian locale, read under an English and a French one:
// the file names its 8-bit code page, or an older one is read in the code page
// under which its categories are an installed language's, with a note.
void TestRecordFile::codePageTravelsWithTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("readUnder");
    QTest::addColumn<std::optional<CodePageGuess>>("guess");

    const CrimeCategories russian = shipped()["Russian"];
    const ShortDateFormat ru = formatFor("ru_RU");
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveOverRussianWindowsFile(folder, path);
    const QByteArray named = readAll(path);
    // Saved new under that locale: 1251 on Windows, UTF-8 elsewhere.
    QFile::remove(path);
    saveRecordFile(path, everyCategory(), GraveCrime, russian, shipped().everyLanguage(), ru);
    const QByteArray fresh = readAll(path);
    // As an older version wrote it: no code page named, no checksum.
    const QByteArray older = withoutKeys(named, "codepage|checksum", ru.locale());

    for (const char *locale : {"en_US", "fr_FR"}) {
        QTest::addRow("code page named, read under %s", locale)
            << named << QString(locale) << std::optional<CodePageGuess>();
        QTest::addRow("saved new, read under %s", locale)
            << fresh << QString(locale) << std::optional<CodePageGuess>();
        QTest::addRow("older file, read under %s", locale)
            << older << QString(locale)
            << std::optional(CodePageGuess{EightBitCodePage::Windows1251, true});
    }
}

void TestRecordFile::codePageTravelsWithTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, readUnder);
    QFETCH(std::optional<CodePageGuess>, guess);
    const CrimeCategories russian = shipped()["Russian"];
    const ShortDateFormat format = formatFor(readUnder.toLatin1().constData());
    const LanguageFolder folder;
    folder.writeBytes("list.har", file);
    const QString path = folder.langPath("list.har");
    const LoadedRecordFile loaded =
        loadRecordFile(path, russian, shipped().everyLanguage(), format);
    QCOMPARE(loaded.records, everyCategory());
    QCOMPARE(loaded.newCrime, std::optional(GraveCrime));
    QCOMPARE(loaded.codePage, guess);
    QCOMPARE(loaded.changedOutside, false);
    QCOMPARE(loaded.datesNote, std::optional<FileDatesNote>());

    // Saved again under this locale, the file names its code page where it is
    // in one, and reads back the same anywhere.
    saveRecordFile(path, loaded.records, GraveCrime, russian, shipped().everyLanguage(), format);
    const QByteArray saved = readAll(path);
    const bool eightBit = !decodeMarkedText(saved) && !decodeValidUtf8(saved);
    QCOMPARE(saved.contains("codepage=1251\r\n"), eightBit);
    const LoadedRecordFile again =
        loadRecordFile(path, russian, shipped().everyLanguage(), formatFor("ru_RU"));
    QCOMPARE(again.records, everyCategory());
    QCOMPARE(again.codePage, std::optional<CodePageGuess>());
}

// A file in code page 1251 given a text that code page lacks is written in
// UTF-16 with its mark: the code page it named no longer holds, and goes.
void TestRecordFile::staleCodePageIsDropped()
{
    const CrimeCategories russian = shipped()["Russian"];
    const ShortDateFormat ru = formatFor("ru_RU");
    const LanguageFolder folder;
    const QString path = folder.langPath("list.har");
    saveOverRussianWindowsFile(folder, path);
    QVERIFY(readAll(path).contains("codepage=1251\r\n"));

    Records records = everyCategory();
    records.append(
        {QDate(2018, 1, 1), ConvictionGravity::unrecognised("Délit"), true, false, false, {}});
    saveRecordFile(path, records, GraveCrime, russian, shipped().everyLanguage(), ru);
    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.startsWith("\xFF\xFE"));
    QVERIFY(!decodeText(bytes).contains("codepage"));
    QCOMPARE(loadRecordFile(path, russian, shipped().everyLanguage(), formatFor("en_US")).records,
             records);
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
