#include "document/sampledata.h"

#include "platform/shortdateformat.h"

QList<ConvictionRecord> sampleRecords(const CrimeCategories &categories, const AnswerTexts &answers,
                                      const ShortDateFormat &dateFormat, QDate calculationDate)
{
    const ConvictionRecord record{dateFormat.format(QDate(calculationDate.year() - 3, 4, 7)),
                                  categories[Gravity::Grave],
                                  answers.yes,
                                  answers.no,
                                  answers.no,
                                  {},
                                  {}};
    return {record, record};
}
