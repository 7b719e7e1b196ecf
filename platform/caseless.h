// Comparison of names without regard to letter case, as Windows compares file,
// section and key names: both sides upper-cased one code unit at a time.
#pragma once

#include <QStringView>

bool equalsCaseless(QStringView a, QStringView b);

// Negative, zero or positive, ordering by the upper-cased code units.
int compareCaseless(QStringView a, QStringView b);
