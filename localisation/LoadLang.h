// The localisation pass and the change of language. The windows call these with
// the table of their texts; nothing here knows a window.
#pragma once

#include "localisation/texttable.h"
#include "platform/runtimeerror.h"

#include <optional>

class LanguageCatalogue;
class LanguageSetting;

// Makes the named language current (the current one stays when none has that
// name) and hands every interface text to its receiver.
void LocalizeInterface(LanguageCatalogue &catalogue, const QString &languageName,
                       const TextTable &interfaceTexts);

// A change of language: stores the name as the language setting and runs the
// localisation pass. No record changes: the list is only shown in the new
// language's words. A setting that cannot be stored does not stop the change: its
// error is returned, for the caller to show once the change is done.
std::optional<RuntimeError> switchLanguage(const QString &languageName,
                                           const LanguageSetting &setting,
                                           LanguageCatalogue &catalogue,
                                           const TextTable &interfaceTexts);
