// Whole numbers read from files (a record count, yes/no fields, a language's
// id): the reader agrees with a plain model of the format on every text.
#include "fuzzcheck.h"
#include "platform/wholenumber.h"

#include <QString>

#include <limits>

namespace {

// The value of an ASCII hexadecimal digit, or 16 for any other character.
int digitValue(QChar ch)
{
    const QString digits = QStringLiteral("0123456789abcdef");
    const qsizetype at = ch.unicode() < 0x80 ? digits.indexOf(ch, 0, Qt::CaseInsensitive) : -1;
    return at < 0 ? 16 : int(at);
}

// The format read straight from its description: an optional sign, then decimal
// digits, or hexadecimal digits after "0x", "0X" or "$"; decimal must fit a
// signed 32-bit value, hexadecimal 32 bits, read as their pattern.
std::optional<qint32> model(QStringView text)
{
    bool negative = false;
    if (text.startsWith(u'+') || text.startsWith(u'-')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    int base = 10;
    if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        text = text.sliced(2);
    } else if (text.startsWith(u'$')) {
        base = 16;
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    quint64 magnitude = 0;
    for (const QChar ch : text) {
        const int digit = digitValue(ch);
        if (digit >= base)
            return std::nullopt;
        magnitude = std::min<quint64>(magnitude * quint64(base) + quint64(digit), 1ull << 40);
    }
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFull)
            return std::nullopt;
        const quint32 pattern = quint32(magnitude);
        return qint32(negative ? 0u - pattern : pattern);
    }
    const qint64 value = negative ? -qint64(magnitude) : qint64(magnitude);
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<qint32> number = parseWholeNumber(text);
    FUZZ_CHECK(number == model(text));
    if (number) {
        FUZZ_CHECK(parseWholeNumber(QString::number(*number)) == number);
        FUZZ_CHECK(parseWholeNumber(u'$' + QString::number(quint32(*number), 16)) == number);
    }
    return 0;
}
