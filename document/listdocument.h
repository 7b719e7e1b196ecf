// The list of convictions as a document: its records, the new crime, the
// history of its edits, the file it belongs to and whether it is saved there.
// It opens, saves and replaces the list and assesses it; it knows no window. The
// main window shows it, asks the user what it needs, and keeps the new crime's
// inputs in step with crime().
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/recidivism.h"
#include "document/listcommands.h"
#include "document/savedpoints.h"
#include "localisation/filenotes.h"
#include "platform/shortdateformat.h"
#include "records/recordwords.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QUndoCommand;
class QUndoStack;
class RecordList;

class ListDocument : public QObject
{
    Q_OBJECT

public:
    // The category texts of the current language, which a file's severities are
    // written in and first read with, and those of every installed language,
    // which a file's other texts are read with.
    struct Languages
    {
        std::function<CrimeCategories()> current;
        std::function<QList<CrimeCategories>()> installed;
    };

    ListDocument(Languages languages, const ShortDateFormat &dateFormat, QObject *parent = nullptr);

    RecordList &records() const { return *m_records; }
    QUndoStack &history() const { return *m_history; }
    // The file the list was last saved to or opened from; empty for an untitled list.
    const QString &file() const { return m_file; }
    const CurrentCrime &crime() const { return m_crime; }
    // What the file last opened left to say.
    const FileNotes &fileNotes() const { return m_fileNotes; }

    // The new crime as its inputs now show it: no edit of the history, but part
    // of what is saved.
    void setCrime(const CurrentCrime &crime);

    // The list or the new crime differs from what the list's file holds (for an
    // untitled list: from the empty list it started as).
    bool hasUnsavedChanges() const;

    // An edit of the list, pushed onto the history.
    void push(std::unique_ptr<QUndoCommand> edit);
    void addRecord(const ConvictionRecord &record);
    // Nothing when the record equals the row's: OK without a change is no edit.
    void modifyRecord(int row, const ConvictionRecord &modified);
    void deleteRecord(int row);
    // Replaces the whole case through an undoable command named by the key, as
    // an untitled list. A cleared case is the empty list Kovrant starts with:
    // it has nothing to lose.
    enum class Replacement { Cleared, Sample };
    void replaceCase(const char16_t *nameKey, const QList<ConvictionRecord> &records,
                     const CurrentCrime &crime, Replacement kind);

    // Replaces the list with a file's records, and the new crime with the
    // file's where it has one; the history starts again from the file. The whole
    // file is read first: a damaged one leaves the document as it was.
    void open(const QString &path);
    // Writes the list and the new crime to the file, which the list then belongs to.
    void save(const QString &path);

    // The list assessed against the new crime (what was found of each row
    // written into the list), emitted as assessed().
    RecidivismAssessment assess();

signals:
    // The new crime changed from within (a file opened, an edit undone): its
    // inputs show it anew.
    void crimeReplaced(const CurrentCrime &crime);
    // The file, or whether the list is saved, may have changed.
    void stateChanged();
    void assessed(const RecidivismAssessment &assessment, QDate calculationDate);

private:
    ListPoint currentPoint() const;
    void markSaved(const QString &path);
    CaseState caseState() const;
    void showCase(const CaseState &state);

    Languages m_languages;
    ShortDateFormat m_dateFormat;
    RecordList *m_records;
    QUndoStack *m_history;
    QString m_file;
    CurrentCrime m_crime;
    FileNotes m_fileNotes;
    SavedPoints m_savedPoints;
};
