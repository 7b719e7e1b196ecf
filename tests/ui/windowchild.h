// Finds a window's widgets and actions by their object names, as the user's view
// of the window has them, not through the window class's members.
//
// The record dialog and the about box are children of the main window and share
// object names with it (Button1, ComboBox1, CheckBox1, Label1, Panel1...), so a
// plain recursive search from the main window may find a dialog's widget. A child
// counts only where it belongs to the window asked for: a widget shown in it (a
// menu, or the language selector inside one, belongs to the window it opens
// from), an action parented to or added to such a widget.
//
// Needs nothing but Qt Widgets, so that the tools beside the tests use it too.
#pragma once

#include <QAction>
#include <QList>
#include <QWidget>

#include <algorithm>
#include <type_traits>

// The window a widget shows in: its own window, or for a pop-up, the window it
// opens from.
inline const QWidget *owningWindow(const QWidget &widget)
{
    const QWidget *window = widget.window();
    while (window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

// Whether a widget, or an action, belongs to the window.
inline bool belongsToWindow(const QObject &object, const QWidget &window)
{
    if (const auto *widget = qobject_cast<const QWidget *>(&object))
        return owningWindow(*widget) == &window;
    const auto *action = qobject_cast<const QAction *>(&object);
    if (!action)
        return false;
    const auto inWindow = [&window](const QObject *holder) {
        const auto *widget = qobject_cast<const QWidget *>(holder);
        return widget && owningWindow(*widget) == &window;
    };
    const QList<QObject *> holders = action->associatedObjects();
    return inWindow(action->parent()) || std::any_of(holders.begin(), holders.end(), inWindow);
}

// The one widget or action of type T named objectName that belongs to the window.
// None, or more than one, is fatal: the message names the type, the object and
// the window, and a test binary reports it as its current test's failure.
template<typename T>
T &child(const QWidget &window, const char *objectName)
{
    static_assert(std::is_base_of_v<QWidget, T> || std::is_base_of_v<QAction, T>,
                  "child() finds widgets and actions");
    QList<T *> found = window.findChildren<T *>(QString::fromLatin1(objectName));
    found.removeIf([&window](const T *candidate) { return !belongsToWindow(*candidate, window); });
    if (found.size() != 1) {
        qFatal("%s %s named \"%s\" in the window \"%s\"",
               found.isEmpty() ? "No" : qPrintable(QString::number(found.size())),
               T::staticMetaObject.className(), objectName, qPrintable(window.objectName()));
    }
    return *found.constFirst();
}
