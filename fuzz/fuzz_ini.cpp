// INI parsing and key writing: after a key is written, the document read again
// gives the written value for that key and the old value for every other key.
#include "fuzzcheck.h"
#include "platform/caseless.h"
#include "platform/inidocument.h"
#include "platform/textfile.h"

#include <QHash>
#include <QLocale>

namespace {

// A name or value as the writer may be given one: one line, no blanks at the
// ends; a key neither starting a comment or section nor holding "=".
QString usable(QStringView text, bool isKey)
{
    QString result;
    for (const QChar ch : text) {
        if (ch.unicode() <= 32 && ch != u' ')
            continue;
        if (isKey && (ch == u'=' || ch == u']'))
            continue;
        result.append(ch);
    }
    // Trimming and dropping a leading ";" or "[" until neither is left: Qt's
    // trimming also takes a no-break space, which could uncover another "[".
    QString previous;
    while (previous != result) {
        previous = result;
        result = result.trimmed();
        while (isKey && (result.startsWith(u';') || result.startsWith(u'[')))
            result.remove(0, 1);
    }
    return result;
}

// A name upper-cased one code unit at a time, as the document compares names.
QString caseless(QStringView name)
{
    QString upper(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        upper[i] = QChar(char16_t(QChar::toUpper(name[i].unicode())));
    return upper;
}

// The value that counts for every key of a section, by caseless name.
QHash<QString, QString> sectionValues(const IniDocument &document, const QString &section)
{
    QHash<QString, QString> values;
    document.forEachKey(section, [&](QStringView key, QStringView value) {
        values.insert(caseless(key), value.toString());
    });
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = decodeText(bytes, QLocale(QLocale::Russian));
    const IniDocument before = IniDocument::parse(text);

    // The section, key and value to write come from the input's last line.
    const QStringList parts = text.section(u'\n', -1).split(u'|');
    const QString section = usable(parts.value(0), true);
    const QString key = usable(parts.value(1), true);
    const QString value = usable(parts.value(2), false);
    if (section.isEmpty() || key.isEmpty())
        return 0;

    IniDocument written = before;
    written.setValue(section, key, value);
    const IniDocument after = IniDocument::parse(written.toText());
    FUZZ_CHECK(after.value(section, key) == value);

    QHash<QString, QString> expected = sectionValues(before, section);
    expected.insert(caseless(key), value);
    FUZZ_CHECK(sectionValues(after, section) == expected);
    for (const QString &other : {QStringLiteral("main"), QStringLiteral("previous_conviction")}) {
        if (!equalsCaseless(other, section))
            FUZZ_CHECK(sectionValues(after, other) == sectionValues(before, other));
    }

    // Many keys in one pass give the same reading as one at a time.
    IniDocument many = before;
    many.setValues(section, {{key, value}, {key + u'2', value}});
    const IniDocument manyAfter = IniDocument::parse(many.toText());
    FUZZ_CHECK(manyAfter.value(section, key) == value);
    FUZZ_CHECK(manyAfter.value(section, key + u'2') == value);
    return 0;
}
