#include "document/sampledata.h"

QList<ConvictionRecord> sampleRecords(QDate calculationDate)
{
    const ConvictionRecord record{QDate(calculationDate.year() - 3, 4, 7),
                                  Gravity::Grave,
                                  /*custody*/ true,
                                  /*juvenile*/ false,
                                  /*reprieve*/ false,
                                  {}};
    return {record, record};
}
