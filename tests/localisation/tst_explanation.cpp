// The words behind an answer: rows' expungement dates and reasons, the clauses
// a result rests on, and until when it holds as the calculation date moves on.
#include "localisation/explanation.h"
#include "support/assessmentfixture.h"

#include <QtTest>

using Records = QList<ConvictionRecord>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(RecidivismKind)
Q_DECLARE_METATYPE(ConvictionDetails)

Q_DECLARE_METATYPE(UnconfirmedDetails)

namespace {

ExplanationTexts fixtureWords()
{
    ExplanationTexts words;
    using X = Exclusion;
    using C = Article18Clause;
    words.countsUntil = "counts until %1";
    words.expungedOn = "expunged on %1";
    words.noTerm = "no term";
    words.counted = "counted";
    words.notCounted = "not counted: %1";
    words.reasons = {{X::Reprieve, "reprieve"},         {X::NoActualCustody, "no custody"},
                     {X::SmallGravity, "small"},        {X::UnknownSeverity, "unknown"},
                     {X::CommittedAsMinor, "minor"},    {X::Expunged, "expunged"},
                     {X::AfterCalculationDate, "later"}};
    words.clauses = {{C::Part2a, "2a"},
                     {C::Part2b, "2b"},
                     {C::Part3a, "3a"},
                     {C::Part3b, "3b"},
                     {C::Part1, "1"}};
    words.grounds = "grounds %1; no. %2";
    words.groundsSeveral = "grounds %1; nos. %2";
    words.noGrounds = "no grounds";
    words.holdsUntil = "holds until %1; from %2: %3";
    words.holdsNoEnd = "holds for good";
    words.datedAfterCrimeOne = "%1 later row";
    words.datedAfterCrimeSeveral = "%1 later rows";
    words.futureCrimeDate = "%1 is ahead";
    words.results = ResultTexts{"neither", "dangerous", "especially dangerous", "recidivism",
                                "which category?"};
    return words;
}

// The words for the details: the provision, the start, what was assumed, and
// counted under part 1 only.
ExplanationTexts detailWords()
{
    ExplanationTexts words = fixtureWords();
    using T = TermClause;
    using P = PunishmentKind;
    words.countedPart1 = "part 1 only: %1";
    words.countedPart3b = "3b and part 1: %1";
    words.reasons[Exclusion::Negligent] = "negligent";
    words.reasons[Exclusion::ConditionalSentence] = "conditional";
    words.kindNotGiven = "kind needed";
    const std::pair<TermClause, const char *> clauses[] = {{T::Art86a, "86a"},
                                                           {T::Art86b, "86b"},
                                                           {T::Art86c, "86c"},
                                                           {T::Art86d, "86d"},
                                                           {T::Art86dBefore2013, "86d old"},
                                                           {T::Art86e, "86e"},
                                                           {T::Art86eBefore2013, "86e old"},
                                                           {T::Art95a, "95a"},
                                                           {T::Art95b, "95b"},
                                                           {T::Art95c, "95c"}};
    for (const auto &[clause, text] : clauses)
        words.termClauses[clause] = text;
    words.termStarts[TermStart::Conviction] = "from conviction %1";
    words.termStarts[TermStart::Served] = "from release %1";
    words.termStarts[TermStart::ProbationEnd] = "at probation end %1";
    words.basis = "%1, %2";
    words.assumptions = {{Assumption::ConvictionStart, "start assumed"},
                         {Assumption::TermsBefore2013, "old terms assumed"}};
    words.assumed = "assumed: %1";
    words.negligentCrime = "negligent new crime";
    words.facts.given = "given: %1";
    words.facts.crimeCommitted = "crime";
    words.facts.served = "served";
    words.facts.probationEnds = "probation";
    words.facts.kinds[P::Custody] = "custody";
    words.facts.kinds[P::Conditional] = "conditional";
    words.facts.kinds[P::Deferred] = "deferred";
    words.facts.kinds[P::Milder] = "milder";
    words.facts.revoked = "revoked";
    words.facts.negligent = "negligent";
    return words;
}

RecidivismAssessment assess(const Records &records, const CurrentCrime &crime)
{
    return assessRecidivism(crime, records);
}

} // namespace

class TestExplanation : public QObject
{
    Q_OBJECT

private slots:
    void rowNotes_data();
    void rowNotes();
    void groundsNameClausesAndCountedRows_data();
    void groundsNameClausesAndCountedRows();
    void noCategoryGivesNoAnswer();
    void notices_data();
    void notices();
    void detailNotes_data();
    void detailNotes();
    void part3bCountsPriorsWithoutCustody();
    void horizon_data();
    void horizon();
    void horizonAgreesWithTheDayItNames_data();
    void horizonAgreesWithTheDayItNames();
    void factsNoteNamesEveryFact_data();
    void factsNoteNamesEveryFact();
    void unconfirmedDetailsNameTheirRowAndFacts_data();
    void unconfirmedDetailsNameTheirRowAndFacts();
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
        assess({record}, fixtureCrime("grave", true, QDate(2016, 1, 10)));
    QCOMPARE(rowNote(assessment.rows.first(), record.details, fixtureWords(), fixtureDateFormat()),
             note);
}

void TestExplanation::groundsNameClausesAndCountedRows_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<QString>("severity");
    QTest::addColumn<bool>("negligent");
    QTest::addColumn<QString>("line");
    const Records three{conviction("07.04.2014", "grave"), conviction("07.04.2014", "small"),
                        conviction("07.04.2015", "grave")};
    QTest::newRow("several rows counted")
        << three << "grave" << false << "grounds 2b, 3a; nos. 1, 3";
    // A medium new crime is recidivism under part 1 only (it used to have no grounds).
    QTest::newRow("part 1 only") << three << "medium" << false << "grounds 1; nos. 1, 3";
    QTest::newRow("one row counted, the fourth")
        << Records{conviction("07.04.2009", "grave"), conviction("07.04.2014", "small"),
                   conviction("07.04.2014", "grave", "No"), conviction("07.04.2015", "grave")}
        << "grave" << false << "grounds 2b; no. 4";
    QTest::newRow("no clause") << three << "small" << true << "no grounds";
}

void TestExplanation::groundsNameClausesAndCountedRows()
{
    QFETCH(Records, records);
    QFETCH(QString, severity);
    QFETCH(bool, negligent);
    QFETCH(QString, line);
    const CurrentCrime crime = fixtureCrime(severity, true, QDate(2016, 1, 10), negligent);
    QCOMPARE(groundsLine(assess(records, crime), fixtureWords()), line);
}

// Without a category for the new crime there is no answer, however many priors
// would count: the question instead of a result, and no grounds.
void TestExplanation::noCategoryGivesNoAnswer()
{
    const Records priors(40, conviction("07.04.2014", "grave"));
    const ExplanationTexts words = fixtureWords();
    for (const bool negligent : {false, true}) {
        const RecidivismAssessment assessment =
            assess(priors, fixtureCrime("", true, QDate(2016, 1, 10), negligent));
        QVERIFY(assessment.categoryMissing);
        QCOMPARE(resultTextFor(words.results, assessment), QStringLiteral("which category?"));
        QCOMPARE(groundsLine(assessment, words), QString());
        // The rows are assessed all the same.
        QCOMPARE(tallyNote(assessment.rows.last(), words), QStringLiteral("counted"));
    }
    const RecidivismAssessment chosen =
        assess(priors, fixtureCrime("grave", true, QDate(2016, 1, 10)));
    QCOMPARE(resultTextFor(words.results, chosen), QStringLiteral("especially dangerous"));
}

// The lines under the result: convictions dated after the new crime, counted in
// the one or the several form, then a date after today (9 December 2026).
void TestExplanation::notices_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<QDate>("calculationDate");
    QTest::addColumn<QString>("notices");
    const Records dated{conviction("07.04.2014", "grave"), conviction("10.06.2026", "grave"),
                        conviction("01.09.2026", "medium"), conviction("09.12.2026", "grave")};
    QTest::newRow("none later, today") << dated << QDate(2026, 12, 9) << "";
    QTest::newRow("one later") << dated << QDate(2026, 12, 8) << "1 later row";
    QTest::newRow("two later") << dated << QDate(2026, 8, 31) << "2 later rows";
    QTest::newRow("three later") << dated << QDate(2026, 6, 9) << "3 later rows";
    QTest::newRow("a day after today") << dated << QDate(2026, 12, 10) << "10.12.2026 is ahead";
    QTest::newRow("both") << Records{conviction("01.01.2027", "grave")} << QDate(2026, 12, 20)
                          << "1 later row\n20.12.2026 is ahead";
}

void TestExplanation::notices()
{
    QFETCH(Records, records);
    QFETCH(QDate, calculationDate);
    QFETCH(QString, notices);
    const RecidivismAssessment assessment =
        assess(records, fixtureCrime("grave", true, calculationDate));
    QCOMPARE(resultNotices(assessment, calculationDate, fixtureWords(), fixtureDateFormat()),
             notices);
}

void TestExplanation::detailNotes_data()
{
    using P = PunishmentKind;
    QTest::addColumn<ConvictionRecord>("record");
    QTest::addColumn<QString>("note");
    QTest::newRow("nothing given: both assumptions stated")
        << conviction("07.04.2012", "grave")
        << "counts until 06.04.2018\n86d old, from conviction 07.04.2012\n"
           "assumed: start assumed; old terms assumed\ncounted";
    QTest::newRow("released, crime after August 2013: nothing assumed")
        << withDetails(conviction("07.04.2014", "grave"),
                       {.crimeDate = QDate(2013, 9, 1), .served = QDate(2015, 1, 1)})
        << "counts until 31.12.2022\ngiven: crime 01.09.2013; served 01.01.2015\n"
           "86d, from release 01.01.2015\ncounted";
    QTest::newRow("released, crime date not given")
        << withDetails(conviction("07.04.2014", "especially grave"), {.served = QDate(2015, 1, 1)})
        << "counts until 31.12.2022\ngiven: served 01.01.2015\n86e old, from release 01.01.2015\n"
           "assumed: old terms assumed\ncounted";
    QTest::newRow("milder: part 1 only")
        << withDetails(conviction("07.04.2014", "medium", "No"),
                       {.punishment = P::Milder, .served = QDate(2015, 6, 1)})
        << "counts until 31.05.2016\ngiven: milder; served 01.06.2015\n"
           "86b, from release 01.06.2015\npart 1 only: no custody";
    QTest::newRow("conditional: probation end, not counted")
        << withDetails(conviction("07.04.2014", "medium", "No"),
                       {.punishment = P::Conditional, .probationEnd = QDate(2016, 4, 7)})
        << "counts until 07.04.2016\ngiven: conditional; probation 07.04.2016\n"
           "86a, at probation end 07.04.2016\n"
           "not counted: no custody; conditional";
    QTest::newRow("custody cleared, kind not given: the kind is asked for")
        << conviction("07.04.2014", "medium", "No")
        << "counts until 06.04.2017\n86c, from conviction 07.04.2014\n"
           "assumed: start assumed\nnot counted: no custody; kind needed";
    QTest::newRow("negligent minor, milder punishment")
        << withDetails(conviction("07.04.2014", "grave", "No", "Yes"),
                       {.punishment = P::Milder, .served = QDate(2015, 6, 1), .negligent = true})
        << "expunged on 01.12.2015\ngiven: milder; served 01.06.2015; negligent\n"
           "95a, from release 01.06.2015\n"
           "not counted: no custody; minor; expunged; negligent";
}

void TestExplanation::detailNotes()
{
    QFETCH(ConvictionRecord, record);
    QFETCH(QString, note);
    const RecidivismAssessment assessment =
        assess({record}, fixtureCrime("grave", true, QDate(2016, 1, 10)));
    QCOMPARE(rowNote(assessment.rows.first(), record.details, detailWords(), fixtureDateFormat()),
             note);
    QCOMPARE(groundsLine(assess({record}, fixtureCrime("grave", true, QDate(2016, 1, 10), true)),
                         detailWords()),
             QStringLiteral("negligent new crime"));
}

// An especially grave new crime: a fined grave prior counts under part 3 (b),
// which asks no custody, and its note and the grounds say so.
void TestExplanation::part3bCountsPriorsWithoutCustody()
{
    const Records fined(
        2, withDetails(conviction("01.03.2015", "grave", "No"),
                       {.punishment = PunishmentKind::Milder, .served = QDate(2015, 6, 1)}));
    const RecidivismAssessment assessment =
        assess(fined, fixtureCrime("especially grave", false, QDate(2016, 1, 10)));
    QCOMPARE(assessment.kind, RecidivismKind::EspeciallyDangerous);
    QCOMPARE(tallyNote(assessment.rows.first(), detailWords()),
             QStringLiteral("3b and part 1: no custody"));
    QCOMPARE(groundsLine(assessment, detailWords()), QStringLiteral("grounds 3b; nos. 1, 2"));
    // Under a grave new crime the same prior counts under part 1 only.
    const RecidivismAssessment grave =
        assess(fined, fixtureCrime("grave", true, QDate(2016, 1, 10)));
    QCOMPARE(tallyNote(grave.rows.first(), detailWords()),
             QStringLiteral("part 1 only: no custody"));
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
    const CurrentCrime crime = fixtureCrime("grave", custody, QDate(2016, 1, 10));
    const RecidivismAssessment assessment = assess(records, crime);
    const ResultHorizon horizon = resultHorizon(crime, assessment);
    QCOMPARE(horizonLine(horizon, fixtureWords(), fixtureDateFormat()), line);
}

// The horizon comes from the same rules as the pass: assessing on its last day
// gives today's result, and on the next day the result it names.
void TestExplanation::horizonAgreesWithTheDayItNames_data()
{
    using P = PunishmentKind;
    QTest::addColumn<Records>("records");
    QTest::addColumn<QString>("severity");
    QTest::newRow("columns only") << Records{conviction("07.04.2012", "grave"),
                                             conviction("15.06.2013", "medium"),
                                             conviction("01.09.2013", "medium"),
                                             conviction("20.02.2016", "grave")}
                                  << "grave";
    // Part 1 rows start and stop counting too: a milder punishment, a revoked
    // conditional sentence, and rows that never count.
    QTest::newRow("with details")
        << Records{withDetails(conviction("07.04.2014", "medium", "No"),
                               {.punishment = P::Milder, .served = QDate(2016, 3, 1)}),
                   withDetails(conviction("01.02.2015", "grave", "No"),
                               {.crimeDate = QDate(2014, 1, 1),
                                .punishment = P::Conditional,
                                .served = QDate(2017, 1, 1),
                                .revoked = true}),
                   withDetails(conviction("01.03.2016", "grave"), {.negligent = true}),
                   conviction("01.05.2016", "medium", "No"), conviction("01.06.2016", "medium")}
        << "medium";
    // Part 3 (b) counts grave priors whatever their punishment: two fined, one in
    // custody, starting and stopping on other days.
    QTest::newRow("part 3 (b)")
        << Records{withDetails(conviction("01.03.2015", "grave", "No"),
                               {.punishment = P::Milder, .served = QDate(2016, 3, 1)}),
                   withDetails(conviction("01.09.2015", "grave", "No"),
                               {.punishment = P::Milder, .served = QDate(2016, 9, 1)}),
                   conviction("01.02.2016", "grave"), conviction("01.05.2016", "grave", "No")}
        << "especially grave";
    // Rows that start counting the day after a revocation or on the day the sentence
    // entered into force, one that stops on its removal, and two crimes of one
    // sentence that count once.
    QTest::newRow("revocation, entry into force, removal, one sentence")
        << Records{withDetails(conviction("01.02.2015", "grave", "No"),
                               {.crimeDate = QDate(2014, 1, 1),
                                .punishment = P::Conditional,
                                .probationEnd = QDate(2018, 2, 1),
                                .revoked = true,
                                .revokedOn = QDate(2016, 3, 1)}),
                   withDetails(conviction("05.01.2016", "grave"),
                               {.crimeDate = QDate(2015, 1, 1), .inForce = QDate(2016, 2, 15)}),
                   withDetails(
                       conviction("01.05.2014", "grave"),
                       {.punishment = P::Custody, .served = QDate(2015, 6, 1), .sentence = 1}),
                   withDetails(conviction("01.05.2014", "grave"),
                               {.punishment = P::Custody, .sentence = 1}),
                   withDetails(conviction("01.01.2015", "medium"), {.removed = QDate(2016, 6, 1)}),
                   withDetails(conviction("01.02.2015", "medium"), {.removed = QDate(2016, 7, 1)})}
        << "grave";
}

void TestExplanation::horizonAgreesWithTheDayItNames()
{
    QFETCH(Records, records);
    QFETCH(QString, severity);
    CurrentCrime crime = fixtureCrime(severity, true, QDate(2016, 1, 10));
    for (int step = 0; step < 8; ++step) {
        const RecidivismAssessment today = assess(records, crime);
        const ResultHorizon horizon = resultHorizon(crime, today);
        if (!horizon.lastDay)
            break;
        crime.calculationDate = *horizon.lastDay;
        QCOMPARE(assess(records, crime).kind, today.kind);
        crime.calculationDate = horizon.lastDay->addDays(1);
        QCOMPARE(assess(records, crime).kind, horizon.next);
    }
}

void TestExplanation::factsNoteNamesEveryFact_data()
{
    QTest::addColumn<ConvictionDetails>("details");
    QTest::addColumn<QString>("note");
    QTest::newRow("nothing given") << ConvictionDetails{} << "";
    QTest::newRow("every fact, in the record dialog's order")
        << ConvictionDetails{.crimeDate = QDate(2016, 3, 2),
                             .punishment = PunishmentKind::Conditional,
                             .served = QDate(2019, 8, 30),
                             .probationEnd = QDate(2020, 1, 15),
                             .revoked = true,
                             .negligent = true,
                             .inForce = QDate(2016, 4, 20),
                             .revokedOn = QDate(2018, 3, 1),
                             .sentence = 2,
                             .additionalEnd = QDate(2020, 1, 31),
                             .removed = QDate(2021, 5, 20)}
        << "given: crime 02.03.2016; in force 20.04.2016; sentence 2; conditional; "
           "served 30.08.2019; additional 31.01.2020; probation 15.01.2020; revoked; "
           "revoked on 01.03.2018; removed 20.05.2021; negligent";
    QTest::newRow("the sentence alone")
        << ConvictionDetails{.sentence = 14} << "given: sentence 14";
    QTest::newRow("a revocation day and a removal")
        << ConvictionDetails{.revokedOn = QDate(2018, 3, 1), .removed = QDate(2021, 5, 20)}
        << "given: revoked on 01.03.2018; removed 20.05.2021";
}

void TestExplanation::factsNoteNamesEveryFact()
{
    QFETCH(ConvictionDetails, details);
    QFETCH(QString, note);
    ExplanationTexts words = detailWords();
    words.facts.inForce = "in force";
    words.facts.revokedOn = "revoked on";
    words.facts.sentence = "sentence";
    words.facts.additionalEnd = "additional";
    words.facts.removed = "removed";
    QCOMPARE(factsNote(details, words, fixtureDateFormat()), note);
}

// Details that may be another conviction's: the row's note says whom they were
// written for, and the line under the result names the row and the facts in
// doubt, the later details alone where only they are.
void TestExplanation::unconfirmedDetailsNameTheirRowAndFacts_data()
{
    QTest::addColumn<UnconfirmedDetails>("unconfirmed");
    QTest::addColumn<QString>("rowNote");
    QTest::addColumn<QString>("resultLine");
    const DetailsOwner owner{QDate(2017, 9, 5), "grave"};
    QTest::newRow("own details: nothing") << UnconfirmedDetails{} << ""
                                          << "";
    QTest::newRow("all, written for another")
        << UnconfirmedDetails{owner, owner} << "written for 05.09.2017 \u00B7 grave"
        << "no. 2 for 05.09.2017 \u00B7 grave: sentence 3; custody; served 04.03.2020";
    QTest::newRow("the later ones, whom not known")
        << UnconfirmedDetails{std::nullopt, DetailsOwner{}} << "whom unknown"
        << "no. 2, whom unknown: sentence 3";
}

void TestExplanation::unconfirmedDetailsNameTheirRowAndFacts()
{
    QFETCH(UnconfirmedDetails, unconfirmed);
    QFETCH(QString, rowNote);
    QFETCH(QString, resultLine);
    ExplanationTexts words = detailWords();
    words.rowDoubts[Doubt::DetailsUnconfirmed] = "written for %1";
    words.detailsUnknownOwner = "whom unknown";
    words.doubtLines[Doubt::DetailsUnconfirmed] = "no. %1 for %2: %3";
    words.detailsLineUnknownOwner = "no. %1, whom unknown: %2";
    words.facts.sentence = "sentence";
    ConvictionRecord doubted = withDetails(
        conviction("05.09.2019", "grave"),
        {.punishment = PunishmentKind::Custody, .served = QDate(2020, 3, 4), .sentence = 3});
    doubted.details.unconfirmed = unconfirmed;
    const Records records{conviction("07.04.2009", "grave"), doubted};
    const RecidivismAssessment assessment =
        assess(records, fixtureCrime("grave", true, QDate(2021, 1, 1)));
    QCOMPARE(assessment.rows[1].doubts.testFlag(Doubt::DetailsUnconfirmed), unconfirmed.any());
    QCOMPARE(doubtNote(assessment.rows[1], doubted.details, words, fixtureDateFormat()), rowNote);
    QCOMPARE(doubtLines(assessment, words, fixtureDateFormat()), resultLine);
}

QTEST_GUILESS_MAIN(TestExplanation)
#include "tst_explanation.moc"
