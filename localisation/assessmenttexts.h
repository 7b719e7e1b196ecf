// The words an assessment is shown and answered in, in the current language: the
// texts of the records' facts, and the result text of each outcome.
#pragma once

#include "assessment/recidivism.h"
#include "localisation/texttable.h"
#include "records/recordwords.h"

#include <QString>

class LanguageCatalogue;

// The current language's "String.Yes" and "String.No".
AnswerTexts lookUpAnswerTexts(const LanguageCatalogue &catalogue);

// The current language's category and answer texts: what a record is shown and
// saved in now.
RecordTexts lookUpRecordTexts(const LanguageCatalogue &catalogue);
// The category and answer texts by their keys.
TextTable recordTextTable(RecordTexts &texts);

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
