// Texts by key: a table's receivers get their own keys' texts, a label or a
// menu's text reused elsewhere loses its access-key marker, and texts that take
// values are filled in one pass.
#include "catalogue/uLocalize.h"
#include "localisation/texttable.h"
#include "support/languagefolder.h"

#include <QtTest>

class TestTextTable : public QObject
{
    Q_OBJECT

private slots:
    void receiversGetTheirKeysTexts();
    void reusedTextsLoseTheAccessKey_data();
    void reusedTextsLoseTheAccessKey();
    void fillsPlaceholders_data();
    void fillsPlaceholders();
};

void TestTextTable::receiversGetTheirKeysTexts()
{
    LanguageFolder folder;
    folder.write("English.lng", "[main]\nLangName=English\n[Button]\nOk=OK\n"
                                "[String]\nYes=Yes\nNo=No\n");
    LanguageCatalogue catalogue(folder.programFolder());
    catalogue.SelectDefaultLanguage("English");
    QString ok, no, yes, missing;
    const TextTable table = {{u"Button.Ok", into(ok)},
                             {u"String.No", into(no)},
                             {u"String.Yes", into(yes)},
                             {u"String.Missing", into(missing)}};
    applyTexts(catalogue, table);
    QCOMPARE(ok, QStringLiteral("OK"));
    QCOMPARE(no, QStringLiteral("No"));
    QCOMPARE(yes, QStringLiteral("Yes"));
    QCOMPARE(missing, QStringLiteral("NoTranslate:Missing"));
    QCOMPARE(keysOf(table),
             (QStringList{"Button.Ok", "String.No", "String.Yes", "String.Missing"}));
}

void TestTextTable::reusedTextsLoseTheAccessKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("label");
    QTest::newRow("marker first") << "&Date of conviction:"
                                  << "Date of conviction:"
                                  << "Date of conviction";
    QTest::newRow("marker inside, French colon") << "Date de la &nouvelle infraction :"
                                                 << "Date de la nouvelle infraction :"
                                                 << "Date de la nouvelle infraction";
    QTest::newRow("Cyrillic") << "Дата нового п&реступления:"
                              << "Дата нового преступления:"
                              << "Дата нового преступления";
    QTest::newRow("doubled marker is an ampersand") << "Terms && conditions"
                                                    << "Terms & conditions"
                                                    << "Terms & conditions";
    QTest::newRow("no marker") << "Category of crime"
                               << "Category of crime"
                               << "Category of crime";
    QTest::newRow("marker last stays") << "Tom &"
                                       << "Tom &"
                                       << "Tom &";
}

void TestTextTable::reusedTextsLoseTheAccessKey()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QFETCH(QString, label);
    QString asPlain, asLabel;
    intoPlain(asPlain)(text);
    intoLabel(asLabel)(text);
    QCOMPARE(asPlain, plain);
    QCOMPARE(asLabel, label);
}

void TestTextTable::fillsPlaceholders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("filled");
    QTest::newRow("one value") << "Counts until %1 inclusive" << QStringList{"06.04.2015"}
                               << "Counts until 06.04.2015 inclusive";
    QTest::newRow("values in another order")
        << "%2 : %1" << QStringList{"first", "second"} << "second : first";
    QTest::newRow("three values") << "until %1; from %2: %3" << QStringList{"a", "b", "c"}
                                  << "until a; from b: c";
    QTest::newRow("a value's own placeholder stays")
        << "%1 and %2" << QStringList{"50%2", "x"} << "50%2 and x";
    QTest::newRow("an older file's %s")
        << "Expunged on %s" << QStringList{"07.04.2015"} << "Expunged on 07.04.2015";
    QTest::newRow("%s beside %1 is text") << "%1 (%s)" << QStringList{"v"} << "v (%s)";
}

void TestTextTable::fillsPlaceholders()
{
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    QFETCH(QString, filled);
    switch (values.size()) {
    case 1: QCOMPARE(filledText(text, values[0]), filled); break;
    case 2: QCOMPARE(filledText(text, values[0], values[1]), filled); break;
    case 3: QCOMPARE(filledText(text, values[0], values[1], values[2]), filled); break;
    default: QFAIL("one to three values");
    }
}

QTEST_GUILESS_MAIN(TestTextTable)
#include "tst_texttable.moc"
