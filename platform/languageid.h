// The primary language number a language file's LangID carries (its low ten
// bits, as in a Windows language identifier), for a locale's language.
#pragma once

#include <QLocale>

#include <optional>

// The primary language number of the locale's language; none for a language
// the table does not know.
std::optional<int> primaryLanguageId(const QLocale &locale);

// The primary language number a full LangID ("0x0419") carries.
constexpr int primaryLanguageOf(qint32 langId)
{
    return langId & 0x3FF;
}

// The language a full LangID ("0x0419") names; none for a number the table does
// not know.
std::optional<QLocale::Language> languageOfId(qint32 langId);
