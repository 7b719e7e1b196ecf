// Texts and records for tests of the assessment: one language's categories and
// answers, Russian date format, and a builder for conviction rows.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/crimecategories.h"
#include "assessment/recidivism.h"
#include "platform/shortdateformat.h"

inline RecordTexts fixtureTexts()
{
    return RecordTexts{
        CrimeCategories{{"small", "medium", "grave", "especially grave"}},
        AnswerTexts{"Yes", "No"},
    };
}

// The current crime of the category the fixture's text names; none for an empty
// text, as when no category is chosen.
inline CurrentCrime fixtureCrime(const QString &severity, bool custody, QDate calculationDate,
                                 bool negligent = false)
{
    return CurrentCrime{fixtureTexts().categories.gravityOf(severity), custody, calculationDate,
                        negligent};
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
