// The system's messages in the interface's language: the lower layers raise them
// with their keys and values, and they are worded here when they are shown.
#pragma once

#include "platform/runtimeerror.h"

#include <QList>

class LanguageCatalogue;

// The message in the current language, its values filled in. A message whose
// keys the current language file does not all give (or a file that cannot be
// read) is shown whole in English, its wording today's: never half in one
// language and half in another.
QString localisedMessage(const LanguageCatalogue &catalogue, const MessageText &text);

// Every wording the lower layers raise, for the check that each language file
// words them all.
QList<MessageWording> systemMessageWordings();
