// Undo and Redo as the history allows them: enabled while it has a command to
// undo or redo, and named after that command in the current language.
#pragma once

#include "document/listcommands.h"
#include "localisation/texttable.h"

#include <QObject>

class QAction;
class QUndoStack;

class UndoActions : public QObject
{
    Q_OBJECT

public:
    UndoActions(QAction &undo, QAction &redo, QUndoStack &history, QObject *parent);

    // The texts the actions are named with, by key; showNames() after they change.
    TextTable textTable();
    // Names Undo and Redo after the command they would undo or redo.
    void showNames();

private:
    QAction &m_undo;
    QAction &m_redo;
    QUndoStack &m_history;
    UndoTexts m_texts;
};
