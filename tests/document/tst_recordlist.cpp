// The list of convictions as the document holds it: its operations, the values
// its cells give, what an assessment found of each row, and the change reports
// the view relies on.
#include "document/recordlist.h"
#include "support/assessmentfixture.h"

#include <QSignalSpy>
#include <QtTest>

class TestRecordList : public QObject
{
    Q_OBJECT

private slots:
    void insertedRowsAreFoundNothingOf();
    void replaceKeepsWhatWasFound();
    void everyWriteIsReported();
    void removeAndClear();
    void cellsGiveValues();
};

void TestRecordList::insertedRowsAreFoundNothingOf()
{
    RecordList list;
    QCOMPARE(list.append(conviction("07.04.2009", "grave")), 0);
    QCOMPARE(list.append(conviction("08.04.2009", "small")), 1);
    list.setFindings({RowFinding{true, QDate(2015, 4, 7), true, true},
                      RowFinding{false, QDate(2012, 4, 8), false, false}});
    list.insert(1, conviction("01.01.2010", "medium"));
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.at(1).date, QDate(2010, 1, 1));
    // The row inserted has no answer until the next assessment; the others keep theirs.
    QCOMPARE(list.finding(1), RowFinding{});
    QCOMPARE(list.finding(0).inForce, std::optional(true));
    QCOMPARE(list.finding(2).expiry, QDate(2012, 4, 8));
    list.remove(0);
    QCOMPARE(list.finding(1).expiry, QDate(2012, 4, 8));
}

void TestRecordList::replaceKeepsWhatWasFound()
{
    RecordList list;
    list.append(conviction("07.04.2009", "grave"));
    list.setFindings({RowFinding{false, QDate(2015, 4, 7), false, false}});
    const ConvictionRecord modified = conviction("01.01.2020", "medium", "No", "Yes", "Yes");
    list.replace(0, modified);
    QCOMPARE(list.at(0), modified);
    QCOMPARE(list.finding(0).inForce, std::optional(false));
}

// The window's enabling rule listens for these reports, also for writes that
// leave a row as it was; the rows' numbers carry the marks, so a change of mark
// reports the vertical header.
void TestRecordList::everyWriteIsReported()
{
    RecordList list;
    list.append(conviction("07.04.2009", "grave"));
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    QSignalSpy header(&list, &QAbstractItemModel::headerDataChanged);
    list.replace(0, list.at(0));
    list.setFindings({RowFinding{true, {}, false, false}});
    list.setFindings({RowFinding{true, {}, false, false}});
    QCOMPARE(changed.size(), 3);
    QCOMPARE(header.size(), 0);
    list.setFindings({RowFinding{true, {}, true, false}});
    QCOMPARE(header.size(), 1);
}

void TestRecordList::removeAndClear()
{
    RecordList list;
    for (const char *severity : {"small", "medium", "grave"})
        list.append(conviction("07.04.2009", severity));
    QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
    list.remove(1);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.at(1).gravity, ConvictionGravity(Gravity::Grave));
    QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(reset.size(), 1);
}

// Five facts, whether it is in force and the expiry date, as values: no words.
void TestRecordList::cellsGiveValues()
{
    RecordList list;
    list.append(conviction("07.04.2009", "grave", "Yes", "No", "Yes"));
    list.append(conviction("07.04.2009", "Кража"));
    QCOMPARE(list.columnCount(), 7);
    const auto fact = [&](int row, int column) {
        return list.data(list.index(row, column), RecordList::FactRole);
    };
    QCOMPARE(fact(0, RecordColumn::Date).toDate(), QDate(2009, 4, 7));
    QCOMPARE(fact(0, RecordColumn::Severity).toInt(), int(Gravity::Grave));
    QCOMPARE(fact(1, RecordColumn::Severity).toString(), QStringLiteral("Кража"));
    QCOMPARE(fact(0, RecordColumn::Custody).toBool(), true);
    QCOMPARE(fact(0, RecordColumn::Juvenile).toBool(), false);
    QCOMPARE(fact(0, RecordColumn::Reprieve).toBool(), true);
    // Not assessed yet: no answer and no expiry.
    QVERIFY(!fact(0, RecordColumn::InForce).isValid());
    QVERIFY(!fact(0, RecordColumn::Expiry).isValid());
    list.setFindings({RowFinding{true, QDate(2015, 4, 7), false, true}});
    QCOMPARE(fact(0, RecordColumn::InForce).toBool(), true);
    QCOMPARE(fact(0, RecordColumn::Expiry).toDate(), QDate(2015, 4, 7));
    QCOMPARE(list.data(list.index(0, 0), RecordList::InDoubtRole).toBool(), true);
    QCOMPARE(list.data(list.index(0, 0), RecordList::DatedAfterCrimeRole).toBool(), false);
    // The list shows no words of its own.
    QVERIFY(!list.data(list.index(0, 0), Qt::DisplayRole).isValid());
    QVERIFY(!(list.flags(list.index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(!list.data(list.index(2, 0)).isValid());
}

QTEST_GUILESS_MAIN(TestRecordList)
#include "tst_recordlist.moc"
