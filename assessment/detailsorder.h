// The order a conviction's dates must keep: the crime comes no later than the
// conviction; the sentence enters into force, is served, its additional
// punishment ends, probation ends, a conditional sentence or deferral is revoked
// and the conviction is removed no earlier. A date out of that order is a slip of
// the hand that would move the expiry date. A day of revocation also needs a
// conditional sentence or deferral marked as revoked.
#pragma once

#include "assessment/convictiondetails.h"

// In the order the record dialog shows the dates.
enum class DatesOutOfOrder {
    None,
    CrimeAfterConviction,
    InForceBeforeConviction,
    ServedBeforeConviction,
    AdditionalEndBeforeConviction,
    ProbationEndBeforeConviction,
    RevokedBeforeConviction,
    RevokedOnWithoutRevocation, // a day of revocation, and nothing marked as revoked
    RemovedBeforeConviction,
};
inline constexpr int DatesOutOfOrderCount = 9;

// The first date given out of order, in the order the record dialog shows them.
DatesOutOfOrder datesOutOfOrder(QDate convictionDate, const ConvictionDetails &details);
