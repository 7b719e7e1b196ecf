#include "platform/shortdateformat.h"

#include "platform/runtimeerror.h"

#include <QList>
#include <QTime>

#include <algorithm>

namespace {

struct Field
{
    QChar letter;  // 'd', 'M' or 'y'
    int width = 0; // how many letters the pattern repeats
    qsizetype start = 0;
    qsizetype end = 0;
};

// The numeric shape of a locale's short pattern: three fields, d, M and y, each
// once, with one separator between them. Literal text before the first or after
// the last field (Bulgarian "d.MM.yy 'г'.") is dropped. Anything else (month
// names, weekdays, two separators) is not numeric.
struct NumericPattern
{
    QList<Field> fields;
    QString separator;
};

std::optional<NumericPattern> numericShape(const QString &pattern)
{
    NumericPattern shape;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar ch = pattern.at(i);
        if (ch == u'\'') {
            quoted = !quoted;
            ++i;
            continue;
        }
        if (!quoted && (ch == u'd' || ch == u'M' || ch == u'y')) {
            qsizetype end = i;
            while (end < pattern.size() && pattern.at(end) == ch)
                ++end;
            shape.fields.append(Field{ch, int(end - i), i, end});
            i = end;
            continue;
        }
        if (!quoted && ch.isLetter())
            return std::nullopt;
        ++i;
    }
    if (shape.fields.size() != 3)
        return std::nullopt;
    const QString letters =
        QString(shape.fields[0].letter) + shape.fields[1].letter + shape.fields[2].letter;
    if (letters != u"dMy" && letters != u"Mdy" && letters != u"yMd")
        return std::nullopt;
    for (const Field &field : shape.fields) {
        if (field.letter != u'y' && field.width > 2)
            return std::nullopt;
    }
    const QString first =
        pattern.mid(shape.fields[0].end, shape.fields[1].start - shape.fields[0].end);
    const QString second =
        pattern.mid(shape.fields[1].end, shape.fields[2].start - shape.fields[1].end);
    if (first != second || first.isEmpty() || first.contains(u'\'') ||
        std::any_of(first.begin(), first.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    shape.separator = first;
    return shape;
}

// The locale's long time without the zone name, which a stored time never carries.
QString longTimeFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.simplified();
}

// Reads one field of ASCII digits, at most maxDigits long.
std::optional<int> readNumber(QStringView text, int maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
    }
    return value;
}

} // namespace

ShortDateFormat::ShortDateFormat(const QLocale &locale, TodayFunction today)
    : m_locale(locale)
    , m_today(std::move(today))
    , m_longTimeFormat(longTimeFormat(locale))
{
    if (!usePattern(locale.dateFormat(QLocale::ShortFormat))) {
        m_pattern = QStringLiteral("yyyy-MM-dd");
        m_separator = QStringLiteral("-");
        m_order = Order::YearMonthDay;
        m_padDay = m_padMonth = true;
    }
}

std::optional<ShortDateFormat> ShortDateFormat::withPattern(const QString &pattern) const
{
    ShortDateFormat format = *this;
    if (!format.usePattern(pattern))
        return std::nullopt;
    return format;
}

bool ShortDateFormat::usePattern(const QString &pattern)
{
    const std::optional<NumericPattern> shape = numericShape(pattern);
    if (!shape)
        return false;
    m_separator = shape->separator;
    QStringList parts;
    for (const Field &field : shape->fields) {
        const int width = field.letter == u'y' ? 4 : field.width;
        parts.append(QString(width, field.letter));
        if (field.letter == u'd')
            m_padDay = field.width == 2;
        if (field.letter == u'M')
            m_padMonth = field.width == 2;
    }
    m_pattern = parts.join(m_separator);
    const QChar first = shape->fields[0].letter;
    m_order = first == u'd'   ? Order::DayMonthYear
              : first == u'M' ? Order::MonthDayYear
                              : Order::YearMonthDay;
    return true;
}

int ShortDateFormat::expandedShortYear(int shortYear)
{
    return shortYear < 30 ? 2000 + shortYear : 1900 + shortYear;
}

QString ShortDateFormat::format(QDate date) const
{
    // ASCII digits whatever the user's locale writes: the text must read back.
    const auto number = [](int value, int width) {
        return QString::number(value).rightJustified(width, u'0');
    };
    const QString day = number(date.day(), m_padDay ? 2 : 1);
    const QString month = number(date.month(), m_padMonth ? 2 : 1);
    const QString year = number(date.year(), 4);
    switch (m_order) {
    case Order::DayMonthYear: return day + m_separator + month + m_separator + year;
    case Order::MonthDayYear: return month + m_separator + day + m_separator + year;
    case Order::YearMonthDay: break;
    }
    return year + m_separator + month + m_separator + day;
}

std::optional<QDate> ShortDateFormat::parseNumbers(QStringView text) const
{
    const QList<QStringView> parts = text.split(m_separator);
    if (parts.size() != 2 && parts.size() != 3)
        return std::nullopt;

    int day = 0;
    int month = 0;
    int year = 0;
    const int currentYear = today().year();
    std::optional<int> a, b, c;
    if (parts.size() == 2) {
        // Day and month alone, in the locale's order, mean the current year.
        a = readNumber(parts[0], 2);
        b = readNumber(parts[1], 2);
        if (!a || !b)
            return std::nullopt;
        const bool monthFirst = m_order != Order::DayMonthYear;
        month = monthFirst ? *a : *b;
        day = monthFirst ? *b : *a;
        year = currentYear;
    } else {
        const bool yearFirst = m_order == Order::YearMonthDay;
        const QStringView yearText = yearFirst ? parts[0] : parts[2];
        std::optional<int> parsedYear = readNumber(yearText, 4);
        a = readNumber(yearFirst ? parts[1] : parts[0], 2);
        b = readNumber(yearFirst ? parts[2] : parts[1], 2);
        if (!parsedYear || !a || !b)
            return std::nullopt;
        year = yearText.size() <= 2 ? expandedShortYear(*parsedYear) : *parsedYear;
        const bool dayFirst = m_order == Order::DayMonthYear;
        day = dayFirst ? *a : *b;
        month = dayFirst ? *b : *a;
    }
    if (year < 1 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

std::optional<QDate> ShortDateFormat::tryParse(QStringView text) const
{
    return parseNumbers(text.trimmed());
}

QDate ShortDateFormat::parse(const QString &text) const
{
    const std::optional<QDate> date = tryParse(text);
    if (!date)
        throw invalidDateError(text);
    return *date;
}

QString ShortDateFormat::formatDateTime(DayCount moment) const
{
    QString text = format(moment.date());
    if (moment.hasTimeOfDay())
        text += u' ' + m_locale.toString(moment.time(), m_longTimeFormat);
    return text;
}

std::optional<DayCount> ShortDateFormat::tryParseDateTime(QStringView text) const
{
    const QStringView trimmed = text.trimmed();
    if (const std::optional<QDate> date = tryParse(trimmed))
        return DayCount::fromDate(*date);
    // The date part ends at one of the blanks; try each from the left.
    for (qsizetype blank = trimmed.indexOf(u' '); blank > 0;
         blank = trimmed.indexOf(u' ', blank + 1)) {
        const std::optional<QDate> date = tryParse(trimmed.first(blank));
        if (!date)
            continue;
        const QString timeText = trimmed.sliced(blank + 1).trimmed().toString();
        QTime time = m_locale.toTime(timeText, m_longTimeFormat);
        if (!time.isValid())
            time = QTime::fromString(timeText, QStringLiteral("H:mm:ss"));
        if (!time.isValid())
            time = QTime::fromString(timeText, QStringLiteral("H:mm"));
        if (time.isValid())
            return DayCount::fromDateTime(*date, time);
    }
    return std::nullopt;
}
