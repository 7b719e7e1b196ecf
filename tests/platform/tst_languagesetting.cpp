// The settings layer: "Lang" of group "Settings" read as text, a value of another
// type refused, and a write that cannot reach the store reported.
#include "platform/languagesetting.h"
#include "platform/runtimeerror.h"

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

QTEST_GUILESS_MAIN(TestLanguageSetting)
#include "tst_languagesetting.moc"
