// What a finding of recidivism entails beyond Article 18, in the current
// language: the least term (Article 68), the colony (Article 58), no conditional
// sentence (Article 73) and administrative supervision after release (Federal Law
// No. 64-FZ of 6 April 2011), each with the provision it rests on.
#pragma once

#include "assessment/recidivism.h"
#include "localisation/texttable.h"

#include <QString>

struct ConsequenceTexts
{
    QString line;                      // %1: the consequences of the kind, in order
    QString leastTerm;                 // Article 68 parts 2 and 3: every kind
    QString noConditionalSentence;     // Article 73 part 1 (c): both dangerous kinds
    QString colonyDangerous;           // Article 58 part 1 (b) and (c)
    QString colonyEspeciallyDangerous; // Article 58 part 1 (b) and (d)
    QString supervision;               // Federal Law No. 64-FZ, Article 3 part 2
};

TextTable consequenceTextTable(ConsequenceTexts &texts);

// "Consequences: ..." of a kind of recidivism; empty when there is none.
QString consequencesLine(RecidivismKind kind, const ConsequenceTexts &texts);
// Of an assessment's answer: empty when it gives none, as when no category was
// chosen, the new crime was negligent or a row could not be read.
QString consequencesLine(const RecidivismAssessment &assessment, const ConsequenceTexts &texts);
