// The error handler: the full stop added to a shown message, and runCommand
// handing what a command raised, and only that, to the presenter.
#include "ui/errorhandler.h"

#include <QWidget>
#include <QtTest>

#include <stdexcept>

class TestErrorHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void addsFullStopAfterHighCharacters_data();
    void addsFullStopAfterHighCharacters();
    void runCommandShowsWhatWasRaised_data();
    void runCommandShowsWhatWasRaised();
};

void TestErrorHandler::init()
{
    setErrorPresenter([](QWidget *, const QString &shown) {
        QFAIL(qPrintable(QStringLiteral("unexpected error shown: ") + shown));
    });
}

void TestErrorHandler::addsFullStopAfterHighCharacters_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "date"
                            << "date.";
    QTest::newRow("full stop already") << "x."
                                       << "x.";
    QTest::newRow("closing parenthesis (0x29)") << "(x)"
                                                << "(x)";
    QTest::newRow("exclamation mark (0x21)") << "x!"
                                             << "x!";
    QTest::newRow("apostrophe (0x27)") << "Invalid data type for 'Lang'"
                                       << "Invalid data type for 'Lang'";
    QTest::newRow("slash (0x2F), just above") << "a/"
                                              << "a/.";
    QTest::newRow("digit") << "error 5"
                           << "error 5.";
    QTest::newRow("Cyrillic") << QString::fromUtf8("Ошибка") << QString::fromUtf8("Ошибка.");
    QTest::newRow("empty") << ""
                           << "";
}

void TestErrorHandler::addsFullStopAfterHighCharacters()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(shownErrorText(message), shown);
}

void TestErrorHandler::runCommandShowsWhatWasRaised_data()
{
    QTest::addColumn<QString>("raised"); // what the command throws
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("nothing") << "" << QStringList{};
    QTest::newRow("runtime error")
        << "RuntimeError" << QStringList{"Failed to set data for 'Lang'"};
    QTest::newRow("runtime error, Cyrillic")
        << "RuntimeError Cyrillic" << QStringList{QString::fromUtf8("Нет файла.")};
    QTest::newRow("standard exception") << "std::runtime_error" << QStringList{"out of range."};
    QTest::newRow("bad_alloc") << "std::bad_alloc" << QStringList{"std::bad_alloc."};
}

void TestErrorHandler::runCommandShowsWhatWasRaised()
{
    QFETCH(QString, raised);
    QFETCH(QStringList, shown);

    QWidget owner;
    QStringList recorded;
    setErrorPresenter([&](QWidget *givenOwner, const QString &text) {
        QCOMPARE(givenOwner, &owner);
        recorded.append(text);
    });
    bool ranToTheThrow = false;
    runCommand(&owner, [&] {
        ranToTheThrow = true;
        if (raised == u"RuntimeError")
            throw RuntimeError(QStringLiteral("Failed to set data for 'Lang'"));
        if (raised == u"RuntimeError Cyrillic")
            throw RuntimeError(QString::fromUtf8("Нет файла"));
        if (raised == u"std::runtime_error")
            throw std::runtime_error("out of range");
        if (raised == u"std::bad_alloc")
            throw std::bad_alloc();
    });
    QVERIFY(ranToTheThrow);
    QCOMPARE(recorded, shown);
}

QTEST_MAIN(TestErrorHandler)
#include "tst_errorhandler.moc"
