// The 8-bit code pages of text files without a byte-order mark, so that such files
// written in Russian by Windows programs read correctly.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>

enum class EightBitCodePage { Windows1251, Windows1252 };

// The ANSI code page Windows gives a user of this locale: Cyrillic for the
// languages written in Cyrillic, Western European for the rest. It is the code
// page of files without a byte-order mark, on every platform alike, so that a
// file reads the same wherever it is opened.
EightBitCodePage codePageForLocale(const QLocale &locale);

// Decodes bytes in the given Windows code page, byte by byte.
QString decodeCodePage(QByteArrayView bytes, EightBitCodePage codePage);

// Encodes text in the given Windows code page; a character the code page lacks
// becomes "?". U+FFFD, which reading gives an undefined byte, becomes the first
// byte the code page leaves undefined (0x98 in 1251, 0x81 in 1252), so that it
// reads back as itself.
QByteArray encodeCodePage(QStringView text, EightBitCodePage codePage);

// Whether encodeCodePage keeps every character of the text (none becomes "?").
bool codePageHolds(QStringView text, EightBitCodePage codePage);
