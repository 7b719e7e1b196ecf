// A language file dropped into the lang folder: listing, selecting and looking
// up texts either succeed or raise the file error, and every lookup gives a text.
#include "catalogue/uLocalize.h"
#include "fuzzcheck.h"
#include "platform/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where the machine offers it: saving waits for the disk otherwise.
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/kovrant-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/kovrant-fuzz-XXXXXX"));
    static const bool made = QDir(folder.path()).mkpath(QStringLiteral("lang"));
    FUZZ_CHECK(made);
    {
        QFile file(folder.filePath(QStringLiteral("lang/Fuzz.lng")));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    LanguageCatalogue catalogue(folder.path(), QLocale(QLocale::Russian));
    try {
        catalogue.LoadLanguageList();
        FUZZ_CHECK(catalogue.LanguageList().size() == 1);
        const TLangItemRec &item = catalogue.LanguageList().first();
        FUZZ_CHECK(item.FileBase == u"Fuzz");
        FUZZ_CHECK(!item.Flag.isEmpty());
        const bool selectable = !item.Name.isEmpty();
        FUZZ_CHECK(catalogue.SelectLanguage(item.Name) == selectable);
        FUZZ_CHECK(catalogue.SelectDefaultLanguage(QStringLiteral("Fuzz")) == selectable);

        const QString missing = catalogue.Translate(QStringLiteral("NoSuchSection.NoSuchKey"));
        FUZZ_CHECK(missing == u"NoTranslate:NoSuchKey" || selectable);
        for (const char *key : {"String.Yes", "main.LangName", "LOCString.No", "Bare"})
            catalogue.Translate(QString::fromLatin1(key));
        // The display name is the file's LangName, or its file base when it has none.
        const QString langName = catalogue.Translate(QStringLiteral("main.LangName"));
        if (selectable)
            FUZZ_CHECK(langName == item.Name ||
                       (item.Name == u"Fuzz" && langName == u"NoTranslate:LangName"));
    } catch (const RuntimeError &error) {
        // Only the file error is allowed: the file cannot be read or is too large.
        FUZZ_CHECK(error.message().startsWith(u"Cannot open file"));
    }
    return 0;
}
