#include "ui/addedit_unit.h"

#include "platform/languagesetting.h"
#include "ui/datepicker.h"
#include "ui/objectname.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TEdit_frm::TEdit_frm(const ShortDateFormat &dateFormat, const LanguageSetting &setting,
                     QWidget *parent)
    : QDialog(parent)
    , Panel2(named(new QFrame(this), "Panel2"))
    , Label2(named(new QLabel(Panel2), "Label2"))
    , DateTimePicker1(named(new DatePicker(dateFormat, Panel2), "DateTimePicker1"))
    , Label1(named(new QLabel(Panel2), "Label1"))
    , ComboBox1(named(new QComboBox(Panel2), "ComboBox1"))
    , CheckBox1(named(new QCheckBox(Panel2), "CheckBox1"))
    , CheckBox2(named(new QCheckBox(Panel2), "CheckBox2"))
    , CheckBox3(named(new QCheckBox(Panel2), "CheckBox3"))
    , Panel1(named(new QFrame(this), "Panel1"))
    , Button1(named(new QPushButton(Panel1), "Button1"))
    , Button2(named(new QPushButton(Panel1), "Button2"))
{
    setObjectName(QStringLiteral("Edit_frm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Labels on the left, inputs from x = 187, at least 155 wide; the check boxes
    // indented below, at least 281 wide (the two columns less the indent). The
    // floors are on the columns: a minimum width set on a widget replaces the
    // width its text needs, and a longer text than the English one was cut off.
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *inputs = new QGridLayout(Panel2);
    inputs->setContentsMargins(10, 13, 10, 8);
    inputs->setHorizontalSpacing(8);
    inputs->setColumnMinimumWidth(0, 169);
    inputs->setColumnMinimumWidth(1, 155);
    inputs->addWidget(Label2, 0, 0);
    inputs->addWidget(DateTimePicker1, 0, 1);
    inputs->addWidget(Label1, 1, 0);
    inputs->addWidget(ComboBox1, 1, 1);
    auto *boxes = new QVBoxLayout;
    boxes->setContentsMargins(51, 6, 0, 0);
    for (QCheckBox *box : {CheckBox1, CheckBox2, CheckBox3})
        boxes->addWidget(box);
    inputs->addLayout(boxes, 2, 0, 1, 2);
    inputs->setRowStretch(3, 1);

    Panel1->setMinimumHeight(47);
    for (QPushButton *button : {Button1, Button2}) {
        // Neither button is the default: Enter presses only a focused button.
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setMinimumSize(75, 25);
    }
    auto *buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(10, 11, 10, 11);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addWidget(Panel2, 1);
    window->addWidget(Panel1);

    setTabOrder(Button2, Button1);
    setTabOrder(Button1, ComboBox1);
    setTabOrder(ComboBox1, DateTimePicker1);
    setTabOrder(DateTimePicker1, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, CheckBox3);

    connect(Button1, &QPushButton::clicked, this, &TEdit_frm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    // Creating the dialog opens the settings key, which creates it when missing.
    setting.touch();
    resize(352, 209);
}

void TEdit_frm::Button1Click()
{
    emit okPressed();
    accept();
}

void TEdit_frm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QSize wanted = QSize(352, 209).expandedTo(minimumSizeHint());
    if (!m_shownBefore) {
        resize(wanted);
        Button2->setFocus(Qt::OtherFocusReason);
        m_shownBefore = true;
    }
    if (parentWidget() != nullptr)
        move(parentWidget()->window()->frameGeometry().center() - rect().center());
    // Window activation is unreliable without a window manager: report it on show.
    emit activated();
}

void TEdit_frm::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape: event->accept(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        event->accept();
        return;
    default: QDialog::keyPressEvent(event);
    }
}
