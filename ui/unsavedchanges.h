// Changes not saved yet: the question asked before they would be lost (closing
// the window, clearing the data, the sample data, opening another file), and the
// main window's title that shows them.
#pragma once

#include "localisation/texttable.h"

#include <QString>

class QWidget;

// The question's texts, written by the localisation pass.
struct UnsavedChangesTexts
{
    QString title;         // the message box's title
    QString question;      // for a list not saved to a file yet
    QString questionNamed; // for a list from a file: %1 the file's name
    QString save;
    QString discard;
    QString cancel;
};

TextTable unsavedChangesTextTable(UnsavedChangesTexts &texts);

enum class UnsavedChoice { Save, Discard, Cancel };

// Asks whether to save the changes first: Save, Discard or Cancel (which Esc and
// closing the box also answer). The file's name shows in the question when the
// list has one.
UnsavedChoice askAboutUnsavedChanges(QWidget *owner, const UnsavedChangesTexts &texts,
                                     const QString &filePath);

// The window title for a list: "list.har[*] — caption", or "caption[*]" for a list
// not saved to a file yet; "[*]" is where a modified window shows its "*".
QString listWindowTitle(const QString &caption, const QString &filePath);
