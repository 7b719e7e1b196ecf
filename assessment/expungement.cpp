#include "assessment/expungement.h"

#include "assessment/sentence.h"

namespace {

// The term of a custodial sentence, and whether the crime's date had to be assumed.
std::pair<TermClause, Assumptions> custodyTerm(Gravity gravity, bool minor, QDate crimeDate)
{
    if (minor) {
        const bool serious = gravity == Gravity::Grave || gravity == Gravity::EspeciallyGrave;
        return {serious ? TermClause::Art95c : TermClause::Art95b, {}};
    }
    if (gravity == Gravity::Small || gravity == Gravity::Medium)
        return {TermClause::Art86c, {}};
    const bool longer = crimeDate.isValid() && crimeDate >= LongerTermsFrom;
    const Assumptions assumed =
        crimeDate.isValid() ? Assumptions() : Assumptions(Assumption::TermsBefore2013);
    if (gravity == Gravity::Grave)
        return {longer ? TermClause::Art86d : TermClause::Art86dBefore2013, assumed};
    return {longer ? TermClause::Art86e : TermClause::Art86eBefore2013, assumed};
}

Expungement runningFrom(TermClause clause, TermStart start, QDate startDate, QDate calculationDate,
                        Assumptions assumed)
{
    Expungement result;
    result.clause = clause;
    result.start = start;
    result.startDate = startDate;
    // A conditional sentence is expunged "on the expiry of the probation period"
    // (Article 86 part 3 (a)): the start is the probation's last day, still within
    // it, so the first day without the conviction is the day after. Other terms
    // run whole months from their start; 29 February falls back to the last day
    // of February in a common year.
    result.expiry = clause == TermClause::Art86a ? startDate.addDays(1)
                                                 : startDate.addMonths(termMonths(clause));
    result.inForce = calculationDate < result.expiry;
    result.assumed = assumed;
    return result;
}

} // namespace

int expungementTerm(std::optional<Gravity> gravity, bool juvenile)
{
    if (!gravity)
        return 0;
    return termMonths(custodyTerm(*gravity, juvenile, QDate()).first) / 12;
}

int termMonths(TermClause clause)
{
    switch (clause) {
    case TermClause::None:
    case TermClause::Art86a: return 0;
    case TermClause::Art95a: return 6;
    case TermClause::Art86b:
    case TermClause::Art95b: return 12;
    case TermClause::Art86c:
    case TermClause::Art95c: return 36;
    case TermClause::Art86dBefore2013: return 72;
    case TermClause::Art86d:
    case TermClause::Art86eBefore2013: return 96;
    case TermClause::Art86e: return 120;
    }
    return 0;
}

Expungement checkExpungement(std::optional<Gravity> gravity, bool juvenile, QDate convictionDate,
                             QDate calculationDate)
{
    ConvictionRecord record;
    if (gravity)
        record.gravity = *gravity;
    record.juvenile = juvenile;
    record.custody = true;
    return checkExpungement(record, convictionDate, calculationDate);
}

namespace {

// The term of the sentence alone, before the removal and the 2013 doubt.
Expungement termOfSentence(const ConvictionRecord &record, Gravity gravity, QDate convictionDate,
                           QDate calculationDate)
{
    const ConvictionDetails &details = record.details;
    const bool minor = record.juvenile;
    const auto [custodyClause, crimeDateAssumed] = custodyTerm(gravity, minor, details.crimeDate);
    // The term runs from the later of the main and the additional punishment's
    // end (Article 86 part 3).
    const auto fromLaterEnd = [&](TermClause clause, QDate mainEnd, Assumptions assumed) {
        if (details.additionalEnd.isValid() && details.additionalEnd > mainEnd)
            return runningFrom(clause, TermStart::AdditionalEnd, details.additionalEnd,
                               calculationDate, assumed);
        return runningFrom(clause, TermStart::Served, mainEnd, calculationDate, assumed);
    };

    switch (sentenceOf(record)) {
    case Sentence::Custody:
        if (details.served.isValid())
            return fromLaterEnd(custodyClause, details.served, crimeDateAssumed);
        break;
    case Sentence::Conditional:
        if (details.probationEnd.isValid()) {
            // A conditional sentence is expunged when probation expires (Article 86
            // part 3 (a)), even while an additional punishment still runs: so the
            // Supreme Court held (ruling 42-UD25-1-K4 of 8 April 2025); courts have
            // differed.
            Expungement term = runningFrom(TermClause::Art86a, TermStart::ProbationEnd,
                                           details.probationEnd, calculationDate, {});
            term.additionalOutlastedProbation =
                details.additionalEnd.isValid() && details.additionalEnd > details.probationEnd;
            return term;
        }
        break;
    case Sentence::Milder:
        if (details.served.isValid())
            return fromLaterEnd(minor ? TermClause::Art95a : TermClause::Art86b, details.served,
                                {});
        break;
    case Sentence::Deferred:
    case Sentence::Unspecified: break;
    }
    // Without the day it was served, the term of a custodial sentence runs from
    // the conviction date, or from the additional punishment's end when that is
    // given and later.
    if (details.additionalEnd.isValid() && details.additionalEnd > convictionDate)
        return runningFrom(custodyClause, TermStart::AdditionalEnd, details.additionalEnd,
                           calculationDate, crimeDateAssumed);
    return runningFrom(custodyClause, TermStart::Conviction, convictionDate, calculationDate,
                       crimeDateAssumed | Assumption::ConvictionStart);
}

// The longer term of the same provision, from 3 August 2013.
TermClause longerTermOf(TermClause clause)
{
    switch (clause) {
    case TermClause::Art86dBefore2013: return TermClause::Art86d;
    case TermClause::Art86eBefore2013: return TermClause::Art86e;
    default: return clause;
    }
}

} // namespace

Expungement checkExpungement(const ConvictionRecord &record, QDate convictionDate,
                             QDate calculationDate)
{
    const std::optional<Gravity> &gravity = record.gravity.known();
    if (!gravity) {
        // No term: expunged from the conviction date on.
        return runningFrom(TermClause::None, TermStart::Conviction, convictionDate, calculationDate,
                           {});
    }
    Expungement term = termOfSentence(record, *gravity, convictionDate, calculationDate);
    // A crime whose date is not given but whose conviction came from 3 August 2013
    // on may have been committed under the longer terms.
    if (term.assumed.testFlag(Assumption::TermsBefore2013) && convictionDate >= LongerTermsFrom)
        term.longerTermsExpiry = term.startDate.addMonths(termMonths(longerTermOf(term.clause)));
    // A removed conviction no longer counts from the day it was removed
    // (Article 86 part 6).
    const QDate removed = record.details.removed;
    if (removed.isValid() && removed < term.expiry) {
        term.removed = removed;
        term.expiry = removed;
        term.inForce = calculationDate < removed;
        if (term.longerTermsExpiry)
            term.longerTermsExpiry = std::min(*term.longerTermsExpiry, removed);
    }
    return term;
}
