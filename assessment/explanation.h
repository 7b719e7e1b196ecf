// The words behind an answer: for each row, until when it counts or since when
// it is expunged and why it was or was not counted; for the result, the clauses
// of Article 18 it rests on and how long it holds. Built from the assessment the
// recomputation returned, never from a second reading of the rules.
#pragma once

#include "assessment/recidivism.h"

#include <QString>

#include <array>

class LanguageCatalogue;
class ShortDateFormat;

struct ExplanationTexts
{
    QString countsUntil; // "%s": the last day in force
    QString expungedOn;  // "%s": the expiry date
    QString noTerm;      // a severity that matches no category
    QString counted;
    QString notCounted;             // "%s": the reasons
    std::array<QString, 7> reasons; // in the order of the Exclusion flags
    std::array<QString, 4> clauses; // part 2 (a), 2 (b), 3 (a), 3 (b)
    QString grounds;                // "%1": the clauses, "%2": the counted rows
    QString noGrounds;
    QString holdsUntil; // "%1": last day, "%2": next day, "%3": what it becomes
    QString holdsNoEnd;
    ResultTexts results;
};

ExplanationTexts lookUpExplanationTexts(const LanguageCatalogue &catalogue);

// "Counts until 6 April 2015 inclusive", "Expunged on 7 April 2015", or that no
// term applies.
QString expungementNote(const RowAssessment &row, const ExplanationTexts &texts,
                        const ShortDateFormat &dateFormat);
// "Counted for recidivism" or "Not counted: " with every reason.
QString tallyNote(const RowAssessment &row, const ExplanationTexts &texts);
// Both notes of a row, one per line: the row's tooltip.
QString rowNote(const RowAssessment &row, const ExplanationTexts &texts,
                const ShortDateFormat &dateFormat);
// The clauses that hold and the numbers (from 1) of the counted rows.
QString groundsLine(const RecidivismAssessment &assessment, const ExplanationTexts &texts);
QString horizonLine(const ResultHorizon &horizon, const ExplanationTexts &texts,
                    const ShortDateFormat &dateFormat);
