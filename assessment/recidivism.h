// The assessment of a list against the new crime: whether each conviction is in
// force, and whether the new crime is recidivism, dangerous recidivism,
// especially dangerous recidivism, or none (Article 18 of the Criminal Code of
// the Russian Federation).
#pragma once

#include "assessment/convictiondetails.h"
#include "assessment/expungement.h"
#include "assessment/gravity.h"
#include "assessment/sentence.h"
#include "platform/runtimeerror.h"

#include <QDate>
#include <QFlags>
#include <QList>

#include <optional>

struct ConvictionRecord;

// The crime being assessed.
struct CurrentCrime
{
    std::optional<Gravity> gravity; // none while no category is chosen
    bool actualCustody = false;     // punished by actual deprivation of liberty
    QDate calculationDate;          // the day the current crime was committed
    bool negligent = false;         // committed through negligence: never recidivism

    friend bool operator==(const CurrentCrime &, const CurrentCrime &) = default;
};

// Why a previous conviction was not counted towards recidivism.
enum class Exclusion {
    Reprieve = 0x01,             // execution of the sentence was deferred
    NoActualCustody = 0x02,      // no actual deprivation of liberty was imposed
    SmallGravity = 0x04,         // a crime of small gravity never counts
    UnknownSeverity = 0x08,      // the severity text names no category
    CommittedAsMinor = 0x10,     // Article 18 part 4 (b)
    Expunged = 0x20,             // Article 18 part 4 (c)
    AfterCalculationDate = 0x40, // no previous conviction yet when the crime was committed
    Negligent = 0x80,            // Article 18 part 1: only intentional crimes count
    ConditionalSentence = 0x100, // Article 18 part 4 (c): conditional, not revoked
    RevokedAfterCrime = 0x200,   // Article 18 part 4 (c): revoked only on or after the crime's day
    NotYetInForce = 0x400, // Article 86 part 1: the sentence entered into force after the crime
};
Q_DECLARE_FLAGS(Exclusions, Exclusion)
Q_DECLARE_OPERATORS_FOR_FLAGS(Exclusions)

// The clauses of Article 18 that a result rests on. Part 1 is named only when no
// dangerous kind holds.
enum class Article18Clause {
    Part2a = 0x1, // grave crime with custody; two or more medium-gravity priors with custody
    Part2b = 0x2, // grave crime; a grave or especially grave prior with custody
    Part3a = 0x4, // grave crime with custody; two or more grave priors with custody
    Part3b = 0x8, // especially grave crime; two grave or one especially grave prior, any punishment
    Part1 = 0x10, // intentional crime; an intentional prior of medium gravity or more
    // Part 2 (b) as courts apply it to an especially grave crime (its letter names
    // a grave one): a grave prior with custody.
    Part2bEspeciallyGrave = 0x20,
};
Q_DECLARE_FLAGS(Article18Clauses, Article18Clause)
Q_DECLARE_OPERATORS_FOR_FLAGS(Article18Clauses)

// Where an answer rests on a fact not given or on a point where courts differ.
// Part 2 (a) and part 3 (a) belong to the result, the others to rows.
enum class Doubt {
    CrimeDateDecides = 0x1, // the terms from 3 August 2013 would give another answer
    BoundaryDay = 0x2,      // the new crime falls on the day the conviction is expunged
    AppealPeriod = 0x4,     // the new crime falls within the appeal term; no entry into force given
    AdditionalOutlastedProbation = 0x8, // conditional; the additional punishment ran on
    Part2aEspeciallyGrave = 0x10,       // part 2 (a) read a fortiori for an especially grave crime
    Part3aEspeciallyGravePrior = 0x20,  // part 3 (a) read to count an especially grave prior
    DetailsUnconfirmed = 0x40,          // the details read from a file may be another conviction's
};
Q_DECLARE_FLAGS(Doubts, Doubt)
Q_DECLARE_OPERATORS_FOR_FLAGS(Doubts)

// The appeal term in days of a sentence pronounced on the given day, under
// Article 389.4 part 1 of the Code of Criminal Procedure as it then stood.
int appealTermDays(QDate pronounced);

// From the least to the most serious.
enum class RecidivismKind { Neither, Simple, Dangerous, EspeciallyDangerous };

struct RowAssessment
{
    QDate convictionDate;
    std::optional<Gravity> gravity; // the category the severity text names
    Expungement expungement;
    Exclusions exclusions;
    Sentence sentence = Sentence::Custody;
    // The first day the conviction can count: its date, the day the sentence
    // entered into force, the day after a revocation.
    QDate countsFrom;
    int sentenceNumber = 0; // shared by the rows of one sentence; 0 when not given
    // One sentence for several crimes: the other rows (from 0) of the sentence.
    // Each crime keeps the term of its own category, run from the end of the
    // sentence's whole punishment.
    QList<int> sameSentence;
    // One sentence counts once: the row (from 0) it is counted with, when it is
    // another row.
    std::optional<int> countedWithRow;
    Doubts doubts;
    // The details the answer used that may be another conviction's, with whom
    // they were written for (DetailsUnconfirmed); empty otherwise.
    ConvictionDetails unconfirmedDetails;

    // Counted towards dangerous recidivism (and so towards recidivism too).
    bool tallied() const { return !exclusions; }
    // Part 1 asks no deprivation of liberty, but without custody the kind must be
    // known: a conditional sentence does not count.
    bool kindNeeded() const { return sentence == Sentence::Unspecified; }
    // Whether it counts under part 1, given its timed exclusions.
    bool countsForPart1Besides(Exclusions timed) const
    {
        return !(exclusions & ~(timed | Exclusion::NoActualCustody)) && !kindNeeded();
    }
    bool countsForPart1() const { return countsForPart1Besides({}); }
    // Part 3 (b) asks no deprivation of liberty of its grave and especially grave
    // priors: part 4's exclusions hold (a conditional sentence or deferral not
    // revoked, a minor's crime, small gravity, expiry), custody is not asked.
    bool countsForPart3bBesides(Exclusions timed) const
    {
        return countsForPart1Besides(timed) &&
               (gravity == Gravity::Grave || gravity == Gravity::EspeciallyGrave);
    }
    bool countsForPart3b() const { return countsForPart3bBesides({}); }
    // Counted only because the new crime is especially grave and part 3 (b) asks
    // no custody: counted, but not towards part 2 or 3 (a).
    bool countedForPart3bOnly = false;
    // Counted towards the result in any way.
    bool counts() const { return tallied() || countedForPart3bOnly || countsForPart1(); }
};

// Counted priors by category, with custody and without reprieve; the priors that
// count under part 1; and the grave and especially grave priors part 3 (b)
// counts, with whatever punishment. A sentence for several crimes counts once,
// with its most serious crime counted.
struct Tallies
{
    int medium = 0;
    int grave = 0;
    int especiallyGrave = 0;
    int part1 = 0;
    int part3bGrave = 0;
    int part3bEspeciallyGrave = 0;
};

// How long a result holds as the calculation date moves on: the last day before
// the first day it changes, and what it becomes then; no day when it holds for
// good.
struct ResultHorizon
{
    std::optional<QDate> lastDay;
    RecidivismKind next = RecidivismKind::Neither;
};

struct RecidivismAssessment
{
    QList<RowAssessment> rows; // the rows assessed, first to last
    Tallies tallies;
    Article18Clauses clauses;
    RecidivismKind kind = RecidivismKind::Neither;
    // The rows' doubts, and the result's own.
    Doubts doubts;
    bool negligentCrime = false; // the current crime was negligent: no recidivism
    // No category was chosen for the current crime: the rows are assessed, but the
    // kind is no answer and must not be shown as one.
    bool categoryMissing = false;
    // How long the result holds, when the caller that shows it has asked
    // (resultHorizon); never after a failure, whose result is partial.
    std::optional<ResultHorizon> horizon;
    // A row without a date stops the pass there: the rows before it are assessed
    // and decide the result.
    std::optional<RuntimeError> failure;

    // The rows excluded only by the calendar's order: dated after the current crime.
    int countDatedAfterCrime() const;
    // The rows (from 0) with the given doubt.
    QList<int> rowsInDoubt(Doubt doubt) const;

    void throwIfFailed() const
    {
        if (failure)
            throw *failure;
    }
};

// The clauses that hold for the current crime and the tallies.
Article18Clauses article18Clauses(const CurrentCrime &crime, const Tallies &tallies);
RecidivismKind recidivismKind(Article18Clauses clauses);

// The assessment must be of the crime at its calculation date.
ResultHorizon resultHorizon(const CurrentCrime &crime, const RecidivismAssessment &assessment);

// Assesses the rows without changing them.
RecidivismAssessment assessRecidivism(const CurrentCrime &crime,
                                      const QList<ConvictionRecord> &records);
