// A language file dropped into the lang folder beside a good one: listing,
// selecting and looking up texts either succeed or raise the file error, and
// every lookup gives the file's text for its key, else the default language's,
// else the "NoTranslate:" text.
#include "catalogue/uLocalize.h"
#include "fuzzcheck.h"
#include "fuzzsupport.h"
#include "platform/inidocument.h"
#include "platform/runtimeerror.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// The first key of the file's first section, as "Section.Key", when a lookup of
// that text names it plainly: no "." in the section, which ends the section
// part, and no "LOC" prefix, which a lookup drops.
QString firstKeyOf(const IniDocument &document, const QString &text)
{
    for (const QString &line : splitTextLines(text)) {
        const QStringView content = blankTrimmed(line);
        if (content.size() < 2 || content.front() != u'[' || content.back() != u']')
            continue;
        const QString section = blankTrimmed(content.sliced(1, content.size() - 2)).toString();
        if (section.contains(u'.') || section.startsWith(u"LOC"))
            return {};
        QString first;
        document.forEachKey(section, [&](QStringView key, QStringView) {
            if (first.isEmpty())
                first = key.toString();
        });
        return first.isEmpty() ? QString() : section + u'.' + first;
    }
    return {};
}

// What a lookup gives by the catalogue's rule: "Section.Name" (a "LOC" before
// the section dropped, no dot meaning no section) from the current language's
// file, else the default's, else "NoTranslate:Name".
QString expectedText(const IniDocument &current, const IniDocument &fallback, const QString &key)
{
    const qsizetype dot = key.indexOf(u'.');
    QStringView section = dot < 0 ? QStringView() : QStringView(key).first(dot);
    if (section.startsWith(u"LOC"))
        section = section.sliced(3);
    const QStringView name = dot < 0 ? QStringView(key) : QStringView(key).sliced(dot + 1);
    return current.value(section, name)
        .value_or(fallback.value(section, name)
                      .value_or(QStringLiteral("NoTranslate:") + name.toString()));
}

const QByteArray BaseFile = "[main]\r\nLangName=Base\r\n[String]\r\nYes=BaseYes\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Beside the file under test lies a good one, the default language.
    const QTemporaryDir &folder = scratchFolder();
    static const bool made = QDir(folder.path()).mkpath(QStringLiteral("lang"));
    FUZZ_CHECK(made);
    static const bool baseWritten = [&folder] {
        QFile file(folder.filePath(QStringLiteral("lang/Base.lng")));
        return file.open(QIODevice::WriteOnly) && file.write(BaseFile) == BaseFile.size();
    }();
    FUZZ_CHECK(baseWritten);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(folder.filePath(QStringLiteral("lang/Fuzz.lng")));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(bytes) == bytes.size());
    }
    const QLocale russian(QLocale::Russian);
    const QString text = decodeText(bytes, russian);
    const IniDocument document = IniDocument::parse(text);
    const IniDocument base = IniDocument::parse(QString::fromLatin1(BaseFile));

    LanguageCatalogue catalogue(folder.path(), russian);
    try {
        catalogue.LoadLanguageList();
        const QList<TLangItemRec> &list = catalogue.LanguageList();
        FUZZ_CHECK(list.size() == 2);
        FUZZ_CHECK(list[0].FileBase == u"Base" && list[0].Name == u"Base");
        const TLangItemRec &item = list[1];
        FUZZ_CHECK(item.FileBase == u"Fuzz");
        FUZZ_CHECK(!item.Flag.isEmpty());
        FUZZ_CHECK(item.Name == document.value(u"main", u"LangName", QStringLiteral("Fuzz")));

        FUZZ_CHECK(catalogue.SelectDefaultLanguage(QStringLiteral("Base")));
        // A language without a name cannot be chosen; the default then answers alone.
        const bool selectable = !item.Name.isEmpty();
        FUZZ_CHECK(catalogue.SelectLanguage(item.Name) == selectable);
        FUZZ_CHECK(!selectable || catalogue.CurrentLanguage().FileBase == u"Fuzz");
        const IniDocument current = selectable ? document : IniDocument();

        QStringList keys{QStringLiteral("String.Yes"),
                         QStringLiteral("main.LangName"),
                         QStringLiteral("LOCString.Yes"),
                         QStringLiteral("NoSuchSection.NoSuchKey"),
                         QStringLiteral("Bare"),
                         QStringLiteral("."),
                         QString()};
        // A key the file holds, and any text of the input as a key.
        keys.append(firstKeyOf(document, text));
        keys.append(text.section(u'\n', -1));
        for (const QString &key : std::as_const(keys))
            FUZZ_CHECK(catalogue.Translate(key) == expectedText(current, base, key));

        // The file as the default language too: its own texts, else "NoTranslate:".
        if (selectable) {
            FUZZ_CHECK(catalogue.SelectDefaultLanguage(QStringLiteral("Fuzz")));
            for (const QString &key : std::as_const(keys))
                FUZZ_CHECK(catalogue.Translate(key) == expectedText(document, document, key));
        }
    } catch (const RuntimeError &error) {
        // Only the file error is allowed: the file cannot be read or is too large.
        FUZZ_CHECK(error.message().startsWith(u"Cannot open file"));
        FUZZ_CHECK(size > size_t(LanguageFileMaxBytes));
    }
    return 0;
}
