// An INI file read and written as the profile-file service does it, with two
// guarantees more: a set of writes replaces the file in one atomic step, and a
// rewritten file keeps its encoding and every character: where its 8-bit code page
// lacks one, the file becomes UTF-16LE with the mark; where the code page's bytes
// would read back as UTF-8, it takes the UTF-8 mark.
#pragma once

#include "platform/inidocument.h"
#include "platform/textfile.h"

#include <QLocale>
#include <QString>

class ProfileFile
{
public:
    // The longest value a read returns.
    static constexpr qsizetype MaxValueLength = 2047;

    // Reads the file; a missing file reads as empty and will be created by save().
    static ProfileFile open(const QString &path, qint64 maxBytes,
                            const QLocale &locale = QLocale::system());

    // An existing file whose bytes the caller read and decoded: a file that
    // decides its encoding by its own content.
    static ProfileFile fromDecoded(const QString &path, DecodedText decoded);

    QString path() const { return m_path; }
    bool existed() const { return m_existed; }
    TextEncoding encoding() const { return m_encoding; }
    const IniDocument &document() const { return m_document; }

    // At most MaxValueLength characters of the value.
    std::optional<QString> value(QStringView section, QStringView key) const;
    void setValue(const QString &section, const QString &key, const QString &value);
    void setValues(const QString &section, const QList<std::pair<QString, QString>> &values);
    void removeKey(QStringView section, QStringView key);

    // Visits the section's keys in file order with values of at most
    // MaxValueLength characters.
    void forEachKey(QStringView section,
                    const std::function<void(QStringView key, QStringView value)> &visit) const
    {
        m_document.forEachKey(section, [&](QStringView key, QStringView value) {
            visit(key, value.first(std::min(value.size(), MaxValueLength)));
        });
    }

    // The encoding save() writes the document in as it stands: the one it was
    // read in, but UTF-16LE with the mark where an 8-bit code page lacks a
    // character of it, and UTF-8 with the mark where the code page's bytes would
    // read back as UTF-8. Text in ASCII alone never changes it.
    TextEncoding encodingOnSave() const;

    // Replaces the file with the document in one step: on any failure the file on
    // disk is as it was, and "Unable to write to %s" is raised.
    void save() const;

private:
    TextEncoding encodingFor(const QString &text) const;

    QString m_path;
    bool m_existed = false;
    TextEncoding m_encoding = TextEncoding::Utf8;
    IniDocument m_document;
};
