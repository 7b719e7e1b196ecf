// The words behind an answer: rows' expungement dates and reasons, the clauses
// a result rests on, and until when it holds as the calculation date moves on.
#include "assessment/explanation.h"
#include "assessment/recordlist.h"
#include "support/assessmentfixture.h"

#include <QtTest>

using Records = QList<ConvictionRecord>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(RecidivismKind)

namespace {

ExplanationTexts fixtureWords()
{
    ExplanationTexts words;
    words.countsUntil = "counts until %s";
    words.expungedOn = "expunged on %s";
    words.noTerm = "no term";
    words.counted = "counted";
    words.notCounted = "not counted: %s";
    words.reasons = {"reprieve", "no custody", "small", "unknown", "minor", "expunged", "later"};
    words.clauses = {"2a", "2b", "3a", "3b"};
    words.grounds = "grounds %1; rows %2";
    words.noGrounds = "no grounds";
    words.holdsUntil = "holds until %1; from %2: %3";
    words.holdsNoEnd = "holds for good";
    words.results = fixtureTexts().results;
    return words;
}

RecidivismAssessment assess(const Records &records, const CurrentCrime &crime)
{
    return assessRecidivism(fixtureTexts(), crime, records, fixtureDateFormat());
}

} // namespace

class TestExplanation : public QObject
{
    Q_OBJECT

private slots:
    void rowNotes_data();
    void rowNotes();
    void groundsNameClausesAndCountedRows();
    void horizon_data();
    void horizon();
    void horizonAgreesWithTheDayItNames();
};

void TestExplanation::rowNotes_data()
{
    QTest::addColumn<ConvictionRecord>("record");
    QTest::addColumn<QString>("note");
    QTest::newRow("counted, in force")
        << conviction("07.04.2012", "grave") << "counts until 06.04.2018\ncounted";
    QTest::newRow("expunged") << conviction("07.04.2009", "grave")
                              << "expunged on 07.04.2015\nnot counted: expunged";
    QTest::newRow("several reasons") << conviction("07.04.2014", "small", "No", "Yes", "Yes")
                                     << "expunged on 07.04.2015\n"
                                        "not counted: reprieve; no custody; small; minor; expunged";
    QTest::newRow("no category") << conviction("07.04.2014", "Тяжкое")
                                 << "no term\nnot counted: unknown; expunged";
    QTest::newRow("later than the new crime")
        << conviction("01.02.2016", "grave") << "counts until 31.01.2022\nnot counted: later";
}

void TestExplanation::rowNotes()
{
    QFETCH(ConvictionRecord, record);
    QFETCH(QString, note);
    const RecidivismAssessment assessment =
        assess({record}, CurrentCrime{"grave", true, QDate(2016, 1, 10)});
    QCOMPARE(rowNote(assessment.rows.first(), fixtureWords(), fixtureDateFormat()), note);
}

void TestExplanation::groundsNameClausesAndCountedRows()
{
    const Records records{conviction("07.04.2014", "grave"), conviction("07.04.2014", "small"),
                          conviction("07.04.2015", "grave")};
    const ExplanationTexts words = fixtureWords();
    QCOMPARE(groundsLine(assess(records, {"grave", true, QDate(2016, 1, 10)}), words),
             QStringLiteral("grounds 2b, 3a; rows 1, 3"));
    QCOMPARE(groundsLine(assess(records, {"medium", true, QDate(2016, 1, 10)}), words),
             QStringLiteral("no grounds"));
}

void TestExplanation::horizon_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<bool>("custody");
    QTest::addColumn<QString>("line");
    QTest::newRow("empty list") << Records{} << true << "holds for good";
    QTest::newRow("two grave priors: the first expiry ends especially dangerous")
        << Records{conviction("07.04.2012", "grave"), conviction("01.09.2013", "grave")} << true
        << "holds until 06.04.2018; from 07.04.2018: dangerous";
    QTest::newRow("one grave prior: dangerous until it expires")
        << Records{conviction("07.04.2012", "grave")} << false
        << "holds until 06.04.2018; from 07.04.2018: neither";
    QTest::newRow("a later conviction starts counting on its date")
        << Records{conviction("07.04.2012", "grave"), conviction("01.03.2016", "grave")} << true
        << "holds until 29.02.2016; from 01.03.2016: especially dangerous";
    QTest::newRow("an expiry that changes nothing is passed over")
        << Records{conviction("07.04.2012", "grave"), conviction("07.04.2013", "grave"),
                   conviction("07.04.2014", "grave")}
        << true << "holds until 06.04.2019; from 07.04.2019: dangerous";
    QTest::newRow("only expunged priors")
        << Records{conviction("07.04.2009", "grave")} << true << "holds for good";
}

void TestExplanation::horizon()
{
    QFETCH(Records, records);
    QFETCH(bool, custody);
    QFETCH(QString, line);
    const CurrentCrime crime{"grave", custody, QDate(2016, 1, 10)};
    const RecidivismAssessment assessment = assess(records, crime);
    const ResultHorizon horizon = resultHorizon(fixtureTexts(), crime, records, assessment);
    QCOMPARE(horizonLine(horizon, fixtureWords(), fixtureDateFormat()), line);
}

// The horizon comes from the same rules as the pass: assessing on its last day
// gives today's result, and on the next day the result it names.
void TestExplanation::horizonAgreesWithTheDayItNames()
{
    const Records records{conviction("07.04.2012", "grave"), conviction("15.06.2013", "medium"),
                          conviction("01.09.2013", "medium"), conviction("20.02.2016", "grave")};
    CurrentCrime crime{"grave", true, QDate(2016, 1, 10)};
    for (int step = 0; step < 6; ++step) {
        const RecidivismAssessment today = assess(records, crime);
        const ResultHorizon horizon = resultHorizon(fixtureTexts(), crime, records, today);
        if (!horizon.lastDay)
            break;
        crime.calculationDate = *horizon.lastDay;
        QCOMPARE(assess(records, crime).kind, today.kind);
        crime.calculationDate = horizon.lastDay->addDays(1);
        QCOMPARE(assess(records, crime).kind, horizon.next);
    }
}

QTEST_GUILESS_MAIN(TestExplanation)
#include "tst_explanation.moc"
