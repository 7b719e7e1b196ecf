// Texts and records for tests of the assessment: one language's categories and
// answers, Russian date format, and a builder for conviction rows.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/crimecategories.h"
#include "platform/shortdateformat.h"

inline AssessmentTexts fixtureTexts()
{
    return AssessmentTexts{
        CrimeCategories{{"small", "medium", "grave", "especially grave"}},
        AnswerTexts{"Yes", "No"},
        ResultTexts{"neither", "dangerous", "especially dangerous", "recidivism"},
    };
}

inline ShortDateFormat fixtureDateFormat()
{
    return ShortDateFormat(QLocale(QLocale::Russian, QLocale::Russia),
                           [] { return QDate(2026, 12, 9); });
}

// A conviction as the list holds it; custody Yes and reprieve No unless told.
inline ConvictionRecord conviction(const QString &date, const QString &severity,
                                   const QString &custody = "Yes", const QString &juvenile = "No",
                                   const QString &reprieve = "No")
{
    return ConvictionRecord{date, severity, custody, juvenile, reprieve, {}, {}};
}

// The same conviction with details given.
inline ConvictionRecord withDetails(ConvictionRecord record, const ConvictionDetails &details)
{
    record.Details = details;
    return record;
}
