// What the windows take from outside: the program folder, the language catalogue,
// the stored language setting and the user's date format. The program passes the
// real ones; tests pass fixtures.
#pragma once

#include "platform/languagesetting.h"
#include "platform/shell.h"
#include "platform/shortdateformat.h"

#include <QString>

class FileChooser;
class LanguageCatalogue;

struct ProgramContext
{
    QString programFolder; // holds lang, the readme and the help files
    LanguageCatalogue *catalogue = nullptr;
    LanguageSetting languageSetting;
    ShortDateFormat dateFormat;
    // The desktop's shell and file dialogs when not given.
    Shell *shell = nullptr;
    FileChooser *fileChooser = nullptr;
};
