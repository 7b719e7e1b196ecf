// One start of a program, for scripts/bench to measure as a fresh process:
// "kovrant <language>" builds, localises and shows Kovrant's main window in the
// language stored for it (a file base: English, Russian); "bare" shows an empty
// QMainWindow. Both run offscreen unless told otherwise, then print the
// process's own processor time and peak memory, from start to the first turn of
// the event loop, as "<cpu microseconds> <peak resident KiB>", and exit.
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

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace {

int startKovrantWindow(const QString &language)
{
    // The language setting lives in a temporary file, never in the user's settings.
    const QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid()) {
        std::fprintf(stderr, "Cannot create a temporary folder\n");
        return 1;
    }
    const QString settingsFile =
        QDir(settingsFolder.path()).filePath(QStringLiteral("kovrant.ini"));
    const LanguageSetting setting(
        [settingsFile] { return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat); });
    setting.write(language);
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
    const bool kovrant = argc == 3 && std::strcmp(argv[1], "kovrant") == 0;
    const bool bare = argc == 2 && std::strcmp(argv[1], "bare") == 0;
    if (!kovrant && !bare) {
        std::fprintf(stderr, "Usage: %s kovrant <language>|bare\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int status =
        kovrant ? startKovrantWindow(QString::fromLocal8Bit(argv[2])) : startBareWindow();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                          usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    std::printf("%lld %ld\n", cpu, usage.ru_maxrss);
    return status;
}
