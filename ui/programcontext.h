// What the windows take from outside: the program folder, the language catalogue,
// the stored language setting, the user's date format and locale. The program passes the
// real ones; tests pass fixtures.
#pragma once

#include "platform/languagesetting.h"
#include "platform/shell.h"
#include "platform/shortdateformat.h"

#include <QLocale>
#include <QString>

class FileChooser;
class LanguageCatalogue;

struct ProgramContext
{
    QString programFolder; // holds lang, the readme and the manual
    LanguageCatalogue *catalogue = nullptr;
    LanguageSetting languageSetting;
    ShortDateFormat dateFormat;
    // The desktop's shell and file dialogs when not given.
    Shell *shell = nullptr;
    FileChooser *fileChooser = nullptr;
    // Chooses the language at a first start, when none is stored.
    QLocale userLocale = QLocale::system();
};
