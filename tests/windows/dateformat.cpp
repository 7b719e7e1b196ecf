// Prints the user's short date format as the program takes it from the system's
// locale, and a date written in it: "<pattern> <30 June 2009>".
#include "platform/shortdateformat.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    const ShortDateFormat format;
    std::printf("%s %s\n", qPrintable(format.pattern()),
                qPrintable(format.format(QDate(2009, 6, 30))));
    return 0;
}
