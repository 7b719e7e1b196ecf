// The legal-case table (legalcasetable.h) checked against the rules: for each
// case, the outcome and every row's expiry date; and how the record dialog keeps
// the custody and reprieve boxes in step with the punishment kind.
#include "assessment/punishmentboxes.h"
#include "assessment/recidivism.h"
#include "legalcasetable.h"
#include "support/assessmentfixture.h"

#include <QtTest>

using Records = QList<ConvictionRecord>;
using Dates = QList<QDate>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(Dates)
Q_DECLARE_METATYPE(Doubts)
Q_DECLARE_METATYPE(RecidivismKind)
Q_DECLARE_METATYPE(CurrentCrime)
Q_DECLARE_METATYPE(PunishmentBoxes)
Q_DECLARE_METATYPE(PunishmentKind)

namespace {

using P = PunishmentKind;

} // namespace

class TestLegalCases : public QObject
{
    Q_OBJECT

private slots:
    void assesses_data();
    void assesses();
    void keepsBoxesAndKindTogether_data();
    void keepsBoxesAndKindTogether();
    void kindFromAFileGivesWayToTheBoxes();
};

void TestLegalCases::assesses_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<CurrentCrime>("current");
    QTest::addColumn<RecidivismKind>("kind");
    QTest::addColumn<Dates>("expiries");
    QTest::addColumn<Doubts>("doubts");

    for (const LegalCaseGroup &group : legalCaseGroups()) {
        for (const LegalCase &legalCase : group.cases) {
            QTest::newRow(legalCase.title) << legalCase.records << legalCase.crime << legalCase.kind
                                           << legalCase.expiries << legalCase.doubts;
        }
    }
}

void TestLegalCases::assesses()
{
    QFETCH(Records, records);
    QFETCH(CurrentCrime, current);
    QFETCH(RecidivismKind, kind);
    QFETCH(Dates, expiries);
    QFETCH(Doubts, doubts);
    const RecidivismAssessment assessment = assessRecidivism(current, records);
    QVERIFY(!assessment.failure);
    QCOMPARE(assessment.kind, kind);
    QCOMPARE(assessment.doubts, doubts);
    QCOMPARE(assessment.rows.size(), expiries.size());
    for (qsizetype row = 0; row < expiries.size(); ++row) {
        const Expungement &term = assessment.rows[row].expungement;
        QCOMPARE(term.expiry, expiries[row]);
        QCOMPARE(term.inForce, current.calculationDate < expiries[row]);
    }
}

void TestLegalCases::keepsBoxesAndKindTogether_data()
{
    QTest::addColumn<PunishmentBoxes>("before");
    QTest::addColumn<QString>("change");
    QTest::addColumn<PunishmentBoxes>("after");

    QTest::newRow("custody chosen: custody box on, reprieve off")
        << PunishmentBoxes{P::NotGiven, false, true} << "kind custody"
        << PunishmentBoxes{P::Custody, true, false};
    QTest::newRow("deferred chosen: reprieve box on, custody stays")
        << PunishmentBoxes{P::NotGiven, true, false} << "kind deferred"
        << PunishmentBoxes{P::Deferred, true, true};
    QTest::newRow("conditional chosen: both boxes off")
        << PunishmentBoxes{P::Custody, true, false} << "kind conditional"
        << PunishmentBoxes{P::Conditional, false, false};
    QTest::newRow("not given chosen: the boxes stay")
        << PunishmentBoxes{P::Custody, true, false} << "kind not given"
        << PunishmentBoxes{P::NotGiven, true, false};
    QTest::newRow("custody box cleared under custody: kind not given")
        << PunishmentBoxes{P::Custody, true, false} << "custody off"
        << PunishmentBoxes{P::NotGiven, false, false};
    QTest::newRow("custody box checked over milder: custody")
        << PunishmentBoxes{P::Milder, false, false} << "custody on"
        << PunishmentBoxes{P::Custody, true, false};
    QTest::newRow("custody box cleared under deferral: still deferred")
        << PunishmentBoxes{P::Deferred, true, true} << "custody off"
        << PunishmentBoxes{P::Deferred, false, true};
    QTest::newRow("reprieve box checked over custody: deferred")
        << PunishmentBoxes{P::Custody, true, false} << "reprieve on"
        << PunishmentBoxes{P::Deferred, true, true};
    QTest::newRow("reprieve box cleared under deferral: kind not given")
        << PunishmentBoxes{P::Deferred, true, true} << "reprieve off"
        << PunishmentBoxes{P::NotGiven, true, false};
}

void TestLegalCases::keepsBoxesAndKindTogether()
{
    QFETCH(PunishmentBoxes, before);
    QFETCH(QString, change);
    QFETCH(PunishmentBoxes, after);
    const std::map<QString, std::function<PunishmentBoxes(PunishmentBoxes)>> changes = {
        {"kind custody", [](PunishmentBoxes s) { return withKind(s, P::Custody); }},
        {"kind deferred", [](PunishmentBoxes s) { return withKind(s, P::Deferred); }},
        {"kind conditional", [](PunishmentBoxes s) { return withKind(s, P::Conditional); }},
        {"kind not given", [](PunishmentBoxes s) { return withKind(s, P::NotGiven); }},
        {"custody on", [](PunishmentBoxes s) { return withCustodyBox(s, true); }},
        {"custody off", [](PunishmentBoxes s) { return withCustodyBox(s, false); }},
        {"reprieve on", [](PunishmentBoxes s) { return withReprieveBox(s, true); }},
        {"reprieve off", [](PunishmentBoxes s) { return withReprieveBox(s, false); }},
    };
    const PunishmentBoxes result = changes.at(change)(before);
    QCOMPARE(result, after);
    QVERIFY(agrees(result));
}

// Read from a file, a kind gives way to the boxes only where they disagree.
void TestLegalCases::kindFromAFileGivesWayToTheBoxes()
{
    QCOMPARE(kindAgreeingWithBoxes({P::Custody, false, false}), P::NotGiven);
    QCOMPARE(kindAgreeingWithBoxes({P::Deferred, true, false}), P::NotGiven);
    QCOMPARE(kindAgreeingWithBoxes({P::Milder, false, false}), P::Milder);
    QCOMPARE(kindAgreeingWithBoxes({P::Deferred, false, true}), P::Deferred);
}

QTEST_GUILESS_MAIN(TestLegalCases)
#include "tst_legalcases.moc"
