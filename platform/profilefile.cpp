#include "platform/profilefile.h"

#include "platform/atomicwrite.h"
#include "platform/codepage.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

// Whether unmarked bytes would read back as UTF-8 rather than in a code page. A
// file read in the code page only for a stray byte that the write replaced (say
// "infancy0=0" followed by 0x96, beside texts in UTF-8) would: its other texts
// would then read differently.
bool readsBackAsUtf8(QByteArrayView bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char byte) { return uchar(byte) < 0x80; }))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded = utf8(bytes);
    return !utf8.hasError();
}

} // namespace

ProfileFile ProfileFile::open(const QString &path, qint64 maxBytes, const QLocale &locale)
{
    ProfileFile file;
    file.m_path = path;
    file.m_existed = QFileInfo::exists(path);
    if (file.m_existed) {
        DecodedText decoded = decodeTextWithEncoding(readFileBytes(path, maxBytes), locale);
        file.m_encoding = decoded.encoding;
        file.m_document = IniDocument::parse(decoded.text);
    } else {
#ifdef Q_OS_WIN
        // A new file is written in the 8-bit code page, which Windows' profile
        // functions (and programs built on them) read.
        file.m_encoding = encodingOfCodePage(codePageForLocale(locale));
#else
        Q_UNUSED(locale);
#endif
    }
    return file;
}

ProfileFile ProfileFile::fromDecoded(const QString &path, DecodedText decoded)
{
    ProfileFile file;
    file.m_path = path;
    file.m_existed = true;
    file.m_encoding = decoded.encoding;
    file.m_document = IniDocument::parse(decoded.text);
    return file;
}

std::optional<QString> ProfileFile::value(QStringView section, QStringView key) const
{
    std::optional<QString> found = m_document.value(section, key);
    if (found && found->size() > MaxValueLength)
        found->truncate(MaxValueLength);
    return found;
}

void ProfileFile::setValue(const QString &section, const QString &key, const QString &value)
{
    m_document.setValue(section, key, value);
}

void ProfileFile::setValues(const QString &section,
                            const QList<std::pair<QString, QString>> &values)
{
    m_document.setValues(section, values);
}

void ProfileFile::removeKey(QStringView section, QStringView key)
{
    m_document.removeKey(section, key);
}

TextEncoding ProfileFile::encodingOnSave() const
{
    return codePageOfEncoding(m_encoding) ? encodingFor(m_document.toText()) : m_encoding;
}

TextEncoding ProfileFile::encodingFor(const QString &text) const
{
    const std::optional<EightBitCodePage> codePage = codePageOfEncoding(m_encoding);
    if (!codePage)
        return m_encoding;
    // A code page that lacks a character would write it as "?": the file becomes
    // UTF-16LE with the mark, the Unicode that Windows' profile functions read.
    if (!codePageHolds(text, *codePage))
        return TextEncoding::Utf16LEWithMark;
    // Such a file keeps its texts, written with the UTF-8 mark.
    if (readsBackAsUtf8(encodeText(text, m_encoding)))
        return TextEncoding::Utf8WithMark;
    return m_encoding;
}

void ProfileFile::save() const
{
    const QString text = m_document.toText();
    replaceFileAtomically(m_path, encodeText(text, encodingFor(text)));
}
