// The columns a list of convictions is shown in, by the list, the report and the
// copy: the record's five facts, whether it is in force, and the day it is
// expunged. The record holds values; these are its words in one language.
#pragma once

#include "assessment/convictionrecord.h"
#include "records/recordwords.h"

#include <QString>

class ShortDateFormat;

namespace RecordColumn {
enum : int { Date, Severity, Custody, Juvenile, Reprieve, InForce, Expiry };
// The columns of a row as the list has always shown it, the in-force answer last.
inline constexpr int FieldCount = InForce + 1;
inline constexpr int Count = Expiry + 1;
} // namespace RecordColumn

// The text of one of the record's own facts (a column before InForce) in the
// given words and date format; empty for any other column.
QString recordFieldText(const ConvictionRecord &record, int column, const RecordTexts &texts,
                        const ShortDateFormat &dateFormat);
