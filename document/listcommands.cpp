#include "document/listcommands.h"

#include "document/recordlist.h"

AddRecordCommand::AddRecordCommand(RecordList &list, ConvictionRecord record)
    : m_list(list)
    , m_row(list.count())
    , m_record(std::move(record))
{
    setText(QString::fromUtf16(AddCommandKey));
}

void AddRecordCommand::redo()
{
    m_list.insert(m_row, m_record);
}

void AddRecordCommand::undo()
{
    m_list.remove(m_row);
}

ModifyRecordCommand::ModifyRecordCommand(RecordList &list, int row, ConvictionRecord modified)
    : m_list(list)
    , m_row(row)
    , m_before(list.at(row))
    , m_after(std::move(modified))
{
    setText(QString::fromUtf16(ModifyCommandKey));
}

void ModifyRecordCommand::redo()
{
    m_list.replace(m_row, m_after);
}

void ModifyRecordCommand::undo()
{
    m_list.replace(m_row, m_before);
}

DeleteRecordCommand::DeleteRecordCommand(RecordList &list, int row)
    : m_list(list)
    , m_row(row)
    , m_record(list.at(row))
{
    setText(QString::fromUtf16(DeleteCommandKey));
}

void DeleteRecordCommand::redo()
{
    m_list.remove(m_row);
}

void DeleteRecordCommand::undo()
{
    m_list.insert(m_row, m_record);
}

ReplaceCaseCommand::ReplaceCaseCommand(const char16_t *nameKey, CaseState before, CaseState after,
                                       ShowCase show)
    : m_before(std::move(before))
    , m_after(std::move(after))
    , m_show(std::move(show))
{
    setText(QString::fromUtf16(nameKey));
}

void ReplaceCaseCommand::redo()
{
    m_show(m_after);
}

void ReplaceCaseCommand::undo()
{
    m_show(m_before);
}

TextTable undoTextTable(UndoTexts &texts)
{
    TextTable table{
        {u"String.Undo", into(texts.undo)},
        {u"String.Redo", into(texts.redo)},
        {u"String.UndoCommand", into(texts.undoCommand)},
        {u"String.RedoCommand", into(texts.redoCommand)},
    };
    for (const char16_t *key :
         {AddCommandKey, ModifyCommandKey, DeleteCommandKey, ClearCommandKey, SampleCommandKey})
        table.append({key, [&texts, key](const QString &name) {
                          texts.names.insert(QString::fromUtf16(key), name);
                      }});
    return table;
}

QString undoActionText(const QString &plain, const QString &withName, const QString &commandText,
                       const UndoTexts &texts)
{
    const QString name = texts.names.value(commandText);
    return name.isEmpty() ? plain : filledText(withName, name);
}
