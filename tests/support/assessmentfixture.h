// Texts and records for tests of the assessment: one language's categories and
// answers, Russian date format, and a builder for conviction rows.
#pragma once

#include "assessment/convictionrecord.h"
#include "records/recordwords.h"
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

// A conviction as the list holds it, written as the tables write it: its date
// as dd.MM.yyyy, its category by the fixture's text (any other text an
// unrecognised category), its answers "Yes" or "No"; custody Yes and reprieve
// No unless told.
inline ConvictionRecord conviction(const QString &date, const QString &severity,
                                   const QString &custody = "Yes", const QString &juvenile = "No",
                                   const QString &reprieve = "No")
{
    const std::optional<Gravity> gravity = fixtureTexts().categories.gravityOf(severity);
    return ConvictionRecord{QDate::fromString(date, QStringLiteral("dd.MM.yyyy")),
                            gravity ? ConvictionGravity(*gravity)
                                    : ConvictionGravity::unrecognised(severity),
                            custody == QStringLiteral("Yes"),
                            juvenile == QStringLiteral("Yes"),
                            reprieve == QStringLiteral("Yes"),
                            {}};
}

// The same conviction with details given.
inline ConvictionRecord withDetails(ConvictionRecord record, const ConvictionDetails &details)
{
    record.details = details;
    return record;
}
