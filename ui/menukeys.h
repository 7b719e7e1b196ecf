// The keys that open the main window's menus rather than run a command: F10
// opens the menu bar, and Ctrl+L the language selector, which lives in a submenu.
// Also Redo's keys.
#pragma once

#include <QKeySequence>
#include <QList>

class QMenu;
class QMenuBar;
class QWidget;

// F10 opens the menu bar at the menu given, as Alt and a menu's access key do.
void addMenuBarKey(QWidget &window, QMenuBar &bar, QMenu &firstMenu);

// Ctrl+L opens the selector's submenu on its own, under the title of the menu
// that holds it, with the selector focused.
void addLanguageSelectorKey(QWidget &window, QMenuBar &bar, QMenu &menu, QMenu &submenu,
                            QWidget &selector);

// Ctrl+Shift+Z, then the platform's own keys for Redo.
QList<QKeySequence> redoKeys();
