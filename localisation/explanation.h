// The words behind an answer: for each row, until when it counts or since when
// it is expunged, the provision and the day its term runs from, what was assumed
// for facts not given, and why it was or was not counted; for the result, the
// clauses of Article 18 it rests on and how long it holds. Built from the assessment the
// recomputation returned, never from a second reading of the rules.
#pragma once

#include "assessment/recidivism.h"
#include "localisation/assessmenttexts.h"
#include "localisation/texttable.h"

#include <QMap>
#include <QString>

#include <array>

class LanguageCatalogue;
class ShortDateFormat;

// Texts by the value of an enumeration they stand for.
template<typename Enum, std::size_t Count>
class EnumTexts
{
public:
    QString &operator[](Enum value) { return m_texts[std::size_t(value)]; }
    const QString &operator[](Enum value) const { return m_texts[std::size_t(value)]; }

private:
    std::array<QString, Count> m_texts;
};

// The record dialog's words for the details, as a row's note names the facts given.
struct FactTexts
{
    QString given;          // %1: the facts
    QString crimeCommitted; // the dialog's labels, their colons dropped
    QString served;
    QString probationEnds;
    EnumTexts<PunishmentKind, PunishmentKindCount> kinds;
    QString revoked;
    QString negligent;
    QString inForce; // the dialog's labels, their colons dropped
    QString revokedOn;
    QString sentence;
    QString additionalEnd;
    QString removed;
};

// Texts that name the flags of a set are listed in the flags' order.
struct ExplanationTexts
{
    QString countsUntil; // %1: the last day in force
    QString expungedOn;  // %1: the expiry date
    QString noTerm;      // a severity that matches no category
    QString counted;
    QString countedPart1;  // %1: why only under part 1
    QString countedPart3b; // %1: why not under part 2 or 3 (a)
    QString notCounted;    // %1: the reasons
    QMap<Exclusion, QString> reasons;
    QString kindNotGiven; // why a row without custody and without a kind is not counted
    QMap<Article18Clause, QString> clauses;
    QString grounds;        // %1: the clauses, %2: the number of the one counted row
    QString groundsSeveral; // %1: the clauses, %2: the numbers of the counted rows
    QString noGrounds;
    QString negligentCrime; // the grounds line of a negligent current crime
    EnumTexts<TermClause, TermClauseCount> termClauses; // each provision with its length
    EnumTexts<TermStart, TermStartCount> termStarts;    // %1: the day
    QString basis;                                      // %1: the provision, %2: the start
    QMap<Assumption, QString> assumptions;
    QString assumed;    // %1: the assumptions
    QString holdsUntil; // %1: last day, %2: next day, %3: what it becomes
    QString holdsNoEnd;
    QString datedAfterCrimeOne;     // one conviction dated after the new crime, not counted
    QString datedAfterCrimeSeveral; // %1: how many (two or more)
    QString futureCrimeDate;        // %1: the new crime's date, after today
    QString removedOn;              // %1: the day the conviction was removed
    QString sharedTerm;             // %1: the numbers of the other rows of the sentence
    QString countedWith;            // %1: the number of the row the sentence is counted with
    QString part2bPractice;         // why part 2 (b) is applied to an especially grave crime
    // A row's doubt: what would settle it. CrimeDateDecides: %1 the expiry under
    // the longer terms; AppealPeriod: %1 the appeal term in days, %2 its last day;
    // AdditionalOutlastedProbation: %1 the additional punishment's end.
    QMap<Doubt, QString> rowDoubts;
    // The result's warning lines; a row's doubt names the rows: %1 their numbers.
    // DetailsUnconfirmed is a line per row: %1 its number, %2 whom the details
    // were written for, %3 the facts.
    QMap<Doubt, QString> doubtLines;
    // Details unconfirmed where the file does not say whom they were written
    // for: the row's note, and its line under the result (%1 its number, %2 the
    // facts). The row's note with an owner is rowDoubts[DetailsUnconfirmed]: %1 whom.
    QString detailsUnknownOwner;
    QString detailsLineUnknownOwner;
    ResultTexts results;
    FactTexts facts;
};

// Every text of the notes by its key, received into the given value.
TextTable explanationTextTable(ExplanationTexts &texts);
ExplanationTexts lookUpExplanationTexts(const LanguageCatalogue &catalogue);

// "Counts until 6 April 2015 inclusive", "Expunged on 7 April 2015", or that no
// term applies.
QString expungementNote(const RowAssessment &row, const ExplanationTexts &texts,
                        const ShortDateFormat &dateFormat);
// The details given for a row: "Facts given: Crime committed on 10.11.2014; real
// deprivation of liberty; Sentence No. 2", in the record dialog's order; empty
// when none is.
QString factsNote(const ConvictionDetails &details, const ExplanationTexts &texts,
                  const ShortDateFormat &dateFormat);
// The facts given, in the record dialog's order, joined by "; "; empty when
// none is.
QString factsList(const ConvictionDetails &details, const ExplanationTexts &texts,
                  const ShortDateFormat &dateFormat);
// Whom details were written for: "05.09.2017 · grave", the category as the file
// wrote it; empty where the file does not say.
QString detailsOwnerText(const UnconfirmedDetails &unconfirmed, const ShortDateFormat &dateFormat);
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
// The clauses that hold and the numbers (from 1) of the counted rows, as the
// list numbers them; empty when no category was chosen for the current crime.
QString groundsLine(const RecidivismAssessment &assessment, const ExplanationTexts &texts);
// How many convictions were left out as dated after the current crime; empty
// when none was.
QString datedAfterCrimeLine(const RecidivismAssessment &assessment, const ExplanationTexts &texts);
// That the current crime is dated after the format's today; empty when it is not.
QString futureCrimeDateLine(QDate calculationDate, const ExplanationTexts &texts,
                            const ShortDateFormat &dateFormat);
// What would settle each doubt of a row, one per line; empty when it has none.
QString doubtNote(const RowAssessment &row, const ConvictionDetails &details,
                  const ExplanationTexts &texts, const ShortDateFormat &dateFormat);
// The warnings that the answer rests on a fact not given or on a point where
// courts differ, one per line; empty when there is none.
QString doubtLines(const RecidivismAssessment &assessment, const ExplanationTexts &texts,
                   const ShortDateFormat &dateFormat);
// The lines under the result that qualify it, one per line: the convictions
// dated after the current crime, a date in the future, then the doubts; empty
// when there is none.
QString resultNotices(const RecidivismAssessment &assessment, QDate calculationDate,
                      const ExplanationTexts &texts, const ShortDateFormat &dateFormat);
QString horizonLine(const ResultHorizon &horizon, const ExplanationTexts &texts,
                    const ShortDateFormat &dateFormat);
