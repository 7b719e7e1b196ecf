// The lists of convictions the benchmarks run on: a mix of categories, dates
// across twenty years and every answer combination; every fourth conviction
// with the date of its crime and the day its sentence was served.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/gravity.h"
#include "platform/shortdateformat.h"

#include <QList>

inline ShortDateFormat benchmarkDateFormat()
{
    return ShortDateFormat(QLocale(QLocale::Russian, QLocale::Russia),
                           [] { return QDate(2026, 12, 9); });
}

inline QList<ConvictionRecord> benchmarkRecords(int rows)
{
    QList<ConvictionRecord> records;
    records.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        const QDate date = QDate(2005, 1, 1).addDays((row * 37) % 7300);
        ConvictionDetails details;
        if (row % 4 == 0) {
            details.crimeDate = date.addMonths(-8);
            details.served = date.addYears(2);
        }
        records.append(ConvictionRecord{date, Gravity(row % 4), row % 3 != 0, row % 7 == 0,
                                        row % 5 == 0, details});
    }
    return records;
}
