#include "assessment/detailsorder.h"

DatesOutOfOrder datesOutOfOrder(QDate convictionDate, const ConvictionDetails &details)
{
    if (details.crimeDate.isValid() && details.crimeDate > convictionDate)
        return DatesOutOfOrder::CrimeAfterConviction;
    if (details.served.isValid() && details.served < convictionDate)
        return DatesOutOfOrder::ServedBeforeConviction;
    if (details.probationEnd.isValid() && details.probationEnd < convictionDate)
        return DatesOutOfOrder::ProbationEndBeforeConviction;
    return DatesOutOfOrder::None;
}
