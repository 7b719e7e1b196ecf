// The user's short date format: four-digit years when formatting, lenient parsing
// in the locale's order, the two-digit year window, the ISO fallback, the day
// count and date-and-time text.
#include "platform/daycount.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"

#include <QtTest>

namespace {
const QDate Today(2026, 12, 9);

ShortDateFormat formatFor(const QString &localeName)
{
    return ShortDateFormat(QLocale(localeName), [] { return Today; });
}
} // namespace

class TestShortDateFormat : public QObject
{
    Q_OBJECT

private slots:
    void patternAlwaysHasFourDigitYear_data();
    void patternAlwaysHasFourDigitYear();
    void parses_data();
    void parses();
    void formatReadsBack_data();
    void formatReadsBack();
    void invalidTextRaisesWithTheText();
    void dayCountMatchesCalendar_data();
    void dayCountMatchesCalendar();
    void dateTimeText_data();
    void dateTimeText();
    void namedPatternReplacesTheLocales_data();
    void namedPatternReplacesTheLocales();
};

void TestShortDateFormat::patternAlwaysHasFourDigitYear_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("formatted"); // 7 April 2009
    QTest::newRow("ru_RU") << "ru_RU"
                           << "dd.MM.yyyy"
                           << "07.04.2009";
    QTest::newRow("en_US two-digit pattern") << "en_US"
                                             << "M/d/yyyy"
                                             << "4/7/2009";
    QTest::newRow("fr_FR") << "fr_FR"
                           << "dd/MM/yyyy"
                           << "07/04/2009";
    QTest::newRow("de_DE two-digit pattern") << "de_DE"
                                             << "dd.MM.yyyy"
                                             << "07.04.2009";
    QTest::newRow("ja_JP year first") << "ja_JP"
                                      << "yyyy/MM/dd"
                                      << "2009/04/07";
    QTest::newRow("C locale falls back to ISO") << "C"
                                                << "yyyy-MM-dd"
                                                << "2009-04-07";
    QTest::newRow("bg_BG trailing literal dropped") << "bg_BG"
                                                    << "d.MM.yyyy"
                                                    << "7.04.2009";
}

void TestShortDateFormat::patternAlwaysHasFourDigitYear()
{
    QFETCH(QString, locale);
    QFETCH(QString, pattern);
    QFETCH(QString, formatted);
    const ShortDateFormat format = formatFor(locale);
    QCOMPARE(format.pattern(), pattern);
    QCOMPARE(format.format(QDate(2009, 4, 7)), formatted);
}

void TestShortDateFormat::parses_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid: the text must be refused
    const QDate april7(2009, 4, 7);
    QTest::newRow("ru: one-digit day") << "ru_RU"
                                       << "7.04.2009" << april7;
    QTest::newRow("ru: full") << "ru_RU"
                              << "07.04.2009" << april7;
    QTest::newRow("ru: blanks around") << "ru_RU"
                                       << "  7.4.2009 " << april7;
    QTest::newRow("ru: slash is not the separator") << "ru_RU"
                                                    << "7/04/2009" << QDate();
    QTest::newRow("ru: two numbers mean this year") << "ru_RU"
                                                    << "7.04" << QDate(2026, 4, 7);
    QTest::newRow("ru: two-digit year in the past half") << "ru_RU"
                                                         << "7.04.09" << april7;
    QTest::newRow("ru: 76 is 1976") << "ru_RU"
                                    << "1.1.76" << QDate(1976, 1, 1);
    QTest::newRow("ru: 75 is 1975, not a future year") << "ru_RU"
                                                       << "1.1.75" << QDate(1975, 1, 1);
    QTest::newRow("ru: 29 is 2029") << "ru_RU"
                                    << "1.1.29" << QDate(2029, 1, 1);
    QTest::newRow("ru: 30 is 1930") << "ru_RU"
                                    << "1.1.30" << QDate(1930, 1, 1);
    QTest::newRow("ru: 00 is 2000") << "ru_RU"
                                    << "1.1.00" << QDate(2000, 1, 1);
    QTest::newRow("ru: one-digit year") << "ru_RU"
                                        << "1.1.9" << QDate(2009, 1, 1);
    QTest::newRow("ru: three-digit year as written") << "ru_RU"
                                                     << "1.1.999" << QDate(999, 1, 1);
    QTest::newRow("ru: 31 April") << "ru_RU"
                                  << "31.04.2009" << QDate();
    QTest::newRow("ru: 29 February leap") << "ru_RU"
                                          << "29.02.2008" << QDate(2008, 2, 29);
    QTest::newRow("ru: 29 February common") << "ru_RU"
                                            << "29.02.2009" << QDate();
    QTest::newRow("ru: month 13") << "ru_RU"
                                  << "1.13.2009" << QDate();
    QTest::newRow("ru: day 0") << "ru_RU"
                               << "0.04.2009" << QDate();
    QTest::newRow("ru: year 0000") << "ru_RU"
                                   << "1.1.0000" << QDate();
    QTest::newRow("ru: five-digit year") << "ru_RU"
                                         << "1.1.20090" << QDate();
    QTest::newRow("ru: three-digit day") << "ru_RU"
                                         << "007.04.2009" << QDate();
    QTest::newRow("ru: four numbers") << "ru_RU"
                                      << "7.04.2009.1" << QDate();
    QTest::newRow("ru: one number") << "ru_RU"
                                    << "7" << QDate();
    QTest::newRow("ru: empty") << "ru_RU"
                               << "" << QDate();
    QTest::newRow("ru: letters") << "ru_RU"
                                 << "7.apr.2009" << QDate();
    QTest::newRow("ru: sign") << "ru_RU"
                              << "+7.04.2009" << QDate();
    QTest::newRow("ru: blank inside") << "ru_RU"
                                      << "7. 04.2009" << QDate();
    QTest::newRow("en: 4/7/2009 is April") << "en_US"
                                           << "4/7/2009" << april7;
    QTest::newRow("en: dots refused") << "en_US"
                                      << "7.04.2009" << QDate();
    QTest::newRow("en: two numbers month first") << "en_US"
                                                 << "12/25" << QDate(2026, 12, 25);
    QTest::newRow("en: 13/1 refused") << "en_US"
                                      << "13/1/2009" << QDate();
    QTest::newRow("fr: day first") << "fr_FR"
                                   << "7/04/2009" << april7;
    QTest::newRow("de: day first with dots") << "de_DE"
                                             << "07.04.09" << april7;
    QTest::newRow("ja: year first") << "ja_JP"
                                    << "2009/4/7" << april7;
    QTest::newRow("ja: two numbers are month and day") << "ja_JP"
                                                       << "4/7" << QDate(2026, 4, 7);
    QTest::newRow("ja: day-first text refused") << "ja_JP"
                                                << "7/4/2009" << QDate();
    QTest::newRow("C: ISO") << "C"
                            << "2009-04-07" << april7;
    QTest::newRow("C: the C pattern's own text refused") << "C"
                                                         << "7 Apr 2009" << QDate();
}

void TestShortDateFormat::parses()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    const std::optional<QDate> parsed = formatFor(locale).tryParse(text);
    QCOMPARE(parsed.value_or(QDate()), expected);
}

void TestShortDateFormat::formatReadsBack_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *name : {"ru_RU", "en_US", "fr_FR", "de_DE", "ja_JP", "C", "hu_HU", "ar_EG"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// The round trip a list and a file rely on: a 1975 conviction must not come back
// as 2075, and neither may any other date.
void TestShortDateFormat::formatReadsBack()
{
    QFETCH(QString, locale);
    const ShortDateFormat format = formatFor(locale);
    for (const QDate date : {QDate(1975, 6, 30), QDate(2009, 4, 7), QDate(2075, 1, 1),
                             QDate(1899, 12, 30), QDate(2008, 2, 29)}) {
        const QString text = format.format(date);
        QCOMPARE(format.tryParse(text).value_or(QDate()), date);
    }
}

void TestShortDateFormat::invalidTextRaisesWithTheText()
{
    try {
        formatFor("en_US").parse("7.04.2009");
        QFAIL("an en_US locale read a dotted date");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.message(), QStringLiteral("''7.04.2009'' is not a valid date"));
    }
}

void TestShortDateFormat::dayCountMatchesCalendar_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::newRow("day 0") << 0.0 << QDate(1899, 12, 30) << QTime(0, 0);
    QTest::newRow("1 January 1900") << 2.0 << QDate(1900, 1, 1) << QTime(0, 0);
    QTest::newRow("7 April 2009") << 39910.0 << QDate(2009, 4, 7) << QTime(0, 0);
    QTest::newRow("with noon") << 39910.5 << QDate(2009, 4, 7) << QTime(12, 0);
    QTest::newRow("before day 0") << -1.25 << QDate(1899, 12, 29) << QTime(6, 0);
}

void TestShortDateFormat::dayCountMatchesCalendar()
{
    QFETCH(double, days);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    const DayCount count(days);
    QCOMPARE(count.date(), date);
    QCOMPARE(count.time(), time);
    QCOMPARE(DayCount::fromDateTime(date, time), count);
}

void TestShortDateFormat::dateTimeText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("text");
    QTest::newRow("ru: date only") << "ru_RU" << 39910.0 << "07.04.2009";
    QTest::newRow("ru: with time") << "ru_RU" << 39910.5 << "07.04.2009 12:00:00";
    QTest::newRow("C: ISO with time") << "C" << 39910.75 << "2009-04-07 18:00:00";
}

void TestShortDateFormat::dateTimeText()
{
    QFETCH(QString, locale);
    QFETCH(double, days);
    QFETCH(QString, text);
    const ShortDateFormat format = formatFor(locale);
    QCOMPARE(format.formatDateTime(DayCount(days)), text);
    const std::optional<DayCount> back = format.tryParseDateTime(text);
    QVERIFY(back.has_value());
    QCOMPARE(back->value(), days);
    QVERIFY(!format.tryParseDateTime(QString(text.section(u' ', 0, 0) + " 25:00:00")));
}

void TestShortDateFormat::namedPatternReplacesTheLocales_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("normalised"); // empty: refused
    QTest::addColumn<QString>("text");       // 12 March 2019 in the pattern
    QTest::newRow("month first") << "M/d/yyyy"
                                 << "M/d/yyyy"
                                 << "3/12/2019";
    QTest::newRow("day first, two-digit year widened") << "dd.MM.yy"
                                                       << "dd.MM.yyyy"
                                                       << "12.03.2019";
    QTest::newRow("ISO") << "yyyy-MM-dd"
                         << "yyyy-MM-dd"
                         << "2019-03-12";
    QTest::newRow("month name") << "d MMM yyyy"
                                << ""
                                << "";
    QTest::newRow("two separators") << "d.M/yyyy"
                                    << ""
                                    << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

// A pattern named apart from the locale (as a file names the one it was written
// with) decides order, separator and padding; the locale's own is not used.
void TestShortDateFormat::namedPatternReplacesTheLocales()
{
    QFETCH(QString, pattern);
    QFETCH(QString, normalised);
    QFETCH(QString, text);
    const std::optional<ShortDateFormat> format = formatFor("fr_FR").withPattern(pattern);
    QCOMPARE(format.has_value(), !normalised.isEmpty());
    if (!format)
        return;
    QCOMPARE(format->pattern(), normalised);
    QCOMPARE(format->format(QDate(2019, 3, 12)), text);
    QCOMPARE(format->tryParse(text), std::optional(QDate(2019, 3, 12)));
}

QTEST_GUILESS_MAIN(TestShortDateFormat)
#include "tst_shortdateformat.moc"
