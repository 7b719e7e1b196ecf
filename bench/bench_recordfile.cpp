// Saving a list of convictions to a record file and loading it back, for lists
// of growing size.
#include "assessment/convictionrecord.h"
#include "platform/shortdateformat.h"
#include "records/recordfile.h"
#include "samplelist.h"
#include "targetcheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_SaveThenLoad(benchmark::State &state)
{
    const ShortDateFormat dateFormat = benchmarkDateFormat();
    const CrimeCategories categories{{QStringLiteral("Преступление небольшой тяжести"),
                                      QStringLiteral("Преступление средней тяжести"),
                                      QStringLiteral("Тяжкое преступление"),
                                      QStringLiteral("Особо тяжкое преступление")}};
    const QList<ConvictionRecord> records = benchmarkRecords(int(state.range(0)));
    const QTemporaryDir folder;
    for (auto _ : state) {
        // A new file each time: saving over an old one would measure a merge.
        const QString path = folder.filePath(QStringLiteral("list%1.har").arg(state.iterations()));
        saveRecordFile(path, records, CurrentCrime{}, categories, {categories}, dateFormat);
        benchmark::DoNotOptimize(loadRecordFile(path, categories, {categories}, dateFormat));
        QFile::remove(path);
    }
}
BENCHMARK(BM_SaveThenLoad)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarksAndCheck(
        argc, argv,
        {{"save then load grows linearly: 100,000 records cost at most 12 times 10,000",
          [](const BenchmarkTimes &t) {
              return t.at("BM_SaveThenLoad/100000") <= 12 * t.at("BM_SaveThenLoad/10000");
          }},
         {"10,000 records saved and loaded in under 100 ms",
          [](const BenchmarkTimes &t) { return t.at("BM_SaveThenLoad/10000") < 100e6; }}});
}
