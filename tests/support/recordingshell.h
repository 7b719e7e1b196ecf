// Stand-ins for the desktop in window tests: a shell that records what it was
// asked to open, and a file chooser that answers with names given in advance.
#pragma once

#include "platform/shell.h"
#include "ui/filechooser.h"

#include <QList>
#include <QStringList>
#include <QUrl>

class RecordingShell : public Shell
{
public:
    void openAddress(const QUrl &address) override { addresses.append(address); }
    void openHelpPage(const QUrl &page) override { helpPages.append(page); }

    QList<QUrl> addresses;
    QList<QUrl> helpPages;
};

class ScriptedFileChooser : public FileChooser
{
public:
    std::optional<QString> chooseFileToOpen(QWidget *, const FileDialogSetup &setup) override
    {
        return next(setup);
    }
    std::optional<QString> chooseFileToSave(QWidget *, const FileDialogSetup &setup) override
    {
        return next(setup);
    }

    std::optional<QString> answer; // nothing: the user cancels
    // Answers given first, one per question, before answer takes over.
    QList<std::optional<QString>> answersInTurn;
    int questions = 0; // how many times a file was asked for
    FileDialogSetup lastSetup;

private:
    std::optional<QString> next(const FileDialogSetup &setup)
    {
        lastSetup = setup;
        ++questions;
        return answersInTurn.isEmpty() ? answer : answersInTurn.takeFirst();
    }
};
