// Kovrant's entry point: kovrant [<list.har>] opens the program, and the list
// when one is named (as the file manager does on opening a list file).
#include "catalogue/uLocalize.h"
#include "kovrantversion.h"
#include "platform/programfolder.h"
#include "ui/errorhandler.h"
#include "ui/main.h"
#include "ui/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QCoreApplication::setApplicationName(ApplicationTitle);
    QCoreApplication::setApplicationVersion(KovrantVersion.toString());

    QCommandLineParser commandLine;
    commandLine.addHelpOption();
    commandLine.addVersionOption();
    commandLine.addPositionalArgument(QStringLiteral("list"),
                                      QStringLiteral("A list of convictions (.har) to open."),
                                      QStringLiteral("[list]"));
    commandLine.process(application);

    ProgramContext context{programFolderFor(QCoreApplication::applicationDirPath()),
                           &programCatalogue(), LanguageSetting(), ShortDateFormat()};
    const std::unique_ptr<TForm1> form = startKovrant(context);
    form->show();
    if (const QStringList lists = commandLine.positionalArguments(); !lists.isEmpty())
        form->openGivenFile(QFileInfo(lists.constFirst()).absoluteFilePath());
    // Closing the main window ends the program; unsaved changes are asked about.
    return application.exec();
}
