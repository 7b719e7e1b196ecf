// The short-date and date-and-time parsers under several locales: a date read
// is a real date that formats and reads back the same, the strict reading
// agrees with the lenient one, and a day, month or year that does not exist is
// refused.
#include "fuzzcheck.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"

#include <QList>

namespace {

const QList<ShortDateFormat> &formats()
{
    static const QList<ShortDateFormat> all = [] {
        QList<ShortDateFormat> list;
        for (const char *name : {"ru_RU", "en_US", "fr_FR", "de_DE", "ja_JP", "C", "hu_HU"})
            list.append(ShortDateFormat(QLocale(QString::fromLatin1(name)),
                                        [] { return QDate(2026, 12, 9); }));
        return list;
    }();
    return all;
}

// Day, month and year in the format's order, joined by its separator.
QString dateText(const ShortDateFormat &format, int day, int month, const QString &y)
{
    const QString d = QString::number(day), m = QString::number(month);
    const QString s = format.separator();
    switch (format.order()) {
    case ShortDateFormat::Order::DayMonthYear: return d + s + m + s + y;
    case ShortDateFormat::Order::MonthDayYear: return m + s + d + s + y;
    case ShortDateFormat::Order::YearMonthDay: break;
    }
    return y + s + m + s + d;
}

bool parseRefuses(const ShortDateFormat &format, const QString &text)
{
    try {
        format.parse(text);
    } catch (const RuntimeError &) {
        return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const ShortDateFormat &format : formats()) {
        const std::optional<QDate> date = format.tryParse(text);
        if (date) {
            FUZZ_CHECK(date->isValid());
            FUZZ_CHECK(date->year() >= 1 && date->year() <= 9999);
            FUZZ_CHECK(format.tryParse(format.format(*date)) == date);
            FUZZ_CHECK(format.parse(text) == *date);
        } else {
            FUZZ_CHECK(parseRefuses(format, text));
        }
        if (const std::optional<DayCount> moment = format.tryParseDateTime(text)) {
            FUZZ_CHECK(moment->date().isValid());
            FUZZ_CHECK(moment->time().isValid());
            // A text that reads as a date alone is that date at midnight.
            if (date)
                FUZZ_CHECK(*moment == DayCount::fromDate(*date));
            const std::optional<DayCount> again =
                format.tryParseDateTime(format.formatDateTime(*moment));
            FUZZ_CHECK(again.has_value());
            FUZZ_CHECK(again->date() == moment->date());
            FUZZ_CHECK(again->time().msecsSinceStartOfDay() / 1000 ==
                       moment->time().msecsSinceStartOfDay() / 1000);
        } else {
            FUZZ_CHECK(!date);
        }

        // Dates that do not exist, from the input's first bytes: a day past the
        // end of its month, day 0, month 0, month 13 and year 0.
        if (size >= 3) {
            const int year = 1 + (data[0] * 256 + data[1]) % 9999;
            const QString y = QString::number(year);
            const int month = 1 + data[2] % 12;
            const int days = QDate(year, month, 1).daysInMonth();
            if (year >= 100) {
                // Years of one or two digits are read in a window around today.
                const QDate last(year, month, days);
                FUZZ_CHECK(format.tryParse(dateText(format, days, month, y)) == last);
            }
            if (days < 31)
                FUZZ_CHECK(!format.tryParse(dateText(format, days + 1, month, y)));
            FUZZ_CHECK(!format.tryParse(dateText(format, 0, month, y)));
            FUZZ_CHECK(!format.tryParse(dateText(format, 1, 0, y)));
            FUZZ_CHECK(!format.tryParse(dateText(format, 1, 13, y)));
            FUZZ_CHECK(!format.tryParse(dateText(format, 1, month, QStringLiteral("0000"))));
        }
    }
    return 0;
}
