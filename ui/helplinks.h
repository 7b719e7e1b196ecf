// Where the Help menu leads outside the program: the manual in the interface's
// language, the web site the language file names, and the author's e-mail.
#pragma once

#include <QString>
#include <QUrl>

class LanguageCatalogue;
class Shell;

// The author's address, for the e-mail command.
inline const QUrl MailLink(QStringLiteral("mailto:kovrant@brindlewick.org"));

// Shows the manual of the catalogue's current language in the user's browser.
// Without the manual the command would seem to do nothing at all: it raises
// "String.HelpFileMissing", naming where the English manual belongs.
void openManual(Shell &shell, const LanguageCatalogue &catalogue, const QString &programFolder);

// The web link of the language file; raises an error naming it unless it is
// an http or https address.
QUrl languageFileWebLink(const LanguageCatalogue &catalogue);
