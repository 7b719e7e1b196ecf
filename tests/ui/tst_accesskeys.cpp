// Access keys and shortcuts: every menu, the main window and the record dialog
// give each of their texts a different access key in every language; Alt and a
// menu's key, or F10, open the menu bar; a label's key focuses its input; Save,
// Save as, Export, Clear data and Language have keys of their own.
#include "programfixture.h"

#include "document/recordlist.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/languageselector.h"
#include "ui/optionaldatepicker.h"

#include <QAction>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

struct KeyedText
{
    QString element;
    QString text;
};

QList<KeyedText> menuTexts(const QMenu &menu)
{
    QList<KeyedText> texts;
    for (const QAction *action : menu.actions()) {
        if (!action->isSeparator() && !action->text().isEmpty())
            texts.append({action->objectName(), action->text()});
    }
    return texts;
}

template<typename Element>
KeyedText textOf(const Element *element)
{
    return {element->objectName(), element->text()};
}

// The text of the window's element of that name.
template<typename Element>
KeyedText textOf(const QWidget &window, const char *name)
{
    return textOf(&child<Element>(window, name));
}

// The groups within which an access key must be unique: each menu, the main
// window with its menu bar's titles, and the record dialog.
QList<std::pair<QString, QList<KeyedText>>> keyGroups(const TForm1 &form)
{
    const TEdit_frm &dialog = *form.Edit_frm;
    QList<KeyedText> dialogTexts{
        textOf<QLabel>(dialog, "Label2"),        textOf<QLabel>(dialog, "Label1"),
        textOf<QCheckBox>(dialog, "CheckBox1"),  textOf<QCheckBox>(dialog, "CheckBox2"),
        textOf<QCheckBox>(dialog, "CheckBox3"),  textOf<QToolButton>(dialog, "DetailsButton"),
        textOf<QLabel>(dialog, "SentenceLabel"), textOf<QLabel>(dialog, "PunishmentLabel"),
        textOf<QCheckBox>(dialog, "RevokedBox"), textOf<QCheckBox>(dialog, "NegligentBox")};
    for (const OptionalDatePicker *picker : dialog.datePickers())
        dialogTexts.append(textOf(picker->box()));
    return {
        {"File menu", menuTexts(child<QMenu>(form, "N1"))},
        {"Edit menu", menuTexts(child<QMenu>(form, "EditMenu"))},
        {"Options menu", menuTexts(child<QMenu>(form, "N20"))},
        {"Edit menu", menuTexts(child<QMenu>(form, "EditMenu"))},
        {"Help menu", menuTexts(child<QMenu>(form, "N5"))},
        {"list's context menu", menuTexts(child<QMenu>(form, "PopupMenu1"))},
        {"main window",
         {{"N1", child<QMenu>(form, "N1").title()},
          {"EditMenu", child<QMenu>(form, "EditMenu").title()},
          {"N20", child<QMenu>(form, "N20").title()},
          {"N5", child<QMenu>(form, "N5").title()},
          textOf<QLabel>(form, "Label1"),
          textOf<QLabel>(form, "Label4"),
          textOf<QCheckBox>(form, "CheckBox1"),
          textOf<QCheckBox>(form, "CheckBox2"),
          textOf<QPushButton>(form, "Button1"),
          textOf<QPushButton>(form, "Button2"),
          textOf<QPushButton>(form, "Button3")}},
        {"record dialog", dialogTexts},
    };
}

void activate(QWidget *window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class TestAccessKeys : public QObject
{
    Q_OBJECT

private slots:
    void eachGroupHasDistinctAccessKeys_data();
    void eachGroupHasDistinctAccessKeys();
    void altAndF10OpenTheMenuBar_data();
    void altAndF10OpenTheMenuBar();
    void commandsHaveShortcuts();
    void languageKeyFocusesTheSelector();
    void dialogLabelsFocusTheirInputs();
};

void TestAccessKeys::eachGroupHasDistinctAccessKeys_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("French") << "French";
}

void TestAccessKeys::eachGroupHasDistinctAccessKeys()
{
    QFETCH(QString, language);
    ProgramFixture fixture;
    fixture.storeLanguage(language);
    const TForm1 &form = fixture.start();

    for (const auto &[group, texts] : keyGroups(form)) {
        QHash<QKeySequence, QString> owners;
        for (const KeyedText &keyed : texts) {
            const QKeySequence key = QKeySequence::mnemonic(keyed.text);
            QVERIFY2(!key.isEmpty(), qPrintable(group + ": no access key in " + keyed.element +
                                                " \"" + keyed.text + "\""));
            QVERIFY2(!owners.contains(key),
                     qPrintable(group + ": " + key.toString() + " in both " + owners.value(key) +
                                " and " + keyed.element + " \"" + keyed.text + "\""));
            owners.insert(key, keyed.element);
        }
    }
}

void TestAccessKeys::altAndF10OpenTheMenuBar_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("opened");

    QTest::newRow("Alt+F") << "English" << int(Qt::Key_F) << int(Qt::AltModifier) << "N1";
    QTest::newRow("Alt+H") << "English" << int(Qt::Key_H) << int(Qt::AltModifier) << "N5";
    QTest::newRow("Alt+O") << "English" << int(Qt::Key_O) << int(Qt::AltModifier) << "N20";
    QTest::newRow("Alt+D in French") << "French" << int(Qt::Key_D) << int(Qt::AltModifier) << "N5";
    QTest::newRow("F10") << "English" << int(Qt::Key_F10) << 0 << "N1";
    QTest::newRow("F10 in Russian") << "Russian" << int(Qt::Key_F10) << 0 << "N1";
}

void TestAccessKeys::altAndF10OpenTheMenuBar()
{
    QFETCH(QString, language);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, opened);

    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    activate(&form);
    QTableView &list = child<QTableView>(form, "ListView1");
    list.setFocus();
    QTest::keyClick(&list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    auto *menu = form.findChild<QMenu *>(opened);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(child<QMenuBar>(form, "mMenu").activeAction(), menu->menuAction());
    menu->close();
}

void TestAccessKeys::commandsHaveShortcuts()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    child<QAction>(form, "N9").trigger(); // sample data, for Clear data to clear
    QVERIFY(form.records().count() > 0);
    activate(&form);
    QTableView &list = child<QTableView>(form, "ListView1");
    list.setFocus();

    // Export asks where to save the report; the scripted chooser cancels.
    QAction &exportAction = child<QAction>(form, "N51");
    const QSignalSpy exported(&exportAction, &QAction::triggered);
    QTest::keyClick(&list, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(exported.count(), 1);
    QVERIFY(!fixture.fileChooser.lastSetup.title.isEmpty());

    // The sample data are unsaved: Clear data asks first.
    const auto asked = answerUnsavedChanges(&form, QMessageBox::Discard);
    QTest::keyClick(&list, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(*asked);
    QCOMPARE(form.records().count(), 0);
    QCOMPARE(child<QAction>(form, "N11").shortcut(),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    QCOMPARE(exportAction.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction &save = child<QAction>(form, "SaveAction");
    QAction &saveAs = child<QAction>(form, "N50");
    QCOMPARE(save.shortcut(), QKeySequence(QKeySequence::Save));
    // Named outright: Windows gives Save As no standard key.
    QCOMPARE(saveAs.shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // Save comes before Save as in the File menu.
    const QList<QAction *> fileMenu = child<QMenu>(form, "N1").actions();
    QCOMPARE(fileMenu.indexOf(&save) + 1, fileMenu.indexOf(&saveAs));
    QVERIFY(fixture.errors.isEmpty());
}

void TestAccessKeys::languageKeyFocusesTheSelector()
{
    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    activate(&form);
    QTableView &list = child<QTableView>(form, "ListView1");
    QMenu &languageMenu = child<QMenu>(form, "N21");
    const LanguageSelector &selector = child<LanguageSelector>(form, "CmbBxLang");
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_L, Qt::ControlModifier);
    QTRY_VERIFY(languageMenu.isVisible());
    QTRY_VERIFY(selector.hasFocus());
    languageMenu.close();
}

void TestAccessKeys::dialogLabelsFocusTheirInputs()
{
    ProgramFixture fixture;
    fixture.storeLanguage("English");
    TEdit_frm &dialog = *fixture.start().Edit_frm;
    QStringList focused;
    bool minorChecked = false;
    const auto ran = whenModal<TEdit_frm>(&dialog, [&](TEdit_frm &shown) {
        const auto press = [&](Qt::Key key) {
            QTest::keyClick(shown.focusWidget(), key, Qt::AltModifier);
            QWidget *focus = shown.focusWidget();
            while (focus != nullptr && focus->objectName().startsWith(u"qt_"))
                focus = focus->parentWidget();
            focused.append(focus != nullptr ? focus->objectName() : QString());
        };
        press(Qt::Key_D); // Date of conviction
        press(Qt::Key_C); // Category of crime
        press(Qt::Key_A); // under the age of 18
        // A check box's key clicks it, after the button's short press.
        minorChecked =
            QTest::qWaitFor([&] { return child<QCheckBox>(shown, "CheckBox2").isChecked(); });
        child<QToolButton>(shown, "DetailsButton").setChecked(true);
        press(Qt::Key_P); // Punishment
        press(Qt::Key_N); // Sentence No.
    });
    dialog.exec();
    QVERIFY(*ran);
    QCOMPARE(focused, (QStringList{"DateTimePicker1", "ComboBox1", "CheckBox2", "PunishmentBox",
                                   "SentenceBox"}));
    QVERIFY(minorChecked);
}

QTEST_MAIN(TestAccessKeys)
#include "tst_accesskeys.moc"
