#include "assessment/recidivism.h"

#include "assessment/recordlist.h"
#include "platform/shortdateformat.h"

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
    if (record.Custody != texts.answers.yes)
        exclusions |= Exclusion::NoActualCustody;
    if (record.Reprieve != texts.answers.no)
        exclusions |= Exclusion::Reprieve;
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
void tally(Tallies &tallies, const CrimeCategories &categories, const QString &severity)
{
    if (severity == categories[Gravity::Medium])
        ++tallies.medium;
    if (severity == categories[Gravity::Grave])
        ++tallies.grave;
    if (severity == categories[Gravity::EspeciallyGrave])
        ++tallies.especiallyGrave;
}

QString resultTextFor(const ResultTexts &texts, RecidivismKind kind)
{
    switch (kind) {
    case RecidivismKind::Dangerous: return texts.dangerous;
    case RecidivismKind::EspeciallyDangerous: return texts.especiallyDangerous;
    case RecidivismKind::Neither: break;
    }
    return texts.neither;
}

} // namespace

Article18Clauses article18Clauses(const CrimeCategories &categories, const CurrentCrime &crime,
                                  const Tallies &tallies)
{
    Article18Clauses clauses;
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
    return clauses;
}

RecidivismKind recidivismKind(Article18Clauses clauses)
{
    if (clauses & (Article18Clause::Part3a | Article18Clause::Part3b))
        return RecidivismKind::EspeciallyDangerous;
    if (clauses & (Article18Clause::Part2a | Article18Clause::Part2b))
        return RecidivismKind::Dangerous;
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
        row.expungement = checkExpungement(texts.categories, texts.answers.yes, record.Severity,
                                           record.Juvenile, *date, crime.calculationDate);
        row.inForceText = row.expungement.inForce ? texts.answers.yes : texts.answers.no;
        row.exclusions = exclusionsOf(texts, record, row, crime.calculationDate);
        if (row.tallied())
            tally(assessment.tallies, texts.categories, record.Severity);
        assessment.rows.append(std::move(row));
    }
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
    answers.reserve(assessment.rows.size());
    for (const RowAssessment &row : std::as_const(assessment.rows))
        answers.append(row.inForceText);
    list.setInForceTexts(answers);
    return assessment;
}
