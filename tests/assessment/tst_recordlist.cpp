// The list of convictions: its operations and the change reports a view relies on.
#include "assessment/recordlist.h"
#include "support/assessmentfixture.h"

#include <QSignalSpy>
#include <QtTest>

class TestRecordList : public QObject
{
    Q_OBJECT

private slots:
    void appendStartsWithEmptyInForce();
    void replaceFieldsKeepsInForce();
    void everyWriteIsReported();
    void removeAndClear();
    void showsSevenColumnsReadOnly();
};

void TestRecordList::appendStartsWithEmptyInForce()
{
    RecordList list;
    ConvictionRecord record = conviction("07.04.2009", "grave");
    record.InForce = "Yes";
    QCOMPARE(list.append(record), 0);
    QCOMPARE(list.append(conviction("08.04.2009", "small")), 1);
    QCOMPARE(list.count(), 2);
    QVERIFY(list.at(0).InForce.isEmpty());
    QCOMPARE(list.at(1).Date, QStringLiteral("08.04.2009"));
}

void TestRecordList::replaceFieldsKeepsInForce()
{
    RecordList list;
    list.append(conviction("07.04.2009", "grave"));
    list.setInForce(0, "No");
    list.replaceFields(0, conviction("01.01.2020", "medium", "No", "Yes", "Yes"));
    QCOMPARE(list.at(0), (ConvictionRecord{"01.01.2020", "medium", "No", "Yes", "Yes", "No"}));
}

// The window's enabling rule listens for these reports, also for writes that
// leave a text as it was.
void TestRecordList::everyWriteIsReported()
{
    RecordList list;
    list.append(conviction("07.04.2009", "grave"));
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    list.setInForce(0, "Yes");
    list.setInForce(0, "Yes");
    list.replaceFields(0, list.at(0));
    list.setInForceTexts({"Yes"});
    QCOMPARE(changed.size(), 4);
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
    QCOMPARE(list.at(1).Severity, QStringLiteral("grave"));
    QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(reset.size(), 1);
}

// Six fields, then the expiry date the assessment writes.
void TestRecordList::showsSevenColumnsReadOnly()
{
    RecordList list;
    list.append(conviction("07.04.2009", "grave", "Yes", "No", "No"));
    list.setInForce(0, "Yes");
    list.setExpiryDates({QDate(2015, 4, 7), QDate(2000, 1, 1)}, fixtureDateFormat());
    list.setColumnTitles(
        {"Date", "Gravity", "Custody", "Minor", "Deferment", "In force", "Expunged on"});
    QCOMPARE(list.columnCount(), 7);
    const QStringList expected{"07.04.2009", "grave", "Yes", "No", "No", "Yes", "07.04.2015"};
    for (int column = 0; column < 7; ++column)
        QCOMPARE(list.data(list.index(0, column)).toString(), expected[column]);
    QCOMPARE(list.headerData(6, Qt::Horizontal).toString(), QStringLiteral("Expunged on"));
    // The whole title is the tooltip of a header too narrow to show it.
    QCOMPARE(list.headerData(6, Qt::Horizontal, Qt::ToolTipRole).toString(),
             QStringLiteral("Expunged on"));
    QVERIFY(!(list.flags(list.index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(!list.data(list.index(1, 0)).isValid());
}

QTEST_GUILESS_MAIN(TestRecordList)
#include "tst_recordlist.moc"
