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

void translateRecords(RecordList &list, const RecordTexts &before, const RecordTexts &after)
{
    QList<ConvictionRecord> rows = list.records();
    for (ConvictionRecord &row : rows) {
        row.Severity = translatedSeverity(row.Severity, before.categories, after.categories);
        row.Custody = translatedAnswer(row.Custody, before.answers, after.answers);
        row.Juvenile = translatedAnswer(row.Juvenile, before.answers, after.answers);
        row.Reprieve = translatedAnswer(row.Reprieve, before.answers, after.answers);
        row.InForce = translatedAnswer(row.InForce, before.answers, after.answers);
    }
    list.rewriteAll(std::move(rows));
}
