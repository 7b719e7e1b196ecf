// The File and Help menu commands through the main window: saving and loading
// record files, help contents, the web and mail links, and the sample case.
#include "assessment/recordlist.h"
#include "programfixture.h"
#include "ui/filechooser.h"
#include "ui/languageselector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QtTest>

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void filterTextBecomesDialogFilters_data();
    void filterTextBecomesDialogFilters();
    void saveThenLoadRestoresTheListAndRecomputes();
    void cancelledDialogsDoNothing();
    void damagedFileLeavesTheList();
    void helpOpensTheManualOfTheLanguage_data();
    void helpOpensTheManualOfTheLanguage();
    void languageWithoutManualOpensEnglish();
    void webAndMailLinks();
    void webLinkMustBeHttp_data();
    void webLinkMustBeHttp();
    void sampleDataUnderEachLocale_data();
    void sampleDataUnderEachLocale();

private:
    static void addRow(TForm1 &form, const ConvictionRecord &record);
    // Writes a first page of the manual for each language code into the program folder.
    static void writeManuals(const ProgramFixture &fixture, const QStringList &codes);
    static QString manualIndex(const ProgramFixture &fixture, const QString &code);
};

void TestCommands::addRow(TForm1 &form, const ConvictionRecord &record)
{
    form.records().append(record);
}

void TestCommands::filterTextBecomesDialogFilters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("filters");
    QTest::newRow("description already names its pattern")
        << "Списки судимостей (*.har)|*.har" << QStringList{"Списки судимостей (*.har)"};
    QTest::newRow("pattern added in brackets") << "Lists|*.har" << QStringList{"Lists (*.har)"};
    QTest::newRow("two pairs, ; becomes a blank")
        << "Lists|*.har;*.HAR|All files|*.*"
        << QStringList{"Lists (*.har *.HAR)", "All files (*.*)"};
    QTest::newRow("empty text") << "" << QStringList{"(*.har)"};
    QTest::newRow("missing key's marker")
        << "NoTranslate:CharacterFileFilter" << QStringList{"(*.har)"};
}

void TestCommands::filterTextBecomesDialogFilters()
{
    QFETCH(QString, text);
    QFETCH(QStringList, filters);
    QCOMPARE(fileDialogFilters(text), filters);
}

void TestCommands::saveThenLoadRestoresTheListAndRecomputes()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QString yes = fixture.text("String.Yes");
    const QString no = fixture.text("String.No");
    const QString grave = form.crimeCategories[Gravity::Grave];
    addRow(form, {"07.04.2023", grave, yes, no, no, {}});
    addRow(form, {"01.02.1975", form.crimeCategories[Gravity::Small], no, yes, yes, {}});

    const QString path = fixture.folder().programFolder() + "/client.har";
    fixture.fileChooser.answer = path;
    form.N50->trigger();
    QVERIFY(fixture.errors.isEmpty());
    QCOMPARE(fixture.fileChooser.lastSetup.title, fixture.text("Button.SaveAs"));
    QCOMPARE(fixture.fileChooser.lastSetup.filter, fixture.text("String.CharacterFileFilter"));
    QCOMPARE(fixture.fileChooser.lastSetup.defaultSuffix, QStringLiteral("har"));

    form.records().clear();
    form.N3->trigger();
    QVERIFY(fixture.errors.isEmpty());
    QCOMPARE(fixture.fileChooser.lastSetup.title, fixture.text("Button.Open"));
    QCOMPARE(form.records().count(), 2);
    QCOMPARE(form.records().at(0), (ConvictionRecord{"07.04.2023", grave, yes, no, no, yes}));
    QCOMPARE(form.records().at(1).Date, QStringLiteral("01.02.1975"));
    // Loading recomputes: the old conviction is expunged.
    QCOMPARE(form.records().at(1).InForce, no);
}

void TestCommands::cancelledDialogsDoNothing()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    addRow(form, {"07.04.2023", form.crimeCategories[Gravity::Grave], "x", "y", "z", {}});
    fixture.fileChooser.answer.reset();
    form.N50->trigger();
    form.N3->trigger();
    QCOMPARE(form.records().count(), 1);
    QVERIFY(fixture.errors.isEmpty());
    QVERIFY(QDir(fixture.folder().programFolder()).entryList({"*.har"}).isEmpty());
}

void TestCommands::damagedFileLeavesTheList()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    addRow(form, {"07.04.2023", form.crimeCategories[Gravity::Grave], "x", "y", "z", {}});
    const QString path = fixture.folder().programFolder() + "/damaged.har";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[previous_conviction]\r\ncount=2147483647\r\n");
    file.close();

    fixture.fileChooser.answer = path;
    form.N3->trigger();
    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY2(fixture.errors.first().contains("damaged"), qPrintable(fixture.errors.first()));
    QCOMPARE(form.records().count(), 1);
    QCOMPARE(form.records().at(0).Custody, QStringLiteral("x"));
}

QString TestCommands::manualIndex(const ProgramFixture &fixture, const QString &code)
{
    return QDir(fixture.folder().programFolder())
        .filePath(QStringLiteral("manual/%1/index.html").arg(code));
}

void TestCommands::writeManuals(const ProgramFixture &fixture, const QStringList &codes)
{
    for (const QString &code : codes) {
        const QString path = manualIndex(fixture, code);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile page(path);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<!DOCTYPE html><html lang=\"" + code.toUtf8() + "\"></html>");
    }
}

void TestCommands::helpOpensTheManualOfTheLanguage_data()
{
    QTest::addColumn<QString>("language"); // the stored language's file base
    QTest::addColumn<QStringList>("manuals");
    QTest::addColumn<QString>("opened"); // the manual's code; empty: none opens
    const QStringList all{"en", "ru", "fr"};
    QTest::newRow("Russian") << "Russian" << all << "ru";
    QTest::newRow("French") << "French" << all << "fr";
    QTest::newRow("English") << "English" << all << "en";
    QTest::newRow("French without its own: English") << "French" << QStringList{"en", "ru"} << "en";
    QTest::newRow("Russian, only its own") << "Russian" << QStringList{"ru"} << "ru";
    QTest::newRow("French, only Russian's: missing") << "French" << QStringList{"ru"} << "";
    QTest::newRow("English, none: missing") << "English" << QStringList{} << "";
}

void TestCommands::helpOpensTheManualOfTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, manuals);
    QFETCH(QString, opened);
    ProgramFixture fixture;
    writeManuals(fixture, manuals);
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    form.N6->trigger();
    if (opened.isEmpty()) {
        QVERIFY(fixture.shell.helpPages.isEmpty());
        QCOMPARE(fixture.errors.size(), 1);
        // The message names where the English manual belongs, in the interface's language.
        const QString missing =
            fixture.text("String.HelpFileMissing")
                .replace("%1", QDir::toNativeSeparators(manualIndex(fixture, "en")));
        QCOMPARE(fixture.errors.first(), missing);
    } else {
        QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
        const QUrl page = QUrl::fromLocalFile(manualIndex(fixture, opened));
        QCOMPARE(fixture.shell.helpPages, QList<QUrl>{page});
    }
}

void TestCommands::languageWithoutManualOpensEnglish()
{
    // A language added beside the shipped ones, before its manual is written.
    ProgramFixture fixture;
    fixture.folder().write("German.lng", "[main]\nLangName=Deutsch\nLangID=0x0407\n"
                                         "[String]\nContent=&Inhalt\n");
    writeManuals(fixture, {"en", "ru", "fr"});
    fixture.storeLanguage("German");
    TForm1 &form = fixture.startShown();
    form.N6->trigger();
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
    QCOMPARE(fixture.shell.helpPages, QList<QUrl>{QUrl::fromLocalFile(manualIndex(fixture, "en"))});

    // Once it has one, its own opens.
    writeManuals(fixture, {"de"});
    form.N6->trigger();
    QCOMPARE(fixture.shell.helpPages.last(), QUrl::fromLocalFile(manualIndex(fixture, "de")));
}

void TestCommands::webAndMailLinks()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QUrl web(fixture.text("String.WebLink"));
    form.N16->trigger();
    QTest::mouseDClick(form.StatusBar1, Qt::LeftButton);
    form.N17->trigger();
    QVERIFY(fixture.errors.isEmpty());
    QCOMPARE(fixture.shell.addresses.size(), 3);
    QCOMPARE(fixture.shell.addresses[0], web);
    QCOMPARE(fixture.shell.addresses[1], web);
    QCOMPARE(fixture.shell.addresses[2].scheme(), QStringLiteral("mailto"));
}

void TestCommands::webLinkMustBeHttp_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https") << "https://example.org/code" << true;
    QTest::newRow("HTTP in capitals") << "HTTP://example.org/" << true;
    QTest::newRow("long address") << "https://example.org/" + QString(400, u'a') << true;
    QTest::newRow("local program") << "file:///usr/bin/xterm" << false;
    QTest::newRow("bare path") << "/usr/bin/xterm" << false;
    QTest::newRow("other scheme") << "javascript:alert(1)" << false;
    QTest::newRow("no host") << "http://" << false;
}

void TestCommands::webLinkMustBeHttp()
{
    QFETCH(QString, link);
    QFETCH(bool, opened);
    ProgramFixture fixture;
    fixture.folder().write("English.lng",
                           "[main]\nLangName=English\n[String]\nWebLink=" + link + "\n");
    TForm1 &form = fixture.startShown();
    form.N16->trigger();
    QCOMPARE(fixture.shell.addresses.size(), opened ? 1 : 0);
    QCOMPARE(fixture.errors.size(), opened ? 0 : 1);
    if (!opened)
        QVERIFY2(fixture.errors.first().contains(link), qPrintable(fixture.errors.first()));
}

void TestCommands::sampleDataUnderEachLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("date");
    QTest::newRow("ru_RU") << QLocale("ru_RU") << "07.04.2023";
    QTest::newRow("en_US") << QLocale("en_US") << "4/7/2023";
    QTest::newRow("C") << QLocale::c() << "2023-04-07";
}

void TestCommands::sampleDataUnderEachLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, date);
    ProgramFixture fixture;
    fixture.setDateLocale(locale);
    TForm1 &form = fixture.startShown();
    for (int i = 0; i < 3; ++i)
        addRow(form, {date, "other", "x", "y", "z", {}});
    form.CheckBox1->setChecked(false);

    form.N9->trigger();
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
    QCOMPARE(form.ComboBox1->currentIndex(), int(Gravity::Grave));
    QCOMPARE(form.records().count(), 2);
    const ConvictionRecord expected{date,
                                    form.crimeCategories[Gravity::Grave],
                                    fixture.text("String.Yes"),
                                    fixture.text("String.No"),
                                    fixture.text("String.No"),
                                    fixture.text("String.Yes")};
    QCOMPARE(form.records().at(0), expected);
    QCOMPARE(form.records().at(1), expected);
    QCOMPARE(form.Label2->text(), fixture.text("String.DangerRecidiv"));
    form.CheckBox1->setChecked(true);
    QCOMPARE(form.Label2->text(), fixture.text("String.EspeciallyDangerRecidiv"));
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
