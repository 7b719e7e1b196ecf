#include "ui/listfilecommands.h"

#include "catalogue/uLocalize.h"
#include "document/listdocument.h"

#include <QDir>
#include <QFileInfo>

QString folderOf(const QString &listFile)
{
    return listFile.isEmpty() ? QString() : QFileInfo(listFile).absolutePath();
}

QString withSuffix(const QString &listFile, const QString &suffix)
{
    if (listFile.isEmpty())
        return {};
    const QFileInfo file(listFile);
    return QDir(file.absolutePath()).filePath(file.completeBaseName() + u'.' + suffix);
}

ListFileCommands::ListFileCommands(QWidget &window, const ListDocument &document,
                                   LanguageCatalogue &catalogue,
                                   std::function<FileChooser &()> fileChooser,
                                   std::function<void(const QString &fileName)> write)
    : m_window(window)
    , m_document(document)
    , m_catalogue(catalogue)
    , m_fileChooser(std::move(fileChooser))
    , m_write(std::move(write))
{
}

bool ListFileCommands::saveList()
{
    if (m_document.file().isEmpty())
        return saveListAs();
    m_write(m_document.file());
    return true;
}

bool ListFileCommands::saveListAs()
{
    m_saveSetup.title = m_catalogue.Translate(QStringLiteral("Button.SaveAs"));
    m_saveSetup.startPath = m_document.file();
    const std::optional<QString> fileName =
        m_fileChooser().chooseFileToSave(&m_window, m_saveSetup);
    if (fileName)
        m_write(*fileName);
    return fileName.has_value();
}

std::optional<QString> ListFileCommands::chooseFileToOpen()
{
    m_openSetup.title = m_catalogue.Translate(QStringLiteral("Button.Open"));
    m_openSetup.startPath = folderOf(m_document.file());
    return m_fileChooser().chooseFileToOpen(&m_window, m_openSetup);
}

bool ListFileCommands::changesSettled()
{
    if (!m_document.hasUnsavedChanges())
        return true;
    switch (askAboutUnsavedChanges(&m_window, m_unsavedTexts, m_document.file())) {
    case UnsavedChoice::Save: return saveList();
    case UnsavedChoice::Discard: return true;
    case UnsavedChoice::Cancel: break;
    }
    return false;
}

TextTable ListFileCommands::textTable()
{
    TextTable texts{
        {u"String.CharacterFileFilter", into(m_openSetup.filter)},
        {u"String.CharacterFileFilter", into(m_saveSetup.filter)},
    };
    texts.append(unsavedChangesTextTable(m_unsavedTexts));
    return texts;
}
