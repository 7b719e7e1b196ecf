// Records for tests of the assessment: the fixture's names of the categories,
// the Russian date format, and a builder for conviction rows.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/recidivism.h"
#include "platform/shortdateformat.h"

#include <algorithm>
#include <array>
#include <optional>

// The fixture's names of the four categories, from small to especially grave.
inline const std::array<QString, 4> &fixtureCategoryNames()
{
    static const std::array<QString, 4> names{"small", "medium", "grave", "especially grave"};
    return names;
}

// The category a fixture name names; none for any other text.
inline std::optional<Gravity> fixtureGravity(const QString &name)
{
    const auto &names = fixtureCategoryNames();
    const auto found = std::find(names.cbegin(), names.cend(), name);
    return found == names.cend() ? std::nullopt : std::optional(Gravity(found - names.cbegin()));
}

// The current crime of the category the fixture's text names; none for an empty
// text, as when no category is chosen.
inline CurrentCrime fixtureCrime(const QString &severity, bool custody, QDate calculationDate,
                                 bool negligent = false)
{
    return CurrentCrime{fixtureGravity(severity), custody, calculationDate, negligent};
}

inline ShortDateFormat fixtureDateFormat()
{
    return ShortDateFormat(QLocale(QLocale::Russian, QLocale::Russia),
                           [] { return QDate(2026, 12, 9); });
}

// A conviction as the list holds it, written as the tables write it: its date
// as d.M.yyyy (07.04.2013 or 7.4.2013), its category by the fixture's text (any other text an
// unrecognised category), its answers "Yes" or "No"; custody Yes and reprieve
// No unless told.
inline ConvictionRecord conviction(const QString &date, const QString &severity,
                                   const QString &custody = "Yes", const QString &juvenile = "No",
                                   const QString &reprieve = "No")
{
    const std::optional<Gravity> gravity = fixtureGravity(severity);
    return ConvictionRecord{QDate::fromString(date, QStringLiteral("d.M.yyyy")),
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
