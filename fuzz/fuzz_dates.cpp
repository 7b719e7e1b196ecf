// The short-date and date-and-time parsers under several locales: a date read
// is a real date that formats and reads back the same, and a day beyond its
// month is refused.
#include "fuzzcheck.h"
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
QString dateText(const ShortDateFormat &format, int day, int month, int year)
{
    const QString d = QString::number(day), m = QString::number(month), y = QString::number(year);
    const QString s = format.separator();
    switch (format.order()) {
    case ShortDateFormat::Order::DayMonthYear: return d + s + m + s + y;
    case ShortDateFormat::Order::MonthDayYear: return m + s + d + s + y;
    case ShortDateFormat::Order::YearMonthDay: break;
    }
    return y + s + m + s + d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const ShortDateFormat &format : formats()) {
        if (const std::optional<QDate> date = format.tryParse(text)) {
            FUZZ_CHECK(date->isValid());
            FUZZ_CHECK(format.tryParse(format.format(*date)) == date);
        }
        if (const std::optional<DayCount> moment = format.tryParseDateTime(text)) {
            FUZZ_CHECK(moment->date().isValid());
            const std::optional<DayCount> again =
                format.tryParseDateTime(format.formatDateTime(*moment));
            FUZZ_CHECK(again.has_value());
            FUZZ_CHECK(again->date() == moment->date());
            FUZZ_CHECK(again->time().msecsSinceStartOfDay() / 1000 ==
                       moment->time().msecsSinceStartOfDay() / 1000);
        }
        // A day past the end of its month, from the input's first bytes.
        if (size >= 3) {
            const int year = 1 + (data[0] * 256 + data[1]) % 9999;
            const int month = 1 + data[2] % 12;
            const int days = QDate(year, month, 1).daysInMonth();
            if (days < 31)
                FUZZ_CHECK(!format.tryParse(dateText(format, days + 1, month, year)).has_value());
        }
    }
    return 0;
}
