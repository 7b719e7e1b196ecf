#include "catalogue/uLocalize.h"

#include "platform/caseless.h"
#include "platform/inidocument.h"
#include "platform/languageid.h"
#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "platform/wholenumber.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString DefaultFlag = QStringLiteral("flag_white.ico");

// "Section.Name" as the section and the name; a section "LOCxxx" is "xxx".
std::pair<QStringView, QStringView> splitKey(const QString &key)
{
    const qsizetype dot = key.indexOf(u'.');
    QStringView section = dot < 0 ? QStringView() : QStringView(key).first(dot);
    if (section.startsWith(u"LOC"))
        section = section.sliced(3);
    const QStringView name = dot < 0 ? QStringView(key) : QStringView(key).sliced(dot + 1);
    return {section, name};
}

} // namespace

LanguageCatalogue::LanguageCatalogue(QString programFolder, QLocale locale)
    : m_programFolder(std::move(programFolder))
    , m_locale(std::move(locale))
    , m_files(m_locale)
{
}

QString LanguageCatalogue::langFolder() const
{
    return QDir(m_programFolder).filePath(QStringLiteral("lang"));
}

QString LanguageCatalogue::slotFilePath(const LanguageSlot &slot) const
{
    const QString name =
        slot.FileName.isEmpty() ? slot.FileBase + QStringLiteral(".lng") : slot.FileName;
    return QDir(langFolder()).filePath(name);
}

QString LanguageCatalogue::Translate(const QString &key) const
{
    const auto [section, name] = splitKey(key);
    const QString defaultPath = slotFilePath(m_default);
    const QString currentPath = slotFilePath(m_current);
    std::optional<QString> text = m_files.value(defaultPath, section, name);
    if (currentPath != defaultPath) {
        if (std::optional<QString> own = m_files.value(currentPath, section, name))
            text = std::move(own);
    }
    return text.value_or(QStringLiteral("NoTranslate:") + name.toString());
}

QStringList LanguageCatalogue::textsIn(const TLangItemRec &language, const QStringList &keys) const
{
    const QString path = slotFilePath(language);
    QStringList texts;
    texts.reserve(keys.size());
    for (const QString &key : keys) {
        const auto [section, name] = splitKey(key);
        texts.append(m_files.value(path, section, name).value_or(QString()));
    }
    return texts;
}

void LanguageCatalogue::LoadLanguageList()
{
    m_languages.clear();

    // Ordinary files only: hidden ones, folders, devices and pipes are not listed.
    // The pattern matches without regard to case, as on Windows; the order is the
    // one an NTFS folder lists in, by name without regard to case, whatever the
    // file system here returns.
    const QDir folder(langFolder());
    QStringList names;
    for (const QString &name :
         folder.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        if (name.size() > 4 && name.endsWith(QStringLiteral(".lng"), Qt::CaseInsensitive))
            names.append(name);
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return compareCaseless(a, b) < 0; });

    for (const QString &name : std::as_const(names))
        m_languages.append(TLangItemRec{{}, name.chopped(4), {}, -1, name});

    // A file that cannot be read stops here: the entries before it keep their
    // description, the later ones their file base only.
    for (TLangItemRec &item : m_languages) {
        const QString path = folder.filePath(item.FileName);
        const auto value = [&](QStringView name) { return m_files.value(path, u"main", name); };
        item.Name = value(u"LangName").value_or(item.FileBase);
        item.Flag = value(u"Flag").value_or(DefaultFlag);
        if (item.Flag.isEmpty() || item.Flag == u"None")
            item.Flag = DefaultFlag;
        item.LangID = parseWholeNumber(value(u"LangID").value_or(QString())).value_or(-1);
    }
}

void LanguageCatalogue::ensureLanguageList()
{
    if (m_languages.isEmpty())
        LoadLanguageList();
}

void LanguageCatalogue::FillLanguageNames(QStringList &target, bool useNames)
{
    ensureLanguageList();
    target.clear();
    for (const TLangItemRec &item : std::as_const(m_languages))
        target.append(useNames ? item.Name : item.FileBase);
}

std::optional<TLangItemRec> LanguageCatalogue::findLanguage(const QString &name)
{
    ensureLanguageList();
    const auto usable = [](const TLangItemRec &item) {
        return !item.Name.isEmpty() && !item.FileBase.isEmpty();
    };
    for (QString TLangItemRec::*field : {&TLangItemRec::Name, &TLangItemRec::FileBase}) {
        const auto match =
            std::find_if(m_languages.crbegin(), m_languages.crend(),
                         [&](const TLangItemRec &item) { return item.*field == name; });
        if (match != m_languages.crend())
            return usable(*match) ? std::optional(*match) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<TLangItemRec> LanguageCatalogue::languageForLocale(const QLocale &locale)
{
    ensureLanguageList();
    const std::optional<int> primary = primaryLanguageId(locale);
    if (!primary)
        return std::nullopt;
    const auto match =
        std::find_if(m_languages.cbegin(), m_languages.cend(), [&](const auto &item) {
            return item.LangID > 0 && primaryLanguageOf(item.LangID) == *primary &&
                   !item.Name.isEmpty() && !item.FileBase.isEmpty();
        });
    return match == m_languages.cend() ? std::nullopt : std::optional(*match);
}

bool LanguageCatalogue::SelectLanguage(const QString &name)
{
    const std::optional<TLangItemRec> match = findLanguage(name);
    if (!match)
        return false;
    m_current = *match;
    return true;
}

bool LanguageCatalogue::SelectDefaultLanguage(const QString &fileBase)
{
    ensureLanguageList();
    const auto match =
        std::find_if(m_languages.crbegin(), m_languages.crend(),
                     [&](const TLangItemRec &item) { return item.FileBase == fileBase; });
    if (match == m_languages.crend() || match->Name.isEmpty() || match->FileBase.isEmpty())
        return false;
    m_default = LanguageSlot{match->Name, match->FileBase, {}, -1, match->FileName};
    return true;
}

LanguageCatalogue &programCatalogue()
{
    static LanguageCatalogue catalogue(programFolderFor(QCoreApplication::applicationDirPath()));
    return catalogue;
}

QString Translate(const QString &key)
{
    return programCatalogue().Translate(key);
}

void LoadLanguageList()
{
    programCatalogue().LoadLanguageList();
}

void FillLanguageNames(QStringList &target, bool useNames)
{
    programCatalogue().FillLanguageNames(target, useNames);
}

bool SelectLanguage(const QString &name)
{
    return programCatalogue().SelectLanguage(name);
}

bool SelectDefaultLanguage(const QString &fileBase)
{
    return programCatalogue().SelectDefaultLanguage(fileBase);
}
