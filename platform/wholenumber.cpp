#include "platform/wholenumber.h"

#include <limits>

std::optional<qint32> parseWholeNumber(QStringView text)
{
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }

    bool hex = false;
    if (text.mid(pos).startsWith(u"0x", Qt::CaseInsensitive)) {
        hex = true;
        pos += 2;
    } else if (pos < text.size() && text[pos] == u'$') {
        hex = true;
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;

    quint64 magnitude = 0;
    const quint64 limit = hex ? 0xFFFFFFFFull : quint64(std::numeric_limits<qint32>::max()) + 1;
    for (; pos < text.size(); ++pos) {
        const char16_t ch = text[pos].unicode();
        int digit = -1;
        if (ch >= u'0' && ch <= u'9')
            digit = ch - u'0';
        else if (hex && ch >= u'a' && ch <= u'f')
            digit = ch - u'a' + 10;
        else if (hex && ch >= u'A' && ch <= u'F')
            digit = ch - u'A' + 10;
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * (hex ? 16 : 10) + quint64(digit);
        if (magnitude > limit)
            return std::nullopt;
    }

    if (hex) {
        const auto pattern = qint32(quint32(magnitude));
        return negative ? qint32(0u - quint32(pattern)) : pattern;
    }
    if (!negative && magnitude > quint64(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return negative ? qint32(-qint64(magnitude)) : qint32(magnitude);
}
