// The order a conviction's dates must keep: the crime comes no later than the
// conviction, and the sentence is served and probation ends no earlier. A date
// out of that order is a slip of the hand that would move the expiry date.
#pragma once

#include "assessment/convictiondetails.h"

enum class DatesOutOfOrder {
    None,
    CrimeAfterConviction,
    ServedBeforeConviction,
    ProbationEndBeforeConviction,
};
inline constexpr int DatesOutOfOrderCount = 4;

// The first date given out of order, in the order the record dialog shows them.
DatesOutOfOrder datesOutOfOrder(QDate convictionDate, const ConvictionDetails &details);
