// The text lookup on the shipped language files: one Translate, and the 60
// lookups of a language switch as one figure.
#include "catalogue/interfacekeys.h"
#include "catalogue/uLocalize.h"
#include "targetcheck.h"

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
    QList<QString> keys;
    for (const char16_t *key : InterfaceTextKeys)
        keys.append(QString::fromUtf16(key));
    for (auto _ : state) {
        for (const QString &key : std::as_const(keys))
            benchmark::DoNotOptimize(catalogue.Translate(key));
    }
}
BENCHMARK(BM_LanguageSwitchLookups)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarksAndCheck(
        argc, argv,
        {{"the 60 lookups of a language switch take under 5 ms",
          [](const BenchmarkTimes &t) { return t.at("BM_LanguageSwitchLookups") < 5e6; }}});
}
