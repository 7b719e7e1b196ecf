// A started program for the window tests: a temporary program folder with the
// shipped languages, the language setting in a temporary INI file, the Russian
// short date format with a fixed today, and shown errors recorded, not boxed.
#pragma once

#include "catalogue/uLocalize.h"
#include "support/languagefolder.h"
#include "support/recordingshell.h"
#include "ui/main.h"
#include "ui/programcontext.h"
#include "windowchild.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

class ProgramFixture
{
public:
    static QDate today() { return QDate(2026, 12, 9); }
    // The Russian short date format unless setDateLocale chose another.
    ShortDateFormat dateFormat() const;
    void setDateLocale(const QLocale &locale) { m_dateLocale = locale; }
    // The user's locale, which chooses the language at a first start: American
    // English unless told otherwise.
    void setUserLocale(const QLocale &locale) { m_userLocale = locale; }

    ProgramFixture();
    ~ProgramFixture();
    ProgramFixture(const ProgramFixture &) = delete;
    ProgramFixture &operator=(const ProgramFixture &) = delete;

    const LanguageFolder &folder() const { return m_folder; }
    QString settingsPath() const;
    // An opener over settingsPath(); start() uses it unless told otherwise.
    SettingsOpener iniOpener() const;
    void setSettingsOpener(SettingsOpener opener) { m_opener = std::move(opener); }
    // The "Lang" value of the INI file, written and read by a QSettings of its own.
    void storeLanguage(const QVariant &value) const;
    QVariant storedLanguage() const;

    // startKovrant over the fixture's context.
    TForm1 &start();
    // start(), then the main window shown with its events processed.
    TForm1 &startShown();
    TForm1 &form() const { return *m_form; }
    // The program catalogue's text for a key, in the current language.
    QString text(const char *key) const;

    QStringList errors; // every error shown, as shown, in order
    // The desktop stand-ins the program gets: no test opens a browser or a dialog.
    RecordingShell shell;
    ScriptedFileChooser fileChooser;

private:
    LanguageFolder m_folder;
    QTemporaryDir m_settingsDir;
    SettingsOpener m_opener;
    QLocale m_dateLocale{QLocale::Russian, QLocale::Russia};
    QLocale m_userLocale{QLocale::English, QLocale::UnitedStates};
    std::optional<LanguageCatalogue> m_catalogue;
    std::optional<ProgramContext> m_context;
    std::unique_ptr<TForm1> m_form;
};

// One shipped language's texts, looked up apart from the program's catalogue.
class LanguageTexts
{
public:
    LanguageTexts(const LanguageFolder &folder, const QString &languageName);
    QString operator()(const char *key) const;

private:
    LanguageCatalogue m_catalogue;
};

// The window's title as the window system shows it: its modified mark "[*]"
// resolved to "*" or to nothing.
QString shownTitle(QWidget &window);

// A conviction written as the window's list shows one in the fixture's current
// language: its date in the fixture's date format, its category by the
// language's text (any other text an unrecognised category), its answers the
// language's Yes and No; custody Yes, the others No unless told.
ConvictionRecord windowConviction(const ProgramFixture &fixture, const QString &date,
                                  const QString &severity);
ConvictionRecord windowConviction(const ProgramFixture &fixture, const QString &date,
                                  const QString &severity, const QString &custody,
                                  const QString &juvenile, const QString &reprieve);

// A cell of the main window's list as its view shows it (ListView1's model),
// and its text.
QModelIndex shownCell(const TForm1 &form, int row, int column = 0);
QString shownText(const TForm1 &form, int row, int column);
// A row's note, which its cells show as their tooltip.
QString shownNote(const TForm1 &form, int row);

// The user picking an entry from a drop-down list: the selection moves, then
// the list reports the pick.
void pickEntry(QComboBox &selector, int index);

// The selector's entry for a shipped language, named by its file base
// ("French"): the selector lists each language by its own name.
int languageEntry(const TForm1 &form, const QString &fileBase);
// The user picking that language's entry in the main window's selector.
void pickLanguage(TForm1 &form, const QString &fileBase);

// Acts on the modal dialog that exec() is about to show, once it is up. A modal
// widget of another type, or the dialog when the action leaves it open (a failed
// check returns early), is rejected so that exec() returns. The flag says whether
// the action ran; the timer dies with the context.
template<typename Dialog>
std::shared_ptr<bool> whenModal(QObject *context, std::function<void(Dialog &)> action)
{
    auto ran = std::make_shared<bool>(false);
    QTimer::singleShot(0, context, [ran, action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<Dialog *>(modal)) {
            // Let the window system's report of the shown dialog arrive first: an
            // activation handled after the dialog was closed would move its focus.
            QCoreApplication::processEvents();
            *ran = true;
            action(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        } else if (auto *other = qobject_cast<QDialog *>(modal)) {
            other->reject();
        }
    });
    return ran;
}

// Answers the question about unsaved changes that is about to be asked, with the
// box's Save, Discard or Cancel button.
inline std::shared_ptr<bool> answerUnsavedChanges(QObject *context,
                                                  QMessageBox::StandardButton answer)
{
    return whenModal<QMessageBox>(context,
                                  [answer](QMessageBox &box) { box.button(answer)->click(); });
}
