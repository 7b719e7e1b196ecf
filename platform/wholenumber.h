// Whole numbers as the runtime reads them from text: decimal with an optional
// sign, or hexadecimal after "0x", "0X" or "$".
#pragma once

#include <QStringView>

#include <optional>

// A signed 32-bit value, or nothing when the text is not a whole number or does not
// fit. Hexadecimal takes up to eight digits, read as the 32-bit pattern they spell
// ("$FFFFFFFF" is -1).
std::optional<qint32> parseWholeNumber(QStringView text);
