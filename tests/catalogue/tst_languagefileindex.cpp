// The index of the language files: a file parsed once while it stays as it was,
// and an edit seen at the next lookup: one of another size, one of the same
// size within the time stamp's resolution, a file removed or put back, and one
// that cannot be read, which raises at every lookup.
#include "catalogue/languagefileindex.h"
#include "platform/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool setModified(const QString &path, const QDateTime &when)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(when, QFileDevice::FileModificationTime);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestLanguageFileIndex : public QObject
{
    Q_OBJECT

private slots:
    void unchangedFileIsParsedOnce();
    void editIsSeenAtTheNextLookup_data();
    void editIsSeenAtTheNextLookup();
    void removedFileReadsAsEmpty();
    void unreadableFileRaisesAtEveryLookup();
    void namesMatchWithoutCaseAndTheLaterCounts();

private:
    QTemporaryDir m_dir;
};

void TestLanguageFileIndex::unchangedFileIsParsedOnce()
{
    const QString path = m_dir.filePath("once.lng");
    QVERIFY(writeFile(path, "[String]\nYes=Да\nNo=Нет\n"));
    QVERIFY(setModified(path, QDateTime::currentDateTimeUtc().addSecs(-3600)));
    int reads = 0;
    LanguageFileIndex index(QLocale::c(), [&reads](const QString &file) {
        ++reads;
        return readBytes(file);
    });
    for (int lookup = 0; lookup < 50; ++lookup) {
        QCOMPARE(index.value(path, u"String", u"Yes"), std::optional(QStringLiteral("Да")));
        QCOMPARE(index.value(path, u"String", u"No"), std::optional(QStringLiteral("Нет")));
    }
    QCOMPARE(index.parses(), 1);
    QCOMPARE(reads, 1);
}

// The file is read at a moment the test sets: one second after its time stamp
// (within the resolution) or an hour after it (well outside).
void TestLanguageFileIndex::editIsSeenAtTheNextLookup_data()
{
    QTest::addColumn<QByteArray>("edited");
    // The file system shows the file as before the edit: an edit within one tick
    // of the clock that stamps files, the same size.
    QTest::addColumn<bool>("stampKept");
    QTest::addColumn<int>("readAfterSeconds");
    QTest::addColumn<QString>("seen");
    QTest::newRow("another size") << QByteArray("[String]\nYes=Oui!\n") << false << 3600 << "Oui!";
    QTest::newRow("same size, a later time stamp")
        << QByteArray("[String]\nYes=Non\n") << false << 3600 << "Non";
    // The same size and the same stamps: only the contents tell.
    QTest::newRow("same size and stamp, within the resolution")
        << QByteArray("[String]\nYes=Non\n") << true << 1 << "Non";
    // Long after the stamp the index trusts it and reads nothing: an edit that
    // hides behind the same size and an old stamp goes unseen, as it would by any
    // program that trusts time stamps.
    QTest::newRow("same size and stamp, long after: the index holds")
        << QByteArray("[String]\nYes=Non\n") << true << 3600 << "Oui";
}

void TestLanguageFileIndex::editIsSeenAtTheNextLookup()
{
    QFETCH(QByteArray, edited);
    QFETCH(bool, stampKept);
    QFETCH(int, readAfterSeconds);
    QFETCH(QString, seen);
    const QString path = m_dir.filePath("edited.lng");
    const QDateTime stamp = QDateTime::currentDateTimeUtc().addSecs(-7200);
    QVERIFY(writeFile(path, "[String]\nYes=Oui\n"));
    QVERIFY(setModified(path, stamp));
    const LanguageFileIndex::Stamp before = LanguageFileIndex::stampOf(path);
    LanguageFileIndex index(
        QLocale::c(), {}, [&] { return stamp.addSecs(readAfterSeconds); },
        [&](const QString &file) { return stampKept ? before : LanguageFileIndex::stampOf(file); });
    QCOMPARE(index.value(path, u"String", u"Yes"), std::optional(QStringLiteral("Oui")));

    QVERIFY(writeFile(path, edited));
    QVERIFY(setModified(path, stampKept ? stamp : stamp.addSecs(60)));
    QCOMPARE(index.value(path, u"String", u"Yes"), std::optional(seen));
}

void TestLanguageFileIndex::removedFileReadsAsEmpty()
{
    const QString path = m_dir.filePath("removed.lng");
    QVERIFY(writeFile(path, "[String]\nYes=Ja\n"));
    LanguageFileIndex index(QLocale::c());
    QCOMPARE(index.value(path, u"String", u"Yes"), std::optional(QStringLiteral("Ja")));
    QVERIFY(QFile::remove(path));
    QCOMPARE(index.value(path, u"String", u"Yes"), std::nullopt);
    QVERIFY(writeFile(path, "[String]\nYes=Jawohl\n"));
    QCOMPARE(index.value(path, u"String", u"Yes"), std::optional(QStringLiteral("Jawohl")));
}

// A folder where the file was: "Cannot open file" at every lookup, not an answer
// kept from before; the file back, its text again.
void TestLanguageFileIndex::unreadableFileRaisesAtEveryLookup()
{
    const QString path = m_dir.filePath("blocked.lng");
    QVERIFY(writeFile(path, "[String]\nYes=Si\n"));
    LanguageFileIndex index(QLocale::c());
    QCOMPARE(index.value(path, u"String", u"Yes"), std::optional(QStringLiteral("Si")));
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path));
    for (int lookup = 0; lookup < 2; ++lookup) {
        try {
            index.value(path, u"String", u"Yes");
            QFAIL("a folder was read as a language file");
        } catch (const RuntimeError &error) {
            QVERIFY2(error.message().startsWith(u"Cannot open file"), qPrintable(error.message()));
        }
    }
    QVERIFY(QDir().rmdir(path));
    QVERIFY(writeFile(path, "[String]\nYes=Sì\n"));
    QCOMPARE(index.value(path, u"String", u"Yes"), std::optional(QStringLiteral("Sì")));
}

// As any INI file reads: names without regard to case, a later key and a later
// block of the same section counting.
void TestLanguageFileIndex::namesMatchWithoutCaseAndTheLaterCounts()
{
    const QString path = m_dir.filePath("ini.lng");
    QVERIFY(writeFile(path, "[String]\nYes=first\nYES=second\nGone=old block\n"
                            "[Other]\nNo=other\n[string]\nyes=third\n"));
    LanguageFileIndex index(QLocale::c());
    QCOMPARE(index.value(path, u"STRING", u"yEs"), std::optional(QStringLiteral("third")));
    QCOMPARE(index.value(path, u"String", u"Gone"), std::nullopt);
    QCOMPARE(index.value(path, u"other", u"NO"), std::optional(QStringLiteral("other")));
}

QTEST_GUILESS_MAIN(TestLanguageFileIndex)
#include "tst_languagefileindex.moc"
