// Opening a record file from anywhere: either an error, or at most as many
// records as the file holds keys, each with a date the list's format writes and
// reads, and a category that is known or a text no installed language names;
// and what was read saves, to a new file or over the one it came from, and reads
// back the same.
#include "assessment/punishmentboxes.h"
#include "fuzzcheck.h"
#include "fuzzsupport.h"
#include "platform/inidocument.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "platform/textfile.h"
#include "records/recordencoding.h"
#include "records/recordfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QTemporaryDir &folder = scratchFolder();
    FUZZ_CHECK(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("input.har"));
    const QString copy = folder.filePath(QStringLiteral("copy.har"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    writeFile(path, bytes);
    QFile::remove(copy);

    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const ShortDateFormat format(russian, [] { return QDate(2026, 12, 9); });
    const CrimeCategories current{{QStringLiteral("Преступление небольшой тяжести"),
                                   QStringLiteral("Преступление средней тяжести"),
                                   QStringLiteral("Тяжкое преступление"),
                                   QStringLiteral("Особо тяжкое преступление")}};
    const QList<CrimeCategories> languages{
        current,
        CrimeCategories{{QStringLiteral("Crime of small gravity"),
                         QStringLiteral("Crime of medium gravity"), QStringLiteral("Grave crime"),
                         QStringLiteral("Especially grave crime")}}};
    LoadedRecordFile loaded;
    try {
        loaded = loadRecordFile(path, current, languages, format);
    } catch (const RuntimeError &) {
        // The file stays as it was.
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == bytes);
        return 0;
    }
    const QList<ConvictionRecord> &records = loaded.records;
    // Decoded as the reader decides: the mark, the named code page, UTF-8, the categories.
    const DecodedText decoded = decodeRecordFile(bytes, languages, russian).decoded;
    const IniDocument document = IniDocument::parse(decoded.text);
    FUZZ_CHECK(records.size() <= document.keyCount(RecordSection));
    for (const ConvictionRecord &record : std::as_const(records)) {
        FUZZ_CHECK(record.date.isValid());
        FUZZ_CHECK(format.tryParse(format.format(record.date)) == record.date);
        // A known category carries no text; an unrecognised one is no category's
        // text in any language.
        const ConvictionGravity &gravity = record.gravity;
        FUZZ_CHECK(!gravity.known() || gravity.unrecognisedText().isEmpty());
        if (!gravity.known()) {
            for (const CrimeCategories &language : languages)
                FUZZ_CHECK(!language.gravityOf(gravity.unrecognisedText()));
        }
        // The kind read never contradicts the boxes read with it.
        FUZZ_CHECK(agrees({record.details.punishment, record.custody, record.reprieve}));
    }

    // Saved to a new file, with the new crime it gave (or none chosen): both read
    // back the same, the dates in the pattern the file names.
    const CurrentCrime crime = loaded.newCrime.value_or(CurrentCrime{});
    const auto readsBack = [&](const QString &file) {
        const LoadedRecordFile again = loadRecordFile(file, current, languages, format);
        return again.records == records && again.newCrime == crime && !again.datesNote;
    };
    saveRecordFile(copy, records, crime, current, languages, format);
    FUZZ_CHECK(readsBack(copy));

    // Saved over the file it came from, which keeps the rest of its content. A
    // byte the code page leaves undefined cannot be written back as it was read.
    const bool lossy = (decoded.encoding == TextEncoding::Windows1251 ||
                        decoded.encoding == TextEncoding::Windows1252) &&
                       decoded.text.contains(QChar(0xFFFD));
    if (!lossy) {
        saveRecordFile(path, records, crime, current, languages, format);
        FUZZ_CHECK(readsBack(path));
    }
    return 0;
}
