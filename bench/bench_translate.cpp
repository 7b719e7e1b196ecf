// The text lookup on the shipped language files: one Translate, and the lookups
// of a language switch (every key of the windows' text table) as one figure.
#include "catalogue/uLocalize.h"
#include "localisation/texttable.h"
#include "platform/languagesetting.h"
#include "platform/shortdateformat.h"
#include "targetcheck.h"
#include "ui/main.h"
#include "ui/programcontext.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

LanguageCatalogue russianCatalogue()
{
    LanguageCatalogue catalogue(QStringLiteral(KOVRANT_PROGRAM_FOLDER));
    catalogue.SelectDefaultLanguage(QStringLiteral("English"));
    if (!catalogue.SelectLanguage(QStringLiteral("Russian")))
        throw std::runtime_error("the shipped Russian language file is missing");
    return catalogue;
}

// The keys the localisation pass looks up, from the windows themselves; the
// language setting goes to a temporary file, never the user's.
QStringList languageSwitchKeys()
{
    const QTemporaryDir settingsFolder;
    const QString settingsFile = QDir(settingsFolder.path()).filePath(QStringLiteral("k.ini"));
    LanguageCatalogue catalogue = russianCatalogue();
    ProgramContext context{
        QStringLiteral(KOVRANT_PROGRAM_FOLDER), &catalogue, LanguageSetting([settingsFile] {
            return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
        }),
        ShortDateFormat()};
    TForm1 form(context);
    return keysOf(form.interfaceTextTable());
}

QStringList g_switchKeys;

void BM_TranslateOne(benchmark::State &state)
{
    const LanguageCatalogue catalogue = russianCatalogue();
    const QString key = QStringLiteral("String.EspeciallyDangerRecidiv");
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.Translate(key));
}
BENCHMARK(BM_TranslateOne);

void BM_LanguageSwitchLookups(benchmark::State &state)
{
    const LanguageCatalogue catalogue = russianCatalogue();
    for (auto _ : state) {
        for (const QString &key : std::as_const(g_switchKeys))
            benchmark::DoNotOptimize(catalogue.Translate(key));
    }
    state.counters["keys"] = double(g_switchKeys.size());
}
BENCHMARK(BM_LanguageSwitchLookups)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    g_switchKeys = languageSwitchKeys();
    return runBenchmarksAndCheck(
        argc, argv,
        {{"the lookups of a language switch take under 2 ms",
          [](const BenchmarkTimes &t) { return t.at("BM_LanguageSwitchLookups") < 2e6; }}});
}
