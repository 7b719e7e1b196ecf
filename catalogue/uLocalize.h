// The language catalogue: the language files of the lang folder, the two language
// slots (current and default) and the text lookup with its fallbacks.
#pragma once

#include "catalogue/languagefileindex.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The largest language file the catalogue reads: far above any real one, low
// enough that a hostile file in lang cannot stall every lookup.
inline constexpr qint64 LanguageFileMaxBytes = 256 * 1024;

// One available language.
struct TLangItemRec
{
    QString Name;     // display name, the language's own name for itself (LangName)
    QString FileBase; // file name without ".lng"
    QString Flag;     // flag icon file name
    qint32 LangID = -1;
    QString FileName; // the file name as it lies on disk ("Russian.LNG")
};

// What a slot remembers of the language it holds: names only, never texts.
using LanguageSlot = TLangItemRec;

class LanguageCatalogue
{
public:
    // programFolder holds the lang folder; the locale decides the 8-bit code page
    // of files without a byte-order mark.
    explicit LanguageCatalogue(QString programFolder, QLocale locale = QLocale::system());

    QString programFolder() const { return m_programFolder; }
    QString langFolder() const;

    // The current language's text for "Section.Name", else the default language's,
    // else "NoTranslate:Name". The files are read through an index that parses a
    // file again only when it changed (catalogue/languagefileindex): an edited
    // file takes effect at the next call.
    QString Translate(const QString &key) const;

    void LoadLanguageList();
    // Names (useNames) or file bases of every language, in list order.
    void FillLanguageNames(QStringList &target, bool useNames);
    // Makes current the language of that display name (the last listed one), or
    // else of that file base, the name a language was stored under before the
    // files named each language in its own words.
    bool SelectLanguage(const QString &name);
    // The listed language SelectLanguage would make current for the name.
    std::optional<TLangItemRec> findLanguage(const QString &name);
    // The listed language whose LangID has the locale's language, if any.
    std::optional<TLangItemRec> languageForLocale(const QLocale &locale);
    bool SelectDefaultLanguage(const QString &fileBase);

    const QList<TLangItemRec> &LanguageList() const { return m_languages; }
    // The texts of the keys ("Section.Name") in one listed language's own file, in
    // the keys' order; empty for a key the file does not give. Raises the error
    // of a file that cannot be read.
    QStringList textsIn(const TLangItemRec &language, const QStringList &keys) const;
    const LanguageSlot &CurrentLanguage() const { return m_current; }
    const LanguageSlot &DefaultLanguage() const { return m_default; }

private:
    void ensureLanguageList();
    QString slotFilePath(const LanguageSlot &slot) const;

    QString m_programFolder;
    QLocale m_locale;
    mutable LanguageFileIndex m_files;
    QList<TLangItemRec> m_languages;
    LanguageSlot m_current;
    LanguageSlot m_default;
};

// The catalogue the program runs on, over the executable's folder.
LanguageCatalogue &programCatalogue();

// The program's catalogue, as plain procedures.
QString Translate(const QString &key);
void LoadLanguageList();
void FillLanguageNames(QStringList &target, bool useNames);
bool SelectLanguage(const QString &name);
bool SelectDefaultLanguage(const QString &fileBase);
