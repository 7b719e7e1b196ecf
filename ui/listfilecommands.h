// The list's record file as the user handles it: Save writes the list's own file
// or asks for one, Save As always asks, Open asks which file to read; and before
// what would lose unsaved changes, the question whether to save them first.
// Also where the file dialogs about a list start.
#pragma once

#include "localisation/texttable.h"
#include "ui/filechooser.h"
#include "ui/unsavedchanges.h"

#include <QString>

#include <functional>
#include <optional>

class LanguageCatalogue;
class ListDocument;
class QWidget;

// Where the file dialogs about a list start: its folder, and the name of its
// file under another suffix (the report's "pdf"). Both empty for an untitled
// list, whose dialogs start where they would by themselves.
QString folderOf(const QString &listFile);
QString withSuffix(const QString &listFile, const QString &suffix);

class ListFileCommands
{
public:
    // The dialogs' and the question's owner, the document whose file they are
    // about, the file dialogs in use, and the step that writes the list to a file
    // (the window's, which takes the new crime from its inputs first).
    ListFileCommands(QWidget &window, const ListDocument &document, LanguageCatalogue &catalogue,
                     std::function<FileChooser &()> fileChooser,
                     std::function<void(const QString &fileName)> write);

    // Saves to the list's file, or asks for one when it has none / always asks for
    // a file: false when the user cancels; a failed save raises.
    bool saveList();
    bool saveListAs();
    // The record file to open, the dialog starting in the list's file's folder;
    // nothing when the user cancels.
    std::optional<QString> chooseFileToOpen();
    // With unsaved changes, asks whether to save them first, naming the file Save
    // would write: true when what would lose them may go on (saved or discarded),
    // false when the user cancels or the save is cancelled; a failed save raises.
    bool changesSettled();

    // The dialogs' filter and the question's texts, by key.
    TextTable textTable();

private:
    QWidget &m_window;
    const ListDocument &m_document;
    LanguageCatalogue &m_catalogue;
    std::function<FileChooser &()> m_fileChooser;
    std::function<void(const QString &)> m_write;
    FileDialogSetup m_openSetup; // Open's dialog
    FileDialogSetup m_saveSetup; // Save As's dialog
    UnsavedChangesTexts m_unsavedTexts;
};
