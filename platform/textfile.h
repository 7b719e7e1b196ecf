// Whole text files as desktop programs on Windows read them: the byte-order mark
// decides the encoding; unmarked bytes are UTF-8 when they are valid UTF-8, else
// the 8-bit code page of the user's locale.
#pragma once

#include "platform/codepage.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// How a file's text was stored, so that a rewritten file keeps its encoding.
enum class TextEncoding {
    Utf8,
    Utf8WithMark,
    Utf16LEWithMark,
    Utf16BEWithMark,
    Windows1251,
    Windows1252
};

// The encoding of text in an 8-bit code page, and the code page of an encoding
// (none for the Unicode ones).
TextEncoding encodingOfCodePage(EightBitCodePage codePage);
std::optional<EightBitCodePage> codePageOfEncoding(TextEncoding encoding);

struct DecodedText
{
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// The text after a byte-order mark (EF BB BF UTF-8, FF FE UTF-16LE, FE FF
// UTF-16BE); none without a mark.
std::optional<DecodedText> decodeMarkedText(QByteArrayView bytes);
// Unmarked bytes that are valid UTF-8, as UTF-8; none otherwise.
std::optional<DecodedText> decodeValidUtf8(QByteArrayView bytes);

// As decodeText, also telling which encoding the bytes were in.
DecodedText decodeTextWithEncoding(const QByteArray &bytes,
                                   const QLocale &locale = QLocale::system());

// Encodes text the way decodeTextWithEncoding read it (a mark included).
QByteArray encodeText(const QString &text, TextEncoding encoding);

// Decodes a whole file's bytes: EF BB BF UTF-8, FF FE UTF-16LE, FE FF UTF-16BE (the
// mark is not part of the text; after it, a broken sequence or a surrogate without its
// pair reads as U+FFFD); without a mark, UTF-8 when the bytes are valid UTF-8, else
// the 8-bit code page of the locale.
QString decodeText(const QByteArray &bytes, const QLocale &locale = QLocale::system());

// Reads a file of at most maxBytes bytes. A missing file reads as empty bytes; one
// that exists but cannot be read, or is larger, raises "Cannot open file".
QByteArray readFileBytes(const QString &path, qint64 maxBytes);

// readFileBytes then decodeText.
QString readTextFile(const QString &path, qint64 maxBytes,
                     const QLocale &locale = QLocale::system());

// Splits text at CRLF, LF or a CR alone. A final line break ends the last line
// rather than starting an empty one.
QStringList splitTextLines(const QString &text);
