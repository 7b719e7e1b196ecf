#include "assessment/detailsorder.h"

DatesOutOfOrder datesOutOfOrder(QDate convictionDate, const ConvictionDetails &details)
{
    const auto before = [convictionDate](QDate date) {
        return date.isValid() && date < convictionDate;
    };
    if (details.crimeDate.isValid() && details.crimeDate > convictionDate)
        return DatesOutOfOrder::CrimeAfterConviction;
    if (before(details.inForce))
        return DatesOutOfOrder::InForceBeforeConviction;
    if (before(details.served))
        return DatesOutOfOrder::ServedBeforeConviction;
    if (before(details.additionalEnd))
        return DatesOutOfOrder::AdditionalEndBeforeConviction;
    if (before(details.probationEnd))
        return DatesOutOfOrder::ProbationEndBeforeConviction;
    if (before(details.revokedOn))
        return DatesOutOfOrder::RevokedBeforeConviction;
    if (details.revokedOn.isValid() && !details.revoked)
        return DatesOutOfOrder::RevokedOnWithoutRevocation;
    if (before(details.removed))
        return DatesOutOfOrder::RemovedBeforeConviction;
    return DatesOutOfOrder::None;
}
