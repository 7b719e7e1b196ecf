#include "platform/inidocument.h"

#include "platform/caseless.h"

namespace {

bool isBlank(QChar ch)
{
    return ch.unicode() <= 32;
}

QStringView trimmed(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    return text.sliced(start, end - start);
}

QString upperCased(QStringView text)
{
    QString upper(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        upper[i] = QChar(char16_t(QChar::toUpper(text[i].unicode())));
    return upper;
}

// Small blocks are searched line by line; an index pays off only for large ones.
constexpr qsizetype IndexThreshold = 64;

} // namespace

const IniDocument::Entry *IniDocument::Block::find(QStringView key) const
{
    if (entries.size() < IndexThreshold) {
        for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
            if (equalsCaseless(it->key, key))
                return &*it;
        }
        return nullptr;
    }
    if (index.isEmpty()) {
        for (qsizetype i = 0; i < entries.size(); ++i)
            index.insert(upperCased(entries[i].key), i);
    }
    const auto found = index.constFind(upperCased(key));
    return found == index.cend() ? nullptr : &entries[*found];
}

IniDocument::Entry *IniDocument::Block::find(QStringView key)
{
    return const_cast<Entry *>(std::as_const(*this).find(key));
}

IniDocument IniDocument::parse(const QString &text)
{
    IniDocument document;
    const QStringView all(text);
    const qsizetype size = all.size();
    bool lineBreakSeen = false;
    qsizetype pos = 0;
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && all[end] != u'\r' && all[end] != u'\n')
            ++end;
        const QStringView raw = all.sliced(pos, end - pos);
        qsizetype next = end;
        if (end < size) {
            const qsizetype breakLength =
                all[end] == u'\r' && end + 1 < size && all[end + 1] == u'\n' ? 2 : 1;
            if (!lineBreakSeen) {
                document.m_lineBreak = all.sliced(end, breakLength).toString();
                lineBreakSeen = true;
            }
            next = end + breakLength;
        }

        const QStringView content = trimmed(raw);
        if (!content.isEmpty() && content.front() == u'[' && content.back() == u']' &&
            content.size() >= 2) {
            document.m_blocks.append(
                Block{trimmed(content.sliced(1, content.size() - 2)).toString(),
                      {raw.toString()},
                      {},
                      {}});
        } else if (document.m_blocks.isEmpty()) {
            document.m_preamble.append(raw.toString());
        } else {
            Block &block = document.m_blocks.last();
            const qsizetype equals = content.indexOf(u'=');
            if (!content.isEmpty() && content.front() != u';' && equals >= 0) {
                block.entries.append(Entry{trimmed(content.first(equals)).toString(),
                                           trimmed(content.sliced(equals + 1)).toString(),
                                           block.lines.size()});
            }
            block.lines.append(raw.toString());
        }
        pos = next;
    }
    document.m_endsWithLineBreak = size == 0 || all.back() == u'\r' || all.back() == u'\n';
    return document;
}

const IniDocument::Block *IniDocument::findBlock(QStringView name) const
{
    for (auto it = m_blocks.crbegin(); it != m_blocks.crend(); ++it) {
        if (equalsCaseless(it->name, name))
            return &*it;
    }
    return nullptr;
}

IniDocument::Block *IniDocument::findBlock(QStringView name)
{
    return const_cast<Block *>(std::as_const(*this).findBlock(name));
}

bool IniDocument::hasSection(QStringView section) const
{
    return findBlock(section) != nullptr;
}

qsizetype IniDocument::keyCount(QStringView section) const
{
    const Block *block = findBlock(section);
    return block == nullptr ? 0 : block->entries.size();
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const Block *block = findBlock(section);
    if (block == nullptr)
        return std::nullopt;
    const Entry *entry = block->find(key);
    if (entry == nullptr)
        return std::nullopt;
    return entry->value;
}

QString IniDocument::value(QStringView section, QStringView key, const QString &fallback) const
{
    return value(section, key).value_or(fallback);
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    Block *block = findBlock(section);
    if (block == nullptr) {
        m_blocks.append(Block{section, {u'[' + section + u']'}, {}, {}});
        block = &m_blocks.last();
    }
    if (Entry *entry = block->find(key)) {
        entry->value = value;
        block->lines[entry->line] = entry->key + u'=' + value;
        return;
    }
    // After the last key, so that comments and blank lines closing the block stay
    // where they are; no key lies after the insertion point.
    const qsizetype line = block->lastKeyLine() + 1;
    block->lines.insert(line, key + u'=' + value);
    block->entries.append(Entry{key, value, line});
    if (!block->index.isEmpty())
        block->index.insert(upperCased(key), block->entries.size() - 1);
}

QString IniDocument::toText() const
{
    QStringList lines = m_preamble;
    for (const Block &block : m_blocks)
        lines.append(block.lines);
    QString text = lines.join(m_lineBreak);
    if (m_endsWithLineBreak && !lines.isEmpty())
        text += m_lineBreak;
    return text;
}
