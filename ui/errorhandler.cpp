#include "ui/errorhandler.h"

#include <QMessageBox>

namespace {

void showMessageBox(QWidget *owner, const QString &shownText)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle, shownText, QMessageBox::Ok, owner);
    box.exec();
}

ErrorPresenter &presenter()
{
    static ErrorPresenter current = &showMessageBox;
    return current;
}

MessageLanguage &messageLanguage()
{
    static MessageLanguage current;
    return current;
}

} // namespace

QString shownErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void setErrorPresenter(ErrorPresenter replacement)
{
    presenter() = replacement ? std::move(replacement) : ErrorPresenter(&showMessageBox);
}

void showError(QWidget *owner, const QString &message)
{
    presenter()(owner, shownErrorText(message));
}

void setMessageLanguage(MessageLanguage language)
{
    messageLanguage() = std::move(language);
}

void showError(QWidget *owner, const RuntimeError &error)
{
    const MessageLanguage &language = messageLanguage();
    showError(owner, language ? language(error.text()) : error.message());
}
