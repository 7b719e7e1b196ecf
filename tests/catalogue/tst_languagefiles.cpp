// The shipped language files: each is listed under its name, read with its mark,
// and gives a text of its own for every key the program looks up.
#include "catalogue/interfacekeys.h"
#include "catalogue/uLocalize.h"
#include "support/languagefolder.h"

#include <QFile>
#include <QtTest>

class TestLanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsTheThreeLanguages();
    void everyKeyHasItsOwnText_data();
    void everyKeyHasItsOwnText();
    void categoriesAreDistinct_data();
    void categoriesAreDistinct();

private:
    std::unique_ptr<LanguageFolder> m_folder;
};

void TestLanguageFiles::initTestCase()
{
    m_folder = std::make_unique<LanguageFolder>();
    m_folder->copyShippedLanguages();
}

void TestLanguageFiles::listsTheThreeLanguages()
{
    LanguageCatalogue catalogue(m_folder->programFolder());
    QStringList names;
    // Each language by its own name, each file by its English name.
    catalogue.FillLanguageNames(names, true);
    QCOMPARE(names, (QStringList{"English", "Français", "Русский"}));
    QStringList bases;
    catalogue.FillLanguageNames(bases, false);
    QCOMPARE(bases, (QStringList{"English", "French", "Russian"}));
    for (const QString &base : bases) {
        QFile file(m_folder->langPath(base + ".lng"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.read(3) == "\xEF\xBB\xBF", qPrintable(base + " lacks its UTF-8 mark"));
    }
}

void TestLanguageFiles::everyKeyHasItsOwnText_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("French") << "French";
    QTest::newRow("Russian") << "Russian";
}

// Each file must answer every key itself: with English as the default slot a
// missing key would silently show English text in a Russian window.
void TestLanguageFiles::everyKeyHasItsOwnText()
{
    QFETCH(QString, language);
    LanguageCatalogue catalogue(m_folder->programFolder());
    QVERIFY(catalogue.SelectLanguage(language));
    // The keys of the windows' text tables are checked with the windows built
    // (tst_textkeys); these are the keys commands look up by name.
    for (const char16_t *key : CommandTextKeys) {
        const QString text = catalogue.Translate(QString::fromUtf16(key));
        QVERIFY2(!text.isEmpty() && !text.startsWith("NoTranslate:"),
                 qPrintable(QString::fromUtf16(key)));
    }

    const QStringList filter = catalogue.Translate("String.CharacterFileFilter").split(u'|');
    QCOMPARE(filter.size(), 2);
    QVERIFY(filter[0].contains("(*.har)"));
    QCOMPARE(filter[1], QStringLiteral("*.har"));
    QVERIFY(catalogue.Translate("String.WebLink").startsWith("http"));
    QVERIFY(catalogue.Translate("String.Yes") != catalogue.Translate("String.No"));
}

void TestLanguageFiles::categoriesAreDistinct_data()
{
    everyKeyHasItsOwnText_data();
}

// Two categories with one text would make the assessment count a row twice.
void TestLanguageFiles::categoriesAreDistinct()
{
    QFETCH(QString, language);
    LanguageCatalogue catalogue(m_folder->programFolder());
    QVERIFY(catalogue.SelectLanguage(language));
    QSet<QString> texts;
    for (const char16_t *key : CategoryTextKeys)
        texts.insert(catalogue.Translate(QString::fromUtf16(key)));
    QCOMPARE(texts.size(), 4);
}

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "tst_languagefiles.moc"
