#include "assessment/recordlist.h"

#include <algorithm>

RecordList::RecordList(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int RecordList::append(ConvictionRecord record)
{
    record.InForce.clear();
    const int row = count();
    beginInsertRows({}, row, row);
    m_records.append(std::move(record));
    endInsertRows();
    return row;
}

void RecordList::insert(int row, ConvictionRecord record)
{
    record.InForce.clear();
    beginInsertRows({}, row, row);
    m_records.insert(row, std::move(record));
    // The marks and notes are by row: the recomputation that follows writes them.
    if (row < m_notes.size())
        m_notes.insert(row, QString());
    if (row < m_expiries.size())
        m_expiries.insert(row, QDate());
    if (row < m_datedAfterCrime.size())
        m_datedAfterCrime.insert(row, false);
    if (row < m_inDoubt.size())
        m_inDoubt.insert(row, false);
    endInsertRows();
}

void RecordList::replaceFields(int row, const ConvictionRecord &fields)
{
    ConvictionRecord &record = m_records[row];
    const QString inForce = record.InForce;
    record = fields;
    record.InForce = inForce;
    reportRowChanged(row, row, ConvictionRecord::DateField, ConvictionRecord::ReprieveField);
}

void RecordList::setInForce(int row, const QString &answer)
{
    m_records[row].InForce = answer;
    reportRowChanged(row, row, ConvictionRecord::InForceField, ConvictionRecord::InForceField);
}

void RecordList::setInForceTexts(const QStringList &answers)
{
    const int rows = int(std::min<qsizetype>(answers.size(), m_records.size()));
    if (rows == 0)
        return;
    for (int row = 0; row < rows; ++row)
        m_records[row].InForce = answers.at(row);
    reportRowChanged(0, rows - 1, ConvictionRecord::InForceField, ConvictionRecord::InForceField);
}

void RecordList::setExpiryDates(const QList<QDate> &expiries, const ShortDateFormat &format)
{
    m_expiries = expiries.mid(0, m_records.size());
    m_expiryFormat = format;
    if (!m_records.isEmpty())
        emit dataChanged(index(0, ExpiryColumn), index(count() - 1, ExpiryColumn),
                         {Qt::DisplayRole});
}

QString RecordList::rowToolTip(int row) const
{
    const QString note = m_notes.value(row);
    if (note.isEmpty())
        return {};
    // As rich text a tooltip wraps its long lines instead of running across the
    // screen.
    return QStringLiteral("<p>") + note.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

QString RecordList::expiryText(int row) const
{
    const QDate expiry = m_expiries.value(row);
    return expiry.isValid() ? m_expiryFormat.format(expiry) : QString();
}

void RecordList::remove(int row)
{
    beginRemoveRows({}, row, row);
    m_records.removeAt(row);
    if (row < m_notes.size())
        m_notes.removeAt(row);
    if (row < m_expiries.size())
        m_expiries.removeAt(row);
    if (row < m_datedAfterCrime.size())
        m_datedAfterCrime.removeAt(row);
    if (row < m_inDoubt.size())
        m_inDoubt.removeAt(row);
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
    m_notes.clear();
    m_expiries.clear();
    m_datedAfterCrime.clear();
    m_inDoubt.clear();
    endResetModel();
}

void RecordList::rewriteAll(QList<ConvictionRecord> records)
{
    Q_ASSERT(records.size() == m_records.size());
    m_records = std::move(records);
    if (!m_records.isEmpty())
        reportRowChanged(0, count() - 1, 0, ConvictionRecord::FieldCount - 1);
}

void RecordList::setRowNotes(const QStringList &notes)
{
    m_notes = notes.mid(0, m_records.size());
    if (!m_records.isEmpty())
        emit dataChanged(index(0, 0), index(count() - 1, ColumnCount - 1), {Qt::ToolTipRole});
}

void RecordList::setDatedAfterCrime(const QList<bool> &rows)
{
    setRowMarks(m_datedAfterCrime, rows, DatedAfterCrimeRole);
}

void RecordList::setInDoubt(const QList<bool> &rows)
{
    setRowMarks(m_inDoubt, rows, Qt::DisplayRole);
}

void RecordList::setRowMarks(QList<bool> &marks, const QList<bool> &rows, int role)
{
    const QList<bool> marked = rows.mid(0, m_records.size());
    // std::equal rather than QList's ==, which hands memcmp the null data of an
    // empty list (undefined behaviour, reported by the sanitizer).
    if (std::equal(marked.cbegin(), marked.cend(), marks.cbegin(), marks.cend()))
        return;
    marks = marked;
    if (m_records.isEmpty())
        return;
    emit dataChanged(index(0, 0), index(count() - 1, ColumnCount - 1), {role});
    emit headerDataChanged(Qt::Vertical, 0, count() - 1);
}

void RecordList::setColumnTitles(const QStringList &titles)
{
    m_columnTitles = titles;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void RecordList::setColumnTitle(int column, const QString &title)
{
    while (m_columnTitles.size() < ColumnCount)
        m_columnTitles.append(QString());
    m_columnTitles[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

// A write reports a change even when the text stays the same: the window's
// enabling rule listens for these reports.
void RecordList::reportRowChanged(int firstRow, int lastRow, int firstColumn, int lastColumn)
{
    emit dataChanged(index(firstRow, firstColumn), index(lastRow, lastColumn), {Qt::DisplayRole});
}

int RecordList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int RecordList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecordList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == DatedAfterCrimeRole)
        return datedAfterCrime(index.row());
    if (role == Qt::ToolTipRole) {
        const QString tip = rowToolTip(index.row());
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == ExpiryColumn)
        return expiryText(index.row());
    return m_records.at(index.row()).field(ConvictionRecord::Field(index.column()));
}

QVariant RecordList::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The rows' numbers follow their places, so a deletion renumbers the rows below.
    if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0 &&
        section < count()) {
        QString number = QString::number(section + 1);
        if (datedAfterCrime(section))
            number += AfterCrimeMark;
        if (inDoubt(section))
            number += InDoubtMark;
        return number;
    }
    // A title the column is too narrow for is elided: its tooltip gives it whole.
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole) ||
        section < 0 || section >= m_columnTitles.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_columnTitles.at(section);
}

Qt::ItemFlags RecordList::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
