#include "ui/languageselector.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

LanguageSelector::LanguageSelector(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    // A typed name is a choice, not a new entry.
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, &LanguageSelector::entryPicked);
}

void LanguageSelector::setLanguageNames(const QStringList &names)
{
    // addItems on an empty combo selects item 0 and replaces the edit text.
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    clear();
    addItems(names);
    setCurrentIndex(-1);
    setEditText(text);
    m_selected = -1;
}

void LanguageSelector::setStoredName(const QString &name)
{
    showName(name);
    if (!name.isEmpty())
        emit languageChanged();
}

void LanguageSelector::showName(const QString &name)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(-1);
    setEditText(name);
    m_selected = -1;
}

void LanguageSelector::entryPicked(int index)
{
    if (index == m_selected)
        return;
    m_selected = index;
    emit languageChanged();
}

bool LanguageSelector::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // The combo's own Return handling would emit activated and returnPressed,
        // sometimes twice each: the commit is handled here, once.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const QString typed = currentText();
            {
                const QSignalBlocker blocker(this);
                const int match = findText(typed);
                setCurrentIndex(match);
                setEditText(typed);
                m_selected = match;
            }
            emit languageChanged();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
