#include "assessment/explanation.h"

#include "catalogue/uLocalize.h"
#include "platform/shortdateformat.h"

namespace {

constexpr std::array<Exclusion, 7> ExclusionOrder = {
    Exclusion::Reprieve,
    Exclusion::NoActualCustody,
    Exclusion::SmallGravity,
    Exclusion::UnknownSeverity,
    Exclusion::CommittedAsMinor,
    Exclusion::Expunged,
    Exclusion::AfterCalculationDate,
};
constexpr std::array<Article18Clause, 4> ClauseOrder = {
    Article18Clause::Part2a, Article18Clause::Part2b, Article18Clause::Part3a,
    Article18Clause::Part3b};

} // namespace

ExplanationTexts lookUpExplanationTexts(const LanguageCatalogue &catalogue)
{
    const auto text = [&](const char *key) {
        return catalogue.Translate(QString::fromLatin1(key));
    };
    return ExplanationTexts{
        text("String.CountsUntil"),
        text("String.ExpungedOn"),
        text("String.NoExpungementTerm"),
        text("String.RowCounted"),
        text("String.RowNotCounted"),
        {text("String.ReasonReprieve"), text("String.ReasonNoCustody"),
         text("String.ReasonSmallGravity"), text("String.ReasonUnknownCategory"),
         text("String.ReasonMinor"), text("String.ReasonExpunged"), text("String.ReasonAfterDate")},
        {text("String.ClausePart2a"), text("String.ClausePart2b"), text("String.ClausePart3a"),
         text("String.ClausePart3b")},
        text("String.Grounds"),
        text("String.NoGrounds"),
        text("String.HoldsUntil"),
        text("String.HoldsNoEnd"),
        ResultTexts{text("String.RecidivNo"), text("String.DangerRecidiv"),
                    text("String.EspeciallyDangerRecidiv")},
    };
}

QString expungementNote(const RowAssessment &row, const ExplanationTexts &texts,
                        const ShortDateFormat &dateFormat)
{
    if (row.expungement.termYears == 0)
        return texts.noTerm;
    if (row.expungement.inForce)
        return QString(texts.countsUntil)
            .replace(QStringLiteral("%s"), dateFormat.format(row.expungement.expiry.addDays(-1)));
    return QString(texts.expungedOn)
        .replace(QStringLiteral("%s"), dateFormat.format(row.expungement.expiry));
}

QString tallyNote(const RowAssessment &row, const ExplanationTexts &texts)
{
    if (row.tallied())
        return texts.counted;
    QStringList reasons;
    for (std::size_t i = 0; i < ExclusionOrder.size(); ++i) {
        if (row.exclusions.testFlag(ExclusionOrder[i]))
            reasons.append(texts.reasons[i]);
    }
    return QString(texts.notCounted)
        .replace(QStringLiteral("%s"), reasons.join(QStringLiteral("; ")));
}

QString rowNote(const RowAssessment &row, const ExplanationTexts &texts,
                const ShortDateFormat &dateFormat)
{
    return expungementNote(row, texts, dateFormat) + u'\n' + tallyNote(row, texts);
}

QString groundsLine(const RecidivismAssessment &assessment, const ExplanationTexts &texts)
{
    QStringList clauses;
    for (std::size_t i = 0; i < ClauseOrder.size(); ++i) {
        if (assessment.clauses.testFlag(ClauseOrder[i]))
            clauses.append(texts.clauses[i]);
    }
    if (clauses.isEmpty())
        return texts.noGrounds;
    QStringList counted;
    for (qsizetype row = 0; row < assessment.rows.size(); ++row) {
        if (assessment.rows[row].tallied())
            counted.append(QString::number(row + 1));
    }
    return texts.grounds.arg(clauses.join(QStringLiteral(", ")),
                             counted.join(QStringLiteral(", ")));
}

QString horizonLine(const ResultHorizon &horizon, const ExplanationTexts &texts,
                    const ShortDateFormat &dateFormat)
{
    if (!horizon.lastDay)
        return texts.holdsNoEnd;
    return texts.holdsUntil.arg(dateFormat.format(*horizon.lastDay),
                                dateFormat.format(horizon.lastDay->addDays(1)),
                                resultTextFor(texts.results, horizon.next));
}
