#include "platform/inidocument.h"

#include "platform/caseless.h"

#include <optional>
#include <utility>

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

// Reads a key line's name and value as views of the line.
std::optional<std::pair<QStringView, QStringView>> keyAndValue(QStringView line)
{
    const QStringView content = trimmed(line);
    if (content.isEmpty() || content.front() == u';')
        return std::nullopt;
    const qsizetype equals = content.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return std::pair{trimmed(content.first(equals)), trimmed(content.sliced(equals + 1))};
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
        index.reserve(entries.size());
        for (qsizetype i = 0; i < entries.size(); ++i)
            index.insert(CaselessView{entries[i].key}, i);
    }
    const auto found = index.constFind(CaselessView{key});
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
            block.lines.append(raw.toString());
            if (const auto entry = keyAndValue(block.lines.last()))
                block.entries.append(Entry{entry->first, entry->second, block.lines.size() - 1});
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
    return entry->value.toString();
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
        // The key keeps its own spelling; the index must not view the old line.
        const qsizetype entryIndex = entry - block->entries.data();
        if (!block->index.isEmpty())
            block->index.remove(CaselessView{entry->key});
        QString &line = block->lines[entry->line];
        line = entry->key.toString() + u'=' + value;
        entry->key = QStringView(line).first(line.indexOf(u'='));
        entry->value = trimmed(QStringView(line).sliced(entry->key.size() + 1));
        if (!block->index.isEmpty())
            block->index.insert(CaselessView{entry->key}, entryIndex);
        return;
    }
    // After the last key, so that comments and blank lines closing the block stay
    // where they are; no key lies after the insertion point.
    const qsizetype lineIndex = block->lastKeyLine() + 1;
    block->lines.insert(lineIndex, key + u'=' + value);
    const QStringView line = block->lines[lineIndex];
    block->entries.append(
        Entry{line.first(key.size()), trimmed(line.sliced(key.size() + 1)), lineIndex});
    if (!block->index.isEmpty())
        block->index.insert(CaselessView{block->entries.last().key}, block->entries.size() - 1);
}

void IniDocument::setValues(const QString &section,
                            const QList<std::pair<QString, QString>> &values)
{
    Block *block = findBlock(section);
    if (block == nullptr) {
        m_blocks.append(Block{section, {u'[' + section + u']'}, {}, {}});
        block = &m_blocks.last();
    }
    // Only keys that were there before are looked up; new ones are appended in
    // order, so a long list costs no lookups among its own keys.
    const qsizetype existing = block->entries.size();
    QStringList added;
    for (const auto &[key, value] : values) {
        if (existing > 0 && block->find(key) != nullptr)
            setValue(section, key, value);
        else
            added.append(key + u'=' + value);
    }
    if (added.isEmpty())
        return;
    const qsizetype first = block->lastKeyLine() + 1;
    const QStringList closing = block->lines.mid(first);
    block->lines.resize(first);
    block->lines.append(added);
    block->lines.append(closing);
    block->entries.reserve(block->entries.size() + added.size());
    for (qsizetype i = 0; i < added.size(); ++i) {
        const QStringView line = block->lines[first + i];
        const qsizetype equals = line.indexOf(u'=');
        block->entries.append(
            Entry{line.first(equals), trimmed(line.sliced(equals + 1)), first + i});
    }
    // Rebuilt on the next lookup.
    block->index.clear();
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
