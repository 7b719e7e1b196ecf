// The settings layer: "Lang" of group "Settings" read as text, a value of another
// type refused, and a write that cannot reach the store reported, the stored
// value kept.
#include "platform/languagesetting.h"
#include "platform/runtimeerror.h"
#include "support/fullfilesystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguageSetting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsStoredValue_data();
    void readsStoredValue();
    void writtenValueReadsBackInAFreshStore();
    void unwritableStoreIsReported();
    void fullDiskKeepsTheStoredLanguage_data();
    void fullDiskKeepsTheStoredLanguage();

private:
    SettingsOpener openerFor(const QString &path) const;
    std::optional<QTemporaryDir> m_dir;
    QString m_path;
};

SettingsOpener TestLanguageSetting::openerFor(const QString &path) const
{
    return [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); };
}

void TestLanguageSetting::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    m_path = QDir(m_dir->path()).filePath(QStringLiteral("settings.ini"));
}

void TestLanguageSetting::readsStoredValue_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("error");
    QTest::newRow("absent") << QVariant() << ""
                            << "";
    QTest::newRow("name") << QVariant("Russian") << "Russian"
                          << "";
    QTest::newRow("empty text") << QVariant("") << ""
                                << "";
    QTest::newRow("Cyrillic name")
        << QVariant(QString::fromUtf8("Русский")) << QString::fromUtf8("Русский") << "";
    QTest::newRow("list") << QVariant(QStringList{"Russian", "French"}) << ""
                          << "Invalid data type for 'Lang'";
    QTest::newRow("bytes") << QVariant(QByteArray("Russian")) << ""
                           << "Invalid data type for 'Lang'";
}

void TestLanguageSetting::readsStoredValue()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, read);
    QFETCH(QString, error);
    if (stored.isValid()) {
        QSettings settings(m_path, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settings/Lang"), stored);
        // A value outside the group is not the setting.
        settings.setValue(QStringLiteral("Lang"), QStringLiteral("French"));
    }
    const LanguageSetting setting(openerFor(m_path));
    try {
        QCOMPARE(setting.read(), read);
        QVERIFY2(error.isEmpty(), "no error raised");
    } catch (const RuntimeError &raised) {
        QCOMPARE(raised.message(), error);
    }
}

void TestLanguageSetting::writtenValueReadsBackInAFreshStore()
{
    const LanguageSetting setting(openerFor(m_path));
    setting.write(QStringLiteral("French"));
    setting.write(QString::fromUtf8("Русский"));
    QCOMPARE(QSettings(m_path, QSettings::IniFormat).value(QStringLiteral("Settings/Lang")),
             QVariant(QString::fromUtf8("Русский")));
    QCOMPARE(LanguageSetting(openerFor(m_path)).read(), QString::fromUtf8("Русский"));
}

void TestLanguageSetting::unwritableStoreIsReported()
{
    // A folder that is a regular file: the store cannot be written even by root.
    const QString blocker = QDir(m_dir->path()).filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const LanguageSetting setting(openerFor(QDir(blocker).filePath(QStringLiteral("s.ini"))));
    QCOMPARE(setting.read(), QString());
    try {
        setting.write(QStringLiteral("Russian"));
        QFAIL("no error raised");
    } catch (const RuntimeError &raised) {
        QCOMPARE(raised.message(), QStringLiteral("Failed to set data for 'Lang'"));
    }
}

void TestLanguageSetting::fullDiskKeepsTheStoredLanguage_data()
{
    QTest::addColumn<qint64>("room"); // bytes left free once the file system is full
    QTest::newRow("no room at all") << qint64(0);
    // The store's lock file fits, its new content does not.
    QTest::newRow("room for one page") << qint64(4096);
}

void TestLanguageSetting::fullDiskKeepsTheStoredLanguage()
{
    QFETCH(qint64, room);
    const FullFileSystem disk;
    SKIP_UNLESS_MOUNTED(disk);
    const QString path = disk.path(QStringLiteral("settings.ini"));
    LanguageSetting(openerFor(path)).write(QStringLiteral("English"));
    QFile stored(path);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray before = stored.readAll();
    stored.close();
    QVERIFY(disk.fill(room));

    try {
        LanguageSetting(openerFor(path)).write(QString::fromUtf8("Русский"));
        QFAIL("no error raised");
    } catch (const RuntimeError &raised) {
        QCOMPARE(raised.message(), QStringLiteral("Failed to set data for 'Lang'"));
    }
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), before);
    QCOMPARE(disk.filesOtherThanFiller(), QStringList{QStringLiteral("settings.ini")});
    // The next start reads what was stored before.
    QCOMPARE(LanguageSetting(openerFor(path)).read(), QStringLiteral("English"));
}

QTEST_GUILESS_MAIN(TestLanguageSetting)
#include "tst_languagesetting.moc"
