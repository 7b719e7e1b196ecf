#include "ui/newcrimegroup.h"

#include "ui/datepicker.h"
#include "ui/itemwidth.h"
#include "ui/objectname.h"
#include "ui/textreceivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

NewCrimeGroup::NewCrimeGroup(const ShortDateFormat &dateFormat, QWidget *parent)
    : QGroupBox(parent)
    , m_categoryLabel(named(new QLabel(this), "Label1"))
    , m_category(named(new QComboBox(this), "ComboBox1"))
    , m_dateLabel(named(new QLabel(this), "Label4"))
    , m_date(named(new DatePicker(dateFormat, this), "DateTimePicker1"))
    , m_custody(named(new QCheckBox(this), "CheckBox1"))
    , m_negligent(named(new QCheckBox(this), "CheckBox2"))
{
    setObjectName(QStringLiteral("GroupBox1"));
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    keepWideEnoughForItems(*m_category);

    // The floors are on the columns: a minimum width set on a widget replaces the
    // width its text needs, and a longer text than the English one was cut off.
    // The check box spans columns 0 to 2, at least 362 wide with these floors.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 12, 8);
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(0, 168);
    grid->setColumnMinimumWidth(1, 209);
    grid->setColumnMinimumWidth(3, 147);
    grid->setColumnMinimumWidth(4, 103);
    m_categoryLabel->setBuddy(m_category);
    m_dateLabel->setBuddy(m_date);
    grid->addWidget(m_categoryLabel, 0, 0);
    grid->addWidget(m_category, 0, 1);
    grid->addWidget(m_dateLabel, 0, 3);
    grid->addWidget(m_date, 0, 4);
    grid->addWidget(m_custody, 1, 0, 1, 3);
    grid->addWidget(m_negligent, 1, 3, 1, 2);
    grid->setColumnStretch(2, 1);

    connect(m_category, &QComboBox::currentIndexChanged, this, &NewCrimeGroup::crimeEdited);
    connect(m_category, &QComboBox::activated, this, &NewCrimeGroup::answerDue);
    for (QCheckBox *box : {m_custody, m_negligent}) {
        connect(box, &QCheckBox::toggled, this, &NewCrimeGroup::crimeEdited);
        connect(box, &QCheckBox::toggled, this, &NewCrimeGroup::answerDue);
    }
    connect(m_date, &QDateEdit::dateChanged, this, &NewCrimeGroup::crimeEdited);
    connect(m_date, &QDateEdit::dateChanged, this, &NewCrimeGroup::answerDue);
    // A typed text that is not a date: the recomputation refuses it.
    connect(m_date, &DatePicker::invalidTextEntered, this, &NewCrimeGroup::answerDue);
}

CurrentCrime NewCrimeGroup::crime() const
{
    const int selected = m_category->currentIndex();
    return CurrentCrime{selected >= 0 ? std::optional(Gravity(selected)) : std::nullopt,
                        m_custody->isChecked(), m_date->date(), m_negligent->isChecked()};
}

void NewCrimeGroup::setCrime(const CurrentCrime &crime)
{
    const QSignalBlocker category(m_category);
    const QSignalBlocker custody(m_custody);
    const QSignalBlocker negligent(m_negligent);
    const QSignalBlocker date(m_date);
    m_category->setCurrentIndex(crime.gravity ? int(*crime.gravity) : -1);
    m_custody->setChecked(crime.actualCustody);
    m_negligent->setChecked(crime.negligent);
    if (crime.calculationDate.isValid())
        m_date->setCheckedDate(crime.calculationDate);
}

void NewCrimeGroup::setCategories(const CrimeCategories &categories)
{
    const QSignalBlocker blocker(m_category);
    m_category->clear();
    for (const QString &text : categories.texts)
        m_category->addItem(text);
    m_category->setCurrentIndex(-1);
}

void NewCrimeGroup::takeTypedDate()
{
    // Taking it would report the change and ask for the answer again; the
    // caller is already giving it.
    const QSignalBlocker blocker(m_date);
    m_date->acceptedDate();
}

QList<QWidget *> NewCrimeGroup::tabOrder() const
{
    return {m_category, m_custody, m_date, m_negligent};
}

TextTable NewCrimeGroup::textTable()
{
    TextTable texts{
        {u"Group.CrimeChosen", titleOf(this)},
        {u"String.GravityOfCrime", textOf(m_categoryLabel)},
        {u"String.DateRecidivismCalculation", textOf(m_dateLabel)},
        {u"String.ActualCustody", textOf(m_custody)},
        {u"String.NewCrimeNegligent", textOf(m_negligent)},
    };
    texts.append(categoryItemsOf(m_category));
    return texts;
}
