#include "records/filedates.h"

namespace {

using Order = ShortDateFormat::Order;

QList<ShortDateFormat> patterns(const ShortDateFormat &locale, std::initializer_list<QString> list)
{
    QList<ShortDateFormat> formats;
    for (const QString &pattern : list)
        formats.append(*locale.withPattern(pattern));
    return formats;
}

// The formats a date is tried in for one order: the locale's own first, where
// it has that order, so that a file read as before reads exactly as before.
QList<ShortDateFormat> formatsOf(Order order, const ShortDateFormat &locale)
{
    QList<ShortDateFormat> formats;
    if (locale.order() == order)
        formats.append(locale);
    switch (order) {
    case Order::DayMonthYear:
        formats += patterns(locale, {QStringLiteral("d.M.yyyy"), QStringLiteral("d/M/yyyy"),
                                     QStringLiteral("d-M-yyyy")});
        break;
    case Order::MonthDayYear: formats += patterns(locale, {QStringLiteral("M/d/yyyy")}); break;
    case Order::YearMonthDay:
        // Files written under a bare locale carry ISO dates.
        formats.append(ShortDateFormat(QLocale::c(), [locale] { return locale.today(); }));
        break;
    }
    return formats;
}

std::optional<DayCount> readIn(const QList<ShortDateFormat> &formats, QStringView text)
{
    for (const ShortDateFormat &format : formats) {
        if (std::optional<DayCount> moment = format.tryParseDateTime(text))
            return moment;
    }
    return std::nullopt;
}

} // namespace

std::optional<FileDateReader> FileDateReader::named(const QString &pattern,
                                                    const ShortDateFormat &locale)
{
    const std::optional<ShortDateFormat> format = locale.withPattern(pattern);
    if (!format)
        return std::nullopt;
    FileDateReader reader;
    reader.m_formats.append(*format);
    reader.m_formats += formatsOf(Order::YearMonthDay, locale);
    return reader;
}

FileDateReader FileDateReader::fitting(const QList<QStringView> &texts,
                                       const ShortDateFormat &locale)
{
    const QList<ShortDateFormat> dayFirst = formatsOf(Order::DayMonthYear, locale);
    const QList<ShortDateFormat> monthFirst = formatsOf(Order::MonthDayYear, locale);
    const Order home =
        locale.order() == Order::MonthDayYear ? Order::MonthDayYear : Order::DayMonthYear;
    FileDatesNote note;
    std::optional<Order> shown; // the order the first telling date reads in
    std::optional<FileDatesNote> ambiguous;
    for (const QStringView text : texts) {
        const std::optional<DayCount> asDay = readIn(dayFirst, text);
        const std::optional<DayCount> asMonth = readIn(monthFirst, text);
        if (asDay.has_value() != asMonth.has_value()) {
            shown = asDay ? Order::DayMonthYear : Order::MonthDayYear;
            note = FileDatesNote{FileDatesNote::Kind::OtherOrder, *shown, text.toString(),
                                 (asDay ? *asDay : *asMonth).date()};
            break;
        }
        if (asDay && asMonth && asDay->date() != asMonth->date() && !ambiguous) {
            const DayCount read = home == Order::DayMonthYear ? *asDay : *asMonth;
            ambiguous = FileDatesNote{FileDatesNote::Kind::EveryDateAmbiguous, home,
                                      text.toString(), read.date()};
        }
    }

    FileDateReader reader;
    const Order order = shown.value_or(home);
    reader.m_formats = order == Order::DayMonthYear ? dayFirst : monthFirst;
    reader.m_formats += formatsOf(Order::YearMonthDay, locale);
    if (shown && *shown != locale.order())
        reader.m_note = note;
    else if (!shown)
        reader.m_note = ambiguous;
    return reader;
}

std::optional<DayCount> FileDateReader::read(QStringView text) const
{
    return readIn(m_formats, text);
}
