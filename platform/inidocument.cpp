#include "platform/inidocument.h"

#include "platform/caseless.h"

#include <QHash>

#include <algorithm>

namespace {

bool isBlank(QChar ch)
{
    return ch.unicode() <= 32;
}

bool isLineBreak(QChar ch)
{
    return ch == u'\r' || ch == u'\n';
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

// One line of the text: its content [start, end) and where the next one starts.
struct Line
{
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

Line lineAt(QStringView text, qsizetype start)
{
    qsizetype end = start;
    while (end < text.size() && !isLineBreak(text[end]))
        ++end;
    qsizetype next = end;
    if (end < text.size())
        next += text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1;
    return Line{start, end, next};
}

// The name of a section header line, or nothing for any other line.
std::optional<QStringView> headerName(QStringView line)
{
    const QStringView content = trimmed(line);
    if (content.size() >= 2 && content.front() == u'[' && content.back() == u']')
        return trimmed(content.sliced(1, content.size() - 2));
    return std::nullopt;
}

// The name and value of a key line, or nothing for any other line.
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

} // namespace

IniDocument IniDocument::parse(const QString &text)
{
    IniDocument document;
    document.m_text = text;
    const auto breakAt = std::find_if(text.cbegin(), text.cend(), isLineBreak);
    if (breakAt != text.cend()) {
        const qsizetype firstBreak = breakAt - text.cbegin();
        const bool crlf = text.at(firstBreak) == u'\r' && firstBreak + 1 < text.size() &&
                          text.at(firstBreak + 1) == u'\n';
        document.m_lineBreak = crlf ? QStringLiteral("\r\n") : QString(text.at(firstBreak));
    }
    return document;
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    const auto add = [&names](QStringView name) {
        const bool known = std::any_of(names.cbegin(), names.cend(), [name](const QString &seen) {
            return equalsCaseless(seen, name);
        });
        if (!known)
            names.append(name.toString());
    };
    const QStringView text(m_text);
    for (qsizetype pos = 0; pos < text.size();) {
        const Line line = lineAt(text, pos);
        if (const auto name = headerName(text.sliced(line.start, line.end - line.start)))
            add(*name);
        pos = line.next;
    }
    for (const AddedSection &section : m_addedSections)
        add(section.name);
    return names;
}

qsizetype IniDocument::findSourceBlock(QStringView section, qsizetype &bodyEnd) const
{
    const QStringView text(m_text);
    qsizetype found = -1;
    bool open = false;
    for (qsizetype pos = 0; pos < text.size();) {
        const Line line = lineAt(text, pos);
        if (const auto name = headerName(text.sliced(line.start, line.end - line.start))) {
            if (open) {
                bodyEnd = line.start;
                open = false;
            }
            if (equalsCaseless(*name, section)) {
                found = line.next;
                bodyEnd = text.size();
                open = true;
            }
        }
        pos = line.next;
    }
    return found;
}

std::optional<IniDocument::Block>
IniDocument::scanSection(QStringView section,
                         const std::function<void(const KeyLine &)> &visit) const
{
    auto *self = const_cast<IniDocument *>(this);
    Block block;
    const qsizetype bodyStart = findSourceBlock(section, block.bodyEnd);
    if (bodyStart >= 0) {
        block.inSource = true;
        block.bodyStart = bodyStart;
        const QStringView text(m_text);
        qsizetype insertAt = bodyStart;
        for (qsizetype pos = bodyStart; pos < block.bodyEnd;) {
            const Line line = lineAt(text, pos);
            const auto replaced = m_replaced.find(line.start);
            if (replaced != m_replaced.end() && !replaced->second) {
                pos = line.next;
                continue;
            }
            const QStringView content = replaced != m_replaced.end()
                                            ? QStringView(*replaced->second)
                                            : text.sliced(line.start, line.end - line.start);
            if (const auto entry = keyAndValue(content)) {
                visit(KeyLine{entry->first, entry->second, line.start, nullptr, -1});
                insertAt = line.next;
            }
            pos = line.next;
        }
        block.insertAt = insertAt;
        const auto added = self->m_added.find(insertAt);
        block.added = added != self->m_added.end() ? &added->second : nullptr;
    } else {
        for (qsizetype i = m_addedSections.size() - 1; i >= 0 && block.newSection < 0; --i) {
            if (equalsCaseless(m_addedSections[i].name, section))
                block.newSection = i;
        }
        if (block.newSection < 0)
            return std::nullopt;
        block.added = &self->m_addedSections[block.newSection].lines;
    }
    for (qsizetype i = 0; block.added != nullptr && i < block.added->size(); ++i) {
        if (const auto entry = keyAndValue(block.added->at(i)))
            visit(KeyLine{entry->first, entry->second, -1, block.added, i});
    }
    return block;
}

void IniDocument::forEachKey(QStringView section,
                             const std::function<void(QStringView, QStringView)> &visit) const
{
    scanSection(section, [&](const KeyLine &line) { visit(line.key, line.value); });
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    std::optional<QStringView> found;
    scanSection(section, [&](const KeyLine &line) {
        if (equalsCaseless(line.key, key))
            found = line.value;
    });
    return found ? std::optional<QString>(found->toString()) : std::nullopt;
}

QString IniDocument::value(QStringView section, QStringView key, const QString &fallback) const
{
    return value(section, key).value_or(fallback);
}

bool IniDocument::hasSection(QStringView section) const
{
    qsizetype bodyEnd = 0;
    if (findSourceBlock(section, bodyEnd) >= 0)
        return true;
    return std::any_of(
        m_addedSections.cbegin(), m_addedSections.cend(),
        [&](const AddedSection &added) { return equalsCaseless(added.name, section); });
}

qsizetype IniDocument::keyCount(QStringView section) const
{
    qsizetype count = 0;
    scanSection(section, [&](const KeyLine &) { ++count; });
    return count;
}

void IniDocument::replaceValue(const KeyLine &line, const QString &value)
{
    QString rewritten = line.key.toString() + u'=' + value;
    if (line.sourceLine >= 0)
        m_replaced[line.sourceLine] = std::move(rewritten);
    else
        (*line.addedTo)[line.addedIndex] = std::move(rewritten);
}

QStringList *IniDocument::addKey(const QString &section, const std::optional<Block> &block,
                                 const QString &line)
{
    if (!block) {
        m_addedSections.append(AddedSection{section, {line}});
        return &m_addedSections.last().lines;
    }
    QStringList *added = block->added != nullptr ? block->added : &m_added[block->insertAt];
    added->append(line);
    return added;
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    std::optional<KeyLine> last;
    const std::optional<Block> block = scanSection(section, [&](const KeyLine &line) {
        if (equalsCaseless(line.key, key))
            last = line;
    });
    if (last)
        replaceValue(*last, value);
    else
        addKey(section, block, key + u'=' + value);
}

void IniDocument::setValues(const QString &section,
                            const QList<std::pair<QString, QString>> &values)
{
    // One scan indexes the keys already there. Keys new to the section are only
    // appended: indexing them too would cost a lookup per key of a long list.
    QHash<CaselessView, KeyLine> known;
    std::optional<Block> block = scanSection(
        section, [&](const KeyLine &line) { known.insert(CaselessView{line.key}, line); });
    for (const auto &[key, value] : values) {
        const auto found = known.find(CaselessView{key});
        if (found != known.end()) {
            const KeyLine line = *found;
            known.erase(found);
            replaceValue(line, value);
            // The rewritten line is a new string: index the key anew from it.
            KeyLine rewritten = line;
            const QString &text = line.sourceLine >= 0 ? *m_replaced[line.sourceLine]
                                                       : line.addedTo->at(line.addedIndex);
            rewritten.key = QStringView(text).first(line.key.size());
            known.insert(CaselessView{rewritten.key}, rewritten);
            continue;
        }
        QStringList *added = addKey(section, block, key + u'=' + value);
        if (!block)
            block = Block{added, 0, 0, false, m_addedSections.size() - 1, 0};
        block->added = added;
    }
}

void IniDocument::removeKey(QStringView section, QStringView key)
{
    QList<KeyLine> lines;
    scanSection(section, [&](const KeyLine &line) {
        if (equalsCaseless(line.key, key))
            lines.append(line);
    });
    // Added lines go from the last, so that the indexes of the others hold.
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (line->sourceLine >= 0)
            m_replaced[line->sourceLine] = std::nullopt;
        else
            line->addedTo->removeAt(line->addedIndex);
    }
}

QString IniDocument::toText() const
{
    const QStringView text(m_text);
    const bool endsWithBreak = text.isEmpty() || isLineBreak(text.back());
    QString out;
    out.reserve(text.size() + text.size() / 8 + 64);

    const auto emitAdded = [&](qsizetype at, const QStringList &lines) {
        if (lines.isEmpty())
            return;
        if (at > 0 && !isLineBreak(text[at - 1]))
            out += m_lineBreak;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            out += lines[i];
            // A text that had no final line break keeps none.
            if (at < text.size() || endsWithBreak || i + 1 < lines.size())
                out += m_lineBreak;
        }
    };

    qsizetype pos = 0;
    auto replaced = m_replaced.cbegin();
    auto added = m_added.cbegin();
    while (replaced != m_replaced.cend() || added != m_added.cend()) {
        const bool addedFirst = added != m_added.cend() &&
                                (replaced == m_replaced.cend() || added->first <= replaced->first);
        const qsizetype at = addedFirst ? added->first : replaced->first;
        out += text.sliced(pos, at - pos);
        pos = at;
        if (addedFirst) {
            emitAdded(at, added->second);
            ++added;
        } else {
            const Line line = lineAt(text, at);
            if (replaced->second) {
                out += *replaced->second;
                pos = line.end;
            } else {
                pos = line.next;
            }
            ++replaced;
        }
    }
    out += text.sliced(pos);

    for (const AddedSection &section : m_addedSections) {
        if (!out.isEmpty() && !isLineBreak(out.back()))
            out += m_lineBreak;
        out += u'[' + section.name + u']' + m_lineBreak;
        for (const QString &line : section.lines)
            out += line + m_lineBreak;
    }
    return out;
}
