// Qt's own words (its file dialogs, the buttons of its message boxes, the
// calendar's tooltips, the line edits' context menus) in the interface's
// language, from the translations installed with Qt.
#pragma once

#include <QLocale>

#include <memory>

class QTranslator;

class QtTranslation
{
public:
    QtTranslation();
    ~QtTranslation();
    QtTranslation(const QtTranslation &) = delete;
    QtTranslation &operator=(const QtTranslation &) = delete;

    // Installs Qt's translation into the language; for English, or a language
    // Qt has no translation for here, Qt's own English is shown. Says whether a
    // translation is installed.
    bool follow(QLocale::Language language);
    bool installed() const { return m_translator != nullptr; }

    // The file Qt's translation into the language would come from.
    static QString fileFor(QLocale::Language language);

private:
    std::unique_ptr<QTranslator> m_translator;
};
