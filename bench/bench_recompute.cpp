// The recomputation pass over lists of growing size, with the answer and category
// texts looked up once per run from the shipped language files.
#include "assessment/recidivism.h"
#include "assessment/recordlist.h"
#include "catalogue/interfacekeys.h"
#include "catalogue/uLocalize.h"
#include "localisation/assessmenttexts.h"
#include "platform/shortdateformat.h"
#include "samplelist.h"
#include "targetcheck.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Recompute(benchmark::State &state)
{
    LanguageCatalogue catalogue(QStringLiteral(KOVRANT_PROGRAM_FOLDER));
    catalogue.SelectDefaultLanguage(QStringLiteral("English"));
    catalogue.SelectLanguage(QStringLiteral("Russian"));
    CrimeCategories categories;
    for (std::size_t i = 0; i < categories.texts.size(); ++i)
        categories.texts[i] = catalogue.Translate(QString::fromUtf16(CategoryTextKeys[i]));
    const ShortDateFormat dateFormat = benchmarkDateFormat();
    const AnswerTexts answers{catalogue.Translate(QStringLiteral("String.Yes")),
                              catalogue.Translate(QStringLiteral("String.No"))};
    const auto rows = int(state.range(0));
    RecordList list;
    list.replaceAll(benchmarkRecords(rows, categories, answers, dateFormat));
    const CurrentCrime crime{Gravity::Grave, true, QDate(2024, 6, 1)};

    for (auto _ : state) {
        const RecordTexts texts = currentRecordTexts(catalogue, categories);
        const ResultTexts results = lookUpResultTexts(catalogue);
        const RecidivismAssessment assessment = recomputeRecidivism(texts, crime, list, dateFormat);
        benchmark::DoNotOptimize(resultTextFor(results, assessment.kind));
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
          [](const BenchmarkTimes &t) { return t.at("BM_Recompute/100000") < 100e6; }}});
}
