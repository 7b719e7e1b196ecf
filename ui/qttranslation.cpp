#include "ui/qttranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QtTranslation::QtTranslation() = default;
QtTranslation::~QtTranslation() = default; // the translator removes itself

QString QtTranslation::fileFor(QLocale::Language language)
{
    // The language's two-letter code: "ru", "fr".
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        .filePath(QStringLiteral("qtbase_%1.qm").arg(QLocale::languageToCode(language)));
}

bool QtTranslation::follow(QLocale::Language language)
{
    m_translator.reset();
    if (language == QLocale::English || language == QLocale::C)
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(fileFor(language)) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    m_translator = std::move(translator);
    return true;
}
