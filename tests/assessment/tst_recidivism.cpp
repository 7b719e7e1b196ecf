// The recomputation pass: each clause of Article 18, the exclusions of a prior
// from the tallies, whether each row is in force, and the stop at a row without a date.
#include "assessment/recidivism.h"
#include "support/assessmentfixture.h"

#include <QSignalSpy>
#include <QtTest>

using Records = QList<ConvictionRecord>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(RecidivismKind)
Q_DECLARE_METATYPE(Article18Clauses)
Q_DECLARE_METATYPE(Exclusions)

namespace {
const QDate Calculation(2016, 1, 10);
}

class TestRecidivism : public QObject
{
    Q_OBJECT

private slots:
    void classifies_data();
    void classifies();
    void excludesPriors_data();
    void excludesPriors();
    void answersWhetherEveryRowIsInForce();
    void stopsAtRowWithoutDate();
};

void TestRecidivism::classifies_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("custody");
    QTest::addColumn<Records>("priors");
    QTest::addColumn<RecidivismKind>("kind");
    QTest::addColumn<Article18Clauses>("clauses");

    using K = RecidivismKind;
    using C = Article18Clause;
    const ConvictionRecord medium = conviction("01.02.2014", "medium");
    const ConvictionRecord grave = conviction("01.02.2014", "grave");
    const ConvictionRecord especially = conviction("01.02.2014", "especially grave");

    QTest::newRow("empty list") << "grave" << true << Records{} << K::Neither << Article18Clauses{};
    QTest::newRow("2(a): grave with custody, two medium priors")
        << "grave" << true << Records{medium, medium} << K::Dangerous
        << Article18Clauses(C::Part2a);
    QTest::newRow("two medium priors, no custody now: not dangerous, so part 1 recidivism")
        << "grave" << false << Records{medium, medium} << K::Simple << Article18Clauses(C::Part1);
    QTest::newRow("one medium prior: not dangerous, so part 1 recidivism")
        << "grave" << true << Records{medium} << K::Simple << Article18Clauses(C::Part1);
    QTest::newRow("2(b): grave, one grave prior")
        << "grave" << false << Records{grave} << K::Dangerous << Article18Clauses(C::Part2b);
    QTest::newRow("2(b): grave, one especially grave prior")
        << "grave" << false << Records{especially} << K::Dangerous << Article18Clauses(C::Part2b);
    QTest::newRow("3(a): grave with custody, two grave priors")
        << "grave" << true << Records{grave, grave} << K::EspeciallyDangerous
        << (C::Part2b | C::Part3a);
    QTest::newRow("two grave priors, no custody now: dangerous only")
        << "grave" << false << Records{grave, grave} << K::Dangerous << Article18Clauses(C::Part2b);
    QTest::newRow("3(b): especially grave, one especially grave prior")
        << "especially grave" << false << Records{especially} << K::EspeciallyDangerous
        << Article18Clauses(C::Part3b);
    QTest::newRow("3(b): especially grave, two grave priors")
        << "especially grave" << false << Records{grave, grave} << K::EspeciallyDangerous
        << Article18Clauses(C::Part3b);
    // Part 2 (b) names a grave new crime; courts apply it a fortiori to an
    // especially grave one.
    QTest::newRow("especially grave, one grave prior with custody: part 2 (b) as courts apply it")
        << "especially grave" << true << Records{grave} << K::Dangerous
        << Article18Clauses(C::Part2bEspeciallyGrave);
    QTest::newRow("especially grave, medium priors never dangerous: part 1 recidivism")
        << "especially grave" << true << Records{medium, medium, medium} << K::Simple
        << Article18Clauses(C::Part1);
    QTest::newRow("medium current crime: part 1 recidivism")
        << "medium" << true << Records{grave, especially} << K::Simple
        << Article18Clauses(C::Part1);
    QTest::newRow("no current severity")
        << "" << true << Records{grave, especially} << K::Neither << Article18Clauses{};
    QTest::newRow("all of 2(a), 2(b), 3(a)")
        << "grave" << true << Records{medium, medium, grave, grave} << K::EspeciallyDangerous
        << (C::Part2a | C::Part2b | C::Part3a);
    QTest::newRow("sample case: two grave priors, custody set")
        << "grave" << true
        << Records{conviction("7.04.2013", "grave"), conviction("7.04.2013", "grave")}
        << K::EspeciallyDangerous << (C::Part2b | C::Part3a);
}

void TestRecidivism::classifies()
{
    QFETCH(QString, current);
    QFETCH(bool, custody);
    QFETCH(Records, priors);
    QFETCH(RecidivismKind, kind);
    QFETCH(Article18Clauses, clauses);
    const RecidivismAssessment assessment =
        assessRecidivism(fixtureCrime(current, custody, Calculation), priors);
    QVERIFY(!assessment.failure);
    QCOMPARE(assessment.kind, kind);
    QCOMPARE(assessment.clauses, clauses);
}

void TestRecidivism::excludesPriors_data()
{
    QTest::addColumn<ConvictionRecord>("prior");
    QTest::addColumn<Exclusions>("exclusions");
    using X = Exclusion;
    QTest::newRow("counted") << conviction("01.02.2014", "grave") << Exclusions{};
    QTest::newRow("reprieve") << conviction("01.02.2014", "grave", "Yes", "No", "Yes")
                              << Exclusions(X::Reprieve);
    QTest::newRow("no actual custody")
        << conviction("01.02.2014", "grave", "No") << Exclusions(X::NoActualCustody);
    QTest::newRow("small gravity")
        << conviction("01.02.2014", "small") << Exclusions(X::SmallGravity);
    QTest::newRow("unknown severity")
        << conviction("01.02.2014", "Тяжкое преступление") << (X::UnknownSeverity | X::Expunged);
    QTest::newRow("committed as a minor")
        << conviction("01.02.2014", "grave", "Yes", "Yes") << Exclusions(X::CommittedAsMinor);
    QTest::newRow("expunged: grave adult six years on")
        << conviction("10.01.2010", "grave") << Exclusions(X::Expunged);
    QTest::newRow("grave adult, day before expiry")
        << conviction("11.01.2010", "grave") << Exclusions{};
    QTest::newRow("minor and expunged")
        << conviction("01.02.2012", "grave", "Yes", "Yes") << (X::CommittedAsMinor | X::Expunged);
    QTest::newRow("after the calculation date")
        << conviction("11.01.2016", "grave") << Exclusions(X::AfterCalculationDate);
    QTest::newRow("on the calculation date") << conviction("10.01.2016", "grave") << Exclusions{};
}

void TestRecidivism::excludesPriors()
{
    QFETCH(ConvictionRecord, prior);
    QFETCH(Exclusions, exclusions);
    const RecidivismAssessment assessment =
        assessRecidivism(fixtureCrime("especially grave", true, Calculation), {prior});
    QCOMPARE(assessment.rows.size(), 1);
    QCOMPARE(assessment.rows.first().exclusions, exclusions);
    // One counted grave prior is not enough for 3(b); an especially grave one would be.
    QCOMPARE(assessment.tallies.grave, exclusions ? 0 : 1);
}

void TestRecidivism::answersWhetherEveryRowIsInForce()
{
    const RecidivismAssessment assessment = assessRecidivism(
        fixtureCrime("grave", false, Calculation),
        {conviction("07.04.2009", "grave"),              // expired 7 April 2015
         conviction("07.04.2012", "grave"),              // until 7 April 2018
         conviction("07.04.2012", "unknown severity")}); // expiry is the date itself
    QCOMPARE(assessment.rows.size(), 3);
    QVERIFY(!assessment.rows[0].expungement.inForce);
    QVERIFY(assessment.rows[1].expungement.inForce);
    QVERIFY(!assessment.rows[2].expungement.inForce);
    QCOMPARE(assessment.rows[0].expungement.expiry, QDate(2015, 4, 7));
    QCOMPARE(assessment.kind, RecidivismKind::Dangerous);
}

// Every way into the list gives a date; a row without one stops the pass there.
void TestRecidivism::stopsAtRowWithoutDate()
{
    ConvictionRecord undated = conviction("01.02.2014", "grave");
    undated.date = QDate();
    const RecidivismAssessment assessment = assessRecidivism(
        fixtureCrime("grave", true, Calculation),
        {conviction("01.02.2014", "grave"), undated, conviction("01.02.2014", "grave")});

    QVERIFY(assessment.failure.has_value());
    QCOMPARE(assessment.rows.size(), 1);
    // The result reflects the rows before the failure: one grave prior.
    QCOMPARE(assessment.kind, RecidivismKind::Dangerous);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, assessment.throwIfFailed());
}

QTEST_GUILESS_MAIN(TestRecidivism)
#include "tst_recidivism.moc"
