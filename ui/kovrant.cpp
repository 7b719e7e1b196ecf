// Kovrant's entry point. The program takes no command-line options.
#include "catalogue/uLocalize.h"
#include "platform/programfolder.h"
#include "ui/errorhandler.h"
#include "ui/main.h"
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QCoreApplication::setApplicationName(ApplicationTitle);

    ProgramContext context{programFolderFor(QCoreApplication::applicationDirPath()),
                           &programCatalogue(), LanguageSetting(), ShortDateFormat()};
    const std::unique_ptr<TForm1> form = startKovrant(context);
    form->show();
    // Closing the main window ends the program; nothing is saved or asked.
    return application.exec();
}
