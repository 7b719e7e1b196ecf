#include "platform/inidocument.h"

#include "platform/caseless.h"

namespace {

bool isBlank(QChar ch)
{
    return ch.unicode() <= 32;
}

} // namespace

IniDocument IniDocument::parse(const QString &text)
{
    IniDocument document;
    document.m_text = text;
    const QStringView all(document.m_text);

    const auto trimmed = [&](qsizetype start, qsizetype end) {
        while (start < end && isBlank(all[start]))
            ++start;
        while (end > start && isBlank(all[end - 1]))
            --end;
        return Span{start, end - start};
    };

    Section *current = nullptr; // the block keys go to; re-pointed after every append
    int lineNumber = 0;
    qsizetype pos = 0;
    const qsizetype size = all.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && all[end] != u'\r' && all[end] != u'\n')
            ++end;
        const Span line = trimmed(pos, end);
        const QStringView content = all.mid(line.start, line.length);

        if (!content.isEmpty() && content.front() != u';') {
            if (content.size() >= 2 && content.front() == u'[' && content.back() == u']') {
                document.m_sections.append(
                    Section{trimmed(line.start + 1, line.start + line.length - 1), lineNumber, {}});
                current = &document.m_sections.last();
            } else if (current != nullptr) {
                const qsizetype equals = content.indexOf(u'=');
                if (equals >= 0) {
                    const qsizetype at = line.start + equals;
                    current->entries.append(Entry{trimmed(line.start, at),
                                                  trimmed(at + 1, line.start + line.length),
                                                  lineNumber});
                }
            }
        }

        // CRLF, LF and a CR alone each end one line.
        if (end < size && all[end] == u'\r' && end + 1 < size && all[end + 1] == u'\n')
            ++end;
        pos = end + 1;
        ++lineNumber;
    }
    return document;
}

const IniDocument::Section *IniDocument::findSection(QStringView name) const
{
    for (auto it = m_sections.crbegin(); it != m_sections.crend(); ++it) {
        if (equalsCaseless(view(it->name), name))
            return &*it;
    }
    return nullptr;
}

bool IniDocument::hasSection(QStringView section) const
{
    return findSection(section) != nullptr;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const Section *found = findSection(section);
    if (found == nullptr)
        return std::nullopt;
    for (auto it = found->entries.crbegin(); it != found->entries.crend(); ++it) {
        if (equalsCaseless(view(it->key), key))
            return view(it->value).toString();
    }
    return std::nullopt;
}

QString IniDocument::value(QStringView section, QStringView key, const QString &fallback) const
{
    return value(section, key).value_or(fallback);
}
