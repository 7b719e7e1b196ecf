// The system's 8-bit code page: the one a Windows program uses for text files
// without a byte-order mark, so that such files written in Russian read correctly.
#pragma once

#include <QByteArrayView>
#include <QLocale>
#include <QString>

enum class EightBitCodePage { Windows1251, Windows1252 };

// The ANSI code page Windows gives a user of this locale: Cyrillic for the
// languages written in Cyrillic, Western European for the rest.
EightBitCodePage codePageForLocale(const QLocale &locale);

// Decodes bytes that carry no byte-order mark. Valid UTF-8 is taken as UTF-8 (the
// usual encoding here); anything else is read in the locale's Windows code page.
QString decodeEightBit(QByteArrayView bytes, const QLocale &locale);

// Decodes bytes in the given Windows code page, byte by byte.
QString decodeCodePage(QByteArrayView bytes, EightBitCodePage codePage);
