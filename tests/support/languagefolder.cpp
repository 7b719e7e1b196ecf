#include "support/languagefolder.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QtTest>

LanguageFolder::LanguageFolder()
{
    QVERIFY2(m_dir.isValid(), "cannot create a temporary folder");
    QDir(m_dir.path()).mkdir(QStringLiteral("lang"));
}

QString LanguageFolder::langFolder() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("lang"));
}

QString LanguageFolder::langPath(const QString &fileName) const
{
    return QDir(langFolder()).filePath(fileName);
}

QByteArray encodeText(const QString &text, LanguageFolder::Encoding encoding)
{
    using Encoding = LanguageFolder::Encoding;
    switch (encoding) {
    case Encoding::Utf8WithMark: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Utf16LEWithMark:
        return QByteArray("\xFF\xFE") + QStringEncoder(QStringEncoder::Utf16LE)(text);
    case Encoding::Utf16BEWithMark:
        return QByteArray("\xFE\xFF") + QStringEncoder(QStringEncoder::Utf16BE)(text);
    case Encoding::Utf8: return text.toUtf8();
    case Encoding::Windows1251: {
        // Cyrillic А..я sit at 0xC0..0xFF; ASCII stays.
        QByteArray bytes;
        for (const QChar ch : text) {
            const char16_t code = ch.unicode();
            if (code < 0x80)
                bytes.append(char(code));
            else if (code >= 0x410 && code <= 0x44F)
                bytes.append(char(0xC0 + (code - 0x410)));
            else if (code == 0x401)
                bytes.append(char(0xA8));
            else if (code == 0x451)
                bytes.append(char(0xB8));
            else
                bytes.append('?');
        }
        return bytes;
    }
    case Encoding::Windows1252: {
        // Latin-1's letters sit at their own codes; ASCII stays.
        QByteArray bytes;
        for (const QChar ch : text)
            bytes.append(ch.unicode() >= 0xA0 && ch.unicode() <= 0xFF ? char(ch.unicode())
                         : ch.unicode() < 0x80                        ? char(ch.unicode())
                                                                      : '?');
        return bytes;
    }
    }
    return {};
}

void LanguageFolder::write(const QString &fileName, const QString &text, Encoding encoding) const
{
    writeBytes(fileName, encodeText(text, encoding));
}

void LanguageFolder::writeBytes(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(langPath(fileName));
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

void LanguageFolder::copyShippedLanguages() const
{
    const QDir shipped(QDir(sourceFolder()).filePath(QStringLiteral("lang")));
    const QStringList names = shipped.entryList({QStringLiteral("*.lng")}, QDir::Files);
    QVERIFY2(!names.isEmpty(), "no shipped language files found");
    for (const QString &name : names)
        QVERIFY(QFile::copy(shipped.filePath(name), langPath(name)));
}

QString sourceFolder()
{
    return qEnvironmentVariable("KOVRANT_SOURCE_DIR", QStringLiteral(KOVRANT_SOURCE_DIR));
}
