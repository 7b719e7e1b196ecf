#include "ui/convictiontable.h"

#include "document/recordlist.h"

ConvictionTable::ConvictionTable(RecordList &records, const ShortDateFormat &dateFormat,
                                 QObject *parent)
    : QIdentityProxyModel(parent)
    , m_records(records)
    , m_dateFormat(dateFormat)
{
    setSourceModel(&records);
    // The notes are by row: the assessment that follows a change rewrites them.
    connect(&records, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) {
                if (first < m_notes.size()) {
                    for (int row = first; row <= last; ++row)
                        m_notes.insert(row, QString());
                }
            });
    connect(&records, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first, int last) {
                if (first < m_notes.size())
                    m_notes.remove(first, std::min<qsizetype>(last + 1, m_notes.size()) - first);
            });
    connect(&records, &QAbstractItemModel::modelReset, this, [this] { m_notes.clear(); });
}

void ConvictionTable::setWords(const RecordTexts &words)
{
    m_words = words;
    repaintAll();
}

void ConvictionTable::setColumnTitle(int column, const QString &title)
{
    while (m_titles.size() < RecordColumn::Count)
        m_titles.append(QString());
    m_titles[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void ConvictionTable::setRowNotes(const QStringList &notes)
{
    m_notes = notes.mid(0, m_records.count());
    if (m_records.count() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, RecordColumn::Count - 1),
                         {Qt::ToolTipRole});
}

QString ConvictionTable::rowToolTip(int row) const
{
    const QString note = m_notes.value(row);
    if (note.isEmpty())
        return {};
    // As rich text a tooltip wraps its long lines instead of running across the
    // screen.
    return QStringLiteral("<p>") + note.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

void ConvictionTable::repaintAll()
{
    if (m_records.count() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, RecordColumn::Count - 1),
                         {Qt::DisplayRole});
}

QString ConvictionTable::shownText(int row, int column) const
{
    const RowFinding found = m_records.finding(row);
    switch (column) {
    case RecordColumn::InForce:
        return found.inForce ? m_words.answers.textOf(*found.inForce) : QString();
    case RecordColumn::Expiry:
        return found.expiry.isValid() ? m_dateFormat.format(found.expiry) : QString();
    default: return recordFieldText(m_records.at(row), column, m_words, m_dateFormat);
    }
}

QVariant ConvictionTable::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole: return shownText(index.row(), index.column());
    case Qt::ToolTipRole: {
        const QString tip = rowToolTip(index.row());
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    default: return QIdentityProxyModel::data(index, role);
    }
}

QVariant ConvictionTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The rows' numbers follow their places, so a deletion renumbers the rows below.
    if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0 &&
        section < m_records.count()) {
        const RowFinding found = m_records.finding(section);
        QString number = QString::number(section + 1);
        if (found.datedAfterCrime)
            number += AfterCrimeMark;
        if (found.inDoubt)
            number += InDoubtMark;
        return number;
    }
    // A title the column is too narrow for is elided: its tooltip gives it whole.
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole) ||
        section < 0 || section >= m_titles.size())
        return QIdentityProxyModel::headerData(section, orientation, role);
    return m_titles.at(section);
}
