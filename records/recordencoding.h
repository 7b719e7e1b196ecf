// How the text of a record file is stored. A file written in an 8-bit code page
// names it in an ASCII key ("codepage=1251"), so that it reads the same under
// any locale; a file in UTF-8 or UTF-16 names none. An older file that names
// none is read in the code page under which its categories are an installed
// language's.
#pragma once

#include "platform/textfile.h"
#include "records/recordwords.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

inline const QString CodePageKey = QStringLiteral("codepage");

// The code page chosen for a file that names none and is no UTF-8.
struct CodePageGuess
{
    EightBitCodePage codePage = EightBitCodePage::Windows1251;
    // Its category texts are an installed language's in that code page; when
    // they are in none, the code page is the locale's.
    bool categoriesMatched = false;

    friend bool operator==(const CodePageGuess &, const CodePageGuess &) = default;
};

struct RecordFileText
{
    DecodedText decoded;
    std::optional<CodePageGuess> guess; // none where the file itself decided
};

// Decides in this order: the byte-order mark; the "codepage" key of the
// records' section (1251 or 1252; another value is passed over); valid UTF-8;
// the code page, of the locale's and the other, under which more of the
// records' category texts ("heaviness") are texts of `languages` (the locale's
// on a tie).
RecordFileText decodeRecordFile(const QByteArray &bytes, const QList<CrimeCategories> &languages,
                                const QLocale &locale);

// The "codepage" value of a file written in the encoding: "1251" or "1252";
// none for the Unicode encodings.
std::optional<QString> codePageKeyValue(TextEncoding encoding);

// The number a code page is known by: 1251 or 1252.
int codePageNumber(EightBitCodePage codePage);
