#include "assessment/recidivism.h"

#include "assessment/recordlist.h"
#include "assessment/sentence.h"
#include "platform/shortdateformat.h"

#include <algorithm>

namespace {

Exclusions exclusionsOf(const RecordTexts &texts, const ConvictionRecord &record,
                        const RowAssessment &row, QDate calculationDate)
{
    Exclusions exclusions;
    if (!row.gravity)
        exclusions |= Exclusion::UnknownSeverity;
    else if (*row.gravity == Gravity::Small)
        exclusions |= Exclusion::SmallGravity;
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

// The priors part 3 (b) counts, whatever their punishment.
void tallyForPart3b(Tallies &tallies, std::optional<Gravity> gravity, int step)
{
    if (gravity == Gravity::Grave)
        tallies.part3bGrave += step;
    else if (gravity == Gravity::EspeciallyGrave)
        tallies.part3bEspeciallyGrave += step;
}

// Priors of small gravity are never tallied.
void tally(Tallies &tallies, std::optional<Gravity> gravity, int step)
{
    if (!gravity)
        return;
    switch (*gravity) {
    case Gravity::Small: break;
    case Gravity::Medium: tallies.medium += step; break;
    case Gravity::Grave: tallies.grave += step; break;
    case Gravity::EspeciallyGrave: tallies.especiallyGrave += step; break;
    }
}

} // namespace

Article18Clauses article18Clauses(const CurrentCrime &crime, const Tallies &tallies)
{
    Article18Clauses clauses;
    if (crime.negligent)
        return clauses;
    const bool grave = crime.gravity == Gravity::Grave;
    const bool especiallyGrave = crime.gravity == Gravity::EspeciallyGrave;
    if (grave && crime.actualCustody && tallies.medium >= 2)
        clauses |= Article18Clause::Part2a;
    if (grave && tallies.grave + tallies.especiallyGrave >= 1)
        clauses |= Article18Clause::Part2b;
    if (grave && crime.actualCustody && tallies.grave >= 2)
        clauses |= Article18Clause::Part3a;
    if (especiallyGrave && (tallies.part3bGrave >= 2 || tallies.part3bEspeciallyGrave >= 1))
        clauses |= Article18Clause::Part3b;
    if (!clauses && crime.gravity && tallies.part1 > 0)
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

RecidivismAssessment assessRecidivism(const RecordTexts &texts, const CurrentCrime &crime,
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
        row.gravity = texts.categories.gravityOf(record.Severity);
        row.expungement = checkExpungement(texts, record, *date, crime.calculationDate);
        row.inForceText = row.expungement.inForce ? texts.answers.yes : texts.answers.no;
        row.sentence = sentenceOf(record, texts.answers);
        row.exclusions = exclusionsOf(texts, record, row, crime.calculationDate);
        if (row.tallied())
            tally(assessment.tallies, row.gravity, +1);
        if (row.countsForPart1())
            ++assessment.tallies.part1;
        if (row.countsForPart3b())
            tallyForPart3b(assessment.tallies, row.gravity, +1);
        row.countedForPart3bOnly =
            crime.gravity == Gravity::EspeciallyGrave && row.countsForPart3b() && !row.tallied();
        assessment.rows.append(std::move(row));
    }
    assessment.negligentCrime = crime.negligent;
    assessment.categoryMissing = !crime.gravity;
    assessment.clauses = article18Clauses(crime, assessment.tallies);
    assessment.kind = recidivismKind(assessment.clauses);
    return assessment;
}

int RecidivismAssessment::countDatedAfterCrime() const
{
    return int(std::count_if(rows.cbegin(), rows.cend(), [](const RowAssessment &row) {
        return row.exclusions.testFlag(Exclusion::AfterCalculationDate);
    }));
}

RecidivismAssessment recomputeRecidivism(const RecordTexts &texts, const CurrentCrime &crime,
                                         RecordList &list, const ShortDateFormat &dateFormat)
{
    RecidivismAssessment assessment = assessRecidivism(texts, crime, list.records(), dateFormat);
    QStringList answers;
    QList<QDate> expiries;
    QList<bool> datedAfterCrime;
    answers.reserve(assessment.rows.size());
    expiries.reserve(assessment.rows.size());
    datedAfterCrime.reserve(assessment.rows.size());
    for (const RowAssessment &row : std::as_const(assessment.rows)) {
        answers.append(row.inForceText);
        expiries.append(row.expungement.hasTerm() ? row.expungement.expiry : QDate());
        datedAfterCrime.append(row.exclusions.testFlag(Exclusion::AfterCalculationDate));
    }
    list.setInForceTexts(answers);
    list.setExpiryDates(expiries, dateFormat);
    list.setDatedAfterCrime(datedAfterCrime);
    return assessment;
}

ResultHorizon resultHorizon(const CurrentCrime &crime, const RecidivismAssessment &assessment)
{
    // A row counts while the calculation date lies in [conviction date, expiry
    // date), when nothing else excludes it. Walking the days on which rows start
    // or stop counting, in order, finds the first day the result changes.
    constexpr Exclusions Timed = Exclusion::Expunged | Exclusion::AfterCalculationDate;
    struct Change
    {
        QDate day;
        std::optional<Gravity> gravity;
        int step;
        bool dangerous; // counts towards dangerous recidivism as well as part 1
        bool part3b;    // counts under part 3 (b)
    };
    QList<Change> changes;
    for (const RowAssessment &row : assessment.rows) {
        if (!row.countsForPart1Besides(Timed))
            continue;
        const bool dangerous = !(row.exclusions & ~Timed);
        const bool part3b = row.countsForPart3bBesides(Timed);
        if (row.convictionDate > crime.calculationDate)
            changes.append({row.convictionDate, row.gravity, +1, dangerous, part3b});
        if (row.expungement.expiry > crime.calculationDate &&
            row.expungement.expiry > row.convictionDate)
            changes.append({row.expungement.expiry, row.gravity, -1, dangerous, part3b});
    }
    std::sort(changes.begin(), changes.end(),
              [](const Change &a, const Change &b) { return a.day < b.day; });

    Tallies tallies = assessment.tallies;
    for (qsizetype i = 0; i < changes.size();) {
        const QDate day = changes[i].day;
        for (; i < changes.size() && changes[i].day == day; ++i) {
            if (changes[i].dangerous)
                tally(tallies, changes[i].gravity, changes[i].step);
            if (changes[i].part3b)
                tallyForPart3b(tallies, changes[i].gravity, changes[i].step);
            tallies.part1 += changes[i].step;
        }
        const RecidivismKind kind = recidivismKind(article18Clauses(crime, tallies));
        if (kind != assessment.kind)
            return ResultHorizon{day.addDays(-1), kind};
    }
    return ResultHorizon{};
}
