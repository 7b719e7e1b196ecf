#include "assessment/expungement.h"

namespace {

struct TermRow
{
    Gravity gravity;
    int minorYears;
    int adultYears;
};

constexpr TermRow TermTable[] = {
    {Gravity::Small, 1, 3},
    {Gravity::Medium, 1, 3},
    {Gravity::Grave, 3, 6},
    {Gravity::EspeciallyGrave, 3, 8},
};

} // namespace

int expungementTerm(const CrimeCategories &categories, const QString &yesText,
                    const QString &severity, const QString &juvenile)
{
    const bool minor = juvenile == yesText;
    int term = 0;
    for (const TermRow &row : TermTable) {
        if (severity == categories[row.gravity])
            term = minor ? row.minorYears : row.adultYears;
    }
    return term;
}

QDate addCalendarYears(QDate date, int years)
{
    // QDate::addYears keeps the day and clamps 29 February to the 28th.
    return date.addYears(years);
}

Expungement checkExpungement(const CrimeCategories &categories, const QString &yesText,
                             const QString &severity, const QString &juvenile, QDate convictionDate,
                             QDate calculationDate)
{
    Expungement result;
    result.termYears = expungementTerm(categories, yesText, severity, juvenile);
    result.expiry = addCalendarYears(convictionDate, result.termYears);
    result.inForce = calculationDate < result.expiry;
    return result;
}

QString expungementAnswer(const AssessmentTexts &texts, const QString &severity,
                          const QString &juvenile, QDate convictionDate, QDate calculationDate)
{
    const bool inForce = checkExpungement(texts.categories, texts.answers.yes, severity, juvenile,
                                          convictionDate, calculationDate)
                             .inForce;
    return inForce ? texts.answers.yes : texts.answers.no;
}
