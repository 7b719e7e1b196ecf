#include "localisation/LoadLang.h"

#include "catalogue/uLocalize.h"
#include "localisation/assessmenttexts.h"
#include "localisation/recordtranslation.h"
#include "platform/languagesetting.h"

void LocalizeInterface(LanguageCatalogue &catalogue, const QString &languageName,
                       const TextTable &interfaceTexts)
{
    catalogue.SelectLanguage(languageName);
    applyTexts(catalogue, interfaceTexts);
}

std::optional<RuntimeError> switchLanguage(const QString &languageName,
                                           const LanguageSetting &setting,
                                           LanguageCatalogue &catalogue,
                                           const TextTable &interfaceTexts,
                                           const CrimeCategories &categories, RecordList &records)
{
    const RecordTexts before = currentRecordTexts(catalogue, categories);
    std::optional<RuntimeError> notStored;
    try {
        setting.write(languageName);
    } catch (const RuntimeError &error) {
        // Only remembering the choice failed: the change goes on.
        notStored = error;
    }
    LocalizeInterface(catalogue, languageName, interfaceTexts);
    // The rows are rewritten in place, so the view's selection and focus mark stay.
    translateRecords(records, before, currentRecordTexts(catalogue, categories));
    return notStored;
}
