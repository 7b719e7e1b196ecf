#include "localisation/recordtranslation.h"

#include "assessment/recordlist.h"
#include "catalogue/uLocalize.h"

RecordTexts currentRecordTexts(const LanguageCatalogue &catalogue,
                               const CrimeCategories &categories)
{
    return RecordTexts{categories, AnswerTexts{catalogue.Translate(QStringLiteral("String.Yes")),
                                               catalogue.Translate(QStringLiteral("String.No"))}};
}

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
    for (std::size_t i = 0; i < before.texts.size(); ++i) {
        if (text == before.texts[i])
            return after.texts[i];
    }
    return text;
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
