// The application's error handler: every command runs inside runCommand, which
// catches what the command raised and shows it; no exception reaches Qt's loop.
#pragma once

#include "platform/runtimeerror.h"

#include <QString>

#include <exception>
#include <functional>

class QWidget;

// The application title, the caption of every error message.
inline const QString ApplicationTitle = QStringLiteral("Kovrant");

// The message as shown: a "." is appended when its last character's code is above
// that of ".".
QString shownErrorText(const QString &message);

// Shows an error to the user. Tests replace the presenter to record errors
// instead of opening message boxes.
using ErrorPresenter = std::function<void(QWidget *owner, const QString &shownText)>;
void setErrorPresenter(ErrorPresenter presenter);
void showError(QWidget *owner, const QString &message);

// Words the system's messages in the interface's language. The main window sets
// it over its catalogue; without one, messages are shown in English.
using MessageLanguage = std::function<QString(const MessageText &text)>;
void setMessageLanguage(MessageLanguage language);
// Shows the error's message in the interface's language.
void showError(QWidget *owner, const RuntimeError &error);

template<typename Command>
void runCommand(QWidget *owner, Command &&command)
{
    try {
        command();
    } catch (const RuntimeError &error) {
        showError(owner, error);
    } catch (const std::exception &error) {
        showError(owner, QString::fromLocal8Bit(error.what()));
    }
}
