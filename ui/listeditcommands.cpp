// The main window's commands that edit the list through its history: a row added
// or modified in the record dialog, the chosen row deleted, the data cleared,
// the sample data, undo and redo. Each answers for the list anew when done.
#include "ui/main.h"

#include "document/recordlist.h"
#include "document/sampledata.h"
#include "ui/addedit_unit.h"
#include "ui/convictionsgroup.h"

#include <QUndoStack>

void TForm1::Button1Click()
{
    Edit_frm->showNewRecord(m_context.dateFormat.today());
    if (Edit_frm->exec() == QDialog::Accepted)
        m_document->addRecord(Edit_frm->record());
    calc_rec();
}

void TForm1::Button2Click()
{
    const std::optional<int> row = m_convictions->chosenRow();
    if (!row)
        return;
    Edit_frm->showRecord(records().at(*row));
    if (Edit_frm->exec() == QDialog::Accepted)
        m_document->modifyRecord(*row, Edit_frm->record());
    calc_rec();
}

void TForm1::Button3Click()
{
    if (const std::optional<int> row = m_convictions->chosenRow()) {
        m_document->deleteRecord(*row);
        m_convictions->clearSelection();
    }
    calc_rec();
    applyEnablingRule(false);
}

void TForm1::N11Click()
{
    if (!changesSettled())
        return;
    // An untitled empty list, no category chosen as at the first start, the
    // custody box as it is. It has nothing to lose: a saved point of its own.
    CurrentCrime crime = currentCrime();
    crime.gravity = std::nullopt;
    crime.negligent = false;
    crime.calculationDate = m_context.dateFormat.today();
    m_document->replaceCase(ClearCommandKey, {}, crime, ListDocument::Replacement::Cleared);
    calc_rec();
}

void TForm1::N9Click()
{
    if (!changesSettled())
        return;
    // A grave new crime today, the custody box as it is.
    CurrentCrime crime = currentCrime();
    crime.gravity = Gravity::Grave;
    crime.negligent = false;
    crime.calculationDate = m_context.dateFormat.today();
    // An untitled list: no file holds it, and Save asks where to write it.
    m_document->replaceCase(SampleCommandKey, sampleRecords(crime.calculationDate), crime,
                            ListDocument::Replacement::Sample);
    // The rows added enable Modify and Delete, as rows added one by one did.
    applyEnablingRule(false);
    calc_rec();
}

void TForm1::undoEdit()
{
    history().undo();
    calc_rec();
    applyEnablingRule(false);
}

void TForm1::redoEdit()
{
    history().redo();
    calc_rec();
    applyEnablingRule(false);
}
