// Receivers of interface texts for the kinds of element the windows hold: the
// right-hand side of a window's text table.
#pragma once

#include "catalogue/interfacekeys.h"
#include "catalogue/labeltext.h"
#include "localisation/texttable.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QWidget>

// An element with setText: a label, a button, a check box, an action.
template<typename Element>
std::function<void(const QString &)> textOf(Element *element)
{
    return [element](const QString &text) { element->setText(text); };
}

// A group box's or a menu's title.
template<typename Element>
std::function<void(const QString &)> titleOf(Element *element)
{
    return [element](const QString &text) { element->setTitle(text); };
}

// A widget's tooltip, as rich text so that a long one wraps instead of running
// across the screen.
inline std::function<void(const QString &)> toolTipOf(QWidget *widget)
{
    return [widget](const QString &text) {
        widget->setToolTip(QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>"));
    };
}

// A window's title, which shows no access key: a menu's text serves as one.
inline std::function<void(const QString &)> windowTitleOf(QWidget *window)
{
    return [window](const QString &text) { window->setWindowTitle(withoutAccessKey(text)); };
}

// An item of a selector, written in place so that a selected item stays selected;
// an item not there yet is added.
inline std::function<void(const QString &)> itemOf(QComboBox *selector, int index)
{
    return [selector, index](const QString &text) {
        const QSignalBlocker blocker(selector);
        if (index < selector->count()) {
            selector->setItemText(index, text);
            return;
        }
        const int selected = selector->currentIndex();
        selector->addItem(text);
        selector->setCurrentIndex(selected);
    };
}

// The four category texts as a selector's items, small gravity first.
inline TextTable categoryItemsOf(QComboBox *selector)
{
    TextTable table;
    for (std::size_t index = 0; index < CategoryTextKeys.size(); ++index)
        table.append({CategoryTextKeys[index], itemOf(selector, int(index))});
    return table;
}
