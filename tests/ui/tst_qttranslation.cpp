// Qt's own words and the calendars in the interface's language: Qt's translation
// is installed for Russian and French and dropped for English, and the calendar
// pop-ups name the months in the language while the typed dates keep the user's
// short format.
#include "programfixture.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/languageselector.h"
#include "ui/qttranslation.h"

#include <QCalendarWidget>
#include <QFile>
#include <QtTest>

class TestQtTranslation : public QObject
{
    Q_OBJECT

private slots:
    void calendarsFollowTheLanguage_data();
    void calendarsFollowTheLanguage();
    void qtTranslationFollowsTheLanguage();
};

void TestQtTranslation::calendarsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("january"); // the calendar's name of the month
    QTest::newRow("Russian") << "Russian" << QString::fromUtf8("январь");
    QTest::newRow("French") << "French" << QString::fromUtf8("janvier");
    QTest::newRow("English") << "English"
                             << "January";
}

void TestQtTranslation::calendarsFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, january);

    ProgramFixture fixture;
    fixture.storeLanguage(language == u"English" ? "French" : "English");
    TForm1 &form = fixture.startShown();
    DatePicker &crimeDate = child<DatePicker>(form, "DateTimePicker1");
    crimeDate.setDate(QDate(2020, 1, 15));
    pickLanguage(form, language);

    const QList<DatePicker *> pickers = form.findChildren<DatePicker *>();
    QVERIFY(pickers.contains(&child<DatePicker>(*form.Edit_frm, "DateTimePicker1")));
    for (const DatePicker *picker : pickers) {
        // Built and polished as before it shows.
        QCalendarWidget *calendar = picker->calendarWidget();
        calendar->window()->ensurePolished();
        QCOMPARE(calendar->locale().standaloneMonthName(1), january);
        // The typed date keeps the user's short format, whatever the language.
        QCOMPARE(picker->displayFormat(), QStringLiteral("dd.MM.yyyy"));
    }
    QCOMPARE(crimeDate.text(), QStringLiteral("15.01.2020"));
    QCOMPARE(QLocale().language(), QLocale::system().language());
}

void TestQtTranslation::qtTranslationFollowsTheLanguage()
{
    for (const QLocale::Language language : {QLocale::Russian, QLocale::French}) {
        if (!QFile::exists(QtTranslation::fileFor(language))) {
            QSKIP(qPrintable("Qt's translations are not installed here (" +
                             QtTranslation::fileFor(language) +
                             " is missing; Debian ships them in qt6-translations-l10n)"));
        }
    }
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const auto lookIn = [] { return QCoreApplication::translate("QFileDialog", "Look in:"); };

    ProgramFixture fixture;
    fixture.storeLanguage("English");
    TForm1 &form = fixture.startShown();
    QVERIFY(!form.qtTranslation().installed());
    QCOMPARE(cancel(), QStringLiteral("Cancel"));

    pickLanguage(form, "Russian");
    QVERIFY(form.qtTranslation().installed());
    QCOMPARE(cancel(), QString::fromUtf8("Отмена"));
    const QString russianLookIn = lookIn();
    QVERIFY2(russianLookIn != u"Look in:", qPrintable(russianLookIn));

    pickLanguage(form, "French");
    QVERIFY(form.qtTranslation().installed());
    QCOMPARE(cancel(), QStringLiteral("Annuler"));
    QVERIFY(lookIn() != u"Look in:" && lookIn() != russianLookIn);

    pickLanguage(form, "English");
    QVERIFY(!form.qtTranslation().installed());
    QCOMPARE(cancel(), QStringLiteral("Cancel"));
    QCOMPARE(lookIn(), QStringLiteral("Look in:"));
}

QTEST_MAIN(TestQtTranslation)
#include "tst_qttranslation.moc"
