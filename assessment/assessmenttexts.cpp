#include "assessment/assessmenttexts.h"

#include "catalogue/uLocalize.h"

AssessmentTexts lookUpAssessmentTexts(const LanguageCatalogue &catalogue,
                                      const CrimeCategories &categories)
{
    return AssessmentTexts{
        categories,
        AnswerTexts{catalogue.Translate(QStringLiteral("String.Yes")),
                    catalogue.Translate(QStringLiteral("String.No"))},
        ResultTexts{catalogue.Translate(QStringLiteral("String.RecidivNo")),
                    catalogue.Translate(QStringLiteral("String.DangerRecidiv")),
                    catalogue.Translate(QStringLiteral("String.EspeciallyDangerRecidiv")),
                    catalogue.Translate(QStringLiteral("String.Recidiv"))},
    };
}
