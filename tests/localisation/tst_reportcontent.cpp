// What the report of an assessment says, in each shipped language, with no window
// in sight: its heading lines, each row's expungement date and the note on why it
// was or was not counted, the result with its grounds, what qualifies it and what
// it entails. The expected dates follow from the terms of Articles 86 and 95 of
// the Criminal Code, the results from its Article 18.
#include "catalogue/labeltext.h"
#include "catalogue/uLocalize.h"
#include "localisation/explanation.h"
#include "localisation/reportcontent.h"
#include "support/assessmentfixture.h"
#include "support/languagefolder.h"

#include <QtTest>

namespace {

// What the report shows in a line or cell with nothing to show.
const QString Dash = QStringLiteral("\u2014");

// The case as the main window assesses it: the pass over the list, then how
// long the result holds, unless a row could not be read or no category was
// chosen.
AssessedCase assessedCase(const QList<ConvictionRecord> &records, const CurrentCrime &crime)
{
    RecidivismAssessment assessment = assessRecidivism(crime, records);
    if (!assessment.failure && !assessment.categoryMissing)
        assessment.horizon = resultHorizon(crime, assessment);
    return AssessedCase{records, crime, assessment};
}

// One shipped language: its texts by key, and the report it gives of a case.
class Language
{
public:
    Language(const QString &programFolder, const QString &name)
        : m_catalogue(programFolder)
        , m_selected(m_catalogue.SelectLanguage(name))
    {
    }

    bool selected() const { return m_selected; }

    // The text of a key; a key no shipped file gives fails the test, as the
    // report would then be compared with the same stand-in text.
    QString text(const QString &key) const
    {
        const QString found = m_catalogue.Translate(key);
        if (found.startsWith(QStringLiteral("NoTranslate:")))
            QTest::qFail(qPrintable(key + QStringLiteral(" is in no language file")), __FILE__,
                         __LINE__);
        return found;
    }
    // A window's label as the start of a line: no access key, no colon.
    QString label(const QString &key) const { return withoutColon(withoutAccessKey(text(key))); }
    QString yes() const { return text("String.Yes"); }
    QString no() const { return text("String.No"); }

    // "Facts given: ..." of the facts, each as the record dialog names it.
    QString factsGiven(const QStringList &facts) const
    {
        return filledText(text("String.FactsGiven"), facts.join(QStringLiteral("; ")));
    }
    // "Not counted: ..." with the reasons of the keys, in the order given.
    QString notCounted(const QStringList &reasonKeys) const
    {
        QStringList reasons;
        for (const QString &key : reasonKeys)
            reasons.append(text(key));
        return filledText(text("String.RowNotCounted"), reasons.join(QStringLiteral("; ")));
    }
    // "Consequences: ..." of the provisions named, in the order given.
    QString consequences(const QStringList &keys) const
    {
        QStringList named;
        for (const QString &key : keys)
            named.append(text(key));
        return filledText(text("String.Consequences"), named.join(QStringLiteral("; ")));
    }

    ReportContent report(const AssessedCase &subject) const
    {
        return reportContent(subject, lookUpReportTexts(m_catalogue),
                             lookUpExplanationTexts(m_catalogue), fixtureDateFormat());
    }

private:
    LanguageCatalogue m_catalogue;
    bool m_selected;
};

// A row of the report as expected: its conviction date, its expungement date
// and its note.
struct ExpectedRow
{
    QString date;
    QString expiry;
    QString counted;
};

// The first row whose date, expiry or note is not the one expected, described;
// empty when every row is as expected.
QString rowMismatch(const QList<ReportRow> &rows, const QList<ExpectedRow> &expected)
{
    if (rows.size() != expected.size())
        return QStringLiteral("%1 rows, expected %2").arg(rows.size()).arg(expected.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const ReportRow &row = rows[i];
        const ExpectedRow &wanted = expected[i];
        const std::pair<QString, QString> cells[] = {
            {row.fields[RecordColumn::Date], wanted.date},
            {row.expiry, wanted.expiry},
            {row.counted, wanted.counted},
        };
        for (const auto &[actual, expectedText] : cells) {
            if (actual != expectedText)
                return QStringLiteral("row %1:\n  actual: %2\nexpected: %3")
                    .arg(i + 1)
                    .arg(actual, expectedText);
        }
    }
    return {};
}

// The consequences of dangerous recidivism: the least term (Article 68 part 2),
// no conditional sentence (Article 73 part 1 (c)), a strict-regime colony for a
// man (Article 58 part 1 (c)) and administrative supervision (Federal Law No.
// 64-FZ, Article 3 part 2). Especially dangerous recidivism differs in the
// colony: special regime (Article 58 part 1 (d)).
const QStringList DangerousConsequences{
    "String.ConsequenceLeastTerm", "String.ConsequenceNoConditional",
    "String.ConsequenceColonyDangerous", "String.ConsequenceSupervision"};
const QStringList EspeciallyDangerousConsequences{
    "String.ConsequenceLeastTerm", "String.ConsequenceNoConditional",
    "String.ConsequenceColonyEspeciallyDangerous", "String.ConsequenceSupervision"};

} // namespace

class TestReportContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reportHoldsTheAssessment_data();
    void reportHoldsTheAssessment();
    void reportNamesTheFactsUsed_data();
    void reportNamesTheFactsUsed();
    void reportAsksForACategoryAndQualifiesTheResult_data();
    void reportAsksForACategoryAndQualifiesTheResult();
    void reportWarnsWhereTheAnswerRestsOnDoubt_data();
    void reportWarnsWhereTheAnswerRestsOnDoubt();
    void negligentCrimeIsStatedAndEntailsNothing_data();
    void negligentCrimeIsStatedAndEntailsNothing();

private:
    LanguageFolder m_folder;
};

void TestReportContent::initTestCase()
{
    m_folder.copyShippedLanguages();
}

void TestReportContent::reportHoldsTheAssessment_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Russian") << "Russian";
    QTest::newRow("French") << "French";
}

// A grave new crime with actual custody on 9 December 2026 and five priors
// given by the list's columns alone: each term runs from the conviction date,
// and a grave crime whose date is not given takes the terms before 3 August 2013.
void TestReportContent::reportHoldsTheAssessment()
{
    QFETCH(QString, language);
    const Language words(m_folder.programFolder(), language);
    QVERIFY(words.selected());
    const QString grave = words.text("String.SeriousCrime");
    const ReportContent report = words.report(assessedCase(
        {conviction("07.04.2023", "grave"), conviction("15.06.2021", "grave"),
         conviction("01.02.2010", "medium"), conviction("20.11.2024", "small", "No", "Yes", "Yes"),
         conviction("03.03.2022", "especially grave", "Yes", "Yes")},
        fixtureCrime("grave", true, QDate(2026, 12, 9))));

    QCOMPARE(report.title, words.text("String.ReportTitle"));
    QCOMPARE(report.crimeHeading, words.text("Group.CrimeChosen"));
    QCOMPARE(report.severity.label, words.label("String.GravityOfCrime"));
    QCOMPARE(report.severity.value, grave);
    QCOMPARE(report.custody.label, words.label("String.ActualCustody"));
    QCOMPARE(report.custody.value, words.yes());
    QCOMPARE(report.negligent.label, words.label("String.NewCrimeNegligent"));
    QCOMPARE(report.negligent.value, words.no());
    QCOMPARE(report.calculationDate.label, words.label("String.DateRecidivismCalculation"));
    QCOMPARE(report.calculationDate.value, QStringLiteral("09.12.2026"));
    QCOMPARE(report.assumptions, words.text("String.ReportAssumptions"));

    const QString counted = words.text("String.RowCounted");
    const QString expunged = words.notCounted({"String.ReasonExpunged"});
    const QList<ExpectedRow> rows{
        // Grave: six years (Article 86 part 3 (d) as worded before 3 August 2013).
        {"07.04.2023", "07.04.2029", counted},
        {"15.06.2021", "15.06.2027", counted},
        // Medium gravity: three years (Article 86 part 3 (c)), long over.
        {"01.02.2010", "01.02.2013", expunged},
        // Small gravity committed as a minor: one year (Article 95 part 3 (b)).
        // Not counted for every reason part 4 gives, and for want of custody.
        {"20.11.2024", "20.11.2025",
         words.notCounted({"String.ReasonReprieve", "String.ReasonNoCustody",
                           "String.ReasonSmallGravity", "String.ReasonMinor",
                           "String.ReasonExpunged"})},
        // Especially grave committed as a minor: three years (Article 95 part 3 (c)).
        {"03.03.2022", "03.03.2025",
         words.notCounted({"String.ReasonMinor", "String.ReasonExpunged"})},
    };
    const QString mismatch = rowMismatch(report.rows, rows);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    // Two grave priors with custody: especially dangerous recidivism under Article
    // 18 part 3 (a); one of them alone already gives part 2 (b).
    QCOMPARE(report.result, words.text("String.EspeciallyDangerRecidiv"));
    QCOMPARE(report.grounds, filledText(words.text("String.GroundsSeveral"),
                                        words.text("String.ClausePart2b") + QStringLiteral(", ") +
                                            words.text("String.ClausePart3a"),
                                        QStringLiteral("1, 2")));
    // No. 2 is expunged on 15 June 2027; no. 1 alone leaves part 2 (b).
    QCOMPARE(report.horizon, filledText(words.text("String.HoldsUntil"), "14.06.2027", "15.06.2027",
                                        words.text("String.DangerRecidiv")));
    QCOMPARE(report.notices, QString());
    QCOMPARE(report.consequences, words.consequences(EspeciallyDangerousConsequences));
}

void TestReportContent::reportNamesTheFactsUsed_data()
{
    reportHoldsTheAssessment_data();
}

// A row with details names them and the provision its term rests on; a row
// without names none, the assumptions paragraph standing for it; the new crime's
// negligence is stated.
void TestReportContent::reportNamesTheFactsUsed()
{
    QFETCH(QString, language);
    const Language words(m_folder.programFolder(), language);
    QVERIFY(words.selected());
    const ReportContent report = words.report(
        assessedCase({withDetails(conviction("01.06.2015", "grave"),
                                  ConvictionDetails{.crimeDate = QDate(2014, 11, 10),
                                                    .punishment = PunishmentKind::Custody,
                                                    .served = QDate(2020, 6, 12)}),
                      conviction("01.06.2019", "grave")},
                     fixtureCrime("grave", false, QDate(2024, 5, 1))));

    QCOMPARE(report.custody.value, words.no());
    QCOMPARE(report.negligent.label, words.label("String.NewCrimeNegligent"));
    QCOMPARE(report.negligent.value, words.no());
    QCOMPARE(report.calculationDate.value, QStringLiteral("01.05.2024"));

    const QString counted = words.text("String.RowCounted");
    const QList<ExpectedRow> rows{
        // Committed after 3 August 2013: eight years from release, not six from
        // conviction (Article 86 part 3 (d)).
        {"01.06.2015", "12.06.2028",
         words.factsGiven({words.label("String.CrimeCommitted") + " 10.11.2014",
                           words.text("String.PunishmentCustody"),
                           words.label("String.SentenceServed") + " 12.06.2020"}) +
             u'\n' +
             filledText(words.text("String.Basis"), words.text("String.Term86d"),
                        filledText(words.text("String.FromServed"), "12.06.2020")) +
             u'\n' + counted},
        // Nothing given: the note names no provision of its own.
        {"01.06.2019", "01.06.2025", counted},
    };
    const QString mismatch = rowMismatch(report.rows, rows);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    // A grave new crime without custody: part 3 (a) asks custody, part 2 (b) does
    // not.
    QCOMPARE(report.result, words.text("String.DangerRecidiv"));
    QCOMPARE(report.grounds, filledText(words.text("String.GroundsSeveral"),
                                        words.text("String.ClausePart2b"), QStringLiteral("1, 2")));
    QCOMPARE(report.consequences, words.consequences(DangerousConsequences));
}

void TestReportContent::reportAsksForACategoryAndQualifiesTheResult_data()
{
    reportHoldsTheAssessment_data();
}

// Without a category the report asks for it and gives no answer, and so no
// grounds and no consequences; a conviction dated after the new crime and a new
// crime dated after today are said; with a category, the grounds name the
// counted row by its number, and what the result entails follows.
void TestReportContent::reportAsksForACategoryAndQualifiesTheResult()
{
    QFETCH(QString, language);
    const Language words(m_folder.programFolder(), language);
    QVERIFY(words.selected());
    // The day after the fixture's today.
    const QDate tomorrow(2026, 12, 10);
    const QList<ConvictionRecord> records{conviction("15.06.2021", "grave"),
                                          conviction("01.02.2027", "grave")};
    const QString notices =
        filledText(words.text("String.DatedAfterCrimeOne"), QStringLiteral("1")) + u'\n' +
        filledText(words.text("String.FutureCrimeDate"), QStringLiteral("10.12.2026"));

    const ReportContent asked =
        words.report(assessedCase(records, fixtureCrime(QString(), false, tomorrow)));
    QCOMPARE(asked.severity.label, words.label("String.GravityOfCrime"));
    QCOMPARE(asked.severity.value, Dash);
    QCOMPARE(asked.result, words.text("String.ChooseCategory"));
    QCOMPARE(asked.grounds, QString());
    QCOMPARE(asked.horizon, QString());
    QCOMPARE(asked.notices, notices);
    QCOMPARE(asked.consequences, QString());

    const ReportContent answered =
        words.report(assessedCase(records, fixtureCrime("grave", false, tomorrow)));
    const QList<ExpectedRow> rows{
        // Grave, six years from conviction (Article 86 part 3 (d) as worded before
        // 3 August 2013): in force on the new crime's day.
        {"15.06.2021", "15.06.2027", words.text("String.RowCounted")},
        // No previous conviction yet when the new crime was committed (Article 18
        // part 1).
        {"01.02.2027", "01.02.2033", words.notCounted({"String.ReasonAfterDate"})},
    };
    const QString mismatch = rowMismatch(answered.rows, rows);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    // One grave prior with custody: dangerous recidivism under part 2 (b).
    QCOMPARE(answered.result, words.text("String.DangerRecidiv"));
    QCOMPARE(answered.grounds, filledText(words.text("String.Grounds"),
                                          words.text("String.ClausePart2b"), QStringLiteral("1")));
    QCOMPARE(answered.notices, notices);
    QCOMPARE(answered.consequences, words.consequences(DangerousConsequences));
}

void TestReportContent::reportWarnsWhereTheAnswerRestsOnDoubt_data()
{
    reportHoldsTheAssessment_data();
}

// A row in doubt (the new crime falls on the day it is expunged) carries the note
// saying how the day is counted; the result's warning lines name that row and
// the point where courts differ (part 2 (a) read for an especially grave crime).
void TestReportContent::reportWarnsWhereTheAnswerRestsOnDoubt()
{
    QFETCH(QString, language);
    const Language words(m_folder.programFolder(), language);
    QVERIFY(words.selected());
    const ReportContent report = words.report(assessedCase(
        {
            // A crime from after 3 August 2013: eight years from release, up on
            // the day of the new crime.
            withDetails(conviction("01.06.2015", "grave"),
                        ConvictionDetails{.crimeDate = QDate(2014, 11, 10),
                                          .punishment = PunishmentKind::Custody,
                                          .served = QDate(2018, 6, 1)}),
            conviction("01.06.2024", "medium"),
            conviction("01.07.2024", "medium"),
        },
        fixtureCrime("especially grave", true, QDate(2026, 6, 1))));

    const QString counted = words.text("String.RowCounted");
    const QList<ExpectedRow> rows{
        // Expunged on the anniversary of release (Article 86 part 3, "on the
        // expiry"), the reading in the accused's favour; courts that count the
        // term to the end of that day hold it still stood: the note says so.
        {"01.06.2015", "01.06.2026",
         words.factsGiven({words.label("String.CrimeCommitted") + " 10.11.2014",
                           words.text("String.PunishmentCustody"),
                           words.label("String.SentenceServed") + " 01.06.2018"}) +
             u'\n' +
             filledText(words.text("String.Basis"), words.text("String.Term86d"),
                        filledText(words.text("String.FromServed"), "01.06.2018")) +
             u'\n' + words.notCounted({"String.ReasonExpunged"}) + u'\n' +
             words.text("String.RowDoubtBoundaryDay")},
        // Medium gravity: three years (Article 86 part 3 (c)). The rows that
        // raise no doubt carry no such note.
        {"01.06.2024", "01.06.2027", counted},
        {"01.07.2024", "01.07.2027", counted},
    };
    const QString mismatch = rowMismatch(report.rows, rows);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));

    // Part 2 (a) names a grave new crime; by its letter two medium priors give
    // recidivism under part 1 alone.
    QCOMPARE(report.result, words.text("String.Recidiv"));
    QCOMPARE(report.grounds, filledText(words.text("String.GroundsSeveral"),
                                        words.text("String.ClausePart1"), QStringLiteral("2, 3")));
    QCOMPARE(report.notices,
             filledText(words.text("String.DoubtBoundaryDay"), QStringLiteral("1")) + u'\n' +
                 words.text("String.DoubtPart2a"));
    // Every kind of recidivism: the least term of Article 68 part 2, nothing more.
    QCOMPARE(report.consequences, words.consequences({"String.ConsequenceLeastTerm"}));
}

void TestReportContent::negligentCrimeIsStatedAndEntailsNothing_data()
{
    reportHoldsTheAssessment_data();
}

// Only intentional crimes make recidivism (Article 18 part 1): a negligent new
// crime is said to be one, with no recidivism and nothing that follows from it.
void TestReportContent::negligentCrimeIsStatedAndEntailsNothing()
{
    QFETCH(QString, language);
    const Language words(m_folder.programFolder(), language);
    QVERIFY(words.selected());
    const ReportContent report =
        words.report(assessedCase({conviction("15.06.2021", "grave")},
                                  fixtureCrime("grave", true, QDate(2026, 12, 9), true)));

    QCOMPARE(report.custody.value, words.yes());
    QCOMPARE(report.negligent.value, words.yes());
    QCOMPARE(report.result, words.text("String.RecidivNo"));
    QCOMPARE(report.grounds, words.text("String.NegligentNoGrounds"));
    QCOMPARE(report.consequences, QString());
}

QTEST_MAIN(TestReportContent)
#include "tst_reportcontent.moc"
