// A change of language with convictions in the list: no record rewritten, the
// list repainted in the new language's words, the selections kept, the result in
// the new language, the choice stored, and the switch made even when it cannot be
// stored.
#include "programfixture.h"

#include "document/recordlist.h"
#include "kovrantversion.h"
#include "localisation/texttable.h"
#include "support/assessmentfixture.h"
#include "ui/about.h"
#include "ui/addedit_unit.h"
#include "ui/languageselector.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

namespace {

enum class Way { Picked, TypedWithReturn };

void chooseLanguage(TForm1 &form, const QString &name, Way way)
{
    LanguageSelector &selector = child<LanguageSelector>(form, "CmbBxLang");
    if (way == Way::Picked) {
        pickEntry(selector, selector.findText(name));
        return;
    }
    selector.lineEdit()->clear();
    QTest::keyClicks(selector.lineEdit(), name);
    QTest::keyClick(selector.lineEdit(), Qt::Key_Return);
}

// The list of the tests: two grave priors counted, and a row whose severity is
// no category (loaded from a file of another program version, say).
const QList<ConvictionRecord> &englishList()
{
    static const ConvictionRecord grave{QDate(2023, 12, 9), Gravity::Grave, true, false, false, {}};
    static const QList<ConvictionRecord> rows{
        grave,
        grave,
        {QDate(2015, 6, 1), ConvictionGravity::unrecognised("Theft"), false, true, false, {}}};
    return rows;
}

void fillEnglishList(TForm1 &form)
{
    for (const ConvictionRecord &record : englishList())
        form.records().append(record);
}

// The rows as the list shows them: their six texts each.
QList<QStringList> shownRows(const TForm1 &form)
{
    QList<QStringList> rows;
    for (int row = 0; row < form.records().count(); ++row) {
        QStringList texts;
        for (int column = 0; column < RecordColumn::FieldCount; ++column)
            texts.append(shownText(form, row, column));
        rows.append(texts);
    }
    return rows;
}

// The line under the result that names the third row, of no category.
QString unknownThird(const LanguageTexts &texts)
{
    return u'\n' + filledText(texts("String.UnknownCategoryRows"), QStringLiteral("3"));
}

} // namespace

Q_DECLARE_METATYPE(Way)

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

private slots:
    void switchCarriesTheListAcross_data();
    void switchCarriesTheListAcross();
    void switchWhenTheChoiceCannotBeStored();
};

void TestLanguageSwitch::switchCarriesTheListAcross_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("shownLanguage");

    // Entries show each language by its own name; a typed file base ("Russian")
    // chooses as well.
    QTest::newRow("Russian picked") << Way::Picked << "Русский"
                                    << "Russian";
    QTest::newRow("French picked") << Way::Picked << "Français"
                                   << "French";
    QTest::newRow("Russian typed") << Way::TypedWithReturn << "Russian"
                                   << "Russian";
    QTest::newRow("English picked again") << Way::Picked << "English"
                                          << "English";
    QTest::newRow("unlisted name typed") << Way::TypedWithReturn << "Klingon"
                                         << "English";
}

void TestLanguageSwitch::switchCarriesTheListAcross()
{
    QFETCH(Way, way);
    QFETCH(QString, chosen);
    QFETCH(QString, shownLanguage);

    ProgramFixture fixture;
    TForm1 &form = fixture.startShown();
    QComboBox &category = child<QComboBox>(form, "ComboBox1");
    QComboBox &dialogCategory = child<QComboBox>(*form.Edit_frm, "ComboBox1");
    QTableView &list = child<QTableView>(form, "ListView1");
    const QLabel &result = child<QLabel>(form, "Label2");
    fillEnglishList(form);
    pickEntry(category, 2);
    child<QCheckBox>(form, "CheckBox1").click();
    dialogCategory.setCurrentIndex(3);
    list.selectRow(1);
    // The row of no category is named under the result.
    QCOMPARE(result.text(),
             QStringLiteral("Especially dangerous recidivism\nThe category of no. 3 is unknown: "
                            "the answer may be incomplete."));

    QSignalSpy reset(&form.records(), &QAbstractItemModel::modelReset);
    QSignalSpy repainted(list.model(), &QAbstractItemModel::dataChanged);

    chooseLanguage(form, chosen, way);

    // No record is rewritten: the values are those given, and the list was not
    // replaced.
    QCOMPARE(form.records().records(), englishList());
    QCOMPARE(reset.count(), 0);
    // The view repaints in the new language's words.
    QVERIFY(!repainted.isEmpty());
    const LanguageTexts texts(fixture.folder(), shownLanguage);
    const QString yes = texts("String.Yes");
    const QString no = texts("String.No");
    const QStringList grave{"09.12.2023", texts("String.SeriousCrime"), yes, no, no, yes};
    QCOMPARE(shownRows(form),
             (QList<QStringList>{grave, grave, {"01.06.2015", "Theft", no, yes, no, no}}));
    // The row the user selected stays selected, so Modify and Delete still act on it.
    QCOMPARE(list.selectionModel()->selectedRows(), QModelIndexList{shownCell(form, 1)});
    QCOMPARE(list.currentIndex().row(), 1);
    QVERIFY(child<QPushButton>(form, "Button2").isEnabled());
    QCOMPARE(category.currentIndex(), 2);
    QCOMPARE(category.currentText(), texts("String.SeriousCrime"));
    QCOMPARE(dialogCategory.currentIndex(), 3);
    QCOMPARE(dialogCategory.currentText(), texts("String.ParticularlySeriousCrime"));
    QCOMPARE(form.crimeCategories.texts[2], texts("String.SeriousCrime"));
    QCOMPARE(result.text(), texts("String.EspeciallyDangerRecidiv") + unknownThird(texts));
    // The words of the notes and the grounds follow the language too.
    const QString grounds = child<QLabel>(form, "Label5").text();
    QVERIFY2(grounds.contains(texts("String.ClausePart3a")), qPrintable(grounds));
    QVERIFY2(shownNote(form, 0).contains(texts("String.RowCounted")),
             qPrintable(shownNote(form, 0)));
    // The new crime chosen above is unsaved: the title marks it.
    QCOMPARE(shownTitle(form), texts("Caption.Kovrant_MainForm") + "*");
    QCOMPARE(child<QPushButton>(*form.Edit_frm, "Button2").text(), texts("Button.Cancel"));
    QCOMPARE(child<QLabel>(*form.AboutFrm, "Comments").text(), texts("String.AuthorQuennard"));
    QCOMPARE(child<QLabel>(*form.AboutFrm, "Version").text(), KovrantVersion.toString());
    QCOMPARE(child<LanguageSelector>(form, "CmbBxLang").currentText(), chosen);
    QCOMPARE(fixture.storedLanguage(), QVariant(chosen));
    QCOMPARE(fixture.errors, QStringList{});

    // The result keeps working in the new language.
    child<QCheckBox>(form, "CheckBox1").click();
    QCOMPARE(result.text(), texts("String.DangerRecidiv") + unknownThird(texts));
}

void TestLanguageSwitch::switchWhenTheChoiceCannotBeStored()
{
    ProgramFixture fixture;
    // The settings folder is a regular file: nothing can be written, even by root.
    const QString blocker = QDir(fixture.folder().programFolder()).filePath("blocker");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path = QDir(blocker).filePath(QStringLiteral("kovrant.ini"));
    fixture.setSettingsOpener(
        [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); });
    TForm1 &form = fixture.startShown();
    QCOMPARE(fixture.errors, QStringList{});
    fillEnglishList(form);
    pickEntry(child<QComboBox>(form, "ComboBox1"), 2);

    chooseLanguage(form, QStringLiteral("Русский"), Way::Picked);

    // The message comes in the language just chosen.
    const LanguageTexts texts(fixture.folder(), QStringLiteral("Russian"));
    QCOMPARE(fixture.errors, QStringList{filledText(texts("Error.FailedToSetData"), "Lang")});
    QCOMPARE(shownTitle(form), texts("Caption.Kovrant_MainForm") + "*");
    QCOMPARE(form.records().records(), englishList());
    QCOMPARE(shownText(form, 0, RecordColumn::Severity), texts("String.SeriousCrime"));
    QCOMPARE(shownText(form, 0, RecordColumn::Custody), texts("String.Yes"));
    QCOMPARE(child<QLabel>(form, "Label2").text(),
             texts("String.DangerRecidiv") + unknownThird(texts));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
