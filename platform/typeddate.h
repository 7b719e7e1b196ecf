// A date as the user types or pastes it into a date field: the three parts in the
// order of the short date format, separated by ".", "/", "-" or the format's own
// separator, or written without separators ("12032019", "120319"). Days and
// months have one or two digits; years two or four, a two-digit year expanded by
// ShortDateFormat::expandedShortYear. The reading tells a text still being typed
// from one that can never be a date, so that a field marks only the latter.
#pragma once

#include "platform/shortdateformat.h"

#include <QDate>
#include <QList>
#include <QStringView>

struct TypedDate
{
    enum class State {
        Unfinished, // could still become a date: "12.03.", "12.03.201", ""
        NotADate,   // no more typing makes it one: "31.02.2019", "12.13", "1a"
        Date,
    };

    State state = State::Unfinished;
    QDate date; // valid only for State::Date

    static TypedDate read(QStringView text, const ShortDateFormat &format);

    // Whether a character separates the parts of a typed date: ".", "/", "-" or
    // one of the format's own separator ("yyyy. MM. dd." has a blank in it). A
    // run of them is one separator.
    static bool isSeparator(QChar character, const ShortDateFormat &format);
    // Where the parts of a text begin and end, the separators left out: "12.03."
    // has three, the last empty.
    struct Span
    {
        qsizetype start = 0;
        qsizetype end = 0;
        qsizetype size() const { return end - start; }
    };
    static QList<Span> partSpans(QStringView text, const ShortDateFormat &format);
    // What the part at a place in the format's order holds.
    enum class Part { Day, Month, Year };
    static Part partAt(int place, const ShortDateFormat &format);
    // The longest a part may be, by its place in the format's order: 4 for the
    // year, 2 for the day and the month.
    static int partWidth(int place, const ShortDateFormat &format);
    static constexpr int PartCount = 3;
};
