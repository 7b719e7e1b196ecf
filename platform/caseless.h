// Comparison of names without regard to letter case, as Windows compares file,
// section and key names: both sides upper-cased one code unit at a time.
#pragma once

#include <QString>
#include <QStringView>

bool equalsCaseless(QStringView a, QStringView b);

// Negative, zero or positive, ordering by the upper-cased code units.
int compareCaseless(QStringView a, QStringView b);

// The name upper-cased one code unit at a time, as the comparisons above see it:
// two names equal without regard to case give the same text.
QString caselessFolded(QStringView name);

// A name as a hash key that matches without regard to case. It views text owned
// elsewhere, which must outlive the key.
struct CaselessView
{
    QStringView text;

    friend bool operator==(CaselessView a, CaselessView b)
    {
        return equalsCaseless(a.text, b.text);
    }
};
size_t qHash(CaselessView key, size_t seed = 0) noexcept;
