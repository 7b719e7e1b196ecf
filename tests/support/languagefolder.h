// A temporary program folder with a lang folder, for tests of everything that
// reads language files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class LanguageFolder
{
public:
    enum class Encoding {
        Utf8WithMark,
        Utf16LEWithMark,
        Utf16BEWithMark,
        Utf8,
        Windows1251,
        Windows1252
    };

    LanguageFolder();

    QString programFolder() const { return m_dir.path(); }
    QString langFolder() const;
    QString langPath(const QString &fileName) const;

    // Writes lang/<fileName> with the text in the encoding.
    void write(const QString &fileName, const QString &text,
               Encoding encoding = Encoding::Utf8WithMark) const;
    void writeBytes(const QString &fileName, const QByteArray &bytes) const;
    // Copies the shipped language files into lang.
    void copyShippedLanguages() const;

private:
    QTemporaryDir m_dir;
};

// The folder that holds the shipped lang folder.
QString sourceFolder();

// Encodes text for a fixture file.
QByteArray encodeText(const QString &text, LanguageFolder::Encoding encoding);
