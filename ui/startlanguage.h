// The language the main window starts in: the selector filled with the installed
// languages and showing the stored language, or at a first start the user's
// locale's, else English; and the file base of the language the selector names.
#pragma once

#include <QString>

class LanguageCatalogue;
class LanguageSelector;
class QLocale;
class QWidget;
struct ProgramContext;

// Writes the stored name into the selector, fills it with the installed
// languages' names (English the catalogue's default) and shows the start
// language in it. A stored value of the wrong type is reported to the owner,
// then start-up goes on as if nothing were stored.
void showLanguagesAtStart(QWidget *owner, ProgramContext &context, LanguageSelector &selector);

// Shows in the selector the stored language by its own name, or with none
// stored the user's locale's language, else English.
void showStartLanguage(LanguageCatalogue &catalogue, LanguageSelector &selector,
                       const QString &stored, const QLocale &userLocale);

// The file base of the language the selector names (by its own name or its
// file base); the selector's text itself when it names none.
QString selectedFileBase(LanguageCatalogue &catalogue, const LanguageSelector &selector);
