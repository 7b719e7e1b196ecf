#include "document/listdocument.h"

#include "document/recordlist.h"
#include "records/recordfile.h"

#include <QUndoStack>

ListDocument::ListDocument(Languages languages, const ShortDateFormat &dateFormat, QObject *parent)
    : QObject(parent)
    , m_languages(std::move(languages))
    , m_dateFormat(dateFormat)
    , m_records(new RecordList(this))
    , m_history(new QUndoStack(this))
{
    m_crime.calculationDate = m_dateFormat.today();
    connect(m_history, &QUndoStack::indexChanged, this, &ListDocument::stateChanged);
    m_savedPoints.markSaved(currentPoint());
}

void ListDocument::setCrime(const CurrentCrime &crime)
{
    if (crime == m_crime)
        return;
    m_crime = crime;
    emit stateChanged();
}

ListPoint ListDocument::currentPoint() const
{
    return ListPoint{m_file, m_history->index(), m_crime};
}

bool ListDocument::hasUnsavedChanges() const
{
    return !m_savedPoints.isSaved(currentPoint());
}

void ListDocument::push(std::unique_ptr<QUndoCommand> edit)
{
    // The edits beyond the history's index go, and the points saved there.
    m_savedPoints.discardBeyond(m_history->index());
    m_history->push(edit.release()); // the history owns it
}

void ListDocument::addRecord(const ConvictionRecord &record)
{
    push(std::make_unique<AddRecordCommand>(*m_records, record));
}

void ListDocument::modifyRecord(int row, const ConvictionRecord &modified)
{
    if (modified != m_records->at(row))
        push(std::make_unique<ModifyRecordCommand>(*m_records, row, modified));
}

void ListDocument::deleteRecord(int row)
{
    push(std::make_unique<DeleteRecordCommand>(*m_records, row));
}

void ListDocument::replaceCase(const char16_t *nameKey, const QList<ConvictionRecord> &records,
                               const CurrentCrime &crime, Replacement kind)
{
    push(std::make_unique<ReplaceCaseCommand>(nameKey, caseState(),
                                              CaseState{records, crime, {}, {}},
                                              [this](const CaseState &state) { showCase(state); }));
    if (kind == Replacement::Cleared)
        m_savedPoints.markSaved(currentPoint());
    emit stateChanged();
}

void ListDocument::open(const QString &path)
{
    const LoadedRecordFile loaded =
        loadRecordFile(path, m_languages.current(), m_languages.installed(), m_dateFormat);
    m_records->replaceAll(loaded.records);
    if (loaded.newCrime) {
        // A crime saved without a date leaves the date as it is.
        const QDate date = m_crime.calculationDate;
        m_crime = *loaded.newCrime;
        if (!m_crime.calculationDate.isValid())
            m_crime.calculationDate = date;
        emit crimeReplaced(m_crime);
    }
    m_fileNotes = fileNotesOf(loaded);
    // Opening is no edit: the history starts again from the file, and no point
    // saved before is one it can reach.
    m_history->clear();
    m_savedPoints.clear();
    markSaved(path);
}

void ListDocument::save(const QString &path)
{
    saveRecordFile(path, m_records->records(), m_crime, m_languages.current(),
                   m_languages.installed(), m_dateFormat);
    markSaved(path);
}

void ListDocument::markSaved(const QString &path)
{
    m_file = path;
    m_savedPoints.markSaved(currentPoint());
    emit stateChanged();
}

RecidivismAssessment ListDocument::assess()
{
    RecidivismAssessment assessment = assessRecidivism(m_crime, m_records->records());
    QList<RowFinding> findings;
    findings.reserve(assessment.rows.size());
    for (const RowAssessment &row : std::as_const(assessment.rows))
        findings.append(RowFinding{
            row.expungement.inForce, row.expungement.hasTerm() ? row.expungement.expiry : QDate(),
            row.exclusions.testFlag(Exclusion::AfterCalculationDate), bool(row.doubts)});
    m_records->setFindings(findings);
    // After a row that could not be read the result is partial, and without a
    // category there is no result: no horizon either way.
    if (!assessment.failure && !assessment.categoryMissing)
        assessment.horizon = resultHorizon(m_crime, assessment);
    emit assessed(assessment, m_crime.calculationDate);
    return assessment;
}

CaseState ListDocument::caseState() const
{
    return CaseState{m_records->records(), m_crime, m_fileNotes, m_file};
}

void ListDocument::showCase(const CaseState &state)
{
    m_file = state.file;
    m_fileNotes = state.fileNotes;
    m_records->replaceAll(state.records);
    if (state.newCrime != m_crime) {
        m_crime = state.newCrime;
        emit crimeReplaced(m_crime);
    }
    emit stateChanged();
}
