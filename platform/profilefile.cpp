#include "platform/profilefile.h"

#include "platform/codepage.h"
#include "platform/runtimeerror.h"

#include <QFileInfo>
#include <QSaveFile>

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
        // A new file is written in the system's 8-bit code page.
        file.m_encoding = systemCodePage(locale) == EightBitCodePage::Windows1251
                              ? TextEncoding::Windows1251
                              : TextEncoding::Windows1252;
#endif
    }
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

void ProfileFile::save() const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw unableToWriteError(m_path);
    const QByteArray bytes = encodeText(m_document.toText(), m_encoding);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw unableToWriteError(m_path);
}
