#include "ui/addedit_unit.h"

#include "assessment/punishmentboxes.h"
#include "localisation/explanation.h"
#include "platform/runtimeerror.h"
#include "records/recordwords.h"
#include "ui/datepicker.h"
#include "ui/errorhandler.h"
#include "ui/itemwidth.h"
#include "ui/objectname.h"
#include "ui/optionaldatepicker.h"
#include "ui/textreceivers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The floors of the two columns, and the space between them.
constexpr int LabelColumnWidth = 169;
constexpr int InputColumnWidth = 155;
constexpr int ColumnSpacing = 8;
// The check boxes' indent below the labels.
constexpr int BoxIndent = 51;

std::optional<QDate> given(QDate date)
{
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// The width a layout gives a control at the least: its own floor or its size hint.
int laidOutWidth(const QWidget *control)
{
    return std::max(control->minimumWidth(), control->sizeHint().width());
}

// How wide indented check boxes make their rows.
int indentedWidth(std::initializer_list<const QCheckBox *> boxes)
{
    int widest = 0;
    for (const QCheckBox *box : boxes)
        widest = std::max(widest, box->sizeHint().width());
    return BoxIndent + widest;
}

// Breaks a check box's text at blanks into lines no wider than the box may be,
// so that a long text makes the dialog taller rather than wider. A word longer
// than a line keeps a line of its own. The language files hold every text on one
// line, so a text broken before is joined again first.
void wrapText(QCheckBox *box, int width)
{
    const QString plain = box->text().replace(u'\n', u' ');
    box->setText(plain);
    const QFontMetrics metrics = box->fontMetrics();
    const auto textWidth = [&metrics](const QString &text) {
        return metrics.size(Qt::TextShowMnemonic, text).width();
    };
    const int room = width - (box->sizeHint().width() - textWidth(plain));
    QStringList lines;
    for (const QString &word : plain.split(u' ')) {
        if (!lines.isEmpty() && textWidth(lines.last() + u' ' + word) <= room)
            lines.last() += u' ' + word;
        else
            lines.append(word);
    }
    box->setText(lines.join(u'\n'));
}

} // namespace

TEdit_frm::TEdit_frm(const ShortDateFormat &dateFormat, QWidget *parent)
    : QDialog(parent)
    , Panel2(named(new QFrame(this), "Panel2"))
    , Label2(named(new QLabel(Panel2), "Label2"))
    , DateTimePicker1(named(new DatePicker(dateFormat, Panel2), "DateTimePicker1"))
    , Label1(named(new QLabel(Panel2), "Label1"))
    , ComboBox1(named(new QComboBox(Panel2), "ComboBox1"))
    , CheckBox1(named(new QCheckBox(Panel2), "CheckBox1"))
    , CheckBox2(named(new QCheckBox(Panel2), "CheckBox2"))
    , CheckBox3(named(new QCheckBox(Panel2), "CheckBox3"))
    , DetailsPanel(named(new QWidget(Panel2), "DetailsPanel"))
    , CrimeDatePicker(named(new OptionalDatePicker(dateFormat, DetailsPanel), "CrimeDatePicker"))
    , InForcePicker(named(new OptionalDatePicker(dateFormat, DetailsPanel), "InForcePicker"))
    , SentenceLabel(named(new QLabel(DetailsPanel), "SentenceLabel"))
    , SentenceBox(named(new QSpinBox(DetailsPanel), "SentenceBox"))
    , PunishmentLabel(named(new QLabel(DetailsPanel), "PunishmentLabel"))
    , PunishmentBox(named(new QComboBox(DetailsPanel), "PunishmentBox"))
    , ServedPicker(named(new OptionalDatePicker(dateFormat, DetailsPanel), "ServedPicker"))
    , AdditionalEndPicker(
          named(new OptionalDatePicker(dateFormat, DetailsPanel), "AdditionalEndPicker"))
    , ProbationPicker(named(new OptionalDatePicker(dateFormat, DetailsPanel), "ProbationPicker"))
    , RevokedBox(named(new QCheckBox(DetailsPanel), "RevokedBox"))
    , RevokedOnPicker(named(new OptionalDatePicker(dateFormat, DetailsPanel), "RevokedOnPicker"))
    , RemovedPicker(named(new OptionalDatePicker(dateFormat, DetailsPanel), "RemovedPicker"))
    , NegligentBox(named(new QCheckBox(DetailsPanel), "NegligentBox"))
    , Panel1(named(new QFrame(this), "Panel1"))
    , DetailsButton(named(new QToolButton(Panel1), "DetailsButton"))
    , Button1(named(new QPushButton(Panel1), "Button1"))
    , Button2(named(new QPushButton(Panel1), "Button2"))
    , m_dateFormat(dateFormat)
{
    setObjectName(QStringLiteral("Edit_frm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Labels on the left, inputs from x = 187, at least 155 wide; the check boxes
    // indented below, at least 281 wide (the two columns less the indent). The
    // floors are on the columns: a minimum width set on a widget replaces the
    // width its text needs, and a longer text than the English one was cut off.
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    keepWideEnoughForItems(*ComboBox1);
    m_inputs = new QGridLayout(Panel2);
    m_inputs->setContentsMargins(10, 13, 10, 8);
    m_inputs->setHorizontalSpacing(ColumnSpacing);
    Label2->setBuddy(DateTimePicker1);
    Label1->setBuddy(ComboBox1);
    m_inputs->addWidget(Label2, 0, 0);
    m_inputs->addWidget(DateTimePicker1, 0, 1);
    m_inputs->addWidget(Label1, 1, 0);
    m_inputs->addWidget(ComboBox1, 1, 1);
    auto *boxes = new QVBoxLayout;
    boxes->setContentsMargins(BoxIndent, 6, 0, 0);
    for (QCheckBox *box : {CheckBox1, CheckBox2, CheckBox3})
        boxes->addWidget(box);
    m_inputs->addLayout(boxes, 2, 0, 1, 2);
    // The section takes a row of its own; hidden, the row is empty and the dialog
    // is laid out as without it.
    m_inputs->addWidget(DetailsPanel, 3, 0, 1, 2);
    m_inputs->setRowStretch(4, 1);
    // A wider dialog widens the inputs, never the labels: with the same label
    // column in the section's grid, the two grids keep one input edge.
    m_inputs->setColumnStretch(1, 1);

    // The section in the same two columns: an optional date's check box is its
    // caption, in the label column, and its picker in the input column.
    PunishmentBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    keepWideEnoughForItems(*PunishmentBox);
    for (int kind = 0; kind < PunishmentKindCount; ++kind)
        PunishmentBox->addItem(QString());
    PunishmentLabel->setBuddy(PunishmentBox);
    // 0, shown as a dash, is none; any number a file may hold shows as it is.
    SentenceBox->setRange(0, std::numeric_limits<int>::max());
    SentenceBox->setSpecialValueText(QStringLiteral("\u2014"));
    SentenceLabel->setBuddy(SentenceBox);
    m_details = new QGridLayout(DetailsPanel);
    m_details->setContentsMargins(0, 6, 0, 0);
    m_details->setHorizontalSpacing(ColumnSpacing);
    m_details->setColumnStretch(1, 1);
    int row = 0;
    const auto wholeRow = [this, &row](QWidget *widget) {
        m_details->addWidget(widget, row++, 0, 1, 2);
    };
    // An indented check box, as those above the section.
    const auto boxRow = [this, &row](QCheckBox *box) {
        auto *indented = new QVBoxLayout;
        indented->setContentsMargins(BoxIndent, 0, 0, 0);
        indented->addWidget(box);
        m_details->addLayout(indented, row++, 0, 1, 2);
    };
    UnconfirmedNote = named(new QLabel(DetailsPanel), "UnconfirmedDetailsNote");
    UnconfirmedNote->setWordWrap(true);
    UnconfirmedNote->hide();
    wholeRow(UnconfirmedNote);
    wholeRow(CrimeDatePicker);
    wholeRow(InForcePicker);
    m_details->addWidget(SentenceLabel, row, 0);
    m_details->addWidget(SentenceBox, row++, 1, Qt::AlignLeft);
    m_details->addWidget(PunishmentLabel, row, 0);
    m_details->addWidget(PunishmentBox, row++, 1);
    wholeRow(ServedPicker);
    wholeRow(AdditionalEndPicker);
    wholeRow(ProbationPicker);
    boxRow(RevokedBox);
    wholeRow(RevokedOnPicker);
    wholeRow(RemovedPicker);
    boxRow(NegligentBox);
    DetailsPanel->hide();
    alignColumns();

    DetailsButton->setCheckable(true);
    DetailsButton->setAutoRaise(true);
    DetailsButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    DetailsButton->setArrowType(Qt::RightArrow);

    Panel1->setMinimumHeight(47);
    for (QPushButton *button : {Button1, Button2}) {
        // Enter presses a focused button, and OK anywhere else (keyPressEvent).
        button->setAutoDefault(false);
        button->setMinimumSize(75, 25);
    }
    Button1->setDefault(true);
    auto *buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(10, 11, 10, 11);
    buttons->addWidget(DetailsButton);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addWidget(Panel2, 1);
    window->addWidget(Panel1);

    // The inputs, then OK, then Cancel.
    setTabOrder(ComboBox1, DateTimePicker1);
    setTabOrder(DateTimePicker1, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, CheckBox3);
    QWidget *previous = CheckBox3;
    for (QWidget *next : std::initializer_list<QWidget *>{
             DetailsButton, CrimeDatePicker->box(), CrimeDatePicker->picker(), InForcePicker->box(),
             InForcePicker->picker(), SentenceBox, PunishmentBox, ServedPicker->box(),
             ServedPicker->picker(), AdditionalEndPicker->box(), AdditionalEndPicker->picker(),
             ProbationPicker->box(), ProbationPicker->picker(), RevokedBox, RevokedOnPicker->box(),
             RevokedOnPicker->picker(), RemovedPicker->box(), RemovedPicker->picker(),
             NegligentBox}) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(NegligentBox, Button1);
    setTabOrder(Button1, Button2);

    connect(Button1, &QPushButton::clicked, this,
            [this] { runCommand(this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(DetailsButton, &QToolButton::toggled, this, &TEdit_frm::showDetails);
    // Every change of the kind or of a box, the user's or the main window's, brings
    // the other into line, so that the dialog never shows the two disagreeing.
    connect(PunishmentBox, &QComboBox::currentIndexChanged, this,
            [this] { showPunishment(withKind(punishment(), kind())); });
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this](bool checked) { showPunishment(withCustodyBox(punishment(), checked)); });
    connect(CheckBox3, &QCheckBox::toggled, this,
            [this](bool checked) { showPunishment(withReprieveBox(punishment(), checked)); });
    connect(RevokedBox, &QCheckBox::toggled, this, &TEdit_frm::applyEnablingRules);
    connect(RevokedOnPicker->box(), &QCheckBox::toggled, this, &TEdit_frm::applyEnablingRules);
    applyEnablingRules();
    resize(352, 209);
}

void TEdit_frm::setCategories(const CrimeCategories &categories)
{
    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->clear();
    for (const QString &text : categories.texts)
        ComboBox1->addItem(text);
    ComboBox1->setCurrentIndex(0);
}

void TEdit_frm::showRecord(const ConvictionRecord &record)
{
    DateTimePicker1->setCheckedDate(record.date);
    m_shownGravity = record.gravity;
    const std::optional<Gravity> &gravity = record.gravity.known();
    ComboBox1->setCurrentIndex(gravity ? int(*gravity) : -1);
    CheckBox1->setChecked(record.custody);
    CheckBox2->setChecked(record.juvenile);
    CheckBox3->setChecked(record.reprieve);
    setDetails(record.details);
}

void TEdit_frm::showNewRecord(QDate today)
{
    ComboBox1->setCurrentIndex(0);
    DateTimePicker1->setCheckedDate(today);
    m_shownGravity = ConvictionGravity();
    CheckBox1->setChecked(true);
    CheckBox2->setChecked(false);
    CheckBox3->setChecked(false);
    resetDetails();
}

ConvictionRecord TEdit_frm::record() const
{
    const int category = ComboBox1->currentIndex();
    return ConvictionRecord{DateTimePicker1->date(),
                            category >= 0 ? ConvictionGravity(Gravity(category)) : m_shownGravity,
                            CheckBox1->isChecked(),
                            CheckBox2->isChecked(),
                            CheckBox3->isChecked(),
                            details()};
}

void TEdit_frm::Button1Click()
{
    // A date typed and not yet taken is taken now; a text that is not a date
    // keeps the dialog open with the focus on it.
    DateTimePicker1->acceptedDate();
    for (OptionalDatePicker *picker : datePickers()) {
        if (!picker->isEnabled())
            continue; // probation without a conditional sentence is not asked
        if (picker->box()->isChecked() && !picker->picker()->typedDate())
            showDetails(true);
        picker->acceptedDate();
    }
    // Dates out of order would move the expiry date: the dialog stays open on
    // the date to correct.
    const DatesOutOfOrder problem = datesOutOfOrder(DateTimePicker1->date(), details());
    if (problem != DatesOutOfOrder::None) {
        showDetails(true);
        culprit(problem)->setFocus(Qt::OtherFocusReason);
        showError(this, m_outOfOrderTexts[std::size_t(problem)]);
        return;
    }
    emit okPressed();
    accept();
}

QWidget *TEdit_frm::culprit(DatesOutOfOrder problem) const
{
    switch (problem) {
    case DatesOutOfOrder::CrimeAfterConviction: return CrimeDatePicker->picker();
    case DatesOutOfOrder::InForceBeforeConviction: return InForcePicker->picker();
    case DatesOutOfOrder::ServedBeforeConviction: return ServedPicker->picker();
    case DatesOutOfOrder::AdditionalEndBeforeConviction: return AdditionalEndPicker->picker();
    case DatesOutOfOrder::ProbationEndBeforeConviction: return ProbationPicker->picker();
    case DatesOutOfOrder::RevokedBeforeConviction: return RevokedOnPicker->picker();
    // The day's own box, which stays enabled while a day is given: clear it, or
    // check "revoked" above it.
    case DatesOutOfOrder::RevokedOnWithoutRevocation: return RevokedOnPicker->box();
    case DatesOutOfOrder::RemovedBeforeConviction: return RemovedPicker->picker();
    case DatesOutOfOrder::None: break;
    }
    return Button1;
}

void TEdit_frm::setOutOfOrderText(DatesOutOfOrder problem, const QString &text)
{
    m_outOfOrderTexts[std::size_t(problem)] = text;
}

std::array<OptionalDatePicker *, TEdit_frm::DatePickerCount> TEdit_frm::datePickers() const
{
    return {CrimeDatePicker, InForcePicker,   ServedPicker, AdditionalEndPicker,
            ProbationPicker, RevokedOnPicker, RemovedPicker};
}

ConvictionDetails TEdit_frm::details() const
{
    ConvictionDetails details;
    details.crimeDate = CrimeDatePicker->date().value_or(QDate());
    details.punishment = kind();
    details.served = ServedPicker->date().value_or(QDate());
    // Probation belongs to a conditional sentence only.
    if (details.punishment == PunishmentKind::Conditional)
        details.probationEnd = ProbationPicker->date().value_or(QDate());
    details.revoked = revokedGiven();
    details.negligent = NegligentBox->isChecked();
    details.inForce = InForcePicker->date().value_or(QDate());
    details.revokedOn = RevokedOnPicker->date().value_or(QDate());
    details.sentence = SentenceBox->value();
    details.additionalEnd = AdditionalEndPicker->date().value_or(QDate());
    details.removed = RemovedPicker->date().value_or(QDate());
    return details;
}

void TEdit_frm::setDetails(const ConvictionDetails &details)
{
    const std::array<QDate, DatePickerCount> dates = {
        details.crimeDate,    details.inForce,   details.served, details.additionalEnd,
        details.probationEnd, details.revokedOn, details.removed};
    for (const QDate date : dates) {
        if (date.isValid() && (date < DatePicker::earliest() || date > DatePicker::latest()))
            throw failedToSetCalendarDateError();
    }
    const std::array<OptionalDatePicker *, DatePickerCount> pickers = datePickers();
    for (std::size_t index = 0; index < pickers.size(); ++index)
        pickers[index]->setDate(given(dates[index]));
    SentenceBox->setValue(std::max(details.sentence, 0));
    const int index = int(details.punishment);
    const PunishmentKind wanted =
        index >= 0 && index < PunishmentKindCount ? details.punishment : PunishmentKind::NotGiven;
    PunishmentBoxes state = punishment();
    state.kind = wanted;
    state.kind = kindAgreeingWithBoxes(state);
    showPunishment(state);
    RevokedBox->setChecked(details.revoked);
    NegligentBox->setChecked(details.negligent);
    const QString owner = detailsOwnerText(details.unconfirmed, m_dateFormat);
    UnconfirmedNote->setText(owner.isEmpty() ? m_unconfirmedUnknownText
                                             : filledText(m_unconfirmedText, owner));
    UnconfirmedNote->setVisible(details.unconfirmed.any());
    showDetails(!details.isEmpty());
}

void TEdit_frm::resetDetails()
{
    for (OptionalDatePicker *picker : datePickers())
        picker->setDate(std::nullopt);
    SentenceBox->setValue(0);
    PunishmentBoxes state = punishment();
    state.kind = PunishmentKind::NotGiven;
    showPunishment(state);
    RevokedBox->setChecked(false);
    NegligentBox->setChecked(false);
    UnconfirmedNote->hide();
    showDetails(false);
}

void TEdit_frm::showPunishment(const PunishmentBoxes &state)
{
    {
        const QSignalBlocker kindBlocker(PunishmentBox);
        const QSignalBlocker custodyBlocker(CheckBox1);
        const QSignalBlocker reprieveBlocker(CheckBox3);
        PunishmentBox->setCurrentIndex(int(state.kind));
        CheckBox1->setChecked(state.custody);
        CheckBox3->setChecked(state.reprieve);
    }
    applyEnablingRules();
}

PunishmentBoxes TEdit_frm::punishment() const
{
    return PunishmentBoxes{kind(), CheckBox1->isChecked(), CheckBox3->isChecked()};
}

PunishmentKind TEdit_frm::kind() const
{
    return PunishmentKind(std::max(PunishmentBox->currentIndex(), 0));
}

bool TEdit_frm::revokedApplies() const
{
    const PunishmentKind shown = kind();
    return shown == PunishmentKind::Conditional || shown == PunishmentKind::Deferred ||
           CheckBox3->isChecked();
}

bool TEdit_frm::revokedGiven() const
{
    return revokedApplies() && RevokedBox->isChecked();
}

void TEdit_frm::applyEnablingRules()
{
    ProbationPicker->setEnabled(kind() == PunishmentKind::Conditional);
    RevokedBox->setEnabled(revokedApplies());
    RevokedOnPicker->setEnabled(revokedGiven() || RevokedOnPicker->box()->isChecked());
}

void TEdit_frm::showDetails(bool shown)
{
    {
        const QSignalBlocker blocker(DetailsButton);
        DetailsButton->setChecked(shown);
    }
    DetailsButton->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    if (DetailsPanel->isHidden() != shown)
        return;
    const QSize before = size();
    DetailsPanel->setVisible(shown);
    alignColumns();
    // The section changes Panel2's layout; the dialog's own learns of it now
    // rather than at the next turn of the event loop.
    m_details->activate();
    m_inputs->activate();
    Panel2->updateGeometry();
    layout()->activate();
    if (shown) {
        // The section's own height, whatever spare room the dialog had.
        const int added = DetailsPanel->sizeHint().height() + m_inputs->verticalSpacing();
        resize(QSize(before.width(), before.height() + added).expandedTo(minimumSizeHint()));
        m_detailsGrowth = size() - before;
    } else {
        resize((before - m_detailsGrowth).expandedTo(minimumSizeHint()));
        m_detailsGrowth = QSize();
    }
}

void TEdit_frm::alignColumns()
{
    int labels = LabelColumnWidth;
    int inputs = InputColumnWidth;
    const std::array<OptionalDatePicker *, DatePickerCount> pickers = datePickers();
    if (!DetailsPanel->isHidden()) {
        labels = std::max({labels, Label2->sizeHint().width(), Label1->sizeHint().width(),
                           PunishmentLabel->sizeHint().width(), SentenceLabel->sizeHint().width()});
        inputs = std::max({inputs, DateTimePicker1->sizeHint().width(), laidOutWidth(ComboBox1),
                           laidOutWidth(PunishmentBox)});
        for (const OptionalDatePicker *picker : pickers) {
            labels = std::max(labels, picker->box()->sizeHint().width());
            inputs = std::max(inputs, picker->picker()->sizeHint().width());
        }
        // Rows across both columns widen the input column only, so that the
        // label column stays the same above the section and in it. The section's
        // check boxes take the width the dialog has without them.
        inputs = std::max(inputs, indentedWidth({CheckBox1, CheckBox2, CheckBox3}) - labels -
                                      ColumnSpacing);
        for (QCheckBox *box : {RevokedBox, NegligentBox})
            wrapText(box, labels + ColumnSpacing + inputs - BoxIndent);
        inputs =
            std::max(inputs, indentedWidth({RevokedBox, NegligentBox}) - labels - ColumnSpacing);
    }
    for (QGridLayout *grid : {m_inputs, m_details}) {
        grid->setColumnMinimumWidth(0, labels);
        grid->setColumnMinimumWidth(1, inputs);
    }
    for (OptionalDatePicker *picker : pickers)
        picker->setCaptionWidth(labels);
}

void TEdit_frm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    alignColumns();
    if (!m_shownBefore) {
        // The size of the dialog without the section, and the section on top.
        const bool expanded = !DetailsPanel->isHidden();
        showDetails(false);
        resize(QSize(352, 209).expandedTo(minimumSizeHint()));
        showDetails(expanded);
        ComboBox1->setFocus(Qt::OtherFocusReason);
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
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button is pressed; from any other control Enter confirms.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        else
            Button1->click();
        event->accept();
        return;
    default: QDialog::keyPressEvent(event);
    }
}

TextTable TEdit_frm::textTable()
{
    const auto outOfOrder = [this](DatesOutOfOrder problem) {
        return [this, problem](const QString &text) { setOutOfOrderText(problem, text); };
    };
    TextTable texts{
        {u"Caption.EditFrm", windowTitleOf(this)},
        {u"Button.Ok", textOf(Button1)},
        {u"Button.Cancel", textOf(Button2)},
        {u"String.GravityOfCrime", textOf(Label1)},
        {u"String.DateOfCrime", textOf(Label2)},
        {u"String.ActualCustodyImposed", textOf(CheckBox1)},
        {u"String.JuvenileCrime", textOf(CheckBox2)},
        {u"String.ReprieveExisted", textOf(CheckBox3)},
        {u"String.Details", textOf(DetailsButton)},
        {u"String.DetailsHint", toolTipOf(DetailsButton)},
        {u"String.CrimeCommitted", textOf(CrimeDatePicker)},
        {u"String.Punishment", textOf(PunishmentLabel)},
        {u"String.PunishmentNotGiven", itemOf(PunishmentBox, int(PunishmentKind::NotGiven))},
        {u"String.PunishmentCustody", itemOf(PunishmentBox, int(PunishmentKind::Custody))},
        {u"String.PunishmentConditional", itemOf(PunishmentBox, int(PunishmentKind::Conditional))},
        {u"String.PunishmentDeferred", itemOf(PunishmentBox, int(PunishmentKind::Deferred))},
        {u"String.PunishmentMilder", itemOf(PunishmentBox, int(PunishmentKind::Milder))},
        {u"String.SentenceServed", textOf(ServedPicker)},
        {u"String.ProbationEnds", textOf(ProbationPicker)},
        {u"String.Revoked", textOf(RevokedBox)},
        {u"String.Negligent", textOf(NegligentBox)},
        {u"String.SentenceServedHint", toolTipOf(ServedPicker)},
        {u"String.InForce", textOf(InForcePicker)},
        {u"String.InForceHint", toolTipOf(InForcePicker)},
        {u"String.SentenceNumber", textOf(SentenceLabel)},
        {u"String.SentenceNumberHint",
         [this](const QString &text) {
             toolTipOf(SentenceLabel)(text);
             toolTipOf(SentenceBox)(text);
         }},
        {u"String.AdditionalEnds", textOf(AdditionalEndPicker)},
        {u"String.AdditionalEndsHint", toolTipOf(AdditionalEndPicker)},
        {u"String.RevokedOn", textOf(RevokedOnPicker)},
        {u"String.RevokedOnHint", toolTipOf(RevokedOnPicker)},
        {u"String.Removed", textOf(RemovedPicker)},
        {u"String.RemovedHint", toolTipOf(RemovedPicker)},
        {u"String.CrimeAfterConviction", outOfOrder(DatesOutOfOrder::CrimeAfterConviction)},
        {u"String.InForceBeforeConviction", outOfOrder(DatesOutOfOrder::InForceBeforeConviction)},
        {u"String.ServedBeforeConviction", outOfOrder(DatesOutOfOrder::ServedBeforeConviction)},
        {u"String.AdditionalEndBeforeConviction",
         outOfOrder(DatesOutOfOrder::AdditionalEndBeforeConviction)},
        {u"String.ProbationBeforeConviction",
         outOfOrder(DatesOutOfOrder::ProbationEndBeforeConviction)},
        {u"String.RevokedBeforeConviction", outOfOrder(DatesOutOfOrder::RevokedBeforeConviction)},
        {u"String.RevokedOnWithoutRevocation",
         outOfOrder(DatesOutOfOrder::RevokedOnWithoutRevocation)},
        {u"String.RemovedBeforeConviction", outOfOrder(DatesOutOfOrder::RemovedBeforeConviction)},
        {u"String.DetailsUnconfirmed", into(m_unconfirmedText)},
        {u"String.DetailsUnconfirmedUnknown", into(m_unconfirmedUnknownText)},
    };
    texts.append(categoryItemsOf(ComboBox1));
    return texts;
}
