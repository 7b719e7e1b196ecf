#include "platform/codepage.h"

#include "platform/codepagetables.h"

#include <algorithm>
#include <optional>

namespace {

using CodePageTable = std::array<char16_t, 256>;

// The whole code page: ASCII below 0x80, the generated upper half above; a byte
// the code page leaves undefined reads as U+FFFD. The same tables on every
// platform, so that a file reads and writes alike wherever the program runs.
constexpr CodePageTable wholeTable(const std::array<char16_t, 128> &upperHalf)
{
    CodePageTable table{};
    for (int byte = 0; byte < 0x80; ++byte)
        table[byte] = char16_t(byte);
    for (int byte = 0x80; byte < 256; ++byte)
        table[byte] = upperHalf[byte - 0x80];
    return table;
}

const CodePageTable &tableFor(EightBitCodePage codePage)
{
    static constexpr CodePageTable cyrillic = wholeTable(Windows1251UpperHalf);
    static constexpr CodePageTable western = wholeTable(Windows1252UpperHalf);
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

namespace {

// The byte the code page writes a character as; none when it lacks the character.
std::optional<char> codePageByte(char16_t ch, const CodePageTable &table)
{
    if (ch < 0x80)
        return char(ch);
    for (int candidate = 0x80; candidate < 256; ++candidate) {
        if (table[candidate] == ch)
            return char(candidate);
    }
    return std::nullopt;
}

} // namespace

QByteArray encodeCodePage(QStringView text, EightBitCodePage codePage)
{
    const CodePageTable &table = tableFor(codePage);
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = codePageByte(text[i].unicode(), table).value_or('?');
    return bytes;
}

bool codePageHolds(QStringView text, EightBitCodePage codePage)
{
    const CodePageTable &table = tableFor(codePage);
    return std::all_of(text.begin(), text.end(),
                       [&](QChar ch) { return codePageByte(ch.unicode(), table).has_value(); });
}
