#include "platform/daycount.h"

#include <cmath>

namespace {
constexpr double MillisecondsPerDay = 24.0 * 60 * 60 * 1000;
}

DayCount DayCount::fromDate(QDate date)
{
    return DayCount(double(epoch().daysTo(date)));
}

DayCount DayCount::fromDateTime(QDate date, QTime time)
{
    const double days = double(epoch().daysTo(date));
    const double fraction = time.isValid() ? time.msecsSinceStartOfDay() / MillisecondsPerDay : 0;
    return DayCount(days < 0 ? days - fraction : days + fraction);
}

QDate DayCount::date() const
{
    return epoch().addDays(qint64(std::trunc(m_days)));
}

QTime DayCount::time() const
{
    const double fraction = std::abs(m_days - std::trunc(m_days));
    const auto msecs = qint64(std::llround(fraction * MillisecondsPerDay));
    return QTime::fromMSecsSinceStartOfDay(int(std::min<qint64>(msecs, MillisecondsPerDay - 1)));
}

bool DayCount::hasTimeOfDay() const
{
    return time() != QTime(0, 0);
}
