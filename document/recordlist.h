// The ordered list of previous convictions, the document's only store of them,
// with what the last assessment found of each row. As a table model it reports
// every change to the model that shows it; it holds values, and the view's model
// (ui/convictiontable) gives them their words.
#pragma once

#include "assessment/convictionrecord.h"
#include "localisation/recordcolumns.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QList>

#include <optional>

// What an assessment found of one row.
struct RowFinding
{
    std::optional<bool> inForce; // none until the row is assessed
    QDate expiry;                // null where no term applies
    bool datedAfterCrime = false;
    bool inDoubt = false; // its answer rests on a fact not given or a point courts differ on

    friend bool operator==(const RowFinding &, const RowFinding &) = default;
};

class RecordList : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RecordList(QObject *parent = nullptr);

    int count() const { return int(m_records.size()); }
    const ConvictionRecord &at(int row) const { return m_records.at(row); }
    const QList<ConvictionRecord> &records() const { return m_records; }
    // What the last assessment found of a row; nothing for a row not assessed
    // since it was added.
    RowFinding finding(int row) const { return m_findings.value(row); }

    int append(ConvictionRecord record);
    // Inserts a row before the given one (at count(): after the last), found
    // nothing of yet.
    void insert(int row, ConvictionRecord record);
    // Replaces a row's facts; what was found of it stays until the next assessment.
    void replace(int row, const ConvictionRecord &record);
    void remove(int row);
    void clear();
    // Replaces the whole list in one step (a loaded file).
    void replaceAll(QList<ConvictionRecord> records);
    // What an assessment found of the first findings.size() rows; the others are
    // found nothing of.
    void setFindings(const QList<RowFinding> &findings);

    // The value of a cell: the date, the category (its Gravity as a number, or the
    // unrecognised text), a yes/no fact, whether it is in force (none before an
    // assessment), its expiry date.
    static constexpr int FactRole = Qt::UserRole;
    // Whether the row is dated after the current crime: it never counts.
    static constexpr int DatedAfterCrimeRole = Qt::UserRole + 1;
    // Whether the row's answer rests on doubt.
    static constexpr int InDoubtRole = Qt::UserRole + 2;

    // The record's five facts, whether it is in force, and its expiry date.
    static constexpr int ColumnCount = RecordColumn::Count;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = FactRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QVariant fact(int row, int column) const;

    QList<ConvictionRecord> m_records;
    QList<RowFinding> m_findings; // by row; rewritten by every assessment
};
