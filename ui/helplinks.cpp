#include "ui/helplinks.h"

#include "catalogue/uLocalize.h"
#include "localisation/texttable.h"
#include "platform/manual.h"
#include "platform/shell.h"
#include "platform/webaddress.h"

#include <QDir>

void openManual(Shell &shell, const LanguageCatalogue &catalogue, const QString &programFolder)
{
    const std::optional<QString> page =
        manualIndexFor(programFolder, catalogue.CurrentLanguage().LangID);
    if (!page) {
        throw RuntimeError(filledText(catalogue.Translate(QStringLiteral("String.HelpFileMissing")),
                                      QDir::toNativeSeparators(englishManualIndex(programFolder))));
    }
    shell.openHelpPage(QUrl::fromLocalFile(*page));
}

QUrl languageFileWebLink(const LanguageCatalogue &catalogue)
{
    // A language file must not make the shell open a local program or file.
    return webAddress(catalogue.Translate(QStringLiteral("String.WebLink")));
}
