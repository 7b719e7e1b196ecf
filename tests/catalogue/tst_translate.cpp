// The text lookup: current slot, default slot, the marker, LOC prefixes, keys
// without a dot, case, encodings and unreadable files.
#include "catalogue/uLocalize.h"
#include "platform/runtimeerror.h"
#include "support/languagefolder.h"

#include <QtTest>

class TestTranslate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void looksUpWithFallbacks_data();
    void looksUpWithFallbacks();
    void beforeAnySelectionUsesDefaultOrMarker();
    void readsEveryEncodingAlike_data();
    void readsEveryEncodingAlike();
    void editedFileTakesEffectAtNextLookup();
    void unreadableFileRaises();
    void slotKeepsTheRealFileName();

private:
    std::unique_ptr<LanguageFolder> m_folder;
    std::unique_ptr<LanguageCatalogue> m_catalogue;
};

void TestTranslate::init()
{
    m_folder = std::make_unique<LanguageFolder>();
    m_folder->write("English.lng",
                    "[main]\nLangName=English\n"
                    "[String]\nYes=Yes\nOnlyEnglish=from English\nEmptyHere=english\n"
                    "[]\nBare=bare english\n");
    m_folder->write("Russian.lng", "[main]\nLangName=Russian\n"
                                   "[String]\nYes=Да\nEmptyHere=\nkey.with.dots=dotted\n");
    m_catalogue = std::make_unique<LanguageCatalogue>(m_folder->programFolder());
    QVERIFY(m_catalogue->SelectDefaultLanguage("English"));
    QVERIFY(m_catalogue->SelectLanguage("Russian"));
}

void TestTranslate::looksUpWithFallbacks_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("current file wins") << "String.Yes"
                                       << "Да";
    QTest::newRow("missing in current: English") << "String.OnlyEnglish"
                                                 << "from English";
    QTest::newRow("missing in both: marker names the part after the dot") << "String.Web"
                                                                          << "NoTranslate:Web";
    QTest::newRow("empty value is not a miss") << "String.EmptyHere"
                                               << "";
    QTest::newRow("LOC prefix removed") << "LOCString.Yes"
                                        << "Да";
    QTest::newRow("loc prefix is case-sensitive") << "locString.Yes"
                                                  << "NoTranslate:Yes";
    QTest::newRow("key in any case") << "string.YES"
                                     << "Да";
    QTest::newRow("only the first dot splits") << "String.key.with.dots"
                                               << "dotted";
    QTest::newRow("no dot: empty section") << "Bare"
                                           << "bare english";
    QTest::newRow("no dot, missing") << "Nothing"
                                     << "NoTranslate:Nothing";
}

void TestTranslate::looksUpWithFallbacks()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(m_catalogue->Translate(key), expected);
}

void TestTranslate::beforeAnySelectionUsesDefaultOrMarker()
{
    LanguageCatalogue fresh(m_folder->programFolder());
    QCOMPARE(fresh.Translate("String.Yes"), QStringLiteral("NoTranslate:Yes"));
    QVERIFY(fresh.SelectDefaultLanguage("English"));
    QCOMPARE(fresh.Translate("String.Yes"), QStringLiteral("Yes"));
}

void TestTranslate::readsEveryEncodingAlike_data()
{
    QTest::addColumn<LanguageFolder::Encoding>("encoding");
    QTest::addColumn<QLocale>("locale");
    using E = LanguageFolder::Encoding;
    QTest::newRow("UTF-8 with mark") << E::Utf8WithMark << QLocale(QLocale::English);
    QTest::newRow("UTF-16LE with mark") << E::Utf16LEWithMark << QLocale(QLocale::English);
    QTest::newRow("UTF-16BE with mark") << E::Utf16BEWithMark << QLocale(QLocale::English);
    QTest::newRow("no mark, UTF-8") << E::Utf8 << QLocale(QLocale::English);
    QTest::newRow("no mark, 1251 under Russian") << E::Windows1251 << QLocale(QLocale::Russian);
}

void TestTranslate::readsEveryEncodingAlike()
{
    QFETCH(LanguageFolder::Encoding, encoding);
    QFETCH(QLocale, locale);
    m_folder->write("Russian.lng", "[main]\r\nLangName=Russian\r\n[String]\r\nYes=Да\r\n",
                    encoding);
    LanguageCatalogue catalogue(m_folder->programFolder(), locale);
    QVERIFY(catalogue.SelectDefaultLanguage("English"));
    QVERIFY(catalogue.SelectLanguage("Russian"));
    QCOMPARE(catalogue.Translate("String.Yes"), QStringLiteral("Да"));
}

void TestTranslate::editedFileTakesEffectAtNextLookup()
{
    QCOMPARE(m_catalogue->Translate("String.Yes"), QStringLiteral("Да"));
    m_folder->write("Russian.lng", "[main]\nLangName=Russian\n[String]\nYes=Так точно\n");
    QCOMPARE(m_catalogue->Translate("String.Yes"), QStringLiteral("Так точно"));
    QFile::remove(m_folder->langPath("Russian.lng"));
    QCOMPARE(m_catalogue->Translate("String.Yes"), QStringLiteral("Yes"));
}

void TestTranslate::unreadableFileRaises()
{
    QFile::remove(m_folder->langPath("Russian.lng"));
    QVERIFY(QDir(m_folder->langFolder()).mkdir("Russian.lng"));
    try {
        m_catalogue->Translate("String.Yes");
        QFAIL("a folder in place of a language file was read");
    } catch (const RuntimeError &error) {
        QVERIFY2(
            error.message().startsWith("Cannot open file \"" +
                                       QDir::toNativeSeparators(m_folder->langPath("Russian.lng"))),
            qPrintable(error.message()));
    }
    m_folder->writeBytes("English.lng", QByteArray(LanguageFileMaxBytes + 1, ';'));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, m_catalogue->Translate("String.Yes"));
}

// On a case-sensitive file system "Russian.LNG" must be read again under its own name.
void TestTranslate::slotKeepsTheRealFileName()
{
    QFile::rename(m_folder->langPath("Russian.lng"), m_folder->langPath("Russian.LNG"));
    LanguageCatalogue catalogue(m_folder->programFolder());
    QVERIFY(catalogue.SelectDefaultLanguage("English"));
    QVERIFY(catalogue.SelectLanguage("Russian"));
    QCOMPARE(catalogue.CurrentLanguage().FileBase, QStringLiteral("Russian"));
    QCOMPARE(catalogue.Translate("String.Yes"), QStringLiteral("Да"));
}

QTEST_GUILESS_MAIN(TestTranslate)
#include "tst_translate.moc"
