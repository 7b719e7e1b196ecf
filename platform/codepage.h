// The system's 8-bit code page: the one a Windows program uses for text files
// without a byte-order mark, so that such files written in Russian read correctly.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>

enum class EightBitCodePage { Windows1251, Windows1252 };

// The ANSI code page Windows gives a user of this locale: Cyrillic for the
// languages written in Cyrillic, Western European for the rest.
EightBitCodePage codePageForLocale(const QLocale &locale);

// The code page of files without a byte-order mark: on Windows the ANSI code page,
// elsewhere the one Windows gives the user's locale.
EightBitCodePage systemCodePage(const QLocale &locale);

// Whether unmarked bytes that are valid UTF-8 are read as UTF-8: so they are here,
// where UTF-8 is the usual encoding; on Windows the ANSI code page decides alone.
inline constexpr bool UnmarkedUtf8IsUtf8 =
#ifdef Q_OS_WIN
    false;
#else
    true;
#endif

// Decodes bytes in the given Windows code page, byte by byte.
QString decodeCodePage(QByteArrayView bytes, EightBitCodePage codePage);

// Encodes text in the given Windows code page; a character the code page lacks
// becomes "?". U+FFFD, which reading gives an undefined byte, becomes the first
// byte the code page leaves undefined (0x98 in 1251, 0x81 in 1252), so that it
// reads back as itself.
QByteArray encodeCodePage(QStringView text, EightBitCodePage codePage);
