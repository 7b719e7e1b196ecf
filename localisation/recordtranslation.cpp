#include "localisation/recordtranslation.h"

#include "assessment/recordlist.h"

namespace {

QString translatedAnswer(const QString &text, const AnswerTexts &before, const AnswerTexts &after)
{
    if (text == before.yes)
        return after.yes;
    if (text == before.no)
        return after.no;
    return text;
}

QString translatedSeverity(const QString &text, const CrimeCategories &before,
                           const CrimeCategories &after)
{
    const std::optional<Gravity> gravity = before.gravityOf(text);
    return gravity ? after[*gravity] : text;
}

} // namespace

ConvictionRecord translatedRecord(ConvictionRecord row, const RecordTexts &before,
                                  const RecordTexts &after)
{
    row.Severity = translatedSeverity(row.Severity, before.categories, after.categories);
    row.Custody = translatedAnswer(row.Custody, before.answers, after.answers);
    row.Juvenile = translatedAnswer(row.Juvenile, before.answers, after.answers);
    row.Reprieve = translatedAnswer(row.Reprieve, before.answers, after.answers);
    row.InForce = translatedAnswer(row.InForce, before.answers, after.answers);
    return row;
}

QList<ConvictionRecord> translatedRecords(QList<ConvictionRecord> rows, const RecordTexts &before,
                                          const RecordTexts &after)
{
    for (ConvictionRecord &row : rows)
        row = translatedRecord(std::move(row), before, after);
    return rows;
}

void translateRecords(RecordList &list, const RecordTexts &before, const RecordTexts &after)
{
    list.rewriteAll(translatedRecords(list.records(), before, after));
}
