// Whole numbers from text: decimal, the three hexadecimal prefixes, and refusals.
#include "platform/wholenumber.h"

#include <QtTest>

class TestWholeNumber : public QObject
{
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
};

void TestWholeNumber::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "1049" << true << 1049;
    QTest::newRow("signed") << "-12" << true << -12;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("0x") << "0x0419" << true << 0x419;
    QTest::newRow("0X upper digits") << "0X040C" << true << 0x40C;
    QTest::newRow("dollar") << "$1f" << true << 31;
    QTest::newRow("hex all ones is -1") << "$FFFFFFFF" << true << -1;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("overflow") << "2147483648" << false << 0;
    QTest::newRow("hex overflow") << "0x100000000" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("prefix alone") << "0x" << false << 0;
    QTest::newRow("word") << "Russian" << false << 0;
    QTest::newRow("hex digits without prefix") << "1F" << false << 0;
    QTest::newRow("blank inside") << "1 2" << false << 0;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661") << false << 0;
}

void TestWholeNumber::parses()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<qint32> parsed = parseWholeNumber(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

QTEST_GUILESS_MAIN(TestWholeNumber)
#include "tst_wholenumber.moc"
