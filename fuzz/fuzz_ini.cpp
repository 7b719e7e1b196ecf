// INI parsing and key writing: the document reads as a plain whole-text reading
// does, and after a key is written (alone, or several in one pass) the text read
// again gives the written values for those keys and the old value for every
// other key of every section.
#include "fuzzcheck.h"
#include "fuzzsupport.h"
#include "platform/caseless.h"
#include "platform/inidocument.h"
#include "platform/textfile.h"

#include <QHash>
#include <QLocale>

namespace {

// A name or value as the writer may be given one: one line, no blanks (codes of
// 32 or less) at the ends; a key also neither holding "=" nor starting a comment
// or a section.
QString oneLine(QStringView text, bool isKey)
{
    QString result;
    for (const QChar ch : text) {
        if (ch != u'\r' && ch != u'\n' && !(isKey && ch == u'='))
            result.append(ch);
    }
    for (bool changed = true; changed;) {
        changed = false;
        while (!result.isEmpty() && result.front().unicode() <= 32) {
            result.remove(0, 1);
            changed = true;
        }
        while (!result.isEmpty() && result.back().unicode() <= 32) {
            result.chop(1);
            changed = true;
        }
        while (isKey && (result.startsWith(u';') || result.startsWith(u'['))) {
            result.remove(0, 1);
            changed = true;
        }
    }
    return result;
}

// A name upper-cased one code unit at a time, as the document compares names.
QString caseless(QStringView name)
{
    QString upper(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t code = name[i].unicode();
        upper[i] = QChar(code < 0x80 ? (code >= u'a' && code <= u'z' ? char16_t(code - 0x20) : code)
                                     : char16_t(QChar::toUpper(code)));
    }
    return upper;
}

// The keys that count in one section (caseless name -> value), and every section
// of a text (caseless name -> its keys), with the names as first spelled.
using Keys = QHash<QString, QString>;
struct Reading
{
    QHash<QString, Keys> sections;
    QStringList names;
};

// The whole text read at once by the rules the document follows: a header line
// "[name]" starts a section, a later header of the same name starts it anew;
// inside a section, a line with "=" that is no comment is a key, a later one of
// the same name counting.
Reading readAll(const QString &text)
{
    Reading reading;
    Keys *current = nullptr;
    for (const QString &line : splitTextLines(text)) {
        const QStringView content = blankTrimmed(line);
        if (content.size() >= 2 && content.front() == u'[' && content.back() == u']') {
            const QStringView name = blankTrimmed(content.sliced(1, content.size() - 2));
            const QString folded = caseless(name);
            if (!reading.sections.contains(folded))
                reading.names.append(name.toString());
            current = &reading.sections[folded];
            current->clear();
            continue;
        }
        const qsizetype equals = content.indexOf(u'=');
        if (current == nullptr || content.startsWith(u';') || equals < 0)
            continue;
        current->insert(caseless(blankTrimmed(content.first(equals))),
                        blankTrimmed(content.sliced(equals + 1)).toString());
    }
    return reading;
}

// The document's own reading of a section agrees with the whole-text reading:
// its keys in a scan, their count, and (for the first few) a lookup of each.
void checkSection(const IniDocument &document, const Reading &reading, const QString &section,
                  qsizetype lookups)
{
    const auto found = reading.sections.constFind(caseless(section));
    FUZZ_CHECK(document.hasSection(section) == (found != reading.sections.cend()));
    Keys keys;
    QStringList names;
    document.forEachKey(section, [&](QStringView key, QStringView value) {
        keys.insert(caseless(key), value.toString());
        names.append(key.toString());
    });
    FUZZ_CHECK(keys == (found != reading.sections.cend() ? *found : Keys()));
    FUZZ_CHECK(document.keyCount(section) == names.size());
    for (qsizetype i = 0; i < std::min(names.size(), lookups); ++i)
        FUZZ_CHECK(document.value(section, names[i]) == keys.value(caseless(names[i])));
}

// A few sections of the text, and the one written, read alike by both readers.
void checkDocument(const IniDocument &document, const Reading &reading, const QString &section)
{
    // Every lookup scans the text: a few keep the run fast on a long text.
    for (qsizetype i = 0; i < std::min<qsizetype>(reading.names.size(), 4); ++i)
        checkSection(document, reading, reading.names[i], 2);
    checkSection(document, reading, section, 8);
}

// After the write, every section reads as before but the one written, which
// reads as before with the written keys changed (the later of two counting).
void checkWrite(const IniDocument &before, const Reading &reading, const QString &section,
                const QList<std::pair<QString, QString>> &written)
{
    IniDocument document = before;
    if (written.size() == 1)
        document.setValue(section, written.first().first, written.first().second);
    else
        document.setValues(section, written);
    const QString text = document.toText();
    const IniDocument after = IniDocument::parse(text);
    const Reading afterReading = readAll(text);

    QHash<QString, Keys> expected = reading.sections;
    Keys &changed = expected[caseless(section)];
    for (const auto &[key, value] : written)
        changed.insert(caseless(key), value);
    FUZZ_CHECK(afterReading.sections == expected);
    checkDocument(after, afterReading, section);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = decodeText(bytes, QLocale(QLocale::Russian));
    const IniDocument before = IniDocument::parse(text);
    // Reading and writing back unchanged gives the text as it was.
    FUZZ_CHECK(before.toText() == text);

    // The section, key and value to write come from the input's last line.
    const QStringList parts = text.section(u'\n', -1).split(u'|');
    const QString section = oneLine(parts.value(0), false);
    const QString key = oneLine(parts.value(1), true);
    const QString value = oneLine(parts.value(2), false);
    const Reading reading = readAll(text);
    checkDocument(before, reading, section);
    if (section.isEmpty() || key.isEmpty())
        return 0;

    checkWrite(before, reading, section, {{key, value}});
    // Several keys in one pass, one of them given twice: the later counts.
    const QString other = oneLine(parts.value(3), true);
    QList<std::pair<QString, QString>> many{{key, value}, {key + u'2', value}};
    if (!other.isEmpty())
        many.append({other, value + u'3'});
    many.append({key, value + u'4'});
    checkWrite(before, reading, section, many);
    return 0;
}
