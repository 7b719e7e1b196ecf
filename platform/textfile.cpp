#include "platform/textfile.h"

#include "platform/codepage.h"
#include "platform/runtimeerror.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// The text after the byte-order mark. Qt's decoders would swallow a second mark
// as if it were the first; it is text here, as it is to a Windows program.
QString decodeAfterMark(QStringDecoder::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    // Qt's UTF-16 decoder keeps a surrogate without its pair (as in a file of
    // other bytes given a mark); UTF-8 cannot hold one, so a list read from such
    // a file would change when saved anew. It reads as U+FFFD, as a broken UTF-8
    // sequence does.
    if (!text.isValidUtf16()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool paired =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            if (paired)
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

} // namespace

TextEncoding encodingOfCodePage(EightBitCodePage codePage)
{
    return codePage == EightBitCodePage::Windows1251 ? TextEncoding::Windows1251
                                                     : TextEncoding::Windows1252;
}

std::optional<EightBitCodePage> codePageOfEncoding(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1251: return EightBitCodePage::Windows1251;
    case TextEncoding::Windows1252: return EightBitCodePage::Windows1252;
    default: return std::nullopt;
    }
}

std::optional<DecodedText> decodeMarkedText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return DecodedText{decodeAfterMark(QStringDecoder::Utf8, bytes.sliced(3)),
                           TextEncoding::Utf8WithMark};
    if (bytes.startsWith("\xFF\xFE"))
        return DecodedText{decodeAfterMark(QStringDecoder::Utf16LE, bytes.sliced(2)),
                           TextEncoding::Utf16LEWithMark};
    if (bytes.startsWith("\xFE\xFF"))
        return DecodedText{decodeAfterMark(QStringDecoder::Utf16BE, bytes.sliced(2)),
                           TextEncoding::Utf16BEWithMark};
    return std::nullopt;
}

std::optional<DecodedText> decodeValidUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return DecodedText{std::move(text), TextEncoding::Utf8};
}

DecodedText decodeTextWithEncoding(const QByteArray &bytes, const QLocale &locale)
{
    if (std::optional<DecodedText> marked = decodeMarkedText(bytes))
        return std::move(*marked);
    // Unmarked bytes that are valid UTF-8 are UTF-8, the usual encoding today
    // (Windows' own editors write it without a mark); text in an 8-bit code page
    // is almost never valid UTF-8.
    if (std::optional<DecodedText> utf8 = decodeValidUtf8(bytes))
        return std::move(*utf8);
    const EightBitCodePage codePage = codePageForLocale(locale);
    return {decodeCodePage(bytes, codePage), encodingOfCodePage(codePage)};
}

QString decodeText(const QByteArray &bytes, const QLocale &locale)
{
    return decodeTextWithEncoding(bytes, locale).text;
}

QByteArray encodeText(const QString &text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return text.toUtf8();
    case TextEncoding::Utf8WithMark: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LEWithMark:
        return QByteArray("\xFF\xFE") + QStringEncoder(QStringEncoder::Utf16LE)(text);
    case TextEncoding::Utf16BEWithMark:
        return QByteArray("\xFE\xFF") + QStringEncoder(QStringEncoder::Utf16BE)(text);
    case TextEncoding::Windows1251:
    case TextEncoding::Windows1252: return encodeCodePage(text, *codePageOfEncoding(encoding));
    }
    return text.toUtf8();
}

QByteArray readFileBytes(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    // Devices, pipes and folders are refused before opening: reading one could
    // block the program or never end.
    if (!info.isFile())
        throw cannotOpenFileError(path, MessageText(ErrorWording::NotRegularFile));
    const auto tooLarge = [&] {
        return cannotOpenFileError(
            path, MessageText(ErrorWording::FileTooLarge, {QString::number(maxBytes)}));
    };
    if (info.size() > maxBytes)
        throw tooLarge();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpenFileError(path, file.errorString());
    // The size may change between the check and the read: never read past the limit.
    // One read of the whole limit would reserve that much memory for a file of any
    // size (64 MiB for every record file): read the size seen, then what it grew by.
    QByteArray bytes = file.read(info.size() + 1);
    if (bytes.size() > info.size() && bytes.size() <= maxBytes)
        bytes += file.read(maxBytes + 1 - bytes.size());
    if (bytes.size() > maxBytes)
        throw tooLarge();
    if (file.error() != QFileDevice::NoError)
        throw cannotOpenFileError(path, file.errorString());
    return bytes;
}

QString readTextFile(const QString &path, qint64 maxBytes, const QLocale &locale)
{
    return decodeText(readFileBytes(path, maxBytes), locale);
}

QStringList splitTextLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\r' && ch != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (ch == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}
