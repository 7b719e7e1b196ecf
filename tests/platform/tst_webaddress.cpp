// A web address from a text others may write: http and https with a host are
// opened; a local program or file, another scheme, or no host is refused with
// the text in the message.
#include "platform/runtimeerror.h"
#include "platform/webaddress.h"

#include <QtTest>

class TestWebAddress : public QObject
{
    Q_OBJECT

private slots:
    void onlyHttpAddressesPass_data();
    void onlyHttpAddressesPass();
};

void TestWebAddress::onlyHttpAddressesPass_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("https") << "https://example.org/code" << true;
    QTest::newRow("HTTP in capitals") << "HTTP://example.org/" << true;
    QTest::newRow("long address") << "https://example.org/" + QString(400, u'a') << true;
    QTest::newRow("local program") << "file:///usr/bin/xterm" << false;
    QTest::newRow("bare path") << "/usr/bin/xterm" << false;
    QTest::newRow("Windows path") << "C:\\Windows\\System32\\cmd.exe" << false;
    QTest::newRow("other scheme") << "javascript:alert(1)" << false;
    QTest::newRow("no host") << "http://" << false;
    QTest::newRow("empty") << "" << false;
}

void TestWebAddress::onlyHttpAddressesPass()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    try {
        const QUrl address = webAddress(text);
        QVERIFY2(accepted, qPrintable(address.toString()));
        QCOMPARE(address, QUrl(text, QUrl::StrictMode));
    } catch (const RuntimeError &error) {
        QVERIFY2(!accepted, qPrintable(error.message()));
        QVERIFY2(error.message().contains(text), qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(TestWebAddress)
#include "tst_webaddress.moc"
