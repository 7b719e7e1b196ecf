#include "localisation/assessmenttexts.h"

#include "catalogue/interfacekeys.h"
#include "catalogue/uLocalize.h"

AnswerTexts lookUpAnswerTexts(const LanguageCatalogue &catalogue)
{
    return AnswerTexts{catalogue.Translate(QStringLiteral("String.Yes")),
                       catalogue.Translate(QStringLiteral("String.No"))};
}

TextTable recordTextTable(RecordTexts &texts)
{
    TextTable table{
        {u"String.Yes", into(texts.answers.yes)},
        {u"String.No", into(texts.answers.no)},
    };
    for (std::size_t index = 0; index < CategoryTextKeys.size(); ++index)
        table.append({CategoryTextKeys[index], into(texts.categories.texts[index])});
    return table;
}

RecordTexts lookUpRecordTexts(const LanguageCatalogue &catalogue)
{
    return textsFrom(catalogue, recordTextTable);
}

TextTable resultTextTable(ResultTexts &texts)
{
    return {
        {u"String.RecidivNo", into(texts.neither)},
        {u"String.DangerRecidiv", into(texts.dangerous)},
        {u"String.EspeciallyDangerRecidiv", into(texts.especiallyDangerous)},
        {u"String.Recidiv", into(texts.simple)},
        {u"String.ChooseCategory", into(texts.question)},
    };
}

ResultTexts lookUpResultTexts(const LanguageCatalogue &catalogue)
{
    return textsFrom(catalogue, resultTextTable);
}

QString resultTextFor(const ResultTexts &texts, RecidivismKind kind)
{
    switch (kind) {
    case RecidivismKind::Dangerous: return texts.dangerous;
    case RecidivismKind::EspeciallyDangerous: return texts.especiallyDangerous;
    case RecidivismKind::Simple: return texts.simple;
    case RecidivismKind::Neither: break;
    }
    return texts.neither;
}

QString resultTextFor(const ResultTexts &texts, const RecidivismAssessment &assessment)
{
    return assessment.categoryMissing ? texts.question : resultTextFor(texts, assessment.kind);
}
