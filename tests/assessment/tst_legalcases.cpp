// Cases a practitioner brings with the file in hand: release dates, the longer
// terms for crimes from 3 August 2013, conditional, deferred and milder
// punishments, negligence, recidivism under part 1 alone, and minors. Each row
// gives the list, the new crime, the outcome and every row's expiry date.
#include "assessment/punishmentboxes.h"
#include "assessment/recidivism.h"
#include "support/assessmentfixture.h"

#include <QtTest>

using Records = QList<ConvictionRecord>;
using Dates = QList<QDate>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(Dates)
Q_DECLARE_METATYPE(RecidivismKind)
Q_DECLARE_METATYPE(CurrentCrime)
Q_DECLARE_METATYPE(PunishmentBoxes)
Q_DECLARE_METATYPE(PunishmentKind)

namespace {

using K = RecidivismKind;
using P = PunishmentKind;

CurrentCrime crime(const QString &severity, QDate date, bool negligent = false)
{
    return fixtureCrime(severity, true, date, negligent);
}

// A conviction with custody Yes, reprieve No and the details given.
ConvictionRecord prior(const QString &date, const QString &severity,
                       const ConvictionDetails &details, const QString &custody = "Yes",
                       const QString &juvenile = "No", const QString &reprieve = "No")
{
    return withDetails(conviction(date, severity, custody, juvenile, reprieve), details);
}

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

    // Grave, committed 2014, convicted 2015, five years of custody, released 2020.
    const ConvictionDetails released{
        .crimeDate = QDate(2014, 11, 10), .punishment = P::Custody, .served = QDate(2020, 6, 1)};
    QTest::newRow("released 2020: 8 years from release, dangerous in 2024")
        << Records{prior("01.06.2015", "grave", released)} << crime("grave", QDate(2024, 5, 1))
        << K::Dangerous << Dates{QDate(2028, 6, 1)};
    QTest::newRow("same case without the facts: expunged 2021 from the conviction date")
        << Records{conviction("01.06.2015", "grave")} << crime("grave", QDate(2024, 5, 1))
        << K::Neither << Dates{QDate(2021, 6, 1)};
    QTest::newRow("release date without the crime date: the shorter term of 6 years")
        << Records{prior("01.06.2015", "grave", {.served = QDate(2020, 6, 1)})}
        << crime("grave", QDate(2024, 5, 1)) << K::Dangerous << Dates{QDate(2026, 6, 1)};
    QTest::newRow("crime date without the release: the longer term from the conviction date")
        << Records{prior("01.06.2015", "grave", {.crimeDate = QDate(2014, 11, 10)})}
        << crime("grave", QDate(2022, 5, 1)) << K::Dangerous << Dates{QDate(2023, 6, 1)};

    // The 2013 boundary: 2 August keeps the old terms, 3 August takes the new.
    const auto grave2013 = [](int day) {
        return prior("01.12.2013", "grave",
                     {.crimeDate = QDate(2013, 8, day), .served = QDate(2015, 1, 1)});
    };
    const auto especially2013 = [](int day) {
        return prior("01.12.2013", "especially grave",
                     {.crimeDate = QDate(2013, 8, day), .served = QDate(2015, 1, 1)});
    };
    QTest::newRow("grave, crime on 2 August 2013: 6 years, expunged by 2022")
        << Records{grave2013(2)} << crime("grave", QDate(2022, 1, 1)) << K::Neither
        << Dates{QDate(2021, 1, 1)};
    QTest::newRow("grave, crime on 3 August 2013: 8 years, dangerous in 2022")
        << Records{grave2013(3)} << crime("grave", QDate(2022, 1, 1)) << K::Dangerous
        << Dates{QDate(2023, 1, 1)};
    QTest::newRow("especially grave, crime on 2 August 2013: 8 years")
        << Records{especially2013(2)} << crime("especially grave", QDate(2024, 1, 1)) << K::Neither
        << Dates{QDate(2023, 1, 1)};
    QTest::newRow("especially grave, crime on 3 August 2013: 10 years, especially dangerous")
        << Records{especially2013(3)} << crime("especially grave", QDate(2024, 1, 1))
        << K::EspeciallyDangerous << Dates{QDate(2025, 1, 1)};

    // Conditional sentences: expunged when probation ends, never counted unless
    // revoked; revoked, they are deprivation of liberty.
    const ConvictionDetails conditional{.crimeDate = QDate(2016, 3, 1),
                                        .punishment = P::Conditional,
                                        .probationEnd = QDate(2019, 12, 31)};
    // Art. 86 part 3 (a): expunged "on the expiry of" probation, so its last day
    // (31 December 2019) still has the conviction, and 1 January 2020 does not.
    QTest::newRow("conditional, during probation: in force but not counted")
        << Records{prior("01.01.2017", "grave", conditional, "No")}
        << crime("grave", QDate(2019, 6, 1)) << K::Neither << Dates{QDate(2020, 1, 1)};
    QTest::newRow("conditional, probation's last day: still in force")
        << Records{prior("01.01.2017", "grave", conditional, "No")}
        << crime("grave", QDate(2019, 12, 31)) << K::Neither << Dates{QDate(2020, 1, 1)};
    QTest::newRow("conditional, the day after probation: expunged")
        << Records{prior("01.01.2017", "grave", conditional, "No")}
        << crime("grave", QDate(2020, 1, 1)) << K::Neither << Dates{QDate(2020, 1, 1)};
    ConvictionDetails revoked = conditional;
    revoked.revoked = true;
    revoked.served = QDate(2021, 5, 1);
    QTest::newRow("conditional revoked, served 2021: 8 years from release, dangerous")
        << Records{prior("01.01.2017", "grave", revoked, "No")} << crime("grave", QDate(2024, 1, 1))
        << K::Dangerous << Dates{QDate(2029, 5, 1)};
    QTest::newRow("conditional without its probation end: the custodial term from conviction")
        << Records{prior("01.01.2017", "medium", {.punishment = P::Conditional}, "No")}
        << crime("medium", QDate(2018, 1, 1)) << K::Neither << Dates{QDate(2020, 1, 1)};
    QTest::newRow("deferred, not revoked: not counted")
        << Records{prior("01.01.2017", "grave", {.punishment = P::Deferred}, "Yes", "No", "Yes")}
        << crime("grave", QDate(2018, 1, 1)) << K::Neither << Dates{QDate(2023, 1, 1)};
    QTest::newRow("deferred and revoked: counted as deprivation of liberty")
        << Records{prior("01.01.2017", "grave", {.punishment = P::Deferred, .revoked = true}, "Yes",
                         "No", "Yes")}
        << crime("grave", QDate(2018, 1, 1)) << K::Dangerous << Dates{QDate(2023, 1, 1)};

    // Art. 18 part 3 (b) asks no deprivation of liberty of its priors ("ранее ... два
    // раза было осуждено за тяжкое преступление или ранее осуждалось за особо
    // тяжкое"), unlike parts 2 and 3 (a); part 4's exclusions still apply. A fine
    // paid on 1 June 2023 keeps the conviction a year (art. 86 part 3 (b)).
    const ConvictionDetails fined{
        .crimeDate = QDate(2022, 10, 1), .punishment = P::Milder, .served = QDate(2023, 6, 1)};
    const ConvictionRecord finedGrave = prior("01.03.2023", "grave", fined, "No");
    QTest::newRow("3(b): especially grave, two grave priors fined: especially dangerous")
        << Records{finedGrave, finedGrave} << crime("especially grave", QDate(2024, 5, 31))
        << K::EspeciallyDangerous << Dates{QDate(2024, 6, 1), QDate(2024, 6, 1)};
    QTest::newRow("3(b): the fines' year over on 1 June 2024: no recidivism")
        << Records{finedGrave, finedGrave} << crime("especially grave", QDate(2024, 6, 1))
        << K::Neither << Dates{QDate(2024, 6, 1), QDate(2024, 6, 1)};
    QTest::newRow("3(b): especially grave, one especially grave prior fined")
        << Records{prior("01.03.2023", "especially grave", fined, "No")}
        << crime("especially grave", QDate(2024, 1, 1)) << K::EspeciallyDangerous
        << Dates{QDate(2024, 6, 1)};
    QTest::newRow("3(b): one grave prior fined is not two: part 1")
        << Records{finedGrave} << crime("especially grave", QDate(2024, 1, 1)) << K::Simple
        << Dates{QDate(2024, 6, 1)};
    QTest::newRow("grave new crime, two grave priors fined: 2(b) and 3(a) ask custody, part 1")
        << Records{finedGrave, finedGrave} << crime("grave", QDate(2024, 1, 1)) << K::Simple
        << Dates{QDate(2024, 6, 1), QDate(2024, 6, 1)};
    const ConvictionRecord conditionalGrave = prior("01.03.2023", "grave",
                                                    {.crimeDate = QDate(2022, 10, 1),
                                                     .punishment = P::Conditional,
                                                     .probationEnd = QDate(2025, 2, 28)},
                                                    "No");
    QTest::newRow("3(b): two grave conditional sentences not revoked: art. 18 part 4 (c)")
        << Records{conditionalGrave, conditionalGrave}
        << crime("especially grave", QDate(2024, 1, 1)) << K::Neither
        << Dates{QDate(2025, 3, 1), QDate(2025, 3, 1)};

    // A milder punishment: one year after it was served; it counts under part 1.
    const ConvictionDetails milder{.punishment = P::Milder, .served = QDate(2022, 3, 1)};
    QTest::newRow("milder, day before its year ends: recidivism under part 1")
        << Records{prior("01.09.2021", "medium", milder, "No")}
        << crime("medium", QDate(2023, 2, 28)) << K::Simple << Dates{QDate(2023, 3, 1)};
    QTest::newRow("milder, on the day its year ends: expunged")
        << Records{prior("01.09.2021", "medium", milder, "No")}
        << crime("medium", QDate(2023, 3, 1)) << K::Neither << Dates{QDate(2023, 3, 1)};
    QTest::newRow("milder never makes recidivism dangerous")
        << Records{prior("01.09.2021", "grave", milder, "No")} << crime("grave", QDate(2022, 6, 1))
        << K::Simple << Dates{QDate(2023, 3, 1)};

    // Negligence.
    QTest::newRow("negligent prior: never counted")
        << Records{prior("01.06.2015", "grave", {.negligent = true})}
        << crime("grave", QDate(2016, 1, 1)) << K::Neither << Dates{QDate(2021, 6, 1)};
    QTest::newRow("negligent new crime: never recidivism")
        << Records{conviction("01.06.2015", "grave"), conviction("01.07.2015", "grave")}
        << crime("grave", QDate(2016, 1, 1), true) << K::Neither
        << Dates{QDate(2021, 6, 1), QDate(2021, 7, 1)};

    // Recidivism under part 1 alone.
    QTest::newRow("part 1: small new crime, a medium prior with custody")
        << Records{conviction("01.06.2015", "medium")} << crime("small", QDate(2016, 1, 1))
        << K::Simple << Dates{QDate(2018, 6, 1)};
    QTest::newRow("part 1: medium new crime, a grave prior")
        << Records{conviction("01.06.2015", "grave")} << crime("medium", QDate(2016, 1, 1))
        << K::Simple << Dates{QDate(2021, 6, 1)};
    QTest::newRow("part 1 needs a prior above small gravity")
        << Records{conviction("01.06.2015", "small")} << crime("medium", QDate(2016, 1, 1))
        << K::Neither << Dates{QDate(2018, 6, 1)};
    QTest::newRow("part 1 needs the punishment kind when custody is cleared")
        << Records{conviction("01.06.2015", "medium", "No")} << crime("medium", QDate(2016, 1, 1))
        << K::Neither << Dates{QDate(2018, 6, 1)};
    QTest::newRow("part 1 needs a chosen new crime")
        << Records{conviction("01.06.2015", "grave")} << crime("", QDate(2016, 1, 1)) << K::Neither
        << Dates{QDate(2021, 6, 1)};
    QTest::newRow("part 1: a conditional sentence not revoked does not count")
        << Records{prior("01.06.2015", "medium", {.punishment = P::Conditional}, "No")}
        << crime("medium", QDate(2016, 1, 1)) << K::Neither << Dates{QDate(2018, 6, 1)};

    // Minors: Article 95 after release, never counted.
    QTest::newRow("minor, grave, released: 3 years after release")
        << Records{prior("01.06.2015", "grave",
                         {.punishment = P::Custody, .served = QDate(2019, 2, 1)}, "Yes", "Yes")}
        << crime("grave", QDate(2021, 1, 1)) << K::Neither << Dates{QDate(2022, 2, 1)};
    QTest::newRow("minor, medium, released: 1 year after release")
        << Records{prior("01.06.2015", "medium", {.served = QDate(2017, 2, 1)}, "Yes", "Yes")}
        << crime("grave", QDate(2017, 6, 1)) << K::Neither << Dates{QDate(2018, 2, 1)};
    QTest::newRow("minor, milder punishment: 6 months after it was served")
        << Records{prior("01.06.2015", "medium",
                         {.punishment = P::Milder, .served = QDate(2016, 2, 29)}, "No", "Yes")}
        << crime("medium", QDate(2016, 6, 1)) << K::Neither << Dates{QDate(2016, 8, 29)};
}

void TestLegalCases::assesses()
{
    QFETCH(Records, records);
    QFETCH(CurrentCrime, current);
    QFETCH(RecidivismKind, kind);
    QFETCH(Dates, expiries);
    const RecidivismAssessment assessment =
        assessRecidivism(fixtureTexts(), current, records, fixtureDateFormat());
    QVERIFY(!assessment.failure);
    QCOMPARE(assessment.kind, kind);
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
