// Whether a previous conviction still counts at the calculation date or has been
// expunged (Articles 86 and 95 of the Criminal Code of the Russian Federation).
//
// With only the list's columns, terms of 3, 3, 6 and 8 years by category for
// adults and 1, 1, 3 and 3 years for crimes committed as a minor run from the
// conviction date. The record's details refine that: the terms run from the day
// the sentence was served, a conditional sentence expires with its probation, a
// milder punishment one year after it was served (six months for a minor), and
// grave and especially grave crimes committed from 3 August 2013 keep their
// conviction 8 and 10 years. The term runs from the later of the main
// punishment's end and the additional punishment's end, and a conviction removed
// before its term ends no longer counts from the day it was removed.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/gravity.h"

#include <QDate>
#include <QFlags>

#include <optional>

// The term in whole years of the columns alone; 0 without a category.
int expungementTerm(std::optional<Gravity> gravity, bool juvenile);

// The provision a term rests on, each with its length.
enum class TermClause {
    None,             // the severity names no category
    Art86a,           // conditional sentence: the day after probation's last day
    Art86b,           // milder than deprivation of liberty: 1 year
    Art86c,           // small or medium gravity: 3 years
    Art86dBefore2013, // grave, committed before 3 August 2013: 6 years
    Art86d,           // grave: 8 years
    Art86eBefore2013, // especially grave, committed before 3 August 2013: 8 years
    Art86e,           // especially grave: 10 years
    Art95a,           // minor, milder punishment: 6 months
    Art95b,           // minor, small or medium gravity: 1 year
    Art95c,           // minor, grave or especially grave: 3 years
};
inline constexpr int TermClauseCount = 11;

// The term's length in months (0 for Art86a and None).
int termMonths(TermClause clause);

// The day a term runs from.
enum class TermStart { Conviction, Served, ProbationEnd, AdditionalEnd };
inline constexpr int TermStartCount = 4;

// What the assessment assumed for a fact the record does not give.
enum class Assumption {
    ConvictionStart = 0x1, // the term runs from the conviction date: no served day or probation end
    TermsBefore2013 = 0x2, // the crime predates 3 August 2013: its date is not given
    RevokedBeforeCrime = 0x4, // revoked with no day given: before the new crime
};
Q_DECLARE_FLAGS(Assumptions, Assumption)
Q_DECLARE_OPERATORS_FOR_FLAGS(Assumptions)

struct Expungement
{
    TermClause clause = TermClause::None;
    TermStart start = TermStart::Conviction;
    QDate startDate;
    QDate expiry;         // the first day the conviction no longer counts
    bool inForce = false; // the calculation date is before the expiry date
    Assumptions assumed;
    // The day the conviction was removed, when that came before its term ended:
    // the expiry is that day.
    QDate removed;
    // When the crime's date was not given and the longer terms from 3 August 2013
    // may apply: the expiry they would give.
    std::optional<QDate> longerTermsExpiry;
    // A conditional sentence whose additional punishment ended after probation:
    // the conviction is expunged with probation, as the Supreme Court has held,
    // though courts have differed.
    bool additionalOutlastedProbation = false;

    bool hasTerm() const { return clause != TermClause::None; }
};

// The first day the longer terms of grave and especially grave crimes apply.
inline const QDate LongerTermsFrom{2013, 8, 3};

// The expungement of a conviction with actual custody from the list's columns
// alone.
Expungement checkExpungement(std::optional<Gravity> gravity, bool juvenile, QDate convictionDate,
                             QDate calculationDate);

// The expungement of a conviction from its columns and its details.
Expungement checkExpungement(const ConvictionRecord &record, QDate convictionDate,
                             QDate calculationDate);
