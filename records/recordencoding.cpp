#include "records/recordencoding.h"

#include "platform/caseless.h"
#include "platform/inidocument.h"
#include "records/recordfile.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::array CodePages = {EightBitCodePage::Windows1251, EightBitCodePage::Windows1252};
constexpr QStringView SeverityKey = u"heaviness";

// The code page the records' section names; none when it names none it knows.
// The key and its value are ASCII: any 8-bit reading finds them.
std::optional<EightBitCodePage> namedCodePage(QByteArrayView bytes)
{
    const auto lower = [](char byte) { return char(std::tolower(uchar(byte))); };
    const QByteArrayView key = "codepage";
    const auto found = std::search(bytes.begin(), bytes.end(), key.begin(), key.end(),
                                   [&](char a, char b) { return lower(a) == b; });
    if (found == bytes.end())
        return std::nullopt;
    const IniDocument document = IniDocument::parse(QString::fromLatin1(bytes));
    const std::optional<QString> value = document.value(RecordSection, CodePageKey);
    for (const EightBitCodePage codePage : CodePages) {
        if (value && value->trimmed() == QString::number(codePageNumber(codePage)))
            return codePage;
    }
    return std::nullopt;
}

// How many of the records' category texts are a category text of a language.
int categoriesMatching(const QString &text, const QList<CrimeCategories> &languages)
{
    int matching = 0;
    IniDocument::parse(text).forEachKey(RecordSection, [&](QStringView key, QStringView value) {
        if (key.size() <= SeverityKey.size() ||
            !equalsCaseless(key.first(SeverityKey.size()), SeverityKey) || value.isEmpty())
            return;
        const bool known =
            std::any_of(languages.cbegin(), languages.cend(), [&](const CrimeCategories &language) {
                return std::find(language.texts.cbegin(), language.texts.cend(), value) !=
                       language.texts.cend();
            });
        matching += known ? 1 : 0;
    });
    return matching;
}

} // namespace

int codePageNumber(EightBitCodePage codePage)
{
    return codePage == EightBitCodePage::Windows1251 ? 1251 : 1252;
}

std::optional<QString> codePageKeyValue(TextEncoding encoding)
{
    const std::optional<EightBitCodePage> codePage = codePageOfEncoding(encoding);
    if (!codePage)
        return std::nullopt;
    return QString::number(codePageNumber(*codePage));
}

RecordFileText decodeRecordFile(const QByteArray &bytes, const QList<CrimeCategories> &languages,
                                const QLocale &locale)
{
    if (std::optional<DecodedText> marked = decodeMarkedText(bytes))
        return {std::move(*marked), std::nullopt};
    if (const std::optional<EightBitCodePage> named = namedCodePage(bytes))
        return {{decodeCodePage(bytes, *named), encodingOfCodePage(*named)}, std::nullopt};
    if (std::optional<DecodedText> utf8 = decodeValidUtf8(bytes))
        return {std::move(*utf8), std::nullopt};

    // An older file: the locale's code page first, so that it wins a tie.
    const EightBitCodePage localeCodePage = codePageForLocale(locale);
    const EightBitCodePage other = localeCodePage == EightBitCodePage::Windows1251
                                       ? EightBitCodePage::Windows1252
                                       : EightBitCodePage::Windows1251;
    RecordFileText best{{decodeCodePage(bytes, localeCodePage), encodingOfCodePage(localeCodePage)},
                        CodePageGuess{localeCodePage, false}};
    const int localeMatches = categoriesMatching(best.decoded.text, languages);
    QString otherText = decodeCodePage(bytes, other);
    const int otherMatches = categoriesMatching(otherText, languages);
    if (otherMatches > localeMatches)
        return {{std::move(otherText), encodingOfCodePage(other)}, CodePageGuess{other, true}};
    best.guess->categoriesMatched = localeMatches > 0;
    return best;
}
