// Whole text files as desktop programs on Windows read them: the byte-order mark
// decides the encoding, else the system's 8-bit code page.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

// Decodes a whole file's bytes: EF BB BF UTF-8, FF FE UTF-16LE, FE FF UTF-16BE (the
// mark is not part of the text); without a mark, the system's 8-bit code page.
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
