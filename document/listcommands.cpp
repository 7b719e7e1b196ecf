#include "document/listcommands.h"

#include "assessment/recordlist.h"
#include "localisation/recordtranslation.h"

HeldRecords::HeldRecords(QList<ConvictionRecord> records, RecordTexts writtenIn)
    : m_records(std::move(records))
    , m_writtenIn(std::move(writtenIn))
{
}

QList<ConvictionRecord> HeldRecords::in(const RecordTexts &current) const
{
    return translatedRecords(m_records, m_writtenIn, current);
}

namespace {

ConvictionRecord single(const QList<ConvictionRecord> &records)
{
    return records.first();
}

} // namespace

AddRecordCommand::AddRecordCommand(EditedList edited, ConvictionRecord record)
    : m_edited(std::move(edited))
    , m_row(m_edited.list.count())
    , m_record({std::move(record)}, m_edited.currentTexts())
{
    setText(QString::fromUtf16(AddCommandKey));
}

void AddRecordCommand::redo()
{
    m_edited.list.insert(m_row, single(m_record.in(m_edited.currentTexts())));
}

void AddRecordCommand::undo()
{
    m_edited.list.remove(m_row);
}

ModifyRecordCommand::ModifyRecordCommand(EditedList edited, int row, ConvictionRecord fields)
    : m_edited(std::move(edited))
    , m_row(row)
    , m_before({m_edited.list.at(row)}, m_edited.currentTexts())
    , m_after({std::move(fields)}, m_edited.currentTexts())
{
    setText(QString::fromUtf16(ModifyCommandKey));
}

void ModifyRecordCommand::redo()
{
    m_edited.list.replaceFields(m_row, single(m_after.in(m_edited.currentTexts())));
}

void ModifyRecordCommand::undo()
{
    m_edited.list.replaceFields(m_row, single(m_before.in(m_edited.currentTexts())));
}

DeleteRecordCommand::DeleteRecordCommand(EditedList edited, int row)
    : m_edited(std::move(edited))
    , m_row(row)
    , m_record({m_edited.list.at(row)}, m_edited.currentTexts())
{
    setText(QString::fromUtf16(DeleteCommandKey));
}

void DeleteRecordCommand::redo()
{
    m_edited.list.remove(m_row);
}

void DeleteRecordCommand::undo()
{
    m_edited.list.insert(m_row, single(m_record.in(m_edited.currentTexts())));
}

ReplaceCaseCommand::ReplaceCaseCommand(const char16_t *nameKey,
                                       std::function<RecordTexts()> currentTexts,
                                       const CaseState &before, const CaseState &after,
                                       ShowCase show)
    : m_currentTexts(std::move(currentTexts))
    , m_before{HeldRecords(before.records, m_currentTexts()), before.newCrime, before.fileNotes,
               before.file}
    , m_after{HeldRecords(after.records, m_currentTexts()), after.newCrime, after.fileNotes,
              after.file}
    , m_show(std::move(show))
{
    setText(QString::fromUtf16(nameKey));
}

void ReplaceCaseCommand::redo()
{
    show(m_after);
}

void ReplaceCaseCommand::undo()
{
    show(m_before);
}

void ReplaceCaseCommand::show(const HeldCase &state) const
{
    m_show(
        CaseState{state.records.in(m_currentTexts()), state.newCrime, state.fileNotes, state.file});
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
