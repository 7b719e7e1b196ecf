#include "ui/convictionsgroup.h"

#include "catalogue/labeltext.h"
#include "document/recordlist.h"
#include "ui/convictiontable.h"
#include "ui/fittedheader.h"
#include "ui/objectname.h"
#include "ui/recordlistdelegate.h"
#include "ui/textreceivers.h"
#include "ui/timeline.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int ColumnWidths[] = {98, 130, 156, 117, 125, 72, 98};
// The rows the list keeps in view, however long the result under it.
constexpr int ListRowsKept = 5;

} // namespace

ConvictionsGroup::ConvictionsGroup(RecordList &records, const ShortDateFormat &dateFormat,
                                   const QList<QAction *> &historyActions, QWidget *parent)
    : QGroupBox(parent)
    , m_records(records)
    , m_table(new ConvictionTable(records, dateFormat, this))
    , m_list(named(new QTableView(this), "ListView1"))
    , m_columnHeader(new FittedHeader(m_list))
    , m_pages(named(new QTabWidget(this), "PageControl1"))
    , m_timeline(nullptr)
    , m_add(named(new QPushButton(this), "Button1"))
    , m_modify(named(new QPushButton(this), "Button2"))
    , m_delete(named(new QPushButton(this), "Button3"))
    , m_note(named(new QLabel(this), "Label3"))
    , m_menu(named(new QMenu(m_list), "PopupMenu1"))
{
    setObjectName(QStringLiteral("GroupBox2"));
    buildList();
    buildMenu(historyActions);
    // The list and its timeline take turns above the buttons: at the designed
    // height a timeline strip under the list left the list one row in view.
    m_pages->setDocumentMode(true);
    m_pages->addTab(m_list, QString());
    m_timeline =
        named(new Timeline(*m_table, *m_list->selectionModel(), dateFormat, m_pages), "Timeline1");
    m_pages->addTab(m_timeline, QString());
    buildLayout();
    connectRequests();
    applyEnablingRule();
}

void ConvictionsGroup::buildList()
{
    // The designed widths are the columns' floors; the columns fill the list.
    m_list->setHorizontalHeader(m_columnHeader);
    m_list->setModel(m_table);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    // The rows' numbers, as the result's grounds name the rows counted.
    m_list->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_list->setItemDelegate(new RecordListDelegate(m_list));
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->setTextElideMode(Qt::ElideRight);
    m_columnHeader->setFloors(QList<int>(std::begin(ColumnWidths), std::end(ColumnWidths)));
    // The list keeps its rows in view, however long the result under it.
    m_list->setMinimumSize(200, listHeightForRows(ListRowsKept));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
}

void ConvictionsGroup::buildMenu(const QList<QAction *> &historyActions)
{
    m_addRow = namedAction(m_menu, "N12");
    m_modifyRow = namedAction(m_menu, "N13");
    m_deleteRow = namedAction(m_menu, "N14");
    m_menu->addSeparator();
    m_menu->addActions(historyActions);
    m_addRow->setShortcut(Qt::Key_Insert);
    // Delete acts on the list's row only while the list has the focus, so that
    // it keeps its meaning in the other inputs.
    m_deleteRow->setShortcut(QKeySequence::Delete);
    m_deleteRow->setShortcutContext(Qt::WidgetShortcut);
    m_list->addAction(m_deleteRow);
}

void ConvictionsGroup::buildLayout()
{
    for (QPushButton *button : {m_add, m_modify, m_delete})
        button->setMinimumSize(75, 25);
    m_note->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // At least 344 wide, wider when its text needs it (a floor on the widget itself
    // would cut the text off).
    auto *note = new QGridLayout;
    note->setContentsMargins(0, 0, 0, 0);
    note->setColumnMinimumWidth(0, 344);
    note->addWidget(m_note, 0, 0);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(m_add);
    buttons->addWidget(m_modify);
    buttons->addWidget(m_delete);
    buttons->addSpacing(40);
    buttons->addLayout(note, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
}

void ConvictionsGroup::connectRequests()
{
    connect(m_add, &QPushButton::clicked, this, &ConvictionsGroup::addRequested);
    connect(m_modify, &QPushButton::clicked, this, &ConvictionsGroup::modifyRequested);
    connect(m_delete, &QPushButton::clicked, this, &ConvictionsGroup::deleteRequested);
    connect(m_addRow, &QAction::triggered, this, &ConvictionsGroup::addRequested);
    connect(m_modifyRow, &QAction::triggered, this, &ConvictionsGroup::modifyRequested);
    connect(m_deleteRow, &QAction::triggered, this, &ConvictionsGroup::deleteRequested);
    connect(m_list, &QAbstractItemView::doubleClicked, this, &ConvictionsGroup::modifyRequested);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(m_list->viewport()->mapToGlobal(at)); });
    // The list takes Return for itself before any shortcut sees it: it is caught
    // on its way to the list (eventFilter).
    m_list->installEventFilter(this);

    // The enabling rule follows the list's reports of changed rows and selection.
    const auto listChanged = [this] { applyEnablingRule(false); };
    connect(&m_records, &QAbstractItemModel::dataChanged, this, listChanged);
    connect(&m_records, &QAbstractItemModel::rowsInserted, this, listChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, listChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, listChanged);
}

std::optional<int> ConvictionsGroup::chosenRow() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return std::nullopt;
    const QModelIndex focus = m_list->currentIndex();
    return focus.isValid() ? focus.row() : selected.first().row();
}

void ConvictionsGroup::clearSelection()
{
    m_list->clearSelection();
}

void ConvictionsGroup::applyEnablingRule(bool requireListFocus)
{
    const bool enabled = m_records.count() > 0 && (!requireListFocus || m_list->hasFocus());
    for (QWidget *button : {static_cast<QWidget *>(m_modify), static_cast<QWidget *>(m_delete)})
        button->setEnabled(enabled);
    m_modifyRow->setEnabled(enabled);
    m_deleteRow->setEnabled(enabled);
}

int ConvictionsGroup::lackingWidth() const
{
    // Beside the columns: the list's frame and rows' numbers as they are, with
    // room for two-digit numbers carrying both marks and for a vertical scroll bar.
    const QString widestNumber =
        QStringLiteral("99") + ConvictionTable::AfterCrimeMark + ConvictionTable::InDoubtMark;
    const int numbersRoom = m_list->verticalHeader()->fontMetrics().horizontalAdvance(widestNumber);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    const int needed = m_columnHeader->floorsWidth() + m_list->width() -
                       m_list->viewport()->width() + numbersRoom + scrollBar;
    return std::max(needed - m_list->width(), 0);
}

int ConvictionsGroup::listHeightForRows(int rows) const
{
    return 2 * m_list->frameWidth() + m_list->horizontalHeader()->sizeHint().height() +
           rows * m_list->verticalHeader()->defaultSectionSize();
}

QList<QWidget *> ConvictionsGroup::tabOrder() const
{
    return {m_pages, m_list, m_add, m_modify, m_delete};
}

bool ConvictionsGroup::eventFilter(QObject *watched, QEvent *event)
{
    // Enter acts on the list's row only while the list has the focus.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_modifyRow->isEnabled()) {
            emit modifyRequested();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

TextTable ConvictionsGroup::textTable()
{
    const auto column = [this](int index) {
        return [this, index](const QString &text) {
            m_table->setColumnTitle(index, withoutAccessKey(text));
        };
    };
    const auto page = [this](int index) {
        return [this, index](const QString &text) { m_pages->setTabText(index, text); };
    };
    const auto legend = [this](int entry) {
        return [this, entry](const QString &text) { m_timeline->setLegendText(entry, text); };
    };
    return {
        {u"String.Convictions", titleOf(this)},
        {u"String.ListPage", page(0)},
        {u"String.Timeline", page(1)},
        {u"String.DateOfConviction", column(RecordColumn::Date)},
        {u"String.GravityOfCrime", column(RecordColumn::Severity)},
        {u"String.ActualCustody", column(RecordColumn::Custody)},
        {u"String.Juvenile", column(RecordColumn::Juvenile)},
        {u"String.StayOfExecution", column(RecordColumn::Reprieve)},
        {u"String.Convictions", column(RecordColumn::InForce)},
        {u"String.ExpungedOnTitle", column(RecordColumn::Expiry)},
        {u"Button.Add", textOf(m_add)},
        {u"Menu.Edit", textOf(m_modify)},
        {u"Menu.Delete", textOf(m_delete)},
        {u"String.ConvictionCancelled", textOf(m_note)},
        {u"Button.Add", textOf(m_addRow)},
        {u"Menu.Edit", textOf(m_modifyRow)},
        {u"Menu.Delete", textOf(m_deleteRow)},
        {u"String.TimelineCounted", legend(0)},
        {u"String.TimelineInForce", legend(1)},
        {u"String.TimelineExpunged", legend(2)},
    };
}
