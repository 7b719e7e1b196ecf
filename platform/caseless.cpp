#include "platform/caseless.h"

#include <QChar>

namespace {
char16_t upper(QChar ch)
{
    return char16_t(QChar::toUpper(ch.unicode()));
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
