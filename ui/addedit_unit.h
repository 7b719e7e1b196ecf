// The record dialog: one previous conviction entered or changed. The main window
// gives it a record to show and takes the record back after OK; the dialog never
// touches the list. Escape cancels; Enter presses a focused button and confirms
// from any other control; closing from the frame is Cancel (QDialog's own close
// handling rejects). The first opening puts the focus on the first input; Tab
// goes through the inputs, then OK, then Cancel.
//
// Below the check boxes, a "Details" section collapsed by default holds what the
// user may know beyond the list's columns. Its toggle sits at the left of the
// button bar, where the dialog has room, so that collapsed the dialog looks and
// sizes as without the section; expanding grows the dialog by the section, and
// collapsing gives the size back. The kind of punishment and the custody and
// reprieve boxes never disagree: whichever the user changes, the other follows.
// The day of revocation is asked only with "revoked" checked; a day given stays
// open to clearing, and OK refuses it without "revoked".
#pragma once

#include "assessment/convictiondetails.h"
#include "assessment/convictionrecord.h"
#include "assessment/detailsorder.h"
#include "localisation/texttable.h"
#include "platform/shortdateformat.h"
#include "records/recordwords.h"

#include <QDialog>
#include <QSize>

#include <array>

class DatePicker;
class OptionalDatePicker;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;
struct PunishmentBoxes;

class TEdit_frm : public QDialog
{
    Q_OBJECT

public:
    explicit TEdit_frm(const ShortDateFormat &dateFormat, QWidget *parent = nullptr);

    // The categories offered, in the current language; the first chosen.
    void setCategories(const CrimeCategories &categories);
    // Shows a record of the list, in this order: the date, its category (none
    // chosen for an unrecognised one), the boxes, then the details. A date outside
    // the picker's range raises "Failed to set calendar date or time" before
    // anything changes; details that setDetails refuses raise its error after the
    // rest has changed.
    void showRecord(const ConvictionRecord &record);
    // Shows a new record: the first category, the given day, custody only, no
    // details and the section collapsed.
    void showNewRecord(QDate today);
    // The record as shown: the date, the selected category or, when none is, the
    // category of the record shown (an unrecognised one kept as it came), the
    // boxes, and the details.
    ConvictionRecord record() const;

    // The details as shown: the dates as given, "revoked" only where it applies
    // (the day of revocation as given, so that OK can refuse one without it).
    ConvictionDetails details() const;
    // Fills the section for a record whose check boxes are already set, and
    // expands it when anything is given. A kind the boxes contradict gives way to
    // "not given"; the boxes are left alone; a sentence number below 0 shows as
    // none. Raises "Failed to set calendar date or time" for a date outside the
    // pickers' range, changing nothing.
    void setDetails(const ConvictionDetails &details);
    // Nothing given, collapsed: the section for a new record.
    void resetDetails();
    // The message OK shows, and stays open, when the dates are in this wrong order.
    void setOutOfOrderText(DatesOutOfOrder problem, const QString &text);

    // The section's optional dates, in the order the dialog shows them.
    static constexpr std::size_t DatePickerCount = 7;
    std::array<OptionalDatePicker *, DatePickerCount> datePickers() const;

    // Every text of the dialog by its key.
    TextTable textTable();

signals:
    // The dialog became active; the main window applies its enabling rule.
    void activated();
    // OK was pressed, before the dialog closes.
    void okPressed();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The dialog's widgets, found by their object names from outside.
    QFrame *Panel2;
    QLabel *Label2;
    DatePicker *DateTimePicker1;
    QLabel *Label1;
    QComboBox *ComboBox1;
    QCheckBox *CheckBox1; // actual deprivation of liberty was imposed
    QCheckBox *CheckBox2; // committed as a minor
    QCheckBox *CheckBox3; // execution of the sentence was deferred
    QWidget *DetailsPanel;
    // Over the details read from a file that may be another conviction's: whom
    // they were written for, and that OK confirms them. Hidden otherwise.
    QLabel *UnconfirmedNote;
    OptionalDatePicker *CrimeDatePicker;
    OptionalDatePicker *InForcePicker; // the sentence entered into legal force
    QLabel *SentenceLabel;
    QSpinBox *SentenceBox; // the number rows of one sentence share; 0, shown "—", none
    QLabel *PunishmentLabel;
    QComboBox *PunishmentBox; // the kinds in the order of PunishmentKind
    OptionalDatePicker *ServedPicker;
    OptionalDatePicker *AdditionalEndPicker; // the additional punishment ended
    OptionalDatePicker *ProbationPicker;     // only for a conditional sentence
    QCheckBox *RevokedBox; // only for a conditional sentence, a deferral or a reprieve
    OptionalDatePicker *RevokedOnPicker; // with RevokedBox checked, or a day given
    OptionalDatePicker *RemovedPicker;   // the conviction was removed
    QCheckBox *NegligentBox;
    QFrame *Panel1;
    QToolButton *DetailsButton; // shows and hides DetailsPanel
    QPushButton *Button1;       // OK
    QPushButton *Button2;       // Cancel

    void Button1Click();
    // Shows the kind and the boxes, which agree, without reacting to the change.
    void showPunishment(const PunishmentBoxes &state);
    PunishmentBoxes punishment() const;
    PunishmentKind kind() const;
    bool revokedApplies() const;
    // "Revoked" checked where it applies.
    bool revokedGiven() const;
    // The control OK puts the focus on for the problem.
    QWidget *culprit(DatesOutOfOrder problem) const;
    void applyEnablingRules();
    void showDetails(bool shown);
    // One label column and one input column for the rows above the section and in
    // it while it is shown; the columns of the dialog without it while hidden.
    void alignColumns();

    ShortDateFormat m_dateFormat;
    ConvictionGravity m_shownGravity; // kept when none is chosen
    QGridLayout *m_inputs = nullptr;
    QGridLayout *m_details = nullptr;
    QSize m_detailsGrowth; // what showing the section added to the dialog's size
    std::array<QString, DatesOutOfOrderCount> m_outOfOrderTexts;
    QString m_unconfirmedText;        // %1: whom the details were written for
    QString m_unconfirmedUnknownText; // the file does not say whom
    bool m_shownBefore = false;
};
