// INI parsing as the profile-file service reads files: trimming, comments,
// sections, the first "=", duplicates and names without regard to case.
#include "platform/inidocument.h"

#include <QtTest>

class TestIniDocument : public QObject
{
    Q_OBJECT

private slots:
    void looksUp_data();
    void looksUp();
    void missingSectionOrKey();
};

namespace {
const QString Fixture = QStringLiteral("LangName=before any section\r\n"
                                       "[main]\r\n"
                                       "  LangName =  Russian \t\r\n"
                                       "; LangID=1\r\n"
                                       "  ;Flag=commented\n"
                                       "Equation = a=b=c\n"
                                       "NoEqualsSign\n"
                                       "Dup=first\n"
                                       "dup=second\r"
                                       "Empty=\n"
                                       "\x01\x1f Control=trimmed\x1f\n"
                                       "Кириллица=значение\n"
                                       "[ String ]\n"
                                       "Yes=Да\n"
                                       "[Old]\n"
                                       "Gone=earlier block\n"
                                       "[old]\n"
                                       "Kept=later block\n"
                                       "[]\n"
                                       "Bare=in the empty section\n");
}

void TestIniDocument::looksUp_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("trimmed key and value") << "main"
                                           << "LangName"
                                           << "Russian";
    QTest::newRow("section name any case") << "MAIN"
                                           << "langname"
                                           << "Russian";
    QTest::newRow("first = splits") << "main"
                                    << "Equation"
                                    << "a=b=c";
    QTest::newRow("later duplicate wins, any case") << "main"
                                                    << "DUP"
                                                    << "second";
    QTest::newRow("empty value") << "main"
                                 << "Empty"
                                 << "";
    QTest::newRow("control characters trimmed") << "main"
                                                << "Control"
                                                << "trimmed";
    QTest::newRow("Cyrillic key any case") << "main"
                                           << "КИРИЛЛИЦА"
                                           << "значение";
    QTest::newRow("section name trimmed") << "String"
                                          << "Yes"
                                          << "Да";
    QTest::newRow("repeated header: later block") << "OLD"
                                                  << "Kept"
                                                  << "later block";
    QTest::newRow("empty section name") << ""
                                        << "Bare"
                                        << "in the empty section";
}

void TestIniDocument::looksUp()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const IniDocument document = IniDocument::parse(Fixture);
    const std::optional<QString> value = document.value(section, key);
    QVERIFY2(value.has_value(), qPrintable(section + "." + key));
    QCOMPARE(*value, expected);
}

void TestIniDocument::missingSectionOrKey()
{
    const IniDocument document = IniDocument::parse(Fixture);
    QCOMPARE(document.value(u"main", u"LangID"), std::nullopt); // commented out
    QCOMPARE(document.value(u"main", u"Flag"), std::nullopt);   // indented comment
    QCOMPARE(document.value(u"main", u"NoEqualsSign"), std::nullopt);
    QCOMPARE(document.value(u"old", u"Gone"), std::nullopt); // earlier block ignored
    QCOMPARE(document.value(u"absent", u"Yes"), std::nullopt);
    QCOMPARE(document.value(u"String", u"Ye"), std::nullopt);
    QCOMPARE(document.value(u"main", u"Missing", QStringLiteral("default")),
             QStringLiteral("default"));
    QVERIFY(!IniDocument::parse(QString()).hasSection(u"main"));
    QVERIFY(document.hasSection(u"MAIN"));
}

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
