#include "localisation/LoadLang.h"

#include "catalogue/uLocalize.h"
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
                                           const TextTable &interfaceTexts)
{
    std::optional<RuntimeError> notStored;
    try {
        setting.write(languageName);
    } catch (const RuntimeError &error) {
        // Only remembering the choice failed: the change goes on.
        notStored = error;
    }
    LocalizeInterface(catalogue, languageName, interfaceTexts);
    return notStored;
}
