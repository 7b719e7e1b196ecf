// A date typed or pasted into a date field: every separator or none, two-digit
// years in their fixed window, and the difference between a text still being
// typed and one that can never be a date, in day-first, month-first and
// year-first orders.
#include "platform/shortdateformat.h"
#include "platform/typeddate.h"

#include <QtTest>

namespace {
ShortDateFormat formatFor(const QString &localeName)
{
    return ShortDateFormat(QLocale(localeName), [] { return QDate(2026, 12, 9); });
}
} // namespace

Q_DECLARE_METATYPE(TypedDate::State)

class TestTypedDate : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
};

void TestTypedDate::reads_data()
{
    using State = TypedDate::State;
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<State>("state");
    QTest::addColumn<QDate>("date"); // for State::Date
    const QDate march12(2019, 3, 12);

    QTest::newRow("ru: dots") << "ru_RU"
                              << "12.03.2019" << State::Date << march12;
    QTest::newRow("ru: slashes") << "ru_RU"
                                 << "12/03/2019" << State::Date << march12;
    QTest::newRow("ru: hyphens") << "ru_RU"
                                 << "12-03-2019" << State::Date << march12;
    QTest::newRow("ru: one-digit parts") << "ru_RU"
                                         << "5.3.2019" << State::Date << QDate(2019, 3, 5);
    QTest::newRow("ru: no separators") << "ru_RU"
                                       << "12032019" << State::Date << march12;
    QTest::newRow("ru: no separators, short year") << "ru_RU"
                                                   << "120319" << State::Date << march12;
    QTest::newRow("ru: blanks around a paste") << "ru_RU"
                                               << " 12.03.2019\n"
                                               << State::Date << march12;
    QTest::newRow("ru: 29 is 2029") << "ru_RU"
                                    << "12.03.29" << State::Date << QDate(2029, 3, 12);
    QTest::newRow("ru: 30 is 1930") << "ru_RU"
                                    << "12.03.30" << State::Date << QDate(1930, 3, 12);
    QTest::newRow("ru: 00 is 2000") << "ru_RU"
                                    << "01.01.00" << State::Date << QDate(2000, 1, 1);
    QTest::newRow("ru: 99 is 1999") << "ru_RU"
                                    << "31.12.99" << State::Date << QDate(1999, 12, 31);

    QTest::newRow("ru: empty") << "ru_RU"
                               << "" << State::Unfinished << QDate();
    QTest::newRow("ru: day and separator") << "ru_RU"
                                           << "12." << State::Unfinished << QDate();
    QTest::newRow("ru: year begun") << "ru_RU"
                                    << "12.03.201" << State::Unfinished << QDate();
    QTest::newRow("ru: one-digit year") << "ru_RU"
                                        << "12.03.2" << State::Unfinished << QDate();
    QTest::newRow("ru: digits begun") << "ru_RU"
                                      << "1203" << State::Unfinished << QDate();
    QTest::newRow("ru: seven digits") << "ru_RU"
                                      << "1203201" << State::Unfinished << QDate();

    QTest::newRow("ru: 31 February") << "ru_RU"
                                     << "31.02.2019" << State::NotADate << QDate();
    QTest::newRow("ru: 29 February, common year") << "ru_RU"
                                                  << "29.02.2019" << State::NotADate << QDate();
    QTest::newRow("ru: month 13 before the year") << "ru_RU"
                                                  << "12.13" << State::NotADate << QDate();
    QTest::newRow("ru: day 32") << "ru_RU"
                                << "32" << State::NotADate << QDate();
    QTest::newRow("ru: day 0") << "ru_RU"
                               << "0.3.2019" << State::NotADate << QDate();
    QTest::newRow("ru: 31 February without separators") << "ru_RU"
                                                        << "31022019" << State::NotADate << QDate();
    QTest::newRow("ru: letters") << "ru_RU"
                                 << "12.mar.2019" << State::NotADate << QDate();
    QTest::newRow("ru: four parts") << "ru_RU"
                                    << "12.03.20.19" << State::NotADate << QDate();
    QTest::newRow("ru: five-digit year") << "ru_RU"
                                         << "12.03.20190" << State::NotADate << QDate();
    QTest::newRow("ru: nine digits") << "ru_RU"
                                     << "120320190" << State::NotADate << QDate();
    QTest::newRow("ru: year 0000") << "ru_RU"
                                   << "12.03.0000" << State::NotADate << QDate();

    QTest::newRow("en: month first") << "en_US"
                                     << "3/12/2019" << State::Date << march12;
    QTest::newRow("en: dots in a slash locale") << "en_US"
                                                << "3.12.2019" << State::Date << march12;
    QTest::newRow("en: no separators") << "en_US"
                                       << "03122019" << State::Date << march12;
    QTest::newRow("en: short year") << "en_US"
                                    << "3/12/19" << State::Date << march12;
    QTest::newRow("en: month 13") << "en_US"
                                  << "13/12/2019" << State::NotADate << QDate();
    QTest::newRow("en: 2/31") << "en_US"
                              << "2/31/2019" << State::NotADate << QDate();

    QTest::newRow("fr: day first") << "fr_FR"
                                   << "12/03/2019" << State::Date << march12;
    QTest::newRow("fr: short year") << "fr_FR"
                                    << "12/03/19" << State::Date << march12;

    QTest::newRow("ja: year first") << "ja_JP"
                                    << "2019/03/12" << State::Date << march12;
    QTest::newRow("ja: no separators") << "ja_JP"
                                       << "20190312" << State::Date << march12;
    QTest::newRow("ja: short year first") << "ja_JP"
                                          << "190312" << State::Date << march12;
}

void TestTypedDate::reads()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(TypedDate::State, state);
    QFETCH(QDate, date);
    const TypedDate read = TypedDate::read(text, formatFor(locale));
    QCOMPARE(read.state, state);
    QCOMPARE(read.date, state == TypedDate::State::Date ? date : QDate());
}

QTEST_GUILESS_MAIN(TestTypedDate)
#include "tst_typeddate.moc"
