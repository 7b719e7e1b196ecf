// Opening a record file from anywhere: either an error, or at most as many
// records as the file holds keys, each with a readable date; and what was read
// saves and reads back the same.
#include "fuzzcheck.h"
#include "platform/inidocument.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "platform/textfile.h"
#include "records/recordfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where the machine offers it: saving waits for the disk otherwise.
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/kovrant-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/kovrant-fuzz-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("input.har"));
    const QString copy = folder.filePath(QStringLiteral("copy.har"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QFile::remove(copy);

    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const ShortDateFormat format(russian, [] { return QDate(2026, 12, 9); });
    const AnswerTexts answers{QStringLiteral("Да"), QStringLiteral("Нет")};
    QList<ConvictionRecord> records;
    try {
        records = loadRecordFile(path, answers, format);
    } catch (const RuntimeError &) {
        return 0;
    }
    const IniDocument document = IniDocument::parse(decodeText(bytes, russian));
    FUZZ_CHECK(records.size() <= document.keyCount(RecordSection));
    for (const ConvictionRecord &record : std::as_const(records)) {
        FUZZ_CHECK(format.tryParse(record.Date).has_value());
        FUZZ_CHECK(record.Custody == answers.yes || record.Custody == answers.no);
        FUZZ_CHECK(record.InForce.isEmpty());
    }

    saveRecordFile(copy, records, answers.yes, format);
    FUZZ_CHECK(loadRecordFile(copy, answers, format) == records);
    return 0;
}
