// Text decoding by byte-order mark: whatever the bytes, decoding gives a text
// that survives being written back in the same encoding and read again.
#include "fuzzcheck.h"
#include "platform/textfile.h"

#include <QLocale>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale : {QLocale(QLocale::Russian), QLocale(QLocale::French)}) {
        const DecodedText decoded = decodeTextWithEncoding(bytes, locale);
        FUZZ_CHECK(decoded.text == decodeText(bytes, locale));
        const QByteArray written = encodeText(decoded.text, decoded.encoding);
        const DecodedText again = decodeTextWithEncoding(written, locale);
        // A byte a code page leaves undefined reads as U+FFFD and is written as "?".
        const bool lossy = (decoded.encoding == TextEncoding::Windows1251 ||
                            decoded.encoding == TextEncoding::Windows1252) &&
                           decoded.text.contains(QChar(0xFFFD));
        if (!lossy)
            FUZZ_CHECK(again.text == decoded.text);
    }
    return 0;
}
