// The drop rule on its own, without the main window: only a drag of one local
// ".har" file is taken, and only its drop hands the file on; any other drag is
// left to the window.
#include "ui/recordfiledrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <QtTest>

class TestRecordFileDrop : public QObject
{
    Q_OBJECT

private slots:
    void takesOneLocalRecordFile_data();
    void takesOneLocalRecordFile();
    void noDataIsNoFile();
};

void TestRecordFileDrop::takesOneLocalRecordFile_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<bool>("taken");
    const QUrl list = QUrl::fromLocalFile(QDir::temp().filePath("client.har"));
    QTest::newRow("a list") << QList<QUrl>{list} << true;
    QTest::newRow("extension in capitals")
        << QList<QUrl>{QUrl::fromLocalFile(QDir::temp().filePath("CLIENT.HAR"))} << true;
    QTest::newRow("another kind of file")
        << QList<QUrl>{QUrl::fromLocalFile(QDir::temp().filePath("client.txt"))} << false;
    QTest::newRow("two lists at once")
        << QList<QUrl>{list, QUrl::fromLocalFile(QDir::temp().filePath("other.har"))} << false;
    QTest::newRow("a list on the web")
        << QList<QUrl>{QUrl(QStringLiteral("https://example.org/client.har"))} << false;
    QTest::newRow("no file, only text") << QList<QUrl>{} << false;
}

void TestRecordFileDrop::takesOneLocalRecordFile()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(bool, taken);
    QMimeData data;
    data.setUrls(urls);
    if (urls.isEmpty())
        data.setText(QStringLiteral("client.har"));
    const std::optional<QString> expected =
        taken ? std::optional<QString>(urls.first().toLocalFile()) : std::nullopt;
    QCOMPARE(droppedRecordFile(&data), expected);

    QWidget window;
    QStringList opened;
    new RecordFileDrop(window, [&](const QString &path) { opened.append(path); });
    QVERIFY(window.acceptDrops());
    const QPoint centre = window.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(&window, &enter);
    QCOMPARE(enter.isAccepted(), taken);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    QCoreApplication::sendEvent(&window, &drop);
    QCOMPARE(drop.isAccepted(), taken);
    QCOMPARE(opened, taken ? QStringList{*expected} : QStringList{});
}

void TestRecordFileDrop::noDataIsNoFile()
{
    QCOMPARE(droppedRecordFile(nullptr), std::nullopt);
}

QTEST_MAIN(TestRecordFileDrop)
#include "tst_recordfiledrop.moc"
