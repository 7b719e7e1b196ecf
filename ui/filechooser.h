// Asks the user for a record file to open or to save to. The program shows the
// desktop's file dialogs; tests answer with a file name of their own.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The title, filter text, default suffix and start a file dialog is set up with.
struct FileDialogSetup
{
    QString title;
    QString filter; // "description|pattern|..." as the language file gives it
    QString defaultSuffix = QStringLiteral("har");
    // The folder the dialog opens in, or a file in it whose name it suggests;
    // empty: where the dialog would open by itself.
    QString startPath;
};

// The filter list of a file dialog from "description|pattern" pairs: each pair
// becomes "description (pattern)" (a description that already ends with its
// pattern in brackets stays as it is), a ";" between patterns becomes a blank.
// An empty or incomplete text gives "(*.har)".
QStringList fileDialogFilters(const QString &pipeText);

class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // An existing file, or nothing when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(QWidget *owner,
                                                    const FileDialogSetup &setup) = 0;
    // A file name to save to, confirmed when it exists; nothing when cancelled.
    virtual std::optional<QString> chooseFileToSave(QWidget *owner,
                                                    const FileDialogSetup &setup) = 0;
};

class DialogFileChooser : public FileChooser
{
public:
    std::optional<QString> chooseFileToOpen(QWidget *owner, const FileDialogSetup &setup) override;
    std::optional<QString> chooseFileToSave(QWidget *owner, const FileDialogSetup &setup) override;
};
