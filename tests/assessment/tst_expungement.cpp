// The expungement check: the term table for adults and minors, calendar-year
// arithmetic with 29 February, the boundary day and an unrecognised category.
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
};

namespace {

// The category of a table row: -1 for none (an unrecognised one).
std::optional<Gravity> categoryOf(int gravity)
{
    return gravity < 0 ? std::nullopt : std::optional(Gravity(gravity));
}

} // namespace

// Article 86 part 3 (b)-(d) as it stood before 3 August 2013 for adults: 3, 3, 6
// and 8 years; Article 95 part 3 (b)-(c) for minors: 1, 1, 3 and 3 years.
void TestExpungement::termTable_data()
{
    QTest::addColumn<int>("gravity");
    QTest::addColumn<bool>("juvenile");
    QTest::addColumn<int>("years");
    QTest::newRow("small, adult") << int(Gravity::Small) << false << 3;
    QTest::newRow("medium, adult") << int(Gravity::Medium) << false << 3;
    QTest::newRow("grave, adult") << int(Gravity::Grave) << false << 6;
    QTest::newRow("especially grave, adult") << int(Gravity::EspeciallyGrave) << false << 8;
    QTest::newRow("small, minor") << int(Gravity::Small) << true << 1;
    QTest::newRow("medium, minor") << int(Gravity::Medium) << true << 1;
    QTest::newRow("grave, minor") << int(Gravity::Grave) << true << 3;
    QTest::newRow("especially grave, minor") << int(Gravity::EspeciallyGrave) << true << 3;
    QTest::newRow("unrecognised category") << -1 << false << 0;
    QTest::newRow("unrecognised category, minor") << -1 << true << 0;
}

void TestExpungement::termTable()
{
    QFETCH(int, gravity);
    QFETCH(bool, juvenile);
    QFETCH(int, years);
    QCOMPARE(expungementTerm(categoryOf(gravity), juvenile), years);
}

void TestExpungement::inForceUntilTheDayBeforeExpiry_data()
{
    QTest::addColumn<int>("gravity");
    QTest::addColumn<bool>("juvenile");
    QTest::addColumn<QDate>("convicted");
    QTest::addColumn<QDate>("expiry");
    QTest::newRow("grave adult, 7 April 2009")
        << int(Gravity::Grave) << false << QDate(2009, 4, 7) << QDate(2015, 4, 7);
    QTest::newRow("especially grave minor, 1 March 2010")
        << int(Gravity::EspeciallyGrave) << true << QDate(2010, 3, 1) << QDate(2013, 3, 1);
    QTest::newRow("29 February into a common year")
        << int(Gravity::Medium) << false << QDate(2008, 2, 29) << QDate(2011, 2, 28);
    QTest::newRow("29 February into a leap year")
        << int(Gravity::EspeciallyGrave) << false << QDate(2008, 2, 29) << QDate(2016, 2, 29);
    QTest::newRow("unrecognised category: expiry is the conviction date")
        << -1 << false << QDate(2020, 5, 5) << QDate(2020, 5, 5);
}

void TestExpungement::inForceUntilTheDayBeforeExpiry()
{
    QFETCH(int, gravity);
    QFETCH(bool, juvenile);
    QFETCH(QDate, convicted);
    QFETCH(QDate, expiry);
    const auto check = [&](QDate calculation) {
        return checkExpungement(categoryOf(gravity), juvenile, convicted, calculation);
    };
    QCOMPARE(check(expiry).expiry, expiry);
    QVERIFY(check(expiry.addDays(-1)).inForce);
    QVERIFY(!check(expiry).inForce);
    QVERIFY(!check(expiry.addYears(30)).inForce);
    // A conviction dated after the calculation date is in force, whatever its term.
    QVERIFY(check(convicted.addDays(-1)).inForce);
}

QTEST_GUILESS_MAIN(TestExpungement)
#include "tst_expungement.moc"
