// Reading whole text files: encodings, line breaks, missing, unreadable and
// oversized files.
#include "platform/codepage.h"
#include "platform/runtimeerror.h"
#include "platform/textfile.h"
#include "support/languagefolder.h"

#include <QFile>
#include <QtTest>

#include <memory>

#ifndef Q_OS_WIN
#include <iconv.h>
#include <unistd.h>
#endif

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void decodesByMark_data();
    void decodesByMark();
    void secondMarkIsText_data();
    void secondMarkIsText();
    void withoutMarkFallsBackToLocaleCodePage_data();
    void withoutMarkFallsBackToLocaleCodePage();
    void codePageForLocale_data();
    void codePageForLocale();
    void encodesInCodePage();
    void codePagesAreTheSystemConvertersOwn_data();
    void codePagesAreTheSystemConvertersOwn();
    void splitsEveryLineBreak_data();
    void splitsEveryLineBreak();
    void missingFileReadsEmpty();
    void unreadableFileRaisesCannotOpen();
    void folderRaisesCannotOpen();
    void largerThanLimitRaisesCannotOpen();
};

void TestTextFile::decodesByMark_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = QStringLiteral("[main]\nLangName=Русский язык é");
    using E = LanguageFolder::Encoding;
    QTest::newRow("UTF-8 with mark") << encodeText(text, E::Utf8WithMark);
    QTest::newRow("UTF-16LE with mark") << encodeText(text, E::Utf16LEWithMark);
    QTest::newRow("UTF-16BE with mark") << encodeText(text, E::Utf16BEWithMark);
    QTest::newRow("UTF-8 without mark") << encodeText(text, E::Utf8);
}

void TestTextFile::decodesByMark()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(decodeText(bytes, QLocale(QLocale::English)),
             QStringLiteral("[main]\nLangName=Русский язык é"));
}

// Only the first mark is the mark: a second one is text, as a Windows program
// reads it, so a file read and written back keeps it.
void TestTextFile::secondMarkIsText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx");
    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE\xFF\xFEx\0", 6);
    QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF\xFE\xFF\0x", 6);
}

void TestTextFile::secondMarkIsText()
{
    QFETCH(QByteArray, bytes);
    const DecodedText decoded = decodeTextWithEncoding(bytes);
    QCOMPARE(decoded.text, QString(QChar(0xFEFF)) + u'x');
    QCOMPARE(encodeText(decoded.text, decoded.encoding), bytes);
}

void TestTextFile::withoutMarkFallsBackToLocaleCodePage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    const QByteArray cyrillic =
        encodeText(QStringLiteral("Тяжкое"), LanguageFolder::Encoding::Windows1251);
    QTest::newRow("1251 under Russian")
        << cyrillic << QLocale(QLocale::Russian) << QStringLiteral("Тяжкое");
    QTest::newRow("1251 under Ukrainian")
        << cyrillic << QLocale(QLocale::Ukrainian) << QStringLiteral("Тяжкое");
    QTest::newRow("1252 under French")
        << QByteArray("Infraction grav\xE9") << QLocale(QLocale::French)
        << QStringLiteral("Infraction gravé");
    QTest::newRow("1252 euro sign")
        << QByteArray("\x80") << QLocale(QLocale::English) << QStringLiteral("€");
}

void TestTextFile::withoutMarkFallsBackToLocaleCodePage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(decodeText(bytes, locale), expected);
}

void TestTextFile::codePageForLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("cyrillic");
    QTest::newRow("ru") << QLocale(QLocale::Russian) << true;
    QTest::newRow("be") << QLocale(QLocale::Belarusian) << true;
    QTest::newRow("bg") << QLocale(QLocale::Bulgarian) << true;
    QTest::newRow("sr") << QLocale(QLocale::Serbian) << true;
    QTest::newRow("de") << QLocale(QLocale::German) << false;
    QTest::newRow("C") << QLocale::c() << false;
}

void TestTextFile::codePageForLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, cyrillic);
    QCOMPARE(::codePageForLocale(locale) == EightBitCodePage::Windows1251, cyrillic);
}

// A character the code page lacks becomes "?"; U+FFFD, read from an undefined
// byte, is written as one and so reads back as itself.
void TestTextFile::encodesInCodePage()
{
    const QString text = QString::fromUtf8("Ёж \u20ac\u4e2d\ufffd");
    const QByteArray cyrillic = encodeCodePage(text, EightBitCodePage::Windows1251);
    QCOMPARE(cyrillic, QByteArray("\xa8\xe6 \x88?\x98"));
    QCOMPARE(decodeCodePage(cyrillic, EightBitCodePage::Windows1251),
             QString::fromUtf8("Ёж \u20ac?\ufffd"));
    const QByteArray western = encodeCodePage(text, EightBitCodePage::Windows1252);
    QCOMPARE(western, QByteArray("?? \x80?\x81"));
    QCOMPARE(decodeCodePage(western, EightBitCodePage::Windows1252),
             QString::fromUtf8("?? \u20ac?\ufffd"));
}

void TestTextFile::codePagesAreTheSystemConvertersOwn_data()
{
    QTest::addColumn<EightBitCodePage>("codePage");
    QTest::addColumn<QByteArray>("converterName");
    QTest::newRow("1251") << EightBitCodePage::Windows1251 << QByteArray("CP1251");
    QTest::newRow("1252") << EightBitCodePage::Windows1252 << QByteArray("CP1252");
}

// The program's own tables, byte for byte, against glibc's converter; an undefined
// byte is one the converter refuses.
void TestTextFile::codePagesAreTheSystemConvertersOwn()
{
#ifdef Q_OS_WIN
    QSKIP("glibc's converter is the reference, and Windows has none");
#else
    QFETCH(EightBitCodePage, codePage);
    QFETCH(QByteArray, converterName);
    const iconv_t opened = iconv_open("UTF-16LE", converterName.constData());
    if (opened == reinterpret_cast<iconv_t>(-1))
        QSKIP("glibc's converter modules are not installed");
    const std::unique_ptr<void, int (*)(iconv_t)> closer(opened, iconv_close);
    const iconv_t converter = opened;
    for (int byte = 0; byte < 256; ++byte) {
        char in = char(byte);
        char16_t out[2] = {};
        char *inPtr = &in;
        char *outPtr = reinterpret_cast<char *>(out);
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        const bool defined = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1) &&
                             outLeft == sizeof out - 2;
        const QString expected = defined ? QString(QChar(out[0])) : QString(QChar(0xFFFD));
        QCOMPARE(decodeCodePage(QByteArray(1, char(byte)), codePage), expected);
        if (defined)
            QCOMPARE(encodeCodePage(expected, codePage), QByteArray(1, char(byte)));
    }
#endif
}

void TestTextFile::splitsEveryLineBreak_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CRLF") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF") << QStringLiteral("a\nb") << QStringList{"a", "b"};
    QTest::newRow("CR alone") << QStringLiteral("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("mixed, empty line kept")
        << QStringLiteral("a\r\rb\nc") << QStringList{"a", "", "b", "c"};
    QTest::newRow("empty") << QString() << QStringList();
}

void TestTextFile::splitsEveryLineBreak()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitTextLines(text), lines);
}

void TestTextFile::missingFileReadsEmpty()
{
    const LanguageFolder folder;
    QCOMPARE(readTextFile(folder.langPath("absent.lng"), 1024), QString());
}

void TestTextFile::unreadableFileRaisesCannotOpen()
{
#ifdef Q_OS_WIN
    QSKIP("Windows keeps no read permission of the kind Qt sets here");
#else
    if (geteuid() == 0)
        QSKIP("root reads files whatever their permissions");
#endif
    const LanguageFolder folder;
    folder.write("locked.lng", "[main]");
    QFile::setPermissions(folder.langPath("locked.lng"), QFileDevice::WriteOwner);
    try {
        readTextFile(folder.langPath("locked.lng"), 1024);
        QFAIL("an unreadable file was read");
    } catch (const RuntimeError &error) {
        QVERIFY2(error.message().startsWith("Cannot open file \"" + folder.langPath("locked.lng") +
                                            "\". "),
                 qPrintable(error.message()));
    }
}

void TestTextFile::folderRaisesCannotOpen()
{
    const LanguageFolder folder;
    QVERIFY(QDir(folder.langFolder()).mkdir("English.lng"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, readTextFile(folder.langPath("English.lng"), 1024));
}

void TestTextFile::largerThanLimitRaisesCannotOpen()
{
    const LanguageFolder folder;
    folder.writeBytes("big.lng", QByteArray(1025, 'x'));
    folder.writeBytes("fits.lng", QByteArray(1024, 'x'));
    QCOMPARE(readTextFile(folder.langPath("fits.lng"), 1024).size(), 1024);
    try {
        readTextFile(folder.langPath("big.lng"), 1024);
        QFAIL("an oversized file was read");
    } catch (const RuntimeError &error) {
        QVERIFY2(error.message().contains("too large"), qPrintable(error.message()));
        QVERIFY(error.message().startsWith("Cannot open file \""));
    }
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
