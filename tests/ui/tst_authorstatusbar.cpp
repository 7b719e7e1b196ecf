// The status bar's author line: a double click on the bar or on the line itself
// is reported once, and goes no further; a single click is no report.
#include "ui/authorstatusbar.h"

#include "windowchild.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class TestAuthorStatusBar : public QObject
{
    Q_OBJECT

private slots:
    void doubleClickAnywhereIsReported_data();
    void doubleClickAnywhereIsReported();
    void authorLineByKey();
};

void TestAuthorStatusBar::doubleClickAnywhereIsReported_data()
{
    QTest::addColumn<bool>("onTheLine"); // else on the bar beside it
    QTest::addColumn<bool>("twice");     // a double click, else a single one
    QTest::addColumn<int>("reports");
    QTest::newRow("double click on the line") << true << true << 1;
    QTest::newRow("double click on the bar") << false << true << 1;
    QTest::newRow("single click on the line") << true << false << 0;
    QTest::newRow("single click on the bar") << false << false << 0;
}

void TestAuthorStatusBar::doubleClickAnywhereIsReported()
{
    QFETCH(bool, onTheLine);
    QFETCH(bool, twice);
    QFETCH(int, reports);
    QWidget window;
    auto *bar = new AuthorStatusBar(&window);
    QCOMPARE(bar->objectName(), QStringLiteral("StatusBar1"));
    QWidget *target = onTheLine ? static_cast<QWidget *>(&child<QLabel>(window, "StatusPanel0"))
                                : static_cast<QWidget *>(bar);
    const QSignalSpy spy(bar, &AuthorStatusBar::doubleClicked);
    if (twice)
        QTest::mouseDClick(target, Qt::LeftButton);
    else
        QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(spy.count(), reports);
}

void TestAuthorStatusBar::authorLineByKey()
{
    QWidget window;
    auto *bar = new AuthorStatusBar(&window);
    const TextTable texts = bar->textTable();
    QCOMPARE(keysOf(texts), QStringList{QStringLiteral("String.AuthorQuennard")});
    texts.first().receive(QStringLiteral("Written by the author"));
    QCOMPARE(child<QLabel>(window, "StatusPanel0").text(), QStringLiteral("Written by the author"));
}

QTEST_MAIN(TestAuthorStatusBar)
#include "tst_authorstatusbar.moc"
