// Whether a previous conviction still counts at the calculation date or has been
// expunged: terms of 3, 3, 6 and 8 years by category for adults, 1, 1, 3 and 3
// years for crimes committed as a minor, counted from the conviction date.
#pragma once

#include "assessment/crimecategories.h"

#include <QDate>

// The term in whole years; 0 for a severity text that names no category. When a
// language gives two categories the same text, the later category's term applies.
int expungementTerm(const CrimeCategories &categories, const QString &yesText,
                    const QString &severity, const QString &juvenile);

// The conviction date plus whole calendar years; 29 February falls back to the
// last day of February in a common year.
QDate addCalendarYears(QDate date, int years);

struct Expungement
{
    int termYears = 0;
    QDate expiry;
    bool inForce = false; // the calculation date is before the expiry date
};

Expungement checkExpungement(const CrimeCategories &categories, const QString &yesText,
                             const QString &severity, const QString &juvenile, QDate convictionDate,
                             QDate calculationDate);

// The answer text of the check: "String.Yes" while in force, "String.No" once expunged.
QString expungementAnswer(const AssessmentTexts &texts, const QString &severity,
                          const QString &juvenile, QDate convictionDate, QDate calculationDate);
