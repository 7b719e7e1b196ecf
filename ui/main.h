// The main window: the current crime, the list of previous convictions and the
// result line, with the commands that change them. Its menus, actions and wiring
// are in main.cpp, its texts by key in mainwindowtexts.cpp, and the commands
// that edit the list in listeditcommands.cpp.
#pragma once

#include "assessment/recidivism.h"
#include "document/listcommands.h"
#include "document/listdocument.h"
#include "document/savedpoints.h"
#include "localisation/consequences.h"
#include "localisation/explanation.h"
#include "localisation/filenotes.h"
#include "localisation/reportcontent.h"
#include "localisation/texttable.h"
#include "platform/runtimeerror.h"
#include "records/recordwords.h"
#include "ui/errorhandler.h"
#include "ui/filechooser.h"
#include "ui/helplinks.h"
#include "ui/listfilecommands.h"
#include "ui/mainwindowgeometry.h"
#include "ui/programcontext.h"
#include "ui/qttranslation.h"
#include "ui/startlanguage.h"

#include <QMainWindow>

#include <memory>

class AuthorStatusBar;
class LanguageSelector;
class NewCrimeGroup;
class ConvictionsGroup;
class ResultArea;
class QAction;
class QMenu;
class QMenuBar;
class QSplitter;
class QUndoStack;
class RecordList;
class TAboutFrm;
class TEdit_frm;
class UndoActions;

class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window and runs its creation step, then creates the record dialog
    // and the about box.
    explicit TForm1(ProgramContext &context, QWidget *parent = nullptr);
    ~TForm1() override;

    RecordList &records() const { return m_document->records(); }
    // The list, the new crime, the history and the file behind the window.
    ListDocument &document() const { return *m_document; }
    const ProgramContext &context() const { return m_context; }
    LanguageCatalogue &catalogue() const { return *m_context.catalogue; }
    // The crime being assessed, as the inputs show it.
    CurrentCrime currentCrime() const;
    const RecidivismAssessment &lastAssessment() const { return m_lastAssessment; }
    // The words of the rows' notes and the result's grounds in the current
    // language: looked up on first use after each localisation pass, which
    // forgets them, so that neither start-up nor every recomputation pays for them.
    const ExplanationTexts &explanationTexts() const;
    void forgetExplanationTexts() { m_explanationTexts.reset(); }

    // The localisation pass over the three windows: makes the language named in the
    // selector current and writes every text of theirs.
    void localize();
    // Qt's own words (its dialogs and buttons) in the current language.
    const QtTranslation &qtTranslation() const { return m_qtTranslation; }
    // Every text of the three windows by its key: the record dialog's, the about
    // box's, then the main window's own.
    TextTable interfaceTextTable();

    // The recomputation pass: refreshes every row's InForce answer and the result line.
    void calc_rec();
    // The expungement check of one conviction with actual custody from its columns
    // alone, at the calculation date: "String.Yes" while in force, else "String.No".
    QString calc_sud(Gravity gravity, bool juvenile, QDate convictionDate) const;

    // Writes the list and the new crime to a record file / replaces the list with
    // a file's records, and the new crime with the file's where it has one; what
    // the file leaves to say shows under the result until the list is replaced.
    // Both make the file the list's own, in the title, holding the list as it is;
    // opening also starts the history again. A failed save changes neither.
    void save_har(const QString &fileName);
    void open_har(const QString &fileName) { m_document->open(fileName); }
    // Opens a list the user gave outside the open dialog (dropped on the window,
    // named on the command line, opened from the file manager) as the open
    // command does: unsaved changes are settled first, and an error is shown.
    void openGivenFile(const QString &fileName);

    // The edits of the list since it was last opened, which Undo and Redo walk.
    QUndoStack &history() const { return m_document->history(); }
    // The record file the list belongs to, which Save writes: the file it was last
    // saved to or opened from, or the one an undo gave back; empty for an untitled
    // list (at start, after Clear data and the sample data).
    const QString &listFile() const { return m_document->file(); }
    // The list or the new crime differs from what the list's file holds; an
    // untitled list, from the empty list it was at start or after Clear data.
    bool hasUnsavedChanges() const { return m_document->hasUnsavedChanges(); }
    // With unsaved changes, asks whether to save them first, naming the file Save
    // would write: true when what would lose them may go on (saved or discarded),
    // false when the user cancels or the save is cancelled; a failed save raises.
    bool changesSettled() { return m_listFile.changesSettled(); }

    // The file base of the language the selector names (by its own name or its
    // file base); the selector's text itself when it names none.
    QString selectedFileBase() { return ::selectedFileBase(catalogue(), *CmbBxLang); }
    // The web link of the language file; raises an error naming it unless it is
    // an http or https address.
    QUrl webLink() const { return languageFileWebLink(catalogue()); }

    // Commands, each as the user triggers it (errors propagate to the caller).
    void Button1Click(); // add
    void Button2Click(); // modify
    void Button3Click(); // delete
    void N11Click();     // clear data
    void N8Click();      // about
    void N3Click();      // load from a record file
    void N51Click();     // export a report of the assessment
    void N9Click();      // sample data
    // Save to the list's own file, asking for one when untitled.
    void saveClick() { m_listFile.saveList(); }
    // Save as: to a record file the user names.
    void N50Click() { m_listFile.saveListAs(); }
    // Help contents: the manual of the interface's language, in the user's browser.
    void N6Click() { openManual(shell(), catalogue(), m_context.programFolder); }
    // The web site, and an e-mail to the author.
    void N16Click() { shell().openAddress(webLink()); }
    void N17Click() { shell().openAddress(MailLink); }
    // The assessment to the clipboard, as HTML and as plain text.
    void copyAssessmentClick();
    void CmbBxLangChange();
    void ComboBox1Change();

    // Delete and Modify (buttons and context menu) enabled exactly when the list
    // holds a row, and, when asked, the list has the keyboard focus.
    void applyEnablingRule(bool requireListFocus = false);

    CrimeCategories crimeCategories; // the current language's category texts

    bool LocalizedOnce = false;

    TEdit_frm *Edit_frm = nullptr;
    TAboutFrm *AboutFrm = nullptr;

signals:
    // A recomputation ran: the assessment at the calculation date is new (it is
    // lastAssessment()), and so are the rows' notes.
    void assessed(const RecidivismAssessment &assessment, QDate calculationDate);

protected:
    void showEvent(QShowEvent *event) override;
    // Closing asks first about unsaved changes; a cancel keeps the window open.
    void closeEvent(QCloseEvent *event) override;

private:
    // What the texts of a language just made current leave to do: the explanation's
    // texts are looked up again, Undo and Redo named anew, and Qt's translation and
    // the calendars' month names follow.
    void followInterfaceLanguage();
    // What the report and the copy say of the inputs on screen and their last
    // assessment, in the current language.
    ReportContent currentReportContent();
    // Every text of the main window by its key.
    TextTable textTable();
    void buildMenus();
    void buildCurrentCrimeGroup();
    void buildConvictionsGroup();
    void buildResultPanel();
    void connectCommands();
    void connectKeyboard();
    void FormCreate();
    void FormShow();
    // Moves the line between the list and the result so that the result shows
    // whole where the list, keeping its rows, can spare the room.
    void giveResultItsRoom() { ::giveResultItsRoom(*ResultSplitter, *m_convictions, *m_result); }
    // The rows' notes, the grounds and the horizon of the last assessment.
    void showExplanation(const QString &answer);
    // The current language's "String.Yes" and "String.No".
    AnswerTexts answerTexts() const;
    // The list's file name and its modified mark in the title.
    void showTitle();
    void undoEdit();
    void redoEdit();
    // The new crime's inputs, as the document's crime.
    void takeCrimeFromInputs() { m_document->setCrime(currentCrime()); }
    // Runs a command of the user's, showing what it raises.
    template<typename Command>
    void command(Command &&run)
    {
        runCommand(this, std::forward<Command>(run));
    }

    Shell &shell() const { return m_context.shell != nullptr ? *m_context.shell : *m_desktopShell; }
    FileChooser &fileChooser() const
    {
        return m_context.fileChooser != nullptr ? *m_context.fileChooser : *m_dialogFileChooser;
    }

    // The window's own widgets and actions; the groups hold theirs.
    QMenuBar *mMenu;
    QMenu *N1;
    QAction *N11;
    QAction *SaveAction; // save to the list's own file
    QAction *N50;        // save as
    QAction *N3;
    QAction *N51; // export report
    QAction *N2;
    QMenu *EditMenu;     // undo, redo and copying the assessment
    QAction *UndoAction; // also in the list's context menu
    QAction *RedoAction;
    QAction *CopyAssessment; // the assessment to the clipboard
    QMenu *N20;
    QMenu *N21;
    LanguageSelector *CmbBxLang;
    QMenu *N5;
    QAction *N6;
    QAction *N9;
    QAction *N16;
    QAction *N17;
    QAction *N8;

    QSplitter *ResultSplitter; // the convictions above, the result under them

    AuthorStatusBar *StatusBar1;

    ProgramContext &m_context;
    QtTranslation m_qtTranslation;
    std::unique_ptr<Shell> m_desktopShell;
    std::unique_ptr<FileChooser> m_dialogFileChooser;
    ListDocument *m_document;
    ListFileCommands m_listFile;
    NewCrimeGroup *m_newCrime = nullptr;
    ConvictionsGroup *m_convictions = nullptr;
    ResultArea *m_result = nullptr;
    RecidivismAssessment m_lastAssessment;
    mutable std::optional<ExplanationTexts> m_explanationTexts;
    FileNoteTexts m_fileNoteTexts; // written by the localisation pass
    // The texts of what a result entails, written by the localisation pass.
    ConsequenceTexts m_consequenceTexts;
    QString m_caption; // the window's title without the list's file
    UndoActions *m_undoActions = nullptr;
    bool m_shownBefore = false;
};
