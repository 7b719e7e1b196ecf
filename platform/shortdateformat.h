// "The user's short date format": how dates are shown in the list, typed by the
// user and written to files. Built from a locale, so tests choose theirs.
#pragma once

#include "platform/daycount.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

// Gives today's date; injectable so that results do not depend on the day a test runs.
using TodayFunction = std::function<QDate()>;

class ShortDateFormat
{
public:
    enum class Order { DayMonthYear, MonthDayYear, YearMonthDay };

    explicit ShortDateFormat(const QLocale &locale = QLocale::system(),
                             TodayFunction today = &QDate::currentDate);

    // The numeric pattern in use, always with a four-digit year ("M/d/yyyy" for
    // en_US, "dd.MM.yyyy" for ru_RU); "yyyy-MM-dd" for a locale whose short
    // pattern is not all numbers.
    QString pattern() const { return m_pattern; }
    QString separator() const { return m_separator; }
    Order order() const { return m_order; }
    QDate today() const { return m_today(); }
    const QLocale &locale() const { return m_locale; }

    // The same format with another numeric pattern of d, M and y ("dd.MM.yyyy",
    // "M/d/yyyy", "yyyy-MM-dd"), as a file names the pattern it was written
    // with; none for any other pattern.
    std::optional<ShortDateFormat> withPattern(const QString &pattern) const;

    QString format(QDate date) const;

    // The century of a year written with one or two digits, a window that fits
    // convictions and does not move with the clock: 0-29 are 2000-2029, 30-99
    // are 1930-1999.
    static int expandedShortYear(int shortYear);

    // Lenient parsing of a typed date: three numbers separated by the separator in
    // the locale's order, or two numbers (day and month) in the current year;
    // blanks around the text are allowed. A year of one or two digits is expanded
    // by expandedShortYear.
    std::optional<QDate> tryParse(QStringView text) const;
    // As tryParse; raises "''%s'' is not a valid date" for text it cannot read.
    QDate parse(const QString &text) const;

    // Date-and-time text: the short date, then a blank and the long time only when
    // the time of day is not zero.
    QString formatDateTime(DayCount moment) const;
    std::optional<DayCount> tryParseDateTime(QStringView text) const;

private:
    // Takes the pattern's order, separator and padding; false when it is not numeric.
    bool usePattern(const QString &pattern);
    std::optional<QDate> parseNumbers(QStringView text) const;

    QLocale m_locale;
    TodayFunction m_today;
    QString m_pattern;
    QString m_separator;
    bool m_padDay = false;   // "dd" rather than "d"
    bool m_padMonth = false; // "MM" rather than "M"
    Order m_order = Order::YearMonthDay;
    QString m_longTimeFormat;
};
