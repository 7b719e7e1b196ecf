#include "platform/caseless.h"

#include <QChar>
#include <QHashFunctions>
#include <QVarLengthArray>

namespace {
inline char16_t upper(QChar ch)
{
    const char16_t code = ch.unicode();
    if (code < 0x80)
        return code >= u'a' && code <= u'z' ? char16_t(code - 0x20) : code;
    return char16_t(QChar::toUpper(code));
}
} // namespace

bool equalsCaseless(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && upper(a[i]) != upper(b[i]))
            return false;
    }
    return true;
}

int compareCaseless(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = upper(a[i]);
        const char16_t y = upper(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

QString caselessFolded(QStringView name)
{
    QString folded(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        folded[i] = QChar(upper(name[i]));
    return folded;
}

size_t qHash(CaselessView key, size_t seed) noexcept
{
    // Qt's own hashing of the upper-cased code units.
    QVarLengthArray<char16_t, 64> units(key.text.size());
    for (qsizetype i = 0; i < key.text.size(); ++i)
        units[i] = upper(key.text[i]);
    return qHashBits(units.constData(), size_t(units.size()) * sizeof(char16_t), seed);
}
