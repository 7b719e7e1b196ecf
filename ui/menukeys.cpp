#include "ui/menukeys.h"

#include "ui/objectname.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void addMenuBarKey(QWidget &window, QMenuBar &bar, QMenu &firstMenu)
{
    auto *menuBarKey = named(new QAction(&window), "MenuBarKey");
    menuBarKey->setShortcut(Qt::Key_F10);
    window.addAction(menuBarKey);
    QObject::connect(menuBarKey, &QAction::triggered, &window,
                     [&bar, &firstMenu] { bar.setActiveAction(firstMenu.menuAction()); });
}

void addLanguageSelectorKey(QWidget &window, QMenuBar &bar, QMenu &menu, QMenu &submenu,
                            QWidget &selector)
{
    auto *chooseLanguage = named(new QAction(&window), "ChooseLanguage");
    chooseLanguage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    window.addAction(chooseLanguage);
    QObject::connect(
        chooseLanguage, &QAction::triggered, &window, [&bar, &menu, &submenu, &selector] {
            submenu.popup(bar.mapToGlobal(bar.actionGeometry(menu.menuAction()).bottomLeft()));
            selector.setFocus(Qt::ShortcutFocusReason);
        });
}

QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!keys.contains(key))
            keys.append(key);
    }
    return keys;
}
