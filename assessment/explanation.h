// The words behind an answer: for each row, until when it counts or since when
// it is expunged, the provision and the day its term runs from, what was assumed
// for facts not given, and why it was or was not counted; for the result, the
// clauses of Article 18 it rests on and how long it holds. Built from the assessment the
// recomputation returned, never from a second reading of the rules.
#pragma once

#include "assessment/recidivism.h"

#include <QString>

#include <array>

class LanguageCatalogue;
class ShortDateFormat;

// The record dialog's words for the details, as a row's note names the facts given.
struct FactTexts
{
    QString given;          // "%s": the facts
    QString crimeCommitted; // the dialog's labels, their colons dropped
    QString served;
    QString probationEnds;
    std::array<QString, PunishmentKindCount> kinds; // "not given" first
    QString revoked;
    QString negligent;
};

struct ExplanationTexts
{
    QString countsUntil; // "%s": the last day in force
    QString expungedOn;  // "%s": the expiry date
    QString noTerm;      // a severity that matches no category
    QString counted;
    QString countedPart1; // "%s": why only under part 1
    QString notCounted;   // "%s": the reasons
    // In the order of the Exclusion flags, then the punishment kind needed for part 1.
    std::array<QString, 10> reasons;
    std::array<QString, 5> clauses; // part 2 (a), 2 (b), 3 (a), 3 (b), part 1
    QString grounds;                // "%1": the clauses, "%2": the counted rows
    QString noGrounds;
    QString negligentCrime; // the grounds line of a negligent current crime
    // The provision of each TermClause with its length (None has none).
    std::array<QString, TermClauseCount> termClauses;
    std::array<QString, 3> termStarts;  // "%s": the day, in TermStart order
    QString basis;                      // "%1": the provision, "%2": the start
    std::array<QString, 2> assumptions; // in the order of the Assumption flags
    QString assumed;                    // "%s": the assumptions
    QString holdsUntil;                 // "%1": last day, "%2": next day, "%3": what it becomes
    QString holdsNoEnd;
    ResultTexts results;
    FactTexts facts;
};

ExplanationTexts lookUpExplanationTexts(const LanguageCatalogue &catalogue);

// "Counts until 6 April 2015 inclusive", "Expunged on 7 April 2015", or that no
// term applies.
QString expungementNote(const RowAssessment &row, const ExplanationTexts &texts,
                        const ShortDateFormat &dateFormat);
// The details given for a row: "Facts given: Crime committed on 10.11.2014; real
// deprivation of liberty"; empty when none is.
QString factsNote(const ConvictionDetails &details, const ExplanationTexts &texts,
                  const ShortDateFormat &dateFormat);
// The provision the term rests on and the day it runs from; empty without a term.
QString basisNote(const RowAssessment &row, const ExplanationTexts &texts,
                  const ShortDateFormat &dateFormat);
// What was assumed for facts the record does not give; empty when nothing was.
QString assumptionNote(const RowAssessment &row, const ExplanationTexts &texts);
// "Counted for recidivism", counted under part 1 only and why, or "Not counted: "
// with every reason.
QString tallyNote(const RowAssessment &row, const ExplanationTexts &texts);
// The notes of a row, one per line, those with no text left out: the row's
// tooltip. The details are the row's own.
QString rowNote(const RowAssessment &row, const ConvictionDetails &details,
                const ExplanationTexts &texts, const ShortDateFormat &dateFormat);
// The clauses that hold and the numbers (from 1) of the counted rows.
QString groundsLine(const RecidivismAssessment &assessment, const ExplanationTexts &texts);
QString horizonLine(const ResultHorizon &horizon, const ExplanationTexts &texts,
                    const ShortDateFormat &dateFormat);
