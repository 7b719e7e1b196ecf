#include "document/recordlist.h"

RecordList::RecordList(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int RecordList::append(ConvictionRecord record)
{
    const int row = count();
    insert(row, std::move(record));
    return row;
}

void RecordList::insert(int row, ConvictionRecord record)
{
    beginInsertRows({}, row, row);
    m_records.insert(row, std::move(record));
    // The findings are by row: the assessment that follows writes them.
    if (row < m_findings.size())
        m_findings.insert(row, RowFinding{});
    endInsertRows();
}

// A write reports a change even when the facts stay the same: the window's
// enabling rule listens for these reports.
void RecordList::replace(int row, const ConvictionRecord &record)
{
    m_records[row] = record;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void RecordList::remove(int row)
{
    beginRemoveRows({}, row, row);
    m_records.removeAt(row);
    if (row < m_findings.size())
        m_findings.removeAt(row);
    endRemoveRows();
}

void RecordList::clear()
{
    replaceAll({});
}

void RecordList::replaceAll(QList<ConvictionRecord> records)
{
    beginResetModel();
    m_records = std::move(records);
    m_findings.clear();
    endResetModel();
}

void RecordList::setFindings(const QList<RowFinding> &findings)
{
    const QList<RowFinding> found = findings.mid(0, m_records.size());
    // The rows' numbers carry the marks: the header repaints where one changed.
    bool marksKept = true;
    for (int row = 0; row < count() && marksKept; ++row) {
        const RowFinding before = finding(row);
        const RowFinding after = found.value(row);
        marksKept =
            before.datedAfterCrime == after.datedAfterCrime && before.inDoubt == after.inDoubt;
    }
    m_findings = found;
    if (m_records.isEmpty())
        return;
    emit dataChanged(index(0, 0), index(count() - 1, ColumnCount - 1));
    if (!marksKept)
        emit headerDataChanged(Qt::Vertical, 0, count() - 1);
}

int RecordList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int RecordList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecordList::fact(int row, int column) const
{
    const ConvictionRecord &record = m_records.at(row);
    const RowFinding found = finding(row);
    switch (column) {
    case RecordColumn::Date: return record.date;
    case RecordColumn::Severity:
        if (const std::optional<Gravity> &gravity = record.gravity.known())
            return int(*gravity);
        return record.gravity.unrecognisedText();
    case RecordColumn::Custody: return record.custody;
    case RecordColumn::Juvenile: return record.juvenile;
    case RecordColumn::Reprieve: return record.reprieve;
    case RecordColumn::InForce: return found.inForce ? QVariant(*found.inForce) : QVariant();
    default: return found.expiry.isValid() ? QVariant(found.expiry) : QVariant();
    }
}

QVariant RecordList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case FactRole: return fact(index.row(), index.column());
    case DatedAfterCrimeRole: return finding(index.row()).datedAfterCrime;
    case InDoubtRole: return finding(index.row()).inDoubt;
    default: return {};
    }
}

Qt::ItemFlags RecordList::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
