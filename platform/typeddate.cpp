#include "platform/typeddate.h"

#include <QList>

#include <algorithm>
#include <array>

namespace {

using Part = TypedDate::Part;

std::array<Part, TypedDate::PartCount> partsInOrder(const ShortDateFormat &format)
{
    switch (format.order()) {
    case ShortDateFormat::Order::DayMonthYear: return {Part::Day, Part::Month, Part::Year};
    case ShortDateFormat::Order::MonthDayYear: return {Part::Month, Part::Day, Part::Year};
    case ShortDateFormat::Order::YearMonthDay: break;
    }
    return {Part::Year, Part::Month, Part::Day};
}

bool isAsciiDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}

int numberOf(QStringView digits)
{
    int value = 0;
    for (const QChar digit : digits)
        value = value * 10 + (digit.unicode() - u'0');
    return value;
}

// The parts of a text without separators, cut by the widths of a whole date:
// two digits each for the day and the month, and for the year four, or two when
// the text has six digits in all. A shorter text gives the parts typed so far.
QList<QStringView> cutDigits(QStringView digits, const ShortDateFormat &format)
{
    const int yearWidth = digits.size() == 6 ? 2 : 4;
    QList<QStringView> parts;
    qsizetype start = 0;
    for (const Part part : partsInOrder(format)) {
        if (start >= digits.size())
            break;
        const qsizetype width =
            std::min<qsizetype>(part == Part::Year ? yearWidth : 2, digits.size() - start);
        parts.append(digits.sliced(start, width));
        start += width;
    }
    return parts;
}

} // namespace

bool TypedDate::isSeparator(QChar character, const ShortDateFormat &format)
{
    return character == u'.' || character == u'/' || character == u'-' ||
           format.separator().contains(character);
}

QList<TypedDate::Span> TypedDate::partSpans(QStringView text, const ShortDateFormat &format)
{
    QList<Span> spans;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isSeparator(text.at(i), format))
            continue;
        spans.append(Span{start, i});
        while (i + 1 < text.size() && isSeparator(text.at(i + 1), format))
            ++i;
        start = i + 1;
    }
    spans.append(Span{start, text.size()});
    return spans;
}

TypedDate::Part TypedDate::partAt(int place, const ShortDateFormat &format)
{
    return partsInOrder(format)[std::size_t(place)];
}

int TypedDate::partWidth(int place, const ShortDateFormat &format)
{
    return partAt(place, format) == Part::Year ? 4 : 2;
}

TypedDate TypedDate::read(QStringView text, const ShortDateFormat &format)
{
    const QStringView trimmed = text.trimmed();
    QList<QStringView> parts;
    for (const Span &span : partSpans(trimmed, format)) {
        const QStringView digits = trimmed.sliced(span.start, span.size());
        if (!std::all_of(digits.begin(), digits.end(), isAsciiDigit))
            return {State::NotADate, {}};
        parts.append(digits);
    }

    if (parts.size() == 1) {
        if (trimmed.size() > 8)
            return {State::NotADate, {}};
        parts = cutDigits(trimmed, format);
        if (parts.isEmpty())
            return {State::Unfinished, {}};
    }
    if (parts.size() > PartCount)
        return {State::NotADate, {}};

    // Each part already typed in full must be possible on its own, so that
    // "13" as a month is marked before the year is typed.
    const std::array<Part, PartCount> order = partsInOrder(format);
    int values[PartCount] = {0, 0, 0};
    bool finished = parts.size() == PartCount;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringView digits = parts[i];
        const Part part = order[std::size_t(i)];
        const int width = part == Part::Year ? 4 : 2;
        if (digits.size() > width)
            return {State::NotADate, {}};
        values[i] = numberOf(digits);
        const bool complete = digits.size() == width || (i + 1 < parts.size() && !digits.isEmpty());
        if (complete && part == Part::Day && (values[i] < 1 || values[i] > 31))
            return {State::NotADate, {}};
        if (complete && part == Part::Month && (values[i] < 1 || values[i] > 12))
            return {State::NotADate, {}};
        if (digits.isEmpty() || (part == Part::Year && digits.size() != 2 && digits.size() != 4))
            finished = false;
    }
    if (!finished)
        return {State::Unfinished, {}};

    int day = 0;
    int month = 0;
    int year = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        switch (order[i]) {
        case Part::Day: day = values[i]; break;
        case Part::Month: month = values[i]; break;
        case Part::Year:
            year = parts[qsizetype(i)].size() == 2 ? ShortDateFormat::expandedShortYear(values[i])
                                                   : values[i];
            break;
        }
    }
    if (year < 1 || !QDate::isValid(year, month, day))
        return {State::NotADate, {}};
    return {State::Date, QDate(year, month, day)};
}
