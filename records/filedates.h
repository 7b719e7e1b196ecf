// How the dates of a record file are read. A file that names the pattern it was
// written with is read with it. An older file names none: its dates are read in
// the order of day and month they fit, the locale's where they fit both, and a
// note says so wherever that choice could be wrong.
#pragma once

#include "platform/daycount.h"
#include "platform/shortdateformat.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Why the dates of a file without a named pattern may not read as its writer
// meant them.
struct FileDatesNote
{
    enum class Kind {
        // A date reads only in an order other than the locale's: every date was
        // read in that order.
        OtherOrder,
        // No date shows the order, and some read differently either way: every
        // date was read in the locale's order (day first where the locale has none).
        EveryDateAmbiguous,
    };
    Kind kind = Kind::OtherOrder;
    ShortDateFormat::Order order = ShortDateFormat::Order::DayMonthYear; // as read
    QString example;   // a date of the file, as written, that shows the choice
    QDate exampleDate; // and what it was read as

    friend bool operator==(const FileDatesNote &, const FileDatesNote &) = default;
};

class FileDateReader
{
public:
    // The pattern a file names; none when it is not three numbers d, M and y
    // with one separator.
    static std::optional<FileDateReader> named(const QString &pattern,
                                               const ShortDateFormat &locale);
    // A file that names no pattern, from every date it holds, as written. A date
    // with the year first is ISO and shows nothing; "." and "-" are written by
    // day-first locales only, "/" by both.
    static FileDateReader fitting(const QList<QStringView> &texts, const ShortDateFormat &locale);

    // A date of the file; none when it reads in none of the formats chosen.
    std::optional<DayCount> read(QStringView text) const;
    const std::optional<FileDatesNote> &note() const { return m_note; }

private:
    QList<ShortDateFormat> m_formats; // tried in turn
    std::optional<FileDatesNote> m_note;
};
