#include "localisation/recordcolumns.h"

#include "platform/shortdateformat.h"

QString recordFieldText(const ConvictionRecord &record, int column, const RecordTexts &texts,
                        const ShortDateFormat &dateFormat)
{
    switch (column) {
    case RecordColumn::Date: return dateFormat.format(record.date);
    case RecordColumn::Severity: return texts.categories.textOf(record.gravity);
    case RecordColumn::Custody: return texts.answers.textOf(record.custody);
    case RecordColumn::Juvenile: return texts.answers.textOf(record.juvenile);
    case RecordColumn::Reprieve: return texts.answers.textOf(record.reprieve);
    default: return {};
    }
}
