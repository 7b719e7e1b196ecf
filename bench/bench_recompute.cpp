// The recomputation pass over lists of growing size, as the window runs it on
// every change: the result texts looked up from the shipped language files, the
// document's list assessed (what was found of each row written into the list,
// and how long the result holds), and the result's text.
#include "assessment/recidivism.h"
#include "catalogue/uLocalize.h"
#include "document/listdocument.h"
#include "document/recordlist.h"
#include "localisation/assessmenttexts.h"
#include "samplelist.h"
#include "targetcheck.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Recompute(benchmark::State &state)
{
    LanguageCatalogue catalogue(QStringLiteral(KOVRANT_PROGRAM_FOLDER));
    catalogue.SelectDefaultLanguage(QStringLiteral("English"));
    catalogue.SelectLanguage(QStringLiteral("Russian"));
    const CrimeCategories categories = lookUpRecordTexts(catalogue).categories;
    ListDocument document({[&categories] { return categories; },
                           [&categories] { return QList<CrimeCategories>{categories}; }},
                          benchmarkDateFormat());
    const auto rows = int(state.range(0));
    document.records().replaceAll(benchmarkRecords(rows));
    document.setCrime(CurrentCrime{Gravity::Grave, true, QDate(2024, 6, 1)});

    for (auto _ : state) {
        const ResultTexts results = lookUpResultTexts(catalogue);
        const RecidivismAssessment assessment = document.assess();
        benchmark::DoNotOptimize(resultTextFor(results, assessment));
    }
    state.SetComplexityN(rows);
}
BENCHMARK(BM_Recompute)->Arg(10)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarksAndCheck(
        argc, argv,
        {{"recompute grows linearly: 100,000 rows cost at most 12 times 10,000 rows",
          [](const BenchmarkTimes &t) {
              return t.at("BM_Recompute/100000") <= 12 * t.at("BM_Recompute/10000");
          }},
         {"recompute of 100,000 rows takes under 100 ms",
          [](const BenchmarkTimes &t) { return t.at("BM_Recompute/100000") < 100e6; }},
         {"recompute of 10 rows takes under 0.2 ms",
          [](const BenchmarkTimes &t) { return t.at("BM_Recompute/10") < 0.2e6; }}});
}
