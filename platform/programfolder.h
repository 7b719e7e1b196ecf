// The program folder: where lang, the manual and the readme files are
// looked up. Run from the build tree they lie beside the executable; installed,
// the executable is in <prefix>/bin and they are in <prefix>/share/kovrant.
#pragma once

#include <QString>

QString programFolderFor(const QString &executableFolder);
