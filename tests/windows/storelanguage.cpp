// Stores a language name in the user's settings the way the program does on a
// change of language, so that a check can read the Windows registry after it:
//   kovrant_store_language <name>
#include "platform/languagesetting.h"
#include "platform/runtimeerror.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: kovrant_store_language <name>\n");
        return 2;
    }
    try {
        LanguageSetting().write(arguments.at(1));
    } catch (const RuntimeError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
