#include "ui/optionaldatepicker.h"

#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "ui/datepicker.h"

#include <QCheckBox>
#include <QHBoxLayout>

#include <algorithm>

OptionalDatePicker::OptionalDatePicker(const ShortDateFormat &format, QWidget *parent)
    : QWidget(parent)
    , m_format(format)
    , m_box(new QCheckBox(this))
    , m_picker(new DatePicker(format, this))
{
    m_picker->setDate(format.today());
    m_picker->setEnabled(false);
    connect(m_box, &QCheckBox::toggled, m_picker, &QWidget::setEnabled);
    connect(this, &QObject::objectNameChanged, this, &OptionalDatePicker::nameParts);

    // The spacing of the grids the widget sits in; extra width goes to the picker.
    auto *parts = new QHBoxLayout(this);
    parts->setContentsMargins(0, 0, 0, 0);
    parts->setSpacing(8);
    parts->addWidget(m_box);
    parts->addWidget(m_picker, 1);
}

std::optional<QDate> OptionalDatePicker::date() const
{
    if (!m_box->isChecked())
        return std::nullopt;
    return m_picker->date();
}

std::optional<QDate> OptionalDatePicker::acceptedDate()
{
    if (!m_box->isChecked())
        return std::nullopt;
    return m_picker->acceptedDate();
}

void OptionalDatePicker::setDate(std::optional<QDate> date)
{
    m_picker->setCheckedDate(date.value_or(m_format.today()));
    m_box->setChecked(date.has_value());
}

void OptionalDatePicker::setText(const QString &text)
{
    m_box->setText(text);
}

QString OptionalDatePicker::text() const
{
    return m_box->text();
}

void OptionalDatePicker::setCaptionWidth(int width)
{
    // Never below what the text needs: a minimum width replaces the text's own.
    m_box->setMinimumWidth(std::max(width, m_box->sizeHint().width()));
}

void OptionalDatePicker::nameParts(const QString &name)
{
    m_box->setObjectName(name + QStringLiteral("Box"));
    m_picker->setObjectName(name + QStringLiteral("Edit"));
}
