// Start-up: the stored language chosen, refused or missing, the selector and the
// calculation date it leaves, and the first showing of the main window with every
// window's texts written by the localisation pass.
#include "programfixture.h"

#include "catalogue/labeltext.h"
#include "document/recordlist.h"
#include "ui/about.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/languageselector.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QWidgetAction>
#include <QtTest>

namespace {

QStringList itemTexts(const QComboBox *selector)
{
    QStringList texts;
    for (int i = 0; i < selector->count(); ++i)
        texts.append(selector->itemText(i));
    return texts;
}

// Every text a user can read in the window and the menus it owns, each with the
// name of the element that shows it.
QList<std::pair<QString, QString>> visibleTexts(const QWidget *window)
{
    QList<std::pair<QString, QString>> texts{{window->objectName(), window->windowTitle()}};
    const auto add = [&texts](const QObject *element, const QString &text) {
        texts.append(
            {QString::fromLatin1(element->metaObject()->className()) + u' ' + element->objectName(),
             text});
    };
    // Qt's own parts (the table's corner button, the calendar's month menu, the
    // tab bar's scroll arrows) carry no name of ours.
    const auto ours = [](const QObject *element) {
        return !element->objectName().isEmpty() && !element->objectName().startsWith(u"qt_") &&
               !qobject_cast<const QTabBar *>(element->parent());
    };
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->pixmap().isNull() && !label->isHidden())
            add(label, label->text());
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (ours(button))
            add(button, button->text());
    }
    for (const QGroupBox *group : window->findChildren<QGroupBox *>())
        add(group, group->title());
    for (const QTabWidget *pages : window->findChildren<QTabWidget *>()) {
        for (int page = 0; page < pages->count(); ++page)
            add(pages, pages->tabText(page));
    }
    for (const QMenu *menu : window->findChildren<QMenu *>()) {
        if (!ours(menu))
            continue;
        // A context menu shows no title; a menu of the menu bar does.
        if (!menu->menuAction()->associatedObjects().isEmpty())
            add(menu, menu->title());
        for (const QAction *action : menu->actions()) {
            // The language selector's holder is a widget, not a text.
            if (!action->isSeparator() && !action->menu() &&
                !qobject_cast<const QWidgetAction *>(action))
                add(action, action->text());
        }
    }
    return texts;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void startsInTheStoredLanguage_data();
    void startsInTheStoredLanguage();
    void firstStartFollowsTheLocale_data();
    void firstStartFollowsTheLocale();
    void firstShowingFillsTheWindows_data();
    void firstShowingFillsTheWindows();
};

void TestStartup::startsInTheStoredLanguage_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
    QTest::addColumn<QString>("removedFile");
    QTest::addColumn<QString>("shownLanguage");
    QTest::addColumn<QString>("selectorText");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("errors");

    // Each language by its own name, in the order of the files' names.
    const QStringList all{"English", "Français", "Русский"};
    // Nothing usable stored: the user's locale (American English here) chooses.
    QTest::newRow("nothing stored") << QVariant() << ""
                                    << "English"
                                    << "English" << all << QStringList{};
    QTest::newRow("Russian stored") << QVariant("Русский") << ""
                                    << "Russian"
                                    << "Русский" << all << QStringList{};
    QTest::newRow("French stored") << QVariant("Français") << ""
                                   << "French"
                                   << "Français" << all << QStringList{};
    // What an earlier version stored: the file base, shown by the language's own name.
    QTest::newRow("file base stored") << QVariant("Russian") << ""
                                      << "Russian"
                                      << "Русский" << all << QStringList{};
    QTest::newRow("stored language's file gone")
        << QVariant("Russian") << "Russian.lng"
        << "English"
        << "Russian" << QStringList{"English", "Français"} << QStringList{};
    QTest::newRow("stored name lists no language") << QVariant("russian") << ""
                                                   << "English"
                                                   << "russian" << all << QStringList{};
    QTest::newRow("list stored") << QVariant(QStringList{"Russian", "French"}) << ""
                                 << "English"
                                 << "English" << all << QStringList{"Invalid data type for 'Lang'"};
    QTest::newRow("bytes stored") << QVariant(QByteArray("Russian")) << ""
                                  << "English"
                                  << "English" << all
                                  << QStringList{"Invalid data type for 'Lang'"};
}

void TestStartup::startsInTheStoredLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, removedFile);
    QFETCH(QString, shownLanguage);
    QFETCH(QString, selectorText);
    QFETCH(QStringList, names);
    QFETCH(QStringList, errors);

    ProgramFixture fixture;
    if (stored.isValid())
        fixture.storeLanguage(stored);
    if (!removedFile.isEmpty())
        QVERIFY(QFile::remove(fixture.folder().langPath(removedFile)));
    const TForm1 &form = fixture.start();

    QCOMPARE(fixture.errors, errors);
    const LanguageSelector &selector = child<LanguageSelector>(form, "CmbBxLang");
    QCOMPARE(selector.currentText(), selectorText);
    QCOMPARE(selector.currentIndex(), -1);
    QCOMPARE(itemTexts(&selector), names);
    const DatePicker &calculationDate = child<DatePicker>(form, "DateTimePicker1");
    QCOMPARE(calculationDate.date(), ProgramFixture::today());
    QCOMPARE(calculationDate.text(), QStringLiteral("09.12.2026"));
    // The stored value is left as it was, whether it was used or not.
    QCOMPARE(fixture.storedLanguage(), stored);
    QCOMPARE(form.records().count(), 0);

    const LanguageTexts texts(fixture.folder(), shownLanguage);
    QCOMPARE(shownTitle(fixture.form()), texts("Caption.Kovrant_MainForm"));
    QCOMPARE(child<QPushButton>(form, "Button1").text(), texts("Button.Add"));
    QCOMPARE(child<QPushButton>(*form.Edit_frm, "Button2").text(), texts("Button.Cancel"));
    // A window's title shows no access key.
    QCOMPARE(form.AboutFrm->windowTitle(), withoutAccessKey(texts("Menu.About")));
    QCOMPARE(form.crimeCategories.texts[2], texts("String.SeriousCrime"));
}

void TestStartup::firstStartFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shownLanguage");
    QTest::addColumn<QString>("selectorText");

    QTest::newRow("ru_RU") << QLocale(QLocale::Russian, QLocale::Russia) << "Russian"
                           << "Русский";
    QTest::newRow("ru_KZ") << QLocale(QLocale::Russian, QLocale::Kazakhstan) << "Russian"
                           << "Русский";
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France) << "French"
                           << "Français";
    QTest::newRow("fr_CA") << QLocale(QLocale::French, QLocale::Canada) << "French"
                           << "Français";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "English"
                           << "English";
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "English"
                           << "English";
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "English"
                           << "English";
    QTest::newRow("C") << QLocale::c() << "English"
                       << "English";
}

void TestStartup::firstStartFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, shownLanguage);
    QFETCH(QString, selectorText);

    ProgramFixture fixture;
    fixture.setUserLocale(locale);
    TForm1 &form = fixture.startShown();

    QCOMPARE(child<LanguageSelector>(form, "CmbBxLang").currentText(), selectorText);
    QCOMPARE(form.catalogue().CurrentLanguage().FileBase, shownLanguage);
    const LanguageTexts texts(fixture.folder(), shownLanguage);
    QCOMPARE(shownTitle(form), texts("Caption.Kovrant_MainForm"));
    QCOMPARE(child<QLabel>(form, "Label2").text(), texts("String.Result"));
    QCOMPARE(child<QPushButton>(*form.Edit_frm, "Button2").text(), texts("Button.Cancel"));
    // The locale's choice is not stored: a later start follows the locale again.
    QCOMPARE(fixture.storedLanguage(), QVariant());
    QVERIFY(fixture.errors.isEmpty());
}

void TestStartup::firstShowingFillsTheWindows_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("French") << "French";
}

void TestStartup::firstShowingFillsTheWindows()
{
    QFETCH(QString, language);
    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    const LanguageTexts texts(fixture.folder(), language);
    const QStringList categories{texts("String.SmallCrime"), texts("String.AverageCrime"),
                                 texts("String.SeriousCrime"),
                                 texts("String.ParticularlySeriousCrime")};

    const QComboBox &category = child<QComboBox>(form, "ComboBox1");
    QCOMPARE(itemTexts(&category), categories);
    QCOMPARE(category.currentIndex(), -1);
    const QComboBox &dialogCategory = child<QComboBox>(*form.Edit_frm, "ComboBox1");
    QCOMPARE(itemTexts(&dialogCategory), categories);
    QCOMPARE(dialogCategory.currentIndex(), 0);
    QCOMPARE(child<QLabel>(form, "Label2").text(), texts("String.Result"));
    QVERIFY(!child<QPushButton>(form, "Button2").isEnabled());
    QVERIFY(!child<QPushButton>(form, "Button3").isEnabled());

    // Where each text goes: one text per element, across the three windows.
    const TEdit_frm &edit = *form.Edit_frm;
    const TAboutFrm &about = *form.AboutFrm;
    const QList<std::pair<QString, const char *>> placed{
        {edit.windowTitle(), "Caption.EditFrm"},
        {child<QPushButton>(edit, "Button1").text(), "Button.Ok"},
        {child<QLabel>(edit, "Label1").text(), "String.GravityOfCrime"},
        {child<QLabel>(edit, "Label2").text(), "String.DateOfCrime"},
        {child<QCheckBox>(edit, "CheckBox1").text(), "String.ActualCustodyImposed"},
        {child<QCheckBox>(edit, "CheckBox2").text(), "String.JuvenileCrime"},
        {child<QCheckBox>(edit, "CheckBox3").text(), "String.ReprieveExisted"},
        {child<QPushButton>(about, "OKButton").text(), "Button.Ok"},
        {child<QLabel>(about, "ProductName").text(), "Caption.Kovrant_MainForm"},
        {child<QLabel>(about, "Comments").text(), "String.AuthorQuennard"},
        {child<QMenu>(form, "N1").title(), "Menu.Files"},
        {child<QAction>(form, "N11").text(), "Button.Clear"},
        {child<QAction>(form, "SaveAction").text(), "Menu.Save"},
        {child<QAction>(form, "N50").text(), "String.SaveToFileCharacters"},
        {child<QAction>(form, "N2").text(), "Menu.Exit"},
        {child<QMenu>(form, "N20").title(), "Menu.Options"},
        {child<QMenu>(form, "N21").title(), "Menu.Language"},
        {child<QMenu>(form, "N5").title(), "Menu.Help"},
        {child<QAction>(form, "N8").text(), "Menu.About"},
        {child<QPushButton>(form, "Button2").text(), "Menu.Edit"},
        {child<QPushButton>(form, "Button3").text(), "Menu.Delete"},
        {child<QAction>(form, "N12").text(), "Button.Add"},
        {child<QAction>(form, "N13").text(), "Menu.Edit"},
        {child<QAction>(form, "N14").text(), "Menu.Delete"},
        {child<QGroupBox>(form, "GroupBox1").title(), "Group.CrimeChosen"},
        {child<QGroupBox>(form, "GroupBox2").title(), "String.Convictions"},
        {child<QTabWidget>(form, "PageControl1").tabText(0), "String.ListPage"},
        {child<QTabWidget>(form, "PageControl1").tabText(1), "String.Timeline"},
        {child<QLabel>(form, "Label1").text(), "String.GravityOfCrime"},
        {child<QLabel>(form, "Label3").text(), "String.ConvictionCancelled"},
        {child<QLabel>(form, "Label4").text(), "String.DateRecidivismCalculation"},
        {child<QCheckBox>(form, "CheckBox1").text(), "String.ActualCustody"},
        {child<QCheckBox>(form, "CheckBox2").text(), "String.NewCrimeNegligent"},
        {child<QLabel>(form, "StatusPanel0").text(), "String.AuthorQuennard"},
    };
    for (const auto &[shown, key] : placed)
        QCOMPARE(shown, texts(key));
    const QStringList columns{texts("String.DateOfConviction"), texts("String.GravityOfCrime"),
                              texts("String.ActualCustody"),    texts("String.Juvenile"),
                              texts("String.StayOfExecution"),  texts("String.Convictions"),
                              texts("String.ExpungedOnTitle")};
    // A column's title shows the text its label shares without the access key.
    for (int column = 0; column < columns.size(); ++column)
        QCOMPARE(child<QTableView>(form, "ListView1")
                     .model()
                     ->headerData(column, Qt::Horizontal)
                     .toString(),
                 withoutAccessKey(columns[column]));

    // Nothing is left empty or falls through to a missing-text marker.
    for (const QWidget *window :
         {static_cast<const QWidget *>(&form), static_cast<const QWidget *>(&edit),
          static_cast<const QWidget *>(&about)}) {
        for (const auto &[element, text] : visibleTexts(window)) {
            QVERIFY2(!text.isEmpty(), qPrintable(element));
            QVERIFY2(!text.startsWith(u"NoTranslate:"), qPrintable(element + u' ' + text));
        }
    }
    QCOMPARE(fixture.errors, QStringList{});
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
