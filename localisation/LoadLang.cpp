#include "localisation/LoadLang.h"

#include "assessment/recordlist.h"
#include "catalogue/interfacekeys.h"
#include "catalogue/uLocalize.h"
#include "ui/about.h"
#include "ui/addedit_unit.h"
#include "ui/languageselector.h"
#include "ui/main.h"
#include "ui/optionaldatepicker.h"
#include "ui/timeline.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include <functional>

namespace {

// Writes a severity item in place, so that the selected index stays selected.
void setSeverityItem(QComboBox *selector, int index, const QString &text)
{
    const QSignalBlocker blocker(selector);
    if (index < selector->count()) {
        selector->setItemText(index, text);
        return;
    }
    const int selected = selector->currentIndex();
    selector->addItem(text);
    selector->setCurrentIndex(selected);
}

} // namespace

void LocalizeInterface(TForm1 &form)
{
    form.LocalizedOnce = true;
    LanguageCatalogue &catalogue = form.catalogue();
    catalogue.SelectLanguage(form.CmbBxLang->currentText());

    TEdit_frm &edit = *form.Edit_frm;
    TAboutFrm &about = *form.AboutFrm;
    RecordList &records = form.records();
    using Setter = std::function<void(const QString &)>;
    const auto text = [](auto *element) {
        return [element](const QString &t) { element->setText(t); };
    };
    const auto title = [](QWidget *window) {
        return [window](const QString &t) { window->setWindowTitle(t); };
    };
    const auto heading = [](auto *element) {
        return [element](const QString &t) { element->setTitle(t); };
    };
    const auto item = [](QComboBox *selector, int index) {
        return [selector, index](const QString &t) { setSeverityItem(selector, index, t); };
    };
    const auto column = [&records](int index) {
        return [&records, index](const QString &t) { records.setColumnTitle(index, t); };
    };
    const auto category = [&form](int index) {
        return [&form, index](const QString &t) { form.crimeCategories.texts[index] = t; };
    };

    // In the order of InterfaceTextKeys: one receiving element per key.
    const std::array<Setter, InterfaceTextKeys.size()> receivers = {
        title(&edit),
        text(edit.Button1),
        text(edit.Button2),
        item(edit.ComboBox1, 0),
        item(edit.ComboBox1, 1),
        item(edit.ComboBox1, 2),
        item(edit.ComboBox1, 3),
        text(edit.Label1),
        text(edit.Label2),
        text(edit.CheckBox1),
        text(edit.CheckBox2),
        text(edit.CheckBox3),
        text(about.OKButton),
        text(about.Comments),
        text(about.ProductName),
        title(&form),
        heading(form.N1),
        text(form.N2),
        text(form.N3),
        text(form.N11),
        text(form.N50),
        heading(form.N5),
        text(form.N6),
        text(form.N9),
        text(form.N16),
        text(form.N17),
        text(form.N8),
        heading(form.N20),
        heading(form.N21),
        text(form.Button1),
        text(form.Button2),
        text(form.Button3),
        heading(form.GroupBox1),
        heading(form.GroupBox2),
        column(0),
        column(1),
        column(2),
        column(3),
        column(4),
        column(5),
        item(form.ComboBox1, 0),
        item(form.ComboBox1, 1),
        item(form.ComboBox1, 2),
        item(form.ComboBox1, 3),
        category(0),
        category(1),
        category(2),
        category(3),
        text(form.Label1),
        text(form.Label2),
        text(form.Label3),
        text(form.Label4),
        text(form.CheckBox1),
        text(form.StatusPanel0),
        [&form](const QString &t) { form.od.filter = t; },
        [&form](const QString &t) { form.SD.filter = t; },
        text(form.N12),
        text(form.N13),
        text(form.N14),
        title(&about),
    };

    for (std::size_t row = 0; row < receivers.size(); ++row)
        receivers[row](catalogue.Translate(QString::fromUtf16(InterfaceTextKeys[row])));

    // Elements beyond the original interface, in the order of ExtendedTextKeys.
    const auto page = [&form](int index) {
        return [&form, index](const QString &t) { form.PageControl1->setTabText(index, t); };
    };
    const auto outOfOrder = [&edit](DatesOutOfOrder problem) {
        return [&edit, problem](const QString &t) { edit.setOutOfOrderText(problem, t); };
    };
    const auto legend = [&form](int entry) {
        return [&form, entry](const QString &t) { form.Timeline1->setLegendText(entry, t); };
    };
    const std::array<Setter, ExtendedTextKeys.size()> extended = {
        text(form.N51),
        page(0),
        page(1),
        text(edit.DetailsButton),
        text(edit.CrimeDatePicker),
        text(edit.PunishmentLabel),
        item(edit.PunishmentBox, 0),
        item(edit.PunishmentBox, 1),
        item(edit.PunishmentBox, 2),
        item(edit.PunishmentBox, 3),
        item(edit.PunishmentBox, 4),
        text(edit.ServedPicker),
        text(edit.ProbationPicker),
        text(edit.RevokedBox),
        text(edit.NegligentBox),
        column(RecordList::ExpiryColumn),
        text(form.CheckBox2),
        outOfOrder(DatesOutOfOrder::CrimeAfterConviction),
        outOfOrder(DatesOutOfOrder::ServedBeforeConviction),
        outOfOrder(DatesOutOfOrder::ProbationEndBeforeConviction),
        legend(0),
        legend(1),
        legend(2),
    };
    for (std::size_t row = 0; row < extended.size(); ++row)
        extended[row](catalogue.Translate(QString::fromUtf16(ExtendedTextKeys[row])));

    form.forgetExplanationTexts();
}
