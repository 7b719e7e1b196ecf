// Writing INI files: one key changes and everything else stays, encodings are
// kept and no character is lost, new files are UTF-8 without a mark (on Windows
// the locale's code page, or UTF-16LE when it lacks a character), and a failed
// write leaves the file.
#include "platform/profilefile.h"
#include "platform/runtimeerror.h"
#include "support/languagefolder.h"

#include <QFile>
#include <QtTest>

class TestProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void writingKeepsEverythingElse_data();
    void writingKeepsEverythingElse();
    void removingAKeyKeepsEverythingElse_data();
    void removingAKeyKeepsEverythingElse();
    void keepsTheEncoding_data();
    void keepsTheEncoding();
    void codePageLackingACharacterBecomesUtf16_data();
    void codePageLackingACharacterBecomesUtf16();
    void newFileEncoding_data();
    void newFileEncoding();
    void readsAtMost2047Characters();
    void writesManyKeysInOnePass();
    void unwritableTargetRaisesAndKeepsFile();

private:
    static QByteArray readAll(const QString &path);
};

QByteArray TestProfileFile::readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestProfileFile::writingKeepsEverythingElse_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("after");
    const QString original = "; list of a client\r\n"
                             "[previous_conviction]\r\n"
                             "count=1\r\n"
                             "Date0 = 07.04.2009\r\n"
                             "note=kept\r\n"
                             "; closing comment\r\n"
                             "\r\n"
                             "[other]\r\n"
                             "x=1\r\n";
    QTest::newRow("replace, any case, original key spelling kept")
        << original << "PREVIOUS_CONVICTION"
        << "date0" << QString(original).replace("Date0 = 07.04.2009", "Date0=01.01.2020");
    QTest::newRow("add after the section's last key")
        << original << "previous_conviction"
        << "date1"
        << QString(original).replace("note=kept\r\n", "note=kept\r\ndate1=01.01.2020\r\n");
    QTest::newRow("add a section at the end") << original << "new"
                                              << "k" << original + "[new]\r\nk=01.01.2020\r\n";
    QTest::newRow("LF file stays LF") << "[s]\nk=old\n"
                                      << "s"
                                      << "k"
                                      << "[s]\nk=01.01.2020\n";
    QTest::newRow("repeated section: the later block is written")
        << "[s]\nk=first\n[S]\nk=second\n"
        << "s"
        << "k"
        << "[s]\nk=first\n[S]\nk=01.01.2020\n";
    QTest::newRow("no final line break stays so") << "[s]\nk=old"
                                                  << "s"
                                                  << "k"
                                                  << "[s]\nk=01.01.2020";
}

void TestProfileFile::writingKeepsEverythingElse()
{
    QFETCH(QString, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, after);
    IniDocument document = IniDocument::parse(before);
    document.setValue(section, key, "01.01.2020");
    QCOMPARE(document.toText(), after);
    QCOMPARE(IniDocument::parse(document.toText()).value(section, key).value_or(QString()),
             QStringLiteral("01.01.2020"));
}

// A key removed goes with its line and its line break, in the file's text and
// among the lines written since; nothing else moves.
void TestProfileFile::removingAKeyKeepsEverythingElse_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("added"); // a key line written before the removal
    QTest::addColumn<QString>("after");
    const QString original = "[previous_conviction]\r\ncount=1\r\nCodePage=1251\r\n"
                             "date0=07.04.2009\r\n[other]\r\ncodepage=kept\r\n";
    QTest::newRow("a key of the text, any case")
        << original << ""
        << "[previous_conviction]\r\ncount=1\r\ndate0=07.04.2009\r\n[other]\r\n"
           "codepage=kept\r\n";
    QTest::newRow("a key given twice")
        << "[previous_conviction]\r\ncodepage=1\r\ncount=1\r\ncodepage=2\r\n"
        << "codepage"
        << "[previous_conviction]\r\ncount=1\r\n";
    QTest::newRow("a key written since") << "[previous_conviction]\r\ncount=1\r\n[other]\r\n"
                                         << "codepage"
                                         << "[previous_conviction]\r\ncount=1\r\n[other]\r\n";
    QTest::newRow("the last line, without a final break")
        << "[previous_conviction]\ncount=1\ncodepage=1252"
        << ""
        << "[previous_conviction]\ncount=1\n";
    QTest::newRow("no such key: nothing changes") << "[s]\nk=v\n"
                                                  << ""
                                                  << "[s]\nk=v\n";
}

void TestProfileFile::removingAKeyKeepsEverythingElse()
{
    QFETCH(QString, before);
    QFETCH(QString, added);
    QFETCH(QString, after);
    IniDocument document = IniDocument::parse(before);
    if (!added.isEmpty())
        document.setValues("previous_conviction", {{"count", "1"}, {added, "3"}});
    document.removeKey(u"previous_conviction", u"codepage");
    QCOMPARE(document.toText(), after);
    QCOMPARE(document.value(u"previous_conviction", u"codepage"), std::optional<QString>());
    // Written again, the key comes back once, where keys are added.
    document.setValue("previous_conviction", "codepage", "1251");
    QCOMPARE(IniDocument::parse(document.toText()).keyCount(u"previous_conviction"),
             IniDocument::parse(after).keyCount(u"previous_conviction") + 1);
}

void TestProfileFile::keepsTheEncoding_data()
{
    QTest::addColumn<LanguageFolder::Encoding>("encoding");
    QTest::addColumn<TextEncoding>("expected");
    using E = LanguageFolder::Encoding;
    QTest::newRow("UTF-16LE") << E::Utf16LEWithMark << TextEncoding::Utf16LEWithMark;
    QTest::newRow("UTF-16BE") << E::Utf16BEWithMark << TextEncoding::Utf16BEWithMark;
    QTest::newRow("UTF-8 with mark") << E::Utf8WithMark << TextEncoding::Utf8WithMark;
    QTest::newRow("1251") << E::Windows1251 << TextEncoding::Windows1251;
}

void TestProfileFile::keepsTheEncoding()
{
    QFETCH(LanguageFolder::Encoding, encoding);
    QFETCH(TextEncoding, expected);
    const LanguageFolder folder;
    folder.write("list.har", "[previous_conviction]\r\nheaviness0=Тяжкое\r\n", encoding);
    const QString path = folder.langPath("list.har");
    const QLocale russian(QLocale::Russian);

    ProfileFile file = ProfileFile::open(path, 1 << 20, russian);
    QCOMPARE(file.encoding(), expected);
    file.setValue("previous_conviction", "heaviness1", "Особо тяжкое");
    file.save();

    QCOMPARE(readAll(path), encodeText("[previous_conviction]\r\nheaviness0=Тяжкое\r\n"
                                       "heaviness1=Особо тяжкое\r\n",
                                       encoding));
}

void TestProfileFile::codePageLackingACharacterBecomesUtf16_data()
{
    QTest::addColumn<LanguageFolder::Encoding>("encoding");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("added");
    using E = LanguageFolder::Encoding;
    QTest::newRow("1252 gains Cyrillic")
        << E::Windows1252 << QLocale(QLocale::English) << QStringLiteral("Тяжкое");
    QTest::newRow("1251 gains a French accent")
        << E::Windows1251 << QLocale(QLocale::Russian) << QStringLiteral("Délit grave");
}

// A list kept in one 8-bit code page gains a text of another language (a
// category written in the interface's language): every character survives.
void TestProfileFile::codePageLackingACharacterBecomesUtf16()
{
    QFETCH(LanguageFolder::Encoding, encoding);
    QFETCH(QLocale, locale);
    QFETCH(QString, added);
    const LanguageFolder folder;
    const QString before = encoding == LanguageFolder::Encoding::Windows1251
                               ? QStringLiteral("[previous_conviction]\r\nnote0=Тяжкое\r\n")
                               : QStringLiteral("[previous_conviction]\r\nnote0=Café\r\n");
    folder.write("list.har", before, encoding);
    const QString path = folder.langPath("list.har");

    ProfileFile file = ProfileFile::open(path, 1 << 20, locale);
    file.setValue("previous_conviction", "heaviness0", added);
    file.save();

    const QString after = before + "heaviness0=" + added + "\r\n";
    QCOMPARE(readAll(path), encodeText(after, TextEncoding::Utf16LEWithMark));
    const ProfileFile reread = ProfileFile::open(path, 1 << 20, locale);
    QCOMPARE(reread.value(u"previous_conviction", u"heaviness0"), added);
}

void TestProfileFile::newFileEncoding_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("expected");
    const QString text("[previous_conviction]\r\ncount=0\r\nheaviness0=Тяжкое\r\n");
#ifdef Q_OS_WIN
    // As Windows' profile functions read it: the locale's code page when it
    // holds the text, else UTF-16LE with the mark.
    QTest::newRow("Russian: 1251")
        << QLocale(QLocale::Russian) << encodeText(text, TextEncoding::Windows1251);
    QTest::newRow("English: UTF-16LE")
        << QLocale(QLocale::English) << encodeText(text, TextEncoding::Utf16LEWithMark);
#else
    QTest::newRow("Russian: UTF-8") << QLocale(QLocale::Russian) << text.toUtf8();
    QTest::newRow("English: UTF-8") << QLocale(QLocale::English) << text.toUtf8();
#endif
}

void TestProfileFile::newFileEncoding()
{
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, expected);
    const LanguageFolder folder;
    const QString path = folder.langPath("new.har");
    ProfileFile file = ProfileFile::open(path, 1 << 20, locale);
    QVERIFY(!file.existed());
    file.setValue("previous_conviction", "count", "0");
    file.setValue("previous_conviction", "heaviness0", "Тяжкое");
    file.save();
    QCOMPARE(readAll(path), expected);
    QCOMPARE(ProfileFile::open(path, 1 << 20, locale).value(u"previous_conviction", u"heaviness0"),
             QStringLiteral("Тяжкое"));
}

void TestProfileFile::readsAtMost2047Characters()
{
    const LanguageFolder folder;
    folder.write("long.har", "[s]\nk=" + QString(3000, u'x') + "\n");
    const ProfileFile file = ProfileFile::open(folder.langPath("long.har"), 1 << 20);
    QCOMPARE(file.value(u"s", u"k")->size(), 2047);
    QCOMPARE(file.document().value(u"s", u"k")->size(), 3000);
}

// A whole list of keys written in one pass: keys already there are replaced in
// place, the rest are added in order after the section's last key; of a new key
// given twice, the later counts.
void TestProfileFile::writesManyKeysInOnePass()
{
    IniDocument document = IniDocument::parse("[s]\r\nKEY1=old\r\n; end of s\r\n[t]\r\nkey1=t\r\n");
    QList<std::pair<QString, QString>> values;
    for (int i = 0; i < 20000; ++i)
        values.append(std::pair("key" + QString::number(i), QString::number(i)));
    values.append(std::pair<QString, QString>("Key5", "five"));
    document.setValues("s", values);
    document.setValues("new", {{"a", "1"}, {"A", "2"}});

    const QString text = document.toText();
    QVERIFY(text.startsWith("[s]\r\nKEY1=1\r\nkey0=0\r\nkey2=2\r\n"));
    QVERIFY(text.contains(
        "key19999=19999\r\nKey5=five\r\n; end of s\r\n[t]\r\nkey1=t\r\n[new]\r\na=1\r\nA=2\r\n"));
    const IniDocument reread = IniDocument::parse(text);
    QCOMPARE(reread.keyCount(u"s"), 20001);
    QCOMPARE(reread.value(u"s", u"key19999").value_or(QString()), QStringLiteral("19999"));
    QCOMPARE(reread.value(u"S", u"key5").value_or(QString()), QStringLiteral("five"));
    QCOMPARE(reread.value(u"t", u"key1").value_or(QString()), QStringLiteral("t"));
    QCOMPARE(reread.value(u"new", u"a").value_or(QString()), QStringLiteral("2"));
}

void TestProfileFile::unwritableTargetRaisesAndKeepsFile()
{
    const LanguageFolder folder;
    // Root writes read-only files, so the target is a path under a regular file.
    folder.write("plain.txt", "not a folder");
    const QString path = folder.langPath("plain.txt") + "/list.har";
    ProfileFile file = ProfileFile::open(path, 1 << 20);
    file.setValue("s", "k", "v");
    try {
        file.save();
        QFAIL("a file was written under a regular file");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.message(), "Unable to write to " + QDir::toNativeSeparators(path));
    }
    QCOMPARE(readAll(folder.langPath("plain.txt")), QByteArray("\xEF\xBB\xBFnot a folder"));
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
