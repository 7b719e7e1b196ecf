// The expungement check: the term table for adults and minors, calendar-year
// arithmetic with 29 February, the boundary day and unknown texts.
#include "assessment/expungement.h"
#include "support/assessmentfixture.h"

#include <QtTest>

class TestExpungement : public QObject
{
    Q_OBJECT

private slots:
    void termTable_data();
    void termTable();
    void inForceUntilTheDayBeforeExpiry_data();
    void inForceUntilTheDayBeforeExpiry();
    void laterCategoryWinsWhenTextsRepeat();
};

void TestExpungement::termTable_data()
{
    QTest::addColumn<QString>("severity");
    QTest::addColumn<QString>("juvenile");
    QTest::addColumn<int>("years");
    QTest::newRow("small, adult") << "small"
                                  << "No" << 3;
    QTest::newRow("medium, adult") << "medium"
                                   << "No" << 3;
    QTest::newRow("grave, adult") << "grave"
                                  << "No" << 6;
    QTest::newRow("especially grave, adult") << "especially grave"
                                             << "No" << 8;
    QTest::newRow("small, minor") << "small"
                                  << "Yes" << 1;
    QTest::newRow("medium, minor") << "medium"
                                   << "Yes" << 1;
    QTest::newRow("grave, minor") << "grave"
                                  << "Yes" << 3;
    QTest::newRow("especially grave, minor") << "especially grave"
                                             << "Yes" << 3;
    QTest::newRow("unknown severity") << "Тяжкое преступление"
                                      << "No" << 0;
    QTest::newRow("unknown severity, minor") << ""
                                             << "Yes" << 0;
    QTest::newRow("severity differs in case") << "Grave"
                                              << "No" << 0;
    QTest::newRow("juvenile neither answer counts as adult") << "grave"
                                                             << "Да" << 6;
}

void TestExpungement::termTable()
{
    QFETCH(QString, severity);
    QFETCH(QString, juvenile);
    QFETCH(int, years);
    const RecordTexts texts = fixtureTexts();
    QCOMPARE(expungementTerm(texts.categories, texts.answers.yes, severity, juvenile), years);
}

void TestExpungement::inForceUntilTheDayBeforeExpiry_data()
{
    QTest::addColumn<QString>("severity");
    QTest::addColumn<QString>("juvenile");
    QTest::addColumn<QDate>("convicted");
    QTest::addColumn<QDate>("expiry");
    QTest::newRow("grave adult, 7 April 2009") << "grave"
                                               << "No" << QDate(2009, 4, 7) << QDate(2015, 4, 7);
    QTest::newRow("especially grave minor, 1 March 2010")
        << "especially grave"
        << "Yes" << QDate(2010, 3, 1) << QDate(2013, 3, 1);
    QTest::newRow("29 February into a common year")
        << "medium"
        << "No" << QDate(2008, 2, 29) << QDate(2011, 2, 28);
    QTest::newRow("29 February into a leap year")
        << "especially grave"
        << "No" << QDate(2008, 2, 29) << QDate(2016, 2, 29);
    QTest::newRow("unknown severity: expiry is the conviction date")
        << "unknown"
        << "No" << QDate(2020, 5, 5) << QDate(2020, 5, 5);
}

void TestExpungement::inForceUntilTheDayBeforeExpiry()
{
    QFETCH(QString, severity);
    QFETCH(QString, juvenile);
    QFETCH(QDate, convicted);
    QFETCH(QDate, expiry);
    const RecordTexts texts = fixtureTexts();
    const auto check = [&](QDate calculation) {
        return checkExpungement(texts.categories, texts.answers.yes, severity, juvenile, convicted,
                                calculation);
    };
    QCOMPARE(check(expiry).expiry, expiry);
    QVERIFY(check(expiry.addDays(-1)).inForce);
    QVERIFY(!check(expiry).inForce);
    QVERIFY(!check(expiry.addYears(30)).inForce);
    // A conviction dated after the calculation date is in force, whatever its term.
    QVERIFY(check(convicted.addDays(-1)).inForce);

    QCOMPARE(expungementAnswer(texts, severity, juvenile, convicted, expiry.addDays(-1)),
             QStringLiteral("Yes"));
    QCOMPARE(expungementAnswer(texts, severity, juvenile, convicted, expiry), QStringLiteral("No"));
}

void TestExpungement::laterCategoryWinsWhenTextsRepeat()
{
    RecordTexts texts = fixtureTexts();
    texts.categories.texts = {"same", "same", "same", "other"};
    QCOMPARE(expungementTerm(texts.categories, "Yes", "same", "No"), 6);
    QCOMPARE(expungementTerm(texts.categories, "Yes", "same", "Yes"), 3);
}

QTEST_GUILESS_MAIN(TestExpungement)
#include "tst_expungement.moc"
