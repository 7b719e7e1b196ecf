#include "ui/filechooser.h"

#include <QFileDialog>
#include <QFileInfo>

QStringList fileDialogFilters(const QString &pipeText)
{
    const QStringList parts = pipeText.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = QString(parts[i + 1]).replace(u';', u' ').simplified();
        if (pattern.isEmpty())
            continue;
        const QString bracketed = u'(' + pattern + u')';
        filters.append(description.endsWith(bracketed)
                           ? description
                           : (description + u' ' + bracketed).trimmed());
    }
    if (filters.isEmpty())
        filters.append(QStringLiteral("(*.har)"));
    return filters;
}

namespace {

std::optional<QString> runDialog(QWidget *owner, const FileDialogSetup &setup,
                                 QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, setup.title);
    dialog.setAcceptMode(mode);
    // Opening takes existing files only; saving asks before replacing one.
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(fileDialogFilters(setup.filter));
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (!setup.startPath.isEmpty()) {
        const QFileInfo start(setup.startPath);
        if (start.isDir()) {
            dialog.setDirectory(start.absoluteFilePath());
        } else {
            dialog.setDirectory(start.absolutePath());
            dialog.selectFile(start.fileName());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<QString> DialogFileChooser::chooseFileToOpen(QWidget *owner,
                                                           const FileDialogSetup &setup)
{
    return runDialog(owner, setup, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogFileChooser::chooseFileToSave(QWidget *owner,
                                                           const FileDialogSetup &setup)
{
    return runDialog(owner, setup, QFileDialog::AcceptSave);
}
