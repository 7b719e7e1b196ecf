#include "assessment/explanation.h"

#include "catalogue/labeltext.h"
#include "catalogue/uLocalize.h"
#include "platform/shortdateformat.h"

namespace {

constexpr std::array<Exclusion, 9> ExclusionOrder = {
    Exclusion::Reprieve,
    Exclusion::NoActualCustody,
    Exclusion::SmallGravity,
    Exclusion::UnknownSeverity,
    Exclusion::CommittedAsMinor,
    Exclusion::Expunged,
    Exclusion::AfterCalculationDate,
    Exclusion::Negligent,
    Exclusion::ConditionalSentence,
};
constexpr std::array<Article18Clause, 5> ClauseOrder = {
    Article18Clause::Part2a, Article18Clause::Part2b, Article18Clause::Part3a,
    Article18Clause::Part3b, Article18Clause::Part1};
constexpr std::array<Assumption, 2> AssumptionOrder = {Assumption::ConvictionStart,
                                                       Assumption::TermsBefore2013};

// The texts of the flags set, in their order; a flag whose text is empty adds nothing.
template<typename Flag, std::size_t N, std::size_t M, typename Flags>
QStringList textsOf(const std::array<Flag, N> &order, const std::array<QString, M> &texts,
                    Flags flags)
{
    static_assert(N <= M);
    QStringList chosen;
    for (std::size_t i = 0; i < N; ++i) {
        if (flags.testFlag(order[i]) && !texts[i].isEmpty())
            chosen.append(texts[i]);
    }
    return chosen;
}

QString reasonsOf(const RowAssessment &row, const ExplanationTexts &texts)
{
    QStringList reasons = textsOf(ExclusionOrder, texts.reasons, row.exclusions);
    const QString &kindNeeded = texts.reasons[ExclusionOrder.size()];
    if (row.kindNeeded() && !kindNeeded.isEmpty())
        reasons.append(kindNeeded);
    return reasons.join(QStringLiteral("; "));
}

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
        text("String.RowCountedPart1"),
        text("String.RowNotCounted"),
        {text("String.ReasonReprieve"), text("String.ReasonNoCustody"),
         text("String.ReasonSmallGravity"), text("String.ReasonUnknownCategory"),
         text("String.ReasonMinor"), text("String.ReasonExpunged"), text("String.ReasonAfterDate"),
         text("String.ReasonNegligent"), text("String.ReasonConditional"),
         text("String.ReasonKindNotGiven")},
        {text("String.ClausePart2a"), text("String.ClausePart2b"), text("String.ClausePart3a"),
         text("String.ClausePart3b"), text("String.ClausePart1")},
        text("String.Grounds"),
        text("String.NoGrounds"),
        text("String.NegligentNoGrounds"),
        {QString(), text("String.Term86a"), text("String.Term86b"), text("String.Term86c"),
         text("String.Term86dBefore2013"), text("String.Term86d"), text("String.Term86eBefore2013"),
         text("String.Term86e"), text("String.Term95a"), text("String.Term95b"),
         text("String.Term95c")},
        {text("String.FromConviction"), text("String.FromServed"), text("String.FromProbationEnd")},
        text("String.Basis"),
        {text("String.AssumedConvictionStart"), text("String.AssumedBefore2013")},
        text("String.Assumed"),
        text("String.HoldsUntil"),
        text("String.HoldsNoEnd"),
        ResultTexts{text("String.RecidivNo"), text("String.DangerRecidiv"),
                    text("String.EspeciallyDangerRecidiv"), text("String.Recidiv")},
        FactTexts{text("String.FactsGiven"),
                  withoutColon(text("String.CrimeCommitted")),
                  withoutColon(text("String.SentenceServed")),
                  withoutColon(text("String.ProbationEnds")),
                  {text("String.PunishmentNotGiven"), text("String.PunishmentCustody"),
                   text("String.PunishmentConditional"), text("String.PunishmentDeferred"),
                   text("String.PunishmentMilder")},
                  text("String.Revoked"),
                  text("String.Negligent")},
    };
}

QString expungementNote(const RowAssessment &row, const ExplanationTexts &texts,
                        const ShortDateFormat &dateFormat)
{
    if (!row.expungement.hasTerm())
        return texts.noTerm;
    if (row.expungement.inForce)
        return QString(texts.countsUntil)
            .replace(QStringLiteral("%s"), dateFormat.format(row.expungement.expiry.addDays(-1)));
    return QString(texts.expungedOn)
        .replace(QStringLiteral("%s"), dateFormat.format(row.expungement.expiry));
}

QString factsNote(const ConvictionDetails &details, const ExplanationTexts &texts,
                  const ShortDateFormat &dateFormat)
{
    const FactTexts &words = texts.facts;
    if (details.isEmpty() || words.given.isEmpty())
        return {};
    QStringList facts;
    const auto dated = [&](const QString &label, QDate date) {
        if (date.isValid())
            facts.append(label + u' ' + dateFormat.format(date));
    };
    dated(words.crimeCommitted, details.crimeDate);
    if (details.punishment != PunishmentKind::NotGiven)
        facts.append(words.kinds[std::size_t(details.punishment)]);
    dated(words.served, details.served);
    dated(words.probationEnds, details.probationEnd);
    if (details.revoked)
        facts.append(words.revoked);
    if (details.negligent)
        facts.append(words.negligent);
    facts.removeAll(QString());
    return QString(words.given).replace(QStringLiteral("%s"), facts.join(QStringLiteral("; ")));
}

QString basisNote(const RowAssessment &row, const ExplanationTexts &texts,
                  const ShortDateFormat &dateFormat)
{
    const Expungement &term = row.expungement;
    if (!term.hasTerm() || texts.basis.isEmpty())
        return {};
    const QString start = QString(texts.termStarts[std::size_t(term.start)])
                              .replace(QStringLiteral("%s"), dateFormat.format(term.startDate));
    return texts.basis.arg(texts.termClauses[std::size_t(term.clause)], start);
}

QString assumptionNote(const RowAssessment &row, const ExplanationTexts &texts)
{
    if (!row.expungement.hasTerm())
        return {};
    const QStringList assumed =
        textsOf(AssumptionOrder, texts.assumptions, row.expungement.assumed);
    if (assumed.isEmpty() || texts.assumed.isEmpty())
        return {};
    return QString(texts.assumed).replace(QStringLiteral("%s"), assumed.join(QStringLiteral("; ")));
}

QString tallyNote(const RowAssessment &row, const ExplanationTexts &texts)
{
    if (row.tallied())
        return texts.counted;
    if (row.countsForPart1() && !texts.countedPart1.isEmpty())
        return QString(texts.countedPart1).replace(QStringLiteral("%s"), reasonsOf(row, texts));
    return QString(texts.notCounted).replace(QStringLiteral("%s"), reasonsOf(row, texts));
}

QString rowNote(const RowAssessment &row, const ConvictionDetails &details,
                const ExplanationTexts &texts, const ShortDateFormat &dateFormat)
{
    QStringList lines{expungementNote(row, texts, dateFormat),
                      factsNote(details, texts, dateFormat), basisNote(row, texts, dateFormat),
                      assumptionNote(row, texts), tallyNote(row, texts)};
    lines.removeAll(QString());
    return lines.join(u'\n');
}

QString groundsLine(const RecidivismAssessment &assessment, const ExplanationTexts &texts)
{
    if (assessment.negligentCrime && !texts.negligentCrime.isEmpty())
        return texts.negligentCrime;
    QStringList clauses;
    for (std::size_t i = 0; i < ClauseOrder.size(); ++i) {
        if (assessment.clauses.testFlag(ClauseOrder[i]))
            clauses.append(texts.clauses[i]);
    }
    if (clauses.isEmpty())
        return texts.noGrounds;
    // Under part 1 alone the rows counted are those part 1 counts.
    const bool part1 = assessment.kind == RecidivismKind::Simple;
    QStringList counted;
    for (qsizetype row = 0; row < assessment.rows.size(); ++row) {
        const RowAssessment &assessed = assessment.rows[row];
        if (part1 ? assessed.countsForPart1() : assessed.tallied())
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
