// Replacing a whole file: with room the new bytes take the old ones' place; on a
// full file system the old file stays byte for byte, or a new one stays absent,
// no temporary file is left behind, and "Unable to write to" is raised.
#include "platform/atomicwrite.h"
#include "platform/runtimeerror.h"
#include "support/fullfilesystem.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAtomicWrite : public QObject
{
    Q_OBJECT

private slots:
    void replacesOrKeepsTheOldFile_data();
    void replacesOrKeepsTheOldFile();
};

void TestAtomicWrite::replacesOrKeepsTheOldFile_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no file yet
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<qint64>("room"); // bytes left free once the file system is full
    QTest::addColumn<bool>("replaced");
    const QByteArray old = "[previous_conviction]\r\ncount=1\r\ndate0=07.04.2009\r\n";
    const QByteArray longer = old + "heaviness0=Grave crime\r\n";
    QTest::newRow("room enough") << old << longer << qint64(8192) << true;
    // A write this small sits in a buffer: only the flush finds the disk full.
    QTest::newRow("full: a few bytes over a file") << old << longer << qint64(0) << false;
    QTest::newRow("full: more than a write buffer over a file")
        << old << QByteArray(40 * 1024, 'x') << qint64(0) << false;
    QTest::newRow("full: a new file") << QByteArray() << longer << qint64(0) << false;
}

void TestAtomicWrite::replacesOrKeepsTheOldFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(qint64, room);
    QFETCH(bool, replaced);
    const FullFileSystem disk;
    SKIP_UNLESS_MOUNTED(disk);
    const QString path = disk.path(QStringLiteral("list.har"));
    if (!before.isEmpty())
        QVERIFY(disk.write(QStringLiteral("list.har"), before));
    QVERIFY(disk.fill(room));

    try {
        replaceFileAtomically(path, after);
        QVERIFY2(replaced, "no error raised");
    } catch (const RuntimeError &error) {
        QVERIFY2(!replaced, qPrintable(error.message()));
        QCOMPARE(error.message(), "Unable to write to " + QDir::toNativeSeparators(path));
    }
    QCOMPARE(readAll(path), replaced ? after : before);
    QCOMPARE(QFile::exists(path), replaced || !before.isEmpty());
    QCOMPARE(disk.filesOtherThanFiller(),
             QFile::exists(path) ? QStringList{QStringLiteral("list.har")} : QStringList());
}

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "tst_atomicwrite.moc"
