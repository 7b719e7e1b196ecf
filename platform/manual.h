// The manual: a few HTML pages per language in manual/<code>/ of the program
// folder, <code> being the language's two-letter name ("en", "ru", "fr"), each
// language's first page index.html. English stands in for a language without
// its own.
#pragma once

#include <QString>

#include <optional>

// The first page of the manual for the language a language file's LangID names,
// or of the English one where that language has none; none when neither is there.
std::optional<QString> manualIndexFor(const QString &programFolder, qint32 langId);
// Where the English manual's first page belongs.
QString englishManualIndex(const QString &programFolder);
