// The ordered list of previous convictions: the system's only store of them. As
// a table model it reports every change to the view that shows it.
#pragma once

#include "assessment/convictionrecord.h"
#include "platform/shortdateformat.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class RecordList : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RecordList(QObject *parent = nullptr);

    int count() const { return int(m_records.size()); }
    const ConvictionRecord &at(int row) const { return m_records.at(row); }
    const QList<ConvictionRecord> &records() const { return m_records; }

    // Appends a row; its InForce text starts empty whatever the record holds.
    int append(ConvictionRecord record);
    // Inserts a row before the given one (at count(): after the last); its InForce
    // text starts empty, as an appended row's does.
    void insert(int row, ConvictionRecord record);
    // Replaces fields 1 to 5 and the details of a row; its InForce text stays.
    void replaceFields(int row, const ConvictionRecord &fields);
    void setInForce(int row, const QString &answer);
    // Writes the InForce text of the first answers.size() rows, with one report.
    void setInForceTexts(const QStringList &answers);
    // The expiry dates the last column shows, by row, in the given format (a null
    // date shows nothing); the other rows show none. Formatted only when shown.
    void setExpiryDates(const QList<QDate> &expiries, const ShortDateFormat &format);
    QString expiryText(int row) const;
    void remove(int row);
    void clear();
    // Replaces the whole list in one step (a loaded file).
    void replaceAll(QList<ConvictionRecord> records);
    // Rewrites every row's texts in place, with one report: the rows, and so the
    // view's selection, stay. The list must keep its length.
    void rewriteAll(QList<ConvictionRecord> records);

    // Which rows are dated after the current crime, by row (the others are not):
    // the view marks them, as they never count. Their data answers
    // DatedAfterCrimeRole with true, and their row number carries a mark.
    void setDatedAfterCrime(const QList<bool> &rows);
    bool datedAfterCrime(int row) const { return m_datedAfterCrime.value(row); }
    static constexpr int DatedAfterCrimeRole = Qt::UserRole;
    // What follows a row's number in the vertical header when it is dated after
    // the current crime.
    static constexpr QChar AfterCrimeMark = u'*';

    // Which rows' answers rest on a fact not given or on a point where courts
    // differ, by row: their row number carries a mark, and their note says why.
    void setInDoubt(const QList<bool> &rows);
    bool inDoubt(int row) const { return m_inDoubt.value(row); }
    static constexpr QChar InDoubtMark = u'?';

    // The notes of the first notes.size() rows, shown as every cell's tooltip (as
    // rich text, so that long lines wrap); the other rows get none.
    void setRowNotes(const QStringList &notes);
    QString rowNote(int row) const { return m_notes.value(row); }
    // The note as a tooltip shows it: rich text, so that long lines wrap while the
    // note's own lines stay lines; empty without a note.
    QString rowToolTip(int row) const;

    // The list's columns: the six fields, then the expiry date. Its rows are
    // numbered from 1 in the vertical header, as the result's grounds name them.
    static constexpr int ExpiryColumn = ConvictionRecord::FieldCount;
    static constexpr int ColumnCount = ExpiryColumn + 1;

    void setColumnTitles(const QStringList &titles);
    void setColumnTitle(int column, const QString &title);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void reportRowChanged(int firstRow, int lastRow, int firstColumn, int lastColumn);
    // Keeps the marks of the rows, reporting a change with the given role and in
    // the rows' numbers.
    void setRowMarks(QList<bool> &marks, const QList<bool> &rows, int role);

    QList<ConvictionRecord> m_records;
    QStringList m_notes;           // by row; rewritten by every recomputation
    QList<QDate> m_expiries;       // likewise
    QList<bool> m_datedAfterCrime; // likewise
    QList<bool> m_inDoubt;         // likewise
    ShortDateFormat m_expiryFormat;
    QStringList m_columnTitles;
};
