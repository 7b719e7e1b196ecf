// Saving a list of convictions to a record file and loading it back, for lists
// of growing size.
#include "assessment/convictionrecord.h"
#include "platform/shortdateformat.h"
#include "records/recordfile.h"
#include "targetcheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_SaveThenLoad(benchmark::State &state)
{
    const ShortDateFormat dateFormat(QLocale(QLocale::Russian, QLocale::Russia),
                                     [] { return QDate(2026, 12, 9); });
    const AnswerTexts answers{QStringLiteral("Да"), QStringLiteral("Нет")};
    const QString categories[] = {QStringLiteral("Преступление небольшой тяжести"),
                                  QStringLiteral("Преступление средней тяжести"),
                                  QStringLiteral("Тяжкое преступление"),
                                  QStringLiteral("Особо тяжкое преступление")};
    QList<ConvictionRecord> records;
    const auto rows = int(state.range(0));
    for (int row = 0; row < rows; ++row) {
        const QDate date = QDate(2005, 1, 1).addDays((row * 37) % 7300);
        records.append(ConvictionRecord{dateFormat.format(date),
                                        categories[row % 4],
                                        row % 3 ? answers.yes : answers.no,
                                        row % 7 ? answers.no : answers.yes,
                                        row % 5 ? answers.no : answers.yes,
                                        {}});
    }
    const QTemporaryDir folder;
    for (auto _ : state) {
        // A new file each time: saving over an old one would measure a merge.
        const QString path = folder.filePath(QStringLiteral("list%1.har").arg(state.iterations()));
        saveRecordFile(path, records, answers.yes, dateFormat);
        benchmark::DoNotOptimize(loadRecordFile(path, answers, dateFormat));
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
