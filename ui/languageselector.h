// The language selector of the Options menu: a drop-down list of the language
// names that also takes a typed name. It reports a change when the user picks an
// entry other than the selected one, picks the entry whose name the text already
// shows while no entry is selected, or commits a typed name with Enter; picking
// the selected entry again reports nothing.
#pragma once

#include <QComboBox>

class LanguageSelector : public QComboBox
{
    Q_OBJECT

public:
    explicit LanguageSelector(QWidget *parent = nullptr);

    // Replaces the entries without selecting one and without touching the text.
    void setLanguageNames(const QStringList &names);
    // Sets the text with no entry selected, as a stored name is written before the
    // entries exist. Reports a change when the text is not empty.
    void setStoredName(const QString &name);
    // Sets the text with no entry selected and reports nothing: the language
    // shown without being chosen or stored, as at a first start.
    void showName(const QString &name);

signals:
    void languageChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void entryPicked(int index);

    int m_selected = -1; // the entry the user last picked; -1 for none
};
