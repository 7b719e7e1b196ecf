// One start of a program, for scripts/bench to time as a fresh process: "kovrant"
// builds, localises and shows Kovrant's main window; "bare" shows an empty
// QMainWindow. Both run offscreen unless told otherwise, and then exit.
#include "catalogue/uLocalize.h"
#include "platform/languagesetting.h"
#include "platform/shortdateformat.h"
#include "ui/errorhandler.h"
#include "ui/main.h"
#include "ui/programcontext.h"
#include "ui/startup.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

int startKovrantWindow()
{
    // The language setting lives in a temporary file, never in the user's settings.
    const QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid()) {
        std::fprintf(stderr, "Cannot create a temporary folder\n");
        return 1;
    }
    const QString settingsFile =
        QDir(settingsFolder.path()).filePath(QStringLiteral("kovrant.ini"));
    bool failed = false;
    setErrorPresenter([&failed](QWidget *, const QString &text) {
        std::fprintf(stderr, "Error: %s\n", qPrintable(text));
        failed = true;
    });

    LanguageCatalogue catalogue(QCoreApplication::applicationDirPath());
    ProgramContext context{
        QCoreApplication::applicationDirPath(), &catalogue, LanguageSetting([settingsFile] {
            return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
        }),
        ShortDateFormat()};
    const std::unique_ptr<TForm1> form = startKovrant(context);
    form->show();
    QApplication::processEvents();
    return failed ? 1 : 0;
}

int startBareWindow()
{
    QMainWindow window;
    window.show();
    QApplication::processEvents();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool kovrant = argc == 2 && std::strcmp(argv[1], "kovrant") == 0;
    const bool bare = argc == 2 && std::strcmp(argv[1], "bare") == 0;
    if (!kovrant && !bare) {
        std::fprintf(stderr, "Usage: %s kovrant|bare\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return kovrant ? startKovrantWindow() : startBareWindow();
}
