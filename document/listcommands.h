// The edits of the list of convictions that can be undone: adding, modifying and
// deleting a row, and replacing the whole case (clear data, sample data), the
// list's file with it. Each holds its records as values, with the texts of the
// language they were written in, and writes them back in the language current
// when it is undone or redone: a change of language between the two does not
// bring back the old language's texts. A command's text is the language key of
// its name; the Edit menu looks it up in the current language (undoActionText).
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/crimecategories.h"
#include "assessment/recidivism.h"
#include "localisation/filenotes.h"
#include "localisation/texttable.h"

#include <QHash>
#include <QList>
#include <QUndoCommand>

#include <functional>

class RecordList;

// The language keys of the commands' names.
inline constexpr char16_t AddCommandKey[] = u"String.EditAdd";
inline constexpr char16_t ModifyCommandKey[] = u"String.EditModify";
inline constexpr char16_t DeleteCommandKey[] = u"String.EditDelete";
inline constexpr char16_t ClearCommandKey[] = u"String.EditClear";
inline constexpr char16_t SampleCommandKey[] = u"String.EditSample";

// The list the commands edit, and the texts of the current language its rows
// are written in.
struct EditedList
{
    RecordList &list;
    std::function<RecordTexts()> currentTexts;
};

// Records held apart from the list, with the texts of the language they were
// written in.
class HeldRecords
{
public:
    HeldRecords(QList<ConvictionRecord> records, RecordTexts writtenIn);
    // The records in the given language's texts.
    QList<ConvictionRecord> in(const RecordTexts &current) const;

private:
    QList<ConvictionRecord> m_records;
    RecordTexts m_writtenIn;
};

// Appends a record after the list's last row.
class AddRecordCommand : public QUndoCommand
{
public:
    AddRecordCommand(EditedList edited, ConvictionRecord record);
    void redo() override;
    void undo() override;

private:
    EditedList m_edited;
    int m_row;
    HeldRecords m_record;
};

// Replaces a row's fields and details with the given ones (its InForce text
// stays until the recomputation).
class ModifyRecordCommand : public QUndoCommand
{
public:
    ModifyRecordCommand(EditedList edited, int row, ConvictionRecord fields);
    void redo() override;
    void undo() override;

private:
    EditedList m_edited;
    int m_row;
    HeldRecords m_before; // the row as it was, then the row as modified
    HeldRecords m_after;
};

// Deletes a row; undone, the row comes back at its place.
class DeleteRecordCommand : public QUndoCommand
{
public:
    DeleteRecordCommand(EditedList edited, int row);
    void redo() override;
    void undo() override;

private:
    EditedList m_edited;
    int m_row;
    HeldRecords m_record;
};

// The list, the new crime, what the file last opened left to say, and the file
// the list belongs to: what clear data and sample data replace. Undone, they
// give the list back its file, and Save writes there again.
struct CaseState
{
    QList<ConvictionRecord> records;
    CurrentCrime newCrime;
    FileNotes fileNotes;
    QString file; // empty: an untitled list
};

// Replaces the whole case; the window shows a case (its records in the current
// language) through the given function.
class ReplaceCaseCommand : public QUndoCommand
{
public:
    using ShowCase = std::function<void(const CaseState &)>;
    // The states' records are written in the current language.
    ReplaceCaseCommand(const char16_t *nameKey, std::function<RecordTexts()> currentTexts,
                       const CaseState &before, const CaseState &after, ShowCase show);
    void redo() override;
    void undo() override;

private:
    struct HeldCase
    {
        HeldRecords records;
        CurrentCrime newCrime;
        FileNotes fileNotes;
        QString file;
    };
    void show(const HeldCase &state) const;

    std::function<RecordTexts()> m_currentTexts;
    HeldCase m_before;
    HeldCase m_after;
    ShowCase m_show;
};

// The texts of the Undo and Redo commands, written by the localisation pass.
struct UndoTexts
{
    QString undo;                  // "&Undo": with nothing to undo
    QString redo;                  // "&Redo"
    QString undoCommand;           // "&Undo %1": %1 the name of the command undone
    QString redoCommand;           // "&Redo %1"
    QHash<QString, QString> names; // each command's name by its language key
};

TextTable undoTextTable(UndoTexts &texts);

// "&Undo add": the command's name in the text with a name; the plain text when
// there is no command (an empty command text) or its name is unknown.
QString undoActionText(const QString &plain, const QString &withName, const QString &commandText,
                       const UndoTexts &texts);
