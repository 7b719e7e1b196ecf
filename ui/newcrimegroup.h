// The new crime's group of the main window: its category, the day it was
// committed (the date the law is applied at), actual custody and negligence,
// given and taken as one value.
#pragma once

#include "assessment/recidivism.h"
#include "localisation/texttable.h"
#include "platform/shortdateformat.h"
#include "records/recordwords.h"

#include <QGroupBox>

class DatePicker;
class QCheckBox;
class QComboBox;
class QLabel;

class NewCrimeGroup : public QGroupBox
{
    Q_OBJECT

public:
    NewCrimeGroup(const ShortDateFormat &dateFormat, QWidget *parent);

    // The crime as the inputs show it; no category while none is chosen.
    CurrentCrime crime() const;
    // Shows a crime without reporting a change; a crime without a date leaves
    // the date as it is.
    void setCrime(const CurrentCrime &crime);
    // The categories offered, in the current language, none chosen.
    void setCategories(const CrimeCategories &categories);
    // A date typed and not yet taken is taken now, without a report of its own;
    // a text that is no date raises.
    void takeTypedDate();

    // The inputs in the order Tab visits them.
    QList<QWidget *> tabOrder() const;
    TextTable textTable();

signals:
    // An input changed: the crime is another.
    void crimeEdited();
    // The user picked a category, changed custody, negligence or the date, or
    // typed a text that is no date: the answer is due again.
    void answerDue();

private:
    QLabel *m_categoryLabel;
    QComboBox *m_category;
    QLabel *m_dateLabel;
    DatePicker *m_date;
    QCheckBox *m_custody;
    QCheckBox *m_negligent;
};
