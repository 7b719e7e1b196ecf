// An INI document as the profile-file service reads and writes it. It keeps every
// line as it was read, so that writing a key changes that key alone and leaves
// comments, other sections, unknown keys and the order of lines as they were.
#pragma once

#include "platform/caseless.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class IniDocument
{
public:
    // Every line is trimmed of characters with a code of 32 or less; empty lines
    // and lines beginning with ";" are ignored; "[name]" starts a section; inside
    // a section, a line with "=" is a key (name before the first "=", value after
    // it, both trimmed). Lines before the first section are ignored. CRLF, LF and
    // a CR alone each end a line.
    static IniDocument parse(const QString &text);

    // Names match without regard to case. When a key occurs twice in a section the
    // later one counts; when a section header occurs twice the later block alone
    // counts.
    std::optional<QString> value(QStringView section, QStringView key) const;
    QString value(QStringView section, QStringView key, const QString &fallback) const;

    bool hasSection(QStringView section) const;
    // The number of key lines in the section's counting block.
    qsizetype keyCount(QStringView section) const;

    // Replaces the value of the key that counts, or adds the key after the last
    // key of the section's counting block, or adds the section at the end.
    void setValue(const QString &section, const QString &key, const QString &value);

    // Sets many keys of one section in one pass: a key the section already has
    // is replaced as setValue does; the others are added in the given order
    // after its last key. Meant for writing a whole list of distinct keys; a key
    // given twice is written twice, and the later one counts.
    void setValues(const QString &section, const QList<std::pair<QString, QString>> &values);

    // Visits the keys of the section's counting block in file order, duplicates
    // included (the later one counts).
    template<typename Visit>
    void forEachKey(QStringView section, Visit &&visit) const
    {
        if (const Block *block = findBlock(section)) {
            for (const Entry &entry : block->entries)
                visit(entry.key, entry.value);
        }
    }

    // The document as text, with the line break it was read with (CRLF for a new
    // document).
    QString toText() const;

private:
    // Key and value view the block's line they stand on; a rewritten line gets
    // new views.
    struct Entry
    {
        QStringView key;
        QStringView value;
        qsizetype line = 0; // index into the block's lines
    };
    struct Block
    {
        QString name;
        QStringList lines; // lines[0] is the header
        QList<Entry> entries;
        // Key -> index of the entry that counts, for large blocks; built on first use.
        mutable QHash<CaselessView, qsizetype> index;
        qsizetype lastKeyLine() const { return entries.isEmpty() ? 0 : entries.last().line; }
        const Entry *find(QStringView key) const;
        Entry *find(QStringView key);
    };

    const Block *findBlock(QStringView name) const;
    Block *findBlock(QStringView name);

    QStringList m_preamble; // lines before the first section
    QList<Block> m_blocks;
    QString m_lineBreak = QStringLiteral("\r\n");
    bool m_endsWithLineBreak = true;
};
