#include "assessment/recidivism.h"

#include "assessment/sentence.h"
#include "platform/runtimeerror.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace {

// A conditional sentence or deferral that a revocation made deprivation of liberty.
bool madeCustodyByRevocation(const ConvictionRecord &record, Sentence sentence)
{
    if (sentence != Sentence::Custody || !record.details.revoked)
        return false;
    ConvictionRecord unrevoked = record;
    unrevoked.details.revoked = false;
    return sentenceOf(unrevoked) != Sentence::Custody;
}

Exclusions exclusionsOf(const ConvictionRecord &record, const RowAssessment &row,
                        QDate calculationDate)
{
    Exclusions exclusions;
    if (!row.gravity)
        exclusions |= Exclusion::UnknownSeverity;
    else if (*row.gravity == Gravity::Small)
        exclusions |= Exclusion::SmallGravity;
    // A revoked conditional sentence or deferral counts as deprivation of liberty,
    // whatever the boxes say, once it was revoked before the new crime.
    switch (row.sentence) {
    case Sentence::Custody: break;
    case Sentence::Conditional:
        exclusions |= Exclusion::NoActualCustody | Exclusion::ConditionalSentence;
        break;
    case Sentence::Deferred:
        exclusions |= Exclusion::Reprieve;
        if (!record.custody)
            exclusions |= Exclusion::NoActualCustody;
        break;
    case Sentence::Milder:
    case Sentence::Unspecified: exclusions |= Exclusion::NoActualCustody; break;
    }
    const ConvictionDetails &details = record.details;
    if (madeCustodyByRevocation(record, row.sentence) && details.revokedOn.isValid() &&
        details.revokedOn >= calculationDate)
        exclusions |= Exclusion::RevokedAfterCrime;
    if (details.negligent)
        exclusions |= Exclusion::Negligent;
    if (record.juvenile)
        exclusions |= Exclusion::CommittedAsMinor;
    if (!row.expungement.inForce)
        exclusions |= Exclusion::Expunged;
    if (row.convictionDate > calculationDate)
        exclusions |= Exclusion::AfterCalculationDate;
    if (details.inForce.isValid() && details.inForce > calculationDate)
        exclusions |= Exclusion::NotYetInForce;
    return exclusions;
}

// The first day a conviction can count.
QDate countsFromOf(const ConvictionRecord &record, const RowAssessment &row)
{
    const ConvictionDetails &details = record.details;
    QDate from = row.convictionDate;
    if (details.inForce.isValid())
        from = std::max(from, details.inForce);
    if (madeCustodyByRevocation(record, row.sentence) && details.revokedOn.isValid())
        from = std::max(from, details.revokedOn.addDays(1));
    return from;
}

// How a row counts: towards dangerous recidivism, under part 3 (b), under part 1.
struct Counting
{
    bool dangerous = false;
    bool part3b = false;
    bool part1 = false;
};

// The tallies, by sentence: the rows of one sentence count once, with their most
// serious counted crime. A row without a sentence number is a sentence of its own.
class SentenceTallies
{
public:
    void change(int sentence, std::optional<Gravity> gravity, Counting counting, int step)
    {
        Counts &counts = m_sentences[sentence];
        contribute(counts, -1);
        if (gravity && counting.dangerous)
            counts.dangerous[std::size_t(*gravity)] += step;
        if (gravity && counting.part3b)
            counts.part3b[std::size_t(*gravity)] += step;
        if (counting.part1)
            counts.part1 += step;
        contribute(counts, +1);
    }

    const Tallies &tallies() const { return m_tallies; }

private:
    struct Counts
    {
        std::array<int, 4> dangerous{};
        std::array<int, 4> part3b{};
        int part1 = 0;
    };

    static std::optional<Gravity> mostSerious(const std::array<int, 4> &counts)
    {
        for (std::size_t index = counts.size(); index-- > 0;) {
            if (counts[index] > 0)
                return Gravity(index);
        }
        return std::nullopt;
    }

    void contribute(const Counts &counts, int step)
    {
        switch (mostSerious(counts.dangerous).value_or(Gravity::Small)) {
        case Gravity::Small: break; // never tallied
        case Gravity::Medium: m_tallies.medium += step; break;
        case Gravity::Grave: m_tallies.grave += step; break;
        case Gravity::EspeciallyGrave: m_tallies.especiallyGrave += step; break;
        }
        const std::optional<Gravity> part3b = mostSerious(counts.part3b);
        if (part3b == Gravity::EspeciallyGrave)
            m_tallies.part3bEspeciallyGrave += step;
        else if (part3b == Gravity::Grave)
            m_tallies.part3bGrave += step;
        if (counts.part1 > 0)
            m_tallies.part1 += step;
    }

    QHash<int, Counts> m_sentences;
    Tallies m_tallies;
};

// The key of a row's sentence: its number, or a key of its own.
int sentenceKey(const RowAssessment &row, qsizetype index)
{
    return row.sentenceNumber > 0 ? row.sentenceNumber : -int(index) - 1;
}

// The rows of each numbered sentence with two rows or more, by number.
QHash<int, QList<int>> sharedSentences(const QList<RowAssessment> &rows)
{
    QHash<int, QList<int>> sentences;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        if (rows[index].sentenceNumber > 0)
            sentences[rows[index].sentenceNumber].append(int(index));
    }
    sentences.removeIf([](const auto &sentence) { return sentence.value().size() < 2; });
    return sentences;
}

// The rows of one sentence served one punishment: its end is the latest end
// given for any of them, and without one the term runs from the last of their
// conviction dates, the day of the final sentence.
struct SharedSentence
{
    QDate served;
    QDate additionalEnd;
    QDate finalConviction;
};

QHash<int, SharedSentence> sharedEnds(const QList<RowAssessment> &rows,
                                      const QList<ConvictionRecord> &records,
                                      const QHash<int, QList<int>> &sentences)
{
    const auto later = [](QDate &kept, QDate date) {
        if (date.isValid() && (!kept.isValid() || date > kept))
            kept = date;
    };
    QHash<int, SharedSentence> ends;
    for (auto sentence = sentences.cbegin(); sentence != sentences.cend(); ++sentence) {
        SharedSentence &end = ends[sentence.key()];
        for (const int member : sentence.value()) {
            later(end.served, records[member].details.served);
            later(end.additionalEnd, records[member].details.additionalEnd);
            later(end.finalConviction, rows[member].convictionDate);
        }
    }
    return ends;
}

// The more serious of two rows for counting: tallied first, then by gravity.
int countingRank(const RowAssessment &row)
{
    const int gravity = row.gravity ? int(*row.gravity) : -1;
    if (row.tallied())
        return 20 + gravity;
    if (row.countedForPart3bOnly)
        return 10 + gravity;
    return row.countsForPart1() ? gravity : -10;
}

// Each counted row of a shared sentence but its most serious one is counted with it.
void markCountedWith(QList<RowAssessment> &rows, const QHash<int, QList<int>> &sentences)
{
    for (const QList<int> &members : sentences) {
        QList<int> counted;
        for (const int member : members) {
            if (rows[member].counts())
                counted.append(member);
        }
        if (counted.size() < 2)
            continue;
        const int first = *std::max_element(counted.cbegin(), counted.cend(), [&](int a, int b) {
            return countingRank(rows[a]) < countingRank(rows[b]);
        });
        for (const int member : counted) {
            if (member != first)
                rows[member].countedWithRow = first;
        }
    }
}

Counting countingOf(const RowAssessment &row, Exclusions besides)
{
    return Counting{!(row.exclusions & ~besides), row.countsForPart3bBesides(besides),
                    row.countsForPart1Besides(besides)};
}

// What the answer of a row rests on that the record does not settle.
Doubts rowDoubts(const RowAssessment &row, const ConvictionRecord &record, QDate calculationDate)
{
    Doubts doubts;
    const Expungement &term = row.expungement;
    if (term.longerTermsExpiry && (calculationDate < *term.longerTermsExpiry) != term.inForce)
        doubts |= Doubt::CrimeDateDecides;
    // A conditional sentence's expiry is the day after probation's last day: no
    // doubt falls on it.
    if (term.hasTerm() && term.clause != TermClause::Art86a && !term.removed.isValid() &&
        calculationDate == term.expiry && row.convictionDate <= calculationDate)
        doubts |= Doubt::BoundaryDay;
    if (term.additionalOutlastedProbation && calculationDate >= term.expiry &&
        calculationDate <= record.details.additionalEnd)
        doubts |= Doubt::AdditionalOutlastedProbation;
    // A sentence enters into force once its appeal term has run (Article 390
    // part 1 of the Code of Criminal Procedure): a crime within that term most
    // likely came before the conviction existed.
    if (!record.details.inForce.isValid() && row.counts() &&
        calculationDate >= row.convictionDate &&
        calculationDate <= row.convictionDate.addDays(appealTermDays(row.convictionDate)))
        doubts |= Doubt::AppealPeriod;
    if (record.details.unconfirmed.any())
        doubts |= Doubt::DetailsUnconfirmed;
    return doubts;
}

// Where courts differ on the clause the tallies meet.
Doubts resultDoubts(const CurrentCrime &crime, const Tallies &tallies, RecidivismKind kind)
{
    Doubts doubts;
    if (crime.negligent)
        return doubts;
    const bool grave = crime.gravity == Gravity::Grave;
    const bool especiallyGrave = crime.gravity == Gravity::EspeciallyGrave;
    if (especiallyGrave && crime.actualCustody && tallies.medium >= 2 &&
        kind < RecidivismKind::Dangerous)
        doubts |= Doubt::Part2aEspeciallyGrave;
    if (grave && crime.actualCustody && tallies.grave < 2 &&
        tallies.grave + tallies.especiallyGrave >= 2 && kind < RecidivismKind::EspeciallyDangerous)
        doubts |= Doubt::Part3aEspeciallyGravePrior;
    return doubts;
}

} // namespace

// Article 389.4 part 1 of the Code of Criminal Procedure: ten days, fifteen for
// sentences pronounced from 9 January 2023 (Federal Law No. 608-FZ of 29 December
// 2022).
int appealTermDays(QDate pronounced)
{
    return pronounced >= QDate(2023, 1, 9) ? 15 : 10;
}

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
    // Courts read part 2 (b) a fortiori for an especially grave crime; part 3 (b)
    // makes that reading needless when it holds.
    if (especiallyGrave && tallies.grave >= 1 && !(clauses & Article18Clause::Part3b))
        clauses |= Article18Clause::Part2bEspeciallyGrave;
    if (!clauses && crime.gravity && tallies.part1 > 0)
        clauses |= Article18Clause::Part1;
    return clauses;
}

RecidivismKind recidivismKind(Article18Clauses clauses)
{
    if (clauses & (Article18Clause::Part3a | Article18Clause::Part3b))
        return RecidivismKind::EspeciallyDangerous;
    if (clauses & (Article18Clause::Part2a | Article18Clause::Part2b |
                   Article18Clause::Part2bEspeciallyGrave))
        return RecidivismKind::Dangerous;
    if (clauses & Article18Clause::Part1)
        return RecidivismKind::Simple;
    return RecidivismKind::Neither;
}

RecidivismAssessment assessRecidivism(const CurrentCrime &crime,
                                      const QList<ConvictionRecord> &records)
{
    RecidivismAssessment assessment;
    QList<RowAssessment> &rows = assessment.rows;
    rows.reserve(records.size());
    for (const ConvictionRecord &record : records) {
        // Every way into the list gives a date; one without stops the pass.
        if (!record.date.isValid()) {
            assessment.failure = invalidDateError(QString());
            break;
        }
        RowAssessment row;
        row.convictionDate = record.date;
        row.gravity = record.gravity.known();
        row.sentence = sentenceOf(record);
        row.sentenceNumber = record.details.sentence;
        row.countsFrom = countsFromOf(record, row);
        rows.append(std::move(row));
    }
    const QHash<int, QList<int>> sentences = sharedSentences(rows);
    const QHash<int, SharedSentence> ends = sharedEnds(rows, records, sentences);
    for (qsizetype index = 0; index < rows.size(); ++index) {
        RowAssessment &row = rows[index];
        ConvictionRecord record = records[index];
        QDate termDate = row.convictionDate;
        if (const auto end = ends.constFind(row.sentenceNumber); end != ends.cend()) {
            record.details.served = end->served;
            record.details.additionalEnd = end->additionalEnd;
            termDate = end->finalConviction;
            for (const int member : sentences.value(row.sentenceNumber)) {
                if (member != index)
                    row.sameSentence.append(member);
            }
        }
        row.expungement = checkExpungement(record, termDate, crime.calculationDate);
        if (madeCustodyByRevocation(record, row.sentence) && !record.details.revokedOn.isValid())
            row.expungement.assumed |= Assumption::RevokedBeforeCrime;
    }

    SentenceTallies tallies;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        RowAssessment &row = rows[index];
        const ConvictionRecord &record = records[index];
        row.exclusions = exclusionsOf(record, row, crime.calculationDate);
        row.countedForPart3bOnly =
            crime.gravity == Gravity::EspeciallyGrave && row.countsForPart3b() && !row.tallied();
        tallies.change(sentenceKey(row, index), row.gravity, countingOf(row, {}), +1);
        row.doubts = rowDoubts(row, record, crime.calculationDate);
        assessment.doubts |= row.doubts;
        if (record.details.unconfirmed.any()) {
            row.unconfirmedDetails = record.details.unconfirmedPart();
            row.unconfirmedDetails.unconfirmed = record.details.unconfirmed;
        }
    }
    markCountedWith(rows, sentences);
    assessment.tallies = tallies.tallies();
    assessment.negligentCrime = crime.negligent;
    assessment.categoryMissing = !crime.gravity;
    assessment.clauses = article18Clauses(crime, assessment.tallies);
    assessment.kind = recidivismKind(assessment.clauses);
    assessment.doubts |= resultDoubts(crime, assessment.tallies, assessment.kind);
    return assessment;
}

QList<int> RecidivismAssessment::rowsInDoubt(Doubt doubt) const
{
    QList<int> inDoubt;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        if (rows[index].doubts.testFlag(doubt))
            inDoubt.append(int(index));
    }
    return inDoubt;
}

int RecidivismAssessment::countDatedAfterCrime() const
{
    return int(std::count_if(rows.cbegin(), rows.cend(), [](const RowAssessment &row) {
        return row.exclusions.testFlag(Exclusion::AfterCalculationDate);
    }));
}

ResultHorizon resultHorizon(const CurrentCrime &crime, const RecidivismAssessment &assessment)
{
    // A row counts while the calculation date lies in [the first day it can count,
    // expiry date), when nothing else excludes it. Walking the days on which rows
    // start or stop counting, in order, finds the first day the result changes.
    constexpr Exclusions Timed = Exclusion::Expunged | Exclusion::AfterCalculationDate |
                                 Exclusion::NotYetInForce | Exclusion::RevokedAfterCrime;
    struct Change
    {
        QDate day;
        int sentence;
        std::optional<Gravity> gravity;
        Counting counting;
        int step;
    };
    SentenceTallies tallies;
    QList<Change> changes;
    for (qsizetype index = 0; index < assessment.rows.size(); ++index) {
        const RowAssessment &row = assessment.rows[index];
        const int sentence = sentenceKey(row, index);
        tallies.change(sentence, row.gravity, countingOf(row, {}), +1);
        if (!row.countsForPart1Besides(Timed))
            continue;
        const Counting counting = countingOf(row, Timed);
        const QDate expiry = row.expungement.expiry;
        if (row.countsFrom > crime.calculationDate && expiry > row.countsFrom)
            changes.append({row.countsFrom, sentence, row.gravity, counting, +1});
        if (expiry > crime.calculationDate && expiry > row.countsFrom)
            changes.append({expiry, sentence, row.gravity, counting, -1});
    }
    std::sort(changes.begin(), changes.end(),
              [](const Change &a, const Change &b) { return a.day < b.day; });

    for (qsizetype i = 0; i < changes.size();) {
        const QDate day = changes[i].day;
        for (; i < changes.size() && changes[i].day == day; ++i)
            tallies.change(changes[i].sentence, changes[i].gravity, changes[i].counting,
                           changes[i].step);
        const RecidivismKind kind = recidivismKind(article18Clauses(crime, tallies.tallies()));
        if (kind != assessment.kind)
            return ResultHorizon{day.addDays(-1), kind};
    }
    return ResultHorizon{};
}
