// Starts Kovrant's windows over the program folder an installed executable
// would use, and prints the main window's title: English text when the
// installed language files are found, a "NoTranslate:" marker when not.
#include "catalogue/uLocalize.h"
#include "platform/programfolder.h"
#include "ui/errorhandler.h"
#include "ui/main.h"
#include "ui/startup.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr,
                     "usage: kovrant_installed_title <folder of the installed executable>\n");
        return 2;
    }
    setErrorPresenter([](QWidget *, const QString &shown) {
        std::fprintf(stderr, "error: %s\n", qPrintable(shown));
    });
    const QTemporaryDir settings;
    const QString folder = programFolderFor(QString::fromLocal8Bit(argv[1]));
    LanguageCatalogue catalogue(folder);
    ProgramContext context{folder, &catalogue,
                           LanguageSetting([path = settings.filePath(QStringLiteral("s.ini"))] {
                               return std::make_unique<QSettings>(path, QSettings::IniFormat);
                           }),
                           ShortDateFormat()};
    const std::unique_ptr<TForm1> form = startKovrant(context);
    // The title as the window system shows it, its modified mark resolved.
    form->winId();
    std::printf("%s\n", form->windowHandle()->title().toUtf8().constData());
    return 0;
}
