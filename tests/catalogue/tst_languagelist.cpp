// The language list: listing order, the [main] description with its defaults,
// selection by display name and by file base, and rescanning an empty list.
#include "catalogue/uLocalize.h"
#include "platform/runtimeerror.h"
#include "support/languagefolder.h"

#include <QtTest>

class TestLanguageList : public QObject
{
    Q_OBJECT

private slots:
    void listsInCaselessNameOrder();
    void readsDescriptionWithDefaults_data();
    void readsDescriptionWithDefaults();
    void fillsNamesOrFileBases();
    void lastMatchingNameWins();
    void emptyNameNeverSelectable();
    void unmatchedNameLeavesSlot();
    void defaultMatchesFileBaseNotName();
    void emptyFolderIsRescannedOnEachCall();
    void unreadableFileStopsTheListing();
};

void TestLanguageList::listsInCaselessNameOrder()
{
    const LanguageFolder folder;
    for (const char *name : {"russian.lng", "English.LNG", "b.lng", "Ákos.lng", "A_b.lng", "a.lng"})
        folder.write(QString::fromUtf8(name), "[main]\n");
    folder.write("notes.txt", "[main]\n");
    folder.write(".hidden.lng", "[main]\n");
    folder.write("x.lngx", "[main]\n");
    QVERIFY(QDir(folder.langFolder()).mkdir("folder.lng"));

    LanguageCatalogue catalogue(folder.programFolder());
    QStringList bases;
    catalogue.FillLanguageNames(bases, false);
    // Upper-cased code units: "A" < "A_B" < "B" < "ENGLISH" < "RUSSIAN" < "ÁKOS".
    QCOMPARE(bases, (QStringList{"a", "A_b", "b", "English", "russian", "Ákos"}));
}

void TestLanguageList::readsDescriptionWithDefaults_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<int>("langId");
    QTest::newRow("full") << "[main]\nLangName=Русский\nFlag=ru.ico\nLangID=1049\n"
                          << "Русский"
                          << "ru.ico" << 1049;
    QTest::newRow("no [main]") << "[String]\nYes=Da\n"
                               << "Lang"
                               << "flag_white.ico" << -1;
    QTest::newRow("empty file") << ""
                                << "Lang"
                                << "flag_white.ico" << -1;
    QTest::newRow("Flag None") << "[main]\nFlag=None\n"
                               << "Lang"
                               << "flag_white.ico" << -1;
    QTest::newRow("Flag none is a name") << "[main]\nFlag=none\n"
                                         << "Lang"
                                         << "none" << -1;
    QTest::newRow("Flag empty") << "[main]\nFlag=\n"
                                << "Lang"
                                << "flag_white.ico" << -1;
    QTest::newRow("LangID 0x") << "[main]\nLangID=0x0419\n"
                               << "Lang"
                               << "flag_white.ico" << 0x419;
    QTest::newRow("LangID 0X") << "[main]\nLangID=0X040C\n"
                               << "Lang"
                               << "flag_white.ico" << 0x40C;
    QTest::newRow("LangID $") << "[main]\nLangID=$409\n"
                              << "Lang"
                              << "flag_white.ico" << 0x409;
    QTest::newRow("LangID not a number") << "[main]\nLangID=ru\n"
                                         << "Lang"
                                         << "flag_white.ico" << -1;
    QTest::newRow("LangName empty") << "[main]\nLangName=\n"
                                    << ""
                                    << "flag_white.ico" << -1;
}

void TestLanguageList::readsDescriptionWithDefaults()
{
    QFETCH(QString, content);
    QFETCH(QString, name);
    QFETCH(QString, flag);
    QFETCH(int, langId);
    const LanguageFolder folder;
    folder.write("Lang.lng", content);
    LanguageCatalogue catalogue(folder.programFolder());
    catalogue.LoadLanguageList();
    QCOMPARE(catalogue.LanguageList().size(), 1);
    const TLangItemRec &item = catalogue.LanguageList().first();
    QCOMPARE(item.FileBase, QStringLiteral("Lang"));
    QCOMPARE(item.Name, name);
    QCOMPARE(item.Flag, flag);
    QCOMPARE(item.LangID, langId);
}

void TestLanguageList::fillsNamesOrFileBases()
{
    const LanguageFolder folder;
    folder.write("English.lng", "[main]\nLangName=English\n");
    folder.write("Russian.lng", "[main]\nLangName=Russian\n");
    folder.write("Unnamed.lng", "[String]\n");
    LanguageCatalogue catalogue(folder.programFolder());
    QStringList target{"left over"};
    catalogue.FillLanguageNames(target, true);
    QCOMPARE(target, (QStringList{"English", "Russian", "Unnamed"}));
}

void TestLanguageList::lastMatchingNameWins()
{
    const LanguageFolder folder;
    folder.write("A.lng", "[main]\nLangName=Same\nFlag=a.ico\nLangID=1\n");
    folder.write("B.lng", "[main]\nLangName=Same\nFlag=b.ico\nLangID=2\n");
    LanguageCatalogue catalogue(folder.programFolder());
    QStringList names;
    catalogue.FillLanguageNames(names, true);
    QCOMPARE(names, (QStringList{"Same", "Same"}));
    QVERIFY(catalogue.SelectLanguage("Same"));
    QCOMPARE(catalogue.CurrentLanguage().FileBase, QStringLiteral("B"));
    QCOMPARE(catalogue.CurrentLanguage().Flag, QStringLiteral("b.ico"));
    QCOMPARE(catalogue.CurrentLanguage().LangID, 2);
    QVERIFY(!catalogue.SelectLanguage("same")); // names match exactly
}

void TestLanguageList::emptyNameNeverSelectable()
{
    const LanguageFolder folder;
    folder.write("Blank.lng", "[main]\nLangName=\n");
    LanguageCatalogue catalogue(folder.programFolder());
    QVERIFY(!catalogue.SelectLanguage(""));
    QVERIFY(!catalogue.SelectDefaultLanguage("Blank"));
    QVERIFY(catalogue.CurrentLanguage().FileBase.isEmpty());
    QVERIFY(catalogue.DefaultLanguage().FileBase.isEmpty());
}

void TestLanguageList::unmatchedNameLeavesSlot()
{
    const LanguageFolder folder;
    folder.write("Russian.lng", "[main]\nLangName=Russian\n");
    LanguageCatalogue catalogue(folder.programFolder());
    QVERIFY(catalogue.SelectLanguage("Russian"));
    QVERIFY(!catalogue.SelectLanguage("Klingon"));
    QCOMPARE(catalogue.CurrentLanguage().Name, QStringLiteral("Russian"));
}

void TestLanguageList::defaultMatchesFileBaseNotName()
{
    const LanguageFolder folder;
    folder.write("English.lng", "[main]\nLangName=Anglais\nFlag=gb.ico\nLangID=9\n");
    LanguageCatalogue catalogue(folder.programFolder());
    QVERIFY(!catalogue.SelectDefaultLanguage("Anglais"));
    QVERIFY(catalogue.SelectDefaultLanguage("English"));
    QCOMPARE(catalogue.DefaultLanguage().Name, QStringLiteral("Anglais"));
    QCOMPARE(catalogue.DefaultLanguage().FileBase, QStringLiteral("English"));
    // The default slot keeps names only.
    QVERIFY(catalogue.DefaultLanguage().Flag.isEmpty());
    QCOMPARE(catalogue.DefaultLanguage().LangID, -1);
}

void TestLanguageList::emptyFolderIsRescannedOnEachCall()
{
    const LanguageFolder folder;
    LanguageCatalogue catalogue(folder.programFolder());
    QVERIFY(!catalogue.SelectLanguage("English"));
    folder.write("English.lng", "[main]\nLangName=English\n");
    QVERIFY(catalogue.SelectLanguage("English"));

    LanguageCatalogue noFolder(folder.programFolder() + "/absent");
    QStringList names{"x"};
    noFolder.FillLanguageNames(names, true);
    QVERIFY(names.isEmpty());
}

void TestLanguageList::unreadableFileStopsTheListing()
{
    const LanguageFolder folder;
    folder.write("A.lng", "[main]\nLangName=Alpha\n");
    folder.writeBytes("B.lng", QByteArray(LanguageFileMaxBytes + 1, ';'));
    folder.write("C.lng", "[main]\nLangName=Gamma\n");
    LanguageCatalogue catalogue(folder.programFolder());
    QVERIFY_THROWS_EXCEPTION(RuntimeError, catalogue.LoadLanguageList());
    const QList<TLangItemRec> &list = catalogue.LanguageList();
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[0].Name, QStringLiteral("Alpha"));
    QVERIFY(list[2].Name.isEmpty());
    QCOMPARE(list[2].FileBase, QStringLiteral("C"));
}

QTEST_GUILESS_MAIN(TestLanguageList)
#include "tst_languagelist.moc"
