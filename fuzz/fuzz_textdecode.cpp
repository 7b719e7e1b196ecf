// Text decoding by byte-order mark: whatever the bytes, decoding gives a text
// that survives being written back in the same encoding and read again, and
// bytes that were a faithful encoding of their text are written back unchanged.
#include "fuzzcheck.h"
#include "platform/textfile.h"

#include <QLocale>
#include <QStringDecoder>

namespace {

// Whether the bytes after a mark are a flawless text in that Unicode encoding
// (Qt's UTF-16 decoder does not count a surrogate without its pair as a flaw).
bool validUnicode(QStringDecoder::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless |
                                         QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder(bytes);
    return !decoder.hasError() && text.isValidUtf16() && !text.contains(QChar(0xFFFD));
}

// Whether writing the text back in its encoding must give the very same bytes.
bool faithful(const QByteArray &bytes, const DecodedText &decoded)
{
    const QByteArrayView view(bytes);
    switch (decoded.encoding) {
    case TextEncoding::Utf8: return true; // only flawless UTF-8 is read as UTF-8
    case TextEncoding::Utf8WithMark: return validUnicode(QStringDecoder::Utf8, view.sliced(3));
    case TextEncoding::Utf16LEWithMark:
        return bytes.size() % 2 == 0 && validUnicode(QStringDecoder::Utf16LE, view.sliced(2));
    case TextEncoding::Utf16BEWithMark:
        return bytes.size() % 2 == 0 && validUnicode(QStringDecoder::Utf16BE, view.sliced(2));
    case TextEncoding::Windows1251:
    case TextEncoding::Windows1252:
        // A byte a code page leaves undefined reads as U+FFFD.
        return !decoded.text.contains(QChar(0xFFFD));
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale : {QLocale(QLocale::Russian), QLocale(QLocale::French)}) {
        const DecodedText decoded = decodeTextWithEncoding(bytes, locale);
        FUZZ_CHECK(decoded.text == decodeText(bytes, locale));
        // Whatever the bytes, the text is well-formed: every encoding can hold it.
        FUZZ_CHECK(decoded.text.isValidUtf16());

        const QByteArray written = encodeText(decoded.text, decoded.encoding);
        const DecodedText again = decodeTextWithEncoding(written, locale);
        if (faithful(bytes, decoded)) {
            FUZZ_CHECK(written == bytes);
            FUZZ_CHECK(again.encoding == decoded.encoding);
        }
        // Whatever was lost in the first reading, the text read is stable: it
        // writes and reads back as itself.
        const bool codePage = decoded.encoding == TextEncoding::Windows1251 ||
                              decoded.encoding == TextEncoding::Windows1252;
        if (!codePage || !decoded.text.contains(QChar(0xFFFD)))
            FUZZ_CHECK(again.text == decoded.text);

        // Splitting into lines loses no character but the line breaks.
        qsizetype characters = 0;
        for (const QString &line : splitTextLines(decoded.text)) {
            FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
            characters += line.size();
        }
        FUZZ_CHECK(characters ==
                   decoded.text.size() - decoded.text.count(u'\r') - decoded.text.count(u'\n'));
    }
    return 0;
}
