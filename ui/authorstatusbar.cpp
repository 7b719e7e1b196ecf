#include "ui/authorstatusbar.h"

#include "ui/objectname.h"
#include "ui/textreceivers.h"

#include <QEvent>
#include <QLabel>

AuthorStatusBar::AuthorStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_author(named(new QLabel(this), "StatusPanel0"))
{
    setObjectName(QStringLiteral("StatusBar1"));
    m_author->setMinimumWidth(50);
    addWidget(m_author);
    setCursor(Qt::PointingHandCursor);
    installEventFilter(this);
    m_author->installEventFilter(this);
}

TextTable AuthorStatusBar::textTable()
{
    return {{u"String.AuthorQuennard", textOf(m_author)}};
}

bool AuthorStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == this || watched == m_author) && event->type() == QEvent::MouseButtonDblClick) {
        emit doubleClicked();
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}
