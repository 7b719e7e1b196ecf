#include "ui/undoactions.h"

#include <QAction>
#include <QUndoStack>

UndoActions::UndoActions(QAction &undo, QAction &redo, QUndoStack &history, QObject *parent)
    : QObject(parent)
    , m_undo(undo)
    , m_redo(redo)
    , m_history(history)
{
    connect(&history, &QUndoStack::canUndoChanged, &undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, &redo, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, this, &UndoActions::showNames);
    connect(&history, &QUndoStack::redoTextChanged, this, &UndoActions::showNames);
}

TextTable UndoActions::textTable()
{
    return undoTextTable(m_texts);
}

void UndoActions::showNames()
{
    m_undo.setText(
        undoActionText(m_texts.undo, m_texts.undoCommand, m_history.undoText(), m_texts));
    m_redo.setText(
        undoActionText(m_texts.redo, m_texts.redoCommand, m_history.redoText(), m_texts));
}
