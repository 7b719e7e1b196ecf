// Hostile and damaged files, and what the user sees for each: language files in
// the lang folder and record files opened from anywhere either give the defined
// defaults or a clear error, never a crash or a hang.
#include "catalogue/uLocalize.h"
#include "platform/runtimeerror.h"
#include "platform/textfile.h"
#include "records/recordfile.h"
#include "support/fixturewords.h"
#include "support/languagefolder.h"

#include <QFile>
#include <QStringEncoder>
#include <QtTest>

namespace {

const QByteArray Header = "[previous_conviction]\r\n";

// A literal's bytes, NUL bytes inside included.
template<std::size_t Size>
QByteArray literalBytes(const char (&text)[Size])
{
    return QByteArray(text, Size - 1);
}

QByteArray utf16(const QString &text)
{
    return QByteArray("\xFF\xFE") + QStringEncoder(QStringEncoder::Utf16LE)(text);
}

// What a load gave: the records' fields joined, in the fixture's texts, or the
// error's message.
QString outcome(const std::function<QList<ConvictionRecord>()> &load)
{
    const RecordTexts texts = fixtureTexts();
    try {
        QStringList rows;
        for (const ConvictionRecord &record : load()) {
            const QString severity = texts.categories.textOf(record.gravity);
            rows.append(QStringList{record.date.toString(QStringLiteral("dd.MM.yyyy")),
                                    severity.left(20), QString::number(severity.size()),
                                    texts.answers.textOf(record.custody)}
                            .join(u'|'));
        }
        return rows.join(u';');
    } catch (const RuntimeError &error) {
        return "error: " + error.message();
    }
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void recordFiles_data();
    void recordFiles();
    void recordFileThatIsAFolderOrUnreachable();
    void languageFiles_data();
    void languageFiles();
    void languageFolderMissingOrAFileTurnedFolder();
};

void TestHostileFiles::recordFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // rows as date|severity|length|custody, or "error: ..."
    const QString noList = "error: The file \"%1\" is damaged: it holds no list of convictions";
    QTest::newRow("empty file") << QByteArray() << noList;
    QTest::newRow("byte-order mark only") << QByteArray("\xEF\xBB\xBF") << noList;
    QTest::newRow("odd-length UTF-16")
        << utf16("[previous_conviction]\r\ncount=1\r\nheaviness0=grave\r\n") + 'x'
        << "30.12.1899|grave|5|No";
    QTest::newRow("NUL bytes inside a value")
        << Header + literalBytes("count=1\r\nheaviness0=gr\0ave\r\ndeprivation0=1\r\n")
        << QString("30.12.1899|gr") + QChar(0) + "ave|6|Yes";
    QTest::newRow("lone surrogate: reads as U+FFFD")
        << utf16("[previous_conviction]\r\ncount=1\r\nheaviness0=a" + QString(QChar(0xD800)) +
                 "\r\n")
        << "30.12.1899|a" + QString(QChar::ReplacementCharacter) + "|2|No";
    QTest::newRow("100,000-character line: the value is cut at 2,047")
        << Header + "count=1\r\nheaviness0=" + QByteArray(100000, 'x') + "\r\n"
        << "30.12.1899|xxxxxxxxxxxxxxxxxxxx|2047|No";
    QTest::newRow("count 2147483647")
        << Header + "count=2147483647\r\n"
        << "error: The file \"%1\" is damaged: it lists 2147483647 records but holds only 1 keys";
    QTest::newRow("count -5") << Header + "count=-5\r\ndate0=07.04.2009\r\n"
                              << "";
    QTest::newRow("count 0x10")
        << Header + "count=0x10\r\n"
        << "error: The file \"%1\" is damaged: it lists 16 records but holds only 1 keys";
    QTest::newRow("count $FF")
        << Header + "count=$FF\r\n"
        << "error: The file \"%1\" is damaged: it lists 255 records but holds only 1 keys";
    QTest::newRow("count abc") << Header + "count=abc\r\ndate0=07.04.2009\r\n"
                               << "";
    for (const char *date : {"31.02.2009", "0.0.0", "99999.1.1"}) {
        QTest::newRow(qPrintable(QString("date %1").arg(date)))
            << Header + "count=1\r\ndate0=" + date + "\r\n"
            << QString("error: The file \"%1\" is damaged: the date of record 1, \"%2\", cannot be "
                       "read")
                   .arg("%1", date);
    }
}

void TestHostileFiles::recordFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const LanguageFolder folder;
    folder.writeBytes("list.har", bytes);
    const QString path = folder.langPath("list.har");
    QCOMPARE(
        outcome([&] {
            return loadRecordFile(path, fixtureTexts().categories, {}, fixtureDateFormat()).records;
        }),
        QString(expected).replace("%1", QDir::toNativeSeparators(path)));
}

void TestHostileFiles::recordFileThatIsAFolderOrUnreachable()
{
    const LanguageFolder folder;
    QVERIFY(QDir(folder.langFolder()).mkdir("folder.har"));
    const QString inFolder = folder.langPath("folder.har");
    QCOMPARE(outcome([&] {
                 return loadRecordFile(inFolder, fixtureTexts().categories, {}, fixtureDateFormat())
                     .records;
             }),
             "error: Cannot open file \"" + QDir::toNativeSeparators(inFolder) +
                 "\". It is not a regular file.");
    // Root reads any file: an unreachable one is a path under a regular file.
    folder.writeBytes("plain.txt", "x");
    const QString unreachable = folder.langPath("plain.txt") + "/list.har";
    QCOMPARE(outcome([&] {
                 return loadRecordFile(unreachable, fixtureTexts().categories, {},
                                       fixtureDateFormat())
                     .records;
             }),
             "error: Cannot open file \"" + QDir::toNativeSeparators(unreachable) +
                 "\". No such file or directory");
}

void TestHostileFiles::languageFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name"); // as listed in the selector
    QTest::addColumn<QString>("yes");  // Translate("String.Yes") with it current
    QTest::newRow("empty file") << QByteArray() << "Hostile"
                                << "NoTranslate:Yes";
    QTest::newRow("byte-order mark only") << QByteArray("\xFE\xFF") << "Hostile"
                                          << "NoTranslate:Yes";
    QTest::newRow("odd-length UTF-16")
        << utf16("[main]\r\nLangName=Odd\r\n[String]\r\nYes=Da\r\n") + 'x' << "Odd"
        << "Da";
    QTest::newRow("NUL bytes") << literalBytes("[main]\nLangName=N\0L\n[String]\nYes=D\0a\n")
                               << QString("N") + QChar(0) + "L" << QString("D") + QChar(0) + "a";
    QTest::newRow("lone surrogate: reads as U+FFFD")
        << utf16("[main]\nLangName=S" + QString(QChar(0xDC00)) + "\n[String]\nYes=Y\n")
        << "S" + QString(QChar::ReplacementCharacter) << "Y";
    QTest::newRow("100,000-character line")
        << "[main]\nLangName=Long\n[String]\nYes=" + QByteArray(100000, 'y') + "\n"
        << "Long" << QString(100000, u'y');
    QTest::newRow("binary junk") << literalBytes("\x01\x02[\xFF\xFE=\x80\x81]\n=\n[") << "Hostile"
                                 << "NoTranslate:Yes";
}

void TestHostileFiles::languageFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, yes);
    const LanguageFolder folder;
    folder.writeBytes("Hostile.lng", bytes);
    LanguageCatalogue catalogue(folder.programFolder(), QLocale(QLocale::English));
    QStringList names;
    catalogue.FillLanguageNames(names, true);
    QCOMPARE(names, QStringList{name});
    QVERIFY(catalogue.SelectLanguage(name));
    QCOMPARE(catalogue.Translate("String.Yes"), yes);
}

void TestHostileFiles::languageFolderMissingOrAFileTurnedFolder()
{
    const LanguageFolder folder;
    LanguageCatalogue missing(folder.programFolder() + "/nowhere");
    QStringList names{"stale"};
    missing.FillLanguageNames(names, true);
    QVERIFY(names.isEmpty());
    QVERIFY(!missing.SelectLanguage("English"));
    QCOMPARE(missing.Translate("Menu.Exit"), QStringLiteral("NoTranslate:Exit"));

    // A file far over the limit is refused at once, not read.
    folder.writeBytes("Huge.lng", "[main]\nLangName=Huge\n" + QByteArray(50 * 1024 * 1024, ';'));
    LanguageCatalogue catalogue(folder.programFolder());
    try {
        catalogue.LoadLanguageList();
        QFAIL("a 50 MB language file was read");
    } catch (const RuntimeError &error) {
        QVERIFY2(error.message().contains("too large"), qPrintable(error.message()));
    }
    QFile::remove(folder.langPath("Huge.lng"));
    folder.writeBytes("Russian.lng", "[main]\nLangName=Russian\n");
    catalogue.LoadLanguageList();
    QVERIFY(catalogue.SelectLanguage("Russian"));
    QFile::remove(folder.langPath("Russian.lng"));
    QVERIFY(QDir(folder.langFolder()).mkdir("Russian.lng"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, catalogue.Translate("String.Yes"));
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
