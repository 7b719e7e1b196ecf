#include "assessment/recidivism.h"

#include "assessment/recordlist.h"
#include "assessment/sentence.h"
#include "platform/shortdateformat.h"

#include <algorithm>

namespace {

Exclusions exclusionsOf(const AssessmentTexts &texts, const ConvictionRecord &record,
                        const RowAssessment &row, QDate calculationDate)
{
    const CrimeCategories &categories = texts.categories;
    Exclusions exclusions;
    const bool counted = record.Severity == categories[Gravity::Medium] ||
                         record.Severity == categories[Gravity::Grave] ||
                         record.Severity == categories[Gravity::EspeciallyGrave];
    if (!counted) {
        exclusions |= record.Severity == categories[Gravity::Small] ? Exclusion::SmallGravity
                                                                    : Exclusion::UnknownSeverity;
    }
    // A revoked conditional sentence or deferral counts as deprivation of liberty,
    // whatever the boxes say.
    switch (row.sentence) {
    case Sentence::Custody: break;
    case Sentence::Conditional:
        exclusions |= Exclusion::NoActualCustody | Exclusion::ConditionalSentence;
        break;
    case Sentence::Deferred:
        exclusions |= Exclusion::Reprieve;
        if (record.Custody != texts.answers.yes)
            exclusions |= Exclusion::NoActualCustody;
        break;
    case Sentence::Milder:
    case Sentence::Unspecified: exclusions |= Exclusion::NoActualCustody; break;
    }
    if (record.Details.negligent)
        exclusions |= Exclusion::Negligent;
    if (record.Juvenile == texts.answers.yes)
        exclusions |= Exclusion::CommittedAsMinor;
    if (!row.expungement.inForce)
        exclusions |= Exclusion::Expunged;
    if (row.convictionDate > calculationDate)
        exclusions |= Exclusion::AfterCalculationDate;
    return exclusions;
}

// A row is tallied once for every counted category its text equals (several only
// when a language gives two categories the same text).
void tally(Tallies &tallies, const CrimeCategories &categories, const QString &severity, int step)
{
    if (severity == categories[Gravity::Medium])
        tallies.medium += step;
    if (severity == categories[Gravity::Grave])
        tallies.grave += step;
    if (severity == categories[Gravity::EspeciallyGrave])
        tallies.especiallyGrave += step;
}

} // namespace

QString resultTextFor(const ResultTexts &texts, RecidivismKind kind)
{
    switch (kind) {
    case RecidivismKind::Dangerous: return texts.dangerous;
    case RecidivismKind::EspeciallyDangerous: return texts.especiallyDangerous;
    case RecidivismKind::Simple: return texts.simple;
    case RecidivismKind::Neither: break;
    }
    return texts.neither;
}

Article18Clauses article18Clauses(const CrimeCategories &categories, const CurrentCrime &crime,
                                  const Tallies &tallies)
{
    Article18Clauses clauses;
    if (crime.negligent)
        return clauses;
    const bool grave = crime.severity == categories[Gravity::Grave];
    const bool especiallyGrave = crime.severity == categories[Gravity::EspeciallyGrave];
    if (grave && crime.actualCustody && tallies.medium >= 2)
        clauses |= Article18Clause::Part2a;
    if (grave && tallies.grave + tallies.especiallyGrave >= 1)
        clauses |= Article18Clause::Part2b;
    if (grave && crime.actualCustody && tallies.grave >= 2)
        clauses |= Article18Clause::Part3a;
    if (especiallyGrave && (tallies.grave >= 2 || tallies.especiallyGrave >= 1))
        clauses |= Article18Clause::Part3b;
    if (!clauses && !crime.severity.isEmpty() && tallies.part1 > 0)
        clauses |= Article18Clause::Part1;
    return clauses;
}

RecidivismKind recidivismKind(Article18Clauses clauses)
{
    if (clauses & (Article18Clause::Part3a | Article18Clause::Part3b))
        return RecidivismKind::EspeciallyDangerous;
    if (clauses & (Article18Clause::Part2a | Article18Clause::Part2b))
        return RecidivismKind::Dangerous;
    if (clauses & Article18Clause::Part1)
        return RecidivismKind::Simple;
    return RecidivismKind::Neither;
}

RecidivismAssessment assessRecidivism(const AssessmentTexts &texts, const CurrentCrime &crime,
                                      const QList<ConvictionRecord> &records,
                                      const ShortDateFormat &dateFormat)
{
    RecidivismAssessment assessment;
    assessment.rows.reserve(records.size());
    for (const ConvictionRecord &record : records) {
        const std::optional<QDate> date = dateFormat.tryParse(record.Date);
        if (!date) {
            assessment.failure = invalidDateError(record.Date);
            break;
        }
        RowAssessment row;
        row.convictionDate = *date;
        row.expungement = checkExpungement(texts, record, *date, crime.calculationDate);
        row.inForceText = row.expungement.inForce ? texts.answers.yes : texts.answers.no;
        row.sentence = sentenceOf(record, texts.answers);
        row.exclusions = exclusionsOf(texts, record, row, crime.calculationDate);
        if (row.tallied())
            tally(assessment.tallies, texts.categories, record.Severity, +1);
        if (row.countsForPart1())
            ++assessment.tallies.part1;
        assessment.rows.append(std::move(row));
    }
    assessment.negligentCrime = crime.negligent;
    assessment.clauses = article18Clauses(texts.categories, crime, assessment.tallies);
    assessment.kind = recidivismKind(assessment.clauses);
    assessment.resultText = resultTextFor(texts.results, assessment.kind);
    return assessment;
}

RecidivismAssessment recomputeRecidivism(const AssessmentTexts &texts, const CurrentCrime &crime,
                                         RecordList &list, const ShortDateFormat &dateFormat)
{
    RecidivismAssessment assessment = assessRecidivism(texts, crime, list.records(), dateFormat);
    QStringList answers;
    QList<QDate> expiries;
    answers.reserve(assessment.rows.size());
    expiries.reserve(assessment.rows.size());
    for (const RowAssessment &row : std::as_const(assessment.rows)) {
        answers.append(row.inForceText);
        expiries.append(row.expungement.hasTerm() ? row.expungement.expiry : QDate());
    }
    list.setInForceTexts(answers);
    list.setExpiryDates(expiries, dateFormat);
    return assessment;
}

ResultHorizon resultHorizon(const AssessmentTexts &texts, const CurrentCrime &crime,
                            const QList<ConvictionRecord> &records,
                            const RecidivismAssessment &assessment)
{
    // A row counts while the calculation date lies in [conviction date, expiry
    // date), when nothing else excludes it. Walking the days on which rows start
    // or stop counting, in order, finds the first day the result changes.
    constexpr Exclusions Timed = Exclusion::Expunged | Exclusion::AfterCalculationDate;
    struct Change
    {
        QDate day;
        const QString *severity;
        int step;
        bool dangerous; // counts towards dangerous recidivism as well as part 1
    };
    QList<Change> changes;
    for (qsizetype i = 0; i < assessment.rows.size(); ++i) {
        const RowAssessment &row = assessment.rows[i];
        if (!row.countsForPart1Besides(Timed))
            continue;
        const QString &severity = records[i].Severity;
        const bool dangerous = !(row.exclusions & ~Timed);
        if (row.convictionDate > crime.calculationDate)
            changes.append({row.convictionDate, &severity, +1, dangerous});
        if (row.expungement.expiry > crime.calculationDate &&
            row.expungement.expiry > row.convictionDate)
            changes.append({row.expungement.expiry, &severity, -1, dangerous});
    }
    std::sort(changes.begin(), changes.end(),
              [](const Change &a, const Change &b) { return a.day < b.day; });

    Tallies tallies = assessment.tallies;
    for (qsizetype i = 0; i < changes.size();) {
        const QDate day = changes[i].day;
        for (; i < changes.size() && changes[i].day == day; ++i) {
            if (changes[i].dangerous)
                tally(tallies, texts.categories, *changes[i].severity, changes[i].step);
            tallies.part1 += changes[i].step;
        }
        const RecidivismKind kind =
            recidivismKind(article18Clauses(texts.categories, crime, tallies));
        if (kind != assessment.kind)
            return ResultHorizon{day.addDays(-1), kind};
    }
    return ResultHorizon{};
}
