// A moment as a count of days from 30 December 1899 (day 0), the time of day as
// the fraction: the form in which desktop date pickers and stored files hold dates.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

class DayCount
{
public:
    constexpr DayCount() = default;
    constexpr explicit DayCount(double days)
        : m_days(days)
    {
    }

    static QDate epoch() { return QDate(1899, 12, 30); }
    static DayCount fromDate(QDate date);
    static DayCount fromDateTime(QDate date, QTime time);

    constexpr double value() const { return m_days; }
    // For counts before day 0 the whole part counts days back and the fraction is
    // still the time of day: -1.25 is 29 December 1899, 06:00.
    QDate date() const;
    QTime time() const;
    bool hasTimeOfDay() const;

    friend constexpr bool operator==(DayCount, DayCount) = default;

private:
    double m_days = 0;
};
