#include "platform/codepage.h"

#include <array>
#ifdef Q_OS_WIN
#include <windows.h>
#endif
#include <iconv.h>
#include <memory>

namespace {

using CodePageTable = std::array<char16_t, 256>;

struct IconvCloser
{
    void operator()(iconv_t handle) const { iconv_close(handle); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// Builds the 256-entry table once per code page with glibc's converter; a byte the
// code page leaves undefined becomes U+FFFD.
CodePageTable buildTable(const char *iconvName)
{
    CodePageTable table;
    table.fill(u'\uFFFD');
    const iconv_t raw = iconv_open("UTF-16LE", iconvName);
    if (raw == reinterpret_cast<iconv_t>(-1)) {
        // Without the converter modules, keep ASCII readable.
        for (int byte = 0; byte < 0x80; ++byte)
            table[byte] = char16_t(byte);
        return table;
    }
    const IconvHandle handle(raw);
    for (int byte = 0; byte < 256; ++byte) {
        char in = char(byte);
        char out[4] = {};
        char *inPtr = &in;
        char *outPtr = out;
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        iconv(handle.get(), nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle.get(), &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1) && outLeft == 2) {
            table[byte] = char16_t(uchar(out[0]) | (uchar(out[1]) << 8));
        }
    }
    return table;
}

const CodePageTable &tableFor(EightBitCodePage codePage)
{
    static const CodePageTable cyrillic = buildTable("CP1251");
    static const CodePageTable western = buildTable("CP1252");
    return codePage == EightBitCodePage::Windows1251 ? cyrillic : western;
}

} // namespace

EightBitCodePage codePageForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Russian:
    case QLocale::Ukrainian:
    case QLocale::Belarusian:
    case QLocale::Bulgarian:
    case QLocale::Serbian: return EightBitCodePage::Windows1251;
    default: return EightBitCodePage::Windows1252;
    }
}

QString decodeCodePage(QByteArrayView bytes, EightBitCodePage codePage)
{
    const CodePageTable &table = tableFor(codePage);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(table[uchar(byte)]);
    return text;
}

QByteArray encodeCodePage(QStringView text, EightBitCodePage codePage)
{
    const CodePageTable &table = tableFor(codePage);
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        char byte = '?';
        if (ch < 0x80) {
            byte = char(ch);
        } else {
            for (int candidate = 0x80; candidate < 256; ++candidate) {
                if (table[candidate] == ch) {
                    byte = char(candidate);
                    break;
                }
            }
        }
        bytes[i] = byte;
    }
    return bytes;
}

EightBitCodePage systemCodePage(const QLocale &locale)
{
#ifdef Q_OS_WIN
    Q_UNUSED(locale);
    return GetACP() == 1251 ? EightBitCodePage::Windows1251 : EightBitCodePage::Windows1252;
#else
    return codePageForLocale(locale);
#endif
}
