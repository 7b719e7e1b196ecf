// The date picker of both windows: the user's short date format with a four-digit
// year, and the classic desktop picker's range instead of Qt's silent clamping.
#pragma once

#include <QDateEdit>

class ShortDateFormat;

class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(const ShortDateFormat &format, QWidget *parent = nullptr);

    static QDate earliest() { return QDate(1601, 1, 1); }
    static QDate latest() { return QDate(9999, 12, 31); }

    // Raises "Failed to set calendar date or time" for a date outside the range.
    void setCheckedDate(QDate date);

protected:
    // Tab moves on to the next control, as in the classic desktop picker; QDateEdit
    // would step through the day, month and year first (arrows still do).
    bool focusNextPrevChild(bool next) override;
};
