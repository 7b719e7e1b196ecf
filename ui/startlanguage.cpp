#include "ui/startlanguage.h"

#include "catalogue/uLocalize.h"
#include "ui/errorhandler.h"
#include "ui/languageselector.h"
#include "ui/programcontext.h"

void showLanguagesAtStart(QWidget *owner, ProgramContext &context, LanguageSelector &selector)
{
    QString stored;
    runCommand(owner, [&] { stored = context.languageSetting.read(); });
    selector.setStoredName(stored);
    runCommand(owner, [&] {
        context.catalogue->SelectDefaultLanguage(QStringLiteral("English"));
        QStringList names;
        context.catalogue->FillLanguageNames(names, true);
        selector.setLanguageNames(names);
        showStartLanguage(*context.catalogue, selector, stored, context.userLocale);
    });
}

void showStartLanguage(LanguageCatalogue &catalogue, LanguageSelector &selector,
                       const QString &stored, const QLocale &userLocale)
{
    // A language stored under its file base ("Russian") shows by its own name.
    if (!stored.isEmpty()) {
        if (const std::optional<TLangItemRec> language = catalogue.findLanguage(stored))
            selector.showName(language->Name);
        return;
    }
    // At a first start the user's locale chooses, English otherwise; nothing is
    // stored until the user picks a language.
    const std::optional<TLangItemRec> language = catalogue.languageForLocale(userLocale);
    const std::optional<TLangItemRec> shown =
        language ? language : catalogue.findLanguage(catalogue.DefaultLanguage().Name);
    if (shown)
        selector.showName(shown->Name);
}

QString selectedFileBase(LanguageCatalogue &catalogue, const LanguageSelector &selector)
{
    const std::optional<TLangItemRec> language = catalogue.findLanguage(selector.currentText());
    return language ? language->FileBase : selector.currentText();
}
