// The date picker of both windows and of the record's details: the user's short
// date format with a four-digit year, and the classic desktop picker's range
// instead of Qt's silent clamping.
//
// The calendar pop-up and the arrow keys (stepping the part under the cursor)
// are QDateEdit's; typing is the picker's own. A whole date can be typed or
// pasted as TypedDate reads it; a separator moves on to the next part, a full
// day or month moves on by itself, and typing over a selection that spans the
// separators (Ctrl+A) starts the date afresh. The typed text becomes the date
// when its last part is full, when the user leaves the field or presses Enter,
// or when acceptedDate() is asked for. A text that is not a date is never
// changed into one: it stays as typed and is marked, and acceptedDate() refuses it.
#pragma once

#include "platform/shortdateformat.h"

#include <QDateEdit>
#include <QLocale>

#include <optional>

class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(const ShortDateFormat &format, QWidget *parent = nullptr);

    static QDate earliest() { return QDate(1601, 1, 1); }
    static QDate latest() { return QDate(9999, 12, 31); }

    // Raises "Failed to set calendar date or time" for a date outside the range.
    void setCheckedDate(QDate date);

    // The calendar pop-up names months and days in the language; the typed date
    // keeps the user's short format. The pop-up is built when first opened, and
    // takes the language last set then.
    void setCalendarLanguage(QLocale::Language language);

    // The date the text shows, within the range; nothing while it shows none.
    std::optional<QDate> typedDate() const;
    // The typed text taken as the date: a date becomes the picker's (shown in the
    // short format, dateChanged emitted when it changed) and is returned. Any
    // other text stays as typed and marked, the field takes the focus with the
    // text selected, and "''%s'' is not a valid date" is raised with the text.
    QDate acceptedDate();
    // Whether the field marks its text as not a date.
    bool marksInvalidText() const { return m_marked; }

    // The longest text a date can take in the format: the widest digit in every
    // place of its longest pattern, as the field's present font draws it.
    QString longestDateText() const;
    // Wide enough for longestDateText() in the present font; QDateEdit measures
    // only the first and last dates of its range.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user finished typing a text that is not a date: left the field (not
    // for another window or the calendar) or pressed Enter. Delivered from the
    // event loop, so that a handler may show a message and move the focus.
    void invalidTextEntered();

protected:
    // Tab moves on to the next control, as in the classic desktop picker; QDateEdit
    // would step through the day, month and year first (arrows still do).
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A click or a key that may open the calendar pop-up builds it in its
    // language first; one built otherwise takes the language when polished.
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // The part under the cursor steps: the day by days, the month by months (the
    // day kept within the month), the year by years. Nothing steps a text that
    // is not a date.
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    // The typed text as TypedDate reads it, instead of QDateEdit's reading of the
    // display format; fixup changes nothing.
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    QDateTime dateTimeFromText(const QString &text) const override;

private:
    // The width the field needs to show longestDateText() whole.
    int longestDateWidth() const;
    void typeCharacter(QChar character);
    void paste();
    // Shows the date, when the text is one, in the short format.
    void takeTypedDate();
    // Whether the text is other than the date shown in the short format.
    bool showsTypedText() const;
    // Puts the text back after QDateEdit showed its date instead.
    void keepText(const QString &text);
    // Marks the text when it is not a date and no more typing can make it one,
    // or when the user left it unfinished.
    void updateMark();
    // Gives a calendar pop-up that exists the language last set.
    void applyCalendarLanguage();
    // Builds the calendar pop-up in the language last set, before QDateEdit
    // opens it and shows its date (a change of language after that would move
    // the days under the selection).
    void prepareCalendar();

    ShortDateFormat m_format;
    std::optional<QLocale::Language> m_calendarLanguage;
    QString m_leftUnfinished; // the text the user left while it was still unfinished
    bool m_marked = false;
};
