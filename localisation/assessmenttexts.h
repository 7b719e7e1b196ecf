// The words an assessment is read and answered in, in the current language: the
// texts records are compared with, and the result text of each outcome.
#pragma once

#include "assessment/crimecategories.h"
#include "assessment/recidivism.h"
#include "localisation/texttable.h"

#include <QString>

class LanguageCatalogue;

// The current language's "String.Yes" and "String.No".
AnswerTexts lookUpAnswerTexts(const LanguageCatalogue &catalogue);

// The current language's answer texts with the category texts the interface
// holds: what a record entered now is written in.
RecordTexts currentRecordTexts(const LanguageCatalogue &catalogue,
                               const CrimeCategories &categories);

// The result texts of the four outcomes.
struct ResultTexts
{
    QString neither;             // "String.RecidivNo": no recidivism at all
    QString dangerous;           // "String.DangerRecidiv"
    QString especiallyDangerous; // "String.EspeciallyDangerRecidiv"
    QString simple;              // "String.Recidiv": recidivism, neither dangerous kind
    QString question;            // "String.ChooseCategory": no category, so no answer
};

TextTable resultTextTable(ResultTexts &texts);
ResultTexts lookUpResultTexts(const LanguageCatalogue &catalogue);

QString resultTextFor(const ResultTexts &texts, RecidivismKind kind);
// The answer of an assessment, or the question for the current crime's category
// when none was chosen.
QString resultTextFor(const ResultTexts &texts, const RecidivismAssessment &assessment);
