// A date the user may leave out: a check box saying the date is given, whose text
// is also the caption, and a date picker beside it, enabled only while the box is
// checked. The two parts take their names from the widget's own: a widget named
// "ServedPicker" holds "ServedPickerBox" and "ServedPickerEdit".
#pragma once

#include "platform/shortdateformat.h"

#include <QDate>
#include <QWidget>

#include <optional>

class DatePicker;
class QCheckBox;

class OptionalDatePicker : public QWidget
{
    Q_OBJECT

public:
    explicit OptionalDatePicker(const ShortDateFormat &format, QWidget *parent = nullptr);

    // The date shown, or nothing while the box is cleared.
    std::optional<QDate> date() const;
    // As date(), a typed text taken first (DatePicker::acceptedDate) while the
    // box is checked: one that is not a date raises "''%s'' is not a valid date".
    std::optional<QDate> acceptedDate();
    // Nothing clears the box and shows today's date, the one offered when the user
    // checks it; a date checks the box and shows it. Raises "Failed to set calendar
    // date or time" for a date outside the picker's range, changing nothing.
    void setDate(std::optional<QDate> date);

    void setText(const QString &text);
    QString text() const;

    // Keeps the caption at least this wide, so that the picker lines up with the
    // inputs of a grid around the widget.
    void setCaptionWidth(int width);

    QCheckBox *box() const { return m_box; }
    DatePicker *picker() const { return m_picker; }

private:
    void nameParts(const QString &name);

    const ShortDateFormat m_format; // for today's date
    QCheckBox *m_box;
    DatePicker *m_picker;
};
