// The edits of the list of convictions that can be undone: adding, modifying and
// deleting a row, and replacing the whole case (clear data, sample data), the
// list's file with it. Each holds its records as values, which no change of
// language touches. A command's text is the language key of its name; the Edit
// menu looks it up in the current language (undoActionText).
#pragma once

#include "assessment/convictionrecord.h"
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

// Appends a record after the list's last row.
class AddRecordCommand : public QUndoCommand
{
public:
    AddRecordCommand(RecordList &list, ConvictionRecord record);
    void redo() override;
    void undo() override;

private:
    RecordList &m_list;
    int m_row;
    ConvictionRecord m_record;
};

// Replaces a row's facts and details with the given ones (what was found of it
// stays until the next assessment).
class ModifyRecordCommand : public QUndoCommand
{
public:
    ModifyRecordCommand(RecordList &list, int row, ConvictionRecord modified);
    void redo() override;
    void undo() override;

private:
    RecordList &m_list;
    int m_row;
    ConvictionRecord m_before; // the row as it was, then the row as modified
    ConvictionRecord m_after;
};

// Deletes a row; undone, the row comes back at its place.
class DeleteRecordCommand : public QUndoCommand
{
public:
    DeleteRecordCommand(RecordList &list, int row);
    void redo() override;
    void undo() override;

private:
    RecordList &m_list;
    int m_row;
    ConvictionRecord m_record;
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

// Replaces the whole case; the document shows a case through the given function.
class ReplaceCaseCommand : public QUndoCommand
{
public:
    using ShowCase = std::function<void(const CaseState &)>;
    ReplaceCaseCommand(const char16_t *nameKey, CaseState before, CaseState after, ShowCase show);
    void redo() override;
    void undo() override;

private:
    CaseState m_before;
    CaseState m_after;
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
