// The convictions' group of the main window: the list of previous convictions
// and its timeline, as two pages, the buttons that add, modify and delete a row,
// and the list's context menu. It asks for the commands; the window runs them.
#pragma once

#include "localisation/texttable.h"
#include "platform/shortdateformat.h"

#include <QGroupBox>

#include <optional>

class FittedHeader;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableView;
class RecordList;
class Timeline;
class ConvictionTable;

class ConvictionsGroup : public QGroupBox
{
    Q_OBJECT

public:
    // The history's actions (undo, redo) join the list's context menu.
    ConvictionsGroup(RecordList &records, const ShortDateFormat &dateFormat,
                     const QList<QAction *> &historyActions, QWidget *parent);

    // The row Modify and Delete act on: the list's current row, else the
    // selected one; none without a selection.
    std::optional<int> chosenRow() const;
    // After a deletion the view selects the next row by itself: a second Delete
    // must not delete it.
    void clearSelection();
    // Modify and Delete enabled exactly when the list holds a row, and, when
    // asked, the list has the keyboard focus.
    void applyEnablingRule(bool requireListFocus = false);
    // How much wider the list must be to show every column at its designed
    // width, with room for more rows' numbers and a scroll bar; 0 when it is.
    int lackingWidth() const;

    Timeline &timeline() const { return *m_timeline; }
    // The list as shown: its words, titles and notes.
    ConvictionTable &table() const { return *m_table; }
    // Add (Insert), which works anywhere in the window.
    QAction *addRowAction() const { return m_addRow; }
    // The controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;
    TextTable textTable();

signals:
    void addRequested();
    void modifyRequested();
    void deleteRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildList();
    void buildMenu(const QList<QAction *> &historyActions);
    void buildLayout();
    void connectRequests();
    // The list's height with this many rows in view.
    int listHeightForRows(int rows) const;

    RecordList &m_records;
    ConvictionTable *m_table;
    QTableView *m_list;
    FittedHeader *m_columnHeader;
    QTabWidget *m_pages;
    Timeline *m_timeline;
    QPushButton *m_add;
    QPushButton *m_modify;
    QPushButton *m_delete;
    QLabel *m_note;
    QMenu *m_menu;
    QAction *m_addRow;
    QAction *m_modifyRow;
    QAction *m_deleteRow;
};
