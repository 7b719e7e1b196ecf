// The record dialog: one previous conviction entered or changed. The main window
// fills it, shows it and reads it; the dialog never touches the list. Escape does
// nothing, Enter presses only a focused button, and closing from the frame is
// Cancel (QDialog's own close handling rejects).
#pragma once

#include <QDialog>

class DatePicker;
class LanguageSetting;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class ShortDateFormat;

class TEdit_frm : public QDialog
{
    Q_OBJECT

public:
    TEdit_frm(const ShortDateFormat &dateFormat, const LanguageSetting &setting,
              QWidget *parent = nullptr);

    QFrame *Panel2;
    QLabel *Label2;
    DatePicker *DateTimePicker1;
    QLabel *Label1;
    QComboBox *ComboBox1;
    QCheckBox *CheckBox1; // actual deprivation of liberty was imposed
    QCheckBox *CheckBox2; // committed as a minor
    QCheckBox *CheckBox3; // execution of the sentence was deferred
    QFrame *Panel1;
    QPushButton *Button1; // OK
    QPushButton *Button2; // Cancel

signals:
    // The dialog became active; the main window applies its enabling rule.
    void activated();
    // OK was pressed, before the dialog closes.
    void okPressed();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Button1Click();
    bool m_shownBefore = false;
};
