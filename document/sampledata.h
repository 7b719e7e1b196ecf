// The sample case of the Help menu: two grave convictions with actual custody,
// recent enough to count at the calculation date.
#pragma once

#include "assessment/convictionrecord.h"

#include <QDate>
#include <QList>

// Two identical records of 7 April three years before the calculation date's
// year: a grave current crime is then dangerous recidivism, or especially
// dangerous with actual custody.
QList<ConvictionRecord> sampleRecords(QDate calculationDate);
