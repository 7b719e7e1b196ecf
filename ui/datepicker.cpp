#include "ui/datepicker.h"

#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"

DatePicker::DatePicker(const ShortDateFormat &format, QWidget *parent)
    : QDateEdit(parent)
{
    // The display format is fixed at construction from the default locale, so it
    // is set here from the format the rest of the program uses.
    setDisplayFormat(format.pattern());
    setDateRange(earliest(), latest());
    setCalendarPopup(true);
}

void DatePicker::setCheckedDate(QDate date)
{
    if (!date.isValid() || date < earliest() || date > latest())
        throw failedToSetCalendarDateError();
    setDate(date);
}

bool DatePicker::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}
