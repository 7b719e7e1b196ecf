// The main window's status bar: the author's line, and a double click anywhere
// on it, which the window answers with the program's web site.
#pragma once

#include "localisation/texttable.h"

#include <QStatusBar>

class QLabel;

class AuthorStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit AuthorStatusBar(QWidget *parent);

    TextTable textTable();

signals:
    void doubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_author;
};
