// An INI document as the profile-file service reads and writes it. It keeps the
// text as it was read and the changes made to it, so that writing a key changes
// that key alone and leaves comments, other sections, unknown keys and the order
// of lines as they were. It holds no per-line structures: every read scans the
// text, which keeps a hostile file of millions of tiny lines within the memory
// of its own text.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <map>
#include <optional>
#include <utility>

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
    // The names of the document's sections, each once (without regard to case, as
    // first written), in the order they first appear.
    QStringList sectionNames() const;
    // The number of key lines in the section's counting block.
    qsizetype keyCount(QStringView section) const;

    // Visits the keys of the section's counting block in file order, duplicates
    // included (the later one counts), as (key, value) views valid until the next
    // change of the document.
    void forEachKey(QStringView section,
                    const std::function<void(QStringView key, QStringView value)> &visit) const;

    // Replaces the value of the key that counts, or adds the key after the last
    // key of the section's counting block, or adds the section at the end.
    void setValue(const QString &section, const QString &key, const QString &value);
    // Sets many keys of one section in one pass over the document: a key the
    // section has is replaced as setValue does, the others are added in order.
    // A key new to the section given twice is written twice; the later counts.
    void setValues(const QString &section, const QList<std::pair<QString, QString>> &values);

    // Removes every line of the key from the section's counting block; nothing
    // when it has none.
    void removeKey(QStringView section, QStringView key);

    // The document as text, with the line break it was read with (CRLF for a new
    // document).
    QString toText() const;

private:
    // One key line of a section as a scan meets it: a line of the text (perhaps
    // rewritten), or a line added by writing.
    struct KeyLine
    {
        QStringView key;
        QStringView value;
        qsizetype sourceLine = -1;      // start of the line in the text, or -1
        QStringList *addedTo = nullptr; // the list an added line belongs to
        qsizetype addedIndex = -1;
    };
    // The counting block of a section and where lines added to it go.
    struct Block
    {
        QStringList *added = nullptr; // lines added after the block's last key
        qsizetype bodyStart = 0;      // just after the header line
        qsizetype bodyEnd = 0;        // the next header line, or the end of the text
        bool inSource = false;
        qsizetype newSection = -1; // index among the added sections
        qsizetype insertAt = 0;    // where lines added to a block of the text go
    };
    struct AddedSection
    {
        QString name;
        QStringList lines;
    };

    qsizetype findSourceBlock(QStringView section, qsizetype &bodyEnd) const;
    // Visits every key of the section's counting block in order; returns the
    // block, or nothing when the document lacks the section.
    std::optional<Block> scanSection(QStringView section,
                                     const std::function<void(const KeyLine &)> &visit) const;
    // Rewrites a key line with a new value, keeping the key's own spelling.
    void replaceValue(const KeyLine &line, const QString &value);
    // Adds a key line to the block, or a new section holding it; returns the list
    // the line went to.
    QStringList *addKey(const QString &section, const std::optional<Block> &block,
                        const QString &line);

    QString m_text;
    // Line start -> new content of the line; none for a line removed with its break.
    std::map<qsizetype, std::optional<QString>> m_replaced;
    std::map<qsizetype, QStringList> m_added; // offset in the text -> lines added there
    QList<AddedSection> m_addedSections;
    QString m_lineBreak = QStringLiteral("\r\n");
};
