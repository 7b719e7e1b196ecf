// The sample case of the Help menu: two grave convictions with actual custody,
// recent enough to count at the calculation date.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/crimecategories.h"

#include <QDate>
#include <QList>

class ShortDateFormat;

// Two identical records of 7 April three years before the calculation date's
// year, dated in the user's format: a grave current crime is then dangerous
// recidivism, or especially dangerous with actual custody.
QList<ConvictionRecord> sampleRecords(const CrimeCategories &categories, const AnswerTexts &answers,
                                      const ShortDateFormat &dateFormat, QDate calculationDate);
