#include "ui/datepicker.h"

#include <QCalendarWidget>

#include "platform/runtimeerror.h"
#include "platform/typeddate.h"
#include "ui/palettecolours.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace {

// The text of the field with its cursor and selection, as one key changes them.
struct Editing
{
    QString text;
    qsizetype cursor = 0;
    qsizetype selectionStart = 0;
    qsizetype selectionLength = 0;
    bool lastPartFilled = false; // the key filled the last part of the date
};

qsizetype partAt(const QList<TypedDate::Span> &spans, qsizetype position)
{
    for (qsizetype part = 0; part < spans.size(); ++part) {
        if (position <= spans[part].end)
            return part;
    }
    return spans.size() - 1;
}

// Selects a part; an empty one gets the cursor.
Editing selectingPart(Editing editing, const TypedDate::Span &span)
{
    editing.cursor = span.end;
    editing.selectionStart = span.start;
    editing.selectionLength = span.size();
    return editing;
}

// A digit replaces the selection; with none, it is added at the cursor, or
// starts afresh a part already full. A selection over a separator, as after
// Ctrl+A, starts the whole date afresh. A day or month made full moves on to the
// next part: selected when the text has it, begun with a separator when not.
Editing typedDigit(Editing editing, QChar digit, const ShortDateFormat &format)
{
    QString &text = editing.text;
    if (editing.selectionLength > 0) {
        const QStringView selected =
            QStringView(text).sliced(editing.selectionStart, editing.selectionLength);
        if (std::any_of(selected.begin(), selected.end(),
                        [&](QChar c) { return TypedDate::isSeparator(c, format); })) {
            text.clear();
            editing.cursor = 0;
        } else {
            text.remove(editing.selectionStart, editing.selectionLength);
            editing.cursor = editing.selectionStart;
        }
    } else {
        const QList<TypedDate::Span> spans = TypedDate::partSpans(text, format);
        const qsizetype part = partAt(spans, editing.cursor);
        if (part < TypedDate::PartCount &&
            spans[part].size() >= TypedDate::partWidth(int(part), format)) {
            text.remove(spans[part].start, spans[part].size());
            editing.cursor = spans[part].start;
        }
    }
    text.insert(editing.cursor, digit);
    ++editing.cursor;
    editing.selectionStart = editing.cursor;
    editing.selectionLength = 0;

    const QList<TypedDate::Span> spans = TypedDate::partSpans(text, format);
    const qsizetype part = partAt(spans, editing.cursor);
    if (part >= TypedDate::PartCount || editing.cursor != spans[part].end ||
        spans[part].size() < TypedDate::partWidth(int(part), format))
        return editing;
    if (part == TypedDate::PartCount - 1) {
        editing.lastPartFilled = true;
        return editing;
    }
    if (part + 1 < spans.size())
        return selectingPart(editing, spans[part + 1]);
    text.insert(editing.cursor, format.separator());
    editing.cursor += format.separator().size();
    editing.selectionStart = editing.cursor;
    return editing;
}

// A separator ends the part being typed and moves on to the next. Right after a
// separator (typed, or added when a part became full) it changes nothing, so
// that "12.03.2019" typed in full gives the same as "12032019".
Editing typedSeparator(Editing editing, const ShortDateFormat &format)
{
    QString &text = editing.text;
    const qsizetype position =
        editing.selectionLength > 0 ? editing.selectionStart : editing.cursor;
    const QList<TypedDate::Span> spans = TypedDate::partSpans(text, format);
    const qsizetype part = partAt(spans, position);
    const bool atPartStart = position == spans[part].start;
    if (atPartStart || part >= TypedDate::PartCount - 1 || editing.selectionLength == text.size())
        return editing;
    if (part + 1 < spans.size())
        return selectingPart(editing, spans[part + 1]);
    text.insert(spans[part].end, format.separator());
    editing.cursor = spans[part].end + format.separator().size();
    editing.selectionStart = editing.cursor;
    editing.selectionLength = 0;
    return editing;
}

bool isAsciiDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}

// Digits, separators and blanks only: what a date field lets in.
bool hasDateCharacters(QStringView text, const ShortDateFormat &format)
{
    return std::all_of(text.begin(), text.end(), [&format](QChar c) {
        return isAsciiDigit(c) || c.isSpace() || TypedDate::isSeparator(c, format);
    });
}

// The colours of a text that is not a date: dark red on pale red on a light
// base, pale red on dark red on a dark one.
QPalette markedPalette(QPalette palette)
{
    palette.setColor(QPalette::Base,
                     forBase(palette, QColor(0xff, 0xe0, 0xe0), QColor(0x5c, 0x1a, 0x1a)));
    palette.setColor(QPalette::Text,
                     forBase(palette, QColor(0xa0, 0x00, 0x00), QColor(0xff, 0xc8, 0xc8)));
    return palette;
}

} // namespace

DatePicker::DatePicker(const ShortDateFormat &format, QWidget *parent)
    : QDateEdit(parent)
    , m_format(format)
{
    // The display format is fixed at construction from the default locale, so it
    // is set here from the format the rest of the program uses.
    setDisplayFormat(format.pattern());
    setDateRange(earliest(), latest());
    setCalendarPopup(true);
    // The date changes when typing is finished, not with each key.
    setKeyboardTracking(false);
    // QDateEdit's own following of the cursor puts its last date back over a
    // text it cannot read; the picker keeps the text, and steps the parts itself.
    disconnect(lineEdit(), &QLineEdit::cursorPositionChanged, this, nullptr);
}

QString DatePicker::longestDateText() const
{
    const QFontMetrics metrics = fontMetrics();
    QChar widest = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest))
            widest = QChar(digit);
    }
    // Two digits for the day and the month, whatever the padding.
    QString text = m_format.format(QDate(2000, 12, 28));
    for (QChar &character : text) {
        if (character.isDigit())
            character = widest;
    }
    return text;
}

int DatePicker::longestDateWidth() const
{
    // As QDateEdit measures its range's dates: with a space, and room for the cursor.
    const QString longest = longestDateText();
    const int textWidth = fontMetrics().horizontalAdvance(longest + u' ') + 2;
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize size = style()->sizeFromContents(QStyle::CT_SpinBox, &option,
                                                 QSize(textWidth, fontMetrics().height()), this);
    // With its calendar, the field is laid out as an editable drop-down list, and
    // some styles give its text less room than the size asked for (the Windows
    // style's arrow is wider): the text field itself must hold the text and the
    // two pixels a line edit keeps free on either side of it.
    QStyleOptionComboBox combo;
    combo.initFrom(this);
    combo.editable = true;
    combo.frame = true;
    combo.subControls = QStyle::SC_ComboBoxEditField;
    combo.rect = QRect(QPoint(), size);
    const int field =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &combo, QStyle::SC_ComboBoxEditField, this)
            .width();
    const QMargins margins = lineEdit()->textMargins();
    const int needed =
        fontMetrics().horizontalAdvance(longest) + 4 + margins.left() + margins.right();
    return size.width() + std::max(0, needed - field);
}

QSize DatePicker::sizeHint() const
{
    QSize hint = QDateEdit::sizeHint();
    hint.setWidth(std::max(hint.width(), longestDateWidth()));
    return hint;
}

QSize DatePicker::minimumSizeHint() const
{
    QSize hint = QDateEdit::minimumSizeHint();
    hint.setWidth(std::max(hint.width(), longestDateWidth()));
    return hint;
}

void DatePicker::setCheckedDate(QDate date)
{
    if (!date.isValid() || date < earliest() || date > latest())
        throw failedToSetCalendarDateError();
    setDate(date);
    m_leftUnfinished.clear();
    updateMark();
}

void DatePicker::setCalendarLanguage(QLocale::Language language)
{
    // A calendar built at every start and every switch of language costs more
    // than the rest of the window: one already built follows at once, the others
    // when they are first opened.
    m_calendarLanguage = language;
    applyCalendarLanguage();
}

void DatePicker::applyCalendarLanguage()
{
    if (!m_calendarLanguage)
        return;
    if (auto *calendar = findChild<QCalendarWidget *>();
        calendar && calendar->locale().language() != *m_calendarLanguage)
        calendar->setLocale(QLocale(*m_calendarLanguage));
}

void DatePicker::prepareCalendar()
{
    if (m_calendarLanguage && !findChild<QCalendarWidget *>())
        calendarWidget()->setLocale(QLocale(*m_calendarLanguage));
}

void DatePicker::mousePressEvent(QMouseEvent *event)
{
    prepareCalendar();
    QDateEdit::mousePressEvent(event);
}

bool DatePicker::event(QEvent *event)
{
    if (event->type() == QEvent::ChildPolished)
        applyCalendarLanguage();
    return QDateEdit::event(event);
}

std::optional<QDate> DatePicker::typedDate() const
{
    const TypedDate typed = TypedDate::read(lineEdit()->text(), m_format);
    if (typed.state != TypedDate::State::Date || typed.date < earliest() || typed.date > latest())
        return std::nullopt;
    return typed.date;
}

QDate DatePicker::acceptedDate()
{
    if (const std::optional<QDate> date = typedDate()) {
        takeTypedDate();
        return *date;
    }
    const QString text = lineEdit()->text();
    m_leftUnfinished = text;
    updateMark();
    setFocus(Qt::OtherFocusReason);
    lineEdit()->selectAll();
    throw invalidDateError(text);
}

void DatePicker::takeTypedDate()
{
    if (const std::optional<QDate> date = typedDate()) {
        setDate(*date);
        m_leftUnfinished.clear();
    }
    updateMark();
}

bool DatePicker::showsTypedText() const
{
    return lineEdit()->text() != textFromDateTime(dateTime());
}

void DatePicker::keepText(const QString &text)
{
    if (lineEdit()->text() == text)
        return;
    const QSignalBlocker blocker(lineEdit());
    lineEdit()->setText(text);
}

bool DatePicker::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    // The keys that open the pop-up: F4, and Alt with an up or down arrow.
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (event->key() == Qt::Key_F4 ||
        (alt && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up)))
        prepareCalendar();
    if (event->matches(QKeySequence::Paste)) {
        paste();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
        typed.size() == 1 && typed.at(0).isPrint()) {
        typeCharacter(typed.at(0));
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        // Plain editing of the text: QDateEdit would jump between its parts, and
        // out of the field at their ends.
        QCoreApplication::sendEvent(lineEdit(), event);
        updateMark();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!typedDate()) {
            m_leftUnfinished = lineEdit()->text();
            updateMark();
            QMetaObject::invokeMethod(this, &DatePicker::invalidTextEntered, Qt::QueuedConnection);
            event->ignore();
            return;
        }
        takeTypedDate();
        break;
    default: break;
    }
    QDateEdit::keyPressEvent(event);
}

void DatePicker::typeCharacter(QChar character)
{
    const bool digit = isAsciiDigit(character);
    if (!digit && !TypedDate::isSeparator(character, m_format))
        return;
    QLineEdit *edit = lineEdit();
    Editing editing{edit->text(), edit->cursorPosition(), edit->selectionStart(),
                    edit->selectionLength()};
    if (editing.selectionLength == 0)
        editing.selectionStart = editing.cursor;
    editing = digit ? typedDigit(editing, character, m_format) : typedSeparator(editing, m_format);
    {
        const QSignalBlocker blocker(edit);
        edit->setText(editing.text);
        if (editing.selectionLength > 0)
            edit->setSelection(int(editing.selectionStart), int(editing.selectionLength));
        else
            edit->setCursorPosition(int(editing.cursor));
    }
    m_leftUnfinished.clear();
    if (editing.lastPartFilled && typedDate())
        takeTypedDate();
    updateMark();
}

void DatePicker::paste()
{
    // A pasted text replaces the whole date; one that is not even made of a
    // date's characters is not taken.
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    if (!hasDateCharacters(text, m_format))
        return;
    keepText(text);
    m_leftUnfinished.clear();
    takeTypedDate();
}

void DatePicker::stepBy(int steps)
{
    const std::optional<QDate> date = typedDate();
    if (!date)
        return;
    QLineEdit *edit = lineEdit();
    const qsizetype position =
        edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int part = int(partAt(TypedDate::partSpans(edit->text(), m_format), position));
    const int place = std::min(part, TypedDate::PartCount - 1);
    QDate stepped;
    switch (TypedDate::partAt(place, m_format)) {
    case TypedDate::Part::Day: stepped = date->addDays(steps); break;
    case TypedDate::Part::Month: stepped = date->addMonths(steps); break;
    case TypedDate::Part::Year: stepped = date->addYears(steps); break;
    }
    if (stepped.isValid() && stepped >= earliest() && stepped <= latest())
        setDate(stepped);
    else
        setDate(*date);
    m_leftUnfinished.clear();
    updateMark();
    const QList<TypedDate::Span> spans = TypedDate::partSpans(edit->text(), m_format);
    const TypedDate::Span &span = spans[std::min<qsizetype>(place, spans.size() - 1)];
    edit->setSelection(int(span.start), int(span.size()));
}

QAbstractSpinBox::StepEnabled DatePicker::stepEnabled() const
{
    return typedDate() ? StepUpEnabled | StepDownEnabled : StepNone;
}

void DatePicker::showEvent(QShowEvent *event)
{
    const QString text = lineEdit()->text();
    const bool typed = showsTypedText();
    QDateEdit::showEvent(event);
    if (typed)
        keepText(text);
}

void DatePicker::hideEvent(QHideEvent *event)
{
    const QString text = lineEdit()->text();
    const bool typed = showsTypedText();
    QDateEdit::hideEvent(event);
    if (typed)
        keepText(text);
}

void DatePicker::focusInEvent(QFocusEvent *event)
{
    const QString text = lineEdit()->text();
    const bool typed = showsTypedText();
    QDateEdit::focusInEvent(event);
    if (typed) {
        keepText(text);
        lineEdit()->selectAll();
    }
    updateMark();
}

void DatePicker::focusOutEvent(QFocusEvent *event)
{
    const QString text = lineEdit()->text();
    const bool date = typedDate().has_value();
    if (date)
        takeTypedDate();
    QDateEdit::focusOutEvent(event);
    if (!date) {
        keepText(text);
        m_leftUnfinished = text;
        updateMark();
        const Qt::FocusReason reason = event->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QMetaObject::invokeMethod(this, &DatePicker::invalidTextEntered, Qt::QueuedConnection);
    }
}

void DatePicker::paintEvent(QPaintEvent *event)
{
    // The calendar and QDateEdit's own resets show a date without telling the
    // picker: the mark follows the text shown.
    updateMark();
    QDateEdit::paintEvent(event);
}

void DatePicker::updateMark()
{
    const QString text = lineEdit()->text();
    const TypedDate typed = TypedDate::read(text, m_format);
    const bool marked = !typedDate() && (typed.state != TypedDate::State::Unfinished ||
                                         (!m_leftUnfinished.isNull() && text == m_leftUnfinished));
    if (marked == m_marked)
        return;
    m_marked = marked;
    setPalette(marked ? markedPalette(palette()) : QPalette());
}

QValidator::State DatePicker::validate(QString &input, int &) const
{
    const TypedDate typed = TypedDate::read(input, m_format);
    if (typed.state == TypedDate::State::Date && typed.date >= earliest() && typed.date <= latest())
        return QValidator::Acceptable;
    return hasDateCharacters(input, m_format) ? QValidator::Intermediate : QValidator::Invalid;
}

void DatePicker::fixup(QString &) const {}

QDateTime DatePicker::dateTimeFromText(const QString &text) const
{
    const TypedDate typed = TypedDate::read(text, m_format);
    if (typed.state != TypedDate::State::Date)
        return QDateEdit::dateTimeFromText(text);
    return QDateTime(typed.date, time());
}
