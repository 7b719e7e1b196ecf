// Reading hostile 50 MB files: a record file of millions of tiny lines, which
// is read, and a language file, which is refused. Time per read and the peak
// memory of the process.
#include "catalogue/uLocalize.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "records/recordfile.h"
#include "samplelist.h"
#include "targetcheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr qint64 FileBytes = 50 * 1000 * 1000;

// The peak resident memory of the process so far, in MB.
double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

double g_peakAfterRecordFile = 0;

QByteArray tinyLines(const QByteArray &head)
{
    QByteArray bytes = head;
    bytes.reserve(FileBytes + 64);
    while (bytes.size() < FileBytes)
        bytes += "x=1\r\n";
    return bytes;
}

void BM_LargeRecordFile(benchmark::State &state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.har"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(tinyLines("[previous_conviction]\r\ncount=1\r\ndate0=07.04.2009\r\n"));
    }
    const ShortDateFormat dateFormat = benchmarkDateFormat();
    for (auto _ : state)
        benchmark::DoNotOptimize(loadRecordFile(path, CrimeCategories{}, {}, dateFormat));
    g_peakAfterRecordFile = peakMegabytes();
    state.counters["peak_MB"] = g_peakAfterRecordFile;
}
BENCHMARK(BM_LargeRecordFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LargeLanguageFile(benchmark::State &state)
{
    const QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("lang"));
    {
        QFile file(folder.filePath(QStringLiteral("lang/Huge.lng")));
        file.open(QIODevice::WriteOnly);
        file.write(tinyLines("[main]\r\nLangName=Huge\r\n"));
    }
    for (auto _ : state) {
        LanguageCatalogue catalogue(folder.path());
        try {
            catalogue.LoadLanguageList();
        } catch (const RuntimeError &) {
            // Refused as too large: the outcome wanted.
        }
    }
}
BENCHMARK(BM_LargeLanguageFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarksAndCheck(
        argc, argv,
        {{"a 50 MB record file of tiny lines is read in under 3 s",
          [](const BenchmarkTimes &t) { return t.at("BM_LargeRecordFile/iterations:3") < 3e9; }},
         {"reading it keeps the process under 400 MB",
          [](const BenchmarkTimes &) { return g_peakAfterRecordFile < 400; }},
         {"a 50 MB language file is refused in under 10 ms",
          [](const BenchmarkTimes &t) { return t.at("BM_LargeLanguageFile") < 10e6; }}});
}
