// The language selector's reports: one per real change of choice, none for a
// repeated pick, one per Return, and none while its entries or text are filled in.
#include "ui/languageselector.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QStringList Names{"English", "French", "Russian"};
}

class TestLanguageSelector : public QObject
{
    Q_OBJECT

private slots:
    void fillingReportsNothingAndSelectsNothing();
    void storedNameReportsWhenNotEmpty_data();
    void storedNameReportsWhenNotEmpty();
    void reportsChangesOfChoice_data();
    void reportsChangesOfChoice();
};

void TestLanguageSelector::fillingReportsNothingAndSelectsNothing()
{
    LanguageSelector selector;
    const QSignalSpy reports(&selector, &LanguageSelector::languageChanged);
    selector.setEditText(QStringLiteral("Klingon"));
    selector.setLanguageNames(Names);
    QCOMPARE(selector.count(), 3);
    QCOMPARE(selector.currentIndex(), -1);
    QCOMPARE(selector.currentText(), QStringLiteral("Klingon"));
    // A second fill (the list read again) keeps the text too.
    selector.setLanguageNames(Names);
    QCOMPARE(selector.count(), 3);
    QCOMPARE(selector.currentText(), QStringLiteral("Klingon"));
    QCOMPARE(reports.count(), 0);
}

void TestLanguageSelector::storedNameReportsWhenNotEmpty_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("reports");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("a listed name") << "Russian" << 1;
    QTest::newRow("an unlisted name") << "Klingon" << 1;
}

void TestLanguageSelector::storedNameReportsWhenNotEmpty()
{
    QFETCH(QString, stored);
    QFETCH(int, reports);
    LanguageSelector selector;
    const QSignalSpy spy(&selector, &LanguageSelector::languageChanged);
    selector.setStoredName(stored);
    QCOMPARE(spy.count(), reports);
    selector.setLanguageNames(Names);
    QCOMPARE(spy.count(), reports);
    QCOMPARE(selector.currentText(), stored);
    QCOMPARE(selector.currentIndex(), -1);
}

// Steps: "pick N" picks entry N from the list, "type X" replaces the text by
// typing, "return" presses Return in the text field. After every step the number
// of reports so far is compared.
void TestLanguageSelector::reportsChangesOfChoice_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("reportsAfterStep");
    QTest::addColumn<QString>("finalText");

    QTest::newRow("different entries, each reported")
        << "" << QStringList{"pick 1", "pick 2", "pick 0"} << QList<int>{1, 2, 3} << "English";
    QTest::newRow("the selected entry again, not reported")
        << "" << QStringList{"pick 2", "pick 2", "pick 2"} << QList<int>{1, 1, 1} << "Russian";
    QTest::newRow("the entry named by the text, nothing selected")
        << "French" << QStringList{"pick 1", "pick 1"} << QList<int>{1, 1} << "French";
    QTest::newRow("typed name, Return")
        << "" << QStringList{"type Russian", "return"} << QList<int>{0, 1} << "Russian";
    QTest::newRow("Return on the selected entry still reports once")
        << "" << QStringList{"pick 1", "return", "return"} << QList<int>{1, 2, 3} << "French";
    QTest::newRow("typed unlisted name, Return")
        << "" << QStringList{"type Klingon", "return"} << QList<int>{0, 1} << "Klingon";
    QTest::newRow("after Return the typed entry counts as selected")
        << "" << QStringList{"type French", "return", "pick 1", "pick 2"} << QList<int>{0, 1, 1, 2}
        << "Russian";
    QTest::newRow("after an unlisted name, a pick reports")
        << "" << QStringList{"pick 1", "type Klingon", "return", "pick 1"} << QList<int>{1, 1, 2, 3}
        << "French";
}

void TestLanguageSelector::reportsChangesOfChoice()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, reportsAfterStep);
    QFETCH(QString, finalText);

    LanguageSelector selector;
    selector.setStoredName(stored);
    selector.setLanguageNames(Names);
    selector.show();
    const QSignalSpy reports(&selector, &LanguageSelector::languageChanged);
    for (qsizetype step = 0; step < steps.size(); ++step) {
        const QString action = steps[step].section(u' ', 0, 0);
        const QString argument = steps[step].section(u' ', 1);
        if (action == u"pick") {
            // As the drop-down list does it: the selection moves, then the pick is reported.
            selector.setCurrentIndex(argument.toInt());
            emit selector.activated(argument.toInt());
        } else if (action == u"type") {
            selector.lineEdit()->clear();
            QTest::keyClicks(selector.lineEdit(), argument);
        } else {
            QTest::keyClick(selector.lineEdit(), Qt::Key_Return);
        }
        QVERIFY2(
            reports.count() == reportsAfterStep[step],
            qPrintable(
                QStringLiteral("after \"%1\": %2 reports").arg(steps[step]).arg(reports.count())));
    }
    QCOMPARE(selector.currentText(), finalText);
}

QTEST_MAIN(TestLanguageSelector)
#include "tst_languageselector.moc"
