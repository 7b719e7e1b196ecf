// The File and Help menu commands through the main window: saving and loading
// record files (Save in the list's own file, Save as always asking, the file
// dialogs starting at the list), help contents, the web and mail links, and the
// sample case.
#include "document/recordlist.h"
#include "localisation/assessmenttexts.h"
#include "programfixture.h"
#include "records/recordfile.h"
#include "ui/filechooser.h"
#include "ui/languageselector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

namespace {

const QString ClientList = QString::fromUtf8("Иванов дело.har");

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int rowsInFile(const TForm1 &form, const ProgramFixture &fixture, const QString &path)
{
    return int(loadRecordFile(path, form.crimeCategories, installedCategories(form.catalogue()),
                              fixture.dateFormat())
                   .records.size());
}

void activate(TForm1 &form)
{
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    child<QTableView>(form, "ListView1").setFocus();
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void filterTextBecomesDialogFilters_data();
    void filterTextBecomesDialogFilters();
    void fileDialogOpensAtItsStart_data();
    void fileDialogOpensAtItsStart();
    void saveThenLoadRestoresTheListAndRecomputes();
    void saveKeys_data();
    void saveKeys();
    void dialogsStartAtTheList_data();
    void dialogsStartAtTheList();
    void failedSaveKeepsTheListsFile_data();
    void failedSaveKeepsTheListsFile();
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
    // One row saved through Save as: the list's own file.
    static void giveTheListAFile(ProgramFixture &fixture, TForm1 &form, const QString &path);
    QTemporaryDir m_qtSettings; // where Qt's file dialog keeps its history
    // Writes a first page of the manual for each language code into the program folder.
    static void writeManuals(const ProgramFixture &fixture, const QStringList &codes);
    static QString manualIndex(const ProgramFixture &fixture, const QString &code);
};

void TestCommands::addRow(TForm1 &form, const ConvictionRecord &record)
{
    form.records().append(record);
}

void TestCommands::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_qtSettings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_qtSettings.path());
}

void TestCommands::giveTheListAFile(ProgramFixture &fixture, TForm1 &form, const QString &path)
{
    addRow(form, {QDate(2023, 4, 7), Gravity::Grave, true, false, false, {}});
    fixture.fileChooser.answer = path;
    child<QAction>(form, "N50").trigger();
    QCOMPARE(form.listFile(), path);
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

void TestCommands::fileDialogOpensAtItsStart_data()
{
    QTest::addColumn<QString>("start"); // in the temporary folder; empty: the folder
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("suggested"); // the name in the dialog's name field
    QTest::newRow("open: the list's folder") << "" << false << "";
    QTest::newRow("save as: the list's name") << ClientList << true << ClientList;
    QTest::newRow("export: a name not written yet")
        << QString::fromUtf8("Иванов дело.pdf") << true << QString::fromUtf8("Иванов дело.pdf");
}

// The desktop's dialog itself, as the program shows it, cancelled.
void TestCommands::fileDialogOpensAtItsStart()
{
    QFETCH(QString, start);
    QFETCH(bool, saving);
    QFETCH(QString, suggested);
#ifdef Q_OS_WIN
    QSKIP("Windows shows a file dialog of its own, whose folder and name field Qt does not "
          "expose; the start path it is given is checked with the scripted chooser");
#endif
    const QTemporaryDir dir;
    QFile list(dir.filePath(ClientList));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.close();
    const FileDialogSetup setup{"Title", "Lists|*.har", "har",
                                start.isEmpty() ? dir.path() : dir.filePath(start)};

    QString folder;
    QString name;
    const auto ran = whenModal<QFileDialog>(this, [&](QFileDialog &dialog) {
        folder = dialog.directory().absolutePath();
        const auto *nameField = dialog.findChild<QLineEdit *>("fileNameEdit");
        name = nameField != nullptr ? nameField->text() : QStringLiteral("(no name field)");
    });
    DialogFileChooser chooser;
    const std::optional<QString> chosen = saving ? chooser.chooseFileToSave(nullptr, setup)
                                                 : chooser.chooseFileToOpen(nullptr, setup);
    QVERIFY(*ran);
    QVERIFY(!chosen);
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QCOMPARE(name, suggested);
}

void TestCommands::saveThenLoadRestoresTheListAndRecomputes()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const ConvictionRecord recent{QDate(2023, 4, 7), Gravity::Grave, true, false, false, {}};
    addRow(form, recent);
    addRow(form, {QDate(1975, 2, 1), Gravity::Small, false, true, true, {}});

    const QString path = fixture.folder().programFolder() + "/client.har";
    fixture.fileChooser.answer = path;
    child<QAction>(form, "N50").trigger();
    QVERIFY(fixture.errors.isEmpty());
    QCOMPARE(fixture.fileChooser.lastSetup.title, fixture.text("Button.SaveAs"));
    QCOMPARE(fixture.fileChooser.lastSetup.filter, fixture.text("String.CharacterFileFilter"));
    QCOMPARE(fixture.fileChooser.lastSetup.defaultSuffix, QStringLiteral("har"));

    form.records().clear();
    child<QAction>(form, "N3").trigger();
    QVERIFY(fixture.errors.isEmpty());
    QCOMPARE(fixture.fileChooser.lastSetup.title, fixture.text("Button.Open"));
    QCOMPARE(form.records().count(), 2);
    QCOMPARE(form.records().at(0), recent);
    QCOMPARE(form.records().at(1).date, QDate(1975, 2, 1));
    // Loading recomputes: the old conviction is expunged (Art. 86 part 3 (c), three
    // years for a small crime), the recent one in force.
    QCOMPARE(shownText(form, 0, RecordColumn::InForce), fixture.text("String.Yes"));
    QCOMPARE(shownText(form, 1, RecordColumn::InForce), fixture.text("String.No"));
}

void TestCommands::cancelledDialogsDoNothing()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    addRow(form, {QDate(2023, 4, 7), Gravity::Grave, true, true, false, {}});
    fixture.fileChooser.answer.reset();
    child<QAction>(form, "N50").trigger();
    child<QAction>(form, "N3").trigger();
    QCOMPARE(form.records().count(), 1);
    QVERIFY(fixture.errors.isEmpty());
    QVERIFY(QDir(fixture.folder().programFolder()).entryList({"*.har"}).isEmpty());
}

void TestCommands::saveKeys_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("titled"); // the list has a file of its own
    QTest::addColumn<bool>("asks");
    const int save = Qt::ControlModifier;
    const int saveAs = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+S, a list from a file: written in place") << save << true << false;
    QTest::newRow("Ctrl+S, an untitled list: a name asked") << save << false << true;
    QTest::newRow("Ctrl+Shift+S, a list from a file: a name asked") << saveAs << true << true;
    QTest::newRow("Ctrl+Shift+S, an untitled list: a name asked") << saveAs << false << true;
}

void TestCommands::saveKeys()
{
    QFETCH(int, modifiers);
    QFETCH(bool, titled);
    QFETCH(bool, asks);
    const QTemporaryDir dir;
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QString own = dir.filePath(ClientList);
    if (titled)
        giveTheListAFile(fixture, form, own);
    const QByteArray ownBefore = bytesOf(own);
    // A second row and a change of the new crime, unsaved.
    addRow(form, {QDate(2010, 2, 1), Gravity::Medium, true, false, false, {}});
    child<QCheckBox>(form, "CheckBox1").click();
    QVERIFY(form.hasUnsavedChanges());

    const QString chosen = dir.filePath(QString::fromUtf8("другое.har"));
    fixture.fileChooser.answer = chosen;
    fixture.fileChooser.questions = 0;
    fixture.fileChooser.lastSetup = {};
    activate(form);
    QTest::keyClick(&form, Qt::Key_S, Qt::KeyboardModifiers(modifiers));

    QCOMPARE(fixture.fileChooser.questions, asks ? 1 : 0);
    const QString written = asks ? chosen : own;
    QCOMPARE(rowsInFile(form, fixture, written), form.records().count());
    QCOMPARE(form.listFile(), written);
    QVERIFY(!form.hasUnsavedChanges());
    QCOMPARE(shownTitle(form),
             QFileInfo(written).fileName() + " — " + fixture.text("Caption.Kovrant_MainForm"));
    if (asks) {
        // Save as suggests the list's own name, in its folder.
        QCOMPARE(fixture.fileChooser.lastSetup.title, fixture.text("Button.SaveAs"));
        QCOMPARE(fixture.fileChooser.lastSetup.startPath, titled ? own : QString());
        QCOMPARE(bytesOf(own), ownBefore);
    }
    QVERIFY(fixture.errors.isEmpty());
}

void TestCommands::dialogsStartAtTheList_data()
{
    QTest::addColumn<int>("key"); // with Ctrl
    QTest::addColumn<bool>("titled");
    QTest::addColumn<QString>("start"); // in the list's folder; empty: the folder
    QTest::newRow("open, a list from a file: its folder") << int(Qt::Key_O) << true << "";
    QTest::newRow("export, a list from a file: its name as a PDF")
        << int(Qt::Key_E) << true << QString::fromUtf8("Иванов дело.pdf");
    QTest::newRow("open, an untitled list: the dialog's own choice")
        << int(Qt::Key_O) << false << "";
    QTest::newRow("export, an untitled list: the dialog's own choice")
        << int(Qt::Key_E) << false << "";
}

void TestCommands::dialogsStartAtTheList()
{
    QFETCH(int, key);
    QFETCH(bool, titled);
    QFETCH(QString, start);
    const QTemporaryDir dir;
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    if (titled)
        giveTheListAFile(fixture, form, dir.filePath(ClientList));
    fixture.fileChooser.answer.reset();
    fixture.fileChooser.questions = 0;
    activate(form);
    QTest::keyClick(&form, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(fixture.fileChooser.questions, 1);
    const QString expected =
        !titled ? QString() : (start.isEmpty() ? dir.path() : dir.filePath(start));
    QCOMPARE(fixture.fileChooser.lastSetup.startPath, expected);
    QVERIFY(fixture.errors.isEmpty());
}

void TestCommands::failedSaveKeepsTheListsFile_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("titled");
    QTest::addColumn<bool>("folderGone"); // else the name chosen lies under a plain file
    const int save = Qt::ControlModifier;
    const int saveAs = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+S, the list's folder gone") << save << true << true;
    QTest::newRow("Ctrl+Shift+S, a name under a plain file") << saveAs << true << false;
    QTest::newRow("Ctrl+S untitled, a name under a plain file") << save << false << false;
}

// The error is shown, and the list keeps its file and its mark of unsaved changes.
void TestCommands::failedSaveKeepsTheListsFile()
{
    QFETCH(int, modifiers);
    QFETCH(bool, titled);
    QFETCH(bool, folderGone);
    const QTemporaryDir dir;
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QString own = dir.filePath("folder/" + ClientList);
    QVERIFY(QDir().mkpath(dir.filePath("folder")));
    if (titled)
        giveTheListAFile(fixture, form, own);
    child<QCheckBox>(form, "CheckBox1").click();
    if (folderGone)
        QVERIFY(QDir(dir.filePath("folder")).removeRecursively());
    QFile plain(dir.filePath("plain.txt"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    fixture.fileChooser.answer = dir.filePath("plain.txt/list.har");
    const QString fileBefore = form.listFile();
    const QString titleBefore = shownTitle(form);
    QVERIFY(titleBefore.contains('*'));

    activate(form);
    QTest::keyClick(&form, Qt::Key_S, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(fixture.errors.size(), 1);
    QCOMPARE(form.listFile(), fileBefore);
    QVERIFY(form.hasUnsavedChanges());
    QCOMPARE(shownTitle(form), titleBefore);
}

void TestCommands::damagedFileLeavesTheList()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    addRow(form, {QDate(2023, 4, 7), Gravity::Grave, true, true, false, {}});
    const QString path = fixture.folder().programFolder() + "/damaged.har";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[previous_conviction]\r\ncount=2147483647\r\n");
    file.close();

    fixture.fileChooser.answer = path;
    child<QAction>(form, "N3").trigger();
    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY2(fixture.errors.first().contains("damaged"), qPrintable(fixture.errors.first()));
    QCOMPARE(form.records().count(), 1);
    QCOMPARE(form.records().at(0),
             (ConvictionRecord{QDate(2023, 4, 7), Gravity::Grave, true, true, false, {}}));
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
    child<QAction>(form, "N6").trigger();
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
    child<QAction>(form, "N6").trigger();
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
    QCOMPARE(fixture.shell.helpPages, QList<QUrl>{QUrl::fromLocalFile(manualIndex(fixture, "en"))});

    // Once it has one, its own opens.
    writeManuals(fixture, {"de"});
    child<QAction>(form, "N6").trigger();
    QCOMPARE(fixture.shell.helpPages.last(), QUrl::fromLocalFile(manualIndex(fixture, "de")));
}

void TestCommands::webAndMailLinks()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    const QUrl web(fixture.text("String.WebLink"));
    child<QAction>(form, "N16").trigger();
    QTest::mouseDClick(&child<QStatusBar>(form, "StatusBar1"), Qt::LeftButton);
    child<QAction>(form, "N17").trigger();
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
    // The wiring: an address the rule accepts is opened, one it refuses is shown
    // as an error and not opened. The rule itself: tst_webaddress.
    QTest::newRow("https") << "https://example.org/code" << true;
    QTest::newRow("local program") << "file:///usr/bin/xterm" << false;
}

void TestCommands::webLinkMustBeHttp()
{
    QFETCH(QString, link);
    QFETCH(bool, opened);
    ProgramFixture fixture;
    fixture.folder().write("English.lng",
                           "[main]\nLangName=English\n[String]\nWebLink=" + link + "\n");
    TForm1 &form = fixture.startShown();
    child<QAction>(form, "N16").trigger();
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
        addRow(
            form,
            {QDate(2001, 1, 1), ConvictionGravity::unrecognised("other"), false, true, true, {}});
    child<QCheckBox>(form, "CheckBox1").setChecked(false);

    child<QAction>(form, "N9").trigger();
    QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join('\n')));
    QCOMPARE(child<QComboBox>(form, "ComboBox1").currentIndex(), int(Gravity::Grave));
    QCOMPARE(form.records().count(), 2);
    const ConvictionRecord expected{QDate(2023, 4, 7), Gravity::Grave, true, false, false, {}};
    QCOMPARE(form.records().at(0), expected);
    QCOMPARE(form.records().at(1), expected);
    // Shown in the user's date format and the interface's words.
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(shownText(form, row, RecordColumn::Date), date);
        QCOMPARE(shownText(form, row, RecordColumn::Severity), fixture.text("String.SeriousCrime"));
        QCOMPARE(shownText(form, row, RecordColumn::InForce), fixture.text("String.Yes"));
    }
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.DangerRecidiv"));
    child<QCheckBox>(form, "CheckBox1").setChecked(true);
    QCOMPARE(child<QLabel>(form, "Label2").text(), fixture.text("String.EspeciallyDangerRecidiv"));
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
