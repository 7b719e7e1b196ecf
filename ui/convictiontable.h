// The list of convictions as the window shows it: the document's records and
// what was found of them, in the current language's words and the user's date
// format, with the column titles, the rows' numbers and marks, and each row's
// note as its tooltip. A change of language repaints it; no record changes.
#pragma once

#include "localisation/recordcolumns.h"
#include "platform/shortdateformat.h"
#include "records/recordwords.h"

#include <QIdentityProxyModel>
#include <QStringList>

class RecordList;

class ConvictionTable : public QIdentityProxyModel
{
    Q_OBJECT

public:
    ConvictionTable(RecordList &records, const ShortDateFormat &dateFormat, QObject *parent);

    const RecordList &records() const { return m_records; }

    // The words the rows' facts show in; every row repaints.
    void setWords(const RecordTexts &words);
    void setColumnTitle(int column, const QString &title);

    // The notes of the first notes.size() rows, shown as every cell's tooltip;
    // the other rows get none. Inserted and removed rows take their notes along.
    void setRowNotes(const QStringList &notes);
    QString rowNote(int row) const { return m_notes.value(row); }
    // The note as a tooltip shows it: rich text, so that long lines wrap while the
    // note's own lines stay lines; empty without a note.
    QString rowToolTip(int row) const;

    // What follows a row's number when it is dated after the current crime, and
    // when its answer rests on doubt.
    static constexpr QChar AfterCrimeMark = u'*';
    static constexpr QChar InDoubtMark = u'?';

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString shownText(int row, int column) const;
    void repaintAll();

    RecordList &m_records;
    ShortDateFormat m_dateFormat;
    RecordTexts m_words;
    QStringList m_titles;
    QStringList m_notes; // by row; rewritten by every assessment
};
