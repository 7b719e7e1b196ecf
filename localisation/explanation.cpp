#include "localisation/explanation.h"

#include "catalogue/uLocalize.h"
#include "platform/shortdateformat.h"

namespace {

// The texts of the flags set, in the flags' order; a flag whose text is empty adds nothing.
template<typename Flag, typename Flags>
QStringList textsOf(const QMap<Flag, QString> &texts, Flags flags)
{
    QStringList chosen;
    for (auto text = texts.cbegin(); text != texts.cend(); ++text) {
        if (flags.testFlag(text.key()) && !text.value().isEmpty())
            chosen.append(text.value());
    }
    return chosen;
}

QString reasonsOf(const RowAssessment &row, const ExplanationTexts &texts)
{
    QStringList reasons = textsOf(texts.reasons, row.exclusions);
    if (row.kindNeeded() && !texts.kindNotGiven.isEmpty())
        reasons.append(texts.kindNotGiven);
    return reasons.join(QStringLiteral("; "));
}

} // namespace

TextTable explanationTextTable(ExplanationTexts &t)
{
    TextTable table = {
        {u"String.CountsUntil", into(t.countsUntil)},
        {u"String.ExpungedOn", into(t.expungedOn)},
        {u"String.NoExpungementTerm", into(t.noTerm)},
        {u"String.RowCounted", into(t.counted)},
        {u"String.RowCountedPart1", into(t.countedPart1)},
        {u"String.RowCountedPart3b", into(t.countedPart3b)},
        {u"String.RowNotCounted", into(t.notCounted)},
        {u"String.ReasonReprieve", into(t.reasons[Exclusion::Reprieve])},
        {u"String.ReasonNoCustody", into(t.reasons[Exclusion::NoActualCustody])},
        {u"String.ReasonSmallGravity", into(t.reasons[Exclusion::SmallGravity])},
        {u"String.ReasonUnknownCategory", into(t.reasons[Exclusion::UnknownSeverity])},
        {u"String.ReasonMinor", into(t.reasons[Exclusion::CommittedAsMinor])},
        {u"String.ReasonExpunged", into(t.reasons[Exclusion::Expunged])},
        {u"String.ReasonAfterDate", into(t.reasons[Exclusion::AfterCalculationDate])},
        {u"String.ReasonNegligent", into(t.reasons[Exclusion::Negligent])},
        {u"String.ReasonConditional", into(t.reasons[Exclusion::ConditionalSentence])},
        {u"String.ReasonKindNotGiven", into(t.kindNotGiven)},
        {u"String.ClausePart2a", into(t.clauses[Article18Clause::Part2a])},
        {u"String.ClausePart2b", into(t.clauses[Article18Clause::Part2b])},
        {u"String.ClausePart3a", into(t.clauses[Article18Clause::Part3a])},
        {u"String.ClausePart3b", into(t.clauses[Article18Clause::Part3b])},
        {u"String.ClausePart1", into(t.clauses[Article18Clause::Part1])},
        {u"String.Grounds", into(t.grounds)},
        {u"String.GroundsSeveral", into(t.groundsSeveral)},
        {u"String.NoGrounds", into(t.noGrounds)},
        {u"String.NegligentNoGrounds", into(t.negligentCrime)},
        {u"String.Term86a", into(t.termClauses[TermClause::Art86a])},
        {u"String.Term86b", into(t.termClauses[TermClause::Art86b])},
        {u"String.Term86c", into(t.termClauses[TermClause::Art86c])},
        {u"String.Term86dBefore2013", into(t.termClauses[TermClause::Art86dBefore2013])},
        {u"String.Term86d", into(t.termClauses[TermClause::Art86d])},
        {u"String.Term86eBefore2013", into(t.termClauses[TermClause::Art86eBefore2013])},
        {u"String.Term86e", into(t.termClauses[TermClause::Art86e])},
        {u"String.Term95a", into(t.termClauses[TermClause::Art95a])},
        {u"String.Term95b", into(t.termClauses[TermClause::Art95b])},
        {u"String.Term95c", into(t.termClauses[TermClause::Art95c])},
        {u"String.FromConviction", into(t.termStarts[TermStart::Conviction])},
        {u"String.FromServed", into(t.termStarts[TermStart::Served])},
        {u"String.FromProbationEnd", into(t.termStarts[TermStart::ProbationEnd])},
        {u"String.Basis", into(t.basis)},
        {u"String.AssumedConvictionStart", into(t.assumptions[Assumption::ConvictionStart])},
        {u"String.AssumedBefore2013", into(t.assumptions[Assumption::TermsBefore2013])},
        {u"String.Assumed", into(t.assumed)},
        {u"String.HoldsUntil", into(t.holdsUntil)},
        {u"String.HoldsNoEnd", into(t.holdsNoEnd)},
        {u"String.DatedAfterCrimeOne", into(t.datedAfterCrimeOne)},
        {u"String.DatedAfterCrimeSeveral", into(t.datedAfterCrimeSeveral)},
        {u"String.FutureCrimeDate", into(t.futureCrimeDate)},
        {u"String.ReasonRevokedAfterCrime", into(t.reasons[Exclusion::RevokedAfterCrime])},
        {u"String.ReasonNotYetInForce", into(t.reasons[Exclusion::NotYetInForce])},
        {u"String.ClausePart2bEspeciallyGrave",
         into(t.clauses[Article18Clause::Part2bEspeciallyGrave])},
        {u"String.Part2bPractice", into(t.part2bPractice)},
        {u"String.FromAdditionalEnd", into(t.termStarts[TermStart::AdditionalEnd])},
        {u"String.AssumedRevokedBeforeCrime", into(t.assumptions[Assumption::RevokedBeforeCrime])},
        {u"String.RemovedOn", into(t.removedOn)},
        {u"String.SharedSentenceTerm", into(t.sharedTerm)},
        {u"String.CountedWithRow", into(t.countedWith)},
        {u"String.RowDoubtCrimeDate", into(t.rowDoubts[Doubt::CrimeDateDecides])},
        {u"String.RowDoubtBoundaryDay", into(t.rowDoubts[Doubt::BoundaryDay])},
        {u"String.RowDoubtAppealPeriod", into(t.rowDoubts[Doubt::AppealPeriod])},
        {u"String.RowDoubtAdditional", into(t.rowDoubts[Doubt::AdditionalOutlastedProbation])},
        {u"String.DoubtCrimeDate", into(t.doubtLines[Doubt::CrimeDateDecides])},
        {u"String.DoubtBoundaryDay", into(t.doubtLines[Doubt::BoundaryDay])},
        {u"String.DoubtAppealPeriod", into(t.doubtLines[Doubt::AppealPeriod])},
        {u"String.DoubtAdditional", into(t.doubtLines[Doubt::AdditionalOutlastedProbation])},
        {u"String.DoubtPart2a", into(t.doubtLines[Doubt::Part2aEspeciallyGrave])},
        {u"String.DoubtPart3a", into(t.doubtLines[Doubt::Part3aEspeciallyGravePrior])},
        {u"String.RowDoubtDetails", into(t.rowDoubts[Doubt::DetailsUnconfirmed])},
        {u"String.RowDoubtDetailsUnknown", into(t.detailsUnknownOwner)},
        {u"String.DoubtDetails", into(t.doubtLines[Doubt::DetailsUnconfirmed])},
        {u"String.DoubtDetailsUnknown", into(t.detailsLineUnknownOwner)},
        {u"String.FactsGiven", into(t.facts.given)},
        {u"String.CrimeCommitted", intoLabel(t.facts.crimeCommitted)},
        {u"String.SentenceServed", intoLabel(t.facts.served)},
        {u"String.ProbationEnds", intoLabel(t.facts.probationEnds)},
        {u"String.PunishmentNotGiven", into(t.facts.kinds[PunishmentKind::NotGiven])},
        {u"String.PunishmentCustody", into(t.facts.kinds[PunishmentKind::Custody])},
        {u"String.PunishmentConditional", into(t.facts.kinds[PunishmentKind::Conditional])},
        {u"String.PunishmentDeferred", into(t.facts.kinds[PunishmentKind::Deferred])},
        {u"String.PunishmentMilder", into(t.facts.kinds[PunishmentKind::Milder])},
        {u"String.Revoked", intoPlain(t.facts.revoked)},
        {u"String.Negligent", intoPlain(t.facts.negligent)},
        {u"String.InForce", intoLabel(t.facts.inForce)},
        {u"String.RevokedOn", intoLabel(t.facts.revokedOn)},
        {u"String.SentenceNumber", intoLabel(t.facts.sentence)},
        {u"String.AdditionalEnds", intoLabel(t.facts.additionalEnd)},
        {u"String.Removed", intoLabel(t.facts.removed)},
    };
    table.append(resultTextTable(t.results));
    return table;
}

ExplanationTexts lookUpExplanationTexts(const LanguageCatalogue &catalogue)
{
    return textsFrom(catalogue, explanationTextTable);
}

QString expungementNote(const RowAssessment &row, const ExplanationTexts &texts,
                        const ShortDateFormat &dateFormat)
{
    if (!row.expungement.hasTerm())
        return texts.noTerm;
    if (row.expungement.removed.isValid() && !row.expungement.inForce)
        return filledText(texts.removedOn, dateFormat.format(row.expungement.removed));
    if (row.expungement.inForce)
        return filledText(texts.countsUntil, dateFormat.format(row.expungement.expiry.addDays(-1)));
    return filledText(texts.expungedOn, dateFormat.format(row.expungement.expiry));
}

QString factsList(const ConvictionDetails &details, const ExplanationTexts &texts,
                  const ShortDateFormat &dateFormat)
{
    const FactTexts &words = texts.facts;
    QStringList facts;
    const auto dated = [&](const QString &label, QDate date) {
        if (date.isValid())
            facts.append(label + u' ' + dateFormat.format(date));
    };
    dated(words.crimeCommitted, details.crimeDate);
    dated(words.inForce, details.inForce);
    if (details.sentence > 0)
        facts.append(words.sentence + u' ' + QString::number(details.sentence));
    if (details.punishment != PunishmentKind::NotGiven)
        facts.append(words.kinds[details.punishment]);
    dated(words.served, details.served);
    dated(words.additionalEnd, details.additionalEnd);
    dated(words.probationEnds, details.probationEnd);
    if (details.revoked)
        facts.append(words.revoked);
    dated(words.revokedOn, details.revokedOn);
    dated(words.removed, details.removed);
    if (details.negligent)
        facts.append(words.negligent);
    facts.removeAll(QString());
    return facts.join(QStringLiteral("; "));
}

QString factsNote(const ConvictionDetails &details, const ExplanationTexts &texts,
                  const ShortDateFormat &dateFormat)
{
    if (details.isEmpty() || texts.facts.given.isEmpty())
        return {};
    return filledText(texts.facts.given, factsList(details, texts, dateFormat));
}

QString detailsOwnerText(const UnconfirmedDetails &unconfirmed, const ShortDateFormat &dateFormat)
{
    const std::optional<DetailsOwner> owner = unconfirmed.writtenFor();
    if (!owner)
        return {};
    return dateFormat.format(owner->date) + QStringLiteral(" \u00B7 ") + owner->severity;
}

QString basisNote(const RowAssessment &row, const ExplanationTexts &texts,
                  const ShortDateFormat &dateFormat)
{
    const Expungement &term = row.expungement;
    if (!term.hasTerm() || texts.basis.isEmpty())
        return {};
    const QString start =
        filledText(texts.termStarts[term.start], dateFormat.format(term.startDate));
    const QString basis = filledText(texts.basis, texts.termClauses[term.clause], start);
    if (row.sameSentence.isEmpty() || texts.sharedTerm.isEmpty())
        return basis;
    QStringList numbers;
    for (const int other : row.sameSentence)
        numbers.append(QString::number(other + 1));
    return basis + u'\n' + filledText(texts.sharedTerm, numbers.join(QStringLiteral(", ")));
}

QString assumptionNote(const RowAssessment &row, const ExplanationTexts &texts)
{
    if (!row.expungement.hasTerm())
        return {};
    const QStringList assumed = textsOf(texts.assumptions, row.expungement.assumed);
    if (assumed.isEmpty() || texts.assumed.isEmpty())
        return {};
    return filledText(texts.assumed, assumed.join(QStringLiteral("; ")));
}

QString tallyNote(const RowAssessment &row, const ExplanationTexts &texts)
{
    if (row.countedWithRow && !texts.countedWith.isEmpty())
        return filledText(texts.countedWith, QString::number(*row.countedWithRow + 1));
    if (row.tallied())
        return texts.counted;
    if (row.countedForPart3bOnly && !texts.countedPart3b.isEmpty())
        return filledText(texts.countedPart3b, reasonsOf(row, texts));
    if (row.countsForPart1() && !texts.countedPart1.isEmpty())
        return filledText(texts.countedPart1, reasonsOf(row, texts));
    return filledText(texts.notCounted, reasonsOf(row, texts));
}

QString rowNote(const RowAssessment &row, const ConvictionDetails &details,
                const ExplanationTexts &texts, const ShortDateFormat &dateFormat)
{
    QStringList lines{expungementNote(row, texts, dateFormat),
                      factsNote(details, texts, dateFormat),
                      basisNote(row, texts, dateFormat),
                      assumptionNote(row, texts),
                      tallyNote(row, texts),
                      doubtNote(row, details, texts, dateFormat)};
    lines.removeAll(QString());
    return lines.join(u'\n');
}

QString groundsLine(const RecidivismAssessment &assessment, const ExplanationTexts &texts)
{
    if (assessment.categoryMissing)
        return {};
    if (assessment.negligentCrime && !texts.negligentCrime.isEmpty())
        return texts.negligentCrime;
    const QStringList clauses = textsOf(texts.clauses, assessment.clauses);
    if (!assessment.clauses)
        return texts.noGrounds;
    // Under part 1 alone the rows counted are those part 1 counts.
    const bool part1 = assessment.kind == RecidivismKind::Simple;
    QStringList counted;
    for (qsizetype row = 0; row < assessment.rows.size(); ++row) {
        const RowAssessment &assessed = assessment.rows[row];
        if (part1 ? assessed.countsForPart1() : assessed.tallied() || assessed.countedForPart3bOnly)
            counted.append(QString::number(row + 1));
    }
    const QString grounds =
        filledText(counted.size() == 1 ? texts.grounds : texts.groundsSeveral,
                   clauses.join(QStringLiteral(", ")), counted.join(QStringLiteral(", ")));
    // Part 2 (b) names a grave crime; courts apply it to an especially grave one.
    if (assessment.clauses.testFlag(Article18Clause::Part2bEspeciallyGrave) &&
        !texts.part2bPractice.isEmpty())
        return grounds + u'\n' + texts.part2bPractice;
    return grounds;
}

QString datedAfterCrimeLine(const RecidivismAssessment &assessment, const ExplanationTexts &texts)
{
    const int later = assessment.countDatedAfterCrime();
    if (later == 0)
        return {};
    return later == 1 ? filledText(texts.datedAfterCrimeOne, QString::number(later))
                      : filledText(texts.datedAfterCrimeSeveral, QString::number(later));
}

QString futureCrimeDateLine(QDate calculationDate, const ExplanationTexts &texts,
                            const ShortDateFormat &dateFormat)
{
    if (calculationDate <= dateFormat.today())
        return {};
    return filledText(texts.futureCrimeDate, dateFormat.format(calculationDate));
}

QString doubtNote(const RowAssessment &row, const ConvictionDetails &details,
                  const ExplanationTexts &texts, const ShortDateFormat &dateFormat)
{
    QStringList lines;
    for (auto text = texts.rowDoubts.cbegin(); text != texts.rowDoubts.cend(); ++text) {
        if (!row.doubts.testFlag(text.key()))
            continue;
        switch (text.key()) {
        case Doubt::CrimeDateDecides:
            lines.append(
                filledText(text.value(),
                           dateFormat.format(row.expungement.longerTermsExpiry.value_or(QDate()))));
            break;
        case Doubt::AppealPeriod: {
            const int days = appealTermDays(row.convictionDate);
            lines.append(filledText(text.value(), QString::number(days),
                                    dateFormat.format(row.convictionDate.addDays(days))));
            break;
        }
        case Doubt::AdditionalOutlastedProbation:
            lines.append(filledText(text.value(), dateFormat.format(details.additionalEnd)));
            break;
        case Doubt::DetailsUnconfirmed: {
            const QString owner = detailsOwnerText(details.unconfirmed, dateFormat);
            lines.append(owner.isEmpty() ? texts.detailsUnknownOwner
                                         : filledText(text.value(), owner));
            break;
        }
        default: lines.append(text.value()); break;
        }
    }
    lines.removeAll(QString());
    return lines.join(u'\n');
}

namespace {

// A line for each row whose details may be another conviction's: its number,
// whom they were written for, and the facts in doubt.
QStringList unconfirmedDetailsLines(const RecidivismAssessment &assessment,
                                    const ExplanationTexts &texts,
                                    const ShortDateFormat &dateFormat)
{
    QStringList lines;
    for (const int row : assessment.rowsInDoubt(Doubt::DetailsUnconfirmed)) {
        const ConvictionDetails &facts = assessment.rows[row].unconfirmedDetails;
        const QString owner = detailsOwnerText(facts.unconfirmed, dateFormat);
        const QString number = QString::number(row + 1);
        const QString list = factsList(facts, texts, dateFormat);
        lines.append(owner.isEmpty() ? filledText(texts.detailsLineUnknownOwner, number, list)
                                     : filledText(texts.doubtLines[Doubt::DetailsUnconfirmed],
                                                  number, owner, list));
    }
    lines.removeAll(QString());
    return lines;
}

} // namespace

QString doubtLines(const RecidivismAssessment &assessment, const ExplanationTexts &texts,
                   const ShortDateFormat &dateFormat)
{
    QStringList lines;
    for (auto text = texts.doubtLines.cbegin(); text != texts.doubtLines.cend(); ++text) {
        if (!assessment.doubts.testFlag(text.key()) || text.value().isEmpty())
            continue;
        if (text.key() == Doubt::DetailsUnconfirmed) {
            lines += unconfirmedDetailsLines(assessment, texts, dateFormat);
            continue;
        }
        // The result's own doubts name no rows.
        const QList<int> rows = assessment.rowsInDoubt(text.key());
        if (rows.isEmpty()) {
            lines.append(text.value());
            continue;
        }
        QStringList numbers;
        for (const int row : rows)
            numbers.append(QString::number(row + 1));
        lines.append(filledText(text.value(), numbers.join(QStringLiteral(", "))));
    }
    return lines.join(u'\n');
}

QString resultNotices(const RecidivismAssessment &assessment, QDate calculationDate,
                      const ExplanationTexts &texts, const ShortDateFormat &dateFormat)
{
    QStringList lines{datedAfterCrimeLine(assessment, texts),
                      futureCrimeDateLine(calculationDate, texts, dateFormat),
                      doubtLines(assessment, texts, dateFormat)};
    lines.removeAll(QString());
    return lines.join(u'\n');
}

QString horizonLine(const ResultHorizon &horizon, const ExplanationTexts &texts,
                    const ShortDateFormat &dateFormat)
{
    if (!horizon.lastDay)
        return texts.holdsNoEnd;
    return filledText(texts.holdsUntil, dateFormat.format(*horizon.lastDay),
                      dateFormat.format(horizon.lastDay->addDays(1)),
                      resultTextFor(texts.results, horizon.next));
}
