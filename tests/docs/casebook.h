// The casebook: every case of the legal-case table (tests/assessment/
// legalcasetable.h) written out for a lawyer, in Russian (docs/casebook.md) and
// English (docs/casebook.en.md): the facts, Kovrant's answer and the notes it
// rests on, in the program's own words from its language files. tst_casebook
// checks that the committed files are what the table makes; scripts/casebook
// writes them anew.
#pragma once

#include <QString>

#include <array>

enum class CasebookLanguage { Russian, English };

inline constexpr std::array<CasebookLanguage, 2> CasebookLanguages = {CasebookLanguage::Russian,
                                                                      CasebookLanguage::English};

// The command that writes both files anew, from the source folder.
inline constexpr char CasebookCommand[] = "scripts/casebook";

// The file's path in the source folder: "docs/casebook.md", "docs/casebook.en.md".
QString casebookPath(CasebookLanguage language);

// The casebook in the language, with the texts of the language files in
// programFolder's lang folder. Raises when that language's file is missing.
QString casebookText(CasebookLanguage language, const QString &programFolder);
